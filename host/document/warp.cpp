// Envelopes: mapping a source from its bounds box onto a shape or one of fifteen warps, and the
// geometry objects show.
#include "document/document_impl.h"

#include <algorithm>
#include <cmath>

namespace kelvo::doc {

namespace {
constexpr double kPi = 3.14159265358979323846;

double smoothstep(double t) { return t * t * (3 - 2 * t); }

// The warps work on the centred square: x, y in −0.5 … 0.5. `s` is 1 at the middle column and 0
// at the sides; bends are at most half the box so every style stays finite and unfolded for
// |bend| ≤ 1.
void warpCentred(int style, double b, double& x, double& y) {
    const double s = 1 - 4 * x * x;
    const double X = x, Y = y;
    switch (style) {
    case 1:  // arc: the whole box bows
        y = Y + 0.5 * b * s;
        x = X * (1 - 0.2 * b * (Y + 0.5) * s);
        break;
    case 2:  // lower arc: the bottom edge bows, the top stays
        y = Y + 0.5 * b * s * (0.5 - Y);
        break;
    case 3:  // upper arc: the top edge bows, the bottom stays
        y = Y + 0.5 * b * s * (0.5 + Y);
        break;
    case 4:  // arch: both edges bow, the top opens out
        y = Y + 0.4 * b * s;
        x = X * (1 + 0.4 * b * (Y + 0.5));
        break;
    case 5:  // bulge: top and bottom swell apart
        y = Y * (1 + b * s);
        break;
    case 6:  // lower shell: the bottom swells, the top narrows
        y = Y - 0.5 * b * s * (0.5 - Y);
        x = X * (1 - 0.3 * b * (0.5 + Y));
        break;
    case 7:  // upper shell: the top swells, the bottom narrows
        y = Y + 0.5 * b * s * (0.5 + Y);
        x = X * (1 - 0.3 * b * (0.5 - Y));
        break;
    case 8:  // flag: one full wave along the width
        y = Y + 0.2 * b * std::sin(2 * kPi * (X + 0.5));
        break;
    case 9:  // wave: a wave along the width that also sways the columns
        y = Y + 0.15 * b * std::sin(3 * kPi * (X + 0.5));
        x = X + 0.1 * b * std::sin(2 * kPi * (Y + 0.5));
        break;
    case 10:  // fish: a swelling body that narrows to a tail on the right
        y = Y * (1 + b * std::sin(kPi * (X + 0.5)) * (0.75 - 0.5 * (X + 0.5)));
        break;
    case 11:  // rise: the right end climbs
        y = Y + 0.5 * b * smoothstep(X + 0.5);
        break;
    case 12: {  // fisheye: the middle magnified, the rim kept
        double r2 = std::min(1.0, 4 * (X * X + Y * Y));
        double g = 0.5 * b * (1 - r2) * (1 - r2);
        x = X * (1 + g);
        y = Y * (1 + g);
        break;
    }
    case 13:  // inflate: every edge swells out
        x = X * (1 + 0.5 * b * (1 - 4 * Y * Y));
        y = Y * (1 + 0.5 * b * s);
        break;
    case 14:  // squeeze: the sides pinch in while top and bottom swell
        x = X * (1 - 0.5 * b * (1 - 4 * Y * Y));
        y = Y * (1 + 0.3 * b * s);
        break;
    case 15: {  // twist: the middle turns more than the rim
        double angle = b * (kPi / 3) * std::exp(-4 * (X * X + Y * Y));
        x = X * std::cos(angle) - Y * std::sin(angle);
        y = X * std::sin(angle) + Y * std::cos(angle);
        break;
    }
    default: break;
    }
}

// Cubic of side `i` of a closed four-segment outline: anchor i to anchor i+1. A straight side
// whose direction points sit on its anchors gets evenly spaced ones, so it is walked uniformly.
std::array<Point, 4> side(const std::vector<Segment>& s, std::size_t i) {
    const Segment& a = s[i];
    const Segment& b = s[(i + 1) % s.size()];
    if (a.out == a.anchor && b.in == b.anchor)
        return {a.anchor,
                Point{a.anchor.x + (b.anchor.x - a.anchor.x) / 3, a.anchor.y + (b.anchor.y - a.anchor.y) / 3},
                Point{a.anchor.x + 2 * (b.anchor.x - a.anchor.x) / 3, a.anchor.y + 2 * (b.anchor.y - a.anchor.y) / 3},
                b.anchor};
    return {a.anchor, a.out, b.in, b.anchor};
}

std::array<Point, 4> reversedSide(std::array<Point, 4> c) { return {c[3], c[2], c[1], c[0]}; }

struct P2 {
    double x, y;
};

P2 evalCubic(const std::array<Point, 4>& c, double t) {
    double u = 1 - t;
    double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    return {w0 * c[0].x + w1 * c[1].x + w2 * c[2].x + w3 * c[3].x,
            w0 * c[0].y + w1 * c[1].y + w2 * c[2].y + w3 * c[3].y};
}

bool near(float a, float b, float tolerance) { return std::fabs(a - b) <= tolerance; }
}  // namespace

Point warpUnitPoint(const Warp& warp, Point p) {
    double x = p.x - 0.5, y = p.y - 0.5;
    double b = std::clamp(static_cast<double>(warp.bend), -1.0, 1.0);
    if (warp.horizontalAxis) {
        warpCentred(warp.style, b, x, y);
    } else {
        warpCentred(warp.style, b, y, x);  // the same warp along the other axis
    }
    // Distortions: a perspective-like taper; horizontal narrows one end of the width, vertical
    // one end of the height.
    double h = std::clamp(static_cast<double>(warp.horizontal), -1.0, 1.0);
    double v = std::clamp(static_cast<double>(warp.vertical), -1.0, 1.0);
    double tx = x, ty = y;
    y = ty * (1 + h * tx);
    x = tx * (1 + v * ty);
    return Point{static_cast<float>(x + 0.5), static_cast<float>(y + 0.5)};
}

std::vector<Segment> subdivide(const std::vector<Segment>& segments, bool closed, int pieces) {
    const std::size_t n = segments.size();
    if (n < 2 && !(closed && n == 1)) return segments;
    std::vector<Segment> out;
    out.reserve(n * static_cast<std::size_t>(pieces));
    const std::size_t curves = closed ? n : n - 1;
    out.push_back(segments[0]);
    for (std::size_t i = 0; i < curves; ++i) {
        const Segment& a = segments[i];
        const Segment& b = segments[(i + 1) % n];
        // Split the remaining curve at 1/k, 1/(k−1), … so the pieces are equal in t.
        P2 p0{a.anchor.x, a.anchor.y}, p1{a.out.x, a.out.y}, p2{b.in.x, b.in.y}, p3{b.anchor.x, b.anchor.y};
        for (int k = pieces; k > 1; --k) {
            double t = 1.0 / k;
            auto lerp = [t](P2 u, P2 w) { return P2{u.x + (w.x - u.x) * t, u.y + (w.y - u.y) * t}; };
            P2 q0 = lerp(p0, p1), q1 = lerp(p1, p2), q2 = lerp(p2, p3);
            P2 r0 = lerp(q0, q1), r1 = lerp(q1, q2);
            P2 m = lerp(r0, r1);
            auto f = [](P2 q) { return Point{static_cast<float>(q.x), static_cast<float>(q.y)}; };
            out.back().out = f(q0);
            out.push_back(Segment{f(m), f(r0), f(r1), false});
            p0 = m;
            p1 = r1;
            p2 = q2;
        }
        auto f = [](P2 q) { return Point{static_cast<float>(q.x), static_cast<float>(q.y)}; };
        out.back().out = f(p1);
        if (i + 1 < n) {
            Segment next = b;
            next.in = f(p2);
            out.push_back(next);
        } else {
            out.front().in = f(p2);  // the closing curve ends on the first anchor
        }
    }
    return out;
}

EnvelopeMap::EnvelopeMap(const Art& envelope, const Rect& box) : box_(box), warp_(envelope.warp) {
    const auto& s = envelope.envelopeShape;
    Box shapeBox = curveBounds(s, true);
    target_ = shapeBox.empty ? box : shapeBox.rect;
    if (warp_ || s.size() != 4) return;  // a warp, or a shape other than four sides: the box
    const Rect& t = target_;
    float tolerance = 1e-4f * std::max({t.right - t.left, t.top - t.bottom, 1.0f});
    // An oval: anchors on the middles of the four sides of its box, curved between.
    float cx = t.left + (t.right - t.left) / 2, cy = t.bottom + (t.top - t.bottom) / 2;
    int onMiddles = 0;
    bool curved = false;
    for (const Segment& seg : s) {
        const Point& a = seg.anchor;
        if ((near(a.x, cx, tolerance) && (near(a.y, t.top, tolerance) || near(a.y, t.bottom, tolerance))) ||
            (near(a.y, cy, tolerance) && (near(a.x, t.left, tolerance) || near(a.x, t.right, tolerance))))
            ++onMiddles;
        if (!(seg.in == seg.anchor) || !(seg.out == seg.anchor)) curved = true;
    }
    if (onMiddles == 4 && curved) {
        mode_ = Mode::disc;
        return;
    }
    // Any other four-sided shape: a Coons patch over its sides, walked clockwise from the
    // corner nearest the top left.
    std::vector<Segment> q = s;
    double area = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const Point &a = q[i].anchor, &b = q[(i + 1) % 4].anchor;
        area += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    if (area > 0) {  // counter-clockwise with y up
        std::reverse(q.begin(), q.end());
        for (Segment& seg : q) std::swap(seg.in, seg.out);
    }
    std::size_t start = 0;
    for (std::size_t i = 1; i < 4; ++i)
        if (q[i].anchor.x - q[i].anchor.y < q[start].anchor.x - q[start].anchor.y) start = i;
    std::rotate(q.begin(), q.begin() + static_cast<std::ptrdiff_t>(start), q.end());
    sides_[0] = side(q, 0);                // top: left to right (v = 1)
    sides_[1] = reversedSide(side(q, 1));  // right: bottom to top (u = 1)
    sides_[2] = reversedSide(side(q, 2));  // bottom: left to right (v = 0)
    sides_[3] = side(q, 3);                // left: bottom to top (u = 0)
    corners_ = {q[3].anchor, q[2].anchor, q[0].anchor, q[1].anchor};
    mode_ = Mode::coons;
}

Point EnvelopeMap::apply(Point p) const {
    double w = static_cast<double>(box_.right) - box_.left, h = static_cast<double>(box_.top) - box_.bottom;
    double u = w > 0 ? (p.x - static_cast<double>(box_.left)) / w : 0.5;
    double v = h > 0 ? (p.y - static_cast<double>(box_.bottom)) / h : 0.5;
    auto out = [](double x, double y) { return Point{static_cast<float>(x), static_cast<float>(y)}; };
    if (warp_) {
        Point q = warpUnitPoint(*warp_, Point{static_cast<float>(u), static_cast<float>(v)});
        return out(box_.left + q.x * w, box_.bottom + q.y * h);
    }
    const Rect& t = target_;
    double tw = static_cast<double>(t.right) - t.left, th = static_cast<double>(t.top) - t.bottom;
    switch (mode_) {
    case Mode::box: return out(t.left + u * tw, t.bottom + v * th);
    case Mode::disc: {
        // The square onto the disc (edges onto the rim), then the disc onto the oval's box.
        double x = 2 * u - 1, y = 2 * v - 1;
        double dx = x * std::sqrt(std::max(0.0, 1 - y * y / 2));
        double dy = y * std::sqrt(std::max(0.0, 1 - x * x / 2));
        return out(t.left + (dx + 1) / 2 * tw, t.bottom + (dy + 1) / 2 * th);
    }
    case Mode::coons: {
        P2 top = evalCubic(sides_[0], u), right = evalCubic(sides_[1], v);
        P2 bottom = evalCubic(sides_[2], u), left = evalCubic(sides_[3], v);
        const auto& c = corners_;
        auto blend = [&](auto pick) {
            return (1 - v) * pick(bottom) + v * pick(top) + (1 - u) * pick(left) + u * pick(right) -
                   ((1 - u) * (1 - v) * pick(c[0]) + u * (1 - v) * pick(c[1]) + (1 - u) * v * pick(c[2]) +
                    u * v * pick(c[3]));
        };
        return out(blend([](auto q) { return static_cast<double>(q.x); }),
                   blend([](auto q) { return static_cast<double>(q.y); }));
    }
    }
    return p;
}

// ---------------------------------------------------------------- Shown geometry

namespace {
void collect(const Document& doc, ArtId id, std::vector<Document::ShownPath>& out) {
    const Art* a = doc.find(id);
    if (!a || a->hidden) return;
    switch (a->kind) {
    case ArtKind::path: out.push_back({a, a->segments, a->closed}); return;
    case ArtKind::symbolInstance: {
        const auto& symbols = doc.symbols();
        if (a->symbol < 0 || static_cast<std::size_t>(a->symbol) >= symbols.size()) return;
        std::size_t from = out.size();
        collect(doc, symbols[static_cast<std::size_t>(a->symbol)].definition, out);
        for (std::size_t i = from; i < out.size(); ++i)
            for (Segment& s : out[i].segments) {
                s.anchor = a->placement.apply(s.anchor);
                s.in = a->placement.apply(s.in);
                s.out = a->placement.apply(s.out);
            }
        return;
    }
    case ArtKind::envelope: {
        if (a->children.empty()) return;
        std::vector<Document::ShownPath> source;
        collect(doc, a->children[0], source);
        Box box;
        for (const auto& p : source) box.add(curveBounds(p.segments, p.closed));
        if (box.empty) return;
        EnvelopeMap map(*a, box.rect);
        for (auto& p : source) {
            p.segments = subdivide(p.segments, p.closed, 4);
            for (Segment& s : p.segments) {
                s.anchor = map.apply(s.anchor);
                s.in = map.apply(s.in);
                s.out = map.apply(s.out);
            }
            out.push_back(std::move(p));
        }
        return;
    }
    default:
        for (ArtId child : a->children) collect(doc, child, out);
        return;
    }
}
}  // namespace

std::vector<Document::ShownPath> Document::shownPaths(ArtId id) const {
    std::vector<ShownPath> out;
    collect(*this, id, out);
    return out;
}

// ---------------------------------------------------------------- Changes

Status Document::makeEnvelope(ArtId source, ArtId shape, ArtId* outEnvelope) {
    if (outEnvelope) *outEnvelope = 0;
    Impl& d = *impl_;
    const Art* src = d.get(source);
    const Art* shp = d.get(shape);
    if (!src || !shp || shp->kind != ArtKind::path) return Status::badHandle;
    if (src->kind == ArtKind::layer || d.layerOf(source) == 0 || d.layerOf(shape) == 0 || source == shape ||
        d.isAncestor(source, shape) || shp->segments.empty())
        return Status::badParameter;
    const Art* parent = d.get(src->parent);
    if (parent->kind == ArtKind::compound || parent->kind == ArtKind::envelope) return Status::badParameter;
    for (LayerId l : {d.layerOf(source), d.layerOf(shape)}) {
        const Art* layer = d.get(l);
        if (layer->locked || layer->hidden) return Status::locked;
    }
    if (d.depth(source) + 1 + d.subtreeHeight(source) > kMaxDepth) return Status::badParameter;
    ArtId parentId = src->parent;
    std::size_t index = d.indexIn(parentId, source);
    Art& env = d.make(ArtKind::envelope);
    env.style = src->style;
    env.envelopeShape = shp->segments;
    ArtId envId = env.id;
    d.attach(envId, parentId, index);
    d.record(entry::Created{envId});
    d.detach(source);
    d.attach(source, envId, 0);
    d.record(entry::Moved{source, parentId, index + 1});
    d.disposeJournaled(shape);
    if (outEnvelope) *outEnvelope = envId;
    return Status::ok;
}

Status Document::setWarp(ArtId envelope, const Warp& warp) {
    Impl& d = *impl_;
    Art* env = d.get(envelope);
    if (!env || env->kind != ArtKind::envelope) return Status::badHandle;
    if (warp.style < 1 || warp.style > 15) return Status::badParameter;
    for (float v : {warp.bend, warp.horizontal, warp.vertical})
        if (!finite(v) || v < -1 || v > 1) return Status::badParameter;
    d.record(entry::WarpSet{envelope, env->warp});
    env->warp = warp;
    return Status::ok;
}

}  // namespace kelvo::doc
