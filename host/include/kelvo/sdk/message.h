/* Kelvo plug-in interface: the entry point and the messages the host sends through it. */
#ifndef KELVO_SDK_MESSAGE_H
#define KELVO_SDK_MESSAGE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

struct KvBasicSuite;

/* Every message starts with these fields. Owned by the host; valid for the call only. */
typedef struct KvMessage {
    int32_t checkWord;                  /* host's record tag (kKvMessageCheckWord); plug-ins need not read it */
    KvPluginRef plugin;                 /* the same reference on every call to this plug-in */
    void* globals;                      /* kept by the host across Unload/Reload; the plug-in writes it on Unload */
    const struct KvBasicSuite* basic;   /* acquire/release suites, compare strings */
} KvMessage;

/* "AI Filter" messages. */
typedef struct KvFilterMessage {
    KvMessage d;
    KvFilterHandle filter;      /* the handle "add filter" returned */
    KvMemHandle parameters;     /* null until the plug-in stores a new handle here; the host keeps it per filter */
} KvFilterMessage;

#define kKvMessageCheckWord KV_FOURCC('K', 'v', 'M', 's')

/* Callers and selectors. */
#define kKvCallerAccess "SP Access"
#define kKvSelectorUnload "Unload"
#define kKvSelectorReload "Reload"
#define kKvCallerInterface "SP Interface"
#define kKvSelectorStartup "Startup"
#define kKvSelectorAbout "About"
#define kKvSelectorShutdown "Shutdown"
#define kKvCallerMenu "AI Menu"
#define kKvSelectorGo "AI Go"
#define kKvSelectorUpdate "AI Update"
#define kKvCallerFilter "AI Filter"
#define kKvSelectorGetParameters "AI Get Parameters"

/* The one symbol a plug-in library exports, named by its property list ("PluginMain").
 * `message` points to a KvMessage, or to a KvFilterMessage for "AI Filter". */
typedef KvResult (*KvPluginMainProc)(const char* caller, const char* selector, void* message);

#ifdef __cplusplus
}
#endif

#endif
