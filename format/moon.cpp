// Moon age. The floating-point steps are evaluated literally in the order written
// (and built without contraction into fused multiply-add) so that the decimals are
// the same on every machine.
#include "format/moon.hpp"

#include <cmath>

#include "format/tables.hpp"
#include "format/uFormatDateTimeEx.hpp"

namespace vesmark::formatter {
namespace {

constexpr double kEpoch = 2451550.9727;       // mean new moon of January 2000, at UTC+9
constexpr double kSynodicMonth = 29.530589;   // mean lunation in days
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kWrap = 29.535;
constexpr double kLowest = -0.004411;

double Frac(double v) noexcept { return v - std::trunc(v); }

// trunc(v) of a positive value known to be small; clamped so that no value can
// become an out-of-range integer conversion.
std::uint32_t RoundedCount(double v) noexcept {
    if (!(v > 0.0)) return 0;
    if (v > 1.0e6) return 1000000;
    return static_cast<std::uint32_t>(v);
}

}  // namespace

double MoonAge(TDateTime dateTime, std::int32_t dayNumber) noexcept {
    const double t = Frac(dateTime) + (static_cast<double>(dayNumber) - kEpoch);
    const double lunations = t / kSynodicMonth;
    const double k = Frac(lunations) < 0 ? std::trunc(lunations - 1) : std::trunc(lunations);
    double age = (t - kSynodicMonth * k) +
                 0.407 * std::sin((385.82 * k + 201.56) * kRadiansPerDegree) -
                 0.172 * std::sin((29.11 * k + 2.55) * kRadiansPerDegree);
    if (age > kWrap) {
        age = age - kWrap;
    } else if (age < kLowest) {
        age = age + kWrap;
    }
    return age;
}

void AppendMoonAge(FormatOutput& out, int runCount, TokenCase tokenCase) noexcept {
    const double age = MoonAge(DateCache.LastDateTime, DayNumber);
    const auto separator = [&out] {
        if (out.AnyDigitMode()) {
            out.AppendText(WideDecimalPoint);
        } else {
            out.AppendByte('.');
        }
    };
    switch (runCount) {
        case 1:
        case 2: {
            const std::uint32_t v = RoundedCount(age + 0.5);
            out.AppendNumber(v, runCount, tokenCase);
            break;
        }
        case 3:
        case 4: {
            const std::uint32_t v = RoundedCount(age * 10 + 0.5);
            out.AppendNumber(v / 10, runCount == 3 ? 1 : 2, tokenCase);
            separator();
            out.AppendNumber(v % 10, 1, TokenCase::Lower);
            break;
        }
        default: {  // 5 or more
            const std::uint32_t v = RoundedCount(age * 100 + 0.5);
            out.AppendNumber(v / 100, runCount == 5 ? 1 : 2, tokenCase);
            separator();
            out.AppendNumber(v % 100, 2, TokenCase::Lower);
            break;
        }
    }
}

}  // namespace vesmark::formatter
