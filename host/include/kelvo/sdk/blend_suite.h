/* Kelvo plug-in interface: "AI Blend Style Suite" 2: opacity and blending mode. */
#ifndef KELVO_SDK_BLEND_SUITE_H
#define KELVO_SDK_BLEND_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvBlendSuite "AI Blend Style Suite"
#define kKvBlendSuiteVersion 2

/* Blending modes. */
enum {
    kBlendNormal = 0, kBlendMultiply, kBlendScreen, kBlendOverlay, kBlendSoftLight, kBlendHardLight,
    kBlendColourDodge, kBlendColourBurn, kBlendDarken, kBlendLighten, kBlendDifference,
    kBlendExclusion, kBlendHue, kBlendSaturation, kBlendColour, kBlendLuminosity
};

typedef struct KvBlendSuite {
    KvResult (*getOpacity)(KvArtHandle art, float* outOpacity);
    /* 0 ... 1; kResultBadParameter outside it or non-finite. */
    KvResult (*setOpacity)(KvArtHandle art, float opacity);
    KvResult (*getBlendingMode)(KvArtHandle art, int32_t* outMode);
    /* 0 ... 15; kResultBadParameter outside. */
    KvResult (*setBlendingMode)(KvArtHandle art, int32_t mode);
} KvBlendSuite;

#ifdef __cplusplus
}
#endif

#endif
