// The month/minute slip: in this format language "m" is the month and "n" the
// minute, so "hh:mm" shows the month where the minute was meant. Finds such runs
// of m or M in a format text (CP932) without rendering or changing anything.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vesmark {

// One run of m or M that stands where a minute is expected.
struct MinuteSlip {
    std::size_t offset = 0;  // byte position of the run in the format
    std::size_t length = 0;  // bytes in the run
    char letter = 'm';       // 'm' or 'M'
    bool afterHour = false;     // an hour field (h, H, f, F) comes just before it
    bool beforeSecond = false;  // a second field (s, S) comes just after it

    // The run as written, and the minute token of the same length and case.
    std::string Written() const { return std::string(length, letter); }
    std::string Minute() const { return std::string(length, letter == 'M' ? 'N' : 'n'); }

    friend bool operator==(const MinuteSlip&, const MinuteSlip&) = default;
};

// The runs of m or M that follow an hour field or precede a second field with
// nothing but separators, blanks, digit modes or literal text between them, in
// the order of the text. The text is read as the formatter reads it: quotes,
// double-byte characters, runs of equal bytes, meridiem patterns, and its end at
// the first zero byte.
std::vector<MinuteSlip> FindMinuteSlips(std::string_view format);

}  // namespace vesmark
