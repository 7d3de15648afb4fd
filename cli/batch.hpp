// The line protocol of vesmark-format --batch: one request per input line, one
// response line per request, text fields as hex of their CP932 bytes.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vesmark::cli {

// Longest request line read whole (bytes, without the LF and a trailing CR).
// A longer line is skipped to its end and answered with an error.
inline constexpr std::size_t kMaxRequestLength = std::size_t{1} << 20;

// The response to one request line (without its LF; a trailing CR is ignored).
std::string AnswerRequest(std::string_view line);

// Answers every line of `in` until its end, flushing each response.
// Returns 0, or 1 when writing to `out` failed.
int RunBatch(std::istream& in, std::ostream& out,
             std::size_t maxRequestLength = kMaxRequestLength);

}  // namespace vesmark::cli
