#include "toolkit/toolkit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

namespace kelvo::toolkit {

namespace {

const std::map<std::string, ItemType>& typeNames() {
    static const std::map<std::string, ItemType> names{
        {kKvSpinEditType, ItemType::spinEdit},
        {kKvTextStaticType, ItemType::textStatic},
        {kKvPopupListType, ItemType::popupList},
        {kKvTextCheckBoxType, ItemType::checkBox},
        {kKvTextPushButtonType, ItemType::pushButton},
        {kKvPicturePushButtonType, ItemType::picturePushButton},
        {kKvFrameType, ItemType::frame},
    };
    return names;
}

bool isValueBox(const Item& item) {
    return item.type == ItemType::spinEdit || item.type == ItemType::popupList;
}

std::string trimLeadingBlanks(const std::string& text) {
    std::size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

std::string trimBlanks(std::string text) {
    text = trimLeadingBlanks(text);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string trimLabel(std::string text) {
    text = trimLeadingBlanks(text);
    while (!text.empty() && (text.back() == ' ' || text.back() == ':')) text.pop_back();
    return text;
}

bool parseInt(const std::string& text, int32_t* out) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
    return error == std::errc() && end == text.data() + text.size();
}

bool parseReal(const std::string& text, double* out) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(*out);
}

// Rows: items whose vertical extents overlap (a label beside two boxes labels both).
bool sameRow(const Item& a, const Item& b) {
    return std::min(a.bounds.bottom, b.bounds.bottom) > std::max(a.bounds.top, b.bounds.top);
}

}  // namespace

std::optional<ItemType> itemTypeFromName(const std::string& name) {
    auto found = typeNames().find(name);
    if (found == typeNames().end()) return std::nullopt;
    return found->second;
}

const char* itemTypeName(ItemType type) {
    for (const auto& [name, value] : typeNames())
        if (value == type) return name.c_str();
    return "";
}

Entry* Item::activeEntry() const {
    if (entries.empty()) return nullptr;
    if (selected < 0 || selected >= static_cast<int32_t>(entries.size())) return entries.front().get();
    return entries[static_cast<std::size_t>(selected)].get();
}

std::string Item::valueText() const {
    char buffer[64];
    switch (type) {
    case ItemType::spinEdit:
        if (isRealSpin()) {
            std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals), static_cast<double>(realValue));
        } else {
            std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(intValue));
        }
        return buffer;
    case ItemType::checkBox:
        return boolValue ? "on" : "off";
    case ItemType::popupList:
        if (const Entry* entry = activeEntry()) return trimLeadingBlanks(entry->text);
        return "";
    default:
        return "";
    }
}

Item* Dialog::item(int32_t id) const {
    for (const auto& item : items)
        if (item->id == id) return item.get();
    return nullptr;
}

std::vector<const Item*> Dialog::staticTexts() const {
    std::vector<const Item*> texts;
    for (const auto& item : items)
        if (item->type == ItemType::textStatic && !item->text.empty()) texts.push_back(item.get());
    std::stable_sort(texts.begin(), texts.end(), [](const Item* a, const Item* b) {
        return a->bounds.top != b->bounds.top ? a->bounds.top < b->bounds.top : a->bounds.left < b->bounds.left;
    });
    return texts;
}

Item* Dialog::resolve(const std::string& name) const {
    int32_t id = 0;
    if (parseInt(name, &id)) return item(id);

    std::string label = name;
    int ordinal = 1;
    if (auto hash = name.rfind('#'); hash != std::string::npos && parseInt(name.substr(hash + 1), &ordinal)) {
        label = name.substr(0, hash);
        while (!label.empty() && label.back() == ' ') label.pop_back();
    }
    label = trimLabel(label);
    if (label.empty() || ordinal < 1) return nullptr;

    // Check boxes and buttons carry their own text.
    if (ordinal == 1) {
        for (const auto& candidate : items) {
            bool labelled = candidate->type == ItemType::checkBox || candidate->type == ItemType::pushButton;
            if (labelled && trimLabel(candidate->text) == label) return candidate.get();
        }
    }
    // Otherwise the static text's row: the value boxes on its page right of it, left to right.
    for (const auto& text : items) {
        if (text->type != ItemType::textStatic || trimLabel(text->text) != label) continue;
        std::vector<Item*> row;
        for (const auto& candidate : items) {
            if (!isValueBox(*candidate) || candidate->bounds.left < text->bounds.left) continue;
            if (!showsWith(*candidate, *text)) continue;
            if (sameRow(*candidate, *text)) row.push_back(candidate.get());
        }
        std::stable_sort(row.begin(), row.end(), [](const Item* a, const Item* b) {
            return a->bounds.left != b->bounds.left ? a->bounds.left < b->bounds.left : a->bounds.top < b->bounds.top;
        });
        if (static_cast<std::size_t>(ordinal) <= row.size()) return row[static_cast<std::size_t>(ordinal - 1)];
    }
    return nullptr;
}

