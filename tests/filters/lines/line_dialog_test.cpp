// The dialog through the real host: presets, Tumble, enable rules, pages, the preview protocol,
// the pick buttons and the zoom box.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "line_host_fixture.h"

namespace kelvo::testing {
namespace {

// Copies the record with the fields a run or an OK changes on its own set aside.
LineParams settingsOf(const LineParams& record) {
    LineParams settings = record;
    settings.finalRun = settings.previewDrawn = settings.dialogBoundsSaved = 0;
    settings.dialogBounds = {};
    return settings;
}

bool sameSettings(const LineParams& a, const LineParams& b) {
    const LineParams x = settingsOf(a), y = settingsOf(b);
    return std::memcmp(&x, &y, sizeof x) == 0;
}

void patchSet(LineParams& p) {
    p.repeatBlocks = 10;
    p.lineCount = 60;
    p.gap = 20;
    p.thickness = 60;
    p.maxLength = 400;
    p.randomGap = p.randomThickness = 1;
    p.fillMode = 15;
}

// Each preset's changes to the first-use settings.
const std::function<void(LineParams&)> kPresetChanges[kLinePresetCount] = {
    [](LineParams&) {},
    [](LineParams& p) { p.lineCount = 40; },
    [](LineParams& p) { p.fillMode = 15; },
    [](LineParams& p) { p.gap = 6; },
    [](LineParams& p) { p.thickness = 15; },
    [](LineParams& p) { p.scaleX = 90; },
    [](LineParams& p) { p.widthValue = 10; },
    [](LineParams& p) { p.lineLength = 100; },
    [](LineParams& p) { p.lineLength = 15, p.thickness = 15, p.gap = 5, p.lineCount = 40; },
    [](LineParams& p) { p.fillMode = 13; },
    [](LineParams& p) { p.randomOpacity = 1; },
    [](LineParams& p) { p.randomOpacity = 1, p.thickness = 25; },
    [](LineParams& p) { p.fillMode = 15, p.randomOpacity = 1, p.thickness = 25; },
    [](LineParams& p) { p.scaleX = 90, p.scaleY = 90; },
    [](LineParams& p) { p.direction = 1, p.scaleY = 102; },
    [](LineParams& p) { p.shape = 3; },
    [](LineParams& p) { p.direction = 1, p.shape = 3; },
    [](LineParams& p) { p.scaleY = 105; },
    [](LineParams& p) {
        p.lineCount = 60, p.gap = 50, p.repeatBlocks = 3, p.thickness = 60, p.maxLength = 400;
        p.randomGap = p.randomThickness = 1, p.fillMode = 11;
    },
    [](LineParams& p) { patchSet(p), p.lineLength = 50; },
    [](LineParams& p) { patchSet(p), p.lineLength = 50, p.gap = 10, p.angle = 360, p.randomAngle = 1; },
    [](LineParams& p) { patchSet(p), p.lineLength = 50, p.gap = 10, p.angle = 45; },
    [](LineParams& p) { patchSet(p), p.lineLength = 50, p.gap = 12, p.thickness = 30, p.angle = 360, p.randomAngle = 1; },
    [](LineParams& p) { p.angle = 10, p.randomAngle = 1, p.lineCount = 40; },
    [](LineParams& p) {
        patchSet(p), p.lineLength = 250, p.angle = 10, p.randomAngle = p.randomOpacity = p.randomRepeatLength = 1;
        p.fillChannel[0] = 123, p.fillChannel[1] = 12, p.fillChannel[2] = -123;
    },
    [](LineParams& p) { patchSet(p), p.lineLength = 250, p.randomRepeatLength = 1; },
    [](LineParams& p) { patchSet(p), p.lineLength = 250, p.randomRepeatLength = 1, p.angle = 20; },
    [](LineParams& p) { patchSet(p), p.lineLength = 50, p.randomLength = 1; },
    [](LineParams& p) { patchSet(p), p.gap = 50, p.repeatBlocks = 9, p.randomLength = 1; },
    [](LineParams& p) { patchSet(p), p.lineLength = 50, p.lengthFactor = 80; },
    [](LineParams& p) { p.angle = 10, p.alternateAngle = 1, p.repeatBlocks = 20, p.lineLength = 100; },
    [](LineParams& p) { p.angle = 10, p.alternateAngle = 1, p.repeatBlocks = 20, p.lineLength = 100, p.lengthFactor = 80; },
    [](LineParams& p) { p.repeatBlocks = 10, p.lineLength = 100; },
    [](LineParams& p) { p.repeatBlocks = 10, p.lineLength = 100, p.angle = 33; },
    [](LineParams& p) { p.repeatBlocks = 10, p.lineLength = 100, p.angle = 3, p.accumulateLineAngle = 1; },
    [](LineParams& p) { p.repeatBlocks = 10, p.lineLength = 100, p.angle = 3, p.accumulateBlockAngle = 1; },
    [](LineParams& p) {
        p.repeatBlocks = 11, p.lineLength = 25, p.angle = 2, p.thicknessFactor = 94, p.lengthFactor = 116;
        p.angleFactor = 41, p.fillMode = 13, p.accumulateLineAngle = p.accumulateBlockAngle = 1;
    },
};

TEST_F(LineHostTest, EveryPresetWritesItsSettingsTurnsPreviewOnAndDrawsThem) {
    ASSERT_EQ(use({uncheck("Preview")}), kResultOk);
    LineParams firstUse = record();
    firstUse.preview = 1;
    for (int32_t index = 0; index < kLinePresetCount; ++index) {
        SCOPED_TRACE(index);
        for (const doc::Art* line : paths()) host.document().dispose(line->id);
        // Preview off before the preset: choosing it switches the preview on and draws.
        ASSERT_EQ(dialog({uncheck("Preview"), choose("65", std::to_string(index))}), kResultOk);
        LineParams expected = firstUse;
        kPresetChanges[index](expected);
        expected.presetIndex = index;
        EXPECT_TRUE(sameSettings(record(), expected));
        EXPECT_EQ(record().previewDrawn, 1);
        const std::size_t drawn = paths().size();
        EXPECT_GT(drawn, 0u);
        ASSERT_EQ(loader.go(filter()), kResultOk);
        EXPECT_EQ(paths().size(), drawn);  // the Go keeps the preview
    }
}

TEST_F(LineHostTest, ResetKeepsZoomPageAndDialogPosition) {
    ASSERT_EQ(use({set("29", 250), click("123"), set("4", 7), uncheck("Preview")}), kResultOk);
    const KvIntRect saved = record().dialogBounds;
    ASSERT_EQ(record().dialogBoundsSaved, 1);
    ASSERT_EQ(use({preset("Reset")}), kResultOk);
    EXPECT_EQ(record().viewZoom, 250.0f);
    EXPECT_EQ(record().page, 4);
    EXPECT_EQ(record().dialogBoundsSaved, 1);
    EXPECT_EQ(std::memcmp(&record().dialogBounds, &saved, sizeof saved), 0);
    EXPECT_EQ(record().lineCount, 20);
    EXPECT_EQ(record().preview, 1);
}

TEST_F(LineHostTest, TumbleKeepsCheckBoxesShapeDirectionStartAndMaxLength) {
    ASSERT_EQ(use({check("Angle 1"), check("Gap [R]"), uncheck("Preview"), choose("60", "Oval"),
                   choose("61", "Lines across"), set("8", 30), set("9", 40), set("23", 777)}),
              kResultOk);
    const LineParams before = record();
    ASSERT_EQ(dialog({click("Tumble")}), kResultOk);
    const LineParams& after = record();
    EXPECT_EQ(std::memcmp(&after, &before, 11 * 4), 0);  // the eleven check boxes
    EXPECT_EQ(after.shape, kLineShapeOval);
    EXPECT_EQ(after.direction, kLinesAcross);
    EXPECT_EQ(after.startX, 30.0f);
    EXPECT_EQ(after.startY, 40.0f);
    EXPECT_EQ(after.maxLength, 777.0f);
    EXPECT_FALSE(sameSettings(after, before));
}

TEST_F(LineHostTest, ChoosingAModeEnablesTheValuesUnderItsList) {
    struct Case {
        const char* list;
        const char* entry;
        std::vector<int32_t> enabled;  // of the boxes 13 to 21
    };
    const Case cases[] = {
        {"62", "3", {13, 14, 15, 16}},
        {"63", "13", {17, 18, 19, 20}},
        {"64", "1", {21}},
        {"62", "0", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + "=" + c.entry);
        std::vector<int32_t> shown;
        driver.inspect = [&](toolkit::Dialog& d) {
            for (int32_t id = 13; id <= 21; ++id) {
                if (d.item(id)->enabled) shown.push_back(id);
            }
        };
        ASSERT_EQ(dialog({preset("Reset"), choose(c.list, c.entry)}), kResultOk);
        EXPECT_EQ(shown, c.enabled);
    }
}

TEST_F(LineHostTest, ThePageAndPositionOfTheLastOKComeBack) {
    ASSERT_EQ(use({click("123")}), kResultOk);
    EXPECT_EQ(record().page, 4);
    record().dialogBounds = {40, 50, 540, 255};

    std::vector<int32_t> visible;
    KvIntRect bounds{};
    int32_t captionFont = -1;
    driver.inspect = [&](toolkit::Dialog& d) {
        for (int32_t id : {4, 7, 22, 62, 40}) {
            if (d.item(id)->visible) visible.push_back(id);
        }
        bounds = d.bounds;
        captionFont = d.item(128)->font;
    };
    ASSERT_EQ(use({}), kResultOk);
    EXPECT_EQ(visible, std::vector<int32_t>{62});
    EXPECT_EQ(captionFont, kFontCaption);
    EXPECT_EQ(bounds.left, 40);
    EXPECT_EQ(bounds.top, 50);
    EXPECT_EQ(bounds.right - bounds.left, 500);
    EXPECT_EQ(bounds.bottom - bounds.top, 205);

    // A cancelled dialog keeps nothing, not even the page it showed.
    ASSERT_EQ(dialog({click("124"), cancel()}), kResultCancelled);
    EXPECT_EQ(record().page, 4);
}

TEST_F(LineHostTest, CancelAfterPreviewsLeavesDocumentAndRecordAsBefore) {
    ASSERT_EQ(use({set("4", 5)}), kResultOk);
    const std::string document = host.document().debugDump();
    const std::vector<unsigned char> bytes = recordBytes();
    ASSERT_EQ(dialog({set("4", 30), click("Shuffle"), preset("Patches"), click("Tumble"), set("29", 300),
                      click("122"), cancel()}),
              kResultCancelled);
    EXPECT_EQ(host.document().debugDump(), document);
    EXPECT_EQ(recordBytes(), bytes);
    EXPECT_EQ(record().previewDrawn, 0);
}

TEST_F(LineHostTest, GoAfterOKDrawsOnlyWhenNoPreviewIsShown) {
    // Preview on: the preview is the result.
    ASSERT_EQ(dialog({set("4", 10)}), kResultOk);
    const std::string previewed = host.document().debugDump();
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(host.document().debugDump(), previewed);
    EXPECT_EQ(paths().size(), 10u);

    // Preview switched off: the stale preview of 10 lines goes, the Go draws 7 once.
    for (const doc::Art* line : paths()) host.document().dispose(line->id);
    ASSERT_EQ(dialog({uncheck("Preview"), set("4", 7)}), kResultOk);
    EXPECT_EQ(paths().size(), 10u);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(paths().size(), 7u);
}

TEST_F(LineHostTest, AFailedPreviewIsDrawnAgainAndReportedByTheGo) {
    ASSERT_EQ(host.document().setLayerLocked(host.document().currentLayer(), true), doc::Status::ok);
    ASSERT_EQ(dialog({}), kResultOk);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(loader.go(filter()), kResultLayerLocked);
    EXPECT_TRUE(paths().empty());
}

TEST_F(LineHostTest, PickButtonsSetTheirValueFromThePointAndRedraw) {
    struct Case {
        const char* button;
        const char* direction;
        double x, y;
        std::function<double(const LineParams&)> field;
        double expected;
    };
    const Case cases[] = {
        {"140", "Lines upwards", 0, 255, [](const LineParams& p) { return p.lineCount; }, 25},
        {"140", "Lines across", 255, 0, [](const LineParams& p) { return p.lineCount; }, 25},
        {"140", "Lines upwards", 0, -55, [](const LineParams& p) { return p.lineCount; }, -5},
        {"141", "Lines upwards", 0, 600, [](const LineParams& p) { return p.gap; }, 50},
        {"141", "Lines across", 200, 600, [](const LineParams& p) { return p.gap; }, -50},
        {"142", "Lines upwards", 0, 300, [](const LineParams& p) { return p.thickness; }, 50},
        {"143", "Lines upwards", 321, 10, [](const LineParams& p) { return p.lineLength; }, 321},
        {"143", "Lines across", 10, 321, [](const LineParams& p) { return p.lineLength; }, 321},
        // The angle from the point to the view's centre (306, 396).
        {"144", "Lines upwards", 206, 396, [](const LineParams& p) { return p.angle; }, 0},
        {"144", "Lines upwards", 306, 296, [](const LineParams& p) { return p.angle; }, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " at " + std::to_string(c.x) + ", " + std::to_string(c.y));
        ASSERT_EQ(use({preset("Reset"), choose("61", c.direction), pick(c.button, c.x, c.y)}), kResultOk);
        EXPECT_NEAR(c.field(record()), c.expected, 1e-4);
        if (std::string(c.button) == "140") {
            EXPECT_EQ(paths().size(), c.expected > 0 ? 25u : 0u);
        }
        for (const doc::Art* line : paths()) host.document().dispose(line->id);
    }
}

TEST_F(LineHostTest, APickWithoutTheModifierChangesNothingButRedraws) {
    ASSERT_EQ(use({}), kResultOk);
    int redraws = -1;
    LineParams during{};
    driver.inspect = [&](toolkit::Dialog& d) {
        const int before = host.redrawCount();
        toolkit::Item* button = d.item(140);
        button->tracker(reinterpret_cast<KvItem>(button), nullptr);  // no event: no modifier bits
        redraws = host.redrawCount() - before;
        during = record();
    };
    const LineParams before = record();
    ASSERT_EQ(dialog({}), kResultOk);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(sameSettings(during, before));
}

TEST_F(LineHostTest, TheZoomBoxZoomsTheViewWithoutAPreview) {
    ASSERT_EQ(use({}), kResultOk);
    int redraws = -1;
    driver.inspect = [&](toolkit::Dialog&) { redraws = host.redrawCount(); };
    ASSERT_EQ(dialog({}), kResultOk);
    const int afterOpening = redraws;
    ASSERT_EQ(dialog({set("29", 250)}), kResultOk);
    EXPECT_EQ(redraws, afterOpening + 1);  // the opening preview only
    EXPECT_FLOAT_EQ(host.view().zoom, 2.5f);
    EXPECT_EQ(record().viewZoom, 250.0f);
}

}  // namespace
}  // namespace kelvo::testing
