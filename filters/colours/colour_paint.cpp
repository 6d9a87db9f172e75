// The fill and stroke modes, colour options, channel limits and the range test.
#include "colour_paint.h"

#include <cstdint>

#include "colour_numbers.h"

namespace {

// The components a rule works on: the kind's channels and their factors. Empty for the kinds
// the rules leave alone.
struct Components {
    float* x = nullptr;
    const float* f = nullptr;
    int count = 0;
    int32_t kind = kColourNone;
};

Components componentsOf(KvColour& colour, const ColourFactors& factors) {
    switch (colour.kind) {
    case kColourGray: return {colour.channel, &factors.gray, 1, kColourGray};
    case kColourFour: return {colour.channel, factors.four, 4, kColourFour};
    case kColourThree: return {colour.channel, factors.three, 3, kColourThree};
    default: return {};
    }
}

int componentCount(const KvColour& colour) {
    switch (colour.kind) {
    case kColourGray: return 1;
    case kColourFour: return 4;
    case kColourThree: return 3;
    default: return 0;
    }
}

float sumOf(const Components& c) {
    float sum = 0.0f;
    for (int i = 0; i < c.count; ++i) sum += c.x[i];
    return sum;
}

// x = x + r·f for the first `count` components, one draw each.
void addRandomShare(const Components& c, int count, ColourRandomDraw draw) {
    for (int i = 0; i < count; ++i) c.x[i] = c.x[i] + draw() * c.f[i];
}

// Modes 4 and 5 on three-colour and gray, and mode 4 on four-colour: a random share of the
// mean added to every component; gray grows by a random share of itself.
void addRandomAverage(const Components& c, ColourRandomDraw draw) {
    if (c.kind == kColourGray) {
        c.x[0] = (draw() + 1.0f) * c.x[0];
        return;
    }
    const float d = draw() * sumOf(c) / static_cast<float>(c.count);
    for (int i = 0; i < c.count; ++i) c.x[i] = c.x[i] + d;
}

// Modes 11 and 12: random components. Three-colour levels are 2.55 r, which the clamp then
// limits to 1; mode 12 keeps four-colour black.
void randomComponents(const Components& c, bool keepBlack, ColourRandomDraw draw) {
    if (c.kind == kColourThree) {
        for (int i = 0; i < 3; ++i) c.x[i] = 2.55f * draw();
        return;
    }
    const int count = (c.kind == kColourFour && keepBlack) ? 3 : c.count;
    for (int i = 0; i < count; ++i) c.x[i] = draw();
}

// Fill mode `mode` (0 to 12) on one colour; `strokeTwin` marks the stroke mode, which differs
// in mode 5's black.
void applyChannelMode(KvColour& colour, int32_t mode, const ColourFactors& factors, bool strokeTwin,
                      ColourRandomDraw draw) {
    const Components c = componentsOf(colour, factors);
    if (c.count == 0) return;
    const bool four = c.kind == kColourFour;
    switch (mode) {
    case 0: addRandomShare(c, c.count, draw); break;
    case 1:
        for (int i = 0; i < c.count; ++i) c.x[i] = draw() * c.f[i];
        break;
    case 2:
        if (!four) {
            addRandomShare(c, c.count, draw);
            break;
        }
        addRandomShare(c, 3, draw);
        c.x[3] = c.f[3];
        break;
    case 3:
        if (!four) {
            addRandomShare(c, c.count, draw);
            break;
        }
        addRandomShare(c, 3, draw);
        c.x[3] = draw() * c.f[3];
        break;
    case 4: addRandomAverage(c, draw); break;
    case 5: {
        if (!four) {
            addRandomAverage(c, draw);
            break;
        }
        const float d = draw() * sumOf(c) / 4.0f;
        for (int i = 0; i < 3; ++i) c.x[i] = c.x[i] + d;
        if (strokeTwin) {
            c.x[3] = draw() * c.f[3];
        } else {
            const float r = draw();
            const float rPrime = draw();
            c.x[3] = r * rPrime * c.f[3];
        }
        break;
    }
    case 6: {
        const float r = draw();  // one draw for the whole colour
        for (int i = 0; i < c.count; ++i) c.x[i] = c.x[i] + r * c.f[i];
        break;
    }
    case 7:
        for (int i = 0; i < c.count; ++i) c.x[i] = (draw() * c.f[i] + 1.0f) * c.x[i];
        break;
    case 8:
        for (int i = 0; i < c.count; ++i) c.x[i] = draw() * c.x[i] * c.f[i];
        break;
    case 9:
        for (int i = 0; i < c.count; ++i) c.x[i] = c.x[i] * c.f[i];
        break;
    case 10:
        for (int i = 0; i < c.count; ++i) c.x[i] = c.x[i] + c.f[i];
        break;
    case 11: randomComponents(c, false, draw); break;
    case 12: randomComponents(c, true, draw); break;
    default: break;
    }
}

// The swatch modes: the colour and its paint flag are replaced together, or not at all.
void applySwatch(KvColour& colour, int32_t& paint, int32_t swatchCount, ColourRandomDraw draw,
                 SwatchColourLookup lookup) {
    const int32_t position = swatchPositionOf(draw(), swatchCount);
    KvColour found{};
    if (lookup == nullptr || !lookup(position, &found)) return;
    colour = found;
    paint = 1;
}

constexpr int32_t kSwatchMode = 13;

void negate(KvColour& colour) {
    const int count = componentCount(colour);
    for (int i = 0; i < count; ++i) colour.channel[i] = 1.0f - colour.channel[i];
}

void average(KvColour& colour) {
    if (colour.kind != kColourFour && colour.kind != kColourThree) return;
    const int count = componentCount(colour);
    float sum = 0.0f;
    for (int i = 0; i < count; ++i) sum += colour.channel[i];
    const float mean = sum / static_cast<float>(count);
    for (int i = 0; i < count; ++i) colour.channel[i] = mean;
}

void clampColour(KvColour& colour) {
    const int count = componentCount(colour);
    for (int i = 0; i < count; ++i) colour.channel[i] = clampUnit(colour.channel[i]);
}

}  // namespace

