// Meridiem patterns. The byte between the two halves chooses the rendering of the
// half in force: "/" as written, "%" in full-width letters, "\" as Japanese words.
#include "format/meridiem.hpp"

#include "format/cycle.hpp"
#include "format/tables.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/locale.hpp"

namespace vesmark::formatter {
namespace {

constexpr char FoldAscii(char b) noexcept {
    return (b >= 'a' && b <= 'z') ? static_cast<char>(b - 0x20) : b;
}

// True when the bytes at `pos` are `pattern` (upper case), ignoring the case of
// ASCII letters, and lie wholly inside `text`.
bool MatchesAt(std::string_view text, std::size_t pos, std::string_view pattern) noexcept {
    if (pos > text.size() || text.size() - pos < pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (FoldAscii(text[pos + i]) != pattern[i]) return false;
    }
    return true;
}

// Length of one half of the pattern at `pos`: 4 (A.M.), 2 (AM), 1 (A), or 0.
// A longer first half that is not followed by its second half matches nothing;
// the shorter patterns are then not tried.
std::size_t HalfLength(std::string_view text, std::size_t pos) noexcept {
    if (MatchesAt(text, pos, "A.M.")) return MatchesAt(text, pos + 5, "P.M.") ? 4 : 0;
    if (MatchesAt(text, pos, "AM")) return MatchesAt(text, pos + 3, "PM") ? 2 : 0;
    return MatchesAt(text, pos + 2, "P") ? 1 : 0;
}

}  // namespace

std::size_t MeridiemToken(FormatOutput& out, std::string_view text, std::size_t pos) noexcept {
    const bool morning = DateCache.Hour < 12;
    if (MatchesAt(text, pos, "AMPM")) {
        const platform::LocaleSettings& locale = platform::Locale();
        out.AppendText(morning ? locale.TimeAMString : locale.TimePMString);
        return 4;
    }

    const std::size_t half = HalfLength(text, pos);
    if (half == 0) {
        out.AppendByte(text[pos]);
        return 1;
    }
    // The half in force, its letters exactly as written.
    const std::size_t start = morning ? pos : pos + half + 1;
    const char c0 = text[start];
    const char c1 = half >= 2 ? text[start + 1] : '\0';
    const char c2 = half >= 4 ? text[start + 2] : '\0';

    switch (text[pos + half]) {
        case '%':
            out.AppendText(MeridiemWideLetter(c0));
            if (half == 2) out.AppendText(MeridiemWideLetter(c1));
            if (half == 4) {
                out.AppendText(WideFullStop);
                out.AppendText(MeridiemWideLetter(c2));
                out.AppendText(WideFullStop);
            }
            break;
        case '/':
            out.AppendBytes(text.data() + start, half);
            break;
        case '\\':
            // The second letter's piece comes first: A,M gives ご + ぜん.
            if (half == 1) {
                out.AppendText(MeridiemWord(c0));
            } else {
                out.AppendText(MeridiemWord(half == 2 ? c1 : c2));
                out.AppendText(MeridiemWord(c0));
                if (half == 4 && c0 == 'P') out.AppendText(WideSpace);
            }
            break;
        default:
            // Any other byte between the halves: the letter is an ordinary character.
            out.AppendByte(text[pos]);
            return 1;
    }
    // The "%" or "\" inside the pattern belongs to it and flips no digit mode.
    return 2 * half + 1;
}

std::size_t MeridiemLength(std::string_view text, std::size_t pos) noexcept {
    if (MatchesAt(text, pos, "AMPM")) return 4;
    const std::size_t half = HalfLength(text, pos);
    if (half == 0) return 1;
    const char joint = text[pos + half];
    return (joint == '/' || joint == '%' || joint == '\\') ? 2 * half + 1 : 1;
}

}  // namespace vesmark::formatter
