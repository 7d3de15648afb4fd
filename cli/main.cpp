// vesmark-format: renders the extended date-time format language from the
// command line, or answers its line protocol with --batch.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return vesmark::cli::RunCommandLine(args, std::cin, std::cout, std::cerr);
}
