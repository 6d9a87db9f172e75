/* Kelvo plug-in interface: "AI Tag Suite" 2: named text attached to art. */
#ifndef KELVO_SDK_TAG_SUITE_H
#define KELVO_SDK_TAG_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvTagSuite "AI Tag Suite"
#define kKvTagSuiteVersion 2

typedef struct KvTagSuite {
    /* Sets (or with null value removes) the tag `name` of the object. */
    KvResult (*setTag)(KvArtHandle art, const char* name, const char* value);
    /* The tag's value, truncated to capacity - 1; kResultBadParameter when it has none. */
    KvResult (*getTag)(KvArtHandle art, const char* name, char* outValue, int32_t capacity);
} KvTagSuite;

#ifdef __cplusplus
}
#endif

#endif
