// Document engine throughput: building large documents inside a command and undoing them.
#include "document/document.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace kelvo::doc {
namespace {

// 10,000 paths of 100 segments, each segment appended by its own call, inside a command.
void BM_BuildMillionSegments(benchmark::State& state) {
    const int paths = 10000, perPath = 100;
    for (auto _ : state) {
        auto doc = std::make_unique<Document>();
        doc->beginCommand();
        std::vector<Segment> one(1);
        for (int p = 0; p < paths; ++p) {
            ArtId id = 0;
            doc->newArt(ArtKind::path, Placement::aboveAll, 0, &id);
            for (int i = 0; i < perPath; ++i) {
                one[0].anchor = Point{static_cast<float>(i), static_cast<float>(p)};
                doc->setSegments(id, static_cast<std::size_t>(i), one);
            }
        }
        benchmark::DoNotOptimize(doc->journalSize());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["segments/s"] =
        benchmark::Counter(static_cast<double>(paths) * perPath * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildMillionSegments)->Unit(benchmark::kMillisecond);

// Undo of a preview that created 100,000 objects.
void BM_UndoHundredThousandObjects(benchmark::State& state) {
    const int objects = 100000;
    for (auto _ : state) {
        state.PauseTiming();
        Document doc;
        doc.beginCommand();
        std::vector<Segment> segs(4);
        for (int i = 0; i < objects; ++i) {
            ArtId id = 0;
            doc.newArt(ArtKind::path, Placement::aboveAll, 0, &id);
            doc.setAllSegments(id, segs);
        }
        state.ResumeTiming();
        doc.undo();
        benchmark::DoNotOptimize(doc.journalSize());
    }
    state.counters["objects/s"] =
        benchmark::Counter(static_cast<double>(objects) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_UndoHundredThousandObjects)->Unit(benchmark::kMillisecond);

// Disposing N objects of one layer in stacking order, bottom first, inside a command.
void BM_DisposeInStackingOrder(benchmark::State& state) {
    const auto objects = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Document doc;
        std::vector<ArtId> ids;
        for (int i = 0; i < objects; ++i) {
            ArtId id = 0;
            doc.newArt(ArtKind::path, Placement::aboveAll, 0, &id);
            ids.push_back(id);
        }
        doc.beginCommand();
        state.ResumeTiming();
        for (ArtId id : ids) doc.dispose(id);
        state.PauseTiming();
        doc.undo();
        state.ResumeTiming();
    }
    state.SetComplexityN(objects);
}
BENCHMARK(BM_DisposeInStackingOrder)->Arg(5000)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace kelvo::doc

BENCHMARK_MAIN();
