// Quadrel's generator: rows and columns of boxes, ovals, lines or guides over the area of the
// definition path, then their paint, opacity, skew and curve.
#include "grid_generator.h"

#include <cmath>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "grid_layout.h"
#include "grid_paint.h"
#include "plugin.h"

namespace {

float drawRandom() { return sRandom->randomDraw(); }

// The kinds of selected art that are gathered, in the order asked for.
constexpr int16_t kGatheredKinds[] = {kArtKindCompoundPath, kArtKindPath,      kArtKindEnvelope,
                                      kArtKindPluginGroup,  kArtKindText,      kArtKindImage,
                                      kArtKindMesh,         kArtKindSymbolInstance};

KvArtHandle* gatheredEntries() {
    return gGlobals->gatheredArt != nullptr ? static_cast<KvArtHandle*>(*gGlobals->gatheredArt) : nullptr;
}

intptr_t gatheredCount() { return gGlobals->gatheredArt != nullptr ? gGlobals->gatheredCount : 0; }

// Nulls every entry that refers to an object inside `container`, at any depth.
KvResult nullDescendants(KvArtHandle container, std::unordered_map<KvArtHandle, intptr_t>& positions,
                         KvArtHandle* entries) {
    KvArtHandle child = nullptr;
    KV_PROPAGATE(sArt->getArtFirstChild(container, &child));
    while (child != nullptr) {
        const auto found = positions.find(child);
        if (found != positions.end()) {
            entries[found->second] = nullptr;
            positions.erase(found);
        }
        KV_PROPAGATE(nullDescendants(child, positions, entries));
        KV_PROPAGATE(sArt->getArtNextSibling(child, &child));
    }
    return kResultOk;
}

KvResult checkGatheredArt() {
    KvArtHandle* entries = gatheredEntries();
    const intptr_t count = gatheredCount();
    std::unordered_map<KvArtHandle, intptr_t> positions;
    for (intptr_t i = 0; i < count; ++i) {
        if (entries[i] != nullptr) positions.emplace(entries[i], i);
    }
    for (intptr_t i = 0; i < count; ++i) {
        if (entries[i] == nullptr) continue;
        KvRealRect bounds{};
        KV_PROPAGATE(sArt->getArtBounds(entries[i], &bounds));
        int16_t kind = 0;
        KV_PROPAGATE(sArt->getArtKind(entries[i], &kind));
        // Paths hold no children; every container gives up its descendants to itself.
        if (kind != kArtKindPath) KV_PROPAGATE(nullDescendants(entries[i], positions, entries));
    }
    return kResultOk;
}

// The area of the first gathered object, or the default area when none is held.
KvResult findGridArea(GridArea* area) {
    *area = kGridDefaultArea;
    KvArtHandle* entries = gatheredEntries();
    for (intptr_t i = 0; i < gatheredCount(); ++i) {
        if (entries[i] == nullptr) continue;
        KvRealRect bounds{};
        KV_PROPAGATE(sArt->getArtBounds(entries[i], &bounds));
        *area = gridAreaOf(bounds);
        break;
    }
    return kResultOk;
}

// A new two-point line: stroked with `width`, closed, both direction points on the anchors.
KvResult newGridLine(const GridLineAnchors& anchors, float width, KvArtHandle* line) {
    KV_PROPAGATE(sArt->newArt(kArtKindPath, kPlaceAboveAll, nullptr, line));
    KvPathStyle style{};
    if (sPathStyle->getPathStyle(*line, &style) == kResultOk) {
        style.strokePaint = 1;
        style.strokeWidth = width > 0.0f ? width : 0.0f;  // a negative thickness draws a hairline
        KV_PROPAGATE(sPathStyle->setPathStyle(*line, &style));
    }
    const KvPathSegment segments[2] = {{anchors.start, anchors.start, anchors.start, 0},
                                       {anchors.end, anchors.end, anchors.end, 0}};
    KV_PROPAGATE(sPath->setPathSegments(*line, 0, 2, segments));
    return sPath->setPathClosed(*line, 1);
}

// "Skew": every anchor scaled about the artwork origin by its position-dependent factors; the
// direction points collapse onto it.
KvResult skewElement(KvArtHandle element, const GridArea& area, float skewX, float skewY) {
    int16_t count = 0;
    KV_PROPAGATE(sPath->getPathSegmentCount(element, &count));
    for (int16_t j = 0; j < count; ++j) {
        KvPathSegment segment{};
        KV_PROPAGATE(sPath->getPathSegments(element, j, 1, &segment));
        const KvRealPoint factors = gridSkewFactors(area, segment.anchor, skewX, skewY);
        KvRealMatrix matrix{};
        sMath->matrixSetTranslate(&matrix, 0.0f, 0.0f);
        sMath->matrixConcatScale(&matrix, factors.x, factors.y);
        KvRealPoint moved{};
        sMath->transformPoint(&matrix, &segment.anchor, &moved);
        const KvPathSegment skewed{moved, moved, moved, segment.corner};
        if (isFiniteGridSegment(skewed)) KV_PROPAGATE(sPath->setPathSegments(element, j, 1, &skewed));
    }
    return kResultOk;
}

// "Curve": bends the element through the direction points of its first four segments. Host
// results are ignored: a segment that cannot be read or written keeps its shape.
void CurveGridElement(KvArtHandle element, float amount, int d) {
    int16_t count = 0;
    if (sPath->getPathSegmentCount(element, &count) != kResultOk) return;
    for (int16_t j = 0; j < count && j < 4; ++j) {
        KvPathSegment segment{};
        if (sPath->getPathSegments(element, j, 1, &segment) != kResultOk) continue;
        curveGridSegment(segment, j, d, amount);
        if (isFiniteGridSegment(segment)) sPath->setPathSegments(element, j, 1, &segment);
    }
}

bool isFiniteEdges(const GridEdges& e) {
    return std::isfinite(e.lowerY) && std::isfinite(e.leftX) && std::isfinite(e.upperY) && std::isfinite(e.rightX);
}

bool isFiniteAnchors(const GridLineAnchors& a) {
    return std::isfinite(a.start.x) && std::isfinite(a.start.y) && std::isfinite(a.end.x) && std::isfinite(a.end.y);
}

struct GridRun {
    const GridParams& record;
    const GridWorkingValues& values;
    GridArea area;
};

// Makes the element of position `index` in direction `d` at `position`; null (and 0) when its
// geometry would not be finite.
KvResult makeElement(const GridRun& run, int d, int32_t index, float position, KvArtHandle* element) {
    *element = nullptr;
    const GridDirectionValues& v = run.values[d];
    const float thickness = v.thickness + (index % 2 == 1 ? v.alternate : 0.0f);
    const int32_t shape = run.record.shape;
    if (shape == kGridLine || shape == kGridGuide) {
        const float crossThickness = run.values[1 - d].thickness;
        const GridLineAnchors anchors = gridLineAnchors(run.area, d, position, crossThickness);
        if (!isFiniteAnchors(anchors) || !std::isfinite(thickness)) return kResultOk;
        return newGridLine(anchors, thickness, element);
    }
    const GridEdges e = gridElementEdges(run.area, d, position, thickness);
    if (!isFiniteEdges(e)) return kResultOk;
    // The shape construction takes the edges as lower y, left x, upper y, right x.
    if (shape == kGridOval) return sShape->newOval(e.lowerY, e.leftX, e.upperY, e.rightX, 0, element);
    return sShape->newRect(e.lowerY, e.leftX, e.upperY, e.rightX, 0, element);
}

KvResult finishElement(const GridRun& run, int d, KvArtHandle element, int32_t index, int32_t count) {
    const GridDirectionValues& v = run.values[d];
    KvRealRect bounds{};
    KV_PROPAGATE(sArt->getArtBounds(element, &bounds));
    PaintGridElement(element, v.paint, index, count);
    if (v.randomOpacity) KV_PROPAGATE(sBlend->setOpacity(element, drawRandom()));
    if (run.record.skewEnabled == 1) {
        KV_PROPAGATE(skewElement(element, run.area, run.values[kGridUp].skew, run.values[kGridAcross].skew));
    }
    if (v.curve != 0.0f) CurveGridElement(element, v.curve, d);
    if (run.record.shape == kGridGuide) KV_PROPAGATE(sPath->setPathGuide(element, 1));
    return kResultOk;
}

KvResult buildDirection(const GridRun& run, int d) {
    const GridDirectionValues& v = run.values[d];
    const std::vector<bool> created = walkGridPositions(v.count, v.skip, v.create);
    const int32_t count = static_cast<int32_t>(created.size());
    const bool lines = run.record.shape == kGridLine || run.record.shape == kGridGuide;
    const float length = d == kGridUp ? run.area.height : run.area.width;
    const float spacing = gridSpacing(length, v, count, lines);
    for (int32_t i = 0; i < count; ++i) {
        // The shift draws come before the skip test: skipped positions take them too.
        const float position = gridPosition(spacing, i, count, v.shift, run.record.jitterShift == 1,
                                            run.record.shiftRatio == 1, drawRandom);
        if (!created[static_cast<std::size_t>(i)]) continue;
        KvArtHandle element = nullptr;
        KV_PROPAGATE(makeElement(run, d, i, position, &element));
        if (element != nullptr) KV_PROPAGATE(finishElement(run, d, element, i, count));
    }
    return kResultOk;
}

// Final run: every gathered object goes when deleteDefinitionPath is on.
KvResult deleteGatheredArt(const GridParams& record) {
    if (record.deleteDefinitionPath != 1) return kResultOk;
    KvArtHandle* entries = gatheredEntries();
    for (intptr_t i = 0; i < gatheredCount(); ++i) {
        if (entries[i] != nullptr) KV_PROPAGATE(sArt->disposeArt(entries[i]));
    }
    return kResultOk;
}

KvResult runGrid(GridParams& record) {
    KvResult result = kResultOk;
    if (BeginGeneratorRun(record, &result)) {
        return result == kResultOk ? deleteGatheredArt(record) : result;
    }
    if (gGlobals->gatheredCount == -1) GatherSelectedArt();

    GridWorkingValues values;
    makeGridWorkingValues(record, drawRandom, values);
    GridRun run{record, values, {}};
    KV_PROPAGATE(findGridArea(&run.area));
    KV_PROPAGATE(buildDirection(run, kGridUp));
    KV_PROPAGATE(buildDirection(run, kGridAcross));

    if (record.finalRun == 0) {
        sDocument->redrawDocument();
        return kResultOk;
    }
    return deleteGatheredArt(record);
}

}  // namespace

