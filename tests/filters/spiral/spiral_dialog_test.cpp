// Volutia's dialog worked by a headless user through the real host: layout, pages, enable
// rules, presets, Tumble, the preview protocol, the drag buttons and the zoom box.
#include <cstring>
#include <map>
#include <set>

#include "filter_test_support.h"
#include "spiral_host_fixture.h"

namespace kelvo::testing {
namespace {

using toolkit::Dialog;
using toolkit::Item;
using toolkit::ItemType;

struct Layout {
    int32_t id;
    ItemType type;
    KvIntRect bounds;
    int page;  // 0: every page
    const char* text;
};

const Layout kLayout[] = {
    {4, ItemType::spinEdit, {180, 105, 240, 125}, 1, ""},
    {6, ItemType::spinEdit, {180, 127, 240, 147}, 1, ""},
    {8, ItemType::spinEdit, {180, 149, 240, 169}, 1, ""},
    {9, ItemType::spinEdit, {180, 196, 240, 216}, 1, ""},
    {10, ItemType::spinEdit, {280, 196, 340, 216}, 1, ""},
    {38, ItemType::spinEdit, {400, 195, 460, 215}, 0, ""},
    {13, ItemType::spinEdit, {180, 60, 240, 80}, 2, ""},
    {14, ItemType::spinEdit, {180, 82, 240, 102}, 2, ""},
    {15, ItemType::spinEdit, {180, 104, 240, 124}, 2, ""},
    {16, ItemType::spinEdit, {180, 126, 240, 146}, 2, ""},
    {12, ItemType::spinEdit, {180, 148, 240, 168}, 2, ""},
    {19, ItemType::spinEdit, {180, 170, 240, 190}, 2, ""},
    {17, ItemType::spinEdit, {180, 60, 240, 80}, 3, ""},
    {18, ItemType::spinEdit, {180, 82, 240, 102}, 3, ""},
    {33, ItemType::spinEdit, {10, 83, 70, 103}, 4, ""},
    {34, ItemType::spinEdit, {80, 83, 140, 103}, 4, ""},
    {35, ItemType::spinEdit, {150, 83, 210, 103}, 4, ""},
    {36, ItemType::spinEdit, {220, 83, 290, 103}, 4, ""},
    {37, ItemType::spinEdit, {10, 129, 70, 149}, 4, ""},
    {101, ItemType::textStatic, {10, 105, 178, 125}, 1, "Number of points / arm"},
    {102, ItemType::textStatic, {10, 127, 178, 147}, 1, "Number of spirals"},
    {100, ItemType::textStatic, {10, 149, 178, 169}, 1, "Spiral arm decay (%)"},
    {103, ItemType::textStatic, {10, 196, 178, 216}, 1, "Gap (p)"},
    {105, ItemType::textStatic, {10, 60, 178, 80}, 2, "H. Start (p)"},
    {106, ItemType::textStatic, {10, 82, 178, 102}, 2, "V. Start (p)"},
    {107, ItemType::textStatic, {10, 104, 178, 124}, 2, "Skip spiral arm"},
    {108, ItemType::textStatic, {10, 126, 178, 146}, 2, "Create spiral arm"},
    {104, ItemType::textStatic, {10, 148, 178, 168}, 2, "Initial gap from start (p)"},
    {109, ItemType::textStatic, {10, 60, 178, 80}, 3, "Star gap distance (p)"},
    {110, ItemType::textStatic, {10, 82, 178, 102}, 3, "Star angle"},
    {77, ItemType::popupList, {380, 150, 460, 170}, 0, ""},
    {76, ItemType::popupList, {10, 60, 200, 80}, 1, ""},
    {78, ItemType::popupList, {10, 82, 200, 102}, 1, ""},
    {75, ItemType::popupList, {10, 173, 200, 193}, 1, ""},
    {81, ItemType::popupList, {10, 170, 170, 190}, 2, ""},
    {79, ItemType::popupList, {10, 60, 200, 80}, 4, ""},
    {80, ItemType::popupList, {10, 106, 200, 126}, 4, ""},
    {3, ItemType::checkBox, {380, 130, 460, 144}, 0, "Preview"},
    {140, ItemType::checkBox, {10, 60, 200, 74}, 5, "Opacity [R]"},
    {1, ItemType::pushButton, {380, 10, 460, 30}, 0, "OK"},
    {2, ItemType::pushButton, {380, 40, 460, 60}, 0, "Cancel"},
    {60, ItemType::pushButton, {380, 70, 460, 90}, 0, "Shuffle"},
    {61, ItemType::pushButton, {380, 100, 460, 120}, 0, "Tumble"},
    {120, ItemType::picturePushButton, {10, 5, 60, 35}, 0, ""},
    {121, ItemType::picturePushButton, {80, 5, 130, 35}, 0, ""},
    {122, ItemType::picturePushButton, {150, 5, 200, 35}, 0, ""},
    {123, ItemType::picturePushButton, {220, 5, 270, 35}, 0, ""},
    {124, ItemType::picturePushButton, {290, 5, 340, 35}, 0, ""},
    {125, ItemType::textStatic, {17, 40, 79, 55}, 0, "Spiral"},
    {126, ItemType::textStatic, {90, 40, 149, 55}, 0, "Apply"},
    {127, ItemType::textStatic, {160, 40, 219, 55}, 0, "Star"},
    {128, ItemType::textStatic, {220, 40, 289, 55}, 0, "Stroke"},
    {129, ItemType::textStatic, {290, 40, 360, 55}, 0, "Settings"},
    {150, ItemType::picturePushButton, {250, 105, 270, 125}, 1, ""},
    {151, ItemType::picturePushButton, {250, 127, 270, 147}, 1, ""},
    {152, ItemType::picturePushButton, {250, 149, 270, 169}, 1, ""},
    {153, ItemType::picturePushButton, {250, 196, 270, 216}, 1, ""},
    {154, ItemType::picturePushButton, {250, 148, 270, 168}, 2, ""},
    {155, ItemType::picturePushButton, {250, 60, 270, 80}, 3, ""},
    {156, ItemType::picturePushButton, {250, 170, 270, 190}, 2, ""},
};

const std::map<int32_t, std::vector<std::string>> kListEntries = {
    {77,
     {" Reset", " Pentagon-spiral", " Many spiral arms", " Decaying spiral arms", " Small hex spiral",
      " Rapidly out of control ", " Spiral star 1 ", " Hollow ", " Spiral star 2 ", " Shift to right ",
      " Shift to left ", " Zoom shift to left ", " Shift to bottom ", " Shift to top ", " Shift diagonally ",
      " Separate spiral arms (set to no fill before use)", " Inceasing line weight - (Separate)",
      " Inceasing reversed - (Separate)", " Inceasing drifting points - (Separate)",
      " Randomized line weight arms  - (Separate)", " Randomized palette/line weight arms  - (Separate)",
      " Narrow band", " Narrow octspiral", " Narrow octstar spiral ", " Narrow 2/3 oct star spiral (separate)"}},
    {76, {" Contigious spiral arms", " Separate spiral arms [access stroke / weight / apply]"}},
    {78, {" Spirals Type", " Spiral - Reversed", " Spiral - Randomized", " Spiral - Drifting", " Spiral - DriftWood"}},
    {75,
     {" Gap - As setting", " Gap - Alternate", " Gap - Accumulate", " Gap - Center shift (x)",
      " Gap - Center shift (y)", " Gap - Center shift (x+y)", " Gap - Alternate arm"}},
    {81,
     {" Interpolation 001", " Interpolation 002", " Interpolation 003", " Interpolation 004", " Interpolation 005",
      " Interpolation 006"}},
    {79,
     {" Stroke Color - Ignore settings", " Add", " Accumulate", " Pulsed", " Rapid pulse", " Swap",
      " Set black to dialog setting", " Add Randomized", " Accumulate randomized",
      " Add Randomized (Use current Black dialog setting)", " Accumulate randomized(Use dialog setting Black)",
      " Randomized", " Randomized using dialog settings as limits", " Target stroke color to dialog settings",
      " Target stroke color to dialog settings (approx)", " Randomized based on swatches palette"}},
    {80,
     {" Line Weight - Ignore settings", " Add", " Accumulate", " Pulsed", " Rapid pulse", " Swap",
      " Add randomized", " Accumulate randomized", "  <= 10pts randomized", "  <= dialog settings randomized",
      " Target line weight to dialog settings", " Target line weight to dialog settings 9approx)", " Multiplied",
      " Line Weight Either Way", " Line Weight Either Way (accumulate)"}},
};

// What a test reads from the open dialog just before it is confirmed.
struct Seen {
    KvIntRect bounds{};
    std::string title;
    std::set<int32_t> visible, enabled;
    std::map<int32_t, int32_t> fonts;
    std::map<int32_t, double> values;
    std::string documentDump;
    int redraws = 0;
};

class SpiralDialogTest : public SpiralHostTest {
protected:
    Seen seen;

