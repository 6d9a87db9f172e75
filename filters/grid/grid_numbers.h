// Small numeric helpers shared by Quadrel's sources. Every conversion and limit here is safe
// for any float the record or a host call can hand over, NaN and infinities included.
#pragma once

#include <cmath>
#include <cstdint>

// trunc(): cuts toward zero, saturating at the int32 range; NaN gives 0.
inline int32_t gridTrunc(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483520.0f) return INT32_MAX;  // the largest float below 2^31
    if (value <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(value);
}

inline int32_t clampCount(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : (value > high ? high : value);
}

// Limits to low ... high; NaN gives low.
inline float clampReal(float value, float low, float high) {
    if (!(value > low)) return low;
    return value < high ? value : high;
}

// A finite value as it is; NaN and infinities give 0.
inline float finiteOrZero(float value) { return std::isfinite(value) ? value : 0.0f; }

// +1 or -1 from one draw: + when the draw is at most 0.5.
inline float signFromDraw(float draw) { return draw <= 0.5f ? 1.0f : -1.0f; }
