// Envelopes and the fifteen warps.
#include "document/document.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvo::doc {
namespace {

std::vector<Point> grid() {
    std::vector<Point> points;
    for (int i = 0; i <= 8; ++i)
        for (int j = 0; j <= 8; ++j) points.push_back(Point{i / 8.0f, j / 8.0f});
    return points;
}

TEST(Warp, EveryStyleFiniteAndIdentityWhenFlat) {
    const float values[] = {-1, -0.5f, 0.5f, 1};
    for (int style = 1; style <= 15; ++style)
        for (bool axis : {true, false}) {
            SCOPED_TRACE(style);
            for (Point p : grid()) {
                Point same = warpUnitPoint(Warp{style, 0, 0, 0, axis}, p);
                EXPECT_NEAR(same.x, p.x, 1e-6);
                EXPECT_NEAR(same.y, p.y, 1e-6);
                for (float bend : values)
                    for (float h : values)
                        for (float v : values) {
                            Point q = warpUnitPoint(Warp{style, bend, h, v, axis}, p);
                            ASSERT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
                            ASSERT_LT(std::fabs(q.x - 0.5f), 3.0f);
                            ASSERT_LT(std::fabs(q.y - 0.5f), 3.0f);
                        }
            }
        }
}

TEST(Warp, StylesDifferFromEachOther) {
    for (float bend : {-1.0f, -0.5f, 0.5f, 1.0f})
        for (int a = 1; a <= 15; ++a)
            for (int b = a + 1; b <= 15; ++b) {
                double difference = 0;
                for (Point p : grid()) {
                    Point pa = warpUnitPoint(Warp{a, bend, 0, 0, true}, p);
                    Point pb = warpUnitPoint(Warp{b, bend, 0, 0, true}, p);
                    difference = std::max(difference, std::hypot(double(pa.x - pb.x), double(pa.y - pb.y)));
                }
                EXPECT_GT(difference, 0.01) << "styles " << a << " and " << b << " bend " << bend;
            }
}

TEST(Warp, DistortionsAndAxisChangeTheResult) {
    Point p{0.9f, 0.8f};
    Point plain = warpUnitPoint(Warp{1, 0.5f, 0, 0, true}, p);
    EXPECT_NE(warpUnitPoint(Warp{1, 0.5f, 0.5f, 0, true}, p), plain);
    EXPECT_NE(warpUnitPoint(Warp{1, 0.5f, 0, 0.5f, true}, p), plain);
    EXPECT_NE(warpUnitPoint(Warp{1, 0.5f, 0, 0, false}, p), plain);
}

struct EnvelopeFixture : ::testing::Test {
    Document doc;
    ArtId source = 0, shape = 0, envelope = 0, below = 0, above = 0;
    void SetUp() override {
        ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &below), Status::ok);
        ASSERT_EQ(doc.newRect(0, 0, 100, 50, false, &source), Status::ok);
        ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &above), Status::ok);
    }
    std::vector<Point> shownAnchors() {
        std::vector<Point> out;
        for (const auto& p : doc.shownPaths(envelope))
            for (const Segment& s : p.segments) out.push_back(s.anchor);
        return out;
    }
};

TEST_F(EnvelopeFixture, SourceBecomesOnlyChildAndShapeIsConsumed) {
    ASSERT_EQ(doc.newRect(200, 0, 260, 30, false, &shape), Status::ok);
    ASSERT_EQ(doc.makeEnvelope(source, shape, &envelope), Status::ok);
    const Art* env = doc.find(envelope);
    EXPECT_EQ(env->kind, ArtKind::envelope);
    EXPECT_EQ(env->children, std::vector<ArtId>{source});
    EXPECT_EQ(doc.find(source)->parent, envelope);
    EXPECT_EQ(doc.find(shape), nullptr);
    EXPECT_EQ(env->envelopeShape.size(), 4u);
    EXPECT_EQ(doc.find(doc.currentLayer())->children, (std::vector<ArtId>{below, envelope, above}));
    // The source's own geometry is untouched; what it shows is mapped onto the shape.
    EXPECT_EQ(doc.find(source)->segments[0].anchor, (Point{0, 50}));
    for (Point p : shownAnchors()) {
        EXPECT_GE(p.x, 200 - 1e-3);
        EXPECT_LE(p.x, 260 + 1e-3);
        EXPECT_GE(p.y, -1e-3);
        EXPECT_LE(p.y, 30 + 1e-3);
    }
    Rect b = doc.bounds(envelope);
    EXPECT_NEAR(b.left, 200, 1e-3);
    EXPECT_NEAR(b.right, 260, 1e-3);
    EXPECT_NEAR(b.top, 30, 1e-3);
    EXPECT_NEAR(b.bottom, 0, 1e-3);
    // The source handle keeps working inside the envelope.
    ArtId copy = 0;
    EXPECT_EQ(doc.duplicate(source, Placement::aboveAll, 0, &copy), Status::ok);
    EXPECT_EQ(doc.setSegments(source, 4, {Segment{}}), Status::ok);
}

