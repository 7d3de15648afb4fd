// Date and time decoding of the date-time type (days since 1899-12-30).
#include "platform/datetime.hpp"

#include <cmath>
#include <cstdint>

namespace vesmark {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
// Days from 0000-03-01 (proleptic Gregorian) to 1899-12-30.
constexpr std::int64_t kEpochShift = 693'899;

}  // namespace

bool IsLeapYear(int year) noexcept {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) noexcept {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

DecodedDate DecodeDateFully(TDateTime x) noexcept {
    const double whole = std::trunc(SanitizeDateTime(x));
    if (!(whole >= kMinDay && whole <= kMaxDay)) return {};
    const auto days = static_cast<std::int64_t>(whole);  // in range: checked above

    DecodedDate d;
    // 1899-12-30 was a Saturday (7).
    d.DayOfWeek = static_cast<std::uint16_t>(((days % 7) + 7 + 6) % 7 + 1);

    // Civil date from a day count whose years start on 1 March (no negative values
    // remain: 0001-01-01 is day 306 of this count).
    const std::int64_t z = days + kEpochShift;
    const std::int64_t era = z / 146'097;
    const std::int64_t doe = z - era * 146'097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);

    d.Year = static_cast<std::uint16_t>(year);
    d.Month = static_cast<std::uint16_t>(month);
    d.Day = static_cast<std::uint16_t>(day);
    d.IsLeapYear = IsLeapYear(static_cast<int>(year));
    return d;
}

std::optional<TDateTime> EncodeDate(int year, int month, int day) noexcept {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = y / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = month > 2 ? month - 3 : month + 9;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<double>(era * 146'097 + doe - kEpochShift);
}

std::optional<TDateTime> EncodeDateTime(int year, int month, int day, int hour, int minute,
                                        int second, int millisecond) noexcept {
    const auto date = EncodeDate(year, month, day);
    if (!date || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999) {
        return std::nullopt;
    }
    const double time =
        static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) /
        static_cast<double>(kMsPerDay);
    // Before 1899-12-30 the time of day counts away from zero.
    return *date < 0 ? *date - time : *date + time;
}

}  // namespace vesmark
