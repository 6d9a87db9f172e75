// The outline of one frame: side values, tooth pattern and the walk along the sides.
#include "edge_outline.h"

#include <algorithm>

#include "edge_numbers.h"

EdgeWorkingValues copyEdgeWorkingValues(const EdgeFrameParams& record) {
    EdgeWorkingValues values{};
    for (int side = 0; side < kEdgeSideCount; ++side) {
        values.sides.teethCount[side] = record.teethCount[side];
        values.sides.height[side] = record.teethHeight[side];
        values.sides.gap[side] = record.teethGap[side];
        values.sides.slant[side] = record.teethSlant[side];
        values.sides.base[side] = record.teethBase[side];
    }
    values.interp1Anchor = record.interp1AnchorPct / 100.0f;
    values.interp1Handle = record.interp1HandlePct / 100.0f;
    values.interp2Anchor = record.interp2AnchorPct / 100.0f;
    values.interp2Handle = record.interp2HandlePct / 100.0f;
    values.skipCount = record.skipCount;
    values.createCount = record.createCount;
    return values;
}

void randomizeEdgeFrame(EdgeWorkingValues& values, const EdgeFrameParams& record, EdgeRandomDraw draw) {
    EdgeSides& sides = values.sides;
    for (int side = 0; side < kEdgeSideCount; ++side) sides.teethCount[side] = record.teethCount[side];
    values.skipCount = record.skipCount;
    values.createCount = record.createCount;

    for (int side = 0; side < kEdgeSideCount; ++side) sides.height[side] = draw() * record.teethHeight[side];
    for (int side = 0; side < kEdgeSideCount; ++side) sides.gap[side] = draw() * record.teethGap[side];
    for (int side = 0; side < kEdgeSideCount; ++side) sides.slant[side] = draw() * record.teethSlant[side];
    for (int side = 0; side < kEdgeSideCount; ++side) sides.base[side] = draw() * record.teethBase[side];
    values.interp1Anchor = draw() * (record.interp1AnchorPct / 100.0f);
    values.interp1Handle = draw() * (record.interp1HandlePct / 100.0f);
    values.interp2Anchor = draw() * (record.interp2AnchorPct / 100.0f);
    values.interp2Handle = draw() * (record.interp2HandlePct / 100.0f);
}

void linkEdgeSides(EdgeSides& sides) {
    for (int side = 1; side < kEdgeSideCount; ++side) {
        sides.teethCount[side] = sides.teethCount[0];
        sides.height[side] = sides.height[0];
        sides.gap[side] = sides.gap[0];
        sides.slant[side] = sides.slant[0];
        sides.base[side] = sides.base[0];
    }
}

ToothPattern makeToothPattern(int32_t applyPattern, int32_t skipCount, int32_t createCount, bool randomStructure,
                              EdgeRandomDraw draw) {
    ToothPattern pattern{createCount, skipCount, 1, 0};  // 0 " Teeth apply pattern": runs on the base
    if (applyPattern == 1) {                             // " Top": runs on the tips
        pattern = {1, 0, createCount, skipCount};
    } else if (applyPattern == 2) {                      // " Base-Top": both
        pattern = {createCount, skipCount, createCount, skipCount};
    }
    if (randomStructure) {
        pattern.baseSkip = truncToInt(draw() * static_cast<float>(pattern.baseSkip));
        pattern.tipSkip = truncToInt(draw() * static_cast<float>(pattern.tipSkip));
        pattern.baseRun = truncToInt(draw() * static_cast<float>(pattern.baseRun));
        pattern.tipRun = truncToInt(draw() * static_cast<float>(pattern.tipRun));
    }
    // A negative skip would leave every later step skipped, and a run below 1 would never
    // reach its end: either way a side could not end.
    pattern.baseSkip = std::max(pattern.baseSkip, 0);
    pattern.tipSkip = std::max(pattern.tipSkip, 0);
    pattern.baseRun = std::max(pattern.baseRun, 1);
    pattern.tipRun = std::max(pattern.tipRun, 1);
    return pattern;
}

float slantForSide(float slant, int side, int32_t slantOption, EdgeRandomDraw draw) {
    switch (slantOption) {
    case 1: return (side == 3 || side == 4) ? -slant : slant;        // " Slant 2"
    case 2: return (side == 2 || side == 3) ? -slant : slant;        // " Slant 3"
    case 3: return (side == 1 || side == 3) ? -slant : slant;        // " Slant 4"
    case 4: return (side == 2 || side == 4) ? -slant : slant;        // " Slant 5"
    case 5: return (side == 2 || side == 4) ? slant * -2.0f : slant;  // " Slant 6"
    case 6: return draw() <= 0.5f ? slant : -slant;                  // " Slant 7"
    case 7: return slant * static_cast<float>(side);                 // " Slant 8"
    case 8: return slant * 3.0f;                                     // " Slant 9"
    default: return slant;                                           // " Slant options"
    }
}

