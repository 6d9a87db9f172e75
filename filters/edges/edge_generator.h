// Tessivo's generator.
#pragma once

#include "edge_params.h"
#include "kelvo/sdk/base.h"

// Builds record.frameCount frames, each a new path walked along four toothed sides from the
// start point, then deformed, painted, shadowed and sketched as the record says. Runs for Go
// (finalRun 1) and for the dialog's preview (finalRun 0); a Go that finds a preview in the
// document keeps it and draws nothing. Every run first undoes the previous preview.
// Returns 0 or the first failing host result; art made before a failure stays in the document.
KvResult BuildEdgeFrames(EdgeFrameParams& record);
