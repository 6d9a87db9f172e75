/* Kelvo plug-in interface: the basic suite, handed over in every message (not acquired). */
#ifndef KELVO_SDK_BASIC_SUITE_H
#define KELVO_SDK_BASIC_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvBasicSuite "SP Basic Suite"
#define kKvBasicSuiteVersion 4

typedef struct KvBasicSuite {
    /* Fills *outSuite with the suite's table and counts the acquisition. On failure writes null
     * and returns kResultSuiteMissing (unknown name or version, or withheld by the host). */
    KvResult (*acquireSuite)(const char* name, int32_t version, const void** outSuite);
    /* Undoes one acquisition. kResultNotAcquired when the suite is not acquired. */
    KvResult (*releaseSuite)(const char* name, int32_t version);
    /* Non-zero when the two NUL-terminated strings are equal, byte for byte. */
    int32_t (*isEqual)(const char* a, const char* b);
} KvBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
