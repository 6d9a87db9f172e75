// Ravelo's generator: blocks of lines from the record's settings.
#include "line_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "line_geometry.h"
#include "line_numbers.h"
#include "line_paint.h"
#include "plugin.h"

namespace {

// Lines and blocks are counted with 16-bit indices, as path segments are: no run makes more
// than this many of either.
constexpr int32_t kMaxCount = INT16_MAX;

float drawRandom() { return sRandom->randomDraw(); }

// Values that stay the same for the whole run.
struct RunSettings {
    LineShapeKind kind;
    int32_t direction;
    int32_t blockCount, lineCount;
    float scaleStepX, scaleStepY;  // line to line
    float lengthStep, thicknessStep, gapStep, angleStep;  // block to block
    float styleFraction;  // toward the first line's style
    float widthAmount;    // points, for the width modes
    float spinStep;       // radians between blocks turned about the start point
    KvRealPoint start;
};

RunSettings runSettingsOf(const LineParams& record) {
    RunSettings run{};
    run.kind = lineShapeKind(record.shape);
    run.direction = record.direction == kLinesUpwards ? kLinesUpwards : kLinesAcross;
    run.blockCount = std::clamp(record.repeatBlocks, 0, kMaxCount);
    run.lineCount = std::clamp(record.lineCount, 0, kMaxCount);
    run.scaleStepX = sMath->divide(record.scaleX, 100.0f);
    run.scaleStepY = sMath->divide(record.scaleY, 100.0f);
    run.lengthStep = record.lengthFactor * 0.01f;
    run.thicknessStep = record.thicknessFactor * 0.01f;
    run.gapStep = record.gapFactor * 0.01f;
    run.angleStep = record.angleFactor * 0.01f;
    const float fraction = record.styleInterpolate * 0.01f;
    run.styleFraction = std::isfinite(fraction) ? fraction : 0.0f;
    run.widthAmount = record.widthValue * 0.1f;
    // No block, no step: the division is never asked to divide by 0.
    run.spinStep = run.blockCount > 0
                       ? sMath->divide(sMath->degreesToRadians(360.0f), static_cast<float>(run.blockCount))
                       : 0.0f;
    run.start = {record.startX, record.startY};
    return run;
}

// The style of the first line the run creates, read before anything changes it; every line is
// blended toward it.
struct FirstStyle {
    bool taken = false;
    bool valid = false;
    KvPathStyle style{};

