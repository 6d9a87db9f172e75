// Small numeric helpers shared by Volutia's sources. Every conversion and limit here is safe
// for any float the record or a host call can hand over, NaN and infinities included.
#pragma once

#include <cmath>
#include <cstdint>

#include "kelvo/sdk/base.h"

// trunc(): cuts toward zero, saturating at the int32 range; NaN gives 0.
inline int32_t truncToInt(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483520.0f) return INT32_MAX;  // the largest float below 2^31
    if (value <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// a + b without overflow: the result saturates at the int32 range.
inline int32_t addSaturated(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(sum);
}

// Limits `value` to low ... high; NaN gives `low`.
inline float clampReal(float value, float low, float high) {
    if (!(value > low)) return low;
    return value < high ? value : high;
}

inline bool isFinitePoint(KvRealPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }
