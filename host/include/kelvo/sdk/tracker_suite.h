/* Kelvo plug-in interface: "ADM Tracker Suite" 1: the mouse event being tracked. */
#ifndef KELVO_SDK_TRACKER_SUITE_H
#define KELVO_SDK_TRACKER_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvTrackerSuite "ADM Tracker Suite"
#define kKvTrackerSuiteVersion 1

/* A null tracker means the event currently being tracked. */
typedef struct KvTrackerSuite {
    /* Modifier bits of the event (kModifierPick is 0x20). */
    int32_t (*getModifiers)(KvTracker tracker);
    /* The mouse point in the pixel space of document view 0 (x right, y down). */
    KvResult (*getPoint)(KvTracker tracker, KvIntPoint* outPoint);
} KvTrackerSuite;

#ifdef __cplusplus
}
#endif

#endif