    void takeFrom(KvArtHandle art) {
        if (taken) return;
        taken = true;
        valid = sPathStyle->getPathStyle(art, &style) == kResultOk;
    }
};

KvPathSegment cornerFreeSegment(KvRealPoint point) { return {point, point, point, 0}; }

// A stroked two-point path, `thickness` wide. A negative or NaN thickness strokes at width 0,
// where the width limit of the paint step would put it in any case.
KvResult createThinLine(const LineStroke& stroke, float thickness, FirstStyle& first, KvArtHandle* art) {
    KV_PROPAGATE(sArt->newArt(kArtKindPath, kPlaceAboveAll, nullptr, art));
    first.takeFrom(*art);
    KvPathStyle style{};
    if (sPathStyle->getPathStyle(*art, &style) == kResultOk) {
        style.strokePaint = 1;
        style.strokeWidth = thickness > 0.0f ? thickness : 0.0f;
        KV_PROPAGATE(sPathStyle->setPathStyle(*art, &style));
    }
    const KvPathSegment from = cornerFreeSegment(stroke.from);
    const KvPathSegment to = cornerFreeSegment(stroke.to);
    KV_PROPAGATE(sPath->setPathSegments(*art, 0, 1, &from));
    KV_PROPAGATE(sPath->setPathSegments(*art, 1, 1, &to));
    sPath->setPathClosed(*art, 1);
    return kResultOk;
}

// Creates one line's art at stacking position c of the block at `origin`. *art stays null when
// the line's numbers are not finite: such a line is left out.
KvResult createLine(const RunSettings& run, KvRealPoint origin, float c, float thickness, float length,
                    FirstStyle& first, KvArtHandle* art) {
    *art = nullptr;
    if (run.kind.thin) {
        const LineStroke stroke = lineStroke(run.direction, origin, c, thickness, length);
        if (!isFiniteStroke(stroke)) return kResultOk;
        return createThinLine(stroke, thickness, first, art);
    }
    const LineBox box = lineBox(run.direction, origin, c, thickness, length);
    if (!isFiniteBox(box)) return kResultOk;
    if (run.kind.oval) {
        KV_PROPAGATE(sShape->newOval(box.top, box.left, box.bottom, box.right, 0, art));
    } else {
        KV_PROPAGATE(sShape->newRect(box.top, box.left, box.bottom, box.right, 0, art));
    }
    first.takeFrom(*art);
    return kResultOk;
}

// Transforms the line by `matrix` unless the matrix, or the line's bounds mapped by it, would
// not be finite: the host refuses such coordinates, and the line then stays as it is.
KvResult transformIfFinite(KvArtHandle art, const KvRealRect& bounds, const KvRealMatrix& matrix) {
    if (!isFiniteMatrix(matrix)) return kResultOk;
    const KvRealPoint corners[4] = {
        {bounds.left, bounds.top}, {bounds.right, bounds.top}, {bounds.right, bounds.bottom}, {bounds.left, bounds.bottom}};
    for (const KvRealPoint& corner : corners) {
        KvRealPoint mapped{};
        sMath->transformPoint(&matrix, &corner, &mapped);
        if (!isFinitePoint(mapped)) return kResultOk;
    }
    return sTransform->transformArt(art, &matrix, 1.0f, kTransformObjects);
}

// Turns the line by `turn` (radians, only when not 0) and scales it by (sx, sy), both about the
// centre of its bounds.
KvResult turnAndScale(KvArtHandle art, float turn, float sx, float sy) {
    KvRealRect bounds{};
    KV_PROPAGATE(sArt->getArtBounds(art, &bounds));
    const float centreX = (bounds.left + bounds.right) / 2.0f;
    const float centreY = (bounds.top + bounds.bottom) / 2.0f;
    KvRealMatrix matrix{};
    sMath->matrixSetTranslate(&matrix, -centreX, -centreY);
    if (turn != 0.0f) sMath->matrixConcatRotate(&matrix, turn);
    sMath->matrixConcatScale(&matrix, sx, sy);
    sMath->matrixConcatTranslate(&matrix, centreX, centreY);
    return transformIfFinite(art, bounds, matrix);
}

// "Rotate/start": turns the line by `spin` about the start point.
KvResult spinAboutStart(KvArtHandle art, KvRealPoint start, float spin) {
    KvRealRect bounds{};
    KV_PROPAGATE(sArt->getArtBounds(art, &bounds));
    KvRealMatrix matrix{};
    sMath->matrixSetTranslate(&matrix, -start.x, -start.y);
    sMath->matrixConcatRotate(&matrix, spin);
    sMath->matrixConcatTranslate(&matrix, start.x, start.y);
    return transformIfFinite(art, bounds, matrix);
}

// Moves the line's style the fraction 1 - t back toward the first line's: t = 0 keeps its own.
// A style that cannot be read or blended is left as it is.
void blendTowardFirst(KvArtHandle art, const FirstStyle& first, float t) {
    if (!first.valid) return;
    KvPathStyle own{};
    if (sPathStyle->getPathStyle(art, &own) != kResultOk) return;
    KvPathStyle blended{};
    if (sPathStyle->interpolatePathStyle(&first.style, &own, &blended, t) != kResultOk) return;
    sPathStyle->setPathStyle(art, &blended);
}

// Block-to-block state.
struct BlockState {
    KvRealPoint origin;
    float lengthMul = 1.0f, thicknessMul = 1.0f, gapMul = 1.0f, angleMul = 1.0f;
    float angle = 0.0f;  // q, radians
    float spin = 0.0f;   // s, radians
};

KvResult drawBlocks(const LineParams& record) {
    const RunSettings run = runSettingsOf(record);
    BlockState block;
    block.origin = run.start;
    FirstStyle first;

    for (int32_t i = 0; i < run.blockCount; ++i) {
        const float blockLength =
            record.randomRepeatLength ? drawRandom() * record.lineLength : block.lengthMul * record.lineLength;
        float c = 0.0f;
        float sx = 1.0f;
        float sy = 1.0f;
        const float previousAngle = record.accumulateBlockAngle ? block.angle : 0.0f;
        block.angle = sMath->degreesToRadians(record.angle) * block.angleMul + previousAngle;
        float turn = 0.0f;
        const bool turnsBack = record.alternateAngle && i % 2 == 1;

        for (int32_t j = 0; j < run.lineCount; ++j) {
            const float base = record.accumulateLineAngle ? turn : 0.0f;
            const float step = record.randomAngle ? drawRandom() * block.angle : block.angle;
            turn = turnsBack ? base - step : base + step;

            float thickness = block.thicknessMul * record.thickness;
            float gap = block.gapMul * record.gap;
            float length = blockLength;
            if (record.randomGap) gap = drawRandom() * gap;
            if (record.randomThickness) thickness = drawRandom() * thickness;
            if (record.randomLength) length = drawRandom() * blockLength;

            if (c + thickness > record.maxLength) c = record.maxLength - thickness;

            KvArtHandle art = nullptr;
            KV_PROPAGATE(createLine(run, block.origin, c, thickness, length, first, &art));
            c += gap;

            if (art != nullptr) {
                KV_PROPAGATE(turnAndScale(art, turn, sx, sy));
                if (record.rotateBlocks) KV_PROPAGATE(spinAboutStart(art, run.start, block.spin));
                PaintLine(art, record.fillMode, record.strokeMode, record.widthMode, j, run.lineCount,
                          record.fillChannel, record.strokeChannel, run.widthAmount, i, run.blockCount);
                blendTowardFirst(art, first, run.styleFraction);
                if (record.randomOpacity) sBlend->setOpacity(art, drawRandom());
                if (run.kind.guide) KV_PROPAGATE(sPath->setPathGuide(art, 1));
            }
            sx = saturateGrowth(sx * run.scaleStepX);
            sy = saturateGrowth(sy * run.scaleStepY);
        }

        // The next block starts where this block's lines end (lines shortened by "Length [R]"
        // do not change that), or at the start point again, turned one step further.
        if (record.rotateBlocks) {
            block.spin += run.spinStep;
        } else if (run.direction == kLinesUpwards) {
            block.origin.x += blockLength;
        } else {
            block.origin.y += blockLength;
        }
        block.thicknessMul = saturateGrowth(block.thicknessMul * run.thicknessStep);
        block.gapMul = saturateGrowth(block.gapMul * run.gapStep);
        block.lengthMul = saturateGrowth(block.lengthMul * run.lengthStep);
        block.angleMul = saturateGrowth(block.angleMul * run.angleStep);
    }
    return kResultOk;
}

}  // namespace

KvResult DrawLines(LineParams& record) {
    KvResult result = kResultOk;
    if (BeginGeneratorRun(record, &result)) return result;
    KV_PROPAGATE(drawBlocks(record));
    if (record.finalRun == 0) return sDocument->redrawDocument();
    return kResultOk;
}
