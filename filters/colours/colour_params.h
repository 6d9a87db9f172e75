// Chromble's parameter block and the three writers that fill it: first-use defaults, " Reset"
// and the seven presets, and "Tumble".
//
// The host keeps the block between invocations and hands it back unchanged, so its layout is
// fixed: every field is 32 bits, in the order below. The dialog edits it in place; the
// recolouring engine reads it and writes only finalRun and previewDrawn.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

inline constexpr int kColourChannelCount = 4;

// Entry counts of the dialog's popup lists; an entry's index is the value kept in the record.
inline constexpr int32_t kColourModeCount = 28;    // " Fill + Random" ... " Stroke Random Swatches"
inline constexpr int32_t kColourOptionCount = 5;   // " Color options" ... " Average stroke"
inline constexpr int32_t kColourPresetCount = 8;   // " Reset", " Preset 1" ... " Preset 7"

// Modes 0 to 13 change the fill colour; mode n + 14 is the stroke twin of fill mode n.
inline constexpr int32_t kFirstStrokeMode = 14;

// colourOption values.
enum : int32_t {
    kColourOptionNone = 0,
    kColourOptionNegativeFill = 1,
    kColourOptionNegativeStroke = 2,
    kColourOptionAverageFill = 3,
    kColourOptionAverageStroke = 4,
};

struct ColourParams {
    int32_t colourOption;                 // colour options entry, 0 to 4
    int32_t page;                         // dialog page shown last, 1 to 3
    int32_t colourMode;                   // fill/stroke mode entry, 0 to 27
    int32_t presetIndex;                  // preset entry chosen last, 0 = " Reset"
    float viewZoom;                       // percent; applied to document view 0 by the zoom box
    float rangeLow;                       // "Range": the fill colour test's lower bound
    float rangeHigh;                      //   and its upper bound
    float pathFactor;                     // "Path factor", percent: change from one path to the next
    float interpolate;                    // "Interpolate", percent of the new paint that replaces the old
    float channel[kColourChannelCount];   // "Fill/stroke channel 1" to "... 4", percent
    int32_t randomApply;                  // "Apply [R]"
    int32_t randomWidth;                  // "Width [R]"
    int32_t symbolize;                    // "Symbolize"
    int32_t randomStyle;                  // "Style [R]"
    int32_t randomOpacity;                // "Opacity [R]"
    int32_t randomBlend;                  // "Blend [R]"
    int32_t preview;                      // "Preview"
    int32_t finalRun;                     // 1 while the engine runs for Go, 0 for a preview
    int32_t previewDrawn;                 // 1 while the dialog's preview is in the document
    KvIntRect dialogBounds;               // dialog bounds at the last change or OK (read only when saved)
    int32_t dialogBoundsSaved;            // 1 once dialogBounds holds a position
};
static_assert(sizeof(ColourParams) == 27 * 4, "the host keeps the block as 27 fields of 32 bits");

// One draw of the host's random service: a real in [0, 1). The writers and the colour rules
// take it as a parameter so that they stay free of host state.
using ColourRandomDraw = float (*)();

// First use: every field but finalRun and dialogBounds.
void SetColourDefaults(ColourParams& record);

// " Reset" (index 0) or " Preset 1" to " Preset 7": writes the Reset values, then the preset's
// changes, and keeps `index` in presetIndex. page, viewZoom, finalRun and the saved dialog
// bounds keep their values; preview is turned on. An index outside the list applies Reset alone.
void ApplyColourPreset(ColourParams& record, int32_t index);

// "Tumble": fixed values, then a random mode, channels and options drawn in a fixed order from
// `draw`. symbolize, preview, presetIndex, page, viewZoom, finalRun and the dialog bounds are
// left alone.
void TumbleColourParams(ColourParams& record, ColourRandomDraw draw);
