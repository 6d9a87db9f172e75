// The `kelvo` command line, run as a library call against the probe plug-in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--help"}, {"run", "--help"}, {"describe", "probe", "-h"}}) {
        Outcome result = kelvo(arguments);
        EXPECT_EQ(result.status, kExitDone) << arguments.front();
        EXPECT_NE(result.out.find("--pick ITEM=X,Y"), std::string::npos) << arguments.front();
        EXPECT_TRUE(result.err.empty()) << result.err;
    }
}

}  // namespace
}  // namespace kelvo::cli

namespace kelvo::cli {
namespace {

class CliRun : public ::testing::Test {
protected:
    std::filesystem::path folder;
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("kelvo-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string file(const std::string& name) { return (folder / name).string(); }
    static std::string read(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(CliRun, AppliesActionsInOrderAndWritesByExtension) {
    Outcome result = kelvo({"run", "probe", "--set", "Length (p):=40", "--set", "4=90", "--uncheck", "Preview",
                            "--seed", "3", "-o", file("out.json")});
    ASSERT_EQ(result.status, kExitDone) << result.err;
    std::string json = read(file("out.json"));
    EXPECT_NE(json.find("[90,0]"), std::string::npos) << "the later --set wins: " << json.substr(0, 400);
    for (const char* name : {"out.svg", "out.pdf", "out.png"}) {
        ASSERT_EQ(kelvo({"run", "probe", "-o", file(name)}).status, kExitDone) << name;
        EXPECT_GT(std::filesystem::file_size(file(name)), 100u) << name;
    }
    Outcome standardOut = kelvo({"run", "probe", "-o", "-"});
    EXPECT_EQ(standardOut.out.rfind("<?xml", 0), 0u);
}

TEST_F(CliRun, RefusalsLeaveNoOutput) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"run", "probe", "--set", "Nowhere=3"}, kExitUsage, "no item \"Nowhere\""},
        {{"run", "probe", "--set", "4=many"}, kExitUsage, "not a number"},
        {{"run", "probe", "--check", "4"}, kExitUsage, "not a check box"},
        {{"run", "probe", "--wobble"}, kExitUsage, "unknown option --wobble"},
        {{"run", "probe", "--fill", "#12"}, kExitUsage, "colour \"#12\""},
        {{"run", "probe", "--fill", "cmyk(0, 2, 0, 0)"}, kExitUsage, "channels lie between 0 and 1"},
        {{"run", "probe", "--select", "ghost"}, kExitUsage, "no object with id \"ghost\""},
        {{"run", "probe", "--in", "/nonexistent/drawing.svg"}, kExitUsage, "drawing.svg"},
        {{"run", "probe", "--cancel"}, kExitCancelled, ""},
        {{"run", "probe", "--set", "6=5000"}, kExitFilterFailed, "Plug-in Error: The filter cannot complete because of an unknown error. (5000)"},
        {{"run", "nothing"}, kExitUsage, "no plug-in named \"nothing\""},
    };
    for (const Case& row : cases) {
        std::vector<std::string> arguments = row.arguments;
        arguments.insert(arguments.end(), {"-o", file("out.svg")});
        Outcome result = kelvo(arguments);
        EXPECT_EQ(result.status, row.status) << arguments[2] << ": " << result.err;
        EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(file("out.svg"))) << arguments[2];
    }
    EXPECT_EQ(kelvo({"run", "probe", "-o", file("out.txt")}).status, kExitUsage);
    EXPECT_EQ(kelvo({"run", "probe"}).status, kExitUsage) << "an output is required";
}

TEST_F(CliRun, NeverWritesOverTheInputAndKeepsAnOldOutputOnFailure) {
    ASSERT_EQ(kelvo({"run", "probe", "-o", file("drawing.svg")}).status, kExitDone);
    std::string original = read(file("drawing.svg"));
    Outcome over = kelvo({"run", "probe", "--in", file("drawing.svg"), "-o", file("drawing.svg")});
    EXPECT_EQ(over.status, kExitUsage);
    EXPECT_EQ(read(file("drawing.svg")), original);

    ASSERT_EQ(kelvo({"run", "probe", "--in", file("drawing.svg"), "-o", file("again.svg")}).status, kExitDone);
    std::string again = read(file("again.svg"));
    EXPECT_EQ(kelvo({"run", "probe", "--set", "6=5000", "-o", file("again.svg")}).status, kExitFilterFailed);
    EXPECT_EQ(read(file("again.svg")), again);
}

TEST_F(CliRun, SwatchesFromAPaletteFollowNoneAndRegistration) {
    std::ofstream(file("colours.gpl")) << "GIMP Palette\nName: Test\n#\n255 0 0 Red\n0 0 255\tDeep blue\n";
    EXPECT_EQ(kelvo({"run", "probe", "--swatches", file("colours.gpl"), "-o", file("out.svg")}).status, kExitDone);
    std::ofstream(file("broken.gpl")) << "GIMP Palette\n300 0 0 Too red\n";
    Outcome broken = kelvo({"run", "probe", "--swatches", file("broken.gpl"), "-o", file("out2.svg")});
    EXPECT_EQ(broken.status, kExitUsage);
    EXPECT_NE(broken.err.find("broken.gpl:2"), std::string::npos) << broken.err;
}

TEST(CliDescribe, ListsItemsWithLabelsRangesAndValues) {
    Outcome result = kelvo({"describe", "probe"});
    ASSERT_EQ(result.status, kExitDone) << result.err;
    EXPECT_NE(result.out.find("KV00_Probe: Probe Plug-in"), std::string::npos);
    std::istringstream lines(result.out);
    bool found = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("4 ", 0) != 0) continue;
        found = true;
        EXPECT_NE(line.find("spin edit"), std::string::npos) << line;
        EXPECT_NE(line.find("Length (p):"), std::string::npos) << line;
        EXPECT_NE(line.find("0 .. 500"), std::string::npos) << line;
        EXPECT_NE(line.find("50"), std::string::npos) << line;
    }
    EXPECT_TRUE(found) << result.out;
}

}  // namespace
}  // namespace kelvo::cli
