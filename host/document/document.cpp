// The art tree: objects by id, placement, creation, disposal, moves and the plain setters.
#include "document/document_impl.h"

#include <algorithm>
#include <cmath>

namespace kelvo::doc {

void fillDefaults(std::vector<Swatch>& swatches, std::vector<GraphicStyle>& styles, const PathStyle& current);

bool finite(float v) { return std::isfinite(v); }
bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool finite(const Segment& s) { return finite(s.anchor) && finite(s.in) && finite(s.out); }
bool finite(const Matrix& m) {
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
           std::isfinite(m.tx) && std::isfinite(m.ty);
}

bool validColour(const Colour& c, std::size_t paintServers) {
    if (c.kind < kGray || c.kind > kNone) return false;
    for (float v : c.channel)
        if (!finite(v)) return false;
    if ((c.kind == kPattern || c.kind == kGradient) &&
        (c.reference < 0 || static_cast<std::size_t>(c.reference) >= paintServers))
        return false;
    return true;
}

Colour clampedColour(Colour c) {
    for (float& v : c.channel) v = std::clamp(v, 0.0f, 1.0f);
    return c;
}

namespace {

bool validStyle(const PathStyle& s, std::size_t paintServers) {
    return validColour(s.fill, paintServers) && validColour(s.stroke, paintServers) &&
           finite(s.strokeWidth) && s.strokeWidth >= 0 && finite(s.miterLimit) && s.miterLimit >= 0 &&
           s.lineCap >= 0 && s.lineCap <= 2 && s.lineJoin >= 0 && s.lineJoin <= 2;
}

PathStyle clampedStyle(PathStyle s) {
    s.fill = clampedColour(s.fill);
    s.stroke = clampedColour(s.stroke);
    return s;
}

bool isContainer(ArtKind k) { return k == ArtKind::group || k == ArtKind::compound || k == ArtKind::layer; }

}  // namespace

// ---------------------------------------------------------------- Impl helpers

Art& Document::Impl::make(ArtKind kind) {
    if (arts.empty()) {
        arts.emplace_back();  // id 0 is "none"
        live.push_back(0);
    }
    auto art = std::make_unique<Art>();
    art->id = arts.size();
    art->kind = kind;
    art->style = currentStyle;
    arts.push_back(std::move(art));
    live.push_back(1);
    return *arts.back();
}

LayerId Document::Impl::layerOf(ArtId id) const {
    const Art* a = get(id);
    while (a && a->parent != 0) a = get(a->parent);
    return a && a->kind == ArtKind::layer ? a->id : 0;
}

bool Document::Impl::isAncestor(ArtId ancestor, ArtId id) const {
    for (const Art* a = get(id); a; a = a->parent ? get(a->parent) : nullptr)
        if (a->id == ancestor) return true;
    return false;
}

std::vector<ArtId>& Document::Impl::siblings(ArtId parent) {
    return parent == 0 ? layers : arts[parent]->children;
}

// Searching from both ends at once: art is mostly made, undone and removed near the top or the
// bottom of its list, so those stay cheap in long lists.
std::size_t indexOf(const std::vector<ArtId>& list, ArtId id) {
    for (std::size_t low = 0, high = list.size(); low < high;) {
        if (list[--high] == id) return high;
        if (list[low] == id) return low;
        ++low;
    }
    return list.size();
}

std::size_t Document::Impl::indexIn(ArtId parent, ArtId id) { return indexOf(siblings(parent), id); }

void Document::Impl::detach(ArtId id) {
    Art& a = *arts[id];
    auto& list = siblings(a.parent);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(indexIn(a.parent, id)));
    a.parent = 0;
}

void Document::Impl::attach(ArtId id, ArtId parent, std::size_t index) {
    auto& list = siblings(parent);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(index, list.size())), id);
    arts[id]->parent = parent;
}

void Document::Impl::setLive(ArtId id, bool alive) {
    live[id] = alive ? 1 : 0;
    for (ArtId child : arts[id]->children) setLive(child, alive);
}

