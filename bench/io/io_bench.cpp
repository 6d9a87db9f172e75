// Throughput of SVG and JSON export (a 1,000,000-segment document) and of SVG import (a
// 50,000-path file), in bytes of SVG or JSON per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "document/document.h"
#include "io/io.h"

namespace {

using namespace kelvo;

// 1000 closed paths of 1000 smooth segments with fractional coordinates, alternating paint.
std::unique_ptr<doc::Document> millionSegments() {
    auto document = std::make_unique<doc::Document>();
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(0, 612);
    for (int p = 0; p < 1000; ++p) {
        doc::ArtId id = 0;
        document->newArt(doc::ArtKind::path, doc::Placement::insideOnTop, 0, &id);
        std::vector<doc::Segment> segments(1000);
        for (auto& s : segments) {
            s.anchor = {coordinate(random), coordinate(random)};
            s.in = {s.anchor.x - 3.25f, s.anchor.y + 1.5f};
            s.out = {s.anchor.x + 3.25f, s.anchor.y - 1.5f};
        }
        document->setAllSegments(id, std::move(segments));
        document->setClosed(id, true);
        doc::PathStyle style;
        if (p % 2) style.fill = {doc::kThree, {0.2f, 0.4f, 0.6f, 0}, 0};
        document->setStyle(id, style);
    }
    return document;
}

void BM_ExportSvg(benchmark::State& state) {
    auto document = millionSegments();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string svg = io::exportSvg(*document);
        bytes += svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);

void BM_ExportJson(benchmark::State& state) {
    auto document = millionSegments();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string json = io::exportJson(*document);
        bytes += json.size();
        benchmark::DoNotOptimize(json.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ExportJson)->Unit(benchmark::kMillisecond);

// 50,000 paths of a few curves each, with colours, ids and a group every 100 paths: the kind
// of file vector editors write.
std::string fiftyThousandPaths() {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"612pt\" height=\"792pt\" viewBox=\"0 0 612 792\">\n";
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(0, 600);
    char buffer[256];
    for (int p = 0; p < 50000; ++p) {
        if (p % 100 == 0) svg += p ? "</g>\n<g>\n" : "<g>\n";
        std::snprintf(buffer, sizeof buffer, "<path id=\"p%d\" fill=\"#%06x\" stroke=\"#000000\" stroke-width=\"0.5\" d=\"M%.2f %.2f", p,
                      static_cast<unsigned>(random() & 0xFFFFFF), coordinate(random), coordinate(random));
        svg += buffer;
        for (int c = 0; c < 4; ++c) {
            std::snprintf(buffer, sizeof buffer, "C%.2f %.2f %.2f %.2f %.2f %.2f", coordinate(random), coordinate(random),
                          coordinate(random), coordinate(random), coordinate(random), coordinate(random));
            svg += buffer;
        }
        svg += "Z\"/>\n";
    }
    return svg + "</g>\n</svg>\n";
}

void BM_ImportSvg(benchmark::State& state) {
    std::string svg = fiftyThousandPaths();
    for (auto _ : state) {
        auto document = io::importSvg(svg, nullptr);
        benchmark::DoNotOptimize(document.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(svg.size() * state.iterations()));
}
BENCHMARK(BM_ImportSvg)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