bool Dialog::showsWith(const Item& item, const Item& label) const {
    if (!pagesProbed || pageButtons.empty()) return true;
    auto itemPages = pagesOf.find(item.id), labelPages = pagesOf.find(label.id);
    if (itemPages == pagesOf.end() || labelPages == pagesOf.end()) return false;
    return std::includes(labelPages->second.begin(), labelPages->second.end(), itemPages->second.begin(),
                         itemPages->second.end());
}

Item* Dialog::presetList() const {
    for (const auto& candidate : items)
        if (candidate->type == ItemType::popupList && !candidate->entries.empty() &&
            candidate->entries.front()->text == " Reset")
            return candidate.get();
    return nullptr;
}

const Item* Dialog::labelOf(const Item& item) const {
    const Item* best = nullptr;
    for (const auto& text : items) {
        if (text->type != ItemType::textStatic || text->text.empty() || text->bounds.left > item.bounds.left) continue;
        if (!sameRow(item, *text)) continue;
        if (!showsWith(item, *text)) continue;
        if (best == nullptr || text->bounds.left > best->bounds.left) best = text.get();
    }
    return best;
}

std::string Action::describe() const {
    switch (kind) {
    case Kind::setValue: return "set " + item + "=" + value;
    case Kind::check: return "check " + item;
    case Kind::uncheck: return "uncheck " + item;
    case Kind::choose: return "choose " + item + "=" + value;
    case Kind::click: return "click " + item;
    case Kind::pick: return "pick " + item;
    case Kind::ok: return "OK";
    case Kind::cancel: return "Cancel";
    }
    return "";
}

Toolkit::Toolkit() = default;
Toolkit::~Toolkit() = default;

void Toolkit::registerItem(Item* item) { items_.insert(item); }

Dialog* Toolkit::dialog(KvDialog handle) const {
    return dialogs_.count(handle) ? reinterpret_cast<Dialog*>(handle) : nullptr;
}

Item* Toolkit::item(KvItem handle) const { return items_.count(handle) ? reinterpret_cast<Item*>(handle) : nullptr; }

Item* Toolkit::listOwner(KvList handle) const {
    Item* owner = item(reinterpret_cast<KvItem>(handle));
    return owner != nullptr && owner->type == ItemType::popupList ? owner : nullptr;
}

Entry* Toolkit::entry(KvEntry handle, Item** owner) const {
    if (handle == nullptr) return nullptr;
    for (const Dialog* open : stack_) {
        for (const auto& candidate : open->items) {
            for (const auto& entry : candidate->entries) {
                if (reinterpret_cast<KvEntry>(entry.get()) == handle) {
                    if (owner != nullptr) *owner = candidate.get();
                    return entry.get();
                }
            }
        }
    }
    return nullptr;
}

Item* Toolkit::createItem(Dialog& dialog, int32_t id, ItemType type, const KvIntRect& bounds) {
    if (dialog.item(id) != nullptr) return nullptr;
    auto item = std::make_unique<Item>();
    item->dialog = &dialog;
    item->id = id;
    item->type = type;
    item->bounds = bounds;
    Item* raw = item.get();
    dialog.items.push_back(std::move(item));
    registerItem(raw);
    return raw;
}

