// The paint of a frame: random fill, opacity and swatch, the drop shadow and the sketch copies.
#include "edge_paint.h"

#include <cmath>

#include "edge_path_ops.h"
#include "plugin.h"

namespace {

// ---- Colours. The steps change gray, four-colour and three-colour records and leave every
// other kind (none, pattern, gradient, spot) as it is, unless a swatch replaces it whole.

void setBlack(KvColour& colour) {
    switch (colour.kind) {
    case kColourGray: colour.channel[0] = 1.0f; break;
    case kColourFour:
        for (float& channel : colour.channel) channel = 1.0f;
        break;
    case kColourThree:
        for (int i = 0; i < 3; ++i) colour.channel[i] = 0.0f;
        break;
    default: break;
    }
}

void setWhite(KvColour& colour) {
    switch (colour.kind) {
    case kColourGray: colour.channel[0] = 0.0f; break;
    case kColourFour:
        for (float& channel : colour.channel) channel = 0.0f;
        break;
    case kColourThree:
        for (int i = 0; i < 3; ++i) colour.channel[i] = 1.0f;
        break;
    default: break;
    }
}

// One draw per changed channel: gray, or the first three channels (four-colour black stays).
void setRandomColour(KvColour& colour) {
    switch (colour.kind) {
    case kColourGray: colour.channel[0] = drawRandom(); break;
    case kColourFour:
    case kColourThree:
        for (int i = 0; i < 3; ++i) colour.channel[i] = drawRandom();
        break;
    default: break;
    }
}

// " Reduced": every channel of the kind times 0.8, four-colour black included.
void reduceColour(KvColour& colour) {
    int channels = 0;
    switch (colour.kind) {
    case kColourGray: channels = 1; break;
    case kColourFour: channels = 4; break;
    case kColourThree: channels = 3; break;
    default: break;
    }
    for (int i = 0; i < channels; ++i) colour.channel[i] *= 0.8f;
}

// A random colour from the document's swatch list. Positions 0 and 1 are never chosen; the
// draw can name position `swatchCount`, one past the end of the list, and a short list may not
// hold position 2: the colour then stays as it is (false).
bool drawSwatchColour(int32_t swatchCount, KvColour* colour) {
    int32_t position = truncToInt(drawRandom() * static_cast<float>(swatchCount)) + 1;
    if (position > swatchCount) position = swatchCount;
    if (position < 0) position = 0;
    if (position == 0 || position == 1) position = 2;
    if (position >= swatchCount) return false;

    KvSwatchHandle swatch = nullptr;
    if (sSwatch->getSwatchAt(nullptr, position, &swatch) != kResultOk || swatch == nullptr) return false;
    KvColour found{};
    if (sSwatch->getSwatchColour(swatch, &found) != kResultOk) return false;
    *colour = found;
    return true;
}

// ---- Fill steps.

void randomizeFill(KvArtHandle frame) {
    KvPathStyle style{};
    if (sPathStyle->getPathStyle(frame, &style) != kResultOk) return;
    setRandomColour(style.fill);  // the fill paint flag is left alone: an unfilled frame stays so
    sPathStyle->setPathStyle(frame, &style);
}

void fillFromSwatch(KvArtHandle frame, int32_t swatchCount) {
    KvPathStyle style{};
    const bool haveStyle = sPathStyle->getPathStyle(frame, &style) == kResultOk;
    if (!drawSwatchColour(swatchCount, &style.fill) || !haveStyle) return;
    style.fillPaint = 1;
    sPathStyle->setPathStyle(frame, &style);
}

// ---- Drop shadow.

// The colour kind and channel count of a document colour model; false for an unknown model.
bool kindOfModel(int16_t model, int32_t* kind, int* channels) {
    switch (model) {
    case kColourModelGray: *kind = kColourGray; *channels = 1; return true;
    case kColourModelThree: *kind = kColourThree; *channels = 3; return true;
    case kColourModelFour: *kind = kColourFour; *channels = 4; return true;
    default: return false;
    }
}

// Black of the document's model: gray 1, three-colour (0, 0, 0), four-colour (1, 1, 1, 1).
void shadowBlack(KvColour& fill, int16_t model) {
    int32_t kind = 0;
    int channels = 0;
    if (!kindOfModel(model, &kind, &channels)) return;
    fill = KvColour{};
    fill.kind = kind;
    setBlack(fill);
}

// "Half fill shadow": the model's channels of the fill as stored, halved, taken as a colour of
// the document's model. Only gray, four-colour and three-colour fills have channels to halve.
void shadowHalfFill(KvColour& fill, int16_t model) {
    int32_t kind = 0;
    int channels = 0;
    if (!kindOfModel(model, &kind, &channels)) return;
    if (fill.kind != kColourGray && fill.kind != kColourFour && fill.kind != kColourThree) return;
    for (int i = 0; i < 4; ++i) fill.channel[i] = i < channels ? fill.channel[i] * 0.5f : 0.0f;
    fill.kind = kind;
    fill.reference = 0;
}

KvResult addDropShadow(KvArtHandle frame, const EdgeFrameParams& record) {
    KvArtHandle shadow = nullptr;
    KV_PROPAGATE(sArt->duplicateArt(frame, kPlaceBelow, frame, &shadow));

    KvPathStyle style{};
    if (sPathStyle->getPathStyle(frame, &style) == kResultOk) {
        int16_t model = -1;
        if (sDocument->getDocumentColourModel(&model) != kResultOk) model = -1;
        if (record.shadowHalfFill) {
            shadowHalfFill(style.fill, model);
        } else {
            shadowBlack(style.fill, model);
        }
        sPathStyle->setPathStyle(shadow, &style);
    }

    float dx = 20.0f;
    float dy = -20.0f;
    if (record.shadowRandomDirection) {
        dx = 20.0f * drawSignedUnit();
        dy = -20.0f * drawSignedUnit();
    }
    if (record.shadowRandomOpacity) sBlend->setOpacity(shadow, drawRandom());

    KvRealMatrix move{};
    sMath->matrixSetTranslate(&move, dx, dy);
    KV_PROPAGATE(sTransform->transformArt(shadow, &move, 1.0f, kTransformObjects));

    if (record.shadowRandomScale) {
        // Squashed vertically toward its bottom edge. A shadow without segments has no
        // bounds to scale about.
        int16_t segmentCount = 0;
        KV_PROPAGATE(sPath->getPathSegmentCount(shadow, &segmentCount));
        if (segmentCount > 0) {
            KvRealRect bounds{};
            KV_PROPAGATE(sArt->getArtBounds(shadow, &bounds));
            const float centreX = (bounds.left + bounds.right) / 2.0f;
            KvRealMatrix squash{};
            sMath->matrixSetTranslate(&squash, -centreX, -bounds.bottom);
            sMath->matrixConcatScale(&squash, 1.0f, drawRandom());
            sMath->matrixConcatTranslate(&squash, centreX, bounds.bottom);
            KV_PROPAGATE(sTransform->transformArt(shadow, &squash, 1.0f, kTransformObjects));
        }
    }
    return kResultOk;
}

// ---- Sketch copies.

// Offsets given to anchor y, in x and out y of the last segment a sketch shift moved; " Use
// shift" turns them into a colour. All 0 when nothing moved.
struct SketchOffsets {
    float anchorY = 0.0f, inX = 0.0f, outY = 0.0f;
};

// Moves every coordinate of the copy by (dx, dy). With "Sketch shift (R)" each coordinate
// draws its own sign and then its own fraction of the shift.
KvResult shiftSketch(KvArtHandle copy, float dx, float dy, bool randomShift, SketchOffsets* last) {
    auto offset = [randomShift](float shift) {
        if (!randomShift) return shift;
        const float sign = signFromDraw(drawRandom());
        return sign * shift * drawRandom();
    };
    return editEachSegment(copy, [&](KvPathSegment& s) {
        s.anchor.x += offset(dx);
        const float anchorY = offset(dy);
        s.anchor.y += anchorY;
        const float inX = offset(dx);
        s.in.x += inX;
        s.in.y += offset(dy);
        s.out.x += offset(dx);
        const float outY = offset(dy);
        s.out.y += outY;
        *last = {anchorY, inX, outY};
    });
}

// " Use shift (otherwise black)": the last offsets as fractions of the shift, kept in 0 ... 1.
void colourFromShift(KvColour& colour, const SketchOffsets& last, float shift) {
    switch (colour.kind) {
    case kColourGray: colour.channel[0] = clampUnit(last.outY / shift); break;
    case kColourFour:
    case kColourThree:
        colour.channel[0] = clampUnit(last.outY / shift);
        colour.channel[1] = clampUnit(last.anchorY / shift);
        colour.channel[2] = clampUnit(last.inX / shift);
        break;
    default: break;
    }
}

void setRandomOpacity(KvArtHandle art) { sBlend->setOpacity(art, drawRandom()); }

// The sketch colour option on the copy's stroke colour; some options also set its opacity.
void applySketchColour(KvArtHandle copy, KvColour& stroke, const EdgeFrameParams& record,
                       const EdgePaintContext& context, const SketchOffsets& last) {
    switch (record.sketchColour) {
    case 0: setBlack(stroke); break;  // " Sketch color options - Use black"
    case 1: break;                    // " Use same color as original path"
    case 2: setRandomColour(stroke); break;
    case 3: drawSwatchColour(context.swatchCount, &stroke); break;
    case 4: reduceColour(stroke); break;
    case 5:  // " Random reduced"
        if (drawRandom() > 0.5f) reduceColour(stroke);
        break;
    case 6:  // " Random black / color"
        if (drawRandom() > 0.5f) {
            setBlack(stroke);
        } else {
            setRandomColour(stroke);
        }
        break;
    case 7:  // " Use shift (otherwise black)"
        if (record.sketchShift == 0.0f) {
            setBlack(stroke);
        } else {
            colourFromShift(stroke, last, record.sketchShift);
        }
        break;
    case 8:
        setRandomOpacity(copy);
        setBlack(stroke);
        break;
    case 9:
        setRandomOpacity(copy);
        setRandomColour(stroke);
        break;
    case 10: {  // " Reducing opacity": every copy gets 0.8 of the frame's opacity
        float opacity = 0.0f;
        if (sBlend->getOpacity(copy, &opacity) == kResultOk) sBlend->setOpacity(copy, clampUnit(opacity * 0.8f));
        break;
    }
    case 11:
        setRandomOpacity(copy);
        setWhite(stroke);
        break;
    default: break;
    }
}

KvResult addSketchCopy(KvArtHandle frame, const EdgeFrameParams& record, const EdgePaintContext& context) {
    // Every copy is made from the frame itself, never from the copy before it.
    KvArtHandle copy = nullptr;
    KV_PROPAGATE(sArt->duplicateArt(frame, kPlaceAboveAll, frame, &copy));

    const float dx = drawSignedUnit() * record.sketchShift;
    const float dy = drawSignedUnit() * record.sketchShift;
    SketchOffsets last;
    if (dx != 0.0f || dy != 0.0f) KV_PROPAGATE(shiftSketch(copy, dx, dy, record.sketchRandomShift != 0, &last));

    KvPathStyle style{};
    if (sPathStyle->getPathStyle(copy, &style) != kResultOk) return kResultOk;
    style.strokePaint = 1;
    applySketchColour(copy, style.stroke, record, context, last);
    style.fillPaint = 0;
    float width = context.sketchWidth;
    if (record.sketchRandomWeight) width = drawRandom() * context.sketchWidth;
    // The host refuses a width that is not finite, and with it the whole style: such a width
    // leaves the copy's own, and the copy still gets the rest of its sketch paint.
    if (std::isfinite(width)) style.strokeWidth = width > 0.0f ? width : 0.0f;
    sPathStyle->setPathStyle(copy, &style);
    return kResultOk;
}

}  // namespace

KvResult PaintFrame(KvArtHandle frame, const EdgeFrameParams& record, const EdgePaintContext& context,
                    EdgePaintStage stage) {
    if (stage == EdgePaintStage::Fill) {
        if (record.randomFill) randomizeFill(frame);
        if (record.randomOpacity) sBlend->setOpacity(frame, drawRandom());
        if (record.randomSwatch) fillFromSwatch(frame, context.swatchCount);
        return kResultOk;
    }

    if (record.dropShadow) KV_PROPAGATE(addDropShadow(frame, record));
    for (int32_t copy = 0; copy < record.sketchRepeats; ++copy) KV_PROPAGATE(addSketchCopy(frame, record, context));
    return kResultOk;
}
