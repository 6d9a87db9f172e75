// Chromble through the real host: one preview run (the undo of the last preview, then the
// selection recoloured again, as "Shuffle" does) at first-use settings and at a heavy setting,
// and the SVG export of the heavy result.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "io/io.h"
#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace {

using namespace kelvo;
using toolkit::Action;

// Stands in for the user: runs `body` on the open main dialog.
class BenchDriver : public toolkit::Driver {
public:
    std::function<void(toolkit::Toolkit&, toolkit::Dialog&)> body;
    void run(toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) override {
        if (body) body(toolkit, dialog);
    }
    void alert(const std::string&) override {}
};

// A grid of selected closed squares, every tenth one a selected compound path of three
// members, in four-colour, three-colour and gray paint.
void addSelection(doc::Document& document, int objects) {
    const doc::Colour fills[] = {{doc::kFour, {.2f, .4f, .6f, .1f}, 0}, {doc::kThree, {.3f, .5f, .7f, 0}, 0},
                                 {doc::kGray, {.4f, 0, 0, 0}, 0}};
    auto square = [&](doc::ArtId id, float x, float y) {
        std::vector<doc::Segment> corners;
        for (doc::Point p : {doc::Point{x, y + 4}, doc::Point{x + 4, y + 4}, doc::Point{x + 4, y}, doc::Point{x, y}})
            corners.push_back(doc::Segment{p, p, p, true});
        document.setAllSegments(id, corners);
        document.setClosed(id, true);
    };
    for (int i = 0; i < objects; ++i) {
        const float x = static_cast<float>(i % 100) * 6, y = static_cast<float>(i / 100) * 6;
        doc::PathStyle style;
        style.fill = fills[i % 3];
        doc::ArtId id = 0;
        if (i % 10 == 9) {
            document.newArt(doc::ArtKind::compound, doc::Placement::aboveAll, 0, &id);
            for (int member = 0; member < 3; ++member) {
                doc::ArtId path = 0;
                document.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, id, &path);
                square(path, x + static_cast<float>(member), y);
            }
        } else {
            document.newArt(doc::ArtKind::path, doc::Placement::aboveAll, 0, &id);
            square(id, x, y);
        }
        document.setStyle(id, style);
        document.setSelected(id, true);
    }
}

struct Chromble {
    host::Host host;
    host::Loader loader{host};
    BenchDriver driver;
    host::FilterRecord* filter = nullptr;

    explicit Chromble(int objects) {
        host.seed(5);
        host.toolkit().setDriver(&driver);
        loader.start(loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Chromble.json"));
        filter = host.filterNamed("KV07_Chromble");
        addSelection(host.document(), objects);
    }
};

Action set(const char* item, const char* value) { return Action::make(Action::Kind::setValue, item, value); }
Action check(const char* item) { return Action::make(Action::Kind::check, item); }
Action choose(const char* list, const char* entry) { return Action::make(Action::Kind::choose, list, entry); }

constexpr int kFirstUseObjects = 1000;
constexpr int kHeavyObjects = 20000;

// Black from two draws, a slowly shrinking path factor, half-way interpolation, and every
// per-object option but "Apply [R]": widths, graphic styles, opacities, blending modes, and a
// symbol made of every object.
const std::vector<Action> kHeavy = {
    choose("41", "5"), set("9", "99.6"),      set("8", "50"),         check("Opacity [R]"), check("Blend [R]"),
    check("Style [R]"), check("Width [R]"),   check("Symbolize"),     choose("42", "3"),
};

void previewRuns(benchmark::State& state, int objects, const std::vector<Action>& setup) {
    Chromble chromble(objects);
    chromble.driver.body = [&](toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) {
        for (const Action& action : setup) toolkit.perform(dialog, action);
        const Action shuffle = Action::make(Action::Kind::click, "Shuffle");
        for (auto _ : state) toolkit.perform(dialog, shuffle);
        toolkit.perform(dialog, Action::make(Action::Kind::cancel));
    };
    chromble.loader.getParameters(*chromble.filter);
    state.counters["objects"] = objects;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * objects);
}

void BM_PreviewFirstUse(benchmark::State& state) { previewRuns(state, kFirstUseObjects, {}); }
BENCHMARK(BM_PreviewFirstUse)->Unit(benchmark::kMicrosecond);

void BM_PreviewHeavy(benchmark::State& state) { previewRuns(state, kHeavyObjects, kHeavy); }
BENCHMARK(BM_PreviewHeavy)->Unit(benchmark::kMillisecond);

void BM_ExportSvgHeavy(benchmark::State& state) {
    Chromble chromble(kHeavyObjects);
    chromble.driver.body = [](toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) {
        for (const Action& action : kHeavy) toolkit.perform(dialog, action);
    };
    chromble.loader.runFilter(*chromble.filter);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = io::exportSvg(chromble.host.document());
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["symbols"] = static_cast<double>(chromble.host.document().symbols().size());
}
BENCHMARK(BM_ExportSvgHeavy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
