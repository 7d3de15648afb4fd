// The sexagenary cycle of years (heavenly stems and earthly branches) and the
// word pieces of the morning and afternoon fields.
#pragma once

#include <cstdint>
#include <string_view>

#include "format/output.hpp"

namespace vesmark::formatter {

// A cycle sign: its text (at most two table entries joined) and how many bytes it
// adds to the width the whole field is fitted to (0 when it asks for no fitting).
struct CycleText {
    std::string_view first;
    std::string_view second;
    int width = 0;
};

// Stem of a year: kanji for lower case, kana reading for upper case (width 8 with
// the extended flag, the length of the longest reading).
CycleText StemText(std::uint16_t year, TokenCase tokenCase, bool extended) noexcept;

// Branch of a year: kana for upper case (width 6 with the extended flag); for
// lower case the kanji, or the zodiac animal with the extended flag.
CycleText BranchText(std::uint16_t year, TokenCase tokenCase, bool extended) noexcept;

// The Japanese piece of one letter of a meridiem pattern: A ぜん, M and P ご,
// a 前, m 午, p 後; empty for any other byte.
std::string_view MeridiemWord(char letter) noexcept;

// The full-width form of A, M, P, a, m, p; empty for any other byte.
std::string_view MeridiemWideLetter(char letter) noexcept;

}  // namespace vesmark::formatter
