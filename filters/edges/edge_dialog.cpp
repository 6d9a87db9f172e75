// Tessivo's main dialog: items, pages, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, redraws the preview through the generator.
#include "edge_dialog.h"

#include "dialog_table.h"
#include "edge_generator.h"
#include "edge_numbers.h"
#include "edge_params.h"

namespace {

constexpr int32_t kDialogWidth = 600;
constexpr int32_t kDialogHeight = 220;

enum : int32_t {
    kItemOk = 1,
    kItemPreview = 3,
    kItemZoom = 37,
    kItemPresets = 100,
    kFirstPageButton = 130,  // 130 to 135 choose pages 1 to 6
    kFirstPageCaption = 136, // 136 to 141 name them
};

// Each page's first value item: a change to it redraws the preview.
constexpr int32_t kPagePreviewItems[] = {4, 24, 22, 20, 71, 76};
constexpr DialogPages kPages = {kFirstPageButton, kFirstPageCaption, kPagePreviewItems};

// ---- Layout. Page 1 has four rows of boxes, one column per side.

constexpr int32_t kRowTops[] = {60, 82, 104, 126};
constexpr int32_t kColumnLefts[] = {180, 280, 350, 420};

constexpr KvIntRect sideBox(int side, int row) {
    return {kColumnLefts[side], kRowTops[row], kColumnLefts[side] + 60, kRowTops[row] + 20};
}
constexpr KvIntRect box(int32_t left, int32_t top) { return {left, top, left + 60, top + 20}; }
constexpr KvIntRect rowLabel(int32_t top) { return {10, top, 178, top + 20}; }
constexpr KvIntRect checkLeft(int32_t top) { return {10, top, 250, top + 14}; }
constexpr KvIntRect checkRight(int32_t top) { return {255, top, 400, top + 14}; }
constexpr KvIntRect checkPageSix(int32_t top) { return {10, top, 178, top + 14}; }
constexpr KvIntRect pickButton(int32_t left, int32_t top) { return {left, top, left + 20, top + 20}; }
constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }

const SpinBox<EdgeFrameParams> kRealBoxes[] = {
    {4, sideBox(0, 0), -2000, 2000, 1, RECORD_FIELD(teethHeight[0])},
    {5, sideBox(1, 0), -2000, 2000, 1, RECORD_FIELD(teethHeight[1])},
    {6, sideBox(2, 0), -2000, 2000, 1, RECORD_FIELD(teethHeight[2])},
    {7, sideBox(3, 0), -2000, 2000, 1, RECORD_FIELD(teethHeight[3])},
    {8, sideBox(0, 1), -1, 2000, 1, RECORD_FIELD(teethGap[0])},
    {9, sideBox(1, 1), 1, 2000, 1, RECORD_FIELD(teethGap[1])},
    {10, sideBox(2, 1), 1, 2000, 1, RECORD_FIELD(teethGap[2])},
    {11, sideBox(3, 1), 1, 2000, 1, RECORD_FIELD(teethGap[3])},
    {12, sideBox(0, 2), -2000, 2000, 1, RECORD_FIELD(teethSlant[0])},
    {13, sideBox(1, 2), -2000, 2000, 1, RECORD_FIELD(teethSlant[1])},
    {14, sideBox(2, 2), -2000, 2000, 1, RECORD_FIELD(teethSlant[2])},
    {15, sideBox(3, 2), -2000, 2000, 1, RECORD_FIELD(teethSlant[3])},
    {16, sideBox(0, 3), -2000, 2000, 1, RECORD_FIELD(teethBase[0])},
    {17, sideBox(1, 3), -2000, 2000, 1, RECORD_FIELD(teethBase[1])},
    {18, sideBox(2, 3), -2000, 2000, 1, RECORD_FIELD(teethBase[2])},
    {19, sideBox(3, 3), -2000, 2000, 1, RECORD_FIELD(teethBase[3])},
    {22, box(180, 60), -5000, 5000, 3, RECORD_FIELD(startX)},
    {23, box(250, 60), -5000, 5000, 3, RECORD_FIELD(startY)},
    {38, box(180, 140), 0, 400, 3, RECORD_FIELD(sketchWeight)},
    {39, box(180, 162), 0, 200, 3, RECORD_FIELD(sketchShift)},
    {29, box(180, 82), -1000, 1000, 4, RECORD_FIELD(interp1AnchorPct)},
    {30, box(250, 82), -1000, 1000, 4, RECORD_FIELD(interp1HandlePct)},
    {31, box(320, 82), -5000, 5000, 4, RECORD_FIELD(interp1CentreX)},
    {32, box(390, 82), -5000, 5000, 4, RECORD_FIELD(interp1CentreY)},
    {33, box(180, 104), -1000, 1000, 4, RECORD_FIELD(interp2AnchorPct)},
    {34, box(250, 104), -1000, 1000, 4, RECORD_FIELD(interp2HandlePct)},
    {35, box(320, 104), -5000, 5000, 4, RECORD_FIELD(interp2CentreX)},
    {36, box(390, 104), -5000, 5000, 4, RECORD_FIELD(interp2CentreY)},
};

