// The colour rules: every mode's formula and draws, the options, the limits, the range test and
// the swatch, graphic style and blending mode picks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "colour_numbers.h"
#include "colour_paint.h"
#include "colour_test_support.h"

namespace {

// Channels 10, 20, 30, 40: four-colour factors .1 .2 .3 .4, three-colour 10/255 20/255 30/255,
// gray .4.
ColourFactors testFactors() {
    ColourParams record{};
    for (int i = 0; i < 4; ++i) record.channel[i] = 10.0f * static_cast<float>(i + 1);
    return colourFactorsOf(record);
}

constexpr float k1 = 10.0f / 255, k2 = 20.0f / 255, k3 = 30.0f / 255;

KvColour four(float c, float m, float y, float k) { return {kColourFour, {c, m, y, k}, 0}; }
KvColour three(float r, float g, float b) { return {kColourThree, {r, g, b, 0}, 0}; }
KvColour gray(float g) { return {kColourGray, {g, 0, 0, 0}, 0}; }

KvPathStyle styleWith(const KvColour& fill, const KvColour& stroke) {
    KvPathStyle style{};
    style.fillPaint = 1;
    style.strokePaint = 1;
    style.fill = fill;
    style.stroke = stroke;
    style.strokeWidth = 1;
    return style;
}

void expectColour(const KvColour& actual, const KvColour& expected) {
    EXPECT_EQ(actual.kind, expected.kind);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(actual.channel[i], expected.channel[i], 1e-6) << "channel " << i;
    EXPECT_EQ(actual.reference, expected.reference);
}

struct ModeCase {
    int32_t mode;
    KvColour before;
    std::vector<float> draws;
    KvColour after;
    std::size_t taken;
};

// Each mode on a fill (0 to 13) or a stroke (14 to 27), before the limits are applied.
const ModeCase kModes[] = {
    // 0 "+ Random": x + r f, one draw per component in order.
    {0, four(.1f, .2f, .3f, .4f), {.5f, .25f, 1, 0}, four(.15f, .25f, .6f, .4f), 4},
    {0, three(.2f, .4f, .6f), {.5f}, three(.2f + .5f * k1, .4f + .5f * k2, .6f + .5f * k3), 3},
    {0, gray(.5f), {.5f}, gray(.7f), 1},
    // 1 "Random <": r f.
    {1, four(.9f, .9f, .9f, .9f), {.5f}, four(.05f, .1f, .15f, .2f), 4},
    {1, gray(.9f), {.5f}, gray(.2f), 1},
    // 2: black takes the black factor; the others as mode 0.
    {2, four(.1f, .2f, .3f, .9f), {.5f}, four(.15f, .3f, .45f, .4f), 3},
    {2, three(.2f, .4f, .6f), {0}, three(.2f, .4f, .6f), 3},
    // 3: black is r times the black factor.
    {3, four(.1f, .2f, .3f, .9f), {.5f, .5f, .5f, .25f}, four(.15f, .3f, .45f, .1f), 4},
    // 4 "+ Random Average": the mean times r added to each; gray grows by r times itself.
    {4, four(.1f, .2f, .3f, .4f), {.5f}, four(.225f, .325f, .425f, .525f), 1},
    {4, three(.3f, .3f, .6f), {.5f}, three(.5f, .5f, .8f), 1},
    {4, gray(.5f), {.5f}, gray(.75f), 1},
    // 5: as 4, but black is r r' times its factor (two draws) ...
    {5, four(.1f, .2f, .3f, .4f), {.5f, .5f, .5f}, four(.225f, .325f, .425f, .1f), 3},
    {5, gray(.5f), {.5f}, gray(.75f), 1},
    // ... and in the stroke twin r times its factor (one draw).
    {19, four(.1f, .2f, .3f, .4f), {.5f, .5f}, four(.225f, .325f, .425f, .2f), 2},
    // 6 "Random Average": one draw for the whole colour.
    {6, four(.1f, .1f, .1f, .1f), {.5f, 0}, four(.15f, .2f, .25f, .3f), 1},
    {6, three(0, 0, 0), {1}, three(k1, k2, k3), 1},
    // 7 "+ Percentage Randomized": (r f + 1) x.
    {7, four(.5f, .5f, .5f, .5f), {.5f}, four(.525f, .55f, .575f, .6f), 4},
    // 8 "Percentage Randomized": r x f.
    {8, four(.5f, .5f, .5f, .5f), {.5f}, four(.025f, .05f, .075f, .1f), 4},
    // 9 "Percentage": x f, no draw.
    {9, four(.5f, .5f, .5f, .5f), {}, four(.05f, .1f, .15f, .2f), 0},
    {9, gray(.5f), {}, gray(.2f), 0},
    // 10 "Add To": x + f, no draw.
    {10, three(.5f, .5f, .5f), {}, three(.5f + k1, .5f + k2, .5f + k3), 0},
    // 11 "Randomized": r each; three-colour levels 2.55 r (limited later).
    {11, four(1, 1, 1, 1), {.1f, .2f, .3f, .4f}, four(.1f, .2f, .3f, .4f), 4},
    {11, three(0, 0, 0), {.2f, .4f, .6f}, three(.51f, 1.02f, 1.53f), 3},
    {11, gray(0), {.3f}, gray(.3f), 1},
    // 12: as 11, four-colour black kept.
    {12, four(1, 1, 1, .7f), {.1f, .2f, .3f}, four(.1f, .2f, .3f, .7f), 3},
    {12, three(0, 0, 0), {.2f}, three(.51f, .51f, .51f), 3},
    // Stroke twins work on the stroke.
    {14, four(.1f, .2f, .3f, .4f), {.5f}, four(.15f, .3f, .45f, .6f), 4},
    {23, gray(.5f), {}, gray(.2f), 0},
    // Kinds the rules leave alone take no draw.
    {0, {kColourGradient, {0, 0, 0, 0}, 3}, {.5f}, {kColourGradient, {0, 0, 0, 0}, 3}, 0},
    {11, {kColourNone, {0, 0, 0, 0}, 0}, {.5f}, {kColourNone, {0, 0, 0, 0}, 0}, 0},
    {25, {kColourPattern, {0, 0, 0, 0}, 1}, {.5f}, {kColourPattern, {0, 0, 0, 0}, 1}, 0},
    // Modes the list does not have change nothing.
    {28, four(.1f, .2f, .3f, .4f), {.5f}, four(.1f, .2f, .3f, .4f), 0},
    {-1, four(.1f, .2f, .3f, .4f), {.5f}, four(.1f, .2f, .3f, .4f), 0},
};

TEST(ColourModes, EachModeChangesItsColourByItsRule) {
    const ColourFactors factors = testFactors();
    const KvColour untouched = four(.9f, .8f, .7f, .6f);
    for (const ModeCase& c : kModes) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", kind " + std::to_string(c.before.kind));
        const bool stroke = c.mode >= kFirstStrokeMode;
        KvPathStyle style = stroke ? styleWith(untouched, c.before) : styleWith(c.before, untouched);
        ScriptedDraws draws(c.draws);
        applyColourMode(style, c.mode, factors, 16, ScriptedDraws::draw, nullptr);
        expectColour(stroke ? style.stroke : style.fill, c.after);
        expectColour(stroke ? style.fill : style.stroke, untouched);
        EXPECT_EQ(draws.taken(), c.taken);
    }
}