void Document::Impl::freeTree(ArtId id) {
    if (!arts[id]) return;
    for (ArtId child : arts[id]->children) freeTree(child);
    arts[id].reset();
    live[id] = 0;
}

ArtId Document::Impl::copyTree(ArtId id, ArtId parent) {
    Art& copy = make(arts[id]->kind);
    ArtId copyId = copy.id;
    {
        const Art& source = *arts[id];
        copy = source;
        copy.id = copyId;
        copy.parent = parent;
        copy.children.clear();
    }
    // Copy children by index: make() may grow `arts`, but Art objects themselves never move.
    const std::vector<ArtId>& children = arts[id]->children;
    for (std::size_t i = 0; i < children.size(); ++i) {
        ArtId child = copyTree(children[i], copyId);
        arts[copyId]->children.push_back(child);
    }
    return copyId;
}

std::size_t Document::Impl::depth(ArtId id) const {
    std::size_t n = 0;
    for (const Art* a = get(id); a && a->parent; a = get(a->parent)) ++n;
    return n;
}

std::size_t Document::Impl::subtreeHeight(ArtId id) const {
    std::size_t h = 0;
    for (ArtId child : arts[id]->children) h = std::max(h, subtreeHeight(child) + 1);
    return h;
}

Status Document::Impl::resolvePlacement(Placement placement, ArtId reference, ArtKind kind, ArtId moving,
                                        std::size_t height, ArtId* outParent, std::size_t* outIndex) const {
    ArtId parent = 0;
    std::size_t index = 0;
    switch (placement) {
    case Placement::aboveAll:
    case Placement::belowAll: {
        parent = current;
        index = placement == Placement::aboveAll ? get(parent)->children.size() : 0;
        break;
    }
    case Placement::above:
    case Placement::below: {
        const Art* ref = get(reference);
        if (!ref) return Status::badHandle;
        if (ref->kind == ArtKind::layer || layerOf(reference) == 0) return Status::badParameter;
        if (moving && isAncestor(moving, reference)) return Status::badParameter;
        // Art inside an envelope is placed beside the envelope: an envelope holds its source only.
        ArtId anchor = reference;
        while (get(get(anchor)->parent)->kind == ArtKind::envelope) anchor = get(anchor)->parent;
        parent = get(anchor)->parent;
        index = indexOf(get(parent)->children, anchor);
        if (placement == Placement::above) ++index;
        break;
    }
    case Placement::insideOnTop:
    case Placement::insideOnBottom: {
        const Art* ref = reference ? get(reference) : get(current);
        if (!ref) return Status::badHandle;
        if (!isContainer(ref->kind) || layerOf(ref->id) == 0) return Status::badParameter;
        if (moving && isAncestor(moving, ref->id)) return Status::badParameter;
        parent = ref->id;
        index = placement == Placement::insideOnTop ? ref->children.size() : 0;
        break;
    }
    default:
        return Status::badParameter;
    }
    const Art* p = get(parent);
    if (p->kind == ArtKind::envelope) return Status::badParameter;  // an envelope holds its source only
    if (p->kind == ArtKind::compound && kind != ArtKind::path) return Status::badParameter;
    const Art* layer = get(layerOf(parent));
    if (!layer || layer->locked || layer->hidden) return Status::locked;
    if (depth(parent) + 1 + height > kMaxDepth) return Status::badParameter;
    // A move within the same list: the index counts the list without the moving object.
    if (moving && get(moving)->parent == parent) {
        if (indexOf(get(parent)->children, moving) < index) --index;
    }
    *outParent = parent;
    *outIndex = index;
    return Status::ok;
}

void Document::Impl::disposeJournaled(ArtId id) {
    ArtId parent = arts[id]->parent;
    std::size_t index = indexIn(parent, id);
    detach(id);
    setLive(id, false);
    if (journaling())
        record(entry::Disposed{id, parent, index});
    else
        freeTree(id);
}

