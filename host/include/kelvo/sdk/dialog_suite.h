/* Kelvo plug-in interface: "ADM Dialog Suite" 3: modal dialogs. */
#ifndef KELVO_SDK_DIALOG_SUITE_H
#define KELVO_SDK_DIALOG_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#include "kelvo/sdk/dialog_types.h"

#define kKvDialogSuite "ADM Dialog Suite"
#define kKvDialogSuiteVersion 3

typedef struct KvDialogSuite {
    /* Builds dialog resource `resourceId` of the plug-in, runs `init`, then lets the user work
     * until an item ends it. Returns the id of that item (1 OK, 2 Cancel), or 0 when the dialog
     * could not be opened. `style` is 0. Items stay readable until modal returns. */
    int32_t (*modal)(KvPluginRef plugin, const char* name, int32_t resourceId, int32_t style, KvDialogInitProc init, void* userData);
    void* (*getUserData)(KvDialog dialog);
    /* The item with that id, or null. */
    KvItem (*getItem)(KvDialog dialog, int32_t id);
    /* A new item of `type` (a kKv...Type string) at `bounds` (dialog units, y down), visible and
     * enabled. Null when the type is unknown or the id is taken. */
    KvItem (*createItem)(KvDialog dialog, int32_t id, const char* type, const KvIntRect* bounds, KvItemInitProc init, void* userData);
    KvResult (*setSize)(KvDialog dialog, int32_t width, int32_t height);
    KvResult (*getBounds)(KvDialog dialog, KvIntRect* outBounds);
    KvResult (*setBounds)(KvDialog dialog, const KvIntRect* bounds);
    /* Ends the dialog with `id` once the current notification returns. */
    KvResult (*endModal)(KvDialog dialog, int32_t id);
} KvDialogSuite;

#ifdef __cplusplus
}
#endif

#endif