// The lookup used by the swatch cases: positions 0 to 9 exist; each is gray position/10.
bool tenGraySwatches(int32_t position, KvColour* colour) {
    if (position < 0 || position >= 10) return false;
    *colour = gray(static_cast<float>(position) / 10.0f);
    return true;
}

TEST(ColourModes, SwatchModesReplaceColourAndPaintTogetherOrNotAtAll) {
    struct Case {
        int32_t mode;
        float draw;
        bool replaced;
        float gray;
    };
    const Case cases[] = {
        {13, 0.45f, true, 0.5f},  // trunc(4.5) + 1 = 5
        {27, 0.0f, true, 0.2f},   // 1 becomes 2
        {13, 0.95f, false, 0},    // 10: one past the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const KvColour gradient{kColourGradient, {0, 0, 0, 0}, 2};
        KvPathStyle style = styleWith(gradient, gradient);
        style.fillPaint = style.strokePaint = 0;
        ScriptedDraws draws({c.draw});
        applyColourMode(style, c.mode, testFactors(), 10, ScriptedDraws::draw, tenGraySwatches);
        const bool stroke = c.mode == 27;
        const KvColour& changed = stroke ? style.stroke : style.fill;
        expectColour(changed, c.replaced ? gray(c.gray) : gradient);
        EXPECT_EQ(stroke ? style.strokePaint : style.fillPaint, c.replaced ? 1 : 0);
        expectColour(stroke ? style.fill : style.stroke, gradient);
        EXPECT_EQ(stroke ? style.fillPaint : style.strokePaint, 0);
        EXPECT_EQ(draws.taken(), 1u);
    }
}

