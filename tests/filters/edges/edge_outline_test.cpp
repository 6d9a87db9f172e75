// The outline of one frame: tooth patterns, slant options and the walk along the sides.
#include <gtest/gtest.h>

#include <vector>

#include "edge_outline.h"
#include "filter_test_support.h"

namespace {

constexpr KvRealPoint kStart{100.0f, 500.0f};

EdgeSides uniformSides(int32_t teeth, float height, float gap, float slant = 0.0f, float base = 0.0f) {
    EdgeSides sides{};
    for (int s = 0; s < kEdgeSideCount; ++s) {
        sides.teethCount[s] = teeth;
        sides.height[s] = height;
        sides.gap[s] = gap;
        sides.slant[s] = slant;
        sides.base[s] = base;
    }
    return sides;
}

constexpr ToothPattern kEveryPoint{1, 0, 1, 0};
constexpr EdgeWalkOptions kPlainWalk{0, false, false, false};

FrameOutline walkFrame(const EdgeSides& sides, const ToothPattern& pattern = kEveryPoint,
                  const EdgeWalkOptions& options = kPlainWalk) {
    FrameOutline outline;
    walkEdgeFrame(sides, pattern, options, kStart, ScriptedDraws::draw, outline);
    return outline;
}

void expectPoint(KvRealPoint actual, float x, float y) {
    EXPECT_FLOAT_EQ(actual.x, x);
    EXPECT_FLOAT_EQ(actual.y, y);
}

TEST(EdgeOutline, FirstUseFrameIsFiveTeethPerSideAndCloses) {
    const FrameOutline outline = walkFrame(uniformSides(5, 100.0f, 10.0f));
    ASSERT_EQ(outline.points.size(), 40u);
    // Side 1: base then tip at t = 10, 20, ... 50; it ends (without a point) at t = 60.
    for (int k = 0; k < 5; ++k) {
        expectPoint(outline.points[2 * k], kStart.x + 10.0f * (k + 1), kStart.y);
        expectPoint(outline.points[2 * k + 1], kStart.x + 10.0f * (k + 1), kStart.y + 100.0f);
    }
    // Side 2 starts at (X + 60, Y), walks down with teeth toward +x.
    expectPoint(outline.points[10], kStart.x + 60.0f, kStart.y - 10.0f);
    expectPoint(outline.points[11], kStart.x + 160.0f, kStart.y - 10.0f);
    // Side 3 walks -x with teeth toward -y; side 4 walks +y with teeth toward -x.
    expectPoint(outline.points[21], kStart.x + 50.0f, kStart.y - 160.0f);
    expectPoint(outline.points[31], kStart.x - 100.0f, kStart.y - 50.0f);
    expectPoint(outline.end, kStart.x, kStart.y);
}

TEST(EdgeOutline, SlantMovesTipsAlongXOnSidesOneAndThreeAndAlongYOnTwoAndFour) {
    const FrameOutline outline = walkFrame(uniformSides(1, 100.0f, 10.0f, 7.0f, 3.0f));
    ASSERT_EQ(outline.points.size(), 8u);
    expectPoint(outline.points[0], kStart.x + 10.0f, kStart.y + 3.0f);           // base stands off by b
    expectPoint(outline.points[1], kStart.x + 17.0f, kStart.y + 100.0f);
    expectPoint(outline.points[3], kStart.x + 20.0f + 100.0f, kStart.y + 3.0f - 10.0f + 7.0f);
    const EdgeWalkOptions withBase{0, false, false, true};
    const FrameOutline taller = walkFrame(uniformSides(1, 100.0f, 10.0f, 7.0f, 3.0f), kEveryPoint, withBase);
    EXPECT_FLOAT_EQ(taller.points[1].y, kStart.y + 103.0f);  // "Add base to height"
}

TEST(EdgeOutline, LargeTeethCountsRunOutOfStepsOnSideThree) {
    // 600 teeth take 1801 steps per side: side 3 stops at 5000 steps, side 4 adds nothing.
    const FrameOutline outline = walkFrame(uniformSides(600, 100.0f, 1.0f));
    ASSERT_EQ(outline.points.size(), 1200u + 1200u + 932u);
    EXPECT_FLOAT_EQ(outline.end.y, outline.points.back().y);  // ended on side 3's last tip
    EXPECT_LT(outline.end.y, kStart.y - 600.0f);
}

TEST(EdgeOutline, StepLimitEndsAFrameEvenWhenTheCountJumpsPastIt) {
    // Skipping every other two base points moves the counter by 3, 2, 2, ...: it passes 5000
    // without landing on it. The frame must still end on side 1.
    const ToothPattern skipTwo = makeToothPattern(0, 2, 1, false, ScriptedDraws::draw);
    const FrameOutline outline = walkFrame(uniformSides(100000, 100.0f, 1.0f), skipTwo);
    ASSERT_FALSE(outline.points.empty());
    EXPECT_LT(outline.points.size(), static_cast<size_t>(kFrameStepLimit));
    for (const KvRealPoint& point : outline.points) EXPECT_GT(point.x, kStart.x);  // all on side 1
}

TEST(EdgeOutline, TopPatternLeavesOutTwoTipsInThree) {
    const ToothPattern top = makeToothPattern(1, 2, 1, false, ScriptedDraws::draw);
    const EdgeSides sides = uniformSides(3, 100.0f, 10.0f);
    const FrameOutline outline = walkFrame(sides, top);
    // Side 1: base points at t = 10 ... 70, tips at 10, 40, 70; it ends at t = 80.
    int bases = 0, tips = 0;
    for (size_t i = 0; i < outline.points.size() && outline.points[i].y >= kStart.y; ++i) {
        (outline.points[i].y == kStart.y ? bases : tips) += 1;
    }
    EXPECT_EQ(bases, 7);
    EXPECT_EQ(tips, 3);
}

TEST(EdgeOutline, ZeroGapStillEndsAfterItsTeeth) {
    const FrameOutline outline = walkFrame(uniformSides(4, 50.0f, 0.0f));
    ASSERT_EQ(outline.points.size(), 32u);
    expectPoint(outline.end, kStart.x, kStart.y);
}

TEST(EdgeOutline, TeethCountBelowOneGivesAnEmptyFrame) {
    const FrameOutline outline = walkFrame(uniformSides(-3, 100.0f, 10.0f));
    EXPECT_TRUE(outline.points.empty());
    expectPoint(outline.end, kStart.x, kStart.y);  // each side ends at its first base point
}

TEST(EdgeOutline, CreateRandomMayDropEveryPointButTheWalkGoesOn) {
    ScriptedDraws draws({0.9f});
    const EdgeWalkOptions dropAll{0, false, true, false};
    const FrameOutline outline = walkFrame(uniformSides(5, 100.0f, 10.0f), kEveryPoint, dropAll);
    EXPECT_TRUE(outline.points.empty());
    EXPECT_EQ(draws.taken(), 40u);  // one draw per point
    expectPoint(outline.end, kStart.x, kStart.y);
}

TEST(EdgeOutline, RandomTeethKeepAtLeastTwo) {
    ScriptedDraws draws({0.0f});
    const EdgeWalkOptions randomTeeth{0, true, false, false};
    const FrameOutline outline = walkFrame(uniformSides(50, 100.0f, 10.0f), kEveryPoint, randomTeeth);
    EXPECT_EQ(outline.points.size(), 16u);
    EXPECT_EQ(draws.taken(), 4u);  // one per side
}

struct PatternCase {
    int32_t applyPattern, skip, create;
    bool randomStructure;
    float draw;
    ToothPattern expected;
};

TEST(EdgeToothPattern, RunsAndSkipsByPatternAndAlwaysUsable) {
    const PatternCase cases[] = {
        {0, 2, 3, false, 0.0f, {3, 2, 1, 0}},    // " Teeth apply pattern": runs on the base
        {1, 2, 3, false, 0.0f, {1, 0, 3, 2}},    // " Top"
        {2, 2, 3, false, 0.0f, {3, 2, 3, 2}},    // " Base-Top"
        {7, 2, 3, false, 0.0f, {3, 2, 1, 0}},    // unknown entry: as 0
        {2, -4, -1, false, 0.0f, {1, 0, 1, 0}},  // pick buttons can write negative counts
        {2, 5, 8, true, 0.5f, {4, 2, 4, 2}},     // "Structure [R]": trunc(r x value)
        {0, 5, 1, true, 0.5f, {1, 2, 1, 0}},     // a run that falls to 0 becomes 1
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.applyPattern << " " << c.skip << " " << c.create);
        ScriptedDraws draws({c.draw});
        const ToothPattern p = makeToothPattern(c.applyPattern, c.skip, c.create, c.randomStructure, ScriptedDraws::draw);
        EXPECT_EQ(p.baseRun, c.expected.baseRun);
        EXPECT_EQ(p.baseSkip, c.expected.baseSkip);
        EXPECT_EQ(p.tipRun, c.expected.tipRun);
        EXPECT_EQ(p.tipSkip, c.expected.tipSkip);
    }
}

