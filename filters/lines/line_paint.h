// The paint of one line: fill colour, stroke colour and stroke width changed by the three mode
// lists of the "Fill" page. Part of the generator, called once per line.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

// Reads the line's style, applies the fill mode (fill channel or swatch modes), the stroke mode
// and the width mode for line `lineIndex` of `lineCount` in block `blockIndex` of
// `blockCount`, limits channels to 0 ... 1 and the width to 0 ... 50 points, and sets the
// style back. `widthAmount` is in points. Colours whose kind is not gray, four-colour or
// three-colour are left as they are unless a swatch replaces the fill; a swatch position
// outside the document's list leaves the fill as it is.
// Returns the result of reading the style when that fails (nothing is set), else of setting it.
KvResult PaintLine(KvArtHandle line, int32_t fillMode, int32_t strokeMode, int32_t widthMode, int32_t lineIndex,
                   int32_t lineCount, const float fillValues[4], const float strokeValues[4], float widthAmount,
                   int32_t blockIndex, int32_t blockCount);
