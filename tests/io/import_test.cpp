// SVG import: page sizing, geometry, transforms, styles, references and the round trip.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>
#include <vector>

#include "test_documents.h"

namespace kelvo::io {
namespace {

std::unique_ptr<doc::Document> load(const std::string& svg, std::vector<std::string>* warnings = nullptr) {
    return importSvg(svg, warnings, "test.svg");
}

// The top-level art of the first layer.
std::vector<const doc::Art*> topArt(const doc::Document& document) {
    std::vector<const doc::Art*> out;
    for (doc::ArtId id : document.find(document.layers().front())->children) out.push_back(document.find(id));
    return out;
}

const doc::Art& onlyArt(const doc::Document& document) {
    auto art = topArt(document);
    EXPECT_EQ(art.size(), 1u);
    return *art.at(0);
}

std::string wrap(const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 200 100\">" +
           body + "</svg>";
}

TEST(SvgImport, PageSizeFollowsWidthHeightAndViewBox) {
    struct Case {
        const char* attributes;
        float width, height;
    } cases[] = {
        {"width=\"200\" height=\"100\"", 150, 75},  // px
        {"width=\"2in\" height=\"1in\"", 144, 72},
        {"width=\"25.4mm\" height=\"2.54cm\"", 72, 72},
        {"width=\"10pc\" height=\"30pt\"", 120, 30},
        {"viewBox=\"0 0 300 200\"", 300, 200},  // one user unit is one point
        {"", 612, 792},
        {"width=\"100pt\" viewBox=\"0 0 50 25\"", 100, 50},  // height from the viewBox's proportions
        {"width=\"100%\" height=\"100%\" viewBox=\"0 0 40 30\"", 40, 30},
    };
    for (const auto& c : cases) {
        auto document = load(std::string("<svg xmlns=\"http://www.w3.org/2000/svg\" ") + c.attributes + "/>");
        EXPECT_FLOAT_EQ(document->width(), c.width) << c.attributes;
        EXPECT_FLOAT_EQ(document->height(), c.height) << c.attributes;
        EXPECT_EQ(document->colourModel(), 1) << c.attributes;
    }
}

TEST(SvgImport, ViewBoxMapsOntoThePageWithYUp) {
    // 200 × 100 px page (150 × 75 pt); the viewBox is scaled by 1.5 and centred (xMidYMid meet).
    auto document = load("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" viewBox=\"0 0 50 50\">"
                         "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\"/></svg>");
    const auto& rect = onlyArt(*document);
    ASSERT_EQ(rect.segments.size(), 4u);
    EXPECT_EQ(rect.segments[0].anchor, (doc::Point{37.5f, 75}));  // top left
    EXPECT_EQ(rect.segments[2].anchor, (doc::Point{52.5f, 60}));  // bottom right
    EXPECT_TRUE(rect.closed);
}

TEST(SvgImport, ShapesBecomeCubicPaths) {
    struct Case {
        const char* element;
        std::size_t segments;
        bool closed;
    } cases[] = {
        {"<rect width=\"10\" height=\"10\"/>", 4, true},
        {"<rect width=\"10\" height=\"10\" rx=\"2\"/>", 8, true},
        {"<circle cx=\"50\" cy=\"50\" r=\"10\"/>", 4, true},
        {"<ellipse cx=\"50\" cy=\"50\" rx=\"10\" ry=\"5\"/>", 4, true},
        {"<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"10\"/>", 2, false},
        {"<polyline points=\"0,0 10,0 10,10 7\"/>", 3, false},  // the odd number is dropped
        {"<polygon points=\"0,0 10,0 10,10\"/>", 3, true},
        {"<path d=\"M10 10 H 50 V 50 h-40 z\"/>", 4, true},
        {"<path d=\"M10 10 Q 50 0 90 10 T 170 10\"/>", 3, false},
        {"<path d=\"M10 50 A 40 40 0 0 1 90 50\"/>", 3, false},  // a half circle: two quarters
        {"<path d=\"M10 50 C 10 0 90 0 90 50 S 170 100 170 50\"/>", 3, false},
        {"<path d=\"M10 10 L 50 10 L 10 10 Z\"/>", 2, true},  // the closing point merges into the first
    };
    for (const auto& c : cases) {
        auto document = load(wrap(c.element));
        const auto& art = onlyArt(*document);
        EXPECT_EQ(art.kind, doc::ArtKind::path) << c.element;
        EXPECT_EQ(art.segments.size(), c.segments) << c.element;
        EXPECT_EQ(art.closed, c.closed) << c.element;
    }
}

TEST(SvgImport, CurvesKeepTheirGeometry) {
    // An arc of radius 40 from (10, 50) to (90, 50) through (50, 10); page y = 100 − y.
    auto document = load(wrap("<path d=\"M10 50 A 40 40 0 0 1 90 50\"/>"));
    const auto& arc = onlyArt(*document);
    ASSERT_EQ(arc.segments.size(), 3u);
    EXPECT_NEAR(arc.segments[1].anchor.x, 50, 1e-4);
    EXPECT_NEAR(arc.segments[1].anchor.y, 90, 1e-4);
    EXPECT_FALSE(arc.segments[1].corner);
    EXPECT_NEAR(arc.segments[1].in.x, 50 - 40 * 0.5522847f, 1e-3);
    // A quadratic's control point raised to cubic: 2/3 of the way towards it.
    document = load(wrap("<path d=\"M0 0 Q 30 30 60 0\"/>"));
    const auto& quad = onlyArt(*document);
    EXPECT_NEAR(quad.segments[0].out.x, 20, 1e-5);
    EXPECT_NEAR(quad.segments[0].out.y, 100 - 20, 1e-5);
    EXPECT_NEAR(quad.segments[1].in.x, 40, 1e-5);
}

TEST(SvgImport, SubpathsMakeACompoundPathWithTheFillRule) {
    auto document = load(wrap("<path id=\"ring\" fill-rule=\"evenodd\" d=\"M0 0H100V100H0Z M25 25H75V75H25Z\"/>"));
    const auto& art = onlyArt(*document);
    EXPECT_EQ(art.kind, doc::ArtKind::compound);
    EXPECT_EQ(art.name, "ring");
    ASSERT_EQ(art.children.size(), 2u);
    EXPECT_TRUE(document->find(art.children[1])->style.evenOdd);
}

TEST(SvgImport, TransformsApplyToCoordinatesAndStrokeWidth) {
    struct Case {
        const char* transform;
        doc::Point first;  // where (10, 0) lands, in artwork coordinates
        float strokeWidth;
    } cases[] = {
        {"translate(5 7)", {15, 93}, 1},
        {"scale(2)", {20, 100}, 2},
        {"scale(2, 8)", {20, 100}, 4},
        {"rotate(90)", {0, 90}, 1},
        {"rotate(90 10 10)", {20, 90}, 1},
        {"matrix(1 0 0 1 3 4)", {13, 96}, 1},
        {"skewY(45)", {10, 90}, 1},
        {"translate(10) scale(2)", {30, 100}, 2},
        {"bogus(1)", {10, 100}, 1},  // ignored with a warning
    };
    for (const auto& c : cases) {
        auto document = load(wrap(std::string("<path stroke=\"red\" transform=\"") + c.transform + "\" d=\"M10 0 L 20 0\"/>"));
        const auto& art = onlyArt(*document);
        EXPECT_NEAR(art.segments[0].anchor.x, c.first.x, 1e-4) << c.transform;
        EXPECT_NEAR(art.segments[0].anchor.y, c.first.y, 1e-4) << c.transform;
        EXPECT_FLOAT_EQ(art.style.strokeWidth, c.strokeWidth) << c.transform;
    }
}

TEST(SvgImport, ColoursAreThreeColour) {
    struct Case {
        const char* fill;
        float r, g, b;
    } cases[] = {
        {"#f80", 1, 0x88 / 255.f, 0}, {"#FF8000", 1, 0x80 / 255.f, 0}, {"rgb(255, 0, 51)", 1, 0, 0.2f},
        {"rgb(100%, 50%, 0%)", 1, 0.5f, 0}, {"rgb(300, -5, 0)", 1, 0, 0}, {"navy", 0, 0, 128 / 255.f},
        {"ReBeccaPurple", 0x66 / 255.f, 0x33 / 255.f, 0x99 / 255.f}, {"hsl(120, 100%, 25%)", 0, 0.5f, 0},
        {"currentColor", 0, 0.5f, 1},  // the color property below
    };
    for (const auto& c : cases) {
        auto document = load(wrap(std::string("<g color=\"#0080ff\"><rect width=\"5\" height=\"5\" fill=\"") + c.fill + "\"/></g>"));
        const auto& fill = onlyArt(*document).style.fill;
        EXPECT_EQ(fill.kind, doc::kThree) << c.fill;
        EXPECT_NEAR(fill.channel[0], c.r, 0.003) << c.fill;
        EXPECT_NEAR(fill.channel[1], c.g, 0.003) << c.fill;
        EXPECT_NEAR(fill.channel[2], c.b, 0.003) << c.fill;
    }
}

TEST(SvgImport, OurDataAttributesGiveFourColourAndGrayBackExactly) {
    auto document = load(wrap("<rect width=\"5\" height=\"5\" fill=\"#8a7a6b\" data-kelvo-fill=\"cmyk(0.1, 0.2, 0.3, 0.4)\""
                              " stroke=\"#bfbfbf\" data-kelvo-stroke=\"gray(0.25)\"/>"));
    const auto& style = onlyArt(*document).style;
    EXPECT_EQ(style.fill, (doc::Colour{doc::kFour, {0.1f, 0.2f, 0.3f, 0.4f}, 0}));
    EXPECT_EQ(style.stroke, (doc::Colour{doc::kGray, {0.25f, 0, 0, 0}, 0}));
}

TEST(SvgImport, StylesCascadeFromSheetsAttributesAndGroups) {
    auto document = load(wrap(R"svg(<style>
            rect { fill: blue }
            .warm, #special { fill: orange; stroke-width: 4 }
            g > rect.cold { fill: aqua }
        </style>
        <g stroke="black" stroke-linejoin="round" fill-rule="evenodd">
          <rect width="5" height="5"/>
          <rect class="warm" width="5" height="5"/>
          <rect id="special" width="5" height="5" style="fill: lime; /* wins */"/>
          <rect class="cold" width="5" height="5" fill="red"/>
          <rect width="5" height="5" style="fill: inherit; stroke: none"/>
        </g>)svg"));
    const auto& group = onlyArt(*document);
    ASSERT_EQ(group.children.size(), 5u);
    auto style = [&](int i) { return document->find(group.children[i])->style; };
    EXPECT_EQ(style(0).fill.channel, (std::array<float, 4>{0, 0, 1, 0}));
    EXPECT_EQ(style(1).fill.channel, (std::array<float, 4>{1, 165 / 255.f, 0, 0}));
    EXPECT_FLOAT_EQ(style(1).strokeWidth, 4);
    EXPECT_EQ(style(2).fill.channel, (std::array<float, 4>{0, 1, 0, 0}));
    EXPECT_EQ(style(3).fill.channel, (std::array<float, 4>{0, 1, 1, 0}));  // a rule beats the attribute
    EXPECT_EQ(style(4).fill.channel, (std::array<float, 4>{0, 0, 0, 0}));  // inherit: the group's, black
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(style(i).strokePaint) << i;
        EXPECT_EQ(style(i).lineJoin, 1) << i;
        EXPECT_TRUE(style(i).evenOdd) << i;
    }
    EXPECT_FALSE(style(4).strokePaint);
}

TEST(SvgImport, OpacityFoldsWhereOneObjectCanShowIt) {
    auto document = load(wrap(R"svg(<g opacity="0.5"><rect id="a" width="5" height="5" fill-opacity="0.5"/></g>
        <g id="pair" opacity="0.5"><rect width="5" height="5"/><rect width="5" height="5"/></g>
        <rect id="split" width="5" height="5" fill="red" stroke="blue" stroke-opacity="0.25"/>
        <rect id="same" width="5" height="5" fill="red" stroke="blue" fill-opacity="50%" stroke-opacity=".5"/>)svg"));
    auto art = topArt(*document);
    ASSERT_EQ(art.size(), 4u);
    EXPECT_EQ(art[0]->kind, doc::ArtKind::path);  // the group without id went, its opacity came down
    EXPECT_FLOAT_EQ(art[0]->opacity, 0.25f);
    EXPECT_EQ(art[1]->kind, doc::ArtKind::group);
    EXPECT_FLOAT_EQ(art[1]->opacity, 0.5f);
    // Different fill and stroke alphas: the fill and the stroke become two objects.
    ASSERT_EQ(art[2]->kind, doc::ArtKind::group);
    EXPECT_EQ(art[2]->name, "split");
    const doc::Art* fill = document->find(art[2]->children[0]);
    const doc::Art* stroke = document->find(art[2]->children[1]);
    EXPECT_TRUE(fill->style.fillPaint && !fill->style.strokePaint);
    EXPECT_FLOAT_EQ(fill->opacity, 1);
    EXPECT_TRUE(!stroke->style.fillPaint && stroke->style.strokePaint);
    EXPECT_FLOAT_EQ(stroke->opacity, 0.25f);
    EXPECT_FLOAT_EQ(art[3]->opacity, 0.5f);
}

TEST(SvgImport, BlendModesComeFromStyleOnly) {
    auto document = load(wrap(R"svg(<rect width="5" height="5" style="mix-blend-mode: color-dodge"/>
        <rect width="5" height="5" style="mix-blend-mode:luminosity"/>
        <rect width="5" height="5" mix-blend-mode="multiply"/>)svg"));
    auto art = topArt(*document);
    ASSERT_EQ(art.size(), 3u);
    EXPECT_EQ(art[0]->blendMode, 6);
    EXPECT_EQ(art[1]->blendMode, 15);
    EXPECT_EQ(art[2]->blendMode, 0);
}

TEST(SvgImport, HiddenAndNonRenderingContentIsSkipped) {
    auto document = load(wrap(R"svg(<defs><rect id="r" width="5" height="5"/></defs>
        <symbol id="s"><rect width="5" height="5"/></symbol>
        <rect width="5" height="5" display="none"/>
        <g style="display:none"><rect width="5" height="5"/></g>
        <rect width="5" height="5" visibility="hidden"/>
        <g visibility="hidden"><rect id="shown" width="5" height="5" visibility="visible"/></g>)svg"));
    auto art = topArt(*document);
    ASSERT_EQ(art.size(), 1u);
    EXPECT_EQ(art[0]->name, "shown");
}

TEST(SvgImport, UseDrawsItsTargetInPlace) {
    auto document = load(wrap(R"svg(<defs><rect id="r" width="5" height="5" fill="inherit"/></defs>
        <symbol id="s" viewBox="0 0 10 10"><rect width="10" height="10"/></symbol>
        <use xlink:href="#r" x="10" y="20" fill="green"/>
        <use href="#s" x="50" width="20" height="20"/>)svg"));
    auto art = topArt(*document);
    ASSERT_EQ(art.size(), 2u);
    const doc::Art& placed = art[0]->kind == doc::ArtKind::group ? *document->find(art[0]->children[0]) : *art[0];
    EXPECT_EQ(placed.segments[0].anchor, (doc::Point{10, 80}));
    EXPECT_NEAR(placed.style.fill.channel[1], 128 / 255.f, 1e-6);  // inherited through the use
    const doc::Art* symbolRect = art[1]->kind == doc::ArtKind::group ? document->find(art[1]->children[0]) : art[1];
    EXPECT_EQ(symbolRect->segments[2].anchor, (doc::Point{70, 80}));  // scaled by 2
}

TEST(SvgImport, GradientsAreKeptAsPaintServers) {
    auto document = load(wrap(R"svg(<defs><linearGradient id="lg"><stop offset="0" stop-color="#00ff00"/>
        <stop offset="1" stop-color="blue"/></linearGradient></defs>
        <rect width="5" height="5" fill="url(#lg)"/>
        <rect width="5" height="5" fill="url(#missing) #ff0000"/>)svg"));
    ASSERT_EQ(document->paintServers().size(), 1u);
    const auto& server = document->paintServers()[0];
    EXPECT_EQ(server.id, "lg");
    EXPECT_EQ(server.svg.rfind("<linearGradient id=\"lg\">", 0), 0u) << server.svg;
    EXPECT_EQ(server.fallback, (doc::Colour{doc::kThree, {0, 1, 0, 0}, 0}));
    auto art = topArt(*document);
    EXPECT_EQ(art[0]->style.fill.kind, doc::kGradient);
    EXPECT_EQ(art[0]->style.fill.reference, 0);
    EXPECT_EQ(art[1]->style.fill, (doc::Colour{doc::kThree, {1, 0, 0, 0}, 0}));  // the fallback colour
    EXPECT_NE(exportSvg(*document).find("<linearGradient id=\"lg\">"), std::string::npos);
}

TEST(SvgImport, LayerGroupsBecomeLayersInOrder) {
    auto document = load(R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape">
        <g inkscape:groupmode="layer" inkscape:label="Back"><rect width="5" height="5"/></g>
        <g inkscape:groupmode="layer" inkscape:label="Front" style="display:none"><rect width="5" height="5"/></g></svg>)svg");
    ASSERT_EQ(document->layers().size(), 2u);
    EXPECT_EQ(document->find(document->layers()[0])->name, "Back");
    const doc::Art* front = document->find(document->layers()[1]);
    EXPECT_EQ(front->name, "Front");
    EXPECT_TRUE(front->hidden);
    EXPECT_EQ(front->children.size(), 1u);
}

TEST(SvgImport, UnsupportedFeaturesWarnOncePerKind) {
    std::vector<std::string> warnings;
    auto document = load(wrap(R"svg(<text>a</text>
<text>b</text>
<image width="5" height="5"/>
<rect width="5" height="5" clip-path="url(#c)"/>
<rect width="5" height="5" clip-path="url(#c)"/>)svg"),
                         &warnings);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_EQ(warnings[0], "test.svg:1: <text> elements are not supported; skipped");
    EXPECT_EQ(warnings[1], "test.svg:3: <image> elements are not supported; skipped");
    EXPECT_EQ(warnings[2], "test.svg:4: clipping paths (clip-path) are not supported; drawn unclipped");
    EXPECT_EQ(topArt(*document).size(), 2u);  // the rectangles, drawn unclipped
}

// Import, export, import: the second document is the first.
TEST(SvgRoundTrip, ExportThenImportGivesTheSameDocument) {
    const char* svg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200" viewBox="0 0 150 100">
        <style>.a { fill: #336699; stroke: #ff0000; stroke-width: 3 }</style>
        <rect id="r" class="a" x="10.5" y="10" width="40" height="30" rx="5" stroke-linecap="round" stroke-miterlimit="7"/>
        <g id="g" opacity="0.7" style="mix-blend-mode: screen">
          <circle cx="80" cy="50" r="20" fill="gold"/>
          <path d="M10 90 Q 40 60 70 90 T 130 90" fill="none" stroke="navy" stroke-linejoin="bevel"/>
        </g>
        <path id="ring" fill-rule="evenodd" d="M100 10h40v40h-40z m10 10h20v20h-20z"/>
        <polygon points="5,95 20,70 35,95" fill="none" stroke="black" transform="rotate(10 20 80)"/>
      </svg>)svg";
    auto first = importSvg(svg, nullptr);
    std::string exported = exportSvg(*first);
    std::vector<std::string> warnings;
    auto second = importSvg(exported, &warnings);
    EXPECT_TRUE(warnings.empty());
    auto a = nlohmann::json::parse(exportJson(*first));
    auto b = nlohmann::json::parse(exportJson(*second));
    // Coordinates pass through text once as y = page height − y, so allow a float rounding step.
    std::function<void(const nlohmann::json&, const nlohmann::json&, const std::string&)> same =
        [&](const nlohmann::json& x, const nlohmann::json& y, const std::string& at) {
            ASSERT_EQ(x.type(), y.type()) << at;
            if (x.is_number_float() || (x.is_number() && y.is_number_float())) {
                EXPECT_NEAR(x.get<double>(), y.get<double>(), 1e-4 * std::max(1.0, std::abs(x.get<double>()))) << at;
            } else if (x.is_object()) {
                ASSERT_EQ(x.size(), y.size()) << at;
                for (auto it = x.begin(); it != x.end(); ++it) same(it.value(), y.at(it.key()), at + "/" + it.key());
            } else if (x.is_array()) {
                ASSERT_EQ(x.size(), y.size()) << at;
                for (std::size_t i = 0; i < x.size(); ++i) same(x[i], y[i], at + "/" + std::to_string(i));
            } else {
                EXPECT_EQ(x, y) << at;
            }
        };
    same(a, b, "");
    // Paint details the JSON does not carry.
    std::vector<doc::PathStyle> styles[2];
    first->forEach([&](const doc::Art& art) { if (art.kind == doc::ArtKind::path) styles[0].push_back(art.style); });
    second->forEach([&](const doc::Art& art) { if (art.kind == doc::ArtKind::path) styles[1].push_back(art.style); });
    EXPECT_EQ(styles[0], styles[1]);
}

TEST(SvgRoundTrip, HostDocumentsKeepColoursLayersAndGuides) {
    doc::Document document;
    doc::ArtId square = testing::addRect(document, 10, 20, 110, 120, testing::fillOnly({doc::kFour, {0.1f, 0.2f, 0.3f, 0.4f}, 0}));
    document.setBlendMode(square, 11);
    doc::ArtId guide = testing::addRect(document, 0, 0, 5, 5, testing::fillOnly({doc::kGray, {0.5f, 0, 0, 0}, 0}));
    document.setGuide(guide, true);
    auto back = importSvg(exportSvg(document), nullptr);
    EXPECT_EQ(back->colourModel(), 2);
    ASSERT_EQ(back->layers().size(), 2u);
    const doc::Art& imported = onlyArt(*back);
    EXPECT_EQ(imported.style.fill, document.find(square)->style.fill);
    EXPECT_EQ(imported.segments, document.find(square)->segments);
    EXPECT_EQ(imported.blendMode, 11);
    const doc::Art* guides = back->find(back->layers()[1]);
    EXPECT_EQ(guides->name, "Guides");
    ASSERT_EQ(guides->children.size(), 1u);
    EXPECT_TRUE(back->find(guides->children[0])->guide);
    EXPECT_EQ(back->find(guides->children[0])->style.fill, (doc::Colour{doc::kGray, {0.5f, 0, 0, 0}, 0}));
}

}  // namespace
}  // namespace kelvo::io
