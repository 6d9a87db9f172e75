// Quadrel loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for setting up a definition path and reading the grid back.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "filter_host_fixture.h"
#include "grid_params.h"
#include "plugin.h"

namespace kelvo::testing {

// The definition rectangle most tests select: 300 x 200 points with its lower left at (100, 400).
inline constexpr float kLeft = 100.0f, kBottom = 400.0f, kWidth = 300.0f, kHeight = 200.0f;

class GridHostTest : public FilterHostTest<GridParams> {
protected:
    GridHostTest() : FilterHostTest("KV07_Quadrel", 11) {}

    void SetUp() override {
        driver.inspect = [this](toolkit::Dialog& d) { recordItems(d); };
        FilterHostTest::SetUp();
    }

    PluginGlobals globals() {
        return readGlobals([](const void* block) { return *static_cast<const PluginGlobals*>(block); });
    }

    // A selected path in the document, outside any command.
    doc::ArtId addSelectedRect(float left, float bottom, float width, float height) {
        doc::ArtId id = 0;
        EXPECT_EQ(host.document().newRect(left, bottom, left + width, bottom + height, false, &id), doc::Status::ok);
        EXPECT_EQ(host.document().setSelected(id, true), doc::Status::ok);
        return id;
    }
    doc::ArtId addDefinitionRect() { return addSelectedRect(kLeft, kBottom, kWidth, kHeight); }

    // One use with Preview off, whose Go draws with random draws from a fresh host sequence of
    // `seed`; a test can follow the same sequence with host::Random(seed).
    KvResult seededUse(std::vector<Action> script, uint64_t seed) {
        script.insert(script.begin(), uncheck("Preview"));
        const KvResult result = dialog(std::move(script));
        if (result != kResultOk) return result;
        host.seed(seed);
        return loader.go(filter());
    }

    static doc::Rect boundsOf(const doc::Art& path) {
        doc::Rect r{path.segments.at(0).anchor.x, path.segments[0].anchor.y, path.segments[0].anchor.x,
                    path.segments[0].anchor.y};
        for (const doc::Segment& s : path.segments) {
            r.left = std::min(r.left, s.anchor.x);
            r.right = std::max(r.right, s.anchor.x);
            r.bottom = std::min(r.bottom, s.anchor.y);
            r.top = std::max(r.top, s.anchor.y);
        }
        return r;
    }

    // What each item of the main dialog showed when its last script had run.
    struct ItemState {
        bool visible = false, enabled = false, checked = false;
        int32_t intValue = 0, selected = -1, font = 0;
        float realValue = 0.0f;
    };
    std::map<int32_t, ItemState> shown;
    KvIntRect shownBounds{};

    void recordItems(toolkit::Dialog& d) {
        if (d.resourceId != 16100) return;
        shown.clear();
        for (const auto& item : d.items) {
            shown[item->id] = {item->visible, item->enabled, item->boolValue, item->intValue,
                               item->selected, item->font, item->realValue};
        }
        shownBounds = d.bounds;
    }
};

}  // namespace kelvo::testing
