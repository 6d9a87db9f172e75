// Ravelo's main dialog: items, pages, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, redraws the preview through the generator.
#include "line_dialog.h"

#include <cstddef>
#include <initializer_list>

#include "line_generator.h"
#include "line_numbers.h"
#include "line_params.h"
#include "plugin.h"

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
    kPageCount = 5,
};

// Items with page 0 are on every page; the others show only on their page.
constexpr int kAllPages = 0;

using RealField = float& (*)(LineParams&);
using IntField = int32_t& (*)(LineParams&);
// The record field an item shows, as a function returning a reference to it.
#define LINE_FIELD(member) [](LineParams& p) -> decltype(auto) { return (p.member); }

struct RealBox {
    int32_t id;
    KvIntRect bounds;
    float min, max;
    int page;
    RealField field;
};

struct IntBox {
    int32_t id;
    KvIntRect bounds;
    int32_t min, max;
    int page;
    IntField field;
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

// ---- Layout. Value boxes sit in a column at 180 with their labels to the left.

constexpr KvIntRect box(int32_t left, int32_t top, int32_t width = 60) { return {left, top, left + width, top + 20}; }
constexpr KvIntRect rowLabel(int32_t top) { return {10, top, 178, top + 20}; }
constexpr KvIntRect checkLeft(int32_t top) { return {10, top, 160, top + 14}; }
constexpr KvIntRect checkRight(int32_t top) { return {162, top, 319, top + 14}; }
constexpr KvIntRect pickButton(int32_t top) { return {250, top, 270, top + 20}; }
constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }

const RealBox kRealBoxes[] = {
    {kItemGap, box(180, 132), -500, 1000, 1, LINE_FIELD(gap)},
    {kItemThickness, box(180, 154), 0, 1000, 1, LINE_FIELD(thickness)},
    {kItemLineLength, box(180, 60), 0, 5000, 2, LINE_FIELD(lineLength)},
    {kItemAngle, box(180, 82), -180, 180, 2, LINE_FIELD(angle)},
    {11, box(180, 104), 1, 1000, 2, LINE_FIELD(scaleX)},
    {12, box(250, 104), 1, 1000, 2, LINE_FIELD(scaleY)},
    {kItemStartX, box(180, 126), -5000, 5000, 2, LINE_FIELD(startX)},
    {9, box(250, 126), -5000, 5000, 2, LINE_FIELD(startY)},
    {23, box(180, 82), -100000, 100000, 3, LINE_FIELD(maxLength)},
    {25, box(180, 104), -1000, 1000, 3, LINE_FIELD(lengthFactor)},
    {26, box(180, 126), -1000, 1000, 3, LINE_FIELD(thicknessFactor)},
    {27, box(180, 148), -1000, 1000, 3, LINE_FIELD(gapFactor)},
    {28, box(180, 170), -1000, 1000, 3, LINE_FIELD(angleFactor)},
    {13, box(10, 83), -400, 400, 4, LINE_FIELD(fillChannel[0])},
    {14, box(80, 83), -400, 400, 4, LINE_FIELD(fillChannel[1])},
    {15, box(150, 83), -400, 400, 4, LINE_FIELD(fillChannel[2])},
    {16, box(220, 83, 70), -400, 400, 4, LINE_FIELD(fillChannel[3])},
    {17, box(10, 129), -400, 400, 4, LINE_FIELD(strokeChannel[0])},
    {18, box(80, 129), -400, 400, 4, LINE_FIELD(strokeChannel[1])},
    {19, box(150, 129), -400, 400, 4, LINE_FIELD(strokeChannel[2])},
    {20, box(220, 129, 70), -400, 400, 4, LINE_FIELD(strokeChannel[3])},
    {21, box(220, 152, 70), -1000, 1000, 4, LINE_FIELD(widthValue)},
    {24, box(220, 175, 70), 0, 100, 4, LINE_FIELD(styleInterpolate)},
};

// The zoom box is not a setting of the lines: it has its own notifier and no preview.
const RealBox kZoomBox = {kItemZoom, box(420, 180), 1, 500, kAllPages, LINE_FIELD(viewZoom)};

const IntBox kIntBoxes[] = {
    {kItemLineCount, box(180, 110), 2, 500, 1, LINE_FIELD(lineCount)},
    {22, box(180, 60), 1, 50, 3, LINE_FIELD(repeatBlocks)},
};