// ---------------------------------------------------------------- Document

Document::Document() : impl_(std::make_unique<Impl>()) {
    Impl& d = *impl_;
    fillDefaults(d.swatches, d.graphicStyles, d.currentStyle);
    Art& layer = d.make(ArtKind::layer);
    layer.name = "Layer 1";
    d.layers.push_back(layer.id);
    d.current = layer.id;
    d.layerCounter = 1;
}

Document::~Document() = default;

float Document::width() const { return impl_->width; }
float Document::height() const { return impl_->height; }
int Document::colourModel() const { return impl_->colourModel; }
const Art* Document::find(ArtId id) const { return impl_->get(id); }
LayerId Document::layerOf(ArtId id) const { return impl_->layerOf(id); }
const std::vector<ArtId>& Document::layers() const { return impl_->layers; }
LayerId Document::currentLayer() const { return impl_->current; }
const std::vector<Swatch>& Document::swatches() const { return impl_->swatches; }
const std::vector<GraphicStyle>& Document::graphicStyles() const { return impl_->graphicStyles; }
const std::vector<Symbol>& Document::symbols() const { return impl_->symbols; }
const std::vector<PaintServer>& Document::paintServers() const { return impl_->paintServers; }
const PathStyle& Document::currentStyle() const { return impl_->currentStyle; }

const PathStyle* Document::pathStyle(ArtId id) const {
    const Art* a = impl_->get(id);
    if (!a) return nullptr;
    if (a->kind == ArtKind::path) return &a->style;
    for (ArtId child : a->children)
        if (const PathStyle* s = pathStyle(child)) return s;
    return nullptr;
}

void Document::forEach(const std::function<void(const Art&)>& visit) const {
    const Impl& d = *impl_;
    std::function<void(ArtId)> walk = [&](ArtId id) {
        const Art& a = *d.arts[id];
        visit(a);
        for (ArtId child : a.children) walk(child);
    };
    for (LayerId layer : d.layers) walk(layer);
}

Status Document::setPage(float width, float height) {
    if (!finite(width) || !finite(height) || width <= 0 || height <= 0) return Status::badParameter;
    impl_->width = width;
    impl_->height = height;
    return Status::ok;
}

Status Document::setColourModel(int model) {
    if (model < 0 || model > 2) return Status::badParameter;
    impl_->colourModel = model;
    return Status::ok;
}

Status Document::setSwatches(std::vector<Swatch> swatches) {
    for (Swatch& s : swatches) {
        if (!validColour(s.colour, impl_->paintServers.size())) return Status::badParameter;
        s.colour = clampedColour(s.colour);
    }
    impl_->swatches = std::move(swatches);
    return Status::ok;
}

Status Document::addSwatch(Swatch swatch) {
    if (!validColour(swatch.colour, impl_->paintServers.size())) return Status::badParameter;
    swatch.colour = clampedColour(swatch.colour);
    impl_->swatches.push_back(std::move(swatch));
    return Status::ok;
}

Status Document::setCurrentStyle(const PathStyle& style) {
    if (!validStyle(style, impl_->paintServers.size())) return Status::badParameter;
    impl_->currentStyle = clampedStyle(style);
    if (!impl_->graphicStyles.empty() && impl_->graphicStyles[0].name == "Default")
        impl_->graphicStyles[0].style = impl_->currentStyle;
    return Status::ok;
}

int Document::addPaintServer(PaintServer server) {
    // The fallback is a flat colour: it may not point at another paint server.
    if (server.fallback.kind == kPattern || server.fallback.kind == kGradient ||
        !validColour(server.fallback, 0))
        return -1;
    server.fallback = clampedColour(server.fallback);
    impl_->paintServers.push_back(std::move(server));
    return static_cast<int>(impl_->paintServers.size() - 1);
}

// ---------------------------------------------------------------- Structure

