// Quadrel's main dialog: items, pages, directions, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. The per-direction items show the values of the
// direction chosen in the direction list; every change reads all items back into the record
// (into that direction) and, with "Preview" on, redraws the preview through the generator.
#include "grid_dialog.h"

#include <cstddef>
#include <iterator>

#include "grid_generator.h"
#include "grid_numbers.h"
#include "grid_params.h"
#include "plugin.h"

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
    kPageCount = 4,
};

// Items with page 0 are on every page; kNoPage items are never shown.
constexpr int kAllPages = 0;
constexpr int kNoPage = -1;

using RealField = float& (*)(GridParams&, int d);
using IntField = int32_t& (*)(GridParams&, int d);
// The record field an item shows for direction d (fields without a direction ignore d).
#define GRID_FIELD(expr) [](GridParams & p, [[maybe_unused]] int d) -> decltype(auto) { return (p.expr); }

struct SpinEdit {
    int32_t id;
    KvIntRect bounds;
    float min, max;
    int page;
    RealField real;         // real spin edits (2 decimals)
    IntField integer;       // integer spin edits; null for real ones
};

struct CheckBox {
    int32_t id;
    KvIntRect bounds;
    const char* text;
    int page;
    IntField field;
};

struct Label {
    int32_t id;
    KvIntRect bounds;
    const char* text;
    int page;
};

struct PopupList {
    int32_t id;
    KvIntRect bounds;
    int page;
    const char* const* entries;
    int32_t entryCount;
    IntField field;
};

struct Button {
    int32_t id;
    const char* type;
    KvIntRect bounds;
    const char* text;  // null for picture push buttons
    int page;
    KvNotifyProc notifier;
    KvTrackProc tracker;
};

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
const SpinEdit kSpinEdits[] = {
    {kItemLineCount, rowBox(kGridRowTops[0]), 3, 200, 1, nullptr, GRID_FIELD(lineCount[d])},
    {kItemThickness, rowBox(kGridRowTops[1]), 0.1f, 300, 1, GRID_FIELD(thickness[d]), nullptr},
    {kItemAltThickness, rowBox(kGridRowTops[2]), -100, 100, 1, GRID_FIELD(altThickness[d]), nullptr},
    {kItemSkip, rowBox(kGridRowTops[3]), 0, 40, 1, nullptr, GRID_FIELD(skipCount[d])},
    {kItemCreate, rowBox(kGridRowTops[4]), 1, 40, 1, nullptr, GRID_FIELD(createCount[d])},
    {11, channelBox(0, kFillChannelTop), -400, 400, 3, GRID_FIELD(fillChannel[0][d]), nullptr},
    {12, channelBox(1, kFillChannelTop), -400, 400, 3, GRID_FIELD(fillChannel[1][d]), nullptr},
    {13, channelBox(2, kFillChannelTop), -400, 400, 3, GRID_FIELD(fillChannel[2][d]), nullptr},
    {14, channelBox(3, kFillChannelTop), -400, 400, 3, GRID_FIELD(fillChannel[3][d]), nullptr},
    {15, channelBox(0, kStrokeChannelTop), -400, 400, 3, GRID_FIELD(strokeChannel[0][d]), nullptr},
    {16, channelBox(1, kStrokeChannelTop), -400, 400, 3, GRID_FIELD(strokeChannel[1][d]), nullptr},
    {17, channelBox(2, kStrokeChannelTop), -400, 400, 3, GRID_FIELD(strokeChannel[2][d]), nullptr},
    {18, channelBox(3, kStrokeChannelTop), -400, 400, 3, GRID_FIELD(strokeChannel[3][d]), nullptr},
    {kItemWidthValue, {220, 152, 280, 172}, -400, 400, 3, GRID_FIELD(widthValue[d]), nullptr},
    {kItemShift, rowBox(kModifyRowTops[0]), -200, 200, 2, GRID_FIELD(shift[d]), nullptr},
    {kItemSkew, rowBox(kModifyRowTops[1]), -600, 600, 2, GRID_FIELD(skew[d]), nullptr},
    {kItemCurve, rowBox(kModifyRowTops[2]), -300, 300, 2, GRID_FIELD(curve[d]), nullptr},
};
constexpr std::size_t kFirstPageSpinEdits = 5;

