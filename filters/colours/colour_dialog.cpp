// Chromble's main dialog: items, pages, presets, Tumble, preview and the pick buttons.
//
// The dialog keeps no state of its own. Every item shows one field of the record (the
// dialog's user data); every change reads all items back into the record and, with "Preview"
// on, recolours the selection again through the engine.
#include "colour_dialog.h"

#include "colour_generator.h"
#include "colour_params.h"
#include "dialog_table.h"

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
};

// Each page's first value item: a change to it redraws the preview.
constexpr int32_t kPagePreviewItems[] = {4, 8, 21};
constexpr DialogPages kPages = {kFirstPageButton, kFirstPageCaption, kPagePreviewItems};

// ---- Layout: pages 1 and 2 have four rows of a label, a value box and a pick button.

constexpr KvIntRect box(int32_t top) { return {180, top, 240, top + 20}; }
constexpr KvIntRect rowLabel(int32_t top) { return {10, top, 148, top + 20}; }
constexpr KvIntRect check(int32_t top) { return {10, top, 250, top + 14}; }
constexpr KvIntRect pageButton(int32_t left) { return {left, 5, left + 50, 35}; }
constexpr KvIntRect kPickBounds[] = {{250, 60, 270, 80}, {250, 82, 270, 102}, {250, 104, 270, 126},
                                     {250, 128, 270, 148}};

// In the order the value notifier reads them.
const SpinBox<ColourParams> kRealBoxes[] = {
    {4, box(60), -200, 200, 1, RECORD_FIELD(channel[0])},
    {9, box(82), -200, 200, 2, RECORD_FIELD(pathFactor)},
    {5, box(82), -200, 200, 1, RECORD_FIELD(channel[1])},
    {6, box(104), -200, 200, 1, RECORD_FIELD(channel[2])},
    {7, box(126), -200, 200, 1, RECORD_FIELD(channel[3])},
    {8, box(60), 0, 100, 2, RECORD_FIELD(interpolate)},
    {10, box(104), 0, 255, 2, RECORD_FIELD(rangeLow)},
    {11, box(126), 0, 255, 2, RECORD_FIELD(rangeHigh)},
};

// The zoom box is not a setting of the recolouring: it has its own notifier and no preview.
const SpinBox<ColourParams> kZoomBox = {kItemZoom, {320, 180, 380, 200}, 1, 500, kAllPages, RECORD_FIELD(viewZoom)};

