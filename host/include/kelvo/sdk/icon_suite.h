/* Kelvo plug-in interface: "ADM Icon Suite" 1: pictures for picture buttons. */
#ifndef KELVO_SDK_ICON_SUITE_H
#define KELVO_SDK_ICON_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvIconSuite "ADM Icon Suite"
#define kKvIconSuiteVersion 1

typedef struct KvIconSuite {
    /* The icon of resource `resourceId`; kResultBadParameter when the plug-in has none. */
    KvResult (*getIconFromResource)(KvPluginRef plugin, int32_t resourceId, KvIcon* outIcon);
} KvIconSuite;

#ifdef __cplusplus
}
#endif

#endif
