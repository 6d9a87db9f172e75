// PDF and PNG through cairo, drawing what the SVG export shows.
#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include <map>
#include <optional>

#include "io/io.h"
#include "io/paint.h"
#include "io/svg_css.h"
#include "io/svg_parse.h"

namespace kelvo::io {
namespace {

using doc::Art;
using doc::ArtKind;

constexpr cairo_operator_t kOperators[16] = {
    CAIRO_OPERATOR_OVER,        CAIRO_OPERATOR_MULTIPLY,   CAIRO_OPERATOR_SCREEN,     CAIRO_OPERATOR_OVERLAY,
    CAIRO_OPERATOR_SOFT_LIGHT,  CAIRO_OPERATOR_HARD_LIGHT, CAIRO_OPERATOR_COLOR_DODGE, CAIRO_OPERATOR_COLOR_BURN,
    CAIRO_OPERATOR_DARKEN,      CAIRO_OPERATOR_LIGHTEN,    CAIRO_OPERATOR_DIFFERENCE, CAIRO_OPERATOR_EXCLUSION,
    CAIRO_OPERATOR_HSL_HUE,     CAIRO_OPERATOR_HSL_SATURATION, CAIRO_OPERATOR_HSL_COLOR, CAIRO_OPERATOR_HSL_LUMINOSITY};

constexpr cairo_line_cap_t kCaps[3] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND, CAIRO_LINE_CAP_SQUARE};
constexpr cairo_line_join_t kJoins[3] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND, CAIRO_LINE_JOIN_BEVEL};

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

struct PatternDeleter {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

// A linear or radial gradient read back from its paint server's markup. The user space of
// userSpaceOnUse gradients is taken to be the page (y down), as in the exported SVG.
struct Gradient {
    struct Stop {
        double offset;
        Rgb rgb;
        double alpha;
    };
    struct Length {
        double value = 0;
        bool percent = false;
    };
    bool radial = false;
    std::optional<bool> userSpace;
    std::optional<svg::Transform> transform;
    std::optional<cairo_extend_t> extend;
    std::map<std::string, Length> lengths;  // x1 … fy as given, nearest definition first
    std::vector<Stop> stops;
};

std::optional<Gradient::Length> gradientLength(std::string_view text) {
    text = svg::trim(text);
    bool percent = !text.empty() && text.back() == '%';
    if (percent) text.remove_suffix(1);
    double value;
    if (!svg::parseNumber(text, value)) return std::nullopt;
    return Gradient::Length{value, percent};
}

void readStops(const pugi::xml_node& element, std::vector<Gradient::Stop>& stops) {
    double last = 0;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (svg::localName(child) != "stop") continue;
        std::string colourText = child.attribute("stop-color").value();
        std::string opacityText = child.attribute("stop-opacity").value();
        if (auto style = child.attribute("style"))
            for (const auto& declaration : svg::parseDeclarations(style.value())) {
                if (declaration.name == "stop-color") colourText = declaration.value;
                if (declaration.name == "stop-opacity") opacityText = declaration.value;
            }
        svg::Colour colour;
        if (colourText.empty() || svg::parseColour(colourText, colour) != svg::ColourResult::colour) colour = {};
        double opacity = 1;
        if (auto value = gradientLength(opacityText)) opacity = value->percent ? value->value / 100 : value->value;
        double offset = 0;
        if (auto value = gradientLength(child.attribute("offset").value())) offset = value->percent ? value->value / 100 : value->value;
        offset = std::clamp(offset, last, 1.0);
        last = offset;
        stops.push_back({offset, colour.rgb, std::clamp(opacity, 0.0, 1.0) * colour.alpha});
    }
}

class Renderer {
public:
    Renderer(const doc::Document& document, cairo_t* cairo) : document_(document), cr_(cairo), height_(document.height()) {}

    void drawPage() {
        for (doc::LayerId layerId : document_.layers()) {
            const Art* layer = document_.find(layerId);
            if (layer && !layer->hidden) draw(*layer);
        }
    }

private:
    // Opacity below 1 or a blending mode other than normal: the object is drawn into an
    // isolated group and composited with that mode and alpha.
    bool beginGroup(const Art& art) {
        if (art.opacity >= 1 && art.blendMode == 0) return false;
        cairo_push_group(cr_);
        return true;
    }

