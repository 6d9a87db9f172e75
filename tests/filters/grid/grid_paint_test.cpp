// The fill, stroke and width modes through the host: what each entry does to the colour or
// width the element starts with, at chosen positions of the up rows.
#include <algorithm>
#include <array>
#include <string>

#include "grid_host_fixture.h"

namespace kelvo::testing {
namespace {

constexpr uint64_t kSeed = 21;
using doc::kFour;
using doc::kThree;
using doc::kGray;
using doc::kNone;

class GridPaintTest : public GridHostTest {
protected:
    void SetUp() override {
        GridHostTest::SetUp();
        addDefinitionRect();
    }

    void setStyle(const doc::Colour& fill, bool fillPaint = true) {
        doc::PathStyle style = host.document().currentStyle();
        style.fill = fill;
        style.fillPaint = fillPaint;
        ASSERT_EQ(host.document().setCurrentStyle(style), doc::Status::ok);
    }

    // The draws of element `index` when every element takes `perElement` of them.
    static std::vector<float> drawsOf(int index, int perElement) {
        host::Random draws(kSeed);
        for (int skipped = 0; skipped < index * perElement; ++skipped) draws.draw();
        std::vector<float> taken;
        for (int i = 0; i < perElement; ++i) taken.push_back(draws.draw());
        return taken;
    }
};

using Channels = std::array<float, 4>;

struct ColourCase {
    const char* name;
    int kind;            // the current style's fill kind
    int mode;            // fill-mode entry
    int lines;
    int index;           // the row checked
    int drawsPerElement;
    Channels (*expected)(const std::vector<float>& r);
};

// Dialog channels 10, 20, 30, 40: four-colour and gray values 0.1 ... 0.4, three-colour levels
// 10/255 ... 30/255. Elements start from four-colour (0, 0, 0, 0), three-colour (0.2, 0.4, 0.6)
// or gray 0.5.
constexpr float kL1 = 10.0f / 255, kL2 = 20.0f / 255, kL3 = 30.0f / 255;

const ColourCase kColourCases[] = {
    {"Add", kFour, 1, 8, 0, 0, [](auto&) { return Channels{.1f, .2f, .3f, .4f}; }},
    {"AccumulateClamps", kFour, 2, 8, 2, 0, [](auto&) { return Channels{.3f, .6f, .9f, 1}; }},
    {"PulsedStartsOverAtTen", kFour, 3, 12, 9, 0, [](auto&) { return Channels{0, 0, 0, 0}; }},
    {"RapidPulse", kFour, 4, 8, 1, 0, [](auto&) { return Channels{.2f, .4f, .6f, .8f}; }},
    {"RapidPulseStartsOverAtThree", kFour, 4, 8, 2, 0, [](auto&) { return Channels{0, 0, 0, 0}; }},
    {"SwapLast", kFour, 5, 8, 7, 0, [](auto&) { return Channels{.1f, .2f, .3f, .4f}; }},
    {"SwapFirst", kFour, 5, 8, 0, 0, [](auto&) { return Channels{.8f, 1, 1, 1}; }},
    {"SetBlack", kFour, 6, 8, 1, 0, [](auto&) { return Channels{.2f, .4f, .6f, .4f}; }},
    {"AddRandomized", kFour, 7, 8, 1, 4,
     [](auto& r) { return Channels{r[0] * .1f, r[1] * .2f, r[2] * .3f, r[3] * .4f}; }},
    {"AccumulateRandomized", kFour, 8, 8, 1, 4,
     [](auto& r) { return Channels{r[0] * .2f, r[1] * .4f, r[2] * .6f, r[3] * .8f}; }},
    {"AddRandomizedKeepsBlack", kFour, 9, 8, 1, 3,
     [](auto& r) { return Channels{r[0] * .1f, r[1] * .2f, r[2] * .3f, .4f}; }},
    {"AccumulateRandomizedKeepsBlack", kFour, 10, 8, 1, 3,
     [](auto& r) { return Channels{r[0] * .2f, r[1] * .4f, r[2] * .6f, .4f}; }},
    {"Randomized", kFour, 11, 8, 1, 4, [](auto& r) { return Channels{r[0], r[1], r[2], r[3]}; }},
    {"RandomizedWithinLimits", kFour, 12, 8, 1, 4,
     [](auto& r) { return Channels{r[0] * .1f, r[1] * .2f, r[2] * .3f, r[3] * .4f}; }},
    {"TargetReachedAtLast", kFour, 13, 8, 7, 0, [](auto&) { return Channels{.1f, .2f, .3f, .4f}; }},
    {"TargetFirstStep", kFour, 13, 8, 0, 0, [](auto&) { return Channels{.1f / 8, .2f / 8, .3f / 8, .4f / 8}; }},
    {"TargetApprox", kFour, 14, 8, 5, 0, [](auto&) { return Channels{.1f / 8, .2f / 8, .3f / 8, .4f / 8}; }},
    {"ThreeColourAdd", kThree, 1, 8, 0, 0, [](auto&) { return Channels{.2f + kL1, .4f + kL2, .6f + kL3, 0}; }},
    {"ThreeColourRandomizedScales", kThree, 11, 8, 0, 3,
     [](auto& r) {
         auto full = [](float x) { return std::min(2.55f * x, 1.0f); };
         return Channels{full(r[0]), full(r[1]), full(r[2]), 0};
     }},
    {"GrayUsesTheFourthValue", kGray, 1, 8, 0, 0, [](auto&) { return Channels{.9f, 0, 0, 0}; }},
    {"GrayClamps", kGray, 2, 8, 1, 0, [](auto&) { return Channels{1, 0, 0, 0}; }},
    {"OtherKindsStay", kNone, 1, 8, 0, 0, [](auto&) { return Channels{0, 0, 0, 0}; }},
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class GridColourModeTest : public GridPaintTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(GridColourModeTest, FillModeChangesTheRowsFill) {
    const ColourCase& c = GetParam();
    const doc::Colour start = c.kind == kThree  ? doc::Colour{kThree, {.2f, .4f, .6f, 0}, 0}
                              : c.kind == kGray ? doc::Colour{kGray, {.5f, 0, 0, 0}, 0}
                                                : doc::Colour{c.kind, {0, 0, 0, 0}, 0};
    setStyle(start);
    ASSERT_EQ(seededUse({set("Number of lines", c.lines), choose("35", std::to_string(c.mode)), set("11", 10),
                         set("12", 20), set("13", 30), set("14", 40)},
                        kSeed),
              kResultOk);
    ASSERT_TRUE(driver.failure().empty()) << driver.failure();
    const doc::Art& row = *paths().at(static_cast<std::size_t>(c.index));
    EXPECT_EQ(row.style.fill.kind, c.kind);
    const Channels expected = c.expected(drawsOf(c.index, c.drawsPerElement));
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(row.style.fill.channel[k], expected[k], 1e-5) << k;
    EXPECT_TRUE(row.style.fillPaint);
    EXPECT_EQ(row.style.stroke, host.document().currentStyle().stroke);
}

INSTANTIATE_TEST_SUITE_P(Modes, GridColourModeTest, ::testing::ValuesIn(kColourCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridPaintTest, StrokeModeChangesTheStrokeAndAnUnpaintedFillStaysUnpainted) {
    setStyle({kFour, {0, 0, 0, 0}, 0}, false);
    ASSERT_EQ(use({choose("35", "1"), set("11", 50), choose("36", "1"), set("15", 10), set("16", 20), set("17", 30),
                   set("18", 40)}),
              kResultOk);
    const doc::Art& row = *paths().front();
    EXPECT_FALSE(row.style.fillPaint);
    EXPECT_FLOAT_EQ(row.style.fill.channel[0], 0.5f);
    EXPECT_EQ(row.style.stroke.channel, (std::array<float, 4>{.1f, .2f, .3f, 1}));
}

struct WidthCase {
    const char* name;
    int mode;
    int lines;
    int index;
    float value;  // the dialog's width value, tenths of a point
    int drawsPerElement;
    float (*expected)(const std::vector<float>& r);
};

// Elements start with width 1.
const WidthCase kWidthCases[] = {
    {"Add", 1, 8, 0, 20, 0, [](auto&) { return 3.0f; }},
    {"Accumulate", 2, 8, 2, 20, 0, [](auto&) { return 7.0f; }},
    {"PulsedStartsOverAtTen", 3, 12, 9, 20, 0, [](auto&) { return 1.0f; }},
    {"RapidPulse", 4, 8, 1, 20, 0, [](auto&) { return 5.0f; }},
    {"Swap", 5, 8, 0, 20, 0, [](auto&) { return 17.0f; }},
    {"AddRandomized", 6, 8, 1, 20, 1, [](auto& r) { return 1 + r[0] * 2; }},
    {"AccumulateRandomized", 7, 8, 1, 20, 1, [](auto& r) { return 1 + r[0] * 2 * 2; }},
    {"UpToTenPoints", 8, 8, 1, 20, 1, [](auto& r) { return 10 * r[0]; }},
    {"UpToDialogValue", 9, 8, 1, 20, 1, [](auto& r) { return 2 * r[0]; }},
    {"ToDialogValueAtLast", 10, 8, 7, 20, 0, [](auto&) { return 2.0f; }},
    {"ToDialogValueApprox", 11, 8, 3, 20, 0, [](auto&) { return 1.125f; }},
    {"Multiplied", 12, 8, 3, 20, 0, [](auto&) { return 2.0f; }},
    {"JitterClampsAtZero", 13, 8, 1, 20, 1, [](auto& r) { return r[0] <= 0.5f ? 0.0f : 3.0f; }},
    {"JitterAccumulate", 14, 8, 1, 20, 1, [](auto& r) { return r[0] <= 0.5f ? 0.0f : 5.0f; }},
    {"ClampsAtFifty", 2, 8, 2, 400, 0, [](auto&) { return 50.0f; }},
};

void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }

class GridWidthModeTest : public GridPaintTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(GridWidthModeTest, WidthModeChangesTheRowsStrokeWidth) {
    const WidthCase& c = GetParam();
    ASSERT_EQ(seededUse({set("Number of lines", c.lines), choose("37", std::to_string(c.mode)), set("19", c.value)},
                        kSeed),
              kResultOk);
    ASSERT_TRUE(driver.failure().empty()) << driver.failure();
    const doc::Art& row = *paths().at(static_cast<std::size_t>(c.index));
    EXPECT_NEAR(row.style.strokeWidth, c.expected(drawsOf(c.index, c.drawsPerElement)), 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Modes, GridWidthModeTest, ::testing::ValuesIn(kWidthCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridPaintTest, SwatchModeCopiesARandomSwatchAndPaintsTheFill) {
    setStyle({kFour, {0, 0, 0, 0}, 0}, false);
    ASSERT_EQ(seededUse({choose("35", " Randomized based on swatches palette")}, kSeed), kResultOk);
    const auto& swatches = host.document().swatches();
    const int count = static_cast<int>(swatches.size());
    host::Random draws(kSeed);
    const auto elements = paths();
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        int position = static_cast<int>(draws.draw() * static_cast<float>(count)) + 1;
        if (position > count) position = count;
        if (position < 2) position = 2;
        if (position < count) {
            EXPECT_EQ(elements[i]->style.fill, swatches[static_cast<std::size_t>(position)].colour);
            EXPECT_TRUE(elements[i]->style.fillPaint);
        } else {  // one past the end of the list: the fill stays
            EXPECT_EQ(elements[i]->style.fill, host.document().currentStyle().fill);
            EXPECT_FALSE(elements[i]->style.fillPaint);
        }
    }
}

TEST_F(GridPaintTest, SwatchModeWithFewerThanThreeSwatchesLeavesTheFill) {
    ASSERT_EQ(host.document().setSwatches({{"[None]", {kNone, {}, 0}}, {"Black", {kFour, {0, 0, 0, 1}, 0}}}),
              doc::Status::ok);
    ASSERT_EQ(use({choose("35", "15")}), kResultOk);
    for (const doc::Art* element : paths()) EXPECT_EQ(element->style.fill, host.document().currentStyle().fill);
}

}  // namespace
}  // namespace kelvo::testing
