// The local clock as a date-time value.
#include "platform/clock.hpp"

#include <sys/time.h>
#include <time.h>

#include <utility>

namespace vesmark::platform {

namespace {
std::function<TDateTime()>& Override() {
    static std::function<TDateTime()> clock;
    return clock;
}
}  // namespace

TDateTime SystemNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    const auto date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (!date) return 0.0;
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second reads as :59
    const auto value = EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                      local.tm_hour, local.tm_min, second,
                                      static_cast<int>(ts.tv_nsec / 1'000'000));
    return value ? *value : *date;
}

TDateTime Now() {
    const auto& clock = Override();
    return clock ? clock() : SystemNow();
}

void SetClock(std::function<TDateTime()> clock) { Override() = std::move(clock); }

}  // namespace vesmark::platform
