// SVG, JSON, PNG and PDF export of small documents.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

#include "test_documents.h"

namespace kelvo::io {
namespace {

using testing::addRect;
using testing::fillOnly;
using testing::pixel;

// Two layers: "Layer 1" with a four-colour square (multiply, half opacity) and a guide,
// "Top" with a gray-stroked open curve.
struct TwoLayers {
    doc::Document document;
    doc::ArtId square = 0, guide = 0, curve = 0;
    doc::LayerId top = 0;

    TwoLayers() {
        square = addRect(document, 10, 20, 110, 120, fillOnly({doc::kFour, {0.1f, 0.2f, 0.3f, 0.4f}, 0}));
        document.setName(square, "square");
        document.setBlendMode(square, 1);
        document.setOpacity(square, 0.5f);
        guide = addRect(document, 0, 0, 50, 50, fillOnly({doc::kThree, {1, 0, 0, 0}, 0}));
        document.setGuide(guide, true);
        document.insertLayer(0, doc::Placement::aboveAll, &top);
        document.setName(top, "Top");
        document.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, top, &curve);
        document.setAllSegments(curve, {{{0, 0}, {0, 0}, {10, 0}, true}, {{20, 10}, {20, 0}, {20, 10}, true}});
        doc::PathStyle stroke;
        stroke.fillPaint = false;
        stroke.stroke = {doc::kGray, {0.25f, 0, 0, 0}, 0};
        stroke.strokeWidth = 2.5f;
        stroke.lineCap = 1;
        document.setStyle(curve, stroke);
    }
};

TEST(SvgExport, WritesPageLayersPaintAndBlending) {
    TwoLayers fixture;
    std::string svg = exportSvg(fixture.document);
    EXPECT_NE(svg.find("width=\"612pt\" height=\"792pt\" viewBox=\"0 0 612 792\""), std::string::npos);
    auto layer1 = svg.find("inkscape:label=\"Layer 1\"");
    auto top = svg.find("inkscape:label=\"Top\"");
    auto guides = svg.find("inkscape:label=\"Guides\"");
    ASSERT_NE(layer1, std::string::npos);
    ASSERT_NE(top, std::string::npos);
    ASSERT_NE(guides, std::string::npos);
    EXPECT_LT(layer1, top);  // bottom first
    EXPECT_LT(top, guides);
    EXPECT_NE(svg.find("data-kelvo-layer=\"Top\""), std::string::npos);
    // (1 − c)(1 − k) … of cmyk(0.1, 0.2, 0.3, 0.4): #8a7a6b.
    EXPECT_NE(svg.find("<path id=\"square\" opacity=\"0.5\" style=\"mix-blend-mode:multiply\" "
                       "d=\"M10 672L110 672L110 772L10 772Z\" fill=\"#8a7a6b\" data-kelvo-fill=\"cmyk(0.1, 0.2, 0.3, 0.4)\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("d=\"M0 792C10 792 20 792 20 782\" fill=\"none\" stroke=\"#bfbfbf\" data-kelvo-stroke=\"gray(0.25)\" "
                       "stroke-width=\"2.5\" stroke-linecap=\"round\""),
              std::string::npos)
        << svg;
    // The guide is written in the guides layer only, which does not print.
    EXPECT_EQ(svg.find("data-kelvo-guide=\"true\""), svg.rfind("data-kelvo-guide=\"true\""));
    EXPECT_GT(svg.find("data-kelvo-guide=\"true\""), guides);
    EXPECT_NE(svg.find("data-kelvo-guides=\"true\" display=\"none\""), std::string::npos);
}

TEST(SvgExport, CompoundPathIsOnePathWithSubpathsAndItsFillRule) {
    doc::Document document;
    doc::ArtId compound = 0, outer = 0, inner = 0;
    document.newArt(doc::ArtKind::compound, doc::Placement::insideOnTop, 0, &compound);
    document.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, compound, &outer);
    document.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, compound, &inner);
    auto square = [](float a, float b) {
        return std::vector<doc::Segment>{{{a, a}, {a, a}, {a, a}, true}, {{b, a}, {b, a}, {b, a}, true}, {{b, b}, {b, b}, {b, b}, true}};
    };
    document.setAllSegments(outer, square(0, 100));
    document.setAllSegments(inner, square(25, 75));
    document.setClosed(outer, true);
    document.setClosed(inner, true);
    auto style = fillOnly({doc::kThree, {0, 0, 1, 0}, 0});
    style.evenOdd = true;
    document.setStyle(compound, style);
    std::string svg = exportSvg(document);
    EXPECT_NE(svg.find("d=\"M0 792L100 792L100 692ZM25 767L75 767L75 717Z\" fill=\"#0000ff\" fill-rule=\"evenodd\""),
              std::string::npos)
        << svg;
}

