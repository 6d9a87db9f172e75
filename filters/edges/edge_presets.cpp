// " Reset" and the twenty presets of the preset list.
#include "edge_params.h"

namespace {

void writeResetValues(EdgeFrameParams& p, KvRealPoint viewCentre) {
    const float startX = viewCentre.x - 200.0f;
    const float startY = viewCentre.y;

    p.preview = 1;
    p.interp2AnchorPct = 0.0f;
    p.interp2HandlePct = 0.0f;
    p.interp2CentreX = startX;
    p.interp2CentreY = startY;
    p.interp1AnchorPct = 0.0f;
    p.interp1HandlePct = 0.0f;
    p.interp1CentreX = startX;
    p.interp1CentreY = startY;
    p.startY = startY;
    p.startX = startX;
    for (int side = 0; side < kEdgeSideCount; ++side) {
        p.teethHeight[side] = 100.0f;
        p.teethGap[side] = 10.0f;
        p.teethSlant[side] = 0.0f;
        p.teethBase[side] = 0.0f;
        p.teethCount[side] = 5;
    }
    p.frameCount = 1;
    p.slantOption = 0;
    p.applyPattern = 0;
    p.skipCount = 0;
    p.createCount = 1;
    p.randomStart = 0;
    p.randomCreate = 0;
    p.centreAnchor = 0;
    p.centreDirection = 0;
    p.linkSides = 1;
    p.newLayer = 0;
    p.closedPath = 1;
    p.addBaseToHeight = 0;
    p.randomFrame = 0;
    p.randomTeeth = 0;
    p.randomWarp = 0;
    p.randomFill = 0;
    p.randomOpacity = 0;
    p.randomStructure = 0;
    p.randomRadial = 0;
    p.randomSwatch = 0;
    p.sketchWeight = 0.0f;
    p.sketchShift = 0.0f;
    p.sketchRepeats = 0;
    p.sketchColour = 0;
    p.shadowRandomOpacity = 0;
    p.shadowHalfFill = 0;
    p.shadowRandomScale = 0;
    p.shadowRandomDirection = 0;
    p.dropShadow = 0;
    p.sketchRandomShift = 1;
    p.sketchRandomWeight = 1;
    p.previewDrawn = 0;
}

void setAllTeethCounts(EdgeFrameParams& p, int32_t count) {
    for (int32_t& teeth : p.teethCount) teeth = count;
}

void setSkipCreate(EdgeFrameParams& p, int32_t skip, int32_t create) {
    p.skipCount = skip;
    p.createCount = create;
}

// " Preset 17": slanted teeth with sides 2 and 3 mirrored. 18 and 19 build on it.
void slantedFrame(EdgeFrameParams& p) {
    p.slantOption = 2;
    p.teethSlant[0] = 100.0f;
}

// Ten random teeth per side, the change shared by presets 14, 18, 19 and 20.
void randomTeeth(EdgeFrameParams& p) {
    setAllTeethCounts(p, 10);
    p.randomTeeth = 1;
}

void applyPresetChanges(EdgeFrameParams& p, int32_t index) {
    switch (index) {
    case 1: p.teethHeight[1] = 200.0f; break;
    case 2: p.teethHeight[0] = 200.0f; break;
    case 3: setSkipCreate(p, 1, 1); break;
    case 4: setSkipCreate(p, 1, 2); break;
    case 5: setSkipCreate(p, 4, 2); break;
    case 6:
        p.applyPattern = 1;
        setSkipCreate(p, 4, 2);
        break;
    case 7:
        p.teethGap[0] = 4.0f;
        setSkipCreate(p, 1, 1);
        break;
    case 8:
        p.teethSlant[0] = 10.0f;
        p.teethGap[0] = 4.0f;
        setSkipCreate(p, 1, 1);
        break;
    case 9:
        p.teethCount[0] = 10;
        p.teethCount[2] = 10;
        break;
    case 10: p.randomSwatch = 1; break;
    case 11:
        p.randomStructure = 1;
        setSkipCreate(p, 3, 3);
        break;
    case 12: p.randomRadial = 1; break;
    case 13: p.randomWarp = 1; break;
    case 14: randomTeeth(p); break;
    case 15: p.teethBase[0] = 30.0f; break;
    case 16:
        p.teethHeight[0] = 200.0f;
        p.randomFrame = 1;
        break;
    case 17: slantedFrame(p); break;
    case 18:
    case 19:
        slantedFrame(p);
        randomTeeth(p);
        p.randomSwatch = 1;
        p.frameCount = 10;
        if (index == 19) p.randomFrame = 1;
        break;
    case 20:
        randomTeeth(p);
        p.frameCount = 10;
        p.randomOpacity = 1;
        break;
    default: break;  // 0 " Reset", or an entry the list does not have
    }
}

}  // namespace

void ApplyEdgePreset(EdgeFrameParams& record, int32_t index, KvRealPoint viewCentre) {
    record.presetIndex = index;
    writeResetValues(record, viewCentre);
    applyPresetChanges(record, index);
}
