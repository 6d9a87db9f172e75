/* Kelvo plug-in interface: "ADM Item Suite" 4: dialog items. */
#ifndef KELVO_SDK_ITEM_SUITE_H
#define KELVO_SDK_ITEM_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#include "kelvo/sdk/dialog_types.h"

#define kKvItemSuite "ADM Item Suite"
#define kKvItemSuiteVersion 4

/* Setters return kResultBadHandle for a stale item; getters return 0 (or null) for one.
 * Values, texts and states set through this suite never call a notifier. */
typedef struct KvItemSuite {
    KvResult (*setNotifyProc)(KvItem item, KvNotifyProc proc);
    /* The toolkit's own handling: items 1 and 2 end the dialog with their id; others do nothing. */
    KvResult (*defaultNotify)(KvItem item, KvNotifier notifier);
    /* Calls the item's notifier now with a notification of `type`. */
    KvResult (*sendNotify)(KvItem item, const char* type);
    KvResult (*setTrackProc)(KvItem item, KvTrackProc proc);
    /* The toolkit's own tracking of a press: returns non-zero. */
    int32_t (*defaultTrack)(KvItem item, KvTracker tracker);
    KvDialog (*getDialog)(KvItem item);
    /* The popup's entry list; null for other items. */
    KvList (*getList)(KvItem item);
    int32_t (*getId)(KvItem item);
    KvResult (*show)(KvItem item, int32_t visible);
    int32_t (*isVisible)(KvItem item);
    KvResult (*enable)(KvItem item, int32_t enabled);
    int32_t (*isEnabled)(KvItem item);
    KvResult (*setFont)(KvItem item, int32_t font);
    KvResult (*setText)(KvItem item, const char* text);
    KvResult (*getText)(KvItem item, char* outText, int32_t capacity);
    KvResult (*setUnits)(KvItem item, int32_t units);
    /* Decimals shown by a spin edit; values are kept exactly. */
    KvResult (*setPrecision)(KvItem item, int32_t decimals);
    int32_t (*getBooleanValue)(KvItem item);
    KvResult (*setBooleanValue)(KvItem item, int32_t value);
    int32_t (*getIntValue)(KvItem item);
    KvResult (*setIntValue)(KvItem item, int32_t value);
    float (*getRealValue)(KvItem item);
    KvResult (*setRealValue)(KvItem item, float value);
    /* Limits on what the user enters; values set by code are stored as they are. */
    KvResult (*setMinIntValue)(KvItem item, int32_t value);
    KvResult (*setMaxIntValue)(KvItem item, int32_t value);
    KvResult (*setMinRealValue)(KvItem item, float value);
    KvResult (*setMaxRealValue)(KvItem item, float value);
    void* (*getUserData)(KvItem item);
    KvResult (*setUserData)(KvItem item, void* data);
} KvItemSuite;

#ifdef __cplusplus
}
#endif

#endif
