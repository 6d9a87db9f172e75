// Quadrel's parameter block and the three writers that fill it: first-use defaults, " Reset"
// and the five presets, and "Tumble".
//
// The host keeps the block between invocations and hands it back unchanged, so its layout is
// fixed: every field is 32 bits, in the order below. Most settings come in pairs, index 0 for
// the rows stacked upward (" Up") and index 1 for the columns placed across (" Across"). The
// dialog edits the block in place; the generator reads it and writes only finalRun and
// previewDrawn.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

inline constexpr int kGridUp = 0;
inline constexpr int kGridAcross = 1;
inline constexpr int kGridDirectionCount = 2;
inline constexpr int kGridChannelCount = 4;

// Element shapes, the entries of the shape list.
enum GridShape : int32_t { kGridBox = 0, kGridLine = 1, kGridOval = 2, kGridGuide = 3 };

// Entry counts of the dialog's popup lists; an entry's index is the value kept in the record.
inline constexpr int32_t kGridPresetCount = 6;
inline constexpr int32_t kGridShapeCount = 4;
inline constexpr int32_t kGridFillModeCount = 16;    // 15 is the swatch mode, fill only
inline constexpr int32_t kGridStrokeModeCount = 15;
inline constexpr int32_t kGridWidthModeCount = 15;

// Limits of the working counts the generator uses, whatever the record holds.
inline constexpr int32_t kGridMinLines = 3;
inline constexpr int32_t kGridMaxLines = 200;
inline constexpr int32_t kGridMaxSkip = 40;
inline constexpr int32_t kGridMinCreate = 1;
inline constexpr int32_t kGridMaxCreate = 40;

struct GridParams {
    int32_t preview;                                  // "Preview"
    int32_t shape;                                    // GridShape
    int32_t direction;                                // direction the dialog shows, 0 up or 1 across
    int32_t lineCount[kGridDirectionCount];           // "Number of lines": positions per direction
    float thickness[kGridDirectionCount];             // "Line thickness (p)"
    float altThickness[kGridDirectionCount];          // "Alternate line thickness (p)": added at odd positions
    int32_t skipCount[kGridDirectionCount];           // "Skip": positions left empty after each run
    int32_t createCount[kGridDirectionCount];         // "Create": elements in each run
    float shift[kGridDirectionCount];                 // "Shift (p)": offset of the inner positions
    float skew[kGridDirectionCount];                  // "Skew (%)": [0] acts on x, [1] on y
    int32_t deleteDefinitionPath;                     // "Delete definition path [after OK]"
    int32_t link;                                     // "Link": across takes the up settings
    int32_t randomSettings;                           // "Settings [R]"
    int32_t jitterShift;                              // "Jitter shift [R]"
    int32_t shiftRatio;                               // "Shift ratio": the shift grows with the index
    int32_t skewEnabled;                              // the check box beside "Skew (%)"
    int32_t fillMode[kGridDirectionCount];            // fill-mode entry, 0 to 15
    int32_t strokeMode[kGridDirectionCount];          // stroke-mode entry, 0 to 14
    float fillChannel[kGridChannelCount][kGridDirectionCount];    // channel-major: [channel][direction]
    float strokeChannel[kGridChannelCount][kGridDirectionCount];  // percent, or levels of 255 (three-colour)
    int32_t widthMode[kGridDirectionCount];           // width-mode entry, 0 to 14
    float widthValue[kGridDirectionCount];            // tenths of a point
    float viewZoom;                                   // percent; applied to document view 0 by the zoom box
    float curve[kGridDirectionCount];                 // "Curve (p)": handle offset that bends each element
    int32_t randomOpacity[kGridDirectionCount];       // "Opacity [R]"
    int32_t presetIndex;                              // preset entry chosen last, 0 = " Reset"
    int32_t page;                                     // dialog page shown last, 1 to 4
    int32_t finalRun;                                 // 1 while the generator runs for Go, 0 for a preview
    int32_t previewDrawn;                             // 1 while art of the dialog's preview is in the document
    KvIntRect dialogBounds;                           // dialog bounds at the last OK (read only when saved)
    int32_t dialogBoundsSaved;                        // 1 once dialogBounds holds a position
};
static_assert(sizeof(GridParams) == 61 * 4, "the host keeps the block as 61 fields of 32 bits");

// One draw of the host's random service: a real in [0, 1). The writers take it as a parameter
// so that they stay free of host state.
using GridRandomDraw = float (*)();

// First use: every field but finalRun and dialogBounds.
void SetGridDefaults(GridParams& record);

// " Reset" (index 0) or one of the five presets: writes the Reset values, then the preset's
// changes, and keeps `index` in presetIndex. viewZoom, page, finalRun and the saved dialog
// bounds keep their values. An index outside the list applies Reset alone.
void ApplyGridPreset(GridParams& record, int32_t index);

// "Tumble": resets the size, shift, curve and paint settings of both directions, then draws
// new ones from `draw` in a fixed order. Line counts land in 3 to 200. preview, shape,
// direction, skew, the check boxes, randomOpacity, viewZoom, presetIndex and page stay.
void TumbleGridParams(GridParams& record, GridRandomDraw draw);
