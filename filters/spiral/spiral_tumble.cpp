// "Tumble": random settings for the spiral's shape, gaps, star points, arm pattern, colours and
// weights.
#include "spiral_numbers.h"
#include "spiral_params.h"

namespace {

// A gate of its own: true on about one use in `1 - percent / 100`.
bool drawAbove(SpiralRandomDraw draw, float percent) { return draw() * 100.0f > percent; }

// r × a − r × b, the two draws taken in that order.
float drawDifference(SpiralRandomDraw draw, float a, float b) {
    const float first = draw() * a;
    const float second = draw() * b;
    return first - second;
}

}  // namespace

void TumbleSpiralParams(SpiralParams& p, SpiralRandomDraw draw) {
    p.pointsPerArm = 4;
    p.spiralCount = 10;
    p.spiralType = 0;
    p.armDecay = 0.0f;
    p.gap = 25.0f;
    p.gapMode = 0;
    p.gapValue = 0.0f;
    p.initialGap = 20.0f;
    p.starGap = 0.0f;
    p.starAngle = 0.0f;
    p.skipCount = 0;
    p.createCount = 1;
    p.interpAmount = 0.0f;
    p.strokeColourMode = 0;
    for (float& value : p.strokeColour) value = 1.0f;
    p.lineWeightMode = 0;
    p.lineWeight = 0.0f;
    p.previewDrawn = 0;

    // pointsPerArm may come out 0 to 2 and spiralCount 1, below the dialog's ranges.
    p.pointsPerArm = truncToInt(draw() * 14.0f);
    p.spiralCount = 1 + truncToInt(draw() * 40.0f);
    if (drawAbove(draw, 70.0f)) p.spiralType = truncToInt(draw() * 4.0f);
    p.armDecay = drawDifference(draw, 20.0f, 20.0f);
    p.gap = draw() * 60.0f;
    if (drawAbove(draw, 80.0f)) p.gapMode = truncToInt(draw() * 6.0f);
    if (drawAbove(draw, 80.0f)) p.gapValue = drawDifference(draw, 10.0f, 5.0f);
    p.initialGap = draw() * 100.0f;
    if (drawAbove(draw, 80.0f)) p.starGap = drawDifference(draw, 20.0f, 20.0f);
    if (drawAbove(draw, 80.0f)) p.starAngle = drawDifference(draw, 20.0f, 20.0f);
    if (drawAbove(draw, 80.0f)) p.skipCount = truncToInt(draw() * 6.0f);
    if (drawAbove(draw, 80.0f)) p.createCount = 1 + truncToInt(draw() * 6.0f);
    if (drawAbove(draw, 80.0f)) {
        p.strokeColourMode = truncToInt(draw() * 15.0f);
        for (float& value : p.strokeColour) value = draw() * 100.0f;
    }
    if (drawAbove(draw, 80.0f)) {
        for (float& value : p.strokeColour) value = draw() * -100.0f;
    }
    if (drawAbove(draw, 80.0f)) {
        p.lineWeightMode = truncToInt(draw() * 14.0f);
        p.lineWeight = drawDifference(draw, 20.0f, 10.0f);
    }
    if (drawAbove(draw, 80.0f)) p.interpAmount = drawDifference(draw, 150.0f, 100.0f);
}
