/* Kelvo plug-in interface: "AI Menu Suite" 7. */
#ifndef KELVO_SDK_MENU_SUITE_H
#define KELVO_SDK_MENU_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvMenuSuite "AI Menu Suite"
#define kKvMenuSuiteVersion 7

/* Conditions for automatic menu updates. */
enum { kMenuWhenDocumentOpen = 1 };
/* Art-kind bits for the update rule. */
enum { kMenuArtAny = 1, kMenuArtPath = 2 };

typedef struct KvMenuSuite {
    /* How the host enables the item: `enable` 1 turns automatic updates on; the item is enabled
     * when the document has art of every kind in needsArt and none in forbidsArt, selected art
     * of every kind in needsSelected and none in forbidsSelected, and every condition in
     * needsConditions and none in forbidsConditions holds. */
    KvResult (*setAutomaticUpdate)(KvMenuItemHandle item, int32_t enable, int32_t needsArt, int32_t forbidsArt,
                                   int32_t needsSelected, int32_t forbidsSelected, int32_t needsConditions,
                                   int32_t forbidsConditions);
    KvResult (*getMenuItemTitle)(KvMenuItemHandle item, char* outTitle, int32_t capacity);
} KvMenuSuite;

#ifdef __cplusplus
}
#endif

#endif
