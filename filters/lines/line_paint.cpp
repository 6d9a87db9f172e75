// Fill, stroke and width modes of a line.
#include "line_paint.h"

#include "line_numbers.h"
#include "plugin.h"

namespace {

enum : int32_t {
    kModeIgnore = 0,
    kModeAdd = 1,
    kModeAccumulate = 2,
    kModePulsed = 3,
    kModeRapidPulse = 4,
    kModeSwap = 5,
    kModeSetBlack = 6,
    kModeAddRandom = 7,
    kModeAccumulateRandom = 8,
    kModeAddRandomSetBlack = 9,
    kModeAccumulateRandomSetBlack = 10,
    kModeRandom = 11,
    kModeRandomWithin = 12,
    kModeTarget = 13,
    kModeTargetApprox = 14,
    kLastChannelMode = 14,
    kFillSwatches = 15,
    kFillSwatchesByBlock = 16,
    kFillSwatchesByLine = 17,
    kFillSwatchesByLineAlternate = 18,
    kFillRunThrough = 19,
};

// Channels the modes change: one for gray, four for four-colour, three for three-colour, none
// for any other kind.
int channelCount(int32_t kind) {
    switch (kind) {
    case kColourGray: return 1;
    case kColourFour: return 4;
    case kColourThree: return 3;
    default: return 0;
    }
}

// The step of each channel: the dialog values as percentages for gray and four-colour, as
// levels out of 255 for three-colour.
void channelSteps(int32_t kind, const float values[4], double steps[4]) {
    const double scale = kind == kColourThree ? 255.0 : 100.0;
    for (int k = 0; k < 4; ++k) steps[k] = static_cast<double>(values[k]) / scale;
}

double draw() { return sRandom->randomDraw(); }

// One channel mode on x with step d for line j (n = j + 1) of L.
double channelMode(int32_t mode, double x, double d, int32_t j, int32_t L) {
    const int64_t n = static_cast<int64_t>(j) + 1;
    switch (mode) {
    case kModeAdd: return x + d;
    case kModeAccumulate: return x + d * n;
    case kModePulsed: return x + d * (n % 10);
    case kModeRapidPulse: return x + d * (n % 3);
    case kModeSwap: return x + d * (static_cast<int64_t>(L) - j);
    case kModeAddRandom: return x + draw() * d;
    case kModeAccumulateRandom: return x + draw() * d * n;
    case kModeRandom: return draw();
    case kModeRandomWithin: return draw() * d;
    // The targets divide by the line count, which is at least 1 whenever a line is painted.
    case kModeTarget: return L > 0 ? x - (x - d) * n / L : x;
    case kModeTargetApprox: return L > 0 ? x - (x - d) / L : x;
    default: return x;
    }
}

// Modes 6, 9 and 10 are 2, 7 and 8 with a four-colour black set to its step.
int32_t baseModeOf(int32_t mode) {
    switch (mode) {
    case kModeSetBlack: return kModeAccumulate;
    case kModeAddRandomSetBlack: return kModeAddRandom;
    case kModeAccumulateRandomSetBlack: return kModeAccumulateRandom;
    default: return mode;
    }
}

// Applies a channel mode to every channel of the colour, first to last (so the random draws of
// one line come in channel order). Steps come from the colour's kind as it is now.
void applyChannelMode(KvColour& colour, int32_t mode, const float values[4], int32_t j, int32_t L) {
    if (mode <= kModeIgnore || mode > kLastChannelMode) return;
    const int count = channelCount(colour.kind);
    double steps[4];
    channelSteps(colour.kind, values, steps);
    const bool setsBlack = baseModeOf(mode) != mode && colour.kind == kColourFour;
    for (int k = 0; k < count; ++k) {
        if (setsBlack && k == 3) {
            colour.channel[k] = static_cast<float>(steps[3]);
        } else {
            colour.channel[k] = static_cast<float>(channelMode(baseModeOf(mode), colour.channel[k], steps[k], j, L));
        }
    }
}

void limitChannels(KvColour& colour) {
    const int count = channelCount(colour.kind);
    for (int k = 0; k < count; ++k) colour.channel[k] = clampTo(colour.channel[k], 0.0f, 1.0f);
}

// The swatch position a swatch mode picks, with positions 0 and 1 never used. False when there
// is nothing to pick from (" Run through" with an empty list).
bool swatchPosition(int32_t mode, int32_t swatchCount, int32_t j, int32_t L, int32_t i, int32_t B, int32_t* out) {
    const double N = swatchCount;
    const double n = static_cast<double>(j) + 1.0;
    int32_t p = 0;
    switch (mode) {
    case kFillSwatches: p = truncToInt(draw() * N) + 1; break;
    case kFillSwatchesByBlock: p = truncToInt(draw() * (static_cast<double>(i) + 1.0) * N / B) + 1; break;
    case kFillSwatchesByLine: p = truncToInt(draw() * n * N / L) + 1; break;
    case kFillSwatchesByLineAlternate:
        if (i % 2 == 0) {
            p = truncToInt(draw() * n * N / L) + 1;
        } else {
            p = truncToInt(draw() * (static_cast<double>(L) - j + 1.0) * N / L) + 1;
        }
        break;
    case kFillRunThrough:
        if (swatchCount <= 0) return false;
        p = j % swatchCount;
        break;
    default: return false;
    }
    if (p > swatchCount) p = swatchCount;
    if (p < 0) p = 0;
    if (p == 1 || p == 0) p = 2;
    *out = p;
    return true;
}

// The fill becomes the colour of the swatch at `position`, filled. A position the list does
// not hold leaves the fill and its paint flag as they are.
void fillFromSwatch(KvPathStyle& style, int32_t position) {
    KvSwatchHandle swatch = nullptr;
    if (sSwatch->getSwatchAt(nullptr, position, &swatch) != kResultOk || swatch == nullptr) return;
    KvColour colour{};
    if (sSwatch->getSwatchColour(swatch, &colour) != kResultOk) return;
    style.fill = colour;
    style.fillPaint = 1;
}

// One width mode on w with amount W for line j (n = j + 1) of L.
double widthMode(int32_t mode, double w, double W, int32_t j, int32_t L) {
    const int64_t n = static_cast<int64_t>(j) + 1;
    switch (mode) {
    case 1: return w + W;
    case 2: return w + W * n;
    case 3: return w + W * (n % 10);
    case 4: return w + W * (n % 3);
    case 5: return w + W * (static_cast<int64_t>(L) - j);
    case 6: return w + draw() * W;
    case 7: return w + draw() * n * W;
    case 8: return 10.0 * draw();
    case 9: return draw() * W;
    case 10: return L > 0 ? w - (w - W) * n / L : w;
    case 11: return L > 0 ? w - (w - W) / L : w;
    case 12: return w * W;
    case 13: return draw() > 0.5 ? w + W : w - W;
    case 14: return draw() > 0.5 ? w + n * W : w - n * W;
    default: return w;
    }
}

constexpr float kMaxStrokeWidth = 50.0f;

}  // namespace

KvResult PaintLine(KvArtHandle line, int32_t fillMode, int32_t strokeMode, int32_t widthModeIndex, int32_t j,
                   int32_t L, const float fillValues[4], const float strokeValues[4], float W, int32_t i,
                   int32_t B) {
    const int32_t swatchCount = sSwatch->countSwatches(nullptr);
    KvPathStyle style{};
    KV_PROPAGATE(sPathStyle->getPathStyle(line, &style));

    if (fillMode >= kFillSwatches) {
        int32_t position = 0;
        if (swatchPosition(fillMode, swatchCount, j, L, i, B, &position)) fillFromSwatch(style, position);
    } else {
        applyChannelMode(style.fill, fillMode, fillValues, j, L);
    }
    limitChannels(style.fill);

    applyChannelMode(style.stroke, strokeMode, strokeValues, j, L);
    limitChannels(style.stroke);

    const double width = widthMode(widthModeIndex, style.strokeWidth, W, j, L);
    style.strokeWidth = clampTo(static_cast<float>(width), 0.0f, kMaxStrokeWidth);

    return sPathStyle->setPathStyle(line, &style);
}
