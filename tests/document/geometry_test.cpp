// Shapes, bounds, style interpolation, transforms and symbols.
#include "document/document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvo::doc {
namespace {

constexpr float kK = 0.5522847498f;

Segment corner(float x, float y) { return Segment{{x, y}, {x, y}, {x, y}, true}; }
Segment smooth(Point a, Point in, Point out) { return Segment{a, in, out, false}; }

TEST(Shapes, RectangleCornersInOrderWhateverTheEdgeOrder) {
    const std::vector<Segment> want = {corner(10, 40), corner(30, 40), corner(30, 20), corner(10, 20)};
    const std::array<float, 4> edges[] = {{10, 20, 30, 40}, {30, 40, 10, 20}, {10, 40, 30, 20}, {30, 20, 10, 40}};
    for (const auto& e : edges) {
        Document doc;
        ArtId id = 0;
        ASSERT_EQ(doc.newRect(e[0], e[1], e[2], e[3], false, &id), Status::ok);
        const Art* a = doc.find(id);
        EXPECT_EQ(a->segments, want);
        EXPECT_TRUE(a->closed);
        EXPECT_EQ(a->style, doc.currentStyle());
    }
    Document doc;
    ArtId id = 0;
    ASSERT_EQ(doc.newRect(10, 20, 30, 40, true, &id), Status::ok);
    EXPECT_EQ(doc.find(id)->segments, (std::vector<Segment>{want[3], want[2], want[1], want[0]}));
}

TEST(Shapes, OvalSmoothSegmentsClockwiseAndReversed) {
    Document doc;
    ArtId id = 0;
    // Centre (20, 10), rx 10, ry 5; edges given in reverse order.
    ASSERT_EQ(doc.newOval(30, 15, 10, 5, false, &id), Status::ok);
    const float kx = kK * 10, ky = kK * 5;
    const std::vector<Segment> want = {
        smooth({20, 15}, {20 - kx, 15}, {20 + kx, 15}),  // top
        smooth({30, 10}, {30, 10 + ky}, {30, 10 - ky}),  // right
        smooth({20, 5}, {20 + kx, 5}, {20 - kx, 5}),     // bottom
        smooth({10, 10}, {10, 10 - ky}, {10, 10 + ky}),  // left
    };
    EXPECT_EQ(doc.find(id)->segments, want);
    EXPECT_TRUE(doc.find(id)->closed);
    ArtId rev = 0;
    ASSERT_EQ(doc.newOval(10, 5, 30, 15, true, &rev), Status::ok);
    const auto& r = doc.find(rev)->segments;
    ASSERT_EQ(r.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(r[i].anchor, want[3 - i].anchor);
        EXPECT_EQ(r[i].in, want[3 - i].out);
        EXPECT_EQ(r[i].out, want[3 - i].in);
    }
    // New shapes go above all art in the current layer, in order.
    EXPECT_EQ(doc.find(doc.currentLayer())->children, (std::vector<ArtId>{id, rev}));
}

TEST(Shapes, ZeroSizeIsAllowed) {
    Document doc;
    ArtId id = 0;
    ASSERT_EQ(doc.newOval(5, 5, 5, 9, false, &id), Status::ok);
    for (const Segment& s : doc.find(id)->segments) EXPECT_EQ(s.anchor.x, 5);
    EXPECT_EQ(doc.bounds(id), (Rect{5, 9, 5, 5}));
}

TEST(Bounds, CurvesNotControlPoints) {
    Document doc;
    ArtId circle = 0, oval = 0, s = 0, empty = 0, group = 0, emptyGroup = 0;
    ASSERT_EQ(doc.newOval(-50, -50, 50, 50, false, &circle), Status::ok);
    Rect c = doc.bounds(circle);
    EXPECT_FLOAT_EQ(c.left, -50);
    EXPECT_FLOAT_EQ(c.right, 50);
    EXPECT_FLOAT_EQ(c.top, 50);
    EXPECT_FLOAT_EQ(c.bottom, -50);
    ASSERT_EQ(doc.newOval(100, 10, 140, 30, false, &oval), Status::ok);
    EXPECT_EQ(doc.bounds(oval), (Rect{100, 30, 140, 10}));
    // S-curve from (0,0) to (30,0) with controls (10, 30) and (20, -30): extremes ±30·√3/6·…
    ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &s), Status::ok);
    ASSERT_EQ(doc.setAllSegments(s, {smooth({0, 0}, {0, 0}, {10, 30}), smooth({30, 0}, {20, -30}, {30, 0})}),
              Status::ok);
    Rect sb = doc.bounds(s);
    // B(t).y = 90 t (1−t)(1−2t): extreme at t = (3 − √3)/6, value 90·t(1−t)(1−2t).
    double t = (3 - std::sqrt(3.0)) / 6;
    float extreme = static_cast<float>(90 * t * (1 - t) * (1 - 2 * t));
    EXPECT_NEAR(sb.top, extreme, 1e-4);
    EXPECT_NEAR(sb.bottom, -extreme, 1e-4);
    EXPECT_LT(sb.top, 30);
    EXPECT_EQ(sb.left, 0);
    EXPECT_EQ(sb.right, 30);
    // Empty path and empty group; a group's bounds enclose its children and skip empty ones.
    ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &empty), Status::ok);
    EXPECT_EQ(doc.bounds(empty), Rect{});
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &emptyGroup), Status::ok);
    EXPECT_EQ(doc.bounds(emptyGroup), Rect{});
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &group), Status::ok);
    ASSERT_EQ(doc.move(oval, Placement::insideOnTop, group), Status::ok);
    ASSERT_EQ(doc.move(s, Placement::insideOnTop, group), Status::ok);
    ASSERT_EQ(doc.move(empty, Placement::insideOnTop, group), Status::ok);
    Rect g = doc.bounds(group);
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.right, 140);
    EXPECT_EQ(g.top, 30);
    EXPECT_NEAR(g.bottom, -extreme, 1e-4);
}