    void SetUp() override {
        SpiralHostTest::SetUp();
        driver.inspect = [this](Dialog& dialog) { look(dialog); };
    }

    void look(Dialog& dialog) {
        seen = Seen{};
        seen.bounds = dialog.bounds;
        seen.title = dialog.title;
        for (const auto& item : dialog.items) {
            if (item->visible) seen.visible.insert(item->id);
            if (item->enabled) seen.enabled.insert(item->id);
            seen.fonts[item->id] = item->font;
            seen.values[item->id] = item->isRealSpin() ? item->realValue : item->intValue;
        }
        seen.documentDump = host.document().debugDump();
        seen.redraws = host.redrawCount();
        if (onOpen) onOpen(dialog);
    }

    std::function<void(Dialog&)> onOpen;

    // The items of `page` (and of every page) that the layout says are visible.
    static std::set<int32_t> itemsShownOn(int page) {
        std::set<int32_t> ids;
        for (const Layout& item : kLayout) {
            if (item.page == 0 || item.page == page) ids.insert(item.id);
        }
        return ids;
    }
};

TEST_F(SpiralDialogTest, BuildsEveryItemAtItsPlace) {
    onOpen = [](Dialog& dialog) {
        EXPECT_EQ(dialog.items.size(), std::size(kLayout));
        for (const Layout& expected : kLayout) {
            SCOPED_TRACE("item " + std::to_string(expected.id));
            const Item* item = dialog.item(expected.id);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->type, expected.type);
            EXPECT_TRUE(item->bounds == expected.bounds);
            EXPECT_EQ(item->text, expected.text);
            if (item->type == ItemType::spinEdit) {
                EXPECT_EQ(item->decimals, (item->minInt ? 0 : 2));
            }
            if (item->type == ItemType::popupList) {
                const auto& texts = kListEntries.at(expected.id);
                ASSERT_EQ(item->entries.size(), texts.size());
                for (std::size_t e = 0; e < texts.size(); ++e) {
                    EXPECT_EQ(item->entries[e]->text, texts[e]);
                    EXPECT_EQ(item->entries[e]->id, static_cast<int32_t>(e));
                }
            }
        }
        // Ranges, and the first-use values each box shows.
        struct Range {
            int32_t id;
            double min, max, value;
        };
        for (const Range& r : {Range{4, 3, 20, 4}, Range{6, 2, 100, 10}, Range{15, 0, 100, 0}, Range{16, 1, 100, 1}}) {
            const Item* item = dialog.item(r.id);
            EXPECT_EQ(*item->minInt, r.min) << r.id;
            EXPECT_EQ(*item->maxInt, r.max) << r.id;
            EXPECT_EQ(item->intValue, r.value) << r.id;
        }
        for (const Range& r : {Range{8, -100, 100, 0}, Range{9, 1, 100, 25}, Range{10, -10, 100, 0},
                               Range{38, 1, 500, 100}, Range{13, -5000, 5000, kStartX}, Range{14, -5000, 5000, kStartY},
                               Range{12, 1, 1000, 20}, Range{19, -1000, 1000, 0}, Range{17, 0, 500, 0},
                               Range{18, -7000, 7000, 0}, Range{33, -400, 400, 1}, Range{36, -400, 400, 1},
                               Range{37, -1000, 1000, 0}}) {
            const Item* item = dialog.item(r.id);
            EXPECT_EQ(*item->minReal, r.min) << r.id;
            EXPECT_EQ(*item->maxReal, r.max) << r.id;
            EXPECT_EQ(item->realValue, r.value) << r.id;
        }
    };
    ASSERT_EQ(dialog({}), kResultOk);
    EXPECT_EQ(seen.title, "Volutia Plug-in");
    EXPECT_EQ(seen.bounds.right - seen.bounds.left, 470);
    EXPECT_EQ(seen.bounds.bottom - seen.bounds.top, 220);
    EXPECT_EQ(seen.visible, itemsShownOn(1));
    EXPECT_EQ(seen.enabled.count(1), 0u) << "OK is shown disabled, as every dialog of the family";
}

TEST_F(SpiralDialogTest, PageButtonsShowTheirPages) {
    for (int page = 1; page <= 5; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        ASSERT_EQ(dialog({click(std::to_string(119 + page))}), kResultOk);
        EXPECT_EQ(seen.visible, itemsShownOn(page));
        for (int caption = 125; caption <= 129; ++caption) {
            EXPECT_EQ(seen.fonts[caption], caption == 124 + page ? kFontCaption : kFontNormal) << caption;
        }
        EXPECT_EQ(record().page, page);
    }
}

TEST_F(SpiralDialogTest, ValuesPageAndPositionAreRememberedAfterOk) {
    onOpen = [](Dialog& dialog) { dialog.bounds = {100, 50, 570, 270}; };  // the user moves it
    ASSERT_EQ(use({set("6", 15), choose("76", "1"), click("123")}), kResultOk);
    EXPECT_EQ(record().dialogBoundsSaved, 1);

    onOpen = nullptr;
    const int redrawsBefore = host.redrawCount();
    ASSERT_EQ(dialog({}), kResultOk);
    EXPECT_TRUE(seen.bounds == (KvIntRect{100, 50, 570, 270}));
    EXPECT_EQ(seen.visible, itemsShownOn(4));
    EXPECT_EQ(seen.fonts[128], kFontCaption);
    EXPECT_EQ(seen.values[6], 15);
    EXPECT_EQ(seen.enabled.count(79), 1u) << "separate arms were kept";
    EXPECT_EQ(seen.redraws, redrawsBefore + 1) << "opening draws one preview";
}

TEST_F(SpiralDialogTest, EnableRulesFollowTheValues) {
    struct Rule {
        const char* name;
        std::vector<Action> script;
        std::set<int32_t> enabled, disabled;
    };
    const Rule rules[] = {
        {"first use", {}, {4, 6, 17}, {81, 33, 34, 35, 36, 15, 16, 80, 79, 140, 18, 37}},
        {"interpolation", {set("19", 10)}, {81}, {}},
        {"separate arms", {choose("76", "1")}, {15, 16, 80, 79, 140}, {33, 37}},
        {"stroke colour mode", {choose("76", "1"), choose("79", "2")}, {33, 34, 35, 36}, {37}},
        {"line weight mode", {choose("76", "1"), choose("80", "3")}, {37}, {33}},
        {"star gap", {set("17", 10)}, {18}, {}},
        {"back to nothing", {set("17", 10), set("17", 0), set("19", 5), set("19", 0)}, {}, {18, 81}},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.name);
        // Each starts from the Reset values the previous rule ended with.
        ASSERT_EQ(dialog(std::vector<Action>(rule.script.begin(), rule.script.end())), kResultOk);
        for (int32_t id : rule.enabled) EXPECT_EQ(seen.enabled.count(id), 1u) << id;
        for (int32_t id : rule.disabled) EXPECT_EQ(seen.enabled.count(id), 0u) << id;
        ASSERT_EQ(dialog({preset(0)}), kResultOk);
    }
}

