// Helpers shared by Chromble's tests: scripted random draws and word-by-word record comparison.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "colour_params.h"

// A scripted stand-in for the host's random draw: returns the given values in order (the last
// one again once they run out) and counts how many were taken.
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

inline constexpr std::size_t kRecordWords = sizeof(ColourParams) / 4;

inline ColourParams recordFilledWith(unsigned char byte) {
    ColourParams record;
    std::memset(&record, byte, sizeof record);
    return record;
}

// Word indices (offset / 4) at which the two records differ.
inline std::vector<std::size_t> differingWords(const ColourParams& a, const ColourParams& b) {
    std::vector<std::size_t> words;
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    for (std::size_t word = 0; word < kRecordWords; ++word) {
        if (std::memcmp(x + 4 * word, y + 4 * word, 4) != 0) words.push_back(word);
    }
    return words;
}

// Word indices of the fields spanning [offset, offset + size).
inline std::vector<std::size_t> wordsOf(std::size_t offset, std::size_t size) {
    std::vector<std::size_t> words;
    for (std::size_t word = offset / 4; word < (offset + size) / 4; ++word) words.push_back(word);
    return words;
}
#define COLOUR_WORDS(field) wordsOf(offsetof(ColourParams, field), sizeof(ColourParams::field))

inline std::vector<std::size_t> joinedWords(std::initializer_list<std::vector<std::size_t>> groups) {
    std::vector<std::size_t> words;
    for (const auto& group : groups) words.insert(words.end(), group.begin(), group.end());
    std::sort(words.begin(), words.end());
    return words;
}
