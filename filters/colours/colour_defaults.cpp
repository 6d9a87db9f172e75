// First-use values of the parameter block.
#include "colour_params.h"

void SetColourDefaults(ColourParams& record) {
    // The first-use values are the " Reset" values, with the dialog state starting fresh.
    ApplyColourPreset(record, 0);
    record.page = 1;
    record.viewZoom = 100.0f;
    record.dialogBoundsSaved = 0;
}
