// A host with the probe plug-in loaded through the real loader, and a headless user.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::testing {

using toolkit::Action;

// The probe's record, as the plug-in lays it out.
struct ProbeParams {
    int32_t finalRun, previewDrawn, preview, length;
    float weight;
    int32_t failWith, defaultsWritten;
};

class ProbeTest : public ::testing::Test {
protected:
    std::ostringstream out, err;
    toolkit::HeadlessDriver driver{out, err};
    host::Host host;
    host::Loader loader{host};
    host::Plugin* probe = nullptr;

    void SetUp() override {
        host.seed(1);
        host.toolkit().setDriver(&driver);
        EXPECT_TRUE(loader.discover({KELVO_PROBE_DIR}).empty());
        probe = loader.find("KV00_Probe");
        ASSERT_NE(probe, nullptr);
        ASSERT_EQ(loader.start(*probe), kResultOk);
    }

    host::FilterRecord& filter() { return *host.filterNamed("KV00_Probe"); }
    ProbeParams& params() { return *static_cast<ProbeParams*>(*filter().parameters); }

    // Opens the probe's dialog with the given user actions.
    KvResult getParameters(std::vector<Action> script) {
        driver.addScript(std::move(script));
        return loader.getParameters(filter());
    }

    std::size_t artCount() {
        std::size_t count = 0;
        host.document().forEach([&](const doc::Art& art) { count += art.kind == doc::ArtKind::path; });
        return count;
    }

    std::vector<std::string> shown(const std::string& kind) {
        std::vector<std::string> texts;
        for (const auto& entry : driver.transcript()) {
            if (entry.kind != kind) continue;
            std::string joined = entry.title;
            for (const auto& line : entry.lines) joined += "|" + line;
            texts.push_back(joined);
        }
        return texts;
    }

    static Action set(const std::string& item, const std::string& value) {
        return Action::make(Action::Kind::setValue, item, value);
    }
    static Action check(const std::string& item, bool on) {
        return Action::make(on ? Action::Kind::check : Action::Kind::uncheck, item, "");
    }
    static Action cancel() { return Action::make(Action::Kind::cancel, "", ""); }
};

}  // namespace kelvo::testing
