// The month/minute slip check: one pass over the tokens of a format text, the way
// the formatter reads them, remembering the last field and the month run that
// waits for the next one.
#include "format/slip_check.hpp"

#include <optional>

#include "format/meridiem.hpp"
#include "platform/cp932.hpp"

namespace vesmark {
namespace {

// What a token is to the check. Between: renders no field of its own (literal
// text, a separator, a digit mode, a letter copied as written).
enum class Token { Between, Hour, Month, Second, OtherField };

// The position after the run of bytes equal to text[pos].
std::size_t RunEnd(std::string_view text, std::size_t pos) noexcept {
    const char b = text[pos];
    do {
        ++pos;
    } while (pos < text.size() && text[pos] == b);
    return pos;
}

// The position after a quoted literal whose opening quote is at `pos`.
std::size_t QuotedEnd(std::string_view text, std::size_t pos) noexcept {
    const char quote = text[pos++];
    while (pos < text.size() && text[pos] != quote) {
        pos += cp932::CharLength(text, pos);
    }
    return pos < text.size() ? pos + 1 : pos;
}

// The token at `pos`; `pos` moves past it.
Token NextToken(std::string_view text, std::size_t& pos) noexcept {
    const std::size_t start = pos;
    const char b = text[pos];
    switch (b) {
        case '"': case '\'': pos = QuotedEnd(text, pos); return Token::Between;
        case '%': case '\\': pos = RunEnd(text, pos); return Token::Between;
        case 'h': case 'H': case 'f': case 'F': pos = RunEnd(text, pos); return Token::Hour;
        case 'm': case 'M': pos = RunEnd(text, pos); return Token::Month;
        case 's': case 'S': pos = RunEnd(text, pos); return Token::Second;
        case 'a': case 'A':
            pos = RunEnd(text, pos);
            if (pos - start > 1) return Token::OtherField;  // the weekday in Japanese
            pos = start + formatter::MeridiemLength(text, start);
            return pos - start > 1 ? Token::OtherField : Token::Between;
        case 'j': case 'J': case 'k': case 'K':
            // Alone these letters are copied as written.
            pos = RunEnd(text, pos);
            return pos - start > 1 ? Token::OtherField : Token::Between;
        case 'c': case 'C': case 'd': case 'D': case 'e': case 'E': case 'g': case 'G':
        case 'l': case 'L': case 'n': case 'N': case 'p': case 'P': case 'r': case 'R':
        case 't': case 'T': case 'u': case 'U': case 'v': case 'V': case 'w': case 'W':
        case 'y': case 'Y': case 'z': case 'Z':
            pos = RunEnd(text, pos);
            return Token::OtherField;
        default:  // separators, blanks, every other single byte, double-byte characters
            pos += cp932::CharLength(text, pos);
            return Token::Between;
    }
}

}  // namespace

std::vector<MinuteSlip> FindMinuteSlips(std::string_view format) {
    const std::string_view text = format.substr(0, format.find('\0'));
    std::vector<MinuteSlip> slips;
    Token previous = Token::Between;  // the last field before the current position
    std::optional<MinuteSlip> open;   // a month run waiting for the next field
    const auto close = [&](bool secondFollows) {
        if (!open) return;
        open->beforeSecond = secondFollows;
        if (open->afterHour || open->beforeSecond) slips.push_back(*open);
        open.reset();
    };

    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const Token token = NextToken(text, pos);
        if (token == Token::Between) continue;
        close(token == Token::Second);
        if (token == Token::Month) {
            open = MinuteSlip{start, pos - start, text[start], previous == Token::Hour, false};
        }
        previous = token;
    }
    close(false);
    return slips;
}

}  // namespace vesmark