namespace {

// One side's fixed values for its walk.
struct SideWalk {
    int side;  // 1 to 4
    int32_t teeth;
    float gap, slant, base, top;
};

// Base and tip points at run length t from the side's start (x, y). Teeth stand to the left
// of the walking direction; the slant moves a tip along +x on sides 1 and 3 and along +y on
// sides 2 and 4, whatever the walking direction.
KvRealPoint basePoint(const SideWalk& s, KvRealPoint from, float t) {
    switch (s.side) {
    case 1: return {from.x + t, from.y + s.base};
    case 2: return {from.x + s.base, from.y - t};
    case 3: return {from.x - t, from.y - s.base};
    default: return {from.x - s.base, from.y + t};
    }
}

KvRealPoint tipPoint(const SideWalk& s, KvRealPoint from, float t) {
    switch (s.side) {
    case 1: return {from.x + t + s.slant, from.y + s.top};
    case 2: return {from.x + s.top, from.y - t + s.slant};
    case 3: return {from.x - t + s.slant, from.y - s.top};
    default: return {from.x - s.top, from.y + t + s.slant};
    }
}

SideWalk prepareSide(const EdgeSides& sides, int side, const EdgeWalkOptions& options, EdgeRandomDraw draw) {
    const int i = side - 1;
    SideWalk s{};
    s.side = side;
    s.teeth = sides.teethCount[i];
    if (options.randomTeeth) s.teeth = std::max(truncToInt(draw() * static_cast<float>(s.teeth)), 2);
    s.slant = slantForSide(sides.slant[i], side, options.slantOption, draw);
    s.gap = sides.gap[i];
    s.base = sides.base[i];
    s.top = options.addBaseToHeight ? sides.height[i] + sides.base[i] : sides.height[i];
    return s;
}

// Walks one side from `current`, moving `current` to the last point computed on it.
void walkSide(const SideWalk& s, const ToothPattern& pattern, bool randomCreate, EdgeRandomDraw draw,
              int32_t& steps, KvRealPoint& current, std::vector<KvRealPoint>& points) {
    if (steps >= kFrameStepLimit) return;

    const KvRealPoint from = current;
    auto keep = [&](KvRealPoint point) {
        current = point;
        if (randomCreate && draw() > 0.5f) return;
        points.push_back(point);
    };

    float t = 0.0f;
    int32_t baseSkipLeft = 0, tipSkipLeft = 0;
    int32_t baseRunLeft = pattern.baseRun, tipRunLeft = pattern.tipRun;
    int32_t teethMade = 0;
    bool toothOpen = false;
    for (;;) {
        t += s.gap;
        ++steps;

        if (baseSkipLeft == 0) {
            toothOpen = false;
            const KvRealPoint base = basePoint(s, from, t);
            if (teethMade >= s.teeth) {  // the side ends on this base point without adding it
                current = base;
                return;
            }
            keep(base);
            if (--baseRunLeft == 0) baseSkipLeft = pattern.baseSkip;
            ++steps;
        } else {
            --baseSkipLeft;
            baseRunLeft = pattern.baseRun;
        }

        if (tipSkipLeft == 0) {
            if (!toothOpen) {
                toothOpen = true;
                ++teethMade;
            }
            keep(tipPoint(s, from, t));
            if (--tipRunLeft == 0) tipSkipLeft = pattern.tipSkip;
        } else {
            --tipSkipLeft;
            tipRunLeft = pattern.tipRun;
        }

        // The counter moves by two or three per pass, so it is tested for reaching the limit
        // or passing it.
        if (++steps >= kFrameStepLimit) return;
    }
}

}  // namespace

void walkEdgeFrame(const EdgeSides& sides, const ToothPattern& pattern, const EdgeWalkOptions& options,
                   KvRealPoint start, EdgeRandomDraw draw, FrameOutline& outline) {
    outline.points.clear();
    KvRealPoint current = start;
    int32_t steps = 0;
    for (int side = 1; side <= kEdgeSideCount; ++side) {
        // A side's own draws are made even when the step limit leaves it empty.
        const SideWalk s = prepareSide(sides, side, options, draw);
        walkSide(s, pattern, options.randomCreate, draw, steps, current, outline.points);
    }
    outline.end = current;
}
