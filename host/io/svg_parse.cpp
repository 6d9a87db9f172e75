#include "io/svg_parse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace kelvo::io::svg {
namespace {

bool isSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f'; }

void skipSpaces(const char*& p, const char* end) {
    while (p < end && isSpace(*p)) ++p;
}

bool startsNumber(char ch) { return (ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '+'; }

// Arc flags are single characters and may run into the next number ("a10 10 0 1150 50").
bool parseFlag(const char*& p, const char* end, bool& out) {
    skipSeparators(p, end);
    if (p >= end || (*p != '0' && *p != '1')) return false;
    out = *p == '1';
    ++p;
    return true;
}

}  // namespace

std::string_view trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

void skipSeparators(const char*& p, const char* end) {
    skipSpaces(p, end);
    if (p < end && *p == ',') {
        ++p;
        skipSpaces(p, end);
    }
}

bool parseNumber(const char*& p, const char* end, double& out) {
    const char* start = p;
    if (start < end && *start == '+') ++start;
    const char* digits = start < end && *start == '-' ? start + 1 : start;
    if (digits >= end || !((*digits >= '0' && *digits <= '9') || *digits == '.')) return false;
    double value = 0;
    auto result = std::from_chars(start, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is refused below.
        const char* q = digits;
        while (q < end && ((*q >= '0' && *q <= '9') || *q == '.')) ++q;
        if (q < end && (*q == 'e' || *q == 'E') && q + 1 < end && q[1] == '-') {
            p = result.ptr;
            out = 0;
            return true;
        }
        return false;
    }
    if (result.ec != std::errc() || !std::isfinite(value) || std::abs(value) > kMaxNumber) return false;
    p = result.ptr;
    out = value;
    return true;
}

bool parseNumber(std::string_view text, double& out) {
    text = trim(text);
    const char* p = text.data();
    const char* end = p + text.size();
    return parseNumber(p, end, out) && p == end;
}

bool parseNumberList(std::string_view text, std::vector<double>& out) {
    const char* p = text.data();
    const char* end = p + text.size();
    skipSpaces(p, end);
    while (p < end) {
        double value;
        if (!parseNumber(p, end, value)) return false;
        out.push_back(value);
        skipSeparators(p, end);
    }
    return true;
}

// ---- Path geometry

void PathBuilder::moveTo(Vec p) {
    subpaths_.push_back({{Segment{p, p, p}}, false});
    current_ = start_ = p;
}

void PathBuilder::ensureStarted() {
    if (subpaths_.empty() || subpaths_.back().closed) moveTo(current_);
}

void PathBuilder::lineTo(Vec p) {
    ensureStarted();
    subpaths_.back().segments.push_back({p, p, p});
    current_ = p;
}

void PathBuilder::cubicTo(Vec c1, Vec c2, Vec p) {
    ensureStarted();
    auto& segments = subpaths_.back().segments;
    segments.back().out = c1;
    segments.push_back({p, c2, p});
    current_ = p;
}

void PathBuilder::quadTo(Vec c, Vec p) {
    Vec p0 = current_;
    cubicTo({p0.x + 2.0 / 3.0 * (c.x - p0.x), p0.y + 2.0 / 3.0 * (c.y - p0.y)},
            {p.x + 2.0 / 3.0 * (c.x - p.x), p.y + 2.0 / 3.0 * (c.y - p.y)}, p);
}

void PathBuilder::arcTo(double rx, double ry, double rotation, bool largeArc, bool sweep, Vec p1) {
    Vec p0 = current_;
    if (p0 == p1) return;
    rx = std::abs(rx);
    ry = std::abs(ry);
    if (rx == 0 || ry == 0) {
        lineTo(p1);
        return;
    }
    double phi = rotation * std::numbers::pi / 180.0;
    double cs = std::cos(phi), sn = std::sin(phi);
    double dx2 = (p0.x - p1.x) / 2, dy2 = (p0.y - p1.y) / 2;
    double x1p = cs * dx2 + sn * dy2, y1p = -sn * dx2 + cs * dy2;
    double lambda = (x1p * x1p) / (rx * rx) + (y1p * y1p) / (ry * ry);
    if (lambda > 1) {
        double s = std::sqrt(lambda);
        rx *= s;
        ry *= s;
    }
    double numerator = rx * rx * ry * ry - rx * rx * y1p * y1p - ry * ry * x1p * x1p;
    double denominator = rx * rx * y1p * y1p + ry * ry * x1p * x1p;
    double coefficient = numerator > 0 && denominator > 0 ? std::sqrt(numerator / denominator) : 0;
    if (largeArc == sweep) coefficient = -coefficient;
    double cxp = coefficient * rx * y1p / ry, cyp = -coefficient * ry * x1p / rx;
    double cx = cs * cxp - sn * cyp + (p0.x + p1.x) / 2, cy = sn * cxp + cs * cyp + (p0.y + p1.y) / 2;
    auto angle = [](double ux, double uy, double vx, double vy) { return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy); };
    double theta1 = angle(1, 0, (x1p - cxp) / rx, (y1p - cyp) / ry);
    double delta = angle((x1p - cxp) / rx, (y1p - cyp) / ry, (-x1p - cxp) / rx, (-y1p - cyp) / ry);
    if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
    else if (sweep && delta < 0) delta += 2 * std::numbers::pi;
    int count = std::max(1, static_cast<int>(std::ceil(std::abs(delta) / (std::numbers::pi / 2) - 1e-9)));
    double step = delta / count;
    double t = 4.0 / 3.0 * std::tan(step / 4);
    auto at = [&](double u, double v) { return Vec{cx + rx * cs * u - ry * sn * v, cy + rx * sn * u + ry * cs * v}; };
    for (int i = 0; i < count; ++i) {
        double a1 = theta1 + i * step, a2 = a1 + step;
        double c1 = std::cos(a1), s1 = std::sin(a1), c2 = std::cos(a2), s2 = std::sin(a2);
        Vec end = i + 1 == count ? p1 : at(c2, s2);
        cubicTo(at(c1 - t * s1, s1 + t * c1), at(c2 + t * s2, s2 - t * c2), end);
    }
}

