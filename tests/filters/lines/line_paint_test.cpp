// Fill, stroke and width modes, read back from the lines' paint in the document.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "line_host_fixture.h"

namespace kelvo::testing {
namespace {

// What a value may be: exactly one of `values`, or anything in [lo, hi].
struct Expect {
    std::vector<double> values;
    double lo = 0, hi = 0;
};
Expect exact(double value) { return {{value}}; }
Expect oneOf(double a, double b) { return {{a, b}}; }
Expect within(double lo, double hi) { return {{}, lo, hi}; }

void expectValue(double actual, const Expect& expected) {
    if (expected.values.empty()) {
        EXPECT_GE(actual, expected.lo - 1e-6);
        EXPECT_LE(actual, expected.hi + 1e-6);
        return;
    }
    const bool matches = std::any_of(expected.values.begin(), expected.values.end(),
                                     [&](double value) { return std::abs(actual - value) < 1e-6; });
    EXPECT_TRUE(matches) << actual << " is not " << ::testing::PrintToString(expected.values);
}

class LinePaintTest : public LineHostTest {
protected:
    // A use of the filter on an empty document with four lines, then the lines.
    std::vector<const doc::Art*> paintedLines(std::vector<Action> script, int lineCount = 4) {
        for (const doc::Art* line : paths()) host.document().dispose(line->id);
        script.insert(script.begin(), {preset("Reset"), set("4", lineCount)});
        EXPECT_EQ(use(script), kResultOk);
        return paths();
    }

    void setCurrentFill(int kind, std::array<float, 4> channels, bool painted = true) {
        doc::PathStyle style = host.document().currentStyle();
        style.fill = doc::Colour{kind, channels, 0};
        style.fillPaint = painted;
        ASSERT_EQ(host.document().setCurrentStyle(style), doc::Status::ok);
    }
};

using ChannelRule = std::function<Expect(int j, int k)>;

struct ModeCase {
    int mode;
    ChannelRule rule;
};

// Four-colour fill (0, 0, 0, 0), values 10, 20, 0, 50: steps 0.1, 0.2, 0 and 0.5, four lines.
TEST_F(LinePaintTest, FillModesChangeEachChannelByItsStep) {
    const double d[4] = {0.1, 0.2, 0.0, 0.5};
    auto limited = [](double x) { return std::clamp(x, 0.0, 1.0); };
    const ModeCase cases[] = {
        {0, [](int, int) { return exact(0); }},
        {1, [&](int, int k) { return exact(d[k]); }},
        {2, [&](int j, int k) { return exact(limited(d[k] * (j + 1))); }},
        {3, [&](int j, int k) { return exact(limited(d[k] * ((j + 1) % 10))); }},
        {4, [&](int j, int k) { return exact(limited(d[k] * ((j + 1) % 3))); }},
        {5, [&](int j, int k) { return exact(limited(d[k] * (4 - j))); }},
        {6, [&](int j, int k) { return exact(k == 3 ? 0.5 : limited(d[k] * (j + 1))); }},
        {7, [&](int, int k) { return within(0, d[k]); }},
        {8, [&](int j, int k) { return within(0, limited(d[k] * (j + 1))); }},
        {9, [&](int, int k) { return k == 3 ? exact(0.5) : within(0, d[k]); }},
        {10, [&](int j, int k) { return k == 3 ? exact(0.5) : within(0, limited(d[k] * (j + 1))); }},
        {11, [](int, int) { return within(0, 1); }},
        {12, [&](int, int k) { return within(0, d[k]); }},
        {13, [&](int j, int k) { return exact(d[k] * (j + 1) / 4); }},  // the last line reaches the value
        {14, [&](int, int k) { return exact(d[k] / 4); }},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE("fill mode " + std::to_string(c.mode));
        // The values under the list can be set only while a mode is chosen.
        std::vector<Action> script = {choose("62", std::to_string(c.mode))};
        if (c.mode != 0) script.insert(script.end(), {set("13", 10), set("14", 20), set("15", 0), set("16", 50)});
        const auto lines = paintedLines(script);
        ASSERT_EQ(lines.size(), 4u);
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(lines[j]->style.fill.kind, doc::kFour);
            for (int k = 0; k < 4; ++k) expectValue(lines[j]->style.fill.channel[k], c.rule(j, k));
            EXPECT_EQ(lines[j]->style.stroke, host.document().currentStyle().stroke);
        }
    }
}

// Four-colour stroke (0, 0, 0, 1), values 10, 0, 0, -50: steps 0.1, 0, 0 and -0.5.
TEST_F(LinePaintTest, StrokeModesChangeTheStrokeAndStopAtTheLimits) {
    const ModeCase cases[] = {
        {1, [](int, int k) { return exact(k == 0 ? 0.1 : k == 3 ? 0.5 : 0); }},
        {2, [](int j, int k) { return exact(k == 0 ? 0.1 * (j + 1) : k == 3 ? std::max(1 - 0.5 * (j + 1), 0.0) : 0); }},
        {6, [](int j, int k) { return exact(k == 0 ? 0.1 * (j + 1) : 0); }},  // black set to -0.5, limited
        {13, [](int j, int k) { return exact(k == 0 ? 0.1 * (j + 1) / 4 : k == 3 ? std::max(1 - 1.5 * (j + 1) / 4, 0.0) : 0); }},
        {15, [](int, int k) { return exact(k == 3 ? 1 : 0); }},  // the stroke list has no swatch modes
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE("stroke mode " + std::to_string(c.mode));
        const bool inList = c.mode < kLineStrokeModeCount;
        paintedLines({choose("63", inList ? std::to_string(c.mode) : "1"), set("17", 10), set("18", 0), set("19", 0),
                      set("20", -50)});
        if (!inList) {
            // Beyond the list: only a damaged record holds such a mode.
            for (const doc::Art* line : paths()) host.document().dispose(line->id);
            record().strokeMode = c.mode;
            ASSERT_EQ(loader.go(filter()), kResultOk);
        }
        const auto lines = paths();
        ASSERT_EQ(lines.size(), 4u);
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k) expectValue(lines[j]->style.stroke.channel[k], c.rule(j, k));
            EXPECT_EQ(lines[j]->style.fill, host.document().currentStyle().fill);
        }
    }
}

