// Where a line lies before it is turned and scaled: the numbers the generator hands to the
// host's shape constructions or path segments. Free of host calls.
#pragma once

#include <cmath>
#include <cstdint>

#include "kelvo/sdk/base.h"
#include "line_numbers.h"
#include "line_params.h"

// What the shape list asks for. Shapes outside the list draw rectangles.
struct LineShapeKind {
    bool thin;   // a stroked two-point path instead of a filled shape
    bool guide;  // every line is made a guide
    bool oval;   // an oval in the rectangle's box
};

inline LineShapeKind lineShapeKind(int32_t shape) {
    return {shape == kLineShapeThin || shape == kLineShapeLineGuide,
            shape == kLineShapeBoxGuide || shape == kLineShapeLineGuide, shape == kLineShapeOval};
}

// A filled line's box, in the argument order of the host's shape constructions. `top` is the
// smaller y: the host takes the edges in either order.
struct LineBox {
    float top, left, bottom, right;
};

// A thin line's two points.
struct LineStroke {
    KvRealPoint from, to;
};

// One line at stacking position `c` of a block starting at `origin`, `thickness` across and
// `length` along. Upwards lines run along x and stack along y; across lines the other way.
inline LineBox lineBox(int32_t direction, KvRealPoint origin, float c, float thickness, float length) {
    if (direction == kLinesUpwards) {
        return {c + origin.y, origin.x, c + origin.y + thickness, origin.x + length};
    }
    return {origin.y, c + origin.x, origin.y + length, c + origin.x + thickness};
}

// A thin line lies on the stacking position itself (not on the middle of the band a rectangle
// would fill) and starts half its stroke width before the block's origin along its length.
inline LineStroke lineStroke(int32_t direction, KvRealPoint origin, float c, float thickness, float length) {
    const float half = thickness / 2.0f;
    if (direction == kLinesUpwards) {
        return {{origin.x - half, c + origin.y}, {origin.x + length - half, c + origin.y}};
    }
    return {{c + origin.x, origin.y - half}, {c + origin.x, origin.y + length - half}};
}

inline bool isFiniteBox(const LineBox& box) {
    return std::isfinite(box.top) && std::isfinite(box.left) && std::isfinite(box.bottom) && std::isfinite(box.right);
}

inline bool isFiniteStroke(const LineStroke& stroke) { return isFinitePoint(stroke.from) && isFinitePoint(stroke.to); }

inline bool isFiniteMatrix(const KvRealMatrix& m) {
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
           std::isfinite(m.tx) && std::isfinite(m.ty);
}
