// SVG export: one pass over the art tree appending to a single reserved string.
#include <string>
#include <vector>

#include "io/io.h"
#include "io/paint.h"

namespace kelvo::io {
namespace {

using doc::Art;
using doc::ArtKind;
using doc::Segment;

constexpr const char* kLineCaps[] = {"butt", "round", "square"};
constexpr const char* kLineJoins[] = {"miter", "round", "bevel"};

bool straight(const Segment& from, const Segment& to) {
    return from.out == from.anchor && to.in == to.anchor;
}

class SvgWriter {
public:
    explicit SvgWriter(const doc::Document& document) : document_(document), height_(document.height()) {}

    std::string write() {
        out_.reserve(estimateSize());
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
                " xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"";
        appendNumber(out_, document_.width());
        out_ += "pt\" height=\"";
        appendNumber(out_, height_);
        out_ += "pt\" viewBox=\"0 0 ";
        appendNumber(out_, document_.width());
        out_ += ' ';
        appendNumber(out_, height_);
        out_ += "\" data-kelvo-colour-model=\"";
        appendInteger(out_, document_.colourModel());
        out_ += "\">\n";
        writeDefs();
        for (doc::LayerId layerId : document_.layers()) {
            const Art* layer = document_.find(layerId);
            if (layer && !onlyGuides(*layer)) writeLayer(*layer);
            else if (layer) collectGuides(*layer);
        }
        if (!guides_.empty()) {
            out_ += "<g inkscape:groupmode=\"layer\" inkscape:label=\"Guides\" data-kelvo-layer=\"Guides\""
                    " data-kelvo-guides=\"true\" display=\"none\">\n";
            for (const Art* guide : guides_) writePath(*guide, "");
            out_ += "</g>\n";
        }
        out_ += "</svg>\n";
        return std::move(out_);
    }

private:
    std::size_t estimateSize() const {
        std::size_t segments = 0, objects = 0;
        document_.forEach([&](const Art& art) {
            segments += art.segments.size();
            ++objects;
        });
        return 1024 + segments * 64 + objects * 192;
    }

    float flip(float y) const { return static_cast<float>(static_cast<double>(height_) - y); }

    void point(doc::Point p) {
        appendNumber(out_, p.x);
        out_ += ' ';
        appendNumber(out_, flip(p.y));
    }

    void pathData(const std::vector<Segment>& segments, bool closed) {
        if (segments.empty()) return;
        out_ += 'M';
        point(segments[0].anchor);
        for (std::size_t i = 1; i < segments.size(); ++i) edge(segments[i - 1], segments[i]);
        if (closed) {
            if (segments.size() > 1 || !straight(segments[0], segments[0]))
                if (!straight(segments.back(), segments[0])) edge(segments.back(), segments[0]);
            out_ += 'Z';
        }
    }

    void edge(const Segment& from, const Segment& to) {
        if (straight(from, to)) {
            out_ += 'L';
            point(to.anchor);
            return;
        }
        out_ += 'C';
        point(from.out);
        out_ += ' ';
        point(to.in);
        out_ += ' ';
        point(to.anchor);
    }

    void colourAttributes(const char* name, const doc::Colour& colour) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        if (colour.kind == doc::kPattern || colour.kind == doc::kGradient) {
            const auto& servers = document_.paintServers();
            if (colour.reference >= 0 && static_cast<std::size_t>(colour.reference) < servers.size()) {
                out_ += "url(#";
                appendXmlEscaped(out_, servers[colour.reference].id);
                out_ += ") ";
            }
        }
        Rgb rgb = displayRgb(colour, document_);
        static constexpr char kHex[] = "0123456789abcdef";
        out_ += '#';
        for (double channel : rgb) {
            int byte = clampByte(channel);
            out_ += kHex[byte >> 4];
            out_ += kHex[byte & 15];
        }
        out_ += '"';
        if (colour.kind == doc::kFour || colour.kind == doc::kGray) {
            out_ += " data-kelvo-";
            out_ += name;
            out_ += colour.kind == doc::kFour ? "=\"cmyk(" : "=\"gray(";
            int count = colour.kind == doc::kFour ? 4 : 1;
            for (int i = 0; i < count; ++i) {
                if (i) out_ += ", ";
                appendNumber(out_, colour.channel[i]);
            }
            out_ += ")\"";
        }
    }

