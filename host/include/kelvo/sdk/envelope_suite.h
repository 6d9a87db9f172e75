/* Kelvo plug-in interface: "AI Envelope Suite" 1: mapping art onto a shape, and warps. */
#ifndef KELVO_SDK_ENVELOPE_SUITE_H
#define KELVO_SDK_ENVELOPE_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvEnvelopeSuite "AI Envelope Suite"
#define kKvEnvelopeSuiteVersion 1

typedef struct KvEnvelopeOptions {
    int32_t flags;       /* reserved, 0 */
    int32_t fidelity;    /* 0 ... 100: how closely curves follow the mapping */
} KvEnvelopeOptions;

/* Warp styles 1 to 15. */
enum {
    kWarpArc = 1, kWarpArcLower, kWarpArcUpper, kWarpArch, kWarpBulge, kWarpShellLower,
    kWarpShellUpper, kWarpFlag, kWarpWave, kWarpFish, kWarpRise, kWarpFisheye, kWarpInflate,
    kWarpSqueeze, kWarpTwist
};

typedef struct KvEnvelopeSuite {
    /* Wraps the objects (count 1 supported) in a new envelope that maps them from their bounds
     * onto `shape`, placed where the first object was. The shape is consumed; the object
     * handles stay valid (they become the envelope's source). */
    KvResult (*makeEnvelope)(const KvArtHandle* arts, int32_t count, KvArtHandle shape, const KvEnvelopeOptions* options, KvArtHandle* outEnvelope);
    /* Replaces the envelope's mapping by warp `style` (1 ... 15) with bend and the two
     * distortions in -1 ... 1; horizontal non-zero bends along x. */
    KvResult (*setEnvelopeWarp)(KvArtHandle envelope, int32_t style, float bend, float horizontalDistortion, float verticalDistortion, int32_t horizontal);
} KvEnvelopeSuite;

#ifdef __cplusplus
}
#endif

#endif
