// The default document, placement, layers, paint and handle rules.
#include "document/document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvo::doc {
namespace {

ArtId newPath(Document& doc, Placement placement = Placement::aboveAll, ArtId reference = 0) {
    ArtId id = 0;
    EXPECT_EQ(doc.newArt(ArtKind::path, placement, reference, &id), Status::ok);
    return id;
}

std::vector<ArtId> childrenOf(const Document& doc, ArtId id) { return doc.find(id)->children; }

TEST(DefaultDocument, PageModelLayerAndCurrentStyle) {
    Document doc;
    EXPECT_EQ(doc.width(), 612);
    EXPECT_EQ(doc.height(), 792);
    EXPECT_EQ(doc.colourModel(), 2);
    ASSERT_EQ(doc.layers().size(), 1u);
    EXPECT_EQ(doc.currentLayer(), doc.layers()[0]);
    EXPECT_EQ(doc.find(doc.layers()[0])->name, "Layer 1");
    EXPECT_EQ(doc.find(doc.layers()[0])->kind, ArtKind::layer);
    const PathStyle& s = doc.currentStyle();
    EXPECT_TRUE(s.fillPaint);
    EXPECT_TRUE(s.strokePaint);
    EXPECT_EQ(s.fill, (Colour{kFour, {0, 0, 0, 0}, 0}));
    EXPECT_EQ(s.stroke, (Colour{kFour, {0, 0, 0, 1}, 0}));
    EXPECT_EQ(s.strokeWidth, 1);
}

TEST(DefaultDocument, Swatches) {
    struct Row {
        const char* name;
        std::array<float, 4> cmyk;
    };
    const Row rows[] = {{"[Registration]", {1, 1, 1, 1}}, {"White", {0, 0, 0, 0}},     {"Black", {0, 0, 0, 1}},
                        {"Red", {0, 1, 1, 0}},            {"Yellow", {0, 0, 1, 0}},    {"Green", {1, 0, 1, 0}},
                        {"Cyan", {1, 0, 0, 0}},           {"Blue", {1, 1, 0, 0}},      {"Magenta", {0, 1, 0, 0}},
                        {"Orange", {0, 0.5f, 1, 0}},      {"Violet", {0.5f, 1, 0, 0}}, {"Teal", {1, 0, 0.5f, 0.2f}},
                        {"Brown", {0, 0.6f, 1, 0.4f}},    {"Gray 50 %", {0, 0, 0, 0.5f}},
                        {"Gray 25 %", {0, 0, 0, 0.25f}}};
    Document doc;
    const auto& sw = doc.swatches();
    ASSERT_EQ(sw.size(), 16u);
    EXPECT_EQ(sw[0].name, "[None]");
    EXPECT_EQ(sw[0].colour.kind, kNone);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(sw[i + 1].name, rows[i].name);
        EXPECT_EQ(sw[i + 1].colour, (Colour{kFour, rows[i].cmyk, 0}));
    }
}

