// The dialog toolkit's item model and user actions, with a dialog built in the test.
#include <gtest/gtest.h>

#include <sstream>

#include "toolkit/toolkit.h"

namespace kelvo::toolkit {
namespace {

int gNotified = 0;
int32_t gLastNotified = 0;
void countingNotifier(KvItem item, KvNotifier) {
    ++gNotified;
    gLastNotified = reinterpret_cast<Item*>(item)->id;
}

class ToolkitTest : public ::testing::Test {
protected:
    Toolkit toolkit;
    Dialog dialog;

    void SetUp() override {
        gNotified = 0;
        // A row "Size" with two boxes, a check box, a list, OK and Cancel.
        add(100, ItemType::textStatic, {10, 10, 60, 30}, "Size:");
        Item* width = add(4, ItemType::spinEdit, {70, 10, 120, 30});
        width->minInt = 0;
        width->maxInt = 100;
        Item* height = add(5, ItemType::spinEdit, {130, 10, 180, 30});
        height->decimals = 2;
        height->minReal = -1;
        height->maxReal = 1;
        add(3, ItemType::checkBox, {10, 40, 100, 60}, "Preview");
        Item* list = add(60, ItemType::popupList, {10, 70, 100, 90});
        for (const char* text : {" Reset", " Wide", " Tall"}) {
            list->entries.push_back(std::make_unique<Entry>(Entry{text, static_cast<int32_t>(list->entries.size())}));
        }
        add(1, ItemType::pushButton, {200, 10, 260, 30}, "OK");
        add(2, ItemType::pushButton, {200, 40, 260, 60}, "Cancel");
    }

    Item* add(int32_t id, ItemType type, KvIntRect bounds, std::string text = "") {
        Item* item = toolkit.createItem(dialog, id, type, bounds);
        item->text = std::move(text);
        if (id != 2) item->notifier = countingNotifier;
        return item;
    }

