// The format interpreter. One loop owns all scanning state (double-byte characters,
// quotes, runs of equal letters, case folding) and dispatches each token to its
// handler; double-byte characters are handled only here (and in the prepared
// formats of plan.cpp, whose scan mirrors this one), so a trail byte is never read
// as a letter or a symbol.
#include "format/interpreter.hpp"

#include <algorithm>
#include <array>
#include <limits>

#include "format/meridiem.hpp"
#include "format/moon.hpp"
#include "format/scan.hpp"
#include "format/tokens.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/cp932.hpp"
#include "platform/locale.hpp"

namespace vesmark::formatter {
namespace {

// The text up to its first zero byte.
std::string_view UpToZero(std::string_view text) noexcept {
    return text.substr(0, std::min(text.size(), text.find('\0')));
}

// A quoted literal from `pos` (just after the opening quote) to the closing quote
// or the end of the text (its end or a zero byte), copied unchanged. Returns the
// position after it.
std::size_t QuotedLiteral(FormatOutput& out, std::string_view text, std::size_t pos, char quote) noexcept {
    const std::size_t start = pos;
    // Written with branches rather than a computed step, so that the scan of the
    // usual single-byte text does not wait on each byte before reading the next.
    while (pos < text.size()) {
        const char b = text[pos];
        if (b == quote || b == '\0') break;
        if (cp932::IsLeadByte(b) && pos + 1 < text.size() && text[pos + 1] != '\0') {
            pos += 2;
        } else {
            ++pos;
        }
    }
    out.AppendBytes(text.data() + start, pos - start);
    return (pos < text.size() && text[pos] == quote) ? pos + 1 : pos;
}

// A double-byte character, or a run of plain bytes, from `pos`, copied unchanged.
// Returns the position after it.
std::size_t CopyUnchanged(FormatOutput& out, std::string_view text, std::size_t pos) noexcept {
    const std::size_t start = pos;
    if (cp932::IsLeadByte(text[pos])) {
        pos += CharLengthAt(text, pos);
    } else {
        do {
            ++pos;
        } while (pos < text.size() && IsPlain(text[pos]));
    }
    out.AppendBytes(text.data() + start, pos - start);
    return pos;
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
void DateAndTime(FormatOutput& out, const platform::LocaleSettings& locale) noexcept {
    if (out.depth >= 2) return;
    InterpretFormat(out, locale.ShortDateFormat);
    if (DateCache.Hour != 0 || DateCache.Minute != 0 || DateCache.Second != 0) {
        out.AppendByte(' ');
        InterpretFormat(out, locale.LongTimeFormat);
    }
}

// W: alone the week of the month; a run of n is the text of n letters A (or a)
// interpreted one level deeper, which is the Japanese weekday of run n, refused
// inside a locale text.
void WeekToken(FormatOutput& out, std::int32_t n, TokenCase c) noexcept {
    if (n == 1) {
        WeekOfMonthToken(out, c);
    } else if (out.depth < 2) {
        WeekdayJapaneseToken(out, n, c);
    }
}

// A: alone it starts a meridiem pattern, which may consume more of the text (`pos`
// then moves past the pattern); a run of 2 or more is the weekday in Japanese.
void MeridiemOrWeekday(FormatOutput& out, std::string_view text, std::size_t start, std::size_t& pos,
                       std::int32_t n, TokenCase c) noexcept {
    if (n == 1) {
        pos = start + MeridiemToken(out, UpToZero(text), start);
    } else {
        WeekdayJapaneseToken(out, n, c);
    }
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
    // The text ends at its end or at its first zero byte, whichever comes first;
    // the scan stops at the zero byte instead of looking for it beforehand.
    if (text.empty() || text[0] == '\0') return;
    if (out.depth >= 2) return;  // an expansion inside an expansion renders nothing
    ++out.depth;

    // The locale settings cannot change during a call: read once per run.
    const platform::LocaleSettings& locale = platform::Locale();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char b = text[pos];
        const std::size_t start = pos++;
        const TokenCase c = (b >= 'a' && b <= 'z') ? TokenCase::Lower : TokenCase::Upper;
        // Every token but the literals, the separators and the copied bytes consumes
        // its whole run of equal bytes first.
        const auto run = [&] { return CountRun(text, pos, b); };

        switch (b) {
            case '\0': pos = text.size(); break;  // the text ends at a zero byte
            // literals and separators
            case '"': case '\'': pos = QuotedLiteral(out, text, pos, b); break;
            case '/': Separator(out, locale.DateSeparator); break;
            case ':': Separator(out, locale.TimeSeparator); break;
            // digit modes
            case '%':  DigitModeModifier(out, out.WideDigitMode, b, run()); break;
            case '\\': DigitModeModifier(out, out.KanjiDigitMode, b, run()); break;
            // composites
            case 'c': case 'C': run(); DateAndTime(out, locale); break;
            case 't': case 'T': InterpretFormat(out, run() == 1 ? locale.ShortTimeFormat : locale.LongTimeFormat); break;
            case 'v': case 'V': InterpretFormat(out, run() == 1 ? locale.ShortDateFormat : locale.LongDateFormat); break;
            case 'w': case 'W': WeekToken(out, run(), c); break;
            // meridiem and weekday in Japanese
            case 'a': case 'A': MeridiemOrWeekday(out, text, start, pos, run(), c); break;
            // era and year; the era year of a date before the first era is the year
            case 'g': case 'G': EraToken(out, run(), c); break;
            case 'e': case 'E': if (DateCache.Era == 0) YearToken(out, run(), c); else EraYearToken(out, run(), c); break;
            case 'y': case 'Y': YearToken(out, run(), c); break;
            case 'j': case 'J': CycleYearToken(out, run(), c); break;
            case 'l': case 'L': LeapYearToken(out, run(), c); break;
            // month
            case 'm': case 'M': MonthToken(out, run(), c); break;
            case 'k': case 'K': MonthJapaneseToken(out, run(), c); break;
            // day
            case 'd': case 'D': DayToken(out, run(), c); break;
            case 'p': case 'P': DaysLeftToken(out, run(), c); break;
            case 'u': case 'U': DayNumberToken(out, run(), c); break;
            case 'r': case 'R': AppendMoonAge(out, run(), c); break;
            // time
            case 'h': case 'H': HourToken(out, run(), c); break;
            case 'f': case 'F': Hour12Token(out, run(), c); break;
            case 'n': case 'N': MinuteToken(out, run(), c); break;
            case 's': case 'S': SecondToken(out, run(), c); break;
            case 'z': case 'Z': MilliSecondToken(out, run(), c); break;
            // double-byte characters and every other byte: copied
            default: pos = CopyUnchanged(out, text, start); break;
        }
    }

    --out.depth;
}

}  // namespace vesmark::formatter