TEST(ColourModes, SwatchPositionsSkipTheFirstTwoAndMayLeaveTheList) {
    struct Case {
        float draw;
        int32_t count, position;
    };
    const Case cases[] = {
        {0.0f, 16, 2},    {0.05f, 16, 2},  {0.1f, 16, 2},  {0.5f, 16, 9},
        {0.99f, 16, 16},  // the count itself: outside positions 0 ... 15
        {0.5f, 2, 2},     {0.5f, 0, 2},    {std::numeric_limits<float>::quiet_NaN(), 16, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.draw) + " of " + std::to_string(c.count));
        EXPECT_EQ(swatchPositionOf(c.draw, c.count), c.position);
    }
}

TEST(ColourOptions, NegateOrAverageTheChosenColour) {
    struct Case {
        int32_t option;
        KvColour fill, stroke, fillAfter, strokeAfter;
    };
    const KvColour pattern{kColourPattern, {0, 0, 0, 0}, 1};
    const Case cases[] = {
        {0, four(.1f, .2f, .3f, .4f), gray(.3f), four(.1f, .2f, .3f, .4f), gray(.3f)},
        {1, four(.1f, .2f, .3f, .4f), gray(.3f), four(.9f, .8f, .7f, .6f), gray(.3f)},
        {1, three(0, .25f, 1), gray(.3f), three(1, .75f, 0), gray(.3f)},
        {1, gray(.3f), gray(.3f), gray(.7f), gray(.3f)},
        {2, gray(.3f), three(0, .25f, 1), gray(.3f), three(1, .75f, 0)},
        {3, four(.1f, .2f, .3f, .4f), four(0, 0, 0, 1), four(.25f, .25f, .25f, .25f), four(0, 0, 0, 1)},
        {3, three(0, .3f, .6f), gray(.3f), three(.3f, .3f, .3f), gray(.3f)},
        {3, gray(.3f), gray(.4f), gray(.3f), gray(.4f)},  // gray keeps its value
        {4, gray(.3f), three(0, .3f, .6f), gray(.3f), three(.3f, .3f, .3f)},
        {1, pattern, pattern, pattern, pattern},
        {5, four(.1f, .2f, .3f, .4f), gray(.3f), four(.1f, .2f, .3f, .4f), gray(.3f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("option " + std::to_string(c.option) + ", fill kind " + std::to_string(c.fill.kind));
        KvPathStyle style = styleWith(c.fill, c.stroke);
        applyColourOption(style, c.option);
        expectColour(style.fill, c.fillAfter);
        expectColour(style.stroke, c.strokeAfter);
    }
}

TEST(ColourLimits, EveryComponentEndsBetweenZeroAndOneAndNaNBecomesZero) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    KvPathStyle style = styleWith(four(nan, -0.5f, 1.5f, inf), three(-inf, .5f, 2.55f));
    clampColours(style);
    expectColour(style.fill, four(0, 0, 1, 1));
    expectColour(style.stroke, three(0, .5f, 1));

    KvPathStyle gradient = styleWith({kColourGradient, {0, 0, 0, 0}, 4}, gray(nan));
    clampColours(gradient);
    expectColour(gradient.fill, {kColourGradient, {0, 0, 0, 0}, 4});
    expectColour(gradient.stroke, gray(0));
}

TEST(ColourRangeTest, ComparesTheFillMeanWithItsKindsScale) {
    struct Case {
        KvColour fill;
        float low, high;
        bool passes;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {four(.25f, .5f, .75f, .5f), 50, 50, true},   // mean .5 against [.5, .5]
        {four(.25f, .5f, .75f, .5f), 51, 255, false},
        {four(.25f, .5f, .75f, .5f), 0, 49, false},
        {three(.25f, .5f, .75f), 127.5f, 127.5f, true},  // mean .5 against 127.5 / 255
        {three(.25f, .5f, .75f), 0, 127, false},
        {gray(.25f), 0, 25, true},
        {gray(.25f), 26, 255, false},
        {four(0, 0, 0, 0), 0, 255, true},             // the first-use range passes everything
        {three(1, 1, 1), 0, 255, true},
        {four(.25f, .5f, .75f, .5f), 40, 45, false},  // the mean above high
        {four(.25f, .5f, .75f, .5f), 60, 40, false},  // low above high: nothing passes
        {gray(.25f), nan, 255, false},
        {{kColourGradient, {0, 0, 0, 0}, 1}, 60, 40, true},  // untested kinds pass
        {{kColourNone, {0, 0, 0, 0}, 0}, 255, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.fill.kind) + " [" + std::to_string(c.low) + ", " +
                     std::to_string(c.high) + "]");
        EXPECT_EQ(passesRangeTest(c.fill, c.low, c.high), c.passes);
    }
}