KvResult BuildGrid(GridParams& record) {
    const KvResult result = runGrid(record);
    // A preview keeps the list for the next preview; the final run and every failure let go.
    if (result != kResultOk || record.finalRun != 0) FreeGatheredArt();
    return result;
}

KvResult GatherSelectedArt() {
    FreeGatheredArt();
    KvMatchingSpec specs[std::size(kGatheredKinds)];
    for (std::size_t i = 0; i < std::size(kGatheredKinds); ++i) {
        specs[i] = {kGatheredKinds[i], 0, kArtAttrSelected, kArtAttrSelected};
    }
    KvArtHandle** matches = nullptr;
    int32_t count = 0;
    KV_PROPAGATE(sMatching->getMatchingArt(specs, static_cast<int32_t>(std::size(specs)), &matches, &count));
    gGlobals->gatheredArt = reinterpret_cast<KvMemHandle>(matches);
    gGlobals->gatheredCount = count;
    const KvResult checked = checkGatheredArt();
    if (checked != kResultOk) FreeGatheredArt();
    return checked;
}

void FreeGatheredArt() {
    if (gGlobals->gatheredArt != nullptr) sMemory->disposeHandle(gGlobals->gatheredArt);
    gGlobals->gatheredArt = nullptr;
    gGlobals->gatheredCount = -1;
}