TEST(EdgeSlantOptions, ChangeEachSideAsListed) {
    struct SlantCase {
        int32_t option;
        float draw;
        float sides[4];
    };
    const SlantCase cases[] = {
        {0, 0.0f, {10, 10, 10, 10}},   {1, 0.0f, {10, 10, -10, -10}}, {2, 0.0f, {10, -10, -10, 10}},
        {3, 0.0f, {-10, 10, -10, 10}}, {4, 0.0f, {10, -10, 10, -10}}, {5, 0.0f, {10, -20, 10, -20}},
        {6, 0.5f, {10, 10, 10, 10}},   {6, 0.6f, {-10, -10, -10, -10}}, {7, 0.0f, {10, 20, 30, 40}},
        {8, 0.0f, {30, 30, 30, 30}},   {9, 0.0f, {10, 10, 10, 10}},
    };
    for (const SlantCase& c : cases) {
        for (int side = 1; side <= 4; ++side) {
            SCOPED_TRACE(testing::Message() << "option " << c.option << " side " << side);
            ScriptedDraws draws({c.draw});
            EXPECT_FLOAT_EQ(slantForSide(10.0f, side, c.option, ScriptedDraws::draw), c.sides[side - 1]);
        }
    }
}

TEST(EdgeFrameValues, EdgeRandomDrawsInOrderAndLinkCopiesSideOne) {
    EdgeFrameParams record{};
    for (int s = 0; s < kEdgeSideCount; ++s) {
        record.teethCount[s] = 5 + s;
        record.teethHeight[s] = 100.0f;
        record.teethGap[s] = 10.0f;
        record.teethSlant[s] = 20.0f;
        record.teethBase[s] = 40.0f;
    }
    record.interp1AnchorPct = 50.0f;
    record.interp2HandlePct = -200.0f;
    EdgeWorkingValues values = copyEdgeWorkingValues(record);
    EXPECT_FLOAT_EQ(values.interp1Anchor, 0.5f);

    std::vector<float> script;
    for (int i = 0; i < 20; ++i) script.push_back(0.05f * static_cast<float>(i));
    ScriptedDraws draws(script);
    randomizeEdgeFrame(values, record, ScriptedDraws::draw);
    EXPECT_EQ(draws.taken(), 20u);
    EXPECT_FLOAT_EQ(values.sides.height[1], 100.0f * 0.05f);
    EXPECT_FLOAT_EQ(values.sides.gap[0], 10.0f * 0.20f);
    EXPECT_FLOAT_EQ(values.sides.slant[3], 20.0f * 0.55f);
    EXPECT_FLOAT_EQ(values.sides.base[2], 40.0f * 0.70f);
    EXPECT_FLOAT_EQ(values.interp1Anchor, 0.5f * 0.80f);
    EXPECT_FLOAT_EQ(values.interp2Handle, -2.0f * 0.95f);

    linkEdgeSides(values.sides);
    for (int s = 1; s < kEdgeSideCount; ++s) {
        EXPECT_EQ(values.sides.teethCount[s], 5);
        EXPECT_FLOAT_EQ(values.sides.height[s], values.sides.height[0]);
        EXPECT_FLOAT_EQ(values.sides.slant[s], values.sides.slant[0]);
    }
}

}  // namespace
