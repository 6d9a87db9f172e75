// Tessivo's frames as the host receives them: the plug-in loaded by the loader, its dialog
// worked by a headless user, the result read back from the document.
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "edge_host_fixture.h"

namespace kelvo::testing {
namespace {

using Points = std::vector<doc::Point>;

void expectPoint(const doc::Point& actual, float x, float y, const std::string& where) {
    EXPECT_FLOAT_EQ(actual.x, x) << where;
    EXPECT_FLOAT_EQ(actual.y, y) << where;
}

// The first-use frame at (kStartX, kStartY): five teeth of height 100 every 10 points per side.
Points firstUseFrame() {
    struct Side {
        float dx, dy;  // walking direction
        float tx, ty;  // direction the teeth point
    };
    const Side sides[] = {{1, 0, 0, 1}, {0, -1, 1, 0}, {-1, 0, 0, -1}, {0, 1, -1, 0}};
    Points points;
    float x = kStartX, y = kStartY;
    for (const Side& side : sides) {
        for (int k = 1; k <= 5; ++k) {
            const float t = 10.0f * k;
            points.push_back({x + side.dx * t, y + side.dy * t});
            points.push_back({x + side.dx * t + side.tx * 100, y + side.dy * t + side.ty * 100});
        }
        x += side.dx * 60;
        y += side.dy * 60;
    }
    return points;
}

TEST_F(EdgeHostTest, FirstUseDrawsOneClosedFrameFromTheViewCentre) {
    ASSERT_EQ(use({}), kResultOk);
    EXPECT_FLOAT_EQ(record().startX, kStartX);
    EXPECT_FLOAT_EQ(record().startY, kStartY);

    const std::vector<const doc::Art*> all = paths();
    ASSERT_EQ(all.size(), 1u);
    const doc::Art& frame = *all[0];
    EXPECT_TRUE(frame.closed);
    EXPECT_EQ(frame.style, host.document().currentStyle()) << "the frame keeps the paint new paths get";
    const Points points = anchors(frame);
    ASSERT_EQ(points.size(), 40u);
    // Side 1: (X + 10, Y), (X + 10, Y + 100), (X + 20, Y) ... (X + 50, Y + 100).
    for (int k = 1; k <= 5; ++k) {
        expectPoint(points[2 * k - 2], kStartX + 10 * k, kStartY, "base " + std::to_string(k));
        expectPoint(points[2 * k - 1], kStartX + 10 * k, kStartY + 100, "tip " + std::to_string(k));
    }
    // Side 2 starts at (X + 60, Y): its first base 10 points down, its tip 100 to the right.
    expectPoint(points[10], kStartX + 60, kStartY - 10, "side 2 base");
    expectPoint(points[11], kStartX + 160, kStartY - 10, "side 2 tip");
    EXPECT_EQ(points, firstUseFrame());
    for (const doc::Segment& segment : frame.segments) {
        EXPECT_FALSE(segment.corner);
        EXPECT_EQ(segment.in, segment.anchor);
        EXPECT_EQ(segment.out, segment.anchor);
    }
}

// With "Link edges" on, sides 2 to 4 take side 1's values: a value typed into one of their
// columns (with the link off, since their boxes are disabled while it is on) shows only once
// the link is off.
TEST_F(EdgeHostTest, LinkedSidesIgnoreTheOtherColumns) {
    const std::pair<const char*, double> columns[] = {
        {"Teeth height(p)#2", 250}, {"Teeth gap(p)#3", 30},   {"Teeth slant(p)#4", 15},
        {"Teeth base(p)#2", 40},    {"Number of teeth#3", 9},
    };
    for (const auto& [column, value] : columns) {
        ASSERT_EQ(use({uncheck("Link edges"), set(column, value), check("Link edges")}), kResultOk) << column;
        EXPECT_EQ(lastAnchors(), firstUseFrame()) << column << " changed a linked frame";
        ASSERT_EQ(use({uncheck("Link edges")}), kResultOk) << column;
        EXPECT_NE(lastAnchors(), firstUseFrame()) << column << " is kept for the unlinked frame";
        ASSERT_EQ(use({preset(" Reset")}), kResultOk);
    }
}

// Side 1 of the newest frame as "b10 t10 ...": base (b) and tip (t) points in order with their
// run length, then "| N" where N is the run length at which side 2 starts.
std::string sideOne(const Points& points) {
    std::string text;
    std::size_t i = 0;
    for (; i < points.size() && (points[i].y == kStartY || points[i].y == kStartY + 100); ++i) {
        text += points[i].y == kStartY ? "b" : "t";
        text += std::to_string(static_cast<int>(points[i].x - kStartX)) + " ";
    }
    if (i < points.size()) text += "| " + std::to_string(static_cast<int>(points[i].x - kStartX));
    return text;
}

TEST_F(EdgeHostTest, SkipAndCreateFollowTheApplyPattern) {
    struct Case {
        const char* pattern;
        int skip, create;
        const char* side;
    };
    const Case cases[] = {
        {" Teeth apply pattern", 0, 3, "b10 t10 b20 t20 b30 t30 b40 t40 b50 t50 | 60"},  // skip 0 never skips
        {" Teeth apply pattern", 1, 1, "b10 t10 t20 b30 t30 t40 b50 t50 t60 b70 t70 t80 b90 t90 t100 | 110"},
        {" Teeth apply pattern", 4, 2,
         "b10 t10 b20 t20 t30 t40 t50 t60 b70 t70 b80 t80 t90 t100 t110 t120 b130 t130 | 140"},
        {" Top", 2, 1,
         "b10 t10 b20 b30 b40 t40 b50 b60 b70 t70 b80 b90 b100 t100 b110 b120 b130 t130 | 140"},
        {" Top", 4, 2,
         "b10 t10 b20 t20 b30 b40 b50 b60 b70 t70 b80 t80 b90 b100 b110 b120 b130 t130 | 140"},
        {" Base-Top", 1, 1, "b10 t10 b30 t30 b50 t50 b70 t70 b90 t90 | 110"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(use({choose("102", c.pattern), set("Skip / create", c.skip), set("Skip / create#2", c.create)}),
                  kResultOk);
        EXPECT_EQ(sideOne(lastAnchors()), c.side) << c.pattern << " skip " << c.skip << " create " << c.create;
    }
}

// The slant a frame's side s shows: how far its first tip stands off its first base point
// along x (sides 1 and 3) or y (sides 2 and 4).
float slantOfSide(const Points& frame, int side) {
    const doc::Point base = frame[10 * (side - 1)], tip = frame[10 * (side - 1) + 1];
    return side % 2 == 1 ? tip.x - base.x : tip.y - base.y;
}

TEST_F(EdgeHostTest, SlantOptionsChangeEachSideAndNeverCompoundOverFrames) {
    struct Case {
        const char* option;
        float factor[4];  // 0: either +1 or -1, drawn per side
    };
    const Case cases[] = {
        {" Slant options", {1, 1, 1, 1}}, {" Slant 2", {1, 1, -1, -1}}, {" Slant 3", {1, -1, -1, 1}},
        {" Slant 4", {-1, 1, -1, 1}},     {" Slant 5", {1, -1, 1, -1}}, {" Slant 6", {1, -2, 1, -2}},
        {" Slant 7", {0, 0, 0, 0}},       {" Slant 8", {1, 2, 3, 4}},   {" Slant 9", {3, 3, 3, 3}},
    };
    for (const Case& c : cases) {
        host.setDocument(std::make_unique<doc::Document>());
        ASSERT_EQ(use({set("Teeth slant(p)", 10), set("Number of edges", 3), choose("103", c.option)}), kResultOk);
        const std::vector<const doc::Art*> frames = paths();
        ASSERT_EQ(frames.size(), 3u) << c.option;
        for (std::size_t f = 0; f < frames.size(); ++f) {
            const Points points = anchors(*frames[f]);
            ASSERT_EQ(points.size(), 40u);
            for (int side = 1; side <= 4; ++side) {
                const float slant = slantOfSide(points, side);
                if (c.factor[side - 1] == 0) {
                    EXPECT_EQ(std::fabs(slant), 10.0f) << c.option << " frame " << f << " side " << side;
                } else {
                    EXPECT_FLOAT_EQ(slant, 10.0f * c.factor[side - 1]) << c.option << " frame " << f << " side " << side;
                }
            }
        }
    }
}

// 600 teeth a side: sides 1 and 2 take 1801 steps each, side 3 stops at the 5000th step after
// 466 teeth, and side 4 gets none. The next frame starts at the last point side 3 computed.
// Centring and the two interpolations on the first-use frame, point by point: anchors and
// direction points move on their own, toward (or away from) the centre they name.
TEST_F(EdgeHostTest, CentringAndInterpolationMoveAnchorsAndDirectionPointsApart) {
    const Points frame = firstUseFrame();
    float left = frame[0].x, right = frame[0].x, bottom = frame[0].y, top = frame[0].y;
    for (const doc::Point& p : frame) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        bottom = std::min(bottom, p.y), top = std::max(top, p.y);
    }
    const doc::Point middle{(left + right) / 2, (bottom + top) / 2};
    using Move = std::function<doc::Point(doc::Point)>;
    const Move stay = [](doc::Point p) { return p; };
    auto toward = [](doc::Point c, float t) { return Move([=](doc::Point p) { return doc::Point{p.x + t * (c.x - p.x), p.y + t * (c.y - p.y)}; }); };
    struct Row {
        const char* name;
        std::vector<Action> actions;
        Move anchor, direction;
    };
    const doc::Point start{kStartX, kStartY};
    const Row rows[] = {
        {"Interpolate1 anchors halfway", {set("Interpolate1", 50)}, toward(start, 0.5f), stay},
        {"Interpolate1 anchors onto the centre", {set("Interpolate1", 100)}, toward(start, 1), stay},
        {"Interpolate2 direction points pushed away from (0, 0)",
         {set("Interpolate2#2", -100), set("Interpolate2#3", 0), set("Interpolate2#4", 0)}, stay,
         toward({0, 0}, -1)},
        {"Center anchor", {check("Center anchor")}, [&](doc::Point) { return middle; }, stay},
        {"Center direction", {check("Center direction")}, stay, [&](doc::Point) { return middle; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host.setDocument(std::make_unique<doc::Document>());
        std::vector<Action> script = {preset(" Reset")};
        script.insert(script.end(), row.actions.begin(), row.actions.end());
        ASSERT_EQ(use(script), kResultOk);
        const std::vector<const doc::Art*> all = paths();
        ASSERT_EQ(all.size(), 1u);
        const std::vector<doc::Segment>& segments = all[0]->segments;
        ASSERT_EQ(segments.size(), frame.size());
        for (std::size_t i = 0; i < frame.size(); ++i) {
            const doc::Point anchor = row.anchor(frame[i]), direction = row.direction(frame[i]);
            EXPECT_NEAR(segments[i].anchor.x, anchor.x, 1e-3) << i;
            EXPECT_NEAR(segments[i].anchor.y, anchor.y, 1e-3) << i;
            for (const doc::Point& q : {segments[i].in, segments[i].out}) {
                EXPECT_NEAR(q.x, direction.x, 1e-3) << i;
                EXPECT_NEAR(q.y, direction.y, 1e-3) << i;
            }
        }
    }
}

// Radial distortion moves every anchor straight out from the frame's centre by up to 50
// points, and carries its direction points along.
TEST_F(EdgeHostTest, RadialDistortionPushesAnchorsOutAlongTheirRay) {
    const Points frame = firstUseFrame();
    float left = frame[0].x, right = frame[0].x, bottom = frame[0].y, top = frame[0].y;
    for (const doc::Point& p : frame) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        bottom = std::min(bottom, p.y), top = std::max(top, p.y);
    }
    const double cx = (left + right) / 2, cy = (bottom + top) / 2;
    ASSERT_EQ(use({preset(" Reset"), check("Radial distort [R]")}), kResultOk);
    const std::vector<const doc::Art*> all = paths();
    ASSERT_EQ(all.size(), 1u);
    const std::vector<doc::Segment>& segments = all[0]->segments;
    ASSERT_EQ(segments.size(), frame.size());
    double moved = 0;
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const doc::Point a = segments[i].anchor;
        const double before = std::hypot(frame[i].x - cx, frame[i].y - cy);
        const double after = std::hypot(a.x - cx, a.y - cy);
        EXPECT_GE(after - before, -1e-3) << i;
        EXPECT_LT(after - before, 50 + 1e-3) << i;
        EXPECT_NEAR(std::atan2(a.y - cy, a.x - cx), std::atan2(frame[i].y - cy, frame[i].x - cx), 1e-4) << i;
        EXPECT_EQ(segments[i].in, a) << "the direction points keep their offsets (0) from the anchor";
        EXPECT_EQ(segments[i].out, a);
        moved += after - before;
    }
    EXPECT_GT(moved / frame.size(), 10) << "draws in [0, 1) move anchors 25 points on average";
}

TEST_F(EdgeHostTest, StepLimitCutsLargeFramesShortAndTheNextFrameGoesOnFromThere) {
    ASSERT_EQ(use({set("Number of teeth", 600), set("Number of edges", 2)}), kResultOk);
    const std::vector<const doc::Art*> frames = paths();
    ASSERT_EQ(frames.size(), 2u);
    const Points first = anchors(*frames[0]), second = anchors(*frames[1]);
    ASSERT_EQ(first.size(), 1200u + 1200u + 932u);
    EXPECT_EQ(second.size(), first.size()) << "every frame has its own 5000 steps";
    expectPoint(first[1199], kStartX + 6000, kStartY + 100, "last tip of side 1");
    expectPoint(first[1200], kStartX + 6010, kStartY - 10, "first base of side 2");
    expectPoint(first.back(), kStartX + 1350, kStartY - 6110, "last tip of side 3");
    expectPoint(second.front(), kStartX + 1360, kStartY - 6110, "first base of the second frame");
}

TEST_F(EdgeHostTest, ZeroGapKeepsEachSideOnOneSpotAndStillEndsIt) {
    ASSERT_EQ(use({set("Teeth gap(p)", 0), set("Number of edges", 2)}), kResultOk);
    const std::vector<const doc::Art*> frames = paths();
    ASSERT_EQ(frames.size(), 2u);
    for (const doc::Art* frame : frames) {
        const Points points = anchors(*frame);
        ASSERT_EQ(points.size(), 40u) << "five teeth on each side";
        const std::set<std::pair<float, float>> spots = [&] {
            std::set<std::pair<float, float>> found;
            for (const doc::Point& p : points) found.insert({p.x, p.y});
            return found;
        }();
        const std::set<std::pair<float, float>> expected = {{kStartX, kStartY},
                                                            {kStartX, kStartY + 100},
                                                            {kStartX + 100, kStartY},
                                                            {kStartX, kStartY - 100},
                                                            {kStartX - 100, kStartY}};
        EXPECT_EQ(spots, expected);
    }
}

// Unlinked, a side 1 gap of 20 ends each frame 60 points right of where it began.
TEST_F(EdgeHostTest, SeveralFramesAreChainedEndToStart) {
    ASSERT_EQ(use({uncheck("Link edges"), set("Teeth gap(p)", 20), set("Number of edges", 4)}), kResultOk);
    const std::vector<const doc::Art*> frames = paths();
    ASSERT_EQ(frames.size(), 4u);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const Points points = anchors(*frames[f]);
        ASSERT_EQ(points.size(), 40u);
        expectPoint(points.front(), kStartX + 60.0f * f + 20, kStartY, "frame " + std::to_string(f));
    }
}

// ---- Paint: drop shadow and sketch copies.

doc::Colour four(float c, float m, float y, float k) { return doc::Colour{doc::kFour, {c, m, y, k}, 0}; }

void expectShiftedBy(const doc::Art& copy, const doc::Art& frame, float dx, float dy, const std::string& what) {
    ASSERT_EQ(copy.segments.size(), frame.segments.size()) << what;
    for (std::size_t i = 0; i < copy.segments.size(); ++i) {
        const doc::Segment &a = copy.segments[i], &b = frame.segments[i];
        for (auto [p, q] : {std::pair{a.anchor, b.anchor}, std::pair{a.in, b.in}, std::pair{a.out, b.out}}) {
            EXPECT_NEAR(p.x - q.x, dx, 1e-3) << what << " segment " << i;
            EXPECT_NEAR(p.y - q.y, dy, 1e-3) << what << " segment " << i;
        }
    }
}

TEST_F(EdgeHostTest, ShadowAndSketchOptions) {
    doc::PathStyle style = host.document().currentStyle();
    style.fill = four(0.4f, 0.6f, 0.8f, 1.0f);
    ASSERT_EQ(host.document().setCurrentStyle(style), doc::Status::ok);

    using Paths = std::vector<const doc::Art*>;
    struct Case {
        const char* name;
        std::vector<Action> script;
        std::size_t pathCount;
        std::function<void(const Paths&)> check;
    };
    // With a shadow the frame is the upper of the two paths; sketch copies lie above it.
    const Case cases[] = {
        {"drop shadow below the frame, black, offset (20, -20)",
         {check("Drop shadow")},
         2,
         [&](const Paths& p) {
             expectShiftedBy(*p[0], *p[1], 20, -20, "shadow");
             EXPECT_EQ(p[0]->style.fill, four(1, 1, 1, 1));
             EXPECT_EQ(p[0]->style.stroke, p[1]->style.stroke);
             EXPECT_EQ(p[1]->style, style) << "the frame keeps its paint";
         }},
        {"half fill shadow",
         {check("Drop shadow"), check("Half fill shadow")},
         2,
         [&](const Paths& p) { EXPECT_EQ(p[0]->style.fill, four(0.2f, 0.3f, 0.4f, 0.5f)); }},
        {"shadow direction, opacity and scaling",
         {check("Drop shadow"), check("Shadow direction (R)"), check("Shadow opacity (R)"), check("Shadow scaling (R)")},
         2,
         [&](const Paths& p) {
             const doc::Rect shadow = host.document().bounds(p[0]->id), frame = host.document().bounds(p[1]->id);
             EXPECT_LE(std::fabs(shadow.bottom - frame.bottom), 20.0f);
             EXPECT_LE(shadow.top - shadow.bottom, frame.top - frame.bottom) << "squashed toward its bottom";
             EXPECT_NEAR(shadow.right - shadow.left, frame.right - frame.left, 1e-3) << "never wider";
             EXPECT_LT(p[0]->opacity, 1.0f);
         }},
        {"three sketch copies, rigidly shifted, black, unfilled, width from the weight",
         {set("Sketch repeats", 3), set("Sketch weight (/10p)", 20), uncheck("Sketch weight (R)"),
          uncheck("Sketch shift (R)")},
         4,
         [&](const Paths& p) {
             bool anyMoved = false;
             for (std::size_t i = 1; i < p.size(); ++i) {
                 const doc::Segment &moved = p[i]->segments[0], &from = p[0]->segments[0];
                 const float dx = moved.anchor.x - from.anchor.x, dy = moved.anchor.y - from.anchor.y;
                 EXPECT_LE(std::fabs(dx), 5.0f);
                 EXPECT_LE(std::fabs(dy), 5.0f);
                 anyMoved = anyMoved || dx != 0 || dy != 0;
                 expectShiftedBy(*p[i], *p[0], dx, dy, "copy " + std::to_string(i));
                 EXPECT_FALSE(p[i]->style.fillPaint);
                 EXPECT_TRUE(p[i]->style.strokePaint);
                 EXPECT_EQ(p[i]->style.stroke, four(1, 1, 1, 1));
                 EXPECT_FLOAT_EQ(p[i]->style.strokeWidth, 2.0f);
             }
             EXPECT_TRUE(anyMoved) << "the first-use shift is 5 points";
         }},
        {"same colour as the frame",
         {set("Sketch repeats", 2), choose("104", "Use same color as original path")},
         3,
         [&](const Paths& p) {
             for (std::size_t i = 1; i < p.size(); ++i) EXPECT_EQ(p[i]->style.stroke, style.stroke);
         }},
        {"reduced",
         {set("Sketch repeats", 2), choose("104", "Reduced")},
         3,
         [&](const Paths& p) {
             for (std::size_t i = 1; i < p.size(); ++i) EXPECT_EQ(p[i]->style.stroke, four(0, 0, 0, 0.8f));
         }},
        {"random colour keeps four-colour black",
         {set("Sketch repeats", 2), choose("104", "Use random color")},
         3,
         [&](const Paths& p) {
             for (std::size_t i = 1; i < p.size(); ++i) {
                 EXPECT_EQ(p[i]->style.stroke.channel[3], 1.0f);
                 EXPECT_NE(p[i]->style.stroke, style.stroke);
             }
         }},
        {"shift colour with no shift is black",
         {set("Sketch repeats", 2), set("Sketch shift (p)", 0), choose("104", "Use shift (otherwise black)")},
         3,
         [&](const Paths& p) {
             for (std::size_t i = 1; i < p.size(); ++i) {
                 EXPECT_EQ(p[i]->style.stroke, four(1, 1, 1, 1));
                 EXPECT_EQ(p[i]->segments, p[0]->segments) << "no shift puts the copy on the frame";
             }
         }},
        {"reducing opacity: 0.8 of the frame's for every copy",
         {set("Sketch repeats", 3), choose("104", "Reducing opacity")},
         4,
         [&](const Paths& p) {
             for (std::size_t i = 1; i < p.size(); ++i) {
                 EXPECT_FLOAT_EQ(p[i]->opacity, 0.8f);
                 EXPECT_EQ(p[i]->style.stroke, style.stroke);
             }
         }},
        {"white with random opacity",
         {set("Sketch repeats", 2), choose("104", "Use white + random opacity")},
         3,
         [&](const Paths& p) {
             for (std::size_t i = 1; i < p.size(); ++i) {
                 EXPECT_EQ(p[i]->style.stroke, four(0, 0, 0, 0));
                 EXPECT_LT(p[i]->opacity, 1.0f);
             }
         }},
    };
    ASSERT_EQ(dialog({cancel()}), kResultCancelled);
    const EdgeFrameParams firstUse = record();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.setDocument(std::make_unique<doc::Document>());
        ASSERT_EQ(host.document().setCurrentStyle(style), doc::Status::ok);
        record() = firstUse;
        ASSERT_EQ(use(c.script), kResultOk);
        const Paths all = paths();
        ASSERT_EQ(all.size(), c.pathCount);
        c.check(all);
    }
}

