// The local clock, with millisecond resolution, replaceable as a whole.
#pragma once

#include <functional>

#include "datetime.hpp"

namespace vesmark::platform {

// The current local date and time.
TDateTime Now();

// Replaces the clock (tests, the command-line tool); an empty function restores
// the system clock.
void SetClock(std::function<TDateTime()> clock);

// The system's local time, whatever SetClock installed.
TDateTime SystemNow();

}  // namespace vesmark::platform
