// Code page 932 (Shift_JIS as Windows uses it) byte-string helpers: lead bytes,
// character stepping, searching and replacing that never match at a trail byte,
// and upper-casing of ASCII and full-width Latin letters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesmark::cp932 {

inline constexpr std::size_t npos = std::string_view::npos;

// The lead-byte set of code page 932: 0x81..0x9F and 0xE0..0xFC.
constexpr bool IsLeadByte(unsigned char b) noexcept {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char b) noexcept { return IsLeadByte(static_cast<unsigned char>(b)); }

// Length of the character that starts at pos: 2 for a lead byte followed by any
// byte, 1 otherwise (a lead byte that ends the text stands alone).
constexpr std::size_t CharLength(std::string_view s, std::size_t pos) noexcept {
    return (IsLeadByte(s[pos]) && pos + 1 < s.size()) ? 2 : 1;
}

// True when pos is the second byte of a double-byte character (scans from the start).
bool IsTrailByteAt(std::string_view s, std::size_t pos) noexcept;

// First match of pattern at or after from (from must be a character boundary),
// never starting at a trail byte. npos when there is none; an empty pattern never matches.
std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from = 0) noexcept;
// The same, comparing both texts upper-cased by UpperCase.
std::size_t FindIgnoreCase(std::string_view text, std::string_view pattern,
                           std::size_t from = 0) noexcept;

// Replaces every match from the left, continuing behind each replacement so that
// inserted text is never examined again. Returns the number of replacements.
std::size_t ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);
std::size_t ReplaceAllIgnoreCase(std::string& text, std::string_view pattern,
                                 std::string_view replacement);

// ASCII a-z to A-Z and full-width a-z (0x82 0x81..0x9A) to full-width A-Z
// (0x82 0x60..0x79); every other character is kept. Lengths never change.
std::string UpperCase(std::string_view s);
void UpperCaseInPlace(std::string& s) noexcept;

}  // namespace vesmark::cp932
