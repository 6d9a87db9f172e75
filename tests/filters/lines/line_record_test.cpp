// The record writers on their own: which fields first use, the presets and Tumble write, and
// Tumble's draws in their order.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "filter_test_support.h"
#include "line_params.h"

namespace {

#define WORDS(field) RECORD_WORDS(LineParams, field)

TEST(LineRecord, FirstUseWritesEveryFieldButFinalRunAndDialogBounds) {
    EXPECT_EQ(fieldsLeftAlone<LineParams>([](LineParams& p) { SetLineDefaults(p); }),
              joinedWords({WORDS(finalRun), WORDS(dialogBounds)}));
}

TEST(LineRecord, EveryPresetKeepsPageZoomFinalRunAndDialogPosition) {
    const auto kept = joinedWords({WORDS(page), WORDS(viewZoom), WORDS(finalRun), WORDS(dialogBounds),
                                   WORDS(dialogBoundsSaved)});
    for (int32_t index : {0, 1, 18, 24, 36, 37, -1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(fieldsLeftAlone<LineParams>([index](LineParams& p) { ApplyLinePreset(p, index); }), kept);
    }
}

TEST(LineRecord, TumbleLeavesCheckBoxesShapeDirectionStartAndDialogStateAlone) {
    const auto kept = fieldsLeftAlone<LineParams>([](LineParams& p) {
        ScriptedDraws draws({0.9f});
        TumbleLineParams(p, ScriptedDraws::draw);
    });
    EXPECT_EQ(kept, joinedWords({wordsOf(0, 11 * 4),  // the eleven check boxes, "Preview" among them
                                 WORDS(finalRun), WORDS(dialogBoundsSaved), WORDS(page), WORDS(presetIndex),
                                 WORDS(shape), WORDS(direction), WORDS(viewZoom), WORDS(maxLength), WORDS(startX),
                                 WORDS(startY), WORDS(dialogBounds)}));
}

TEST(LineRecord, TumbleDrawsEveryValueInItsOrder) {
    const std::vector<float> script = {
        0.5f, 0.25f, 0.5f, 0.1f,                                      // count, thickness, length, gap
        0.9f, 0.25f,                                                  // angle
        0.9f, 0.5f, 0.25f, 0.25f, 0.5f,                               // scale x, then y: added draw first
        0.9f, 0.5f,                                                   // repeat blocks
        0.9f, 0.75f, 0.25f,                                           // length factor
        0.9f, 0.25f, 0.75f,                                           // thickness factor
        0.9f, 0.5f, 0.5f,                                             // gap factor
        0.9f, 0.0f, 0.5f,                                             // angle factor
        0.9f, 0.5f, 0.5f, 0.5f, 0.1f, 0.1f, 0.2f, 0.0f, 0.0f, 0.5f,   // fill
        0.9f, 0.99f, 0.3f, 0.0f, 0.0f, 0.0f, 0.4f, 0.2f, 0.6f, 0.1f,  // stroke
        0.9f, 0.5f, 0.5f, 0.2f,                                       // width
        0.9f, 0.25f                                                   // style interpolate
    };
    ScriptedDraws draws(script);
    LineParams record = recordFilledWith<LineParams>(0x11);
    TumbleLineParams(record, ScriptedDraws::draw);
    EXPECT_EQ(draws.taken(), script.size());

    EXPECT_EQ(record.lineCount, 100);
    EXPECT_FLOAT_EQ(record.thickness, 5.0f);
    EXPECT_FLOAT_EQ(record.lineLength, 300.0f);
    EXPECT_FLOAT_EQ(record.gap, 5.0f);
    EXPECT_FLOAT_EQ(record.angle, 90.0f);
    EXPECT_FLOAT_EQ(record.scaleX, 105.0f);
    EXPECT_FLOAT_EQ(record.scaleY, 95.0f);
    EXPECT_EQ(record.repeatBlocks, 3);
    EXPECT_FLOAT_EQ(record.lengthFactor, 110.0f);
    EXPECT_FLOAT_EQ(record.thicknessFactor, 90.0f);
    EXPECT_FLOAT_EQ(record.gapFactor, 100.0f);
    EXPECT_FLOAT_EQ(record.angleFactor, 90.0f);
    EXPECT_EQ(record.fillMode, 9);
    const float fill[4] = {15.0f, 3.0f, 20.0f, -35.0f};
    const float stroke[4] = {30.0f, 0.0f, 26.0f, 53.0f};
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(record.fillChannel[k], fill[k], 1e-4) << k;
        EXPECT_NEAR(record.strokeChannel[k], stroke[k], 1e-4) << k;
    }
    EXPECT_EQ(record.strokeMode, 13);
    EXPECT_EQ(record.widthMode, 7);
    EXPECT_FLOAT_EQ(record.widthValue, 9.0f);
    EXPECT_FLOAT_EQ(record.styleInterpolate, 25.0f);
    EXPECT_EQ(record.previewDrawn, 0);
}

TEST(LineRecord, TumbleGatesThatFailKeepFirstUseValues) {
    // 0.7 is not above any gate: every gate takes its one draw and nothing more.
    ScriptedDraws draws({0.0f, 0.0f, 0.0f, 0.0f, 0.7f});
    LineParams record = recordFilledWith<LineParams>(0x11);
    TumbleLineParams(record, ScriptedDraws::draw);
    EXPECT_EQ(draws.taken(), 4u + 11u);
    EXPECT_EQ(record.lineCount, 0);  // below the dialog's minimum: the generator draws no line
    EXPECT_EQ(record.thickness, 0.0f);
    EXPECT_EQ(record.angle, 0.0f);
    EXPECT_EQ(record.scaleX, 100.0f);
    EXPECT_EQ(record.repeatBlocks, 1);
    EXPECT_EQ(record.angleFactor, 100.0f);
    EXPECT_EQ(record.fillMode, 0);
    EXPECT_EQ(record.fillChannel[3], 1.0f);
    EXPECT_EQ(record.strokeChannel[0], 1.0f);
    EXPECT_EQ(record.widthValue, 0.0f);
    EXPECT_EQ(record.styleInterpolate, 0.0f);
}

TEST(LineRecord, TumbleNeverChoosesTheLastModeOfAList) {
    ScriptedDraws draws({0.999999f});
    LineParams record = recordFilledWith<LineParams>(0x11);
    TumbleLineParams(record, ScriptedDraws::draw);
    EXPECT_EQ(record.fillMode, kLineFillModeCount - 2);
    EXPECT_EQ(record.strokeMode, kLineStrokeModeCount - 2);
    EXPECT_EQ(record.widthMode, kLineWidthModeCount - 2);
    EXPECT_EQ(record.repeatBlocks, 5);
    EXPECT_EQ(record.lineCount, 199);
}

}  // namespace
