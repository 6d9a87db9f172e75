#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::error_code error;
    std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
    std::filesystem::path programDir = error ? std::filesystem::path(argv[0]).parent_path() : program.parent_path();
    return kelvo::cli::run(arguments, programDir, std::cout, std::cerr);
}
