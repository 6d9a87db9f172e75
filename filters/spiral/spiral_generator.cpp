// Volutia's generator: the spiral walk written into the document.
#include "spiral_generator.h"

#include "plugin.h"
#include "spiral_geometry.h"
#include "spiral_paint.h"

namespace {

float hostDraw() { return sRandom->randomDraw(); }

SpiralMath hostMath() {
    return SpiralMath{sMath->divide, sMath->sine, sMath->cosine, sMath->degreesToRadians, sMath->pointInterpolate,
                      hostDraw};
}

// Writes the walk into new path art, above all art in the current layer, and styles each
// separate arm once it is complete.
class DocumentSink : public SpiralSink {
public:
    explicit DocumentSink(const SpiralParams& record) : record_(record) {}

    KvResult beginPath() override {
        path_ = nullptr;
        count_ = 0;
        return sArt->newArt(kArtKindPath, kPlaceAboveAll, nullptr, &path_);
    }

    KvResult addSegment(const KvPathSegment& segment) override {
        // The host refuses a segment past its limit, so the count never passes the 16-bit range.
        KV_PROPAGATE(sPath->setPathSegments(path_, count_, 1, &segment));  // index == count appends
        ++count_;
        return kResultOk;
    }

    KvResult endArm(int32_t arm, int32_t turnPoints) override {
        StyleSpiralArm(path_, record_.strokeColourMode, record_.lineWeightMode, arm, turnPoints,
                       record_.strokeColour, record_.lineWeight * 0.1f);
        if (record_.randomOpacity) sBlend->setOpacity(path_, sRandom->randomDraw());
        lastArm_ = path_;
        return kResultOk;
    }

    // A single point makes no line: the last drawn arm goes again when it has fewer than two.
    void disposeShortLastArm() {
        int16_t segments = 0;
        if (lastArm_ == nullptr || sPath->getPathSegmentCount(lastArm_, &segments) != kResultOk) return;
        if (segments < 2) sArt->disposeArt(lastArm_);
    }

private:
    const SpiralParams& record_;
    KvArtHandle path_ = nullptr;
    KvArtHandle lastArm_ = nullptr;
    int16_t count_ = 0;
};

// The document and view values the pivots use. Only the document size is required; the view
// values fall back to the start point and an empty rectangle.
KvResult readSurroundings(const SpiralParams& record, SpiralSurroundings* around) {
    around->viewCentre = {record.startX, record.startY};
    KvViewHandle view = nullptr;
    if (sView->getNthView(0, &view) == kResultOk) {
        KvRealPoint centre{};
        if (sView->getViewCenter(view, &centre) == kResultOk) around->viewCentre = centre;
        KvRealRect bounds{};
        if (sView->getViewBounds(view, &bounds) == kResultOk) around->viewBounds = bounds;
    }
    return sDocument->getDocumentSize(&around->documentSize);
}

}  // namespace

KvResult BuildSpirals(SpiralParams& record) {
    KvResult result = kResultOk;
    if (BeginGeneratorRun(record, &result)) return result;

    SpiralSurroundings around;
    KV_PROPAGATE(readSurroundings(record, &around));
    const SpiralMath math = hostMath();
    DocumentSink sink(record);
    KV_PROPAGATE(WalkSpiral(record, math, around, sink));
    if (record.armMode == kArmsSeparate) sink.disposeShortLastArm();

    if (record.finalRun == 0) sDocument->redrawDocument();
    return kResultOk;
}