const CheckBox kCheckBoxes[] = {
    {kItemPreview, {400, 130, 480, 144}, "Preview", kAllPages, LINE_FIELD(preview)},
    {kItemRandomOpacity, checkLeft(60), "Opacity [R]", 5, LINE_FIELD(randomOpacity)},
    {41, checkLeft(77), "Gap [R]", 5, LINE_FIELD(randomGap)},
    {42, checkLeft(94), "Thickness [R]", 5, LINE_FIELD(randomThickness)},
    {43, checkLeft(111), "Angle [R]", 5, LINE_FIELD(randomAngle)},
    {44, checkLeft(128), "Repeat length [R]", 5, LINE_FIELD(randomRepeatLength)},
    {45, checkLeft(145), "Length [R]", 5, LINE_FIELD(randomLength)},
    {46, checkLeft(162), "Rotate/start", 5, LINE_FIELD(rotateBlocks)},
    {47, checkLeft(179), "Alternate angle", 5, LINE_FIELD(alternateAngle)},
    {48, checkRight(60), "Angle 1", 5, LINE_FIELD(accumulateLineAngle)},
    {49, checkRight(77), "Angle 2", 5, LINE_FIELD(accumulateBlockAngle)},
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
const PopupList kPresetList = {kItemPresets, {400, 150, 480, 170}, kAllPages, kPresetEntries, kLinePresetCount,
                               LINE_FIELD(presetIndex)};

// The lists that show settings, filled in this order after the preset list is created.
const PopupList kShapeList = {kItemShape, {10, 82, 200, 102}, 1, kShapeEntries, kLineShapeCount, LINE_FIELD(shape)};
const PopupList kDirectionList = {kItemDirection, {10, 60, 200, 80}, 1, kDirectionEntries, kLineDirectionCount,
                                  LINE_FIELD(direction)};
const PopupList kModeLists[] = {
    {kItemFillMode, {10, 60, 210, 80}, 4, kFillModeEntries, kLineFillModeCount, LINE_FIELD(fillMode)},
    {kItemStrokeMode, {10, 106, 210, 126}, 4, kStrokeModeEntries, kLineStrokeModeCount, LINE_FIELD(strokeMode)},
    {kItemWidthMode, {10, 152, 210, 172}, 4, kWidthModeEntries, kLineWidthModeCount, LINE_FIELD(widthMode)},
};
const PopupList* const kValueLists[] = {&kShapeList, &kDirectionList, &kModeLists[0], &kModeLists[1],
                                        &kModeLists[2]};

#undef LINE_FIELD

// Item notifiers and the pick buttons' tracker, defined below.
void OnLineValueChanged(KvItem item, KvNotifier notifier);
void OnLinePageButton(KvItem item, KvNotifier notifier);
void OnLineOK(KvItem item, KvNotifier notifier);
void OnLinePreset(KvItem item, KvNotifier notifier);
void OnLineTumble(KvItem item, KvNotifier notifier);
void OnLineZoom(KvItem item, KvNotifier notifier);
int32_t TrackPickButton(KvItem item, KvTracker tracker);

const Button kButtons[] = {
    {kItemOk, kKvTextPushButtonType, {400, 10, 480, 30}, "OK", kAllPages, OnLineOK, nullptr},
    {2, kKvTextPushButtonType, {400, 40, 480, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {30, kKvTextPushButtonType, {400, 70, 480, 90}, "Shuffle", kAllPages, OnLineValueChanged, nullptr},
    {31, kKvTextPushButtonType, {400, 100, 480, 120}, "Tumble", kAllPages, OnLineTumble, nullptr},
    {120, kKvPicturePushButtonType, pageButton(10), nullptr, kAllPages, OnLinePageButton, nullptr},
    {121, kKvPicturePushButtonType, pageButton(80), nullptr, kAllPages, OnLinePageButton, nullptr},
    {122, kKvPicturePushButtonType, pageButton(150), nullptr, kAllPages, OnLinePageButton, nullptr},
    {123, kKvPicturePushButtonType, pageButton(220), nullptr, kAllPages, OnLinePageButton, nullptr},
    {124, kKvPicturePushButtonType, pageButton(290), nullptr, kAllPages, OnLinePageButton, nullptr},
    // Pick buttons: line count, gap, thickness; line length, angle.
    {140, kKvPicturePushButtonType, pickButton(110), nullptr, 1, nullptr, TrackPickButton},
    {141, kKvPicturePushButtonType, pickButton(132), nullptr, 1, nullptr, TrackPickButton},
    {142, kKvPicturePushButtonType, pickButton(154), nullptr, 1, nullptr, TrackPickButton},
    {143, kKvPicturePushButtonType, pickButton(60), nullptr, 2, nullptr, TrackPickButton},
    {144, kKvPicturePushButtonType, pickButton(82), nullptr, 2, nullptr, TrackPickButton},
};

// ---- Enable rules: the values under a mode list count only when a mode is chosen.

constexpr int32_t kFillValueItems[] = {13, 14, 15, 16};
constexpr int32_t kStrokeValueItems[] = {17, 18, 19, 20};
constexpr int32_t kWidthValueItems[] = {21};

// ---- Record and items.

LineParams* recordOf(KvDialog dialog) { return static_cast<LineParams*>(sDialog->getUserData(dialog)); }

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

void readItems(KvDialog dialog, LineParams& record) {
    for (const IntBox& box : kIntBoxes) box.field(record) = sItem->getIntValue(itemOf(dialog, box.id));
    for (const RealBox& box : kRealBoxes) box.field(record) = sItem->getRealValue(itemOf(dialog, box.id));
    for (const CheckBox& check : kCheckBoxes) {
        check.field(record) = sItem->getBooleanValue(itemOf(dialog, check.id)) != 0 ? 1 : 0;
    }
    for (const PopupList* list : kValueLists) {
        int32_t& field = list->field(record);
        field = readList(dialog, list->id, field);
    }
}

// Shows every setting in its item after a preset or Tumble wrote the record. The preset list
// and the zoom box keep what they show.
void showFields(KvDialog dialog, LineParams& record) {
    for (const PopupList* list : kValueLists) selectListEntry(dialog, list->id, list->field(record));
    for (const CheckBox& check : kCheckBoxes) sItem->setBooleanValue(itemOf(dialog, check.id), check.field(record));
    for (const RealBox& box : kRealBoxes) sItem->setRealValue(itemOf(dialog, box.id), box.field(record));
    for (const IntBox& box : kIntBoxes) sItem->setIntValue(itemOf(dialog, box.id), box.field(record));
}

void updateEnabling(KvDialog dialog, const LineParams& record) {
    enableItems(dialog, kStrokeValueItems, record.strokeMode != 0);
    enableItems(dialog, kFillValueItems, record.fillMode != 0);
    enableItems(dialog, kWidthValueItems, record.widthMode != 0);
}

// Shows the items of `page` and hides those of the other pages; items on every page stay.
void showPage(KvDialog dialog, int page) {
    auto place = [&](int32_t id, int itemPage) {
        if (itemPage != kAllPages) sItem->show(itemOf(dialog, id), itemPage == page ? 1 : 0);
    };
    for (const RealBox& box : kRealBoxes) place(box.id, box.page);
    for (const IntBox& box : kIntBoxes) place(box.id, box.page);
    for (const CheckBox& check : kCheckBoxes) place(check.id, check.page);
    for (const Label& label : kLabels) place(label.id, label.page);
    for (const PopupList* list : kValueLists) place(list->id, list->page);
    for (const Button& button : kButtons) place(button.id, button.page);
}

// Sends a change to a value item (which redraws the preview) and then to the page's button
// (which shows the page). A page outside 1 to 5 refreshes page 1. Page 3's value item is the
// start box of page 2: any value item previews the same.
void RefreshLinePage(KvDialog dialog, const LineParams& record) {
    struct PageTargets {
        int32_t valueItem, button;
    };
    static constexpr PageTargets kTargets[kPageCount] = {
        {kItemLineCount, 120}, {kItemLineLength, 121}, {kItemStartX, 122}, {kItemFillMode, 123},
        {kItemRandomOpacity, 124}};
    const int page = (record.page >= 1 && record.page <= kPageCount) ? record.page : 1;
    const PageTargets& targets = kTargets[page - 1];
    sItem->sendNotify(itemOf(dialog, targets.valueItem), kKvUserChangedNotifier);
    sItem->sendNotify(itemOf(dialog, targets.button), kKvUserChangedNotifier);
}

// ---- Notifiers.

void OnLineValueChanged(KvItem item, KvNotifier notifier) {
    const KvDialog dialog = sItem->getDialog(item);
    LineParams* record = recordOf(dialog);
    if (record == nullptr) return;
    record->finalRun = 0;
    sItem->defaultNotify(item, notifier);
    readItems(dialog, *record);
    updateEnabling(dialog, *record);
    if (record->preview != 0) {
        // A preview that fails part-way is not a result: with the flag cleared, the Go after
        // OK undoes it, draws again and reports the failure.
        record->previewDrawn = 1;
        if (DrawLines(*record) != kResultOk) record->previewDrawn = 0;
    } else {
        record->previewDrawn = 0;
    }
}

void OnLinePageButton(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    LineParams* record = recordOf(dialog);
    const int32_t index = sItem->getId(item) - kFirstPageButton;
    if (record == nullptr || index < 0 || index >= kPageCount) return;
    for (int32_t k = 0; k < kPageCount; ++k) sItem->setFont(itemOf(dialog, kFirstPageCaption + k), kFontNormal);
    record->page = index + 1;
    sItem->setFont(itemOf(dialog, kFirstPageCaption + index), kFontCaption);
    showPage(dialog, record->page);
}

void OnLineOK(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);  // ends the dialog with item 1; its items stay readable
    const KvDialog dialog = sItem->getDialog(item);
    LineParams* record = recordOf(dialog);
    KvIntRect bounds{};
    if (record == nullptr || sDialog->getBounds(dialog, &bounds) != kResultOk) return;
    record->dialogBounds = bounds;
    record->dialogBoundsSaved = 1;
}

void OnLinePreset(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    LineParams* record = recordOf(dialog);
    if (record == nullptr) return;
    ApplyLinePreset(*record, readList(dialog, kItemPresets, record->presetIndex));
    showFields(dialog, *record);
    RefreshLinePage(dialog, *record);
}

void OnLineTumble(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    LineParams* record = recordOf(dialog);
    if (record == nullptr) return;
    TumbleLineParams(*record, sRandom->randomDraw);
    showFields(dialog, *record);
    RefreshLinePage(dialog, *record);
}

void OnLineZoom(KvItem item, KvNotifier) {
    LineParams* record = recordOf(sItem->getDialog(item));
    if (record == nullptr) return;
    record->viewZoom = sItem->getRealValue(item);
    KvViewHandle view = nullptr;
    if (sView->getNthView(0, &view) == kResultOk) sView->setViewZoom(view, record->viewZoom * 0.01f);
}

// The mouse point of the current tracking event, taken as a point of view 0, in artwork
// coordinates.
bool pickedPoint(KvViewHandle* view, KvRealPoint* artworkPoint) {
    KvIntPoint viewPoint{};
    if (sTracker->getPoint(nullptr, &viewPoint) != kResultOk) return false;
    if (sView->getNthView(0, view) != kResultOk) return false;
    return sView->viewPointToArtworkPoint(*view, &viewPoint, artworkPoint) == kResultOk;
}

// Sets one value from the mouse's position while the pick modifier is held. Values may land
// outside their box's range; the generator copes with any of them.
void pickValue(KvDialog dialog, LineParams& record, int32_t button, KvViewHandle view, KvRealPoint point) {
    constexpr float kSixth = 0.16666667f;
    record.direction = readList(dialog, kItemDirection, record.direction);
    const bool upwards = record.direction == kLinesUpwards;
    const float a = upwards ? point.y : point.x;  // the position along the stacking direction
    auto setReal = [&](float& field, float value, int32_t boxId) {
        field = value;
        sItem->setRealValue(itemOf(dialog, boxId), value);
    };
    switch (button) {
    case 140:
        record.lineCount = truncToInt(a) / 10;
        sItem->setIntValue(itemOf(dialog, kItemLineCount), record.lineCount);
        break;
    case 141: setReal(record.gap, a / 4.0f - 100.0f, kItemGap); break;
    case 142: setReal(record.thickness, a * kSixth, kItemThickness); break;
    case 143: setReal(record.lineLength, upwards ? point.x : point.y, kItemLineLength); break;
    case 144: {
        KvRealPoint centre{};
        if (sView->getViewCenter(view, &centre) != kResultOk) break;
        setReal(record.angle, sMath->radiansToDegrees(sMath->pointAngle(&point, &centre)), kItemAngle);
        break;
    }
    default: break;
    }
}

int32_t TrackPickButton(KvItem item, KvTracker tracker) {
    const KvDialog dialog = sItem->getDialog(item);
    LineParams* record = recordOf(dialog);
    if (record == nullptr) return 1;
    if ((sTracker->getModifiers(nullptr) & kModifierPick) != 0) {
        sItem->defaultTrack(item, tracker);
        KvViewHandle view = nullptr;
        KvRealPoint point{};
        if (pickedPoint(&view, &point)) pickValue(dialog, *record, sItem->getId(item), view, point);
    }
    RefreshLinePage(dialog, *record);
    return 1;
}

// ---- Building the dialog.

// A new item, hidden unless it belongs on page 1 or on every page.
KvItem createItem(KvDialog dialog, int32_t id, const char* type, const KvIntRect& bounds, int page) {
    const KvItem item = sDialog->createItem(dialog, id, type, &bounds, nullptr, nullptr);
    if (page != kAllPages && page != 1) sItem->show(item, 0);
    return item;
}

void createRealBox(KvDialog dialog, const RealBox& box, LineParams& record, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    sItem->setPrecision(item, 2);
    sItem->setMinRealValue(item, box.min);
    sItem->setMaxRealValue(item, box.max);
    sItem->setRealValue(item, box.field(record));
    sItem->setNotifyProc(item, notifier);
}

void createIntBox(KvDialog dialog, const IntBox& box, LineParams& record) {
    const KvItem item = createItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    sItem->setPrecision(item, 0);
    sItem->setMinIntValue(item, box.min);
    sItem->setMaxIntValue(item, box.max);
    sItem->setIntValue(item, box.field(record));
    sItem->setNotifyProc(item, OnLineValueChanged);
}

void createPopup(KvDialog dialog, const PopupList& list, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, list.id, kKvPopupListType, list.bounds, list.page);
    sItem->setNotifyProc(item, notifier);
}

// Entry i gets its text and the identifier i; the entry of the record's value is selected.
void fillPopup(KvDialog dialog, const PopupList& list, LineParams& record) {
    const KvList entries = sItem->getList(itemOf(dialog, list.id));
    for (int32_t index = 0; index < list.entryCount; ++index) {
        const KvEntry entry = sList->insertEntry(entries, index);
        sEntry->setText(entry, list.entries[index]);
        sEntry->setId(entry, index);
    }
    selectListEntry(dialog, list.id, list.field(record));
}

void createItems(KvDialog dialog, LineParams& record) {
    for (const IntBox& box : kIntBoxes) createIntBox(dialog, box, record);
    for (const RealBox& box : kRealBoxes) createRealBox(dialog, box, record, OnLineValueChanged);
    createRealBox(dialog, kZoomBox, record, OnLineZoom);
    for (const Label& label : kLabels) {
        const KvItem item = createItem(dialog, label.id, kKvTextStaticType, label.bounds, label.page);
        sItem->setText(item, label.text);
    }
    for (const CheckBox& check : kCheckBoxes) {
        const KvItem item = createItem(dialog, check.id, kKvTextCheckBoxType, check.bounds, check.page);
        sItem->setText(item, check.text);
        sItem->setBooleanValue(item, check.field(record));
        sItem->setNotifyProc(item, OnLineValueChanged);
    }
    createPopup(dialog, kPresetList, OnLinePreset);
    for (const PopupList* list : kValueLists) createPopup(dialog, *list, OnLineValueChanged);
    for (const Button& button : kButtons) {
        const KvItem item = createItem(dialog, button.id, button.type, button.bounds, button.page);
        if (button.text != nullptr) sItem->setText(item, button.text);
        if (button.notifier != nullptr) sItem->setNotifyProc(item, button.notifier);
        if (button.tracker != nullptr) sItem->setTrackProc(item, button.tracker);
    }
}

}  // namespace

KvResult InitLinesDialog(KvDialog dialog) {
    LineParams* record = recordOf(dialog);
    if (record == nullptr) return kResultBadParameter;
    if (record->dialogBoundsSaved == 1) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, kDialogWidth, kDialogHeight);

    createItems(dialog, *record);
    for (const PopupList* list : {&kShapeList, &kDirectionList, &kPresetList}) fillPopup(dialog, *list, *record);
    for (const PopupList& list : kModeLists) fillPopup(dialog, list, *record);

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    RefreshLinePage(dialog, *record);
    return kResultOk;
}
