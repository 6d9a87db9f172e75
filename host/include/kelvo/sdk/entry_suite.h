/* Kelvo plug-in interface: "ADM Entry Suite" 2: popup list entries. */
#ifndef KELVO_SDK_ENTRY_SUITE_H
#define KELVO_SDK_ENTRY_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvEntrySuite "ADM Entry Suite"
#define kKvEntrySuiteVersion 2

typedef struct KvEntrySuite {
    KvResult (*setText)(KvEntry entry, const char* text);
    KvResult (*getText)(KvEntry entry, char* outText, int32_t capacity);
    KvResult (*setId)(KvEntry entry, int32_t id);
    int32_t (*getId)(KvEntry entry);
    /* select 1 makes the entry the list's active one (deselecting the others). */
    KvResult (*select)(KvEntry entry, int32_t selected);
    int32_t (*isSelected)(KvEntry entry);
    int32_t (*getIndex)(KvEntry entry);
} KvEntrySuite;

#ifdef __cplusplus
}
#endif

#endif
