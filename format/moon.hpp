// The age of the moon, in days since the last mean new moon, for the cached instant.
#pragma once

#include <cstdint>

#include "format/output.hpp"
#include "platform/datetime.hpp"

namespace vesmark::formatter {

// Age in days from a mean lunation and its two largest periodic corrections,
// brought once into -0.004411..29.535. `dateTime` gives the time of day (its
// signed fraction), `dayNumber` the Julian Day Number of the date.
double MoonAge(TDateTime dateTime, std::int32_t dayNumber) noexcept;

// The R field: the age of the instant decoded last, whole (runs 1 and 2), with one
// decimal (3 and 4) or two (5 and more); even runs fill the whole part to 2 digits.
void AppendMoonAge(FormatOutput& out, int runCount, TokenCase tokenCase) noexcept;

}  // namespace vesmark::formatter