TEST(JsonExport, FollowsTheDocumentLayout) {
    TwoLayers fixture;
    auto json = nlohmann::json::parse(exportJson(fixture.document));
    EXPECT_EQ(json["page"], (nlohmann::json{{"width", 612}, {"height", 792}}));
    EXPECT_EQ(json["colourModel"], 2);
    ASSERT_EQ(json["layers"].size(), 2u);
    EXPECT_EQ(json["layers"][0]["name"], "Layer 1");
    EXPECT_EQ(json["layers"][1]["name"], "Top");
    const auto& square = json["layers"][0]["art"][0];
    EXPECT_EQ(square["type"], "path");
    EXPECT_EQ(square["id"], "square");
    EXPECT_EQ(square["closed"], true);
    EXPECT_EQ(square["guide"], false);
    EXPECT_EQ(square["opacity"], 0.5);
    EXPECT_EQ(square["blendMode"], 1);
    ASSERT_EQ(square["segments"].size(), 4u);
    EXPECT_EQ(square["segments"][0],
              (nlohmann::json{{"anchor", {10, 120}}, {"in", {10, 120}}, {"out", {10, 120}}, {"corner", true}}));
    const auto& style = square["style"];
    EXPECT_EQ(style["fillPaint"], true);
    EXPECT_EQ(style["strokePaint"], false);
    EXPECT_EQ(style["fill"]["kind"], 1);
    EXPECT_EQ(style["fill"]["channels"].size(), 4u);
    EXPECT_FLOAT_EQ(style["fill"]["channels"][3].get<float>(), 0.4f);
    EXPECT_EQ(style["strokeWidth"], 1);
    EXPECT_EQ(json["layers"][0]["art"][1]["guide"], true);
    EXPECT_EQ(json["layers"][1]["art"][0]["style"]["stroke"], (nlohmann::json{{"kind", 0}, {"channels", {0.25}}}));
}

TEST(JsonExport, ContainersListTheirChildren) {
    doc::Document document;
    doc::ArtId group = 0, child = 0, compound = 0, piece = 0;
    document.newArt(doc::ArtKind::group, doc::Placement::insideOnTop, 0, &group);
    document.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, group, &child);
    document.newArt(doc::ArtKind::compound, doc::Placement::insideOnTop, group, &compound);
    document.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, compound, &piece);
    auto json = nlohmann::json::parse(exportJson(document));
    const auto& art = json["layers"][0]["art"];
    ASSERT_EQ(art.size(), 1u);
    EXPECT_EQ(art[0]["type"], "group");
    ASSERT_EQ(art[0]["children"].size(), 2u);
    EXPECT_EQ(art[0]["children"][0]["type"], "path");
    EXPECT_EQ(art[0]["children"][1]["type"], "compound");
    EXPECT_EQ(art[0]["children"][1]["children"][0]["type"], "path");
}

