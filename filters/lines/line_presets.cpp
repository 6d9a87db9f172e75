// " Reset" and the presets of the preset list.
#include "line_params.h"

namespace {

void writeResetValues(LineParams& p) {
    p.accumulateLineAngle = 0;
    p.accumulateBlockAngle = 0;
    p.alternateAngle = 0;
    p.rotateBlocks = 0;
    p.randomLength = 0;
    p.randomRepeatLength = 0;
    p.randomAngle = 0;
    p.randomGap = 0;
    p.randomThickness = 0;
    p.preview = 1;  // choosing a preset shows it
    p.randomOpacity = 0;
    p.previewDrawn = 0;
    p.repeatBlocks = 1;
    p.shape = kLineShapeRectangle;
    p.direction = kLinesUpwards;
    p.lineCount = 20;
    p.fillMode = 0;
    p.strokeMode = 0;
    p.widthMode = 0;
    p.angleFactor = 100.0f;
    p.lengthFactor = 100.0f;
    p.thicknessFactor = 100.0f;
    p.gapFactor = 100.0f;
    p.styleInterpolate = 0.0f;
    p.maxLength = 10000.0f;
    p.widthValue = 0.0f;
    for (float& value : p.fillChannel) value = 1.0f;
    for (float& value : p.strokeChannel) value = 1.0f;
    p.gap = 20.0f;
    p.thickness = 4.0f;
    p.lineLength = 500.0f;
    p.startX = 0.0f;
    p.startY = 0.0f;
    p.angle = 0.0f;
    p.scaleX = 100.0f;
    p.scaleY = 100.0f;
}

// Sixty thick, randomly spaced and sized patches in ten blocks, filled from the swatches: the
// base of most swatch presets. Their own values are written after it and win.
void patchSet(LineParams& p) {
    p.repeatBlocks = 10;
    p.lineCount = 60;
    p.gap = 20.0f;
    p.thickness = 60.0f;
    p.maxLength = 400.0f;
    p.randomGap = 1;
    p.randomThickness = 1;
    p.fillMode = 15;
}

// Ten blocks of short lines: the base of the stick and turning presets.
void sticks(LineParams& p) {
    p.repeatBlocks = 10;
    p.lineLength = 100.0f;
}

void zigzag(LineParams& p) {
    p.angle = 10.0f;
    p.alternateAngle = 1;
    p.repeatBlocks = 20;
    p.lineLength = 100.0f;
}

void applyPresetChanges(LineParams& p, int32_t index) {
    switch (index) {
    case 1: p.lineCount = 40; break;        // " 40 lines"
    case 2: p.fillMode = 15; break;         // " Random swatches"
    case 3: p.gap = 6.0f; break;            // " Narrow gap"
    case 4: p.thickness = 15.0f; break;     // " Thicker lines"
    case 5: p.scaleX = 90.0f; break;        // " Thinner lines"
    case 6: p.widthValue = 10.0f; break;    // " Increasing with (line) ..."
    case 7: p.lineLength = 100.0f; break;   // " Smaller lines"
    case 8:                                 // " Squares"
        p.lineLength = 15.0f;
        p.thickness = 15.0f;
        p.gap = 5.0f;
        p.lineCount = 40;
        break;
    case 9: p.fillMode = 13; break;         // " Target fill to current dialog settings ..."
    case 10: p.randomOpacity = 1; break;    // " Random opacity"
    case 11:                                // " Random opacity/overlap"
        p.randomOpacity = 1;
        p.thickness = 25.0f;
        break;
    case 12:                                // " Random opacity/overlap Swatches"
        p.fillMode = 15;
        p.randomOpacity = 1;
        p.thickness = 25.0f;
        break;
    case 13:                                // " Scaled"
        p.scaleX = 90.0f;
        p.scaleY = 90.0f;
        break;
    case 14:                                // " Increasing height"
        p.direction = kLinesAcross;
        p.scaleY = 102.0f;
        break;
    case 15: p.shape = kLineShapeLineGuide; break;  // " Guidelines up"
    case 16:                                        // " Guidelines across"
        p.direction = kLinesAcross;
        p.shape = kLineShapeLineGuide;
        break;
    case 17: p.scaleY = 105.0f; break;      // " Shutters"
    case 18:                                // " Patches"
        p.lineCount = 60;
        p.gap = 50.0f;
        p.repeatBlocks = 3;
        p.thickness = 60.0f;
        p.maxLength = 400.0f;
        p.randomGap = 1;
        p.randomThickness = 1;
        p.fillMode = 11;
        break;
    case 19:                                // " Swatch patches"
        patchSet(p);
        p.lineLength = 50.0f;
        break;
    case 20:                                // " Swatch patches random angle"
        patchSet(p);
        p.lineLength = 50.0f;
        p.gap = 10.0f;
        p.angle = 360.0f;
        p.randomAngle = 1;
        break;
    case 21:                                // " Swatch patches 45 degrees"
        patchSet(p);
        p.lineLength = 50.0f;
        p.gap = 10.0f;
        p.angle = 45.0f;
        break;
    case 22:                                // " Smaller swatches randomized"
        patchSet(p);
        p.lineLength = 50.0f;
        p.gap = 12.0f;
        p.thickness = 30.0f;
        p.angle = 360.0f;
        p.randomAngle = 1;
        break;
    case 23:                                // " Angle jitter"
        p.angle = 10.0f;
        p.randomAngle = 1;
        p.lineCount = 40;
        break;
    case 24:                                // " Textured line"
        patchSet(p);
        p.lineLength = 250.0f;
        p.angle = 10.0f;
        p.randomAngle = 1;
        p.randomOpacity = 1;
        p.randomRepeatLength = 1;
        p.fillChannel[0] = 123.0f;
        p.fillChannel[1] = 12.0f;
        p.fillChannel[2] = -123.0f;
        break;
    case 25:                                // " Swatches patch length random"
        patchSet(p);
        p.lineLength = 250.0f;
        p.randomRepeatLength = 1;
        break;
    case 26:                                // " Swatches zig"
        patchSet(p);
        p.lineLength = 250.0f;
        p.randomRepeatLength = 1;
        p.angle = 20.0f;
        break;
    case 27:                                // " Random gaps"
        patchSet(p);
        p.lineLength = 50.0f;
        p.randomLength = 1;
        break;
    case 28:                                // " Patched gaps": the line length stays 500
        patchSet(p);
        p.gap = 50.0f;
        p.repeatBlocks = 9;
        p.randomLength = 1;
        break;
    case 29:                                // " Swatch patches shrinking"
        patchSet(p);
        p.lineLength = 50.0f;
        p.lengthFactor = 80.0f;
        break;
    case 30: zigzag(p); break;              // " Zigzag"
    case 31:                                // " Zigzag shrink"
        zigzag(p);
        p.lengthFactor = 80.0f;
        break;
    case 32: sticks(p); break;              // " Sticks"
    case 33:                                // " Angled sticks"
        sticks(p);
        p.angle = 33.0f;
        break;
    case 34:                                // " Turning"
        sticks(p);
        p.angle = 3.0f;
        p.accumulateLineAngle = 1;
        break;
    case 35:                                // " Crunch"
        sticks(p);
        p.angle = 3.0f;
        p.accumulateBlockAngle = 1;
        break;
    case 36:                                // " Target turning"
        p.repeatBlocks = 11;
        p.lineLength = 25.0f;
        p.angle = 2.0f;
        p.thicknessFactor = 94.0f;
        p.lengthFactor = 116.0f;
        p.angleFactor = 41.0f;
        p.fillMode = 13;
        p.accumulateLineAngle = 1;
        p.accumulateBlockAngle = 1;
        break;
    default: break;  // 0 " Reset", or an entry the list does not have
    }
}

}  // namespace

void ApplyLinePreset(LineParams& record, int32_t index) {
    record.presetIndex = index;
    writeResetValues(record);
    applyPresetChanges(record, index);
}