using Edit = void (*)(SpiralParams&);
const Edit kPresetChanges[kSpiralPresetCount] = {
    [](SpiralParams&) {},
    [](SpiralParams& p) { p.pointsPerArm = 5; },
    [](SpiralParams& p) { p.spiralCount = 30; },
    [](SpiralParams& p) { p.armDecay = 40, p.spiralCount = 30, p.pointsPerArm = 5; },
    [](SpiralParams& p) { p.pointsPerArm = 6, p.gap = 10; },
    [](SpiralParams& p) { p.gap = 10, p.spiralCount = 20, p.gapValue = 1, p.gapMode = 2; },
    [](SpiralParams& p) { p.starGap = 100, p.gap = 10; },
    [](SpiralParams& p) { p.initialGap = 200, p.gap = 10; },
    [](SpiralParams& p) { p.starGap = 60, p.gap = 10, p.pointsPerArm = 6, p.initialGap = 100; },
    [](SpiralParams& p) { p.gapMode = 3, p.gapValue = 9; },
    [](SpiralParams& p) { p.gapMode = 3, p.gapValue = -9; },
    [](SpiralParams& p) { p.gapMode = 3, p.gapValue = -30; },
    [](SpiralParams& p) { p.gapMode = 4, p.gapValue = -10; },
    [](SpiralParams& p) { p.gapMode = 4, p.gapValue = 10; },
    [](SpiralParams& p) { p.gapMode = 5, p.gapValue = 10; },
    [](SpiralParams& p) { p.armMode = 1; },
    [](SpiralParams& p) { p.armMode = 1, p.lineWeight = 10, p.lineWeightMode = 1; },
    [](SpiralParams& p) { p.spiralType = 1, p.armMode = 1, p.lineWeight = 10, p.lineWeightMode = 1; },
    [](SpiralParams& p) { p.spiralType = 4, p.armMode = 1, p.lineWeight = 4, p.lineWeightMode = 1; },
    [](SpiralParams& p) { p.armMode = 1, p.lineWeight = 10, p.lineWeightMode = 7; },
    [](SpiralParams& p) { p.strokeColourMode = 15, p.armMode = 1, p.lineWeight = 10, p.lineWeightMode = 7; },
    [](SpiralParams& p) { p.pointsPerArm = 6, p.armDecay = 30, p.gap = 6, p.initialGap = 100; },
    [](SpiralParams& p) { p.pointsPerArm = 8, p.armDecay = 30, p.gap = 6, p.initialGap = 100; },
    [](SpiralParams& p) { p.pointsPerArm = 8, p.armDecay = 30, p.gap = 6, p.initialGap = 100, p.starGap = 50; },
    [](SpiralParams& p) {
        p.armMode = 1, p.skipCount = 2, p.createCount = 3, p.starGap = 50, p.pointsPerArm = 8, p.armDecay = 30,
        p.gap = 10, p.initialGap = 100;
    },
};

