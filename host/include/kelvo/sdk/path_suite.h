/* Kelvo plug-in interface: "AI Path Suite" 4: path segments. */
#ifndef KELVO_SDK_PATH_SUITE_H
#define KELVO_SDK_PATH_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvPathSuite "AI Path Suite"
#define kKvPathSuiteVersion 4

typedef struct KvPathSegment {
    KvRealPoint anchor;
    KvRealPoint in;       /* direction point of the curve arriving at the anchor */
    KvRealPoint out;      /* direction point of the curve leaving the anchor */
    int32_t corner;
} KvPathSegment;

/* A path holds at most 32767 segments (kResultTooManyPoints beyond). */
typedef struct KvPathSuite {
    KvResult (*getPathSegmentCount)(KvArtHandle path, int16_t* outCount);
    /* Copies segments index ... index + count - 1. kResultBadParameter when out of range. */
    KvResult (*getPathSegments)(KvArtHandle path, int16_t index, int16_t count, KvPathSegment* outSegments);
    /* Replaces segments from `index`; those at index >= segment count are appended.
     * kResultBadParameter for a gap or a non-finite coordinate (nothing is changed). */
    KvResult (*setPathSegments)(KvArtHandle path, int16_t index, int16_t count, const KvPathSegment* segments);
    KvResult (*getPathClosed)(KvArtHandle path, int32_t* outClosed);
    KvResult (*setPathClosed)(KvArtHandle path, int32_t closed);
    KvResult (*getPathGuide)(KvArtHandle path, int32_t* outGuide);
    /* A guide is non-printing art, exported in its own layer. */
    KvResult (*setPathGuide)(KvArtHandle path, int32_t guide);
} KvPathSuite;

#ifdef __cplusplus
}
#endif

#endif
