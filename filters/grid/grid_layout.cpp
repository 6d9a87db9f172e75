// The geometry of a grid run, free of host calls.
#include "grid_layout.h"

#include <cmath>

#include "grid_numbers.h"

namespace {

void copyDirection(const GridParams& p, int d, GridDirectionValues& v) {
    v.count = p.lineCount[d];
    v.thickness = finiteOrZero(p.thickness[d]);
    v.alternate = finiteOrZero(p.altThickness[d]);
    v.skip = p.skipCount[d];
    v.create = p.createCount[d];
    v.shift = finiteOrZero(p.shift[d]);
    v.skew = finiteOrZero(p.skew[d]);
    if (v.skew == 0.0f) v.skew = 0.001f;
    v.curve = finiteOrZero(p.curve[d]);
    GridPaintValues& paint = v.paint;
    paint.fillMode = p.fillMode[d];
    paint.strokeMode = p.strokeMode[d];
    paint.widthMode = p.widthMode[d];
    for (int c = 0; c < kGridChannelCount; ++c) {
        paint.fill[c] = finiteOrZero(p.fillChannel[c][d]) / 100.0f;
        paint.stroke[c] = finiteOrZero(p.strokeChannel[c][d]) / 100.0f;
    }
    for (int c = 0; c < 3; ++c) {
        paint.fillLevels[c] = finiteOrZero(p.fillChannel[c][d]) / 255.0f;
        paint.strokeLevels[c] = finiteOrZero(p.strokeChannel[c][d]) / 255.0f;
    }
    paint.width = finiteOrZero(p.widthValue[d]) / 10.0f;
    v.randomOpacity = p.randomOpacity[d] != 0;
}

// trunc(r × (value + 1)), in floats so that no count overflows.
int32_t drawCount(int32_t value, GridRandomDraw draw) {
    return gridTrunc(draw() * (static_cast<float>(value) + 1.0f));
}

// "Settings [R]": sizes scaled by a draw each, counts redrawn below their values.
void randomizeSettings(GridWorkingValues& v, GridRandomDraw draw) {
    for (GridDirectionValues& d : v) d.alternate *= draw();
    for (GridDirectionValues& d : v) d.thickness *= draw();
    for (GridDirectionValues& d : v) d.curve *= draw();
    for (GridDirectionValues& d : v) d.count = drawCount(d.count, draw);
    for (GridDirectionValues& d : v) d.skip = drawCount(d.skip, draw);
    for (GridDirectionValues& d : v) d.create = drawCount(d.create, draw);
    for (GridDirectionValues& d : v) {
        if (d.count < 3) d.count = 3;
        if (d.create < 1) d.create = 1;
    }
}

}  // namespace

void makeGridWorkingValues(const GridParams& record, GridRandomDraw draw, GridWorkingValues& values) {
    for (int d = 0; d < kGridDirectionCount; ++d) copyDirection(record, d, values[d]);
    if (record.randomSettings == 1) randomizeSettings(values, draw);
    if (record.link == 1) values[kGridAcross] = values[kGridUp];
    for (GridDirectionValues& d : values) {
        // A single position cannot be spaced, and a negative skip would never let the walk end.
        d.count = clampCount(d.count, kGridMinLines, kGridMaxLines);
        d.skip = clampCount(d.skip, 0, kGridMaxSkip);
        d.create = clampCount(d.create, kGridMinCreate, kGridMaxCreate);
        if (d.thickness + d.alternate < 0.01f) d.alternate = -d.thickness;
    }
}

GridArea gridAreaOf(const KvRealRect& bounds) {
    return {bounds.left, bounds.bottom, bounds.right - bounds.left, bounds.top - bounds.bottom};
}

std::vector<bool> walkGridPositions(int32_t count, int32_t skip, int32_t create) {
    std::vector<bool> created;
    int32_t positions = count;
    int32_t createLeft = create;
    int32_t skipLeft = 0;
    for (int32_t i = 0; i < positions; ++i) {
        if (skipLeft == 0) {
            created.push_back(true);
            if (--createLeft == 0) skipLeft = skip;
        } else {
            created.push_back(false);
            if (--skipLeft == 0) createLeft = create;
            if (i == positions - 1) ++positions;  // the last position must hold an element
        }
    }
    return created;
}

float gridSpacing(float length, const GridDirectionValues& values, int32_t count, bool lines) {
    const float lastAlternate = count % 2 == 0 ? values.alternate : 0.0f;
    const float taken = values.thickness + (lines ? lastAlternate / 2.0f : lastAlternate);
    return (length - taken) / static_cast<float>(count - 1);
}

float gridPosition(float spacing, int32_t index, int32_t count, float shift, bool jitter, bool ratio,
                   GridRandomDraw draw) {
    float position = spacing * static_cast<float>(index);
    if (index == 0 || index == count - 1 || shift == 0.0f) return position;
    const float i = static_cast<float>(index);
    if (!jitter) return position + (ratio ? i * shift : shift);
    const float sign = signFromDraw(draw());
    const float fraction = draw();
    return position + (ratio ? fraction * i * sign * shift : fraction * shift * sign);
}

GridEdges gridElementEdges(const GridArea& area, int d, float position, float thickness) {
    if (d == kGridUp) {
        const float lower = area.bottom + position;
        return {lower, area.left, lower + thickness, area.left + area.width};
    }
    const float left = area.left + position;
    return {area.bottom, left, area.bottom + area.height, left + thickness};
}

GridLineAnchors gridLineAnchors(const GridArea& area, int d, float position, float crossThickness) {
    const float half = crossThickness / 2.0f;
    if (d == kGridUp) {
        const float y = area.bottom + position;
        return {{area.left - half, y}, {area.left + area.width - half, y}};
    }
    const float x = area.left + position;
    return {{x, area.bottom - half}, {x, area.bottom + area.height - half}};
}

KvRealPoint gridSkewFactors(const GridArea& area, KvRealPoint anchor, float skewX, float skewY) {
    KvRealPoint factors{1.0f, 1.0f};
    if (area.width != 0.0f) factors.x = (anchor.x - area.left) / area.width * skewX / 100.0f;
    if (area.height != 0.0f) factors.y = (anchor.y - area.bottom) / area.height * skewY / 100.0f;
    return factors;
}

void curveGridSegment(KvPathSegment& segment, int j, int d, float amount) {
    // Up elements: segments 0 and 2 pull their in points back and out points forward, 1 and 3
    // the other way round; across elements mirror that.
    const bool forward = (j % 2 == 0) == (d == kGridUp);
    const float move = forward ? amount : -amount;
    segment.in.x -= move;
    segment.in.y -= move;
    segment.out.x += move;
    segment.out.y += move;
}

bool isFiniteGridSegment(const KvPathSegment& segment) {
    for (const KvRealPoint& p : {segment.anchor, segment.in, segment.out}) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
    return true;
}