TEST_F(SpiralDialogTest, EveryPresetSetsItsValuesAndTurnsPreviewOn) {
    ASSERT_EQ(use({preset(0)}), kResultOk);
    const SpiralParams reset = record();
    for (int index = 0; index < kSpiralPresetCount; ++index) {
        SCOPED_TRACE("preset " + std::to_string(index));
        // Everything a preset writes is changed first, so nothing passes by standing still.
        ASSERT_EQ(dialog({uncheck("3"), choose("76", "1"), set("8", 77), set("17", 3), choose("78", "3"),
                          set("19", 9), choose("79", "4"), check("140"), preset(index)}),
                  kResultOk);
        EXPECT_EQ(record().preview, 1);
        EXPECT_EQ(record().previewDrawn, 1);
        EXPECT_EQ(record().presetIndex, index);
        EXPECT_FALSE(paths().empty()) << "a preview was drawn";
        SpiralParams expected = reset;
        kPresetChanges[index](expected);
        expected.presetIndex = index;
        expected.finalRun = record().finalRun;
        expected.previewDrawn = 1;
        EXPECT_EQ(differingWords(expected, record()), std::vector<std::size_t>{});
        EXPECT_EQ(loader.go(filter()), kResultOk);
    }
}

TEST_F(SpiralDialogTest, ResetKeepsZoomPageAndPositionButFollowsTheView) {
    onOpen = [](Dialog& dialog) { dialog.bounds = {40, 30, 510, 250}; };
    ASSERT_EQ(use({click("122"), set("38", 250), set("4", 7)}), kResultOk);
    onOpen = nullptr;
    host.view().center = {400, 500};
    ASSERT_EQ(use({preset(0)}), kResultOk);
    EXPECT_EQ(record().page, 3);
    EXPECT_EQ(record().viewZoom, 250);
    EXPECT_TRUE(record().dialogBounds == (KvIntRect{40, 30, 510, 250}));
    EXPECT_EQ(record().pointsPerArm, 4);
    EXPECT_EQ(record().startX, 200);
    EXPECT_EQ(record().startY, 500);
    EXPECT_EQ(seen.visible, itemsShownOn(3)) << "the page stays";
}

