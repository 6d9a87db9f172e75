// The dialog toolkit's suites: basic (strings, alerts), dialog, item, list, entry, tracker,
// notifier and icon.
#include <cmath>
#include <cstring>

#include "loader/loader.h"
#include "suites/host.h"
#include "suites/suites.h"

namespace kelvo::host {

namespace {

using toolkit::Item;
using toolkit::ItemType;

toolkit::Toolkit& kit() { return Host::current().toolkit(); }

// Runs `body` on a live item; kResultBadHandle otherwise.
template <class F>
KvResult withItem(KvItem handle, F&& body) {
    return guarded([&] {
        Item* item = kit().item(handle);
        if (item == nullptr) return kResultBadHandle;
        body(*item);
        return kResultOk;
    });
}

// Reads from a live item; `fallback` for a stale one.
template <class T, class F>
T readItem(KvItem handle, T fallback, F&& body) noexcept {
    try {
        Item* item = kit().item(handle);
        return item != nullptr ? body(*item) : fallback;
    } catch (...) {
        return fallback;
    }
}

}  // namespace

const KvDialogBasicSuite kDialogBasicSuite = {
    [](KvPluginRef reference, int32_t tableId, int32_t index, char* buffer, int32_t length) {
        if (buffer == nullptr || length <= 0) return;
        buffer[0] = '\0';
        try {
            Plugin* plugin = Host::current().plugin(reference);
            if (plugin == nullptr) return;
            if (const std::string* text = plugin->resources.string(tableId, index)) copyText(*text, buffer, length);
        } catch (...) {
        }
    },
    [](const char* text) {
        try {
            if (toolkit::Driver* driver = kit().driver()) driver->alert(text != nullptr ? text : "");
        } catch (...) {
        }
    },
};

const KvDialogSuite kDialogSuite = {
    [](KvPluginRef reference, const char* name, int32_t resourceId, int32_t, KvDialogInitProc init,
       void* userData) -> int32_t {
        try {
            Plugin* plugin = Host::current().plugin(reference);
            if (plugin == nullptr) return 0;
            return kit().modal(plugin->resources.dialog(resourceId), name != nullptr ? name : "", resourceId, init,
                               userData);
        } catch (...) {
            return 0;
        }
    },
    [](KvDialog handle) -> void* {
        toolkit::Dialog* dialog = kit().dialog(handle);
        return dialog != nullptr ? dialog->userData : nullptr;
    },
    [](KvDialog handle, int32_t id) -> KvItem {
        toolkit::Dialog* dialog = kit().dialog(handle);
        return dialog != nullptr ? reinterpret_cast<KvItem>(dialog->item(id)) : nullptr;
    },
    [](KvDialog handle, int32_t id, const char* type, const KvIntRect* bounds, KvItemInitProc init,
       void* userData) -> KvItem {
        try {
            toolkit::Dialog* dialog = kit().dialog(handle);
            auto kind = toolkit::itemTypeFromName(type != nullptr ? type : "");
            if (dialog == nullptr || !kind || bounds == nullptr) return nullptr;
            Item* item = kit().createItem(*dialog, id, *kind, *bounds);
            if (item == nullptr) return nullptr;
            item->userData = userData;
            if (init != nullptr) init(reinterpret_cast<KvItem>(item));
            return reinterpret_cast<KvItem>(item);
        } catch (...) {
            return nullptr;
        }
    },
    [](KvDialog handle, int32_t width, int32_t height) {
        toolkit::Dialog* dialog = kit().dialog(handle);
        if (dialog == nullptr) return kResultBadHandle;
        if (width < 0 || height < 0) return kResultBadParameter;
        dialog->bounds.right = dialog->bounds.left + width;
        dialog->bounds.bottom = dialog->bounds.top + height;
        return kResultOk;
    },
    [](KvDialog handle, KvIntRect* outBounds) {
        toolkit::Dialog* dialog = kit().dialog(handle);
        if (outBounds == nullptr) return kResultBadParameter;
        if (dialog == nullptr) {
            *outBounds = KvIntRect{};
            return kResultBadHandle;
        }
        *outBounds = dialog->bounds;
        return kResultOk;
    },
    [](KvDialog handle, const KvIntRect* bounds) {
        toolkit::Dialog* dialog = kit().dialog(handle);
        if (dialog == nullptr) return kResultBadHandle;
        if (bounds == nullptr) return kResultBadParameter;
        dialog->bounds = *bounds;
        return kResultOk;
    },
    [](KvDialog handle, int32_t id) {
        toolkit::Dialog* dialog = kit().dialog(handle);
        if (dialog == nullptr) return kResultBadHandle;
        if (!dialog->ended()) dialog->endedWith = id;
        return kResultOk;
    },
};

const KvItemSuite kItemSuite = {
    [](KvItem h, KvNotifyProc proc) { return withItem(h, [&](Item& item) { item.notifier = proc; }); },
    [](KvItem h, KvNotifier) { return withItem(h, [&](Item& item) { kit().defaultNotify(item); }); },
    [](KvItem h, const char*) { return withItem(h, [&](Item& item) { kit().notify(item); }); },
    [](KvItem h, KvTrackProc proc) { return withItem(h, [&](Item& item) { item.tracker = proc; }); },
    [](KvItem h, KvTracker) -> int32_t {
        return readItem(h, 0, [](Item& item) {
            item.pressed = true;
            return 1;
        });
    },
    [](KvItem h) -> KvDialog { return readItem(h, KvDialog{}, [](Item& item) { return reinterpret_cast<KvDialog>(item.dialog); }); },
    [](KvItem h) -> KvList {
        return readItem(h, KvList{}, [](Item& item) {
            return item.type == ItemType::popupList ? reinterpret_cast<KvList>(&item) : KvList{};
        });
    },
    [](KvItem h) -> int32_t { return readItem(h, 0, [](Item& item) { return item.id; }); },
    [](KvItem h, int32_t visible) { return withItem(h, [&](Item& item) { item.visible = visible != 0; }); },
    [](KvItem h) -> int32_t { return readItem(h, 0, [](Item& item) { return int32_t{item.visible}; }); },
    [](KvItem h, int32_t enabled) { return withItem(h, [&](Item& item) { item.enabled = enabled != 0; }); },
    [](KvItem h) -> int32_t { return readItem(h, 0, [](Item& item) { return int32_t{item.enabled}; }); },
    [](KvItem h, int32_t font) { return withItem(h, [&](Item& item) { item.font = font; }); },
    [](KvItem h, const char* text) { return withItem(h, [&](Item& item) { item.text = text != nullptr ? text : ""; }); },
    [](KvItem h, char* out, int32_t capacity) { return withItem(h, [&](Item& item) { copyText(item.text, out, capacity); }); },
    [](KvItem h, int32_t units) { return withItem(h, [&](Item& item) { item.units = units; }); },
    [](KvItem h, int32_t decimals) { return withItem(h, [&](Item& item) { item.decimals = std::max(0, decimals); }); },
    [](KvItem h) -> int32_t { return readItem(h, 0, [](Item& item) { return int32_t{item.boolValue}; }); },
    [](KvItem h, int32_t value) { return withItem(h, [&](Item& item) { item.boolValue = value != 0; }); },
    [](KvItem h) -> int32_t { return readItem(h, 0, [](Item& item) { return item.intValue; }); },
    [](KvItem h, int32_t value) {
        return withItem(h, [&](Item& item) {
            item.intValue = value;
            item.realValue = static_cast<float>(value);
        });
    },
    [](KvItem h) -> float { return readItem(h, 0.0f, [](Item& item) { return item.realValue; }); },
    [](KvItem h, float value) {
        return withItem(h, [&](Item& item) {
            item.realValue = value;
            double whole = std::isfinite(value) ? std::trunc(static_cast<double>(value)) : 0.0;
            item.intValue = static_cast<int32_t>(std::clamp(whole, -2147483648.0, 2147483647.0));
        });
    },
    [](KvItem h, int32_t value) { return withItem(h, [&](Item& item) { item.minInt = value; }); },
    [](KvItem h, int32_t value) { return withItem(h, [&](Item& item) { item.maxInt = value; }); },
    [](KvItem h, float value) { return withItem(h, [&](Item& item) { item.minReal = value; }); },
    [](KvItem h, float value) { return withItem(h, [&](Item& item) { item.maxReal = value; }); },
    [](KvItem h) -> void* { return readItem(h, static_cast<void*>(nullptr), [](Item& item) { return item.userData; }); },
    [](KvItem h, void* data) { return withItem(h, [&](Item& item) { item.userData = data; }); },
};

const KvIconSuite kIconSuite = {
    [](KvPluginRef, int32_t, KvIcon* outIcon) {
        if (outIcon != nullptr) *outIcon = nullptr;
        return kResultBadParameter;  // plug-ins carry no pictures; picture buttons show their captions
    },
};

const KvNotifierSuite kNotifierSuite = {
    [](KvNotifier notifier, const char* type) -> int32_t {
        return notifier != nullptr && type != nullptr && std::strcmp(reinterpret_cast<const char*>(notifier), type) == 0;
    },
    [](KvNotifier notifier, char* outType, int32_t capacity) {
        if (notifier == nullptr) return kResultBadHandle;
        copyText(reinterpret_cast<const char*>(notifier), outType, capacity);
        return kResultOk;
    },
};

const KvListSuite kListSuite = {
    [](KvList list, int32_t index) -> KvEntry {
        try {
            Item* owner = kit().listOwner(list);
            if (owner == nullptr) return nullptr;
            auto position = static_cast<std::size_t>(std::clamp<int32_t>(index, 0, static_cast<int32_t>(owner->entries.size())));
            auto entry = std::make_unique<toolkit::Entry>();
            KvEntry handle = reinterpret_cast<KvEntry>(entry.get());
            owner->entries.insert(owner->entries.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
            if (owner->selected >= static_cast<int32_t>(position)) ++owner->selected;
            return handle;
        } catch (...) {
            return nullptr;
        }
    },
    [](KvList list, int32_t index) -> KvEntry {
        Item* owner = kit().listOwner(list);
        if (owner == nullptr || index < 0 || index >= static_cast<int32_t>(owner->entries.size())) return nullptr;
        return reinterpret_cast<KvEntry>(owner->entries[static_cast<std::size_t>(index)].get());
    },
    [](KvList list) -> KvEntry {
        Item* owner = kit().listOwner(list);
        return owner != nullptr ? reinterpret_cast<KvEntry>(owner->activeEntry()) : nullptr;
    },
    [](KvList list) -> int32_t {
        Item* owner = kit().listOwner(list);
        return owner != nullptr ? static_cast<int32_t>(owner->entries.size()) : 0;
    },
};

namespace {
int32_t indexOf(const Item& owner, const toolkit::Entry* entry) {
    for (std::size_t i = 0; i < owner.entries.size(); ++i)
        if (owner.entries[i].get() == entry) return static_cast<int32_t>(i);
    return -1;
}
}  // namespace

const KvEntrySuite kEntrySuite = {
    [](KvEntry handle, const char* text) {
        toolkit::Entry* entry = kit().entry(handle);
        if (entry == nullptr) return kResultBadHandle;
        entry->text = text != nullptr ? text : "";
        return kResultOk;
    },
    [](KvEntry handle, char* out, int32_t capacity) {
        toolkit::Entry* entry = kit().entry(handle);
        if (entry == nullptr) return kResultBadHandle;
        copyText(entry->text, out, capacity);
        return kResultOk;
    },
    [](KvEntry handle, int32_t id) {
        toolkit::Entry* entry = kit().entry(handle);
        if (entry == nullptr) return kResultBadHandle;
        entry->id = id;
        return kResultOk;
    },
    [](KvEntry handle) -> int32_t {
        toolkit::Entry* entry = kit().entry(handle);
        return entry != nullptr ? entry->id : 0;
    },
    [](KvEntry handle, int32_t selected) {
        Item* owner = nullptr;
        toolkit::Entry* entry = kit().entry(handle, &owner);
        if (entry == nullptr) return kResultBadHandle;
        int32_t index = indexOf(*owner, entry);
        if (selected != 0) {
            owner->selected = index;
        } else if (owner->selected == index) {
            owner->selected = -1;
        }
        return kResultOk;
    },
    [](KvEntry handle) -> int32_t {
        Item* owner = nullptr;
        toolkit::Entry* entry = kit().entry(handle, &owner);
        return entry != nullptr && owner->activeEntry() == entry;
    },
    [](KvEntry handle) -> int32_t {
        Item* owner = nullptr;
        toolkit::Entry* entry = kit().entry(handle, &owner);
        return entry != nullptr ? indexOf(*owner, entry) : -1;
    },
};

const KvTrackerSuite kTrackerSuite = {
    [](KvTracker) -> int32_t { return kit().trackEvent().modifiers; },
    [](KvTracker, KvIntPoint* outPoint) {
        if (outPoint == nullptr) return kResultBadParameter;
        *outPoint = kit().trackEvent().point;
        return kResultOk;
    },
};

}  // namespace kelvo::host
