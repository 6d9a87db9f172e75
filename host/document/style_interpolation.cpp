// Blending two path styles.
#include "document/document_impl.h"

#include <algorithm>
#include <limits>

namespace kelvo::doc {

namespace {
// NaN goes to the lower end.
float limit(float v, float low, float high) {
    if (!(v >= low)) return low;
    return v > high ? high : v;
}
}  // namespace

PathStyle interpolate(const PathStyle& first, const PathStyle& second, float t) {
    const bool nearFirst = t >= 0.5f;
    PathStyle out = nearFirst ? first : second;
    auto mix = [&](const Colour& a, const Colour& b, Colour& target) {
        if (a.kind != b.kind) return;  // the nearer style's colour, already in `out`
        for (std::size_t i = 0; i < 4; ++i)
            target.channel[i] = limit(b.channel[i] + t * (a.channel[i] - b.channel[i]), 0, 1);
    };
    mix(first.fill, second.fill, out.fill);
    mix(first.stroke, second.stroke, out.stroke);
    out.strokeWidth = limit(second.strokeWidth + t * (first.strokeWidth - second.strokeWidth), 0,
                            std::numeric_limits<float>::max());
    for (float& v : out.fill.channel) v = limit(v, 0, 1);
    for (float& v : out.stroke.channel) v = limit(v, 0, 1);
    return out;
}

}  // namespace kelvo::doc
