/* Kelvo plug-in interface: "ADM Notifier Suite" 1: what a notification is. */
#ifndef KELVO_SDK_NOTIFIER_SUITE_H
#define KELVO_SDK_NOTIFIER_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvNotifierSuite "ADM Notifier Suite"
#define kKvNotifierSuiteVersion 1

typedef struct KvNotifierSuite {
    /* Non-zero when the notification is of `type`. */
    int32_t (*isNotifierType)(KvNotifier notifier, const char* type);
    KvResult (*getNotifierType)(KvNotifier notifier, char* outType, int32_t capacity);
} KvNotifierSuite;

#ifdef __cplusplus
}
#endif

#endif
