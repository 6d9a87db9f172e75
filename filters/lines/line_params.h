// Ravelo's parameter block and the three writers that fill it: first-use defaults, " Reset"
// and the thirty-six presets, and "Tumble".
//
// The host keeps the block between invocations and hands it back unchanged, so its layout is
// fixed: every field is 32 bits, in the order below. The dialog edits it in place; the
// generator reads it and writes only finalRun and previewDrawn.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

// Entry counts of the dialog's popup lists; an entry's index is the value kept in the record.
inline constexpr int32_t kLinePresetCount = 37;      // " Reset" ... " Target turning"
inline constexpr int32_t kLineShapeCount = 5;        // " Lines options : Rectangular" ... " Oval"
inline constexpr int32_t kLineDirectionCount = 2;    // " Lines upwards", " Lines across"
inline constexpr int32_t kLineFillModeCount = 20;    // " Fill - Ignore" ... " Run through"
inline constexpr int32_t kLineStrokeModeCount = 15;  // " Stroke - Ignore" ... (approx)
inline constexpr int32_t kLineWidthModeCount = 15;   // " Width - Ignore" ... " Width accumulated jitter"

// Shapes of the shape list.
enum : int32_t {
    kLineShapeRectangle = 0,  // " Lines options : Rectangular"
    kLineShapeThin = 1,       // " Thin line ": a stroked two-point path
    kLineShapeBoxGuide = 2,   // rectangles made guides
    kLineShapeLineGuide = 3,  // thin paths made guides
    kLineShapeOval = 4,
};

// Directions: upwards stacks horizontal bars upward and lays blocks to the right; across
// stacks vertical bars to the right and lays blocks upward. Any value but 0 means across.
enum : int32_t { kLinesUpwards = 0, kLinesAcross = 1 };

struct LineParams {
    int32_t accumulateLineAngle;   // "Angle 1": each line's turn adds to the previous line's
    int32_t accumulateBlockAngle;  // "Angle 2": each block's angle adds to the previous block's
    int32_t alternateAngle;        // "Alternate angle": odd blocks turn the other way
    int32_t rotateBlocks;          // "Rotate/start": blocks turn about the start point
    int32_t randomLength;          // "Length [R]"
    int32_t randomRepeatLength;    // "Repeat length [R]"
    int32_t randomAngle;           // "Angle [R]"
    int32_t randomGap;             // "Gap [R]"
    int32_t randomThickness;       // "Thickness [R]"
    int32_t preview;               // "Preview"
    int32_t randomOpacity;         // "Opacity [R]"
    int32_t finalRun;              // 1 while the generator runs for Go, 0 for a preview
    int32_t previewDrawn;          // 1 while art of the dialog's preview is in the document
    int32_t dialogBoundsSaved;     // 1 once dialogBounds holds a position
    int32_t repeatBlocks;          // "Repeat blocks": blocks per run
    int32_t page;                  // dialog page shown last, 1 to 5
    int32_t presetIndex;           // preset entry chosen last, 0 = " Reset"
    int32_t shape;                 // shape entry, 0 to 4
    int32_t direction;             // direction entry, 0 or 1
    int32_t lineCount;             // "Number of lines": lines per block
    int32_t fillMode;              // fill-mode entry, 0 to 19
    int32_t strokeMode;            // stroke-mode entry, 0 to 14
    int32_t widthMode;             // width-mode entry, 0 to 14
    float viewZoom;                // percent; applied to document view 0 by the zoom box
    float angleFactor;             // "Angle factor (%)": block-to-block factor
    float lengthFactor;            // "Length factor (%)"
    float thicknessFactor;         // "Thickness factor (%)"
    float gapFactor;               // "Gap factor (%)"
    float styleInterpolate;        // "Style interpolate (%)": blend toward the first line's style
    float maxLength;               // "Max length (p)": farthest reach of a line's far edge in its block
    float widthValue;              // the width list's value, tenths of a point
    float fillChannel[4];          // the four values under the fill list, first channel first
    float strokeChannel[4];        // the four values under the stroke list
    float gap;                     // "Gap between lines (p)": start of one line to the next
    float thickness;               // "Line thickness (p)"
    float lineLength;              // "Line length (p)"
    float startX;                  // "Line start (p)"
    float startY;
    float angle;                   // "Line angle (o)": the turn step, degrees
    float scaleX;                  // "Line scale (%)": line-to-line scale factors
    float scaleY;
    KvIntRect dialogBounds;        // dialog bounds at the last OK (read only when saved)
};
static_assert(sizeof(LineParams) == 51 * 4, "the host keeps the block as 51 fields of 32 bits");

// One draw of the host's random service: a real in [0, 1). Tumble takes it as a parameter so
// that it stays free of host state.
using LineRandomDraw = float (*)();

// First use: every field but finalRun and dialogBounds.
void SetLineDefaults(LineParams& record);

// " Reset" (index 0) or one of the presets: writes the Reset values, then the preset's changes,
// and keeps `index` in presetIndex. Reset turns "Preview" on and clears previewDrawn; page,
// viewZoom, finalRun and the saved dialog bounds keep their values. An index outside the list
// applies Reset alone.
void ApplyLinePreset(LineParams& record, int32_t index);

// "Tumble": the sizes, counts, factors and paint modes go back to their first-use values and
// are then drawn afresh in a fixed order from `draw`. The check boxes, shape, direction, start
// point, "Max length (p)" and the dialog state are left alone. Values may fall outside the
// dialog's ranges (a line count of 0 or 1, for instance); the generator accepts them.
void TumbleLineParams(LineParams& record, LineRandomDraw draw);