TEST(Interpolation, Table) {
    PathStyle first, second;
    first.fill = Colour{kFour, {1, 0.5f, 0, 0}, 0};
    first.stroke = Colour{kThree, {1, 0, 0, 0}, 0};
    first.strokeWidth = 4;
    first.fillPaint = true;
    first.strokePaint = false;
    first.evenOdd = true;
    second.fill = Colour{kFour, {0, 0.5f, 1, 0}, 0};
    second.stroke = Colour{kGray, {0.25f, 0, 0, 0}, 0};
    second.strokeWidth = 2;
    second.fillPaint = false;
    second.strokePaint = true;
    second.evenOdd = false;
    struct Row {
        float t;
        std::array<float, 4> fill;
        Colour stroke;
        float width;
        bool fromFirst;
    };
    const Row rows[] = {
        {1, {1, 0.5f, 0, 0}, first.stroke, 4, true},
        {0, {0, 0.5f, 1, 0}, second.stroke, 2, false},
        {0.5f, {0.5f, 0.5f, 0.5f, 0}, first.stroke, 3, true},
        {0.25f, {0.25f, 0.5f, 0.75f, 0}, second.stroke, 2.5f, false},
        {2, {1, 0.5f, 0, 0}, first.stroke, 6, true},      // channels limited to 0 … 1
        {-3, {0, 0.5f, 1, 0}, second.stroke, 0, false},   // width limited to ≥ 0
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.t);
        PathStyle out = interpolate(first, second, r.t);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(out.fill.channel[i], r.fill[i]);
        EXPECT_EQ(out.fill.kind, kFour);
        EXPECT_EQ(out.stroke, r.stroke);
        EXPECT_FLOAT_EQ(out.strokeWidth, r.width);
        EXPECT_EQ(out.fillPaint, r.fromFirst);
        EXPECT_EQ(out.strokePaint, !r.fromFirst);
        EXPECT_EQ(out.evenOdd, r.fromFirst);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    PathStyle bad = first;
    bad.fill.channel[0] = nan;
    bad.strokeWidth = nan;
    PathStyle out = interpolate(bad, second, 0.75f);
    EXPECT_EQ(out.fill.channel[0], 0);
    EXPECT_EQ(out.strokeWidth, 0);
}

