// The formatter's rendering entry points: a fresh FormatOutput per call over the
// instant held in DateCache, or, for the format text rendered last when it could
// be prepared, its prepared steps (prepared again when the text or the locale's
// separators differ from the last call's).
#include "format/uFormatDateTimeEx.hpp"

#include "format/interpreter.hpp"
#include "format/output.hpp"
#include "format/plan.hpp"
#include "platform/locale.hpp"

namespace vesmark {
namespace {

// The format text rendered last, prepared. Like DateCache, one for the process.
formatter::FormatPlan g_lastPlan;

}  // namespace

std::string FormatDecodedDateTime(std::string_view format) {
    const platform::LocaleSettings& locale = platform::Locale();
    if (!g_lastPlan.Matches(format, locale.DateSeparator, locale.TimeSeparator)) {
        g_lastPlan.Prepare(format, locale.DateSeparator, locale.TimeSeparator);
    }
    if (g_lastPlan.Usable()) {
        char buffer[formatter::FormatPlan::kBufferSize];
        return std::string(buffer, g_lastPlan.Render(buffer));
    }
    formatter::FormatOutput out;
    formatter::InterpretFormat(out, format);
    return out.ToString();
}

std::string FormatDateTimeEx(std::string_view format, TDateTime x) {
    DecodeDateTimeEx(x);
    return FormatDecodedDateTime(format.empty() ? std::string_view("C") : format);
}

}  // namespace vesmark
