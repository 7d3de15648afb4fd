// The date-time type: a double counting days since 1899-12-30 00:00 (proleptic
// Gregorian); the fraction is the time of day (for negative values its absolute value).
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace vesmark {

using TDateTime = double;

struct DecodedDate {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::uint16_t DayOfWeek = 0;  // 1 = Sunday .. 7 = Saturday
    bool IsLeapYear = false;
};

struct DecodedTime {
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t MilliSecond = 0;
};

// Whole-day values of the first and last representable dates.
inline constexpr double kMinDay = -693593.0;  // 0001-01-01
inline constexpr double kMaxDay = 2958465.0;  // 9999-12-31

// NaN and the infinities are taken as 0.0 (1899-12-30 00:00).
inline TDateTime SanitizeDateTime(TDateTime x) noexcept { return std::isfinite(x) ? x : 0.0; }

// Zeros and false for a whole day before 0001-01-01 or after 9999-12-31.
DecodedDate DecodeDateFully(TDateTime x) noexcept;

// From |x - trunc(x)| * 86,400,000 rounded half away from zero; a fraction that
// rounds to a whole day gives 23:59:59.999. Inline: the formatter decodes the time
// of day on nearly every call.
inline DecodedTime DecodeTime(TDateTime x) noexcept {
    constexpr std::uint32_t kMsPerDay = 86'400'000;
    x = SanitizeDateTime(x);
    const double fraction = std::fabs(x - std::trunc(x));  // exact, below 1
    const double product = fraction * static_cast<double>(kMsPerDay);  // below 86,400,000
    // Half away from zero of a non-negative value: the part after the point of a
    // double is exact, so comparing it with 0.5 rounds exactly as llround does.
    double whole = std::trunc(product);
    if (product - whole >= 0.5) whole += 1.0;
    auto ms = static_cast<std::uint32_t>(whole);  // 0 .. 86,400,000: in range
    if (ms >= kMsPerDay) ms = kMsPerDay - 1;       // never hour 24
    DecodedTime t;
    t.Hour = static_cast<std::uint16_t>(ms / 3'600'000);
    t.Minute = static_cast<std::uint16_t>(ms / 60'000 % 60);
    t.Second = static_cast<std::uint16_t>(ms / 1000 % 60);
    t.MilliSecond = static_cast<std::uint16_t>(ms % 1000);
    return t;
}

bool IsLeapYear(int year) noexcept;
int DaysInMonth(int year, int month) noexcept;  // 0 for a month outside 1..12

// Days since 1899-12-30 of a valid date, or nothing.
std::optional<TDateTime> EncodeDate(int year, int month, int day) noexcept;
std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour, int minute,
                                        int second, int millisecond) noexcept;

}  // namespace vesmark
