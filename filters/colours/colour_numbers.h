// Small numeric helpers shared by Chromble's sources. Every conversion and limit here is safe
// for any float the record or a host call can hand over, NaN and infinities included.
#pragma once

#include <cmath>
#include <cstdint>

// trunc(): cuts toward zero, saturating at the int32 range; NaN gives 0.
inline int32_t truncToInt(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483520.0f) return INT32_MAX;  // the largest float below 2^31
    if (value <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Limits a colour channel to 0 ... 1; NaN gives 0.
inline float clampUnit(float value) {
    if (!(value > 0.0f)) return 0.0f;
    return value < 1.0f ? value : 1.0f;
}

// The channel factors and the path multiplier compound from object to object (a path factor
// of 200 % doubles them, then quadruples them, ...). They are held within ±kFactorLimit so
// that they stay finite and a zero channel times a factor stays zero instead of becoming NaN.
// Any factor this large already drives every channel it touches to 0 or 1.
inline constexpr double kFactorLimit = 1.0e30;

// `value` limited to ±kFactorLimit; NaN gives 0.
inline float saturateFactor(double value) {
    if (std::isnan(value)) return 0.0f;
    if (value > kFactorLimit) return static_cast<float>(kFactorLimit);
    if (value < -kFactorLimit) return static_cast<float>(-kFactorLimit);
    return static_cast<float>(value);
}
