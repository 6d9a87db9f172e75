// Table-driven main dialogs: a filter describes its items in plain tables (spin edits, check
// boxes, labels, popup lists, buttons), and the operations here create them, read them into the
// parameter record, show the record in them and place them on pages. The notifiers every filter
// shares (OK, zoom, page buttons, value changes with the preview, presets and Tumble, pick
// buttons) are here too, parameterised by the record type.
//
// The dialog keeps no state of its own: its user data is the record, which every value item
// edits in place. A row names the field its item shows by a function returning a reference to it
// (RECORD_FIELD). The field is taken from the "fields" object an operation is given: the record
// itself, or a small view of it for items that show one of several sets of values.
//
// Every operation runs over its table in table order, so a filter keeps the order in which its
// items are created, read and shown by the order of its tables and calls.
#pragma once

#include <cstdint>
#include <span>
#include <type_traits>

#include "plugin.h"

// Items with page 0 are on every page; the others show only on their page.
inline constexpr int kAllPages = 0;

template <class Fields>
using RealField = float& (*)(Fields&);
template <class Fields>
using IntField = int32_t& (*)(Fields&);

// The field `member` of whatever fields object the row is read with.
#define RECORD_FIELD(member) [](auto& fields) -> decltype(auto) { return (fields.member); }

// ---- Rows.

// A spin edit: a real one (two decimals) through `real`, or with `real` null an integer one
// through `integer` (its range is then taken as whole numbers).
template <class Fields>
struct SpinBox {
    int32_t id;
    KvIntRect bounds;
    float min, max;
    int page;
    RealField<Fields> real;
    IntField<Fields> integer = nullptr;
};

template <class Fields>
struct CheckBox {
    int32_t id;
    KvIntRect bounds;
    const char* text;
    int page;
    IntField<Fields> field;
};

struct Label {
    int32_t id;
    KvIntRect bounds;
    const char* text;
    int page;
};

// Entry i has the text entries[i] and the identifier i: the value of a list is its active
// entry's index.
template <class Fields>
struct PopupList {
    int32_t id;
    KvIntRect bounds;
    int page;
    const char* const* entries;
    int32_t entryCount;
    IntField<Fields> field;
};

struct Button {
    int32_t id;
    const char* type;
    KvIntRect bounds;
    const char* text;  // null for picture push buttons
    int page;
    KvNotifyProc notifier;  // null: the toolkit's own handling
    KvTrackProc tracker;
};

// The page buttons and their captions: page k (from 1) has the button firstButton + k - 1, the
// caption firstCaption + k - 1, and previewItems[k - 1], a value item whose change notifier
// redraws the preview.
struct DialogPages {
    int32_t firstButton;
    int32_t firstCaption;
    std::span<const int32_t> previewItems;
};

// ---- Items and lists.

template <class Record>
Record* recordOf(KvDialog dialog) {
    return static_cast<Record*>(sDialog->getUserData(dialog));
}

KvItem itemOf(KvDialog dialog, int32_t id);

void enableItems(KvDialog dialog, std::span<const int32_t> ids, bool enabled);

// The identifier of the list's active entry; `current` when the list has no active entry.
int32_t readListEntry(KvDialog dialog, int32_t id, int32_t current);

// Selects entry `index`; an index the list does not have selects nothing.
void selectListEntry(KvDialog dialog, int32_t id, int32_t index);

// A value the mouse set (see trackPickButton): into the record's field and into its box.
void setBoxValue(KvDialog dialog, int32_t boxId, float& field, float value);
void setBoxValue(KvDialog dialog, int32_t boxId, int32_t& field, int32_t value);

// ---- Creating items. Each item is hidden unless it is on page 1 or on every page.

KvItem createPagedItem(KvDialog dialog, int32_t id, const char* type, const KvIntRect& bounds, int page);

// With `values` null the box gets its value later (see showRow).
template <class Fields>
void createRow(KvDialog dialog, const SpinBox<Fields>& box, KvNotifyProc notifier,
               std::type_identity_t<Fields>* values) {
    const KvItem item = createPagedItem(dialog, box.id, kKvSpinEditType, box.bounds, box.page);
    sItem->setUnits(item, 0);
    if (box.real != nullptr) {
        sItem->setPrecision(item, 2);
        sItem->setMinRealValue(item, box.min);
        sItem->setMaxRealValue(item, box.max);
        if (values != nullptr) sItem->setRealValue(item, box.real(*values));
    } else {
        sItem->setPrecision(item, 0);
        sItem->setMinIntValue(item, static_cast<int32_t>(box.min));
        sItem->setMaxIntValue(item, static_cast<int32_t>(box.max));
        if (values != nullptr) sItem->setIntValue(item, box.integer(*values));
    }
    sItem->setNotifyProc(item, notifier);
}

