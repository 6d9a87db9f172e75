// "Tumble": what it writes, what it leaves alone, and the order of its draws.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "edge_params.h"
#include "record_words.h"

namespace {

constexpr KvRealPoint kDocumentSize{612.0f, 792.0f};

TEST(EdgeTumble, LeavesPaintShadowSketchStartAndPatternAlone) {
    EdgeFrameParams before = recordFilledWith<EdgeFrameParams>(0x41);
    EdgeFrameParams after = before;
    ScriptedDraws draws({0.99f});  // every gate opens, so every optional field is written
    TumbleEdgeParams(after, kDocumentSize, ScriptedDraws::draw);

    // Copy over exactly the fields Tumble may write; nothing else may differ.
    EdgeFrameParams expected = before;
    for (int side = 0; side < kEdgeSideCount; ++side) {
        expected.teethHeight[side] = after.teethHeight[side];
        expected.teethGap[side] = after.teethGap[side];
        expected.teethSlant[side] = after.teethSlant[side];
        expected.teethBase[side] = after.teethBase[side];
        expected.teethCount[side] = after.teethCount[side];
    }
    expected.skipCount = after.skipCount;
    expected.createCount = after.createCount;
    expected.frameCount = after.frameCount;
    expected.randomWarp = after.randomWarp;
    expected.slantOption = after.slantOption;
    expected.centreAnchor = after.centreAnchor;
    expected.centreDirection = after.centreDirection;
    expected.interp1AnchorPct = after.interp1AnchorPct;
    expected.interp1HandlePct = after.interp1HandlePct;
    expected.interp1CentreX = after.interp1CentreX;
    expected.interp1CentreY = after.interp1CentreY;
    expected.interp2AnchorPct = after.interp2AnchorPct;
    expected.interp2HandlePct = after.interp2HandlePct;
    expected.interp2CentreX = after.interp2CentreX;
    expected.interp2CentreY = after.interp2CentreY;
    expected.previewDrawn = 0;
    EXPECT_EQ(differingWords(after, expected), std::vector<std::size_t>{});
}

TEST(EdgeTumble, ClosedGatesKeepTheFixedValues) {
    EdgeFrameParams record = recordFilledWith<EdgeFrameParams>(0x41);
    ScriptedDraws draws({0.0f});
    TumbleEdgeParams(record, kDocumentSize, ScriptedDraws::draw);

    // 4 heights, 4 gaps, the slant and base gates, 4 counts, then seven more gates.
    EXPECT_EQ(draws.taken(), 21u);
    EXPECT_EQ(record.teethHeight[2], 0.0f);
    EXPECT_EQ(record.teethSlant[0], 0.0f);
    EXPECT_EQ(record.teethBase[3], 0.0f);
    EXPECT_EQ(record.teethCount[1], 1);  // below the dialog's minimum of 2, as drawn
    EXPECT_EQ(record.skipCount, 0);
    EXPECT_EQ(record.createCount, 1);
    EXPECT_EQ(record.frameCount, 1);
    EXPECT_EQ(record.randomWarp, 0);
    EXPECT_EQ(record.slantOption, 0);
    EXPECT_EQ(record.centreAnchor, 0);
    EXPECT_EQ(record.interp1AnchorPct, 0.0f);
    EXPECT_EQ(record.interp1CentreX, 306.0f);
    EXPECT_EQ(record.interp1CentreY, 396.0f);
    EXPECT_EQ(record.interp2CentreY, 396.0f);
    EXPECT_EQ(record.previewDrawn, 0);
}

TEST(EdgeTumble, OpenGatesDrawInTheirOrder) {
    // Draw i of the script is value[i]; gates are 0.99. Positions:
    //  0-3 heights, 4-7 gaps, 8 slant gate, 9-16 slant pairs, 17 base gate, 18-25 base pairs,
    //  26-29 counts, 30 gate, 31 skip, 32 create, 33 gate, 34 frames, 35 warp gate,
    //  36 gate, 37 slant option, 38 anchor gate, 39 direction gate, 40 gate, 41-56 (a, b) pairs.
    std::vector<float> script = {
        0.1f, 0.2f, 0.3f, 0.4f,                            // heights
        0.5f, 0.25f, 0.75f, 0.0f,                          // gaps
        0.99f, 0.5f, 0.25f, 0.f, 0.f, 0.f, 0.f, 0.25f, 0.5f,  // slants: side 1 = 20 - 10, side 4 = 10 - 20
        0.99f, 0.75f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f, 0.f,   // bases: side 1 = 30
        0.0f, 0.5f, 0.96f, 0.999f,                        // counts
        0.99f, 0.9f, 0.1f,                                 // skip 4, create 1
        0.99f, 0.5f,                                       // frames 4
        0.99f,                                             // warp
        0.99f, 0.99f,                                      // slant option 7
        0.99f, 0.99f,                                      // centre anchor, centre direction
        0.99f,                                             // interpolation gate
        0.75f, 0.25f,  0.25f, 0.75f,                       // interp1 anchor, direction
        0.75f, 0.25f,  0.75f, 0.25f,                       // interp1 centre x, y
        0.5f, 0.0f,    0.0f, 0.5f,                         // interp2 anchor, direction
        0.75f, 0.25f,  0.75f, 0.25f,                       // interp2 centre x, y
    };
    ScriptedDraws draws(script);
    EdgeFrameParams record = recordFilledWith<EdgeFrameParams>(0x41);
    TumbleEdgeParams(record, kDocumentSize, ScriptedDraws::draw);

    EXPECT_EQ(draws.taken(), script.size());
    EXPECT_FLOAT_EQ(record.teethHeight[3], 120.0f);
    EXPECT_FLOAT_EQ(record.teethGap[1], 10.0f);
    EXPECT_FLOAT_EQ(record.teethSlant[0], 10.0f);   // first draw added, second subtracted
    EXPECT_FLOAT_EQ(record.teethSlant[3], -10.0f);
    EXPECT_FLOAT_EQ(record.teethBase[0], 30.0f);
    EXPECT_EQ(record.teethCount[0], 1);
    EXPECT_EQ(record.teethCount[1], 11);
    EXPECT_EQ(record.teethCount[2], 20);
    EXPECT_EQ(record.teethCount[3], 20);
    EXPECT_EQ(record.skipCount, 4);
    EXPECT_EQ(record.createCount, 1);
    EXPECT_EQ(record.frameCount, 4);
    EXPECT_EQ(record.randomWarp, 1);
    EXPECT_EQ(record.slantOption, 7);
    EXPECT_EQ(record.centreAnchor, 1);
    EXPECT_EQ(record.centreDirection, 1);
    EXPECT_FLOAT_EQ(record.interp1AnchorPct, 100.0f);
    EXPECT_FLOAT_EQ(record.interp1HandlePct, -100.0f);
    EXPECT_FLOAT_EQ(record.interp1CentreX, 306.0f - 10.0f);  // width / 2 + 20 (b - a)
    EXPECT_FLOAT_EQ(record.interp1CentreY, 792.0f + 10.0f);  // full height + 20 (a - b)
    EXPECT_FLOAT_EQ(record.interp2AnchorPct, 100.0f);
    EXPECT_FLOAT_EQ(record.interp2HandlePct, -100.0f);
    EXPECT_FLOAT_EQ(record.interp2CentreX, 306.0f - 10.0f);
    EXPECT_FLOAT_EQ(record.interp2CentreY, 396.0f - 10.0f);  // half height + 20 (b - a)
}

}  // namespace
