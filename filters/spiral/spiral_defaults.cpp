// First-use values of the parameter block.
#include "spiral_params.h"

void SetSpiralDefaults(SpiralParams& record, KvRealPoint viewCentre) {
    // The first-use values are the " Reset" values; the dialog state starts fresh.
    ApplySpiralPreset(record, 0, viewCentre);
    record.page = 1;
    record.viewZoom = 100.0f;
}