Status Document::newArt(ArtKind kind, Placement placement, ArtId reference, ArtId* outId) {
    if (outId) *outId = 0;
    if (kind != ArtKind::path && kind != ArtKind::group && kind != ArtKind::compound) return Status::badParameter;
    Impl& d = *impl_;
    ArtId parent;
    std::size_t index;
    if (Status s = d.resolvePlacement(placement, reference, kind, 0, 0, &parent, &index); s != Status::ok) return s;
    ArtId id = d.make(kind).id;
    d.attach(id, parent, index);
    d.record(entry::Created{id});
    if (outId) *outId = id;
    return Status::ok;
}

Status Document::dispose(ArtId id) {
    Impl& d = *impl_;
    Art* a = d.get(id);
    if (!a) return Status::badHandle;
    if (a->kind == ArtKind::layer) {
        if (d.layers.size() < 2) return Status::badParameter;  // a document keeps one layer
        if (d.current == id) {
            std::size_t at = d.indexIn(0, id);
            LayerId next = at > 0 ? d.layers[at - 1] : d.layers[at + 1];
            d.record(entry::CurrentLayer{d.current});
            d.current = next;
        }
    } else if (d.layerOf(id) == 0) {
        return Status::badParameter;  // symbol definitions go with their symbol
    }
    d.disposeJournaled(id);
    return Status::ok;
}

Status Document::duplicate(ArtId id, Placement placement, ArtId reference, ArtId* outId) {
    if (outId) *outId = 0;
    Impl& d = *impl_;
    const Art* a = d.get(id);
    if (!a) return Status::badHandle;
    if (a->kind == ArtKind::layer) return Status::badParameter;
    ArtId parent;
    std::size_t index;
    if (Status s = d.resolvePlacement(placement, reference, a->kind, 0, d.subtreeHeight(id), &parent, &index); s != Status::ok) return s;
    ArtId copy = d.copyTree(id, parent);
    d.arts[copy]->parent = 0;
    d.attach(copy, parent, index);
    d.record(entry::Created{copy});
    if (outId) *outId = copy;
    return Status::ok;
}

Status Document::move(ArtId id, Placement placement, ArtId reference) {
    Impl& d = *impl_;
    const Art* a = d.get(id);
    if (!a) return Status::badHandle;
    if (a->kind == ArtKind::layer || d.layerOf(id) == 0) return Status::badParameter;
    const Art* from = d.get(d.layerOf(id));
    if (from->locked || from->hidden) return Status::locked;
    ArtId parent;
    std::size_t index;
    if (Status s = d.resolvePlacement(placement, reference, a->kind, id, d.subtreeHeight(id), &parent, &index); s != Status::ok) return s;
    ArtId oldParent = a->parent;
    std::size_t oldIndex = d.indexIn(oldParent, id);
    d.detach(id);
    d.attach(id, parent, index);
    d.record(entry::Moved{id, oldParent, oldIndex});
    return Status::ok;
}

// ---------------------------------------------------------------- Paths

Status Document::setSegments(ArtId path, std::size_t index, const std::vector<Segment>& segments) {
    Impl& d = *impl_;
    Art* a = d.get(path);
    if (!a || a->kind != ArtKind::path) return Status::badHandle;
    std::size_t count = a->segments.size();
    if (index > count) return Status::badParameter;
    for (const Segment& s : segments)
        if (!finite(s)) return Status::badParameter;
    if (segments.size() > kMaxSegments || index > kMaxSegments - segments.size()) return Status::tooManyPoints;
    std::size_t end = index + segments.size();
    if (d.journaling()) {
        // Writes wholly beyond what the previous splice of this path found need no entry: its
        // undo cuts the path back to that length anyway. Appending point by point stays cheap.
        auto* last = d.journal.empty() ? nullptr : std::get_if<entry::Spliced>(&d.journal.back());
        if (!(last && last->id == path && index >= last->oldCount)) {
            std::vector<Segment> replaced(a->segments.begin() + static_cast<std::ptrdiff_t>(index),
                                          a->segments.begin() + static_cast<std::ptrdiff_t>(std::min(end, count)));
            d.record(entry::Spliced{path, index, count, std::move(replaced)});
        }
    }
    if (end > count) a->segments.resize(end);
    std::copy(segments.begin(), segments.end(), a->segments.begin() + static_cast<std::ptrdiff_t>(index));
    return Status::ok;
}

