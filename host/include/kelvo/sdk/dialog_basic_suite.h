/* Kelvo plug-in interface: "ADM Basic Suite" 2: resource strings and alerts. */
#ifndef KELVO_SDK_DIALOG_BASIC_SUITE_H
#define KELVO_SDK_DIALOG_BASIC_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvDialogBasicSuite "ADM Basic Suite"
#define kKvDialogBasicSuiteVersion 2

typedef struct KvDialogBasicSuite {
    /* Entry `index` of string table `tableId` (the string with id tableId + index) of the
     * plug-in's resources, NUL-terminated and truncated to length - 1; empty when missing. */
    void (*getIndexString)(KvPluginRef plugin, int32_t tableId, int32_t index, char* buffer, int32_t length);
    /* A modal alert showing the text. */
    void (*messageAlert)(const char* text);
} KvDialogBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
