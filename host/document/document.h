// The vector document: an art tree of layers, groups, paths, compound paths, symbol instances
// and envelopes, with paint, swatches, graphic styles, symbols and an undo journal.
//
// Coordinates are artwork points, x to the right, y upward. Every change made through the
// mutating members below is journaled with its inverse while a command is open (beginCommand);
// undo() reverts, newest first, everything journaled since the command began or since the last
// undo, restoring objects under their old ids. Reads never change the document.
//
// Failures are reported by the Status return value; a failed call changes nothing. The members
// never throw except std::bad_alloc.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvo::doc {

using ArtId = std::uint64_t;  // 0 is "none"; ids are never reused within a document
using LayerId = ArtId;        // a layer is the id of its layer group

enum class Status {
    ok,
    badHandle,     // no live object with that id, or the wrong kind of object
    badParameter,  // out of range, non-finite, null
    locked,        // the target layer is locked or hidden
    tooManyPoints  // a path would hold more than kMaxSegments
};

inline constexpr std::size_t kMaxSegments = 32767;
// The most ancestors an object may have (a layer's children have one): placing art deeper is
// refused with badParameter, so walking the tree never exhausts the stack.
inline constexpr std::size_t kMaxDepth = 1000;

// Numeric values match the plug-in interface (art_suite.h, path_style_suite.h, blend_suite.h).
enum class ArtKind : int {
    group = 1,
    path = 2,
    compound = 3,       // children are paths only
    envelope = 8,       // children[0] is the source object; exported as the warped geometry
    symbolInstance = 11,
    layer = 12
};

// Where new, duplicated or moved art goes. aboveAll / belowAll: top / bottom of the current layer
// (the reference is ignored). above / below: directly above / below the reference, in its
// parent. insideOnTop / insideOnBottom: last / first child of the reference container (group,
// compound path or layer; a null reference means the current layer). A compound path takes
// paths only, an envelope takes nothing. Status::locked when the receiving layer is locked or
// hidden; badParameter when the reference is a layer (above/below), lies in a symbol definition,
// or is the moving object or inside it.
enum class Placement : int { above = 1, below = 2, insideOnTop = 3, insideOnBottom = 4, aboveAll = 5, belowAll = 6 };

enum ColourKind : int { kGray = 0, kFour = 1, kPattern = 2, kGradient = 3, kSpot = 4, kThree = 5, kNone = 6 };

