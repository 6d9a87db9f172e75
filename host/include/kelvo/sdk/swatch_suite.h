/* Kelvo plug-in interface: "AI Swatch List Suite" 4. */
#ifndef KELVO_SDK_SWATCH_SUITE_H
#define KELVO_SDK_SWATCH_SUITE_H

#include "kelvo/sdk/base.h"
#include "kelvo/sdk/path_style_suite.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvSwatchSuite "AI Swatch List Suite"
#define kKvSwatchSuiteVersion 4

typedef struct KvSwatchSuite {
    /* Number of swatches; a null list is the current document's. -1 for a bad list. */
    int32_t (*countSwatches)(KvSwatchList list);
    /* Positions count from 0; kResultBadParameter and a null swatch outside 0 ... count - 1. */
    KvResult (*getSwatchAt)(KvSwatchList list, int32_t position, KvSwatchHandle* outSwatch);
    KvResult (*getSwatchColour)(KvSwatchHandle swatch, KvColour* outColour);
    KvResult (*getSwatchName)(KvSwatchHandle swatch, char* outName, int32_t capacity);
} KvSwatchSuite;

#ifdef __cplusplus
}
#endif

#endif
