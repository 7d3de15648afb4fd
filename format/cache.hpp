// Calendar arithmetic of the date cache: the era search and the Julian Day Number.
#pragma once

#include <cstdint>

#include "platform/datetime.hpp"

namespace vesmark::formatter {

// The highest era whose first day (as a whole-day value) is not after x, x taken
// with its time of day; 0 before the first era.
std::uint8_t FindEra(TDateTime x) noexcept;

// Julian Day Number of a Gregorian date (the Julian day that begins at noon of it).
// Zero fields, from a date outside the calendar's range, take the January branch.
std::int32_t JulianDayNumber(unsigned year, unsigned month, unsigned day) noexcept;

// One millisecond in days: the smallest move of the time of day that is decoded again.
inline constexpr double kOneMillisecond = 1.1574074074074074e-08;

}  // namespace vesmark::formatter
