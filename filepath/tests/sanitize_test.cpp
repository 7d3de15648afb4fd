// The file-name sanitiser: doubled backslashes and the characters a file name may
// not hold become underscores; double-byte characters stay whole.
#include <gtest/gtest.h>

#include "filepath/ComFilePathUnit.hpp"
#include "test_text.hpp"

namespace vesmark {
namespace {

using test::Sjis;
using test::Utf8;

struct SanitizeCase {
    const char* input;     // UTF-8
    const char* expected;  // UTF-8
};

constexpr SanitizeCase kSanitizeCases[] = {
    {"",                        ""},
    {"report 2004.txt",         "report 2004.txt"},
    {"a:b/c*d?e\"f>g<h|i",      "a_b_c_d_e_f_g_h_i"},
    {"::??||",                  "______"},
    // Backslashes: a single one separates folders, pairs from the left.
    {"folder\\sub",             "folder\\sub"},
    {"folder\\\\sub",           "folder__sub"},
    {"a\\\\\\b",                "a__\\b"},
    {"a\\\\\\\\b",              "a____b"},
    {"\\",                      "\\"},
    {"sub\\tail\\",             "sub\\tail\\"},
    {"\\C:\\x",                 "\\C_\\x"},
    // Double-byte characters whose second byte is 0x5C or 0x7C stay whole.
    {"ソ",                      "ソ"},
    {"表示",                    "表示"},
    {"ポ",                      "ポ"},
    {"ソ\\",                    "ソ\\"},
    {"ソ\\\\",                  "ソ__"},
    {"表\\表",                  "表\\表"},
    {"ポ|",                     "ポ_"},
    {"ソ:ポ?表",                "ソ_ポ_表"},
    // Half-width katakana are single bytes, not lead bytes.
    {"ｿ\\\\",                   "ｿ__"},
    // Full-width look-alikes are not the forbidden characters.
    {"？：＜＞｜＊／￥",         "？：＜＞｜＊／￥"},
    // Control characters, trailing dots and spaces, device names pass.
    {"a\tb\x01. ",              "a\tb\x01. "},
    {"CON",                     "CON"},
};

TEST(SanitizeFileName, ReplacesForbiddenCharactersAndKeepsDoubleByteCharactersWhole) {
    for (const SanitizeCase& c : kSanitizeCases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(Utf8(SanitizeFileName(Sjis(c.input))), c.expected);
    }
}

struct ByteCase {
    std::string_view input;
    std::string_view expected;
};

// Texts that are not valid CP932: a lead byte takes the next byte whatever it is,
// and a lead byte at the very end stands alone.
constexpr ByteCase kMalformedCases[] = {
    {"\x83",             "\x83"},
    {"a:\x83",           "a_\x83"},
    {"\x83\\\\",         "\x83\\\\"},
    {"\x83\\\\\\",       "\x83\\__"},
    {"\x81?:",           "\x81?_"},
    {"\x83|\x83",        "\x83|\x83"},
    {std::string_view("\0:\0", 3), std::string_view("\0_\0", 3)},
};

TEST(SanitizeFileName, MalformedTextIsReadByCharacterWithoutOverrun) {
    for (const ByteCase& c : kMalformedCases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.input)));
        EXPECT_EQ(SanitizeFileName(c.input), c.expected);
    }
}

}  // namespace
}  // namespace vesmark
