// FormatOutput: the bounded output of one formatting call, the ways text enters it
// (bytes, texts, texts fitted to a width) and numbers in the three numeral styles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "format/tables.hpp"

namespace vesmark::formatter {

// The case of a field letter: lower for "a" to "z", upper for every other byte.
enum class TokenCase : std::uint8_t { Lower, Upper };

// How digits are written: derived from the two digit modes where a number is written.
enum class NumeralStyle : std::uint8_t { Ascii, Wide, Kanji };

// Fill character of a number, by token case: "0" for lower, a space for upper.
inline constexpr char PadChars[] = {
    '0',  // lower case
    ' ',  // upper case
};

// "00" to "99", for writing numbers two digits at a time.
inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The output of one formatting call. Everything appended beyond 256 bytes is
// dropped, byte by byte: a double-byte character at the limit may leave its lead
// byte alone at the end. Appends never allocate and never fail.
class FormatOutput {
public:
    static constexpr int kCapacity = 256;

    bool WideDigitMode = false;   // flipped by "%"
    bool KanjiDigitMode = false;  // flipped by "\"
    std::uint8_t depth = 0;       // active interpreter runs; kept by the interpreter only

    void AppendByte(char b) noexcept {
        if (used_ < kCapacity) buffer_[used_++] = b;
    }

    void AppendBytes(const char* bytes, std::size_t n) noexcept {
        const auto room = static_cast<std::size_t>(kCapacity - used_);
        if (n > room) n = room;
        char* const to = buffer_ + used_;
        used_ += static_cast<int>(n);
        CopySmall(to, bytes, n);
    }

    void AppendText(std::string_view text) noexcept { AppendBytes(text.data(), text.size()); }

    // n copies of one byte (as many as fit).
    void AppendRepeated(char b, std::size_t n) noexcept {
        const auto room = static_cast<std::size_t>(kCapacity - used_);
        if (n > room) n = room;
        if (n == 0) return;
        std::memset(buffer_ + used_, static_cast<unsigned char>(b), n);
        used_ += static_cast<int>(n);
    }

    // The text cut or filled with ASCII spaces to exactly `width` bytes.
    void AppendFitted(std::string_view text, int width) noexcept {
        const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
        if (text.size() >= w) {
            AppendBytes(text.data(), w);
        } else {
            AppendText(text);
            AppendRepeated(' ', w - text.size());
        }
    }

    // The text cut to `width` bytes, or filled with (width - length) / 2 full-width
    // spaces; an odd shortfall leaves the text one byte short of the width.
    void AppendFittedWide(std::string_view text, int width) noexcept {
        const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
        if (text.size() >= w) {
            AppendBytes(text.data(), w);
            return;
        }
        AppendText(text);
        for (std::size_t n = (w - text.size()) / 2; n > 0 && !Full(); --n) AppendText(WideSpace);
    }

    // The value in decimal, filled on the left to `minDigits` with the fill of the
    // token case (0 or 1 means no filling; numbers are never cut), then written in
    // the current numeral style.
    void AppendNumber(std::uint32_t value, int minDigits, TokenCase tokenCase) noexcept {
        const char pad = PadChars[static_cast<int>(tokenCase)];
        int length = 1;
        for (std::uint32_t v = value; v >= 10; v /= 10) ++length;
        const int width = minDigits > length ? minDigits : length;
        if (Style() != NumeralStyle::Ascii || width > kCapacity - used_) {
            AppendNumberSlowly(value, length, width, pad);
            return;
        }
        // The usual case: ASCII digits written in place, from the right, two at a time.
        char* const to = buffer_ + used_;
        char* p = to + width;
        while (value >= 100) {
            const std::uint32_t pair = (value % 100) * 2;
            value /= 100;
            *--p = kDigitPairs[pair + 1];
            *--p = kDigitPairs[pair];
        }
        if (value >= 10) {
            *--p = kDigitPairs[value * 2 + 1];
            *--p = kDigitPairs[value * 2];
        } else {
            *--p = static_cast<char>('0' + value);
        }
        while (p != to) *--p = pad;
        used_ += width;
    }

