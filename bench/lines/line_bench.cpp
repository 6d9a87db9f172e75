// Ravelo through the real host: one preview run (the undo of the last preview, then the lines
// drawn again, as "Shuffle" does) at first-use settings and at a heavy setting, and the SVG
// export of the heavy result.
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

struct Ravelo {
    host::Host host;
    host::Loader loader{host};
    BenchDriver driver;
    host::FilterRecord* filter = nullptr;

    Ravelo() {
        host.seed(5);
        host.toolkit().setDriver(&driver);
        loader.start(loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Ravelo.json"));
        filter = host.filterNamed("KV07_Ravelo");
    }
};

Action set(const char* item, const char* value) { return Action::make(Action::Kind::setValue, item, value); }
Action check(const char* item) { return Action::make(Action::Kind::check, item); }
Action choose(const char* list, const char* entry) { return Action::make(Action::Kind::choose, list, entry); }

// 50 blocks of 500 lines (25,000 objects), turned, scaled, swatch-filled, stroked by mode,
// with random widths and opacities.
const std::vector<Action> kHeavy = {
    set("4", "500"),  set("22", "50"),     set("10", "3"),       check("Angle 1"),         check("Opacity [R]"),
    set("11", "99"),  set("23", "2000"),   choose("62", "15"),   choose("63", "2"),        set("17", "1"),
    choose("64", "13"), set("21", "5"),    set("24", "20"),
};

void previewRuns(benchmark::State& state, const std::vector<Action>& setup) {
    Ravelo ravelo;
    std::size_t lines = 0;
    ravelo.driver.body = [&](toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) {
        for (const Action& action : setup) toolkit.perform(dialog, action);
        const Action shuffle = Action::make(Action::Kind::click, "Shuffle");
        for (auto _ : state) toolkit.perform(dialog, shuffle);
        ravelo.host.document().forEach([&](const doc::Art& art) { lines += art.kind == doc::ArtKind::path; });
        toolkit.perform(dialog, Action::make(Action::Kind::cancel));
    };
    ravelo.loader.getParameters(*ravelo.filter);
    state.counters["lines"] = static_cast<double>(lines);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines));
}

void BM_PreviewFirstUse(benchmark::State& state) { previewRuns(state, {}); }
BENCHMARK(BM_PreviewFirstUse)->Unit(benchmark::kMicrosecond);

void BM_PreviewHeavy(benchmark::State& state) { previewRuns(state, kHeavy); }
BENCHMARK(BM_PreviewHeavy)->Unit(benchmark::kMillisecond);

void BM_ExportSvgHeavy(benchmark::State& state) {
    Ravelo ravelo;
    ravelo.driver.body = [](toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) {
        for (const Action& action : kHeavy) toolkit.perform(dialog, action);
    };
    ravelo.loader.runFilter(*ravelo.filter);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = io::exportSvg(ravelo.host.document());
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ExportSvgHeavy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