    void styleAttributes(const doc::PathStyle& style) {
        if (style.fillPaint && style.fill.kind != doc::kNone) colourAttributes("fill", style.fill);
        else out_ += " fill=\"none\"";
        if (style.evenOdd) out_ += " fill-rule=\"evenodd\"";
        if (!style.strokePaint || style.stroke.kind == doc::kNone) {
            // Kept for when the stroke is turned on again.
            if (style.strokeWidth != 1) {
                out_ += " stroke-width=\"";
                appendNumber(out_, style.strokeWidth);
                out_ += '"';
            }
            return;
        }
        colourAttributes("stroke", style.stroke);
        out_ += " stroke-width=\"";
        appendNumber(out_, style.strokeWidth);
        out_ += '"';
        if (style.lineCap > 0 && style.lineCap < 3) {
            out_ += " stroke-linecap=\"";
            out_ += kLineCaps[style.lineCap];
            out_ += '"';
        }
        if (style.lineJoin > 0 && style.lineJoin < 3) {
            out_ += " stroke-linejoin=\"";
            out_ += kLineJoins[style.lineJoin];
            out_ += '"';
        }
        if (style.miterLimit != 4) {
            out_ += " stroke-miterlimit=\"";
            appendNumber(out_, style.miterLimit);
            out_ += '"';
        }
    }

    void commonAttributes(const Art& art) {
        if (!art.name.empty()) {
            out_ += " id=\"";
            appendXmlEscaped(out_, art.name);
            out_ += '"';
        }
        if (art.opacity != 1) {
            out_ += " opacity=\"";
            appendNumber(out_, art.opacity);
            out_ += '"';
        }
        if (art.blendMode > 0 && art.blendMode < 16) {
            out_ += " style=\"mix-blend-mode:";
            out_ += blendModeName(art.blendMode);
            out_ += '"';
        }
    }

    void writePath(const Art& art, const char* extra) {
        out_ += "<path";
        commonAttributes(art);
        out_ += extra;
        out_ += " d=\"";
        pathData(art.segments, art.closed);
        out_ += '"';
        styleAttributes(art.style);
        if (art.guide) out_ += " data-kelvo-guide=\"true\"";
        out_ += "/>\n";
    }

    // A path shown on behalf of another object (envelope, symbol without a definition).
    void writeShownPath(const doc::Document::ShownPath& shown) {
        out_ += "<path d=\"";
        pathData(shown.segments, shown.closed);
        out_ += '"';
        styleAttributes(shown.art->style);
        out_ += "/>\n";
    }

    void writeArt(const Art& art) {
        switch (art.kind) {
            case ArtKind::path:
                if (art.guide) guides_.push_back(&art);
                else writePath(art, "");
                return;
            case ArtKind::compound: {
                const Art* first = nullptr;
                for (doc::ArtId childId : art.children)
                    if (const Art* child = document_.find(childId); child && !child->segments.empty()) {
                        first = child;
                        break;
                    }
                if (!first) return;
                out_ += "<path";
                commonAttributes(art);
                out_ += " d=\"";
                for (doc::ArtId childId : art.children)
                    if (const Art* child = document_.find(childId)) pathData(child->segments, child->closed);
                out_ += '"';
                styleAttributes(first->style);
                out_ += "/>\n";
                return;
            }
            case ArtKind::group:
            case ArtKind::layer:
                out_ += "<g";
                commonAttributes(art);
                out_ += ">\n";
                writeChildren(art);
                out_ += "</g>\n";
                return;
            case ArtKind::symbolInstance:
                writeInstance(art);
                return;
            case ArtKind::envelope:
                out_ += "<g";
                commonAttributes(art);
                out_ += " data-kelvo-envelope=\"true\">\n";
                for (const auto& shown : document_.shownPaths(art.id)) writeShownPath(shown);
                out_ += "</g>\n";
                return;
        }
    }