void PathBuilder::close() {
    if (subpaths_.empty() || subpaths_.back().closed) return;
    auto& subpath = subpaths_.back();
    subpath.closed = true;
    auto& segments = subpath.segments;
    if (segments.size() > 1) {
        Vec first = segments.front().anchor, last = segments.back().anchor;
        double tolerance = 1e-9 * std::max({1.0, std::abs(first.x), std::abs(first.y)});
        if (std::abs(first.x - last.x) <= tolerance && std::abs(first.y - last.y) <= tolerance) {
            segments.front().in = segments.back().in;
            segments.pop_back();
        }
    }
    current_ = start_;
}

bool parsePathData(std::string_view data, PathBuilder& builder) {
    const char* p = data.data();
    const char* end = p + data.size();
    char command = 0;
    char previous = 0;
    Vec lastControl;  // second control point of the last C/S, or control of the last Q/T
    bool started = false;
    auto number = [&](double& out) {
        skipSeparators(p, end);
        return parseNumber(p, end, out);
    };
    auto pair = [&](Vec& out, bool relative) {
        if (!number(out.x) || !number(out.y)) return false;
        if (relative) {
            out.x += builder.current().x;
            out.y += builder.current().y;
        }
        return true;
    };
    skipSpaces(p, end);
    while (true) {
        skipSeparators(p, end);
        if (p >= end) return true;
        if (!startsNumber(*p)) {
            command = *p++;
        } else if (command == 0 || command == 'z' || command == 'Z') {
            return false;  // numbers without a command
        } else if (command == 'M') {
            command = 'L';  // further pairs after a moveto are linetos
        } else if (command == 'm') {
            command = 'l';
        }
        bool relative = command >= 'a' && command <= 'z';
        char upper = relative ? static_cast<char>(command - 'a' + 'A') : command;
        if (!started && upper != 'M') return false;
        Vec current = builder.current();
        switch (upper) {
            case 'M': {
                Vec target;
                if (!pair(target, relative && started)) return false;
                builder.moveTo(target);
                started = true;
                break;
            }
            case 'L': {
                Vec target;
                if (!pair(target, relative)) return false;
                builder.lineTo(target);
                break;
            }
            case 'H': {
                double x;
                if (!number(x)) return false;
                builder.lineTo({relative ? current.x + x : x, current.y});
                break;
            }
            case 'V': {
                double y;
                if (!number(y)) return false;
                builder.lineTo({current.x, relative ? current.y + y : y});
                break;
            }
            case 'C': {
                Vec c1, c2, target;
                if (!pair(c1, relative) || !pair(c2, relative) || !pair(target, relative)) return false;
                builder.cubicTo(c1, c2, target);
                lastControl = c2;
                break;
            }
            case 'S': {
                Vec c2, target;
                if (!pair(c2, relative) || !pair(target, relative)) return false;
                Vec c1 = previous == 'C' || previous == 'S'
                             ? Vec{2 * current.x - lastControl.x, 2 * current.y - lastControl.y}
                             : current;
                builder.cubicTo(c1, c2, target);
                lastControl = c2;
                break;
            }
            case 'Q': {
                Vec c, target;
                if (!pair(c, relative) || !pair(target, relative)) return false;
                builder.quadTo(c, target);
                lastControl = c;
                break;
            }
            case 'T': {
                Vec target;
                if (!pair(target, relative)) return false;
                Vec c = previous == 'Q' || previous == 'T'
                            ? Vec{2 * current.x - lastControl.x, 2 * current.y - lastControl.y}
                            : current;
                builder.quadTo(c, target);
                lastControl = c;
                break;
            }
            case 'A': {
                double rx, ry, rotation;
                bool largeArc, sweep;
                Vec target;
                if (!number(rx) || !number(ry) || !number(rotation) || !parseFlag(p, end, largeArc) ||
                    !parseFlag(p, end, sweep) || !pair(target, relative))
                    return false;
                builder.arcTo(rx, ry, rotation, largeArc, sweep, target);
                break;
            }
            case 'Z':
                builder.close();
                break;
            default:
                return false;
        }
        previous = upper;
    }
}

