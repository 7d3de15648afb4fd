// vesmark-format's command line: options, modes and their output.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vesmark::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitCheckFound = 1;  // --check found a month where a minute is expected
inline constexpr int kExitUsage = 2;  // a bad option, value or argument text

// Runs vesmark-format with its arguments (UTF-8, without the program name).
// Results go to `out`, one message line to `err`; returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace vesmark::cli
