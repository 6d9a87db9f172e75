// "Tumble": random settings for the teeth, counts and shape options.
#include "edge_numbers.h"
#include "edge_params.h"

namespace {

// 40r - 40r' with the first draw added and the second subtracted, in that order.
float drawSpread(EdgeRandomDraw draw) {
    const float added = 40.0f * draw();
    const float subtracted = 40.0f * draw();
    return added - subtracted;
}

// One gate draw: true with probability (100 - percent) / 100.
bool drawAbove(EdgeRandomDraw draw, float percent) { return 100.0f * draw() > percent; }

// The random interpolation values draw a fresh pair (a, then b) for each value.
struct DrawPair {
    float a, b;
};
DrawPair drawPair(EdgeRandomDraw draw) {
    const float a = draw();
    const float b = draw();
    return {a, b};
}

void writeFixedValues(EdgeFrameParams& p, KvRealPoint documentSize) {
    for (int side = 0; side < kEdgeSideCount; ++side) {
        p.teethHeight[side] = 100.0f;
        p.teethGap[side] = 10.0f;
        p.teethSlant[side] = 0.0f;
        p.teethBase[side] = 0.0f;
        p.teethCount[side] = 5;
    }
    p.skipCount = 0;
    p.createCount = 1;
    p.frameCount = 1;
    p.randomWarp = 0;
    p.slantOption = 0;
    p.centreAnchor = 0;
    p.centreDirection = 0;
    p.interp1AnchorPct = 0.0f;
    p.interp1HandlePct = 0.0f;
    p.interp2AnchorPct = 0.0f;
    p.interp2HandlePct = 0.0f;
    p.interp1CentreX = documentSize.x / 2.0f;
    p.interp1CentreY = documentSize.y / 2.0f;
    p.interp2CentreX = documentSize.x / 2.0f;
    p.interp2CentreY = documentSize.y / 2.0f;
    p.previewDrawn = 0;
}

void drawInterpolation(EdgeFrameParams& p, KvRealPoint documentSize, EdgeRandomDraw draw) {
    const float halfWidth = documentSize.x / 2.0f;
    const float halfHeight = documentSize.y / 2.0f;
    DrawPair d = drawPair(draw);
    p.interp1AnchorPct = 200.0f * d.a - 200.0f * d.b;
    d = drawPair(draw);
    p.interp1HandlePct = 200.0f * d.a - 200.0f * d.b;
    d = drawPair(draw);
    p.interp1CentreX = halfWidth + 20.0f * (d.b - d.a);
    d = drawPair(draw);
    p.interp1CentreY = documentSize.y + 20.0f * (d.a - d.b);  // the full height, unlike the others
    d = drawPair(draw);
    p.interp2AnchorPct = 200.0f * d.a - 200.0f * d.b;
    d = drawPair(draw);
    p.interp2HandlePct = 200.0f * d.a - 200.0f * d.b;
    d = drawPair(draw);
    p.interp2CentreX = halfWidth + 20.0f * (d.b - d.a);
    d = drawPair(draw);
    p.interp2CentreY = halfHeight + 20.0f * (d.b - d.a);
}

}  // namespace

void TumbleEdgeParams(EdgeFrameParams& p, KvRealPoint documentSize, EdgeRandomDraw draw) {
    writeFixedValues(p, documentSize);

    for (float& height : p.teethHeight) height = 300.0f * draw();
    for (float& gap : p.teethGap) gap = 40.0f * draw();
    if (drawAbove(draw, 60.0f)) {
        for (float& slant : p.teethSlant) slant = drawSpread(draw);
    }
    if (drawAbove(draw, 80.0f)) {
        for (float& base : p.teethBase) base = drawSpread(draw);
    }
    for (int32_t& teeth : p.teethCount) teeth = 1 + truncToInt(20.0f * draw());
    if (drawAbove(draw, 80.0f)) {
        p.skipCount = truncToInt(5.0f * draw());
        p.createCount = 1 + truncToInt(5.0f * draw());
    }
    if (drawAbove(draw, 80.0f)) p.frameCount = 1 + truncToInt(6.0f * draw());
    if (drawAbove(draw, 90.0f)) p.randomWarp = 1;
    if (drawAbove(draw, 80.0f)) p.slantOption = truncToInt(8.0f * draw());
    if (drawAbove(draw, 95.0f)) p.centreAnchor = 1;
    if (drawAbove(draw, 95.0f)) p.centreDirection = 1;
    if (drawAbove(draw, 90.0f)) drawInterpolation(p, documentSize, draw);
}