TEST_F(SpiralDialogTest, TumbleKeepsItsUntouchedFieldsAndShowsTheRest) {
    ASSERT_EQ(use({choose("76", "1"), set("13", 50), set("14", 60), set("19", 5), choose("81", "3"),
                   set("38", 150), check("140"), click("121")}),
              kResultOk);
    SpiralParams before = record();
    ASSERT_EQ(use({click("61")}), kResultOk);
    const SpiralParams& after = record();
    EXPECT_EQ(after.armMode, before.armMode);
    EXPECT_EQ(after.page, 2);
    EXPECT_EQ(after.startX, 50);
    EXPECT_EQ(after.startY, 60);
    EXPECT_EQ(after.pivotMode, 3);
    EXPECT_EQ(after.viewZoom, 150);
    EXPECT_EQ(after.randomOpacity, 1);
    EXPECT_EQ(after.preview, 1);
    EXPECT_EQ(after.presetIndex, before.presetIndex);
    // The items show what Tumble wrote, in range or not.
    EXPECT_EQ(seen.values[4], after.pointsPerArm);
    EXPECT_EQ(seen.values[6], after.spiralCount);
    EXPECT_FLOAT_EQ(seen.values[9], after.gap);
    EXPECT_FLOAT_EQ(seen.values[12], after.initialGap);
    EXPECT_EQ(seen.visible, itemsShownOn(2)) << "the page stays";
}

