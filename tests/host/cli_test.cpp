// The `kelvo` command line, run as a library call against the probe plug-in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/cli.h"

namespace kelvo::cli {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome kelvo(std::vector<std::string> arguments) {
    setenv("KELVO_PLUGIN_PATH", KELVO_PROBE_DIR, 1);
    std::ostringstream out, err;
    int status = run(arguments, "/nonexistent", out, err);
    return Outcome{status, out.str(), err.str()};
}

TEST(Cli, ListsRegisteredFilters) {
    Outcome result = kelvo({"list"});
    EXPECT_EQ(result.status, kExitDone);
    EXPECT_EQ(result.out, "KV00_Probe\tKelvo <Test>\tProbe...\n");
}

TEST(Cli, AboutByShortName) {
    Outcome result = kelvo({"about", "probe"});
    EXPECT_EQ(result.status, kExitDone);
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')), "Probe Plug-in About");
}

TEST(Cli, UsageErrorsAreOneLineWithStatusTwo) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"about", "nothing"}, {"frobnicate"}, {}, {"list", "--bogus"}, {"about"}}) {
        Outcome result = kelvo(arguments);
        EXPECT_EQ(result.status, kExitUsage) << result.err;
        ASSERT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_EQ(result.err.rfind("kelvo: ", 0), 0u) << result.err;
    }
}

TEST(Cli, HelpGoesToStandardOutput) {
    Outcome result = kelvo({"--help"});
    EXPECT_EQ(result.status, kExitDone);
    EXPECT_NE(result.out.find("list"), std::string::npos);
}

}  // namespace
}  // namespace kelvo::cli