TEST(DefaultDocument, GraphicStylesApplyPaintWidthAndOpacity) {
    const Colour black{kFour, {0, 0, 0, 1}, 0}, red{kFour, {0, 1, 1, 0}, 0}, blue{kFour, {1, 1, 0, 0}, 0};
    const Colour yellow{kFour, {0, 0, 1, 0}, 0}, green{kFour, {1, 0, 1, 0}, 0};
    struct Row {
        const char* name;
        bool fill;
        std::optional<Colour> fillColour;
        bool stroke;
        std::optional<Colour> strokeColour;
        std::optional<float> width;
        float opacity;
    };
    const Row rows[] = {
        {"Default", true, Colour{kFour, {0, 0, 0, 0}, 0}, true, black, 1.0f, 1},
        {"Black outline", false, {}, true, black, 1.0f, 1},
        {"Red fill", true, red, false, {}, {}, 1},
        {"Blue outline", false, {}, true, blue, 2.0f, 1},
        {"Yellow on black", true, yellow, true, black, 0.5f, 1},
        {"Green half", true, green, false, {}, {}, 0.5f},
    };
    Document doc;
    ASSERT_EQ(doc.graphicStyles().size(), std::size(rows));
    // A compound path: the paint lands on its children, the opacity on the object itself.
    ArtId compound = 0;
    ASSERT_EQ(doc.newArt(ArtKind::compound, Placement::aboveAll, 0, &compound), Status::ok);
    ArtId child = newPath(doc, Placement::insideOnTop, compound);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(doc.graphicStyles()[i].name, r.name);
        ASSERT_EQ(doc.setOpacity(compound, 0.25f), Status::ok);
        ASSERT_EQ(doc.applyGraphicStyle(compound, static_cast<int>(i)), Status::ok);
        const PathStyle& s = doc.find(child)->style;
        EXPECT_EQ(s.fillPaint, r.fill);
        EXPECT_EQ(s.strokePaint, r.stroke);
        if (r.fillColour) {
            EXPECT_EQ(s.fill, *r.fillColour);
        }
        if (r.strokeColour) {
            EXPECT_EQ(s.stroke, *r.strokeColour);
        }
        if (r.width) {
            EXPECT_EQ(s.strokeWidth, *r.width);
        }
        EXPECT_EQ(doc.find(compound)->opacity, r.opacity);
    }
    EXPECT_EQ(doc.applyGraphicStyle(compound, -1), Status::badParameter);
    EXPECT_EQ(doc.applyGraphicStyle(compound, 6), Status::badParameter);
}

TEST(Placement, Codes) {
    // Layer holds a, g(group with x), b, bottom first; each row places a new path.
    struct Row {
        const char* name;
        Placement placement;
        char reference;  // 'a', 'b', 'g', 'x' or 0
        char parent;     // '0' the layer, or 'g'
        std::size_t index;
    };
    const Row rows[] = {
        {"above all ignores the reference", Placement::aboveAll, 'x', '0', 3},
        {"below all", Placement::belowAll, 'b', '0', 0},
        {"below", Placement::below, 'b', '0', 2},
        {"above", Placement::above, 'a', '0', 1},
        {"below an inner object", Placement::below, 'x', 'g', 0},
        {"inside on top", Placement::insideOnTop, 'g', 'g', 1},
        {"inside on bottom", Placement::insideOnBottom, 'g', 'g', 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Document doc;
        std::map<char, ArtId> ids;
        ids['a'] = newPath(doc);
        ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &ids['g']), Status::ok);
        ids['x'] = newPath(doc, Placement::insideOnTop, ids['g']);
        ids['b'] = newPath(doc);
        ArtId made = newPath(doc, r.placement, r.reference ? ids[r.reference] : 0);
        ArtId parent = r.parent == '0' ? doc.currentLayer() : ids['g'];
        EXPECT_EQ(doc.find(made)->parent, parent);
        auto list = childrenOf(doc, parent);
        ASSERT_LT(r.index, list.size());
        EXPECT_EQ(list[r.index], made);
    }
}

TEST(Placement, BesideAnEnvelopedObjectMeansBesideItsEnvelope) {
    // A drop shadow duplicates a warped frame below the frame itself.
    Document doc;
    ArtId frame = newPath(doc), shape = 0, envelope = 0, shadow = 0;
    ASSERT_EQ(doc.newRect(0, 0, 10, 10, false, &shape), Status::ok);
    ASSERT_EQ(doc.makeEnvelope(frame, shape, &envelope), Status::ok);
    ASSERT_EQ(doc.duplicate(frame, Placement::below, frame, &shadow), Status::ok);
    EXPECT_EQ(childrenOf(doc, doc.currentLayer()), (std::vector<ArtId>{shadow, envelope}));
    EXPECT_EQ(doc.find(envelope)->children, std::vector<ArtId>{frame});
}

