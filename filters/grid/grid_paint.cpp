// The paint of a grid element.
#include "grid_paint.h"

#include "grid_modes.h"
#include "grid_numbers.h"
#include "plugin.h"

namespace {

float drawRandom() { return sRandom->randomDraw(); }

constexpr int32_t kSwatchMode = 15;
constexpr float kMaxStrokeWidth = 50.0f;

// Fill mode 15: the whole colour of a random swatch, and the fill painted. A position the list
// does not hold leaves the fill as it was.
void fillFromSwatch(KvPathStyle& style, int32_t swatchCount) {
    const int32_t position = gridSwatchPosition(drawRandom(), swatchCount);
    KvSwatchHandle swatch = nullptr;
    if (sSwatch->getSwatchAt(nullptr, position, &swatch) != kResultOk || swatch == nullptr) return;
    KvColour colour{};
    if (sSwatch->getSwatchColour(swatch, &colour) != kResultOk) return;
    style.fill = colour;
    style.fillPaint = 1;
}

}  // namespace

void PaintGridElement(KvArtHandle element, const GridPaintValues& paint, int32_t index, int32_t count) {
    const int32_t swatchCount = sSwatch->countSwatches(nullptr);
    KvPathStyle style{};
    if (sPathStyle->getPathStyle(element, &style) != kResultOk) return;

    if (paint.fillMode == kSwatchMode) {
        fillFromSwatch(style, swatchCount < 0 ? 0 : swatchCount);
    } else {
        applyGridColourMode(style.fill, paint.fillMode, index, count, paint.fill, paint.fillLevels, drawRandom);
    }
    applyGridColourMode(style.stroke, paint.strokeMode, index, count, paint.stroke, paint.strokeLevels, drawRandom);
    style.strokeWidth = applyGridWidthMode(style.strokeWidth, paint.widthMode, index, count, paint.width, drawRandom);

    clampGridColour(style.fill);
    clampGridColour(style.stroke);
    style.strokeWidth = clampReal(style.strokeWidth, 0.0f, kMaxStrokeWidth);
    sPathStyle->setPathStyle(element, &style);
}