    void endGroup(const Art& art) {
        cairo_pop_group_to_source(cr_);
        cairo_set_operator(cr_, art.blendMode > 0 && art.blendMode < 16 ? kOperators[art.blendMode] : CAIRO_OPERATOR_OVER);
        cairo_paint_with_alpha(cr_, std::clamp(static_cast<double>(art.opacity), 0.0, 1.0));
        cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
    }

    void addPath(const std::vector<doc::Segment>& segments, bool closed) {
        if (segments.empty()) return;
        auto y = [this](float v) { return height_ - v; };
        cairo_move_to(cr_, segments[0].anchor.x, y(segments[0].anchor.y));
        auto edge = [&](const doc::Segment& from, const doc::Segment& to) {
            cairo_curve_to(cr_, from.out.x, y(from.out.y), to.in.x, y(to.in.y), to.anchor.x, y(to.anchor.y));
        };
        for (std::size_t i = 1; i < segments.size(); ++i) edge(segments[i - 1], segments[i]);
        if (closed) {
            edge(segments.back(), segments.front());
            cairo_close_path(cr_);
        }
    }

    // False when the paint shows nothing: a gradient without stops, or one in the units of an
    // empty bounding box. Gradients we cannot read and patterns show their fallback colour.
    bool setColour(const doc::Colour& colour) {
        if (colour.kind == doc::kGradient)
            if (const Gradient* gradient = gradientOf(colour.reference)) return setGradient(*gradient);
        Rgb rgb = displayRgb(colour, document_);
        cairo_set_source_rgb(cr_, rgb[0], rgb[1], rgb[2]);
        return true;
    }

    const Gradient* gradientOf(int reference) {
        auto found = gradients_.find(reference);
        if (found == gradients_.end()) found = gradients_.emplace(reference, readGradient(reference)).first;
        return found->second ? &*found->second : nullptr;
    }

    std::optional<Gradient> readGradient(int reference) {
        const auto& servers = document_.paintServers();
        Gradient gradient;
        bool first = true;
        // The server, then the gradients its href names for what it leaves out.
        for (int hop = 0; hop < 16 && reference >= 0 && static_cast<std::size_t>(reference) < servers.size(); ++hop) {
            pugi::xml_document xml;
            if (!xml.load_string(servers[reference].svg.c_str())) return std::nullopt;
            pugi::xml_node element = xml.document_element();
            std::string_view kind = svg::localName(element);
            if (kind != "linearGradient" && kind != "radialGradient") return first ? std::nullopt : std::optional(gradient);
            if (first) gradient.radial = kind == "radialGradient";
            first = false;
            if (!gradient.userSpace)
                if (auto units = element.attribute("gradientUnits")) gradient.userSpace = std::string_view(units.value()) == "userSpaceOnUse";
            if (!gradient.transform)
                if (auto transform = element.attribute("gradientTransform")) gradient.transform = svg::parseTransform(transform.value());
            if (!gradient.extend)
                if (auto spread = element.attribute("spreadMethod")) {
                    std::string_view method = spread.value();
                    gradient.extend = method == "reflect" ? CAIRO_EXTEND_REFLECT : method == "repeat" ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_PAD;
                }
            if ((kind == "radialGradient") == gradient.radial)
                for (const char* name : {"x1", "y1", "x2", "y2", "cx", "cy", "r", "fx", "fy"})
                    if (!gradient.lengths.count(name))
                        if (auto value = gradientLength(element.attribute(name).value())) gradient.lengths[name] = *value;
            if (gradient.stops.empty()) readStops(element, gradient.stops);
            std::string_view href = element.attribute("xlink:href") ? element.attribute("xlink:href").value() : element.attribute("href").value();
            if (href.empty() || href.front() != '#') break;
            reference = -1;
            for (std::size_t i = 0; i < servers.size(); ++i)
                if (servers[i].id == href.substr(1)) reference = static_cast<int>(i);
        }
        return gradient;
    }