// The zoom box is not a setting of the frames: it has its own notifier and no preview.
const SpinBox<EdgeFrameParams> kZoomBox = {kItemZoom, {535, 195, 595, 215}, 1, 500, kAllPages, RECORD_FIELD(viewZoom)};

const SpinBox<EdgeFrameParams> kIntBoxes[] = {
    {24, sideBox(0, 0), 2, 600, 2, nullptr, RECORD_FIELD(teethCount[0])},
    {25, sideBox(1, 0), 2, 600, 2, nullptr, RECORD_FIELD(teethCount[1])},
    {26, sideBox(2, 0), 2, 600, 2, nullptr, RECORD_FIELD(teethCount[2])},
    {27, sideBox(3, 0), 2, 600, 2, nullptr, RECORD_FIELD(teethCount[3])},
    {28, box(180, 82), 1, 100, 3, nullptr, RECORD_FIELD(frameCount)},
    {40, box(180, 184), 0, 60, 3, nullptr, RECORD_FIELD(sketchRepeats)},
    {20, box(180, 60), 0, 100, 4, nullptr, RECORD_FIELD(skipCount)},
    {21, box(280, 60), 1, 100, 4, nullptr, RECORD_FIELD(createCount)},
};

const CheckBox<EdgeFrameParams> kCheckBoxes[] = {
    {kItemPreview, {500, 130, 580, 144}, "Preview", kAllPages, RECORD_FIELD(preview)},
    {68, checkLeft(60), "Fill [R]", 5, RECORD_FIELD(randomFill)},
    {70, checkLeft(77), "Swatch [R]", 5, RECORD_FIELD(randomSwatch)},
    {69, checkLeft(94), "Opacity [R]", 5, RECORD_FIELD(randomOpacity)},
    {71, checkLeft(111), "Link edges", 5, RECORD_FIELD(linkSides)},
    {60, checkLeft(128), "Create on new layer", 5, RECORD_FIELD(newLayer)},
    {61, checkLeft(145), "Closed path", 5, RECORD_FIELD(closedPath)},
    {62, checkLeft(162), "Add base to height", 5, RECORD_FIELD(addBaseToHeight)},
    {74, checkLeft(179), "Create [R]", 5, RECORD_FIELD(randomCreate)},
    {66, checkRight(60), "Structure [R]", 5, RECORD_FIELD(randomStructure)},
    {67, checkRight(77), "Radial distort [R]", 5, RECORD_FIELD(randomRadial)},
    {63, checkRight(94), "Edge [R]", 5, RECORD_FIELD(randomFrame)},
    {64, checkRight(111), "Teeth [R]", 5, RECORD_FIELD(randomTeeth)},
    {65, checkRight(128), "Warp [R]", 5, RECORD_FIELD(randomWarp)},
    {72, checkRight(145), "Center anchor", 5, RECORD_FIELD(centreAnchor)},
    {73, checkRight(162), "Center direction", 5, RECORD_FIELD(centreDirection)},
    {75, checkRight(179), "Start [R]", 5, RECORD_FIELD(randomStart)},
    {76, checkPageSix(60), "Drop shadow", 6, RECORD_FIELD(dropShadow)},
    {77, checkPageSix(77), "Shadow direction (R)", 6, RECORD_FIELD(shadowRandomDirection)},
    {78, checkPageSix(94), "Shadow opacity (R)", 6, RECORD_FIELD(shadowRandomOpacity)},
    {79, checkPageSix(111), "Half fill shadow", 6, RECORD_FIELD(shadowHalfFill)},
    {80, checkPageSix(128), "Shadow scaling (R)", 6, RECORD_FIELD(shadowRandomScale)},
    {81, checkPageSix(145), "Sketch shift (R)", 6, RECORD_FIELD(sketchRandomShift)},
    {82, checkPageSix(162), "Sketch weight (R)", 6, RECORD_FIELD(sketchRandomWeight)},
};

