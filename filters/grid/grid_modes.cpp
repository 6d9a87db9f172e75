// The colour and width rules of the grid's paint modes.
#include "grid_modes.h"

#include "grid_numbers.h"

namespace {

// How many channels a colour kind has that the modes change; 0 for the others.
int changedChannels(int32_t kind) {
    switch (kind) {
    case kColourGray: return 1;
    case kColourFour: return 4;
    case kColourThree: return 3;
    default: return 0;
    }
}

// The dialog value that channel c of a colour of `kind` uses.
float valueFor(int32_t kind, int c, const float (&values)[kGridChannelCount], const float (&levels)[3]) {
    if (kind == kColourThree) return levels[c];
    if (kind == kColourGray) return values[3];
    return values[c];
}

float indexFactor(int32_t index) { return static_cast<float>(index) + 1.0f; }

}  // namespace

void applyGridColourMode(KvColour& colour, int32_t mode, int32_t index, int32_t count,
                         const float (&values)[kGridChannelCount], const float (&levels)[3], GridRandomDraw draw) {
    const int channels = changedChannels(colour.kind);
    const float n = static_cast<float>(count);
    const float step = indexFactor(index);
    const bool four = colour.kind == kColourFour;
    for (int c = 0; c < channels; ++c) {
        float& x = colour.channel[c];
        const float v = valueFor(colour.kind, c, values, levels);
        const bool fourBlack = four && c == 3;
        switch (mode) {
        case 1: x += v; break;
        case 2: x += v * step; break;
        case 3: x += v * static_cast<float>((index + 1) % 10); break;
        case 4: x += v * static_cast<float>((index + 1) % 3); break;
        case 5: x += v * static_cast<float>(count - index); break;
        case 6: x = fourBlack ? v : x + v * step; break;
        case 7: x += draw() * v; break;
        case 8: x += draw() * v * step; break;
        case 9: x = fourBlack ? v : x + draw() * v; break;
        case 10: x = fourBlack ? v : x + draw() * v * step; break;
        case 11: x = colour.kind == kColourThree ? 2.55f * draw() : draw(); break;
        case 12: x = draw() * v; break;
        case 13: x -= (x - v) * step / n; break;
        case 14: x -= (x - v) / n; break;
        default: break;  // 0 " ... - Ignore", and entries the lists do not have
        }
    }
}

float applyGridWidthMode(float p, int32_t mode, int32_t index, int32_t count, float w, GridRandomDraw draw) {
    const float n = static_cast<float>(count);
    const float step = indexFactor(index);
    switch (mode) {
    case 1: return p + w;
    case 2: return p + w * step;
    case 3: return p + w * static_cast<float>((index + 1) % 10);
    case 4: return p + w * static_cast<float>((index + 1) % 3);
    case 5: return p + w * static_cast<float>(count - index);
    case 6: return p + draw() * w;
    case 7: return p + draw() * step * w;
    case 8: return 10.0f * draw();
    case 9: return draw() * w;
    case 10: return p - step * (p - w) / n;
    case 11: return p - (p - w) / n;
    case 12: return p * w;
    case 13: return draw() <= 0.5f ? p - w : p + w;
    case 14: return p + (draw() <= 0.5f ? -1.0f : 1.0f) * step * w;
    default: return p;  // 0 " Width - Ignore", and entries the list does not have
    }
}

void clampGridColour(KvColour& colour) {
    const int channels = changedChannels(colour.kind);
    for (int c = 0; c < channels; ++c) colour.channel[c] = clampReal(colour.channel[c], 0.0f, 1.0f);
}

int32_t gridSwatchPosition(float draw, int32_t swatchCount) {
    int32_t position = gridTrunc(draw * static_cast<float>(swatchCount)) + 1;
    if (position > swatchCount) position = swatchCount;
    if (position < 0) position = 0;
    if (position == 0 || position == 1) position = 2;
    return position;
}
