// First-use values of the parameter block.
#include "edge_params.h"

void SetEdgeDefaults(EdgeFrameParams& record, KvRealPoint viewCentre) {
    // The first-use values are the " Reset" values but for the dialog state, which starts
    // fresh, and the sketch shift, which starts at 5 points (Reset clears it).
    ApplyEdgePreset(record, 0, viewCentre);
    record.viewZoom = 100.0f;
    record.page = 1;
    record.sketchShift = 5.0f;
    record.dialogBoundsSaved = 0;
}
