// The lines a run draws: shapes, directions and every option family, through the real host.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "line_host_fixture.h"

namespace kelvo::testing {
namespace {

using Lines = std::vector<const doc::Art*>;

void expectRect(const doc::Rect& actual, const doc::Rect& expected, double tolerance = 1e-3) {
    EXPECT_NEAR(actual.left, expected.left, tolerance);
    EXPECT_NEAR(actual.top, expected.top, tolerance);
    EXPECT_NEAR(actual.right, expected.right, tolerance);
    EXPECT_NEAR(actual.bottom, expected.bottom, tolerance);
}

TEST_F(LineHostTest, FirstUseDrawsTwentyBarsUpwardFromTheOrigin) {
    ASSERT_EQ(use({}), kResultOk);
    const Lines lines = paths();
    ASSERT_EQ(lines.size(), 20u);
    for (std::size_t j = 0; j < lines.size(); ++j) {
        SCOPED_TRACE(j);
        const float c = 20.0f * j;
        expectRect(bounds(*lines[j]), {0, c + 4, 500, c}, 0);
        EXPECT_TRUE(lines[j]->closed);
        EXPECT_FALSE(lines[j]->guide);
        EXPECT_EQ(lines[j]->style, host.document().currentStyle());  // every mode off: paint untouched
        EXPECT_EQ(lines[j]->opacity, 1.0f);
        const std::vector<doc::Point> corners = {{0, c + 4}, {500, c + 4}, {500, c}, {0, c}};
        ASSERT_EQ(lines[j]->segments.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(lines[j]->segments[k].anchor, corners[k]);
    }
    EXPECT_EQ(record().lineCount, 20);
    EXPECT_EQ(record().preview, 1);
    EXPECT_EQ(record().previewDrawn, 0);  // the Go kept the preview and cleared the flag
}

struct ShapeCase {
    const char* shape;
    const char* direction;
    std::size_t segments;
    bool guide;
    doc::Rect secondLine;  // bounds of line 1 (c = 20)
    float strokeWidth;
};

TEST_F(LineHostTest, ShapesAndDirectionsDrawTheirArt) {
    const ShapeCase cases[] = {
        {"Lines options : Rectangular", "Lines upwards", 4, false, {0, 24, 500, 20}, 1},
        {"Oval", "Lines upwards", 4, false, {0, 24, 500, 20}, 1},
        {"Box guide", "Lines upwards", 4, true, {0, 24, 500, 20}, 1},
        // Thin lines lie on the stacking position, shifted back half their width along the line.
        {"Thin line ", "Lines upwards", 2, false, {-2, 20, 498, 20}, 4},
        {"Line guide", "Lines upwards", 2, true, {-2, 20, 498, 20}, 4},
        {"Lines options : Rectangular", "Lines across", 4, false, {20, 500, 24, 0}, 1},
        {"Oval", "Lines across", 4, false, {20, 500, 24, 0}, 1},
        {"Thin line ", "Lines across", 2, false, {20, 498, 20, -2}, 4},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(std::string(c.shape) + " / " + c.direction);
        ASSERT_EQ(use({choose("60", c.shape), choose("61", c.direction)}), kResultOk);
        const Lines lines = paths();
        ASSERT_EQ(lines.size(), 20u);
        expectRect(bounds(*lines[1]), c.secondLine);
        EXPECT_EQ(lines[1]->segments.size(), c.segments);
        EXPECT_TRUE(lines[1]->closed);
        EXPECT_EQ(lines[1]->guide, c.guide);
        EXPECT_EQ(lines[1]->style.strokeWidth, c.strokeWidth);
        EXPECT_TRUE(lines[1]->style.strokePaint);
        if (std::string(c.shape) == "Oval") {
            EXPECT_FALSE(lines[1]->segments[0].corner);
        }
        // The next use starts from an empty document.
        for (const doc::Art* line : paths()) host.document().dispose(line->id);
    }
}

struct OptionCase {
    const char* name;
    std::vector<Action> script;
    std::function<void(LineHostTest&, const Lines&)> check;
};

TEST_F(LineHostTest, OptionsPlaceTurnAndScaleLines) {
    const OptionCase cases[] = {
        {"a negative gap stacks downward",
         {set("5", -20)},
         [](LineHostTest& t, const Lines& lines) {
             for (std::size_t j = 0; j < lines.size(); ++j) EXPECT_EQ(t.bounds(*lines[j]).bottom, -20.0f * j);
         }},
        {"max length piles the rest of the lines at its limit",
         {set("23", 100)},
         [](LineHostTest& t, const Lines& lines) {
             for (std::size_t j = 0; j < 5; ++j) EXPECT_EQ(t.bounds(*lines[j]).bottom, 20.0f * j);
             for (std::size_t j = 5; j < lines.size(); ++j) EXPECT_EQ(t.bounds(*lines[j]).bottom, 96.0f);
         }},
        {"a negative max length puts every line below it",
         {set("23", -50)},
         [](LineHostTest& t, const Lines& lines) {
             for (const doc::Art* line : lines) EXPECT_EQ(t.bounds(*line).bottom, -54.0f);
         }},
        {"the angle turns each line about its own centre",
         {set("10", 90), set("4", 2)},
         [](LineHostTest& t, const Lines& lines) {
             ASSERT_EQ(lines.size(), 2u);
             expectRect(t.bounds(*lines[0]), {248, 252, 252, -248});
             expectRect(t.bounds(*lines[1]), {248, 272, 252, -228});
         }},
        {"Angle 1 adds each line's turn to the last",
         {set("10", 10), set("4", 3), check("Angle 1")},
         [](LineHostTest&, const Lines& lines) {
             for (std::size_t j = 0; j < 3; ++j) EXPECT_NEAR(turnOf(*lines[j]), 10.0 * (j + 1), 1e-3);
         }},
        {"Alternate angle turns the lines of odd blocks back",
         {set("10", 10), set("4", 2), set("22", 3), check("Alternate angle")},
         [](LineHostTest&, const Lines& lines) {
             const double expected[] = {10, 10, -10, -10, 10, 10};
             for (std::size_t j = 0; j < 6; ++j) EXPECT_NEAR(turnOf(*lines[j]), expected[j], 1e-3);
         }},
        {"Angle 2 adds each block's angle to the next",
         {set("10", 10), set("4", 2), set("22", 3), check("Angle 2")},
         [](LineHostTest&, const Lines& lines) {
             const double expected[] = {10, 10, 20, 20, 30, 30};
             for (std::size_t j = 0; j < 6; ++j) EXPECT_NEAR(turnOf(*lines[j]), expected[j], 1e-3);
         }},
        {"the angle factor scales the angle from block to block",
         {set("10", 40), set("4", 2), set("22", 3), set("28", 50)},
         [](LineHostTest&, const Lines& lines) {
             const double expected[] = {40, 40, 20, 20, 10, 10};
             for (std::size_t j = 0; j < 6; ++j) EXPECT_NEAR(turnOf(*lines[j]), expected[j], 1e-3);
         }},
        {"the line scale compounds from line to line about each centre",
         {set("11", 50), set("12", 200), set("4", 3)},
         [](LineHostTest& t, const Lines& lines) {
             expectRect(t.bounds(*lines[0]), {0, 4, 500, 0});
             expectRect(t.bounds(*lines[1]), {125, 26, 375, 18});
             expectRect(t.bounds(*lines[2]), {187.5, 50, 312.5, 34});
         }},
        {"blocks follow one another to the right",
         {set("4", 2), set("22", 3)},
         [](LineHostTest& t, const Lines& lines) {
             ASSERT_EQ(lines.size(), 6u);
             for (std::size_t k = 0; k < 6; ++k) expectRect(t.bounds(*lines[k]), {500.0f * (k / 2), 20.0f * (k % 2) + 4, 500.0f * (k / 2 + 1), 20.0f * (k % 2)});
         }},
        {"across, blocks follow one another upward",
         {set("4", 2), set("22", 2), choose("61", "Lines across")},
         [](LineHostTest& t, const Lines& lines) {
             expectRect(t.bounds(*lines[2]), {0, 1000, 4, 500});
             expectRect(t.bounds(*lines[3]), {20, 1000, 24, 500});
         }},
        {"the factors change length, thickness and gap from block to block",
         {set("4", 2), set("22", 2), set("25", 50), set("26", 200), set("27", 50)},
         [](LineHostTest& t, const Lines& lines) {
             expectRect(t.bounds(*lines[1]), {0, 24, 500, 20});
             expectRect(t.bounds(*lines[2]), {500, 8, 750, 0});
             expectRect(t.bounds(*lines[3]), {500, 18, 750, 10});
         }},
        {"Rotate/start turns block i by i quarter turns about the start point",
         {set("4", 2), set("22", 4), set("8", 100), set("9", 100), check("Rotate/start")},
         [](LineHostTest& t, const Lines& lines) {
             ASSERT_EQ(lines.size(), 8u);
             expectRect(t.bounds(*lines[0]), {100, 104, 600, 100});
             expectRect(t.bounds(*lines[2]), {96, 600, 100, 100});
             expectRect(t.bounds(*lines[4]), {-400, 100, 100, 96});
             expectRect(t.bounds(*lines[6]), {100, 100, 104, -400});
             expectRect(t.bounds(*lines[7]), {120, 100, 124, -400});
         }},
        {"Length [R] shortens lines but not the block's step",
         {set("4", 5), set("22", 2), check("Length [R]")},
         [](LineHostTest& t, const Lines& lines) {
             for (std::size_t k = 0; k < 10; ++k) {
                 const doc::Rect r = t.bounds(*lines[k]);
                 EXPECT_EQ(r.left, k < 5 ? 0.0f : 500.0f);
                 EXPECT_LT(r.right - r.left, 500.0f);
             }
         }},
        {"Repeat length [R] gives every line of a block one length, and the next block starts there",
         {set("4", 3), set("22", 2), check("Repeat length [R]")},
         [](LineHostTest& t, const Lines& lines) {
             const float length = t.bounds(*lines[0]).right;
             EXPECT_LT(length, 500.0f);
             for (std::size_t j = 0; j < 3; ++j) EXPECT_EQ(t.bounds(*lines[j]).right, length);
             EXPECT_EQ(t.bounds(*lines[3]).left, length);
         }},
        {"Gap [R] and Thickness [R] shrink each gap and thickness by a draw",
         {set("4", 10), check("Gap [R]"), check("Thickness [R]")},
         [](LineHostTest& t, const Lines& lines) {
             float previousBottom = -1;
             for (const doc::Art* line : lines) {
                 const doc::Rect r = t.bounds(*line);
                 EXPECT_LT(r.top - r.bottom, 4.0f);
                 EXPECT_GE(r.bottom, previousBottom);
                 EXPECT_LT(r.bottom - std::max(previousBottom, 0.0f), 20.0f);
                 previousBottom = r.bottom;
             }
         }},
        {"Angle [R] turns each line by a draw of the angle",
         {set("10", 90), set("4", 10), check("Angle [R]")},
         [](LineHostTest&, const Lines& lines) {
             double first = turnOf(*lines[0]);
             bool varied = false;
             for (const doc::Art* line : lines) {
                 const double turn = turnOf(*line);
                 EXPECT_GE(turn, -1e-3);
                 EXPECT_LT(turn, 90.0);
                 varied |= std::abs(turn - first) > 1e-3;
             }
             EXPECT_TRUE(varied);
         }},
        {"Opacity [R] gives each line a drawn opacity",
         {check("Opacity [R]")},
         [](LineHostTest&, const Lines& lines) {
             bool varied = false;
             for (const doc::Art* line : lines) {
                 EXPECT_LT(line->opacity, 1.0f);
                 varied |= line->opacity != lines[0]->opacity;
             }
             EXPECT_TRUE(varied);
         }},
        {"full style interpolation takes every line back to the first line's style",
         {choose("62", "Fill - Accumulate"), set("13", 10), set("24", 100)},
         [](LineHostTest& t, const Lines& lines) {
             for (const doc::Art* line : lines) EXPECT_EQ(line->style, t.host.document().currentStyle());
         }},
        {"half style interpolation halves each line's change",
         {choose("62", "Fill - Accumulate"), set("13", 10), set("24", 50), set("4", 4)},
         [](LineHostTest&, const Lines& lines) {
             for (std::size_t j = 0; j < 4; ++j) EXPECT_NEAR(lines[j]->style.fill.channel[0], 0.05 * (j + 1), 1e-6);
         }},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(use(c.script), kResultOk);
        ASSERT_FALSE(paths().empty());
        c.check(*this, paths());
        // Back to first-use settings and an empty document for the next case.
        ASSERT_EQ(use({preset("Reset")}), kResultOk);
        for (const doc::Art* line : paths()) host.document().dispose(line->id);
    }
}

TEST_F(LineHostTest, NoLineOrNoBlockDrawsNothing) {
    ASSERT_EQ(use({}), kResultOk);
    for (auto empty : {+[](LineParams& p) { p.lineCount = 0; }, +[](LineParams& p) { p.repeatBlocks = 0; },
                       +[](LineParams& p) { p.lineCount = -7; }}) {
        empty(record());
        ASSERT_EQ(loader.go(filter()), kResultOk);
        EXPECT_EQ(paths().size(), 20u);  // the last use's lines, nothing added
        SetLineDefaults(record());
    }
}

// Values the dialog's ranges allow but that grow without bound, and values only a damaged
// record holds: the run still succeeds and writes no coordinate that is not finite.
TEST_F(LineHostTest, ExtremeValuesDrawOnlyFiniteLines) {
    struct Case {
        const char* name;
        void (*write)(LineParams&);
        std::size_t lines;
    };
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"1000 % line scale over 500 lines", [](LineParams& p) { p.scaleX = p.scaleY = 1000; p.lineCount = 500; }, 500},
        {"1000 % factors over 50 blocks",
         [](LineParams& p) {
             p.lengthFactor = p.thicknessFactor = p.gapFactor = p.angleFactor = 1000;
             p.angle = 10;
             p.repeatBlocks = 50;
             p.lineCount = 2;
         },
         100},
        {"-1000 % factors on thin lines",
         [](LineParams& p) {
             p.thicknessFactor = p.gapFactor = p.lengthFactor = -1000;
             p.shape = kLineShapeThin;
             p.repeatBlocks = 3;
         },
         60},
        {"infinite thickness", [](LineParams& p) { p.thickness = inf; }, 0},
        {"NaN line length", [](LineParams& p) { p.lineLength = nan; }, 0},
        {"NaN scale", [](LineParams& p) { p.scaleX = nan; }, 20},
        {"huge angle", [](LineParams& p) { p.angle = 3e38f; }, 20},
        {"NaN style interpolation", [](LineParams& p) { p.styleInterpolate = nan; }, 20},
        {"NaN start point", [](LineParams& p) { p.startX = nan; }, 0},
        // Line 0 is huge but finite; scaling the later ones would overflow, so they stay unscaled.
        {"scaling past the float range",
         [](LineParams& p) {
             p.lineLength = 3e33f;
             p.scaleX = 1000;
             p.lineCount = 10;
         },
         10},
    };
    ASSERT_EQ(use({}), kResultOk);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const doc::Art* line : paths()) host.document().dispose(line->id);
        SetLineDefaults(record());
        c.write(record());
        ASSERT_EQ(loader.go(filter()), kResultOk);
        const Lines lines = paths();
        EXPECT_EQ(lines.size(), c.lines);
        for (const doc::Art* line : lines) {
            EXPECT_TRUE(allFinite(*line));
            EXPECT_GE(line->style.strokeWidth, 0.0f);
        }
    }
}

TEST_F(LineHostTest, ThinLinesWithANegativeThicknessAreStrokedAtWidthZero) {
    ASSERT_EQ(use({choose("60", "Thin line "), set("4", 2), set("22", 2), set("26", -100)}), kResultOk);
    const Lines lines = paths();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]->style.strokeWidth, 4.0f);
    EXPECT_EQ(lines[2]->style.strokeWidth, 0.0f);
    // The line itself is placed with its negative thickness: shifted forward by half of it.
    EXPECT_EQ(lines[2]->segments[0].anchor, (doc::Point{502, 0}));
}

}  // namespace
}  // namespace kelvo::testing
