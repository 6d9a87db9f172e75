// The stroke of a separate spiral arm: colour and line-weight modes. Part of the generator,
// called once per drawn arm.
#pragma once

#include <cstdint>

#include "kelvo/sdk/base.h"

// Changes the stroke colour of `path` by `colourMode` (0 to 15) and its stroke width by
// `weightMode` (0 to 14) as functions of the arm index `arm`; `turnPoints` is points per arm
// times arms, `colour` the four dialog colour values and `weight` the weight step in points.
// Channels are then limited to 0 ... 1 and the width to 0 ... 50 points. A style that cannot
// be read is left alone, and a swatch that cannot be read leaves the colour as it is. Results
// of the style write are not failures of the run.
void StyleSpiralArm(KvArtHandle path, int32_t colourMode, int32_t weightMode, int32_t arm, int32_t turnPoints,
                    const float colour[4], float weight);
