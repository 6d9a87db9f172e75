/* Kelvo plug-in interface: "AI Filter Suite" 2: filter commands. */
#ifndef KELVO_SDK_FILTER_SUITE_H
#define KELVO_SDK_FILTER_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvFilterSuite "AI Filter Suite"
#define kKvFilterSuiteVersion 2

/* Category and title as length-prefixed strings (length byte, then the characters). */
typedef struct KvFilterTitle {
    const unsigned char* category;
    const unsigned char* title;
} KvFilterTitle;

typedef struct KvFilterSuite {
    /* Registers a filter command named `name` (unique per host) under category › title. The host
     * copies the strings. The handle comes back in every "AI Filter" message for it. */
    KvResult (*addFilter)(KvPluginRef plugin, const char* name, const KvFilterTitle* title, int32_t options, KvFilterHandle* outFilter);
    KvResult (*getFilterMenuItem)(KvFilterHandle filter, KvMenuItemHandle* outItem);
    KvResult (*getFilterName)(KvFilterHandle filter, char* outName, int32_t capacity);
} KvFilterSuite;

#ifdef __cplusplus
}
#endif

#endif
