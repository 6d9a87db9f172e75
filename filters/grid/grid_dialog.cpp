// Quadrel's main dialog: items, pages, directions, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. The per-direction items show the values of the
// direction chosen in the direction list; every change reads all items back into the record
// (into that direction) and, with "Preview" on, redraws the preview through the generator.
#include "grid_dialog.h"

#include <cstddef>
#include <span>

#include "dialog_table.h"
#include "grid_generator.h"
#include "grid_numbers.h"
#include "grid_params.h"

namespace {

constexpr int32_t kDialogWidth = 400;
constexpr int32_t kDialogHeight = 255;

enum : int32_t {
    kItemOk = 1,
    kItemPreview = 3,
    kItemLineCount = 4,
    kItemThickness = 5,
    kItemAltThickness = 6,
    kItemSkip = 7,
    kItemCreate = 8,
    kItemShift = 9,
    kItemSkew = 10,
    kItemFirstFillChannel = 11,
    kItemWidthValue = 19,
    kItemZoom = 20,
    kItemCurve = 21,
    kItemFillMode = 35,
    kItemStrokeMode = 36,
    kItemWidthMode = 37,
    kItemPresets = 38,
    kItemShape = 39,
    kItemDirection = 40,
    kItemRandomOpacity = 50,
    kItemDeletePath = 56,
    kFirstPageButton = 80,   // 80 to 83 choose pages 1 to 4
    kFirstPageCaption = 84,  // 84 to 87 name them
};

// Each page's first value item: a change to it redraws the preview.
constexpr int32_t kPagePreviewItems[] = {kItemLineCount, kItemShift, kItemFirstFillChannel, kItemDeletePath};
constexpr DialogPages kPages = {kFirstPageButton, kFirstPageCaption, kPagePreviewItems};

// The items that show a setting of one direction show the direction chosen in the direction
// list: their rows take their fields from the record and that direction.
struct GridShown {
    GridParams& record;
    int d;
};
#define DIRECTION_FIELD(expr) \
    [](GridShown& shown) -> decltype(auto) { const int d = shown.d; return (shown.record.expr); }

// kNoPage items are never shown.
constexpr int kNoPage = -1;

// ---- Layout.

constexpr KvIntRect rowLabel(int32_t top) { return {10, top, 178, top + 20}; }
constexpr KvIntRect rowBox(int32_t top) { return {180, top, 240, top + 20}; }
constexpr KvIntRect pickButton(int32_t top) { return {250, top, 270, top + 20}; }
constexpr KvIntRect channelBox(int channel, int32_t top) {
    return {10 + 70 * channel, top, 70 + 70 * channel, top + 20};
}
constexpr KvIntRect settingsCheck(int32_t top) { return {10, top, 260, top + 14}; }
constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }

constexpr int32_t kGridRowTops[] = {112, 134, 156, 178, 200};  // page 1: counts and thicknesses
constexpr int32_t kModifyRowTops[] = {60, 82, 104};            // page 2: shift, skew, curve
constexpr int32_t kFillChannelTop = 83;
constexpr int32_t kStrokeChannelTop = 129;

// In the order they are made; zoom after the first page's boxes.
const SpinBox<GridShown> kSpinEdits[] = {
    {kItemLineCount, rowBox(kGridRowTops[0]), 3, 200, 1, nullptr, DIRECTION_FIELD(lineCount[d])},
    {kItemThickness, rowBox(kGridRowTops[1]), 0.1f, 300, 1, DIRECTION_FIELD(thickness[d])},
    {kItemAltThickness, rowBox(kGridRowTops[2]), -100, 100, 1, DIRECTION_FIELD(altThickness[d])},
    {kItemSkip, rowBox(kGridRowTops[3]), 0, 40, 1, nullptr, DIRECTION_FIELD(skipCount[d])},
    {kItemCreate, rowBox(kGridRowTops[4]), 1, 40, 1, nullptr, DIRECTION_FIELD(createCount[d])},
    {11, channelBox(0, kFillChannelTop), -400, 400, 3, DIRECTION_FIELD(fillChannel[0][d])},
    {12, channelBox(1, kFillChannelTop), -400, 400, 3, DIRECTION_FIELD(fillChannel[1][d])},
    {13, channelBox(2, kFillChannelTop), -400, 400, 3, DIRECTION_FIELD(fillChannel[2][d])},
    {14, channelBox(3, kFillChannelTop), -400, 400, 3, DIRECTION_FIELD(fillChannel[3][d])},
    {15, channelBox(0, kStrokeChannelTop), -400, 400, 3, DIRECTION_FIELD(strokeChannel[0][d])},
    {16, channelBox(1, kStrokeChannelTop), -400, 400, 3, DIRECTION_FIELD(strokeChannel[1][d])},
    {17, channelBox(2, kStrokeChannelTop), -400, 400, 3, DIRECTION_FIELD(strokeChannel[2][d])},
    {18, channelBox(3, kStrokeChannelTop), -400, 400, 3, DIRECTION_FIELD(strokeChannel[3][d])},
    {kItemWidthValue, {220, 152, 280, 172}, -400, 400, 3, DIRECTION_FIELD(widthValue[d])},
    {kItemShift, rowBox(kModifyRowTops[0]), -200, 200, 2, DIRECTION_FIELD(shift[d])},
    {kItemSkew, rowBox(kModifyRowTops[1]), -600, 600, 2, DIRECTION_FIELD(skew[d])},
    {kItemCurve, rowBox(kModifyRowTops[2]), -300, 300, 2, DIRECTION_FIELD(curve[d])},
};
constexpr std::size_t kFirstPageSpinEdits = 5;

