// SVG import: pugixml reads the file, a walk over the element tree resolves styles, transforms
// and references into plain items in artwork coordinates, and the items become document art.
#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <filesystem>
#include <numbers>
#include <set>
#include <sstream>
#include <unordered_map>

#include "io/io.h"
#include "io/svg_css.h"
#include "io/svg_parse.h"

namespace kelvo::io {
namespace {

using namespace svg;

constexpr double kMaxCoordinate = 1e7;  // points; beyond this a document is unusable anyway
constexpr double kKappa = 0.5522847498307936;

// ---- Properties

enum Property {
    pFill, pStroke, pStrokeWidth, pFillOpacity, pStrokeOpacity, pOpacity, pFillRule, pLineCap,
    pLineJoin, pMiterLimit, pColour, pDisplay, pVisibility, pMixBlendMode, pFontSize, pTransform,
    pTransformOrigin, pClipPath, pMask, pFilter, pMarkerStart, pMarkerMid, pMarkerEnd, pMarker,
    pDashArray, pPaintOrder, kPropertyCount
};

constexpr std::array<std::string_view, kPropertyCount> kPropertyNames = {
    "fill", "stroke", "stroke-width", "fill-opacity", "stroke-opacity", "opacity", "fill-rule",
    "stroke-linecap", "stroke-linejoin", "stroke-miterlimit", "color", "display", "visibility",
    "mix-blend-mode", "font-size", "transform", "transform-origin", "clip-path", "mask", "filter",
    "marker-start", "marker-mid", "marker-end", "marker", "stroke-dasharray", "paint-order"};

int propertyIndex(std::string_view name) {
    for (int i = 0; i < kPropertyCount; ++i)
        if (kPropertyNames[i] == name) return i;
    return -1;
}

// The properties an attribute may set: all but mix-blend-mode and the shorthand marker, and
// transform, which the attribute of that name sets separately.
bool presentationAttribute(int property) {
    return property >= 0 && property != pMixBlendMode && property != pMarker && property != pTransform;
}

struct Paint {
    enum Kind { none, colour, server, currentColour };
    Paint() = default;
    explicit Paint(Kind k) : kind(k) {}
    Kind kind = colour;
    Rgb rgb{0, 0, 0};
    double alpha = 1;
    int reference = -1;  // paint server index
    int serverKind = doc::kGradient;
    bool boundingBoxUnits = false;  // the server is laid out on the shape's bounding box
    std::optional<svg::Colour> fallback;  // the colour given after url(#…)
};

// Inherited properties as computed for an element.
struct Style {
    Paint fill;
    Paint stroke{Paint::none};
    double fillOpacity = 1, strokeOpacity = 1, strokeWidth = 1, miterLimit = 4, fontSize = 16;
    bool evenOdd = false;
    int lineCap = 0, lineJoin = 0;
    Rgb colour{0, 0, 0};
    bool visible = true;
};

struct Context {
    Transform ctm;       // user space to page space (points, y down)
    Vec viewport{0, 0};  // for percentages, in user units
    Style style;
    int depth = 0;
};

struct Piece {
    std::vector<doc::Segment> segments;
    bool closed = false;
};

struct Item {
    enum Kind { path, compound, group } kind = path;
    std::string id;
    std::vector<Piece> pieces;
    doc::PathStyle style;
    float opacity = 1;
    int blend = 0;
    bool guide = false;
    std::vector<Item> children;
};

struct LayerBucket {
    std::string name;
    bool hidden = false;
    bool guides = false;
    std::vector<Item> items;
};

struct ViewBox {
    double x = 0, y = 0, width = 0, height = 0;
};

bool isLayerGroup(const pugi::xml_node& node) {
    return localName(node) == "g" && std::string_view(node.attribute("inkscape:groupmode").value()) == "layer";
}

doc::Colour threeColour(const Rgb& rgb) {
    return {doc::kThree, {static_cast<float>(rgb[0]), static_cast<float>(rgb[1]), static_cast<float>(rgb[2]), 0}, 0};
}

// "cmyk(c, m, y, k)" or "gray(g)" as our export writes them.
std::optional<doc::Colour> exactColour(std::string_view text) {
    text = trim(text);
    auto open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')') return std::nullopt;
    std::string_view name = trim(text.substr(0, open));
    std::vector<double> values;
    if (!parseNumberList(text.substr(open + 1, text.size() - open - 2), values)) return std::nullopt;
    for (double v : values)
        if (v < 0 || v > 1) return std::nullopt;
    if (name == "cmyk" && values.size() == 4)
        return doc::Colour{doc::kFour, {static_cast<float>(values[0]), static_cast<float>(values[1]),
                                        static_cast<float>(values[2]), static_cast<float>(values[3])}, 0};
    if (name == "gray" && values.size() == 1) return doc::Colour{doc::kGray, {static_cast<float>(values[0]), 0, 0, 0}, 0};
    return std::nullopt;
}

bool corner(const doc::Segment& s) {
    double ix = s.in.x - s.anchor.x, iy = s.in.y - s.anchor.y;
    double ox = s.out.x - s.anchor.x, oy = s.out.y - s.anchor.y;
    double inLength = std::hypot(ix, iy), outLength = std::hypot(ox, oy);
    if (inLength == 0 || outLength == 0) return true;
    double cross = ix * oy - iy * ox, dot = ix * ox + iy * oy;
    return !(dot < 0 && std::abs(cross) <= 1e-3 * inLength * outLength);
}

class Importer {
public:
    Importer(std::string_view text, std::vector<std::string>* warnings, std::string name)
        : text_(text), warnings_(warnings), name_(std::move(name)) {}

    std::unique_ptr<doc::Document> run() {
        pugi::xml_parse_result result = xml_.load_buffer(text_.data(), text_.size(), pugi::parse_default);
        if (!result) throw Error(where(static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0))) + ": " + result.description());
        pugi::xml_node root = xml_.document_element();
        if (!root || localName(root) != "svg") throw Error(name_ + ": not an SVG file (no <svg> root element)");
        index(root);
        document_ = std::make_unique<doc::Document>();
        setUpPage(root);
        walkRoot(root);
        emit();
        return std::move(document_);
    }

