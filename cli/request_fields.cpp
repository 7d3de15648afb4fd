// Hex texts, serials, counters and the date-time forms of --at.
#include "cli/request_fields.hpp"

#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace vesmark::cli {

namespace {

// The "C" locale, so that a decimal comma of the environment never changes how
// serials are read or written.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads exactly `count` decimal digits at pos.
bool ReadDigits(std::string_view text, std::size_t& pos, std::size_t count, int& value) {
    if (text.size() - pos < count) return false;
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

bool ReadChar(std::string_view text, std::size_t& pos, char expected) {
    if (pos >= text.size() || text[pos] != expected) return false;
    ++pos;
    return true;
}

DateTimeArgument Failure(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

std::string HexEncode(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex.push_back(kDigits[b >> 4]);
        hex.push_back(kDigits[b & 0x0F]);
    }
    return hex;
}

HexError HexDecode(std::string_view hex, std::string& bytes) {
    bytes.clear();
    if (hex.size() % 2 != 0) return HexError::OddLength;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigitValue(hex[i]);
        const int low = HexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) {
            bytes.clear();
            return HexError::BadDigit;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return HexError::None;
}

std::optional<TDateTime> ParseSerial(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::string copy(text);  // strtod needs the terminating zero
    char* end = nullptr;
    const double value = strtod_l(copy.c_str(), &end, CLocale());
    if (end != copy.c_str() + copy.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::string HexFloat(double value) {
    const locale_t previous = uselocale(CLocale());
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%a", value);
    uselocale(previous);
    if (length < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer
                                   ? static_cast<std::size_t>(length)
                                   : sizeof buffer - 1);
}

DateTimeArgument ParseDateTimeArgument(std::string_view text) {
    if (!text.empty() && text.front() == '@') {
        if (auto serial = ParseSerial(text.substr(1))) return {serial, {}};
        return Failure("a serial after '@' must be a number, such as @37987.5");
    }

    static constexpr const char* kForms =
        "expected YYYY-MM-DD, YYYY-MM-DDTHH:MM, YYYY-MM-DDTHH:MM:SS, "
        "YYYY-MM-DDTHH:MM:SS.mmm or @SERIAL";
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    std::size_t pos = 0;
    if (!ReadDigits(text, pos, 4, year) || !ReadChar(text, pos, '-') ||
        !ReadDigits(text, pos, 2, month) || !ReadChar(text, pos, '-') ||
        !ReadDigits(text, pos, 2, day))
        return Failure(kForms);
    if (pos < text.size()) {
        if (!ReadChar(text, pos, 'T') || !ReadDigits(text, pos, 2, hour) ||
            !ReadChar(text, pos, ':') || !ReadDigits(text, pos, 2, minute))
            return Failure(kForms);
        if (pos < text.size()) {
            if (!ReadChar(text, pos, ':') || !ReadDigits(text, pos, 2, second))
                return Failure(kForms);
            if (pos < text.size()) {
                if (!ReadChar(text, pos, '.') || !ReadDigits(text, pos, 3, millisecond))
                    return Failure(kForms);
            }
        }
    }
    if (pos != text.size()) return Failure(kForms);

    if (year < 1) return Failure("there is no year 0000");
    if (month < 1 || month > 12) return Failure("the month must be 01 to 12");
    if (day < 1 || day > DaysInMonth(year, month))
        return Failure("that month has no day " + std::to_string(day));
    if (hour > 23) return Failure("the hour must be 00 to 23");
    if (minute > 59) return Failure("the minute must be 00 to 59");
    if (second > 59) return Failure("the second must be 00 to 59");

    if (auto value = EncodeDateTime(year, month, day, hour, minute, second, millisecond))
        return {value, {}};
    return Failure("not a valid date-time");
}

}  // namespace vesmark::cli
