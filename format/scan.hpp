// The byte classes of the format language, shared by the interpreter and by the
// prepared formats: which bytes are copied as they are, and how long a character is.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/cp932.hpp"

namespace vesmark::formatter {

// True for the bytes that are copied as they are: digits, blanks, punctuation
// other than the symbols of the language, the letters B I O Q X, half-width kana.
constexpr std::array<bool, 256> MakePlainBytes() {
    std::array<bool, 256> plain{};
    for (int b = 1; b < 256; ++b) plain[b] = !cp932::IsLeadByte(static_cast<unsigned char>(b));
    for (const char symbol : std::string_view("\"'%\\/:")) plain[static_cast<unsigned char>(symbol)] = false;
    for (const char letter : std::string_view("ACDEFGHJKLMNPRSTUVWYZ")) {
        plain[static_cast<unsigned char>(letter)] = false;
        plain[static_cast<unsigned char>(letter + 0x20)] = false;
    }
    return plain;
}

inline constexpr std::array<bool, 256> kPlainBytes = MakePlainBytes();

constexpr bool IsPlain(char b) noexcept { return kPlainBytes[static_cast<unsigned char>(b)]; }

// Length of the character at `pos`: a lead byte takes the next byte, whatever it
// is, unless the text ends after it (at its end or at a zero byte).
inline std::size_t CharLengthAt(std::string_view text, std::size_t pos) noexcept {
    return (cp932::IsLeadByte(text[pos]) && pos + 1 < text.size() && text[pos + 1] != '\0') ? 2 : 1;
}

}  // namespace vesmark::formatter
