// Chromble's dialog through the real host: its items and pages, presets, Tumble, Shuffle, the
// zoom box and the pick buttons, and the preview/OK/Cancel/Go protocol seen from the document
// and the record.
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "colour_host_fixture.h"
#include "colour_test_support.h"

namespace kelvo::testing {
namespace {

using toolkit::ItemType;

const char* const kPresetNames[kColourPresetCount] = {
    " Reset", " Preset 1", " Preset 2", " Preset 3", " Preset 4", " Preset 5", " Preset 6", " Preset 7",
};

const std::vector<std::size_t> kProtocolWords = joinedWords(
    {COLOUR_WORDS(finalRun), COLOUR_WORDS(previewDrawn), COLOUR_WORDS(dialogBounds), COLOUR_WORDS(dialogBoundsSaved)});

// ---- Items and pages.

struct ItemSpec {
    int32_t id;
    ItemType type;
    KvIntRect bounds;
    const char* text;
    int page;  // 0: every page
};

const ItemSpec kItems[] = {
    {1, ItemType::pushButton, {300, 10, 380, 30}, "OK", 0},
    {2, ItemType::pushButton, {300, 40, 380, 60}, "Cancel", 0},
    {60, ItemType::pushButton, {300, 70, 380, 90}, "Shuffle", 0},
    {61, ItemType::pushButton, {300, 100, 380, 120}, "Tumble", 0},
    {3, ItemType::checkBox, {300, 130, 380, 144}, "Preview", 0},
    {40, ItemType::popupList, {300, 150, 380, 170}, "", 0},
    {12, ItemType::spinEdit, {320, 180, 380, 200}, "", 0},
    {80, ItemType::picturePushButton, {10, 5, 60, 35}, "", 0},
    {81, ItemType::picturePushButton, {80, 5, 130, 35}, "", 0},
    {82, ItemType::picturePushButton, {150, 5, 200, 35}, "", 0},
    {83, ItemType::textStatic, {17, 40, 79, 55}, "Colors", 0},
    {84, ItemType::textStatic, {80, 40, 149, 55}, "Variance", 0},
    {85, ItemType::textStatic, {150, 40, 220, 55}, "Settings", 0},
    {4, ItemType::spinEdit, {180, 60, 240, 80}, "", 1},
    {5, ItemType::spinEdit, {180, 82, 240, 102}, "", 1},
    {6, ItemType::spinEdit, {180, 104, 240, 124}, "", 1},
    {7, ItemType::spinEdit, {180, 126, 240, 146}, "", 1},
    {70, ItemType::textStatic, {10, 60, 148, 80}, "Fill/stroke channel 1", 1},
    {71, ItemType::textStatic, {10, 82, 148, 102}, "Fill/stroke channel 2", 1},
    {72, ItemType::textStatic, {10, 104, 148, 124}, "Fill/stroke channel 3", 1},
    {73, ItemType::textStatic, {10, 126, 148, 146}, "Fill/stroke channel 4", 1},
    {41, ItemType::popupList, {10, 150, 200, 170}, "", 1},
    {90, ItemType::picturePushButton, {250, 60, 270, 80}, "", 1},
    {91, ItemType::picturePushButton, {250, 82, 270, 102}, "", 1},
    {92, ItemType::picturePushButton, {250, 104, 270, 126}, "", 1},
    {93, ItemType::picturePushButton, {250, 128, 270, 148}, "", 1},
    {8, ItemType::spinEdit, {180, 60, 240, 80}, "", 2},
    {9, ItemType::spinEdit, {180, 82, 240, 102}, "", 2},
    {10, ItemType::spinEdit, {180, 104, 240, 124}, "", 2},
    {11, ItemType::spinEdit, {180, 126, 240, 146}, "", 2},
    {74, ItemType::textStatic, {10, 60, 148, 80}, "Interpolate", 2},
    {75, ItemType::textStatic, {10, 82, 148, 102}, "Path factor", 2},
    {76, ItemType::textStatic, {10, 114, 148, 134}, "Range", 2},
    {42, ItemType::popupList, {10, 150, 200, 170}, "", 2},
    {94, ItemType::picturePushButton, {250, 60, 270, 80}, "", 2},
    {95, ItemType::picturePushButton, {250, 82, 270, 102}, "", 2},
    {96, ItemType::picturePushButton, {250, 104, 270, 126}, "", 2},
    {97, ItemType::picturePushButton, {250, 128, 270, 148}, "", 2},
    {21, ItemType::checkBox, {10, 60, 250, 74}, "Opacity [R]", 3},
    {22, ItemType::checkBox, {10, 77, 250, 91}, "Blend [R]", 3},
    {23, ItemType::checkBox, {10, 94, 250, 108}, "Style [R]", 3},
    {25, ItemType::checkBox, {10, 111, 250, 125}, "Width [R]", 3},
    {24, ItemType::checkBox, {10, 128, 250, 142}, "Symbolize", 3},
    {26, ItemType::checkBox, {10, 145, 250, 159}, "Apply [R]", 3},
};

TEST_F(ColourHostTest, EveryItemStandsAtItsBoundsWithItsTextAndOnlyOnItsPage) {
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        std::size_t itemCount = 0;
        KvIntRect size{};
        std::map<int32_t, const toolkit::Item*> items;
        std::map<int32_t, bool> visible;
        std::map<int32_t, int32_t> fonts;
        driver.inspect = [&](toolkit::Dialog& d) {
            itemCount = d.items.size();
            size = d.bounds;
            for (const auto& item : d.items) {
                visible[item->id] = item->visible;
                fonts[item->id] = item->font;
            }
            for (const ItemSpec& spec : kItems) {
                const toolkit::Item* item = d.item(spec.id);
                ASSERT_NE(item, nullptr) << spec.id;
                EXPECT_EQ(item->type, spec.type) << spec.id;
                EXPECT_TRUE(item->bounds == spec.bounds) << spec.id;
                EXPECT_EQ(item->text, spec.text) << spec.id;
            }
        };
        ASSERT_EQ(dialog({click(std::to_string(79 + page)), cancel()}), kResultCancelled);
        EXPECT_EQ(itemCount, std::size(kItems));
        EXPECT_EQ(size.right - size.left, 400);
        EXPECT_EQ(size.bottom - size.top, 205);
        for (const ItemSpec& spec : kItems) EXPECT_EQ(visible[spec.id], spec.page == 0 || spec.page == page) << spec.id;
        for (int32_t caption = 83; caption <= 85; ++caption) EXPECT_EQ(fonts[caption], caption - 82 == page ? 5 : 0);
    }
}

TEST_F(ColourHostTest, ValueBoxesAndListsCarryTheirRangesAndEntries) {
    struct Box {
        int32_t id;
        float min, max, value;
    };
    const Box boxes[] = {{4, -200, 200, 10}, {5, -200, 200, 10}, {6, -200, 200, 10}, {7, -200, 200, 10},
                         {8, 0, 100, 100},   {9, -200, 200, 100}, {10, 0, 255, 0},   {11, 0, 255, 255},
                         {12, 1, 500, 100}};
    std::map<int32_t, std::vector<std::pair<std::string, int32_t>>> entries;
    std::map<int32_t, int32_t> selected;
    driver.inspect = [&](toolkit::Dialog& d) {
        for (const Box& box : boxes) {
            const toolkit::Item* item = d.item(box.id);
            EXPECT_EQ(item->minReal, box.min) << box.id;
            EXPECT_EQ(item->maxReal, box.max) << box.id;
            EXPECT_EQ(item->decimals, 2) << box.id;
            EXPECT_EQ(item->units, 0) << box.id;
            EXPECT_EQ(item->realValue, box.value) << box.id;
        }
        for (int32_t list : {40, 41, 42}) {
            for (const auto& entry : d.item(list)->entries) entries[list].push_back({entry->text, entry->id});
            selected[list] = d.item(list)->selected;
        }
    };
    ASSERT_EQ(dialog({cancel()}), kResultCancelled);

    const std::vector<std::string> modes = {
        " Fill + Random", " Fill Random < ", " Fill + Random (use current dialog settings black CMYK)",
        " Fill + Random (Black random)", " Fill + Random Average", " Fill + Random Average (K Random CMYK)",
        " Fill Random Average", " Fill + Percentage Randomized", " Fill Percentage Randomized", " Fill Percentage",
        " Fill Add To", " Fill Randomized", " Fill Randomized (use current dialog settings black CMYK)",
        " Fill Random Swatches", " Stroke + Random", " Stroke Random < ",
        " Stroke + Random (use current dialog settings black CMYK)", " Stroke + Random (Black random)",
        " Stroke + Random Average", " Stroke + Random Average (K Random CMYK)", " Stroke Random Average",
        " Stroke + Percentage Randomized", " Stroke Percentage Randomized", " Stroke Percentage", " Stroke Add To",
        " Stroke Randomized", " Stroke Randomized (use current dialog settings black CMYK)", " Stroke Random Swatches",
    };
    const std::vector<std::string> options = {" Color options", " Negative fill", " Negative stroke", " Average fill",
                                              " Average stroke"};
    const std::map<int32_t, std::vector<std::string>> texts = {
        {40, {std::begin(kPresetNames), std::end(kPresetNames)}}, {41, modes}, {42, options}};
    for (const auto& [list, expected] : texts) {
        SCOPED_TRACE(list);
        ASSERT_EQ(entries[list].size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(entries[list][i].first, expected[i]);
            EXPECT_EQ(entries[list][i].second, static_cast<int32_t>(i)) << "an entry's identifier is its index";
        }
        EXPECT_EQ(selected[list], 0);
    }
}

// The only enable rule: OK is shown disabled from the start, yet it confirms.
TEST_F(ColourHostTest, OkIsShownDisabledYetConfirmsAndEverythingElseIsEnabled) {
    std::map<int32_t, bool> enabled;
    driver.inspect = [&](toolkit::Dialog& d) {
        for (const auto& item : d.items) enabled[item->id] = item->enabled;
    };
    ASSERT_EQ(dialog({set("4", 25), click("82"), check("Apply [R]"), mode(3)}), kResultOk);
    for (const auto& [id, on] : enabled) EXPECT_EQ(on, id != 1) << id;
    EXPECT_EQ(record().channel[0], 25.0f);
    EXPECT_EQ(record().randomApply, 1);
    EXPECT_EQ(record().colourMode, 3);
}

// ---- Presets and Tumble.

// Every entry writes Reset and its changes, switches Preview on, shows every value in its
// item, and recolours the selection with them.
TEST_F(ColourHostTest, EveryPresetTurnsPreviewOnShowsItsValuesAndRecolours) {
    addSquares(2, paint(fourColour(.6f, .7f, .8f, .7f), fourColour(.2f, .2f, .2f, .2f)));
    ASSERT_EQ(use({set("4", 77), set("9", 30), option(4), check("Blend [R]"), set("12", 120), click("81")}),
              kResultOk);
    for (int32_t index = 0; index < kColourPresetCount; ++index) {
        SCOPED_TRACE(kPresetNames[index]);
        ColourParams expected = record();
        ApplyColourPreset(expected, index);
        const std::string before = host.document().debugDump();
        bool previewShown = false;
        driver.inspect = [&](toolkit::Dialog& d) { previewShown = d.item(3)->boolValue; };
        ASSERT_EQ(dialog({uncheck("Preview"), preset(kPresetNames[index])}), kResultOk);
        EXPECT_TRUE(previewShown);
        EXPECT_EQ(record().previewDrawn, 1);
        EXPECT_EQ(outside(differingWords(expected, record()), kProtocolWords), std::vector<std::size_t>{});
        EXPECT_TRUE(host.document().debugDump() != before) << "the preset was drawn";
        ASSERT_EQ(loader.go(filter()), kResultOk);
    }
}

TEST_F(ColourHostTest, ResetLeavesZoomPageAndPositionAlone) {
    ASSERT_EQ(use({set("12", 150), click("82"), set("4", 60)}), kResultOk);
    record().dialogBounds = KvIntRect{40, 50, 440, 255};  // as if the user had moved it before OK
    ASSERT_EQ(use({preset(" Reset")}), kResultOk);
    EXPECT_EQ(record().channel[0], 10.0f) << "Reset did apply";
    EXPECT_EQ(record().viewZoom, 150.0f);
    EXPECT_FLOAT_EQ(host.view().zoom, 1.5f);
    EXPECT_EQ(record().page, 3);
    EXPECT_TRUE(record().dialogBounds == (KvIntRect{40, 50, 440, 255}));
    EXPECT_EQ(record().dialogBoundsSaved, 1);
}

TEST_F(ColourHostTest, TumbleLeavesItsUntouchedFieldsAlone) {
    ASSERT_EQ(use({preset(" Preset 3"), check("Symbolize"), set("12", 120), click("81")}), kResultOk);
    const ColourParams before = record();
    ASSERT_EQ(use({click("Tumble")}), kResultOk);
    const std::vector<std::size_t> tumbled = joinedWords({
        COLOUR_WORDS(colourOption), COLOUR_WORDS(colourMode), COLOUR_WORDS(rangeLow), COLOUR_WORDS(rangeHigh),
        COLOUR_WORDS(pathFactor), COLOUR_WORDS(interpolate), COLOUR_WORDS(channel), COLOUR_WORDS(randomApply),
        COLOUR_WORDS(randomWidth), COLOUR_WORDS(randomStyle), COLOUR_WORDS(randomOpacity), COLOUR_WORDS(randomBlend),
    });
    const std::vector<std::size_t> changed = differingWords(before, record());
    EXPECT_EQ(outside(outside(changed, tumbled), kProtocolWords), std::vector<std::size_t>{});
    EXPECT_NE(record().channel[0], before.channel[0]) << "Tumble did run";
    EXPECT_EQ(record().symbolize, 1);
    EXPECT_EQ(record().presetIndex, 3);
    EXPECT_EQ(record().page, 2);
}

// ---- Pages, position and values across invocations.

TEST_F(ColourHostTest, ReopensOnThePageAndAtThePositionOfTheLastOk) {
    ASSERT_EQ(use({set("4", 33), mode(5), option(2), click("82"), check("Blend [R]"), click("81")}), kResultOk);
    EXPECT_EQ(record().page, 2);
    EXPECT_EQ(record().dialogBoundsSaved, 1);
    record().dialogBounds = KvIntRect{40, 50, 440, 255};

    KvIntRect opened{};
    std::map<int32_t, bool> visible;
    std::map<int32_t, int32_t> fonts;
    float channel = 0;
    int32_t modeShown = -1, optionShown = -1;
    bool blendShown = false;
    driver.inspect = [&](toolkit::Dialog& d) {
        opened = d.bounds;
        for (int32_t id : {4, 8, 21, 41, 42}) visible[id] = d.item(id)->visible;
        for (int32_t id : {83, 84, 85}) fonts[id] = d.item(id)->font;
        channel = d.item(4)->realValue;
        modeShown = d.item(41)->selected;
        optionShown = d.item(42)->selected;
        blendShown = d.item(22)->boolValue;
    };
    ASSERT_EQ(use({}), kResultOk);
    EXPECT_TRUE(opened == (KvIntRect{40, 50, 440, 255}));
    EXPECT_EQ(visible, (std::map<int32_t, bool>{{4, false}, {8, true}, {21, false}, {41, false}, {42, true}}));
    EXPECT_EQ(fonts, (std::map<int32_t, int32_t>{{83, 0}, {84, 5}, {85, 0}}));
    EXPECT_EQ(channel, 33.0f);
    EXPECT_EQ(modeShown, 5);
    EXPECT_EQ(optionShown, 2);
    EXPECT_TRUE(blendShown);
}

// A Cancel puts the record back byte for byte, page and position included.
TEST_F(ColourHostTest, CancelRestoresPageAndPosition) {
    ASSERT_EQ(use({click("81")}), kResultOk);
    record().dialogBounds = KvIntRect{40, 50, 440, 255};
    ASSERT_EQ(dialog({click("82"), set("4", 20), cancel()}), kResultCancelled);
    EXPECT_EQ(record().page, 2);
    EXPECT_TRUE(record().dialogBounds == (KvIntRect{40, 50, 440, 255}));
}

// ---- The preview, OK, Cancel and Go.

TEST_F(ColourHostTest, CancelAfterSeveralPreviewsLeavesDocumentAndRecordAsBefore) {
    addSquares(3, paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1)));
    addCompound(paint(threeColour(.2f, .3f, .4f), grayColour(1)), 2);
    ASSERT_EQ(use({set("4", 40), click("81")}), kResultOk);
    const std::string dump = host.document().debugDump();
    const std::vector<unsigned char> bytes = recordBytes();

    EXPECT_EQ(dialog({set("4", 90), mode(13), click("82"), check("Symbolize"), check("Opacity [R]"),
                      check("Blend [R]"), check("Style [R]"), preset(" Preset 7"), click("Tumble"),
                      click("Shuffle"), set("12", 250), pick("95", 300), cancel()}),
              kResultCancelled);
    EXPECT_EQ(host.document().debugDump(), dump) << "symbols, opacity and blending modes included";
    EXPECT_EQ(recordBytes(), bytes) << "byte for byte, page and zoom included";
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_FLOAT_EQ(host.view().zoom, 2.5f) << "the view keeps the zoom";
    for (const auto& shown : driver.transcript()) EXPECT_NE(shown.kind, "error");
}

