// Ravelo's main dialog: items, pages, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, redraws the preview through the generator.
#include "line_dialog.h"

#include <cstddef>
#include <span>

#include "dialog_table.h"
#include "line_generator.h"
#include "line_numbers.h"
#include "line_params.h"

namespace {

constexpr int32_t kDialogWidth = 500;
constexpr int32_t kDialogHeight = 205;

enum : int32_t {
    kItemOk = 1,
    kItemPreview = 3,
    kItemLineCount = 4,
    kItemGap = 5,
    kItemThickness = 6,
    kItemLineLength = 7,
    kItemStartX = 8,
    kItemAngle = 10,
    kItemZoom = 29,
    kItemRandomOpacity = 40,
    kItemShape = 60,
    kItemDirection = 61,
    kItemFillMode = 62,
    kItemStrokeMode = 63,
    kItemWidthMode = 64,
    kItemPresets = 65,
    kFirstPageButton = 120,   // 120 to 124 choose pages 1 to 5
    kFirstPageCaption = 125,  // 125 to 129 name them
};

// A value item of each page: a change to it redraws the preview. Page 3's is the start box of
// page 2: any value item previews the same.
constexpr int32_t kPagePreviewItems[] = {kItemLineCount, kItemLineLength, kItemStartX, kItemFillMode,
                                         kItemRandomOpacity};
constexpr DialogPages kPages = {kFirstPageButton, kFirstPageCaption, kPagePreviewItems};

// ---- Layout. Value boxes sit in a column at 180 with their labels to the left.

constexpr KvIntRect box(int32_t left, int32_t top, int32_t width = 60) { return {left, top, left + width, top + 20}; }
constexpr KvIntRect rowLabel(int32_t top) { return {10, top, 178, top + 20}; }
constexpr KvIntRect checkLeft(int32_t top) { return {10, top, 160, top + 14}; }
constexpr KvIntRect checkRight(int32_t top) { return {162, top, 319, top + 14}; }
constexpr KvIntRect pickButton(int32_t top) { return {250, top, 270, top + 20}; }
constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }

const SpinBox<LineParams> kRealBoxes[] = {
    {kItemGap, box(180, 132), -500, 1000, 1, RECORD_FIELD(gap)},
    {kItemThickness, box(180, 154), 0, 1000, 1, RECORD_FIELD(thickness)},
    {kItemLineLength, box(180, 60), 0, 5000, 2, RECORD_FIELD(lineLength)},
    {kItemAngle, box(180, 82), -180, 180, 2, RECORD_FIELD(angle)},
    {11, box(180, 104), 1, 1000, 2, RECORD_FIELD(scaleX)},
    {12, box(250, 104), 1, 1000, 2, RECORD_FIELD(scaleY)},
    {kItemStartX, box(180, 126), -5000, 5000, 2, RECORD_FIELD(startX)},
    {9, box(250, 126), -5000, 5000, 2, RECORD_FIELD(startY)},
    {23, box(180, 82), -100000, 100000, 3, RECORD_FIELD(maxLength)},
    {25, box(180, 104), -1000, 1000, 3, RECORD_FIELD(lengthFactor)},
    {26, box(180, 126), -1000, 1000, 3, RECORD_FIELD(thicknessFactor)},
    {27, box(180, 148), -1000, 1000, 3, RECORD_FIELD(gapFactor)},
    {28, box(180, 170), -1000, 1000, 3, RECORD_FIELD(angleFactor)},
    {13, box(10, 83), -400, 400, 4, RECORD_FIELD(fillChannel[0])},
    {14, box(80, 83), -400, 400, 4, RECORD_FIELD(fillChannel[1])},
    {15, box(150, 83), -400, 400, 4, RECORD_FIELD(fillChannel[2])},
    {16, box(220, 83, 70), -400, 400, 4, RECORD_FIELD(fillChannel[3])},
    {17, box(10, 129), -400, 400, 4, RECORD_FIELD(strokeChannel[0])},
    {18, box(80, 129), -400, 400, 4, RECORD_FIELD(strokeChannel[1])},
    {19, box(150, 129), -400, 400, 4, RECORD_FIELD(strokeChannel[2])},
    {20, box(220, 129, 70), -400, 400, 4, RECORD_FIELD(strokeChannel[3])},
    {21, box(220, 152, 70), -1000, 1000, 4, RECORD_FIELD(widthValue)},
    {24, box(220, 175, 70), 0, 100, 4, RECORD_FIELD(styleInterpolate)},
};

