// Chromble's main dialog: items, pages, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, recolours the selection again through the engine.
#include "colour_dialog.h"

#include "colour_generator.h"
#include "colour_params.h"
#include "plugin.h"

namespace {

constexpr int32_t kDialogWidth = 400;
constexpr int32_t kDialogHeight = 205;

enum : int32_t {
    kItemOk = 1,
    kItemPreview = 3,
    kItemZoom = 12,
    kItemPresets = 40,
    kItemModes = 41,
    kFirstPageButton = 80,   // 80 to 82 choose pages 1 to 3
    kFirstPageCaption = 83,  // 83 to 85 name them
    kPageCount = 3,
};

// Items with page 0 are on every page; the others show only on their page.
constexpr int kAllPages = 0;

using RealField = float& (*)(ColourParams&);
using IntField = int32_t& (*)(ColourParams&);
// The record field an item shows, as a function returning a reference to it.
#define COLOUR_FIELD(member) [](ColourParams& p) -> decltype(auto) { return (p.member); }

struct RealBox {
    int32_t id;
    KvIntRect bounds;
    float min, max;
    int page;
    RealField field;
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

// ---- Layout: pages 1 and 2 have four rows of a label, a value box and a pick button.

constexpr KvIntRect box(int32_t top) { return {180, top, 240, top + 20}; }
constexpr KvIntRect rowLabel(int32_t top) { return {10, top, 148, top + 20}; }
constexpr KvIntRect check(int32_t top) { return {10, top, 250, top + 14}; }
constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }
constexpr KvIntRect kPickBounds[] = {{250, 60, 270, 80}, {250, 82, 270, 102}, {250, 104, 270, 126},
                                     {250, 128, 270, 148}};

// In the order the value notifier reads them.
const RealBox kRealBoxes[] = {
    {4, box(60), -200, 200, 1, COLOUR_FIELD(channel[0])},
    {9, box(82), -200, 200, 2, COLOUR_FIELD(pathFactor)},
    {5, box(82), -200, 200, 1, COLOUR_FIELD(channel[1])},
    {6, box(104), -200, 200, 1, COLOUR_FIELD(channel[2])},
    {7, box(126), -200, 200, 1, COLOUR_FIELD(channel[3])},
    {8, box(60), 0, 100, 2, COLOUR_FIELD(interpolate)},
    {10, box(104), 0, 255, 2, COLOUR_FIELD(rangeLow)},
    {11, box(126), 0, 255, 2, COLOUR_FIELD(rangeHigh)},
};

// The zoom box is not a setting of the recolouring: it has its own notifier and no preview.
const RealBox kZoomBox = {kItemZoom, {320, 180, 380, 200}, 1, 500, kAllPages, COLOUR_FIELD(viewZoom)};

const CheckBox kCheckBoxes[] = {
    {kItemPreview, {300, 130, 380, 144}, "Preview", kAllPages, COLOUR_FIELD(preview)},
    {21, check(60), "Opacity [R]", 3, COLOUR_FIELD(randomOpacity)},
    {22, check(77), "Blend [R]", 3, COLOUR_FIELD(randomBlend)},
    {23, check(94), "Style [R]", 3, COLOUR_FIELD(randomStyle)},
    {24, check(128), "Symbolize", 3, COLOUR_FIELD(symbolize)},
    {25, check(111), "Width [R]", 3, COLOUR_FIELD(randomWidth)},
    {26, check(145), "Apply [R]", 3, COLOUR_FIELD(randomApply)},
};

const Label kLabels[] = {
    {70, rowLabel(60), "Fill/stroke channel 1", 1},
    {71, rowLabel(82), "Fill/stroke channel 2", 1},
    {72, rowLabel(104), "Fill/stroke channel 3", 1},
    {73, rowLabel(126), "Fill/stroke channel 4", 1},
    {74, rowLabel(60), "Interpolate", 2},
    {75, rowLabel(82), "Path factor", 2},
    {76, {10, 114, 148, 134}, "Range", 2},  // beside both range boxes
    // Captions under the page buttons; the current page's is emphasised.
    {83, {17, 40, 79, 55}, "Colors", kAllPages},
    {84, {80, 40, 149, 55}, "Variance", kAllPages},
    {85, {150, 40, 220, 55}, "Settings", kAllPages},
};

const char* const kPresetEntries[kColourPresetCount] = {
    " Reset", " Preset 1", " Preset 2", " Preset 3", " Preset 4", " Preset 5", " Preset 6", " Preset 7",
};
const char* const kModeEntries[kColourModeCount] = {
    " Fill + Random",
    " Fill Random < ",
    " Fill + Random (use current dialog settings black CMYK)",
    " Fill + Random (Black random)",
    " Fill + Random Average",
    " Fill + Random Average (K Random CMYK)",
    " Fill Random Average",
    " Fill + Percentage Randomized",
    " Fill Percentage Randomized",
    " Fill Percentage",
    " Fill Add To",
    " Fill Randomized",
    " Fill Randomized (use current dialog settings black CMYK)",
    " Fill Random Swatches",
    " Stroke + Random",
    " Stroke Random < ",
    " Stroke + Random (use current dialog settings black CMYK)",
    " Stroke + Random (Black random)",
    " Stroke + Random Average",
    " Stroke + Random Average (K Random CMYK)",
    " Stroke Random Average",
    " Stroke + Percentage Randomized",
    " Stroke Percentage Randomized",
    " Stroke Percentage",
    " Stroke Add To",
    " Stroke Randomized",
    " Stroke Randomized (use current dialog settings black CMYK)",
    " Stroke Random Swatches",
};
const char* const kOptionEntries[kColourOptionCount] = {
    " Color options", " Negative fill", " Negative stroke", " Average fill", " Average stroke",
};

// The preset list applies presets; it is not read back with the other lists.
const PopupList kPresetList = {kItemPresets, {300, 150, 380, 170}, kAllPages, kPresetEntries, kColourPresetCount,
                               COLOUR_FIELD(presetIndex)};

// Filled in this order after the preset list, and read in this order.
const PopupList kValueLists[] = {
    {kItemModes, {10, 150, 200, 170}, 1, kModeEntries, kColourModeCount, COLOUR_FIELD(colourMode)},
    {42, {10, 150, 200, 170}, 2, kOptionEntries, kColourOptionCount, COLOUR_FIELD(colourOption)},
};

#undef COLOUR_FIELD

// Item notifiers and the pick buttons' tracker, defined below.
void OnColourValueChanged(KvItem item, KvNotifier notifier);
void OnColourPageButton(KvItem item, KvNotifier notifier);
void OnColourOK(KvItem item, KvNotifier notifier);
void OnColourPreset(KvItem item, KvNotifier notifier);
void OnColourTumble(KvItem item, KvNotifier notifier);
void OnColourZoom(KvItem item, KvNotifier notifier);
int32_t TrackColourPickButton(KvItem item, KvTracker tracker);

const Button kButtons[] = {
    {1, kKvTextPushButtonType, {300, 10, 380, 30}, "OK", kAllPages, OnColourOK, nullptr},
    {2, kKvTextPushButtonType, {300, 40, 380, 60}, "Cancel", kAllPages, nullptr, nullptr},
    {60, kKvTextPushButtonType, {300, 70, 380, 90}, "Shuffle", kAllPages, OnColourValueChanged, nullptr},
    {61, kKvTextPushButtonType, {300, 100, 380, 120}, "Tumble", kAllPages, OnColourTumble, nullptr},
    {80, kKvPicturePushButtonType, pageButton(10), nullptr, kAllPages, OnColourPageButton, nullptr},
    {81, kKvPicturePushButtonType, pageButton(80), nullptr, kAllPages, OnColourPageButton, nullptr},
    {82, kKvPicturePushButtonType, pageButton(150), nullptr, kAllPages, OnColourPageButton, nullptr},
    // Pick buttons: channels 1 to 4 on page 1; interpolate, path factor and range on page 2.
    {90, kKvPicturePushButtonType, kPickBounds[0], nullptr, 1, nullptr, TrackColourPickButton},
    {91, kKvPicturePushButtonType, kPickBounds[1], nullptr, 1, nullptr, TrackColourPickButton},
    {92, kKvPicturePushButtonType, kPickBounds[2], nullptr, 1, nullptr, TrackColourPickButton},
    {93, kKvPicturePushButtonType, kPickBounds[3], nullptr, 1, nullptr, TrackColourPickButton},
    {94, kKvPicturePushButtonType, kPickBounds[0], nullptr, 2, nullptr, TrackColourPickButton},
    {95, kKvPicturePushButtonType, kPickBounds[1], nullptr, 2, nullptr, TrackColourPickButton},
    {96, kKvPicturePushButtonType, kPickBounds[2], nullptr, 2, nullptr, TrackColourPickButton},
    {97, kKvPicturePushButtonType, kPickBounds[3], nullptr, 2, nullptr, TrackColourPickButton},
};

// ---- Record and items.

ColourParams* recordOf(KvDialog dialog) { return static_cast<ColourParams*>(sDialog->getUserData(dialog)); }

KvItem itemOf(KvDialog dialog, int32_t id) { return sDialog->getItem(dialog, id); }

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

void saveDialogBounds(KvDialog dialog, ColourParams& record) {
    KvIntRect bounds{};
    if (sDialog->getBounds(dialog, &bounds) != kResultOk) return;
    record.dialogBounds = bounds;
    record.dialogBoundsSaved = 1;
}

void readItems(KvDialog dialog, ColourParams& record) {
    for (const PopupList& list : kValueLists) {
        int32_t& field = list.field(record);
        field = readList(dialog, list.id, field);
    }
    for (const CheckBox& check : kCheckBoxes) {
        check.field(record) = sItem->getBooleanValue(itemOf(dialog, check.id)) != 0 ? 1 : 0;
    }
    for (const RealBox& box : kRealBoxes) box.field(record) = sItem->getRealValue(itemOf(dialog, box.id));
}

// Shows every setting in its item after a preset, Tumble or a pick wrote the record. The preset
// list and the zoom box keep what they show.
void showFields(KvDialog dialog, ColourParams& record) {
    for (const PopupList& list : kValueLists) selectListEntry(dialog, list.id, list.field(record));
    for (const CheckBox& check : kCheckBoxes) sItem->setBooleanValue(itemOf(dialog, check.id), check.field(record));
    for (const RealBox& box : kRealBoxes) sItem->setRealValue(itemOf(dialog, box.id), box.field(record));
}

// Shows the items of `page` and hides those of the other pages; items on every page stay.
void showPage(KvDialog dialog, int page) {
    auto place = [&](int32_t id, int itemPage) {
        if (itemPage != kAllPages) sItem->show(itemOf(dialog, id), itemPage == page ? 1 : 0);
    };
    for (const RealBox& box : kRealBoxes) place(box.id, box.page);
    for (const CheckBox& check : kCheckBoxes) place(check.id, check.page);
    for (const Label& label : kLabels) place(label.id, label.page);
    for (const PopupList& list : kValueLists) place(list.id, list.page);
    for (const Button& button : kButtons) place(button.id, button.page);
}

// Sends a change to the page's first value item (which redraws the preview) and then to its
// page button (which shows the page). A page outside 1 to 3 refreshes page 1.
void RefreshColourPage(KvDialog dialog, const ColourParams& record) {
    int32_t firstItem = 4;
    int32_t button = kFirstPageButton;
    if (record.page == 2) {
        firstItem = 8;
        button = kFirstPageButton + 1;
    } else if (record.page == 3) {
        firstItem = 21;
        button = kFirstPageButton + 2;
    }
    sItem->sendNotify(itemOf(dialog, firstItem), kKvUserChangedNotifier);
    sItem->sendNotify(itemOf(dialog, button), kKvUserChangedNotifier);
}

// ---- Notifiers.

void OnColourValueChanged(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    ColourParams* record = recordOf(dialog);
    if (record == nullptr) return;
    saveDialogBounds(dialog, *record);
    record->finalRun = 0;
    readItems(dialog, *record);
    saveDialogBounds(dialog, *record);
    if (record->preview != 0) {
        // A preview that fails part-way is not a result: with the flag cleared, the Go after
        // OK undoes it, recolours again and reports the failure.
        record->previewDrawn = 1;
        if (RecolourArt(*record) != kResultOk) record->previewDrawn = 0;
    } else {
        record->previewDrawn = 0;
    }
}

void OnColourPageButton(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    ColourParams* record = recordOf(dialog);
    const int32_t index = sItem->getId(item) - kFirstPageButton;
    if (record == nullptr || index < 0 || index >= kPageCount) return;
    for (int32_t k = 0; k < kPageCount; ++k) sItem->setFont(itemOf(dialog, kFirstPageCaption + k), kFontNormal);
    record->page = index + 1;
    sItem->setFont(itemOf(dialog, kFirstPageCaption + index), kFontCaption);
    showPage(dialog, record->page);
}

void OnColourOK(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);  // ends the dialog with item 1; its items stay readable
    const KvDialog dialog = sItem->getDialog(item);
    ColourParams* record = recordOf(dialog);
    if (record != nullptr) saveDialogBounds(dialog, *record);
}