    bool AnyDigitMode() const noexcept { return WideDigitMode || KanjiDigitMode; }

    // Full-width digits win over kanji digits.
    NumeralStyle Style() const noexcept {
        if (WideDigitMode) return NumeralStyle::Wide;
        if (KanjiDigitMode) return NumeralStyle::Kanji;
        return NumeralStyle::Ascii;
    }

    bool Full() const noexcept { return used_ >= kCapacity; }
    int used() const noexcept { return used_; }
    std::string_view View() const noexcept { return {buffer_, static_cast<std::size_t>(used_)}; }
    std::string ToString() const { return std::string(buffer_, static_cast<std::size_t>(used_)); }

    // The image of one byte of a number text in a full-width or kanji style:
    // digits become the style's digit, every other byte a full-width space.
    static std::string_view StyledChar(NumeralStyle style, char b) noexcept {
        if (b < '0' || b > '9') return WideSpace;
        const auto d = static_cast<std::size_t>(b - '0');
        return style == NumeralStyle::Kanji ? KanjiDigits[d] : WideDigits[d];
    }

private:
    // A number in full-width or kanji digits, or one that does not fit the room left.
    [[gnu::noinline]] void AppendNumberSlowly(std::uint32_t value, int length, int width, char pad) noexcept {
        char digits[10];
        char* const end = digits + sizeof digits;
        char* first = end;
        do {
            *--first = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        const auto fill = static_cast<std::size_t>(width - length);
        const NumeralStyle style = Style();
        if (style == NumeralStyle::Ascii) {
            AppendRepeated(pad, fill);
            AppendBytes(first, static_cast<std::size_t>(length));
            return;
        }
        for (std::size_t i = 0; i < fill && !Full(); ++i) AppendText(StyledChar(style, pad));
        for (const char* p = first; p != end; ++p) AppendText(StyledChar(style, *p));
    }

    // Copies n bytes without a library call for the short pieces that make up
    // nearly all output; reads and writes only the n bytes.
    static void CopySmall(char* to, const char* from, std::size_t n) noexcept {
        if (n >= 8) {
            if (n > 16) {
                std::memcpy(to, from, n);
                return;
            }
            std::memcpy(to, from, 8);
            std::memcpy(to + n - 8, from + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else if (n > 0) {
            to[0] = from[0];
            to[n / 2] = from[n / 2];
            to[n - 1] = from[n - 1];
        }
    }

    char buffer_[kCapacity];
    std::int32_t used_ = 0;
};

// A short text joined on the stack from table entries (a name and its suffix),
// optionally with its Latin letters made capitals. Longer input is cut at the
// capacity, which the name tables never reach.
class SmallText {
public:
    SmallText() = default;
    explicit SmallText(std::string_view text) noexcept { Append(text); }
    SmallText(std::string_view first, std::string_view second) noexcept {
        Append(first);
        Append(second);
    }

    void Append(std::string_view text) noexcept {
        const std::size_t n = text.size() < kCapacity - size_ ? text.size() : kCapacity - size_;
        if (n == 0) return;
        std::memcpy(data_ + size_, text.data(), n);
        size_ += n;
    }

    // a-z become A-Z and full-width ａ-ｚ become Ａ-Ｚ; a trail byte is never changed.
    SmallText& Capitalize() noexcept {
        for (std::size_t i = 0; i < size_; ++i) {
            const auto b = static_cast<unsigned char>(data_[i]);
            if (b >= 'a' && b <= 'z') {
                data_[i] = static_cast<char>(b - 0x20);
            } else if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
                if (i + 1 < size_) {
                    const auto t = static_cast<unsigned char>(data_[i + 1]);
                    if (b == 0x82 && t >= 0x81 && t <= 0x9A) data_[i + 1] = static_cast<char>(t - 0x21);
                    ++i;
                }
            }
        }
        return *this;
    }

    std::string_view View() const noexcept { return {data_, size_}; }

private:
    static constexpr std::size_t kCapacity = 32;
    char data_[kCapacity];
    std::size_t size_ = 0;
};

}  // namespace vesmark::formatter