TEST(Placement, RefusesWhatTheTreeCannotHold) {
    Document doc;
    ArtId path = newPath(doc);
    ArtId compound = 0, inner = 0, out = 1;
    ASSERT_EQ(doc.newArt(ArtKind::compound, Placement::aboveAll, 0, &compound), Status::ok);
    inner = newPath(doc, Placement::insideOnTop, compound);
    EXPECT_EQ(doc.newArt(ArtKind::group, Placement::insideOnTop, compound, &out), Status::badParameter);
    EXPECT_EQ(out, 0u);
    EXPECT_EQ(doc.newArt(ArtKind::group, Placement::above, inner, &out), Status::badParameter);
    EXPECT_EQ(doc.newArt(ArtKind::path, Placement::insideOnTop, path, &out), Status::badParameter);
    EXPECT_EQ(doc.newArt(ArtKind::path, Placement::below, 9999, &out), Status::badHandle);
    EXPECT_EQ(doc.newArt(ArtKind::layer, Placement::aboveAll, 0, &out), Status::badParameter);
    EXPECT_EQ(doc.newArt(ArtKind::path, static_cast<Placement>(9), 0, &out), Status::badParameter);
    // A container cannot move into itself or below its own child.
    ArtId group = 0;
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &group), Status::ok);
    ArtId child = newPath(doc, Placement::insideOnTop, group);
    EXPECT_EQ(doc.move(group, Placement::insideOnTop, group), Status::badParameter);
    EXPECT_EQ(doc.move(group, Placement::below, child), Status::badParameter);
    EXPECT_EQ(doc.move(path, Placement::insideOnTop, group), Status::ok);
    EXPECT_EQ(childrenOf(doc, group), (std::vector<ArtId>{child, path}));
    // Moving within the same list counts the list without the object.
    EXPECT_EQ(doc.move(child, Placement::above, path), Status::ok);
    EXPECT_EQ(childrenOf(doc, group), (std::vector<ArtId>{path, child}));
}

TEST(Placement, NestingIsCappedForEveryWayIn) {
    Document doc;
    ArtId deepest = 0, parent = 0;
    for (std::size_t i = 0; i < kMaxDepth; ++i) {
        ASSERT_EQ(doc.newArt(ArtKind::group, Placement::insideOnTop, parent, &deepest), Status::ok);
        parent = deepest;
    }
    ArtId out = 0, top = 0, shape = 0;
    EXPECT_EQ(doc.newArt(ArtKind::path, Placement::insideOnTop, deepest, &out), Status::badParameter);
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &top), Status::ok);
    EXPECT_EQ(doc.move(top, Placement::insideOnTop, deepest), Status::badParameter);
    ArtId outer = doc.find(doc.currentLayer())->children.front();
    EXPECT_EQ(doc.duplicate(outer, Placement::insideOnTop, top, &out), Status::badParameter);
    ASSERT_EQ(doc.newRect(0, 0, 1, 1, false, &shape), Status::ok);
    EXPECT_EQ(doc.makeEnvelope(outer, shape, &out), Status::badParameter);
    EXPECT_EQ(doc.move(top, Placement::below, deepest), Status::ok);  // level with the deepest
}

TEST(Layers, InsertPlacementTitlesAndCurrent) {
    Document doc;
    LayerId first = doc.layers()[0];
    LayerId top = 0, bottom = 0, middle = 0;
    ASSERT_EQ(doc.insertLayer(0, Placement::aboveAll, &top), Status::ok);
    ASSERT_EQ(doc.insertLayer(first, Placement::below, &bottom), Status::ok);
    ASSERT_EQ(doc.insertLayer(first, Placement::above, &middle), Status::ok);
    EXPECT_EQ(doc.layers(), (std::vector<LayerId>{bottom, first, middle, top}));
    EXPECT_EQ(doc.find(top)->name, "Layer 2");
    EXPECT_EQ(doc.find(bottom)->name, "Layer 3");
    EXPECT_EQ(doc.find(middle)->name, "Layer 4");
    EXPECT_EQ(doc.currentLayer(), middle);
    ArtId path = newPath(doc);
    EXPECT_EQ(doc.find(path)->parent, middle);
    EXPECT_EQ(doc.layerOf(path), middle);
    LayerId out = 1;
    EXPECT_EQ(doc.insertLayer(first, Placement::insideOnTop, &out), Status::badParameter);
    EXPECT_EQ(out, 0u);
    EXPECT_EQ(doc.insertLayer(path, Placement::above, &out), Status::badHandle);
    EXPECT_EQ(doc.setCurrentLayer(path), Status::badHandle);
    // Disposing the current layer hands over to the one below it (the bottom one: above it).
    ASSERT_EQ(doc.dispose(middle), Status::ok);
    EXPECT_EQ(doc.find(path), nullptr);
    EXPECT_EQ(doc.currentLayer(), first);
    ASSERT_EQ(doc.setCurrentLayer(bottom), Status::ok);
    ASSERT_EQ(doc.dispose(bottom), Status::ok);
    EXPECT_EQ(doc.currentLayer(), first);
    EXPECT_EQ(doc.layers(), (std::vector<LayerId>{first, top}));
}

