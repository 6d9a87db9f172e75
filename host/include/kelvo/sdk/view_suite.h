/* Kelvo plug-in interface: "AI Document View Suite" 7: the document's views. */
#ifndef KELVO_SDK_VIEW_SUITE_H
#define KELVO_SDK_VIEW_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvViewSuite "AI Document View Suite"
#define kKvViewSuiteVersion 7

typedef struct KvViewSuite {
    /* The view at `index`; index 0 always exists while a document is open. */
    KvResult (*getNthView)(int32_t index, KvViewHandle* outView);
    /* Centre of the visible area, artwork coordinates. */
    KvResult (*getViewCenter)(KvViewHandle view, KvRealPoint* outCenter);
    KvResult (*setViewCenter)(KvViewHandle view, const KvRealPoint* center);
    /* Visible area in artwork coordinates (top >= bottom). */
    KvResult (*getViewBounds)(KvViewHandle view, KvRealRect* outBounds);
    KvResult (*getViewZoom)(KvViewHandle view, float* outZoom);
    /* 1 is 100 %; the factor is limited to 0.01 ... 64. Not undone by undo. */
    KvResult (*setViewZoom)(KvViewHandle view, float zoom);
    /* Pixel (x right, y down) to artwork point, and back (rounded to the nearest pixel). */
    KvResult (*viewPointToArtworkPoint)(KvViewHandle view, const KvIntPoint* viewPoint, KvRealPoint* outArtworkPoint);
    KvResult (*artworkPointToViewPoint)(KvViewHandle view, const KvRealPoint* artworkPoint, KvIntPoint* outViewPoint);
} KvViewSuite;

#ifdef __cplusplus
}
#endif

#endif
