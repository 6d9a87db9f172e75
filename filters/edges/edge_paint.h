// The paint of a Tessivo frame and the art added around it: random fill, opacity and swatch,
// the drop shadow and the sketch copies. Part of the generator, called once per frame.
#pragma once

#include <cstdint>

#include "edge_params.h"
#include "kelvo/sdk/base.h"

// Values of the run that the paint steps need, read once by the generator.
struct EdgePaintContext {
    int32_t swatchCount;  // swatches in the document's list at the start of the run
    float sketchWidth;    // stroke width of sketch copies: sketchWeight / 10
};

enum class EdgePaintStage {
    Fill,               // "Fill [R]", "Opacity [R]", "Swatch [R]": before the warp
    ShadowAndSketches,  // "Drop shadow" and the sketch copies: after the warp
};

// Returns 0 or the failing result of a duplicate, transform, bounds or segment operation,
// which ends the run. Style, opacity, swatch and colour-model results are not failures: a
// value that cannot be read is left as it is.
KvResult PaintFrame(KvArtHandle frame, const EdgeFrameParams& record, const EdgePaintContext& context,
                    EdgePaintStage stage);
