// UTF-8 <-> code page 932 through iconv. One converter per direction and thread,
// opened on first use.
#include "platform/textconv.hpp"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

#include "platform/cp932.hpp"

namespace vesmark::cp932 {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole unit (a character); false when iconv refuses it.
    bool Convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0) {
            return false;
        }
        // Flush any shift state (none for these encodings, but harmless).
        if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return false;
        out.append(buf, static_cast<std::size_t>(dst - buf));
        return true;
    }

private:
    iconv_t cd_;
};

Converter& ToCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}
Converter& ToUtf8() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

// Length of the UTF-8 sequence at i and its code point; 0 when malformed.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t n;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2; cp = b0 & 0x1F; min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3; cp = b0 & 0x0F; min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4; cp = b0 & 0x07; min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

std::string CodePointName(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

}  // namespace

FromUtf8Result Utf8ToCp932(std::string_view utf8) {
    FromUtf8Result r;
    r.text.reserve(utf8.size());
    Converter& conv = ToCp932();
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {  // ASCII is the same in both
            r.text.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        char32_t cp = 0xFFFD;
        const std::size_t n = DecodeUtf8(utf8, i, cp);
        if (n == 0) {
            r = FromUtf8Result{false, {}, i, 0xFFFD,
                               "不正な UTF-8 のバイト列があります (" + std::to_string(i) + " バイト目)"};
            return r;
        }
        if (!conv.ok() || !conv.Convert(utf8.substr(i, n), r.text)) {
            const std::string ch(utf8.substr(i, n));
            r = FromUtf8Result{false, {}, i, cp,
                               "文字「" + ch + "」(" + CodePointName(cp) +
                                   ") はシフトJIS (コードページ 932) で表せません (" +
                                   std::to_string(i) + " バイト目)"};
            return r;
        }
        i += n;
    }
    return r;
}

std::string Cp932ToUtf8(std::string_view cp932) {
    static constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
    std::string out;
    out.reserve(cp932.size() * 3 / 2 + 4);
    Converter& conv = ToUtf8();
    for (std::size_t i = 0; i < cp932.size();) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        // A lead byte always takes the next byte; one U+FFFD per refused character.
        const std::size_t n = CharLength(cp932, i);
        if (!(IsLeadByte(b) && n == 1) && conv.ok() && conv.Convert(cp932.substr(i, n), out)) {
            i += n;
            continue;
        }
        out += kReplacement;
        i += n;
    }
    return out;
}

}  // namespace vesmark::cp932
