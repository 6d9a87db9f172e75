// Ravelo loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for reading the lines back out of the document.
#pragma once

#include <cmath>

#include "filter_host_fixture.h"
#include "line_params.h"

namespace kelvo::testing {

class LineHostTest : public FilterHostTest<LineParams> {
public:  // the table-driven cases check through the fixture
    LineHostTest() : FilterHostTest("KV07_Ravelo", 11) {}

    doc::Rect bounds(const doc::Art& art) { return host.document().bounds(art.id); }

    // The direction, in degrees, of a rectangle's first edge: how far it was turned.
    static double turnOf(const doc::Art& line) {
        const doc::Point a = line.segments.at(0).anchor;
        const doc::Point b = line.segments.at(1).anchor;
        return std::atan2(b.y - a.y, b.x - a.x) * 180.0 / M_PI;
    }
};

}  // namespace kelvo::testing