TEST(JsonExport, SymbolInstancesAndEnvelopesShowTheirPaths) {
    doc::Document document;
    doc::ArtId square = addRect(document, 0, 0, 10, 10, fillOnly({doc::kThree, {0, 1, 0, 0}, 0}));
    int symbol = -1;
    ASSERT_EQ(document.newSymbolFromArt(square, &symbol), doc::Status::ok);
    ASSERT_EQ(document.transform(square, {1, 0, 0, 1, 100, 0}, 1), doc::Status::ok);
    doc::ArtId source = addRect(document, 200, 200, 300, 300, fillOnly({doc::kThree, {1, 0, 0, 0}, 0}));
    doc::ArtId shape = 0, envelope = 0;
    document.newOval(200, 200, 300, 300, false, &shape);
    ASSERT_EQ(document.makeEnvelope(source, shape, &envelope), doc::Status::ok);

    auto json = nlohmann::json::parse(exportJson(document));
    const auto& art = json["layers"][0]["art"];
    ASSERT_EQ(art.size(), 2u);
    EXPECT_EQ(art[0]["type"], "symbol");
    EXPECT_EQ(art[0]["symbol"], document.symbols()[symbol].name);
    ASSERT_EQ(art[0]["children"].size(), 1u);
    EXPECT_EQ(art[0]["children"][0]["segments"][0]["anchor"], (nlohmann::json{100, 10}));
    EXPECT_EQ(art[1]["type"], "envelope");
    EXPECT_EQ(art[1]["children"].size(), 1u);

    // The SVG defines the symbol once and places it with <use>.
    std::string svg = exportSvg(document);
    EXPECT_NE(svg.find("<symbol id=\"kelvo-symbol-0\""), std::string::npos);
    EXPECT_NE(svg.find("<use xlink:href=\"#kelvo-symbol-0\" transform=\"matrix(1 0 0 1 100 0)\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("data-kelvo-envelope"), std::string::npos);

    // Read back, the instance shows its square where the placement put it.
    auto back = importSvg(svg, nullptr);
    std::vector<doc::Point> corners;
    back->forEach([&](const doc::Art& art) {
        if (art.kind == doc::ArtKind::path && art.segments.size() == 4) corners.push_back(art.segments[0].anchor);
    });
    ASSERT_FALSE(corners.empty());
    EXPECT_EQ(corners.front(), (doc::Point{100, 10}));
}

TEST(ImageExport, DrawsPaintFlippedOnATransparentPage) {
    doc::Document document;
    document.setPage(100, 50);
    addRect(document, 0, 0, 50, 25, fillOnly({doc::kFour, {0, 1, 1, 0}, 0}));  // bottom left, red
    doc::ArtId guide = addRect(document, 50, 0, 100, 50, fillOnly({doc::kThree, {0, 0, 1, 0}, 0}));
    document.setGuide(guide, true);
    Image image = renderImage(document, 144);  // 2 pixels per point
    ASSERT_EQ(image.width, 200);
    ASSERT_EQ(image.height, 100);
    EXPECT_EQ(pixel(image, 10, 90), 0xFFFF0000u);  // artwork y up: the square is at the bottom
    EXPECT_EQ(pixel(image, 10, 10), 0x00000000u);  // transparent background
    EXPECT_EQ(pixel(image, 150, 50), 0x00000000u);  // guides do not print
}

TEST(ImageExport, OpacityAndBlendingModesComposite) {
    doc::Document document;
    document.setPage(10, 10);
    addRect(document, 0, 0, 10, 10, fillOnly({doc::kThree, {1, 1, 0, 0}, 0}));  // yellow
    doc::ArtId cyan = addRect(document, 0, 0, 5, 10, fillOnly({doc::kThree, {0, 1, 1, 0}, 0}));
    document.setBlendMode(cyan, 1);  // multiply: yellow × cyan = green
    doc::ArtId black = addRect(document, 5, 0, 10, 10, fillOnly({doc::kGray, {1, 0, 0, 0}, 0}));
    document.setOpacity(black, 0.5f);
    Image image = renderImage(document, 72);
    EXPECT_EQ(pixel(image, 2, 5), 0xFF00FF00u);
    std::uint32_t half = pixel(image, 7, 5);
    EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), 128, 1);
    EXPECT_EQ(half & 0xFF, 0u);
}

TEST(ImageExport, HiddenLayersAreNotDrawn) {
    doc::Document document;
    document.setPage(10, 10);
    addRect(document, 0, 0, 10, 10, fillOnly({doc::kThree, {1, 0, 0, 0}, 0}));
    document.setLayerHidden(document.layers().front(), true);
    Image image = renderImage(document, 72);
    EXPECT_EQ(pixel(image, 5, 5), 0u);
}

TEST(ImageExport, PngAndPdfAreWellFormed) {
    TwoLayers fixture;
    std::string png = exportPng(fixture.document, 36);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    std::string pdf = exportPdf(fixture.document);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos);
}

TEST(ImageExport, RefusesUnusableResolutions) {
    doc::Document document;
    for (double dpi : {0.0, -72.0, std::nan(""), 1e9}) EXPECT_THROW(renderImage(document, dpi), Error) << dpi;
}

}  // namespace
}  // namespace kelvo::io