Status Document::setAllSegments(ArtId path, std::vector<Segment> segments) {
    Impl& d = *impl_;
    Art* a = d.get(path);
    if (!a || a->kind != ArtKind::path) return Status::badHandle;
    for (const Segment& s : segments)
        if (!finite(s)) return Status::badParameter;
    if (segments.size() > kMaxSegments) return Status::tooManyPoints;
    std::size_t oldCount = a->segments.size();
    std::swap(a->segments, segments);
    d.record(entry::Spliced{path, 0, oldCount, std::move(segments)});
    return Status::ok;
}

namespace {
Status setFlag(Document::Impl& d, ArtId id, entry::Flag flag, bool value, bool pathOnly) {
    Art* a = d.get(id);
    if (!a || (pathOnly && a->kind != ArtKind::path)) return Status::badHandle;
    bool* field = nullptr;
    switch (flag) {
    case entry::Flag::closed: field = &a->closed; break;
    case entry::Flag::guide: field = &a->guide; break;
    case entry::Flag::selected: field = &a->selected; break;
    case entry::Flag::locked: field = &a->locked; break;
    case entry::Flag::hidden: field = &a->hidden; break;
    }
    if (*field == value) return Status::ok;
    d.record(entry::FlagSet{id, flag, *field});
    *field = value;
    return Status::ok;
}
}  // namespace

Status Document::setClosed(ArtId path, bool closed) { return setFlag(*impl_, path, entry::Flag::closed, closed, true); }
Status Document::setGuide(ArtId path, bool guide) { return setFlag(*impl_, path, entry::Flag::guide, guide, true); }
Status Document::setSelected(ArtId art, bool selected) {
    return setFlag(*impl_, art, entry::Flag::selected, selected, false);
}
Status Document::setLocked(ArtId art, bool locked) { return setFlag(*impl_, art, entry::Flag::locked, locked, false); }
Status Document::setHidden(ArtId art, bool hidden) { return setFlag(*impl_, art, entry::Flag::hidden, hidden, false); }

Status Document::setLayerLocked(LayerId layer, bool locked) {
    const Art* a = impl_->get(layer);
    if (!a || a->kind != ArtKind::layer) return Status::badHandle;
    return setLocked(layer, locked);
}

Status Document::setLayerHidden(LayerId layer, bool hidden) {
    const Art* a = impl_->get(layer);
    if (!a || a->kind != ArtKind::layer) return Status::badHandle;
    return setHidden(layer, hidden);
}

// ---------------------------------------------------------------- Paint

namespace {
// Every path at or below `id`; symbol instances have none (their paint is the definition's).
void pathsBelow(const Document::Impl& d, ArtId id, std::vector<ArtId>& out) {
    const Art& a = *d.arts[id];
    if (a.kind == ArtKind::path) out.push_back(id);
    for (ArtId child : a.children) pathsBelow(d, child, out);
}
}  // namespace

Status Document::setStyle(ArtId art, const PathStyle& style) {
    Impl& d = *impl_;
    const Art* a = d.get(art);
    if (!a || a->kind == ArtKind::symbolInstance) return Status::badHandle;
    if (!validStyle(style, d.paintServers.size())) return Status::badParameter;
    PathStyle clamped = clampedStyle(style);
    std::vector<ArtId> paths;
    pathsBelow(d, art, paths);
    for (ArtId id : paths) {
        Art& p = *d.arts[id];
        if (p.style == clamped) continue;
        d.record(entry::Style{id, p.style});
        p.style = clamped;
    }
    return Status::ok;
}