TEST(ColourFactorsTest, CompoundingSaturatesInsteadOfOverflowing) {
    const ColourFactors start = testFactors();
    ColourFactors factors = start;
    float m = 1;
    for (int object = 0; object < 60; ++object) {  // a path factor of 200 % over 60 objects
        factors = scaleFactors(factors, m);
        m = saturateFactor(static_cast<double>(m) * 2.0);
    }
    EXPECT_TRUE(std::isfinite(factors.four[0]) && factors.four[0] > 1e29f);
    EXPECT_TRUE(std::isfinite(m));
    EXPECT_EQ(0.0f * factors.gray, 0.0f) << "a zero channel stays zero";

    const ColourFactors negative = scaleFactors(start, -std::numeric_limits<float>::max());
    EXPECT_TRUE(std::isfinite(negative.three[2]) && negative.three[2] < 0);
    const ColourFactors nan = scaleFactors(start, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(nan.four[3], 0.0f);

    const ColourFactors half = scaleFactors(start, 0.5f);
    EXPECT_FLOAT_EQ(half.four[1], 0.1f);
    EXPECT_FLOAT_EQ(half.three[0], 5.0f / 255);
    EXPECT_FLOAT_EQ(half.gray, 0.2f);
}

TEST(ColourPicks, GraphicStyleOnlyWhenItExistsAndBlendModesFoldToNormal) {
    struct StyleCase {
        float draw;
        int32_t count, index;
    };
    const StyleCase styles[] = {
        {0.0f, 6, 1}, {0.1f, 6, 1}, {0.5f, 6, 3}, {0.99f, 6, 5},
        {0.0f, 1, -1},  // 0 becomes 1, which a one-style document does not have
        {0.5f, 0, -1},  // no graphic style at all
        {0.9f, 2, 1},
    };
    for (const StyleCase& c : styles) {
        SCOPED_TRACE(std::to_string(c.draw) + " of " + std::to_string(c.count));
        EXPECT_EQ(graphicStyleIndexOf(c.draw, c.count), c.index);
    }
    const std::pair<float, int32_t> blends[] = {{0.0f, 0}, {0.05f, 1}, {0.5f, 10}, {0.79f, 15}, {0.8f, 0}, {0.99f, 0}};
    for (const auto& [draw, mode] : blends) EXPECT_EQ(blendingModeOf(draw), mode) << draw;
}

}  // namespace
