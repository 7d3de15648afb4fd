// Field tokens. The run count picks the form (number width, short, long or fitted
// name, script); the case picks the fill of numbers and, for names, capitals
// (Latin names) or the kana reading (Japanese names).
#include "format/tokens.hpp"

#include <algorithm>

#include "format/cycle.hpp"
#include "format/tables.hpp"
#include "format/uFormatDateTimeEx.hpp"

namespace vesmark::formatter {
namespace {

constexpr bool IsUpper(TokenCase c) noexcept { return c == TokenCase::Upper; }

// A name joined with its suffix, in capitals for an upper-case token.
SmallText LatinName(std::string_view stem, std::string_view suffix, TokenCase c) noexcept {
    SmallText text(stem, suffix);
    if (IsUpper(c)) text.Capitalize();
    return text;
}

// The letter as written, for the runs of 1 that render no field.
constexpr char Letter(char upper, TokenCase c) noexcept {
    return IsUpper(c) ? upper : static_cast<char>(upper + 0x20);
}

constexpr std::uint8_t kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

unsigned DaysInCachedMonth() noexcept {
    const unsigned month = DateCache.Month;
    if (month < 1 || month > 12) return 0;  // a date before 0001-01-01
    return kDaysInMonth[month - 1] + ((month == 2 && DateCache.IsLeapYear) ? 1u : 0u);
}

unsigned MinuteOfDay() noexcept { return DateCache.Hour * 60u + DateCache.Minute; }

}  // namespace

// A: the weekday in Japanese: kanji, kanji with 曜日, or the English name in kana.
void WeekdayJapaneseToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned i = DateCache.DayOfWeek;
    const bool kana = IsUpper(c);
    switch (n) {
        case 2:
            out.AppendText(kana ? AtOneBased(DayNamesKanjiKana, i) : AtOneBased(DayNamesKanji, i));
            break;
        case 3:
            if (kana) {
                out.AppendFittedWide(AtOneBased(DayNamesKanjiKana, i), 4);
            } else {
                out.AppendText(AtOneBased(DayNamesKanji, i));
            }
            break;
        case 4:
            if (kana) {
                out.AppendText(SmallText(AtOneBased(DayNamesKanjiKana, i), SuffixYoubiKana).View());
            } else {
                out.AppendText(SmallText(AtOneBased(DayNamesKanji, i), SuffixYoubi).View());
            }
            break;
        case 5:
            if (kana) {
                out.AppendFittedWide(SmallText(AtOneBased(DayNamesKanjiKana, i), SuffixYoubiKana).View(), 10);
            } else {
                out.AppendText(SmallText(AtOneBased(DayNamesKanji, i), SuffixYoubi).View());
            }
            break;
        case 6:
            if (kana) {
                out.AppendText(SmallText(AtOneBased(DayNamesHiragana, i), SuffixDayHiragana).View());
            } else {
                out.AppendText(SmallText(AtOneBased(DayNamesKatakana, i), SuffixDayKatakana).View());
            }
            break;
        default:  // 7 or more
            if (kana) {
                out.AppendFittedWide(SmallText(AtOneBased(DayNamesHiragana, i), SuffixDayHiragana).View(), 12);
            } else {
                out.AppendFittedWide(SmallText(AtOneBased(DayNamesKatakana, i), SuffixDayKatakana).View(), 12);
            }
            break;
    }
}

// D: the day of the month, or the weekday in English (ASCII or full-width).
void DayToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned i = DateCache.DayOfWeek;
    switch (n) {
        case 1: out.AppendNumber(DateCache.Day, 1, c); break;
        case 2: out.AppendNumber(DateCache.Day, 2, c); break;
        case 3: out.AppendFitted(LatinName(AtOneBased(DayNamesEn, i), {}, c).View(), 3); break;
        case 4: out.AppendText(LatinName(AtOneBased(DayNamesEn, i), SuffixDay, c).View()); break;
        case 5: out.AppendFitted(LatinName(AtOneBased(DayNamesEn, i), SuffixDay, c).View(), 9); break;
        case 6: out.AppendFittedWide(LatinName(AtOneBased(DayNamesEnWide, i), {}, c).View(), 6); break;
        case 7: out.AppendText(LatinName(AtOneBased(DayNamesEnWide, i), SuffixDayWide, c).View()); break;
        default:  // 8 or more
            out.AppendFittedWide(LatinName(AtOneBased(DayNamesEnWide, i), SuffixDayWide, c).View(), 18);
            break;
    }
}

