// The outline of one Tessivo frame: the per-frame side values, the skip/create pattern of base
// and tip points, and the walk along the four sides. No host state: random draws come in
// through an EdgeRandomDraw and the points go out in a vector that the generator turns into
// path segments.
#pragma once

#include <cstdint>
#include <vector>

#include "edge_params.h"
#include "kelvo/sdk/base.h"

// The steps one frame may take, shared by its four sides. A step is counted per advance along
// a side, per base point and per tip check, so a frame holds at most about 3300 points.
inline constexpr int32_t kFrameStepLimit = 5000;

// The values of the four sides as the generator works with them.
struct EdgeSides {
    int32_t teethCount[kEdgeSideCount];
    float height[kEdgeSideCount];
    float gap[kEdgeSideCount];
    float slant[kEdgeSideCount];
    float base[kEdgeSideCount];
};

// Working values of a run, copied from the record once and changed per frame by "Edge [R]"
// and "Link edges". The interpolation amounts are fractions (percent / 100).
struct EdgeWorkingValues {
    EdgeSides sides;
    float interp1Anchor, interp1Handle;
    float interp2Anchor, interp2Handle;
    int32_t skipCount, createCount;
};

EdgeWorkingValues copyEdgeWorkingValues(const EdgeFrameParams& record);

// "Edge [R]": counts back from the record, every height, gap, slant, base and interpolation
// amount r times its record value. Draws: heights 1-4, gaps 1-4, slants 1-4, bases 1-4,
// Interpolate1 anchor and direction, Interpolate2 anchor and direction.
void randomizeEdgeFrame(EdgeWorkingValues& values, const EdgeFrameParams& record, EdgeRandomDraw draw);

// "Link edges": sides 2 to 4 take side 1's count, height, gap, slant and base.
void linkEdgeSides(EdgeSides& sides);

// How many base and tip points are made in a row (run) and then left out (skip).
struct ToothPattern {
    int32_t baseRun, baseSkip;
    int32_t tipRun, tipSkip;
};

// The pattern of `applyPattern` (0 " Teeth apply pattern", 1 " Top", 2 " Base-Top"; other
// values as 0), with "Structure [R]" scaling base skip, tip skip, base run and tip run by one
// draw each in that order. Skips come out at least 0 and runs at least 1, whatever the record
// holds, so that every side can end.
ToothPattern makeToothPattern(int32_t applyPattern, int32_t skipCount, int32_t createCount, bool randomStructure,
                              EdgeRandomDraw draw);

// The slant of `side` (1 to 4) under `slantOption` (0 to 8; other values leave it unchanged).
// " Slant 7" takes one draw. The working slant itself is never changed: the options would
// otherwise compound from frame to frame.
float slantForSide(float slant, int side, int32_t slantOption, EdgeRandomDraw draw);

struct EdgeWalkOptions {
    int32_t slantOption;
    bool randomTeeth;      // "Teeth [R]": n = trunc(r n), at least 2
    bool randomCreate;     // "Create [R]": each point is left out when a draw is above 0.5
    bool addBaseToHeight;  // tips stand at height + base
};

struct FrameOutline {
    std::vector<KvRealPoint> points;  // in order; every one becomes a straight segment
    KvRealPoint end;                  // where the next frame starts
};

// Walks sides 1 to 4 from `start`. Per side the draws are: teeth count, slant, then one draw
// per point for "Create [R]". After each side the current point is the last point computed on
// it, added or not. `outline.points` is cleared first; its capacity is reused.
void walkEdgeFrame(const EdgeSides& sides, const ToothPattern& pattern, const EdgeWalkOptions& options,
                   KvRealPoint start, EdgeRandomDraw draw, FrameOutline& outline);