// ---- Transforms

std::optional<Transform> parseTransform(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    Transform result;
    skipSpaces(p, end);
    while (p < end) {
        const char* nameStart = p;
        while (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z'))) ++p;
        std::string_view name(nameStart, static_cast<std::size_t>(p - nameStart));
        skipSpaces(p, end);
        if (p >= end || *p != '(') return std::nullopt;
        ++p;
        double values[6];
        int count = 0;
        skipSpaces(p, end);
        while (p < end && *p != ')') {
            if (count == 6 || !parseNumber(p, end, values[count])) return std::nullopt;
            ++count;
            skipSeparators(p, end);
        }
        if (p >= end) return std::nullopt;
        ++p;
        Transform t;
        constexpr double kDegree = std::numbers::pi / 180.0;
        if (name == "matrix" && count == 6) {
            t = {values[0], values[1], values[2], values[3], values[4], values[5]};
        } else if (name == "translate" && (count == 1 || count == 2)) {
            t = Transform::translate(values[0], count == 2 ? values[1] : 0);
        } else if (name == "scale" && (count == 1 || count == 2)) {
            t = Transform::scale(values[0], count == 2 ? values[1] : values[0]);
        } else if (name == "rotate" && (count == 1 || count == 3)) {
            double a = values[0] * kDegree;
            Transform r{std::cos(a), std::sin(a), -std::sin(a), std::cos(a), 0, 0};
            t = count == 3 ? Transform::translate(values[1], values[2]) * r * Transform::translate(-values[1], -values[2]) : r;
        } else if (name == "skewX" && count == 1) {
            t = {1, 0, std::tan(values[0] * kDegree), 1, 0, 0};
        } else if (name == "skewY" && count == 1) {
            t = {1, std::tan(values[0] * kDegree), 0, 1, 0, 0};
        } else {
            return std::nullopt;
        }
        result = result * t;
        skipSeparators(p, end);
    }
    for (double v : {result.a, result.b, result.c, result.d, result.e, result.f})
        if (!std::isfinite(v) || std::abs(v) > kMaxNumber) return std::nullopt;
    return result;
}

// ---- Colours

namespace {

int hexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The arguments of a functional notation: numbers with optional '%', separated by commas or
// spaces (and an optional '/' before the alpha).
bool functionArguments(std::string_view inner, std::vector<std::pair<double, bool>>& out) {
    const char* p = inner.data();
    const char* end = p + inner.size();
    skipSpaces(p, end);
    while (p < end) {
        double value;
        if (!parseNumber(p, end, value)) return false;
        bool percent = p < end && *p == '%';
        if (percent) ++p;
        out.emplace_back(value, percent);
        skipSpaces(p, end);
        if (p < end && (*p == ',' || *p == '/')) ++p;
        skipSpaces(p, end);
    }
    return true;
}

double clamp01(double value) { return std::clamp(value, 0.0, 1.0); }

double alphaOf(const std::pair<double, bool>& argument) {
    return clamp01(argument.second ? argument.first / 100.0 : argument.first);
}

Rgb hslToRgb(double hue, double saturation, double lightness) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) hue += 360;
    hue /= 360;
    saturation = clamp01(saturation);
    lightness = clamp01(lightness);
    double q = lightness < 0.5 ? lightness * (1 + saturation) : lightness + saturation - lightness * saturation;
    double p = 2 * lightness - q;
    auto channel = [&](double t) {
        if (t < 0) t += 1;
        if (t > 1) t -= 1;
        if (t < 1.0 / 6) return p + (q - p) * 6 * t;
        if (t < 0.5) return q;
        if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
        return p;
    };
    return {channel(hue + 1.0 / 3), channel(hue), channel(hue - 1.0 / 3)};
}

}  // namespace

