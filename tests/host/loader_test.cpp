// The probe plug-in through the real loader: every message of the dispatch table, the suite
// passes, error reporting and the parameter/dialog protocol.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <filesystem>

#include "probe_fixture.h"

namespace kelvo::testing {
namespace {

constexpr int kProbeRows = 30;

TEST_F(ProbeTest, StartupRegistersTheFirstCategoryAndTitleOnly) {
    ASSERT_EQ(host.filters().size(), 1u);
    EXPECT_EQ(filter().category, "Kelvo <Test>");
    EXPECT_EQ(filter().title, "Probe...");
    EXPECT_EQ(filter().updateRule, (std::array<int32_t, 7>{1, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(host.acquisitions(), 0) << "every suite is released after the call";
}

TEST_F(ProbeTest, EmptyCategoryRegistersNothing) {
    host::Plugin* blank = loader.find("KV00_Blank");
    ASSERT_NE(blank, nullptr);
    ASSERT_EQ(loader.start(*blank), kResultOk);
    EXPECT_EQ(host.filters().size(), 1u);
    ASSERT_EQ(loader.unload(*blank), kResultOk);
    auto* globals = static_cast<intptr_t*>(blank->globals);
    ASSERT_NE(globals, nullptr);
    EXPECT_EQ(globals[2], 0) << "filterCount";
    ASSERT_EQ(loader.reload(*blank), kResultOk);
}

TEST_F(ProbeTest, UnknownMessagesAcquireAndReleaseOnce) {
    for (auto [caller, selector] : {std::pair{"SP Interface", "Frobnicate"}, std::pair{"Elsewhere", "AI Go"},
                                    std::pair{"AI Menu", "AI Update"}}) {
        int before = host.acquireCalls();
        EXPECT_EQ(loader.send(*probe, caller, selector), kResultOk) << caller << "/" << selector;
        EXPECT_EQ(host.acquireCalls() - before, kProbeRows) << caller << "/" << selector;
        EXPECT_EQ(host.acquisitions(), 0);
    }
    int before = host.acquireCalls();
    EXPECT_EQ(loader.send(*probe, "SP Access", "Frobnicate"), kResultOk);
    EXPECT_EQ(host.acquireCalls(), before) << "access messages touch no suite";
    EXPECT_TRUE(driver.transcript().empty());
}

TEST_F(ProbeTest, MenuGoShowsTheSelectionMessage) {
    EXPECT_EQ(loader.send(*probe, "AI Menu", "AI Go"), fourCharCode("!sel"));
    EXPECT_EQ(shown("error"), std::vector<std::string>{"Plug-in Error|The selection is not valid for this filter.|!sel"});
    EXPECT_EQ(err.str(), "Plug-in Error: The selection is not valid for this filter. (!sel)\n");
}

TEST_F(ProbeTest, AboutShowsTitleAndLines) {
    EXPECT_EQ(loader.send(*probe, "SP Interface", "About"), kResultOk);
    ASSERT_EQ(shown("about").size(), 1u);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "Probe Plug-in About");
    EXPECT_NE(out.str().find("Version Number: 2.5.5\n"), std::string::npos);
}

TEST_F(ProbeTest, UnloadBeforeStartupHandsOverNullAndReloadRestoresIt) {
    host::Plugin* blank = loader.find("KV00_Blank");
    loader.reload(*blank);  // loads the library without starting it
    EXPECT_EQ(loader.unload(*blank), kResultOk);
    EXPECT_EQ(blank->globals, nullptr);
    EXPECT_EQ(loader.reload(*blank), kResultOk);
    EXPECT_EQ(blank->globals, nullptr);
}

TEST_F(ProbeTest, UnloadAndReloadCarryTheGlobalsAcrossARealReload) {
    ASSERT_EQ(loader.unload(*probe), kResultOk);
    void* globals = probe->globals;
    ASSERT_NE(globals, nullptr);
    EXPECT_EQ(probe->library, nullptr);
    ASSERT_EQ(loader.reload(*probe), kResultOk);
    // The reloaded library answers for the filter it registered before.
    EXPECT_EQ(getParameters({set("4", "80")}), kResultOk);
    EXPECT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(params().length, 80);
    EXPECT_EQ(loader.shutdown(*probe), kResultOk);
    EXPECT_EQ(probe->globals, nullptr);
    EXPECT_EQ(host.liveBlocks(), 0u) << "shutdown frees the globals block";
}

TEST_F(ProbeTest, ShutdownClearsTheSlotWhenTheBlocksSuiteCannotBeHadAgain) {
    host.limitAcquisitions("SP Blocks Suite", 1);
    EXPECT_EQ(loader.shutdown(*probe), kResultSuiteMissing);
    EXPECT_EQ(probe->globals, nullptr);
    EXPECT_EQ(host.liveBlocks(), 1u) << "the block could not be freed";
    EXPECT_EQ(shown("error").size(), 1u);
}

TEST_F(ProbeTest, WithheldSuiteAlertsOnceAndRunsNoHandler) {
    host.withholdSuite("ADM Tracker Suite");
    EXPECT_EQ(loader.send(*probe, "SP Interface", "About"), kResultSuiteMissing);
    EXPECT_EQ(shown("alert"), std::vector<std::string>{"|Suite Loading Error: " + std::to_string(kResultSuiteMissing) +
                                                       ", suite: ADM Tracker Suite, version: 1!"});
    EXPECT_TRUE(shown("about").empty());
    EXPECT_EQ(host.acquisitions(), 0) << "the rows acquired before the failure are released";
}

TEST_F(ProbeTest, SuiteMissingBeforeTheToolkitEndsThePassSilently) {
    host.withholdSuite("AI Envelope Suite");
    EXPECT_EQ(loader.send(*probe, "SP Interface", "About"), kResultSuiteMissing);
    EXPECT_TRUE(driver.transcript().empty()) << "no alert, no error dialog and no handler without the toolkit";
    EXPECT_EQ(host.acquisitions(), 0);
}

TEST_F(ProbeTest, RefusedReleaseStillEndsTheCall) {
    host.refuseRelease("AI Art Suite");
    EXPECT_EQ(loader.send(*probe, "SP Interface", "Ping"), kResultOk);
    EXPECT_EQ(host.acquisitions("SP Blocks Suite"), 0) << "rows before the refusal are released";
    EXPECT_EQ(host.acquisitions("AI Art Suite"), 1) << "the pass stops at the refusal";
    host.clearFaults();
    int before = host.acquireCalls();
    EXPECT_EQ(loader.send(*probe, "SP Interface", "Ping"), kResultOk);
    EXPECT_EQ(host.acquireCalls() - before, kProbeRows) << "the nesting count went back to 0";
}

TEST_F(ProbeTest, NestedCallKeepsTheOuterSuites) {
    int nestedAcquisitions = -1;
    driver.inspect = [&](toolkit::Dialog&) {
        int before = host.acquireCalls();
        EXPECT_EQ(loader.send(*probe, "SP Interface", "Ping"), kResultOk);
        nestedAcquisitions = host.acquireCalls() - before;
    };
    EXPECT_EQ(getParameters({set("4", "120")}), kResultOk) << "the outer call still has its suites";
    EXPECT_EQ(nestedAcquisitions, 0);
    EXPECT_EQ(params().length, 120);
    EXPECT_EQ(host.acquisitions(), 0);
}

TEST_F(ProbeTest, ReloadResetsTheNestingCount) {
    int nestedAcquisitions = -1;
    driver.inspect = [&](toolkit::Dialog&) {
        // A Reload in the middle of a call starts counting afresh: the next call acquires.
        loader.send(*probe, "SP Access", "Reload");
        host.refuseRelease("SP Blocks Suite");  // keeps the suites the outer call still needs
        int before = host.acquireCalls();
        loader.send(*probe, "SP Interface", "Ping");
        nestedAcquisitions = host.acquireCalls() - before;
        host.clearFaults();
    };
    EXPECT_EQ(getParameters({}), kResultOk);
    EXPECT_EQ(nestedAcquisitions, kProbeRows);
    driver.inspect = nullptr;
    // A real unload and reload puts the library back in order.
    ASSERT_EQ(loader.unload(*probe), kResultOk);
    ASSERT_EQ(loader.reload(*probe), kResultOk);
    int before = host.acquireCalls();
    EXPECT_EQ(loader.send(*probe, "SP Interface", "Ping"), kResultOk);
    EXPECT_EQ(host.acquireCalls() - before, kProbeRows);
}

struct ErrorCase {
    int32_t code;
    const char* message;
    const char* codeText;
};

TEST_F(ProbeTest, ErrorTableLookup) {
    const char* memory = "The filter cannot complete because there isn't enough memory (RAM) available.";
    const char* unknown = "The filter cannot complete because of an unknown error.";
    const ErrorCase cases[] = {
        {-108, memory, "-108"},
        {271, memory, "271"},
        {fourCharCode("SEGM"), "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
        {fourCharCode("NESS"), "The filter cannot complete because a path has too many anchor points.", "NESS"},
        {fourCharCode("!sel"), "The selection is not valid for this filter.", "!sel"},
        {0x12345678, unknown, "\x12\x34\x56\x78"},
        {5000, unknown, "5000"},
        {4464, "Key seventy thousand.", "4464"},  // the key "70000" read as 16 bits
        {fourCharCode("!MEM"), unknown, "!MEM"},
    };
    ASSERT_EQ(getParameters({check("Preview", false)}), kResultOk);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    for (const ErrorCase& row : cases) {
        driver.clearTranscript();
        params().failWith = row.code;
        EXPECT_EQ(loader.go(filter()), row.code);
        EXPECT_EQ(shown("error"), std::vector<std::string>{std::string("Plug-in Error|") + row.message + "|" + row.codeText})
            << row.code;
    }
    for (int32_t silent : {kResultCancelled, kResultSilent}) {
        driver.clearTranscript();
        params().failWith = silent;
        EXPECT_EQ(loader.go(filter()), silent);
        EXPECT_TRUE(driver.transcript().empty()) << silent;
    }
}

TEST_F(ProbeTest, FirstUseFillsDefaultsOnceAndOkKeepsTheValues) {
    int32_t shownLength = -1;
    driver.inspect = [&](toolkit::Dialog& dialog) { shownLength = dialog.item(4)->intValue; };
    ASSERT_EQ(getParameters({set("Length (p):", "75"), set("5", "2.25")}), kResultOk);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(params().defaultsWritten, 1);
    EXPECT_EQ(params().length, 75);
    EXPECT_FLOAT_EQ(params().weight, 2.25f);

    ASSERT_EQ(getParameters({}), kResultOk);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(shownLength, 75) << "the second dialog opens with the last OK's values";
    EXPECT_EQ(params().defaultsWritten, 1);
}

TEST_F(ProbeTest, UserValuesAreClampedToTheBoxRange) {
    ASSERT_EQ(getParameters({set("4", "9000"), set("5", "-3")}), kResultOk);
    EXPECT_EQ(params().length, 500);
    EXPECT_FLOAT_EQ(params().weight, 0.0f);
    loader.go(filter());
}

TEST_F(ProbeTest, CancelAfterPreviewsRestoresDocumentAndRecord) {
    ASSERT_EQ(getParameters({set("4", "60")}), kResultOk);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    std::size_t before = artCount();
    std::vector<unsigned char> record(reinterpret_cast<unsigned char*>(&params()),
                                      reinterpret_cast<unsigned char*>(&params()) + sizeof(ProbeParams));

    EXPECT_EQ(getParameters({set("4", "10"), set("4", "20"), set("5", "3"), cancel()}), kResultCancelled);
    EXPECT_EQ(artCount(), before);
    EXPECT_EQ(0, std::memcmp(record.data(), &params(), record.size())) << "byte for byte";
    EXPECT_EQ(params().previewDrawn, 0);
    EXPECT_TRUE(shown("error").empty()) << "a cancel is not reported";
}

TEST_F(ProbeTest, OkWithPreviewKeepsThePreviewAndGoDrawsNothingMore) {
    ASSERT_EQ(getParameters({set("4", "10"), set("4", "30")}), kResultOk);
    EXPECT_EQ(artCount(), 1u) << "each preview replaces the last";
    EXPECT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(artCount(), 1u);
    EXPECT_EQ(params().previewDrawn, 0);
}

TEST_F(ProbeTest, OkWithPreviewOffDrawsOnceOnGo) {
    ASSERT_EQ(getParameters({set("4", "10"), check("Preview", false)}), kResultOk);
    EXPECT_EQ(artCount(), 1u) << "switching the preview off leaves the last preview";
    EXPECT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(artCount(), 1u) << "Go undoes the stale preview and draws once";
}

TEST_F(ProbeTest, AFailedPreviewIsDrawnAgainAndReportedByGo) {
    ASSERT_EQ(getParameters({set("6", "5000")}), kResultOk);
    EXPECT_EQ(params().previewDrawn, 0) << "a failed preview is not kept as the result";
    EXPECT_TRUE(shown("error").empty()) << "preview failures are not shown";
    EXPECT_EQ(loader.go(filter()), 5000);
    EXPECT_EQ(shown("error").size(), 1u);
}

TEST(PluginLibraries, ExportOnlyTheEntryPoint) {
    std::vector<std::filesystem::path> libraries;
    for (const char* folder : {KELVO_PROBE_DIR, KELVO_PLUGIN_DIR}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.path().extension() == ".so") libraries.push_back(entry.path());
    }
    ASSERT_FALSE(libraries.empty());
    for (const auto& library : libraries) {
        std::string command = "nm -D --defined-only " + library.string();
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::vector<std::string> symbols;
        char line[512];
        while (std::fgets(line, sizeof line, pipe) != nullptr) {
            std::string text = line;
            text = text.substr(text.find_last_of(' ') + 1);
            text.pop_back();
            symbols.push_back(text);
        }
        EXPECT_EQ(pclose(pipe), 0);
        EXPECT_EQ(symbols, std::vector<std::string>{"PluginMain"}) << library;
    }
}

}  // namespace
}  // namespace kelvo::testing

namespace kelvo::testing {
namespace {

TEST(PluginDiscovery, BadResourceFilesAreSkippedWithAWarningEach) {
    auto folder = std::filesystem::temp_directory_path() / "kelvo-discovery";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Broken.json") << "{\"propertyList\": 3";
    std::ofstream(folder / "WrongKind.json")
        << R"({"propertyList": {"kind": "XXXX", "interfaceVersion": 2, "entryPoint": "PluginMain", "library": "x.so"}})";
    std::ofstream(folder / "WrongVersion.json")
        << R"({"propertyList": {"kind": "SPEA", "interfaceVersion": 3, "entryPoint": "PluginMain", "library": "x.so"}})";
    std::ofstream(folder / "Missing.json")
        << R"({"propertyList": {"kind": "SPEA", "interfaceVersion": 2, "entryPoint": "PluginMain", "library": "Missing.so"}})";
    std::ofstream(folder / "NoEntry.json")
        << R"({"propertyList": {"kind": "SPEA", "interfaceVersion": 2, "entryPoint": "Elsewhere", "library": ")"
        << KELVO_PROBE_DIR << R"(/KV00_Probe.so"}})";

    host::Host host;
    host::Loader loader(host);
    std::vector<std::string> warnings = loader.discover({folder, KELVO_PROBE_DIR});
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_NE(warnings[0].find("Broken.json: not a resource file"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[1].find("kind \"XXXX\" is not SPEA"), std::string::npos) << warnings[1];
    EXPECT_NE(warnings[2].find("interface version 3"), std::string::npos) << warnings[2];
    EXPECT_NE(loader.find("probe"), nullptr) << "the good plug-ins of later folders still count";
    EXPECT_THROW(loader.start(*loader.find("Missing")), host::LoadError);
    EXPECT_THROW(loader.start(*loader.find("NoEntry")), host::LoadError);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kelvo::testing
