/* Kelvo plug-in interface: "AI Real Bezier Suite" 1: cubic curve evaluation. */
#ifndef KELVO_SDK_BEZIER_SUITE_H
#define KELVO_SDK_BEZIER_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvBezierSuite "AI Real Bezier Suite"
#define kKvBezierSuiteVersion 1

typedef struct KvBezier { KvRealPoint p0, p1, p2, p3; } KvBezier;

typedef struct KvBezierSuite {
    /* The point of the curve at parameter t (0 ... 1). */
    void (*evaluate)(const KvBezier* curve, float t, KvRealPoint* outPoint);
    /* Arc length, accurate to about 0.01 point. */
    float (*length)(const KvBezier* curve);
} KvBezierSuite;

#ifdef __cplusplus
}
#endif

#endif
