/* Kelvo plug-in interface: "AI User Suite" 5: number and text conversions. */
#ifndef KELVO_SDK_USER_SUITE_H
#define KELVO_SDK_USER_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvUserSuite "AI User Suite"
#define kKvUserSuiteVersion 5

typedef struct KvUserSuite {
    /* Decimal text of `value` with `decimals` places (0 to 6), ASCII, no grouping, as a
     * length-prefixed string (length byte, then the characters) into a 256-byte buffer. */
    KvResult (*realToText)(float value, int32_t decimals, unsigned char* outText);
    /* Reads a length-prefixed decimal number. kResultBadParameter for text that is not one. */
    KvResult (*textToReal)(const unsigned char* text, float* outValue);
} KvUserSuite;

#ifdef __cplusplus
}
#endif

#endif
