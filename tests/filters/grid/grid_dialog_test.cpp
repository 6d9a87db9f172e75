// The dialog through the host: presets, Tumble, the enable rules, Link and the direction list,
// and the pick buttons.
#include <cstddef>
#include <cstring>
#include <functional>

#include "filter_test_support.h"
#include "grid_host_fixture.h"

namespace kelvo::testing {
namespace {

class GridDialogTest : public GridHostTest {};

struct PresetCase {
    const char* entry;
    int32_t index;
    std::function<void(GridParams&)> changes;  // from the Reset values
};

void PrintTo(const PresetCase& c, std::ostream* os) { *os << c.entry; }

class GridPresetTest : public GridDialogTest, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(GridPresetTest, PresetResetsThenAppliesItsChangesAndPreviews) {
    const PresetCase& c = GetParam();
    addDefinitionRect();
    ASSERT_EQ(dialog({uncheck("Preview"), set("20", 150), click("82"), choose("39", " Oval"), choose("35", "1"),
                      set("11", 70), preset(c.entry)}),
              kResultOk);
    ASSERT_TRUE(driver.failure().empty()) << driver.failure();

    GridParams expected = record();
    ApplyGridPreset(expected, 0);
    c.changes(expected);
    expected.presetIndex = c.index;
    expected.previewDrawn = 1;
    const GridParams& got = record();
    for (std::size_t word = 0; word < sizeof(GridParams) / 4; ++word) {
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&got) + 4 * word,
                              reinterpret_cast<const char*>(&expected) + 4 * word, 4),
                  0)
            << "word " << word;
    }
    EXPECT_EQ(got.preview, 1);
    EXPECT_EQ(got.viewZoom, 150.0f);
    EXPECT_EQ(got.page, 3);
    EXPECT_EQ(host.view().zoom, 1.5f);
    // The items show the preset, and its preview is in the document.
    EXPECT_TRUE(shown[3].checked);
    EXPECT_EQ(shown[39].selected, kGridBox);
    EXPECT_EQ(shown[35].selected, got.fillMode[kGridUp]);
    EXPECT_EQ(shown[38].selected, c.index);
    EXPECT_EQ(paths().size(), 1u + 2u * static_cast<std::size_t>(got.lineCount[kGridUp]));
}

INSTANTIATE_TEST_SUITE_P(
    Presets, GridPresetTest,
    ::testing::Values(PresetCase{" Reset", 0, [](GridParams&) {}},
                      PresetCase{" 16 x 16 grid", 1, [](GridParams& p) { p.lineCount[0] = p.lineCount[1] = 16; }},
                      PresetCase{" Grid filled with color from swatches palette", 2,
                                 [](GridParams& p) { p.fillMode[0] = p.fillMode[1] = 15; }},
                      PresetCase{" Link up and across settings", 3, [](GridParams&) {}},
                      PresetCase{" Alternate stroke width (Up/Across)", 4,
                                 [](GridParams& p) { p.altThickness[0] = p.altThickness[1] = 2.0f; }},
                      PresetCase{" Random line jitter (Up/Across)", 5,
                                 [](GridParams& p) {
                                     p.shift[0] = p.shift[1] = 4.0f;
                                     p.jitterShift = 1;
                                 }}),
    [](const auto& info) { return "Entry" + std::to_string(info.param.index); });

TEST_F(GridDialogTest, ResetDiffersFromFirstUseOnlyInTheAcrossModes) {
    ASSERT_EQ(dialog({}), kResultOk);
    GridParams reset = record();
    ApplyGridPreset(reset, 0);
    EXPECT_EQ(reset.fillMode[kGridAcross], 0);
    GridParams firstUse = reset;
    SetGridDefaults(firstUse);
    EXPECT_EQ(firstUse.fillMode[kGridAcross], 1);
    EXPECT_EQ(firstUse.strokeMode[kGridAcross], 1);
    EXPECT_EQ(firstUse.widthMode[kGridAcross], 1);
    firstUse.fillMode[kGridAcross] = firstUse.strokeMode[kGridAcross] = firstUse.widthMode[kGridAcross] = 0;
    EXPECT_EQ(std::memcmp(&firstUse, &reset, offsetof(GridParams, finalRun)), 0);
}

