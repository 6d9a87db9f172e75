// The host's suites called as a plug-in calls them: handle checks, refusal of non-finite
// numbers, out-parameters on failure, the view's mapping, swatches, matching art and undo.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "suites/host.h"

namespace kelvo::host {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

template <class Suite>
const Suite* acquire(Host& host, const char* name, int32_t version) {
    const void* suite = nullptr;
    EXPECT_EQ(host.acquire(name, version, &suite), kResultOk) << name;
    return static_cast<const Suite*>(suite);
}

class SuitesTest : public ::testing::Test {
protected:
    Host host;
    const KvArtSuite* art = acquire<KvArtSuite>(host, kKvArtSuite, kKvArtSuiteVersion);
    const KvPathSuite* path = acquire<KvPathSuite>(host, kKvPathSuite, kKvPathSuiteVersion);
    const KvPathStyleSuite* style = acquire<KvPathStyleSuite>(host, kKvPathStyleSuite, kKvPathStyleSuiteVersion);
    const KvBlendSuite* blend = acquire<KvBlendSuite>(host, kKvBlendSuite, kKvBlendSuiteVersion);
    const KvTransformSuite* transform = acquire<KvTransformSuite>(host, kKvTransformSuite, kKvTransformSuiteVersion);
    const KvShapeSuite* shape = acquire<KvShapeSuite>(host, kKvShapeSuite, kKvShapeSuiteVersion);
    const KvViewSuite* view = acquire<KvViewSuite>(host, kKvViewSuite, kKvViewSuiteVersion);
    const KvSwatchSuite* swatch = acquire<KvSwatchSuite>(host, kKvSwatchSuite, kKvSwatchSuiteVersion);
    const KvUndoSuite* undo = acquire<KvUndoSuite>(host, kKvUndoSuite, kKvUndoSuiteVersion);
    const KvMathSuite* math = acquire<KvMathSuite>(host, kKvMathSuite, kKvMathSuiteVersion);
    const KvUserSuite* user = acquire<KvUserSuite>(host, kKvUserSuite, kKvUserSuiteVersion);
    const KvMatchingSuite* matching = acquire<KvMatchingSuite>(host, kKvMatchingSuite, kKvMatchingSuiteVersion);
    const KvMemorySuite* memory = acquire<KvMemorySuite>(host, kKvMemorySuite, kKvMemorySuiteVersion);

