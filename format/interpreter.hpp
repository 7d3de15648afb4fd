// The format interpreter: reads a format text from left to right and appends the
// rendered text to a FormatOutput.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "format/output.hpp"

namespace vesmark::formatter {

// Interprets `text` (up to its first zero byte) into `out`. Re-entered for the
// composite tokens; a run that would start at depth 2 or more renders nothing.
void InterpretFormat(FormatOutput& out, std::string_view text) noexcept;

// The number of bytes equal to `b` from `pos` on, plus 1 for the token letter
// itself; `pos` moves past them. The comparison is of raw bytes (case-sensitive).
std::int32_t CountRun(std::string_view text, std::size_t& pos, char b) noexcept;

}  // namespace vesmark::formatter
