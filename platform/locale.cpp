// Locale settings derived from LC_TIME and translated into the format language.
#include "platform/locale.hpp"

#include <langinfo.h>
#include <locale.h>

#include <iconv.h>

#include <cctype>

#include "platform/cp932.hpp"
#include "platform/textconv.hpp"

namespace vesmark::platform {

namespace {

LocaleSettings& Current() {
    static LocaleSettings settings = LocaleFromEnvironment();
    return settings;
}

// The first byte of a strftime format that separates two conversions, or zero.
char SeparatorOf(std::string_view fmt, std::string_view conversions) {
    for (std::size_t i = 0; i + 1 < fmt.size(); ++i) {
        if (fmt[i] != '%') continue;
        std::size_t j = i + 1;
        while (j < fmt.size() && (fmt[j] == 'E' || fmt[j] == 'O' || fmt[j] == '-' || fmt[j] == '_' || fmt[j] == '0' || fmt[j] == '^' || fmt[j] == '#')) ++j;
        if (j >= fmt.size() || conversions.find(fmt[j]) == std::string_view::npos) continue;
        const std::size_t k = j + 1;
        if (k < fmt.size() && fmt[k] != '%') {
            const auto c = static_cast<unsigned char>(fmt[k]);
            if (c < 0x80 && !std::isalnum(c) && c != ' ' && c != '\'' && c != '"') return fmt[k];
        }
    }
    return 0;
}

void AppendLiteral(std::string& out, std::string_view literal) {
    if (literal.empty()) return;
    // Text without letters or symbols of the language is copied as it stands.
    bool plain = true;
    for (std::size_t i = 0; i < literal.size(); i += cp932::CharLength(literal, i)) {
        const auto c = static_cast<unsigned char>(literal[i]);
        if (c < 0x80 && (std::isalpha(c) || c == '\'' || c == '"' || c == '%' || c == '\\' || c == '/' || c == ':')) plain = false;
    }
    if (plain) {
        out.append(literal);
        return;
    }
    // Quote with the kind of quote the literal does not hold; split if it holds both.
    const char quote = literal.find('\'') == std::string_view::npos ? '\'' : '"';
    std::size_t start = 0;
    while (start < literal.size()) {
        std::size_t end = literal.find(quote, start);
        if (end == std::string_view::npos) end = literal.size();
        if (end > start) {
            out += quote;
            out.append(literal.substr(start, end - start));
            out += quote;
        }
        if (end < literal.size()) {
            out += quote == '\'' ? '"' : '\'';
            out += quote;
            out += quote == '\'' ? '"' : '\'';
            ++end;
        }
        start = end;
    }
}

std::string ToCp932Lossy(std::string_view text, const char* codeset) {
    std::string utf8(text);
    if (codeset != nullptr && std::string_view(codeset) != "UTF-8" && std::string_view(codeset) != "ANSI_X3.4-1968") {
        iconv_t cd = iconv_open("UTF-8", codeset);
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            std::string out(text.size() * 4 + 8, '\0');
            char* src = const_cast<char*>(text.data());
            std::size_t srcLeft = text.size();
            char* dst = out.data();
            std::size_t dstLeft = out.size();
            if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) {
                out.resize(out.size() - dstLeft);
                utf8 = out;
            }
            iconv_close(cd);
        }
    }
    auto r = cp932::Utf8ToCp932(utf8);
    if (r.ok) return r.text;
    // Keep what converts; a character the code page cannot hold becomes "?".
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t n = 1;
        while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
        auto c = cp932::Utf8ToCp932(std::string_view(utf8).substr(i, n));
        out += c.ok ? c.text : "?";
        i += n;
    }
    return out;
}

}  // namespace