// The zoom box is not a setting of the grid: it has its own notifier and no preview.
const SpinBox<GridParams> kZoomBox = {kItemZoom, {335, 230, 395, 250}, 1, 500, kAllPages, RECORD_FIELD(viewZoom)};

const Label kLabels[] = {
    {90, rowLabel(kGridRowTops[0]), "Number of lines", 1},
    {91, rowLabel(kGridRowTops[1]), "Line thickness (p)", 1},
    {92, rowLabel(kGridRowTops[2]), "Alternate line thickness (p)", 1},
    {93, rowLabel(kGridRowTops[3]), "Skip", 1},
    {94, rowLabel(kGridRowTops[4]), "Create", 1},
    {95, rowLabel(kModifyRowTops[0]), "Shift (p)", 2},
    {96, rowLabel(kModifyRowTops[1]), "Skew (%)", 2},
    {97, rowLabel(kModifyRowTops[2]), "Curve (p)", 2},
};

// Captions under the page buttons; the current page's is emphasised.
const Label kCaptions[] = {
    {84, {20, 40, 79, 55}, "Grid", kAllPages},
    {85, {90, 40, 149, 55}, "Modify", kAllPages},
    {86, {160, 40, 219, 55}, "Fill", kAllPages},
    {87, {220, 40, 300, 55}, "Settings", kAllPages},
};

const CheckBox<GridParams> kCheckBoxes[] = {
    {kItemPreview, {310, 130, 390, 144}, "Preview", kAllPages, RECORD_FIELD(preview)},
    {55, {250, 82, 270, 102}, "", 2, RECORD_FIELD(skewEnabled)},
    {51, {203, 60, 263, 80}, "Link", 1, RECORD_FIELD(link)},
    {kItemDeletePath, settingsCheck(60), "Delete definition path [after OK]", 4, RECORD_FIELD(deleteDefinitionPath)},
    {52, settingsCheck(77), "Settings [R]", 4, RECORD_FIELD(randomSettings)},
    {53, settingsCheck(94), "Jitter shift [R]", 4, RECORD_FIELD(jitterShift)},
    {54, settingsCheck(111), "Shift ratio", 4, RECORD_FIELD(shiftRatio)},
};

// "Opacity [R]" sits below "Shift ratio" but no page shows it; it follows the direction shown.
const CheckBox<GridShown> kRandomOpacityBox = {kItemRandomOpacity, settingsCheck(128), "Opacity [R]", kNoPage,
                                               DIRECTION_FIELD(randomOpacity[d])};

