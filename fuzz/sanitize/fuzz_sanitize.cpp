// The file-name sanitiser: no single-byte : / * ? " < > | and no pair of real
// backslashes survives, and no double-byte character is split or changed.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "filepath/ComFilePathUnit.hpp"
#include "platform/cp932.hpp"

using vesmark::cp932::CharLength;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string out = vesmark::SanitizeFileName(in);
    if (out.size() != in.size()) std::abort();
    bool backslashBefore = false;
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = CharLength(in, i);
        if (CharLength(out, i) != n) std::abort();
        if (n == 2) {
            if (std::memcmp(out.data() + i, in.data() + i, 2) != 0) std::abort();
            backslashBefore = false;
        } else {
            const char c = out[i];
            if (std::strchr(":/*?\"<>|", c) != nullptr && c != 0) std::abort();
            if (c == '\\' && backslashBefore) std::abort();
            backslashBefore = c == '\\';
            if (c != in[i] && c != '_') std::abort();
        }
        i += n;
    }
    return 0;
}
