// Volutia's main dialog: items, pages, presets, Tumble, preview and the drag buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, redraws the preview through the generator.
#include "spiral_dialog.h"

#include <cstddef>
#include <span>

#include "dialog_table.h"
#include "spiral_generator.h"
#include "spiral_numbers.h"
#include "spiral_params.h"

namespace {

constexpr int32_t kDialogWidth = 470;
constexpr int32_t kDialogHeight = 220;

enum : int32_t {
    kItemOk = 1,
    kItemPresets = 77,
    kFirstPageButton = 120,   // 120 to 124 choose pages 1 to 5
    kFirstPageCaption = 125,  // 125 to 129 name them
};

// Each page's first value item: a change to it redraws the preview.
constexpr int32_t kPagePreviewItems[] = {4, 13, 17, 79, 140};
constexpr DialogPages kPages = {kFirstPageButton, kFirstPageCaption, kPagePreviewItems};

// Item notifiers and the drag buttons' tracker, defined below.
void OnSpiralValueChanged(KvItem item, KvNotifier notifier);
void OnSpiralPage(KvItem item, KvNotifier notifier);
void OnSpiralPreset(KvItem item, KvNotifier notifier);
void OnSpiralTumble(KvItem item, KvNotifier notifier);
int32_t TrackSpiralDragButton(KvItem item, KvTracker tracker);

constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }
constexpr KvIntRect dragButton(int32_t top) { return {250, top, 270, top + 20}; }

const char* const kPresetEntries[kSpiralPresetCount] = {
    " Reset",
    " Pentagon-spiral",
    " Many spiral arms",
    " Decaying spiral arms",
    " Small hex spiral",
    " Rapidly out of control ",
    " Spiral star 1 ",
    " Hollow ",
    " Spiral star 2 ",
    " Shift to right ",
    " Shift to left ",
    " Zoom shift to left ",
    " Shift to bottom ",
    " Shift to top ",
    " Shift diagonally ",
    " Separate spiral arms (set to no fill before use)",
    " Inceasing line weight - (Separate)",
    " Inceasing reversed - (Separate)",
    " Inceasing drifting points - (Separate)",
    " Randomized line weight arms  - (Separate)",
    " Randomized palette/line weight arms  - (Separate)",
    " Narrow band",
    " Narrow octspiral",
    " Narrow octstar spiral ",
    " Narrow 2/3 oct star spiral (separate)",
};
const char* const kArmModeEntries[kSpiralArmModeCount] = {
    " Contigious spiral arms",
    " Separate spiral arms [access stroke / weight / apply]",
};
const char* const kSpiralTypeEntries[kSpiralTypeCount] = {
    " Spirals Type", " Spiral - Reversed", " Spiral - Randomized", " Spiral - Drifting", " Spiral - DriftWood",
};
const char* const kGapModeEntries[kSpiralGapModeCount] = {
    " Gap - As setting",         " Gap - Alternate",           " Gap - Accumulate",    " Gap - Center shift (x)",
    " Gap - Center shift (y)",   " Gap - Center shift (x+y)",  " Gap - Alternate arm",
};
const char* const kPivotEntries[kSpiralPivotModeCount] = {
    " Interpolation 001", " Interpolation 002", " Interpolation 003",
    " Interpolation 004", " Interpolation 005", " Interpolation 006",
};
const char* const kStrokeColourEntries[kSpiralStrokeColourModeCount] = {
    " Stroke Color - Ignore settings",
    " Add",
    " Accumulate",
    " Pulsed",
    " Rapid pulse",
    " Swap",
    " Set black to dialog setting",
    " Add Randomized",
    " Accumulate randomized",
    " Add Randomized (Use current Black dialog setting)",
    " Accumulate randomized(Use dialog setting Black)",
    " Randomized",
    " Randomized using dialog settings as limits",
    " Target stroke color to dialog settings",
    " Target stroke color to dialog settings (approx)",
    " Randomized based on swatches palette",
};
const char* const kLineWeightEntries[kSpiralLineWeightModeCount] = {
    " Line Weight - Ignore settings",
    " Add",
    " Accumulate",
    " Pulsed",
    " Rapid pulse",
    " Swap",
    " Add randomized",
    " Accumulate randomized",
    "  <= 10pts randomized",
    "  <= dialog settings randomized",
    " Target line weight to dialog settings",
    " Target line weight to dialog settings 9approx)",
    " Multiplied",
    " Line Weight Either Way",
    " Line Weight Either Way (accumulate)",
};

