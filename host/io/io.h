// File input and output of documents: SVG import and export, the JSON document, and PDF and
// PNG through cairo.
//
// Every function here reads the document only; none opens a command or changes it. Failures
// throw io::Error with a one-line message that names the file and, where known, the line
// ("drawing.svg:12: not well-formed XML"); std::bad_alloc passes through.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace kelvo::io {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// ---- Export

// SVG 1.1 with width and height in pt and a matching viewBox (one user unit is one point), so
// importing the result gives back the same geometry and paint. Artwork y up becomes SVG y down
// (y = page height − y). Each visible or hidden layer is a <g> layer group, bottom first;
// guides go to a non-printing "Guides" layer group on top. Four-colour and gray paint is shown
// as sRGB and kept exactly in data-kelvo-fill / data-kelvo-stroke ("cmyk(c, m, y, k)",
// "gray(g)"). Symbols are <symbol> with <use>; envelopes are written as their warped paths;
// gradients and patterns are written back in <defs> as they were imported.
std::string exportSvg(const doc::Document& document);

// The JSON document: {"page": {"width", "height"}, "colourModel", "layers": [{"name", "art":
// [ART, …]}]}, art bottom first. ART has "type" ("path", "compound", "group", "symbol",
// "envelope"), "id" (the art's name, "" when it has none), "opacity" and "blendMode"; paths add
// "closed", "guide", "segments" and "style"; compound paths add "style" (their children's) and
// "children"; groups "children"; a symbol instance "symbol" (the symbol's name) and "children"
// (its placed paths); an envelope "children" (its warped paths). A colour is {"kind",
// "channels"} with as many channels as the kind uses (gray 1, three-colour 3, four-colour 4,
// none 0); gradient and pattern paint add "server" (the paint server's id). Coordinates are
// artwork coordinates as stored.
std::string exportJson(const doc::Document& document);

// PDF (one page, the page size in points) and PNG (the page at dpi / 72 pixels per point,
// transparent background, 8-bit RGBA). Both draw what the SVG shows: y flipped, paint in sRGB,
// opacity and blending modes as isolated groups, guides and hidden layers not drawn.
// Gradients and patterns are drawn with their fallback colour.
std::string exportPdf(const doc::Document& document);
std::string exportPng(const doc::Document& document, double dpi);

// The page rendered at dpi / 72 pixels per point: premultiplied ARGB pixels (cairo's
// ARGB32, native endian), row after row, transparent background.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
Image renderImage(const doc::Document& document, double dpi);

// Writes `bytes` to `path` whole or not at all: a temporary file in the same folder, then a
// rename over the target. On failure the temporary is removed and an existing file at `path`
// stays as it was. Refuses (io::Error) when `path` names the same file as `inputPath` (when
// given).
void writeFileAtomically(const std::string& path, std::string_view bytes,
                         const std::string& inputPath = {});

// Exports by the extension of `path` (.svg, .json, .pdf, .png; case-insensitive) and writes
// atomically as above; dpi applies to PNG only and must be finite, positive and at most 2400.
// An unknown extension is an io::Error.
void writeDocument(const doc::Document& document, const std::string& path, double dpi = 72,
                   const std::string& inputPath = {});

// ---- Import

// A new document from SVG text: the page from width, height and viewBox (see README.md), one
// layer "Layer 1" unless the file has layer groups, the three-colour model, every colour
// three-colour except where our own data-kelvo-fill / data-kelvo-stroke attribute gives a
// four-colour or gray colour. `sourceName` names the file in messages. Unsupported features are
// skipped with one warning line per kind, appended to `warnings` when it is not null. Input
// that is not well-formed XML, has no <svg> root, nests deeper than kMaxDepth or expands to
// more than kMaxElements elements throws io::Error.
std::unique_ptr<doc::Document> importSvg(std::string_view text, std::vector<std::string>* warnings,
                                         const std::string& sourceName = "input.svg");
// The same for a file; messages name the file by its name without the folder.
std::unique_ptr<doc::Document> importSvgFile(const std::string& path,
                                             std::vector<std::string>* warnings);

inline constexpr int kMaxDepth = 256;
inline constexpr std::size_t kMaxElements = 1'000'000;

}  // namespace kelvo::io
