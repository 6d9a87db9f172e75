// Tumble's draws, in order, with a scripted stand-in for the host's random service.
#include <gtest/gtest.h>

#include <vector>

#include "filter_test_support.h"
#include "grid_params.h"

namespace {

// Tumble on the first-use record with `draws` in order, then 0 once they run out.
GridParams tumbled(std::vector<float> draws) {
    draws.push_back(0.0f);
    ScriptedDraws scripted(std::move(draws));
    GridParams record{};
    SetGridDefaults(record);
    TumbleGridParams(record, ScriptedDraws::draw);
    return record;
}

TEST(GridTumbleTest, EveryGateOpenTakesTheDrawsInOrder) {
    const std::vector<float> draws = {
        // up: count, thickness, alternate; skip gate, skip, create; shift gate, +10r, -5r
        0.5f, 0.25f, 0.5f, 0.9f, 0.5f, 0.3f, 0.9f, 0.8f, 0.2f,
        // across
        0.05f, 0.5f, 0.25f, 0.9f, 0.7f, 0.99f, 0.9f, 0.1f, 0.6f,
        // curve gate, curve up (two draws), curve across (two draws)
        0.9f, 0.5f, 0.4f, 0.2f, 0.6f,
        // up fill gate, mode, four channels of two draws; stroke; width
        0.8f, 0.5f, 0.5f, 0.5f, 1.0f, 0.0f, 0.0f, 1.0f, 0.3f, 0.1f,
        0.8f, 0.99f, 0.1f, 0.1f, 0.2f, 0.2f, 0.3f, 0.3f, 0.4f, 0.4f,
        0.8f, 0.5f, 0.5f, 0.2f,
        // across fill, stroke and width gates closed
        0.1f, 0.1f, 0.1f};
    const GridParams r = tumbled(draws);
    EXPECT_EQ(ScriptedDraws::taken(), draws.size());

    EXPECT_EQ(r.lineCount[kGridUp], 15);
    EXPECT_FLOAT_EQ(r.thickness[kGridUp], 5.0f);
    EXPECT_FLOAT_EQ(r.altThickness[kGridUp], 3.0f);
    EXPECT_EQ(r.skipCount[kGridUp], 2);
    EXPECT_EQ(r.createCount[kGridUp], 2);
    EXPECT_FLOAT_EQ(r.shift[kGridUp], 8.0f - 1.0f);
    EXPECT_EQ(r.lineCount[kGridAcross], 3);  // trunc(1.5) lines lifted to the least a grid needs
    EXPECT_EQ(r.skipCount[kGridAcross], 3);
    EXPECT_EQ(r.createCount[kGridAcross], 5);
    EXPECT_FLOAT_EQ(r.shift[kGridAcross], 1.0f - 3.0f);
    EXPECT_FLOAT_EQ(r.curve[kGridUp], 5.0f - 2.0f);
    EXPECT_FLOAT_EQ(r.curve[kGridAcross], 2.0f - 3.0f);
    EXPECT_EQ(r.fillMode[kGridUp], 7);
    EXPECT_FLOAT_EQ(r.fillChannel[0][kGridUp], 50.0f - 35.0f);
    EXPECT_FLOAT_EQ(r.fillChannel[1][kGridUp], 100.0f);
    EXPECT_FLOAT_EQ(r.fillChannel[2][kGridUp], -70.0f);
    EXPECT_FLOAT_EQ(r.fillChannel[3][kGridUp], 30.0f - 7.0f);
    EXPECT_EQ(r.strokeMode[kGridUp], 13);
    EXPECT_FLOAT_EQ(r.strokeChannel[3][kGridUp], 40.0f - 28.0f);
    EXPECT_EQ(r.widthMode[kGridUp], 7);
    EXPECT_FLOAT_EQ(r.widthValue[kGridUp], 10.0f - 1.0f);
    EXPECT_EQ(r.fillMode[kGridAcross], 0);
    EXPECT_FLOAT_EQ(r.fillChannel[0][kGridAcross], 1.0f);
    EXPECT_EQ(r.widthMode[kGridAcross], 0);
}

TEST(GridTumbleTest, ClosedGatesResetTheirFields) {
    GridParams record{};
    SetGridDefaults(record);
    record.skipCount[kGridUp] = 9;
    record.curve[kGridAcross] = 7.0f;
    record.widthMode[kGridAcross] = 1;
    TumbleGridParams(record, [] { return 0.5f; });  // every gate draw 0.5 (50 < 60, 70 and 80) stays closed
    EXPECT_EQ(record.skipCount[kGridUp], 0);
    EXPECT_EQ(record.createCount[kGridUp], 1);
    EXPECT_EQ(record.curve[kGridAcross], 0.0f);
    EXPECT_EQ(record.widthMode[kGridAcross], 0);
    EXPECT_EQ(record.lineCount[kGridUp], 15);
}

}  // namespace
