// Quadrel's generator and the list of gathered art it works from.
#pragma once

#include "grid_params.h"
#include "kelvo/sdk/base.h"

// Fills the bounding box of the first gathered object (400 x 400 points at (0, 200) when there
// is none) with rows of elements from the bottom up, then columns from the left, as the record
// says. Runs for Go (finalRun 1) and for the dialog's preview (finalRun 0). Every run first
// undoes the previous preview; a Go that finds a preview in the document keeps it. A final run
// with deleteDefinitionPath on disposes every gathered object. The gathered list is kept across
// previews and freed by the final run and by every failed run.
// Returns 0 or the first failing host result; art made before a failure stays in the document.
KvResult BuildGrid(GridParams& record);

// Gathers the selected objects into the globals' list (a held list is freed first). Objects
// inside another gathered object are nulled out of it, so that only the outermost selected
// container stays. On failure the list is freed and the host's result returned.
KvResult GatherSelectedArt();

// Disposes the gathered list if one is held; afterwards the handle is null and the count -1.
void FreeGatheredArt();
