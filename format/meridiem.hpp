// The meridiem token: the letter A (either case, alone) starting a pattern that
// names both halves of the day, such as AM/PM, a.m.\p.m., A%P or AMPM.
#pragma once

#include <cstddef>
#include <string_view>

#include "format/output.hpp"

namespace vesmark::formatter {

// Renders the pattern at `pos` (the position of the letter) of `text` and returns
// how many bytes it consumed: the whole pattern, or 1 when none matches and the
// letter is copied. The matching never looks beyond `text`.
std::size_t MeridiemToken(FormatOutput& out, std::string_view text, std::size_t pos) noexcept;

// How many bytes MeridiemToken consumes at `pos`, without rendering: 4 for AMPM,
// the whole pattern for two halves joined by "/", "%" or "", otherwise 1.
std::size_t MeridiemLength(std::string_view text, std::size_t pos) noexcept;

}  // namespace vesmark::formatter
