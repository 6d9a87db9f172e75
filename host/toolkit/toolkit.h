// The dialog toolkit: one item model for every front end, a modal loop, and the drivers that
// stand in for the user (headless scripts now, a browser page later).
//
// A modal dialog is built from a dialog resource, its init procedure runs, then the driver feeds
// it user actions until an item ends it. A user action changes the item's value (clamped into
// its range) and then runs its notifier; values set by the plug-in are stored as they are and
// never run a notifier. Ending a dialog only marks it: its items stay readable until modal
// returns. Item 1 can always confirm, even while disabled.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <map>
#include <optional>
#include <set>
#include <ostream>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "kelvo/sdk/sdk.h"

namespace kelvo::toolkit {

enum class ItemType { spinEdit, textStatic, popupList, checkBox, pushButton, picturePushButton, frame };

// The type string of the plug-in interface, or nullopt for an unknown one.
std::optional<ItemType> itemTypeFromName(const std::string& name);
const char* itemTypeName(ItemType type);

struct ItemResource {
    int32_t id = 0;
    ItemType type = ItemType::textStatic;
    KvIntRect bounds{};
    std::string text;
};

struct DialogResource {
    std::string title;
    int32_t width = 0, height = 0;
    std::vector<ItemResource> items;
};

class Dialog;

struct Entry {
    std::string text;
    int32_t id = 0;
};

struct Item {
    Dialog* dialog = nullptr;
    int32_t id = 0;
    ItemType type = ItemType::textStatic;
    KvIntRect bounds{};
    std::string text;
    bool visible = true, enabled = true;
    int32_t font = 0, units = 0, decimals = 0;
    // Check boxes use boolValue; spin edits keep an integer and a real view of one value.
    bool boolValue = false;
    int32_t intValue = 0;
    float realValue = 0;
    std::optional<int32_t> minInt, maxInt;
    std::optional<float> minReal, maxReal;
    std::vector<std::unique_ptr<Entry>> entries;  // popup lists
    int32_t selected = -1;                        // index of the active entry, -1 none
    KvNotifyProc notifier = nullptr;
    KvTrackProc tracker = nullptr;
    void* userData = nullptr;
    bool pressed = false;  // set by default tracking: the press becomes a click

    bool isRealSpin() const { return type == ItemType::spinEdit && decimals > 0; }
    Entry* activeEntry() const;
    std::string valueText() const;  // the value as a user sees it
};

class Dialog {
public:
    std::string name;
    int32_t resourceId = 0;
    std::string title;
    KvIntRect bounds{};
    void* userData = nullptr;
    int32_t endedWith = 0;  // 0 while open
    std::vector<std::unique_ptr<Item>> items;
    // Pages, once probed (Toolkit::probePages): the page buttons in order, and for every item
    // the pages it shows on, from 1. Empty for a dialog without pages or before probing.
    std::vector<int32_t> pageButtons;
    std::map<int32_t, std::set<int>> pagesOf;
    bool pagesProbed = false;

    Item* item(int32_t id) const;
    // True when `label` shows on every page `item` shows on (always, for a dialog without
    // pages): a box on one page takes its label from that page, a box of the common column
    // only from the common column.
    bool showsWith(const Item& item, const Item& label) const;
    bool ended() const { return endedWith != 0; }
    // The static texts of the dialog in reading order (for the console's dialogs).
    std::vector<const Item*> staticTexts() const;
    // An item named the way the command line names it: an id; the text of a check box or
    // button; or the label of the static text on an item's row, with "#2", "#3", "#4" for the
    // row's later value boxes. Null when nothing matches.
    Item* resolve(const std::string& name) const;
    // The list whose first entry is " Reset", or null.
    Item* presetList() const;
    // The static text nearest to an item's left on its row (its label), or null.
    const Item* labelOf(const Item& item) const;
};

// What the user does, in the driver's words.
struct Action {
    enum class Kind { setValue, check, uncheck, choose, click, pick, ok, cancel } kind = Kind::ok;
    std::string item;   // as Dialog::resolve names it
    std::string value;  // setValue: the number; choose: an index or an entry's text
    KvIntPoint point{}; // pick: view pixels
    int32_t modifiers = kModifierPick;  // pick: the modifier bits the tracker reports
    // pick: an artwork point, converted to view pixels when the action happens (the dialog
    // may have changed the view's zoom by then).
    std::optional<std::pair<double, double>> artworkPoint;
    // choose: the preset list (the list whose first entry is " Reset") instead of `item`.
    bool presetList = false;

