// Tessivo loaded through the real loader into a real host, with a headless user working its
// dialog, and helpers for reading the frames back out of the document.
#pragma once

#include <vector>

#include "edge_params.h"
#include "filter_host_fixture.h"

namespace kelvo::testing {

class EdgeHostTest : public FilterHostTest<EdgeFrameParams> {
protected:
    EdgeHostTest() : FilterHostTest("KV07_Tessivo", 7) {}

    // The anchors of the path drawn last (the topmost).
    std::vector<doc::Point> lastAnchors() {
        const std::vector<const doc::Art*> all = paths();
        return all.empty() ? std::vector<doc::Point>{} : anchors(*all.back());
    }
};

}  // namespace kelvo::testing
