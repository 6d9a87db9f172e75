/* Kelvo plug-in interface: "SP Access Suite" 3: facts about a plug-in library. */
#ifndef KELVO_SDK_ACCESS_SUITE_H
#define KELVO_SDK_ACCESS_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvAccessSuite "SP Access Suite"
#define kKvAccessSuiteVersion 3

typedef struct KvAccessSuite {
    /* The plug-in library's file path, NUL-terminated, truncated to capacity - 1. */
    KvResult (*getLibraryPath)(KvPluginRef plugin, char* outPath, int32_t capacity);
} KvAccessSuite;

#ifdef __cplusplus
}
#endif

#endif
