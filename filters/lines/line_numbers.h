// Small numeric helpers shared by Ravelo's sources. Every conversion and limit here is safe for
// any float the record or a host call can hand over, NaN and infinities included.
#pragma once

#include <cmath>
#include <cstdint>

#include "kelvo/sdk/base.h"

// trunc(): cuts toward zero, saturating at the int32 range; NaN gives 0.
inline int32_t truncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Limits `value` to low ... high; NaN gives low.
inline float clampTo(float value, float low, float high) {
    if (!(value > low)) return low;
    return value < high ? value : high;
}

// Scales and block multipliers grow geometrically from line to line and block to block; they
// stop at this magnitude so that no product of them with a record value overflows.
inline constexpr float kLineGrowthCap = 1.0e6f;

// Keeps a growing factor within +-kLineGrowthCap; NaN gives 0.
inline float saturateGrowth(float value) {
    if (std::isnan(value)) return 0.0f;
    return clampTo(value, -kLineGrowthCap, kLineGrowthCap);
}

inline bool isFinitePoint(KvRealPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }
