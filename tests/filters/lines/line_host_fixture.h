// Ravelo loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for reading the lines back out of the document.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "line_params.h"
#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::testing {

using toolkit::Action;

class LineHostTest : public ::testing::Test {
public:  // the table-driven cases check through the fixture
    std::ostringstream out, err;
    toolkit::HeadlessDriver driver{out, err};
    host::Host host;
    host::Loader loader{host};

    void SetUp() override {
        host.seed(11);
        host.toolkit().setDriver(&driver);
        host::Plugin& plugin = loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Ravelo.json");
        ASSERT_EQ(loader.start(plugin), kResultOk);
        ASSERT_NE(host.filterNamed("KV07_Ravelo"), nullptr);
    }

    host::FilterRecord& filter() { return *host.filterNamed("KV07_Ravelo"); }
    LineParams& record() { return *static_cast<LineParams*>(*filter().parameters); }

    std::vector<unsigned char> recordBytes() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record());
        return {bytes, bytes + sizeof(LineParams)};
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

    // Every path in the document, bottom first: the lines in the order they were drawn.
    std::vector<const doc::Art*> paths() {
        std::vector<const doc::Art*> found;
        host.document().forEach([&](const doc::Art& art) {
            if (art.kind == doc::ArtKind::path) found.push_back(&art);
        });
        return found;
    }

    doc::Rect bounds(const doc::Art& art) { return host.document().bounds(art.id); }

    // The direction, in degrees, of a rectangle's first edge: how far it was turned.
    static double turnOf(const doc::Art& line) {
        const doc::Point a = line.segments.at(0).anchor;
        const doc::Point b = line.segments.at(1).anchor;
        return std::atan2(b.y - a.y, b.x - a.x) * 180.0 / M_PI;
    }

    static bool allFinite(const doc::Art& path) {
        for (const doc::Segment& s : path.segments) {
            for (const doc::Point& p : {s.anchor, s.in, s.out}) {
                if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
            }
        }
        return true;
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
    static Action pick(const std::string& item, double x, double y) {
        Action action = Action::make(Action::Kind::pick, item);
        action.artworkPoint = std::pair{x, y};
        return action;
    }
    static Action cancel() { return Action::make(Action::Kind::cancel); }
};

}  // namespace kelvo::testing