struct Point {
    float x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {  // top >= bottom
    float left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

// x' = a·x + c·y + tx, y' = b·x + d·y + ty
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    Point apply(Point p) const;
    Matrix then(const Matrix& next) const;  // this first, then next
    bool operator==(const Matrix&) const = default;
};

struct Segment {
    Point anchor, in, out;  // in: direction point arriving, out: leaving
    bool corner = false;
    bool operator==(const Segment&) const = default;
};

struct Colour {
    int kind = kFour;
    std::array<float, 4> channel{};  // 0 to 1; unused channels 0
    int reference = 0;               // paint server index for kPattern / kGradient
    bool operator==(const Colour&) const = default;
};

struct PathStyle {
    bool fillPaint = true, strokePaint = true;
    Colour fill{kFour, {0, 0, 0, 0}, 0};
    Colour stroke{kFour, {0, 0, 0, 1}, 0};
    float strokeWidth = 1;
    bool evenOdd = false;
    int lineCap = 0, lineJoin = 0;
    float miterLimit = 4;
    bool operator==(const PathStyle&) const = default;
};

struct Warp {
    int style = 1;  // 1 ... 15
    float bend = 0, horizontal = 0, vertical = 0;
    bool horizontalAxis = true;
    bool operator==(const Warp&) const = default;
};

struct Art {
    ArtId id = 0;
    ArtKind kind = ArtKind::path;
    ArtId parent = 0;               // 0 only for layer groups
    std::vector<ArtId> children;    // stacking order, bottom first
    // Paths.
    std::vector<Segment> segments;
    bool closed = false, guide = false;
    // Paint: paths hold their own; a compound path's style is the style of its children.
    PathStyle style;
    float opacity = 1;
    int blendMode = 0;              // 0 ... 15
    bool selected = false, locked = false, hidden = false;
    std::string name;               // layer title, or an imported id
    std::map<std::string, std::string> tags;
    // Symbol instances: the symbol's index and the placement of its definition.
    int symbol = -1;
    Matrix placement;
    // Envelopes: the shape the source is mapped onto (a closed path) and an optional warp.
    std::vector<Segment> envelopeShape;
    std::optional<Warp> warp;
};

struct Swatch {
    std::string name;
    Colour colour;
};

struct GraphicStyle {
    std::string name;
    PathStyle style;
    float opacity = 1;
};

struct Symbol {
    std::string name;
    ArtId definition = 0;  // a detached art subtree, not in any layer
};

// Gradients and patterns read from SVG, kept as they came and written back unchanged.
struct PaintServer {
    std::string id;
    std::string svg;  // the element's markup
    Colour fallback;  // a flat colour close to it, for renderers that cannot draw it
};

class Document {
public:
    // The default document: 612 × 792 page, four-colour model, one layer "Layer 1", the
    // default swatches and graphic styles.
    Document();
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // ---- Reading
    float width() const;
    float height() const;
    int colourModel() const;  // 0 gray, 1 three-colour, 2 four-colour
    // Null unless the object is live: in a layer, or inside a symbol's definition (which
    // forEach does not visit; symbols() names the definitions' roots).
    const Art* find(ArtId id) const;
    // The layer holding the object (a layer is its own); 0 for symbol definitions and dead ids.
    LayerId layerOf(ArtId id) const;
    const std::vector<ArtId>& layers() const;  // bottom first
    LayerId currentLayer() const;
    // Tight bounds of the curves, without stroke width; (0,0,0,0) for empty art and dead ids.
    // Containers: the union of their non-empty children; envelopes and symbol instances: what
    // they show.
    Rect bounds(ArtId id) const;
    const std::vector<Swatch>& swatches() const;
    const std::vector<GraphicStyle>& graphicStyles() const;
    const std::vector<Symbol>& symbols() const;
    const std::vector<PaintServer>& paintServers() const;
    const PathStyle& currentStyle() const;
    // The paint an object shows: a path's own, else the first path below it (a compound path's
    // first child, an envelope's source, a group's first path); null when there is none.
    const PathStyle* pathStyle(ArtId id) const;
    // Every live object in stacking order (bottom first, a container before its children).
    void forEach(const std::function<void(const Art&)>& visit) const;
    // The geometry an object shows: paths and compound paths as they are; envelopes warped;
    // symbol instances placed. Each entry is one path with the paint it shows. Hidden objects
    // show nothing; guides are included (art->guide says so). An envelope maps its source from
    // the source's bounds box: by its warp when it has one (onto the warped box), else onto its
    // shape: an oval (four curved segments with anchors on the middles of its box's sides) as
    // the box onto the ellipse, any other four-segment shape as a Coons patch whose sides are
    // its segments (a rectangle: bilinear between its corners), other shapes onto their box.
    // Each cubic of the source is cut in four before mapping.
    struct ShownPath {
        const Art* art;  // the path whose paint and flags apply
        std::vector<Segment> segments;
        bool closed;
    };
    std::vector<ShownPath> shownPaths(ArtId id) const;

    // ---- Setting up (not journaled; for import and the command line)
    // badParameter (and nothing changed) for a non-finite or non-positive size, a model
    // outside 0 ... 2, a non-finite channel or an unknown colour kind. Finite channels outside
    // 0 ... 1 are limited to that range, here and in setStyle.
    Status setPage(float width, float height);
    Status setColourModel(int model);
    Status setSwatches(std::vector<Swatch> swatches);
    Status addSwatch(Swatch swatch);
    // Also the paint of graphic style 0, "Default".
    Status setCurrentStyle(const PathStyle& style);
    int addPaintServer(PaintServer server);  // its index, for Colour::reference; -1 if refused

    // ---- Commands and undo
    void beginCommand();   // opens a command; a command already open stays open
    void commitCommand();  // ends the command; its journal is dropped
    bool commandOpen() const;
    void undo();           // see the header comment; nothing when nothing changed
    std::size_t journalSize() const;

