// Conversion between UTF-8 (the desktop's and the terminal's text) and code page 932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesmark::cp932 {

struct FromUtf8Result {
    bool ok = true;
    std::string text;              // the CP932 bytes; empty when !ok
    std::size_t errorOffset = 0;   // byte offset in the UTF-8 input of the offending character
    char32_t errorChar = 0;        // the code point (0xFFFD for malformed UTF-8)
    std::string message;           // UTF-8, names the character and its position
};

// Strict: converts everything or nothing. The first character that code page 932
// cannot hold, or the first malformed UTF-8 sequence, is reported.
FromUtf8Result Utf8ToCp932(std::string_view utf8);

// For display; never fails. An invalid or incomplete sequence (a lone lead byte at
// the end, an unassigned double-byte code) becomes U+FFFD, one per character.
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace vesmark::cp932
