// First-use values, " Reset" and the presets.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "edge_params.h"
#include "record_words.h"

namespace {

constexpr KvRealPoint kViewCentre{306.0f, 396.0f};

TEST(EdgeDefaults, WriteEveryFieldButFinalRunAndDialogBounds) {
    EXPECT_EQ(fieldsLeftAlone<EdgeFrameParams>([](EdgeFrameParams& p) { SetEdgeDefaults(p, kViewCentre); }),
              joinedWords({EDGE_WORDS(finalRun), EDGE_WORDS(dialogBounds)}));
}

TEST(EdgeDefaults, DifferFromResetInSketchShiftAndDialogState) {
    EdgeFrameParams record = recordFilledWith<EdgeFrameParams>(0x11);
    SetEdgeDefaults(record, kViewCentre);
    EXPECT_EQ(record.sketchShift, 5.0f);
    EXPECT_EQ(record.viewZoom, 100.0f);
    EXPECT_EQ(record.page, 1);
    EXPECT_EQ(record.presetIndex, 0);
    EXPECT_EQ(record.dialogBoundsSaved, 0);
    EXPECT_EQ(record.teethBase[3], 0.0f);

    ApplyEdgePreset(record, 0, kViewCentre);
    EXPECT_EQ(record.sketchShift, 0.0f);
}

TEST(EdgePresets, ResetKeepsZoomPageFinalRunAndDialogPosition) {
    EXPECT_EQ(fieldsLeftAlone<EdgeFrameParams>([](EdgeFrameParams& p) { ApplyEdgePreset(p, 7, kViewCentre); }),
              joinedWords({EDGE_WORDS(viewZoom), EDGE_WORDS(page), EDGE_WORDS(finalRun), EDGE_WORDS(dialogBounds),
                      EDGE_WORDS(dialogBoundsSaved)}));
}

TEST(EdgePresets, ResetPlacesStartAndCentresAtTheView) {
    EdgeFrameParams record = recordFilledWith<EdgeFrameParams>(0x11);
    record.preview = 0;
    ApplyEdgePreset(record, 0, kViewCentre);
    EXPECT_EQ(record.preview, 1);
    EXPECT_EQ(record.startX, 106.0f);
    EXPECT_EQ(record.startY, 396.0f);
    EXPECT_EQ(record.interp1CentreX, 106.0f);
    EXPECT_EQ(record.interp1CentreY, 396.0f);
    EXPECT_EQ(record.interp2CentreX, 106.0f);
    EXPECT_EQ(record.interp2CentreY, 396.0f);
    EXPECT_EQ(record.linkSides, 1);
    EXPECT_EQ(record.closedPath, 1);
    EXPECT_EQ(record.sketchRandomShift, 1);
    EXPECT_EQ(record.sketchRandomWeight, 1);
    EXPECT_EQ(record.previewDrawn, 0);
}

struct PresetCase {
    int32_t index;
    void (*changes)(EdgeFrameParams&);  // what the preset changes after Reset
};

void slanted(EdgeFrameParams& p) {
    p.slantOption = 2;
    p.teethSlant[0] = 100;
}
void tenRandomTeeth(EdgeFrameParams& p) {
    for (int32_t& teeth : p.teethCount) teeth = 10;
    p.randomTeeth = 1;
}

const PresetCase kPresets[] = {
    {0, [](EdgeFrameParams&) {}},
    {1, [](EdgeFrameParams& p) { p.teethHeight[1] = 200; }},
    {2, [](EdgeFrameParams& p) { p.teethHeight[0] = 200; }},
    {3, [](EdgeFrameParams& p) { p.skipCount = 1; p.createCount = 1; }},
    {4, [](EdgeFrameParams& p) { p.skipCount = 1; p.createCount = 2; }},
    {5, [](EdgeFrameParams& p) { p.skipCount = 4; p.createCount = 2; }},
    {6, [](EdgeFrameParams& p) { p.applyPattern = 1; p.skipCount = 4; p.createCount = 2; }},
    {7, [](EdgeFrameParams& p) { p.teethGap[0] = 4; p.skipCount = 1; p.createCount = 1; }},
    {8, [](EdgeFrameParams& p) { p.teethSlant[0] = 10; p.teethGap[0] = 4; p.skipCount = 1; p.createCount = 1; }},
    {9, [](EdgeFrameParams& p) { p.teethCount[0] = 10; p.teethCount[2] = 10; }},
    {10, [](EdgeFrameParams& p) { p.randomSwatch = 1; }},
    {11, [](EdgeFrameParams& p) { p.randomStructure = 1; p.skipCount = 3; p.createCount = 3; }},
    {12, [](EdgeFrameParams& p) { p.randomRadial = 1; }},
    {13, [](EdgeFrameParams& p) { p.randomWarp = 1; }},
    {14, [](EdgeFrameParams& p) { tenRandomTeeth(p); }},
    {15, [](EdgeFrameParams& p) { p.teethBase[0] = 30; }},
    {16, [](EdgeFrameParams& p) { p.teethHeight[0] = 200; p.randomFrame = 1; }},
    {17, [](EdgeFrameParams& p) { slanted(p); }},
    {18, [](EdgeFrameParams& p) { slanted(p); tenRandomTeeth(p); p.randomSwatch = 1; p.frameCount = 10; }},
    {19, [](EdgeFrameParams& p) {
         slanted(p); tenRandomTeeth(p); p.randomSwatch = 1; p.frameCount = 10; p.randomFrame = 1;
     }},
    {20, [](EdgeFrameParams& p) { tenRandomTeeth(p); p.frameCount = 10; p.randomOpacity = 1; }},
    // Entries the list does not have: Reset alone, the index still kept.
    {21, [](EdgeFrameParams&) {}},
    {-1, [](EdgeFrameParams&) {}},
};

TEST(EdgePresets, EachEntryIsResetPlusItsChanges) {
    for (const PresetCase& preset : kPresets) {
        SCOPED_TRACE(preset.index);
        EdgeFrameParams expected = recordFilledWith<EdgeFrameParams>(0x3C);
        ApplyEdgePreset(expected, 0, kViewCentre);
        preset.changes(expected);
        expected.presetIndex = preset.index;

        EdgeFrameParams actual = recordFilledWith<EdgeFrameParams>(0x3C);
        ApplyEdgePreset(actual, preset.index, kViewCentre);
        EXPECT_EQ(differingWords(actual, expected), std::vector<std::size_t>{});
    }
}

}  // namespace
