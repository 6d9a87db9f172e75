/* Kelvo plug-in interface: "AI Random Suite" 3. */
#ifndef KELVO_SDK_RANDOM_SUITE_H
#define KELVO_SDK_RANDOM_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvRandomSuite "AI Random Suite"
#define kKvRandomSuiteVersion 3

typedef struct KvRandomSuite {
    /* A uniform draw in [0, 1), never 1. The host seeds the generator; plug-ins never do. */
    float (*randomDraw)(void);
} KvRandomSuite;

#ifdef __cplusplus
}
#endif

#endif