void OnColourPreset(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    ColourParams* record = recordOf(dialog);
    if (record == nullptr) return;
    ApplyColourPreset(*record, readList(dialog, kItemPresets, record->presetIndex));
    showFields(dialog, *record);
    RefreshColourPage(dialog, *record);
}

void OnColourTumble(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    ColourParams* record = recordOf(dialog);
    if (record == nullptr) return;
    TumbleColourParams(*record, sRandom->randomDraw);
    showFields(dialog, *record);
    RefreshColourPage(dialog, *record);
}

void OnColourZoom(KvItem item, KvNotifier) {
    ColourParams* record = recordOf(sItem->getDialog(item));
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
// Values may land outside their box's range; the engine copes with any of them.
void pickValue(KvDialog dialog, ColourParams& record, int32_t button, float x) {
    auto setReal = [&](float& field, float value, int32_t boxId) {
        field = value;
        sItem->setRealValue(itemOf(dialog, boxId), value);
    };
    switch (button) {
    case 90:
    case 91:
    case 92:
    case 93: setReal(record.channel[button - 90], x / 2.0f, 4 + (button - 90)); break;
    case 94: setReal(record.interpolate, x / 4.0f, 8); break;
    case 95: setReal(record.pathFactor, x / 2.0f - 100.0f, 9); break;
    case 96: setReal(record.rangeLow, x / 4.0f, 10); break;
    case 97: setReal(record.rangeHigh, x / 4.0f, 11); break;
    default: break;
    }
}

int32_t TrackColourPickButton(KvItem item, KvTracker tracker) {
    const KvDialog dialog = sItem->getDialog(item);
    ColourParams* record = recordOf(dialog);
    if (record == nullptr) return 1;
    if ((sTracker->getModifiers(nullptr) & kModifierPick) != 0) {
        sItem->defaultTrack(item, tracker);
        float x = 0.0f;
        if (pickedX(&x)) pickValue(dialog, *record, sItem->getId(item), x);
    }
    RefreshColourPage(dialog, *record);
    return 1;
}

// ---- Building the dialog.

// A new item, hidden unless it belongs on page 1 or on every page.
KvItem createItem(KvDialog dialog, int32_t id, const char* type, const KvIntRect& bounds, int page) {
    const KvItem item = sDialog->createItem(dialog, id, type, &bounds, nullptr, nullptr);
    if (page != kAllPages && page != 1) sItem->show(item, 0);
    return item;
}

void createRealBox(KvDialog dialog, const RealBox& box, ColourParams& record, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    sItem->setPrecision(item, 2);
    sItem->setMinRealValue(item, box.min);
    sItem->setMaxRealValue(item, box.max);
    sItem->setRealValue(item, box.field(record));
    sItem->setNotifyProc(item, notifier);
}

void createPopup(KvDialog dialog, const PopupList& list, KvNotifyProc notifier) {
    const KvItem item = createItem(dialog, list.id, kKvPopupListType, list.bounds, list.page);
    sItem->setNotifyProc(item, notifier);
}

// Entry i gets its text and the identifier i; the entry of the record's value is selected.
void fillPopup(KvDialog dialog, const PopupList& list, ColourParams& record) {
    const KvList entries = sItem->getList(itemOf(dialog, list.id));
    for (int32_t index = 0; index < list.entryCount; ++index) {
        const KvEntry entry = sList->insertEntry(entries, index);
        sEntry->setText(entry, list.entries[index]);
        sEntry->setId(entry, index);
    }
    selectListEntry(dialog, list.id, list.field(record));
}

void createItems(KvDialog dialog, ColourParams& record) {
    for (const Button& button : kButtons) {
        const KvItem item = createItem(dialog, button.id, button.type, button.bounds, button.page);
        if (button.text != nullptr) sItem->setText(item, button.text);
        if (button.notifier != nullptr) sItem->setNotifyProc(item, button.notifier);
        if (button.tracker != nullptr) sItem->setTrackProc(item, button.tracker);
    }
    for (const RealBox& box : kRealBoxes) createRealBox(dialog, box, record, OnColourValueChanged);
    createRealBox(dialog, kZoomBox, record, OnColourZoom);
    for (const CheckBox& check : kCheckBoxes) {
        const KvItem item = createItem(dialog, check.id, kKvTextCheckBoxType, check.bounds, check.page);
        sItem->setText(item, check.text);
        sItem->setBooleanValue(item, check.field(record));
        sItem->setNotifyProc(item, OnColourValueChanged);
    }
    for (const Label& label : kLabels) {
        const KvItem item = createItem(dialog, label.id, kKvTextStaticType, label.bounds, label.page);
        sItem->setText(item, label.text);
    }
    createPopup(dialog, kPresetList, OnColourPreset);
    for (const PopupList& list : kValueLists) createPopup(dialog, list, OnColourValueChanged);
    sItem->show(itemOf(dialog, kItemModes), 0);  // the first refresh shows it with page 1
}

}  // namespace

KvResult InitColourDialog(KvDialog dialog) {
    ColourParams* record = recordOf(dialog);
    if (record == nullptr) return kResultBadParameter;
    if (record->dialogBoundsSaved == 1) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, kDialogWidth, kDialogHeight);

    createItems(dialog, *record);
    fillPopup(dialog, kPresetList, *record);
    for (const PopupList& list : kValueLists) fillPopup(dialog, list, *record);

    GatherSelectedArt();  // a failure leaves no list; the first preview gathers again

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    RefreshColourPage(dialog, *record);
    return kResultOk;
}
