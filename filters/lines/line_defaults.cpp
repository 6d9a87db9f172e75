// First-use values of the parameter block.
#include "line_params.h"

void SetLineDefaults(LineParams& record) {
    // The first-use values are the " Reset" values with the dialog state starting fresh.
    ApplyLinePreset(record, 0);
    record.viewZoom = 100.0f;
    record.page = 1;
    record.dialogBoundsSaved = 0;
}
