// Tessivo's main dialog: items, pages, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, redraws the preview through the generator.
#include "edge_dialog.h"

#include <cstddef>

#include "edge_generator.h"
#include "edge_numbers.h"
#include "edge_params.h"
#include "plugin.h"

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
    kPageCount = 6,
};

// Items with page 0 are on every page; the others show only on their page.
constexpr int kAllPages = 0;

using RealField = float& (*)(EdgeFrameParams&);
using IntField = int32_t& (*)(EdgeFrameParams&);
// The record field an item shows, as a function returning a reference to it.
#define EDGE_FIELD(member) [](EdgeFrameParams& p) -> decltype(auto) { return (p.member); }

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

const RealBox kRealBoxes[] = {
    {4, sideBox(0, 0), -2000, 2000, 1, EDGE_FIELD(teethHeight[0])},
    {5, sideBox(1, 0), -2000, 2000, 1, EDGE_FIELD(teethHeight[1])},
    {6, sideBox(2, 0), -2000, 2000, 1, EDGE_FIELD(teethHeight[2])},
    {7, sideBox(3, 0), -2000, 2000, 1, EDGE_FIELD(teethHeight[3])},
    {8, sideBox(0, 1), -1, 2000, 1, EDGE_FIELD(teethGap[0])},
    {9, sideBox(1, 1), 1, 2000, 1, EDGE_FIELD(teethGap[1])},
    {10, sideBox(2, 1), 1, 2000, 1, EDGE_FIELD(teethGap[2])},
    {11, sideBox(3, 1), 1, 2000, 1, EDGE_FIELD(teethGap[3])},
    {12, sideBox(0, 2), -2000, 2000, 1, EDGE_FIELD(teethSlant[0])},
    {13, sideBox(1, 2), -2000, 2000, 1, EDGE_FIELD(teethSlant[1])},
    {14, sideBox(2, 2), -2000, 2000, 1, EDGE_FIELD(teethSlant[2])},
    {15, sideBox(3, 2), -2000, 2000, 1, EDGE_FIELD(teethSlant[3])},
    {16, sideBox(0, 3), -2000, 2000, 1, EDGE_FIELD(teethBase[0])},
    {17, sideBox(1, 3), -2000, 2000, 1, EDGE_FIELD(teethBase[1])},
    {18, sideBox(2, 3), -2000, 2000, 1, EDGE_FIELD(teethBase[2])},
    {19, sideBox(3, 3), -2000, 2000, 1, EDGE_FIELD(teethBase[3])},
    {22, box(180, 60), -5000, 5000, 3, EDGE_FIELD(startX)},
    {23, box(250, 60), -5000, 5000, 3, EDGE_FIELD(startY)},
    {38, box(180, 140), 0, 400, 3, EDGE_FIELD(sketchWeight)},
    {39, box(180, 162), 0, 200, 3, EDGE_FIELD(sketchShift)},
    {29, box(180, 82), -1000, 1000, 4, EDGE_FIELD(interp1AnchorPct)},
    {30, box(250, 82), -1000, 1000, 4, EDGE_FIELD(interp1HandlePct)},
    {31, box(320, 82), -5000, 5000, 4, EDGE_FIELD(interp1CentreX)},
    {32, box(390, 82), -5000, 5000, 4, EDGE_FIELD(interp1CentreY)},
    {33, box(180, 104), -1000, 1000, 4, EDGE_FIELD(interp2AnchorPct)},
    {34, box(250, 104), -1000, 1000, 4, EDGE_FIELD(interp2HandlePct)},
    {35, box(320, 104), -5000, 5000, 4, EDGE_FIELD(interp2CentreX)},
    {36, box(390, 104), -5000, 5000, 4, EDGE_FIELD(interp2CentreY)},
};

// The zoom box is not a setting of the frames: it has its own notifier and no preview.
const RealBox kZoomBox = {kItemZoom, {535, 195, 595, 215}, 1, 500, kAllPages, EDGE_FIELD(viewZoom)};

