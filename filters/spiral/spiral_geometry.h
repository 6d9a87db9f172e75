// The walk that turns a SpiralParams record into path segments, free of host state: the host's
// math and random operations come in a table, and the segments go out through a sink that
// decides what to do with them (the generator writes them into the document).
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"
#include "kelvo/sdk/path_suite.h"
#include "spiral_params.h"

// The operations the walk calls; the generator fills this from the host's suites.
struct SpiralMath {
    float (*divide)(float a, float b);  // a / b; 0 when b is 0
    float (*sine)(float radians);
    float (*cosine)(float radians);
    float (*degreesToRadians)(float degrees);
    // out = second + t·(first - second)
    void (*pointInterpolate)(const KvRealPoint* first, const KvRealPoint* second, float t, KvRealPoint* out);
    float (*draw)();  // a real in [0, 1)
};

// What the pivots of the interpolation need to know of the document and its first view.
struct SpiralSurroundings {
    KvRealPoint documentSize{0.0f, 0.0f};  // width, height
    KvRealPoint viewCentre{0.0f, 0.0f};
    KvRealRect viewBounds{0.0f, 0.0f, 0.0f, 0.0f};
};

// Receives the spiral as it is walked. A non-zero result from any call ends the walk with it.
class SpiralSink {
public:
    virtual ~SpiralSink() = default;
    // A new, empty path: the single path of a contiguous spiral, or the next drawn arm.
    virtual KvResult beginPath() = 0;
    // The next segment of the current path. Its coordinates are always finite.
    virtual KvResult addSegment(const KvPathSegment& segment) = 0;
    // Separate arms only: the current path is arm `arm` (counting skipped arms) and is
    // complete. `turnPoints` is points per arm times the number of arms.
    virtual KvResult endArm(int32_t arm, int32_t turnPoints) = 0;
};

// The angle step for `pointsPerArm`: a full turn for 0, else π / pointsPerArm. The index is
// limited to the table's 0 ... 20 first.
float spiralAngleStep(int32_t pointsPerArm);

// At most this many points, star points and skipped steps in one walk: far beyond anything the
// dialog can ask for, low enough that a run always ends soon whatever the record holds.
inline constexpr int64_t kSpiralWalkLimit = 1 << 20;

// Walks the spiral of `record`: one path (armMode 0) or one path per drawn arm (armMode 1);
// any other arm mode calls nothing. Points whose coordinates would not be finite are left out.
// Returns 0, the first non-zero result of the sink, or kResultTooManyPoints once the walk
// passes kSpiralWalkLimit.
KvResult WalkSpiral(const SpiralParams& record, const SpiralMath& math, const SpiralSurroundings& surroundings,
                    SpiralSink& sink);
