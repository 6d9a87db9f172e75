/* Kelvo plug-in interface: "AI Art Style Suite" 3: the document's graphic styles. */
#ifndef KELVO_SDK_ART_STYLE_SUITE_H
#define KELVO_SDK_ART_STYLE_SUITE_H

#include "kelvo/sdk/base.h"
#include "kelvo/sdk/path_style_suite.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvArtStyleSuite "AI Art Style Suite"
#define kKvArtStyleSuiteVersion 3

typedef struct KvArtStyleSuite {
    KvResult (*countArtStyles)(int32_t* outCount);
    /* Index from 0; kResultBadParameter outside the list. */
    KvResult (*getNthArtStyle)(int32_t index, KvArtStyleHandle* outStyle);
    KvResult (*getArtStyleName)(KvArtStyleHandle style, char* outName, int32_t capacity);
    /* Sets the object's paint flags, colours, stroke width and opacity from the style. */
    KvResult (*applyArtStyle)(KvArtHandle art, KvArtStyleHandle style);
} KvArtStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