// The zoom box is not a setting of the lines: it has its own notifier and no preview.
const SpinBox<LineParams> kZoomBox = {kItemZoom, box(420, 180), 1, 500, kAllPages, RECORD_FIELD(viewZoom)};

const SpinBox<LineParams> kIntBoxes[] = {
    {kItemLineCount, box(180, 110), 2, 500, 1, nullptr, RECORD_FIELD(lineCount)},
    {22, box(180, 60), 1, 50, 3, nullptr, RECORD_FIELD(repeatBlocks)},
};

const CheckBox<LineParams> kCheckBoxes[] = {
    {kItemPreview, {400, 130, 480, 144}, "Preview", kAllPages, RECORD_FIELD(preview)},
    {kItemRandomOpacity, checkLeft(60), "Opacity [R]", 5, RECORD_FIELD(randomOpacity)},
    {41, checkLeft(77), "Gap [R]", 5, RECORD_FIELD(randomGap)},
    {42, checkLeft(94), "Thickness [R]", 5, RECORD_FIELD(randomThickness)},
    {43, checkLeft(111), "Angle [R]", 5, RECORD_FIELD(randomAngle)},
    {44, checkLeft(128), "Repeat length [R]", 5, RECORD_FIELD(randomRepeatLength)},
    {45, checkLeft(145), "Length [R]", 5, RECORD_FIELD(randomLength)},
    {46, checkLeft(162), "Rotate/start", 5, RECORD_FIELD(rotateBlocks)},
    {47, checkLeft(179), "Alternate angle", 5, RECORD_FIELD(alternateAngle)},
    {48, checkRight(60), "Angle 1", 5, RECORD_FIELD(accumulateLineAngle)},
    {49, checkRight(77), "Angle 2", 5, RECORD_FIELD(accumulateBlockAngle)},
};

const Label kLabels[] = {
    {100, rowLabel(110), "Number of lines", 1},
    {101, rowLabel(132), "Gap between lines (p)", 1},
    {102, rowLabel(154), "Line thickness (p)", 1},
    {103, rowLabel(60), "Line length (p)", 2},
    {104, rowLabel(82), "Line angle (o)", 2},
    {105, rowLabel(104), "Line scale (%)", 2},
    {106, rowLabel(126), "Line start (p)", 2},
    {107, rowLabel(60), "Repeat blocks", 3},
    {108, rowLabel(82), "Max length (p)", 3},
    {110, rowLabel(104), "Length factor (%)", 3},
    {111, rowLabel(126), "Thickness factor (%)", 3},
    {112, rowLabel(148), "Gap factor (%)", 3},
    {113, rowLabel(170), "Angle factor (%)", 3},
    {109, {10, 175, 218, 195}, "Style interpolate (%)", 4},
    // Captions under the page buttons; the current page's is emphasised.
    {125, {20, 40, 79, 55}, "Line", kAllPages},
    {126, {90, 40, 149, 55}, "Size", kAllPages},
    {127, {150, 40, 219, 55}, "Repeats", kAllPages},
    {128, {230, 40, 289, 55}, "Fill", kAllPages},
    {129, {290, 40, 360, 55}, "Settings", kAllPages},
};

