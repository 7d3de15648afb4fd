// The format interpreter. One loop owns all scanning state (double-byte characters,
// quotes, runs of equal letters, case folding) and dispatches each token to its
// handler; double-byte characters are handled only here, so a trail byte is never
// read as a letter or a symbol.
#include "format/interpreter.hpp"

#include <array>
#include <limits>

#include "format/meridiem.hpp"
#include "format/moon.hpp"
#include "format/tokens.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/cp932.hpp"
#include "platform/locale.hpp"

namespace vesmark::formatter {
namespace {

// What a byte starts, as far as the scanning loop is concerned.
enum class ByteKind : std::uint8_t {
    Literal,        // copied as it is (digits, blanks, B I O Q X, half-width kana...)
    Lead,           // first byte of a double-byte character, copied with its trail
    Quote,          // " or ': a quoted literal
    DateSeparator,  // /
    TimeSeparator,  // :
    Token,          // a field letter, a composite token or a digit-mode modifier
};

constexpr std::array<ByteKind, 256> MakeByteKinds() {
    std::array<ByteKind, 256> kinds{};
    for (int b = 0; b < 256; ++b) {
        kinds[b] = cp932::IsLeadByte(static_cast<unsigned char>(b)) ? ByteKind::Lead : ByteKind::Literal;
    }
    for (const char letter : std::string_view("ACDEFGHJKLMNPRSTUVWYZ")) {
        kinds[static_cast<unsigned char>(letter)] = ByteKind::Token;
        kinds[static_cast<unsigned char>(letter + 0x20)] = ByteKind::Token;
    }
    kinds['%'] = ByteKind::Token;
    kinds['\\'] = ByteKind::Token;
    kinds['"'] = ByteKind::Quote;
    kinds['\''] = ByteKind::Quote;
    kinds['/'] = ByteKind::DateSeparator;
    kinds[':'] = ByteKind::TimeSeparator;
    return kinds;
}

constexpr std::array<ByteKind, 256> kByteKinds = MakeByteKinds();

constexpr ByteKind KindOf(char b) noexcept { return kByteKinds[static_cast<unsigned char>(b)]; }

// A quoted literal from `pos` (just after the opening quote) to the closing quote
// or the end of the text, copied unchanged. Returns the position after it.
std::size_t QuotedLiteral(FormatOutput& out, std::string_view text, std::size_t pos, char quote) noexcept {
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] != quote) pos += cp932::CharLength(text, pos);
    out.AppendBytes(text.data() + start, pos - start);
    return pos < text.size() ? pos + 1 : pos;
}

// "%" or "\": alone it flips its digit mode for the rest of the call; a run of n
// writes n - 1 copies of the symbol and leaves the mode as it is.
void DigitModeModifier(FormatOutput& out, bool& mode, char symbol, std::int32_t n) noexcept {
    if (n == 1) {
        mode = !mode;
    } else {
        out.AppendRepeated(symbol, static_cast<std::size_t>(n - 1));
    }
}

void Separator(FormatOutput& out, char separator) noexcept {
    if (separator != '\0') out.AppendByte(separator);
}

// C: the short date, then, unless the time is exactly 00:00:00 (milliseconds not
// looked at), a space and the long time. Both are read as separate texts, so an
// unterminated quote in the date ends with it. Inside a locale text nothing at
// all is rendered, not even the space.
void DateAndTime(FormatOutput& out) noexcept {
    if (out.depth >= 2) return;
    const platform::LocaleSettings& locale = platform::Locale();
    InterpretFormat(out, locale.ShortDateFormat);
    if (DateCache.Hour != 0 || DateCache.Minute != 0 || DateCache.Second != 0) {
        out.AppendByte(' ');
        InterpretFormat(out, locale.LongTimeFormat);
    }
}

// W with a run of n: the text of n letters A (or a) interpreted one level deeper,
// which is the Japanese weekday of run n, refused inside a locale text.
void RepeatedWeekday(FormatOutput& out, std::int32_t n, TokenCase c) noexcept {
    if (out.depth >= 2) return;
    WeekdayJapaneseToken(out, n, c);
}

}  // namespace

