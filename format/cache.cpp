// The process-wide date cache and its decoding, with the two short cuts: the date
// is decoded only when the whole day changes, the time only when it moves by 1 ms.
#include "format/cache.hpp"

#include <cmath>

#include "format/tables.hpp"
#include "format/uFormatDateTimeEx.hpp"

namespace vesmark {

// The initial values are exactly what decoding 0.0 (1899-12-30 00:00, a Saturday)
// gives, so a first value on that day finds the date already decoded.
TDateCache DateCache = {
    /*LastDateTime*/ 0.0,
    /*IsLeapYear*/ false,
    /*Era*/ 1,
    /*Year*/ 1899,
    /*Month*/ 12,
    /*Day*/ 30,
    /*DayOfWeek*/ 7,
    /*Hour*/ 0,
    /*Minute*/ 0,
    /*Second*/ 0,
    /*MilliSecond*/ 0,
};
std::int32_t DayNumber = 2415019;

void DecodeDateTimeEx(TDateTime x) {
    // NaN and the infinities count as 0.0; every later step sees a finite value.
    if (!std::isfinite(x)) x = 0.0;
    TDateCache& cache = DateCache;

    // Whole days compared as doubles: no conversion of a huge value to an integer.
    if (std::trunc(cache.LastDateTime) != std::trunc(x)) {
        const DecodedDate date = DecodeDateFully(x);
        cache.Year = date.Year;
        cache.Month = date.Month;
        cache.Day = date.Day;
        cache.DayOfWeek = date.DayOfWeek;
        cache.IsLeapYear = date.IsLeapYear;
        // A value outside 0001-01-01..9999-12-31 decodes to zeros and has no era,
        // so that the era year reads as the (zero) year instead of a negative one.
        cache.Era = date.Year == 0 ? 0 : formatter::FindEra(x);
        DayNumber = formatter::JulianDayNumber(date.Year, date.Month, date.Day);
    }

    const double lastFraction = cache.LastDateTime - std::trunc(cache.LastDateTime);
    const double fraction = x - std::trunc(x);
    if (std::fabs(lastFraction - fraction) >= formatter::kOneMillisecond) {
        const DecodedTime time = DecodeTime(x);
        cache.Hour = time.Hour;
        cache.Minute = time.Minute;
        cache.Second = time.Second;
        cache.MilliSecond = time.MilliSecond;
    }

    cache.LastDateTime = x;
}

}  // namespace vesmark

namespace vesmark::formatter {

std::uint8_t FindEra(TDateTime x) noexcept {
    unsigned era = kLastEra;
    // Compared with the time of day: before 1899-12-30 a time makes the value
    // smaller, so only the first instant of 1868-09-08 belongs to the first era.
    while (era > 0 && static_cast<double>(EraStartDays[era]) > x) --era;
    return static_cast<std::uint8_t>(era);
}

std::int32_t JulianDayNumber(unsigned year, unsigned month, unsigned day) noexcept {
    // Fliegel and Van Flandern, with (month - 14) / 12 worked out per branch so that
    // every operand stays non-negative.
    unsigned jdn;
    if (month <= 2) {
        jdn = (month + 10) * 367 / 12 + ((year + 4799) * 1461) / 4 - (((year + 4899) / 100) * 3) / 4 +
              day - 32075;
    } else {
        jdn = (month - 2) * 367 / 12 + ((year + 4800) * 1461) / 4 - (((year + 4900) / 100) * 3) / 4 +
              day - 32075;
    }
    return static_cast<std::int32_t>(jdn);
}

}  // namespace vesmark::formatter