const char* const kPresetEntries[kLinePresetCount] = {
    " Reset",
    " 40 lines",
    " Random swatches",
    " Narrow gap",
    " Thicker lines",
    " Thinner lines",
    " Increasing with (line) (requires line stroke to be set)",
    " Smaller lines",
    " Squares",
    " Target fill to current dialog settings (requires fill to be set)",
    " Random opacity",
    " Random opacity/overlap",
    " Random opacity/overlap Swatches",
    " Scaled",
    " Increasing height",
    " Guidelines up",
    " Guidelines across",
    " Shutters",
    " Patches",
    " Swatch patches",
    " Swatch patches random angle",
    " Swatch patches 45 degrees",
    " Smaller swatches randomized",
    " Angle jitter",
    " Textured line",
    " Swatches patch length random",
    " Swatches zig",
    " Random gaps",
    " Patched gaps",
    " Swatch patches shrinking",
    " Zigzag",
    " Zigzag shrink",
    " Sticks",
    " Angled sticks",
    " Turning",
    " Crunch",
    " Target turning",
};
const char* const kShapeEntries[kLineShapeCount] = {
    " Lines options : Rectangular", " Thin line ", " Box guide", " Line guide", " Oval",
};
const char* const kDirectionEntries[kLineDirectionCount] = {" Lines upwards", " Lines across"};
const char* const kFillModeEntries[kLineFillModeCount] = {
    " Fill - Ignore",
    " Fill - Add",
    " Fill - Accumulate",
    " Fill - Pulsed",
    " Fill - Rapid pulse",
    " Fill - Swap",
    " Set black channel to dialog setting",
    " Fill - Add randomized",
    " Fill - Accumulate randomized",
    " Fill - Add Randomized (use current black dialog setting)",
    " Fill - Accumulate randomized(Use dialog setting Black)",
    " Randomized",
    " Randomized using dialog settings as limits",
    " Target fill color to dialog settings",
    " Target fill color to dialog settings (approx)",
    " Randomized based on swatches palette",
    " Randomized swatches varied by repeats",
    " Randomized swatches varied by lines",
    " Randomized swatches varied by lines / alternate",
    " Run through",
};
const char* const kStrokeModeEntries[kLineStrokeModeCount] = {
    " Stroke - Ignore",
    " Stroke - Add",
    " Stroke - Accumulate",
    " Stroke - Pulsed",
    " Stroke - Rapid pulse",
    " Stroke - Swap",
    " Set black to dialog setting",
    " Stroke - Add randomized",
    " Stroke - Accumulate randomized",
    " Stroke - Add randomized (Use current black dialog setting)",
    " Stroke - Accumulate randomized(Use dialog setting Black)",
    " Randomized",
    " Randomized using dialog settings as limits",
    " Target stroke color to dialog settings",
    " Target stroke color to dialog settings (approx)",
};
const char* const kWidthModeEntries[kLineWidthModeCount] = {
    " Width - Ignore",
    " Width - Add",
    " Width - Accumulate",
    " Width - Pulsed",
    " Width - Rapid pulse",
    " Width - Swap",
    " Width - Add randomized",
    " Width - Accumulate randomized",
    " Width <= 10pts randomized",
    " Width <= dialog settings randomized",
    " Target width to dialog settings",
    " Target width to dialog settings (approx)",
    " Multiplied",
    " Width jitter",
    " Width accumulated jitter",
};

// The preset list applies presets; it is not read back with the other lists.
const PopupList<LineParams> kPresetList = {kItemPresets, {400, 150, 480, 170}, kAllPages, kPresetEntries,
                                           kLinePresetCount, RECORD_FIELD(presetIndex)};

