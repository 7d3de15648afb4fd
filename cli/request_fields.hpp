// The small value syntaxes of vesmark-format: hex texts, serial date-time values,
// counters and the local date-time forms of --at.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/datetime.hpp"

namespace vesmark::cli {

// Lowercase hex of the bytes.
std::string HexEncode(std::string_view bytes);

enum class HexError { None, OddLength, BadDigit };

// Either case; the empty text is the empty byte string.
HexError HexDecode(std::string_view hex, std::string& bytes);

// A number exactly as strtod reads it in the C locale (decimal, hex-float,
// inf, nan), the whole text and nothing else. Never converted to an integer.
std::optional<TDateTime> ParseSerial(std::string_view text);

// A decimal integer in the range of int, the whole text and nothing else.
std::optional<int> ParseCount(std::string_view text);

// printf's %a of the value, independent of the process locale.
std::string HexFloat(double value);

struct DateTimeArgument {
    std::optional<TDateTime> value;
    std::string error;  // UTF-8, without the option's name; empty when value is set
};

// YYYY-MM-DD, YYYY-MM-DDTHH:MM, YYYY-MM-DDTHH:MM:SS, YYYY-MM-DDTHH:MM:SS.mmm
// (local time) or @SERIAL.
DateTimeArgument ParseDateTimeArgument(std::string_view text);

}  // namespace vesmark::cli
