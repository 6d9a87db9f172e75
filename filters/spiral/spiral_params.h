// Volutia's parameter block and the three writers that fill it: first-use defaults, " Reset"
// and the presets, and "Tumble".
//
// The host keeps the block between invocations and hands it back unchanged, so its layout is
// fixed: every field is 32 bits, in the order below. The dialog edits it in place; the
// generator reads it and writes only finalRun and previewDrawn.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

// Entry counts of the dialog's popup lists; an entry's index is the value kept in the record.
inline constexpr int32_t kSpiralPresetCount = 25;
inline constexpr int32_t kSpiralArmModeCount = 2;
inline constexpr int32_t kSpiralTypeCount = 5;
inline constexpr int32_t kSpiralGapModeCount = 7;
inline constexpr int32_t kSpiralPivotModeCount = 6;
inline constexpr int32_t kSpiralStrokeColourModeCount = 16;
inline constexpr int32_t kSpiralLineWeightModeCount = 15;

// Arm modes.
inline constexpr int32_t kArmsContiguous = 0;  // one path for the whole spiral
inline constexpr int32_t kArmsSeparate = 1;    // one path per arm, each styled on its own

struct SpiralParams {
    int32_t preview;           // "Preview"
    int32_t armMode;           // kArmsContiguous or kArmsSeparate
    int32_t page;              // dialog page shown last, 1 to 5
    int32_t pointsPerArm;      // "Number of points / arm": points per full turn
    int32_t spiralCount;       // "Number of spirals": turns of one path, or arms
    int32_t spiralType;        // angle progression, 0 to 4
    float armDecay;            // "Spiral arm decay (%)": shrink applied point by point
    float gap;                 // "Gap (p)": growth of the radius per full turn
    int32_t gapMode;           // 0 to 6
    float gapValue;            // the amount the gap modes use, points
    float initialGap;          // "Initial gap from start (p)": radius before the first point
    float startX;              // "H. Start (p)": centre of the spiral
    float startY;              // "V. Start (p)"
    float starGap;             // "Star gap distance (p)": 0 draws no star points
    float starAngle;           // "Star angle": angular offset of the star points
    float interpAmount;        // percent of the way from every anchor to the pivot
    int32_t skipCount;         // "Skip spiral arm": arms skipped after each group
    int32_t createCount;       // "Create spiral arm": arms drawn per group
    int32_t pivotMode;         // pivot of the interpolation, 0 to 5
    int32_t strokeColourMode;  // 0 to 15
    float viewZoom;            // percent; applied to document view 0 by the zoom box
    float strokeColour[4];     // values the colour modes use (percent, or levels of 255)
    float lineWeight;          // tenths of a point
    int32_t lineWeightMode;    // 0 to 14
    int32_t randomOpacity;     // "Opacity [R]": a random opacity per separate arm
    int32_t presetIndex;       // preset entry chosen last, 0 = " Reset"
    int32_t finalRun;          // 1 while the generator runs for Go, 0 for a preview
    int32_t previewDrawn;      // 1 while art of the dialog's preview is in the document
    KvIntRect dialogBounds;    // dialog bounds at the last OK (read only when saved)
    int32_t dialogBoundsSaved; // 1 once dialogBounds holds a position
};
static_assert(sizeof(SpiralParams) == 36 * 4, "the host keeps the block as 36 fields of 32 bits");

// One draw of the host's random service: a real in [0, 1). The writers take it as a parameter
// so that they stay free of host state.
using SpiralRandomDraw = float (*)();

// First use: the " Reset" values, page 1, zoom 100 %. `viewCentre` is the centre of document
// view 0; the spiral's centre goes 200 points left of it. finalRun and the dialog bounds keep
// what the block held (the framework hands over a zero-filled block).
void SetSpiralDefaults(SpiralParams& record, KvRealPoint viewCentre);

// " Reset" (index 0) or one of the presets: writes the Reset values, then the preset's changes,
// and keeps `index` in presetIndex. page, viewZoom, finalRun and the saved dialog bounds keep
// their values. An index outside the list applies Reset alone.
void ApplySpiralPreset(SpiralParams& record, int32_t index, KvRealPoint viewCentre);

// "Tumble": fixed values, then random shape, gap, star, count, colour and weight settings drawn
// in a fixed order from `draw`. preview, armMode, page, the start point, pivotMode, viewZoom,
// randomOpacity, presetIndex and the dialog bounds are left alone. Values may land outside the
// dialog's ranges; the generator copes with any of them.
void TumbleSpiralParams(SpiralParams& record, SpiralRandomDraw draw);
