// Quadrel's preview (undo of the last preview, then a new grid) at first-use settings and at a
// heavy setting, and the SVG export of the heavy grid. The previews run inside the real modal
// dialog: the benchmark loop is the user pressing "Shuffle".
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

using kelvo::toolkit::Action;

// Works the main dialog with `work`; the host's own dialogs are confirmed.
class BenchDriver : public kelvo::toolkit::Driver {
public:
    std::function<void(kelvo::toolkit::Toolkit&, kelvo::toolkit::Dialog&)> work;
    void run(kelvo::toolkit::Toolkit& toolkit, kelvo::toolkit::Dialog& dialog) override {
        if (dialog.resourceId == 16100 && work) {
            work(toolkit, dialog);
        } else {
            toolkit.perform(dialog, Action::make(Action::Kind::ok));
        }
    }
    void alert(const std::string&) override {}
};

struct GridSession {
    BenchDriver driver;
    kelvo::host::Host host;
    kelvo::host::Loader loader{host};
    kelvo::host::FilterRecord* filter = nullptr;

    GridSession() {
        host.seed(1);
        host.toolkit().setDriver(&driver);
        auto& plugin = loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Quadrel.json");
        loader.start(plugin);
        filter = host.filterNamed("KV07_Quadrel");
        kelvo::doc::ArtId definition = 0;
        host.document().newRect(50, 100, 550, 700, false, &definition);
        host.document().setSelected(definition, true);
    }
};

// 200 ovals each way, with alternate thickness, shift jitter, skew, curve and random paint.
const std::vector<Action> kHeavySettings = {
    Action::make(Action::Kind::choose, "39", "2"),     Action::make(Action::Kind::setValue, "4", "200"),
    Action::make(Action::Kind::setValue, "6", "1.5"),  Action::make(Action::Kind::setValue, "9", "3"),
    Action::make(Action::Kind::check, "53"),           Action::make(Action::Kind::check, "55"),
    Action::make(Action::Kind::setValue, "10", "110"), Action::make(Action::Kind::setValue, "21", "2"),
    Action::make(Action::Kind::choose, "35", "11"),    Action::make(Action::Kind::choose, "36", "8"),
    Action::make(Action::Kind::choose, "37", "13"),    Action::make(Action::Kind::setValue, "19", "5"),
};

void previews(benchmark::State& state, const std::vector<Action>& settings) {
    GridSession session;
    std::size_t elements = 0;
    session.driver.work = [&](kelvo::toolkit::Toolkit& toolkit, kelvo::toolkit::Dialog& dialog) {
        for (const Action& action : settings) toolkit.perform(dialog, action);
        const Action shuffle = Action::make(Action::Kind::click, "70");
        for (auto _ : state) toolkit.perform(dialog, shuffle);
        session.host.document().forEach(
            [&](const kelvo::doc::Art& art) { elements += art.kind == kelvo::doc::ArtKind::path; });
    };
    session.loader.getParameters(*session.filter);
    state.counters["paths"] = static_cast<double>(elements);
}

void BM_PreviewFirstUse(benchmark::State& state) { previews(state, {}); }
void BM_PreviewHeavy(benchmark::State& state) { previews(state, kHeavySettings); }

void BM_ExportSvgHeavy(benchmark::State& state) {
    GridSession session;
    session.driver.work = [](kelvo::toolkit::Toolkit& toolkit, kelvo::toolkit::Dialog& dialog) {
        for (const Action& action : kHeavySettings) toolkit.perform(dialog, action);
    };
    session.loader.runFilter(*session.filter);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = kelvo::io::exportSvg(session.host.document());
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_PreviewFirstUse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSvgHeavy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