    bool setGradient(const Gradient& gradient) {
        if (gradient.stops.empty()) return false;
        if (gradient.stops.size() == 1) {
            const auto& stop = gradient.stops.front();
            cairo_set_source_rgba(cr_, stop.rgb[0], stop.rgb[1], stop.rgb[2], stop.alpha);
            return true;
        }
        bool userSpace = gradient.userSpace.value_or(false);
        double x0, y0, x1, y1;
        cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
        if (!userSpace && (x1 - x0 <= 0 || y1 - y0 <= 0)) return false;
        double diagonal = std::sqrt((document_.width() * document_.width() + height_ * height_) / 2);
        auto length = [&](const char* name, double fallback, double reference) {
            auto found = gradient.lengths.find(name);
            if (found == gradient.lengths.end()) return fallback;
            double value = found->second.value;
            if (found->second.percent) return value / 100 * (userSpace ? reference : 1);
            return value;
        };
        double w = document_.width(), h = height_;
        Pattern pattern;
        if (gradient.radial) {
            double cx = length("cx", userSpace ? w / 2 : 0.5, w), cy = length("cy", userSpace ? h / 2 : 0.5, h);
            double r = length("r", userSpace ? diagonal / 2 : 0.5, diagonal);
            if (!(r > 0)) return false;
            double fx = length("fx", cx, w), fy = length("fy", cy, h);
            pattern.reset(cairo_pattern_create_radial(fx, fy, 0, cx, cy, r));
        } else {
            pattern.reset(cairo_pattern_create_linear(length("x1", 0, w), length("y1", 0, h), length("x2", userSpace ? w : 1, w),
                                                      length("y2", 0, h)));
        }
        for (const auto& stop : gradient.stops)
            cairo_pattern_add_color_stop_rgba(pattern.get(), stop.offset, stop.rgb[0], stop.rgb[1], stop.rgb[2], stop.alpha);
        cairo_pattern_set_extend(pattern.get(), gradient.extend.value_or(CAIRO_EXTEND_PAD));
        // Gradient space to page space: the bounding box (unless in user space), then the
        // gradient's own transform; cairo wants the inverse.
        svg::Transform toPage = gradient.transform.value_or(svg::Transform{});
        if (!userSpace) toPage = svg::Transform{x1 - x0, 0, 0, y1 - y0, x0, y0} * toPage;
        cairo_matrix_t matrix;
        cairo_matrix_init(&matrix, toPage.a, toPage.b, toPage.c, toPage.d, toPage.e, toPage.f);
        if (cairo_matrix_invert(&matrix) != CAIRO_STATUS_SUCCESS) return false;
        cairo_pattern_set_matrix(pattern.get(), &matrix);
        cairo_set_source(cr_, pattern.get());
        return true;
    }

    void paint(const doc::PathStyle& style) {
        bool fill = style.fillPaint && style.fill.kind != doc::kNone;
        bool stroke = style.strokePaint && style.stroke.kind != doc::kNone && style.strokeWidth > 0;
        if (fill && setColour(style.fill)) {
            cairo_set_fill_rule(cr_, style.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            cairo_fill_preserve(cr_);
        }
        if (stroke && setColour(style.stroke)) {
            cairo_set_line_width(cr_, style.strokeWidth);
            cairo_set_line_cap(cr_, kCaps[std::clamp(style.lineCap, 0, 2)]);
            cairo_set_line_join(cr_, kJoins[std::clamp(style.lineJoin, 0, 2)]);
            cairo_set_miter_limit(cr_, std::max(1.0f, style.miterLimit));
            cairo_stroke_preserve(cr_);
        }
        cairo_new_path(cr_);
    }

    void drawShown(const Art& art) {
        bool grouped = beginGroup(art);
        for (const auto& shown : document_.shownPaths(art.id)) {
            if (shown.art->guide) continue;
            addPath(shown.segments, shown.closed);
            paint(shown.art->style);
        }
        if (grouped) endGroup(art);
    }

    void draw(const Art& art) {
        if (art.opacity <= 0 || art.hidden) return;
        switch (art.kind) {
            case ArtKind::path: {
                if (art.guide) return;
                bool grouped = beginGroup(art);
                addPath(art.segments, art.closed);
                paint(art.style);
                if (grouped) endGroup(art);
                return;
            }
            case ArtKind::compound: {
                const Art* first = nullptr;
                for (doc::ArtId childId : art.children) {
                    const Art* child = document_.find(childId);
                    if (!child || child->guide) continue;
                    if (!first) first = child;
                }
                if (!first) return;
                bool grouped = beginGroup(art);
                for (doc::ArtId childId : art.children)
                    if (const Art* child = document_.find(childId); child && !child->guide)
                        addPath(child->segments, child->closed);
                paint(first->style);
                if (grouped) endGroup(art);
                return;
            }
            case ArtKind::group:
            case ArtKind::layer: {
                bool grouped = beginGroup(art);
                for (doc::ArtId childId : art.children)
                    if (const Art* child = document_.find(childId)) draw(*child);
                if (grouped) endGroup(art);
                return;
            }
            case ArtKind::symbolInstance:
            case ArtKind::envelope:
                drawShown(art);
                return;
        }
    }

    const doc::Document& document_;
    cairo_t* cr_;
    double height_;
    std::map<int, std::optional<Gradient>> gradients_;
};

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
}