// E: the year of the era. The interpreter reads E as Y when there is no era.
void EraYearToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned era = DateCache.Era;
    const unsigned base = era <= kLastEra ? EraBaseYears[era] : 0;
    const unsigned year = DateCache.Year >= base ? DateCache.Year - base : 0;
    out.AppendNumber(year, std::min(n, 2), c);
}

// F: the hour on the 12-hour clock (0 to 11), or the traditional hour count.
void Hour12Token(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned h = DateCache.Hour % 12u;
    const unsigned bell = h / 2;
    switch (n) {
        case 1: out.AppendNumber(h, 1, c); break;
        case 2: out.AppendNumber(h, 2, c); break;
        case 3: out.AppendText(IsUpper(c) ? At(HourBellKana, bell) : At(HourBellNames, bell)); break;
        default:  // 4 or more
            if (IsUpper(c)) {
                out.AppendFittedWide(At(HourBellKana, bell), 8);
            } else {
                out.AppendFittedWide(At(HourBellNames, bell), 6);
            }
            break;
    }
}

// G: the era as a letter (full-width when a digit mode is on), a kanji or a kana name.
void EraToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned e = DateCache.Era;
    const bool kana = IsUpper(c);
    switch (n) {
        case 1:
            if (out.AnyDigitMode()) {
                if (kana) {
                    out.AppendFittedWide(At(EraLettersWide, e), 2);
                } else {
                    out.AppendText(At(EraLettersWide, e));
                }
            } else {
                if (kana) {
                    out.AppendFitted(At(EraLetters, e), 1);
                } else {
                    out.AppendText(At(EraLetters, e));
                }
            }
            break;
        case 2: out.AppendFittedWide(kana ? At(EraNamesKana, e) : At(EraNames, e), 2); break;
        case 3: out.AppendText(kana ? At(EraNamesKana, e) : At(EraNames, e)); break;
        default:  // 4 or more
            if (kana) {
                out.AppendFittedWide(At(EraNamesKana, e), 10);
            } else {
                out.AppendFittedWide(At(EraNames, e), 4);
            }
            break;
    }
}

// H: the hour (0 to 23), or the double-hour sign, which changes at odd hours.
void HourToken(FormatOutput& out, int n, TokenCase c) noexcept {
    unsigned k = (DateCache.Hour + 1u) / 2;
    if (k == 12) k = 0;
    switch (n) {
        case 1: out.AppendNumber(DateCache.Hour, 1, c); break;
        case 2: out.AppendNumber(DateCache.Hour, 2, c); break;
        case 3: out.AppendText(IsUpper(c) ? At(BranchKana, k) : At(BranchNames, k)); break;
        default:  // 4 or more
            if (IsUpper(c)) {
                out.AppendFittedWide(At(BranchKana, k), 6);
            } else {
                out.AppendText(At(BranchAnimalNames, k));
            }
            break;
    }
}

// J: the sexagenary sign of the year: stem, branch or both; odd runs from 3 ask for
// the extended form (a fixed width in kana, the zodiac animal in kanji).
void CycleYearToken(FormatOutput& out, int n, TokenCase c) noexcept {
    if (n == 1) {
        out.AppendByte(Letter('J', c));
        return;
    }
    const bool extended = n == 3 || n == 5 || n >= 7;
    const bool stem = n == 2 || n == 3 || n >= 6;
    const bool branch = n >= 4;
    SmallText text;
    int width = 0;
    if (stem) {
        const CycleText s = StemText(DateCache.Year, c, extended);
        text.Append(s.first);
        text.Append(s.second);
        width += s.width;
    }
    if (branch) {
        const CycleText b = BranchText(DateCache.Year, c, extended);
        text.Append(b.first);
        text.Append(b.second);
        width += b.width;
    }
    if (width > 0) {
        out.AppendFittedWide(text.View(), width);
    } else {
        out.AppendText(text.View());
    }
}

// K: the traditional month name (kanji or kana), or the English name in katakana
// or hiragana.
void MonthJapaneseToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned i = DateCache.Month;
    const bool kana = IsUpper(c);
    const std::string_view jp = kana ? AtOneBased(MonthNamesJpKana, i) : AtOneBased(MonthNamesJp, i);
    switch (n) {
        case 1: out.AppendByte(Letter('K', c)); break;
        case 2: out.AppendFittedWide(jp, kana ? 4 : 2); break;
        case 3: out.AppendFittedWide(jp, kana ? 6 : 4); break;
        case 4: out.AppendText(jp); break;
        case 5: out.AppendFittedWide(jp, kana ? 10 : 6); break;
        case 6:
            out.AppendText(kana ? AtOneBased(MonthNamesHiragana, i) : AtOneBased(MonthNamesKatakana, i));
            break;
        default:  // 7 or more
            out.AppendFittedWide(kana ? AtOneBased(MonthNamesHiragana, i) : AtOneBased(MonthNamesKatakana, i),
                                 14);
            break;
    }
}

