// PDF and PNG through cairo, drawing what the SVG export shows.
#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "io/io.h"
#include "io/paint.h"

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

    void setColour(const doc::Colour& colour) {
        Rgb rgb = displayRgb(colour, document_);
        cairo_set_source_rgb(cr_, rgb[0], rgb[1], rgb[2]);
    }

    void paint(const doc::PathStyle& style) {
        bool fill = style.fillPaint && style.fill.kind != doc::kNone;
        bool stroke = style.strokePaint && style.stroke.kind != doc::kNone && style.strokeWidth > 0;
        if (fill) {
            setColour(style.fill);
            cairo_set_fill_rule(cr_, style.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            cairo_fill_preserve(cr_);
        }
        if (stroke) {
            setColour(style.stroke);
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
