// The host-free geometry of a grid run: the working values taken from the record, the walk that
// decides which positions hold elements, the spacing and shift of the positions, the edges and
// anchors of the elements, and the skew and curve steps applied to their segments.
#pragma once

#include <cstdint>
#include <vector>

#include "grid_params.h"
#include "kelvo/sdk/sdk.h"

// The paint values of one direction (see PaintGridElement).
struct GridPaintValues {
    int32_t fillMode = 0, strokeMode = 0, widthMode = 0;
    float fill[kGridChannelCount] = {};        // fill channels / 100
    float fillLevels[3] = {};                  // fill channels 1 to 3 / 255, for three-colour fills
    float stroke[kGridChannelCount] = {};      // stroke channels / 100
    float strokeLevels[3] = {};                // stroke channels 1 to 3 / 255
    float width = 0.0f;                        // widthValue / 10, points
};

// The working values of one direction for one run.
struct GridDirectionValues {
    int32_t count = 0;        // n: positions
    float thickness = 0.0f;   // T
    float alternate = 0.0f;   // a: added at odd positions
    int32_t skip = 0;         // s
    int32_t create = 0;       // c
    float shift = 0.0f;       // h
    float skew = 0.0f;        // k, percent
    float curve = 0.0f;       // v
    GridPaintValues paint;
    bool randomOpacity = false;
};

using GridWorkingValues = GridDirectionValues[kGridDirectionCount];

// Copies the record's values (non-finite reals become 0, a skew of exactly 0 becomes 0.001),
// then applies "Settings [R]" with draws from `draw`, Link, the count limits (lines 3 to 200,
// skip 0 to 40, create 1 to 40) and the alternate floor, in that order.
void makeGridWorkingValues(const GridParams& record, GridRandomDraw draw, GridWorkingValues& values);

// The grid area: the bounding box of the definition path.
struct GridArea {
    float left = 0.0f, bottom = 0.0f, width = 0.0f, height = 0.0f;
};
// The area used when nothing defines one: 400 x 400 points with its lower left at (0, 200).
inline constexpr GridArea kGridDefaultArea{0.0f, 200.0f, 400.0f, 400.0f};
GridArea gridAreaOf(const KvRealRect& bounds);

// The skip/create walk over the positions of one direction: entry i is true when position i
// holds an element. The walk adds positions until the last one holds an element, so the size
// is the position count N (at least `count`). `skip` >= 0 and `create` >= 1.
std::vector<bool> walkGridPositions(int32_t count, int32_t skip, int32_t create);

// Distance between neighbouring positions over `length` (the area's height for up, its width
// for across) with `count` positions of `thickness`; lines and guides are centred on their
// positions, so they take half the last position's alternate thickness.
float gridSpacing(float length, const GridDirectionValues& values, int32_t count, bool lines);

// The offset of position i from the area's edge, with the shift of the inner positions.
// "Jitter shift [R]" takes two draws (a sign, then a fraction) from `draw` at every inner
// position while the shift is not 0.
float gridPosition(float spacing, int32_t index, int32_t count, float shift, bool jitter, bool ratio,
                   GridRandomDraw draw);

// Box and oval edges of the element at offset `position` in direction `d`: rows span the area's
// width, columns its height. `thickness` includes the alternate value.
struct GridEdges {
    float lowerY, leftX, upperY, rightX;
};
GridEdges gridElementEdges(const GridArea& area, int d, float position, float thickness);

// The two anchors of a line or guide at `position` in direction `d`. A row reaches from
// half a column's thickness left of the area to as far inside its right edge; columns likewise
// with the rows' thickness. `crossThickness` is the other direction's thickness.
struct GridLineAnchors {
    KvRealPoint start, end;
};
GridLineAnchors gridLineAnchors(const GridArea& area, int d, float position, float crossThickness);

// Skew factors of an anchor: the anchor is scaled about the artwork origin by
// ((x - left) / width × skewX / 100, (y - bottom) / height × skewY / 100). An axis whose extent is
// 0 keeps its coordinate (factor 1).
KvRealPoint gridSkewFactors(const GridArea& area, KvRealPoint anchor, float skewX, float skewY);

// The curve step for segment j (0 to 3) of an element of direction `d`: both direction points
// move diagonally by `amount`, in opposite senses, alternating from segment to segment.
void curveGridSegment(KvPathSegment& segment, int j, int d, float amount);

bool isFiniteGridSegment(const KvPathSegment& segment);
