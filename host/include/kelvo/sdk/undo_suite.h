/* Kelvo plug-in interface: "AI Undo Suite" 4. */
#ifndef KELVO_SDK_UNDO_SUITE_H
#define KELVO_SDK_UNDO_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvUndoSuite "AI Undo Suite"
#define kKvUndoSuiteVersion 4

typedef struct KvUndoSuite {
    /* Reverts, newest first, every document change made in the current command since it began
     * or since the last undoChanges, restoring objects with their handles. The view is kept.
     * Does nothing when nothing changed. */
    KvResult (*undoChanges)(void);
} KvUndoSuite;

#ifdef __cplusplus
}
#endif

#endif