// The zoom box is not a setting of the grid: it has its own notifier and no preview.
const SpinEdit kZoomBox = {kItemZoom, {335, 230, 395, 250}, 1, 500, kAllPages, GRID_FIELD(viewZoom), nullptr};

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
const Label kCaptions[kPageCount] = {
    {84, {20, 40, 79, 55}, "Grid", kAllPages},
    {85, {90, 40, 149, 55}, "Modify", kAllPages},
    {86, {160, 40, 219, 55}, "Fill", kAllPages},
    {87, {220, 40, 300, 55}, "Settings", kAllPages},
};

const CheckBox kCheckBoxes[] = {
    {kItemPreview, {310, 130, 390, 144}, "Preview", kAllPages, GRID_FIELD(preview)},
    {55, {250, 82, 270, 102}, "", 2, GRID_FIELD(skewEnabled)},
    {51, {203, 60, 263, 80}, "Link", 1, GRID_FIELD(link)},
    {kItemDeletePath, settingsCheck(60), "Delete definition path [after OK]", 4, GRID_FIELD(deleteDefinitionPath)},
    {52, settingsCheck(77), "Settings [R]", 4, GRID_FIELD(randomSettings)},
    {53, settingsCheck(94), "Jitter shift [R]", 4, GRID_FIELD(jitterShift)},
    {54, settingsCheck(111), "Shift ratio", 4, GRID_FIELD(shiftRatio)},
};

// "Opacity [R]" sits below "Shift ratio" but no page shows it; it follows the direction shown.
const CheckBox kRandomOpacityBox = {kItemRandomOpacity, settingsCheck(128), "Opacity [R]", kNoPage,
                                    GRID_FIELD(randomOpacity[d])};

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
const PopupList kPresetList = {kItemPresets, {310, 160, 390, 180}, kAllPages, kPresetEntries, kGridPresetCount,
                               GRID_FIELD(presetIndex)};
const PopupList kDirectionList = {kItemDirection, {10, 60, 200, 80}, 1, kDirectionEntries, kGridDirectionCount,
                                  GRID_FIELD(direction)};
const PopupList kShapeList = {kItemShape, {10, 83, 200, 103}, 1, kShapeEntries, kGridShapeCount, GRID_FIELD(shape)};
// The mode lists show the direction shown.
const PopupList kModeLists[] = {
    {kItemFillMode, {10, 60, 200, 80}, 3, kFillModeEntries, kGridFillModeCount, GRID_FIELD(fillMode[d])},
    {kItemStrokeMode, {10, 106, 200, 126}, 3, kStrokeModeEntries, kGridStrokeModeCount, GRID_FIELD(strokeMode[d])},
    {kItemWidthMode, {10, 152, 200, 172}, 3, kWidthModeEntries, kGridWidthModeCount, GRID_FIELD(widthMode[d])},
};

#undef GRID_FIELD

