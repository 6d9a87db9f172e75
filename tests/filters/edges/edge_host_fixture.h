// Tessivo loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for reading the frames back out of the document.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "edge_params.h"
#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::doc {
inline void PrintTo(const Point& point, std::ostream* os) { *os << "(" << point.x << ", " << point.y << ")"; }
}  // namespace kelvo::doc

namespace kelvo::testing {

using toolkit::Action;

// The first-use start point: 200 points left of the default view centre (306, 396).
inline constexpr float kStartX = 106.0f;
inline constexpr float kStartY = 396.0f;

class EdgeHostTest : public ::testing::Test {
protected:
    std::ostringstream out, err;
    toolkit::HeadlessDriver driver{out, err};
    host::Host host;
    host::Loader loader{host};

    void SetUp() override {
        host.seed(7);
        host.toolkit().setDriver(&driver);
        host::Plugin& plugin = loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Tessivo.json");
        ASSERT_EQ(loader.start(plugin), kResultOk);
        ASSERT_NE(host.filterNamed("KV07_Tessivo"), nullptr);
    }

    host::FilterRecord& filter() { return *host.filterNamed("KV07_Tessivo"); }
    EdgeFrameParams& record() { return *static_cast<EdgeFrameParams*>(*filter().parameters); }

    std::vector<unsigned char> recordBytes() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record());
        return {bytes, bytes + sizeof(EdgeFrameParams)};
    }

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

    // Every path in the document, bottom first (containers before their children).
    std::vector<const doc::Art*> paths() {
        std::vector<const doc::Art*> found;
        host.document().forEach([&](const doc::Art& art) {
            if (art.kind == doc::ArtKind::path) found.push_back(&art);
        });
        return found;
    }

    static std::vector<doc::Point> anchors(const doc::Art& path) {
        std::vector<doc::Point> points;
        for (const doc::Segment& segment : path.segments) points.push_back(segment.anchor);
        return points;
    }

    // The anchors of the path drawn last (the topmost).
    std::vector<doc::Point> lastAnchors() {
        const std::vector<const doc::Art*> all = paths();
        return all.empty() ? std::vector<doc::Point>{} : anchors(*all.back());
    }

    // ---- The user's actions.
    static Action set(const std::string& item, double value) {
        std::ostringstream text;
        text << value;
        return Action::make(Action::Kind::setValue, item, text.str());
    }
    static Action check(const std::string& item) { return Action::make(Action::Kind::check, item); }
    static Action uncheck(const std::string& item) { return Action::make(Action::Kind::uncheck, item); }
    static Action choose(const std::string& list, const std::string& entry) {
        return Action::make(Action::Kind::choose, list, entry);
    }
    static Action preset(const std::string& entry) {
        Action action = Action::make(Action::Kind::choose, "", entry);
        action.presetList = true;
        return action;
    }
    static Action click(const std::string& item) { return Action::make(Action::Kind::click, item); }
    // A pick button used with the pick modifier at an artwork point.
    static Action pick(const std::string& item, double x, double y = 300) {
        Action action = Action::make(Action::Kind::pick, item);
        action.artworkPoint = std::pair{x, y};
        return action;
    }
    static Action cancel() { return Action::make(Action::Kind::cancel); }
};

inline bool operator==(const KvIntRect& a, const KvIntRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace kelvo::testing
