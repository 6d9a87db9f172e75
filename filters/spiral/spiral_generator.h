// Volutia's generator.
#pragma once

#include "kelvo/sdk/base.h"
#include "spiral_params.h"

// Draws the spiral of `record` as one open path, or one open path per arm with its own stroke
// colour, line weight and opacity. Runs for Go (finalRun 1) and for the dialog's preview
// (finalRun 0); a Go that finds a preview in the document keeps it and draws nothing. Every
// other run first undoes the previous preview. Returns 0 or the first failing result of undo,
// the document size, art creation or a segment write; art made before a failure stays.
KvResult BuildSpirals(SpiralParams& record);
