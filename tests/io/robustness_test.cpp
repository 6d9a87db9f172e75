// Hostile and broken SVG input: clear errors or warnings, never a crash, a hang or a
// non-finite number in the document.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "test_documents.h"

namespace kelvo::io {
namespace {

bool allFinite(const doc::Document& document) {
    bool finite = std::isfinite(document.width()) && std::isfinite(document.height());
    auto point = [&](doc::Point p) { finite = finite && std::isfinite(p.x) && std::isfinite(p.y); };
    document.forEach([&](const doc::Art& art) {
        for (const auto& s : art.segments) {
            point(s.anchor);
            point(s.in);
            point(s.out);
        }
        finite = finite && std::isfinite(art.style.strokeWidth) && std::isfinite(art.opacity);
        for (float c : art.style.fill.channel) finite = finite && std::isfinite(c);
    });
    return finite;
}

std::string nested(int depth) {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\">";
    for (int i = 0; i < depth; ++i) svg += "<g>";
    svg += "<rect width=\"1\" height=\"1\"/>";
    for (int i = 0; i < depth; ++i) svg += "</g>";
    return svg + "</svg>";
}

// Each <use> draws the previous group ten times: 10^9 rectangles once expanded.
std::string referenceBomb() {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"><defs>"
                      "<g id=\"l0\"><rect width=\"1\" height=\"1\"/></g>";
    for (int level = 1; level <= 9; ++level) {
        svg += "<g id=\"l" + std::to_string(level) + "\">";
        for (int i = 0; i < 10; ++i) svg += "<use xlink:href=\"#l" + std::to_string(level - 1) + "\"/>";
        svg += "</g>";
    }
    return svg + "</defs><use xlink:href=\"#l9\"/></svg>";
}

TEST(SvgRobustness, UnreadableInputIsAClearError) {
    struct Case {
        std::string name, svg, message;
    } cases[] = {
        {"empty", "", "bad.svg:1: "},
        {"not XML", "hello", "bad.svg"},
        {"truncated", "<svg xmlns=\"http://www.w3.org/2000/svg\">\n<rect width=\"10\"", "bad.svg:2: "},
        {"mismatched tags", "<svg>\n\n<g></svg>", "bad.svg:3: "},
        {"no svg root", "<html><svg/></html>", "bad.svg: not an SVG file (no <svg> root element)"},
        {"too deep", nested(300), "nested deeper than 256"},
        {"reference bomb", referenceBomb(), "elements (with references expanded)"},
    };
    for (const auto& c : cases) {
        try {
            importSvg(c.svg, nullptr, "bad.svg");
            ADD_FAILURE() << c.name << ": no error";
        } catch (const Error& error) {
            std::string message = error.what();
            EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << c.name << ": " << message;
        }
    }
}

TEST(SvgRobustness, BadValuesAreSkippedWithAWarning) {
    struct Case {
        const char* name;
        const char* body;
        std::size_t art;  // objects drawn
    } cases[] = {
        {"huge numbers", "<path d=\"M0 0 L 1e300 5 L 3 1e39\"/><rect width=\"1e20\" height=\"5\"/>", 0},
        {"overflowing transform", "<g transform=\"scale(1e14)\"><g transform=\"scale(1e14)\"><rect width=\"5\" height=\"5\"/></g></g>", 0},
        {"not-a-number", "<rect x=\"nan\" width=\"5\" height=\"5\"/><path d=\"M0 0 L inf 5\"/>", 1},
        {"bad length", "<rect width=\"5qq\" height=\"5\"/><circle r=\"-3\"/>", 0},
        {"broken path data", "<path d=\"M 10 10 L 20 20 L 30 x 40 40\"/>", 1},
        {"numbers before a command", "<path d=\"10 10 L 20 20\"/>", 0},
        {"self reference", "<g id=\"a\"><use href=\"#a\"/><rect width=\"5\" height=\"5\"/></g>", 1},
        {"reference cycle", "<defs><g id=\"a\"><use href=\"#b\"/></g><g id=\"b\"><use href=\"#a\"/></g></defs><use href=\"#a\"/>", 0},
        {"missing reference", "<use href=\"#nowhere\"/><rect fill=\"url(#nowhere)\" width=\"5\" height=\"5\"/>", 1},
        {"bad colour", "<rect fill=\"rgb(1,2)\" width=\"5\" height=\"5\"/>", 1},
        {"bad viewBox", "<svg viewBox=\"0 0 -5 nan\"><rect width=\"5\" height=\"5\"/></svg>", 1},
        {"unknown element", "<blink><rect width=\"5\" height=\"5\"/></blink>", 0},
        {"bad style sheet", "<style>rect { fill: </style><style>@media print { rect { fill: red } } ::x{}</style>"
                            "<rect width=\"5\" height=\"5\"/>", 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> warnings;
        std::unique_ptr<doc::Document> document;
        ASSERT_NO_THROW(document = importSvg(std::string("<svg xmlns=\"http://www.w3.org/2000/svg\">") + c.body + "</svg>",
                                             &warnings, "bad.svg"))
            << c.name;
        std::size_t count = 0;
        document->forEach([&](const doc::Art& art) { count += art.kind != doc::ArtKind::layer && art.parent == document->layers()[0]; });
        EXPECT_EQ(count, c.art) << c.name;
        EXPECT_TRUE(allFinite(*document)) << c.name;
        for (const auto& warning : warnings) EXPECT_EQ(warning.rfind("bad.svg:1: ", 0), 0u) << c.name << ": " << warning;
    }
}

TEST(SvgRobustness, NestingUpToTheLimitIsRead) {
    auto document = importSvg(nested(200), nullptr);
    std::size_t paths = 0;
    document->forEach([&](const doc::Art& art) { paths += art.kind == doc::ArtKind::path; });
    EXPECT_EQ(paths, 1u);
}

TEST(SvgRobustness, MissingFileIsAnErrorNamingIt) {
    try {
        importSvgFile("/nonexistent/folder/drawing.svg", nullptr);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "drawing.svg: cannot open the file");
    }
}

// Random byte edits of real documents: import either succeeds or throws io::Error.
TEST(SvgRobustness, MutatedSuiteDocumentsNeverCrash) {
    namespace fs = std::filesystem;
    const fs::path suite = KELVO_SVG_SUITE;
    const char* sources[] = {"shapes/path/M-A-s.svg", "structure/style/rule-specificity.svg", "structure/use/indirect.svg",
                             "structure/svg/preserveAspectRatio=xMidYMid.svg", "painting/fill/rgb-color.svg",
                             "structure/transform/transform-list.svg"};
    const std::string alphabet = "<>/=\"' #.-+e0123456789();,:MLCQAZmlcqaz&";
    std::mt19937 random(20261211);
    int imported = 0, refused = 0;
    for (const char* source : sources) {
        std::ifstream file(suite / source, std::ios::binary);
        ASSERT_TRUE(file) << source;
        std::stringstream buffer;
        buffer << file.rdbuf();
        const std::string original = buffer.str();
        for (int round = 0; round < 150; ++round) {
            std::string text = original;
            int edits = 1 + static_cast<int>(random() % 8);
            for (int e = 0; e < edits && !text.empty(); ++e) {
                std::size_t at = random() % text.size();
                switch (random() % 4) {
                    case 0: text[at] = alphabet[random() % alphabet.size()]; break;
                    case 1: text.erase(at, 1 + random() % 16); break;
                    case 2: text.insert(at, text.substr(random() % text.size(), random() % 64)); break;
                    default: text.resize(at); break;
                }
            }
            try {
                auto document = importSvg(text, nullptr, source);
                EXPECT_TRUE(allFinite(*document)) << source << " round " << round;
                ++imported;
            } catch (const Error&) {
                ++refused;
            }
        }
    }
    EXPECT_GT(imported, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace kelvo::io
