// " Reset" and the seven presets of the preset list.
#include "colour_params.h"

namespace {

void setChannels(ColourParams& p, float value) {
    for (float& channel : p.channel) channel = value;
}

void writeResetValues(ColourParams& p) {
    p.colourOption = kColourOptionNone;
    p.colourMode = 0;
    p.rangeLow = 0.0f;
    p.rangeHigh = 255.0f;
    p.pathFactor = 100.0f;
    p.interpolate = 100.0f;
    setChannels(p, 10.0f);
    p.randomApply = 0;
    p.randomWidth = 0;
    p.symbolize = 0;
    p.randomStyle = 0;
    p.randomOpacity = 0;
    p.randomBlend = 0;
    p.preview = 1;
    p.previewDrawn = 0;
}

// Channels 1 to 3 at -100 %; channel 4 keeps its value.
void subtractFromFirstThreeChannels(ColourParams& p) {
    for (int i = 0; i < 3; ++i) p.channel[i] = -100.0f;
}

void applyPresetChanges(ColourParams& p, int32_t index) {
    switch (index) {
    case 1: p.randomOpacity = 1; break;
    case 2:
        p.rangeLow = 61.0f;
        p.rangeHigh = 191.0f;
        break;
    case 3: subtractFromFirstThreeChannels(p); break;
    case 4: p.pathFactor = 99.6f; break;
    case 5: p.interpolate = 50.0f; break;
    case 6: p.colourOption = kColourOptionNegativeFill; break;
    case 7:
        p.randomWidth = 1;
        p.colourMode = kFirstStrokeMode;  // " Stroke + Random"
        subtractFromFirstThreeChannels(p);
        break;
    default: break;  // 0 " Reset", or an entry the list does not have
    }
}

}  // namespace

void ApplyColourPreset(ColourParams& record, int32_t index) {
    writeResetValues(record);
    record.presetIndex = index;
    applyPresetChanges(record, index);
}