TEST(Layers, LockedOrHiddenCurrentLayerRefusesNewArt) {
    for (bool hide : {false, true}) {
        Document doc;
        ArtId existing = newPath(doc);
        LayerId layer = doc.currentLayer();
        ASSERT_EQ(hide ? doc.setLayerHidden(layer, true) : doc.setLayerLocked(layer, true), Status::ok);
        std::string before = doc.debugDump();
        ArtId out = 7;
        EXPECT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &out), Status::locked);
        EXPECT_EQ(out, 0u);
        EXPECT_EQ(doc.newRect(0, 0, 10, 10, false, &out), Status::locked);
        EXPECT_EQ(doc.newOval(0, 0, 10, 10, false, &out), Status::locked);
        EXPECT_EQ(doc.duplicate(existing, Placement::aboveAll, 0, &out), Status::locked);
        EXPECT_EQ(doc.debugDump(), before);
    }
}

TEST(Handles, DisposedRemovedAndUnknownIdsResolveToNull) {
    Document doc;
    EXPECT_EQ(doc.find(0), nullptr);
    EXPECT_EQ(doc.find(12345), nullptr);
    ArtId group = 0;
    ASSERT_EQ(doc.newArt(ArtKind::group, Placement::aboveAll, 0, &group), Status::ok);
    ArtId child = newPath(doc, Placement::insideOnTop, group);
    ASSERT_EQ(doc.dispose(group), Status::ok);
    EXPECT_EQ(doc.find(group), nullptr);
    EXPECT_EQ(doc.find(child), nullptr);
    EXPECT_EQ(doc.setOpacity(child, 0.5f), Status::badHandle);
    EXPECT_EQ(doc.dispose(group), Status::badHandle);
    // Ids are never reused.
    ArtId next = newPath(doc);
    EXPECT_GT(next, child);
    // The last layer stays.
    EXPECT_EQ(doc.dispose(doc.layers()[0]), Status::badParameter);
    // Wrong kinds.
    EXPECT_EQ(doc.setClosed(doc.layers()[0], true), Status::badHandle);
    EXPECT_EQ(doc.setSegments(doc.layers()[0], 0, {}), Status::badHandle);
}

TEST(Paths, SetSegmentsReplacesAndAppends) {
    Document doc;
    ArtId p = newPath(doc);
    auto seg = [](float x) { return Segment{{x, 0}, {x, 0}, {x, 0}, false}; };
    ASSERT_EQ(doc.setSegments(p, 0, {seg(1), seg(2)}), Status::ok);
    ASSERT_EQ(doc.setSegments(p, 2, {seg(3)}), Status::ok);   // index == count appends
    ASSERT_EQ(doc.setSegments(p, 1, {seg(5), seg(6), seg(7)}), Status::ok);  // replaces, then grows
    std::vector<Segment> want = {seg(1), seg(5), seg(6), seg(7)};
    EXPECT_EQ(doc.find(p)->segments, want);
    EXPECT_EQ(doc.setSegments(p, 5, {seg(1)}), Status::badParameter);
    EXPECT_EQ(doc.find(p)->segments, want);
    EXPECT_EQ(doc.setAllSegments(p, std::vector<Segment>(kMaxSegments + 1)), Status::tooManyPoints);
    ASSERT_EQ(doc.setAllSegments(p, std::vector<Segment>(kMaxSegments)), Status::ok);
    EXPECT_EQ(doc.setSegments(p, kMaxSegments, {seg(1)}), Status::tooManyPoints);
    EXPECT_EQ(doc.find(p)->segments.size(), kMaxSegments);
}

