// Rectangles and ovals built by the host.
#include "document/document_impl.h"

#include <algorithm>

namespace kelvo::doc {

namespace {
constexpr float kKappa = 0.5522847498f;

Segment corner(float x, float y) { return Segment{{x, y}, {x, y}, {x, y}, true}; }

std::vector<Segment> reversedOutline(std::vector<Segment> segs) {
    std::reverse(segs.begin(), segs.end());
    for (Segment& s : segs) std::swap(s.in, s.out);
    return segs;
}

Status newShape(Document& doc, std::vector<Segment> segments, bool reversed, ArtId* outId) {
    for (const Segment& s : segments)
        if (!finite(s)) return Status::badParameter;
    if (reversed) segments = reversedOutline(std::move(segments));
    ArtId id = 0;
    if (Status s = doc.newArt(ArtKind::path, Placement::aboveAll, 0, &id); s != Status::ok) return s;
    // A fresh path in an open layer: neither call can fail, and both are journaled.
    doc.setAllSegments(id, std::move(segments));
    doc.setClosed(id, true);
    if (outId) *outId = id;
    return Status::ok;
}
}  // namespace

Status Document::newRect(float x0, float y0, float x1, float y1, bool reversed, ArtId* outId) {
    if (outId) *outId = 0;
    if (!finite(x0) || !finite(y0) || !finite(x1) || !finite(y1)) return Status::badParameter;
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    return newShape(*this, {corner(x0, y1), corner(x1, y1), corner(x1, y0), corner(x0, y0)}, reversed, outId);
}

Status Document::newOval(float x0, float y0, float x1, float y1, bool reversed, ArtId* outId) {
    if (outId) *outId = 0;
    if (!finite(x0) || !finite(y0) || !finite(x1) || !finite(y1)) return Status::badParameter;
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    // Half sizes taken as differences of halves so huge finite edges do not overflow.
    float rx = x1 / 2 - x0 / 2, ry = y1 / 2 - y0 / 2;
    float cx = x0 + rx, cy = y0 + ry;
    float kx = kKappa * rx, ky = kKappa * ry;
    // Clockwise as seen: top, right, bottom, left; `in` arrives from the previous segment.
    std::vector<Segment> segs = {
        {{cx, y1}, {cx - kx, y1}, {cx + kx, y1}, false},
        {{x1, cy}, {x1, cy + ky}, {x1, cy - ky}, false},
        {{cx, y0}, {cx + kx, y0}, {cx - kx, y0}, false},
        {{x0, cy}, {x0, cy - ky}, {x0, cy + ky}, false},
    };
    return newShape(*this, std::move(segs), reversed, outId);
}

}  // namespace kelvo::doc