const Label kLabels[] = {
    {110, rowLabel(60), "Teeth height(p)", 1},
    {111, rowLabel(82), "Teeth gap(p)", 1},
    {112, rowLabel(104), "Teeth slant(p)", 1},
    {113, rowLabel(126), "Teeth base(p)", 1},
    {114, rowLabel(60), "Number of teeth", 2},
    {115, rowLabel(60), "Start point(p)", 3},
    {116, rowLabel(82), "Number of edges", 3},
    {120, rowLabel(140), "Sketch weight (/10p)", 3},
    {121, rowLabel(162), "Sketch shift (p)", 3},
    {122, rowLabel(184), "Sketch repeats", 3},
    {117, rowLabel(60), "Skip / create", 4},
    {118, rowLabel(82), "Interpolate1", 4},
    {119, rowLabel(104), "Interpolate2", 4},
    // Captions under the page buttons; the current page's is emphasised.
    {136, {18, 40, 79, 55}, "Size", kAllPages},
    {137, {83, 40, 149, 55}, "Teeth", kAllPages},
    {138, {151, 40, 219, 55}, "Frames", kAllPages},
    {139, {225, 40, 289, 55}, "Apply", kAllPages},
    {140, {290, 40, 360, 55}, "Settings", kAllPages},
    {141, {360, 40, 430, 55}, "Settings1", kAllPages},
};

const char* const kPresetEntries[kEdgePresetCount] = {
    " Reset",     " Preset 01", " Preset 02", " Preset 03", " Preset 04", " Preset 05", " Preset 06",
    " Preset 07", " Preset 08", " Preset 09", " Preset 10", " Preset 11", " Preset 12", " Preset 13",
    " Preset 14", " Preset 15", " Preset 16", " Preset 17", " Preset 18", " Preset 19", " Preset 20",
};
const char* const kSlantEntries[kEdgeSlantOptionCount] = {
    " Slant options", " Slant 2", " Slant 3", " Slant 4", " Slant 5",
    " Slant 6",       " Slant 7", " Slant 8", " Slant 9",
};
const char* const kApplyPatternEntries[kEdgeApplyPatternCount] = {" Teeth apply pattern", " Top", " Base-Top"};
const char* const kSketchColourEntries[kEdgeSketchColourCount] = {
    " Sketch color options - Use black",
    " Use same color as original path",
    " Use random color",
    " Use random swatch color",
    " Reduced",
    " Random reduced",
    " Random black / color",
    " Use shift (otherwise black)",
    " Use black + random opacity",
    " Use random color + random opacity",
    " Reducing opacity",
    " Use white + random opacity",
};

// The preset list applies presets; it is not read back with the other lists.
const PopupList<EdgeFrameParams> kPresetList = {kItemPresets, {500, 150, 580, 170}, kAllPages, kPresetEntries,
                                                kEdgePresetCount, RECORD_FIELD(presetIndex)};

// Filled in this order after the preset list.
const PopupList<EdgeFrameParams> kValueLists[] = {
    {103, {10, 155, 200, 175}, 4, kSlantEntries, kEdgeSlantOptionCount, RECORD_FIELD(slantOption)},
    {102, {10, 130, 200, 150}, 4, kApplyPatternEntries, kEdgeApplyPatternCount, RECORD_FIELD(applyPattern)},
    {104, {10, 110, 160, 130}, 3, kSketchColourEntries, kEdgeSketchColourCount, RECORD_FIELD(sketchColour)},
};