ColourResult parseColour(std::string_view text, Colour& out) {
    text = trim(text);
    if (auto icc = text.find("icc-color("); icc != std::string_view::npos && icc > 0) text = trim(text.substr(0, icc));
    if (text.empty()) return ColourResult::invalid;
    if (text[0] == '#') {
        std::string_view hex = text.substr(1);
        int digits[8];
        for (std::size_t i = 0; i < hex.size() && i < 8; ++i)
            if ((digits[i] = hexDigit(hex[i])) < 0) return ColourResult::invalid;
        if (hex.size() == 3 || hex.size() == 4) {
            out.rgb = {digits[0] * 17 / 255.0, digits[1] * 17 / 255.0, digits[2] * 17 / 255.0};
            out.alpha = hex.size() == 4 ? digits[3] * 17 / 255.0 : 1;
            return ColourResult::colour;
        }
        if (hex.size() == 6 || hex.size() == 8) {
            out.rgb = {(digits[0] * 16 + digits[1]) / 255.0, (digits[2] * 16 + digits[3]) / 255.0,
                       (digits[4] * 16 + digits[5]) / 255.0};
            out.alpha = hex.size() == 8 ? (digits[6] * 16 + digits[7]) / 255.0 : 1;
            return ColourResult::colour;
        }
        return ColourResult::invalid;
    }
    std::string lower = lowerCase(text);
    if (lower == "currentcolor") return ColourResult::currentColour;
    if (lower == "transparent") {
        out = {{0, 0, 0}, 0};
        return ColourResult::colour;
    }
    auto open = lower.find('(');
    if (open != std::string::npos && lower.back() == ')') {
        std::string_view name = trim(std::string_view(lower).substr(0, open));
        std::vector<std::pair<double, bool>> arguments;
        if (!functionArguments(std::string_view(lower).substr(open + 1, lower.size() - open - 2), arguments) ||
            (arguments.size() != 3 && arguments.size() != 4))
            return ColourResult::invalid;
        if (name == "rgb" || name == "rgba") {
            // Numbers and percentages do not mix.
            if (arguments[0].second != arguments[1].second || arguments[1].second != arguments[2].second)
                return ColourResult::invalid;
            for (int i = 0; i < 3; ++i)
                out.rgb[i] = clamp01(arguments[i].second ? arguments[i].first / 100.0 : arguments[i].first / 255.0);
        } else if (name == "hsl" || name == "hsla") {
            out.rgb = hslToRgb(arguments[0].first, arguments[1].first / 100.0, arguments[2].first / 100.0);
        } else {
            return ColourResult::invalid;
        }
        out.alpha = arguments.size() == 4 ? alphaOf(arguments[3]) : 1;
        return ColourResult::colour;
    }
    Rgb rgb;
    if (namedColour(lower, rgb)) {
        out = {rgb, 1};
        return ColourResult::colour;
    }
    return ColourResult::invalid;
}

}  // namespace kelvo::io::svg
