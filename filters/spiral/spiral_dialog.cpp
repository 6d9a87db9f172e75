// Volutia's main dialog: items, pages, presets, Tumble, preview and the drag buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, redraws the preview through the generator.
#include "spiral_dialog.h"

#include <cstddef>

#include "plugin.h"
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
    kPageCount = 5,
};

// Items on page 0 are on every page; the others show only on their page.
constexpr int kAllPages = 0;

using RealField = float& (*)(SpiralParams&);
using IntField = int32_t& (*)(SpiralParams&);
// The record field an item shows, as a function returning a reference to it.
#define SPIRAL_FIELD(member) [](SpiralParams& p) -> decltype(auto) { return (p.member); }

enum class Kind {
    IntBox,         // integer spin edit of a setting
    RealBox,        // real spin edit of a setting
    ZoomBox,        // the view zoom: not a setting of the spiral, no preview
    CheckBox,       // a setting
    ValueList,      // popup list of a setting
    PresetList,     // applies presets; not read back with the settings
    Label,          // static text
    TextButton,     // OK, Cancel, "Shuffle", "Tumble"
    PageButton,     // picture push button choosing a page
    DragButton,     // picture push button setting a value from the mouse
};

// Item notifiers and the drag buttons' tracker, defined below.
void OnSpiralValueChanged(KvItem item, KvNotifier notifier);
void OnSpiralZoom(KvItem item, KvNotifier notifier);
void OnSpiralPage(KvItem item, KvNotifier notifier);
void OnSpiralPreset(KvItem item, KvNotifier notifier);
void OnSpiralTumble(KvItem item, KvNotifier notifier);
void OnSpiralOK(KvItem item, KvNotifier notifier);
int32_t TrackSpiralDragButton(KvItem item, KvTracker tracker);

struct ItemSpec {
    int32_t id;
    Kind kind;
    KvIntRect bounds;
    int page;
    const char* text = nullptr;  // labels, check boxes and text buttons
    float min = 0, max = 0;      // spin edits
    IntField intField = nullptr;
    RealField realField = nullptr;
    const char* const* entries = nullptr;  // popup lists
    int32_t entryCount = 0;
    KvNotifyProc notifier = nullptr;
};

constexpr KvIntRect rect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return {left, top, right, bottom}; }

ItemSpec intBox(int32_t id, KvIntRect bounds, int32_t min, int32_t max, int page, IntField field) {
    ItemSpec spec{id, Kind::IntBox, bounds, page};
    spec.min = static_cast<float>(min);
    spec.max = static_cast<float>(max);
    spec.intField = field;
    spec.notifier = OnSpiralValueChanged;
    return spec;
}

ItemSpec realBox(int32_t id, KvIntRect bounds, float min, float max, int page, RealField field,
                 Kind kind = Kind::RealBox) {
    ItemSpec spec{id, kind, bounds, page};
    spec.min = min;
    spec.max = max;
    spec.realField = field;
    spec.notifier = kind == Kind::ZoomBox ? OnSpiralZoom : OnSpiralValueChanged;
    return spec;
}

ItemSpec label(int32_t id, KvIntRect bounds, const char* text, int page) {
    ItemSpec spec{id, Kind::Label, bounds, page};
    spec.text = text;
    return spec;
}

template <std::size_t N>
ItemSpec popup(int32_t id, KvIntRect bounds, int page, const char* const (&entries)[N], IntField field,
               Kind kind = Kind::ValueList) {
    ItemSpec spec{id, kind, bounds, page};
    spec.entries = entries;
    spec.entryCount = static_cast<int32_t>(N);
    spec.intField = field;
    spec.notifier = kind == Kind::PresetList ? OnSpiralPreset : OnSpiralValueChanged;
    return spec;
}

ItemSpec checkBox(int32_t id, KvIntRect bounds, const char* text, int page, IntField field) {
    ItemSpec spec{id, Kind::CheckBox, bounds, page};
    spec.text = text;
    spec.intField = field;
    spec.notifier = OnSpiralValueChanged;
    return spec;
}

ItemSpec textButton(int32_t id, KvIntRect bounds, const char* text, KvNotifyProc notifier) {
    ItemSpec spec{id, Kind::TextButton, bounds, kAllPages};
    spec.text = text;
    spec.notifier = notifier;
    return spec;
}

ItemSpec pageButton(int32_t id, int32_t left) {
    ItemSpec spec{id, Kind::PageButton, rect(left, 5, left + 50, 35), kAllPages};
    spec.notifier = OnSpiralPage;
    return spec;
}

