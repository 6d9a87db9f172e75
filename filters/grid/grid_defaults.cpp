// First-use values of the parameter block.
#include "grid_params.h"

void SetGridDefaults(GridParams& record) {
    // The first-use values are the " Reset" values but for the dialog state, which starts
    // fresh, and the across paint modes, which start at their "Add" entries.
    ApplyGridPreset(record, 0);
    record.fillMode[kGridAcross] = 1;
    record.strokeMode[kGridAcross] = 1;
    record.widthMode[kGridAcross] = 1;
    record.viewZoom = 100.0f;
    record.page = 1;
    record.dialogBoundsSaved = 0;
}
