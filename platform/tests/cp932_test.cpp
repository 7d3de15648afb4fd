// Searching, replacing and upper-casing code page 932 text without ever matching
// at the second byte of a double-byte character.
#include <gtest/gtest.h>

#include <string>

#include "platform/cp932.hpp"

namespace {

using vesmark::cp932::npos;

// 表 = 0x95 0x5C and ソ = 0x83 0x5C: their second byte is the backslash.
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";
// ー (0x81 0x5B) ... and a character whose second byte is "|": 0x81 0x7C is −.
const std::string kMinus = "\x81\x7C";

TEST(Cp932, LeadBytesAreTheTwoRanges) {
    for (int b = 0; b < 256; ++b) {
        const bool expected = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        EXPECT_EQ(vesmark::cp932::IsLeadByte(static_cast<unsigned char>(b)), expected) << b;
    }
}

TEST(Cp932, LeadByteAtTheEndStandsAlone) {
    const std::string s = "a\x95";
    EXPECT_EQ(vesmark::cp932::CharLength(s, 0), 1u);
    EXPECT_EQ(vesmark::cp932::CharLength(s, 1), 1u);
    EXPECT_EQ(vesmark::cp932::CharLength(kHyo, 0), 2u);
    EXPECT_TRUE(vesmark::cp932::IsTrailByteAt(kHyo + "\\", 1));
    EXPECT_FALSE(vesmark::cp932::IsTrailByteAt(kHyo + "\\", 2));
}

struct FindCase {
    std::string text;
    std::string pattern;
    std::size_t expected;
};

const FindCase kFindCases[] = {
    {kHyo, "\\", npos},                         // the 0x5C inside 表 is no backslash
    {kHyo + "\\", "\\", 2},                     // a backslash right after 表 is real
    {kSo + kSo + "a\\", "\\", 5},
    {kMinus + "|", "|", 2},
    {"\x95" "a", "a", npos},                    // a lead byte takes any next byte
    {"ab" + kHyo + "%D", "%D", 4},
    {"%", "%", 0},
    {"", "%", npos},
    {"abc", "", npos},
    {"aaa", "aa", 0},
};

TEST(Cp932, FindNeverStartsAtATrailByte) {
    for (const auto& c : kFindCases) {
        SCOPED_TRACE(c.text + " / " + c.pattern);
        EXPECT_EQ(vesmark::cp932::Find(c.text, c.pattern), c.expected);
    }
}

TEST(Cp932, FindIgnoringCaseFoldsAsciiAndFullWidth) {
    EXPECT_EQ(vesmark::cp932::FindIgnoreCase("x%d", "%D"), 1u);
    EXPECT_EQ(vesmark::cp932::FindIgnoreCase("x%D", "%d"), 1u);
    // full-width ａ (0x82 0x81) matches full-width Ａ (0x82 0x60)
    EXPECT_EQ(vesmark::cp932::FindIgnoreCase("\x82\x81", "\x82\x60"), 0u);
    EXPECT_EQ(vesmark::cp932::FindIgnoreCase(kHyo + "%", "\\"), npos);
}

struct ReplaceCase {
    std::string text;
    std::string pattern;
    std::string replacement;
    bool ignoreCase;
    std::string expected;
};

const ReplaceCase kReplaceCases[] = {
    {"%%%", "%%", "??", false, "??%"},                 // from the left, no overlap
    {"aXa", "a", "aa", false, "aaXaa"},                // inserted text is not examined again
    {"%d-%D", "%D", "01", true, "01-01"},
    {"%d-%D", "%D", "01", false, "%d-01"},
    {kHyo + "\\\\", "\\\\", "__", false, kHyo + "__"},
    {kSo + "\\" + kSo, "\\", "/", false, kSo + "/" + kSo},
    {"none", "x", "y", false, "none"},
};

TEST(Cp932, ReplaceAllContinuesBehindEachReplacement) {
    for (const auto& c : kReplaceCases) {
        SCOPED_TRACE(c.text + " / " + c.pattern);
        std::string text = c.text;
        if (c.ignoreCase) {
            vesmark::cp932::ReplaceAllIgnoreCase(text, c.pattern, c.replacement);
        } else {
            vesmark::cp932::ReplaceAll(text, c.pattern, c.replacement);
        }
        EXPECT_EQ(text, c.expected);
    }
}

TEST(Cp932, UpperCaseTouchesOnlyLatinLetters) {
    // ａｚ -> ＡＺ; 表 and ソ keep their bytes; a lone lead byte at the end is kept.
    EXPECT_EQ(vesmark::cp932::UpperCase("az\x82\x81\x82\x9A" + kHyo + kSo + "1\x82"),
              "AZ\x82\x60\x82\x79" + kHyo + kSo + "1\x82");
    // The second byte of a double-byte character is never taken for a letter:
    // 0x82 0x61 (Ｂ) and 0x83 0x61 (ア) stay as they are.
    EXPECT_EQ(vesmark::cp932::UpperCase("\x83\x61\x82\x61"), "\x83\x61\x82\x61");
}

}  // namespace
