// Helpers shared by the readers and writers: display colours, blending mode names, numbers.
#pragma once

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "document/document.h"

namespace kelvo::io {

using Rgb = std::array<double, 3>;  // sRGB, 0 to 1

// The sRGB a colour is shown with: three-colour as it is, four-colour r = (1 − c)(1 − k) …,
// gray 1 − g; gradients and patterns their paint server's fallback; none black.
Rgb displayRgb(const doc::Colour& colour, const doc::Document& document);

// The CSS name of blending mode 0 … 15 ("normal", "multiply", …), or null out of range.
const char* blendModeName(int mode);
// The mode of a CSS mix-blend-mode keyword (lower case), or -1.
int blendModeFromName(std::string_view name);

// A CSS colour keyword (lower case, without "transparent" and "currentcolor").
bool namedColour(std::string_view name, Rgb& out);

// Appends the shortest text that reads back as the same float ("-0" written as "0").
inline void appendNumber(std::string& out, float value) {
    if (value == 0) value = 0;
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

inline void appendInteger(std::string& out, long long value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Appends text with &, <, >, " and ' escaped for XML attributes and text.
void appendXmlEscaped(std::string& out, std::string_view text);
// Appends a JSON string literal, quotes included.
void appendJsonString(std::string& out, std::string_view text);

inline int clampByte(double value) {
    if (!(value > 0)) return 0;
    if (value >= 1) return 255;
    return static_cast<int>(std::lround(value * 255));
}

}  // namespace kelvo::io
