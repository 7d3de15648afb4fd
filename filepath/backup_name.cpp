// The backup file-name template: percent codes for the file name, the extension,
// the auto-save counter and fields of the current date and time.
#include <array>
#include <charconv>
#include <cstddef>

#include "filepath/ComFilePathUnit.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/clock.hpp"
#include "platform/cp932.hpp"

namespace vesmark {

namespace {

enum class CodeKind : unsigned char { Date, Counter, Marker };

struct BackupCode {
    char letter;
    CodeKind kind;
    std::string_view text;  // the format text of a date field, or the marker
};

// The codes, by upper-case letter. File name and extension become markers that
// are filled in after all codes are done, so a "%" in those texts is never a code.
constexpr std::array<BackupCode, 13> kBackupCodes{{
    {'A', CodeKind::Date, "AM/PM"},  // morning or afternoon
    {'C', CodeKind::Counter, ""},    // number of auto-save runs
    {'D', CodeKind::Date, "dd"},     // day
    {'E', CodeKind::Date, "ee"},     // year of the Japanese era
    {'F', CodeKind::Marker, "<F>"},  // name of the file backed up
    {'H', CodeKind::Date, "hh"},     // hour
    {'M', CodeKind::Date, "mm"},     // month
    {'N', CodeKind::Date, "nn"},     // minute
    {'R', CodeKind::Date, "rr"},     // age of the moon
    {'S', CodeKind::Date, "ss"},     // second
    {'W', CodeKind::Date, "DDD"},    // weekday
    {'X', CodeKind::Marker, "<X>"},  // extension of the file backed up
    {'Y', CodeKind::Date, "yy"},     // year of the Western calendar
}};

constexpr signed char kNoCode = -1;

// Index into kBackupCodes for the code letter in either case, kNoCode otherwise.
constexpr std::array<signed char, 256> kCodeByByte = [] {
    std::array<signed char, 256> table{};
    table.fill(kNoCode);
    for (std::size_t i = 0; i < kBackupCodes.size(); ++i) {
        const auto upper = static_cast<unsigned char>(kBackupCodes[i].letter);
        table[upper] = static_cast<signed char>(i);
        table[upper - 'A' + 'a'] = static_cast<signed char>(i);
    }
    return table;
}();

constexpr bool IsAsciiUpper(char c) noexcept { return c >= 'A' && c <= 'Z'; }

// The counter as decimal with at least two digits ("07", "-07", "123"). The
// magnitude is taken unsigned so that the most negative value has one too.
std::string FormatCounter(int counter) {
    const unsigned magnitude = counter < 0 ? 0u - static_cast<unsigned>(counter)
                                           : static_cast<unsigned>(counter);
    std::array<char, 16> buffer{};
    char* p = buffer.data();
    if (counter < 0) *p++ = '-';
    if (magnitude < 10) *p++ = '0';
    p = std::to_chars(p, buffer.data() + buffer.size(), magnitude).ptr;
    return std::string(buffer.data(), p);
}

std::string RenderCode(const BackupCode& code, int counter) {
    switch (code.kind) {
        case CodeKind::Date: return FormatDecodedDateTime(code.text);
        case CodeKind::Counter: return FormatCounter(counter);
        case CodeKind::Marker: break;
    }
    return std::string(code.text);
}

}  // namespace

// The template language, as stored settings files use it:
//  - "%%" is a literal "%" (held as "??" until the end, so a "??" the user wrote
//    becomes "%" as well);
//  - "%" plus an upper-case code letter stands for its field; a lower-case code
//    letter counts only once the upper-case one has been met, because each code
//    replaces all its occurrences in either case from there on;
//  - "%" plus anything else loses the "%"; a "%" in the last byte stays;
//  - "<F>" and "<X>" anywhere become the file name and the extension, then "??"
//    becomes "%".
// One left-to-right walk gives the same text as rescanning the whole template
// for its first "%" after each code: nothing before the current "%" can hold
// another one, and no text put in for a code holds a "%". Each code's text is
// rendered once.
std::string ExpandBackupName(std::string_view tmpl, std::string_view fileName,
                             std::string_view extension, int counter) {
    std::size_t pos = cp932::Find(tmpl, "%");
    if (pos == cp932::npos) return std::string(tmpl);

    // One reading of the clock: every date field describes the same instant.
    DecodeDateTimeEx(platform::Now());

    std::array<std::string, kBackupCodes.size()> texts;
    std::array<bool, kBackupCodes.size()> met{};

    std::string out;
    out.reserve(tmpl.size() + 16);
    out.append(tmpl, 0, pos);
    while (pos < tmpl.size()) {
        const char c = tmpl[pos];
        if (c != '%') {
            const std::size_t n = cp932::CharLength(tmpl, pos);
            out.append(tmpl, pos, n);
            pos += n;
            continue;
        }
        if (pos + 1 == tmpl.size()) {  // a "%" in the last byte is never a code
            out.push_back('%');
            break;
        }
        const char next = tmpl[pos + 1];
        if (next == '%') {
            out.append("??");
            pos += 2;
            continue;
        }
        const signed char code = kCodeByByte[static_cast<unsigned char>(next)];
        const auto slot = static_cast<std::size_t>(code);
        if (code != kNoCode && (IsAsciiUpper(next) || met[slot])) {
            if (!met[slot]) {
                texts[slot] = RenderCode(kBackupCodes[slot], counter);
                met[slot] = true;
            }
            out.append(texts[slot]);
            pos += 2;
            continue;
        }
        ++pos;  // not a code: the "%" goes, the character behind it stays
    }

    cp932::ReplaceAll(out, "<F>", fileName);
    cp932::ReplaceAll(out, "<X>", extension);
    cp932::ReplaceAll(out, "??", "%");
    return out;
}

}  // namespace vesmark
