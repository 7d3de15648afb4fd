// Code page 932 byte-string helpers.
#include "platform/cp932.hpp"

#include <cstring>

namespace vesmark::cp932 {

namespace {

// Upper-cases the character at i of s into out (same length); returns its length.
inline std::size_t UpperChar(std::string_view s, std::size_t i, char* out) noexcept {
    const auto b = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(b) && i + 1 < s.size()) {
        auto t = static_cast<unsigned char>(s[i + 1]);
        // Full-width a..z are 0x82 0x81..0x9A; A..Z are 0x82 0x60..0x79.
        if (b == 0x82 && t >= 0x81 && t <= 0x9A) t = static_cast<unsigned char>(t - 0x21);
        out[0] = s[i];
        out[1] = static_cast<char>(t);
        return 2;
    }
    out[0] = (b >= 'a' && b <= 'z') ? static_cast<char>(b - 0x20) : s[i];
    return 1;
}

// Compares pattern (already upper-cased) with text at pos, upper-casing the text.
bool MatchesUpper(std::string_view text, std::size_t pos, std::string_view upperPattern) noexcept {
    if (text.size() - pos < upperPattern.size()) return false;
    std::size_t i = 0;
    while (i < upperPattern.size()) {
        char buf[2];
        const std::size_t n = UpperChar(text, pos + i, buf);
        // A character that straddles the end of the pattern is compared byte-wise.
        const std::size_t take = std::min(n, upperPattern.size() - i);
        if (std::memcmp(buf, upperPattern.data() + i, take) != 0) return false;
        i += n;
    }
    return true;
}

template <bool IgnoreCase>
std::size_t FindImpl(std::string_view text, std::string_view pattern, std::size_t from) noexcept {
    if (pattern.empty() || from > text.size() || text.size() - from < pattern.size()) return npos;
    const std::size_t last = text.size() - pattern.size();
    if constexpr (!IgnoreCase) {
        const char first = pattern[0];
        const bool firstIsSingle = !IsLeadByte(first);
        std::size_t pos = from;
        while (pos <= last) {
            // Fast skip to the next candidate byte, then make sure it is a character start.
            if (firstIsSingle) {
                const void* hit = std::memchr(text.data() + pos, first, last - pos + 1);
                if (hit == nullptr) return npos;
                const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
                // Step character by character up to the hit, so a trail byte is never taken.
                while (pos < at) pos += CharLength(text, pos);
                if (pos != at) continue;  // the hit was a trail byte; pos is past it
            }
            if (std::memcmp(text.data() + pos, pattern.data(), pattern.size()) == 0) return pos;
            pos += CharLength(text, pos);
        }
        return npos;
    } else {
        // The pattern comes upper-cased already, once per search or replace-all.
        for (std::size_t pos = from; pos <= last; pos += CharLength(text, pos)) {
            if (MatchesUpper(text, pos, pattern)) return pos;
        }
        return npos;
    }
}

template <bool IgnoreCase>
std::size_t ReplaceAllImpl(std::string& text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return 0;
    std::string upper;
    std::string_view compared = pattern;
    if constexpr (IgnoreCase) compared = upper = UpperCase(pattern);
    std::size_t pos = FindImpl<IgnoreCase>(text, compared, 0);
    if (pos == npos) return 0;
    // Build the result in one pass; inserted text is never searched again.
    std::string out;
    out.reserve(text.size() + (replacement.size() > pattern.size() ? replacement.size() - pattern.size() : 0) * 4);
    std::size_t copied = 0;
    std::size_t count = 0;
    while (pos != npos) {
        out.append(text, copied, pos - copied);
        out.append(replacement);
        copied = pos + pattern.size();
        ++count;
        pos = FindImpl<IgnoreCase>(text, compared, copied);
    }
    out.append(text, copied, npos);
    text.swap(out);
    return count;
}

}  // namespace

bool IsTrailByteAt(std::string_view s, std::size_t pos) noexcept {
    std::size_t i = 0;
    while (i < pos) i += CharLength(s, i);
    return i != pos;
}

std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from) noexcept {
    return FindImpl<false>(text, pattern, from);
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view pattern, std::size_t from) noexcept {
    return FindImpl<true>(text, UpperCase(pattern), from);
}

std::size_t ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
    return ReplaceAllImpl<false>(text, pattern, replacement);
}

std::size_t ReplaceAllIgnoreCase(std::string& text, std::string_view pattern,
                                 std::string_view replacement) {
    return ReplaceAllImpl<true>(text, pattern, replacement);
}

void UpperCaseInPlace(std::string& s) noexcept {
    for (std::size_t i = 0; i < s.size();) {
        char buf[2];
        const std::size_t n = UpperChar(s, i, buf);
        s[i] = buf[0];
        if (n == 2) s[i + 1] = buf[1];
        i += n;
    }
}

std::string UpperCase(std::string_view s) {
    std::string out(s);
    UpperCaseInPlace(out);
    return out;
}

}  // namespace vesmark::cp932