private:
    // ---- Messages

    std::string where(std::size_t offset) {
        if (lineStarts_.empty()) {
            lineStarts_.push_back(0);
            for (std::size_t i = 0; i < text_.size(); ++i)
                if (text_[i] == '\n') lineStarts_.push_back(i + 1);
        }
        auto line = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) - lineStarts_.begin();
        return name_ + ":" + std::to_string(line);
    }

    std::string where(const pugi::xml_node& node) {
        std::ptrdiff_t offset = node.offset_debug();
        return offset < 0 ? name_ : where(static_cast<std::size_t>(offset));
    }

    // One warning per kind of problem, at its first place.
    void warn(const std::string& kind, const pugi::xml_node& node, const std::string& message) {
        if (!warnedKinds_.insert(kind).second || !warnings_) return;
        warnings_->push_back(where(node) + ": " + message);
    }

    [[noreturn]] void fail(const pugi::xml_node& node, const std::string& message) {
        throw Error(where(node) + ": " + message);
    }

    // ---- First pass: ids, style sheets, size limits

    void index(const pugi::xml_node& root) {
        std::size_t count = 0;
        std::vector<std::pair<pugi::xml_node, int>> stack{{root, 0}};
        while (!stack.empty()) {
            auto [node, depth] = stack.back();
            stack.pop_back();
            if (++count > kMaxElements) fail(node, "more than " + std::to_string(kMaxElements) + " elements");
            if (depth > kMaxDepth) fail(node, "elements nested deeper than " + std::to_string(kMaxDepth) + " levels");
            if (const char* id = node.attribute("id").value(); *id) ids_.emplace(id, node);
            if (localName(node) == "style") readStyleSheet(node);
            // Children pushed in reverse so that they come out in document order.
            std::size_t mark = stack.size();
            for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
                if (child.type() == pugi::node_element) stack.emplace_back(child, depth + 1);
            std::reverse(stack.begin() + static_cast<std::ptrdiff_t>(mark), stack.end());
        }
    }

    void readStyleSheet(const pugi::xml_node& node) {
        std::string type = lowerCase(trim(node.attribute("type").value()));
        if (!type.empty() && type != "text/css") return;
        std::string css;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) css += child.value();
        std::vector<std::string> problems;
        styleSheet_.add(css, problems);
        for (const auto& problem : problems) warn(problem, node, problem + "; skipped");
    }

    // ---- Lengths

    enum class Axis { x, y, other };

    std::optional<double> length(std::string_view text, Axis axis, const Context& context, const Style& style) {
        text = trim(text);
        const char* p = text.data();
        const char* end = p + text.size();
        double value;
        if (!parseNumber(p, end, value)) return std::nullopt;
        std::string unit = lowerCase(std::string_view(p, static_cast<std::size_t>(end - p)));
        double scale;
        if (unit.empty() || unit == "px") scale = 1;
        else if (unit == "pt") scale = 4.0 / 3.0;
        else if (unit == "pc") scale = 16;
        else if (unit == "in") scale = 96;
        else if (unit == "cm") scale = 96 / 2.54;
        else if (unit == "mm") scale = 96 / 25.4;
        else if (unit == "q") scale = 96 / 25.4 / 4;
        else if (unit == "em") scale = style.fontSize;
        else if (unit == "rem") scale = rootFontSize_;
        else if (unit == "vw") scale = viewport_.x / 100;
        else if (unit == "vh") scale = viewport_.y / 100;
        else if (unit == "vmin") scale = std::min(viewport_.x, viewport_.y) / 100;
        else if (unit == "vmax") scale = std::max(viewport_.x, viewport_.y) / 100;
        else if (unit == "ex") scale = style.fontSize / 2;
        else if (unit == "%") {
            double reference = axis == Axis::x   ? context.viewport.x
                               : axis == Axis::y ? context.viewport.y
                                                 : std::sqrt((context.viewport.x * context.viewport.x +
                                                              context.viewport.y * context.viewport.y) / 2);
            scale = reference / 100;
        } else
            return std::nullopt;
        return value * scale;
    }

    // A length attribute of `node`; `fallback` when it is missing, with a warning when it
    // cannot be read.
    double lengthAttribute(const pugi::xml_node& node, const char* name, Axis axis, const Context& context,
                           const Style& style, double fallback) {
        pugi::xml_attribute attribute = node.attribute(name);
        if (!attribute) return fallback;
        auto value = length(attribute.value(), axis, context, style);
        if (!value) {
            warn(std::string("length ") + attribute.value(), node,
                 std::string("cannot read ") + name + "=\"" + attribute.value() + "\"; ignored");
            return fallback;
        }
        return *value;
    }

    // The page size of the root element's width or height in points.
    std::optional<double> pageLength(const pugi::xml_node& root, const char* name) {
        pugi::xml_attribute attribute = root.attribute(name);
        if (!attribute) return std::nullopt;
        std::string_view text = trim(attribute.value());
        const char* p = text.data();
        const char* end = p + text.size();
        double value;
        if (!parseNumber(p, end, value)) {
            warn("page", root, std::string("cannot read ") + name + "=\"" + attribute.value() + "\"");
            return std::nullopt;
        }
        std::string unit = lowerCase(std::string_view(p, static_cast<std::size_t>(end - p)));
        double scale;
        if (unit.empty() || unit == "px") scale = 0.75;
        else if (unit == "pt") scale = 1;
        else if (unit == "pc") scale = 12;
        else if (unit == "in") scale = 72;
        else if (unit == "cm") scale = 72 / 2.54;
        else if (unit == "mm") scale = 72 / 25.4;
        else if (unit == "em") scale = 12;
        else if (unit == "ex") scale = 6;
        else if (unit == "%") return std::nullopt;
        else {
            warn("unit " + unit, root, "unknown unit \"" + unit + "\" in " + name);
            return std::nullopt;
        }
        if (!(value > 0)) return std::nullopt;
        return value * scale;
    }

    std::optional<ViewBox> viewBox(const pugi::xml_node& node) {
        pugi::xml_attribute attribute = node.attribute("viewBox");
        if (!attribute) return std::nullopt;
        std::vector<double> values;
        if (!parseNumberList(attribute.value(), values) || values.size() != 4 || !(values[2] > 0) || !(values[3] > 0)) {
            warn("viewBox", node, std::string("cannot use viewBox=\"") + attribute.value() + "\"; ignored");
            return std::nullopt;
        }
        return ViewBox{values[0], values[1], values[2], values[3]};
    }

    static Transform viewBoxTransform(const ViewBox& box, std::string_view aspect, double width, double height) {
        std::string text = lowerCase(trim(aspect));
        double sx = width / box.width, sy = height / box.height;
        if (text.rfind("defer", 0) == 0) text = std::string(trim(std::string_view(text).substr(5)));
        if (text.rfind("none", 0) == 0)
            return Transform::scale(sx, sy) * Transform::translate(-box.x, -box.y);
        bool slice = text.find("slice") != std::string::npos;
        double s = slice ? std::max(sx, sy) : std::min(sx, sy);
        double dx = 0, dy = 0;
        std::string align = text.substr(0, 8);
        if (align.size() == 8) {
            std::string xs = align.substr(1, 3), ys = align.substr(5, 3);
            if (xs == "mid") dx = (width - box.width * s) / 2;
            else if (xs == "max") dx = width - box.width * s;
            if (ys == "mid") dy = (height - box.height * s) / 2;
            else if (ys == "max") dy = height - box.height * s;
        } else {
            dx = (width - box.width * s) / 2;
            dy = (height - box.height * s) / 2;
        }
        return Transform::translate(dx, dy) * Transform::scale(s, s) * Transform::translate(-box.x, -box.y);
    }

    // ---- Page

    void setUpPage(const pugi::xml_node& root) {
        auto width = pageLength(root, "width");
        auto height = pageLength(root, "height");
        auto box = viewBox(root);
        std::string_view aspect = root.attribute("preserveAspectRatio").value();
        double pageWidth = 612, pageHeight = 792;
        if (box) {
            if (width && !height) height = *width * box->height / box->width;
            if (height && !width) width = *height * box->width / box->height;
        }
        if (width && height) {
            pageWidth = *width;
            pageHeight = *height;
            pageTransform_ = box ? viewBoxTransform(*box, aspect, pageWidth, pageHeight) : Transform::scale(0.75, 0.75);
        } else if (box) {
            pageWidth = box->width;
            pageHeight = box->height;
            pageTransform_ = Transform::translate(-box->x, -box->y);
        } else if (width || height) {
            pageWidth = width.value_or(612);
            pageHeight = height.value_or(792);
            pageTransform_ = Transform::scale(0.75, 0.75);
        }
        if (document_->setPage(static_cast<float>(pageWidth), static_cast<float>(pageHeight)) != doc::Status::ok ||
            pageWidth > kMaxCoordinate || pageHeight > kMaxCoordinate) {
            warn("page size", root, "page size out of range; using 612 x 792 pt");
            pageWidth = 612;
            pageHeight = 792;
            document_->setPage(612, 792);
        }
        pageHeight_ = pageHeight;
        if (box) viewport_ = {box->width, box->height};
        else viewport_ = {pageWidth / pageTransform_.a, pageHeight / pageTransform_.d};
        int model = 1;
        if (auto attribute = root.attribute("data-kelvo-colour-model")) {
            int value = attribute.as_int(-1);
            if (value >= 0 && value <= 2) model = value;
        }
        document_->setColourModel(model);
    }

    // ---- Styles

    struct Declared {
        std::array<std::string_view, kPropertyCount> values{};
        std::vector<Declaration> owned;  // style attribute declarations the views point into
    };

    void declare(const pugi::xml_node& node, Declared& declared) {
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
            int property = propertyIndex(attribute.name());
            if (presentationAttribute(property)) declared.values[property] = attribute.value();
        }
        std::vector<const Declaration*> important;
        if (!styleSheet_.empty())
            for (const Declaration* declaration : styleSheet_.matching(node)) {
                if (declaration->important) important.push_back(declaration);
                else if (int property = propertyIndex(declaration->name); property >= 0)
                    declared.values[property] = declaration->value;
            }
        if (pugi::xml_attribute style = node.attribute("style")) {
            declared.owned = parseDeclarations(style.value());
            for (const auto& declaration : declared.owned)
                if (int property = propertyIndex(declaration.name); property >= 0)
                    declared.values[property] = declaration.value;
        }
        for (const Declaration* declaration : important)
            if (int property = propertyIndex(declaration->name); property >= 0) declared.values[property] = declaration->value;
    }

    std::optional<Paint> paint(std::string_view text, const pugi::xml_node& node) {
        text = trim(text);
        if (text == "none") return Paint{Paint::none};
        if (text.rfind("url(", 0) == 0) {
            auto close = text.find(')');
            if (close == std::string_view::npos) return std::nullopt;
            std::string_view reference = trim(text.substr(4, close - 4));
            if (reference.size() >= 2 && (reference.front() == '"' || reference.front() == '\''))
                reference = reference.substr(1, reference.size() - 2);
            std::string_view fallbackText = trim(text.substr(close + 1));
            if (!reference.empty() && reference.front() == '#') {
                auto found = ids_.find(std::string(reference.substr(1)));
                if (found != ids_.end()) {
                    std::string_view kind = localName(found->second);
                    Rgb firstStop;
                    bool usable = kind == "pattern" || ((kind == "linearGradient" || kind == "radialGradient") &&
                                                        firstStopColour(found->second, firstStop, 0));
                    if (usable) {
                        Paint result{Paint::server};
                        result.reference = paintServer(found->second, fallbackText);
                        result.serverKind = kind == "pattern" ? doc::kPattern : doc::kGradient;
                        result.boundingBoxUnits = boundingBoxUnits(found->second);
                        Colour fallback;
                        if (!fallbackText.empty() && parseColour(fallbackText, fallback) == ColourResult::colour)
                            result.fallback = fallback;
                        if (result.reference >= 0) return result;
                    }
                }
            }
            if (fallbackText.empty()) return Paint{Paint::none};
            return paint(fallbackText, node);
        }
        Colour colour;
        switch (parseColour(text, colour)) {
            case ColourResult::colour: {
                Paint result{Paint::colour};
                result.rgb = colour.rgb;
                result.alpha = colour.alpha;
                return result;
            }
            case ColourResult::currentColour:
                return Paint{Paint::currentColour};
            case ColourResult::invalid:
                break;
        }
        return std::nullopt;
    }

    // The paint server for a gradient or pattern element, added once; -1 if the document
    // refuses it.
    int paintServer(const pugi::xml_node& element, std::string_view fallbackText) {
        std::string id = element.attribute("id").value();
        if (auto found = servers_.find(id); found != servers_.end()) return found->second;
        // A referenced gradient (href) is kept too, so that the written file still resolves.
        std::string_view href = element.attribute("xlink:href") ? element.attribute("xlink:href").value()
                                                                 : element.attribute("href").value();
        Rgb fallback{0, 0, 0};
        bool haveFallback = false;
        Colour parsed;
        if (!fallbackText.empty() && parseColour(fallbackText, parsed) == ColourResult::colour) {
            fallback = parsed.rgb;
            haveFallback = true;
        }
        servers_[id] = -1;  // guards against href cycles
        if (!href.empty() && href.front() == '#')
            if (auto found = ids_.find(std::string(href.substr(1))); found != ids_.end()) {
                std::string_view kind = localName(found->second);
                if (kind == "linearGradient" || kind == "radialGradient" || kind == "pattern") paintServer(found->second, {});
            }
        if (!haveFallback) haveFallback = firstStopColour(element, fallback, 0);
        std::ostringstream markup;
        element.print(markup, "", pugi::format_raw);
        int index = document_->addPaintServer({id, markup.str(), threeColour(fallback)});
        servers_[id] = index;
        return index;
    }

    // Whether a gradient or pattern uses the default objectBoundingBox units, looking through
    // the gradients its href names.
    bool boundingBoxUnits(pugi::xml_node element) {
        const char* attribute = localName(element) == "pattern" ? "patternUnits" : "gradientUnits";
        for (int hop = 0; hop < 16 && element; ++hop) {
            if (auto units = element.attribute(attribute)) return std::string_view(units.value()) != "userSpaceOnUse";
            std::string_view href = element.attribute("xlink:href") ? element.attribute("xlink:href").value()
                                                                     : element.attribute("href").value();
            if (href.empty() || href.front() != '#') break;
            auto found = ids_.find(std::string(href.substr(1)));
            element = found == ids_.end() ? pugi::xml_node() : found->second;
        }
        return true;
    }

    bool firstStopColour(const pugi::xml_node& element, Rgb& out, int depth) {
        if (depth > 16) return false;
        for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
            if (localName(child) != "stop") continue;
            Declared declared;
            std::string colourText = child.attribute("stop-color").value();
            if (auto style = child.attribute("style")) {
                for (const auto& declaration : parseDeclarations(style.value()))
                    if (declaration.name == "stop-color") colourText = declaration.value;
            }
            Colour colour;
            if (colourText.empty()) colourText = "black";
            if (parseColour(colourText, colour) == ColourResult::colour) out = colour.rgb;
            else out = {0, 0, 0};
            return true;
        }
        std::string_view href = element.attribute("xlink:href") ? element.attribute("xlink:href").value()
                                                                 : element.attribute("href").value();
        if (!href.empty() && href.front() == '#')
            if (auto found = ids_.find(std::string(href.substr(1))); found != ids_.end())
                return firstStopColour(found->second, out, depth + 1);
        return false;
    }

    static std::optional<double> opacityValue(std::string_view text) {
        text = trim(text);
        bool percent = !text.empty() && text.back() == '%';
        if (percent) text.remove_suffix(1);
        double value;
        if (!parseNumber(text, value)) return std::nullopt;
        if (percent) value /= 100;
        return std::clamp(value, 0.0, 1.0);
    }

    struct Own {  // properties that are not inherited
        double opacity = 1;
        int blend = 0;
        bool display = true;
        std::optional<Transform> transform;  // from CSS, replacing the attribute
        std::string_view transformOrigin;
    };

    Style computeStyle(const pugi::xml_node& node, const Declared& declared, const Style& parent, Own& own,
                       const Context& context) {
        Style style = parent;
        const auto& v = declared.values;
        auto set = [&](int property) { return !v[property].empty() && trim(v[property]) != "inherit"; };
        if (set(pColour)) {
            Colour colour;
            if (parseColour(v[pColour], colour) == ColourResult::colour) style.colour = colour.rgb;
        }
        if (set(pFontSize)) {
            Context fontContext = context;
            fontContext.viewport = {parent.fontSize, parent.fontSize};
            if (auto size = length(v[pFontSize], Axis::x, fontContext, parent); size && *size > 0) style.fontSize = *size;
        }
        auto readPaint = [&](int property, Paint& target) {
            if (!set(property)) return;
            if (auto value = paint(v[property], node)) target = *value;
            else warn("paint " + std::string(v[property]), node, "cannot read " + std::string(kPropertyNames[property]) +
                                                                     " \"" + std::string(v[property]) + "\"; ignored");
        };
        readPaint(pFill, style.fill);
        readPaint(pStroke, style.stroke);
        if (set(pFillOpacity))
            if (auto value = opacityValue(v[pFillOpacity])) style.fillOpacity = *value;
        if (set(pStrokeOpacity))
            if (auto value = opacityValue(v[pStrokeOpacity])) style.strokeOpacity = *value;
        if (set(pStrokeWidth))
            if (auto value = length(v[pStrokeWidth], Axis::other, context, style); value && *value >= 0) style.strokeWidth = *value;
        if (set(pMiterLimit)) {
            double value;
            if (parseNumber(v[pMiterLimit], value) && value >= 1) style.miterLimit = value;
        }
        if (set(pFillRule)) {
            std::string_view rule = trim(v[pFillRule]);
            if (rule == "evenodd") style.evenOdd = true;
            else if (rule == "nonzero") style.evenOdd = false;
        }
        if (set(pLineCap)) {
            std::string_view cap = trim(v[pLineCap]);
            if (cap == "butt") style.lineCap = 0;
            else if (cap == "round") style.lineCap = 1;
            else if (cap == "square") style.lineCap = 2;
        }
        if (set(pLineJoin)) {
            std::string_view join = trim(v[pLineJoin]);
            if (join == "miter" || join == "miter-clip") style.lineJoin = 0;
            else if (join == "round") style.lineJoin = 1;
            else if (join == "bevel") style.lineJoin = 2;
            else if (join == "arcs") style.lineJoin = 0;
        }
        if (set(pVisibility)) {
            std::string_view visibility = trim(v[pVisibility]);
            if (visibility == "visible") style.visible = true;
            else if (visibility == "hidden" || visibility == "collapse") style.visible = false;
        }
        if (set(pOpacity))
            if (auto value = opacityValue(v[pOpacity])) own.opacity = *value;
        if (set(pMixBlendMode)) {
            int mode = blendModeFromName(lowerCase(trim(v[pMixBlendMode])));
            if (mode >= 0) own.blend = mode;
            else warn("blend " + std::string(v[pMixBlendMode]), node,
                      "mix-blend-mode \"" + std::string(v[pMixBlendMode]) + "\" is not supported; normal used");
        }
        own.display = trim(v[pDisplay]) != "none";
        if (set(pTransform)) {
            if (auto transform = parseTransform(v[pTransform])) own.transform = *transform;
        }
        own.transformOrigin = v[pTransformOrigin];
        auto unsupported = [&](int property, const char* kind, const char* message) {
            if (set(property) && trim(v[property]) != "none") warn(kind, node, message);
        };
        unsupported(pClipPath, "clip-path", "clipping paths (clip-path) are not supported; drawn unclipped");
        unsupported(pMask, "mask", "masks are not supported; drawn unmasked");
        unsupported(pFilter, "filter", "filters are not supported; drawn unfiltered");
        for (int marker : {pMarkerStart, pMarkerMid, pMarkerEnd, pMarker})
            unsupported(marker, "marker", "markers are not supported; skipped");
        unsupported(pDashArray, "dash", "dashed strokes (stroke-dasharray) are not supported; drawn solid");
        if (set(pPaintOrder) && trim(v[pPaintOrder]) != "normal" && trim(v[pPaintOrder]).rfind("fill", 0) != 0)
            warn("paint-order", node, "paint-order is not supported; fill drawn below stroke");
        return style;
    }

    // ---- Transforms

    std::optional<Transform> elementTransform(const pugi::xml_node& node, const Own& own, const Context& context,
                                              const Style& style) {
        std::optional<Transform> transform = own.transform;
        if (!transform)
            if (pugi::xml_attribute attribute = node.attribute("transform")) {
                transform = parseTransform(attribute.value());
                if (!transform) {
                    warn("transform", node, std::string("cannot read transform=\"") + attribute.value() + "\"; ignored");
                    transform = Transform{};
                }
            }
        if (!transform) return std::nullopt;
        std::string_view origin = trim(own.transformOrigin);
        if (origin.empty()) return transform;
        // transform-origin: one or two keywords or lengths.
        Vec at{0, 0};
        std::vector<std::string_view> words;
        std::size_t i = 0;
        while (i < origin.size()) {
            while (i < origin.size() && (origin[i] == ' ' || origin[i] == ',')) ++i;
            std::size_t j = i;
            while (j < origin.size() && origin[j] != ' ' && origin[j] != ',') ++j;
            if (j > i) words.push_back(origin.substr(i, j - i));
            i = j;
        }
        bool haveX = false, haveY = false;
        for (std::size_t w = 0; w < words.size() && w < 2; ++w) {
            std::string_view word = words[w];
            if (word == "left") at.x = 0, haveX = true;
            else if (word == "right") at.x = context.viewport.x, haveX = true;
            else if (word == "top") at.y = 0, haveY = true;
            else if (word == "bottom") at.y = context.viewport.y, haveY = true;
            else if (word == "center") {
                if (w == 0 && words.size() == 1) at = {context.viewport.x / 2, context.viewport.y / 2}, haveX = haveY = true;
                else if (!haveX) at.x = context.viewport.x / 2, haveX = true;
                else at.y = context.viewport.y / 2, haveY = true;
            } else {
                bool asX = !haveX;
                auto value = length(word, asX ? Axis::x : Axis::y, context, style);
                if (!value) return transform;
                if (asX) at.x = *value, haveX = true;
                else at.y = *value, haveY = true;
            }
        }
        if (words.size() == 1 && haveX && !haveY) at.y = context.viewport.y / 2;
        if (words.size() == 1 && haveY && !haveX) at.x = context.viewport.x / 2;
        return Transform::translate(at.x, at.y) * *transform * Transform::translate(-at.x, -at.y);
    }

    // ---- Geometry

    bool toPieces(std::vector<Subpath>& subpaths, const Transform& ctm, std::vector<Piece>& out, const pugi::xml_node& node) {
        for (auto& subpath : subpaths) {
            auto& segments = subpath.segments;
            if (segments.size() < 2 && !(subpath.closed && segments.size() == 1 &&
                                         (!(segments[0].in == segments[0].anchor) || !(segments[0].out == segments[0].anchor))))
                continue;
            Piece piece;
            piece.closed = subpath.closed;
            piece.segments.reserve(segments.size());
            for (const auto& segment : segments) {
                doc::Segment s;
                auto convert = [&](Vec v, doc::Point& target) {
                    Vec p = ctm.apply(v);
                    double x = p.x, y = pageHeight_ - p.y;
                    if (!(std::abs(x) <= kMaxCoordinate) || !(std::abs(y) <= kMaxCoordinate)) return false;
                    target = {static_cast<float>(x), static_cast<float>(y)};
                    return true;
                };
                if (!convert(segment.anchor, s.anchor) || !convert(segment.in, s.in) || !convert(segment.out, s.out)) {
                    warn("coordinates", node, "coordinates out of range; shape skipped");
                    return false;
                }
                s.corner = corner(s);
                piece.segments.push_back(s);
            }
            if (piece.segments.size() > doc::kMaxSegments) {
                warn("too many points", node, "a path with more than " + std::to_string(doc::kMaxSegments) + " points; skipped");
                continue;
            }
            out.push_back(std::move(piece));
        }
        return true;
    }

    // The shape's outline in user units; false when the element draws nothing.
    bool shapeGeometry(std::string_view kind, const pugi::xml_node& node, const Context& context, const Style& style,
                       PathBuilder& builder) {
        auto len = [&](const char* name, Axis axis, double fallback = 0) {
            return lengthAttribute(node, name, axis, context, style, fallback);
        };
        if (kind == "path") {
            if (!parsePathData(node.attribute("d").value(), builder))
                warn("path data", node, "path data with an error; drawn up to it");
            return true;
        }
        if (kind == "rect") {
            double x = len("x", Axis::x), y = len("y", Axis::y);
            double width = len("width", Axis::x), height = len("height", Axis::y);
            if (!(width > 0) || !(height > 0)) return false;
            std::optional<double> rx, ry;
            if (node.attribute("rx")) rx = length(node.attribute("rx").value(), Axis::x, context, style);
            if (node.attribute("ry")) ry = length(node.attribute("ry").value(), Axis::y, context, style);
            if (rx && *rx < 0) rx.reset();
            if (ry && *ry < 0) ry.reset();
            if (!rx) rx = ry;
            if (!ry) ry = rx;
            double rX = std::min(rx.value_or(0), width / 2), rY = std::min(ry.value_or(0), height / 2);
            if (rX <= 0 || rY <= 0) {
                builder.moveTo({x, y});
                builder.lineTo({x + width, y});
                builder.lineTo({x + width, y + height});
                builder.lineTo({x, y + height});
                builder.close();
                return true;
            }
            double kx = kKappa * rX, ky = kKappa * rY;
            double right = x + width, bottom = y + height;
            builder.moveTo({x + rX, y});
            builder.lineTo({right - rX, y});
            builder.cubicTo({right - rX + kx, y}, {right, y + rY - ky}, {right, y + rY});
            builder.lineTo({right, bottom - rY});
            builder.cubicTo({right, bottom - rY + ky}, {right - rX + kx, bottom}, {right - rX, bottom});
            builder.lineTo({x + rX, bottom});
            builder.cubicTo({x + rX - kx, bottom}, {x, bottom - rY + ky}, {x, bottom - rY});
            builder.lineTo({x, y + rY});
            builder.cubicTo({x, y + rY - ky}, {x + rX - kx, y}, {x + rX, y});
            builder.close();
            return true;
        }
        if (kind == "circle" || kind == "ellipse") {
            double cx = len("cx", Axis::x), cy = len("cy", Axis::y);
            double rx, ry;
            if (kind == "circle") {
                rx = ry = len("r", Axis::other);
            } else {
                std::optional<double> x, y;
                if (node.attribute("rx")) x = length(node.attribute("rx").value(), Axis::x, context, style);
                if (node.attribute("ry")) y = length(node.attribute("ry").value(), Axis::y, context, style);
                if (x && *x < 0) x.reset();
                if (y && *y < 0) y.reset();
                if (!x) x = y;
                if (!y) y = x;
                rx = x.value_or(0);
                ry = y.value_or(0);
            }
            if (!(rx > 0) || !(ry > 0)) return false;
            // Top, right, bottom, left, as the host's own ovals.
            double kx = kKappa * rx, ky = kKappa * ry;
            builder.moveTo({cx, cy - ry});
            builder.cubicTo({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
            builder.cubicTo({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
            builder.cubicTo({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
            builder.cubicTo({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
            builder.close();
            return true;
        }
        if (kind == "line") {
            builder.moveTo({len("x1", Axis::x), len("y1", Axis::y)});
            builder.lineTo({len("x2", Axis::x), len("y2", Axis::y)});
            return true;
        }
        // polyline, polygon: pairs up to the first error; an odd last number is dropped.
        std::vector<double> values;
        std::string_view points = node.attribute("points").value();
        const char* p = points.data();
        const char* end = p + points.size();
        skipSeparators(p, end);
        double value;
        while (p < end && parseNumber(p, end, value)) {
            values.push_back(value);
            skipSeparators(p, end);
        }
        if (p < end) warn("points", node, "points with an error; drawn up to it");
        if (values.size() < 4) return false;
        builder.moveTo({values[0], values[1]});
        for (std::size_t i = 2; i + 1 < values.size(); i += 2) builder.lineTo({values[i], values[i + 1]});
        if (kind == "polygon") builder.close();
        return true;
    }

    doc::Colour documentColour(const Paint& paint, const Style& style, const char* exactAttribute,
                               const pugi::xml_node& node) {
        switch (paint.kind) {
            case Paint::none:
                return {doc::kNone, {0, 0, 0, 0}, 0};
            case Paint::server:
                return {paint.serverKind, {0, 0, 0, 0}, paint.reference};
            case Paint::currentColour:
                return threeColour(style.colour);
            case Paint::colour:
                if (auto attribute = node.attribute(exactAttribute))
                    if (auto exact = exactColour(attribute.value())) return *exact;
                return threeColour(paint.rgb);
        }
        return {};
    }

    void shape(std::string_view kind, const pugi::xml_node& node, const Context& context, const Style& style,
               const Own& own, std::vector<Item>& out) {
        PathBuilder builder;
        if (!shapeGeometry(kind, node, context, style, builder)) return;
        if (!style.visible) return;
        std::vector<Piece> pieces;
        if (!toPieces(builder.subpaths(), context.ctm, pieces, node) || pieces.empty()) return;

        // A gradient or pattern laid out on an empty bounding box (a straight horizontal or
        // vertical line) cannot be drawn: its fallback colour applies, or nothing.
        Style painted = style;
        for (Paint* paint : {&painted.fill, &painted.stroke}) {
            if (paint->kind != Paint::server || !paint->boundingBoxUnits || !emptyBox(pieces)) continue;
            if (paint->fallback) {
                paint->kind = Paint::colour;
                paint->rgb = paint->fallback->rgb;
                paint->alpha = paint->fallback->alpha;
            } else {
                paint->kind = Paint::none;
            }
        }
        paintWithStyle(node, painted, own, std::move(pieces), context, out);
    }

    static bool emptyBox(const std::vector<Piece>& pieces) {
        double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
        for (const auto& piece : pieces)
            for (const auto& s : piece.segments)
                for (doc::Point p : {s.anchor, s.in, s.out}) {
                    left = std::min(left, double(p.x));
                    right = std::max(right, double(p.x));
                    bottom = std::min(bottom, double(p.y));
                    top = std::max(top, double(p.y));
                }
        return !(right > left) || !(top > bottom);
    }

    void paintWithStyle(const pugi::xml_node& node, const Style& style, const Own& own,
                        std::vector<Piece> pieces, const Context& context, std::vector<Item>& out) {
        double lineScale = std::sqrt(std::abs(context.ctm.determinant()));
        doc::PathStyle paintStyle;
        double fillAlpha = style.fillOpacity * (style.fill.kind == Paint::colour ? style.fill.alpha : 1);
        double strokeAlpha = style.strokeOpacity * (style.stroke.kind == Paint::colour ? style.stroke.alpha : 1);
        paintStyle.fillPaint = style.fill.kind != Paint::none && fillAlpha > 0;
        paintStyle.strokePaint = style.stroke.kind != Paint::none && strokeAlpha > 0 && style.strokeWidth > 0;
        paintStyle.fill = documentColour(paintStyle.fillPaint ? style.fill : Paint{Paint::none}, style, "data-kelvo-fill", node);
        paintStyle.stroke = documentColour(paintStyle.strokePaint ? style.stroke : Paint{Paint::none}, style, "data-kelvo-stroke", node);
        paintStyle.strokeWidth = static_cast<float>(std::min(style.strokeWidth * lineScale, kMaxCoordinate));
        paintStyle.evenOdd = style.evenOdd;
        paintStyle.lineCap = style.lineCap;
        paintStyle.lineJoin = style.lineJoin;
        paintStyle.miterLimit = static_cast<float>(std::min(style.miterLimit, 1e6));

        Item item;
        item.kind = pieces.size() > 1 ? Item::compound : Item::path;
        item.id = node.attribute("id").value();
        item.pieces = std::move(pieces);
        item.style = paintStyle;
        item.blend = own.blend;
        item.opacity = static_cast<float>(own.opacity);
        if (paintStyle.fillPaint && paintStyle.strokePaint && fillAlpha != strokeAlpha) {
            // Fill and stroke with different alphas: one object cannot show both, so the fill
            // and the stroke become two objects in a group that keeps the element's opacity.
            Item group;
            group.kind = Item::group;
            group.id = item.id;
            group.opacity = item.opacity;
            group.blend = item.blend;
            item.id.clear();
            item.blend = 0;
            Item strokeItem = item;
            item.style.strokePaint = false;
            item.style.stroke = {doc::kNone, {0, 0, 0, 0}, 0};
            item.opacity = static_cast<float>(fillAlpha);
            strokeItem.style.fillPaint = false;
            strokeItem.style.fill = {doc::kNone, {0, 0, 0, 0}, 0};
            strokeItem.opacity = static_cast<float>(strokeAlpha);
            group.children.push_back(std::move(item));
            group.children.push_back(std::move(strokeItem));
            out.push_back(std::move(group));
            return;
        }
        double alpha = paintStyle.fillPaint ? fillAlpha : paintStyle.strokePaint ? strokeAlpha : 1;
        item.opacity = static_cast<float>(own.opacity * alpha);
        out.push_back(std::move(item));
    }

    // ---- The walk

    // Whether the element's prefix (or the default namespace) names SVG; without a
    // declaration, unprefixed and "svg:" elements count as SVG.
    static bool inSvgNamespace(const pugi::xml_node& node) {
        std::string_view name = node.name();
        auto colon = name.find(':');
        std::string attribute = colon == std::string_view::npos ? "xmlns" : "xmlns:" + std::string(name.substr(0, colon));
        for (pugi::xml_node at = node; at && at.type() == pugi::node_element; at = at.parent())
            if (pugi::xml_attribute declaration = at.attribute(attribute.c_str()))
                return std::string_view(declaration.value()) == "http://www.w3.org/2000/svg";
        return colon == std::string_view::npos || name.substr(0, colon) == "svg";
    }

    static bool isShape(std::string_view kind) {
        return kind == "path" || kind == "rect" || kind == "circle" || kind == "ellipse" || kind == "line" ||
               kind == "polyline" || kind == "polygon";
    }

    static bool isSilent(std::string_view kind) {
        static const std::set<std::string_view> kSilent = {
            "defs", "symbol", "title", "desc", "metadata", "style", "linearGradient", "radialGradient", "pattern",
            "clipPath", "mask", "marker", "filter", "script", "stop", "font", "font-face", "cursor", "view",
            "color-profile", "animate", "animateTransform", "animateMotion", "set", "namedview", "sodipodi:namedview"};
        return kSilent.count(kind) != 0;
    }

    static bool isUnsupported(std::string_view kind) {
        static const std::set<std::string_view> kUnsupported = {"text", "image", "foreignObject", "switch", "video",
                                                                  "audio", "iframe", "canvas", "textPath", "tref"};
        return kUnsupported.count(kind) != 0;
    }

    Item finishGroup(Item group) {
        // A group with one child passes its opacity on to it, unless blending is involved
        // (the child would then blend with the backdrop instead of inside the group).
        if (group.children.size() == 1 && group.blend == 0 && group.children[0].blend == 0 && group.opacity < 1) {
            group.children[0].opacity *= group.opacity;
            group.opacity = 1;
        }
        if (group.children.size() == 1 && group.id.empty() && group.opacity == 1 && group.blend == 0)
            return std::move(group.children[0]);
        return group;
    }

    void element(const pugi::xml_node& node, const Context& parent, std::vector<Item>& out) {
        if (node.type() != pugi::node_element) return;
        if (++elementCount_ > kMaxElements) fail(node, "more than " + std::to_string(kMaxElements) + " elements (with references expanded)");
        if (parent.depth >= kMaxDepth) fail(node, "elements nested deeper than " + std::to_string(kMaxDepth) + " levels (with references expanded)");
        if (!inSvgNamespace(node)) return;  // another vocabulary
        std::string_view kind = localName(node);
        if (isSilent(kind)) return;
        if (isUnsupported(kind)) {
            warn(std::string(kind), node, "<" + std::string(kind) + "> elements are not supported; skipped");
            return;
        }
        bool container = kind == "g" || kind == "a" || kind == "svg" || kind == "use";
        if (!container && !isShape(kind)) {
            warn("element " + std::string(kind), node, "unknown element <" + std::string(kind) + ">; skipped");
            return;
        }
        Declared declared;
        declare(node, declared);
        Own own;
        Context context = parent;
        context.depth = parent.depth + 1;
        context.style = computeStyle(node, declared, parent.style, own, parent);
        if (!own.display) return;

        Transform local;
        if (kind == "use") {
            double x = lengthAttribute(node, "x", Axis::x, parent, context.style, 0);
            double y = lengthAttribute(node, "y", Axis::y, parent, context.style, 0);
            if (auto transform = elementTransform(node, own, parent, context.style)) local = *transform;
            local = local * Transform::translate(x, y);
        } else if (auto transform = elementTransform(node, own, parent, context.style)) {
            local = *transform;
        }
        context.ctm = parent.ctm * local;
        if (context.ctm.determinant() == 0) return;

        if (isShape(kind)) {
            shape(kind, node, context, context.style, own, out);
            return;
        }
        Item group;
        group.kind = Item::group;
        group.id = node.attribute("id").value();
        group.opacity = static_cast<float>(own.opacity);
        group.blend = own.blend;
        if (kind == "g" || kind == "a") {
            children(node, context, group.children);
        } else if (kind == "svg") {
            if (!viewport(node, node, context, parent)) return;
            children(node, context, group.children);
        } else {
            use(node, context, group.children);
        }
        if (group.children.empty()) return;
        out.push_back(finishGroup(std::move(group)));
    }

    void children(const pugi::xml_node& node, const Context& context, std::vector<Item>& out) {
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) element(child, context, out);
    }

    // A nested <svg> (or a <symbol> or <svg> drawn by <use>): its viewport and viewBox
    // mapping; false when its size leaves nothing to draw. `sizeNode` gives width and height
    // (the <use> when it sets them).
    bool viewport(const pugi::xml_node& node, const pugi::xml_node& sizeNode, Context& context, const Context& parent) {
        double x = 0, y = 0;
        if (localName(node) == "svg") {
            x = lengthAttribute(node, "x", Axis::x, parent, context.style, 0);
            y = lengthAttribute(node, "y", Axis::y, parent, context.style, 0);
        }
        auto size = [&](const char* name, Axis axis) {
            const pugi::xml_node& from = sizeNode.attribute(name) ? sizeNode : node;
            return lengthAttribute(from, name, axis, parent, context.style, axis == Axis::x ? parent.viewport.x : parent.viewport.y);
        };
        double width = size("width", Axis::x), height = size("height", Axis::y);
        if (!(width > 0) || !(height > 0)) return false;
        std::string_view overflow = node.attribute("overflow").value();
        if (overflow != "visible" && overflow != "auto" && localName(node) == "svg")
            warn("viewport clipping", node, "clipping to nested viewports is not supported; content drawn unclipped");
        auto box = viewBox(node);
        if (box) {
            context.ctm = context.ctm * Transform::translate(x, y) *
                          viewBoxTransform(*box, node.attribute("preserveAspectRatio").value(), width, height);
            context.viewport = {box->width, box->height};
        } else {
            context.ctm = context.ctm * Transform::translate(x, y);
            context.viewport = {width, height};
        }
        return true;
    }

    void use(const pugi::xml_node& node, const Context& context, std::vector<Item>& out) {
        std::string_view href = node.attribute("xlink:href") ? node.attribute("xlink:href").value() : node.attribute("href").value();
        href = trim(href);
        if (href.empty() || href.front() != '#') {
            if (!href.empty()) warn("external use", node, "references to other files are not supported; <use> skipped");
            return;
        }
        auto found = ids_.find(std::string(href.substr(1)));
        if (found == ids_.end()) {
            warn("missing use", node, "<use> of a missing element \"" + std::string(href) + "\"; skipped");
            return;
        }
        pugi::xml_node target = found->second;
        // A reference to itself or to an element that contains it would never end.
        for (pugi::xml_node ancestor = node; ancestor; ancestor = ancestor.parent())
            if (ancestor == target) {
                warn("recursive use", node, "recursive <use>; skipped");
                return;
            }
        if (std::find(activeUses_.begin(), activeUses_.end(), target) != activeUses_.end()) {
            warn("recursive use", node, "recursive <use>; skipped");
            return;
        }
        activeUses_.push_back(target);
        std::string_view targetKind = localName(target);
        if (targetKind == "symbol") {
            Declared declared;
            declare(target, declared);
            Own own;
            Context inner = context;
            inner.depth = context.depth + 1;
            inner.style = computeStyle(target, declared, context.style, own, context);
            // A symbol's own transform attribute is not applied (it has none in SVG 1.1).
            if (own.display && viewport(target, node, inner, context)) {
                Item group;
                group.kind = Item::group;
                group.opacity = static_cast<float>(own.opacity);
                group.blend = own.blend;
                children(target, inner, group.children);
                if (!group.children.empty()) out.push_back(finishGroup(std::move(group)));
            }
        } else if (targetKind == "svg") {
            // A referenced <svg> takes its size from the <use> when the <use> sets one.
            Declared declared;
            declare(target, declared);
            Own own;
            Context inner = context;
            inner.depth = context.depth + 1;
            inner.style = computeStyle(target, declared, context.style, own, context);
            if (own.display && viewport(target, node, inner, context)) {
                Item group;
                group.kind = Item::group;
                group.id = target.attribute("id").value();
                group.opacity = static_cast<float>(own.opacity);
                group.blend = own.blend;
                children(target, inner, group.children);
                if (!group.children.empty()) out.push_back(finishGroup(std::move(group)));
            }
        } else {
            element(target, context, out);
        }
        activeUses_.pop_back();
    }

    void markGuides(std::vector<Item>& items) {
        for (auto& item : items) {
            item.guide = true;
            markGuides(item.children);
        }
    }

    void walkRoot(const pugi::xml_node& root) {
        Context context;
        context.ctm = pageTransform_;
        context.viewport = viewport_;
        Declared declared;
        declare(root, declared);
        Own own;
        context.style = computeStyle(root, declared, Style{}, own, context);
        rootFontSize_ = context.style.fontSize;
        if (!own.display) return;
        LayerBucket* loose = nullptr;
        for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            if (isLayerGroup(child)) {
                loose = nullptr;
                LayerBucket bucket;
                bucket.name = child.attribute("inkscape:label").value();
                if (bucket.name.empty()) bucket.name = child.attribute("data-kelvo-layer").value();
                if (bucket.name.empty()) bucket.name = child.attribute("id").value();
                if (bucket.name.empty()) bucket.name = "Layer " + std::to_string(buckets_.size() + 1);
                bucket.guides = std::string_view(child.attribute("data-kelvo-guides").value()) == "true";
                Declared layerDeclared;
                declare(child, layerDeclared);
                Own layerOwn;
                Context inner = context;
                inner.depth = 1;
                inner.style = computeStyle(child, layerDeclared, context.style, layerOwn, context);
                bucket.hidden = !layerOwn.display && !bucket.guides;
                if (auto transform = elementTransform(child, layerOwn, context, inner.style)) inner.ctm = inner.ctm * *transform;
                children(child, inner, bucket.items);
                if (bucket.guides) markGuides(bucket.items);
                if (layerOwn.opacity < 1 && !bucket.items.empty()) {
                    Item group;
                    group.kind = Item::group;
                    group.opacity = static_cast<float>(layerOwn.opacity);
                    group.children = std::move(bucket.items);
                    bucket.items.clear();
                    bucket.items.push_back(std::move(group));
                }
                buckets_.push_back(std::move(bucket));
                continue;
            }
            if (!loose) {
                buckets_.push_back(LayerBucket{"Layer " + std::to_string(buckets_.size() + 1), false, false, {}});
                loose = &buckets_.back();
            }
            std::vector<Item>& items = loose->items;
            element(child, context, items);
            loose = &buckets_.back();
        }
        if ((own.opacity < 1 || own.blend != 0)) {
            // Opacity on the root applies to the whole drawing, layer by layer.
            for (auto& bucket : buckets_) {
                if (bucket.items.empty()) continue;
                Item group;
                group.kind = Item::group;
                group.opacity = static_cast<float>(own.opacity);
                group.children = std::move(bucket.items);
                bucket.items.clear();
                bucket.items.push_back(std::move(group));
            }
        }
    }

    // ---- Building the document

    void emit() {
        doc::LayerId previous = 0;
        for (std::size_t i = 0; i < buckets_.size(); ++i) {
            const auto& bucket = buckets_[i];
            doc::LayerId layer;
            if (i == 0) {
                layer = document_->layers().front();
            } else if (document_->insertLayer(previous, doc::Placement::above, &layer) != doc::Status::ok) {
                continue;
            }
            document_->setName(layer, bucket.name);
            for (const auto& item : bucket.items) emitItem(item, layer);
            if (bucket.hidden) document_->setLayerHidden(layer, true);
            previous = layer;
        }
        if (!document_->layers().empty()) document_->setCurrentLayer(document_->layers().front());
    }

    void emitItem(const Item& item, doc::ArtId parent) {
        doc::ArtId id = 0;
        switch (item.kind) {
            case Item::path: {
                if (document_->newArt(doc::ArtKind::path, doc::Placement::insideOnTop, parent, &id) != doc::Status::ok) return;
                const Piece& piece = item.pieces.front();
                document_->setAllSegments(id, piece.segments);
                document_->setClosed(id, piece.closed);
                document_->setGuide(id, item.guide);
                break;
            }
            case Item::compound: {
                if (document_->newArt(doc::ArtKind::compound, doc::Placement::insideOnTop, parent, &id) != doc::Status::ok) return;
                for (const Piece& piece : item.pieces) {
                    doc::ArtId child;
                    if (document_->newArt(doc::ArtKind::path, doc::Placement::insideOnTop, id, &child) != doc::Status::ok) continue;
                    document_->setAllSegments(child, piece.segments);
                    document_->setClosed(child, piece.closed);
                    document_->setGuide(child, item.guide);
                }
                break;
            }
            case Item::group:
                if (document_->newArt(doc::ArtKind::group, doc::Placement::insideOnTop, parent, &id) != doc::Status::ok) return;
                for (const Item& child : item.children) emitItem(child, id);
                break;
        }
        if (item.kind != Item::group) document_->setStyle(id, item.style);
        if (item.opacity != 1) document_->setOpacity(id, std::clamp(item.opacity, 0.0f, 1.0f));
        if (item.blend != 0) document_->setBlendMode(id, item.blend);
        if (!item.id.empty()) document_->setName(id, item.id);
    }

    std::string_view text_;
    std::vector<std::string>* warnings_;
    std::string name_;
    std::vector<std::size_t> lineStarts_;
    std::set<std::string> warnedKinds_;
    pugi::xml_document xml_;
    std::unordered_map<std::string, pugi::xml_node> ids_;
    std::unordered_map<std::string, int> servers_;
    StyleSheet styleSheet_;
    std::unique_ptr<doc::Document> document_;
    Transform pageTransform_;
    Vec viewport_{612, 792};
    double rootFontSize_ = 16;
    double pageHeight_ = 792;
    std::vector<LayerBucket> buckets_;
    std::vector<pugi::xml_node> activeUses_;
    std::size_t elementCount_ = 0;
};

}  // namespace

std::unique_ptr<doc::Document> importSvg(std::string_view text, std::vector<std::string>* warnings,
                                         const std::string& sourceName) {
    return Importer(text, warnings, sourceName).run();
}

std::unique_ptr<doc::Document> importSvgFile(const std::string& path, std::vector<std::string>* warnings) {
    std::string name = std::filesystem::path(path).filename().string();
    std::ifstream file(path, std::ios::binary);
    if (!file) throw Error(name + ": cannot open the file");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw Error(name + ": cannot read the file");
    return importSvg(text, warnings, name);
}

}  // namespace kelvo::io