int32_t Toolkit::modal(const DialogResource* resource, const std::string& name, int32_t resourceId,
                       KvDialogInitProc init, void* userData) {
    if (resource == nullptr) return 0;
    Dialog dialog;
    dialog.name = name;
    dialog.resourceId = resourceId;
    dialog.title = resource->title;
    dialog.bounds = KvIntRect{0, 0, resource->width, resource->height};
    dialog.userData = userData;
    dialogs_.insert(&dialog);
    stack_.push_back(&dialog);
    for (const ItemResource& described : resource->items) {
        if (Item* item = createItem(dialog, described.id, described.type, described.bounds))
            item->text = described.text;
    }

    struct Close {
        Toolkit& toolkit;
        Dialog& dialog;
        ~Close() {
            for (const auto& item : dialog.items) toolkit.items_.erase(item.get());
            toolkit.dialogs_.erase(&dialog);
            toolkit.stack_.pop_back();
        }
    } close{*this, dialog};

    if (init != nullptr && init(reinterpret_cast<KvDialog>(&dialog)) != kResultOk) return 0;
    if (driver_ != nullptr) driver_->run(*this, dialog);
    if (!dialog.ended()) perform(dialog, Action::make(Action::Kind::ok, "", ""));
    return dialog.endedWith;
}

void Toolkit::defaultNotify(Item& item) {
    if ((item.id == 1 || item.id == 2) && !item.dialog->ended()) item.dialog->endedWith = item.id;
}

void Toolkit::notify(Item& item) {
    if (item.notifier != nullptr) {
        item.notifier(reinterpret_cast<KvItem>(&item), reinterpret_cast<KvNotifier>(const_cast<char*>(kKvUserChangedNotifier)));
    } else {
        defaultNotify(item);
    }
}

void Toolkit::probePages(Dialog& dialog) {
    if (dialog.pagesProbed) return;
    dialog.pagesProbed = true;
    std::vector<Item*> buttons;
    for (const auto& item : dialog.items)
        if (item->type == ItemType::picturePushButton && item->notifier != nullptr && item->tracker == nullptr)
            buttons.push_back(item.get());
    std::sort(buttons.begin(), buttons.end(), [](const Item* a, const Item* b) { return a->id < b->id; });
    auto shownNow = [&] {
        std::set<int32_t> shown;
        for (const auto& item : dialog.items)
            if (item->visible) shown.insert(item->id);
        return shown;
    };
    const std::set<int32_t> before = shownNow();
    Item* current = nullptr;
    for (std::size_t page = 0; page < buttons.size() && !dialog.ended(); ++page) {
        dialog.pageButtons.push_back(buttons[page]->id);
        notify(*buttons[page]);
        std::set<int32_t> shown = shownNow();
        if (shown == before) current = buttons[page];
        for (int32_t id : shown) dialog.pagesOf[id].insert(static_cast<int>(page + 1));
    }
    if (current != nullptr && !dialog.ended()) notify(*current);
}

