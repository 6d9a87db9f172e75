// "Tumble": random sizes, counts, factors and paint modes.
#include "line_numbers.h"
#include "line_params.h"

namespace {

// One gate draw: true with probability (100 - percent) / 100.
bool drawAbove(LineRandomDraw draw, float percent) { return 100.0f * draw() > percent; }

// 100 + 20r - 20r', the added draw first: a block or line factor near 100 %.
float drawFactor(LineRandomDraw draw) {
    const float added = 20.0f * draw();
    const float subtracted = 20.0f * draw();
    return 100.0f + added - subtracted;
}

// 100r - 70r', the added draw first: a dialog colour value leaning positive.
float drawChannelValue(LineRandomDraw draw) {
    const float added = 100.0f * draw();
    const float subtracted = 70.0f * draw();
    return added - subtracted;
}

void writeFirstUseValues(LineParams& p) {
    p.lineCount = 20;
    p.thickness = 4.0f;
    p.lineLength = 500.0f;
    p.gap = 20.0f;
    p.angle = 0.0f;
    p.scaleX = 100.0f;
    p.scaleY = 100.0f;
    p.repeatBlocks = 1;
    p.lengthFactor = 100.0f;
    p.thicknessFactor = 100.0f;
    p.gapFactor = 100.0f;
    p.angleFactor = 100.0f;
    p.fillMode = 0;
    for (float& value : p.fillChannel) value = 1.0f;
    p.strokeMode = 0;
    for (float& value : p.strokeChannel) value = 1.0f;
    p.widthMode = 0;
    p.widthValue = 0.0f;
    p.styleInterpolate = 0.0f;
    p.previewDrawn = 0;
}

}  // namespace

void TumbleLineParams(LineParams& p, LineRandomDraw draw) {
    writeFirstUseValues(p);

    p.lineCount = truncToInt(200.0f * draw());
    p.thickness = 20.0f * draw();
    p.lineLength = 600.0f * draw();
    p.gap = 50.0f * draw();
    if (drawAbove(draw, 70.0f)) p.angle = 360.0f * draw();
    if (drawAbove(draw, 80.0f)) {
        p.scaleX = drawFactor(draw);
        p.scaleY = drawFactor(draw);
    }
    if (drawAbove(draw, 80.0f)) p.repeatBlocks = 1 + truncToInt(5.0f * draw());
    if (drawAbove(draw, 80.0f)) p.lengthFactor = drawFactor(draw);
    if (drawAbove(draw, 80.0f)) p.thicknessFactor = drawFactor(draw);
    if (drawAbove(draw, 80.0f)) p.gapFactor = drawFactor(draw);
    if (drawAbove(draw, 80.0f)) p.angleFactor = drawFactor(draw);
    // The last entry of each mode list is never chosen.
    if (drawAbove(draw, 70.0f)) {
        p.fillMode = truncToInt(19.0f * draw());
        for (float& value : p.fillChannel) value = drawChannelValue(draw);
    }
    if (drawAbove(draw, 70.0f)) {
        p.strokeMode = truncToInt(14.0f * draw());
        for (float& value : p.strokeChannel) value = drawChannelValue(draw);
    }
    if (drawAbove(draw, 70.0f)) {
        p.widthMode = truncToInt(14.0f * draw());
        const float added = 20.0f * draw();
        const float subtracted = 5.0f * draw();
        p.widthValue = added - subtracted;
    }
    if (drawAbove(draw, 70.0f)) p.styleInterpolate = 100.0f * draw();
}
