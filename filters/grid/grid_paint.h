// The paint of a grid element: its fill and stroke colours and stroke width by the modes of its
// direction. Part of the generator, called once for every element right after it is made.
#pragma once

#include <cstdint>

#include "grid_layout.h"
#include "kelvo/sdk/base.h"

// Reads the element's path style, applies the fill mode (15: a random swatch of the document,
// which also turns the fill on), the stroke mode and the width mode for position `index` of
// `count`, limits the channels to 0 ... 1 and the width to 0 ... 50, and writes the style back.
// Host results are not failures of the run: a style or swatch that cannot be read is left as
// it is.
void PaintGridElement(KvArtHandle element, const GridPaintValues& paint, int32_t index, int32_t count);
