// Volutia loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for reading the spirals back out of the document.
#pragma once

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filter_host_fixture.h"
#include "spiral_params.h"

namespace kelvo::testing {

inline constexpr double kPi = 3.14159265358979323846;

class SpiralHostTest : public FilterHostTest<SpiralParams> {
protected:
    SpiralHostTest() : FilterHostTest("KV07_Volutia", 7) {}

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
            if (!allFinite(*path)) return false;
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
