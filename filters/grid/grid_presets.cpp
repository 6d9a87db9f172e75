// " Reset" and the five presets of the preset list.
#include "grid_params.h"

namespace {

void writeResetValues(GridParams& p) {
    p.preview = 1;
    p.shape = kGridBox;
    p.direction = kGridUp;
    for (int d = 0; d < kGridDirectionCount; ++d) {
        p.lineCount[d] = 8;
        p.thickness[d] = 4.0f;
        p.altThickness[d] = 0.0f;
        p.skipCount[d] = 0;
        p.createCount[d] = 1;
        p.shift[d] = 0.0f;
        p.skew[d] = 100.0f;
        p.curve[d] = 0.0f;
        p.fillMode[d] = 0;
        p.strokeMode[d] = 0;
        p.widthMode[d] = 0;
        p.widthValue[d] = 0.0f;
        p.randomOpacity[d] = 0;
        for (int c = 0; c < kGridChannelCount; ++c) {
            p.fillChannel[c][d] = 1.0f;
            p.strokeChannel[c][d] = 1.0f;
        }
    }
    p.deleteDefinitionPath = 1;
    p.link = 1;
    p.randomSettings = 0;
    p.jitterShift = 0;
    p.shiftRatio = 0;
    p.skewEnabled = 0;
    p.previewDrawn = 0;
}

void applyPresetChanges(GridParams& p, int32_t index) {
    switch (index) {
    case 1:  // " 16 x 16 grid"
        p.lineCount[kGridUp] = p.lineCount[kGridAcross] = 16;
        break;
    case 2:  // " Grid filled with color from swatches palette"
        p.fillMode[kGridUp] = p.fillMode[kGridAcross] = 15;
        break;
    case 3:  // " Link up and across settings": Link is on after the reset already
        p.link = 1;
        break;
    case 4:  // " Alternate stroke width (Up/Across)"
        p.thickness[kGridUp] = p.thickness[kGridAcross] = 4.0f;
        p.altThickness[kGridUp] = p.altThickness[kGridAcross] = 2.0f;
        break;
    case 5:  // " Random line jitter (Up/Across)"
        p.shift[kGridUp] = p.shift[kGridAcross] = 4.0f;
        p.jitterShift = 1;
        break;
    default: break;  // 0 " Reset", or an entry the list does not have
    }
}

}  // namespace

void ApplyGridPreset(GridParams& record, int32_t index) {
    record.presetIndex = index;
    writeResetValues(record);
    applyPresetChanges(record, index);
}