// Item notifiers and the pick buttons' tracker, defined below.
void OnGridValueChanged(KvItem item, KvNotifier notifier);
void OnGridDirection(KvItem item, KvNotifier notifier);
void OnGridPageButton(KvItem item, KvNotifier notifier);
void OnGridOK(KvItem item, KvNotifier notifier);
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
    {kItemOk, kKvTextPushButtonType, {310, 10, 390, 30}, "OK", kAllPages, OnGridOK, nullptr},
    {2, kKvTextPushButtonType, {310, 40, 390, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {70, kKvTextPushButtonType, {310, 70, 390, 90}, "Shuffle", kAllPages, OnGridValueChanged, nullptr},
    {71, kKvTextPushButtonType, {310, 100, 390, 120}, "Tumble", kAllPages, OnGridTumble, nullptr},
};

const Button kPageButtons[kPageCount] = {
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

GridParams* recordOf(KvDialog dialog) { return static_cast<GridParams*>(sDialog->getUserData(dialog)); }

KvItem itemOf(KvDialog dialog, int32_t id) { return sDialog->getItem(dialog, id); }

template <std::size_t N>
void enableItems(KvDialog dialog, const int32_t (&ids)[N], bool enabled) {
    for (int32_t id : ids) sItem->enable(itemOf(dialog, id), enabled ? 1 : 0);
}

// The identifier of the list's active entry, which is the entry's index; `current` when the
// list has no entry.
int32_t readList(KvDialog dialog, int32_t id, int32_t current) {
    const KvEntry entry = sList->getActiveEntry(sItem->getList(itemOf(dialog, id)));
    return entry != nullptr ? sEntry->getId(entry) : current;
}

// Selects entry `index`; an index the list does not have selects nothing.
void selectListEntry(KvDialog dialog, int32_t id, int32_t index) {
    const KvEntry entry = sList->indexEntry(sItem->getList(itemOf(dialog, id)), index);
    if (entry != nullptr) sEntry->select(entry, 1);
}

// The direction whose values the items show; the record may hold any value.
int shownDirection(const GridParams& record) { return record.direction == kGridAcross ? kGridAcross : kGridUp; }

void readItems(KvDialog dialog, GridParams& record) {
    record.shape = readList(dialog, kItemShape, record.shape);
    record.direction = readList(dialog, kItemDirection, record.direction);
    const int d = shownDirection(record);
    for (const SpinEdit& box : kSpinEdits) {
        const KvItem item = itemOf(dialog, box.id);
        if (box.integer != nullptr) {
            box.integer(record, d) = sItem->getIntValue(item);
        } else {
            box.real(record, d) = sItem->getRealValue(item);
        }
    }
    for (const CheckBox& check : kCheckBoxes) {
        check.field(record, d) = sItem->getBooleanValue(itemOf(dialog, check.id)) != 0 ? 1 : 0;
    }
    kRandomOpacityBox.field(record, d) = sItem->getBooleanValue(itemOf(dialog, kItemRandomOpacity)) != 0 ? 1 : 0;
    for (const PopupList& list : kModeLists) {
        int32_t& field = list.field(record, d);
        field = readList(dialog, list.id, field);
    }
}

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

// Puts the values of the direction shown into the per-direction items and lists.
void showDirection(KvDialog dialog, GridParams& record) {
    const int d = shownDirection(record);
    for (const SpinEdit& box : kSpinEdits) {
        const KvItem item = itemOf(dialog, box.id);
        if (box.integer != nullptr) {
            sItem->setIntValue(item, box.integer(record, d));
        } else {
            sItem->setRealValue(item, box.real(record, d));
        }
    }
    sItem->setBooleanValue(itemOf(dialog, kItemRandomOpacity), kRandomOpacityBox.field(record, d));
    for (const PopupList& list : kModeLists) selectListEntry(dialog, list.id, list.field(record, d));
}

// Shows the items of `page` and hides those of the other pages; items on every page stay.
void showPage(KvDialog dialog, int page) {
    auto place = [&](int32_t id, int itemPage) {
        if (itemPage != kAllPages) sItem->show(itemOf(dialog, id), itemPage == page ? 1 : 0);
    };
    for (const SpinEdit& box : kSpinEdits) place(box.id, box.page);
    for (const CheckBox& check : kCheckBoxes) place(check.id, check.page);
    for (const Label& label : kLabels) place(label.id, label.page);
    place(kDirectionList.id, kDirectionList.page);
    place(kShapeList.id, kShapeList.page);
    for (const PopupList& list : kModeLists) place(list.id, list.page);
    for (const Button& button : kPickButtons) place(button.id, button.page);
}

// Sends a change to the page's first value item (which redraws the preview) and then to its
// page button (which shows the page). A page outside 1 to 4 refreshes page 1.
void RefreshGridPage(KvDialog dialog, const GridParams& record) {
    struct PageTargets {
        int32_t firstItem, button;
    };
    static constexpr PageTargets kTargets[kPageCount] = {
        {kItemLineCount, 80}, {kItemShift, 81}, {kItemFirstFillChannel, 82}, {kItemDeletePath, 83}};
    const int page = (record.page >= 1 && record.page <= kPageCount) ? record.page : 1;
    const PageTargets& targets = kTargets[page - 1];
    sItem->sendNotify(itemOf(dialog, targets.firstItem), kKvUserChangedNotifier);
    sItem->sendNotify(itemOf(dialog, targets.button), kKvUserChangedNotifier);
}

// After a preset or Tumble wrote the record: the lists, the check boxes and the direction's
// values show it, then the page is refreshed (which previews).
void showRecord(KvDialog dialog, GridParams& record) {
    selectListEntry(dialog, kItemShape, record.shape);
    selectListEntry(dialog, kItemDirection, record.direction);
    for (const CheckBox& check : kCheckBoxes) sItem->setBooleanValue(itemOf(dialog, check.id), check.field(record, 0));
    OnGridDirection(itemOf(dialog, kItemDirection), nullptr);
    RefreshGridPage(dialog, record);
}

// ---- Notifiers.

void OnGridValueChanged(KvItem item, KvNotifier notifier) {
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    if (record == nullptr) return;
    record->finalRun = 0;
    sItem->defaultNotify(item, notifier);
    readItems(dialog, *record);
    applyLink(dialog, *record);
    updateEnabling(dialog, *record);
    if (record->preview != 0) {
        // A preview that fails part-way is not a result: with the flag cleared, the Go after
        // OK undoes it, draws again and reports the failure.
        record->previewDrawn = 1;
        if (BuildGrid(*record) != kResultOk) record->previewDrawn = 0;
    } else {
        record->previewDrawn = 0;
    }
}

void OnGridDirection(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    if (record == nullptr) return;
    record->direction = readList(dialog, kItemDirection, record->direction);
    showDirection(dialog, *record);
}

void OnGridPageButton(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    const int32_t index = sItem->getId(item) - kFirstPageButton;
    if (record == nullptr || index < 0 || index >= kPageCount) return;
    for (int32_t k = 0; k < kPageCount; ++k) sItem->setFont(itemOf(dialog, kFirstPageCaption + k), kFontNormal);
    record->page = index + 1;
    sItem->setFont(itemOf(dialog, kFirstPageCaption + index), kFontCaption);
    showPage(dialog, record->page);
}

void OnGridOK(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);  // ends the dialog with item 1; its items stay readable
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    KvIntRect bounds{};
    if (record == nullptr || sDialog->getBounds(dialog, &bounds) != kResultOk) return;
    record->dialogBounds = bounds;
    record->dialogBoundsSaved = 1;
}

void OnGridPreset(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    if (record == nullptr) return;
    ApplyGridPreset(*record, readList(dialog, kItemPresets, record->presetIndex));
    showRecord(dialog, *record);
}

void OnGridTumble(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    if (record == nullptr) return;
    TumbleGridParams(*record, sRandom->randomDraw);
    showRecord(dialog, *record);
}

void OnGridZoom(KvItem item, KvNotifier) {
    GridParams* record = recordOf(sItem->getDialog(item));
    if (record == nullptr) return;
    record->viewZoom = sItem->getRealValue(item);
    KvViewHandle view = nullptr;
    if (sView->getNthView(0, &view) == kResultOk) sView->setViewZoom(view, record->viewZoom / 100.0f);
}

// The artwork x of the mouse in the current tracking event, taken as a point of view 0.
bool pickedX(float* x) {
    KvIntPoint viewPoint{};
    KvViewHandle view = nullptr;
    KvRealPoint artworkPoint{};
    if (sTracker->getPoint(nullptr, &viewPoint) != kResultOk) return false;
    if (sView->getNthView(0, &view) != kResultOk) return false;
    if (sView->viewPointToArtworkPoint(view, &viewPoint, &artworkPoint) != kResultOk) return false;
    *x = artworkPoint.x;
    return true;
}

// Sets one value of the direction shown from the mouse's horizontal position. Values may land
// outside their box's range; the generator brings the counts into range for its own use.
void pickValue(KvDialog dialog, GridParams& record, int32_t button, float x) {
    const int d = shownDirection(record);
    auto setReal = [&](float& field, float value, int32_t boxId) {
        field = value;
        sItem->setRealValue(itemOf(dialog, boxId), value);
    };
    auto setInt = [&](int32_t& field, int32_t value, int32_t boxId) {
        field = value;
        sItem->setIntValue(itemOf(dialog, boxId), value);
    };
    switch (button) {
    case 100: setInt(record.lineCount[d], gridTrunc(x) / 10, kItemLineCount); break;
    case 101: setReal(record.thickness[d], x * 0.1f, kItemThickness); break;
    case 102: setReal(record.altThickness[d], x * 0.1f, kItemAltThickness); break;
    case 103: setInt(record.skipCount[d], gridTrunc(x) / 10, kItemSkip); break;
    case 104: setInt(record.createCount[d], gridTrunc(x) / 10, kItemCreate); break;
    case 105: setReal(record.curve[d], x * 0.2f, kItemCurve); break;
    default: break;
    }
}

int32_t TrackGridPickButton(KvItem item, KvTracker tracker) {
    const KvDialog dialog = sItem->getDialog(item);
    GridParams* record = recordOf(dialog);
    if (record == nullptr) return 1;
    if ((sTracker->getModifiers(nullptr) & kModifierPick) != 0) {
        sItem->defaultTrack(item, tracker);
        float x = 0.0f;
        if (pickedX(&x)) pickValue(dialog, *record, sItem->getId(item), x);
    }
    RefreshGridPage(dialog, *record);
    return 1;
}

// ---- Building the dialog.

// A new item, hidden unless it belongs on page 1 or on every page.
KvItem createItem(KvDialog dialog, int32_t id, const char* type, const KvIntRect& bounds, int page) {
    const KvItem item = sDialog->createItem(dialog, id, type, &bounds, nullptr, nullptr);
    if (page != kAllPages && page != 1) sItem->show(item, 0);
    return item;
}

void createSpinEdit(KvDialog dialog, const SpinEdit& box, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    if (box.integer != nullptr) {
        sItem->setPrecision(item, 0);
        sItem->setMinIntValue(item, static_cast<int32_t>(box.min));
        sItem->setMaxIntValue(item, static_cast<int32_t>(box.max));
    } else {
        sItem->setPrecision(item, 2);
        sItem->setMinRealValue(item, box.min);
        sItem->setMaxRealValue(item, box.max);
    }
    sItem->setNotifyProc(item, notifier);
}

// Check boxes made without a record get their value when their direction is shown.
void createCheckBox(KvDialog dialog, const CheckBox& check, GridParams* record) {
    const KvItem item = createItem(dialog, check.id, kKvTextCheckBoxType, check.bounds, check.page);
    sItem->setText(item, check.text);
    if (record != nullptr) sItem->setBooleanValue(item, check.field(*record, 0));
    sItem->setNotifyProc(item, OnGridValueChanged);
}

void createLabel(KvDialog dialog, const Label& label) {
    const KvItem item = createItem(dialog, label.id, kKvTextStaticType, label.bounds, label.page);
    sItem->setText(item, label.text);
}

void createButton(KvDialog dialog, const Button& button) {
    const KvItem item = createItem(dialog, button.id, button.type, button.bounds, button.page);
    if (button.text != nullptr) sItem->setText(item, button.text);
    if (button.notifier != nullptr) sItem->setNotifyProc(item, button.notifier);
    if (button.tracker != nullptr) sItem->setTrackProc(item, button.tracker);
}

void createPopup(KvDialog dialog, const PopupList& list, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, list.id, kKvPopupListType, list.bounds, list.page);
    sItem->setNotifyProc(item, notifier);
}

