/* Kelvo plug-in interface: basic types, handles and result codes.
 *
 * Everything that crosses the host/plug-in boundary is plain C: fixed-width integers, 32-bit
 * reals, opaque handles and structs of function pointers. Handles are never dereferenced by the
 * receiver of a call except where a header says so (memory handles are pointers to pointers).
 * The host validates every handle it receives: a stale, foreign or null handle yields
 * kResultBadHandle (or a null/zero value for operations that return a value), never a crash. */
#ifndef KELVO_SDK_BASE_H
#define KELVO_SDK_BASE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Four-character code: the first character in the most significant byte. */
#define KV_FOURCC(a, b, c, d) \
    ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
               ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

typedef int32_t KvResult;

/* Returns from the calling function with the result of `expr` when it is not kResultOk. */
#define KV_PROPAGATE(expr)                              \
    do {                                                \
        KvResult kvPropagated_ = (expr);                \
        if (kvPropagated_ != kResultOk) return kvPropagated_; \
    } while (0)

#define kResultOk ((KvResult)(0))
#define kResultCancelled ((KvResult)(KV_FOURCC('S', 'T', 'O', 'P')))    /* the user cancelled; never shown */
#define kResultSilent ((KvResult)(KV_FOURCC('S', '!', 'F', 'd')))       /* failure already dealt with; never shown */
#define kResultNoMemory ((KvResult)(KV_FOURCC('!', 'M', 'E', 'M')))     /* no parameter block */
#define kResultBadSelection ((KvResult)(KV_FOURCC('!', 's', 'e', 'l'))) /* the selection does not fit the command */
/* Host failures. */
#define kResultBadParameter ((KvResult)(KV_FOURCC('P', 'A', 'R', 'M'))) /* null pointer, value out of range, non-finite number */
#define kResultBadHandle ((KvResult)(KV_FOURCC('H', 'N', 'D', 'L')))    /* stale, foreign or null handle */
#define kResultSuiteMissing ((KvResult)(KV_FOURCC('S', 'U', 'I', 'T'))) /* no suite of that name and version */
#define kResultNotAcquired ((KvResult)(KV_FOURCC('N', 'A', 'C', 'Q')))  /* release of a suite that is not acquired */
#define kResultLayerLocked ((KvResult)(KV_FOURCC('S', 'E', 'G', 'M')))  /* the target layer is locked or hidden */
#define kResultTooManyPoints ((KvResult)(KV_FOURCC('N', 'E', 'S', 'S')))/* a path would exceed the segment limit */
#define kResultOutOfMemory ((KvResult)(-108))                           /* the host ran out of memory */
#define kResultFailure ((KvResult)(KV_FOURCC('F', 'A', 'I', 'L')))       /* any other host failure */

typedef struct KvPluginRefOpaque* KvPluginRef;
typedef struct KvArtOpaque* KvArtHandle;
typedef struct KvLayerOpaque* KvLayerHandle;
typedef struct KvSwatchListOpaque* KvSwatchList;
typedef struct KvSwatchOpaque* KvSwatchHandle;
typedef struct KvArtStyleOpaque* KvArtStyleHandle;
typedef struct KvSymbolOpaque* KvSymbolHandle;
typedef struct KvViewOpaque* KvViewHandle;
typedef struct KvFilterOpaque* KvFilterHandle;
typedef struct KvMenuItemOpaque* KvMenuItemHandle;
typedef struct KvDialogOpaque* KvDialog;
typedef struct KvItemOpaque* KvItem;
typedef struct KvListOpaque* KvList;
typedef struct KvEntryOpaque* KvEntry;
typedef struct KvNotifierOpaque* KvNotifier;
typedef struct KvTrackerOpaque* KvTracker;
typedef struct KvIconOpaque* KvIcon;

/* A memory handle is a pointer to a pointer to the block. The block never moves while the
 * handle lives, so callers may keep the address of its contents. */
typedef void** KvMemHandle;

typedef struct KvRealPoint { float x, y; } KvRealPoint;
/* Artwork rectangles: y grows upward, so top >= bottom. */
typedef struct KvRealRect { float left, top, right, bottom; } KvRealRect;
/* x' = a·x + c·y + tx, y' = b·x + d·y + ty */
typedef struct KvRealMatrix { float a, b, c, d, tx, ty; } KvRealMatrix;
typedef struct KvIntPoint { int32_t x, y; } KvIntPoint;
/* Dialog and view rectangles: y grows downward. */
typedef struct KvIntRect { int32_t left, top, right, bottom; } KvIntRect;

#ifdef __cplusplus
} /* extern "C" */

/* C++ spelling of KV_FOURCC for string literals: fourCharCode("!sel") == 0x2173656C. */
constexpr int32_t fourCharCode(const char (&code)[5]) {
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(code[3])));
}
static_assert(fourCharCode("!sel") == 0x2173656C, "four-character codes put the first byte high");
#endif

#endif
