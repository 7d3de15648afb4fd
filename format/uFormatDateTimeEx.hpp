// The extended date-time format language: decode a date-time once into the
// process-wide DateCache, then render format texts (CP932 bytes) from it.
// Pure C++; usable by the clock program as well as by the options program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/datetime.hpp"

namespace vesmark {

// The fields of the date-time decoded last. One instance for the process.
struct TDateCache {
    TDateTime LastDateTime;
    bool IsLeapYear;
    std::uint8_t Era;  // 0 = before the first era, 1 明治 .. 5 令和
    std::uint16_t Year;
    std::uint16_t Month;
    std::uint16_t Day;
    std::uint16_t DayOfWeek;  // 1 = Sunday .. 7 = Saturday
    std::uint16_t Hour;
    std::uint16_t Minute;
    std::uint16_t Second;
    std::uint16_t MilliSecond;
};

extern TDateCache DateCache;
extern std::int32_t DayNumber;  // Julian Day Number of the cached date

// Brings DateCache and DayNumber up to x; the date part only when the whole day
// changed, the time part only when the time of day moved by a millisecond or more.
void DecodeDateTimeEx(TDateTime x);

// Renders the format from the current DateCache (0..256 bytes); decodes nothing.
std::string FormatDecodedDateTime(std::string_view format);

// DecodeDateTimeEx(x), then FormatDecodedDateTime(format), an empty format being "C".
std::string FormatDateTimeEx(std::string_view format, TDateTime x);

}  // namespace vesmark