// The items are created table by table in the order of the tables below; the zoom box follows
// the first page's first five boxes.
const SpinBox<SpiralParams> kSpinBoxes[] = {
    {4, {180, 105, 240, 125}, 3, 20, 1, nullptr, RECORD_FIELD(pointsPerArm)},
    {6, {180, 127, 240, 147}, 2, 100, 1, nullptr, RECORD_FIELD(spiralCount)},
    {8, {180, 149, 240, 169}, -100, 100, 1, RECORD_FIELD(armDecay)},
    {9, {180, 196, 240, 216}, 1, 100, 1, RECORD_FIELD(gap)},
    {10, {280, 196, 340, 216}, -10, 100, 1, RECORD_FIELD(gapValue)},
    {13, {180, 60, 240, 80}, -5000, 5000, 2, RECORD_FIELD(startX)},
    {14, {180, 82, 240, 102}, -5000, 5000, 2, RECORD_FIELD(startY)},
    {15, {180, 104, 240, 124}, 0, 100, 2, nullptr, RECORD_FIELD(skipCount)},
    {16, {180, 126, 240, 146}, 1, 100, 2, nullptr, RECORD_FIELD(createCount)},
    {12, {180, 148, 240, 168}, 1, 1000, 2, RECORD_FIELD(initialGap)},
    {19, {180, 170, 240, 190}, -1000, 1000, 2, RECORD_FIELD(interpAmount)},
    {17, {180, 60, 240, 80}, 0, 500, 3, RECORD_FIELD(starGap)},
    {18, {180, 82, 240, 102}, -7000, 7000, 3, RECORD_FIELD(starAngle)},
    {33, {10, 83, 70, 103}, -400, 400, 4, RECORD_FIELD(strokeColour[0])},
    {34, {80, 83, 140, 103}, -400, 400, 4, RECORD_FIELD(strokeColour[1])},
    {35, {150, 83, 210, 103}, -400, 400, 4, RECORD_FIELD(strokeColour[2])},
    {36, {220, 83, 290, 103}, -400, 400, 4, RECORD_FIELD(strokeColour[3])},
    {37, {10, 129, 70, 149}, -1000, 1000, 4, RECORD_FIELD(lineWeight)},
};
constexpr std::size_t kBoxesBeforeZoom = 5;

// The zoom box is not a setting of the spiral: it has its own notifier and no preview.
const SpinBox<SpiralParams> kZoomBox = {38, {400, 195, 460, 215}, 1, 500, kAllPages, RECORD_FIELD(viewZoom)};

const Label kLabels[] = {
    {101, {10, 105, 178, 125}, "Number of points / arm", 1},
    {102, {10, 127, 178, 147}, "Number of spirals", 1},
    {100, {10, 149, 178, 169}, "Spiral arm decay (%)", 1},
    {103, {10, 196, 178, 216}, "Gap (p)", 1},
    {105, {10, 60, 178, 80}, "H. Start (p)", 2},
    {106, {10, 82, 178, 102}, "V. Start (p)", 2},
    {107, {10, 104, 178, 124}, "Skip spiral arm", 2},
    {108, {10, 126, 178, 146}, "Create spiral arm", 2},
    {104, {10, 148, 178, 168}, "Initial gap from start (p)", 2},
    {109, {10, 60, 178, 80}, "Star gap distance (p)", 3},
    {110, {10, 82, 178, 102}, "Star angle", 3},
};

// The preset list applies presets; it is not read back with the settings.
const PopupList<SpiralParams> kPresetList = {kItemPresets, {380, 150, 460, 170}, kAllPages, kPresetEntries,
                                             kSpiralPresetCount, RECORD_FIELD(presetIndex)};

const PopupList<SpiralParams> kValueLists[] = {
    {76, {10, 60, 200, 80}, 1, kArmModeEntries, kSpiralArmModeCount, RECORD_FIELD(armMode)},
    {78, {10, 82, 200, 102}, 1, kSpiralTypeEntries, kSpiralTypeCount, RECORD_FIELD(spiralType)},
    {75, {10, 173, 200, 193}, 1, kGapModeEntries, kSpiralGapModeCount, RECORD_FIELD(gapMode)},
    {81, {10, 170, 170, 190}, 2, kPivotEntries, kSpiralPivotModeCount, RECORD_FIELD(pivotMode)},
    {79, {10, 60, 200, 80}, 4, kStrokeColourEntries, kSpiralStrokeColourModeCount, RECORD_FIELD(strokeColourMode)},
    {80, {10, 106, 200, 126}, 4, kLineWeightEntries, kSpiralLineWeightModeCount, RECORD_FIELD(lineWeightMode)},
};