Status Document::applyGraphicStyle(ArtId art, int index) {
    Impl& d = *impl_;
    Art* a = d.get(art);
    if (!a) return Status::badHandle;
    if (index < 0 || static_cast<std::size_t>(index) >= d.graphicStyles.size()) return Status::badParameter;
    const GraphicStyle& g = d.graphicStyles[static_cast<std::size_t>(index)];
    std::vector<ArtId> paths;
    pathsBelow(d, art, paths);
    for (ArtId id : paths) {
        Art& p = *d.arts[id];
        PathStyle s = p.style;
        s.fillPaint = g.style.fillPaint;
        s.strokePaint = g.style.strokePaint;
        s.fill = g.style.fill;
        s.stroke = g.style.stroke;
        s.strokeWidth = g.style.strokeWidth;
        if (s == p.style) continue;
        d.record(entry::Style{id, p.style});
        p.style = s;
    }
    if (a->opacity != g.opacity) {
        d.record(entry::Opacity{art, a->opacity});
        a->opacity = g.opacity;
    }
    return Status::ok;
}

Status Document::setOpacity(ArtId art, float opacity) {
    Impl& d = *impl_;
    Art* a = d.get(art);
    if (!a) return Status::badHandle;
    if (!finite(opacity) || opacity < 0 || opacity > 1) return Status::badParameter;
    d.record(entry::Opacity{art, a->opacity});
    a->opacity = opacity;
    return Status::ok;
}

Status Document::setBlendMode(ArtId art, int mode) {
    Impl& d = *impl_;
    Art* a = d.get(art);
    if (!a) return Status::badHandle;
    if (mode < 0 || mode > 15) return Status::badParameter;
    d.record(entry::Blend{art, a->blendMode});
    a->blendMode = mode;
    return Status::ok;
}

Status Document::setName(ArtId art, const std::string& name) {
    Impl& d = *impl_;
    Art* a = d.get(art);
    if (!a) return Status::badHandle;
    d.record(entry::Name{art, a->name});
    a->name = name;
    return Status::ok;
}

Status Document::setTag(ArtId art, const std::string& name, const std::optional<std::string>& value) {
    Impl& d = *impl_;
    Art* a = d.get(art);
    if (!a) return Status::badHandle;
    auto it = a->tags.find(name);
    std::optional<std::string> old;
    if (it != a->tags.end()) old = it->second;
    if (old == value) return Status::ok;
    d.record(entry::Tag{art, name, old});
    if (value)
        a->tags[name] = *value;
    else
        a->tags.erase(name);
    return Status::ok;
}

// ---------------------------------------------------------------- Layers

Status Document::insertLayer(LayerId reference, Placement placement, LayerId* outLayer) {
    if (outLayer) *outLayer = 0;
    Impl& d = *impl_;
    LayerId ref = reference ? reference : d.current;
    const Art* r = d.get(ref);
    if (!r || r->kind != ArtKind::layer) return Status::badHandle;
    std::size_t index;
    switch (placement) {
    case Placement::aboveAll: index = d.layers.size(); break;
    case Placement::belowAll: index = 0; break;
    case Placement::above: index = d.indexIn(0, ref) + 1; break;
    case Placement::below: index = d.indexIn(0, ref); break;
    default: return Status::badParameter;  // layers hold no sublayers
    }
    Art& layer = d.make(ArtKind::layer);
    int oldCounter = d.layerCounter;
    layer.name = "Layer " + std::to_string(++d.layerCounter);
    d.attach(layer.id, 0, index);
    d.record(entry::LayerInserted{layer.id, oldCounter});
    d.record(entry::CurrentLayer{d.current});
    d.current = layer.id;
    if (outLayer) *outLayer = layer.id;
    return Status::ok;
}

Status Document::setCurrentLayer(LayerId layer) {
    Impl& d = *impl_;
    const Art* a = d.get(layer);
    if (!a || a->kind != ArtKind::layer) return Status::badHandle;
    if (d.current == layer) return Status::ok;
    d.record(entry::CurrentLayer{d.current});
    d.current = layer;
    return Status::ok;
}

}  // namespace kelvo::doc
