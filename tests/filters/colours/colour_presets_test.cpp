// First-use values, " Reset", the presets and Tumble.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "colour_params.h"
#include "colour_test_support.h"

namespace {

// The Reset column, written field by field.
ColourParams resetRecord(unsigned char filler) {
    ColourParams p = recordFilledWith<ColourParams>(filler);
    p.colourOption = 0;
    p.colourMode = 0;
    p.presetIndex = 0;
    p.rangeLow = 0;
    p.rangeHigh = 255;
    p.pathFactor = 100;
    p.interpolate = 100;
    for (float& channel : p.channel) channel = 10;
    p.randomApply = p.randomWidth = p.symbolize = p.randomStyle = p.randomOpacity = p.randomBlend = 0;
    p.preview = 1;
    p.previewDrawn = 0;
    return p;
}

TEST(ColourDefaults, AreTheResetValuesWithAFreshDialogState) {
    EXPECT_EQ(fieldsLeftAlone<ColourParams>(SetColourDefaults),
              joinedWords({COLOUR_WORDS(finalRun), COLOUR_WORDS(dialogBounds)}));
    ColourParams expected = resetRecord(0x11);
    expected.page = 1;
    expected.viewZoom = 100;
    expected.dialogBoundsSaved = 0;
    ColourParams actual = recordFilledWith<ColourParams>(0x11);
    SetColourDefaults(actual);
    EXPECT_EQ(differingWords(actual, expected), std::vector<std::size_t>{});
}

TEST(ColourPresets, KeepPageZoomFinalRunAndDialogPosition) {
    EXPECT_EQ(fieldsLeftAlone<ColourParams>([](ColourParams& p) { ApplyColourPreset(p, 5); }),
              joinedWords({COLOUR_WORDS(page), COLOUR_WORDS(viewZoom), COLOUR_WORDS(finalRun),
                           COLOUR_WORDS(dialogBounds), COLOUR_WORDS(dialogBoundsSaved)}));
}

struct PresetCase {
    int32_t index;
    void (*changes)(ColourParams&);  // what the entry changes after Reset
};

const PresetCase kPresets[] = {
    {0, [](ColourParams&) {}},
    {1, [](ColourParams& p) { p.randomOpacity = 1; }},
    {2, [](ColourParams& p) { p.rangeLow = 61; p.rangeHigh = 191; }},
    {3, [](ColourParams& p) { p.channel[0] = p.channel[1] = p.channel[2] = -100; }},
    {4, [](ColourParams& p) { p.pathFactor = 99.6f; }},
    {5, [](ColourParams& p) { p.interpolate = 50; }},
    {6, [](ColourParams& p) { p.colourOption = 1; }},
    {7, [](ColourParams& p) {
         p.randomWidth = 1;
         p.colourMode = 14;
         p.channel[0] = p.channel[1] = p.channel[2] = -100;
     }},
    // Entries the list does not have: Reset alone, the index still kept.
    {8, [](ColourParams&) {}},
    {-1, [](ColourParams&) {}},
};

TEST(ColourPresets, EachEntryIsResetPlusItsChanges) {
    for (const PresetCase& preset : kPresets) {
        SCOPED_TRACE(preset.index);
        ColourParams expected = resetRecord(0x3C);
        preset.changes(expected);
        expected.presetIndex = preset.index;

        ColourParams actual = recordFilledWith<ColourParams>(0x3C);
        actual.preview = 0;
        ApplyColourPreset(actual, preset.index);
        EXPECT_EQ(differingWords(actual, expected), std::vector<std::size_t>{});
    }
}

TEST(ColourPresets, PresetFourKeepsTheNearestSinglePrecisionValue) {
    ColourParams record = recordFilledWith<ColourParams>(0);
    ApplyColourPreset(record, 4);
    EXPECT_EQ(record.pathFactor, 99.6f);
    EXPECT_EQ(record.channel[3], 10.0f) << "and Preset 3 leaves channel 4 alone";
}

// ---- Tumble.

TEST(ColourTumble, LeavesSymbolizePreviewPresetAndDialogStateAlone) {
    ScriptedDraws draws({0.99f});
    EXPECT_EQ(fieldsLeftAlone<ColourParams>([](ColourParams& p) { TumbleColourParams(p, ScriptedDraws::draw); }),
              joinedWords({COLOUR_WORDS(page), COLOUR_WORDS(presetIndex), COLOUR_WORDS(viewZoom),
                           COLOUR_WORDS(symbolize), COLOUR_WORDS(preview), COLOUR_WORDS(finalRun),
                           COLOUR_WORDS(dialogBounds), COLOUR_WORDS(dialogBoundsSaved)}));
}

struct TumbleCase {
    const char* name;
    std::vector<float> draws;
    void (*expect)(ColourParams&);  // the changes after the fixed values
    std::size_t taken;
};

const TumbleCase kTumbles[] = {
    {"no gate opens", {0.0f}, [](ColourParams& p) { p.channel[0] = p.channel[1] = p.channel[2] = p.channel[3] = 0; },
     15},
    {"every gate opens",
     {0.99f},
     [](ColourParams& p) {
         p.colourMode = 26;  // never 27
         for (float& channel : p.channel) channel = -100.0f * 0.99f;
         p.randomOpacity = p.randomBlend = p.randomStyle = p.randomWidth = p.randomApply = 1;
         p.interpolate = p.pathFactor = 100.0f * 0.99f;
         p.colourOption = 3;  // never 4
         p.rangeLow = p.rangeHigh = 255.0f * 0.99f;
     },
     24},
    {"gates in their order, values from fresh draws",
     {0.5f, 0.1f, 0.2f, 0.3f, 0.4f,             // mode, channels 1 to 4
      0.71f, 0.01f, 0.02f, 0.03f, 0.04f,        // negative channels
      0.81f, 0.5f, 0.96f, 0.5f, 0.91f,          // opacity, blend, style, width, apply
      0.71f, 0.25f, 0.5f, 0.71f, 0.6f,          // interpolate, path factor (closed), colour option
      0.81f, 0.9f, 0.1f},                       // range: low above high
     [](ColourParams& p) {
         p.colourMode = 13;
         p.channel[0] = -100.0f * 0.01f;
         p.channel[1] = -100.0f * 0.02f;
         p.channel[2] = -100.0f * 0.03f;
         p.channel[3] = -100.0f * 0.04f;
         p.randomOpacity = p.randomStyle = p.randomApply = 1;
         p.interpolate = 25;
         p.colourOption = 2;
         p.rangeLow = 255.0f * 0.9f;
         p.rangeHigh = 255.0f * 0.1f;
     },
     23},
    {"positive channels stay without the negative gate",
     {0.0f, 0.25f, 0.5f, 0.75f, 0.125f, 0.5f, 0.0f},
     [](ColourParams& p) {
         p.channel[0] = 25;
         p.channel[1] = 50;
         p.channel[2] = 75;
         p.channel[3] = 12.5f;
     },
     15},
};

TEST(ColourTumble, DrawsInOrderAndWritesTheDrawnValues) {
    for (const TumbleCase& c : kTumbles) {
        SCOPED_TRACE(c.name);
        ColourParams expected = recordFilledWith<ColourParams>(0x5A);
        for (float& channel : expected.channel) channel = 10;
        expected.colourMode = 0;
        expected.randomOpacity = expected.randomBlend = expected.randomStyle = expected.randomWidth =
            expected.randomApply = 0;
        expected.interpolate = expected.pathFactor = 100;
        expected.colourOption = 0;
        expected.rangeLow = 0;
        expected.rangeHigh = 255;
        expected.previewDrawn = 0;
        c.expect(expected);

        ColourParams actual = recordFilledWith<ColourParams>(0x5A);
        ScriptedDraws draws(c.draws);
        TumbleColourParams(actual, ScriptedDraws::draw);
        EXPECT_EQ(differingWords(actual, expected), std::vector<std::size_t>{});
        EXPECT_EQ(draws.taken(), c.taken);
    }
}

}  // namespace
