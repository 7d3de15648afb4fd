// The formatter's rendering entry points: a fresh FormatOutput per call over the
// instant held in DateCache.
#include "format/uFormatDateTimeEx.hpp"

#include "format/interpreter.hpp"
#include "format/output.hpp"

namespace vesmark {

std::string FormatDecodedDateTime(std::string_view format) {
    formatter::FormatOutput out;
    formatter::InterpretFormat(out, format);
    return out.ToString();
}

std::string FormatDateTimeEx(std::string_view format, TDateTime x) {
    DecodeDateTimeEx(x);
    return FormatDecodedDateTime(format.empty() ? std::string_view("C") : format);
}

}  // namespace vesmark
