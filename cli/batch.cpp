// The --batch line protocol.
#include "cli/batch.hpp"

#include <istream>
#include <ostream>
#include <streambuf>
#include <vector>

#include "cli/filename_helpers.hpp"
#include "cli/locale_override.hpp"
#include "cli/request_fields.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/locale.hpp"

namespace vesmark::cli {

namespace {

using Fields = std::vector<std::string_view>;

std::string Error(std::string_view reason) {
    std::string response = "error\t";
    response += reason;
    return response;
}

Fields SplitFields(std::string_view line) {
    Fields fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

// Decodes a hex text field; on failure `error` holds the response.
bool DecodeField(std::string_view hex, std::string_view fieldName, std::string& bytes,
                 std::string& error) {
    switch (HexDecode(hex, bytes)) {
    case HexError::None:
        return true;
    case HexError::OddLength:
        error = Error("odd-length hex in " + std::string(fieldName));
        return false;
    case HexError::BadDigit:
        error = Error("invalid hex digit in " + std::string(fieldName));
        return false;
    }
    return false;
}

std::string AnswerFormat(const Fields& f) {
    if (f.size() != 3) return Error("format takes SERIAL and HEXFMT");
    const auto serial = ParseSerial(f[1]);
    if (!serial) return Error("invalid SERIAL");
    std::string format, error;
    if (!DecodeField(f[2], "HEXFMT", format, error)) return error;
    return HexEncode(FormatDateTimeEx(format, *serial));
}

std::string AnswerDecode(const Fields& f) {
    if (f.size() != 2) return Error("decode takes SERIAL");
    const auto serial = ParseSerial(f[1]);
    if (!serial) return Error("invalid SERIAL");
    DecodeDateTimeEx(*serial);
    return "ok";
}

std::string AnswerRender(const Fields& f) {
    if (f.size() != 2) return Error("render takes HEXFMT");
    std::string format, error;
    if (!DecodeField(f[1], "HEXFMT", format, error)) return error;
    return HexEncode(FormatDecodedDateTime(format));
}

std::string AnswerCache(const Fields& f) {
    if (f.size() != 1) return Error("cache takes no fields");
    const TDateCache& c = DateCache;
    std::string r = HexFloat(c.LastDateTime);
    for (const long value : {long{c.IsLeapYear ? 1 : 0}, long{c.Era}, long{c.Year},
                             long{c.Month}, long{c.Day}, long{c.DayOfWeek}, long{c.Hour},
                             long{c.Minute}, long{c.Second}, long{c.MilliSecond},
                             long{DayNumber}}) {
        r += ' ';
        r += std::to_string(value);
    }
    return r;
}

std::string AnswerBackup(const Fields& f) {
    if (!FileNameHelpersAvailable()) return Error("not available");
    if (f.size() != 6)
        return Error("backup takes SERIAL, COUNT, HEXTEMPLATE, HEXNAME and HEXEXT");
    const auto serial = ParseSerial(f[1]);
    if (!serial) return Error("invalid SERIAL");
    const auto count = ParseCount(f[2]);
    if (!count) return Error("invalid COUNT");
    std::string tmpl, name, ext, error;
    if (!DecodeField(f[3], "HEXTEMPLATE", tmpl, error) ||
        !DecodeField(f[4], "HEXNAME", name, error) || !DecodeField(f[5], "HEXEXT", ext, error))
        return error;
    return HexEncode(ExpandBackupNameAt(*serial, tmpl, name, ext, *count).value_or(""));
}

std::string AnswerSanitize(const Fields& f) {
    if (!FileNameHelpersAvailable()) return Error("not available");
    if (f.size() != 2) return Error("sanitize takes HEXTEXT");
    std::string text, error;
    if (!DecodeField(f[1], "HEXTEXT", text, error)) return error;
    return HexEncode(SanitizeFileNameText(text).value_or(""));
}

std::string AnswerLocale(const Fields& f) {
    if (f.size() != 3) return Error("locale takes NAME and HEXVALUE");
    std::string value, error;
    if (!DecodeField(f[2], "HEXVALUE", value, error)) return error;
    platform::LocaleSettings settings = platform::Locale();
    switch (SetLocaleSetting(settings, f[1], value)) {
    case LocaleSettingError::None:
        platform::SetLocale(settings);
        return "ok";
    case LocaleSettingError::UnknownName:
        return Error("unknown locale setting");
    case LocaleSettingError::SeparatorTooLong:
        return Error("a separator is one byte or none");
    }
    return Error("unknown locale setting");
}

enum class LineStatus { Complete, TooLong, End };

// Reads one line without its LF; keeps at most maxLength bytes and a CR, skips the rest.
LineStatus ReadLine(std::streambuf& in, std::string& line, std::size_t maxLength) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (;;) {
        const auto c = in.sbumpc();
        if (std::streambuf::traits_type::eq_int_type(c, std::streambuf::traits_type::eof())) {
            if (!any) return LineStatus::End;
            break;
        }
        any = true;
        if (c == '\n') break;
        if (line.size() <= maxLength)
            line.push_back(std::streambuf::traits_type::to_char_type(c));
        else
            tooLong = true;
    }
    const std::size_t length = line.size() - (!line.empty() && line.back() == '\r' ? 1 : 0);
    return tooLong || length > maxLength ? LineStatus::TooLong : LineStatus::Complete;
}

}  // namespace

std::string AnswerRequest(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return Error("empty request");
    const Fields fields = SplitFields(line);
    const std::string_view request = fields.front();
    if (request == "format") return AnswerFormat(fields);
    if (request == "decode") return AnswerDecode(fields);
    if (request == "render") return AnswerRender(fields);
    if (request == "cache") return AnswerCache(fields);
    if (request == "backup") return AnswerBackup(fields);
    if (request == "sanitize") return AnswerSanitize(fields);
    if (request == "locale") return AnswerLocale(fields);
    return Error("unknown request");
}

int RunBatch(std::istream& in, std::ostream& out, std::size_t maxRequestLength) {
    std::streambuf* source = in.rdbuf();
    if (source == nullptr) return 0;
    std::string line;
    for (;;) {
        const LineStatus status = ReadLine(*source, line, maxRequestLength);
        if (status == LineStatus::End) break;
        if (status == LineStatus::TooLong)
            out << "error\trequest too long\n";
        else
            out << AnswerRequest(line) << '\n';
        out.flush();
        if (!out) return 1;
    }
    return 0;
}

}  // namespace vesmark::cli
