// Conversion between UTF-8 and code page 932, strict one way, never failing the other.
#include <gtest/gtest.h>

#include "platform/textconv.hpp"

namespace {

using vesmark::cp932::Cp932ToUtf8;
using vesmark::cp932::Utf8ToCp932;

struct RoundTrip {
    const char* utf8;
    const char* cp932;
};

const RoundTrip kRoundTrips[] = {
    {"abc", "abc"},
    {"表", "\x95\x5C"},
    {"ソ\\", "\x83\x5C\x5C"},
    {"平成", "\x95\xBD\x90\xAC"},
    {"〇", "\x81\x5A"},
    {"　", "\x81\x40"},
    {"ｱ", "\xB1"},
    {"", ""},
};

TEST(TextConv, CharactersOfTheCodePageConvertBothWays) {
    for (const auto& c : kRoundTrips) {
        SCOPED_TRACE(c.utf8);
        const auto r = Utf8ToCp932(c.utf8);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(r.text, c.cp932);
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
    }
}

struct Refusal {
    const char* utf8;
    std::size_t offset;
    char32_t codePoint;
};

const Refusal kRefusals[] = {
    {"ab😀c", 2, 0x1F600},
    {"x\xE2\x82", 1, 0xFFFD},   // truncated sequence
    {"\xC0\xAF", 0, 0xFFFD},    // overlong
    {"表𠀋", 3, 0x2000B},        // a CJK extension character
};

TEST(TextConv, Utf8ToCp932NamesTheFirstCharacterItCannotHold) {
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.utf8);
        const auto r = Utf8ToCp932(c.utf8);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.text.empty());
        EXPECT_EQ(r.errorOffset, c.offset);
        EXPECT_EQ(r.errorChar, c.codePoint);
        EXPECT_FALSE(r.message.empty());
    }
    EXPECT_NE(Utf8ToCp932("a😀").message.find("U+1F600"), std::string::npos);
}

TEST(TextConv, Cp932ToUtf8ReplacesWhatItCannotRead) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(Cp932ToUtf8("a\x95"), "a" + replacement);          // lone lead byte at the end
    EXPECT_EQ(Cp932ToUtf8("\x85\x40z"), replacement + "z");      // unassigned code, one U+FFFD
    EXPECT_EQ(Cp932ToUtf8("\x80z"), replacement + "z");          // not a character of the code page
}

}  // namespace