// ---- Guards against values no box would accept.

// Negative skip and create counts from the pick buttons are taken as 0 and 1: the pattern never
// skips, and every side still ends after its teeth.
TEST_F(EdgeHostTest, NegativeSkipAndCreateFromPickButtonsStillEndEverySide) {
    for (const char* pattern : {" Teeth apply pattern", " Top", " Base-Top"}) {
        host.setDocument(std::make_unique<doc::Document>());
        ASSERT_EQ(use({choose("102", pattern), pick("155", -45), pick("156", -45)}), kResultOk) << pattern;
        EXPECT_EQ(record().skipCount, -2) << "the record keeps what the pick wrote";
        EXPECT_EQ(record().createCount, -2);
        EXPECT_EQ(lastAnchors(), firstUseFrame()) << pattern;
    }
}

// A frame without points ("Create [R]" dropping them all, or a teeth count below 1) goes
// through every later step: those that need its bounds leave it alone.
TEST_F(EdgeHostTest, EmptyFramesGoThroughEveryLaterStep) {
    const std::vector<Action> laterSteps = {
        check("Radial distort [R]"), check("Center anchor"),      check("Center direction"),
        check("Warp [R]"),           check("Drop shadow"),        check("Shadow scaling (R)"),
        set("Interpolate1", 50),     set("Sketch repeats", 1),    set("Number of edges", 100),
    };
    struct Case {
        const char* name;
        std::vector<Action> script;
    };
    const Case cases[] = {
        {"Create [R] with one tooth a side", {pick("154", 15), check("Create [R]")}},
        {"teeth count below 1", {pick("154", -25)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.setDocument(std::make_unique<doc::Document>());
        std::vector<Action> script = c.script;
        script.insert(script.end(), laterSteps.begin(), laterSteps.end());
        ASSERT_EQ(dialog(script), kResultOk);
        EXPECT_EQ(record().previewDrawn, 1) << "the preview succeeded";
        ASSERT_EQ(loader.go(filter()), kResultOk);
        // Eight points a frame, each left out at even odds: more runs until one frame lost all.
        auto emptyPaths = [&] {
            const std::vector<const doc::Art*> all = paths();
            return std::count_if(all.begin(), all.end(), [](const doc::Art* p) { return p->segments.empty(); });
        };
        for (int run = 0; run < 20 && emptyPaths() == 0; ++run) ASSERT_EQ(loader.go(filter()), kResultOk);
        EXPECT_GT(emptyPaths(), 0);
    }
}

// Values that reach the record as the host hands it back, whatever wrote them. Points that
// are not finite are left out; changes that would make a point non-finite leave it where it is.
TEST_F(EdgeHostTest, NonFiniteValuesNeverReachTheDocument) {
    ASSERT_EQ(use({}), kResultOk);
    const EdgeFrameParams firstUse = record();
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        void (*write)(EdgeFrameParams&);
        std::size_t segments;
    };
    const Case cases[] = {
        {"infinite height: the tips are left out", [](EdgeFrameParams& p) { p.teethHeight[0] = inf; }, 20},
        {"NaN gap: every point is left out", [](EdgeFrameParams& p) { p.teethGap[0] = nan; }, 0},
        {"infinite start", [](EdgeFrameParams& p) { p.startX = -inf; }, 0},
        {"infinite interpolation keeps the points", [](EdgeFrameParams& p) { p.interp1AnchorPct = inf; }, 40},
        {"NaN interpolation amount after a radial distortion",
         [](EdgeFrameParams& p) {
             p.randomRadial = 1;
             p.interp2HandlePct = nan;
         },
         40},
        {"infinite sketch shift and weight",
         [](EdgeFrameParams& p) {
             p.sketchRepeats = 2;
             p.sketchShift = inf;
             p.sketchWeight = inf;
             p.sketchColour = 7;
         },
         40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.setDocument(std::make_unique<doc::Document>());
        record() = firstUse;
        c.write(record());
        ASSERT_EQ(loader.go(filter()), kResultOk);
        const std::vector<const doc::Art*> all = paths();
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all.front()->segments.size(), c.segments);
        for (std::size_t i = 1; i < all.size(); ++i) {
            EXPECT_FALSE(all[i]->style.fillPaint) << "a sketch copy is still unfilled";
            EXPECT_TRUE(all[i]->style.strokePaint) << "and stroked";
        }
        for (const doc::Art* path : all) {
            EXPECT_TRUE(std::isfinite(path->style.strokeWidth));
            for (const doc::Segment& s : path->segments)
                for (const doc::Point& p : {s.anchor, s.in, s.out})
                    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        }
    }
}

// The swatch rule counts positions from 0 and can name one past the end, or position 2 of a
// shorter list: the frame's fill (and its fill flag) then stays as it was.
TEST_F(EdgeHostTest, RandomSwatchOutsideTheListLeavesTheFillAlone) {
    const std::vector<doc::Swatch> defaults = host.document().swatches();
    doc::PathStyle style = host.document().currentStyle();
    style.fillPaint = false;
    style.fill = four(0.1f, 0.2f, 0.3f, 0.4f);
    for (std::size_t count : {std::size_t{0}, std::size_t{2}, std::size_t{3}, defaults.size()}) {
        SCOPED_TRACE("swatches: " + std::to_string(count));
        host.setDocument(std::make_unique<doc::Document>());
        ASSERT_EQ(host.document().setCurrentStyle(style), doc::Status::ok);
        ASSERT_EQ(host.document().setSwatches({defaults.begin(), defaults.begin() + static_cast<long>(count)}),
                  doc::Status::ok);
        ASSERT_EQ(use({check("Swatch [R]"), set("Number of edges", 40)}), kResultOk);

        int unchanged = 0, fromSwatch = 0;
        for (const doc::Art* frame : paths()) {
            if (!frame->style.fillPaint) {
                EXPECT_EQ(frame->style.fill, style.fill);
                ++unchanged;
                continue;
            }
            ++fromSwatch;
            const bool listed = std::any_of(defaults.begin() + 2, defaults.begin() + static_cast<long>(count),
                                            [&](const doc::Swatch& s) { return s.colour == frame->style.fill; });
            EXPECT_TRUE(listed) << "positions 0 and 1 are never used";
        }
        EXPECT_EQ(unchanged + fromSwatch, 40);
        if (count < 3) {
            EXPECT_EQ(fromSwatch, 0);
        } else {
            EXPECT_GT(fromSwatch, 0);
            EXPECT_GT(unchanged, 0) << "position " << count << ", one past the end";
        }
    }
}

}  // namespace
}  // namespace kelvo::testing
