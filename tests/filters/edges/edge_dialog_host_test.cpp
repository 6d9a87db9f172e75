// Tessivo's dialog through the real host: presets, Tumble, enabling, pages, pick buttons, and
// the preview/OK/Cancel/Go protocol seen from the document and the record.
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "edge_host_fixture.h"
#include "io/io.h"
#include "record_words.h"

namespace kelvo::testing {
namespace {

const char* const kPresetNames[kEdgePresetCount] = {
    " Reset",     " Preset 01", " Preset 02", " Preset 03", " Preset 04", " Preset 05", " Preset 06",
    " Preset 07", " Preset 08", " Preset 09", " Preset 10", " Preset 11", " Preset 12", " Preset 13",
    " Preset 14", " Preset 15", " Preset 16", " Preset 17", " Preset 18", " Preset 19", " Preset 20",
};

// Every entry writes Reset and its changes into the record, switches Preview on and shows
// every value in its item: the record the dialog reads back is the preset, word for word.
TEST_F(EdgeHostTest, EveryPresetTurnsPreviewOnAndShowsItsValues) {
    ASSERT_EQ(use({set("Sketch repeats", 4), check("Drop shadow"), uncheck("Link edges"), set("Teeth gap(p)#2", 33),
                   choose("103", " Slant 8"), set("Interpolate2", 12)}),
              kResultOk);
    const std::vector<std::size_t> protocolWords = joinedWords(
        {EDGE_WORDS(finalRun), EDGE_WORDS(previewDrawn), EDGE_WORDS(dialogBounds), EDGE_WORDS(dialogBoundsSaved)});
    for (int32_t index = 0; index < kEdgePresetCount; ++index) {
        SCOPED_TRACE(kPresetNames[index]);
        EdgeFrameParams expected = record();
        ApplyEdgePreset(expected, index, KvRealPoint{306, 396});
        bool previewShown = false;
        driver.inspect = [&](toolkit::Dialog& d) { previewShown = d.item(3)->boolValue; };
        ASSERT_EQ(dialog({uncheck("Preview"), preset(kPresetNames[index])}), kResultOk);
        EXPECT_TRUE(previewShown);
        EXPECT_EQ(record().preview, 1);
        EXPECT_EQ(record().previewDrawn, 1) << "the preset was drawn";
        EXPECT_EQ(outside(differingWords(expected, record()), protocolWords), std::vector<std::size_t>{});
        ASSERT_EQ(loader.go(filter()), kResultOk);
    }
}

TEST_F(EdgeHostTest, ReopensOnThePageAndAtThePositionOfTheLastOk) {
    ASSERT_EQ(use({click("133")}), kResultOk);  // the "Apply" page
    EXPECT_EQ(record().page, 4);
    EXPECT_EQ(record().dialogBoundsSaved, 1);
    record().dialogBounds = KvIntRect{40, 50, 640, 270};  // as if the user had moved it before OK

    KvIntRect opened{};
    std::map<int32_t, bool> visible;
    int32_t captionFont = -1;
    driver.inspect = [&](toolkit::Dialog& d) {
        opened = d.bounds;
        for (int32_t id : {4, 20, 24, 60}) visible[id] = d.item(id)->visible;
        captionFont = d.item(139)->font;
    };
    ASSERT_EQ(use({}), kResultOk);
    EXPECT_TRUE(opened == (KvIntRect{40, 50, 640, 270}));
    EXPECT_EQ(visible, (std::map<int32_t, bool>{{4, false}, {20, true}, {24, false}, {60, false}}));
    EXPECT_EQ(captionFont, 5) << "the page's caption is emphasised";
    EXPECT_TRUE(record().dialogBounds == (KvIntRect{40, 50, 640, 270}));
}

TEST_F(EdgeHostTest, ResetLeavesZoomPageAndPositionAlone) {
    ASSERT_EQ(use({set("37", 150), click("135"), set("Teeth height(p)", 60)}), kResultOk);
    record().dialogBounds = KvIntRect{40, 50, 640, 270};
    ASSERT_EQ(use({preset(" Reset")}), kResultOk);
    EXPECT_FLOAT_EQ(record().teethHeight[0], 100.0f) << "Reset did apply";
    EXPECT_FLOAT_EQ(record().viewZoom, 150.0f);
    EXPECT_FLOAT_EQ(host.view().zoom, 1.5f);
    EXPECT_EQ(record().page, 6);
    EXPECT_TRUE(record().dialogBounds == (KvIntRect{40, 50, 640, 270}));
    EXPECT_EQ(record().dialogBoundsSaved, 1);
}

TEST_F(EdgeHostTest, TumbleLeavesItsUntouchedFieldsAlone) {
    ASSERT_EQ(use({choose("102", " Base-Top"), set("Start point(p)", 50), set("Start point(p)#2", 60),
                   check("Start [R]"), check("Fill [R]"), check("Opacity [R]"), check("Swatch [R]"),
                   uncheck("Link edges"), uncheck("Closed path"), check("Add base to height"), check("Teeth [R]"),
                   check("Drop shadow"), check("Half fill shadow"), check("Shadow direction (R)"),
                   set("Sketch repeats", 2), set("Sketch weight (/10p)", 15), choose("104", " Random reduced"),
                   uncheck("Sketch shift (R)"), set("37", 120), click("134")}),
              kResultOk);
    const EdgeFrameParams before = record();
    ASSERT_EQ(use({click("Tumble")}), kResultOk);

    const std::vector<std::size_t> tumbled = joinedWords({
        EDGE_WORDS(teethHeight), EDGE_WORDS(teethGap), EDGE_WORDS(teethSlant), EDGE_WORDS(teethBase),
        EDGE_WORDS(teethCount), EDGE_WORDS(skipCount), EDGE_WORDS(createCount), EDGE_WORDS(frameCount),
        EDGE_WORDS(randomWarp), EDGE_WORDS(slantOption), EDGE_WORDS(centreAnchor), EDGE_WORDS(centreDirection),
        EDGE_WORDS(interp1AnchorPct), EDGE_WORDS(interp1HandlePct), EDGE_WORDS(interp1CentreX),
        EDGE_WORDS(interp1CentreY), EDGE_WORDS(interp2AnchorPct), EDGE_WORDS(interp2HandlePct),
        EDGE_WORDS(interp2CentreX), EDGE_WORDS(interp2CentreY), EDGE_WORDS(finalRun), EDGE_WORDS(previewDrawn),
    });
    const std::vector<std::size_t> changed = differingWords(before, record());
    EXPECT_EQ(outside(changed, tumbled), std::vector<std::size_t>{});
    EXPECT_NE(record().teethHeight[0], before.teethHeight[0]) << "Tumble did run";
}

// ---- Enabling.

const std::vector<int32_t> kSideTwoToFour = {5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 19, 25, 26, 27};
const std::vector<int32_t> kInterp1Centre = {31, 32}, kInterp2Centre = {35, 36};
const std::vector<int32_t> kShadowOptions = {77, 78, 79, 80};
const std::vector<int32_t> kSketchOptions = {38, 39, 104, 81, 82};

TEST_F(EdgeHostTest, ItemsAreEnabledByTheSettingsTheyDependOn) {
    struct Case {
        const char* name;
        std::vector<Action> script;
        std::vector<std::vector<int32_t>> enabled, disabled;
    };
    const Case cases[] = {
        {"first use", {}, {}, {kSideTwoToFour, kInterp1Centre, kInterp2Centre, kShadowOptions, kSketchOptions}},
        {"link off", {uncheck("Link edges")}, {kSideTwoToFour}, {kInterp1Centre}},
        {"Interpolate1 anchor amount", {set("Interpolate1", 25)}, {kInterp1Centre}, {kInterp2Centre}},
        {"Interpolate1 back to 0", {set("Interpolate1", 25), set("Interpolate1", 0)}, {}, {kInterp1Centre}},
        {"Interpolate2 direction amount", {set("Interpolate2#2", -40)}, {kInterp2Centre}, {kInterp1Centre}},
        {"drop shadow", {check("Drop shadow")}, {kShadowOptions}, {kSketchOptions}},
        {"sketch repeats", {set("Sketch repeats", 1)}, {kSketchOptions}, {kShadowOptions}},
        {"sketch repeats back to 0", {set("Sketch repeats", 1), set("Sketch repeats", 0)}, {}, {kSketchOptions}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<int32_t, bool> enabled;
        driver.inspect = [&](toolkit::Dialog& d) {
            for (const auto& item : d.items) enabled[item->id] = item->enabled;
        };
        std::vector<Action> script = c.script;
        script.push_back(cancel());
        ASSERT_EQ(dialog(script), kResultCancelled);
        for (const auto& group : c.enabled)
            for (int32_t id : group) EXPECT_TRUE(enabled[id]) << id;
        for (const auto& group : c.disabled)
            for (int32_t id : group) EXPECT_FALSE(enabled[id]) << id;
    }
}

TEST_F(EdgeHostTest, ActionsOnDisabledItemsAreRefusedAndChangeNothing) {
    ASSERT_EQ(use({}), kResultOk);
    const std::string document = host.document().debugDump();
    const std::vector<unsigned char> bytes = recordBytes();
    const std::vector<Action> refused[] = {
        {set("Teeth height(p)#2", 50)},
        {set("27", 9)},
        {check("Shadow opacity (R)")},
        {set("Interpolate1#3", 10)},
        {choose("104", " Reduced")},
        {set("Teeth gap(p)", 20), check("Half fill shadow"), set("Teeth gap(p)", 30)},
    };
    for (const auto& script : refused) {
        SCOPED_TRACE(script.back().describe());
        EXPECT_EQ(dialog(script), kResultCancelled);
        EXPECT_NE(driver.failure().find("disabled"), std::string::npos) << driver.failure();
        EXPECT_EQ(host.document().debugDump(), document);
        EXPECT_EQ(recordBytes(), bytes);
    }
}

// ---- The preview, OK, Cancel and Go.

TEST_F(EdgeHostTest, CancelAfterSeveralPreviewsLeavesDocumentAndRecordAsBefore) {
    ASSERT_EQ(use({set("Teeth height(p)", 80), click("132")}), kResultOk);
    const std::string dump = host.document().debugDump();
    const std::string json = io::exportJson(host.document());
    const std::size_t layers = host.document().layers().size();
    const std::vector<unsigned char> bytes = recordBytes();

    EXPECT_EQ(dialog({set("Teeth height(p)", 50), check("Create on new layer"), set("Number of edges", 4),
                      check("Drop shadow"), set("Sketch repeats", 3), preset(" Preset 19"), click("Tumble"),
                      check("Warp [R]"), click("Shuffle"), click("134"), set("37", 250), cancel()}),
              kResultCancelled);
    EXPECT_EQ(host.document().layers().size(), layers) << "the layers the previews made are gone";
    EXPECT_EQ(host.document().debugDump(), dump);
    EXPECT_EQ(io::exportJson(host.document()), json);
    EXPECT_EQ(recordBytes(), bytes) << "byte for byte, page and zoom included";
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_TRUE(driver.transcript().size() == 2 && driver.transcript().back().kind == "dialog")
        << "a cancel shows no error";
}

TEST_F(EdgeHostTest, OkWithPreviewOnKeepsThePreviewAndGoDrawsNothingMore) {
    ASSERT_EQ(dialog({set("Teeth height(p)", 50), set("Teeth height(p)", 70)}), kResultOk);
    ASSERT_EQ(paths().size(), 1u) << "each preview replaces the last";
    EXPECT_GE(host.redrawCount(), 3) << "every preview asks for a redraw";
    const std::string dump = host.document().debugDump();
    const int redraws = host.redrawCount();
    EXPECT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(host.document().debugDump(), dump);
    EXPECT_EQ(host.redrawCount(), redraws);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(record().finalRun, 1);
}

TEST_F(EdgeHostTest, OkWithPreviewOffDrawsOnceOnGo) {
    ASSERT_EQ(dialog({uncheck("Preview"), set("Teeth height(p)", 50)}), kResultOk);
    EXPECT_EQ(record().previewDrawn, 0);
    ASSERT_EQ(paths().size(), 1u) << "switching the preview off leaves the last preview";
    EXPECT_FLOAT_EQ(lastAnchors()[1].y, kStartY + 100);
    const int redraws = host.redrawCount();
    EXPECT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(host.redrawCount(), redraws) << "a final run leaves redrawing to the host";
    ASSERT_EQ(paths().size(), 1u) << "Go takes the stale preview away and draws once";
    EXPECT_FLOAT_EQ(lastAnchors()[1].y, kStartY + 50);
}

TEST_F(EdgeHostTest, AFailedPreviewIsNotKeptAndGoReportsTheFailure) {
    ASSERT_EQ(host.document().setLayerLocked(host.document().currentLayer(), true), doc::Status::ok);
    ASSERT_EQ(dialog({set("Teeth height(p)", 50)}), kResultOk);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(err.str(), "") << "preview failures are not shown";
    EXPECT_EQ(loader.go(filter()), kResultLayerLocked);
    EXPECT_NE(err.str().find("(SEGM)"), std::string::npos) << err.str();

    ASSERT_EQ(host.document().setLayerLocked(host.document().currentLayer(), false), doc::Status::ok);
    EXPECT_EQ(loader.go(filter()), kResultOk) << "the repeated filter draws once the layer is free";
    EXPECT_EQ(paths().size(), 1u);
}

// ---- Pick buttons: the mouse's artwork x sets one value and its box.

TEST_F(EdgeHostTest, PickButtonsWriteTheirFieldFromTheMouseX) {
    struct Case {
        const char* button;
        double x;
        int32_t box;
        double expected;
        double (*field)(const EdgeFrameParams&);
    };
    const Case cases[] = {
        {"150", 300, 4, 150, [](const EdgeFrameParams& p) -> double { return p.teethHeight[0]; }},
        {"151", 300, 8, 50, [](const EdgeFrameParams& p) -> double { return p.teethGap[0]; }},
        {"151", -60, 8, -10, [](const EdgeFrameParams& p) -> double { return p.teethGap[0]; }},
        {"152", 300, 12, 20, [](const EdgeFrameParams& p) -> double { return p.teethSlant[0]; }},
        {"153", -60, 16, -10, [](const EdgeFrameParams& p) -> double { return p.teethBase[0]; }},
        {"154", 257, 24, 25, [](const EdgeFrameParams& p) -> double { return p.teethCount[0]; }},
        {"154", -25, 24, -2, [](const EdgeFrameParams& p) -> double { return p.teethCount[0]; }},
        {"155", 99, 20, 4, [](const EdgeFrameParams& p) -> double { return p.skipCount; }},
        {"155", -45, 20, -2, [](const EdgeFrameParams& p) -> double { return p.skipCount; }},
        {"156", 250, 21, 12, [](const EdgeFrameParams& p) -> double { return p.createCount; }},
        {"156", -45, 21, -2, [](const EdgeFrameParams& p) -> double { return p.createCount; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("button ") + c.button + " at x " + std::to_string(c.x));
        double shown = 0;
        driver.inspect = [&](toolkit::Dialog& d) {
            const toolkit::Item& box = *d.item(c.box);
            shown = box.isRealSpin() ? box.realValue : box.intValue;
        };
        ASSERT_EQ(dialog({preset(" Reset"), pick(c.button, c.x)}), kResultOk);
        EXPECT_NEAR(c.field(record()), c.expected, 1e-4) << "kept as written, even outside the box's range";
        EXPECT_NEAR(shown, c.expected, 1e-4);
        EXPECT_EQ(record().previewDrawn, 1) << "the picked value was drawn";
        ASSERT_EQ(loader.go(filter()), kResultOk);
    }
}

}  // namespace
}  // namespace kelvo::testing