    void perform(Action::Kind kind, std::string item, std::string value = "") {
        toolkit.perform(dialog, Action::make(kind, std::move(item), std::move(value)));
    }
};

TEST_F(ToolkitTest, ResolvesIdsLabelsAndLaterBoxesOfARow) {
    EXPECT_EQ(dialog.resolve("5")->id, 5);
    EXPECT_EQ(dialog.resolve("Size")->id, 4);
    EXPECT_EQ(dialog.resolve("Size:#2")->id, 5);
    EXPECT_EQ(dialog.resolve("Size #3"), nullptr);
    EXPECT_EQ(dialog.resolve("Preview")->id, 3);
    EXPECT_EQ(dialog.resolve("Cancel")->id, 2);
    EXPECT_EQ(dialog.resolve("Nothing"), nullptr);
}

TEST_F(ToolkitTest, LabelsComeFromThePagesTheItemShowsOn) {
    // Page 1: "Size" with boxes 4 and 5; page 2: "Depth" on the same row with box 6; the list
    // 60 shows on both pages, on the row of "Depth".
    add(101, ItemType::textStatic, {10, 10, 60, 30}, "Depth:");
    add(6, ItemType::spinEdit, {70, 10, 120, 30});
    dialog.item(60)->bounds = {130, 12, 180, 28};
    dialog.pagesProbed = true;
    dialog.pageButtons = {90, 91};
    dialog.pagesOf = {{100, {1}}, {4, {1}}, {5, {1}}, {101, {2}}, {6, {2}}, {60, {1, 2}}};
    EXPECT_EQ(dialog.resolve("Depth")->id, 6);
    EXPECT_EQ(dialog.resolve("Size#2")->id, 5);
    EXPECT_EQ(dialog.resolve("Depth#2"), nullptr) << "the list of every page is not on Depth's row";
    EXPECT_EQ(dialog.labelOf(*dialog.item(6))->id, 101);
    EXPECT_EQ(dialog.labelOf(*dialog.item(60)), nullptr);
}

TEST_F(ToolkitTest, ALabelBesideTwoStackedBoxesNamesBoth) {
    add(102, ItemType::textStatic, {10, 114, 60, 134}, "Range");
    add(10, ItemType::spinEdit, {70, 104, 120, 124});
    add(11, ItemType::spinEdit, {70, 126, 120, 146});
    EXPECT_EQ(dialog.resolve("Range")->id, 10);
    EXPECT_EQ(dialog.resolve("Range#2")->id, 11);
    EXPECT_EQ(dialog.resolve("Size#3"), nullptr) << "rows that only touch stay apart";
}

int32_t gTrackedModifiers = -1;
int32_t pressingTracker(KvItem item, KvTracker tracker) {
    gTrackedModifiers = reinterpret_cast<TrackEvent*>(tracker)->modifiers;
    if (gTrackedModifiers & kModifierPick) reinterpret_cast<Item*>(item)->pressed = true;  // default tracking
    return 1;
}

TEST_F(ToolkitTest, PickReportsItsModifiersAndAPressBecomesAClick) {
    Item* button = add(150, ItemType::picturePushButton, {250, 10, 270, 30});
    button->tracker = pressingTracker;
    Action pick = Action::make(Action::Kind::pick, "150");
    pick.point = {12, 34};
    toolkit.perform(dialog, pick);
    EXPECT_EQ(gTrackedModifiers, kModifierPick);
    EXPECT_EQ(gLastNotified, 150) << "the tracker's default tracking makes the press a click";
    gNotified = 0;
    pick.modifiers = 0;
    toolkit.perform(dialog, pick);
    EXPECT_EQ(gTrackedModifiers, 0);
    EXPECT_EQ(gNotified, 0) << "a handled event without a press is no click";
    EXPECT_EQ(toolkit.trackEvent().modifiers, 0) << "the event ends with the pick";
}

TEST_F(ToolkitTest, UserValuesAreClampedThenNotified) {
    perform(Action::Kind::setValue, "Size", "250");
    EXPECT_EQ(dialog.item(4)->intValue, 100);
    perform(Action::Kind::setValue, "Size#2", "-7.5");
    EXPECT_FLOAT_EQ(dialog.item(5)->realValue, -1.0f);
    perform(Action::Kind::setValue, "Size#2", "0.125");
    EXPECT_FLOAT_EQ(dialog.item(5)->realValue, 0.125f) << "values keep more than the decimals shown";
    EXPECT_EQ(gNotified, 3);
}

TEST_F(ToolkitTest, ActionsOnBadItemsAreRefusedWithoutChange) {
    dialog.item(4)->enabled = false;
    EXPECT_THROW(perform(Action::Kind::setValue, "Size", "5"), ActionError);
    EXPECT_THROW(perform(Action::Kind::setValue, "Size#2", "abc"), ActionError);
    EXPECT_THROW(perform(Action::Kind::setValue, "Size#2", "nan"), ActionError);
    EXPECT_THROW(perform(Action::Kind::choose, "60", "Huge"), ActionError);
    EXPECT_THROW(perform(Action::Kind::check, "60"), ActionError);
    EXPECT_THROW(perform(Action::Kind::click, "Missing"), ActionError);
    EXPECT_EQ(gNotified, 0);
    EXPECT_EQ(dialog.item(4)->intValue, 0);
}

TEST_F(ToolkitTest, ChoosesEntriesByIndexOrTextWithOptionalBlank) {
    perform(Action::Kind::choose, "60", "Tall");
    EXPECT_EQ(dialog.item(60)->activeEntry()->id, 2);
    perform(Action::Kind::choose, "60", " Wide");
    EXPECT_EQ(dialog.item(60)->activeEntry()->id, 1);
    perform(Action::Kind::choose, "60", "Wide ");
    EXPECT_EQ(dialog.item(60)->activeEntry()->id, 1) << "blanks around the text do not matter";
    perform(Action::Kind::choose, "60", "0");
    EXPECT_EQ(dialog.item(60)->activeEntry()->id, 0);
}

TEST_F(ToolkitTest, OnlyItemsOneAndTwoEndTheDialogAndADisabledOkStillConfirms) {
    dialog.item(4)->notifier = nullptr;
    perform(Action::Kind::setValue, "4", "3");
    EXPECT_FALSE(dialog.ended());
    dialog.item(1)->enabled = false;
    dialog.item(1)->notifier = nullptr;
    toolkit.perform(dialog, Action::make(Action::Kind::ok, "", ""));
    EXPECT_EQ(dialog.endedWith, 1);
}

TEST_F(ToolkitTest, CancelWithoutNotifierEndsWithTwo) {
    toolkit.perform(dialog, Action::make(Action::Kind::cancel, "", ""));
    EXPECT_EQ(dialog.endedWith, 2);
}

TEST(ToolkitModal, MissingResourceCannotOpen) {
    Toolkit toolkit;
    EXPECT_EQ(toolkit.modal(nullptr, "Nothing", 16100, nullptr, nullptr), 0);
}

TEST(ToolkitModal, HandlesDieWithTheDialog) {
    Toolkit toolkit;
    std::ostringstream out, err;
    HeadlessDriver driver(out, err);
    toolkit.setDriver(&driver);
    DialogResource resource{"Probe", 100, 100, {{1, ItemType::pushButton, {0, 0, 10, 10}, "OK"}}};
    KvItem seen = nullptr;
    driver.inspect = [&](Dialog& dialog) {
        seen = reinterpret_cast<KvItem>(dialog.item(1));
        EXPECT_NE(toolkit.item(seen), nullptr);
    };
    EXPECT_EQ(toolkit.modal(&resource, "Probe", 1, nullptr, nullptr), 1);
    EXPECT_EQ(toolkit.item(seen), nullptr);
}

}  // namespace
}  // namespace kelvo::toolkit
