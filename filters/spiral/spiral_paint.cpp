// Stroke colour and line-weight modes of separate spiral arms.
#include "spiral_paint.h"

#include <algorithm>

#include "plugin.h"
#include "spiral_numbers.h"

namespace {

enum ColourMode : int32_t {
    kColourIgnore = 0,
    kColourAdd = 1,
    kColourAccumulate = 2,
    kColourPulsed = 3,
    kColourRapidPulse = 4,
    kColourSwap = 5,
    kColourBlackFromDialog = 6,
    kColourAddRandom = 7,
    kColourAccumulateRandom = 8,
    kColourAddRandomBlack = 9,
    kColourAccumulateRandomBlack = 10,
    kColourRandom = 11,
    kColourRandomWithin = 12,
    kColourTarget = 13,
    kColourTargetApprox = 14,
    kColourSwatch = 15,
};

enum WeightMode : int32_t {
    kWeightIgnore = 0,
    kWeightAdd = 1,
    kWeightAccumulate = 2,
    kWeightPulsed = 3,
    kWeightRapidPulse = 4,
    kWeightSwap = 5,
    kWeightAddRandom = 6,
    kWeightAccumulateRandom = 7,
    kWeightRandomTen = 8,
    kWeightRandomWithin = 9,
    kWeightTarget = 10,
    kWeightTargetApprox = 11,
    kWeightMultiplied = 12,
    kWeightEitherWay = 13,
    kWeightEitherWayAccumulate = 14,
};

constexpr float kMaxStrokeWidth = 50.0f;

float drawRandom() { return sRandom->randomDraw(); }

// Channels the modes change for a colour kind; 0 for kinds they leave alone.
int channelCount(int32_t kind) {
    switch (kind) {
    case kColourGray: return 1;
    case kColourFour: return 4;
    case kColourThree: return 3;
    default: return 0;
    }
}

// The values the arms take: i is the arm index (skipped arms counted), n = i + 1, L the points
// per arm times the arms, W the weight step.
struct ArmInputs {
    int32_t i, n, L;
    float W;
};

// A random colour from the document's swatch list. Positions 0 and 1 are never chosen; the draw
// can name one past the end of the list, and a short list may not hold position 2: the colour
// then stays as it is.
void takeSwatchColour(KvPathStyle& style) {
    const int32_t count = std::max(sSwatch->countSwatches(nullptr), 0);
    int32_t position = addSaturated(truncToInt(drawRandom() * static_cast<float>(count)), 1);
    if (position > count) position = count;
    if (position < 0) position = 0;
    if (position == 1 || position == 0) position = 2;

    KvSwatchHandle swatch = nullptr;
    if (sSwatch->getSwatchAt(nullptr, position, &swatch) != kResultOk || swatch == nullptr) return;
    KvColour colour{};
    if (sSwatch->getSwatchColour(swatch, &colour) != kResultOk) return;
    style.stroke = colour;
    style.strokePaint = 1;
}

// One channel x of the stroke under `mode`, with its step d. `black` is true for the black
// channel of a four-colour stroke. Random draws are taken channel by channel.
float changedChannel(int32_t mode, float x, float d, float blackStep, bool black, const ArmInputs& arm) {
    const float n = static_cast<float>(arm.n);
    const float L = static_cast<float>(arm.L);
    switch (mode) {
    case kColourAdd: return x + d;
    case kColourAccumulate: return x + d * n;
    case kColourPulsed: return x + d * static_cast<float>(arm.n % 10);
    case kColourRapidPulse: return x + d * static_cast<float>(arm.n % 3);
    case kColourSwap: return x + d * static_cast<float>(static_cast<int64_t>(arm.L) - arm.i);
    case kColourBlackFromDialog: return black ? blackStep : x + d * n;
    case kColourAddRandom: return x + drawRandom() * d;
    case kColourAccumulateRandom: return x + drawRandom() * d * n;
    case kColourAddRandomBlack: return black ? blackStep : x + drawRandom() * d;
    case kColourAccumulateRandomBlack: return black ? blackStep : x + drawRandom() * d * n;
    case kColourRandomWithin: return drawRandom() * d;
    // The target modes move toward the dialog value by a share of L; with no points they stay.
    case kColourTarget: return arm.L == 0 ? x : x - (x - d) * n / L;
    case kColourTargetApprox: return arm.L == 0 ? x : x - (x - d) / L;
    default: return x;
    }
}

void changeStrokeColour(KvColour& stroke, int32_t mode, const float values[4], const ArmInputs& arm) {
    const int channels = channelCount(stroke.kind);
    const float scale = stroke.kind == kColourThree ? 255.0f : 100.0f;
    float steps[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    for (int c = 0; c < channels; ++c) steps[c] = sMath->divide(values[c], scale);
    const bool four = stroke.kind == kColourFour;
    for (int c = 0; c < channels; ++c) {
        float& x = stroke.channel[c];
        if (mode == kColourRandom) {
            const float r = drawRandom();
            x = stroke.kind == kColourThree ? r * 2.55f : r;
        } else {
            x = changedChannel(mode, x, steps[c], steps[3], four && c == 3, arm);
        }
    }
}

void limitStrokeColour(KvColour& stroke) {
    const int channels = channelCount(stroke.kind);
    for (int c = 0; c < channels; ++c) stroke.channel[c] = clampReal(stroke.channel[c], 0.0f, 1.0f);
}

float changedWidth(int32_t mode, float w, const ArmInputs& arm) {
    const float n = static_cast<float>(arm.n);
    const float L = static_cast<float>(arm.L);
    const float W = arm.W;
    switch (mode) {
    case kWeightAdd: return w + W;
    case kWeightAccumulate: return w + W * n;
    case kWeightPulsed: return w + W * static_cast<float>(arm.n % 10);
    case kWeightRapidPulse: return w + W * static_cast<float>(arm.n % 3);
    case kWeightSwap: return w + W * static_cast<float>(static_cast<int64_t>(arm.L) - arm.i);
    case kWeightAddRandom: return w + drawRandom() * W;
    case kWeightAccumulateRandom: return w + drawRandom() * n * W;
    case kWeightRandomTen: return 10.0f * drawRandom();
    case kWeightRandomWithin: return drawRandom() * W;
    case kWeightTarget: return arm.L == 0 ? w : w - (w - W) * n / L;
    case kWeightTargetApprox: return arm.L == 0 ? w : w - (w - W) / L;
    case kWeightMultiplied: return w * W;
    case kWeightEitherWay: return drawRandom() > 0.5f ? w + W : w - W;
    case kWeightEitherWayAccumulate: return drawRandom() > 0.5f ? w + n * W : w - n * W;
    default: return w;
    }
}

}  // namespace

void StyleSpiralArm(KvArtHandle path, int32_t colourMode, int32_t weightMode, int32_t arm, int32_t turnPoints,
                    const float colour[4], float weight) {
    KvPathStyle style{};
    if (sPathStyle->getPathStyle(path, &style) != kResultOk) return;
    const ArmInputs inputs{arm, addSaturated(arm, 1), turnPoints, weight};

    if (colourMode == kColourSwatch) {
        takeSwatchColour(style);
    } else if (colourMode != kColourIgnore) {
        changeStrokeColour(style.stroke, colourMode, colour, inputs);
    }
    limitStrokeColour(style.stroke);
    style.strokeWidth = clampReal(changedWidth(weightMode, style.strokeWidth, inputs), 0.0f, kMaxStrokeWidth);
    sPathStyle->setPathStyle(path, &style);
}
