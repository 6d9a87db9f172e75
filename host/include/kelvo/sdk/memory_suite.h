/* Kelvo plug-in interface: "AI MdMemory Suite" 1: relocatable-style handles that never move. */
#ifndef KELVO_SDK_MEMORY_SUITE_H
#define KELVO_SDK_MEMORY_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvMemorySuite "AI MdMemory Suite"
#define kKvMemorySuiteVersion 1

typedef struct KvMemorySuite {
    /* A new handle to `size` zero-filled bytes. The block never moves while the handle lives.
     * On failure *outHandle is null. kResultBadParameter for a negative size. */
    KvResult (*newHandle)(int32_t size, KvMemHandle* outHandle);
    /* Frees the handle and its block. kResultBadHandle for a handle this host did not make. */
    KvResult (*disposeHandle)(KvMemHandle handle);
    /* The block's size in bytes. */
    KvResult (*getHandleSize)(KvMemHandle handle, int32_t* outSize);
} KvMemorySuite;

#ifdef __cplusplus
}
#endif

#endif