struct KindCase {
    const char* name;
    int kind;
    std::array<float, 4> base;
    std::array<float, 4> expected;  // after fill mode 1 with values 10, 102, -255, 10
};

TEST_F(LinePaintTest, StepsFollowTheColourKind) {
    const KindCase cases[] = {
        {"four-colour: percentages", doc::kFour, {0.5f, 0.5f, 0.5f, 0.5f}, {0.6f, 1.0f, 0.0f, 0.6f}},
        {"three-colour: levels out of 255", doc::kThree, {0.5f, 0.5f, 0.5f, 0}, {0.5f + 10.0f / 255, 0.9f, 0.0f, 0}},
        {"gray: the first value as a percentage", doc::kGray, {0.5f, 0, 0, 0}, {0.6f, 0, 0, 0}},
        {"other kinds: unchanged", doc::kSpot, {0.3f, 0.4f, 0.5f, 0.6f}, {0.3f, 0.4f, 0.5f, 0.6f}},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        setCurrentFill(c.kind, c.base);
        const auto lines = paintedLines({choose("62", "Fill - Add"), set("13", 10), set("14", 102), set("15", -255),
                                         set("16", 10)});
        ASSERT_EQ(lines.size(), 4u);
        for (const doc::Art* line : lines) {
            EXPECT_EQ(line->style.fill.kind, c.kind);
            for (int k = 0; k < 4; ++k) EXPECT_NEAR(line->style.fill.channel[k], c.expected[k], 1e-6) << k;
        }
    }
}

TEST_F(LinePaintTest, WidthModesChangeTheStrokeWidthWithinZeroToFifty) {
    struct WidthCase {
        int mode;
        double value;  // the width box: tenths of a point
        std::function<Expect(int j)> rule;
    };
    // The lines start with the current style's width of 1 point.
    const WidthCase cases[] = {
        {0, 30, [](int) { return exact(1); }},
        {1, 30, [](int) { return exact(4); }},
        {2, 30, [](int j) { return exact(1 + 3 * (j + 1)); }},
        {3, 30, [](int j) { return exact(1 + 3 * ((j + 1) % 10)); }},
        {4, 30, [](int j) { return exact(1 + 3 * ((j + 1) % 3)); }},
        {5, 30, [](int j) { return exact(1 + 3 * (4 - j)); }},
        {6, 30, [](int) { return within(1, 4); }},
        {7, 30, [](int j) { return within(1, 1 + 3 * (j + 1)); }},
        {8, 30, [](int) { return within(0, 10); }},
        {9, 30, [](int) { return within(0, 3); }},
        {10, 30, [](int j) { return exact(1 + 2.0 * (j + 1) / 4); }},  // the last line reaches 3
        {11, 30, [](int) { return exact(1.5); }},
        {12, 30, [](int) { return exact(3); }},
        {13, 30, [](int) { return oneOf(4, 0); }},
        {14, 30, [](int j) { return oneOf(1 + 3 * (j + 1), 0); }},
        {2, 200, [](int j) { return exact(std::min(1 + 20 * (j + 1), 50)); }},
        {12, 0, [](int) { return exact(0); }},
    };
    for (const WidthCase& c : cases) {
        SCOPED_TRACE("width mode " + std::to_string(c.mode) + ", value " + std::to_string(c.value));
        std::vector<Action> script = {choose("64", std::to_string(c.mode))};
        if (c.mode != 0) script.push_back(set("21", c.value));
        const auto lines = paintedLines(script);
        ASSERT_EQ(lines.size(), 4u);
        for (int j = 0; j < 4; ++j) expectValue(lines[j]->style.strokeWidth, c.rule(j));
    }
}

