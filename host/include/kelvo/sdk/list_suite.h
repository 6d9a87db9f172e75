/* Kelvo plug-in interface: "ADM List Suite" 1: the entries of a popup list. */
#ifndef KELVO_SDK_LIST_SUITE_H
#define KELVO_SDK_LIST_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvListSuite "ADM List Suite"
#define kKvListSuiteVersion 1

typedef struct KvListSuite {
    /* A new, empty entry at `index` (clamped to 0 ... count). */
    KvEntry (*insertEntry)(KvList list, int32_t index);
    /* Null when there is no entry at `index`. */
    KvEntry (*indexEntry)(KvList list, int32_t index);
    /* The selected entry; entry 0 when none is selected; null only for an empty list. */
    KvEntry (*getActiveEntry)(KvList list);
    int32_t (*numberOfEntries)(KvList list);
} KvListSuite;

#ifdef __cplusplus
}
#endif

#endif
