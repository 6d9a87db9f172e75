/* Kelvo plug-in interface: "AI Matching Art Suite" 4: finding art by kind and attribute. */
#ifndef KELVO_SDK_MATCHING_SUITE_H
#define KELVO_SDK_MATCHING_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvMatchingSuite "AI Matching Art Suite"
#define kKvMatchingSuiteVersion 4

typedef struct KvMatchingSpec {
    int16_t kind;        /* an art kind */
    int16_t reserved;
    int32_t mask;        /* attribute bits tested */
    int32_t value;       /* their required values */
} KvMatchingSpec;

typedef struct KvMatchingSuite {
    /* Every object matching any spec, in stacking order (bottom first, a container before its
     * children), each once, as a new memory handle to an array of KvArtHandle (free it with
     * disposeHandle). Nothing matching: result 0, *outCount 0 and *outMatches null.
     * Children of a selected container count as selected. */
    KvResult (*getMatchingArt)(const KvMatchingSpec* specs, int32_t specCount, KvArtHandle*** outMatches, int32_t* outCount);
} KvMatchingSuite;

#ifdef __cplusplus
}
#endif

#endif