ColourFactors colourFactorsOf(const ColourParams& record) {
    ColourFactors factors{};
    factors.gray = record.channel[3] / 100.0f;
    for (int i = 0; i < 4; ++i) factors.four[i] = record.channel[i] / 100.0f;
    for (int i = 0; i < 3; ++i) factors.three[i] = record.channel[i] / 255.0f;
    return factors;
}

ColourFactors scaleFactors(const ColourFactors& factors, float multiplier) {
    auto scaled = [&](float factor) { return saturateFactor(static_cast<double>(factor) * multiplier); };
    ColourFactors out{};
    out.gray = scaled(factors.gray);
    for (int i = 0; i < 4; ++i) out.four[i] = scaled(factors.four[i]);
    for (int i = 0; i < 3; ++i) out.three[i] = scaled(factors.three[i]);
    return out;
}

bool passesRangeTest(const KvColour& fill, float low, float high) {
    float value = 0.0f;
    float scale = 100.0f;
    switch (fill.kind) {
    case kColourGray: value = fill.channel[0]; break;
    case kColourFour:
        value = (fill.channel[0] + fill.channel[1] + fill.channel[2] + fill.channel[3]) / 4.0f;
        break;
    case kColourThree:
        value = (fill.channel[0] + fill.channel[1] + fill.channel[2]) / 3.0f;
        scale = 255.0f;
        break;
    default: return true;
    }
    return value >= low / scale && value <= high / scale;  // false for a NaN bound
}

int32_t swatchPositionOf(float draw, int32_t swatchCount) {
    int64_t position = static_cast<int64_t>(truncToInt(draw * static_cast<float>(swatchCount))) + 1;
    if (position > swatchCount) position = swatchCount;
    if (position < 0) position = 0;
    if (position == 0 || position == 1) position = 2;
    return static_cast<int32_t>(position);
}

int32_t graphicStyleIndexOf(float draw, int32_t styleCount) {
    int32_t index = truncToInt(draw * static_cast<float>(styleCount));
    if (index == 0 && styleCount > 0) index = 1;
    return index >= 0 && index < styleCount ? index : -1;
}

int32_t blendingModeOf(float draw) {
    const int32_t mode = truncToInt(20.0f * draw);
    return mode > 15 ? 0 : mode;
}

void applyColourMode(KvPathStyle& style, int32_t mode, const ColourFactors& factors, int32_t swatchCount,
                     ColourRandomDraw draw, SwatchColourLookup lookup) {
    if (mode < 0 || mode >= kColourModeCount) return;
    const bool stroke = mode >= kFirstStrokeMode;
    const int32_t fillMode = stroke ? mode - kFirstStrokeMode : mode;
    KvColour& colour = stroke ? style.stroke : style.fill;
    if (fillMode == kSwatchMode) {
        applySwatch(colour, stroke ? style.strokePaint : style.fillPaint, swatchCount, draw, lookup);
    } else {
        applyChannelMode(colour, fillMode, factors, stroke, draw);
    }
}

void applyColourOption(KvPathStyle& style, int32_t option) {
    switch (option) {
    case kColourOptionNegativeFill: negate(style.fill); break;
    case kColourOptionNegativeStroke: negate(style.stroke); break;
    case kColourOptionAverageFill: average(style.fill); break;
    case kColourOptionAverageStroke: average(style.stroke); break;
    default: break;
    }
}

void clampColours(KvPathStyle& style) {
    clampColour(style.stroke);
    clampColour(style.fill);
}
