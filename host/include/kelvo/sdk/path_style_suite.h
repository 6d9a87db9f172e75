/* Kelvo plug-in interface: "AI Path Style Suite" 5: paint of paths. */
#ifndef KELVO_SDK_PATH_STYLE_SUITE_H
#define KELVO_SDK_PATH_STYLE_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvPathStyleSuite "AI Path Style Suite"
#define kKvPathStyleSuiteVersion 5

/* Colour kinds. Channels are 0 to 1; unused channels are 0. */
enum {
    kColourGray = 0,        /* channel 0: 0 white ... 1 black */
    kColourFour = 1,        /* cyan, magenta, yellow, black */
    kColourPattern = 2,     /* `reference` names a pattern paint kept by the host */
    kColourGradient = 3,    /* `reference` names a gradient paint kept by the host */
    kColourSpot = 4,        /* four-colour channels of a named spot colour */
    kColourThree = 5,       /* red, green, blue */
    kColourNone = 6
};

typedef struct KvColour {
    int32_t kind;
    float channel[4];
    int32_t reference;      /* host paint index for patterns and gradients, else 0; copy it as it is */
} KvColour;

typedef struct KvPathStyle {
    int32_t fillPaint;      /* 0 or 1 */
    int32_t strokePaint;    /* 0 or 1 */
    KvColour fill;
    KvColour stroke;
    float strokeWidth;      /* points, >= 0 */
    int32_t evenOdd;        /* fill rule: 0 non-zero, 1 even-odd */
    int32_t lineCap;        /* 0 butt, 1 round, 2 square */
    int32_t lineJoin;       /* 0 miter, 1 round, 2 bevel */
    float miterLimit;
} KvPathStyle;

typedef struct KvPathStyleSuite {
    /* Works on paths and compound paths (a compound path's style is its children's). */
    KvResult (*getPathStyle)(KvArtHandle art, KvPathStyle* outStyle);
    /* kResultBadParameter for a non-finite or negative width, a non-finite channel or an unknown kind. */
    KvResult (*setPathStyle)(KvArtHandle art, const KvPathStyle* style);
    /* Channels and width: second + t·(first - second) when the colour kinds match, else the
     * colour of first for t >= 0.5 and of second below; paint flags and the other fields likewise
     * from the nearer style. Channels are limited to 0 ... 1 and the width to >= 0. */
    KvResult (*interpolatePathStyle)(const KvPathStyle* first, const KvPathStyle* second, KvPathStyle* outStyle, float t);
    /* The style new paths and shapes get. */
    KvResult (*getCurrentPathStyle)(KvPathStyle* outStyle);
    KvResult (*setCurrentPathStyle)(const KvPathStyle* style);
} KvPathStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