void check(cairo_status_t status, const char* what) {
    if (status == CAIRO_STATUS_NO_MEMORY) throw std::bad_alloc();
    if (status != CAIRO_STATUS_SUCCESS)
        throw Error(std::string(what) + ": " + cairo_status_to_string(status));
}

Surface renderSurface(const doc::Document& document, double dpi) {
    if (!std::isfinite(dpi) || dpi <= 0 || dpi > 2400) throw Error("resolution must be between 0 and 2400 dpi");
    double scale = dpi / 72.0;
    auto pixels = [&](double points) {
        double size = points * scale;
        double rounded = std::round(size);
        return static_cast<long long>(std::abs(size - rounded) < 1e-6 ? rounded : std::ceil(size));
    };
    long long width = std::max(1LL, pixels(document.width()));
    long long height = std::max(1LL, pixels(document.height()));
    if (width > 32767 || height > 32767 || width * height > 200'000'000LL)
        throw Error("image of " + std::to_string(width) + " x " + std::to_string(height) + " pixels is too large");
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height)));
    check(cairo_surface_status(surface.get()), "cannot create the image");
    Context cr(cairo_create(surface.get()));
    check(cairo_status(cr.get()), "cannot draw the image");
    cairo_scale(cr.get(), scale, scale);
    Renderer(document, cr.get()).drawPage();
    check(cairo_status(cr.get()), "drawing failed");
    cairo_surface_flush(surface.get());
    return surface;
}

}  // namespace

Image renderImage(const doc::Document& document, double dpi) {
    Surface surface = renderSurface(document, dpi);
    Image image;
    image.width = cairo_image_surface_get_width(surface.get());
    image.height = cairo_image_surface_get_height(surface.get());
    int stride = cairo_image_surface_get_stride(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int row = 0; row < image.height; ++row)
        std::memcpy(image.pixels.data() + static_cast<std::size_t>(row) * image.width, data + static_cast<std::size_t>(row) * stride,
                    static_cast<std::size_t>(image.width) * 4);
    return image;
}

std::string exportPng(const doc::Document& document, double dpi) {
    Surface surface = renderSurface(document, dpi);
    std::string bytes;
    check(cairo_surface_write_to_png_stream(surface.get(), appendToString, &bytes), "cannot encode PNG");
    return bytes;
}

std::string exportPdf(const doc::Document& document) {
    std::string bytes;
    {
        Surface surface(cairo_pdf_surface_create_for_stream(appendToString, &bytes, document.width(), document.height()));
        check(cairo_surface_status(surface.get()), "cannot create the PDF");
        Context cr(cairo_create(surface.get()));
        Renderer(document, cr.get()).drawPage();
        check(cairo_status(cr.get()), "drawing failed");
        cairo_show_page(cr.get());
        cr.reset();
        cairo_surface_finish(surface.get());
        check(cairo_surface_status(surface.get()), "cannot write the PDF");
    }
    return bytes;
}

}  // namespace kelvo::io
