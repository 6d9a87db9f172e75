// The JSON document, written by hand into one string: numbers as their shortest float text.
#include <string>

#include "io/io.h"
#include "io/paint.h"

namespace kelvo::io {
namespace {

using doc::Art;
using doc::ArtKind;

class JsonWriter {
public:
    explicit JsonWriter(const doc::Document& document) : document_(document) {}

    std::string write() {
        std::size_t segments = 0;
        document_.forEach([&](const Art& art) { segments += art.segments.size(); });
        out_.reserve(1024 + segments * 110);
        out_ += "{\"page\":{\"width\":";
        appendNumber(out_, document_.width());
        out_ += ",\"height\":";
        appendNumber(out_, document_.height());
        out_ += "},\"colourModel\":";
        appendInteger(out_, document_.colourModel());
        out_ += ",\"layers\":[";
        bool first = true;
        for (doc::LayerId layerId : document_.layers()) {
            const Art* layer = document_.find(layerId);
            if (!layer) continue;
            if (!first) out_ += ',';
            first = false;
            out_ += "{\"name\":";
            appendJsonString(out_, layer->name);
            out_ += ",\"art\":";
            children(*layer);
            out_ += '}';
        }
        out_ += "]}\n";
        return std::move(out_);
    }

private:
    void pair(doc::Point p) {
        out_ += '[';
        appendNumber(out_, p.x);
        out_ += ',';
        appendNumber(out_, p.y);
        out_ += ']';
    }

    void colour(const doc::Colour& colour) {
        out_ += "{\"kind\":";
        appendInteger(out_, colour.kind);
        out_ += ",\"channels\":[";
        int count = colour.kind == doc::kGray ? 1 : colour.kind == doc::kThree ? 3 : colour.kind == doc::kFour ? 4 : 0;
        for (int i = 0; i < count; ++i) {
            if (i) out_ += ',';
            appendNumber(out_, colour.channel[i]);
        }
        out_ += ']';
        if (colour.kind == doc::kPattern || colour.kind == doc::kGradient) {
            const auto& servers = document_.paintServers();
            out_ += ",\"server\":";
            appendJsonString(out_, colour.reference >= 0 && static_cast<std::size_t>(colour.reference) < servers.size()
                                       ? std::string_view(servers[colour.reference].id)
                                       : std::string_view());
        }
        out_ += '}';
    }

    void style(const doc::PathStyle& style) {
        out_ += ",\"style\":{\"fillPaint\":";
        out_ += style.fillPaint ? "true" : "false";
        out_ += ",\"strokePaint\":";
        out_ += style.strokePaint ? "true" : "false";
        out_ += ",\"fill\":";
        colour(style.fill);
        out_ += ",\"stroke\":";
        colour(style.stroke);
        out_ += ",\"strokeWidth\":";
        appendNumber(out_, style.strokeWidth);
        out_ += '}';
    }

    void segments(const std::vector<doc::Segment>& segments) {
        out_ += ",\"segments\":[";
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const auto& s = segments[i];
            out_ += i ? ",{\"anchor\":" : "{\"anchor\":";
            pair(s.anchor);
            out_ += ",\"in\":";
            pair(s.in);
            out_ += ",\"out\":";
            pair(s.out);
            out_ += s.corner ? ",\"corner\":true}" : ",\"corner\":false}";
        }
        out_ += ']';
    }

    void path(const Art& art, const std::vector<doc::Segment>& segmentList, bool closed) {
        out_ += "{\"type\":\"path\",\"id\":";
        appendJsonString(out_, art.name);
        out_ += ",\"closed\":";
        out_ += closed ? "true" : "false";
        out_ += ",\"guide\":";
        out_ += art.guide ? "true" : "false";
        segments(segmentList);
        style(art.style);
        blend(art);
        out_ += '}';
    }

    void blend(const Art& art) {
        out_ += ",\"opacity\":";
        appendNumber(out_, art.opacity);
        out_ += ",\"blendMode\":";
        appendInteger(out_, art.blendMode);
    }

    void shownChildren(const Art& art) {
        out_ += ",\"children\":[";
        bool first = true;
        for (const auto& shown : document_.shownPaths(art.id)) {
            if (!first) out_ += ',';
            first = false;
            path(*shown.art, shown.segments, shown.closed);
        }
        out_ += ']';
    }

    void art(const Art& art) {
        switch (art.kind) {
            case ArtKind::path:
                path(art, art.segments, art.closed);
                return;
            case ArtKind::compound: {
                out_ += "{\"type\":\"compound\",\"id\":";
                appendJsonString(out_, art.name);
                const Art* first = art.children.empty() ? nullptr : document_.find(art.children.front());
                style(first ? first->style : art.style);
                blend(art);
                out_ += ",\"children\":";
                children(art);
                out_ += '}';
                return;
            }
            case ArtKind::group:
            case ArtKind::layer:
                out_ += "{\"type\":\"group\",\"id\":";
                appendJsonString(out_, art.name);
                blend(art);
                out_ += ",\"children\":";
                children(art);
                out_ += '}';
                return;
            case ArtKind::symbolInstance: {
                const auto& symbols = document_.symbols();
                out_ += "{\"type\":\"symbol\",\"id\":";
                appendJsonString(out_, art.name);
                out_ += ",\"symbol\":";
                appendJsonString(out_, art.symbol >= 0 && static_cast<std::size_t>(art.symbol) < symbols.size()
                                           ? std::string_view(symbols[art.symbol].name)
                                           : std::string_view());
                blend(art);
                shownChildren(art);
                out_ += '}';
                return;
            }
            case ArtKind::envelope:
                out_ += "{\"type\":\"envelope\",\"id\":";
                appendJsonString(out_, art.name);
                blend(art);
                shownChildren(art);
                out_ += '}';
                return;
        }
    }

    void children(const Art& parent) {
        out_ += '[';
        bool first = true;
        for (doc::ArtId childId : parent.children) {
            const Art* child = document_.find(childId);
            if (!child) continue;
            if (!first) out_ += ',';
            first = false;
            art(*child);
        }
        out_ += ']';
    }

    const doc::Document& document_;
    std::string out_;
};

}  // namespace

std::string exportJson(const doc::Document& document) {
    return JsonWriter(document).write();
}

}  // namespace kelvo::io