template <class Fields>
void createRow(KvDialog dialog, const CheckBox<Fields>& check, KvNotifyProc notifier,
               std::type_identity_t<Fields>* values) {
    const KvItem item = createPagedItem(dialog, check.id, kKvTextCheckBoxType, check.bounds, check.page);
    sItem->setText(item, check.text);
    if (values != nullptr) sItem->setBooleanValue(item, check.field(*values));
    sItem->setNotifyProc(item, notifier);
}

// The list is empty until fillList.
template <class Fields>
void createRow(KvDialog dialog, const PopupList<Fields>& list, KvNotifyProc notifier) {
    const KvItem item = createPagedItem(dialog, list.id, kKvPopupListType, list.bounds, list.page);
    sItem->setNotifyProc(item, notifier);
}

void createRow(KvDialog dialog, const Label& label);
void createRow(KvDialog dialog, const Button& button);

template <class Table, class... Args>
void createRows(KvDialog dialog, const Table& table, Args... args) {
    for (const auto& row : table) createRow(dialog, row, args...);
}

// Gives the list its entries and selects the one of the field's value.
template <class Fields>
void fillList(KvDialog dialog, const PopupList<Fields>& list, std::type_identity_t<Fields>& values) {
    const KvList entries = sItem->getList(itemOf(dialog, list.id));
    for (int32_t index = 0; index < list.entryCount; ++index) {
        const KvEntry entry = sList->insertEntry(entries, index);
        sEntry->setText(entry, list.entries[index]);
        sEntry->setId(entry, index);
    }
    selectListEntry(dialog, list.id, list.field(values));
}

template <class Table, class Fields>
void fillLists(KvDialog dialog, const Table& table, Fields& values) {
    for (const auto& list : table) fillList(dialog, list, values);
}

// ---- Items into fields, fields into items.

template <class Fields>
void readRow(KvDialog dialog, const SpinBox<Fields>& box, std::type_identity_t<Fields>& values) {
    const KvItem item = itemOf(dialog, box.id);
    if (box.real != nullptr) {
        box.real(values) = sItem->getRealValue(item);
    } else {
        box.integer(values) = sItem->getIntValue(item);
    }
}

template <class Fields>
void readRow(KvDialog dialog, const CheckBox<Fields>& check, std::type_identity_t<Fields>& values) {
    check.field(values) = sItem->getBooleanValue(itemOf(dialog, check.id)) != 0 ? 1 : 0;
}

template <class Fields>
void readRow(KvDialog dialog, const PopupList<Fields>& list, std::type_identity_t<Fields>& values) {
    int32_t& field = list.field(values);
    field = readListEntry(dialog, list.id, field);
}

template <class Table, class Fields>
void readRows(KvDialog dialog, const Table& table, Fields& values) {
    for (const auto& row : table) readRow(dialog, row, values);
}

// Values outside a box's range are shown as they are.
template <class Fields>
void showRow(KvDialog dialog, const SpinBox<Fields>& box, std::type_identity_t<Fields>& values) {
    const KvItem item = itemOf(dialog, box.id);
    if (box.real != nullptr) {
        sItem->setRealValue(item, box.real(values));
    } else {
        sItem->setIntValue(item, box.integer(values));
    }
}

template <class Fields>
void showRow(KvDialog dialog, const CheckBox<Fields>& check, std::type_identity_t<Fields>& values) {
    sItem->setBooleanValue(itemOf(dialog, check.id), check.field(values));
}

template <class Fields>
void showRow(KvDialog dialog, const PopupList<Fields>& list, std::type_identity_t<Fields>& values) {
    selectListEntry(dialog, list.id, list.field(values));
}

template <class Table, class Fields>
void showRows(KvDialog dialog, const Table& table, Fields& values) {
    for (const auto& row : table) showRow(dialog, row, values);
}

// ---- Pages.

// Shows the row's item when it is on `page`, hides it when it is on another; items on every
// page are left alone.
template <class Row>
void placeRow(KvDialog dialog, const Row& row, int page) {
    if (row.page != kAllPages) sItem->show(itemOf(dialog, row.id), row.page == page ? 1 : 0);
}

template <class Table>
void placeRows(KvDialog dialog, const Table& table, int page) {
    for (const auto& row : table) placeRow(dialog, row, page);
}

// Sends a change to the page's preview item (which redraws the preview) and then to its page
// button (which shows the page). A page outside the dialog's pages refreshes page 1.
void refreshPage(KvDialog dialog, const DialogPages& pages, int page);

// The page buttons' notifier: the captions show the chosen page emphasised, the record keeps
// it, and `showPage` places the items.
template <class Record>
void choosePage(KvItem item, const DialogPages& pages, void (*showPage)(KvDialog dialog, int page)) {
    const KvDialog dialog = sItem->getDialog(item);
    Record* record = recordOf<Record>(dialog);
    const int32_t index = sItem->getId(item) - pages.firstButton;
    const auto count = static_cast<int32_t>(pages.previewItems.size());
    if (record == nullptr || index < 0 || index >= count) return;
    for (int32_t k = 0; k < count; ++k) sItem->setFont(itemOf(dialog, pages.firstCaption + k), kFontNormal);
    record->page = index + 1;
    sItem->setFont(itemOf(dialog, pages.firstCaption + index), kFontCaption);
    showPage(dialog, record->page);
}

