/* Kelvo plug-in interface: "AI Art Suite" 9: the art tree. */
#ifndef KELVO_SDK_ART_SUITE_H
#define KELVO_SDK_ART_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvArtSuite "AI Art Suite"
#define kKvArtSuiteVersion 9

/* Art kinds. */
enum {
    kArtKindUnknown = 0,
    kArtKindGroup = 1,
    kArtKindPath = 2,
    kArtKindCompoundPath = 3,     /* a container whose children are paths only */
    kArtKindText = 4,             /* not made by this host; never returned */
    kArtKindImage = 7,            /* not made by this host; never returned */
    kArtKindEnvelope = 8,         /* an object mapped onto an envelope shape (its source is its only child) */
    kArtKindMesh = 9,             /* not made by this host; never returned */
    kArtKindSymbolInstance = 11,  /* a placed symbol */
    kArtKindLayer = 12,           /* the group that holds a layer's art; parent of top-level art */
    kArtKindPluginGroup = 13      /* not made by this host; never returned */
};

/* Placement codes ("paint order"). */
enum {
    kPlaceAbove = 1,              /* directly above the reference */
    kPlaceBelow = 2,              /* directly below the reference */
    kPlaceInsideOnTop = 3,        /* last child of the reference container */
    kPlaceInsideOnBottom = 4,     /* first child of the reference container */
    kPlaceAboveAll = 5,           /* top of the current layer; the reference is ignored */
    kPlaceBelowAll = 6            /* bottom of the current layer; the reference is ignored */
};

/* Attribute bits for get/setArtAttributes. */
enum {
    kArtAttrSelected = 1,
    kArtAttrLocked = 2,
    kArtAttrHidden = 4
};

typedef struct KvArtSuite {
    /* A new art object of `kind` (path, group or compound path) at `placement`. A new path is
     * empty, open, not a guide, and has the current path style. kResultLayerLocked when the
     * current layer is locked or hidden; *outArt is null on failure. */
    KvResult (*newArt)(int32_t kind, int32_t placement, KvArtHandle reference, KvArtHandle* outArt);
    /* Removes the object (and its children) from the document. Its handle becomes stale. */
    KvResult (*disposeArt)(KvArtHandle art);
    /* A separate deep copy at `placement` relative to `reference`. */
    KvResult (*duplicateArt)(KvArtHandle art, int32_t placement, KvArtHandle reference, KvArtHandle* outCopy);
    KvResult (*getArtKind)(KvArtHandle art, int16_t* outKind);
    /* Null when there is none (result 0). */
    KvResult (*getArtFirstChild)(KvArtHandle art, KvArtHandle* outChild);
    KvResult (*getArtNextSibling)(KvArtHandle art, KvArtHandle* outSibling);
    KvResult (*getArtPriorSibling)(KvArtHandle art, KvArtHandle* outSibling);
    /* The containing group, compound path, envelope or layer group. */
    KvResult (*getArtParent)(KvArtHandle art, KvArtHandle* outParent);
    /* Tight bounds of the curves without stroke width; (0, 0, 0, 0) for an empty path. */
    KvResult (*getArtBounds)(KvArtHandle art, KvRealRect* outBounds);
    /* The bits of `mask` that are set on the object. */
    KvResult (*getArtAttributes)(KvArtHandle art, int32_t mask, int32_t* outValue);
    /* Sets the bits of `mask` to those of `value`. */
    KvResult (*setArtAttributes)(KvArtHandle art, int32_t mask, int32_t value);
} KvArtSuite;

#ifdef __cplusplus
}
#endif

#endif
