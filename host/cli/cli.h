// The `kelvo` command line as a library call, so tests run it without a process.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kelvo::cli {

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFilterFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCancelled = 3;

// Runs the command line `arguments` (without the program name). Plug-ins are looked for in
// $KELVO_PLUGIN_PATH and in `programDir`/plugins.
int run(const std::vector<std::string>& arguments, const std::filesystem::path& programDir, std::ostream& out,
        std::ostream& err);

}  // namespace kelvo::cli
