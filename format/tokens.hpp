// The field tokens: one function per letter, given the run count (1 or more) and
// the token case; each reads DateCache and appends through FormatOutput.
#pragma once

#include "format/output.hpp"

namespace vesmark::formatter {

void WeekdayJapaneseToken(FormatOutput& out, int n, TokenCase c) noexcept;  // A (runs of 2 or more)
void DayToken(FormatOutput& out, int n, TokenCase c) noexcept;              // D
void EraYearToken(FormatOutput& out, int n, TokenCase c) noexcept;          // E
void Hour12Token(FormatOutput& out, int n, TokenCase c) noexcept;           // F
void EraToken(FormatOutput& out, int n, TokenCase c) noexcept;              // G
void HourToken(FormatOutput& out, int n, TokenCase c) noexcept;             // H
void CycleYearToken(FormatOutput& out, int n, TokenCase c) noexcept;        // J
void MonthJapaneseToken(FormatOutput& out, int n, TokenCase c) noexcept;    // K
void LeapYearToken(FormatOutput& out, int n, TokenCase c) noexcept;         // L
void MonthToken(FormatOutput& out, int n, TokenCase c) noexcept;            // M
void MinuteToken(FormatOutput& out, int n, TokenCase c) noexcept;           // N
void DaysLeftToken(FormatOutput& out, int n, TokenCase c) noexcept;         // P
void SecondToken(FormatOutput& out, int n, TokenCase c) noexcept;           // S
void DayNumberToken(FormatOutput& out, int n, TokenCase c) noexcept;        // U
void WeekOfMonthToken(FormatOutput& out, TokenCase c) noexcept;             // W (run 1)
void YearToken(FormatOutput& out, int n, TokenCase c) noexcept;             // Y
void MilliSecondToken(FormatOutput& out, int n, TokenCase c) noexcept;      // Z

}  // namespace vesmark::formatter
