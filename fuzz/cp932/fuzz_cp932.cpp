// Conversions between UTF-8 and code page 932: CP932 to UTF-8 never fails; a
// text that converts to CP932 comes back to the same CP932 bytes; searching and
// upper-casing never start inside a double-byte character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/cp932.hpp"
#include "platform/textconv.hpp"

using namespace vesmark::cp932;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Any bytes as CP932: display conversion succeeds and is valid UTF-8 that
    // converts back (U+FFFD aside) without complaint about malformed input.
    const std::string utf8 = Cp932ToUtf8(input);
    const auto back = Utf8ToCp932(utf8);
    if (!back.ok && back.errorChar != 0xFFFD) std::abort();

    // Any bytes as UTF-8: when they convert, the CP932 text is stable through a
    // second round (compatibility mappings such as U+301C settle on one code).
    const auto cp = Utf8ToCp932(input);
    if (cp.ok) {
        const auto again = Utf8ToCp932(Cp932ToUtf8(cp.text));
        if (!again.ok || again.text != cp.text) std::abort();
    }

    // Upper-casing keeps the length and never changes a trail byte's meaning.
    const std::string upper = UpperCase(input);
    if (upper.size() != input.size()) std::abort();
    for (std::size_t i = 0; i < input.size(); i += CharLength(input, i)) {
        if (CharLength(upper, i) != CharLength(input, i)) std::abort();
    }

    // A found "\\" never sits at a trail byte.
    for (std::size_t pos = Find(input, "\\"); pos != npos; pos = Find(input, "\\", pos + 1)) {
        if (IsTrailByteAt(input, pos)) std::abort();
    }
    return 0;
}