TEST_F(ColourHostTest, OkWithPreviewOnKeepsThePreviewAndGoChangesNothingMore) {
    addSquares(2, paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1)));
    ASSERT_EQ(dialog({set("4", 50), set("4", 70)}), kResultOk);
    EXPECT_EQ(record().previewDrawn, 1);
    const std::string preview = host.document().debugDump();
    host::Random untouched = host.random();
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(host.document().debugDump(), preview);
    EXPECT_EQ(host.random().draw(), untouched.draw()) << "Go drew nothing";
    EXPECT_EQ(record().previewDrawn, 0);
}

// "Add To" at 10 % shows how often a gray fill of .4 was recoloured.
TEST_F(ColourHostTest, OkWithPreviewOffRecoloursOnceAtGo) {
    const doc::ArtId id = addSquare(paint(grayColour(.4f), grayColour(1)));
    ASSERT_EQ(dialog({mode(10), uncheck("Preview")}), kResultOk);
    EXPECT_NEAR(styleOf(id).fill.channel[0], .5f, 1e-6) << "the last preview stays until Go";
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_NEAR(styleOf(id).fill.channel[0], .5f, 1e-6) << "Go undid the preview and recoloured once";

    // Opened with Preview off, the dialog recolours nothing; the Go does, once.
    const std::string before = host.document().debugDump();
    std::string whileOpen;
    driver.inspect = [&](toolkit::Dialog&) { whileOpen = host.document().debugDump(); };
    ASSERT_EQ(dialog({set("7", 20), click("Shuffle")}), kResultOk);
    EXPECT_EQ(whileOpen, before);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_NEAR(styleOf(id).fill.channel[0], .7f, 1e-6);
}

