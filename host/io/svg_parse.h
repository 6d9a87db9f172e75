// Parsers for SVG attribute values: numbers, lengths, transforms, path data, colours.
// Each parser reads plain text and never throws except std::bad_alloc; values that cannot be
// read are reported by the return value. No non-finite number is ever produced.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/paint.h"

namespace kelvo::io::svg {

// Numbers larger than this in magnitude are refused: they cannot give a usable coordinate.
inline constexpr double kMaxNumber = 1e15;

struct Vec {
    double x = 0, y = 0;
    bool operator==(const Vec&) const = default;
};

// x' = a·x + c·y + e, y' = b·x + d·y + f
struct Transform {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    Vec apply(Vec p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    // `inner` first, then this.
    Transform operator*(const Transform& inner) const {
        return {a * inner.a + c * inner.b, b * inner.a + d * inner.b, a * inner.c + c * inner.d,
                b * inner.c + d * inner.d, a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
    }
    double determinant() const { return a * d - b * c; }
    static Transform translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Transform scale(double x, double y) { return {x, 0, 0, y, 0, 0}; }
};

struct Segment {
    Vec anchor, in, out;
};

struct Subpath {
    std::vector<Segment> segments;
    bool closed = false;
};

// Collects path geometry as anchors with direction points.
class PathBuilder {
public:
    void moveTo(Vec p);
    void lineTo(Vec p);
    void cubicTo(Vec c1, Vec c2, Vec p);
    void quadTo(Vec c, Vec p);
    void arcTo(double rx, double ry, double rotation, bool largeArc, bool sweep, Vec p);
    // Closes the current subpath; a last anchor on the first one merges into it.
    void close();
    Vec current() const { return current_; }
    std::vector<Subpath>& subpaths() { return subpaths_; }

private:
    void ensureStarted();
    std::vector<Subpath> subpaths_;
    Vec current_, start_;
};

// Skips white space and at most one comma.
void skipSeparators(const char*& p, const char* end);
bool parseNumber(const char*& p, const char* end, double& out);
bool parseNumber(std::string_view text, double& out);  // the whole text, spaces around allowed
// Numbers separated by white space and/or commas; false when anything else is found.
bool parseNumberList(std::string_view text, std::vector<double>& out);

// Path data into `builder`; stops at the first error as renderers do (what came before it is
// kept) and then returns false.
bool parsePathData(std::string_view data, PathBuilder& builder);

// A transform list; nullopt when it is malformed.
std::optional<Transform> parseTransform(std::string_view text);

struct Colour {
    Rgb rgb{0, 0, 0};
    double alpha = 1;
};
enum class ColourResult { colour, currentColour, invalid };
// #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), colour keywords and
// "transparent", case-insensitive; a trailing icc-color() is ignored.
ColourResult parseColour(std::string_view text, Colour& out);

std::string_view trim(std::string_view text);
std::string lowerCase(std::string_view text);

}  // namespace kelvo::io::svg