// Item notifiers and the pick buttons' tracker, defined below.
void OnEdgeValueChanged(KvItem item, KvNotifier notifier);
void OnEdgePageButton(KvItem item, KvNotifier notifier);
void OnEdgePreset(KvItem item, KvNotifier notifier);
void OnEdgeTumble(KvItem item, KvNotifier notifier);
int32_t TrackEdgePickButton(KvItem item, KvTracker tracker);

const Button kButtons[] = {
    {1, kKvTextPushButtonType, {500, 10, 580, 30}, "OK", kAllPages, OnDialogOK<EdgeFrameParams>, nullptr},
    {2, kKvTextPushButtonType, {500, 40, 580, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {90, kKvTextPushButtonType, {500, 70, 580, 90}, "Shuffle", kAllPages, OnEdgeValueChanged, nullptr},
    {91, kKvTextPushButtonType, {500, 100, 580, 120}, "Tumble", kAllPages, OnEdgeTumble, nullptr},
    {130, kKvPicturePushButtonType, pageButton(10), nullptr, kAllPages, OnEdgePageButton, nullptr},
    {131, kKvPicturePushButtonType, pageButton(80), nullptr, kAllPages, OnEdgePageButton, nullptr},
    {132, kKvPicturePushButtonType, pageButton(150), nullptr, kAllPages, OnEdgePageButton, nullptr},
    {133, kKvPicturePushButtonType, pageButton(220), nullptr, kAllPages, OnEdgePageButton, nullptr},
    {134, kKvPicturePushButtonType, pageButton(290), nullptr, kAllPages, OnEdgePageButton, nullptr},
    {135, kKvPicturePushButtonType, pageButton(360), nullptr, kAllPages, OnEdgePageButton, nullptr},
    // Pick buttons: side 1 height, gap, slant and base; teeth count; skip and create counts.
    {150, kKvPicturePushButtonType, pickButton(250, 60), nullptr, 1, nullptr, TrackEdgePickButton},
    {151, kKvPicturePushButtonType, pickButton(250, 82), nullptr, 1, nullptr, TrackEdgePickButton},
    {152, kKvPicturePushButtonType, pickButton(250, 104), nullptr, 1, nullptr, TrackEdgePickButton},
    {153, kKvPicturePushButtonType, pickButton(250, 126), nullptr, 1, nullptr, TrackEdgePickButton},
    {154, kKvPicturePushButtonType, pickButton(250, 60), nullptr, 2, nullptr, TrackEdgePickButton},
    {155, kKvPicturePushButtonType, pickButton(250, 60), nullptr, 4, nullptr, TrackEdgePickButton},
    {156, kKvPicturePushButtonType, pickButton(350, 60), nullptr, 4, nullptr, TrackEdgePickButton},
};

// ---- Enable rules.

constexpr int32_t kSidesTwoToFourItems[] = {5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19, 25, 26, 27};
constexpr int32_t kShadowOptionItems[] = {77, 78, 80, 79};
constexpr int32_t kSketchOptionItems[] = {38, 39, 104, 81, 82};
constexpr int32_t kInterp1CentreItems[] = {31, 32};
constexpr int32_t kInterp2CentreItems[] = {35, 36};

void updateEnabling(KvDialog dialog, const EdgeFrameParams& record) {
    enableItems(dialog, kInterp1CentreItems, record.interp1AnchorPct != 0.0f || record.interp1HandlePct != 0.0f);
    enableItems(dialog, kInterp2CentreItems, record.interp2AnchorPct != 0.0f || record.interp2HandlePct != 0.0f);
    enableItems(dialog, kSidesTwoToFourItems, record.linkSides == 0);
    enableItems(dialog, kShadowOptionItems, record.dropShadow != 0);
    enableItems(dialog, kSketchOptionItems, record.sketchRepeats != 0);
}

// ---- Record and items.

// Every setting item into the record, then the enable rules.
void readItems(KvDialog dialog, EdgeFrameParams& record) {
    readRows(dialog, kValueLists, record);
    readRows(dialog, kRealBoxes, record);
    readRows(dialog, kIntBoxes, record);
    readRows(dialog, kCheckBoxes, record);
    updateEnabling(dialog, record);
}

// Shows every setting in its item after a preset or Tumble wrote the record, then the page
// (which previews). The preset list and the zoom box keep what they show.
void showRecord(KvDialog dialog, EdgeFrameParams& record) {
    showRows(dialog, kValueLists, record);
    showRows(dialog, kCheckBoxes, record);
    showRows(dialog, kIntBoxes, record);
    showRows(dialog, kRealBoxes, record);
    refreshPage(dialog, kPages, record.page);
}

void showPage(KvDialog dialog, int page) {
    placeRows(dialog, kRealBoxes, page);
    placeRows(dialog, kIntBoxes, page);
    placeRows(dialog, kCheckBoxes, page);
    placeRows(dialog, kLabels, page);
    placeRows(dialog, kValueLists, page);
    placeRows(dialog, kButtons, page);
}

// ---- Notifiers.

void OnEdgeValueChanged(KvItem item, KvNotifier notifier) {
    notifyValueChanged<EdgeFrameParams>(item, notifier, DefaultNotify::first, readItems, BuildEdgeFrames);
}

void OnEdgePageButton(KvItem item, KvNotifier) { choosePage<EdgeFrameParams>(item, kPages, showPage); }

void OnEdgePreset(KvItem item, KvNotifier notifier) {
    rewriteRecord<EdgeFrameParams>(
        item, notifier,
        [](KvDialog dialog, EdgeFrameParams& record) {
            const int32_t index = readListEntry(dialog, kItemPresets, record.presetIndex);
            ApplyEdgePreset(record, index, viewCentre());
        },
        showRecord);
}

void OnEdgeTumble(KvItem item, KvNotifier notifier) {
    rewriteRecord<EdgeFrameParams>(
        item, notifier,
        [](KvDialog, EdgeFrameParams& record) {
            KvRealPoint documentSize{0.0f, 0.0f};
            sDocument->getDocumentSize(&documentSize);
            TumbleEdgeParams(record, documentSize, sRandom->randomDraw);
        },
        showRecord);
}

// Sets one value from the mouse's horizontal position. The generator copes with any value.
void pickValue(KvDialog dialog, EdgeFrameParams& record, int32_t button, KvViewHandle, KvRealPoint point) {
    constexpr float kSixth = 0.16666667f;
    const float x = point.x;
    switch (button) {
    case 150: setBoxValue(dialog, 4, record.teethHeight[0], x / 2.0f); break;
    case 151: setBoxValue(dialog, 8, record.teethGap[0], x * kSixth); break;
    case 152: setBoxValue(dialog, 12, record.teethSlant[0], x * kSixth - 30.0f); break;
    case 153: setBoxValue(dialog, 16, record.teethBase[0], x * kSixth); break;
    case 154: setBoxValue(dialog, 24, record.teethCount[0], truncToInt(x) / 10); break;
    case 155: setBoxValue(dialog, 20, record.skipCount, truncToInt(x) / 20); break;
    case 156: setBoxValue(dialog, 21, record.createCount, truncToInt(x) / 20); break;
    default: break;
    }
}

int32_t TrackEdgePickButton(KvItem item, KvTracker tracker) {
    return trackPickButton<EdgeFrameParams>(item, tracker, kPages, pickValue);
}

// ---- Building the dialog.

void createItems(KvDialog dialog, EdgeFrameParams& record) {
    createRows(dialog, kButtons);
    createRows(dialog, kRealBoxes, OnEdgeValueChanged, &record);
    createRow(dialog, kZoomBox, OnViewZoom<EdgeFrameParams>, &record);
    createRows(dialog, kIntBoxes, OnEdgeValueChanged, &record);
    createRows(dialog, kCheckBoxes, OnEdgeValueChanged, &record);
    createRows(dialog, kLabels);
    createRow(dialog, kPresetList, OnEdgePreset);
    createRows(dialog, kValueLists, OnEdgeValueChanged);
}

}  // namespace

KvResult InitEdgeDialog(KvDialog dialog) {
    EdgeFrameParams* record = beginDialog<EdgeFrameParams>(dialog, kDialogWidth, kDialogHeight);
    if (record == nullptr) return kResultBadParameter;

    createItems(dialog, *record);
    fillList(dialog, kPresetList, *record);
    fillLists(dialog, kValueLists, *record);

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    refreshPage(dialog, kPages, record->page);
    return kResultOk;
}
