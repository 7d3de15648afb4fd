// The file-name sanitiser.
#include <cstddef>

#include "filepath/ComFilePathUnit.hpp"
#include "platform/cp932.hpp"

namespace vesmark {

// Doubled backslashes (a lone one separates folders) and the characters that a
// file name may not hold become underscores. Every replacement keeps the length
// and only single-byte characters are replaced, so one walk by character gives
// the same text as replacing each kind in turn; the second byte of a double-byte
// character is never looked at.
std::string SanitizeFileName(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = cp932::CharLength(out, i);
        if (n == 1) {
            switch (out[i]) {
                case '\\':
                    if (i + 1 < out.size() && out[i + 1] == '\\') {
                        out[i] = '_';
                        out[i + 1] = '_';
                        i += 2;
                        continue;
                    }
                    break;
                case ':':
                case '/':
                case '*':
                case '?':
                case '"':
                case '>':
                case '<':
                case '|': out[i] = '_'; break;
                default: break;
            }
        }
        i += n;
    }
    return out;
}

}  // namespace vesmark
