// Chromble's engine: gathering the selection and recolouring it.
#include "colour_generator.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "colour_numbers.h"
#include "colour_paint.h"
#include "plugin.h"

namespace {

KvArtHandle* gatheredEntries() {
    if (gGlobals == nullptr || gGlobals->gatheredArt == nullptr) return nullptr;
    return static_cast<KvArtHandle*>(*gGlobals->gatheredArt);
}

// Releases the list on the way out of a failing step.
KvResult releaseOnFailure(KvResult result) {
    if (result != kResultOk) FreeGatheredArt();
    return result;
}

#define COLOUR_PROPAGATE(expr) KV_PROPAGATE(releaseOnFailure(expr))

bool documentSwatchColour(int32_t position, KvColour* outColour) {
    KvSwatchHandle swatch = nullptr;
    if (sSwatch->getSwatchAt(nullptr, position, &swatch) != kResultOk || swatch == nullptr) return false;
    KvColour colour{};
    if (sSwatch->getSwatchColour(swatch, &colour) != kResultOk) return false;
    *outColour = colour;
    return true;
}

// Values read once at the start of a run.
struct RunContext {
    int32_t swatchCount;
    int32_t graphicStyleCount;
    float t;  // "Interpolate" / 100
};

// "Style [R]": only a graphic style that exists is applied.
KvResult applyRandomGraphicStyle(KvArtHandle art, int32_t styleCount) {
    const int32_t index = graphicStyleIndexOf(sRandom->randomDraw(), styleCount);
    if (index < 0) return kResultOk;
    KvArtStyleHandle style = nullptr;
    KV_PROPAGATE(sArtStyle->getNthArtStyle(index, &style));
    return sArtStyle->applyArtStyle(art, style);
}

// One object of the list. A failure that ends the run is returned; the caller releases the list.
KvResult recolourObject(KvArtHandle art, const ColourParams& record, const ColourFactors& factors,
                        const RunContext& run) {
    // An object whose paint cannot be read (an envelope) keeps it: its colours are taken as
    // none, so no rule changes them and no style is written back. Its other options still apply.
    KvPathStyle former{};
    const bool hasStyle = sPathStyle->getPathStyle(art, &former) == kResultOk;
    if (!hasStyle) {
        former = KvPathStyle{};
        former.fill.kind = kColourNone;
        former.stroke.kind = kColourNone;
    }

    KvPathStyle changed = former;
    bool skip = !passesRangeTest(former.fill, record.rangeLow, record.rangeHigh);
    applyColourMode(changed, record.colourMode, factors, run.swatchCount, sRandom->randomDraw,
                    documentSwatchColour);
    applyColourOption(changed, record.colourOption);
    clampColours(changed);
    if (record.randomWidth) changed.strokeWidth *= sRandom->randomDraw();
    if (record.randomApply && sRandom->randomDraw() > 0.5f) skip = true;
    if (skip) return kResultOk;

    if (hasStyle) KV_PROPAGATE(sPathStyle->setPathStyle(art, &changed));
    if (record.randomStyle) KV_PROPAGATE(applyRandomGraphicStyle(art, run.graphicStyleCount));
    if (hasStyle) {
        // Results here are not failures of the run, but nothing unread is written back.
        KvPathStyle mixed{};
        if (sPathStyle->interpolatePathStyle(&changed, &former, &mixed, run.t) == kResultOk) {
            sPathStyle->setPathStyle(art, &mixed);
        }
    }
    if (record.randomOpacity) KV_PROPAGATE(sBlend->setOpacity(art, sRandom->randomDraw()));
    if (record.randomBlend) sBlend->setBlendingMode(art, blendingModeOf(sRandom->randomDraw()));
    if (record.symbolize) {
        KvSymbolHandle symbol = nullptr;
        KV_PROPAGATE(sSymbol->newSymbolFromArt(&symbol, art, 0));
    }
    return kResultOk;
}

KvResult recolourList(const ColourParams& record, const RunContext& run) {
    const ColourFactors start = colourFactorsOf(record);
    ColourFactors factors = start;
    const float p = record.pathFactor / 100.0f;
    float m = 1.0f;
    const KvArtHandle* entries = gatheredEntries();
    const intptr_t count = entries != nullptr ? gGlobals->gatheredCount : 0;
    for (intptr_t i = count - 1; i >= 0; --i) {
        // A dropped compound-path member only advances the multiplier.
        if (entries[i] != nullptr) {
            factors = scaleFactors(factors, m);
            KV_PROPAGATE(recolourObject(entries[i], record, factors, run));
        }
        m = saturateFactor(static_cast<double>(m) * p);
    }
    return kResultOk;
}

}  // namespace