// L: 閏 in a leap year; otherwise nothing for a run of 1, else 平 or a full-width space.
void LeapYearToken(FormatOutput& out, int n, TokenCase c) noexcept {
    if (DateCache.IsLeapYear) {
        out.AppendText(LeapMark);
    } else if (n >= 2) {
        out.AppendText(IsUpper(c) ? WideSpace : CommonYearMark);
    }
}

// M: the month, or its English name (ASCII or full-width). The minute is N.
void MonthToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned i = DateCache.Month;
    switch (n) {
        case 1: out.AppendNumber(DateCache.Month, 1, c); break;
        case 2: out.AppendNumber(DateCache.Month, 2, c); break;
        case 3: out.AppendFitted(LatinName(AtOneBased(MonthNamesEn, i), {}, c).View(), 3); break;
        case 4: out.AppendText(LatinName(AtOneBased(MonthNamesEn, i), {}, c).View()); break;
        case 5: out.AppendFitted(LatinName(AtOneBased(MonthNamesEn, i), {}, c).View(), 9); break;
        case 6: out.AppendFittedWide(LatinName(AtOneBased(MonthNamesEnWide, i), {}, c).View(), 6); break;
        case 7: out.AppendText(LatinName(AtOneBased(MonthNamesEnWide, i), {}, c).View()); break;
        default:  // 8 or more
            out.AppendFittedWide(LatinName(AtOneBased(MonthNamesEnWide, i), {}, c).View(), 18);
            break;
    }
}

// N: the minute, or the minute of the day.
void MinuteToken(FormatOutput& out, int n, TokenCase c) noexcept {
    switch (n) {
        case 1: out.AppendNumber(DateCache.Minute, 1, c); break;
        case 2: out.AppendNumber(DateCache.Minute, 2, c); break;
        case 3: out.AppendNumber(MinuteOfDay(), 0, c); break;
        default: out.AppendNumber(MinuteOfDay(), 4, c); break;  // 4 or more
    }
}

// P: the days left in the month (0 on its last day).
void DaysLeftToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned days = DaysInCachedMonth();
    const unsigned left = days >= DateCache.Day ? days - DateCache.Day : 0;
    out.AppendNumber(left, std::min(n, 2), c);
}

// S: the second, or the second of the day.
void SecondToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const unsigned secondOfDay = MinuteOfDay() * 60u + DateCache.Second;
    switch (n) {
        case 1: out.AppendNumber(DateCache.Second, 1, c); break;
        case 2: out.AppendNumber(DateCache.Second, 2, c); break;
        case 3: out.AppendNumber(secondOfDay, 0, c); break;
        default: out.AppendNumber(secondOfDay, 5, c); break;  // 4 or more
    }
}

// U: the Julian Day Number, which counts from noon: one more from 12:00 on.
// The run count is the minimum width, without bound.
void DayNumberToken(FormatOutput& out, int n, TokenCase c) noexcept {
    const auto day = static_cast<std::uint32_t>(DayNumber < 0 ? 0 : DayNumber);
    out.AppendNumber(DateCache.Hour >= 12 ? day + 1 : day, n, c);
}

// W (run 1): the week of the month, 1 to 5. Day 0 (before 0001-01-01) gives 1.
void WeekOfMonthToken(FormatOutput& out, TokenCase c) noexcept {
    const int week = (static_cast<int>(DateCache.Day) - 1) / 7 + 1;
    out.AppendNumber(static_cast<std::uint32_t>(week), 1, c);
}

// Y: the year in two digits (runs 1 and 2) or in full (3 and more).
void YearToken(FormatOutput& out, int n, TokenCase c) noexcept {
    switch (n) {
        case 1: out.AppendNumber(DateCache.Year % 100u, 1, c); break;
        case 2: out.AppendNumber(DateCache.Year % 100u, 2, c); break;
        case 3: out.AppendNumber(DateCache.Year, 1, c); break;
        default: out.AppendNumber(DateCache.Year, 4, c); break;  // 4 or more
    }
}

// Z: the millisecond, filled to three digits from a run of 2.
void MilliSecondToken(FormatOutput& out, int n, TokenCase c) noexcept {
    out.AppendNumber(DateCache.MilliSecond, n == 1 ? 1 : 3, c);
}

}  // namespace vesmark::formatter
