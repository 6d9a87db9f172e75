// " Reset" and the presets of the preset list.
#include "spiral_params.h"

namespace {

// " Reset": every setting of the spiral back to its first-use value. The start point follows
// the current view, not the last OK.
void resetSpiralParams(SpiralParams& p, KvRealPoint viewCentre) {
    p.preview = 1;
    p.armMode = kArmsContiguous;
    p.pointsPerArm = 4;
    p.spiralCount = 10;
    p.spiralType = 0;
    p.armDecay = 0.0f;
    p.gap = 25.0f;
    p.gapMode = 0;
    p.gapValue = 0.0f;
    p.initialGap = 20.0f;
    p.startX = viewCentre.x - 200.0f;
    p.startY = viewCentre.y;
    p.starGap = 0.0f;
    p.starAngle = 0.0f;
    p.skipCount = 0;
    p.createCount = 1;
    p.strokeColourMode = 0;
    for (float& value : p.strokeColour) value = 1.0f;
    p.randomOpacity = 0;
    p.lineWeightMode = 0;
    p.lineWeight = 0.0f;
    p.interpAmount = 0.0f;
    p.pivotMode = 0;
    p.previewDrawn = 0;
}

// The three narrow presets share their shape.
void narrow(SpiralParams& p, int32_t pointsPerArm) {
    p.pointsPerArm = pointsPerArm;
    p.armDecay = 30.0f;
    p.gap = 6.0f;
    p.initialGap = 100.0f;
}

void separateWeights(SpiralParams& p, float lineWeight, int32_t lineWeightMode) {
    p.armMode = kArmsSeparate;
    p.lineWeight = lineWeight;
    p.lineWeightMode = lineWeightMode;
}

}  // namespace

void ApplySpiralPreset(SpiralParams& p, int32_t index, KvRealPoint viewCentre) {
    p.presetIndex = index;
    resetSpiralParams(p, viewCentre);
    switch (index) {
    case 1: p.pointsPerArm = 5; break;  // " Pentagon-spiral"
    case 2: p.spiralCount = 30; break;  // " Many spiral arms"
    case 3:                             // " Decaying spiral arms"
        p.armDecay = 40.0f;
        p.spiralCount = 30;
        p.pointsPerArm = 5;
        break;
    case 4:  // " Small hex spiral"
        p.pointsPerArm = 6;
        p.gap = 10.0f;
        break;
    case 5:  // " Rapidly out of control "
        p.gap = 10.0f;
        p.spiralCount = 20;
        p.gapValue = 1.0f;
        p.gapMode = 2;
        break;
    case 6:  // " Spiral star 1 "
        p.starGap = 100.0f;
        p.gap = 10.0f;
        break;
    case 7:  // " Hollow "
        p.initialGap = 200.0f;
        p.gap = 10.0f;
        break;
    case 8:  // " Spiral star 2 "
        p.starGap = 60.0f;
        p.gap = 10.0f;
        p.pointsPerArm = 6;
        p.initialGap = 100.0f;
        break;
    case 9:  // " Shift to right "
        p.gapMode = 3;
        p.gapValue = 9.0f;
        break;
    case 10:  // " Shift to left "
        p.gapMode = 3;
        p.gapValue = -9.0f;
        break;
    case 11:  // " Zoom shift to left "
        p.gapMode = 3;
        p.gapValue = -30.0f;
        break;
    case 12:  // " Shift to bottom "
        p.gapMode = 4;
        p.gapValue = -10.0f;
        break;
    case 13:  // " Shift to top "
        p.gapMode = 4;
        p.gapValue = 10.0f;
        break;
    case 14:  // " Shift diagonally "
        p.gapMode = 5;
        p.gapValue = 10.0f;
        break;
    case 15: p.armMode = kArmsSeparate; break;  // " Separate spiral arms (set to no fill before use)"
    case 16: separateWeights(p, 10.0f, 1); break;  // " Inceasing line weight - (Separate)"
    case 17:                                        // " Inceasing reversed - (Separate)"
        p.spiralType = 1;
        separateWeights(p, 10.0f, 1);
        break;
    case 18:  // " Inceasing drifting points - (Separate)"
        p.spiralType = 4;
        separateWeights(p, 4.0f, 1);
        break;
    case 19: separateWeights(p, 10.0f, 7); break;  // " Randomized line weight arms  - (Separate)"
    case 20:                                        // " Randomized palette/line weight arms  - (Separate)"
        p.strokeColourMode = 15;
        separateWeights(p, 10.0f, 7);
        break;
    case 21: narrow(p, 6); break;  // " Narrow band"
    case 22: narrow(p, 8); break;  // " Narrow octspiral"
    case 23:                       // " Narrow octstar spiral "
        narrow(p, 8);
        p.starGap = 50.0f;
        break;
    case 24:  // " Narrow 2/3 oct star spiral (separate)"
        narrow(p, 8);
        p.gap = 10.0f;
        p.armMode = kArmsSeparate;
        p.skipCount = 2;
        p.createCount = 3;
        p.starGap = 50.0f;
        break;
    default: break;  // " Reset", or an index the list does not have
    }
}
