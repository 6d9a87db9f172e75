// The fill, stroke and width modes of the grid elements as host-free rules: how a colour or a
// stroke width changes with the element's position index i among the N positions of its
// direction. PaintGridElement applies them to the element's path style.
#pragma once

#include <cstdint>

#include "grid_params.h"
#include "kelvo/sdk/sdk.h"

// Colour modes 0 to 14 (" ... - Ignore" to " Target ... (approx)"). `values` are the four
// dialog channels / 100 (four-colour, and gray from the fourth), `levels` the first three / 255
// (three-colour). Colours of other kinds, and modes outside 1 to 14, are left as they are.
// Random modes take one draw per changed channel, in channel order.
void applyGridColourMode(KvColour& colour, int32_t mode, int32_t index, int32_t count,
                         const float (&values)[kGridChannelCount], const float (&levels)[3], GridRandomDraw draw);

// Width modes 0 to 14 applied to the stroke width `width` with the dialog value `value`
// (points). Modes outside 1 to 14 leave the width as it is.
float applyGridWidthMode(float width, int32_t mode, int32_t index, int32_t count, float value, GridRandomDraw draw);

// Limits the channels of a gray, four-colour or three-colour colour to 0 ... 1 (NaN gives 0);
// other kinds stay as they are.
void clampGridColour(KvColour& colour);

// The swatch position that fill mode 15 asks for, from one draw and the number of swatches:
// trunc(r × count) + 1, at most count, and never 0 or 1. Positions count from 0, so the
// result can lie past the end of a list (the caller then leaves the fill alone).
int32_t gridSwatchPosition(float draw, int32_t swatchCount);