// Word indices of the fields Tumble may write.
#define GRID_WORDS(field) RECORD_WORDS(GridParams, field)
std::vector<std::size_t> tumbledWords() {
    return joinedWords({GRID_WORDS(lineCount), GRID_WORDS(thickness), GRID_WORDS(altThickness), GRID_WORDS(skipCount),
                        GRID_WORDS(createCount), GRID_WORDS(shift), GRID_WORDS(curve), GRID_WORDS(fillMode),
                        GRID_WORDS(strokeMode), GRID_WORDS(widthMode), GRID_WORDS(fillChannel),
                        GRID_WORDS(strokeChannel), GRID_WORDS(widthValue), GRID_WORDS(finalRun),
                        GRID_WORDS(previewDrawn)});
}
#undef GRID_WORDS

TEST_F(GridDialogTest, TumbleChangesOnlyItsFieldsAndRedraws) {
    addDefinitionRect();
    const std::vector<Action> setup = {choose("39", " Line"), uncheck("Link"), check("55"), set("Skew (%)", 70),
                                       check("Settings [R]"), click("81")};
    ASSERT_EQ(dialog(setup), kResultOk);
    const GridParams before = record();
    ASSERT_EQ(dialog({click("Tumble"), click("Tumble"), click("Tumble")}), kResultOk);
    const GridParams& after = record();

    const std::vector<std::size_t> allowed = tumbledWords();
    const auto* a = reinterpret_cast<const unsigned char*>(&before);
    const auto* b = reinterpret_cast<const unsigned char*>(&after);
    for (std::size_t word = 0; word < sizeof(GridParams) / 4; ++word) {
        if (std::find(allowed.begin(), allowed.end(), word) != allowed.end()) continue;
        EXPECT_EQ(std::memcmp(a + 4 * word, b + 4 * word, 4), 0) << "word " << word;
    }
    for (int d = 0; d < kGridDirectionCount; ++d) {
        EXPECT_GE(after.lineCount[d], kGridMinLines);
        EXPECT_LE(after.createCount[d], 5);
        EXPECT_LE(after.fillMode[d], 14);
    }
    EXPECT_EQ(after.page, 2);
    EXPECT_EQ(after.previewDrawn, 1);
    EXPECT_EQ(shown[4].intValue, after.lineCount[kGridUp]);
}

struct EnableCase {
    const char* name;
    std::vector<Action> script;
    int32_t item;
    bool enabled;
};

void PrintTo(const EnableCase& c, std::ostream* os) { *os << c.name; }