ItemSpec dragButton(int32_t id, int32_t top, int page) { return {id, Kind::DragButton, rect(250, top, 270, top + 20), page}; }

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

// Every item, in the order the dialog creates them.
const ItemSpec kItems[] = {
    intBox(4, rect(180, 105, 240, 125), 3, 20, 1, SPIRAL_FIELD(pointsPerArm)),
    intBox(6, rect(180, 127, 240, 147), 2, 100, 1, SPIRAL_FIELD(spiralCount)),
    realBox(8, rect(180, 149, 240, 169), -100, 100, 1, SPIRAL_FIELD(armDecay)),
    realBox(9, rect(180, 196, 240, 216), 1, 100, 1, SPIRAL_FIELD(gap)),
    realBox(10, rect(280, 196, 340, 216), -10, 100, 1, SPIRAL_FIELD(gapValue)),
    realBox(38, rect(400, 195, 460, 215), 1, 500, kAllPages, SPIRAL_FIELD(viewZoom), Kind::ZoomBox),
    realBox(13, rect(180, 60, 240, 80), -5000, 5000, 2, SPIRAL_FIELD(startX)),
    realBox(14, rect(180, 82, 240, 102), -5000, 5000, 2, SPIRAL_FIELD(startY)),
    intBox(15, rect(180, 104, 240, 124), 0, 100, 2, SPIRAL_FIELD(skipCount)),
    intBox(16, rect(180, 126, 240, 146), 1, 100, 2, SPIRAL_FIELD(createCount)),
    realBox(12, rect(180, 148, 240, 168), 1, 1000, 2, SPIRAL_FIELD(initialGap)),
    realBox(19, rect(180, 170, 240, 190), -1000, 1000, 2, SPIRAL_FIELD(interpAmount)),
    realBox(17, rect(180, 60, 240, 80), 0, 500, 3, SPIRAL_FIELD(starGap)),
    realBox(18, rect(180, 82, 240, 102), -7000, 7000, 3, SPIRAL_FIELD(starAngle)),
    realBox(33, rect(10, 83, 70, 103), -400, 400, 4, SPIRAL_FIELD(strokeColour[0])),
    realBox(34, rect(80, 83, 140, 103), -400, 400, 4, SPIRAL_FIELD(strokeColour[1])),
    realBox(35, rect(150, 83, 210, 103), -400, 400, 4, SPIRAL_FIELD(strokeColour[2])),
    realBox(36, rect(220, 83, 290, 103), -400, 400, 4, SPIRAL_FIELD(strokeColour[3])),
    realBox(37, rect(10, 129, 70, 149), -1000, 1000, 4, SPIRAL_FIELD(lineWeight)),
    label(101, rect(10, 105, 178, 125), "Number of points / arm", 1),
    label(102, rect(10, 127, 178, 147), "Number of spirals", 1),
    label(100, rect(10, 149, 178, 169), "Spiral arm decay (%)", 1),
    label(103, rect(10, 196, 178, 216), "Gap (p)", 1),
    label(105, rect(10, 60, 178, 80), "H. Start (p)", 2),
    label(106, rect(10, 82, 178, 102), "V. Start (p)", 2),
    label(107, rect(10, 104, 178, 124), "Skip spiral arm", 2),
    label(108, rect(10, 126, 178, 146), "Create spiral arm", 2),
    label(104, rect(10, 148, 178, 168), "Initial gap from start (p)", 2),
    label(109, rect(10, 60, 178, 80), "Star gap distance (p)", 3),
    label(110, rect(10, 82, 178, 102), "Star angle", 3),
    popup(kItemPresets, rect(380, 150, 460, 170), kAllPages, kPresetEntries, SPIRAL_FIELD(presetIndex),
          Kind::PresetList),
    popup(76, rect(10, 60, 200, 80), 1, kArmModeEntries, SPIRAL_FIELD(armMode)),
    popup(78, rect(10, 82, 200, 102), 1, kSpiralTypeEntries, SPIRAL_FIELD(spiralType)),
    popup(75, rect(10, 173, 200, 193), 1, kGapModeEntries, SPIRAL_FIELD(gapMode)),
    popup(81, rect(10, 170, 170, 190), 2, kPivotEntries, SPIRAL_FIELD(pivotMode)),
    popup(79, rect(10, 60, 200, 80), 4, kStrokeColourEntries, SPIRAL_FIELD(strokeColourMode)),
    popup(80, rect(10, 106, 200, 126), 4, kLineWeightEntries, SPIRAL_FIELD(lineWeightMode)),
    checkBox(3, rect(380, 130, 460, 144), "Preview", kAllPages, SPIRAL_FIELD(preview)),
    checkBox(140, rect(10, 60, 200, 74), "Opacity [R]", 5, SPIRAL_FIELD(randomOpacity)),
    textButton(kItemOk, rect(380, 10, 460, 30), "OK", OnSpiralOK),
    textButton(2, rect(380, 40, 460, 60), "Cancel", nullptr),  // the toolkit's own handling
    textButton(60, rect(380, 70, 460, 90), "Shuffle", OnSpiralValueChanged),
    textButton(61, rect(380, 100, 460, 120), "Tumble", OnSpiralTumble),
    pageButton(120, 10),
    pageButton(121, 80),
    pageButton(122, 150),
    pageButton(123, 220),
    pageButton(124, 290),
    label(125, rect(17, 40, 79, 55), "Spiral", kAllPages),
    label(126, rect(90, 40, 149, 55), "Apply", kAllPages),
    label(127, rect(160, 40, 219, 55), "Star", kAllPages),
    label(128, rect(220, 40, 289, 55), "Stroke", kAllPages),
    label(129, rect(290, 40, 360, 55), "Settings", kAllPages),
    dragButton(150, 105, 1),
    dragButton(151, 127, 1),
    dragButton(152, 149, 1),
    dragButton(153, 196, 1),
    dragButton(154, 148, 2),
    dragButton(155, 60, 3),
    dragButton(156, 170, 2),
};

