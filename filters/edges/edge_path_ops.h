// Host path operations shared by Tessivo's generator and paint steps.
#pragma once

#include <cstdint>

#include "edge_numbers.h"
#include "plugin.h"

// Every segment the filter adds is a corner-free straight one: anchor and both direction
// points on the same spot.
inline KvPathSegment straightSegment(KvRealPoint point) { return {point, point, point, 0}; }

inline bool isFiniteSegment(const KvPathSegment& segment) {
    return isFinitePoint(segment.anchor) && isFinitePoint(segment.in) && isFinitePoint(segment.out);
}

// Rewrites every segment of `path` through `change(segment)`. A segment whose new coordinates
// are not all finite keeps its old ones: the host would refuse them. Count, get and set
// failures end the loop with their result.
template <class Change>
KvResult editEachSegment(KvArtHandle path, Change&& change) {
    int16_t count = 0;
    KV_PROPAGATE(sPath->getPathSegmentCount(path, &count));
    for (int16_t index = 0; index < count; ++index) {
        KvPathSegment segment{};
        KV_PROPAGATE(sPath->getPathSegments(path, index, 1, &segment));
        change(segment);
        if (isFiniteSegment(segment)) KV_PROPAGATE(sPath->setPathSegments(path, index, 1, &segment));
    }
    return kResultOk;
}

inline KvRealPoint rectCentre(const KvRealRect& bounds) {
    return {(bounds.left + bounds.right) / 2.0f, (bounds.top + bounds.bottom) / 2.0f};
}

inline KvResult boundsCentre(KvArtHandle art, KvRealPoint* centre) {
    KvRealRect bounds{};
    KV_PROPAGATE(sArt->getArtBounds(art, &bounds));
    *centre = rectCentre(bounds);
    return kResultOk;
}

// One draw of the host's random service.
inline float drawRandom() { return sRandom->randomDraw(); }

// A magnitude r with a sign drawn before it: + when the sign's draw is at most 0.5.
inline float drawSignedUnit() {
    const float sign = signFromDraw(drawRandom());
    return sign * drawRandom();
}