TEST_F(SpiralDialogTest, CancelAfterPreviewsRestoresDocumentAndRecord) {
    ASSERT_EQ(use({set("6", 5)}), kResultOk);
    const std::vector<unsigned char> bytes = recordBytes();
    const std::string document = host.document().debugDump();
    ASSERT_EQ(dialog({set("6", 20), set("9", 40), click("61"), preset(5), choose("76", "1"), click("124"),
                      set("38", 300), cancel()}),
              kResultCancelled);
    EXPECT_EQ(recordBytes(), bytes);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(host.document().debugDump(), document);
}

TEST_F(SpiralDialogTest, GoKeepsTheAcceptedPreviewOrDrawsOnce) {
    // Randomized steps make every drawing different, so a second drawing would show.
    ASSERT_EQ(use({choose("78", "2")}), kResultOk);
    EXPECT_EQ(host.document().debugDump(), seen.documentDump) << "Go drew nothing more";
    EXPECT_EQ(paths().size(), 1u);

    host.setDocument(std::make_unique<doc::Document>());
    ASSERT_EQ(use({choose("78", "2"), uncheck("3")}), kResultOk);
    EXPECT_NE(host.document().debugDump(), seen.documentDump) << "Go drew afresh";
    EXPECT_EQ(paths().size(), 1u) << "the preview left in place went first";
}

TEST_F(SpiralDialogTest, ShuffleDrawsAgainWithFreshDraws) {
    ASSERT_EQ(use({choose("78", "2")}), kResultOk);
    const std::string first = host.document().debugDump();
    host.setDocument(std::make_unique<doc::Document>());
    ASSERT_EQ(dialog({choose("78", "2"), click("Shuffle")}), kResultOk);
    EXPECT_EQ(paths().size(), 1u);
    EXPECT_NE(host.document().debugDump(), first);
}

TEST_F(SpiralDialogTest, FailedPreviewIsNotTakenAsTheResult) {
    ASSERT_EQ(host.document().setLayerLocked(host.document().currentLayer(), true), doc::Status::ok);
    EXPECT_EQ(use({set("6", 12)}), kResultLayerLocked);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(errorsShown(),
              std::vector<std::string>{"The filter cannot complete because a layer is locked or invisible."});
}

TEST_F(SpiralDialogTest, DragButtonsSetValuesFromTheArtworkPoint) {
    struct Drag {
        const char* button;
        double x;  // artwork x of the mouse
        int32_t item;
        double value;
    };
    const Drag drags[] = {
        {"150", 200, 4, 8},     {"151", 300, 6, 31},    {"152", 100, 8, -50},  {"153", 250, 9, 26},
        {"154", 500, 12, 51},   {"155", 300, 17, 30},   {"156", 400, 19, 100},
        {"150", -100, 4, -4},   {"150", 1000, 4, 40},   {"151", -50, 6, -4},  // written as they are
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(std::string("button ") + d.button + " at " + std::to_string(d.x));
        ASSERT_EQ(dialog({pick(d.button, d.x)}), kResultOk);
        EXPECT_FLOAT_EQ(seen.values[d.item], d.value);
        EXPECT_EQ(record().previewDrawn, 1) << "the preview follows the new value";
        EXPECT_TRUE(everyCoordinateFinite());
        ASSERT_EQ(dialog({preset(0)}), kResultOk);
    }
    ASSERT_EQ(use({pick("150", 200)}), kResultOk);
    EXPECT_EQ(record().pointsPerArm, 8);
    EXPECT_EQ(paths().back()->segments.size(), 80u);
}

TEST_F(SpiralDialogTest, ZoomBoxZoomsTheViewWithoutAPreview) {
    const int redrawsBefore = host.redrawCount();
    ASSERT_EQ(dialog({set("38", 250)}), kResultOk);
    EXPECT_FLOAT_EQ(host.view().zoom, 2.5f);
    EXPECT_EQ(record().viewZoom, 250);
    EXPECT_EQ(seen.redraws, redrawsBefore + 1) << "only the opening preview";
}

}  // namespace
}  // namespace kelvo::testing
