/* Kelvo plug-in interface: "SP Blocks Suite" 2: plain memory blocks. */
#ifndef KELVO_SDK_BLOCKS_SUITE_H
#define KELVO_SDK_BLOCKS_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvBlocksSuite "SP Blocks Suite"
#define kKvBlocksSuiteVersion 2

typedef struct KvBlocksSuite {
    /* A new block of `size` bytes, zero-filled, owned by the caller until freeBlock. `name` is
     * for diagnostics only. kResultBadParameter for a negative size. */
    KvResult (*allocateBlock)(int32_t size, const char* name, void** outBlock);
    /* Frees a block from allocateBlock. kResultBadHandle for anything else. */
    KvResult (*freeBlock)(void* block);
} KvBlocksSuite;

#ifdef __cplusplus
}
#endif

#endif
