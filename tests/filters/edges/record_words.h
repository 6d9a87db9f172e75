// Helpers for comparing parameter records field by field (every field is one 32-bit word).
#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

#include "edge_params.h"

inline constexpr std::size_t kRecordWords = sizeof(EdgeFrameParams) / 4;

inline EdgeFrameParams recordFilledWith(unsigned char byte) {
    EdgeFrameParams record;
    std::memset(&record, byte, sizeof record);
    return record;
}

// Word indices (offset / 4) at which the two records differ.
inline std::vector<std::size_t> differingWords(const EdgeFrameParams& a, const EdgeFrameParams& b) {
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
#define EDGE_WORDS(field) wordsOf(offsetof(EdgeFrameParams, field), sizeof(EdgeFrameParams::field))
