// Tessivo's generator: frames from the record's settings, then their deformation steps.
#include "edge_generator.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "edge_outline.h"
#include "edge_paint.h"
#include "edge_path_ops.h"
#include "plugin.h"

namespace {

// Adds the outline's points to the empty path as straight segments and reports how many were
// added. A point that is not finite is left out rather than refused by the host.
KvResult appendOutline(KvArtHandle path, const std::vector<KvRealPoint>& points, int16_t* added) {
    *added = 0;
    for (const KvRealPoint& point : points) {
        if (!isFinitePoint(point)) continue;
        const KvPathSegment segment = straightSegment(point);
        KV_PROPAGATE(sPath->setPathSegments(path, *added, 1, &segment));  // index == count appends
        ++*added;
    }
    return kResultOk;
}

// "Radial distort [R]": every anchor moves away from the centre of the bounds by up to 50
// points; its direction points keep their offsets from it.
KvResult distortRadially(KvArtHandle path) {
    KvRealPoint centre{};
    KV_PROPAGATE(boundsCentre(path, &centre));
    return editEachSegment(path, [&](KvPathSegment& s) {
        const KvRealPoint inOffset{s.in.x - s.anchor.x, s.in.y - s.anchor.y};
        const KvRealPoint outOffset{s.out.x - s.anchor.x, s.out.y - s.anchor.y};
        const float distance = sMath->pointDistance(&centre, &s.anchor);
        const float angle = sMath->pointAngle(&centre, &s.anchor);
        const float reach = distance + 50.0f * drawRandom();
        s.anchor = {centre.x + reach * sMath->cosine(angle), centre.y + reach * sMath->sine(angle)};
        s.in = {s.anchor.x + inOffset.x, s.anchor.y + inOffset.y};
        s.out = {s.anchor.x + outOffset.x, s.anchor.y + outOffset.y};
    });
}

// "Center anchor": every anchor onto the centre of the bounds; direction points stay.
KvResult centreAnchors(KvArtHandle path) {
    KvRealPoint centre{};
    KV_PROPAGATE(boundsCentre(path, &centre));
    return editEachSegment(path, [&](KvPathSegment& s) { s.anchor = centre; });
}

// "Center direction": every direction point onto the centre of the bounds.
KvResult centreDirectionPoints(KvArtHandle path) {
    KvRealPoint centre{};
    KV_PROPAGATE(boundsCentre(path, &centre));
    return editEachSegment(path, [&](KvPathSegment& s) {
        s.in = centre;
        s.out = centre;
    });
}

// "Interpolate1"/"Interpolate2": anchors move the fraction `anchorAmount` of the way to
// `centre`, direction points the fraction `handleAmount`; negative amounts push away.
KvResult interpolateToward(KvArtHandle path, KvRealPoint centre, float anchorAmount, float handleAmount) {
    auto toward = [&](KvRealPoint& point, float amount) {
        const KvRealPoint from = point;
        sMath->pointInterpolate(&centre, &from, amount, &point);
    };
    return editEachSegment(path, [&](KvPathSegment& s) {
        toward(s.anchor, anchorAmount);
        toward(s.in, handleAmount);
        toward(s.out, handleAmount);
    });
}

// "Warp [R]": the frame goes into an envelope whose shape is a copy of the frame, a centred
// rectangle or a centred oval of random size, and most of the time gets a random warp style.
KvResult warpFrame(KvArtHandle path) {
    KvRealRect bounds{};
    KV_PROPAGATE(sArt->getArtBounds(path, &bounds));
    const KvRealPoint centre = rectCentre(bounds);
    const float width = drawRandom() * (bounds.right - bounds.left);
    const float height = drawRandom() * (bounds.top - bounds.bottom);

    // The shape operations' results are not failures of the run; a frame for which the host
    // made no shape simply stays unwarped.
    KvArtHandle shape = nullptr;
    if (drawRandom() <= 0.5f) {
        sArt->duplicateArt(path, kPlaceAboveAll, path, &shape);
    } else if (drawRandom() <= 0.5f) {
        sShape->newCenteredRect(centre.x, centre.y, width, height, 0, &shape);
    } else {
        sShape->newCenteredOval(centre.x, centre.y, width, height, 0, &shape);
    }
    if (shape == nullptr) return kResultOk;

    const KvArtHandle frames[1] = {path};
    const KvEnvelopeOptions options{0, 50};
    KvArtHandle envelope = nullptr;
    KV_PROPAGATE(sEnvelope->makeEnvelope(frames, 1, shape, &options, &envelope));

    const int32_t style = truncToInt(18.0f * drawRandom());
    if (style < kWarpArc || style > kWarpTwist) return kResultOk;  // 0, 16 and 17: no warp
    const float bend = drawSignedUnit();
    const float horizontalDistortion = drawSignedUnit();
    const float verticalDistortion = drawSignedUnit();
    const int32_t horizontal = drawRandom() > 0.5f ? 1 : 0;
    return sEnvelope->setEnvelopeWarp(envelope, style, bend, horizontalDistortion, verticalDistortion, horizontal);
}

// Everything that happens to a frame once its outline is in place, in its fixed order.
// Steps that need the frame's bounds do nothing to a frame without segments ("Create [R]"
// can leave every point out, and a teeth count below 1 ends every side at once).
KvResult finishFrame(KvArtHandle path, int16_t segmentCount, const EdgeFrameParams& record,
                     const EdgeWorkingValues& values, const EdgePaintContext& paint) {
    const bool hasSegments = segmentCount > 0;
    if (record.closedPath) sPath->setPathClosed(path, 1);
    if (hasSegments && record.randomRadial) KV_PROPAGATE(distortRadially(path));
    if (hasSegments && record.centreAnchor) KV_PROPAGATE(centreAnchors(path));
    if (hasSegments && record.centreDirection) KV_PROPAGATE(centreDirectionPoints(path));
    if (values.interp1Anchor != 0.0f || values.interp1Handle != 0.0f) {
        const KvRealPoint centre{record.interp1CentreX, record.interp1CentreY};
        KV_PROPAGATE(interpolateToward(path, centre, values.interp1Anchor, values.interp1Handle));
    }
    if (values.interp2Anchor != 0.0f || values.interp2Handle != 0.0f) {
        const KvRealPoint centre{record.interp2CentreX, record.interp2CentreY};
        KV_PROPAGATE(interpolateToward(path, centre, values.interp2Anchor, values.interp2Handle));
    }
    KV_PROPAGATE(PaintFrame(path, record, paint, EdgePaintStage::Fill));
    if (hasSegments && record.randomWarp) KV_PROPAGATE(warpFrame(path));
    return PaintFrame(path, record, paint, EdgePaintStage::ShadowAndSketches);
}

KvResult buildFrames(const EdgeFrameParams& record) {
    // Size and swatch count only shape random choices: a failed read leaves them at 0.
    KvRealPoint documentSize{0.0f, 0.0f};
    sDocument->getDocumentSize(&documentSize);
    const EdgePaintContext paint{std::max(sSwatch->countSwatches(nullptr), 0),
                                 sMath->divide(record.sketchWeight, 10.0f)};
    EdgeWorkingValues values = copyEdgeWorkingValues(record);

    if (record.newLayer) {
        KvLayerHandle layer = nullptr;
        KV_PROPAGATE(sLayer->insertLayer(nullptr, kPlaceAboveAll, &layer));
    }

    const EdgeWalkOptions walk{record.slantOption, record.randomTeeth != 0, record.randomCreate != 0,
                               record.addBaseToHeight != 0};
    // Frames are counted with a 16-bit index, so no run makes more than 32767 of them.
    const int32_t frameCount = std::clamp<int32_t>(record.frameCount, 0, INT16_MAX);
    KvRealPoint current{record.startX, record.startY};
    FrameOutline outline;
    for (int32_t frame = 0; frame < frameCount; ++frame) {
        if (record.randomFrame) randomizeEdgeFrame(values, record, drawRandom);
        if (record.linkSides) linkEdgeSides(values.sides);
        const ToothPattern pattern = makeToothPattern(record.applyPattern, values.skipCount, values.createCount,
                                                      record.randomStructure != 0, drawRandom);

        KvArtHandle path = nullptr;
        KV_PROPAGATE(sArt->newArt(kArtKindPath, kPlaceAboveAll, nullptr, &path));
        if (record.randomStart) {
            const float x = drawRandom() * documentSize.x;
            const float y = drawRandom() * documentSize.y;
            current = {x, y};
        }

        // Frames without "Start [R]" are chained: each starts where the last one ended.
        walkEdgeFrame(values.sides, pattern, walk, current, drawRandom, outline);
        current = outline.end;
        int16_t segmentCount = 0;
        KV_PROPAGATE(appendOutline(path, outline.points, &segmentCount));
        KV_PROPAGATE(finishFrame(path, segmentCount, record, values, paint));
    }
    return kResultOk;
}

}  // namespace

KvResult BuildEdgeFrames(EdgeFrameParams& record) {
    KvResult result = kResultOk;
    if (BeginGeneratorRun(record, &result)) return result;
    KV_PROPAGATE(buildFrames(record));
    if (record.finalRun == 0) sDocument->redrawDocument();
    return kResultOk;
}