#undef SPIRAL_FIELD

// Popup lists are filled in this order once every item exists.
constexpr int32_t kFillOrder[] = {kItemPresets, 75, 76, 78, 79, 80, 81};

// ---- Enable rules.

constexpr int32_t kPivotItems[] = {81};
constexpr int32_t kColourValueItems[] = {33, 34, 35, 36};
constexpr int32_t kSeparateArmItems[] = {15, 16, 80, 79, 140};
constexpr int32_t kStarAngleItems[] = {18};
constexpr int32_t kLineWeightItems[] = {37};

// ---- Record and items.

SpiralParams* recordOf(KvDialog dialog) { return static_cast<SpiralParams*>(sDialog->getUserData(dialog)); }

KvItem itemOf(KvDialog dialog, int32_t id) { return sDialog->getItem(dialog, id); }

const ItemSpec* specOf(int32_t id) {
    for (const ItemSpec& spec : kItems) {
        if (spec.id == id) return &spec;
    }
    return nullptr;
}

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

// Every setting item into the record. The zoom box and the preset list are not settings.
void readItems(KvDialog dialog, SpiralParams& record) {
    for (const ItemSpec& spec : kItems) {
        const KvItem item = itemOf(dialog, spec.id);
        switch (spec.kind) {
        case Kind::IntBox: spec.intField(record) = sItem->getIntValue(item); break;
        case Kind::RealBox: spec.realField(record) = sItem->getRealValue(item); break;
        case Kind::CheckBox: spec.intField(record) = sItem->getBooleanValue(item) != 0 ? 1 : 0; break;
        case Kind::ValueList: {
            int32_t& field = spec.intField(record);
            field = readList(dialog, spec.id, field);
            break;
        }
        default: break;
        }
    }
}

// Shows every setting in its item after a preset or Tumble wrote the record. Values outside a
// box's range are shown as they are.
void showFields(KvDialog dialog, SpiralParams& record) {
    for (const ItemSpec& spec : kItems) {
        const KvItem item = itemOf(dialog, spec.id);
        switch (spec.kind) {
        case Kind::IntBox: sItem->setIntValue(item, spec.intField(record)); break;
        case Kind::RealBox: sItem->setRealValue(item, spec.realField(record)); break;
        case Kind::CheckBox: sItem->setBooleanValue(item, spec.intField(record)); break;
        case Kind::ValueList: selectListEntry(dialog, spec.id, spec.intField(record)); break;
        default: break;
        }
    }
}

void updateEnabling(KvDialog dialog, const SpiralParams& record) {
    enableItems(dialog, kPivotItems, record.interpAmount != 0.0f);
    enableItems(dialog, kColourValueItems, record.strokeColourMode != 0);
    enableItems(dialog, kSeparateArmItems, record.armMode != 0);
    enableItems(dialog, kStarAngleItems, record.starGap != 0.0f);
    enableItems(dialog, kLineWeightItems, record.lineWeightMode != 0);
}

