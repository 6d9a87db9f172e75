/* Kelvo plug-in interface: "AI Real Math Suite" 1: real arithmetic, points and matrices. */
#ifndef KELVO_SDK_MATH_SUITE_H
#define KELVO_SDK_MATH_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvMathSuite "AI Real Math Suite"
#define kKvMathSuiteVersion 1

typedef struct KvMathSuite {
    float (*divide)(float a, float b);                 /* a / b; 0 when b is 0 */
    float (*sine)(float radians);
    float (*cosine)(float radians);
    float (*degreesToRadians)(float degrees);
    float (*radiansToDegrees)(float radians);
    /* atan2(p2.y - p1.y, p2.x - p1.x): the angle from p1 to p2, radians. */
    float (*pointAngle)(const KvRealPoint* p1, const KvRealPoint* p2);
    float (*pointDistance)(const KvRealPoint* p1, const KvRealPoint* p2);
    /* out = second + t·(first - second): t = 0 gives second, 1 gives first; any t. */
    void (*pointInterpolate)(const KvRealPoint* first, const KvRealPoint* second, float t, KvRealPoint* out);
    void (*matrixSetIdentity)(KvRealMatrix* m);
    void (*matrixSetTranslate)(KvRealMatrix* m, float tx, float ty);
    /* The concatenations apply the new step after the existing matrix. */
    void (*matrixConcatTranslate)(KvRealMatrix* m, float tx, float ty);
    void (*matrixConcatRotate)(KvRealMatrix* m, float radians); /* counter-clockwise for positive angles */
    void (*matrixConcatScale)(KvRealMatrix* m, float sx, float sy);
    void (*transformPoint)(const KvRealMatrix* m, const KvRealPoint* in, KvRealPoint* out);
} KvMathSuite;

#ifdef __cplusplus
}
#endif

#endif