    // ---- Changes (journaled while a command is open)
    // Ids are checked first (badHandle: dead, never made, or the wrong kind), then numbers
    // (badParameter: non-finite coordinates, widths, channels, matrices, opacity, or out of
    // range). Out-parameters are 0 (or -1 for symbols) on failure.
    //
    // newArt: kinds path, group and compound only; a new path is empty, open, in the current
    // style. dispose: any object in a layer, or a layer while another one remains (a current
    // layer hands over to the layer below it, else above). duplicate: a deep copy with new ids.
    // setStyle: every path at or below the object (symbol instances: badHandle).
    // applyGraphicStyle: paint flags, colours and width on every path below, opacity on the
    // object itself. transform: widths scale by |lineScale|; symbol instances change placement,
    // envelopes their shape and their source. insertLayer: above, below, aboveAll, belowAll
    // relative to the reference layer; its title is "Layer N" with N counting every layer made.
    // newSymbolFromArt: not for layers or the paths of a compound path; the instance loses its
    // children and geometry (kept for undo). makeEnvelope: the source takes its place; the shape
    // must be a path with segments outside the source. setWarp: style 1 ... 15, bend and
    // distortions in -1 ... 1.
    Status newArt(ArtKind kind, Placement placement, ArtId reference, ArtId* outId);
    Status dispose(ArtId id);
    Status duplicate(ArtId id, Placement placement, ArtId reference, ArtId* outId);
    Status move(ArtId id, Placement placement, ArtId reference);
    Status setSegments(ArtId path, std::size_t index, const std::vector<Segment>& segments);  // index <= count
    Status setAllSegments(ArtId path, std::vector<Segment> segments);
    Status setClosed(ArtId path, bool closed);
    Status setGuide(ArtId path, bool guide);
    Status setStyle(ArtId art, const PathStyle& style);  // compound: every child
    Status setOpacity(ArtId art, float opacity);
    Status setBlendMode(ArtId art, int mode);
    Status setSelected(ArtId art, bool selected);
    Status setName(ArtId art, const std::string& name);
    Status setTag(ArtId art, const std::string& name, const std::optional<std::string>& value);
    Status transform(ArtId art, const Matrix& matrix, float lineScale);
    Status applyGraphicStyle(ArtId art, int index);
    Status insertLayer(LayerId reference, Placement placement, LayerId* outLayer);  // becomes current
    Status setCurrentLayer(LayerId layer);
    Status newRect(float x0, float y0, float x1, float y1, bool reversed, ArtId* outId);
    Status newOval(float x0, float y0, float x1, float y1, bool reversed, ArtId* outId);
    Status newSymbolFromArt(ArtId art, int* outSymbol);  // the art becomes an instance
    Status makeEnvelope(ArtId source, ArtId shape, ArtId* outEnvelope);  // shape is consumed
    Status setWarp(ArtId envelope, const Warp& warp);
    Status setLayerLocked(LayerId layer, bool locked);
    Status setLayerHidden(LayerId layer, bool hidden);
    Status setLocked(ArtId art, bool locked);  // any object, layers included
    Status setHidden(ArtId art, bool hidden);

    // Every piece of document content in a canonical text form (ids, tree, paint, layers,
    // symbols, swatches, styles); equal dumps mean equal documents. For tests and debugging.
    std::string debugDump() const;

    struct Impl;  // defined and used inside host/document only

private:
    std::unique_ptr<Impl> impl_;
};

// Path style interpolation: t = 1 gives first, 0 second; channels and width linear when the
// colour kinds match, else the nearer style's colour; flags from the nearer style.
PathStyle interpolate(const PathStyle& first, const PathStyle& second, float t);

// The warp of style 1 ... 15 applied to a point of the unit square (0 ... 1 on both axes):
// 1 arc, 2 lower arc, 3 upper arc, 4 arch, 5 bulge, 6 lower shell, 7 upper shell, 8 flag,
// 9 wave, 10 fish, 11 rise, 12 fisheye, 13 inflate, 14 squeeze, 15 twist. Bend 0 with no
// distortion is the identity; horizontalAxis false bends along y instead. The distortions taper
// the result like a perspective. Values are limited to -1 ... 1; results stay finite.
Point warpUnitPoint(const Warp& warp, Point p);

}  // namespace kelvo::doc
