// Matrices and the tight bounds of cubic outlines.
#include "document/document_impl.h"

#include <algorithm>
#include <cmath>

namespace kelvo::doc {

Point Matrix::apply(Point p) const {
    return Point{static_cast<float>(a * p.x + c * p.y + tx), static_cast<float>(b * p.x + d * p.y + ty)};
}

Matrix Matrix::then(const Matrix& n) const {
    return Matrix{n.a * a + n.c * b, n.b * a + n.d * b,       n.a * c + n.c * d,
                  n.b * c + n.d * d, n.a * tx + n.c * ty + n.tx, n.b * tx + n.d * ty + n.ty};
}

void Box::add(Point p) {
    if (empty) {
        rect = Rect{p.x, p.y, p.x, p.y};
        empty = false;
        return;
    }
    rect.left = std::min(rect.left, p.x);
    rect.right = std::max(rect.right, p.x);
    rect.bottom = std::min(rect.bottom, p.y);
    rect.top = std::max(rect.top, p.y);
}

void Box::add(const Box& other) {
    if (other.empty) return;
    add(Point{other.rect.left, other.rect.bottom});
    add(Point{other.rect.right, other.rect.top});
}

namespace {
// The extremes of one coordinate of a cubic: the roots of its derivative inside (0, 1).
int extremes(double p0, double p1, double p2, double p3, double out[2]) {
    // B'(t)/3 = a t² + b t + c
    double a = -p0 + 3 * p1 - 3 * p2 + p3;
    double b = 2 * (p0 - 2 * p1 + p2);
    double c = p1 - p0;
    int n = 0;
    auto keep = [&](double t) {
        if (t > 0 && t < 1) out[n++] = t;
    };
    double scale = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (scale == 0) return 0;
    if (std::fabs(a) <= 1e-12 * scale) {
        if (b != 0) keep(-c / b);
        return n;
    }
    double disc = b * b - 4 * a * c;
    if (disc < 0) return 0;
    double root = std::sqrt(disc);
    // The numerically stable pair of roots.
    double q = -0.5 * (b + std::copysign(root, b));
    keep(q / a);
    if (q != 0) keep(c / q);
    return n;
}

double cubic(double p0, double p1, double p2, double p3, double t) {
    double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

void addCurve(Box& box, Point p0, Point p1, Point p2, Point p3) {
    box.add(p3);
    double ts[2];
    for (int axis = 0; axis < 2; ++axis) {
        auto co = [axis](Point p) { return static_cast<double>(axis == 0 ? p.x : p.y); };
        int n = extremes(co(p0), co(p1), co(p2), co(p3), ts);
        for (int i = 0; i < n; ++i) {
            double t = ts[i];
            box.add(Point{static_cast<float>(cubic(p0.x, p1.x, p2.x, p3.x, t)),
                          static_cast<float>(cubic(p0.y, p1.y, p2.y, p3.y, t))});
        }
    }
}
}  // namespace

Box curveBounds(const std::vector<Segment>& segments, bool closed) {
    Box box;
    const std::size_t n = segments.size();
    if (n == 0) return box;
    box.add(segments[0].anchor);
    for (std::size_t i = 0; i + 1 < n; ++i)
        addCurve(box, segments[i].anchor, segments[i].out, segments[i + 1].in, segments[i + 1].anchor);
    if (closed) addCurve(box, segments[n - 1].anchor, segments[n - 1].out, segments[0].in, segments[0].anchor);
    return box;
}

namespace {
Box artBounds(const Document& doc, const Art& a) {
    Box box;
    switch (a.kind) {
    case ArtKind::path: return curveBounds(a.segments, a.closed);
    case ArtKind::envelope:
    case ArtKind::symbolInstance:
        for (const auto& shown : doc.shownPaths(a.id)) box.add(curveBounds(shown.segments, shown.closed));
        return box;
    default:
        for (ArtId child : a.children) box.add(artBounds(doc, *doc.find(child)));
        return box;
    }
}
}  // namespace

Rect Document::bounds(ArtId id) const {
    const Art* a = impl_->get(id);
    if (!a) return Rect{};
    Box box = artBounds(*this, *a);
    return box.empty ? Rect{} : box.rect;
}

}  // namespace kelvo::doc

