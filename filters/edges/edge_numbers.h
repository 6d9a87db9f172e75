// Small numeric helpers shared by Tessivo's sources. Every conversion and limit here is safe
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

// Limits a colour channel or an opacity to 0 ... 1; NaN gives 0.
inline float clampUnit(float value) {
    if (!(value > 0.0f)) return 0.0f;
    return value < 1.0f ? value : 1.0f;
}

inline bool isFinitePoint(KvRealPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }

// +1 or -1 from one draw: + when the draw is at most 0.5.
inline float signFromDraw(float draw) { return draw <= 0.5f ? 1.0f : -1.0f; }