std::string TranslateStrftime(std::string_view f, char dateSeparator, char timeSeparator) {
    std::string out;
    std::string literal;
    auto flush = [&] {
        AppendLiteral(out, literal);
        literal.clear();
    };
    auto token = [&](std::string_view t) {
        flush();
        out += t;
    };
    for (std::size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (cp932::IsLeadByte(c)) {  // a double-byte character is literal text
            const std::size_t n = cp932::CharLength(f, i);
            literal.append(f.substr(i, n));
            i += n;
            continue;
        }
        if (c != '%' || i + 1 >= f.size()) {
            if (c != 0 && c == dateSeparator) {
                token("/");
            } else if (c != 0 && c == timeSeparator) {
                token(":");
            } else {
                literal += c;
            }
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < f.size() && (f[j] == 'E' || f[j] == 'O' || f[j] == '-' || f[j] == '_' || f[j] == '0' || f[j] == '^' || f[j] == '#')) ++j;
        if (j >= f.size()) break;
        const char conv = f[j];
        i = j + 1;
        switch (conv) {
            case 'Y': token("yyyy"); break;
            case 'y': token("yy"); break;
            case 'C': token("yyy"); break;
            case 'm': token("mm"); break;
            case 'd': token("dd"); break;
            case 'e': token("d"); break;
            case 'H': token("hh"); break;
            case 'k': token("h"); break;
            case 'I': token("ff"); break;
            case 'l': token("f"); break;
            case 'M': token("nn"); break;
            case 'S': token("ss"); break;
            case 'p': case 'P': token("AMPM"); break;
            case 'b': case 'h': token("mmm"); break;
            case 'B': token("mmmm"); break;
            case 'a': token("ddd"); break;
            case 'A': token("dddd"); break;
            case 'D': out += TranslateStrftime("%m/%d/%y", '/', timeSeparator); break;
            case 'F': out += TranslateStrftime("%Y-%m-%d", dateSeparator, timeSeparator); break;
            case 'T': out += TranslateStrftime("%H:%M:%S", dateSeparator, ':'); break;
            case 'R': out += TranslateStrftime("%H:%M", dateSeparator, ':'); break;
            case 'r': out += TranslateStrftime("%I:%M:%S %p", dateSeparator, ':'); break;
            case 'n': literal += '\n'; break;
            case 't': literal += '\t'; break;
            case '%': literal += '%'; break;
            default: break;  // a conversion the language has no field for is left out
        }
    }
    flush();
    return out;
}

LocaleSettings LocaleFromStrftime(std::string_view dateFormat, std::string_view timeFormat,
                                  std::string_view timeFormatAmPm, std::string_view am,
                                  std::string_view pm) {
    LocaleSettings s;  // the fallbacks
    std::string_view time = timeFormat.empty() ? timeFormatAmPm : timeFormat;
    if (!dateFormat.empty()) {
        s.DateSeparator = SeparatorOf(dateFormat, "YymdeCbB");
        if (s.DateSeparator == 0 && dateFormat.find("%D") != std::string_view::npos) s.DateSeparator = '/';
        s.ShortDateFormat = TranslateStrftime(dateFormat, s.DateSeparator, 0);
        // A date format without a separator of its own (such as %Y年%m月%d日) says
        // nothing about the separator: "/" then still renders as the usual one.
        if (s.DateSeparator == 0) s.DateSeparator = '/';
    }
    if (!time.empty()) {
        char sep = SeparatorOf(time, "HkIlMS");
        if (sep == 0 && (time.find("%T") != std::string_view::npos || time.find("%R") != std::string_view::npos || time.find("%r") != std::string_view::npos)) sep = ':';
        s.TimeSeparator = sep != 0 ? sep : ':';  // likewise
        s.LongTimeFormat = TranslateStrftime(time, 0, sep);
        // The short time is the long one without its seconds: "%S" with the
        // separator before it, or, without one, with the unit after it (秒).
        std::string shortTime(time);
        if (const auto p = shortTime.find("%S"); p != std::string::npos) {
            if (p > 0 && sep != 0 && shortTime[p - 1] == sep) {
                shortTime.erase(p - 1, 3);
            } else {
                std::size_t end = p + 2;
                while (end < shortTime.size() && shortTime[end] != '%' && shortTime[end] != ' ') ++end;
                shortTime.erase(p, end - p);
            }
        }
        if (auto p = shortTime.find("%T"); p != std::string::npos) shortTime.replace(p, 2, "%R");
        if (auto p = shortTime.find("%r"); p != std::string::npos) shortTime.replace(p, 2, "%I:%M %p");
        s.ShortTimeFormat = TranslateStrftime(shortTime, 0, sep);
    }
    if (!am.empty()) s.TimeAMString = std::string(am);
    if (!pm.empty()) s.TimePMString = std::string(pm);
    return s;
}

LocaleSettings LocaleFromEnvironment() {
    locale_t loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return LocaleSettings{};
    const char* codeset = nl_langinfo_l(CODESET, loc);
    auto get = [&](nl_item item) { return ToCp932Lossy(nl_langinfo_l(item, loc), codeset); };
    LocaleSettings s = LocaleFromStrftime(get(D_FMT), get(T_FMT), get(T_FMT_AMPM), get(AM_STR), get(PM_STR));
    freelocale(loc);
    return s;
}

const LocaleSettings& Locale() noexcept { return Current(); }

void SetLocale(const LocaleSettings& settings) { Current() = settings; }

}  // namespace vesmark::platform
