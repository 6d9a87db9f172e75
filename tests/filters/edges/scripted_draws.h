// A scripted stand-in for the host's random draw: returns the given values in order (the
// last one again once they run out) and counts how many were taken.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

class ScriptedDraws {
public:
    explicit ScriptedDraws(std::vector<float> values) {
        values_ = std::move(values);
        taken_ = 0;
    }
    static float draw() {
        const float value = values_.empty() ? 0.0f : values_[std::min(taken_, values_.size() - 1)];
        ++taken_;
        return value;
    }
    std::size_t taken() const { return taken_; }

private:
    static inline std::vector<float> values_;
    static inline std::size_t taken_ = 0;
};
