// "Tumble": random sizes, counts, shifts, curves and paint modes for both directions.
#include "grid_numbers.h"
#include "grid_params.h"

namespace {

// One gate draw: true with probability (100 - percent) / 100.
bool drawAbove(GridRandomDraw draw, float percent) { return 100.0f * draw() > percent; }

// `high` times a first draw minus `low` times a second, drawn in that order.
float drawSpread(GridRandomDraw draw, float high, float low) {
    const float added = high * draw();
    const float subtracted = low * draw();
    return added - subtracted;
}

void writeFixedValues(GridParams& p) {
    for (int d = 0; d < kGridDirectionCount; ++d) {
        p.lineCount[d] = 8;
        p.thickness[d] = 4.0f;
        p.altThickness[d] = 0.0f;
        p.skipCount[d] = 0;
        p.createCount[d] = 1;
        p.shift[d] = 0.0f;
        p.curve[d] = 0.0f;
        p.fillMode[d] = 0;
        p.strokeMode[d] = 0;
        p.widthMode[d] = 0;
        p.widthValue[d] = 0.0f;
        for (int c = 0; c < kGridChannelCount; ++c) {
            p.fillChannel[c][d] = 1.0f;
            p.strokeChannel[c][d] = 1.0f;
        }
    }
    p.previewDrawn = 0;
}

void drawSizes(GridParams& p, int d, GridRandomDraw draw) {
    // A draw below 0.1 would give fewer lines than a grid can be spaced with.
    p.lineCount[d] = clampCount(gridTrunc(30.0f * draw()), kGridMinLines, kGridMaxLines);
    p.thickness[d] = 20.0f * draw();
    p.altThickness[d] = 6.0f * draw();
    if (drawAbove(draw, 60.0f)) {
        p.skipCount[d] = gridTrunc(5.0f * draw());
        p.createCount[d] = 1 + gridTrunc(5.0f * draw());
    }
    if (drawAbove(draw, 80.0f)) p.shift[d] = drawSpread(draw, 10.0f, 5.0f);
}

void drawPaint(GridParams& p, int d, GridRandomDraw draw) {
    if (drawAbove(draw, 70.0f)) {
        p.fillMode[d] = gridTrunc(15.0f * draw());
        for (auto& channel : p.fillChannel) channel[d] = drawSpread(draw, 100.0f, 70.0f);
    }
    if (drawAbove(draw, 70.0f)) {
        p.strokeMode[d] = gridTrunc(14.0f * draw());
        for (auto& channel : p.strokeChannel) channel[d] = drawSpread(draw, 100.0f, 70.0f);
    }
    if (drawAbove(draw, 70.0f)) {
        p.widthMode[d] = gridTrunc(14.0f * draw());
        p.widthValue[d] = drawSpread(draw, 20.0f, 5.0f);
    }
}

}  // namespace

void TumbleGridParams(GridParams& p, GridRandomDraw draw) {
    writeFixedValues(p);
    drawSizes(p, kGridUp, draw);
    drawSizes(p, kGridAcross, draw);
    if (drawAbove(draw, 80.0f)) {
        p.curve[kGridUp] = drawSpread(draw, 10.0f, 5.0f);
        p.curve[kGridAcross] = drawSpread(draw, 10.0f, 5.0f);
    }
    drawPaint(p, kGridUp, draw);
    drawPaint(p, kGridAcross, draw);
}