TEST_F(EnvelopeFixture, QuadrilateralShapeMapsCornersBilinearly) {
    // A skewed quadrilateral, given counter-clockwise: the map still keeps the source upright.
    ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &shape), Status::ok);
    auto c = [](float x, float y) { return Segment{{x, y}, {x, y}, {x, y}, true}; };
    ASSERT_EQ(doc.setAllSegments(shape, {c(0, 0), c(40, 10), c(50, 60), c(-10, 40)}), Status::ok);
    ASSERT_EQ(doc.makeEnvelope(source, shape, &envelope), Status::ok);
    auto anchors = shownAnchors();
    // The rectangle's corners (0,50), (100,50), (100,0), (0,0) land on the shape's corners.
    auto has = [&](Point want) {
        for (Point p : anchors)
            if (std::hypot(p.x - want.x, p.y - want.y) < 1e-3) return true;
        return false;
    };
    EXPECT_TRUE(has({-10, 40}));
    EXPECT_TRUE(has({50, 60}));
    EXPECT_TRUE(has({40, 10}));
    EXPECT_TRUE(has({0, 0}));
    EXPECT_EQ(anchors[0], (Point{-10, 40}));  // the top left stays first
}

TEST_F(EnvelopeFixture, OvalShapeMapsTheBoxOntoTheEllipse) {
    ASSERT_EQ(doc.newOval(-20, -10, 20, 10, false, &shape), Status::ok);
    ASSERT_EQ(doc.makeEnvelope(source, shape, &envelope), Status::ok);
    auto anchors = shownAnchors();
    ASSERT_FALSE(anchors.empty());
    // Every point of the source's outline lies on its box's edge, so it lands on the ellipse.
    for (Point p : anchors) EXPECT_NEAR(std::hypot(p.x / 20.0, p.y / 10.0), 1.0, 1e-4);
}

TEST_F(EnvelopeFixture, WarpReplacesTheMappingAndFollowsTheBoundsBox) {
    ASSERT_EQ(doc.newRect(200, 0, 260, 30, false, &shape), Status::ok);
    ASSERT_EQ(doc.makeEnvelope(source, shape, &envelope), Status::ok);
    EXPECT_EQ(doc.setWarp(envelope, Warp{0, 0.5f, 0, 0, true}), Status::badParameter);
    EXPECT_EQ(doc.setWarp(envelope, Warp{16, 0.5f, 0, 0, true}), Status::badParameter);
    EXPECT_EQ(doc.setWarp(envelope, Warp{3, 1.5f, 0, 0, true}), Status::badParameter);
    EXPECT_EQ(doc.setWarp(source, Warp{3, 0.5f, 0, 0, true}), Status::badHandle);
    ASSERT_EQ(doc.setWarp(envelope, Warp{1, 0, 0, 0, true}), Status::ok);
    // A flat warp shows the source where it is.
    auto flat = doc.shownPaths(envelope);
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(doc.bounds(envelope), (Rect{0, 50, 100, 0}));
    EXPECT_EQ(flat[0].segments.size(), 16u);  // each side in four pieces
    ASSERT_EQ(doc.setWarp(envelope, Warp{1, 1, 0, 0, true}), Status::ok);
    Rect arc = doc.bounds(envelope);
    EXPECT_GT(arc.top, 50);
    for (int style = 1; style <= 15; ++style) {
        ASSERT_EQ(doc.setWarp(envelope, Warp{style, -1, 1, -1, style % 2 == 0}), Status::ok);
        for (Point p : shownAnchors()) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
}

TEST(Envelope, FlatWarpShowsCurvesWhereTheyAre) {
    // Cutting each cubic in four must keep the outline: a circle stays a circle.
    Document doc;
    ArtId circle = 0, shape = 0, envelope = 0;
    ASSERT_EQ(doc.newOval(-40, -40, 40, 40, false, &circle), Status::ok);
    ASSERT_EQ(doc.newRect(0, 0, 1, 1, false, &shape), Status::ok);
    ASSERT_EQ(doc.makeEnvelope(circle, shape, &envelope), Status::ok);
    ASSERT_EQ(doc.setWarp(envelope, Warp{7, 0, 0, 0, true}), Status::ok);
    auto shown = doc.shownPaths(envelope);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].closed);
    EXPECT_EQ(shown[0].art, doc.find(circle));
    ASSERT_EQ(shown[0].segments.size(), 16u);
    for (const Segment& s : shown[0].segments) EXPECT_NEAR(std::hypot(s.anchor.x, s.anchor.y), 40, 0.02);
    Rect b = doc.bounds(envelope);
    EXPECT_NEAR(b.left, -40, 1e-3);
    EXPECT_NEAR(b.top, 40, 1e-3);
    EXPECT_NEAR(b.right, 40, 1e-3);
    EXPECT_NEAR(b.bottom, -40, 1e-3);
}

TEST_F(EnvelopeFixture, RefusesImpossibleEnvelopes) {
    ArtId group = 0, out = 9;
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &group), Status::ok);
    ASSERT_EQ(doc.move(above, Placement::insideOnTop, group), Status::ok);
    EXPECT_EQ(doc.makeEnvelope(group, above, &out), Status::badParameter);  // shape inside the source
    EXPECT_EQ(out, 0u);
    EXPECT_EQ(doc.makeEnvelope(source, source, &out), Status::badParameter);
    EXPECT_EQ(doc.makeEnvelope(source, below, &out), Status::badParameter);  // empty shape
    EXPECT_EQ(doc.makeEnvelope(source, group, &out), Status::badHandle);     // not a path
    EXPECT_EQ(doc.makeEnvelope(doc.currentLayer(), source, &out), Status::badParameter);
}

}  // namespace
}  // namespace kelvo::doc
