// The suites over the document: art, path, path style, blend, transform, tag, layer, shapes,
// envelope, graphic styles, symbols, swatches, matching art, document, view and undo.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "suites/host.h"
#include "suites/suites.h"

namespace kelvo::host {

namespace {

using doc::ArtId;
using doc::ArtKind;

doc::Document& document() { return Host::current().document(); }
ArtId idOf(KvArtHandle handle) { return Host::artId(handle); }
KvArtHandle handleOf(ArtId id) { return Host::artHandle(id); }

bool finite(float value) { return std::isfinite(value); }

// Index handles (swatches, graphic styles, symbols) are positions + 1.
template <class Handle>
Handle indexHandle(std::size_t index) {
    return reinterpret_cast<Handle>(static_cast<uintptr_t>(index + 1));
}
template <class Handle>
bool indexOf(Handle handle, std::size_t count, std::size_t* out) {
    auto value = reinterpret_cast<uintptr_t>(handle);
    if (value == 0 || value > count) return false;
    *out = value - 1;
    return true;
}

const doc::Art* liveArt(KvArtHandle handle) { return handle != nullptr ? document().find(idOf(handle)) : nullptr; }

doc::Colour fromKv(const KvColour& colour) {
    return doc::Colour{colour.kind, {colour.channel[0], colour.channel[1], colour.channel[2], colour.channel[3]},
                       colour.reference};
}

KvColour toKv(const doc::Colour& colour) {
    return KvColour{colour.kind, {colour.channel[0], colour.channel[1], colour.channel[2], colour.channel[3]},
                    colour.reference};
}

doc::PathStyle fromKv(const KvPathStyle& style) {
    doc::PathStyle out;
    out.fillPaint = style.fillPaint != 0;
    out.strokePaint = style.strokePaint != 0;
    out.fill = fromKv(style.fill);
    out.stroke = fromKv(style.stroke);
    out.strokeWidth = style.strokeWidth;
    out.evenOdd = style.evenOdd != 0;
    out.lineCap = style.lineCap;
    out.lineJoin = style.lineJoin;
    out.miterLimit = style.miterLimit;
    return out;
}

KvPathStyle toKv(const doc::PathStyle& style) {
    return KvPathStyle{style.fillPaint, style.strokePaint, toKv(style.fill), toKv(style.stroke), style.strokeWidth,
                       style.evenOdd,   style.lineCap,     style.lineJoin,   style.miterLimit};
}

bool validColour(const KvColour& colour) {
    if (colour.kind < doc::kGray || colour.kind > doc::kNone) return false;
    return std::all_of(std::begin(colour.channel), std::end(colour.channel), [](float c) { return std::isfinite(c); });
}

bool validStyle(const KvPathStyle& style) {
    return validColour(style.fill) && validColour(style.stroke) && finite(style.strokeWidth) &&
           style.strokeWidth >= 0 && finite(style.miterLimit);
}

doc::Segment fromKv(const KvPathSegment& s) {
    return doc::Segment{{s.anchor.x, s.anchor.y}, {s.in.x, s.in.y}, {s.out.x, s.out.y}, s.corner != 0};
}

KvPathSegment toKv(const doc::Segment& s) {
    return KvPathSegment{{s.anchor.x, s.anchor.y}, {s.in.x, s.in.y}, {s.out.x, s.out.y}, s.corner};
}

doc::Placement placementOf(int32_t code, bool* ok) {
    *ok = code >= 1 && code <= 6;
    return static_cast<doc::Placement>(*ok ? code : 5);
}

// Out-parameters are cleared before the work, so a failure leaves them null or zero.
template <class T>
bool clear(T* out) {
    if (out == nullptr) return false;
    *out = T{};
    return true;
}

// The handle of entry `index` of a list of `count` (graphic styles, symbols, swatches).
template <class Handle>
KvResult nthOf(int32_t index, std::size_t count, Handle* out) {
    return guarded([&] {
        if (!clear(out)) return kResultBadParameter;
        if (index < 0 || static_cast<std::size_t>(index) >= count) return kResultBadParameter;
        *out = indexHandle<Handle>(static_cast<std::size_t>(index));
        return kResultOk;
    });
}

// The name of the entry a handle names in `list`.
template <class Handle, class List>
KvResult nameOf(Handle handle, const List& list, char* outName, int32_t capacity) {
    return guarded([&] {
        if (outName != nullptr && capacity > 0) outName[0] = '\0';
        std::size_t index = 0;
        if (!indexOf(handle, list.size(), &index)) return kResultBadHandle;
        copyText(list[index].name, outName, capacity);
        return kResultOk;
    });
}

const doc::Art* pathArt(KvArtHandle handle) {
    const doc::Art* art = liveArt(handle);
    return art != nullptr && art->kind == ArtKind::path ? art : nullptr;
}

// Reads a value of an object `find` accepts into an out-parameter: kResultBadParameter without
// one, kResultBadHandle when the object is not there (the output then holds its zero value).
template <class T, class Read>
KvResult readArt(KvArtHandle handle, T* out, const doc::Art* (*find)(KvArtHandle), Read read) {
    return guarded([&] {
        if (!clear(out)) return kResultBadParameter;
        const doc::Art* art = find(handle);
        if (art == nullptr) return kResultBadHandle;
        *out = static_cast<T>(read(*art));
        return kResultOk;
    });
}

}  // namespace

// ---------------------------------------------------------------------------------------- art

const KvArtSuite kArtSuite = {
    [](int32_t kind, int32_t placement, KvArtHandle reference, KvArtHandle* outArt) {
        return guarded([&] {
            if (!clear(outArt)) return kResultBadParameter;
            bool ok = false;
            doc::Placement where = placementOf(placement, &ok);
            if (!ok || (kind != kArtKindPath && kind != kArtKindGroup && kind != kArtKindCompoundPath))
                return kResultBadParameter;
            ArtId id = 0;
            KV_PROPAGATE(toResult(document().newArt(static_cast<ArtKind>(kind), where, idOf(reference), &id)));
            *outArt = handleOf(id);
            return kResultOk;
        });
    },
    [](KvArtHandle art) { return guarded([&] { return toResult(document().dispose(idOf(art))); }); },
    [](KvArtHandle art, int32_t placement, KvArtHandle reference, KvArtHandle* outCopy) {
        return guarded([&] {
            if (!clear(outCopy)) return kResultBadParameter;
            bool ok = false;
            doc::Placement where = placementOf(placement, &ok);
            if (!ok) return kResultBadParameter;
            ArtId id = 0;
            KV_PROPAGATE(toResult(document().duplicate(idOf(art), where, idOf(reference), &id)));
            *outCopy = handleOf(id);
            return kResultOk;
        });
    },
    [](KvArtHandle art, int16_t* outKind) {
        return readArt(art, outKind, liveArt, [](const doc::Art& found) { return static_cast<int16_t>(found.kind); });
    },
    [](KvArtHandle art, KvArtHandle* outChild) {
        return guarded([&] {
            if (!clear(outChild)) return kResultBadParameter;
            const doc::Art* found = liveArt(art);
            if (found == nullptr) return kResultBadHandle;
            if (!found->children.empty()) *outChild = handleOf(found->children.back());
            return kResultOk;
        });
    },
    // Siblings run from the top of the stack down, the way a container lists its children.
    [](KvArtHandle art, KvArtHandle* outSibling) {
        return guarded([&] {
            if (!clear(outSibling)) return kResultBadParameter;
            const doc::Art* found = liveArt(art);
            if (found == nullptr) return kResultBadHandle;
            const doc::Art* parent = document().find(found->parent);
            if (parent == nullptr) return kResultOk;
            auto at = std::find(parent->children.begin(), parent->children.end(), found->id);
            if (at != parent->children.begin() && at != parent->children.end()) *outSibling = handleOf(*(at - 1));
            return kResultOk;
        });
    },
    [](KvArtHandle art, KvArtHandle* outSibling) {
        return guarded([&] {
            if (!clear(outSibling)) return kResultBadParameter;
            const doc::Art* found = liveArt(art);
            if (found == nullptr) return kResultBadHandle;
            const doc::Art* parent = document().find(found->parent);
            if (parent == nullptr) return kResultOk;
            auto at = std::find(parent->children.begin(), parent->children.end(), found->id);
            if (at != parent->children.end() && at + 1 != parent->children.end()) *outSibling = handleOf(*(at + 1));
            return kResultOk;
        });
    },
    [](KvArtHandle art, KvArtHandle* outParent) {
        return readArt(art, outParent, liveArt, [](const doc::Art& found) { return handleOf(found.parent); });
    },
    [](KvArtHandle art, KvRealRect* outBounds) {
        return guarded([&] {
            if (!clear(outBounds)) return kResultBadParameter;
            if (liveArt(art) == nullptr) return kResultBadHandle;
            doc::Rect r = document().bounds(idOf(art));
            *outBounds = KvRealRect{r.left, r.top, r.right, r.bottom};
            return kResultOk;
        });
    },
    [](KvArtHandle art, int32_t mask, int32_t* outValue) {
        return guarded([&] {
            if (!clear(outValue)) return kResultBadParameter;
            const doc::Art* found = liveArt(art);
            if (found == nullptr) return kResultBadHandle;
            int32_t bits = (found->selected ? kArtAttrSelected : 0) | (found->locked ? kArtAttrLocked : 0) |
                           (found->hidden ? kArtAttrHidden : 0);
            *outValue = bits & mask;
            return kResultOk;
        });
    },
    [](KvArtHandle art, int32_t mask, int32_t value) {
        return guarded([&] {
            if (liveArt(art) == nullptr) return kResultBadHandle;
            if ((mask & ~(kArtAttrSelected | kArtAttrLocked | kArtAttrHidden)) != 0) return kResultBadParameter;
            ArtId id = idOf(art);
            if (mask & kArtAttrSelected) KV_PROPAGATE(toResult(document().setSelected(id, (value & kArtAttrSelected) != 0)));
            if (mask & kArtAttrLocked) KV_PROPAGATE(toResult(document().setLocked(id, (value & kArtAttrLocked) != 0)));
            if (mask & kArtAttrHidden) KV_PROPAGATE(toResult(document().setHidden(id, (value & kArtAttrHidden) != 0)));
            return kResultOk;
        });
    },
};

// --------------------------------------------------------------------------------------- path

const KvPathSuite kPathSuite = {
    [](KvArtHandle path, int16_t* outCount) {
        return readArt(path, outCount, pathArt, [](const doc::Art& art) { return static_cast<int16_t>(art.segments.size()); });
    },
    [](KvArtHandle path, int16_t index, int16_t count, KvPathSegment* out) {
        return guarded([&] {
            const doc::Art* art = pathArt(path);
            if (art == nullptr) return kResultBadHandle;
            if (out == nullptr || index < 0 || count < 0 ||
                static_cast<std::size_t>(index) + static_cast<std::size_t>(count) > art->segments.size())
                return kResultBadParameter;
            for (int16_t i = 0; i < count; ++i) out[i] = toKv(art->segments[static_cast<std::size_t>(index + i)]);
            return kResultOk;
        });
    },
    [](KvArtHandle path, int16_t index, int16_t count, const KvPathSegment* segments) {
        return guarded([&] {
            if (pathArt(path) == nullptr) return kResultBadHandle;
            if (segments == nullptr || index < 0 || count < 0) return kResultBadParameter;
            std::vector<doc::Segment> converted;
            converted.reserve(static_cast<std::size_t>(count));
            for (int16_t i = 0; i < count; ++i) converted.push_back(fromKv(segments[i]));
            return toResult(document().setSegments(idOf(path), static_cast<std::size_t>(index), converted));
        });
    },
    [](KvArtHandle path, int32_t* outClosed) {
        return readArt(path, outClosed, pathArt, [](const doc::Art& art) { return art.closed; });
    },
    [](KvArtHandle path, int32_t closed) {
        return guarded([&] { return toResult(document().setClosed(idOf(path), closed != 0)); });
    },
    [](KvArtHandle path, int32_t* outGuide) {
        return readArt(path, outGuide, pathArt, [](const doc::Art& art) { return art.guide; });
    },
    [](KvArtHandle path, int32_t guide) {
        return guarded([&] { return toResult(document().setGuide(idOf(path), guide != 0)); });
    },
};

// --------------------------------------------------------------------------------- path style

namespace {
// Paths and compound paths carry a path style (a compound path's is its children's).
const doc::Art* styledArt(KvArtHandle handle) {
    const doc::Art* art = liveArt(handle);
    return art != nullptr && (art->kind == ArtKind::path || art->kind == ArtKind::compound) ? art : nullptr;
}
}  // namespace

const KvPathStyleSuite kPathStyleSuite = {
    [](KvArtHandle art, KvPathStyle* outStyle) {
        return guarded([&] {
            if (!clear(outStyle)) return kResultBadParameter;
            if (styledArt(art) == nullptr) return kResultBadHandle;
            const doc::PathStyle* shown = document().pathStyle(idOf(art));
            if (shown == nullptr) return kResultBadHandle;
            *outStyle = toKv(*shown);
            return kResultOk;
        });
    },
    [](KvArtHandle art, const KvPathStyle* style) {
        return guarded([&] {
            if (styledArt(art) == nullptr) return kResultBadHandle;
            if (style == nullptr || !validStyle(*style)) return kResultBadParameter;
            return toResult(document().setStyle(idOf(art), fromKv(*style)));
        });
    },
    [](const KvPathStyle* first, const KvPathStyle* second, KvPathStyle* outStyle, float t) {
        return guarded([&] {
            if (first == nullptr || second == nullptr || outStyle == nullptr || !finite(t)) return kResultBadParameter;
            *outStyle = toKv(doc::interpolate(fromKv(*first), fromKv(*second), t));
            return kResultOk;
        });
    },
    [](KvPathStyle* outStyle) {
        return guarded([&] {
            if (!clear(outStyle)) return kResultBadParameter;
            *outStyle = toKv(document().currentStyle());
            return kResultOk;
        });
    },
    [](const KvPathStyle* style) {
        return guarded([&] {
            if (style == nullptr || !validStyle(*style)) return kResultBadParameter;
            return toResult(document().setCurrentStyle(fromKv(*style)));
        });
    },
};

// ------------------------------------------------------------------------------ blend and tag

const KvBlendSuite kBlendSuite = {
    [](KvArtHandle art, float* outOpacity) {
        return readArt(art, outOpacity, liveArt, [](const doc::Art& found) { return found.opacity; });
    },
    [](KvArtHandle art, float opacity) {
        return guarded([&] {
            if (liveArt(art) == nullptr) return kResultBadHandle;
            if (!finite(opacity) || opacity < 0 || opacity > 1) return kResultBadParameter;
            return toResult(document().setOpacity(idOf(art), opacity));
        });
    },
    [](KvArtHandle art, int32_t* outMode) {
        return readArt(art, outMode, liveArt, [](const doc::Art& found) { return found.blendMode; });
    },
    [](KvArtHandle art, int32_t mode) {
        return guarded([&] {
            if (liveArt(art) == nullptr) return kResultBadHandle;
            if (mode < 0 || mode > 15) return kResultBadParameter;
            return toResult(document().setBlendMode(idOf(art), mode));
        });
    },
};

const KvTagSuite kTagSuite = {
    [](KvArtHandle art, const char* name, const char* value) {
        return guarded([&] {
            if (liveArt(art) == nullptr) return kResultBadHandle;
            if (name == nullptr) return kResultBadParameter;
            std::optional<std::string> text;
            if (value != nullptr) text = value;
            return toResult(document().setTag(idOf(art), name, text));
        });
    },
    [](KvArtHandle art, const char* name, char* outValue, int32_t capacity) {
        return guarded([&] {
            if (outValue != nullptr && capacity > 0) outValue[0] = '\0';
            const doc::Art* found = liveArt(art);
            if (found == nullptr) return kResultBadHandle;
            auto tag = name != nullptr ? found->tags.find(name) : found->tags.end();
            if (tag == found->tags.end()) return kResultBadParameter;
            copyText(tag->second, outValue, capacity);
            return kResultOk;
        });
    },
};

const KvTransformSuite kTransformSuite = {
    [](KvArtHandle art, const KvRealMatrix* m, float lineScale, int32_t) {
        return guarded([&] {
            if (liveArt(art) == nullptr) return kResultBadHandle;
            if (m == nullptr || !finite(lineScale)) return kResultBadParameter;
            doc::Matrix matrix{m->a, m->b, m->c, m->d, m->tx, m->ty};
            return toResult(document().transform(idOf(art), matrix, lineScale));
        });
    },
};

// ------------------------------------------------------------------------------------- layers

namespace {
const doc::Art* liveLayer(KvLayerHandle handle) {
    const doc::Art* art = handle != nullptr ? document().find(reinterpret_cast<uintptr_t>(handle)) : nullptr;
    return art != nullptr && art->kind == ArtKind::layer ? art : nullptr;
}
KvLayerHandle layerHandle(doc::LayerId id) { return reinterpret_cast<KvLayerHandle>(static_cast<uintptr_t>(id)); }
}  // namespace

const KvLayerSuite kLayerSuite = {
    [](KvLayerHandle reference, int32_t placement, KvLayerHandle* outLayer) {
        return guarded([&] {
            if (!clear(outLayer)) return kResultBadParameter;
            bool ok = false;
            doc::Placement where = placementOf(placement, &ok);
            if (!ok) return kResultBadParameter;
            doc::LayerId base = reference == nullptr ? document().currentLayer() : reinterpret_cast<uintptr_t>(reference);
            if (reference != nullptr && liveLayer(reference) == nullptr) return kResultBadHandle;
            doc::LayerId id = 0;
            KV_PROPAGATE(toResult(document().insertLayer(base, where, &id)));
            *outLayer = layerHandle(id);
            return kResultOk;
        });
    },
    [](int32_t* outCount) {
        return guarded([&] {
            if (!clear(outCount)) return kResultBadParameter;
            *outCount = static_cast<int32_t>(document().layers().size());
            return kResultOk;
        });
    },
    [](int32_t index, KvLayerHandle* outLayer) {
        return guarded([&] {
            if (!clear(outLayer)) return kResultBadParameter;
            const auto& layers = document().layers();
            if (index < 0 || static_cast<std::size_t>(index) >= layers.size()) return kResultBadParameter;
            *outLayer = layerHandle(layers[layers.size() - 1 - static_cast<std::size_t>(index)]);
            return kResultOk;
        });
    },
    [](KvLayerHandle* outLayer) {
        return guarded([&] {
            if (!clear(outLayer)) return kResultBadParameter;
            *outLayer = layerHandle(document().currentLayer());
            return kResultOk;
        });
    },
    [](KvLayerHandle layer) {
        return guarded([&] {
            if (liveLayer(layer) == nullptr) return kResultBadHandle;
            return toResult(document().setCurrentLayer(reinterpret_cast<uintptr_t>(layer)));
        });
    },
    [](KvLayerHandle layer, char* outTitle, int32_t capacity) {
        return guarded([&] {
            if (outTitle != nullptr && capacity > 0) outTitle[0] = '\0';
            const doc::Art* found = liveLayer(layer);
            if (found == nullptr) return kResultBadHandle;
            copyText(found->name, outTitle, capacity);
            return kResultOk;
        });
    },
    [](KvLayerHandle layer, const char* title) {
        return guarded([&] {
            if (liveLayer(layer) == nullptr) return kResultBadHandle;
            if (title == nullptr) return kResultBadParameter;
            return toResult(document().setName(reinterpret_cast<uintptr_t>(layer), title));
        });
    },
    [](KvLayerHandle layer, KvArtHandle* outGroup) {
        return guarded([&] {
            if (!clear(outGroup)) return kResultBadParameter;
            if (liveLayer(layer) == nullptr) return kResultBadHandle;
            *outGroup = handleOf(reinterpret_cast<uintptr_t>(layer));
            return kResultOk;
        });
    },
};

// ------------------------------------------------------------------------------------- shapes

namespace {
KvResult makeShape(bool oval, float x0, float y0, float x1, float y1, int32_t reversed, KvArtHandle* outArt) {
    if (!clear(outArt)) return kResultBadParameter;
    if (!finite(x0) || !finite(y0) || !finite(x1) || !finite(y1)) return kResultBadParameter;
    ArtId id = 0;
    doc::Status status = oval ? document().newOval(x0, y0, x1, y1, reversed != 0, &id)
                              : document().newRect(x0, y0, x1, y1, reversed != 0, &id);
    KV_PROPAGATE(toResult(status));
    *outArt = handleOf(id);
    return kResultOk;
}
}  // namespace

const KvShapeSuite kShapeSuite = {
    [](float top, float left, float bottom, float right, int32_t reversed, KvArtHandle* outArt) {
        return guarded([&] { return makeShape(false, left, bottom, right, top, reversed, outArt); });
    },
    [](float top, float left, float bottom, float right, int32_t reversed, KvArtHandle* outArt) {
        return guarded([&] { return makeShape(true, left, bottom, right, top, reversed, outArt); });
    },
    [](float cx, float cy, float width, float height, int32_t reversed, KvArtHandle* outArt) {
        return guarded([&] {
            return makeShape(false, cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2, reversed, outArt);
        });
    },
    [](float cx, float cy, float width, float height, int32_t reversed, KvArtHandle* outArt) {
        return guarded([&] {
            return makeShape(true, cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2, reversed, outArt);
        });
    },
};

const KvEnvelopeSuite kEnvelopeSuite = {
    [](const KvArtHandle* arts, int32_t count, KvArtHandle shape, const KvEnvelopeOptions*, KvArtHandle* outEnvelope) {
        return guarded([&] {
            if (!clear(outEnvelope)) return kResultBadParameter;
            if (arts == nullptr || count != 1) return kResultBadParameter;
            ArtId id = 0;
            KV_PROPAGATE(toResult(document().makeEnvelope(idOf(arts[0]), idOf(shape), &id)));
            *outEnvelope = handleOf(id);
            return kResultOk;
        });
    },
    [](KvArtHandle envelope, int32_t style, float bend, float horizontal, float vertical, int32_t horizontalAxis) {
        return guarded([&] {
            if (style < 1 || style > 15 || !finite(bend) || !finite(horizontal) || !finite(vertical))
                return kResultBadParameter;
            doc::Warp warp{style, std::clamp(bend, -1.0f, 1.0f), std::clamp(horizontal, -1.0f, 1.0f),
                           std::clamp(vertical, -1.0f, 1.0f), horizontalAxis != 0};
            return toResult(document().setWarp(idOf(envelope), warp));
        });
    },
};

// ------------------------------------------------------------ graphic styles, symbols, swatches

const KvArtStyleSuite kArtStyleSuite = {
    [](int32_t* outCount) {
        return guarded([&] {
            if (!clear(outCount)) return kResultBadParameter;
            *outCount = static_cast<int32_t>(document().graphicStyles().size());
            return kResultOk;
        });
    },
    [](int32_t index, KvArtStyleHandle* outStyle) { return nthOf(index, document().graphicStyles().size(), outStyle); },
    [](KvArtStyleHandle style, char* outName, int32_t capacity) {
        return nameOf(style, document().graphicStyles(), outName, capacity);
    },
    [](KvArtHandle art, KvArtStyleHandle style) {
        return guarded([&] {
            std::size_t index = 0;
            if (!indexOf(style, document().graphicStyles().size(), &index)) return kResultBadHandle;
            return toResult(document().applyGraphicStyle(idOf(art), static_cast<int>(index)));
        });
    },
};

const KvSymbolSuite kSymbolSuite = {
    [](KvSymbolHandle* outSymbol, KvArtHandle art, int32_t) {
        return guarded([&] {
            if (!clear(outSymbol)) return kResultBadParameter;
            int symbol = -1;
            KV_PROPAGATE(toResult(document().newSymbolFromArt(idOf(art), &symbol)));
            *outSymbol = indexHandle<KvSymbolHandle>(static_cast<std::size_t>(symbol));
            return kResultOk;
        });
    },
    [](int32_t* outCount) {
        return guarded([&] {
            if (!clear(outCount)) return kResultBadParameter;
            *outCount = static_cast<int32_t>(document().symbols().size());
            return kResultOk;
        });
    },
    [](int32_t index, KvSymbolHandle* outSymbol) { return nthOf(index, document().symbols().size(), outSymbol); },
    [](KvSymbolHandle symbol, char* outName, int32_t capacity) {
        return nameOf(symbol, document().symbols(), outName, capacity);
    },
};

const KvSwatchSuite kSwatchSuite = {
    [](KvSwatchList list) -> int32_t {
        try {
            return list == nullptr ? static_cast<int32_t>(document().swatches().size()) : -1;
        } catch (...) {
            return -1;
        }
    },
    [](KvSwatchList list, int32_t position, KvSwatchHandle* outSwatch) {
        return guarded([&] {
            if (!clear(outSwatch)) return kResultBadParameter;
            if (list != nullptr) return kResultBadHandle;
            return nthOf(position, document().swatches().size(), outSwatch);
        });
    },
    [](KvSwatchHandle swatch, KvColour* outColour) {
        return guarded([&] {
            if (!clear(outColour)) return kResultBadParameter;
            std::size_t index = 0;
            if (!indexOf(swatch, document().swatches().size(), &index)) return kResultBadHandle;
            *outColour = toKv(document().swatches()[index].colour);
            return kResultOk;
        });
    },
    [](KvSwatchHandle swatch, char* outName, int32_t capacity) {
        return nameOf(swatch, document().swatches(), outName, capacity);
    },
};

// ------------------------------------------------------------------------------ matching art

const KvMatchingSuite kMatchingSuite = {
    [](const KvMatchingSpec* specs, int32_t specCount, KvArtHandle*** outMatches, int32_t* outCount) {
        return guarded([&] {
            if (!clear(outMatches) || !clear(outCount)) return kResultBadParameter;
            if (specs == nullptr || specCount < 0) return kResultBadParameter;
            doc::Document& doc = document();
            std::vector<KvArtHandle> found;
            // Children of a selected container count as selected.
            auto selectedHere = [&](const doc::Art& art) {
                for (const doc::Art* at = &art; at != nullptr && at->kind != ArtKind::layer; at = doc.find(at->parent))
                    if (at->selected) return true;
                return false;
            };
            doc.forEach([&](const doc::Art& art) {
                if (art.kind == ArtKind::layer) return;
                int32_t bits = (selectedHere(art) ? kArtAttrSelected : 0) | (art.locked ? kArtAttrLocked : 0) |
                               (art.hidden ? kArtAttrHidden : 0);
                for (int32_t i = 0; i < specCount; ++i) {
                    if (specs[i].kind == static_cast<int16_t>(art.kind) && (bits & specs[i].mask) == (specs[i].value & specs[i].mask)) {
                        found.push_back(handleOf(art.id));
                        break;
                    }
                }
            });
            if (found.empty()) return kResultOk;
            KvMemHandle handle = Host::current().newHandle(static_cast<int32_t>(found.size() * sizeof(KvArtHandle)));
            std::memcpy(*handle, found.data(), found.size() * sizeof(KvArtHandle));
            *outMatches = reinterpret_cast<KvArtHandle**>(handle);
            *outCount = static_cast<int32_t>(found.size());
            return kResultOk;
        });
    },
};

// ------------------------------------------------------------------- document, view and undo

const KvDocumentSuite kDocumentSuite = {
    [](KvRealPoint* outSize) {
        return guarded([&] {
            if (!clear(outSize)) return kResultBadParameter;
            *outSize = KvRealPoint{document().width(), document().height()};
            return kResultOk;
        });
    },
    []() {
        return guarded([&] {
            Host::current().noteRedraw();
            return kResultOk;
        });
    },
    [](int16_t* outModel) {
        return guarded([&] {
            if (!clear(outModel)) return kResultBadParameter;
            *outModel = static_cast<int16_t>(document().colourModel());
            return kResultOk;
        });
    },
};

namespace {
const KvViewHandle kViewZero = reinterpret_cast<KvViewHandle>(uintptr_t{1});
View* viewOf(KvViewHandle handle) { return handle == kViewZero ? &Host::current().view() : nullptr; }
}  // namespace

const KvViewSuite kViewSuite = {
    [](int32_t index, KvViewHandle* outView) {
        return guarded([&] {
            if (!clear(outView)) return kResultBadParameter;
            if (index != 0) return kResultBadParameter;
            *outView = kViewZero;
            return kResultOk;
        });
    },
    [](KvViewHandle handle, KvRealPoint* outCenter) {
        return guarded([&] {
            if (!clear(outCenter)) return kResultBadParameter;
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            *outCenter = KvRealPoint{view->center.x, view->center.y};
            return kResultOk;
        });
    },
    [](KvViewHandle handle, const KvRealPoint* center) {
        return guarded([&] {
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            if (center == nullptr || !finite(center->x) || !finite(center->y)) return kResultBadParameter;
            view->center = doc::Point{center->x, center->y};
            return kResultOk;
        });
    },
    [](KvViewHandle handle, KvRealRect* outBounds) {
        return guarded([&] {
            if (!clear(outBounds)) return kResultBadParameter;
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            doc::Rect r = view->bounds();
            *outBounds = KvRealRect{r.left, r.top, r.right, r.bottom};
            return kResultOk;
        });
    },
    [](KvViewHandle handle, float* outZoom) {
        return guarded([&] {
            if (!clear(outZoom)) return kResultBadParameter;
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            *outZoom = view->zoom;
            return kResultOk;
        });
    },
    [](KvViewHandle handle, float zoom) {
        return guarded([&] {
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            if (!finite(zoom)) return kResultBadParameter;
            view->zoom = std::clamp(zoom, 0.01f, 64.0f);
            return kResultOk;
        });
    },
    [](KvViewHandle handle, const KvIntPoint* in, KvRealPoint* out) {
        return guarded([&] {
            if (!clear(out)) return kResultBadParameter;
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            if (in == nullptr) return kResultBadParameter;
            doc::Point p = view->toArtwork(*in);
            *out = KvRealPoint{p.x, p.y};
            return kResultOk;
        });
    },
    [](KvViewHandle handle, const KvRealPoint* in, KvIntPoint* out) {
        return guarded([&] {
            if (!clear(out)) return kResultBadParameter;
            View* view = viewOf(handle);
            if (view == nullptr) return kResultBadHandle;
            if (in == nullptr || !finite(in->x) || !finite(in->y)) return kResultBadParameter;
            *out = view->toPixel(doc::Point{in->x, in->y});
            return kResultOk;
        });
    },
};

const KvUndoSuite kUndoSuite = {
    []() {
        return guarded([&] {
            document().undo();
            return kResultOk;
        });
    },
};

}  // namespace kelvo::host