const CheckBox<ColourParams> kCheckBoxes[] = {
    {kItemPreview, {300, 130, 380, 144}, "Preview", kAllPages, RECORD_FIELD(preview)},
    {21, check(60), "Opacity [R]", 3, RECORD_FIELD(randomOpacity)},
    {22, check(77), "Blend [R]", 3, RECORD_FIELD(randomBlend)},
    {23, check(94), "Style [R]", 3, RECORD_FIELD(randomStyle)},
    {24, check(128), "Symbolize", 3, RECORD_FIELD(symbolize)},
    {25, check(111), "Width [R]", 3, RECORD_FIELD(randomWidth)},
    {26, check(145), "Apply [R]", 3, RECORD_FIELD(randomApply)},
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
const PopupList<ColourParams> kPresetList = {kItemPresets, {300, 150, 380, 170}, kAllPages, kPresetEntries,
                                             kColourPresetCount, RECORD_FIELD(presetIndex)};

// Filled in this order after the preset list, and read in this order.
const PopupList<ColourParams> kValueLists[] = {
    {kItemModes, {10, 150, 200, 170}, 1, kModeEntries, kColourModeCount, RECORD_FIELD(colourMode)},
    {42, {10, 150, 200, 170}, 2, kOptionEntries, kColourOptionCount, RECORD_FIELD(colourOption)},
};

// Item notifiers and the pick buttons' tracker, defined below.
void OnColourValueChanged(KvItem item, KvNotifier notifier);
void OnColourPageButton(KvItem item, KvNotifier notifier);
void OnColourPreset(KvItem item, KvNotifier notifier);
void OnColourTumble(KvItem item, KvNotifier notifier);
int32_t TrackColourPickButton(KvItem item, KvTracker tracker);

const Button kButtons[] = {
    {1, kKvTextPushButtonType, {300, 10, 380, 30}, "OK", kAllPages, OnDialogOK<ColourParams>, nullptr},
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

// Every setting item into the record; the dialog's place is kept before and after.
void readItems(KvDialog dialog, ColourParams& record) {
    saveDialogBounds(dialog, record);
    readRows(dialog, kValueLists, record);
    readRows(dialog, kCheckBoxes, record);
    readRows(dialog, kRealBoxes, record);
    saveDialogBounds(dialog, record);
}

// Shows every setting in its item after a preset or Tumble wrote the record, then the page
// (which previews). The preset list and the zoom box keep what they show.
void showRecord(KvDialog dialog, ColourParams& record) {
    showRows(dialog, kValueLists, record);
    showRows(dialog, kCheckBoxes, record);
    showRows(dialog, kRealBoxes, record);
    refreshPage(dialog, kPages, record.page);
}

void showPage(KvDialog dialog, int page) {
    placeRows(dialog, kRealBoxes, page);
    placeRows(dialog, kCheckBoxes, page);
    placeRows(dialog, kLabels, page);
    placeRows(dialog, kValueLists, page);
    placeRows(dialog, kButtons, page);
}

// ---- Notifiers.

void OnColourValueChanged(KvItem item, KvNotifier notifier) {
    notifyValueChanged<ColourParams>(item, notifier, DefaultNotify::first, readItems, RecolourArt);
}

void OnColourPageButton(KvItem item, KvNotifier) { choosePage<ColourParams>(item, kPages, showPage); }

void OnColourPreset(KvItem item, KvNotifier notifier) {
    rewriteRecord<ColourParams>(
        item, notifier,
        [](KvDialog dialog, ColourParams& record) {
            ApplyColourPreset(record, readListEntry(dialog, kItemPresets, record.presetIndex));
        },
        showRecord);
}

void OnColourTumble(KvItem item, KvNotifier notifier) {
    rewriteRecord<ColourParams>(
        item, notifier, [](KvDialog, ColourParams& record) { TumbleColourParams(record, sRandom->randomDraw); },
        showRecord);
}

// Sets one value from the mouse's horizontal position. The engine copes with any value.
void pickValue(KvDialog dialog, ColourParams& record, int32_t button, KvViewHandle, KvRealPoint point) {
    const float x = point.x;
    switch (button) {
    case 90:
    case 91:
    case 92:
    case 93: setBoxValue(dialog, 4 + (button - 90), record.channel[button - 90], x / 2.0f); break;
    case 94: setBoxValue(dialog, 8, record.interpolate, x / 4.0f); break;
    case 95: setBoxValue(dialog, 9, record.pathFactor, x / 2.0f - 100.0f); break;
    case 96: setBoxValue(dialog, 10, record.rangeLow, x / 4.0f); break;
    case 97: setBoxValue(dialog, 11, record.rangeHigh, x / 4.0f); break;
    default: break;
    }
}

int32_t TrackColourPickButton(KvItem item, KvTracker tracker) {
    return trackPickButton<ColourParams>(item, tracker, kPages, pickValue);
}

// ---- Building the dialog.

void createItems(KvDialog dialog, ColourParams& record) {
    createRows(dialog, kButtons);
    createRows(dialog, kRealBoxes, OnColourValueChanged, &record);
    createRow(dialog, kZoomBox, OnViewZoom<ColourParams>, &record);
    createRows(dialog, kCheckBoxes, OnColourValueChanged, &record);
    createRows(dialog, kLabels);
    createRow(dialog, kPresetList, OnColourPreset);
    createRows(dialog, kValueLists, OnColourValueChanged);
    sItem->show(itemOf(dialog, kItemModes), 0);  // the first refresh shows it with page 1
}

}  // namespace

KvResult InitColourDialog(KvDialog dialog) {
    ColourParams* record = beginDialog<ColourParams>(dialog, kDialogWidth, kDialogHeight);
    if (record == nullptr) return kResultBadParameter;

    createItems(dialog, *record);
    fillList(dialog, kPresetList, *record);
    fillLists(dialog, kValueLists, *record);

    GatherSelectedArt();  // a failure leaves no list; the first preview gathers again

    sItem->enable(itemOf(dialog, kItemOk), 0);  // OK still confirms; the toolkit only shows it disabled
    refreshPage(dialog, kPages, record->page);
    return kResultOk;
}
