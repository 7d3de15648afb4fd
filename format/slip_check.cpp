// The month/minute slip check: one pass over the tokens of a format text, the way
// the formatter reads them, remembering the last field and the month run that
// waits for the next one.
#include "format/slip_check.hpp"

#include <optional>

#include "platform/cp932.hpp"

namespace vesmark {
namespace {

// What a token is to the check. Between: renders no field of its own (literal
// text, a separator, a digit mode, a letter copied as written).
enum class Token { Between, Hour, Month, Second, OtherField };

constexpr char FoldAscii(char b) noexcept {
    return (b >= 'a' && b <= 'z') ? static_cast<char>(b - 0x20) : b;
}

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view pattern) noexcept {
    if (pos > text.size() || text.size() - pos < pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (FoldAscii(text[pos + i]) != pattern[i]) return false;
    }
    return true;
}

// Bytes of the meridiem pattern at `pos` (a lone A or a): AMPM, or two halves
// (A.M., AM or A) joined by "/", "%" or "\"; 1 when none matches and the letter
// is copied as written.
std::size_t MeridiemLength(std::string_view text, std::size_t pos) noexcept {
    if (MatchesAt(text, pos, "AMPM")) return 4;
    std::size_t half = 0;
    if (MatchesAt(text, pos, "A.M.")) {
        half = MatchesAt(text, pos + 5, "P.M.") ? 4 : 0;
    } else if (MatchesAt(text, pos, "AM")) {
        half = MatchesAt(text, pos + 3, "PM") ? 2 : 0;
    } else {
        half = MatchesAt(text, pos + 2, "P") ? 1 : 0;
    }
    if (half == 0) return 1;
    const char joint = text[pos + half];
    return (joint == '/' || joint == '%' || joint == '\\') ? 2 * half + 1 : 1;
}

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
        pos += (cp932::IsLeadByte(text[pos]) && pos + 1 < text.size()) ? 2 : 1;
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
            pos = start + MeridiemLength(text, start);
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
            pos += (cp932::IsLeadByte(b) && pos + 1 < text.size()) ? 2 : 1;
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