std::int32_t CountRun(std::string_view text, std::size_t& pos, char b) noexcept {
    std::size_t n = 1;
    while (pos < text.size() && text[pos] == b) {
        ++pos;
        ++n;
    }
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(n < kMax ? n : kMax);
}

void InterpretFormat(FormatOutput& out, std::string_view text) noexcept {
    // The text ends at its first zero byte; a lead byte right before it stands alone.
    if (const std::size_t zero = text.find('\0'); zero != std::string_view::npos) text = text.substr(0, zero);
    if (text.empty()) return;
    if (out.depth >= 2) return;  // an expansion inside an expansion renders nothing
    ++out.depth;

    std::size_t pos = 0;
    while (pos < text.size()) {
        const char b = text[pos];
        switch (KindOf(b)) {
            case ByteKind::Literal:
                out.AppendByte(b);
                ++pos;
                continue;
            case ByteKind::Lead: {
                const std::size_t length = cp932::CharLength(text, pos);
                out.AppendBytes(text.data() + pos, length);
                pos += length;
                continue;
            }
            case ByteKind::Quote:
                pos = QuotedLiteral(out, text, pos + 1, b);
                continue;
            case ByteKind::DateSeparator:
                Separator(out, platform::Locale().DateSeparator);
                ++pos;
                continue;
            case ByteKind::TimeSeparator:
                Separator(out, platform::Locale().TimeSeparator);
                ++pos;
                continue;
            case ByteKind::Token:
                break;
        }

        const std::size_t start = pos++;
        const std::int32_t n = CountRun(text, pos, b);
        const bool lower = b >= 'a' && b <= 'z';
        const TokenCase c = lower ? TokenCase::Lower : TokenCase::Upper;
        char letter = lower ? static_cast<char>(b - 0x20) : b;
        if (letter == 'E' && DateCache.Era == 0) letter = 'Y';  // no era: the era year is the year

        switch (letter) {
            // digit modes
            case '%':  DigitModeModifier(out, out.WideDigitMode, b, n); break;
            case '\\': DigitModeModifier(out, out.KanjiDigitMode, b, n); break;
            // composites
            case 'C': DateAndTime(out); break;
            case 'T': InterpretFormat(out, n == 1 ? platform::Locale().ShortTimeFormat
                                                  : platform::Locale().LongTimeFormat); break;
            case 'V': InterpretFormat(out, n == 1 ? platform::Locale().ShortDateFormat
                                                  : platform::Locale().LongDateFormat); break;
            case 'W': if (n == 1) WeekOfMonthToken(out, c); else RepeatedWeekday(out, n, c); break;
            // meridiem and weekday in Japanese
            case 'A': if (n == 1) pos = start + MeridiemToken(out, text, start); else WeekdayJapaneseToken(out, n, c); break;
            // era and year
            case 'G': EraToken(out, n, c); break;
            case 'E': EraYearToken(out, n, c); break;
            case 'Y': YearToken(out, n, c); break;
            case 'J': CycleYearToken(out, n, c); break;
            case 'L': LeapYearToken(out, n, c); break;
            // month
            case 'M': MonthToken(out, n, c); break;
            case 'K': MonthJapaneseToken(out, n, c); break;
            // day
            case 'D': DayToken(out, n, c); break;
            case 'P': DaysLeftToken(out, n, c); break;
            case 'U': DayNumberToken(out, n, c); break;
            case 'R': AppendMoonAge(out, n, c); break;
            // time
            case 'H': HourToken(out, n, c); break;
            case 'F': Hour12Token(out, n, c); break;
            case 'N': MinuteToken(out, n, c); break;
            case 'S': SecondToken(out, n, c); break;
            case 'Z': MilliSecondToken(out, n, c); break;
            default: break;  // every Token byte has its case above
        }
    }

    --out.depth;
}

}  // namespace vesmark::formatter