void FreeGatheredArt() {
    if (gGlobals == nullptr) return;
    if (gGlobals->gatheredArt != nullptr) sMemory->disposeHandle(gGlobals->gatheredArt);
    gGlobals->gatheredArt = nullptr;
    gGlobals->gatheredCount = -1;
}

KvResult GatherSelectedArt() {
    if (gGlobals == nullptr) return kResultBadParameter;
    FreeGatheredArt();

    static const KvMatchingSpec kSpecs[] = {
        {kArtKindCompoundPath, 0, kArtAttrSelected, kArtAttrSelected},
        {kArtKindPath, 0, kArtAttrSelected, kArtAttrSelected},
        {kArtKindEnvelope, 0, kArtAttrSelected, kArtAttrSelected},
    };
    KvArtHandle** matches = nullptr;
    int32_t count = 0;
    COLOUR_PROPAGATE(sMatching->getMatchingArt(kSpecs, 3, &matches, &count));
    gGlobals->gatheredArt = reinterpret_cast<KvMemHandle>(matches);
    gGlobals->gatheredCount = matches != nullptr ? std::max<int32_t>(count, 0) : 0;

    KvArtHandle* entries = gatheredEntries();
    const intptr_t total = gGlobals->gatheredCount;
    std::unordered_set<KvArtHandle> members;  // paths of the selected compound paths
    for (intptr_t i = 0; i < total; ++i) {
        const KvArtHandle art = entries[i];
        if (art == nullptr) continue;
        if (members.count(art) != 0) {
            entries[i] = nullptr;
            continue;
        }
        KvRealRect bounds{};
        COLOUR_PROPAGATE(sArt->getArtBounds(art, &bounds));
        int16_t kind = 0;
        COLOUR_PROPAGATE(sArt->getArtKind(art, &kind));
        if (kind != kArtKindCompoundPath) continue;
        KvArtHandle child = nullptr;
        COLOUR_PROPAGATE(sArt->getArtFirstChild(art, &child));
        while (child != nullptr) {
            members.insert(child);
            KvArtHandle next = nullptr;
            COLOUR_PROPAGATE(sArt->getArtNextSibling(child, &next));
            child = next;
        }
    }
    // Members listed before their compound path.
    if (!members.empty()) {
        for (intptr_t i = 0; i < total; ++i) {
            if (entries[i] != nullptr && members.count(entries[i]) != 0) entries[i] = nullptr;
        }
    }
    return kResultOk;
}

KvResult RecolourArt(ColourParams& record) {
    const int32_t swatchCount = std::max(sSwatch->countSwatches(nullptr), 0);
    KvResult result = kResultOk;
    if (BeginGeneratorRun(record, &result)) {
        // A Go that keeps the preview is the end of this use too.
        FreeGatheredArt();
        return result;
    }
    if (gGlobals != nullptr && gGlobals->gatheredCount == -1) {
        GatherSelectedArt();  // without a list the run changes nothing
    }
    int32_t styleCount = 0;
    COLOUR_PROPAGATE(sArtStyle->countArtStyles(&styleCount));

    const RunContext run{swatchCount, std::max(styleCount, 0), record.interpolate / 100.0f};
    COLOUR_PROPAGATE(recolourList(record, run));

    if (record.finalRun == 0) {
        sDocument->redrawDocument();
    } else {
        FreeGatheredArt();
    }
    return kResultOk;
}
