// Stems and branches of the year, and the morning/afternoon word pieces.
#include "format/cycle.hpp"

#include "format/tables.hpp"

namespace vesmark::formatter {

CycleText StemText(std::uint16_t year, TokenCase tokenCase, bool extended) noexcept {
    const unsigned s = (year + 6u) % 10u;
    if (tokenCase == TokenCase::Upper) {
        return {At(StemElementKana, s / 2), At(StemSuffixKana, s % 2), extended ? 8 : 0};
    }
    return {At(StemNames, s), {}, 0};
}

CycleText BranchText(std::uint16_t year, TokenCase tokenCase, bool extended) noexcept {
    const unsigned b = (year + 8u) % 12u;
    if (tokenCase == TokenCase::Upper) return {At(BranchKana, b), {}, extended ? 6 : 0};
    return {extended ? At(BranchAnimalNames, b) : At(BranchNames, b), {}, 0};
}

std::string_view MeridiemWord(char letter) noexcept {
    switch (letter) {
        case 'A': return "\x82\xba\x82\xf1";  // ぜん
        case 'M': return "\x82\xb2";          // ご
        case 'P': return "\x82\xb2";          // ご
        case 'a': return "\x91\x4f";          // 前
        case 'm': return "\x8c\xdf";          // 午
        case 'p': return "\x8c\xe3";          // 後
        default: return {};
    }
}

std::string_view MeridiemWideLetter(char letter) noexcept {
    switch (letter) {
        case 'A': return "\x82\x60";  // Ａ
        case 'M': return "\x82\x6c";  // Ｍ
        case 'P': return "\x82\x6f";  // Ｐ
        case 'a': return "\x82\x81";  // ａ
        case 'm': return "\x82\x8d";  // ｍ
        case 'p': return "\x82\x90";  // ｐ
        default: return {};
    }
}

}  // namespace vesmark::formatter
