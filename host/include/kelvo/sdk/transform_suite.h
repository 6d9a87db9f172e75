/* Kelvo plug-in interface: "AI Transform Art Suite" 1. */
#ifndef KELVO_SDK_TRANSFORM_SUITE_H
#define KELVO_SDK_TRANSFORM_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvTransformSuite "AI Transform Art Suite"
#define kKvTransformSuiteVersion 1

enum { kTransformObjects = 1 };

typedef struct KvTransformSuite {
    /* Maps every anchor and direction point of the object (and its children) by the matrix and
     * multiplies stroke widths by lineScale. Refuses a non-finite matrix or result. */
    KvResult (*transformArt)(KvArtHandle art, const KvRealMatrix* matrix, float lineScale, int32_t flags);
} KvTransformSuite;

#ifdef __cplusplus
}
#endif

#endif