const char* const kPresetEntries[kGridPresetCount] = {
    " Reset",
    " 16 x 16 grid",
    " Grid filled with color from swatches palette",
    " Link up and across settings",
    " Alternate stroke width (Up/Across)",
    " Random line jitter (Up/Across)",
};
const char* const kDirectionEntries[kGridDirectionCount] = {" Up", " Across"};
const char* const kShapeEntries[kGridShapeCount] = {" Box", " Line", " Oval", " Guide"};
const char* const kFillModeEntries[kGridFillModeCount] = {
    " Fill Color - Ignore",
    " Fill Color - Add",
    " Fill Color - Accumulate",
    " Fill Color - Pulsed",
    " Fill Color - Rapid pulse",
    " Fill Color - Swap",
    " Set black To dialog setting",
    " Fill Color - Add randomized",
    " Fill Color - Accumulate randomized",
    " Fill Color - Add randomized (Use current Black dialog setting)",
    " Fill Color - Accumulate randomized(Use dialog setting Black)",
    " Randomized",
    " Randomized using dialog settings as limits",
    " Target fill color to dialog settings",
    " Target fill color to dialog settings (approx)",
    " Randomized based on swatches palette",
};
const char* const kStrokeModeEntries[kGridStrokeModeCount] = {
    " Stroke Color - Ignore",
    " Stroke Color - Add",
    " Stroke Color - Accumulate",
    " Stroke Color - Pulsed",
    " Stroke Color - Rapid pulse",
    " Stroke Color - Swap",
    " Set Black To Dialog setting",
    " Stroke Color - Add randomized",
    " Stroke Color - Accumulate randomized",
    " Stroke Color - Add randomized (Use current Black dialog setting)",
    " Stroke Color - Accumulate randomized(Use dialog setting Black)",
    " Randomized",
    " Randomized using dialog settings as limits",
    " Target stroke color to dialog settings",
    " Target stroke color to dialog settings (approx)",
};
const char* const kWidthModeEntries[kGridWidthModeCount] = {
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
    " Width to dialog settings",
    " Width to dialog settings (approx)",
    " Width - Multiplied",
    " Width - Jitter",
    " Width - Jitter (accumulate)",
};

// The preset list applies presets and the direction list switches the items; neither is read
// back with the values.
const PopupList<GridParams> kPresetList = {kItemPresets, {310, 160, 390, 180}, kAllPages, kPresetEntries,
                                           kGridPresetCount, RECORD_FIELD(presetIndex)};
const PopupList<GridParams> kDirectionList = {kItemDirection, {10, 60, 200, 80}, 1, kDirectionEntries,
                                              kGridDirectionCount, RECORD_FIELD(direction)};
const PopupList<GridParams> kShapeList = {kItemShape, {10, 83, 200, 103}, 1, kShapeEntries,
                                          kGridShapeCount, RECORD_FIELD(shape)};
// The mode lists show the direction shown.
const PopupList<GridShown> kModeLists[] = {
    {kItemFillMode, {10, 60, 200, 80}, 3, kFillModeEntries, kGridFillModeCount, DIRECTION_FIELD(fillMode[d])},
    {kItemStrokeMode, {10, 106, 200, 126}, 3, kStrokeModeEntries, kGridStrokeModeCount,
     DIRECTION_FIELD(strokeMode[d])},
    {kItemWidthMode, {10, 152, 200, 172}, 3, kWidthModeEntries, kGridWidthModeCount, DIRECTION_FIELD(widthMode[d])},
};

// Item notifiers and the pick buttons' tracker, defined below.
void OnGridValueChanged(KvItem item, KvNotifier notifier);
void OnGridDirection(KvItem item, KvNotifier notifier);
void OnGridPageButton(KvItem item, KvNotifier notifier);
void OnGridPreset(KvItem item, KvNotifier notifier);
void OnGridTumble(KvItem item, KvNotifier notifier);
void OnGridZoom(KvItem item, KvNotifier notifier);
int32_t TrackGridPickButton(KvItem item, KvTracker tracker);

// Pick buttons, by row: line count, thickness, alternate thickness, skip, create; then curve.
const Button kPickButtons[] = {
    {100, kKvPicturePushButtonType, pickButton(kGridRowTops[0]), nullptr, 1, nullptr, TrackGridPickButton},
    {101, kKvPicturePushButtonType, pickButton(kGridRowTops[1]), nullptr, 1, nullptr, TrackGridPickButton},
    {102, kKvPicturePushButtonType, pickButton(kGridRowTops[2]), nullptr, 1, nullptr, TrackGridPickButton},
    {103, kKvPicturePushButtonType, pickButton(kGridRowTops[3]), nullptr, 1, nullptr, TrackGridPickButton},
    {104, kKvPicturePushButtonType, pickButton(kGridRowTops[4]), nullptr, 1, nullptr, TrackGridPickButton},
    {105, kKvPicturePushButtonType, pickButton(kModifyRowTops[2]), nullptr, 2, nullptr, TrackGridPickButton},
};