// ---- The shared notifiers.

template <class Record>
void saveDialogBounds(KvDialog dialog, Record& record) {
    KvIntRect bounds{};
    if (sDialog->getBounds(dialog, &bounds) != kResultOk) return;
    record.dialogBounds = bounds;
    record.dialogBoundsSaved = 1;
}

// The start of a main dialog's init: the record (null without one), the dialog put where the
// last OK left it, and its size.
template <class Record>
Record* beginDialog(KvDialog dialog, int32_t width, int32_t height) {
    Record* record = recordOf<Record>(dialog);
    if (record == nullptr) return nullptr;
    if (record->dialogBoundsSaved == 1) sDialog->setBounds(dialog, &record->dialogBounds);
    sDialog->setSize(dialog, width, height);
    return record;
}

// OK: the toolkit ends the dialog with item 1 (its items stay readable), and the record keeps
// where the dialog was for the next time it opens.
template <class Record>
void OnDialogOK(KvItem item, KvNotifier notifier) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    Record* record = recordOf<Record>(dialog);
    if (record != nullptr) saveDialogBounds(dialog, *record);
}

// Scales document view 0; nothing without a view.
void setFirstViewZoom(float scale);

// Centre of document view 0 in artwork coordinates; (0, 0) when there is no view.
KvRealPoint viewCentre();

// The zoom box: not a setting of the filter, so no preview. The record keeps the percentage.
template <class Record>
void OnViewZoom(KvItem item, KvNotifier) {
    Record* record = recordOf<Record>(sItem->getDialog(item));
    if (record == nullptr) return;
    record->viewZoom = sItem->getRealValue(item);
    setFirstViewZoom(record->viewZoom * 0.01f);
}

// Draws the preview when "Preview" is on. A preview that fails part-way is not a result: with
// previewDrawn cleared, the Go after OK undoes it, draws again and reports the failure.
template <class Record>
void redrawPreview(Record& record, KvResult (*generate)(Record&)) {
    if (record.preview != 0) {
        record.previewDrawn = 1;
        if (generate(record) != kResultOk) record.previewDrawn = 0;
    } else {
        record.previewDrawn = 0;
    }
}

// When a value notifier hands the change to the toolkit's own handling: before anything else,
// or once the record is found and marked as no final run.
enum class DefaultNotify { first, afterRecord };

// The notifier of every setting: `update` reads the items into the record (and applies the
// enable rules), then the preview is drawn again.
template <class Record>
void notifyValueChanged(KvItem item, KvNotifier notifier, DefaultNotify when,
                        void (*update)(KvDialog dialog, Record& record), KvResult (*generate)(Record&)) {
    if (when == DefaultNotify::first) sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    Record* record = recordOf<Record>(dialog);
    if (record == nullptr) return;
    record->finalRun = 0;
    if (when == DefaultNotify::afterRecord) sItem->defaultNotify(item, notifier);
    update(dialog, *record);
    redrawPreview(*record, generate);
}

// A notifier that writes the record as a whole (a preset, Tumble): `rewrite` writes it, `show`
// puts it back into the items.
template <class Record>
void rewriteRecord(KvItem item, KvNotifier notifier, void (*rewrite)(KvDialog dialog, Record& record),
                   void (*show)(KvDialog dialog, Record& record)) {
    sItem->defaultNotify(item, notifier);
    const KvDialog dialog = sItem->getDialog(item);
    Record* record = recordOf<Record>(dialog);
    if (record == nullptr) return;
    rewrite(dialog, *record);
    show(dialog, *record);
}

// The artwork point of the mouse in the current tracking event, taken as a point of view 0.
bool pickedArtworkPoint(KvViewHandle* view, KvRealPoint* point);

// The pick buttons' tracker: while the pick modifier is held, `pick` sets a value from the
// mouse's position (values may land outside their box's range), then the page is refreshed.
template <class Record>
int32_t trackPickButton(KvItem item, KvTracker tracker, const DialogPages& pages,
                        void (*pick)(KvDialog dialog, Record& record, int32_t button, KvViewHandle view,
                                     KvRealPoint point)) {
    const KvDialog dialog = sItem->getDialog(item);
    Record* record = recordOf<Record>(dialog);
    if (record == nullptr) return 1;
    if ((sTracker->getModifiers(nullptr) & kModifierPick) != 0) {
        sItem->defaultTrack(item, tracker);
        KvViewHandle view = nullptr;
        KvRealPoint point{};
        if (pickedArtworkPoint(&view, &point)) pick(dialog, *record, sItem->getId(item), view, point);
    }
    refreshPage(dialog, pages, record->page);
    return 1;
}