// The setting lists get their entries in this order, after the preset list.
constexpr int32_t kFillOrder[] = {75, 76, 78, 79, 80, 81};

const CheckBox<SpiralParams> kCheckBoxes[] = {
    {3, {380, 130, 460, 144}, "Preview", kAllPages, RECORD_FIELD(preview)},
    {140, {10, 60, 200, 74}, "Opacity [R]", 5, RECORD_FIELD(randomOpacity)},
};

const Button kButtons[] = {
    {kItemOk, kKvTextPushButtonType, {380, 10, 460, 30}, "OK", kAllPages, OnDialogOK<SpiralParams>, nullptr},
    {2, kKvTextPushButtonType, {380, 40, 460, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {60, kKvTextPushButtonType, {380, 70, 460, 90}, "Shuffle", kAllPages, OnSpiralValueChanged, nullptr},
    {61, kKvTextPushButtonType, {380, 100, 460, 120}, "Tumble", kAllPages, OnSpiralTumble, nullptr},
    {120, kKvPicturePushButtonType, pageButton(10), nullptr, kAllPages, OnSpiralPage, nullptr},
    {121, kKvPicturePushButtonType, pageButton(80), nullptr, kAllPages, OnSpiralPage, nullptr},
    {122, kKvPicturePushButtonType, pageButton(150), nullptr, kAllPages, OnSpiralPage, nullptr},
    {123, kKvPicturePushButtonType, pageButton(220), nullptr, kAllPages, OnSpiralPage, nullptr},
    {124, kKvPicturePushButtonType, pageButton(290), nullptr, kAllPages, OnSpiralPage, nullptr},
};

// Captions under the page buttons; the current page's is emphasised.
const Label kCaptions[] = {
    {125, {17, 40, 79, 55}, "Spiral", kAllPages},
    {126, {90, 40, 149, 55}, "Apply", kAllPages},
    {127, {160, 40, 219, 55}, "Star", kAllPages},
    {128, {220, 40, 289, 55}, "Stroke", kAllPages},
    {129, {290, 40, 360, 55}, "Settings", kAllPages},
};

const Button kDragButtons[] = {
    {150, kKvPicturePushButtonType, dragButton(105), nullptr, 1, nullptr, TrackSpiralDragButton},
    {151, kKvPicturePushButtonType, dragButton(127), nullptr, 1, nullptr, TrackSpiralDragButton},
    {152, kKvPicturePushButtonType, dragButton(149), nullptr, 1, nullptr, TrackSpiralDragButton},
    {153, kKvPicturePushButtonType, dragButton(196), nullptr, 1, nullptr, TrackSpiralDragButton},
    {154, kKvPicturePushButtonType, dragButton(148), nullptr, 2, nullptr, TrackSpiralDragButton},
    {155, kKvPicturePushButtonType, dragButton(60), nullptr, 3, nullptr, TrackSpiralDragButton},
    {156, kKvPicturePushButtonType, dragButton(170), nullptr, 2, nullptr, TrackSpiralDragButton},
};

// ---- Enable rules.

constexpr int32_t kPivotItems[] = {81};
constexpr int32_t kColourValueItems[] = {33, 34, 35, 36};
constexpr int32_t kSeparateArmItems[] = {15, 16, 80, 79, 140};
constexpr int32_t kStarAngleItems[] = {18};
constexpr int32_t kLineWeightItems[] = {37};

void updateEnabling(KvDialog dialog, const SpiralParams& record) {
    enableItems(dialog, kPivotItems, record.interpAmount != 0.0f);
    enableItems(dialog, kColourValueItems, record.strokeColourMode != 0);
    enableItems(dialog, kSeparateArmItems, record.armMode != 0);
    enableItems(dialog, kStarAngleItems, record.starGap != 0.0f);
    enableItems(dialog, kLineWeightItems, record.lineWeightMode != 0);
}

// ---- Record and items.

// Every setting item into the record, then the enable rules. The zoom box and the preset list
// are not settings.
void readItems(KvDialog dialog, SpiralParams& record) {
    readRows(dialog, kSpinBoxes, record);
    readRows(dialog, kValueLists, record);
    readRows(dialog, kCheckBoxes, record);
    updateEnabling(dialog, record);
}

// Shows every setting in its item after a preset or Tumble wrote the record, then the page
// (which previews).
void showRecord(KvDialog dialog, SpiralParams& record) {
    showRows(dialog, kSpinBoxes, record);
    showRows(dialog, kValueLists, record);
    showRows(dialog, kCheckBoxes, record);
    refreshPage(dialog, kPages, record.page);
}

void showPage(KvDialog dialog, int page) {
    placeRows(dialog, kSpinBoxes, page);
    placeRows(dialog, kLabels, page);
    placeRows(dialog, kValueLists, page);
    placeRows(dialog, kCheckBoxes, page);
    placeRows(dialog, kDragButtons, page);
}

// ---- Notifiers.

void OnSpiralValueChanged(KvItem item, KvNotifier notifier) {
    notifyValueChanged<SpiralParams>(item, notifier, DefaultNotify::first, readItems, BuildSpirals);
}

void OnSpiralPage(KvItem item, KvNotifier) { choosePage<SpiralParams>(item, kPages, showPage); }

void OnSpiralPreset(KvItem item, KvNotifier notifier) {
    rewriteRecord<SpiralParams>(
        item, notifier,
        [](KvDialog dialog, SpiralParams& record) {
            const int32_t index = readListEntry(dialog, kItemPresets, record.presetIndex);
            ApplySpiralPreset(record, index, viewCentre());
        },
        showRecord);
}

void OnSpiralTumble(KvItem item, KvNotifier notifier) {
    rewriteRecord<SpiralParams>(
        item, notifier, [](KvDialog, SpiralParams& record) { TumbleSpiralParams(record, sRandom->randomDraw); },
        showRecord);
}

// Sets one value from the mouse's horizontal position. The generator copes with any value.
void dragValue(KvDialog dialog, SpiralParams& record, int32_t button, KvViewHandle, KvRealPoint point) {
    const float h = point.x;
    switch (button) {
    case 150: setBoxValue(dialog, 4, record.pointsPerArm, truncToInt(h * 0.04f)); break;
    case 151: setBoxValue(dialog, 6, record.spiralCount, addSaturated(1, truncToInt(h * 0.1f))); break;
    case 152: setBoxValue(dialog, 8, record.armDecay, -100.0f + h * 0.5f); break;
    case 153: setBoxValue(dialog, 9, record.gap, 1.0f + h * 0.1f); break;
    case 154: setBoxValue(dialog, 12, record.initialGap, 1.0f + h * 0.1f); break;
    case 155: setBoxValue(dialog, 17, record.starGap, h * 0.1f); break;
    case 156: setBoxValue(dialog, 19, record.interpAmount, -100.0f + h * 0.5f); break;
    default: break;
    }
}

int32_t TrackSpiralDragButton(KvItem item, KvTracker tracker) {
    return trackPickButton<SpiralParams>(item, tracker, kPages, dragValue);
}

// ---- Building the dialog.

void createItems(KvDialog dialog, SpiralParams& record) {
    const std::span<const SpinBox<SpiralParams>> boxes(kSpinBoxes);
    createRows(dialog, boxes.first(kBoxesBeforeZoom), OnSpiralValueChanged, &record);
    createRow(dialog, kZoomBox, OnViewZoom<SpiralParams>, &record);
    createRows(dialog, boxes.subspan(kBoxesBeforeZoom), OnSpiralValueChanged, &record);
    createRows(dialog, kLabels);
    createRow(dialog, kPresetList, OnSpiralPreset);
    createRows(dialog, kValueLists, OnSpiralValueChanged);
    createRows(dialog, kCheckBoxes, OnSpiralValueChanged, &record);
    createRows(dialog, kButtons);
    createRows(dialog, kCaptions);
    createRows(dialog, kDragButtons);
}

}  // namespace

KvResult InitSpiralDialog(KvDialog dialog) {
    SpiralParams* record = recordOf<SpiralParams>(dialog);
    if (record == nullptr) return kResultBadParameter;
    // Any flag but 0 puts the dialog where the last OK left it (beginDialog wants 1).
    if (record->dialogBoundsSaved != 0) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, kDialogWidth, kDialogHeight);

    createItems(dialog, *record);
    fillList(dialog, kPresetList, *record);
    for (int32_t id : kFillOrder) {
        for (const PopupList<SpiralParams>& list : kValueLists) {
            if (list.id == id) fillList(dialog, list, *record);
        }
    }

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    refreshPage(dialog, kPages, record->page);
    return kResultOk;
}