TEST(Transform, MovesEveryPointAndScalesWidths) {
    Document doc;
    ArtId rect = 0, group = 0;
    ASSERT_EQ(doc.newRect(0, 0, 10, 20, false, &rect), Status::ok);
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &group), Status::ok);
    ASSERT_EQ(doc.move(rect, Placement::insideOnTop, group), Status::ok);
    // A quarter turn counter-clockwise, then a shift.
    Matrix m{0, 1, -1, 0, 100, 0};
    ASSERT_EQ(doc.transform(group, m, -2), Status::ok);
    const auto& segs = doc.find(rect)->segments;
    EXPECT_EQ(segs[0].anchor, (Point{80, 0}));   // (0, 20)
    EXPECT_EQ(segs[1].anchor, (Point{80, 10}));  // (10, 20)
    EXPECT_EQ(segs[2].in, (Point{100, 10}));     // (10, 0)
    EXPECT_EQ(doc.find(rect)->style.strokeWidth, 2);  // |line scale|
    EXPECT_EQ(doc.bounds(group), (Rect{80, 10, 100, 0}));
    EXPECT_EQ((Matrix{2, 0, 0, 2, 1, 1}.then(Matrix{1, 0, 0, 1, 5, 0})), (Matrix{2, 0, 0, 2, 6, 1}));
}

TEST(Symbols, ArtBecomesInstanceOfADetachedCopy) {
    Document doc;
    ArtId group = 0, rect = 0;
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &group), Status::ok);
    ASSERT_EQ(doc.newRect(0, 0, 10, 10, false, &rect), Status::ok);
    ASSERT_EQ(doc.move(rect, Placement::insideOnTop, group), Status::ok);
    auto shownBefore = doc.shownPaths(group);
    int symbol = -1;
    ASSERT_EQ(doc.newSymbolFromArt(group, &symbol), Status::ok);
    EXPECT_EQ(symbol, 0);
    ASSERT_EQ(doc.symbols().size(), 1u);
    EXPECT_EQ(doc.symbols()[0].name, "Symbol 1");
    const Art* instance = doc.find(group);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->kind, ArtKind::symbolInstance);
    EXPECT_EQ(instance->symbol, 0);
    EXPECT_EQ(instance->placement, Matrix{});
    EXPECT_TRUE(instance->children.empty());
    EXPECT_EQ(doc.find(rect), nullptr);
    ArtId definition = doc.symbols()[0].definition;
    EXPECT_NE(definition, group);
    EXPECT_EQ(doc.layerOf(definition), 0u);
    int visited = 0;
    doc.forEach([&](const Art& a) { visited += a.id == definition; });
    EXPECT_EQ(visited, 0);
    auto shown = doc.shownPaths(group);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].segments, shownBefore[0].segments);
    EXPECT_EQ(doc.bounds(group), (Rect{0, 10, 10, 0}));
    // Moving the instance moves its placement, not the definition.
    ASSERT_EQ(doc.transform(group, Matrix{1, 0, 0, 1, 5, 0}, 1), Status::ok);
    EXPECT_EQ(doc.bounds(group), (Rect{5, 10, 15, 0}));
    EXPECT_EQ(doc.bounds(definition), (Rect{0, 10, 10, 0}));
    ArtId second = 0;
    ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &second), Status::ok);
    ASSERT_EQ(doc.newSymbolFromArt(second, &symbol), Status::ok);
    EXPECT_EQ(doc.symbols()[1].name, "Symbol 2");
}

}  // namespace
}  // namespace kelvo::doc
