// Stroke colour, line weight and opacity of separate arms, read back from a real host.
#include <algorithm>
#include <limits>
#include <set>
#include <utility>

#include "spiral_host_fixture.h"

namespace kelvo::testing {
namespace {

// Ten arms of four points: arm i has n = i + 1, and L = 4 × 10 = 40.
constexpr int kArms = 10;
constexpr double kL = 40;

void separateArms(SpiralParams& p) { p.armMode = kArmsSeparate; }

using Interval = std::pair<double, double>;  // lowest and highest value allowed

struct ColourCase {
    int mode;
    float values[4];                        // the dialog's four colour values
    Interval (*channel)(int i, int c);      // for the default stroke, four-colour (0, 0, 0, 1)
};

Interval exactly(double value) { return {value, value}; }
double limited(double value) { return std::clamp(value, 0.0, 1.0); }
const double kStart[4] = {0, 0, 0, 1};
const double kSteps[4] = {0.1, 0.2, 0.3, 0.4};  // the values 10, 20, 30, 40 as percentages

const ColourCase kColourCases[] = {
    {0, {10, 20, 30, 40}, [](int, int c) { return exactly(kStart[c]); }},
    {1, {10, 20, 30, 40}, [](int, int c) { return exactly(limited(kStart[c] + kSteps[c])); }},
    {2, {10, 20, 30, 40}, [](int i, int c) { return exactly(limited(kStart[c] + kSteps[c] * (i + 1))); }},
    {3, {10, 20, 30, 40}, [](int i, int c) { return exactly(limited(kStart[c] + kSteps[c] * ((i + 1) % 10))); }},
    {4, {10, 20, 30, 40}, [](int i, int c) { return exactly(limited(kStart[c] + kSteps[c] * ((i + 1) % 3))); }},
    {5, {1, 0, 0, -2.5}, [](int i, int c) {
         const double steps[4] = {0.01, 0, 0, -0.025};
         return exactly(limited(kStart[c] + steps[c] * (kL - i)));
     }},
    {6, {10, 20, 30, 40}, [](int i, int c) { return exactly(c == 3 ? 0.4 : limited(kSteps[c] * (i + 1))); }},
    {7, {10, 20, 30, 40}, [](int, int c) { return Interval{kStart[c], limited(kStart[c] + kSteps[c])}; }},
    {8, {10, 20, 30, 40}, [](int i, int c) { return Interval{kStart[c], limited(kStart[c] + kSteps[c] * (i + 1))}; }},
    {9, {10, 20, 30, 40}, [](int, int c) { return c == 3 ? exactly(0.4) : Interval{0, kSteps[c]}; }},
    {10, {10, 20, 30, 40}, [](int i, int c) { return c == 3 ? exactly(0.4) : Interval{0, limited(kSteps[c] * (i + 1))}; }},
    {11, {10, 20, 30, 40}, [](int, int) { return Interval{0, 1}; }},
    {12, {10, 20, 30, 40}, [](int, int c) { return Interval{0, kSteps[c]}; }},
    {13, {10, 20, 30, 40}, [](int i, int c) { return exactly(kStart[c] - (kStart[c] - kSteps[c]) * (i + 1) / kL); }},
    {14, {10, 20, 30, 40}, [](int, int c) { return exactly(kStart[c] - (kStart[c] - kSteps[c]) / kL); }},
};

TEST_F(SpiralHostTest, StrokeColourModesChangeEachArm) {
    for (const ColourCase& c : kColourCases) {
        SCOPED_TRACE("stroke colour mode " + std::to_string(c.mode));
        ASSERT_EQ(goWith([&](SpiralParams& p) {
                      separateArms(p);
                      p.strokeColourMode = c.mode;
                      std::copy(std::begin(c.values), std::end(c.values), p.strokeColour);
                  }),
                  kResultOk);
        const auto arms = paths();
        ASSERT_EQ(arms.size(), static_cast<std::size_t>(kArms));
        std::set<float> cyans;
        for (int i = 0; i < kArms; ++i) {
            const doc::Colour& stroke = arms[i]->style.stroke;
            ASSERT_EQ(stroke.kind, doc::kFour);
            for (int ch = 0; ch < 4; ++ch) {
                const Interval allowed = c.channel(i, ch);
                EXPECT_GE(stroke.channel[ch], allowed.first - 1e-5) << "arm " << i << " channel " << ch;
                EXPECT_LE(stroke.channel[ch], allowed.second + 1e-5) << "arm " << i << " channel " << ch;
            }
            cyans.insert(stroke.channel[0]);
        }
        // The random modes draw afresh for every arm.
        if (c.mode == 7 || c.mode == 11 || c.mode == 12) {
            EXPECT_GT(cyans.size(), 5u);
        }
    }
}

// Other colour kinds: steps are levels of 255 for three-colour, the first value for gray, and
// kinds without channels the modes know (here "none") are left alone.
TEST_F(SpiralHostTest, StrokeColourModesFollowTheStrokesKind) {
    struct KindCase {
        const char* name;
        doc::Colour stroke;
        int mode;
        doc::Colour expected;
    };
    const KindCase cases[] = {
        {"three-colour add", {doc::kThree, {0.2f, 0.4f, 0.6f, 0}}, 1, {doc::kThree, {0.4f, 0.6f, 1, 0}}},
        {"gray add", {doc::kGray, {0.5f, 0, 0, 0}}, 1, {doc::kGray, {0.6f, 0, 0, 0}}},
        {"no stroke colour", {doc::kNone, {0, 0, 0, 0}}, 2, {doc::kNone, {0, 0, 0, 0}}},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(goWith(
                      [&](SpiralParams& p) {
                          separateArms(p);
                          p.strokeColourMode = c.mode;
                          // Three-colour: 0.2, 0.2, 1 of 255. Gray: 0.1 from the first value.
                          const float values[4] = {51, 51, 255, 40};
                          std::copy(std::begin(values), std::end(values), p.strokeColour);
                          if (c.stroke.kind == doc::kGray) p.strokeColour[0] = 10;
                      },
                      [&](doc::Document& document) {
                          doc::PathStyle style;
                          style.stroke = c.stroke;
                          ASSERT_EQ(document.setCurrentStyle(style), doc::Status::ok);
                      }),
                  kResultOk);
        const auto arms = paths();
        ASSERT_EQ(arms.size(), static_cast<std::size_t>(kArms));
        const doc::Colour& stroke = arms[0]->style.stroke;
        EXPECT_EQ(stroke.kind, c.expected.kind);
        for (int ch = 0; ch < 4; ++ch) EXPECT_NEAR(stroke.channel[ch], c.expected.channel[ch], 1e-5) << ch;
    }
}

TEST_F(SpiralHostTest, SwatchModeTakesSwatchesFromPositionTwoOn) {
    auto strokeOff = [](doc::Document& document) {
        doc::PathStyle style;
        style.strokePaint = false;
        style.stroke = {doc::kNone, {0, 0, 0, 0}};
        ASSERT_EQ(document.setCurrentStyle(style), doc::Status::ok);
    };
    ASSERT_EQ(goWith(
                  [](SpiralParams& p) {
                      separateArms(p);
                      p.spiralCount = 40;
                      p.strokeColourMode = 15;
                  },
                  strokeOff),
              kResultOk);
    const std::vector<doc::Swatch> swatches = host.document().swatches();  // a copy: the next run opens a new document
    int taken = 0;
    for (const doc::Art* arm : paths()) {
        const doc::PathStyle& style = arm->style;
        if (style.stroke.kind == doc::kNone) {  // a position past the list: left as it was
            EXPECT_FALSE(style.strokePaint);
            continue;
        }
        ++taken;
        EXPECT_TRUE(style.strokePaint);
        const auto found = std::find_if(swatches.begin() + 2, swatches.end(),
                                        [&](const doc::Swatch& s) { return s.colour == style.stroke; });
        EXPECT_NE(found, swatches.end()) << "a stroke from swatch 0 or 1, or from nowhere";
    }
    EXPECT_GT(taken, 30);

    // Two swatches: position 2 does not exist, so every stroke stays.
    ASSERT_EQ(goWith(
                  [](SpiralParams& p) {
                      separateArms(p);
                      p.strokeColourMode = 15;
                  },
                  [&](doc::Document& document) {
                      strokeOff(document);
                      ASSERT_EQ(document.setSwatches({swatches[2], swatches[3]}), doc::Status::ok);
                  }),
              kResultOk);
    for (const doc::Art* arm : paths()) {
        EXPECT_FALSE(arm->style.strokePaint);
        EXPECT_EQ(arm->style.stroke.kind, doc::kNone);
    }
}

// Weight step W = 3 points (line weight 30), default width 1.
struct WeightCase {
    int mode;
    bool (*allowed)(int i, double w);
};
bool near(double a, double b) { return std::abs(a - b) < 1e-4; }
bool within(double w, double low, double high) { return w >= low - 1e-5 && w < high + 1e-5; }

const WeightCase kWeightCases[] = {
    {0, [](int, double w) { return near(w, 1); }},
    {1, [](int, double w) { return near(w, 4); }},
    {2, [](int i, double w) { return near(w, 1 + 3 * (i + 1)); }},
    {3, [](int i, double w) { return near(w, 1 + 3 * ((i + 1) % 10)); }},
    {4, [](int i, double w) { return near(w, 1 + 3 * ((i + 1) % 3)); }},
    {5, [](int, double w) { return near(w, 50); }},  // 1 + 3 (40 - i) is past the 50-point limit
    {6, [](int, double w) { return within(w, 1, 4); }},
    {7, [](int i, double w) { return within(w, 1, 1 + 3 * (i + 1)); }},
    {8, [](int, double w) { return within(w, 0, 10); }},
    {9, [](int, double w) { return within(w, 0, 3); }},
    {10, [](int i, double w) { return near(w, 1 + 2.0 * (i + 1) / kL); }},
    {11, [](int, double w) { return near(w, 1 + 2 / kL); }},
    {12, [](int, double w) { return near(w, 3); }},
    {13, [](int, double w) { return near(w, 4) || near(w, 0); }},  // 1 - 3 is limited to 0
    {14, [](int i, double w) { return near(w, 1 + 3 * (i + 1)) || near(w, 0); }},
};

TEST_F(SpiralHostTest, LineWeightModesChangeEachArm) {
    for (const WeightCase& c : kWeightCases) {
        SCOPED_TRACE("line weight mode " + std::to_string(c.mode));
        ASSERT_EQ(goWith([&](SpiralParams& p) {
                      separateArms(p);
                      p.lineWeightMode = c.mode;
                      p.lineWeight = 30;
                  }),
                  kResultOk);
        const auto arms = paths();
        ASSERT_EQ(arms.size(), static_cast<std::size_t>(kArms));
        for (int i = 0; i < kArms; ++i) EXPECT_TRUE(c.allowed(i, arms[i]->style.strokeWidth)) << "arm " << i << ": " << arms[i]->style.strokeWidth;
    }
}

TEST_F(SpiralHostTest, OnlySeparateArmsAreLimitedAndStyled) {
    auto wide = [](doc::Document& document) {
        doc::PathStyle style;
        style.strokeWidth = 80;
        ASSERT_EQ(document.setCurrentStyle(style), doc::Status::ok);
    };
    ASSERT_EQ(goWith([](SpiralParams& p) { p.strokeColourMode = 1; p.lineWeightMode = 1; p.lineWeight = 10; }, wide),
              kResultOk);
    EXPECT_EQ(paths()[0]->style.strokeWidth, 80) << "one path keeps the style new art gets";
    ASSERT_EQ(goWith(separateArms, wide), kResultOk);
    for (const doc::Art* arm : paths()) EXPECT_EQ(arm->style.strokeWidth, 50);
}

// With no points per arm, L is 0: the target modes leave colour and width as they are.
TEST_F(SpiralHostTest, TargetModesWithoutPointsLeaveTheStroke) {
    ASSERT_EQ(goWith([](SpiralParams& p) {
                  separateArms(p);
                  p.pointsPerArm = 0;
                  p.spiralCount = 3;
                  p.strokeColourMode = 13;
                  p.lineWeightMode = 10;
                  p.lineWeight = 30;
              }),
              kResultOk);
    const auto arms = paths();
    ASSERT_EQ(arms.size(), 2u);
    for (const doc::Art* arm : arms) {
        EXPECT_EQ(arm->style.stroke, (doc::Colour{doc::kFour, {0, 0, 0, 1}}));
        EXPECT_EQ(arm->style.strokeWidth, 1);
    }
}

// A value that is not a number ends at the bottom of its limit instead of reaching the host.
TEST_F(SpiralHostTest, StrokeValuesThatAreNotNumbersEndAtTheirLowerLimit) {
    ASSERT_EQ(goWith([](SpiralParams& p) {
                  separateArms(p);
                  p.strokeColourMode = 1;
                  p.strokeColour[3] = std::numeric_limits<float>::quiet_NaN();
                  p.lineWeightMode = 1;
                  p.lineWeight = std::numeric_limits<float>::quiet_NaN();
              }),
              kResultOk);
    for (const doc::Art* arm : paths()) {
        EXPECT_EQ(arm->style.stroke, (doc::Colour{doc::kFour, {0.01f, 0.01f, 0.01f, 0}}));
        EXPECT_EQ(arm->style.strokeWidth, 0);
    }
}

TEST_F(SpiralHostTest, RandomOpacityGivesEveryArmItsOwn) {
    ASSERT_EQ(goWith(separateArms), kResultOk);
    for (const doc::Art* arm : paths()) EXPECT_EQ(arm->opacity, 1);

    ASSERT_EQ(goWith([](SpiralParams& p) {
                  separateArms(p);
                  p.randomOpacity = 1;
              }),
              kResultOk);
    std::set<float> opacities;
    for (const doc::Art* arm : paths()) {
        EXPECT_GE(arm->opacity, 0);
        EXPECT_LT(arm->opacity, 1);
        opacities.insert(arm->opacity);
    }
    EXPECT_EQ(opacities.size(), static_cast<std::size_t>(kArms));
}

}  // namespace
}  // namespace kelvo::testing
