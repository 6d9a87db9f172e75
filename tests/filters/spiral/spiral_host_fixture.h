// Volutia loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for reading the spirals back out of the document.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "loader/loader.h"
#include "spiral_params.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::testing {

using toolkit::Action;

// The first-use centre: 200 points left of the default view centre (306, 396).
inline constexpr float kStartX = 106.0f;
inline constexpr float kStartY = 396.0f;
inline constexpr double kPi = 3.14159265358979323846;

class SpiralHostTest : public ::testing::Test {
protected:
    std::ostringstream out, err;
    toolkit::HeadlessDriver driver{out, err};
    host::Host host;
    host::Loader loader{host};

    void SetUp() override {
        host.seed(7);
        host.toolkit().setDriver(&driver);
        host::Plugin& plugin = loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Volutia.json");
        ASSERT_EQ(loader.start(plugin), kResultOk);
        ASSERT_NE(host.filterNamed("KV07_Volutia"), nullptr);
    }

    host::FilterRecord& filter() { return *host.filterNamed("KV07_Volutia"); }
    SpiralParams& record() { return *static_cast<SpiralParams*>(*filter().parameters); }

    std::vector<unsigned char> recordBytes() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record());
        return {bytes, bytes + sizeof(SpiralParams)};
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

    // A Go on its own ("repeat the filter") with the first-use record changed by `edit`, into a
    // fresh default document that `prepare` may change first. The record may hold any value,
    // as Tumble and the drag buttons can leave it.
    KvResult goWith(const std::function<void(SpiralParams&)>& edit,
                    const std::function<void(doc::Document&)>& prepare = nullptr) {
        if (filter().parameters == nullptr) {
            EXPECT_EQ(dialog({cancel()}), kResultCancelled);
            firstUse_ = record();
        }
        host.setDocument(std::make_unique<doc::Document>());
        if (prepare) prepare(host.document());
        record() = firstUse_;
        edit(record());
        return loader.go(filter());
    }

    // Every path in the document, bottom first.
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

    // Anchors of every path, in drawing order.
    std::vector<doc::Point> allAnchors() {
        std::vector<doc::Point> points;
        for (const doc::Art* path : paths()) {
            for (const doc::Point& point : anchors(*path)) points.push_back(point);
        }
        return points;
    }

    bool everyCoordinateFinite() {
        for (const doc::Art* path : paths()) {
            for (const doc::Segment& s : path->segments) {
                for (const doc::Point& p : {s.anchor, s.in, s.out}) {
                    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
                }
            }
        }
        return true;
    }

    // Texts of the error dialogs shown so far.
    std::vector<std::string> errorsShown() {
        std::vector<std::string> texts;
        for (const auto& shown : driver.transcript()) {
            if (shown.kind == "error") texts.push_back(shown.lines.empty() ? "" : shown.lines[0]);
        }
        return texts;
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
    static Action preset(int index) {
        Action action = Action::make(Action::Kind::choose, "", std::to_string(index));
        action.presetList = true;
        return action;
    }
    static Action click(const std::string& item) { return Action::make(Action::Kind::click, item); }
    // A drag button used with the pick modifier at an artwork point.
    static Action pick(const std::string& item, double x, double y = 300) {
        Action action = Action::make(Action::Kind::pick, item);
        action.artworkPoint = std::pair{x, y};
        return action;
    }
    static Action cancel() { return Action::make(Action::Kind::cancel); }

private:
    SpiralParams firstUse_{};
};

inline double distance(doc::Point a, double x, double y) { return std::hypot(a.x - x, a.y - y); }

// The angle from (x, y) to the point, in (-π, π].
inline double angleFrom(doc::Point p, double x, double y) { return std::atan2(p.y - y, p.x - x); }

// `a - b` brought into (-π, π].
inline double angleDifference(double a, double b) {
    double d = std::fmod(a - b, 2 * kPi);
    if (d <= -kPi) d += 2 * kPi;
    if (d > kPi) d -= 2 * kPi;
    return d;
}

}  // namespace kelvo::testing
