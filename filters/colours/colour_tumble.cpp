// "Tumble": a random mode, random channels and randomly switched options.
#include "colour_numbers.h"
#include "colour_params.h"

namespace {

// One gate draw: true with probability (100 - percent) / 100.
bool drawAbove(ColourRandomDraw draw, float percent) { return 100.0f * draw() > percent; }

void writeFixedValues(ColourParams& p) {
    for (float& channel : p.channel) channel = 10.0f;
    p.colourMode = 0;
    p.randomOpacity = 0;
    p.randomBlend = 0;
    p.randomStyle = 0;
    p.randomWidth = 0;
    p.randomApply = 0;
    p.interpolate = 100.0f;
    p.pathFactor = 100.0f;
    p.colourOption = kColourOptionNone;
    p.rangeLow = 0.0f;
    p.rangeHigh = 255.0f;
    p.previewDrawn = 0;
}

}  // namespace

void TumbleColourParams(ColourParams& p, ColourRandomDraw draw) {
    writeFixedValues(p);

    // 0 to 26: the last mode, " Stroke Random Swatches", never comes from here.
    p.colourMode = truncToInt(27.0f * draw());
    for (float& channel : p.channel) channel = 100.0f * draw();
    if (drawAbove(draw, 70.0f)) {
        for (float& channel : p.channel) channel = -100.0f * draw();
    }
    if (drawAbove(draw, 80.0f)) p.randomOpacity = 1;
    if (drawAbove(draw, 90.0f)) p.randomBlend = 1;
    if (drawAbove(draw, 95.0f)) p.randomStyle = 1;
    if (drawAbove(draw, 90.0f)) p.randomWidth = 1;
    if (drawAbove(draw, 90.0f)) p.randomApply = 1;
    if (drawAbove(draw, 70.0f)) p.interpolate = 100.0f * draw();
    if (drawAbove(draw, 70.0f)) p.pathFactor = 100.0f * draw();
    // 0 to 3: " Average stroke" never comes from here.
    if (drawAbove(draw, 70.0f)) p.colourOption = truncToInt(4.0f * draw());
    if (drawAbove(draw, 80.0f)) {
        // Two fresh draws: the low bound may end up above the high one, which the engine
        // takes as a test no gray, four-colour or three-colour fill passes.
        p.rangeLow = 255.0f * draw();
        p.rangeHigh = 255.0f * draw();
    }
}
