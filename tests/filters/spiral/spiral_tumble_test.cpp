// "Tumble" on its own: which fields it sets, from which draw, in which order.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "filter_test_support.h"
#include "spiral_params.h"

namespace {

// Tumble with `draws` standing in for the host's random draw: the values in order, then 0.
SpiralParams tumbled(std::vector<float> draws) {
    draws.push_back(0.0f);
    ScriptedDraws scripted(std::move(draws));
    SpiralParams record;
    std::memset(&record, 0x5a, sizeof record);  // every field something Tumble must overwrite or keep
    TumbleSpiralParams(record, ScriptedDraws::draw);
    return record;
}

TEST(SpiralTumble, TakesItsDrawsInOrderWhenEveryGateOpens) {
    const SpiralParams p = tumbled({
        0.5f,                     // points per arm: trunc(7)
        0.25f,                    // spirals: 1 + trunc(10)
        0.75f, 0.5f,              // gate > 70, type trunc(2)
        0.6f, 0.1f,               // decay 12 - 2
        0.5f,                     // gap 30
        0.9f, 0.5f,               // gate, gap mode trunc(3)
        0.85f, 0.4f, 0.2f,        // gate, gap value 4 - 1
        0.3f,                     // initial gap 30
        0.95f, 0.3f, 0.1f,        // gate, star gap 6 - 2
        0.95f, 0.7f, 0.2f,        // gate, star angle 14 - 4
        0.81f, 0.5f,              // gate, skip trunc(3)
        0.81f, 0.5f,              // gate, create 1 + trunc(3)
        0.99f, 0.2f, 0.1f, 0.2f, 0.3f, 0.4f,  // gate, colour mode trunc(3), four values × 100
        0.9f, 0.5f, 0.25f, 0.75f, 0.1f,       // gate, four values × -100
        0.9f, 0.5f, 0.5f, 0.5f,   // gate, weight mode trunc(7), weight 10 - 5
        0.9f, 0.2f, 0.1f,         // gate, interpolation 30 - 10
    });
    EXPECT_EQ(ScriptedDraws::taken(), 41u);
    EXPECT_EQ(p.pointsPerArm, 7);
    EXPECT_EQ(p.spiralCount, 11);
    EXPECT_EQ(p.spiralType, 2);
    EXPECT_FLOAT_EQ(p.armDecay, 10);
    EXPECT_FLOAT_EQ(p.gap, 30);
    EXPECT_EQ(p.gapMode, 3);
    EXPECT_FLOAT_EQ(p.gapValue, 3);
    EXPECT_FLOAT_EQ(p.initialGap, 30);
    EXPECT_FLOAT_EQ(p.starGap, 4);
    EXPECT_FLOAT_EQ(p.starAngle, 10);
    EXPECT_EQ(p.skipCount, 3);
    EXPECT_EQ(p.createCount, 4);
    EXPECT_EQ(p.strokeColourMode, 3);
    const float colours[4] = {-50, -25, -75, -10};
    for (int c = 0; c < 4; ++c) EXPECT_FLOAT_EQ(p.strokeColour[c], colours[c]) << c;
    EXPECT_EQ(p.lineWeightMode, 7);
    EXPECT_FLOAT_EQ(p.lineWeight, 5);
    EXPECT_FLOAT_EQ(p.interpAmount, 20);
    EXPECT_EQ(p.previewDrawn, 0);

    // What Tumble leaves alone keeps its bytes.
    SpiralParams untouched;
    std::memset(&untouched, 0x5a, sizeof untouched);
    EXPECT_EQ(p.preview, untouched.preview);
    EXPECT_EQ(p.armMode, untouched.armMode);
    EXPECT_EQ(p.page, untouched.page);
    EXPECT_EQ(std::memcmp(&p.startX, &untouched.startX, 2 * sizeof(float)), 0);
    EXPECT_EQ(p.pivotMode, untouched.pivotMode);
    EXPECT_EQ(std::memcmp(&p.viewZoom, &untouched.viewZoom, sizeof(float)), 0);
    EXPECT_EQ(p.randomOpacity, untouched.randomOpacity);
    EXPECT_EQ(p.presetIndex, untouched.presetIndex);
    EXPECT_EQ(p.finalRun, untouched.finalRun);
    EXPECT_EQ(std::memcmp(&p.dialogBounds, &untouched.dialogBounds, 5 * sizeof(int32_t)), 0);
}

// Closed gates keep the fixed values, and draws of 0 give counts below the dialog's minimums,
// written as they are.
TEST(SpiralTumble, ClosedGatesKeepTheFixedValues) {
    const SpiralParams p = tumbled({});
    EXPECT_EQ(ScriptedDraws::taken(), 17u);  // six draws for the values always set, eleven gates
    EXPECT_EQ(p.pointsPerArm, 0);
    EXPECT_EQ(p.spiralCount, 1);
    EXPECT_EQ(p.spiralType, 0);
    EXPECT_FLOAT_EQ(p.armDecay, 0);
    EXPECT_FLOAT_EQ(p.gap, 0);
    EXPECT_EQ(p.gapMode, 0);
    EXPECT_FLOAT_EQ(p.gapValue, 0);
    EXPECT_FLOAT_EQ(p.initialGap, 0);
    EXPECT_FLOAT_EQ(p.starGap, 0);
    EXPECT_FLOAT_EQ(p.starAngle, 0);
    EXPECT_EQ(p.skipCount, 0);
    EXPECT_EQ(p.createCount, 1);
    EXPECT_EQ(p.strokeColourMode, 0);
    for (float value : p.strokeColour) EXPECT_FLOAT_EQ(value, 1);
    EXPECT_EQ(p.lineWeightMode, 0);
    EXPECT_FLOAT_EQ(p.lineWeight, 0);
    EXPECT_FLOAT_EQ(p.interpAmount, 0);
}

}  // namespace