TEST_F(LinePaintTest, SwatchModesFillFromTheSwatchListBeyondItsFirstTwo) {
    const auto& swatches = host.document().swatches();
    ASSERT_EQ(swatches.size(), 16u);
    auto positionsOf = [&](const doc::Colour& colour) {
        std::vector<int> found;
        for (int p = 0; p < 16; ++p) {
            if (swatches[p].colour == colour) found.push_back(p);
        }
        return found;
    };
    // A fill no swatch has, without paint: every line shows whether its swatch was applied.
    setCurrentFill(doc::kThree, {0.1f, 0.2f, 0.3f, 0}, false);

    // " Run through": line j takes position j mod 16, with 0 and 1 moved to 2.
    auto lines = paintedLines({choose("62", "Run through")}, 20);
    for (int j = 0; j < 20; ++j) {
        const int p = j % 16 < 2 ? 2 : j % 16;
        EXPECT_EQ(lines[j]->style.fill, swatches[p].colour) << j;
        EXPECT_TRUE(lines[j]->style.fillPaint);
    }

    struct RangeCase {
        int mode;
        int blocks;
        std::function<int(int i, int j)> highest;  // the highest position line j of block i may take
    };
    const RangeCase cases[] = {
        {15, 1, [](int, int) { return 15; }},
        {16, 2, [](int i, int) { return i == 0 ? 8 : 15; }},  // the first half of the list, then all of it
        {17, 1, [](int, int j) { return std::min(4 * (j + 1), 15); }},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE("fill mode " + std::to_string(c.mode));
        lines = paintedLines({choose("62", std::to_string(c.mode)), set("22", c.blocks)});
        ASSERT_EQ(lines.size(), 4u * c.blocks);
        for (int i = 0; i < c.blocks; ++i) {
            for (int j = 0; j < 4; ++j) {
                const doc::Art& line = *lines[4 * i + j];
                if (!line.style.fillPaint) continue;  // the draw named position 16, past the end
                const std::vector<int> found = positionsOf(line.style.fill);
                ASSERT_FALSE(found.empty());
                EXPECT_GE(found.back(), 2);
                EXPECT_LE(found.front(), c.highest(i, j));
            }
        }
    }
}

TEST_F(LinePaintTest, SwatchModesLeaveTheFillWhenTheListHoldsNoUsablePosition) {
    setCurrentFill(doc::kThree, {0.1f, 0.2f, 0.3f, 0}, false);
    const doc::Colour fill = host.document().currentStyle().fill;
    const std::vector<doc::Swatch> all = host.document().swatches();
    for (std::size_t size : {0u, 2u}) {
        const std::vector<doc::Swatch> swatches(all.begin(), all.begin() + size);
        ASSERT_EQ(host.document().setSwatches(swatches), doc::Status::ok);
        for (const char* mode : {"Run through", "Randomized based on swatches palette"}) {
            SCOPED_TRACE(std::to_string(size) + " swatches, " + mode);
            const auto lines = paintedLines({choose("62", mode)});
            ASSERT_EQ(lines.size(), 4u);
            for (const doc::Art* line : lines) {
                EXPECT_EQ(line->style.fill, fill);
                EXPECT_FALSE(line->style.fillPaint);
            }
        }
    }
}

TEST_F(LinePaintTest, ASwatchReplacesAFillOfAnyKind) {
    setCurrentFill(doc::kNone, {0, 0, 0, 0}, false);
    const auto lines = paintedLines({choose("62", "Run through")});
    ASSERT_EQ(lines.size(), 4u);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(lines[j]->style.fill, host.document().swatches()[j < 2 ? 2 : j].colour);
        EXPECT_TRUE(lines[j]->style.fillPaint);
    }
}

}  // namespace
}  // namespace kelvo::testing