// The lists that show settings, created and read in this order: shape and direction on page 1,
// then the mode lists of page 4.
const PopupList<LineParams> kValueLists[] = {
    {kItemShape, {10, 82, 200, 102}, 1, kShapeEntries, kLineShapeCount, RECORD_FIELD(shape)},
    {kItemDirection, {10, 60, 200, 80}, 1, kDirectionEntries, kLineDirectionCount, RECORD_FIELD(direction)},
    {kItemFillMode, {10, 60, 210, 80}, 4, kFillModeEntries, kLineFillModeCount, RECORD_FIELD(fillMode)},
    {kItemStrokeMode, {10, 106, 210, 126}, 4, kStrokeModeEntries, kLineStrokeModeCount, RECORD_FIELD(strokeMode)},
    {kItemWidthMode, {10, 152, 210, 172}, 4, kWidthModeEntries, kLineWidthModeCount, RECORD_FIELD(widthMode)},
};
constexpr std::size_t kPageOneListCount = 2;

// Item notifiers and the pick buttons' tracker, defined below.
void OnLineValueChanged(KvItem item, KvNotifier notifier);
void OnLinePageButton(KvItem item, KvNotifier notifier);
void OnLinePreset(KvItem item, KvNotifier notifier);
void OnLineTumble(KvItem item, KvNotifier notifier);
int32_t TrackLinePickButton(KvItem item, KvTracker tracker);

