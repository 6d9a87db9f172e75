/* Kelvo plug-in interface: "AI Shape Construction Suite" 4. */
#ifndef KELVO_SDK_SHAPE_SUITE_H
#define KELVO_SDK_SHAPE_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvShapeSuite "AI Shape Construction Suite"
#define kKvShapeSuiteVersion 4

/* Every shape is a closed path in the current style, placed above all art. Edges may come in
 * either order; a zero width or height is allowed. The rectangle's corners run (x0, y1),
 * (x1, y1), (x1, y0), (x0, y0); the oval's segments run top, right, bottom, left. A non-zero
 * `reversed` reverses the segment order. */
typedef struct KvShapeSuite {
    KvResult (*newRect)(float top, float left, float bottom, float right, int32_t reversed, KvArtHandle* outArt);
    KvResult (*newOval)(float top, float left, float bottom, float right, int32_t reversed, KvArtHandle* outArt);
    KvResult (*newCenteredRect)(float centerX, float centerY, float width, float height, int32_t reversed, KvArtHandle* outArt);
    KvResult (*newCenteredOval)(float centerX, float centerY, float width, float height, int32_t reversed, KvArtHandle* outArt);
} KvShapeSuite;

#ifdef __cplusplus
}
#endif

#endif