void Toolkit::perform(Dialog& dialog, const Action& action) {
    using Kind = Action::Kind;
    if (action.kind == Kind::ok || action.kind == Kind::cancel) {
        // Confirming works even when the plug-in disabled its OK button.
        Item* button = dialog.item(action.kind == Kind::ok ? 1 : 2);
        if (button != nullptr) notify(*button);
        if (!dialog.ended()) dialog.endedWith = action.kind == Kind::ok ? 1 : 2;
        return;
    }

    int32_t id = 0;
    if (!action.presetList && !parseInt(action.item, &id)) probePages(dialog);
    Item* item = action.presetList ? dialog.presetList() : dialog.resolve(action.item);
    if (item == nullptr && action.presetList) throw ActionError("the dialog has no preset list");
    if (item == nullptr) throw ActionError("no item \"" + action.item + "\" in the dialog");
    if (!item->enabled) throw ActionError("item \"" + action.item + "\" is disabled");

    switch (action.kind) {
    case Kind::setValue: {
        if (item->type != ItemType::spinEdit) throw ActionError("item \"" + action.item + "\" takes no value");
        double value = 0;
        if (!parseReal(action.value, &value))
            throw ActionError("\"" + action.value + "\" is not a number (item \"" + action.item + "\")");
        if (item->isRealSpin()) {
            if (item->minReal) value = std::max(value, static_cast<double>(*item->minReal));
            if (item->maxReal) value = std::min(value, static_cast<double>(*item->maxReal));
            item->realValue = static_cast<float>(value);
            item->intValue = static_cast<int32_t>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
        } else {
            value = std::clamp(std::trunc(value), -2147483648.0, 2147483647.0);
            if (item->minInt) value = std::max(value, static_cast<double>(*item->minInt));
            if (item->maxInt) value = std::min(value, static_cast<double>(*item->maxInt));
            item->intValue = static_cast<int32_t>(value);
            item->realValue = static_cast<float>(item->intValue);
        }
        break;
    }
    case Kind::check:
    case Kind::uncheck:
        if (item->type != ItemType::checkBox) throw ActionError("item \"" + action.item + "\" is not a check box");
        item->boolValue = action.kind == Kind::check;
        break;
    case Kind::choose: {
        if (item->type != ItemType::popupList) throw ActionError("item \"" + action.item + "\" is not a list");
        int32_t index = -1;
        if (!parseInt(action.value, &index)) {
            for (std::size_t i = 0; i < item->entries.size(); ++i)
                if (trimBlanks(item->entries[i]->text) == trimBlanks(action.value))
                    index = static_cast<int32_t>(i);
        }
        if (index < 0 || index >= static_cast<int32_t>(item->entries.size()))
            throw ActionError("no entry \"" + action.value + "\" in list \"" + action.item + "\"");
        item->selected = index;
        break;
    }
    case Kind::click:
        if (item->type == ItemType::checkBox) item->boolValue = !item->boolValue;
        break;
    case Kind::pick: {
        KvIntPoint point = action.point;
        if (action.artworkPoint && viewPointOf) point = viewPointOf(action.artworkPoint->first, action.artworkPoint->second);
        event_ = TrackEvent{action.modifiers, point};
        item->pressed = false;
        int32_t handled = 0;
        if (item->tracker != nullptr) {
            handled = item->tracker(reinterpret_cast<KvItem>(item), reinterpret_cast<KvTracker>(&event_));
        }
        bool click = item->tracker == nullptr || item->pressed || handled == 0;
        item->pressed = false;
        event_ = TrackEvent{};
        if (!click) return;
        break;
    }
    default:
        break;
    }
    notify(*item);
}

void HeadlessDriver::alert(const std::string& text) {
    err_ << text << '\n';
    transcript_.push_back(Shown{"alert", "", {text}});
}

void HeadlessDriver::run(Toolkit& toolkit, Dialog& dialog) {
    auto textOf = [&](int32_t id) {
        const Item* item = dialog.item(id);
        return item != nullptr ? item->text : std::string();
    };
    if (dialog.resourceId == kErrorDialogId) {
        std::string message = textOf(2), code = textOf(3);
        err_ << dialog.title << ": " << message << " (" << code << ")\n";
        transcript_.push_back(Shown{"error", dialog.title, {message, code}});
        toolkit.perform(dialog, Action::make(Action::Kind::ok, "", ""));
        return;
    }
    if (dialog.resourceId == kAboutDialogId) {
        Shown shown{"about", dialog.title, {}};
        out_ << dialog.title << '\n';
        for (const Item* line : dialog.staticTexts()) {
            out_ << line->text << '\n';
            shown.lines.push_back(line->text);
        }
        transcript_.push_back(std::move(shown));
        toolkit.perform(dialog, Action::make(Action::Kind::ok, "", ""));
        return;
    }
    transcript_.push_back(Shown{"dialog", dialog.title, {}});
    if (nextScript_ < scripts_.size()) {
        for (const Action& action : scripts_[nextScript_++]) {
            if (dialog.ended()) break;
            try {
                toolkit.perform(dialog, action);
            } catch (const ActionError& refused) {
                // Nothing the user asked for after this may happen: leave as Cancel does.
                failure_ = refused.what();
                toolkit.perform(dialog, Action::make(Action::Kind::cancel, "", ""));
                return;
            }
        }
    }
    if (inspect) inspect(dialog);
}

}  // namespace kelvo::toolkit