const IntBox kIntBoxes[] = {
    {24, sideBox(0, 0), 2, 600, 2, EDGE_FIELD(teethCount[0])},
    {25, sideBox(1, 0), 2, 600, 2, EDGE_FIELD(teethCount[1])},
    {26, sideBox(2, 0), 2, 600, 2, EDGE_FIELD(teethCount[2])},
    {27, sideBox(3, 0), 2, 600, 2, EDGE_FIELD(teethCount[3])},
    {28, box(180, 82), 1, 100, 3, EDGE_FIELD(frameCount)},
    {40, box(180, 184), 0, 60, 3, EDGE_FIELD(sketchRepeats)},
    {20, box(180, 60), 0, 100, 4, EDGE_FIELD(skipCount)},
    {21, box(280, 60), 1, 100, 4, EDGE_FIELD(createCount)},
};

const CheckBox kCheckBoxes[] = {
    {kItemPreview, {500, 130, 580, 144}, "Preview", kAllPages, EDGE_FIELD(preview)},
    {68, checkLeft(60), "Fill [R]", 5, EDGE_FIELD(randomFill)},
    {70, checkLeft(77), "Swatch [R]", 5, EDGE_FIELD(randomSwatch)},
    {69, checkLeft(94), "Opacity [R]", 5, EDGE_FIELD(randomOpacity)},
    {71, checkLeft(111), "Link edges", 5, EDGE_FIELD(linkSides)},
    {60, checkLeft(128), "Create on new layer", 5, EDGE_FIELD(newLayer)},
    {61, checkLeft(145), "Closed path", 5, EDGE_FIELD(closedPath)},
    {62, checkLeft(162), "Add base to height", 5, EDGE_FIELD(addBaseToHeight)},
    {74, checkLeft(179), "Create [R]", 5, EDGE_FIELD(randomCreate)},
    {66, checkRight(60), "Structure [R]", 5, EDGE_FIELD(randomStructure)},
    {67, checkRight(77), "Radial distort [R]", 5, EDGE_FIELD(randomRadial)},
    {63, checkRight(94), "Edge [R]", 5, EDGE_FIELD(randomFrame)},
    {64, checkRight(111), "Teeth [R]", 5, EDGE_FIELD(randomTeeth)},
    {65, checkRight(128), "Warp [R]", 5, EDGE_FIELD(randomWarp)},
    {72, checkRight(145), "Center anchor", 5, EDGE_FIELD(centreAnchor)},
    {73, checkRight(162), "Center direction", 5, EDGE_FIELD(centreDirection)},
    {75, checkRight(179), "Start [R]", 5, EDGE_FIELD(randomStart)},
    {76, checkPageSix(60), "Drop shadow", 6, EDGE_FIELD(dropShadow)},
    {77, checkPageSix(77), "Shadow direction (R)", 6, EDGE_FIELD(shadowRandomDirection)},
    {78, checkPageSix(94), "Shadow opacity (R)", 6, EDGE_FIELD(shadowRandomOpacity)},
    {79, checkPageSix(111), "Half fill shadow", 6, EDGE_FIELD(shadowHalfFill)},
    {80, checkPageSix(128), "Shadow scaling (R)", 6, EDGE_FIELD(shadowRandomScale)},
    {81, checkPageSix(145), "Sketch shift (R)", 6, EDGE_FIELD(sketchRandomShift)},
    {82, checkPageSix(162), "Sketch weight (R)", 6, EDGE_FIELD(sketchRandomWeight)},
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
const PopupList kPresetList = {kItemPresets, {500, 150, 580, 170}, kAllPages, kPresetEntries, kEdgePresetCount,
                               EDGE_FIELD(presetIndex)};

// Filled in this order after the preset list.
const PopupList kValueLists[] = {
    {103, {10, 155, 200, 175}, 4, kSlantEntries, kEdgeSlantOptionCount, EDGE_FIELD(slantOption)},
    {102, {10, 130, 200, 150}, 4, kApplyPatternEntries, kEdgeApplyPatternCount, EDGE_FIELD(applyPattern)},
    {104, {10, 110, 160, 130}, 3, kSketchColourEntries, kEdgeSketchColourCount, EDGE_FIELD(sketchColour)},
};

#undef EDGE_FIELD

// Item notifiers and the pick buttons' tracker, defined below.
void OnEdgeValueChanged(KvItem item, KvNotifier notifier);
void OnEdgePageButton(KvItem item, KvNotifier notifier);
void OnEdgeOK(KvItem item, KvNotifier notifier);
void OnEdgePreset(KvItem item, KvNotifier notifier);
void OnEdgeTumble(KvItem item, KvNotifier notifier);
void OnEdgeZoom(KvItem item, KvNotifier notifier);
int32_t TrackEdgePickButton(KvItem item, KvTracker tracker);

const Button kButtons[] = {
    {1, kKvTextPushButtonType, {500, 10, 580, 30}, "OK", kAllPages, OnEdgeOK, nullptr},
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

// ---- Record and items.

EdgeFrameParams* recordOf(KvDialog dialog) { return static_cast<EdgeFrameParams*>(sDialog->getUserData(dialog)); }

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

void readItems(KvDialog dialog, EdgeFrameParams& record) {
    for (const PopupList& list : kValueLists) {
        int32_t& field = list.field(record);
        field = readList(dialog, list.id, field);
    }
    for (const RealBox& box : kRealBoxes) box.field(record) = sItem->getRealValue(itemOf(dialog, box.id));
    for (const IntBox& box : kIntBoxes) box.field(record) = sItem->getIntValue(itemOf(dialog, box.id));
    for (const CheckBox& check : kCheckBoxes) {
        check.field(record) = sItem->getBooleanValue(itemOf(dialog, check.id)) != 0 ? 1 : 0;
    }
}

// Shows every setting in its item after a preset or Tumble wrote the record. The preset list
// and the zoom box keep what they show.
void showFields(KvDialog dialog, EdgeFrameParams& record) {
    for (const PopupList& list : kValueLists) selectListEntry(dialog, list.id, list.field(record));
    for (const CheckBox& check : kCheckBoxes) sItem->setBooleanValue(itemOf(dialog, check.id), check.field(record));
    for (const IntBox& box : kIntBoxes) sItem->setIntValue(itemOf(dialog, box.id), box.field(record));
    for (const RealBox& box : kRealBoxes) sItem->setRealValue(itemOf(dialog, box.id), box.field(record));
}

void updateEnabling(KvDialog dialog, const EdgeFrameParams& record) {
    enableItems(dialog, kInterp1CentreItems, record.interp1AnchorPct != 0.0f || record.interp1HandlePct != 0.0f);
    enableItems(dialog, kInterp2CentreItems, record.interp2AnchorPct != 0.0f || record.interp2HandlePct != 0.0f);
    enableItems(dialog, kSidesTwoToFourItems, record.linkSides == 0);
    enableItems(dialog, kShadowOptionItems, record.dropShadow != 0);
    enableItems(dialog, kSketchOptionItems, record.sketchRepeats != 0);
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
    for (const PopupList& list : kValueLists) place(list.id, list.page);
    for (const Button& button : kButtons) place(button.id, button.page);
}

// Sends a change to the page's first value item (which redraws the preview) and then to its
// page button (which shows the page). A page outside 1 to 6 refreshes page 1.
void RefreshEdgePage(KvDialog dialog, const EdgeFrameParams& record) {
    struct PageTargets {
        int32_t firstItem, button;
    };
    static constexpr PageTargets kTargets[kPageCount] = {{4, 130}, {24, 131}, {22, 132},
                                                         {20, 133}, {71, 134}, {76, 135}};
    const int page = (record.page >= 1 && record.page <= kPageCount) ? record.page : 1;
    const PageTargets& targets = kTargets[page - 1];
    sItem->sendNotify(itemOf(dialog, targets.firstItem), kKvUserChangedNotifier);
    sItem->sendNotify(itemOf(dialog, targets.button), kKvUserChangedNotifier);
}

// ---- Notifiers.

void OnEdgeValueChanged(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    EdgeFrameParams* record = recordOf(dialog);
    if (record == nullptr) return;
    record->finalRun = 0;
    readItems(dialog, *record);
    updateEnabling(dialog, *record);
    if (record->preview != 0) {
        // A preview that fails part-way is not a result: with the flag cleared, the Go after
        // OK undoes it, draws again and reports the failure.
        record->previewDrawn = 1;
        if (BuildEdgeFrames(*record) != kResultOk) record->previewDrawn = 0;
    } else {
        record->previewDrawn = 0;
    }
}

void OnEdgePageButton(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    EdgeFrameParams* record = recordOf(dialog);
    const int32_t index = sItem->getId(item) - kFirstPageButton;
    if (record == nullptr || index < 0 || index >= kPageCount) return;
    for (int32_t k = 0; k < kPageCount; ++k) sItem->setFont(itemOf(dialog, kFirstPageCaption + k), kFontNormal);
    record->page = index + 1;
    sItem->setFont(itemOf(dialog, kFirstPageCaption + index), kFontCaption);
    showPage(dialog, record->page);
}

void OnEdgeOK(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);  // ends the dialog with item 1; its items stay readable
    const KvDialog dialog = sItem->getDialog(item);
    EdgeFrameParams* record = recordOf(dialog);
    KvIntRect bounds{};
    if (record == nullptr || sDialog->getBounds(dialog, &bounds) != kResultOk) return;
    record->dialogBounds = bounds;
    record->dialogBoundsSaved = 1;
}

void OnEdgePreset(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    EdgeFrameParams* record = recordOf(dialog);
    if (record == nullptr) return;
    const int32_t index = readList(dialog, kItemPresets, record->presetIndex);
    ApplyEdgePreset(*record, index, edgeViewCentre());
    showFields(dialog, *record);
    RefreshEdgePage(dialog, *record);
}

void OnEdgeTumble(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    EdgeFrameParams* record = recordOf(dialog);
    if (record == nullptr) return;
    KvRealPoint documentSize{0.0f, 0.0f};
    sDocument->getDocumentSize(&documentSize);
    TumbleEdgeParams(*record, documentSize, sRandom->randomDraw);
    showFields(dialog, *record);
    RefreshEdgePage(dialog, *record);
}

void OnEdgeZoom(KvItem item, KvNotifier) {
    EdgeFrameParams* record = recordOf(sItem->getDialog(item));
    if (record == nullptr) return;
    record->viewZoom = sItem->getRealValue(item);
    KvViewHandle view = nullptr;
    if (sView->getNthView(0, &view) == kResultOk) sView->setViewZoom(view, record->viewZoom * 0.01f);
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

// Sets one value from the mouse's horizontal position while the pick modifier is held.
// Values may land outside their box's range; the generator copes with any of them.
void pickValue(KvDialog dialog, EdgeFrameParams& record, int32_t button, float x) {
    constexpr float kSixth = 0.16666667f;
    auto setReal = [&](float& field, float value, int32_t boxId) {
        field = value;
        sItem->setRealValue(itemOf(dialog, boxId), value);
    };
    auto setInt = [&](int32_t& field, int32_t value, int32_t boxId) {
        field = value;
        sItem->setIntValue(itemOf(dialog, boxId), value);
    };
    switch (button) {
    case 150: setReal(record.teethHeight[0], x / 2.0f, 4); break;
    case 151: setReal(record.teethGap[0], x * kSixth, 8); break;
    case 152: setReal(record.teethSlant[0], x * kSixth - 30.0f, 12); break;
    case 153: setReal(record.teethBase[0], x * kSixth, 16); break;
    case 154: setInt(record.teethCount[0], truncToInt(x) / 10, 24); break;
    case 155: setInt(record.skipCount, truncToInt(x) / 20, 20); break;
    case 156: setInt(record.createCount, truncToInt(x) / 20, 21); break;
    default: break;
    }
}

int32_t TrackEdgePickButton(KvItem item, KvTracker tracker) {
    const KvDialog dialog = sItem->getDialog(item);
    EdgeFrameParams* record = recordOf(dialog);
    if (record == nullptr) return 1;
    if ((sTracker->getModifiers(nullptr) & kModifierPick) != 0) {
        sItem->defaultTrack(item, tracker);
        float x = 0.0f;
        if (pickedX(&x)) pickValue(dialog, *record, sItem->getId(item), x);
    }
    RefreshEdgePage(dialog, *record);
    return 1;
}

// ---- Building the dialog.

// A new item, hidden unless it belongs on page 1 or on every page.
KvItem createItem(KvDialog dialog, int32_t id, const char* type, const KvIntRect& bounds, int page) {
    const KvItem item = sDialog->createItem(dialog, id, type, &bounds, nullptr, nullptr);
    if (page != kAllPages && page != 1) sItem->show(item, 0);
    return item;
}

void createRealBox(KvDialog dialog, const RealBox& box, EdgeFrameParams& record, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    sItem->setPrecision(item, 2);
    sItem->setMinRealValue(item, box.min);
    sItem->setMaxRealValue(item, box.max);
    sItem->setRealValue(item, box.field(record));
    sItem->setNotifyProc(item, notifier);
}

void createIntBox(KvDialog dialog, const IntBox& box, EdgeFrameParams& record) {
    const KvItem item = createItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    sItem->setPrecision(item, 0);
    sItem->setMinIntValue(item, box.min);
    sItem->setMaxIntValue(item, box.max);
    sItem->setIntValue(item, box.field(record));
    sItem->setNotifyProc(item, OnEdgeValueChanged);
}

void createPopup(KvDialog dialog, const PopupList& list, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, list.id, kKvPopupListType, list.bounds, list.page);
    sItem->setNotifyProc(item, notifier);
}

// Entry i gets its text and the identifier i; the entry of the record's value is selected.
void fillPopup(KvDialog dialog, const PopupList& list, EdgeFrameParams& record) {
    const KvList entries = sItem->getList(itemOf(dialog, list.id));
    for (int32_t index = 0; index < list.entryCount; ++index) {
        const KvEntry entry = sList->insertEntry(entries, index);
        sEntry->setText(entry, list.entries[index]);
        sEntry->setId(entry, index);
    }
    selectListEntry(dialog, list.id, list.field(record));
}

void createItems(KvDialog dialog, EdgeFrameParams& record) {
    for (const Button& button : kButtons) {
        const KvItem item = createItem(dialog, button.id, button.type, button.bounds, button.page);
        if (button.text != nullptr) sItem->setText(item, button.text);
        if (button.notifier != nullptr) sItem->setNotifyProc(item, button.notifier);
        if (button.tracker != nullptr) sItem->setTrackProc(item, button.tracker);
    }
    for (const RealBox& box : kRealBoxes) createRealBox(dialog, box, record, OnEdgeValueChanged);
    createRealBox(dialog, kZoomBox, record, OnEdgeZoom);
    for (const IntBox& box : kIntBoxes) createIntBox(dialog, box, record);
    for (const CheckBox& check : kCheckBoxes) {
        const KvItem item = createItem(dialog, check.id, kKvTextCheckBoxType, check.bounds, check.page);
        sItem->setText(item, check.text);
        sItem->setBooleanValue(item, check.field(record));
        sItem->setNotifyProc(item, OnEdgeValueChanged);
    }
    for (const Label& label : kLabels) {
        const KvItem item = createItem(dialog, label.id, kKvTextStaticType, label.bounds, label.page);
        sItem->setText(item, label.text);
    }
    createPopup(dialog, kPresetList, OnEdgePreset);
    for (const PopupList& list : kValueLists) createPopup(dialog, list, OnEdgeValueChanged);
}

}  // namespace

KvRealPoint edgeViewCentre() {
    KvViewHandle view = nullptr;
    KvRealPoint centre{0.0f, 0.0f};
    if (sView->getNthView(0, &view) != kResultOk || sView->getViewCenter(view, &centre) != kResultOk) {
        return {0.0f, 0.0f};
    }
    return centre;
}

KvResult InitEdgeDialog(KvDialog dialog) {
    EdgeFrameParams* record = recordOf(dialog);
    if (record == nullptr) return kResultBadParameter;
    if (record->dialogBoundsSaved == 1) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, kDialogWidth, kDialogHeight);

    createItems(dialog, *record);
    fillPopup(dialog, kPresetList, *record);
    for (const PopupList& list : kValueLists) fillPopup(dialog, list, *record);

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    RefreshEdgePage(dialog, *record);
    return kResultOk;
}
