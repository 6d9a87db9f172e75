// Host-free helpers for the filters' unit tests: a scripted stand-in for the host's random draw,
// and comparison of parameter records word by word (every field of a record is one 32-bit word).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

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
    static std::size_t taken() { return taken_; }

private:
    static inline std::vector<float> values_;
    static inline std::size_t taken_ = 0;
};

// How many 32-bit words a record holds.
template <class Record>
inline constexpr std::size_t kRecordWords = sizeof(Record) / 4;

// A record whose every byte is `byte`.
template <class Record>
Record recordFilledWith(unsigned char byte) {
    Record record;
    std::memset(&record, byte, sizeof record);
    return record;
}

// Word indices (offset / 4) at which the two records differ.
template <class Record>
std::vector<std::size_t> differingWords(const Record& a, const Record& b) {
    std::vector<std::size_t> words;
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    for (std::size_t word = 0; word < kRecordWords<Record>; ++word) {
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
#define RECORD_WORDS(Record, field) wordsOf(offsetof(Record, field), sizeof(Record::field))

// The word indices of all the groups, in order.
inline std::vector<std::size_t> joinedWords(std::initializer_list<std::vector<std::size_t>> groups) {
    std::vector<std::size_t> words;
    for (const auto& group : groups) words.insert(words.end(), group.begin(), group.end());
    std::sort(words.begin(), words.end());
    return words;
}

// The words that are not in `allowed`.
inline std::vector<std::size_t> outside(const std::vector<std::size_t>& words,
                                        const std::vector<std::size_t>& allowed) {
    const std::set<std::size_t> permitted(allowed.begin(), allowed.end());
    std::vector<std::size_t> rest;
    for (std::size_t word : words)
        if (!permitted.count(word)) rest.push_back(word);
    return rest;
}

// The fields a writer leaves alone: those still different after it ran on two records that
// started with different bytes.
template <class Record, class Write>
std::vector<std::size_t> fieldsLeftAlone(Write write) {
    Record a = recordFilledWith<Record>(0x11);
    Record b = recordFilledWith<Record>(0x77);
    write(a);
    write(b);
    return differingWords(a, b);
}
