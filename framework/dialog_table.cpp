// The parts of the table-driven dialogs that do not depend on a record type.
#include "dialog_table.h"

KvItem itemOf(KvDialog dialog, int32_t id) { return sDialog->getItem(dialog, id); }

void enableItems(KvDialog dialog, std::span<const int32_t> ids, bool enabled) {
    for (int32_t id : ids) sItem->enable(itemOf(dialog, id), enabled ? 1 : 0);
}

int32_t readListEntry(KvDialog dialog, int32_t id, int32_t current) {
    const KvEntry entry = sList->getActiveEntry(sItem->getList(itemOf(dialog, id)));
    return entry != nullptr ? sEntry->getId(entry) : current;
}

void selectListEntry(KvDialog dialog, int32_t id, int32_t index) {
    const KvEntry entry = sList->indexEntry(sItem->getList(itemOf(dialog, id)), index);
    if (entry != nullptr) sEntry->select(entry, 1);
}

void setBoxValue(KvDialog dialog, int32_t boxId, float& field, float value) {
    field = value;
    sItem->setRealValue(itemOf(dialog, boxId), value);
}

void setBoxValue(KvDialog dialog, int32_t boxId, int32_t& field, int32_t value) {
    field = value;
    sItem->setIntValue(itemOf(dialog, boxId), value);
}

KvItem createPagedItem(KvDialog dialog, int32_t id, const char* type, const KvIntRect& bounds, int page) {
    const KvItem item = sDialog->createItem(dialog, id, type, &bounds, nullptr, nullptr);
    if (page != kAllPages && page != 1) sItem->show(item, 0);
    return item;
}

void createRow(KvDialog dialog, const Label& label) {
    const KvItem item = createPagedItem(dialog, label.id, kKvTextStaticType, label.bounds, label.page);
    sItem->setText(item, label.text);
}

void createRow(KvDialog dialog, const Button& button) {
    const KvItem item = createPagedItem(dialog, button.id, button.type, button.bounds, button.page);
    if (button.text != nullptr) sItem->setText(item, button.text);
    if (button.notifier != nullptr) sItem->setNotifyProc(item, button.notifier);
    if (button.tracker != nullptr) sItem->setTrackProc(item, button.tracker);
}

void refreshPage(KvDialog dialog, const DialogPages& pages, int page) {
    if (page < 1 || page > static_cast<int>(pages.previewItems.size())) page = 1;
    sItem->sendNotify(itemOf(dialog, pages.previewItems[page - 1]), kKvUserChangedNotifier);
    sItem->sendNotify(itemOf(dialog, pages.firstButton + page - 1), kKvUserChangedNotifier);
}

void setFirstViewZoom(float scale) {
    KvViewHandle view = nullptr;
    if (sView->getNthView(0, &view) == kResultOk) sView->setViewZoom(view, scale);
}

KvRealPoint viewCentre() {
    KvViewHandle view = nullptr;
    KvRealPoint centre{0.0f, 0.0f};
    if (sView->getNthView(0, &view) != kResultOk || sView->getViewCenter(view, &centre) != kResultOk) {
        return {0.0f, 0.0f};
    }
    return centre;
}

bool pickedArtworkPoint(KvViewHandle* view, KvRealPoint* point) {
    KvIntPoint viewPoint{};
    if (sTracker->getPoint(nullptr, &viewPoint) != kResultOk) return false;
    if (sView->getNthView(0, view) != kResultOk) return false;
    return sView->viewPointToArtworkPoint(*view, &viewPoint, point) == kResultOk;
}