TEST_F(ColourHostTest, EachPreviewStartsFromTheDocumentBeforeTheDialog) {
    const doc::ArtId id = addSquare(paint(grayColour(.1f), grayColour(1)));
    ASSERT_EQ(use({mode(10), set("7", 20), set("7", 30), set("7", 40)}), kResultOk);
    EXPECT_NEAR(styleOf(id).fill.channel[0], .5f, 1e-6);
}

// "Shuffle" recolours again with fresh draws and changes no setting.
TEST_F(ColourHostTest, ShuffleRecoloursWithNewDrawsOnly) {
    const doc::PathStyle style = paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1));
    const doc::ArtId id = addSquare(style);
    ASSERT_EQ(use({}), kResultOk);
    const ColourParams before = record();
    const doc::PathStyle firstUse = styleOf(id);
    host::Random replica = host.random();
    ASSERT_EQ(use({click("Shuffle")}), kResultOk);
    EXPECT_EQ(outside(differingWords(before, record()), kProtocolWords), std::vector<std::size_t>{});
    for (int i = 0; i < 4; ++i) replica.draw();  // the preview on opening
    doc::Colour expected = firstUse.fill;
    for (float& channel : expected.channel) channel += replica.draw() * 0.1f;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(styleOf(id).fill.channel[i], expected.channel[i], 1e-6);
}