    void writeChildren(const Art& art) {
        for (doc::ArtId childId : art.children)
            if (const Art* child = document_.find(childId)) writeArt(*child);
    }

    void writeInstance(const Art& art) {
        const auto& symbols = document_.symbols();
        bool defined = art.symbol >= 0 && static_cast<std::size_t>(art.symbol) < symbols.size() &&
                       document_.find(symbols[art.symbol].definition) != nullptr;
        if (!defined) {
            out_ += "<g";
            commonAttributes(art);
            out_ += ">\n";
            for (const auto& shown : document_.shownPaths(art.id)) writeShownPath(shown);
            out_ += "</g>\n";
            return;
        }
        // The definition is written in page space (y down); conjugating the artwork placement
        // with the flip y -> H - y gives the placement in page space.
        const doc::Matrix& p = art.placement;
        double h = height_;
        out_ += "<use";
        commonAttributes(art);
        out_ += " xlink:href=\"#kelvo-symbol-";
        appendInteger(out_, art.symbol);
        out_ += "\" transform=\"matrix(";
        const double values[6] = {p.a, -p.b, -p.c, p.d, p.c * h + p.tx, h - p.d * h - p.ty};
        for (int i = 0; i < 6; ++i) {
            if (i) out_ += ' ';
            appendNumber(out_, static_cast<float>(values[i]));
        }
        out_ += ")\"/>\n";
    }

    void writeDefs() {
        const auto& servers = document_.paintServers();
        const auto& symbols = document_.symbols();
        bool anySymbol = false;
        for (const auto& symbol : symbols) anySymbol |= document_.find(symbol.definition) != nullptr;
        if (servers.empty() && !anySymbol) return;
        out_ += "<defs>\n";
        for (const auto& server : servers) {
            out_ += server.svg;
            out_ += '\n';
        }
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            const Art* definition = document_.find(symbols[i].definition);
            if (!definition) continue;
            out_ += "<symbol id=\"kelvo-symbol-";
            appendInteger(out_, static_cast<long long>(i));
            out_ += "\" data-kelvo-symbol=\"";
            appendXmlEscaped(out_, symbols[i].name);
            out_ += "\" overflow=\"visible\">\n";
            writeArt(*definition);
            out_ += "</symbol>\n";
        }
        out_ += "</defs>\n";
    }

    bool onlyGuides(const Art& layer) const {
        if (layer.children.empty()) return false;
        for (doc::ArtId childId : layer.children) {
            const Art* child = document_.find(childId);
            if (child && !(child->kind == ArtKind::path && child->guide)) return false;
        }
        return true;
    }

    void collectGuides(const Art& layer) {
        for (doc::ArtId childId : layer.children)
            if (const Art* child = document_.find(childId)) guides_.push_back(child);
    }

    void writeLayer(const Art& layer) {
        out_ += "<g inkscape:groupmode=\"layer\" inkscape:label=\"";
        appendXmlEscaped(out_, layer.name);
        out_ += "\" data-kelvo-layer=\"";
        appendXmlEscaped(out_, layer.name);
        out_ += '"';
        if (layer.hidden) out_ += " display=\"none\"";
        if (layer.opacity != 1) {
            out_ += " opacity=\"";
            appendNumber(out_, layer.opacity);
            out_ += '"';
        }
        out_ += ">\n";
        writeChildren(layer);
        out_ += "</g>\n";
    }

    const doc::Document& document_;
    float height_;
    std::string out_;
    std::vector<const Art*> guides_;
};

}  // namespace

std::string exportSvg(const doc::Document& document) {
    return SvgWriter(document).write();
}

}  // namespace kelvo::io
