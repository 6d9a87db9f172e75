// The spirals Volutia draws, read back from the document of a real host.
#include <cmath>
#include <limits>

#include "spiral_host_fixture.h"

namespace kelvo::testing {
namespace {

constexpr double kT4 = 0.785398;  // angle step for four points per arm

// Written point j of a four-point spiral: turn i = 1 + j / 4, point k = j % 4, on the angle
// (9 + 2j)·T (turn 0 is walked but not written) and the radius 20 + 6.25 (4i + k).
struct Place {
    int i, k;
    double angle, radius;
};
Place placeOf(int j) {
    const int i = 1 + j / 4, k = j % 4;
    return {i, k, (9 + 2 * j) * kT4, 20 + 6.25 * (4 * i + k)};
}
doc::Point around(double cx, double cy, double radius, double angle) {
    return {static_cast<float>(cx + radius * std::cos(angle)), static_cast<float>(cy + radius * std::sin(angle))};
}

void expectNear(doc::Point actual, doc::Point expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, 0.02) << what;
    EXPECT_NEAR(actual.y, expected.y, 0.02) << what;
}

TEST_F(SpiralHostTest, RegistersItsCommand) {
    const host::FilterRecord& registered = filter();
    EXPECT_EQ(registered.category, "Kelvo <Create>");
    EXPECT_EQ(registered.title, "Volutia...");
    EXPECT_EQ(registered.updateRule, (std::array<int32_t, 7>{1, 0, 0, 0, 0, 1, 0}));
}

TEST_F(SpiralHostTest, FirstUseDrawsOneOpenPathOfFortyStraightPoints) {
    ASSERT_EQ(use({}), kResultOk);
    const auto drawn = paths();
    ASSERT_EQ(drawn.size(), 1u);
    const doc::Art& path = *drawn[0];
    EXPECT_FALSE(path.closed);
    EXPECT_EQ(path.style, doc::PathStyle{});  // the host's style for new paths, untouched
    ASSERT_EQ(path.segments.size(), 40u);
    for (int j = 0; j < 40; ++j) {
        const doc::Segment& segment = path.segments[j];
        const Place place = placeOf(j);
        EXPECT_NEAR(place.radius, 45 + 6.25 * j, 1e-9);
        expectNear(segment.anchor, around(kStartX, kStartY, place.radius, place.angle), "point " + std::to_string(j));
        EXPECT_EQ(segment.in, segment.anchor);
        EXPECT_EQ(segment.out, segment.anchor);
        EXPECT_FALSE(segment.corner);
    }
}

// One-path options whose every point is known: where point j's anchor and direction points go.
struct ShapeCase {
    const char* name;
    void (*edit)(SpiralParams&);
    doc::Point (*anchor)(int j);
    doc::Point (*handle)(int j);
};

doc::Point plain(int j) {
    const Place p = placeOf(j);
    return around(kStartX, kStartY, p.radius, p.angle);
}
// The plain point moved the fraction t of the way to (px, py).
doc::Point toward(int j, double px, double py, double t) {
    const doc::Point p = plain(j);
    return {static_cast<float>(p.x + t * (px - p.x)), static_cast<float>(p.y + t * (py - p.y))};
}

const ShapeCase kShapeCases[] = {
    {"gap as setting", [](SpiralParams& p) { p.gapValue = 10; },
     [](int j) { const Place q = placeOf(j); return around(kStartX, kStartY, q.radius + 10, q.angle); }, nullptr},
    {"gap alternate", [](SpiralParams& p) { p.gapMode = 1; p.gapValue = 10; },
     [](int j) {
         const Place q = placeOf(j);
         return around(kStartX, kStartY, q.radius + (q.k % 2 == 0 ? 10 : 0), q.angle);
     }, nullptr},
    {"gap accumulate", [](SpiralParams& p) { p.gapMode = 2; p.gapValue = 1; },
     [](int j) {
         // Every point keeps adding its turn's index times the gap value to the radius.
         const Place q = placeOf(j);
         return around(kStartX, kStartY, q.radius + 4.0 * q.i * (q.i - 1) / 2 + q.i * (q.k + 1), q.angle);
     }, nullptr},
    {"centre shift x", [](SpiralParams& p) { p.gapMode = 3; p.gapValue = 9; },
     [](int j) { const Place q = placeOf(j); return around(kStartX + 9 * q.i, kStartY, q.radius, q.angle); }, nullptr},
    {"centre shift y", [](SpiralParams& p) { p.gapMode = 4; p.gapValue = -10; },
     [](int j) { const Place q = placeOf(j); return around(kStartX, kStartY - 10 * q.i, q.radius, q.angle); }, nullptr},
    {"centre shift x and y", [](SpiralParams& p) { p.gapMode = 5; p.gapValue = 10; },
     [](int j) {
         const Place q = placeOf(j);
         return around(kStartX + 10 * q.i, kStartY + 10 * q.i, q.radius, q.angle);
     }, nullptr},
    {"gap alternate turn", [](SpiralParams& p) { p.gapMode = 6; p.gapValue = 10; },
     [](int j) {
         const Place q = placeOf(j);
         return around(kStartX, kStartY, q.radius + (q.i % 2 == 0 ? 10 : 0), q.angle);
     }, nullptr},
    {"decay", [](SpiralParams& p) { p.armDecay = 40; },
     [](int j) {
         // 0.004 per point, turn 0's four points included.
         const Place q = placeOf(j);
         return around(kStartX, kStartY, q.radius * (1 - 0.004 * (j + 4)), q.angle);
     }, nullptr},
    {"negative decay", [](SpiralParams& p) { p.armDecay = -100; },
     [](int j) {
         const Place q = placeOf(j);
         return around(kStartX, kStartY, q.radius * (1 + 0.01 * (j + 4)), q.angle);
     }, nullptr},
    {"half way to the start", [](SpiralParams& p) { p.interpAmount = 50; },
     [](int j) { return toward(j, kStartX, kStartY, 0.5); }, plain},
    {"half way to the page centre", [](SpiralParams& p) { p.interpAmount = 50; p.pivotMode = 1; },
     [](int j) { return toward(j, 306, 396, 0.5); }, plain},
    {"onto the origin", [](SpiralParams& p) { p.interpAmount = 100; p.pivotMode = 3; },
     [](int) { return doc::Point{0, 0}; }, plain},
    {"away from the view centre", [](SpiralParams& p) { p.interpAmount = -50; p.pivotMode = 4; },
     [](int j) { return toward(j, 306, 396, -0.5); }, plain},
};

TEST_F(SpiralHostTest, OnePathOptionsPlaceEveryPoint) {
    for (const ShapeCase& c : kShapeCases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(goWith(c.edit), kResultOk);
        const auto drawn = paths();
        ASSERT_EQ(drawn.size(), 1u);
        ASSERT_EQ(drawn[0]->segments.size(), 40u);
        for (int j = 0; j < 40; ++j) {
            const doc::Segment& segment = drawn[0]->segments[j];
            expectNear(segment.anchor, c.anchor(j), "anchor " + std::to_string(j));
            const doc::Point handle = c.handle != nullptr ? c.handle(j) : c.anchor(j);
            expectNear(segment.in, handle, "in " + std::to_string(j));
            EXPECT_EQ(segment.out, segment.in);
        }
    }
}

// The angle from one written point to the next, by spiral type; radii never change.
struct TypeCase {
    int type;
    double (*step)(int j);  // from point j - 1 to point j
    double tolerance;
};
const TypeCase kTypeCases[] = {
    {0, [](int) { return 2 * kT4; }, 1e-4},
    {1, [](int) { return -2 * kT4; }, 1e-4},  // sine and cosine swap: the spiral turns the other way
    {2, [](int) { return 2 * kT4; }, 2 * kT4 / 30 + 1e-4},
    {3, [](int j) { return 2 * kT4 + (j + 5) * 0.001 * kT4; }, 1e-4},
    {4, [](int) { return 2.01 * kT4; }, 1e-4},
};

TEST_F(SpiralHostTest, SpiralTypesTurnByTheirSteps) {
    for (const TypeCase& c : kTypeCases) {
        SCOPED_TRACE("spiral type " + std::to_string(c.type));
        ASSERT_EQ(goWith([&](SpiralParams& p) { p.spiralType = c.type; }), kResultOk);
        const auto points = allAnchors();
        ASSERT_EQ(points.size(), 40u);
        double largestDeviation = 0;
        for (int j = 0; j < 40; ++j) {
            EXPECT_NEAR(distance(points[j], kStartX, kStartY), placeOf(j).radius, 0.01) << "point " << j;
            if (j == 0) continue;
            const double step =
                angleDifference(angleFrom(points[j], kStartX, kStartY), angleFrom(points[j - 1], kStartX, kStartY));
            EXPECT_NEAR(step, c.step(j), c.tolerance) << "point " << j;
            largestDeviation = std::max(largestDeviation, std::abs(step - c.step(j)));
        }
        if (c.type == 2) {
            EXPECT_GT(largestDeviation, 0.005) << "the randomized steps never moved";
        }
    }
    // Reversed mirrors the plain spiral across the diagonal through the centre.
    ASSERT_EQ(goWith([](SpiralParams& p) { p.spiralType = 1; }), kResultOk);
    const auto reversed = allAnchors();
    for (int j = 0; j < 40; ++j) {
        const doc::Point p = plain(j);
        expectNear(reversed[j], {kStartX + (p.y - kStartY), kStartY + (p.x - kStartX)}, "reversed " + std::to_string(j));
    }
}

TEST_F(SpiralHostTest, StarPointsSitBetweenThePointsOneStarGapOut) {
    struct StarCase {
        float starAngle;
        double offset;  // angle of a star point past its point
    };
    const double starStep = 40 * kT4 * kPi / 180;  // star angle 4000: 40 T, taken as degrees
    for (const StarCase& c : {StarCase{0, kT4}, StarCase{4000, kT4 + starStep}}) {
        SCOPED_TRACE("star angle " + std::to_string(c.starAngle));
        ASSERT_EQ(goWith([&](SpiralParams& p) {
                      p.starGap = 100;
                      p.starAngle = c.starAngle;
                  }),
                  kResultOk);
        const auto points = allAnchors();
        ASSERT_EQ(points.size(), 80u);
        for (int j = 0; j < 40; ++j) {
            const Place q = placeOf(j);
            expectNear(points[2 * j], plain(j), "point " + std::to_string(j));
            expectNear(points[2 * j + 1], around(kStartX, kStartY, q.radius + 100, q.angle + c.offset),
                       "star " + std::to_string(j));
        }
    }
}

TEST_F(SpiralHostTest, RandomPivotsDrawEachTurnToOnePointInTheirArea) {
    struct PivotCase {
        int mode;
        doc::Rect area;  // where the random pivots fall
    };
    const doc::Rect view = host.view().bounds();
    for (const PivotCase& c : {PivotCase{2, {0, 792, 612, 0}}, PivotCase{5, view}}) {
        SCOPED_TRACE("pivot mode " + std::to_string(c.mode));
        ASSERT_EQ(goWith([&](SpiralParams& p) {
                      p.interpAmount = 100;
                      p.pivotMode = c.mode;
                  }),
                  kResultOk);
        const auto points = allAnchors();
        ASSERT_EQ(points.size(), 40u);
        for (int j = 0; j < 40; ++j) {
            expectNear(points[j], points[j / 4 * 4], "a turn shares one pivot");
            EXPECT_GE(points[j].x, c.area.left);
            EXPECT_LE(points[j].x, c.area.right);
            EXPECT_GE(points[j].y, c.area.bottom);
            EXPECT_LE(points[j].y, c.area.top);
        }
        EXPECT_NE(points[0], points[4]) << "each turn draws its own pivot";
    }
}

TEST_F(SpiralHostTest, SeparateArmsJoinIntoOneSpiral) {
    ASSERT_EQ(goWith([](SpiralParams& p) { p.armMode = kArmsSeparate; }), kResultOk);
    const auto arms = paths();
    ASSERT_EQ(arms.size(), 10u);
    for (std::size_t a = 0; a < arms.size(); ++a) {
        ASSERT_EQ(arms[a]->segments.size(), 5u) << "arm " << a;
        if (a > 0) expectNear(arms[a]->segments.front().anchor, arms[a - 1]->segments.back().anchor, "join");
    }
    // The first arm starts at the initial gap, one step on.
    expectNear(arms[0]->segments[0].anchor, around(kStartX, kStartY, 20, kT4), "first point");
}

TEST_F(SpiralHostTest, SkippedArmsLeaveGapsWhereTheyWouldBe) {
    ASSERT_EQ(goWith([](SpiralParams& p) { p.armMode = kArmsSeparate; }), kResultOk);
    std::vector<std::vector<doc::Point>> every;
    for (const doc::Art* arm : paths()) every.push_back(anchors(*arm));

    ASSERT_EQ(goWith([](SpiralParams& p) {
                  p.armMode = kArmsSeparate;
                  p.skipCount = 2;
                  p.createCount = 3;
              }),
              kResultOk);
    const auto drawn = paths();
    const std::size_t kept[] = {0, 1, 2, 5, 6, 7};
    ASSERT_EQ(drawn.size(), std::size(kept));
    for (std::size_t a = 0; a < drawn.size(); ++a) {
        const auto points = anchors(*drawn[a]);
        ASSERT_EQ(points.size(), every[kept[a]].size());
        for (std::size_t k = 0; k < points.size(); ++k) expectNear(points[k], every[kept[a]][k], "arm point");
    }
}

TEST_F(SpiralHostTest, SeparateArmsCarryTheirAngleAsTheirTypeSays) {
    // The star offset stays in the angle along an arm: point k sits at (2k + 1) T + k·s.
    const double s = 40 * kT4 * kPi / 180;
    ASSERT_EQ(goWith([](SpiralParams& p) {
                  p.armMode = kArmsSeparate;
                  p.starGap = 50;
                  p.starAngle = 4000;
              }),
              kResultOk);
    const auto arm = anchors(*paths()[0]);
    ASSERT_EQ(arm.size(), 9u);  // five points and the four star points between them
    for (int k = 0; k <= 4; ++k) {
        expectNear(arm[2 * k], around(kStartX, kStartY, 20 + 6.25 * k, (2 * k + 1) * kT4 + k * s),
                   "point " + std::to_string(k));
        if (k < 4) {
            expectNear(arm[2 * k + 1], around(kStartX, kStartY, 70 + 6.25 * k, (2 * k + 2) * kT4 + (k + 1) * s),
                       "star " + std::to_string(k));
        }
    }

    // " Spiral - DriftWood" keeps turning from arm to arm, and its star step adds the drift again:
    // every step is 2.02 T, also across arms.
    ASSERT_EQ(goWith([](SpiralParams& p) {
                  p.armMode = kArmsSeparate;
                  p.spiralType = 4;
              }),
              kResultOk);
    const auto points = allAnchors();
    ASSERT_EQ(points.size(), 50u);
    for (std::size_t j = 1; j < points.size(); ++j) {
        const double step =
            angleDifference(angleFrom(points[j], kStartX, kStartY), angleFrom(points[j - 1], kStartX, kStartY));
        EXPECT_NEAR(step, 2.02 * kT4, 1e-4) << "point " << j;
    }
}

// Records the dialog cannot produce but Tumble, the drag buttons or a damaged block can.
struct EdgeCase {
    const char* name;
    void (*edit)(SpiralParams&);
    KvResult result;
    std::vector<std::size_t> segments;  // per path; empty: not checked beyond the count below
    std::size_t pathCount;
};

TEST_F(SpiralHostTest, OutOfRangeRecordsDrawFiniteArtAndEnd) {
    const EdgeCase cases[] = {
        {"no points per arm, one path", [](SpiralParams& p) { p.pointsPerArm = 0; }, kResultOk, {0}, 1},
        // Each arm is one point; the last such arm is removed again.
        {"no points per arm, separate arms",
         [](SpiralParams& p) {
             p.pointsPerArm = 0;
             p.armMode = kArmsSeparate;
         },
         kResultOk, std::vector<std::size_t>(9, 1), 9},
        {"negative points per arm",
         [](SpiralParams& p) {
             p.pointsPerArm = -4;
             p.armMode = kArmsSeparate;
         },
         kResultOk, std::vector<std::size_t>(9, 1), 9},
        {"points per arm beyond the angle table", [](SpiralParams& p) { p.pointsPerArm = 40; }, kResultOk, {400}, 1},
        {"gap not a number", [](SpiralParams& p) { p.gap = std::numeric_limits<float>::quiet_NaN(); }, kResultOk, {0}, 1},
        {"interpolation without end",
         [](SpiralParams& p) { p.interpAmount = std::numeric_limits<float>::infinity(); }, kResultOk, {0}, 1},
        {"unknown arm mode", [](SpiralParams& p) { p.armMode = 2; }, kResultOk, {}, 0},
        {"unknown spiral type, gap mode and pivot",
         [](SpiralParams& p) {
             p.spiralType = 9;
             p.gapMode = -1;
             p.pivotMode = 17;
             p.interpAmount = 50;
         },
         kResultOk, {40}, 1},
        // A path holds at most 32767 segments; the run stops there and says why.
        {"more turns than a path can hold", [](SpiralParams& p) { p.spiralCount = INT32_MAX; }, kResultTooManyPoints,
         {32767}, 1},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(goWith(c.edit), c.result);
        const auto drawn = paths();
        ASSERT_EQ(drawn.size(), c.pathCount);
        for (std::size_t a = 0; a < c.segments.size(); ++a) EXPECT_EQ(drawn[a]->segments.size(), c.segments[a]);
        EXPECT_TRUE(everyCoordinateFinite());
    }
    // Without points per arm the radius stays at the initial gap, a full turn on.
    ASSERT_EQ(goWith([](SpiralParams& p) {
                  p.pointsPerArm = 0;
                  p.armMode = kArmsSeparate;
              }),
              kResultOk);
    expectNear(paths()[0]->segments[0].anchor, {kStartX + 20, kStartY}, "single point");
}

TEST_F(SpiralHostTest, EndlessArmCountsEndWithAFailure) {
    // Nearly every arm skipped, none with points: only the walk's own limit ends the loop.
    EXPECT_EQ(goWith([](SpiralParams& p) {
                  p.armMode = kArmsSeparate;
                  p.pointsPerArm = 0;
                  p.spiralCount = INT32_MAX;
                  p.skipCount = 100;
              }),
              kResultTooManyPoints);
    EXPECT_FALSE(paths().empty());
    EXPECT_EQ(errorsShown(), std::vector<std::string>{"The filter cannot complete because a path has too many anchor points."});
}

}  // namespace
}  // namespace kelvo::testing