// Shows the items of `page` and hides those of the other pages; items on every page stay.
void showPage(KvDialog dialog, int page) {
    for (const ItemSpec& spec : kItems) {
        if (spec.page != kAllPages) sItem->show(itemOf(dialog, spec.id), spec.page == page ? 1 : 0);
    }
}

// Sends a change to the page's first value item (which redraws the preview) and then to its
// page button (which shows the page). A page outside 1 to 5 refreshes page 1.
void refreshPage(KvDialog dialog, const SpiralParams& record) {
    static constexpr int32_t kFirstItems[kPageCount] = {4, 13, 17, 79, 140};
    const int page = (record.page >= 1 && record.page <= kPageCount) ? record.page : 1;
    sItem->sendNotify(itemOf(dialog, kFirstItems[page - 1]), kKvUserChangedNotifier);
    sItem->sendNotify(itemOf(dialog, kFirstPageButton + page - 1), kKvUserChangedNotifier);
}

// ---- Notifiers.

void OnSpiralValueChanged(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    SpiralParams* record = recordOf(dialog);
    if (record == nullptr) return;
    record->finalRun = 0;
    readItems(dialog, *record);
    updateEnabling(dialog, *record);
    if (record->preview != 0) {
        // A preview that fails part-way is not a result: with the flag cleared, the Go after
        // OK undoes it, draws again and reports the failure.
        record->previewDrawn = 1;
        if (BuildSpirals(*record) != kResultOk) record->previewDrawn = 0;
    } else {
        record->previewDrawn = 0;
    }
}

void OnSpiralZoom(KvItem item, KvNotifier) {
    SpiralParams* record = recordOf(sItem->getDialog(item));
    if (record == nullptr) return;
    record->viewZoom = sItem->getRealValue(item);
    KvViewHandle view = nullptr;
    if (sView->getNthView(0, &view) == kResultOk) sView->setViewZoom(view, record->viewZoom * 0.01f);
}

void OnSpiralPage(KvItem item, KvNotifier) {
    const KvDialog dialog = sItem->getDialog(item);
    SpiralParams* record = recordOf(dialog);
    const int32_t index = sItem->getId(item) - kFirstPageButton;
    if (record == nullptr || index < 0 || index >= kPageCount) return;
    record->page = index + 1;
    for (int32_t k = 0; k < kPageCount; ++k) sItem->setFont(itemOf(dialog, kFirstPageCaption + k), kFontNormal);
    sItem->setFont(itemOf(dialog, kFirstPageCaption + index), kFontCaption);
    showPage(dialog, record->page);
}

void OnSpiralPreset(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    SpiralParams* record = recordOf(dialog);
    if (record == nullptr) return;
    const int32_t index = readList(dialog, kItemPresets, record->presetIndex);
    ApplySpiralPreset(*record, index, spiralViewCentre());
    showFields(dialog, *record);
    refreshPage(dialog, *record);
}

void OnSpiralTumble(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    SpiralParams* record = recordOf(dialog);
    if (record == nullptr) return;
    TumbleSpiralParams(*record, sRandom->randomDraw);
    showFields(dialog, *record);
    refreshPage(dialog, *record);
}

void OnSpiralOK(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);  // ends the dialog with item 1; its items stay readable
    const KvDialog dialog = sItem->getDialog(item);
    SpiralParams* record = recordOf(dialog);
    KvIntRect bounds{};
    if (record == nullptr || sDialog->getBounds(dialog, &bounds) != kResultOk) return;
    record->dialogBounds = bounds;
    record->dialogBoundsSaved = 1;
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

// Sets one value from the mouse's horizontal position. Values may land outside their box's
// range; the generator copes with any of them.
void dragValue(KvDialog dialog, SpiralParams& record, int32_t button, float h) {
    auto setReal = [&](float& field, float value, int32_t boxId) {
        field = value;
        sItem->setRealValue(itemOf(dialog, boxId), value);
    };
    auto setInt = [&](int32_t& field, int32_t value, int32_t boxId) {
        field = value;
        sItem->setIntValue(itemOf(dialog, boxId), value);
    };
    switch (button) {
    case 150: setInt(record.pointsPerArm, truncToInt(h * 0.04f), 4); break;
    case 151: setInt(record.spiralCount, addSaturated(1, truncToInt(h * 0.1f)), 6); break;
    case 152: setReal(record.armDecay, -100.0f + h * 0.5f, 8); break;
    case 153: setReal(record.gap, 1.0f + h * 0.1f, 9); break;
    case 154: setReal(record.initialGap, 1.0f + h * 0.1f, 12); break;
    case 155: setReal(record.starGap, h * 0.1f, 17); break;
    case 156: setReal(record.interpAmount, -100.0f + h * 0.5f, 19); break;
    default: break;
    }
}