TEST(Paint, StyleOnCompoundReachesEveryChildAndChannelsAreLimited) {
    Document doc;
    ArtId compound = 0;
    ASSERT_EQ(doc.newArt(ArtKind::compound, Placement::aboveAll, 0, &compound), Status::ok);
    ArtId a = newPath(doc, Placement::insideOnTop, compound);
    ArtId b = newPath(doc, Placement::insideOnTop, compound);
    PathStyle s;
    s.fill = Colour{kThree, {0.2f, 1.5f, -0.5f, 0}, 0};
    s.strokeWidth = 3;
    ASSERT_EQ(doc.setStyle(compound, s), Status::ok);
    for (ArtId id : {a, b}) {
        EXPECT_EQ(doc.find(id)->style.fill, (Colour{kThree, {0.2f, 1, 0, 0}, 0}));
        EXPECT_EQ(doc.find(id)->style.strokeWidth, 3);
    }
    EXPECT_EQ(doc.pathStyle(compound), &doc.find(a)->style);
    s.strokeWidth = -1;
    EXPECT_EQ(doc.setStyle(a, s), Status::badParameter);
    s.strokeWidth = 1;
    s.fill.kind = 42;
    EXPECT_EQ(doc.setStyle(a, s), Status::badParameter);
    s.fill = Colour{kGradient, {}, 0};  // no paint server 0 yet
    EXPECT_EQ(doc.setStyle(a, s), Status::badParameter);
    EXPECT_EQ(doc.addPaintServer(PaintServer{"g", "<linearGradient/>", Colour{kThree, {1, 0, 0, 0}, 0}}), 0);
    EXPECT_EQ(doc.setStyle(a, s), Status::ok);
    EXPECT_EQ(doc.setBlendMode(a, 16), Status::badParameter);
    EXPECT_EQ(doc.setOpacity(a, 1.5f), Status::badParameter);
}

// Every mutating call with a non-finite number is refused and leaves the document as it was.
TEST(Handles, NonFiniteNumbersAreRefusedWithoutChange) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (float bad : {nan, inf, -inf}) {
        Document doc;
        ArtId p = 0, env = 0, rect = 0;
        ASSERT_EQ(doc.newRect(0, 0, 10, 10, false, &p), Status::ok);
        ASSERT_EQ(doc.newRect(0, 0, 20, 20, false, &rect), Status::ok);
        ASSERT_EQ(doc.makeEnvelope(p, rect, &env), Status::ok);
        doc.beginCommand();
        const std::string before = doc.debugDump();
        Segment s{{bad, 0}, {0, 0}, {0, 0}, false};
        PathStyle style;
        style.stroke.channel[2] = bad;
        PathStyle wide;
        wide.strokeWidth = bad;
        Matrix m;
        m.tx = bad;
        ArtId out = 0;
        const std::pair<const char*, Status> calls[] = {
            {"setSegments", doc.setSegments(p, 0, {s})},
            {"setAllSegments", doc.setAllSegments(p, {s})},
            {"channel", doc.setStyle(p, style)},
            {"width", doc.setStyle(p, wide)},
            {"opacity", doc.setOpacity(p, bad)},
            {"matrix", doc.transform(p, m, 1)},
            {"line scale", doc.transform(p, Matrix{}, bad)},
            {"overflowing result", doc.transform(p, Matrix{1e38, 0, 0, 1e38, 0, 0}, 1)},
            {"rectangle", doc.newRect(0, bad, 1, 1, false, &out)},
            {"oval", doc.newOval(bad, 0, 1, 1, false, &out)},
            {"warp", doc.setWarp(env, Warp{3, bad, 0, 0, true})},
            {"current style", doc.setCurrentStyle(style)},
            {"page", doc.setPage(bad, 10)},
        };
        for (const auto& [name, status] : calls) {
            SCOPED_TRACE(name);
            EXPECT_EQ(status, Status::badParameter);
        }
        EXPECT_EQ(doc.debugDump(), before);
        EXPECT_EQ(doc.journalSize(), 0u);
    }
}

}  // namespace
}  // namespace kelvo::doc
