// Quadrel loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for setting up a definition path and reading the grid back.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "grid_params.h"
#include "loader/loader.h"
#include "plugin.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::testing {

using toolkit::Action;

// The definition rectangle most tests select: 300 x 200 points with its lower left at (100, 400).
inline constexpr float kLeft = 100.0f, kBottom = 400.0f, kWidth = 300.0f, kHeight = 200.0f;

// ---- The user's actions, for scripts.
inline Action set(const std::string& item, double value) {
    std::ostringstream text;
    text << value;
    return Action::make(Action::Kind::setValue, item, text.str());
}
inline Action check(const std::string& item) { return Action::make(Action::Kind::check, item); }
inline Action uncheck(const std::string& item) { return Action::make(Action::Kind::uncheck, item); }
inline Action choose(const std::string& list, const std::string& entry) {
    return Action::make(Action::Kind::choose, list, entry);
}
inline Action preset(const std::string& entry) {
    Action action = Action::make(Action::Kind::choose, "", entry);
    action.presetList = true;
    return action;
}
inline Action click(const std::string& item) { return Action::make(Action::Kind::click, item); }
// A pick button used with the pick modifier at an artwork point.
inline Action pick(const std::string& item, double x, double y = 300) {
    Action action = Action::make(Action::Kind::pick, item);
    action.artworkPoint = std::pair{x, y};
    return action;
}
inline Action cancel() { return Action::make(Action::Kind::cancel); }

class GridHostTest : public ::testing::Test {
protected:
    std::ostringstream out, err;
    toolkit::HeadlessDriver driver{out, err};
    host::Host host;
    host::Loader loader{host};
    host::Plugin* plugin = nullptr;

    void SetUp() override {
        host.seed(11);
        host.toolkit().setDriver(&driver);
        driver.inspect = [this](toolkit::Dialog& d) { recordItems(d); };
        plugin = &loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Quadrel.json");
        ASSERT_EQ(loader.start(*plugin), kResultOk);
        ASSERT_NE(host.filterNamed("KV07_Quadrel"), nullptr);
    }

    host::FilterRecord& filter() { return *host.filterNamed("KV07_Quadrel"); }
    GridParams& record() { return *static_cast<GridParams*>(*filter().parameters); }
    // The plug-in's globals block, which the host holds only while the library is unloaded:
    // unloads and reloads the plug-in to read it.
    PluginGlobals globals() {
        EXPECT_EQ(loader.unload(*plugin), kResultOk);
        const PluginGlobals copy = *static_cast<PluginGlobals*>(plugin->globals);
        EXPECT_EQ(loader.reload(*plugin), kResultOk);
        return copy;
    }

    std::vector<unsigned char> recordBytes() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record());
        return {bytes, bytes + sizeof(GridParams)};
    }

    // A selected path in the document, outside any command.
    doc::ArtId addSelectedRect(float left, float bottom, float width, float height) {
        doc::ArtId id = 0;
        EXPECT_EQ(host.document().newRect(left, bottom, left + width, bottom + height, false, &id), doc::Status::ok);
        EXPECT_EQ(host.document().setSelected(id, true), doc::Status::ok);
        return id;
    }
    doc::ArtId addDefinitionRect() { return addSelectedRect(kLeft, kBottom, kWidth, kHeight); }

    // Opens the dialog and works it with `script`; OK unless the script ends it otherwise.
    KvResult dialog(std::vector<Action> script) {
        driver.addScript(std::move(script));
        return loader.getParameters(filter());
    }

    // The dialog, then Go when it was confirmed: one use of the filter.
    KvResult use(std::vector<Action> script) {
        const KvResult result = dialog(std::move(script));
        return result == kResultOk ? loader.go(filter()) : result;
    }

    // One use with Preview off, whose Go draws with random draws from a fresh host sequence of
    // `seed`; a test can follow the same sequence with host::Random(seed).
    KvResult seededUse(std::vector<Action> script, uint64_t seed) {
        script.insert(script.begin(), uncheck("Preview"));
        const KvResult result = dialog(std::move(script));
        if (result != kResultOk) return result;
        host.seed(seed);
        return loader.go(filter());
    }

    // Every path in the document, bottom first: the grid elements in the order they were made.
    std::vector<const doc::Art*> paths() {
        std::vector<const doc::Art*> found;
        host.document().forEach([&](const doc::Art& art) {
            if (art.kind == doc::ArtKind::path) found.push_back(&art);
        });
        return found;
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
