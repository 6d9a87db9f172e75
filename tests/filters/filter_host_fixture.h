// A filter plug-in loaded through the real loader into a real host, with a headless user working
// its dialog: what every filter's host tests start from. Each filter's fixture derives from
// FilterHostTest with its record type, plug-in name and seed, and adds only what is its own.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::doc {
inline void PrintTo(const Point& point, std::ostream* os) { *os << "(" << point.x << ", " << point.y << ")"; }
}  // namespace kelvo::doc

namespace kelvo::testing {

using toolkit::Action;

// The first-use start point of the filters that place their art themselves: 200 points left of
// the default view centre (306, 396).
inline constexpr float kStartX = 106.0f;
inline constexpr float kStartY = 396.0f;

inline bool operator==(const KvIntRect& a, const KvIntRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

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
// An entry of the preset list, by its text or by its index.
inline Action preset(const std::string& entry) {
    Action action = Action::make(Action::Kind::choose, "", entry);
    action.presetList = true;
    return action;
}
inline Action preset(int index) { return preset(std::to_string(index)); }
inline Action click(const std::string& item) { return Action::make(Action::Kind::click, item); }
// A pick (or drag) button used with the pick modifier at an artwork point.
inline Action pick(const std::string& item, double x, double y = 300) {
    Action action = Action::make(Action::Kind::pick, item);
    action.artworkPoint = std::pair{x, y};
    return action;
}
inline Action cancel() { return Action::make(Action::Kind::cancel); }

template <class Record>
class FilterHostTest : public ::testing::Test {
public:  // table-driven cases work the fixture through a reference to it
    std::ostringstream out, err;
    toolkit::HeadlessDriver driver{out, err};
    host::Host host;
    host::Loader loader{host};
    host::Plugin* plugin = nullptr;

    // `name` is the plug-in's resource file without ".json"; `seed` starts the host's draws.
    FilterHostTest(std::string name, uint64_t seed) : name_(std::move(name)), seed_(seed) {}

    void SetUp() override {
        host.seed(seed_);
        host.toolkit().setDriver(&driver);
        plugin = &loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / (name_ + ".json"));
        ASSERT_EQ(loader.start(*plugin), kResultOk);
        ASSERT_NE(host.filterNamed(name_), nullptr);
    }

    host::FilterRecord& filter() { return *host.filterNamed(name_); }
    Record& record() { return *static_cast<Record*>(*filter().parameters); }

    std::vector<unsigned char> recordBytes() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record());
        return {bytes, bytes + sizeof(Record)};
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

    // The plug-in's globals block, which the host holds only while the library is unloaded:
    // unloads the plug-in, returns what `read` takes from the block, and loads it again.
    template <class Read>
    auto readGlobals(Read read) {
        EXPECT_EQ(loader.unload(*plugin), kResultOk);
        auto value = read(static_cast<const void*>(plugin->globals));
        EXPECT_EQ(loader.reload(*plugin), kResultOk);
        return value;
    }

    // Every path in the document, bottom first (containers before their children): the art
    // in the order it was made.
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

    // Whether every anchor and handle of the path is a finite point.
    static bool allFinite(const doc::Art& path) {
        for (const doc::Segment& s : path.segments) {
            for (const doc::Point& p : {s.anchor, s.in, s.out}) {
                if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
            }
        }
        return true;
    }

private:
    std::string name_;
    uint64_t seed_;
};

}  // namespace kelvo::testing
