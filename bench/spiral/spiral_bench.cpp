// Volutia's preview as the user meets it: one run of "Shuffle" inside the open dialog (undo of
// the previous preview, then the spiral drawn again), through the real loader and host; and
// the SVG export of the spiral it leaves.
//
// Settings: 0 the first-use spiral (one path of 40 points); 1 a heavy one: 100 separate arms of
// 20 points with star points, randomized steps, a random pivot, random colour, weight and
// opacity (about 4,000 segments and 100 styled paths per run).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "io/io.h"
#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace {

using namespace kelvo;
using toolkit::Action;

// Stands in for the user: runs `work` inside the open dialog, then cancels it.
class BenchDriver : public toolkit::Driver {
public:
    std::function<void(toolkit::Toolkit&, toolkit::Dialog&)> work;
    void run(toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) override {
        if (work) work(toolkit, dialog);
        toolkit.perform(dialog, Action::make(Action::Kind::cancel));
    }
    void alert(const std::string&) override {}
};

std::vector<Action> settings(int which) {
    if (which == 0) return {};
    auto set = [](const char* item, const char* value) { return Action::make(Action::Kind::setValue, item, value); };
    auto choose = [](const char* list, const char* entry) { return Action::make(Action::Kind::choose, list, entry); };
    return {
        choose("76", "1"),  set("4", "20"),     set("6", "100"),   set("17", "30"),  set("18", "150"),
        choose("78", "2"),  set("8", "20"),     set("19", "15"),   choose("81", "5"), choose("79", "8"),
        set("33", "5"),     choose("80", "7"),  set("37", "2"),    Action::make(Action::Kind::check, "140"),
    };
}

// Opens Volutia's dialog in a fresh host with `which` settings applied, and hands the open
// dialog to `body`.
void withDialog(benchmark::State& state, int which, const std::function<void(host::Host&, toolkit::Toolkit&,
                                                                              toolkit::Dialog&)>& body) {
    host::Host host;
    host.seed(11);
    BenchDriver driver;
    host.toolkit().setDriver(&driver);
    host::Loader loader(host);
    host::Plugin& plugin = loader.add(std::filesystem::path(KELVO_PLUGIN_DIR) / "KV07_Volutia.json");
    if (loader.start(plugin) != kResultOk) {
        state.SkipWithError("Volutia did not start");
        return;
    }
    driver.work = [&](toolkit::Toolkit& toolkit, toolkit::Dialog& dialog) {
        for (const Action& action : settings(which)) toolkit.perform(dialog, action);
        body(host, toolkit, dialog);
    };
    loader.getParameters(*host.filterNamed("KV07_Volutia"));
}

void BM_PreviewRun(benchmark::State& state) {
    withDialog(state, static_cast<int>(state.range(0)), [&](host::Host& host, toolkit::Toolkit& toolkit,
                                                            toolkit::Dialog& dialog) {
        const Action shuffle = Action::make(Action::Kind::click, "60");
        for (auto _ : state) toolkit.perform(dialog, shuffle);
        std::size_t segments = 0;
        host.document().forEach([&](const doc::Art& art) { segments += art.segments.size(); });
        state.counters["segments"] = static_cast<double>(segments);
    });
}
BENCHMARK(BM_PreviewRun)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ExportSvg(benchmark::State& state) {
    withDialog(state, static_cast<int>(state.range(0)), [&](host::Host& host, toolkit::Toolkit&, toolkit::Dialog&) {
        std::size_t bytes = 0;
        for (auto _ : state) {
            const std::string svg = io::exportSvg(host.document());
            bytes += svg.size();
            benchmark::DoNotOptimize(svg.data());
        }
        state.SetBytesProcessed(static_cast<int64_t>(bytes));
    });
}
BENCHMARK(BM_ExportSvg)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