    KvArtHandle newPath(std::initializer_list<KvRealPoint> points) {
        KvArtHandle made = nullptr;
        EXPECT_EQ(art->newArt(kArtKindPath, kPlaceAboveAll, nullptr, &made), kResultOk);
        int16_t index = 0;
        for (KvRealPoint point : points) {
            KvPathSegment segment{point, point, point, 0};
            EXPECT_EQ(path->setPathSegments(made, index++, 1, &segment), kResultOk);
        }
        return made;
    }
};

TEST_F(SuitesTest, OnlyPublishedNamesAndVersionsAreAcquired) {
    const void* suite = reinterpret_cast<const void*>(1);
    EXPECT_EQ(host.acquire("AI Art Suite", 8, &suite), kResultSuiteMissing);
    EXPECT_EQ(suite, nullptr) << "a failed acquisition writes null";
    EXPECT_EQ(host.acquire("AI Nothing Suite", 1, &suite), kResultSuiteMissing);
    EXPECT_EQ(host.release("AI Path Suite", 3), kResultNotAcquired);
    EXPECT_EQ(host.release("ADM List Suite", 1), kResultNotAcquired);
}

TEST_F(SuitesTest, StaleForeignAndNullHandlesAreRefusedAndOutputsCleared) {
    KvArtHandle disposed = newPath({{0, 0}, {10, 10}});
    ASSERT_EQ(art->disposeArt(disposed), kResultOk);
    for (KvArtHandle bad : {disposed, reinterpret_cast<KvArtHandle>(uintptr_t{0xdeadbeef}), KvArtHandle{}}) {
        int16_t count = 7;
        EXPECT_EQ(path->getPathSegmentCount(bad, &count), kResultBadHandle);
        EXPECT_EQ(count, 0);
        KvRealRect bounds{1, 1, 1, 1};
        EXPECT_EQ(art->getArtBounds(bad, &bounds), kResultBadHandle);
        EXPECT_EQ(bounds.left, 0);
        KvArtHandle copy = reinterpret_cast<KvArtHandle>(uintptr_t{5});
        EXPECT_EQ(art->duplicateArt(bad, kPlaceAboveAll, nullptr, &copy), kResultBadHandle);
        EXPECT_EQ(copy, nullptr);
        KvPathStyle paint{};
        EXPECT_EQ(style->getPathStyle(bad, &paint), kResultBadHandle);
        EXPECT_EQ(blend->setOpacity(bad, 0.5f), kResultBadHandle);
        EXPECT_EQ(art->disposeArt(bad), kResultBadHandle);
        KvPathSegment segment{};
        EXPECT_EQ(path->setPathSegments(bad, 0, 1, &segment), kResultBadHandle);
    }
}

TEST_F(SuitesTest, NonFiniteNumbersAreRefusedAndChangeNothing) {
    KvArtHandle made = newPath({{0, 0}, {10, 10}});
    KvPathSegment bad{{kNaN, 0}, {0, 0}, {0, 0}, 0};
    EXPECT_EQ(path->setPathSegments(made, 1, 1, &bad), kResultBadParameter);
    bad = KvPathSegment{{0, 0}, {kInf, 0}, {0, 0}, 0};
    EXPECT_EQ(path->setPathSegments(made, 2, 1, &bad), kResultBadParameter);
    int16_t count = 0;
    path->getPathSegmentCount(made, &count);
    EXPECT_EQ(count, 2);

    KvPathStyle paint{};
    ASSERT_EQ(style->getPathStyle(made, &paint), kResultOk);
    KvPathStyle broken = paint;
    broken.strokeWidth = kNaN;
    EXPECT_EQ(style->setPathStyle(made, &broken), kResultBadParameter);
    broken = paint;
    broken.fill.channel[2] = kInf;
    EXPECT_EQ(style->setPathStyle(made, &broken), kResultBadParameter);

    EXPECT_EQ(blend->setOpacity(made, kNaN), kResultBadParameter);
    EXPECT_EQ(blend->setOpacity(made, 1.5f), kResultBadParameter);
    KvRealMatrix matrix{1, 0, 0, kInf, 0, 0};
    EXPECT_EQ(transform->transformArt(made, &matrix, 1, kTransformObjects), kResultBadParameter);
    KvArtHandle rect = nullptr;
    EXPECT_EQ(shape->newRect(kNaN, 0, 10, 10, 0, &rect), kResultBadParameter);
    EXPECT_EQ(rect, nullptr);

    KvRealRect bounds{};
    ASSERT_EQ(art->getArtBounds(made, &bounds), kResultOk);
    EXPECT_EQ(bounds.right, 10);
    EXPECT_EQ(bounds.top, 10);
    float opacity = 0;
    blend->getOpacity(made, &opacity);
    EXPECT_EQ(opacity, 1);
}

TEST_F(SuitesTest, ViewMapsPixelsAndArtworkBothWays) {
    KvViewHandle zero = nullptr;
    ASSERT_EQ(view->getNthView(0, &zero), kResultOk);
    KvRealPoint topLeft{};
    KvIntPoint origin{0, 0};
    ASSERT_EQ(view->viewPointToArtworkPoint(zero, &origin, &topLeft), kResultOk);
    EXPECT_EQ(topLeft.x, -194);
    EXPECT_EQ(topLeft.y, 796);
    for (float zoom : {0.25f, 1.0f, 2.0f, 5.0f}) {
        ASSERT_EQ(view->setViewZoom(zero, zoom), kResultOk);
        for (KvIntPoint pixel : {KvIntPoint{0, 0}, KvIntPoint{500, 400}, KvIntPoint{999, 799}, KvIntPoint{-20, 37}}) {
            KvRealPoint point{};
            KvIntPoint back{};
            ASSERT_EQ(view->viewPointToArtworkPoint(zero, &pixel, &point), kResultOk);
            ASSERT_EQ(view->artworkPointToViewPoint(zero, &point, &back), kResultOk);
            EXPECT_EQ(back.x, pixel.x) << zoom;
            EXPECT_EQ(back.y, pixel.y) << zoom;
        }
        KvRealPoint centre{};
        KvIntPoint middle{500, 400};
        view->viewPointToArtworkPoint(zero, &middle, &centre);
        EXPECT_FLOAT_EQ(centre.x, 306);
        EXPECT_FLOAT_EQ(centre.y, 396);
    }
    KvViewHandle other = nullptr;
    EXPECT_EQ(view->getNthView(1, &other), kResultBadParameter);

    // An opened document gets a fresh view on its own page's centre.
    auto opened = std::make_unique<doc::Document>();
    opened->setPage(200, 100);
    host.setDocument(std::move(opened));
    KvRealPoint centre{};
    float zoom = 0;
    ASSERT_EQ(view->getViewCenter(zero, &centre), kResultOk);
    view->getViewZoom(zero, &zoom);
    EXPECT_EQ(centre.x, 100);
    EXPECT_EQ(centre.y, 50);
    EXPECT_EQ(zoom, 1);
    EXPECT_EQ(view->setViewZoom(zero, kNaN), kResultBadParameter);
}

TEST_F(SuitesTest, SwatchPositionsCountFromZero) {
    ASSERT_EQ(swatch->countSwatches(nullptr), 16);
    struct Case {
        int32_t position;
        KvResult result;
        KvColour colour;
    };
    const Case cases[] = {
        {1, kResultOk, {kColourFour, {1, 1, 1, 1}, 0}},
        {3, kResultOk, {kColourFour, {0, 0, 0, 1}, 0}},
        {15, kResultOk, {kColourFour, {0, 0, 0, 0.25f}, 0}},
        {16, kResultBadParameter, {}},
        {-1, kResultBadParameter, {}},
    };
    for (const Case& row : cases) {
        KvSwatchHandle found = nullptr;
        EXPECT_EQ(swatch->getSwatchAt(nullptr, row.position, &found), row.result) << row.position;
        if (row.result != kResultOk) {
            EXPECT_EQ(found, nullptr);
            continue;
        }
        KvColour colour{};
        ASSERT_EQ(swatch->getSwatchColour(found, &colour), kResultOk);
        EXPECT_EQ(colour.kind, row.colour.kind);
        for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(colour.channel[i], row.colour.channel[i]) << row.position;
    }
}

TEST_F(SuitesTest, NumberTextConversions) {
    struct Case {
        float value;
        const char* text;
    };
    for (Case row : {Case{-108, "-108"}, Case{271, "271"}, Case{5000, "5000"}, Case{70000, "70000"}}) {
        unsigned char counted[256] = {};
        ASSERT_EQ(user->realToText(row.value, 0, counted), kResultOk);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(counted + 1), counted[0]), row.text);
        float back = 0;
        ASSERT_EQ(user->textToReal(counted, &back), kResultOk);
        EXPECT_EQ(back, row.value);
    }
    const unsigned char notNumber[] = {3, 'a', 'b', 'c'};
    float value = 1;
    EXPECT_EQ(user->textToReal(notNumber, &value), kResultBadParameter);
    EXPECT_EQ(math->divide(3, 0), 0);
}

