// The formatter on any format bytes, any serial and any locale settings: the result
// is at most 256 bytes, rendering twice at the same decoded instant gives the same
// text, rendering never decodes, and the prepared path of a repeated format gives
// the interpreter's bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "format/interpreter.hpp"
#include "format/output.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/locale.hpp"

namespace {

bool SameCache(const vesmark::TDateCache& a, const vesmark::TDateCache& b) {
    // NaN never reaches the cache, so comparing the serial as a value is sound.
    return a.LastDateTime == b.LastDateTime && a.IsLeapYear == b.IsLeapYear && a.Era == b.Era &&
           a.Year == b.Year && a.Month == b.Month && a.Day == b.Day &&
           a.DayOfWeek == b.DayOfWeek && a.Hour == b.Hour && a.Minute == b.Minute &&
           a.Second == b.Second && a.MilliSecond == b.MilliSecond;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const double serial = in.ConsumeFloatingPoint<double>();
    const double other = in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : serial + 1.0 / 3.0;

    vesmark::platform::LocaleSettings locale;
    if (in.ConsumeBool()) {
        locale.DateSeparator = static_cast<char>(in.ConsumeIntegral<std::uint8_t>());
        locale.TimeSeparator = static_cast<char>(in.ConsumeIntegral<std::uint8_t>());
        locale.ShortDateFormat = in.ConsumeRandomLengthString(64);
        locale.LongDateFormat = in.ConsumeRandomLengthString(64);
        locale.ShortTimeFormat = in.ConsumeRandomLengthString(64);
        locale.LongTimeFormat = in.ConsumeRandomLengthString(64);
        locale.TimeAMString = in.ConsumeRandomLengthString(16);
        locale.TimePMString = in.ConsumeRandomLengthString(16);
    }
    vesmark::platform::SetLocale(locale);
    const std::string format = in.ConsumeRemainingBytesAsString();

    // Move away first so that the decoding of `serial` does real work.
    vesmark::DecodeDateTimeEx(other);
    const std::string first = vesmark::FormatDateTimeEx(format, serial);
    if (first.size() > 256) std::abort();

    const vesmark::TDateCache before = vesmark::DateCache;
    const std::int32_t dayNumber = vesmark::DayNumber;
    const std::string second = vesmark::FormatDecodedDateTime(format.empty() ? "C" : format);
    if (second != first) std::abort();
    vesmark::formatter::FormatOutput out;
    vesmark::formatter::InterpretFormat(out, format.empty() ? "C" : format);
    if (out.ToString() != second) std::abort();
    if (!SameCache(before, vesmark::DateCache) || dayNumber != vesmark::DayNumber) std::abort();
    if (vesmark::DateCache.Era > 5 || vesmark::DateCache.Hour > 23) std::abort();
    return 0;
}