    static Action make(Kind kind, std::string item = "", std::string value = "") {
        Action action;
        action.kind = kind;
        action.item = std::move(item);
        action.value = std::move(value);
        return action;
    }
    std::string describe() const;
};

class ActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Toolkit;

// Stands in for the user while a dialog is open, and shows the host's own messages.
class Driver {
public:
    virtual ~Driver() = default;
    // Works the dialog until it has ended; returning with the dialog open confirms it (OK).
    virtual void run(Toolkit& toolkit, Dialog& dialog) = 0;
    virtual void alert(const std::string& text) = 0;
};

// The event a tracker reports.
struct TrackEvent {
    int32_t modifiers = 0;
    KvIntPoint point{};
};

class Toolkit {
public:
    Toolkit();
    ~Toolkit();

    void setDriver(Driver* driver) { driver_ = driver; }
    Driver* driver() const { return driver_; }

    // Builds the dialog from `resource` (null: the dialog cannot open, result 0), runs init and
    // the driver. Returns the id of the item that ended it.
    int32_t modal(const DialogResource* resource, const std::string& name, int32_t resourceId, KvDialogInitProc init,
                  void* userData);
    // The dialog open innermost, or null.
    Dialog* current() const { return stack_.empty() ? nullptr : stack_.back(); }

    // ---- Handles the plug-ins hold are checked against the live objects.
    Dialog* dialog(KvDialog handle) const;
    Item* item(KvItem handle) const;
    Item* listOwner(KvList handle) const;
    Entry* entry(KvEntry handle, Item** owner = nullptr) const;

    Item* createItem(Dialog& dialog, int32_t id, ItemType type, const KvIntRect& bounds);
    void notify(Item& item);  // runs the notifier, or the default handling without one
    // Finds the dialog's pages the way a user would: clicks each page button (a picture push
    // button with a notifier and no tracker) and notes what shows, then returns to the page
    // shown before. Done once per dialog; labels on hidden pages need it.
    void probePages(Dialog& dialog);
    void defaultNotify(Item& item);
    const TrackEvent& trackEvent() const { return event_; }
    // Converts an artwork point to view pixels for picks given in artwork coordinates.
    std::function<KvIntPoint(double x, double y)> viewPointOf;

    // ---- User actions (what the drivers call). Throws ActionError for an unknown or disabled
    // item, a value that is not a number, an unknown entry.
    void perform(Dialog& dialog, const Action& action);

private:
    void registerItem(Item* item);
    Driver* driver_ = nullptr;
    std::vector<Dialog*> stack_;
    std::unordered_set<const void*> dialogs_, items_;
    TrackEvent event_;
};

// The headless driver: replays one script per main dialog, prints the host's own dialogs.
// The About dialog prints its title and lines to `out`; the error dialog prints
// "Plug-in Error: MESSAGE (CODE)" and alerts their text to `err`. Every dialog and alert is
// also kept in the transcript.
class HeadlessDriver : public Driver {
public:
    HeadlessDriver(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    // Scripts are used in order by the dialogs that are not the host's own (About, error).
    void addScript(std::vector<Action> script) { scripts_.push_back(std::move(script)); }
    void run(Toolkit& toolkit, Dialog& dialog) override;
    void alert(const std::string& text) override;

    struct Shown {
        std::string kind;  // "dialog", "about", "error", "alert"
        std::string title;
        std::vector<std::string> lines;
    };
    const std::vector<Shown>& transcript() const { return transcript_; }
    // Why a script stopped: an action the dialog refused (the dialog was then cancelled).
    const std::string& failure() const { return failure_; }
    void clearTranscript() { transcript_.clear(); }
    // A hook run on every dialog after its script (tests use it to read items back).
    std::function<void(Dialog&)> inspect;

private:
    std::ostream& out_;
    std::ostream& err_;
    std::vector<std::vector<Action>> scripts_;
    std::size_t nextScript_ = 0;
    std::vector<Shown> transcript_;
    std::string failure_;
};

inline constexpr int32_t kAboutDialogId = 16050;
inline constexpr int32_t kErrorDialogId = 16051;

}  // namespace kelvo::toolkit