TEST_F(SuitesTest, MatchingArtListsSelectedArtInStackingOrder) {
    KvArtHandle lower = newPath({{0, 0}, {1, 1}});
    newPath({{0, 0}, {2, 2}});
    KvArtHandle compound = nullptr;
    ASSERT_EQ(art->newArt(kArtKindCompoundPath, kPlaceAboveAll, nullptr, &compound), kResultOk);
    KvArtHandle inner = nullptr;
    ASSERT_EQ(art->newArt(kArtKindPath, kPlaceInsideOnTop, compound, &inner), kResultOk);
    art->setArtAttributes(compound, kArtAttrSelected, kArtAttrSelected);
    art->setArtAttributes(lower, kArtAttrSelected, kArtAttrSelected);

    const KvMatchingSpec specs[] = {{kArtKindPath, 0, kArtAttrSelected, kArtAttrSelected},
                                    {kArtKindCompoundPath, 0, kArtAttrSelected, kArtAttrSelected}};
    KvArtHandle** matches = nullptr;
    int32_t count = 0;
    ASSERT_EQ(matching->getMatchingArt(specs, 2, &matches, &count), kResultOk);
    ASSERT_EQ(count, 3);
    EXPECT_EQ((*matches)[0], lower);
    EXPECT_EQ((*matches)[1], compound) << "a container before its children";
    EXPECT_EQ((*matches)[2], inner) << "children of a selected compound path count as selected";
    EXPECT_EQ(memory->disposeHandle(reinterpret_cast<KvMemHandle>(matches)), kResultOk);
}

TEST_F(SuitesTest, MemoryHandlesAreZeroFilledAndChecked) {
    KvMemHandle handle = nullptr;
    ASSERT_EQ(memory->newHandle(64, &handle), kResultOk);
    auto* bytes = static_cast<unsigned char*>(*handle);
    EXPECT_TRUE(std::all_of(bytes, bytes + 64, [](unsigned char b) { return b == 0; }));
    EXPECT_EQ(memory->newHandle(-1, &handle), kResultBadParameter);
    EXPECT_EQ(handle, nullptr);
    void* local = nullptr;
    EXPECT_EQ(memory->disposeHandle(&local), kResultBadHandle);
}

TEST_F(SuitesTest, UndoRevertsTheCommandButKeepsTheView) {
    KvArtHandle before = newPath({{0, 0}, {5, 5}});
    host.document().beginCommand();
    KvViewHandle zero = nullptr;
    view->getNthView(0, &zero);
    view->setViewZoom(zero, 2);
    newPath({{1, 1}});
    blend->setOpacity(before, 0.25f);
    ASSERT_EQ(undo->undoChanges(), kResultOk);
    float opacity = 0, zoom = 0;
    EXPECT_EQ(blend->getOpacity(before, &opacity), kResultOk) << "handles of older art stay valid";
    EXPECT_EQ(opacity, 1);
    view->getViewZoom(zero, &zoom);
    EXPECT_EQ(zoom, 2);
    std::size_t paths = 0;
    host.document().forEach([&](const doc::Art& item) { paths += item.kind == doc::ArtKind::path; });
    EXPECT_EQ(paths, 1u);
    EXPECT_EQ(undo->undoChanges(), kResultOk) << "nothing left to undo is no failure";
}

}  // namespace
}  // namespace kelvo::host