const Button kPushButtons[] = {
    {kItemOk, kKvTextPushButtonType, {310, 10, 390, 30}, "OK", kAllPages, OnDialogOK<GridParams>, nullptr},
    {2, kKvTextPushButtonType, {310, 40, 390, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {70, kKvTextPushButtonType, {310, 70, 390, 90}, "Shuffle", kAllPages, OnGridValueChanged, nullptr},
    {71, kKvTextPushButtonType, {310, 100, 390, 120}, "Tumble", kAllPages, OnGridTumble, nullptr},
};

const Button kPageButtons[] = {
    {80, kKvPicturePushButtonType, pageButton(10), nullptr, kAllPages, OnGridPageButton, nullptr},
    {81, kKvPicturePushButtonType, pageButton(80), nullptr, kAllPages, OnGridPageButton, nullptr},
    {82, kKvPicturePushButtonType, pageButton(150), nullptr, kAllPages, OnGridPageButton, nullptr},
    {83, kKvPicturePushButtonType, pageButton(220), nullptr, kAllPages, OnGridPageButton, nullptr},
};

// ---- Enable rules: each group follows one setting of the direction shown.

constexpr int32_t kShiftOptionItems[] = {53, 54};
constexpr int32_t kSkewItems[] = {kItemSkew};
constexpr int32_t kFillChannelItems[] = {11, 12, 13, 14};
constexpr int32_t kStrokeChannelItems[] = {15, 16, 17, 18};
constexpr int32_t kWidthValueItems[] = {kItemWidthValue};

// ---- Record and items.

// The direction whose values the items show; the record may hold any value.
int shownDirection(const GridParams& record) { return record.direction == kGridAcross ? kGridAcross : kGridUp; }

GridShown shownValues(GridParams& record) { return {record, shownDirection(record)}; }

// Link on keeps the up direction shown; the items keep the values they show, and the next
// change stores them as the up values.
void applyLink(KvDialog dialog, GridParams& record) {
    sItem->enable(itemOf(dialog, kItemDirection), record.link == 0 ? 1 : 0);
    if (record.link == 0) return;
    record.direction = kGridUp;
    selectListEntry(dialog, kItemDirection, kGridUp);
}

void updateEnabling(KvDialog dialog, const GridParams& record) {
    const int d = shownDirection(record);
    enableItems(dialog, kShiftOptionItems, record.shift[d] != 0.0f);
    enableItems(dialog, kSkewItems, record.skewEnabled != 0);
    enableItems(dialog, kFillChannelItems, record.fillMode[d] != 0);
    enableItems(dialog, kStrokeChannelItems, record.strokeMode[d] != 0);
    enableItems(dialog, kWidthValueItems, record.widthMode[d] != 0);
}

// Every setting item into the record (the per-direction ones into the direction shown), then
// Link and the enable rules.
void readItems(KvDialog dialog, GridParams& record) {
    readRow(dialog, kShapeList, record);
    readRow(dialog, kDirectionList, record);
    GridShown shown = shownValues(record);
    readRows(dialog, kSpinEdits, shown);
    readRows(dialog, kCheckBoxes, record);
    readRow(dialog, kRandomOpacityBox, shown);
    readRows(dialog, kModeLists, shown);
    applyLink(dialog, record);
    updateEnabling(dialog, record);
}

// Puts the values of the direction shown into the per-direction items and lists.
void showDirection(KvDialog dialog, GridParams& record) {
    GridShown shown = shownValues(record);
    showRows(dialog, kSpinEdits, shown);
    showRow(dialog, kRandomOpacityBox, shown);
    showRows(dialog, kModeLists, shown);
}

void showPage(KvDialog dialog, int page) {
    placeRows(dialog, kSpinEdits, page);
    placeRows(dialog, kCheckBoxes, page);
    placeRows(dialog, kLabels, page);
    placeRow(dialog, kDirectionList, page);
    placeRow(dialog, kShapeList, page);
    placeRows(dialog, kModeLists, page);
    placeRows(dialog, kPickButtons, page);
}

// After a preset or Tumble wrote the record: the lists, the check boxes and the direction's
// values show it, then the page is refreshed (which previews).
void showRecord(KvDialog dialog, GridParams& record) {
    showRow(dialog, kShapeList, record);
    showRow(dialog, kDirectionList, record);
    showRows(dialog, kCheckBoxes, record);
    OnGridDirection(itemOf(dialog, kItemDirection), nullptr);
    refreshPage(dialog, kPages, record.page);
}

// ---- Notifiers.

void OnGridValueChanged(KvItem item, KvNotifier notifier) {
    notifyValueChanged<GridParams>(item, notifier, DefaultNotify::afterRecord, readItems, BuildGrid);
}

void OnGridDirection(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf<GridParams>(dialog);
    if (record == nullptr) return;
    readRow(dialog, kDirectionList, *record);
    showDirection(dialog, *record);
}

void OnGridPageButton(KvItem item, KvNotifier) { choosePage<GridParams>(item, kPages, showPage); }

void OnGridPreset(KvItem item, KvNotifier notifier) {
    rewriteRecord<GridParams>(
        item, notifier,
        [](KvDialog dialog, GridParams& record) {
            ApplyGridPreset(record, readListEntry(dialog, kItemPresets, record.presetIndex));
        },
        showRecord);
}

void OnGridTumble(KvItem item, KvNotifier notifier) {
    rewriteRecord<GridParams>(
        item, notifier, [](KvDialog, GridParams& record) { TumbleGridParams(record, sRandom->randomDraw); },
        showRecord);
}

// The zoom box, as the framework's but dividing the percentage by 100 (which can round apart
// from multiplying by 0.01).
void OnGridZoom(KvItem item, KvNotifier) {
    GridParams* record = recordOf<GridParams>(sItem->getDialog(item));
    if (record == nullptr) return;
    record->viewZoom = sItem->getRealValue(item);
    setFirstViewZoom(record->viewZoom / 100.0f);
}

// Sets one value of the direction shown from the mouse's horizontal position. The generator
// brings the counts into range for its own use.
void pickValue(KvDialog dialog, GridParams& record, int32_t button, KvViewHandle, KvRealPoint point) {
    const int d = shownDirection(record);
    const float x = point.x;
    switch (button) {
    case 100: setBoxValue(dialog, kItemLineCount, record.lineCount[d], gridTrunc(x) / 10); break;
    case 101: setBoxValue(dialog, kItemThickness, record.thickness[d], x * 0.1f); break;
    case 102: setBoxValue(dialog, kItemAltThickness, record.altThickness[d], x * 0.1f); break;
    case 103: setBoxValue(dialog, kItemSkip, record.skipCount[d], gridTrunc(x) / 10); break;
    case 104: setBoxValue(dialog, kItemCreate, record.createCount[d], gridTrunc(x) / 10); break;
    case 105: setBoxValue(dialog, kItemCurve, record.curve[d], x * 0.2f); break;
    default: break;
    }
}

int32_t TrackGridPickButton(KvItem item, KvTracker tracker) {
    return trackPickButton<GridParams>(item, tracker, kPages, pickValue);
}

// ---- Building the dialog.

// The per-direction boxes and "Opacity [R]" get their values when the direction is shown.
void createItems(KvDialog dialog, GridParams& record) {
    const std::span<const SpinBox<GridShown>> boxes(kSpinEdits);
    createRows(dialog, boxes.first(kFirstPageSpinEdits), OnGridValueChanged, nullptr);
    createRow(dialog, kZoomBox, OnGridZoom, &record);
    createRows(dialog, boxes.subspan(kFirstPageSpinEdits), OnGridValueChanged, nullptr);
    createRows(dialog, kLabels);
    createRows(dialog, kCheckBoxes, OnGridValueChanged, &record);
    createRow(dialog, kRandomOpacityBox, OnGridValueChanged, nullptr);
    createRows(dialog, kPickButtons);
    createRows(dialog, kPushButtons);
    createRow(dialog, kPresetList, OnGridPreset);
    createRow(dialog, kDirectionList, OnGridDirection);
    createRow(dialog, kShapeList, OnGridValueChanged);
    createRows(dialog, kModeLists, OnGridValueChanged);
    createRows(dialog, kPageButtons);
    createRows(dialog, kCaptions);
}

}  // namespace

KvResult InitGridDialog(KvDialog dialog) {
    GridParams* record = beginDialog<GridParams>(dialog, kDialogWidth, kDialogHeight);
    if (record == nullptr) return kResultBadParameter;

    createItems(dialog, *record);
    fillList(dialog, kDirectionList, *record);
    fillList(dialog, kShapeList, *record);
    GridShown shown = shownValues(*record);
    fillLists(dialog, kModeLists, shown);
    sItem->sendNotify(itemOf(dialog, kItemDirection), kKvUserChangedNotifier);
    fillList(dialog, kPresetList, *record);

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    // The selection is gathered before the first preview draws over it; a failed gather leaves
    // no list, and the first run gathers again.
    GatherSelectedArt();
    refreshPage(dialog, kPages, record->page);
    return kResultOk;
}
