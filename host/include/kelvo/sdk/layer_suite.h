/* Kelvo plug-in interface: "AI Layer Suite" 9. */
#ifndef KELVO_SDK_LAYER_SUITE_H
#define KELVO_SDK_LAYER_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvLayerSuite "AI Layer Suite"
#define kKvLayerSuiteVersion 9

typedef struct KvLayerSuite {
    /* A new layer placed by an art placement code relative to `reference` (kPlaceAboveAll puts it
     * on top; a null reference means the current layer). The new layer becomes current: new
     * art goes into it. */
    KvResult (*insertLayer)(KvLayerHandle reference, int32_t placement, KvLayerHandle* outLayer);
    KvResult (*countLayers)(int32_t* outCount);
    /* Index 0 is the top layer. */
    KvResult (*getNthLayer)(int32_t index, KvLayerHandle* outLayer);
    KvResult (*getCurrentLayer)(KvLayerHandle* outLayer);
    KvResult (*setCurrentLayer)(KvLayerHandle layer);
    KvResult (*getLayerTitle)(KvLayerHandle layer, char* outTitle, int32_t capacity);
    KvResult (*setLayerTitle)(KvLayerHandle layer, const char* title);
    /* The layer's group: the parent of its top-level art. */
    KvResult (*getLayerGroup)(KvLayerHandle layer, KvArtHandle* outGroup);
} KvLayerSuite;

#ifdef __cplusplus
}
#endif

#endif