int32_t TrackSpiralDragButton(KvItem item, KvTracker tracker) {
    const KvDialog dialog = sItem->getDialog(item);
    SpiralParams* record = recordOf(dialog);
    if (record == nullptr) return 1;
    if ((sTracker->getModifiers(nullptr) & kModifierPick) != 0) {
        sItem->defaultTrack(item, tracker);
        float h = 0.0f;
        if (pickedX(&h)) dragValue(dialog, *record, sItem->getId(item), h);
    }
    refreshPage(dialog, *record);
    return 1;
}

// ---- Building the dialog.

const char* typeOf(Kind kind) {
    switch (kind) {
    case Kind::IntBox:
    case Kind::RealBox:
    case Kind::ZoomBox: return kKvSpinEditType;
    case Kind::CheckBox: return kKvTextCheckBoxType;
    case Kind::ValueList:
    case Kind::PresetList: return kKvPopupListType;
    case Kind::Label: return kKvTextStaticType;
    case Kind::TextButton: return kKvTextPushButtonType;
    case Kind::PageButton:
    case Kind::DragButton: return kKvPicturePushButtonType;
    }
    return kKvTextStaticType;
}

// One item with its text, range, value and notifier; hidden unless it is on page 1 or on
// every page. Popup lists get their entries later.
void createItem(KvDialog dialog, const ItemSpec& spec, SpiralParams& record) {
    const KvItem item = sDialog->createItem(dialog, spec.id, typeOf(spec.kind), &spec.bounds, nullptr, nullptr);
    if (item == nullptr) return;
    if (spec.text != nullptr) sItem->setText(item, spec.text);
    switch (spec.kind) {
    case Kind::IntBox:
        sItem->setUnits(item, 0);
        sItem->setPrecision(item, 0);
        sItem->setMinIntValue(item, static_cast<int32_t>(spec.min));
        sItem->setMaxIntValue(item, static_cast<int32_t>(spec.max));
        sItem->setIntValue(item, spec.intField(record));
        break;
    case Kind::RealBox:
    case Kind::ZoomBox:
        sItem->setUnits(item, 0);
        sItem->setPrecision(item, 2);
        sItem->setMinRealValue(item, spec.min);
        sItem->setMaxRealValue(item, spec.max);
        sItem->setRealValue(item, spec.realField(record));
        break;
    case Kind::CheckBox: sItem->setBooleanValue(item, spec.intField(record)); break;
    case Kind::DragButton: sItem->setTrackProc(item, TrackSpiralDragButton); break;
    default: break;
    }
    if (spec.notifier != nullptr) sItem->setNotifyProc(item, spec.notifier);
    if (spec.page != kAllPages && spec.page != 1) sItem->show(item, 0);
}

// Entry i gets its text and the identifier i; the entry of the record's value is selected.
void fillPopup(KvDialog dialog, const ItemSpec& spec, SpiralParams& record) {
    const KvList entries = sItem->getList(itemOf(dialog, spec.id));
    for (int32_t index = 0; index < spec.entryCount; ++index) {
        const KvEntry entry = sList->insertEntry(entries, index);
        sEntry->setText(entry, spec.entries[index]);
        sEntry->setId(entry, index);
    }
    selectListEntry(dialog, spec.id, spec.intField(record));
}

}  // namespace

KvRealPoint spiralViewCentre() {
    KvViewHandle view = nullptr;
    KvRealPoint centre{0.0f, 0.0f};
    if (sView->getNthView(0, &view) != kResultOk || sView->getViewCenter(view, &centre) != kResultOk) {
        return {0.0f, 0.0f};
    }
    return centre;
}

KvResult InitSpiralDialog(KvDialog dialog) {
    SpiralParams* record = recordOf(dialog);
    if (record == nullptr) return kResultBadParameter;
    if (record->dialogBoundsSaved != 0) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, kDialogWidth, kDialogHeight);

    for (const ItemSpec& spec : kItems) createItem(dialog, spec, *record);
    for (int32_t id : kFillOrder) {
        if (const ItemSpec* spec = specOf(id)) fillPopup(dialog, *spec, *record);
    }

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    refreshPage(dialog, *record);
    return kResultOk;
}
