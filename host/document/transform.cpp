// Moving art by a matrix.
#include "document/document_impl.h"

#include <cmath>

namespace kelvo::doc {

namespace {
struct Change {
    ArtId id;
    ArtContent content;
};

bool mapSegments(const Matrix& m, std::vector<Segment>& segs) {
    for (Segment& s : segs) {
        s.anchor = m.apply(s.anchor);
        s.in = m.apply(s.in);
        s.out = m.apply(s.out);
        if (!finite(s)) return false;
    }
    return true;
}

// The new content of every object at or below `id`; false when a result is not finite.
bool plan(const Document::Impl& d, ArtId id, const Matrix& m, float lineScale, std::vector<Change>& out) {
    const Art& a = *d.arts[id];
    ArtContent c{a.kind, {}, a.closed, a.style.strokeWidth, a.symbol, a.placement, {}};
    bool changed = false;
    if (a.kind == ArtKind::path) {
        c.segments = a.segments;
        if (!mapSegments(m, c.segments)) return false;
        c.strokeWidth = a.style.strokeWidth * lineScale;
        if (!finite(c.strokeWidth)) return false;
        changed = true;
    } else if (a.kind == ArtKind::symbolInstance) {
        c.placement = a.placement.then(m);
        if (!finite(c.placement)) return false;
        changed = true;
    } else if (a.kind == ArtKind::envelope) {
        c.envelopeShape = a.envelopeShape;
        if (!mapSegments(m, c.envelopeShape)) return false;
        changed = true;
    }
    if (changed) {
        // Fields the transform does not touch travel unchanged through the swap.
        if (a.kind != ArtKind::path) c.segments = a.segments;
        if (a.kind != ArtKind::envelope) c.envelopeShape = a.envelopeShape;
        out.push_back(Change{id, std::move(c)});
    }
    for (ArtId child : a.children)
        if (!plan(d, child, m, lineScale, out)) return false;
    return true;
}
}  // namespace

Status Document::transform(ArtId art, const Matrix& matrix, float lineScale) {
    Impl& d = *impl_;
    if (!d.get(art)) return Status::badHandle;
    if (!finite(matrix) || !finite(lineScale)) return Status::badParameter;
    // A width cannot be negative: a mirroring scale still scales the line by its size.
    float scale = std::fabs(lineScale);
    std::vector<Change> changes;
    if (!plan(d, art, matrix, scale, changes)) return Status::badParameter;
    for (Change& change : changes) {
        Art& a = *d.arts[change.id];
        ArtContent& c = change.content;
        std::swap(a.segments, c.segments);
        std::swap(a.style.strokeWidth, c.strokeWidth);
        std::swap(a.placement, c.placement);
        std::swap(a.envelopeShape, c.envelopeShape);
        if (d.journaling()) d.record(entry::Content{change.id, std::make_unique<ArtContent>(std::move(c))});
    }
    return Status::ok;
}

}  // namespace kelvo::doc
