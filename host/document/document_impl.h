// Internal state of Document, shared by the files of host/document. Not for other modules.
#pragma once

#include "document/document.h"

#include <variant>

namespace kelvo::doc {

// The parts of an object that geometry changes (transform, symbol conversion) replace as a whole.
struct ArtContent {
    ArtKind kind = ArtKind::path;
    std::vector<Segment> segments;
    bool closed = false;
    float strokeWidth = 1;
    int symbol = -1;
    Matrix placement;
    std::vector<Segment> envelopeShape;
};

// One journaled change and what its undo needs.
namespace entry {
struct Created { ArtId id; };                              // undo: remove and free the subtree
struct Disposed { ArtId id; ArtId parent; std::size_t index; };  // undo: revive, reinsert
struct Moved { ArtId id; ArtId parent; std::size_t index; };
struct Spliced { ArtId id; std::size_t index, oldCount; std::vector<Segment> replaced; };
struct Content { ArtId id; std::unique_ptr<ArtContent> content; };
enum class Flag { closed, guide, selected, locked, hidden };
struct FlagSet { ArtId id; Flag flag; bool old; };
struct Style { ArtId id; PathStyle old; };
struct Opacity { ArtId id; float old; };
struct Blend { ArtId id; int old; };
struct Name { ArtId id; std::string old; };
struct Tag { ArtId id; std::string name; std::optional<std::string> old; };
struct WarpSet { ArtId id; std::optional<Warp> old; };
struct LayerInserted { LayerId id; int oldCounter; };
struct CurrentLayer { LayerId old; };
struct SymbolAdded { int oldCounter; };
}  // namespace entry

using JournalEntry = std::variant<entry::Created, entry::Disposed, entry::Moved, entry::Spliced,
                                  entry::Content, entry::FlagSet, entry::Style, entry::Opacity,
                                  entry::Blend, entry::Name, entry::Tag, entry::WarpSet,
                                  entry::LayerInserted, entry::CurrentLayer, entry::SymbolAdded>;

struct Document::Impl {
    float width = 612, height = 792;
    int colourModel = 2;
    // Objects by id. A slot is null for ids never made and for freed objects; `live` marks the
    // objects find() returns. Disposed objects stay allocated while a journal entry may revive them.
    std::vector<std::unique_ptr<Art>> arts;
    std::vector<std::uint8_t> live;
    std::vector<LayerId> layers;  // bottom first
    LayerId current = 0;
    int layerCounter = 0, symbolCounter = 0;
    std::vector<Swatch> swatches;
    std::vector<GraphicStyle> graphicStyles;
    std::vector<Symbol> symbols;
    std::vector<PaintServer> paintServers;
    PathStyle currentStyle;
    bool commandOpen = false;
    std::vector<JournalEntry> journal;

    Art* get(ArtId id) {
        return id < arts.size() && live[id] ? arts[id].get() : nullptr;
    }
    const Art* get(ArtId id) const {
        return id < arts.size() && live[id] ? arts[id].get() : nullptr;
    }
    bool journaling() const { return commandOpen; }
    void record(JournalEntry e) {
        if (commandOpen) journal.push_back(std::move(e));
    }

    Art& make(ArtKind kind);  // a live, unattached object with a new id
    // The layer an object lies in, 0 for objects of symbol definitions.
    LayerId layerOf(ArtId id) const;
    bool isAncestor(ArtId ancestor, ArtId id) const;  // ancestor == id counts
    // Children list of a parent (layers list for parent 0).
    std::vector<ArtId>& siblings(ArtId parent);
    std::size_t indexIn(ArtId parent, ArtId id);
    void detach(ArtId id);                               // from its parent, no journal
    void attach(ArtId id, ArtId parent, std::size_t index);  // no journal
    void setLive(ArtId id, bool alive);                  // the whole subtree
    void freeTree(ArtId id);                             // releases the subtree's storage
    ArtId copyTree(ArtId id, ArtId parent);              // new ids, unattached root
    // Where `placement` relative to `reference` puts a new object of `kind`: parent and index.
    // `height` is the depth of the subtree being placed below its root (0 for new art).
    Status resolvePlacement(Placement placement, ArtId reference, ArtKind kind, ArtId moving, std::size_t height,
                            ArtId* outParent, std::size_t* outIndex) const;
    std::size_t depth(ArtId id) const;   // the number of ancestors
    std::size_t subtreeHeight(ArtId id) const;  // the longest way down to a descendant
    Status place(ArtId id, Placement placement, ArtId reference);  // attach a new object, journaled
    void disposeJournaled(ArtId id);
    void undoEntry(JournalEntry& e);
    void dropJournal();
};

// Geometry helpers (bounds.cpp, warp.cpp).
struct Box {
    Rect rect;
    bool empty = true;
    void add(Point p);
    void add(const Box& other);
};
Box curveBounds(const std::vector<Segment>& segments, bool closed);
// Each cubic split in `pieces` parts, the result as segments of the same outline.
std::vector<Segment> subdivide(const std::vector<Segment>& segments, bool closed, int pieces);
// The envelope's map from the source's bounds box onto the shape or warp.
class EnvelopeMap {
public:
    EnvelopeMap(const Art& envelope, const Rect& box);
    Point apply(Point p) const;

private:
    enum class Mode { box, coons, disc } mode_ = Mode::box;
    Rect box_, target_;
    std::optional<Warp> warp_;
    std::array<std::array<Point, 4>, 4> sides_{};  // top, right, bottom, left as cubics
    std::array<Point, 4> corners_{};               // (0,0), (1,0), (0,1), (1,1)
};

std::size_t indexOf(const std::vector<ArtId>& list, ArtId id);  // list.size() when absent
bool finite(float v);
bool finite(Point p);
bool finite(const Segment& s);
bool finite(const Matrix& m);
bool validColour(const Colour& c, std::size_t paintServers);
Colour clampedColour(Colour c);

}  // namespace kelvo::doc