const Button kButtons[] = {
    {kItemOk, kKvTextPushButtonType, {400, 10, 480, 30}, "OK", kAllPages, OnDialogOK<LineParams>, nullptr},
    {2, kKvTextPushButtonType, {400, 40, 480, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {30, kKvTextPushButtonType, {400, 70, 480, 90}, "Shuffle", kAllPages, OnLineValueChanged, nullptr},
    {31, kKvTextPushButtonType, {400, 100, 480, 120}, "Tumble", kAllPages, OnLineTumble, nullptr},
    {120, kKvPicturePushButtonType, pageButton(10), nullptr, kAllPages, OnLinePageButton, nullptr},
    {121, kKvPicturePushButtonType, pageButton(80), nullptr, kAllPages, OnLinePageButton, nullptr},
    {122, kKvPicturePushButtonType, pageButton(150), nullptr, kAllPages, OnLinePageButton, nullptr},
    {123, kKvPicturePushButtonType, pageButton(220), nullptr, kAllPages, OnLinePageButton, nullptr},
    {124, kKvPicturePushButtonType, pageButton(290), nullptr, kAllPages, OnLinePageButton, nullptr},
    // Pick buttons: line count, gap, thickness; line length, angle.
    {140, kKvPicturePushButtonType, pickButton(110), nullptr, 1, nullptr, TrackLinePickButton},
    {141, kKvPicturePushButtonType, pickButton(132), nullptr, 1, nullptr, TrackLinePickButton},
    {142, kKvPicturePushButtonType, pickButton(154), nullptr, 1, nullptr, TrackLinePickButton},
    {143, kKvPicturePushButtonType, pickButton(60), nullptr, 2, nullptr, TrackLinePickButton},
    {144, kKvPicturePushButtonType, pickButton(82), nullptr, 2, nullptr, TrackLinePickButton},
};

// ---- Enable rules: the values under a mode list count only when a mode is chosen.

constexpr int32_t kFillValueItems[] = {13, 14, 15, 16};
constexpr int32_t kStrokeValueItems[] = {17, 18, 19, 20};
constexpr int32_t kWidthValueItems[] = {21};

// ---- Record and items.

void updateEnabling(KvDialog dialog, const LineParams& record) {
    enableItems(dialog, kStrokeValueItems, record.strokeMode != 0);
    enableItems(dialog, kFillValueItems, record.fillMode != 0);
    enableItems(dialog, kWidthValueItems, record.widthMode != 0);
}

// Every setting item into the record, then the enable rules.
void readItems(KvDialog dialog, LineParams& record) {
    readRows(dialog, kIntBoxes, record);
    readRows(dialog, kRealBoxes, record);
    readRows(dialog, kCheckBoxes, record);
    readRows(dialog, kValueLists, record);
    updateEnabling(dialog, record);
}

// Shows every setting in its item after a preset or Tumble wrote the record, then the page
// (which previews). The preset list and the zoom box keep what they show.
void showRecord(KvDialog dialog, LineParams& record) {
    showRows(dialog, kValueLists, record);
    showRows(dialog, kCheckBoxes, record);
    showRows(dialog, kRealBoxes, record);
    showRows(dialog, kIntBoxes, record);
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

void OnLineValueChanged(KvItem item, KvNotifier notifier) {
    notifyValueChanged<LineParams>(item, notifier, DefaultNotify::afterRecord, readItems, DrawLines);
}

void OnLinePageButton(KvItem item, KvNotifier) { choosePage<LineParams>(item, kPages, showPage); }

void OnLinePreset(KvItem item, KvNotifier notifier) {
    rewriteRecord<LineParams>(
        item, notifier,
        [](KvDialog dialog, LineParams& record) {
            ApplyLinePreset(record, readListEntry(dialog, kItemPresets, record.presetIndex));
        },
        showRecord);
}

void OnLineTumble(KvItem item, KvNotifier notifier) {
    rewriteRecord<LineParams>(
        item, notifier, [](KvDialog, LineParams& record) { TumbleLineParams(record, sRandom->randomDraw); },
        showRecord);
}

// Sets one value from the mouse's position. The generator copes with any value.
void pickValue(KvDialog dialog, LineParams& record, int32_t button, KvViewHandle view, KvRealPoint point) {
    constexpr float kSixth = 0.16666667f;
    record.direction = readListEntry(dialog, kItemDirection, record.direction);
    const bool upwards = record.direction == kLinesUpwards;
    const float a = upwards ? point.y : point.x;  // the position along the stacking direction
    switch (button) {
    case 140: setBoxValue(dialog, kItemLineCount, record.lineCount, truncToInt(a) / 10); break;
    case 141: setBoxValue(dialog, kItemGap, record.gap, a / 4.0f - 100.0f); break;
    case 142: setBoxValue(dialog, kItemThickness, record.thickness, a * kSixth); break;
    case 143: setBoxValue(dialog, kItemLineLength, record.lineLength, upwards ? point.x : point.y); break;
    case 144: {
        KvRealPoint centre{};
        if (sView->getViewCenter(view, &centre) != kResultOk) break;
        setBoxValue(dialog, kItemAngle, record.angle, sMath->radiansToDegrees(sMath->pointAngle(&point, &centre)));
        break;
    }
    default: break;
    }
}

int32_t TrackLinePickButton(KvItem item, KvTracker tracker) {
    return trackPickButton<LineParams>(item, tracker, kPages, pickValue);
}

// ---- Building the dialog.

void createItems(KvDialog dialog, LineParams& record) {
    createRows(dialog, kIntBoxes, OnLineValueChanged, &record);
    createRows(dialog, kRealBoxes, OnLineValueChanged, &record);
    createRow(dialog, kZoomBox, OnViewZoom<LineParams>, &record);
    createRows(dialog, kLabels);
    createRows(dialog, kCheckBoxes, OnLineValueChanged, &record);
    createRow(dialog, kPresetList, OnLinePreset);
    createRows(dialog, kValueLists, OnLineValueChanged);
    createRows(dialog, kButtons);
}

}  // namespace

KvResult InitLinesDialog(KvDialog dialog) {
    LineParams* record = beginDialog<LineParams>(dialog, kDialogWidth, kDialogHeight);
    if (record == nullptr) return kResultBadParameter;

    createItems(dialog, *record);
    const std::span<const PopupList<LineParams>> lists(kValueLists);
    fillLists(dialog, lists.first(kPageOneListCount), *record);
    fillList(dialog, kPresetList, *record);
    fillLists(dialog, lists.subspan(kPageOneListCount), *record);

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    refreshPage(dialog, kPages, record->page);
    return kResultOk;
}
