// The colour rules of Chromble's engine, free of host state: the 28 fill and stroke modes, the
// colour options, the channel limits and the fill range test, all on the path style record.
//
// The rules change gray, four-colour and three-colour colours and leave every other kind
// (none, pattern, gradient, spot) as it is; only the two swatch modes replace a colour of any
// kind. Random draws come from `draw`, in the order the rules take them.
#pragma once

#include <cstdint>

#include "colour_params.h"
#include "kelvo/sdk/path_style_suite.h"

// The factor of each component, by kind. Fill and stroke modes use the same numbers.
struct ColourFactors {
    float gray;       // channel 4 / 100
    float four[4];    // channels 1 to 4 / 100
    float three[3];   // channels 1 to 3 / 255
};

// The factors of a run's first object, from the record's four channel values.
ColourFactors colourFactorsOf(const ColourParams& record);

// Every factor times `multiplier`, held within ±kFactorLimit (colour_numbers.h).
ColourFactors scaleFactors(const ColourFactors& factors, float multiplier);

// The range test on a fill colour: the mean of a four-colour fill within [low/100, high/100],
// of a three-colour fill within [low/255, high/255], a gray fill's value within [low/100,
// high/100]. Fills of any other kind pass. A low bound above the high one fails every tested
// fill.
bool passesRangeTest(const KvColour& fill, float low, float high);

// The swatch position a draw names in a list of `swatchCount` swatches: trunc(draw · count) + 1,
// at most the count, and never 0 or 1 (those become 2). The position can lie outside the list
// (it equals the count at the top of the range, and a list shorter than 3 has no position 2).
int32_t swatchPositionOf(float draw, int32_t swatchCount);

// "Style [R]": the graphic style a draw names among `styleCount`: trunc(draw · count), where 0
// becomes 1. -1 when that style does not exist (a document with one graphic style or none).
int32_t graphicStyleIndexOf(float draw, int32_t styleCount);

// "Blend [R]": trunc(20 · draw), where 16 to 19 become 0 (normal).
int32_t blendingModeOf(float draw);

// Finds the colour of the document's swatch at a position from 0; false when there is none.
using SwatchColourLookup = bool (*)(int32_t position, KvColour* outColour);

// Applies mode `mode` (0 to 27) to the fill colour (0 to 13) or the stroke colour (14 to 27)
// of `style`. The swatch modes replace the whole colour and switch its paint on, or leave both
// alone when `lookup` finds no swatch. A mode outside 0 to 27 changes nothing.
void applyColourMode(KvPathStyle& style, int32_t mode, const ColourFactors& factors, int32_t swatchCount,
                     ColourRandomDraw draw, SwatchColourLookup lookup);

// " Negative fill"/" Negative stroke": 1 - value on every component; " Average fill"/" Average
// stroke": every component of a four- or three-colour colour becomes their mean. Other values
// change nothing.
void applyColourOption(KvPathStyle& style, int32_t option);

// Limits every component of the stroke and the fill colour to 0 ... 1; NaN becomes 0.
void clampColours(KvPathStyle& style);