class GridEnableTest : public GridDialogTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(GridEnableTest, ItemFollowsItsSetting) {
    const EnableCase& c = GetParam();
    ASSERT_EQ(dialog(c.script), kResultOk);
    ASSERT_TRUE(driver.failure().empty()) << driver.failure();
    EXPECT_EQ(shown.at(c.item).enabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GridEnableTest,
    ::testing::Values(
        EnableCase{"JitterOffWithoutShift", {}, 53, false}, EnableCase{"RatioOffWithoutShift", {}, 54, false},
        EnableCase{"JitterOnWithShift", {set("Shift (p)", 3)}, 53, true},
        EnableCase{"RatioOnWithShift", {set("Shift (p)", -3)}, 54, true}, EnableCase{"SkewOffUnchecked", {}, 10, false},
        EnableCase{"SkewOnChecked", {check("55")}, 10, true}, EnableCase{"FillValuesOffForIgnore", {}, 12, false},
        EnableCase{"FillValuesOnForAMode", {choose("35", "3")}, 14, true},
        EnableCase{"StrokeValuesOffForIgnore", {}, 15, false},
        EnableCase{"StrokeValuesOnForAMode", {choose("36", "13")}, 18, true},
        EnableCase{"WidthValueOffForIgnore", {}, 19, false},
        EnableCase{"WidthValueOnForAMode", {choose("37", "1")}, 19, true},
        EnableCase{
            "AcrossModesFollowTheAcrossValues", {uncheck("Link"), choose("40", "1"), click("Shuffle")}, 19, true},
        EnableCase{"DirectionOffWithLink", {}, 40, false},
        EnableCase{"DirectionOnWithoutLink", {uncheck("Link")}, 40, true}, EnableCase{"OkShownDisabled", {}, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridDialogTest, DisabledItemsRefuseTheUser) {
    EXPECT_EQ(dialog({set("Skew (%)", 50)}), kResultCancelled);
    EXPECT_FALSE(driver.failure().empty());
}

TEST_F(GridDialogTest, LinkWhileAcrossIsShownKeepsTheAcrossValuesForUp) {
    ASSERT_EQ(dialog({uncheck("Link"), choose("40", " Across"), set("Number of lines", 12), check("Link")}), kResultOk);
    EXPECT_EQ(record().direction, kGridUp);
    EXPECT_EQ(record().lineCount[kGridAcross], 12);
    EXPECT_EQ(record().lineCount[kGridUp], 8);
    EXPECT_EQ(shown[40].selected, kGridUp);
    EXPECT_FALSE(shown[40].enabled);
    EXPECT_EQ(shown[4].intValue, 12);

    ASSERT_EQ(dialog({}), kResultOk);
    ASSERT_EQ(dialog({set("Line thickness (p)", 6)}), kResultOk);
    EXPECT_EQ(record().thickness[kGridUp], 6.0f);
}

TEST_F(GridDialogTest, NextChangeAfterLinkStoresTheShownValuesAsUp) {
    ASSERT_EQ(dialog({uncheck("Link"), choose("40", " Across"), set("Number of lines", 12), check("Link"),
                      set("Line thickness (p)", 6)}),
              kResultOk);
    EXPECT_EQ(record().lineCount[kGridUp], 12);
    EXPECT_EQ(record().thickness[kGridUp], 6.0f);
}

TEST_F(GridDialogTest, SwatchPresetShowsTheSwatchEntryForTheShownDirection) {
    ASSERT_EQ(dialog({preset(" Grid filled with color from swatches palette")}), kResultOk);
    EXPECT_EQ(shown[35].selected, 15);
    EXPECT_TRUE(shown[11].enabled);
}

struct PickCase {
    const char* button;
    double x;
    int32_t item;
    std::function<double(const GridParams&, int d)> field;
    double expected;
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << c.button; }

class GridPickTest : public GridDialogTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(GridPickTest, PickSetsTheShownDirectionsValueFromTheMouseX) {
    const PickCase& c = GetParam();
    for (int d : {kGridUp, kGridAcross}) {
        SCOPED_TRACE(d);
        std::vector<Action> script = {uncheck("Link")};
        if (d == kGridAcross) script.push_back(choose("40", " Across"));
        script.push_back(pick(c.button, c.x));
        ASSERT_EQ(dialog(script), kResultOk);
        ASSERT_TRUE(driver.failure().empty()) << driver.failure();
        EXPECT_NEAR(c.field(record(), d), c.expected, 1e-4);
        const auto& item = shown[c.item];
        EXPECT_NEAR(c.item == 4 || c.item == 7 || c.item == 8 ? item.intValue : item.realValue, c.expected, 1e-4);
        ApplyGridPreset(record(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, GridPickTest,
    ::testing::Values(PickCase{"100", 123, 4, [](const GridParams& p, int d) { return p.lineCount[d]; }, 12},
                      PickCase{"101", 50, 5, [](const GridParams& p, int d) { return p.thickness[d]; }, 5},
                      PickCase{"102", -30, 6, [](const GridParams& p, int d) { return p.altThickness[d]; }, -3},
                      PickCase{"103", 25, 7, [](const GridParams& p, int d) { return p.skipCount[d]; }, 2},
                      PickCase{"104", 37, 8, [](const GridParams& p, int d) { return p.createCount[d]; }, 3},
                      PickCase{"105", 10, 21, [](const GridParams& p, int d) { return p.curve[d]; }, 2}),
    [](const auto& info) { return "Button" + std::string(info.param.button); });

TEST_F(GridDialogTest, PickFollowsTheZoomedView) {
    ASSERT_EQ(dialog({set("20", 200), pick("101", 60)}), kResultOk);
    EXPECT_NEAR(record().thickness[kGridUp], 6.0f, 0.05f);
}

}  // namespace
}  // namespace kelvo::testing