// ---- The zoom box and the pick buttons.

TEST_F(ColourHostTest, ZoomBoxSetsTheViewAndDrawsNoPreview) {
    addSquare(paint(grayColour(.4f), grayColour(1)));
    ASSERT_EQ(dialog({set("12", 250)}), kResultOk);
    EXPECT_FLOAT_EQ(host.view().zoom, 2.5f);
    EXPECT_EQ(record().viewZoom, 250.0f);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    // The preview on opening is the only recolouring: one draw for one gray fill.
    host::Random replica(kSeed);
    replica.draw();
    EXPECT_EQ(host.random().draw(), replica.draw());
}

TEST_F(ColourHostTest, PickButtonsSetTheirValueFromTheMouseX) {
    struct Case {
        const char* button;
        float x;
        int32_t box;
        float ColourParams::*field;
        int channel;  // for the channel fields, their index; -1 otherwise
        float expected;
        double zoom;
    };
    const Case cases[] = {
        {"90", 100, 4, nullptr, 0, 50, 100},
        {"91", -60, 5, nullptr, 1, -30, 100},
        {"92", 100, 6, nullptr, 2, 50, 200},  // the view's zoom does not change the artwork x
        {"93", 600, 7, nullptr, 3, 300, 100},  // beyond the box's range, kept as it is
        {"94", 100, 8, &ColourParams::interpolate, -1, 25, 100},
        {"95", 100, 9, &ColourParams::pathFactor, -1, -50, 100},
        {"96", 400, 10, &ColourParams::rangeLow, -1, 100, 100},
        {"97", 800, 11, &ColourParams::rangeHigh, -1, 200, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        float shown = 0;
        driver.inspect = [&](toolkit::Dialog& d) { shown = d.item(c.box)->realValue; };
        ASSERT_EQ(use({set("12", c.zoom), pick(c.button, c.x)}), kResultOk);
        const float stored = c.field != nullptr ? record().*c.field : record().channel[c.channel];
        EXPECT_EQ(stored, c.expected);
        EXPECT_EQ(shown, c.expected);
    }
}

// Without the pick modifier the button changes no value but still recolours the preview.
TEST_F(ColourHostTest, PickWithoutTheModifierOnlyRecolours) {
    const doc::ArtId id = addSquare(paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1)));
    doc::PathStyle beforePress, afterPress;
    ColourParams before{}, after{};
    driver.inspect = [&](toolkit::Dialog& d) {
        // The record is the dialog's user data (the host holds its handle only once the call returns).
        const auto* shown = static_cast<const ColourParams*>(d.userData);
        beforePress = styleOf(id);
        before = *shown;
        toolkit::Item* button = d.item(90);
        ASSERT_NE(button->tracker, nullptr);
        EXPECT_EQ(host.toolkit().trackEvent().modifiers & 0x20, 0);
        EXPECT_EQ(button->tracker(reinterpret_cast<KvItem>(button), nullptr), 1);
        afterPress = styleOf(id);
        after = *shown;
    };
    ASSERT_EQ(dialog({}), kResultOk);
    EXPECT_EQ(outside(differingWords(before, after), kProtocolWords), std::vector<std::size_t>{});
    EXPECT_NE(afterPress.fill, beforePress.fill) << "the preview was drawn again";
}

}  // namespace
}  // namespace kelvo::testing