// Entry i gets its text and the identifier i; the entry of the record's value is selected.
void fillPopup(KvDialog dialog, const PopupList& list, GridParams& record) {
    const KvList entries = sItem->getList(itemOf(dialog, list.id));
    for (int32_t index = 0; index < list.entryCount; ++index) {
        const KvEntry entry = sList->insertEntry(entries, index);
        sEntry->setText(entry, list.entries[index]);
        sEntry->setId(entry, index);
    }
    selectListEntry(dialog, list.id, list.field(record, shownDirection(record)));
}

void createItems(KvDialog dialog, GridParams& record) {
    for (std::size_t i = 0; i < std::size(kSpinEdits); ++i) {
        createSpinEdit(dialog, kSpinEdits[i], OnGridValueChanged);
        if (i + 1 == kFirstPageSpinEdits) {
            createSpinEdit(dialog, kZoomBox, OnGridZoom);
            sItem->setRealValue(itemOf(dialog, kItemZoom), record.viewZoom);
        }
    }
    for (const Label& label : kLabels) createLabel(dialog, label);
    for (const CheckBox& check : kCheckBoxes) createCheckBox(dialog, check, &record);
    createCheckBox(dialog, kRandomOpacityBox, nullptr);
    sItem->show(itemOf(dialog, kItemRandomOpacity), 0);
    for (const Button& button : kPickButtons) createButton(dialog, button);
    for (const Button& button : kPushButtons) createButton(dialog, button);
    createPopup(dialog, kPresetList, OnGridPreset);
    createPopup(dialog, kDirectionList, OnGridDirection);
    createPopup(dialog, kShapeList, OnGridValueChanged);
    for (const PopupList& list : kModeLists) createPopup(dialog, list, OnGridValueChanged);
    for (const Button& button : kPageButtons) createButton(dialog, button);
    for (const Label& caption : kCaptions) createLabel(dialog, caption);
}

}  // namespace

KvResult InitGridDialog(KvDialog dialog) {
    GridParams* record = recordOf(dialog);
    if (record == nullptr) return kResultBadParameter;
    if (record->dialogBoundsSaved == 1) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, kDialogWidth, kDialogHeight);

    createItems(dialog, *record);
    fillPopup(dialog, kDirectionList, *record);
    fillPopup(dialog, kShapeList, *record);
    for (const PopupList& list : kModeLists) fillPopup(dialog, list, *record);
    sItem->sendNotify(itemOf(dialog, kItemDirection), kKvUserChangedNotifier);
    fillPopup(dialog, kPresetList, *record);

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    // The selection is gathered before the first preview draws over it; a failed gather leaves
    // no list, and the first run gathers again.
    GatherSelectedArt();
    RefreshGridPage(dialog, *record);
    return kResultOk;
}
