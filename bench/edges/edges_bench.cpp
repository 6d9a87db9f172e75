// Tessivo through the real host: one preview run (the undo of the last preview, then the
// frames drawn again) at first-use settings and at 100 frames of 600 teeth a side, and the SVG
// export of the larger drawing.
//
// A preview run is timed as the user's "Shuffle" click inside the open dialog: its notifier
// reads every item back into the record and runs the generator, which undoes the previous
// preview and draws the frames again. The dialog is cancelled once the timing is done.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "edge_params.h"
#include "io/io.h"
#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace {

using namespace kelvo;
using toolkit::Action;

// Stands in for the user: runs `work` inside the open dialog.
class WorkingDriver : public toolkit::Driver {
public:
    std::function<void(toolkit::Toolkit&, toolkit::Dialog&)> work;
    void run(toolkit::Toolkit& kit, toolkit::Dialog& dialog) override {
        if (work) work(kit, dialog);
    }
    void alert(const std::string&) override {}
};

// A host with Tessivo started.
struct Session {
    host::Host host;
    host::Loader loader{host};
    WorkingDriver driver;
    host::FilterRecord* filter = nullptr;

    explicit Session(benchmark::State& state) {
        host.seed(7);
        host.toolkit().setDriver(&driver);
        host::Plugin& plugin = loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Tessivo.json");
        if (loader.start(plugin) != kResultOk || (filter = host.filterNamed("KV07_Tessivo")) == nullptr)
            state.SkipWithError("Tessivo did not start");
    }

    // Opens the dialog, applies `settings`, then runs `work` while the dialog is open.
    KvResult inDialog(const std::vector<Action>& settings,
                      const std::function<void(toolkit::Toolkit&, toolkit::Dialog&)>& work) {
        driver.work = [&](toolkit::Toolkit& kit, toolkit::Dialog& dialog) {
            for (const Action& action : settings) kit.perform(dialog, action);
            work(kit, dialog);
        };
        return loader.getParameters(*filter);
    }

    std::size_t segments() {
        std::size_t count = 0;
        host.document().forEach([&](const doc::Art& art) { count += art.segments.size(); });
        return count;
    }
};

Action set(const char* item, const char* value) { return Action::make(Action::Kind::setValue, item, value); }

// "Number of teeth" (box 24, every side while the sides are linked) and "Number of edges" (28).
const std::vector<Action> kFirstUse = {};
const std::vector<Action> kLargest = {set("24", "600"), set("28", "100")};

void previewRun(benchmark::State& state, const std::vector<Action>& settings) {
    Session session(state);
    const Action shuffle = Action::make(Action::Kind::click, "90");
    std::size_t segments = 0;
    session.inDialog(settings, [&](toolkit::Toolkit& kit, toolkit::Dialog& dialog) {
        for (auto _ : state) kit.perform(dialog, shuffle);
        segments = session.segments();
        kit.perform(dialog, Action::make(Action::Kind::cancel));
    });
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["segments/s"] =
        benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_PreviewFirstUse(benchmark::State& state) { previewRun(state, kFirstUse); }
BENCHMARK(BM_PreviewFirstUse)->Unit(benchmark::kMicrosecond);

void BM_PreviewHundredFramesOf600Teeth(benchmark::State& state) { previewRun(state, kLargest); }
BENCHMARK(BM_PreviewHundredFramesOf600Teeth)->Unit(benchmark::kMillisecond);

void BM_ExportSvgHundredFramesOf600Teeth(benchmark::State& state) {
    Session session(state);
    if (session.inDialog(kLargest, [](toolkit::Toolkit&, toolkit::Dialog&) {}) != kResultOk ||
        session.loader.go(*session.filter) != kResultOk) {
        state.SkipWithError("the frames were not drawn");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string svg = io::exportSvg(session.host.document());
        bytes += svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["segments"] = static_cast<double>(session.segments());
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ExportSvgHundredFramesOf600Teeth)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
