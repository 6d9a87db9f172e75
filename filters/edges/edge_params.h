// Tessivo's parameter block and the three writers that fill it: first-use defaults, " Reset"
// and the twenty presets, and "Tumble".
//
// The host keeps the block between invocations and hands it back unchanged, so its layout is
// fixed: every field is 32 bits, in the order below. The dialog edits it in place; the
// generator reads it and writes only finalRun and previewDrawn.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

// Sides of a frame, in walking order: 1 walks +x with teeth toward +y, 2 walks -y (teeth +x),
// 3 walks -x (teeth -y), 4 walks +y (teeth -x). Arrays below hold side 1 at index 0.
inline constexpr int kEdgeSideCount = 4;

// Entry counts of the dialog's popup lists; an entry's index is the value kept in the record.
inline constexpr int32_t kEdgePresetCount = 21;         // " Reset", " Preset 01" ... " Preset 20"
inline constexpr int32_t kEdgeSlantOptionCount = 9;     // " Slant options", " Slant 2" ... " Slant 9"
inline constexpr int32_t kEdgeApplyPatternCount = 3;    // " Teeth apply pattern", " Top", " Base-Top"
inline constexpr int32_t kEdgeSketchColourCount = 12;   // " Sketch color options - Use black" ...

struct EdgeFrameParams {
    int32_t preview;                    // "Preview"
    float viewZoom;                     // percent; applied to document view 0 by the zoom box
    float interp2AnchorPct;             // "Interpolate2": anchor amount, percent
    float interp2HandlePct;             //   direction-point amount, percent
    float interp2CentreX;               //   centre, points
    float interp2CentreY;
    float interp1AnchorPct;             // "Interpolate1", same four values
    float interp1HandlePct;
    float interp1CentreX;
    float interp1CentreY;
    float startY;                       // "Start point(p)": y is stored before x
    float startX;
    float teethHeight[kEdgeSideCount];  // "Teeth height(p)"
    float teethGap[kEdgeSideCount];     // "Teeth gap(p)"
    float teethSlant[kEdgeSideCount];   // "Teeth slant(p)"
    float teethBase[kEdgeSideCount];    // "Teeth base(p)"
    int32_t page;                       // dialog page shown last, 1 to 6
    int32_t frameCount;                 // "Number of edges": frames per run
    int32_t teethCount[kEdgeSideCount]; // "Number of teeth"
    int32_t slantOption;                // "Slant options" entry, 0 to 8
    int32_t applyPattern;               // "Teeth apply pattern" entry, 0 to 2
    int32_t skipCount;                  // "Skip / create"
    int32_t createCount;
    int32_t randomStart;                // "Start [R]"
    int32_t randomCreate;               // "Create [R]"
    int32_t centreAnchor;               // "Center anchor"
    int32_t centreDirection;            // "Center direction"
    int32_t linkSides;                  // "Link edges": sides 2 to 4 take side 1's values
    int32_t newLayer;                   // "Create on new layer"
    int32_t closedPath;                 // "Closed path"
    int32_t addBaseToHeight;            // "Add base to height"
    int32_t randomFrame;                // "Edge [R]"
    int32_t randomTeeth;                // "Teeth [R]"
    int32_t randomWarp;                 // "Warp [R]"
    int32_t randomFill;                 // "Fill [R]"
    int32_t randomOpacity;              // "Opacity [R]"
    int32_t randomStructure;            // "Structure [R]"
    int32_t randomRadial;               // "Radial distort [R]"
    int32_t randomSwatch;               // "Swatch [R]"
    int32_t finalRun;                   // 1 while the generator runs for Go, 0 for a preview
    float sketchWeight;                 // "Sketch weight (/10p)": stroke width of sketch copies x 10
    float sketchShift;                  // "Sketch shift (p)"
    int32_t sketchRepeats;              // "Sketch repeats"
    int32_t sketchColour;               // sketch colour entry, 0 to 11
    int32_t shadowRandomOpacity;        // "Shadow opacity (R)"
    int32_t shadowHalfFill;             // "Half fill shadow"
    int32_t shadowRandomScale;          // "Shadow scaling (R)"
    int32_t shadowRandomDirection;      // "Shadow direction (R)"
    int32_t dropShadow;                 // "Drop shadow"
    int32_t sketchRandomShift;          // "Sketch shift (R)"
    int32_t sketchRandomWeight;         // "Sketch weight (R)"
    int32_t presetIndex;                // preset entry chosen last, 0 = " Reset"
    int32_t previewDrawn;               // 1 while art of the dialog's preview is in the document
    KvIntRect dialogBounds;             // dialog bounds at the last OK (read only when saved)
    int32_t dialogBoundsSaved;          // 1 once dialogBounds holds a position
};
static_assert(sizeof(EdgeFrameParams) == 73 * 4, "the host keeps the block as 73 fields of 32 bits");

// One draw of the host's random service: a real in [0, 1). The writers and the outline code
// take it as a parameter so that they stay free of host state.
using EdgeRandomDraw = float (*)();

// First use: every field but finalRun and dialogBounds. `viewCentre` is the centre of document
// view 0; the start point and both interpolation centres are placed relative to it.
void SetEdgeDefaults(EdgeFrameParams& record, KvRealPoint viewCentre);

// " Reset" (index 0) or " Preset 01" to " Preset 20": writes the Reset values, then the preset's
// changes, and keeps `index` in presetIndex. viewZoom, page, finalRun and the saved dialog
// bounds keep their values. An index outside the list applies Reset alone.
void ApplyEdgePreset(EdgeFrameParams& record, int32_t index, KvRealPoint viewCentre);

// "Tumble": fixed values, then random teeth, slant, base, counts and options drawn in a fixed
// order from `draw`. `documentSize` (width, height) places the interpolation centres. Paint,
// shadow and sketch settings, the start point, applyPattern and preview are left alone.
void TumbleEdgeParams(EdgeFrameParams& record, KvRealPoint documentSize, EdgeRandomDraw draw);
