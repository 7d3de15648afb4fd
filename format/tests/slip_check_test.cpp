// The month/minute slip check: which runs of m and M stand where a minute is expected.
#include "format/slip_check.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "format/tests/test_support.hpp"

namespace vesmark {

void PrintTo(const MinuteSlip& s, std::ostream* os) {
    *os << "{" << s.offset << ", " << s.length << ", '" << s.letter << "'"
        << (s.afterHour ? ", after hour" : "") << (s.beforeSecond ? ", before second" : "") << "}";
}

namespace {

using testing_support::Sjis;

struct SlipCase {
    const char* format;  // UTF-8
    std::vector<MinuteSlip> expected;
};

constexpr bool kAfter = true;
constexpr bool kBefore = true;

// offset, length, letter, after an hour, before a second
const SlipCase kSlipCases[] = {
    // the slip after an hour field, each hour letter
    {"hh:mm",                 {{3, 2, 'm', kAfter, false}}},
    {"HH:MM",                 {{3, 2, 'M', kAfter, false}}},
    {"h:m",                   {{2, 1, 'm', kAfter, false}}},
    {"ff mm",                 {{3, 2, 'm', kAfter, false}}},
    {"F.mmm",                 {{2, 3, 'm', kAfter, false}}},
    {"hhmm",                  {{2, 2, 'm', kAfter, false}}},
    // and before a second field; both at once is one slip
    {"mm:ss",                 {{0, 2, 'm', false, kBefore}}},
    {"MMS",                   {{0, 2, 'M', false, kBefore}}},
    {"hh:mm:ss",              {{3, 2, 'm', kAfter, kBefore}}},
    {"hh:nn hh:mm",           {{9, 2, 'm', kAfter, false}}},
    {"hh:mm hh:mm",           {{3, 2, 'm', kAfter, false}, {9, 2, 'm', kAfter, false}}},
    // literal text, digit modes and copied letters between
    {"hh'時'mm'分'",          {{6, 2, 'm', kAfter, false}}},
    {"hh\"時\"mm\"分\"ss",    {{6, 2, 'm', kAfter, kBefore}}},
    {"hh時mm分",              {{4, 2, 'm', kAfter, false}}},
    {"h%mm",                  {{2, 2, 'm', kAfter, false}}},
    {"h\\\\mm",               {{3, 2, 'm', kAfter, false}}},
    {"h a mm",                {{4, 2, 'm', kAfter, false}}},
    {"h k mm",                {{4, 2, 'm', kAfter, false}}},
    {"h 1 mm 2 s",            {{4, 2, 'm', kAfter, kBefore}}},
    // runs are of equal bytes: the case splits them
    {"hhmmMM:ss",             {{2, 2, 'm', kAfter, false}, {4, 2, 'M', false, kBefore}}},
    // a preset of the tool button, written that way on purpose
    {"\"'\"yy mmm\".\" dd ddd\".\" hh:mm a.m./p.m.", {{26, 2, 'm', kAfter, false}}},
    // the month where a month belongs
    {"yyyy/mm/dd hh:nn:ss",   {}},
    {"hh:nn mm",              {}},
    {"mm nn:ss",              {}},
    {"hh dd mm",              {}},
    {"hh:nn:ss mm",           {}},
    {"h aa mm",               {}},
    {"h AM/PM mm",            {}},
    {"hAMPMmm",               {}},
    {"h kk mm",               {}},
    {"mm t ss",               {}},
    // inside quotes an m is literal text, also when the quote stays open
    {"hh\"mm\"",              {}},
    {"hh'mm",                 {}},
    // a trail byte is never a letter: ［ is 81 6D (m), ” is 81 68 (h)
    {"h［",                   {}},
    {"”mm",                   {}},
    {"",                      {}},
};

TEST(MinuteSlipTest, FindsTheMonthWhereAMinuteIsExpected) {
    for (const SlipCase& c : kSlipCases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FindMinuteSlips(Sjis(c.format)), c.expected);
    }
}

TEST(MinuteSlipTest, TheTextEndsAtItsFirstZeroByte) {
    EXPECT_EQ(FindMinuteSlips(std::string_view("hh\0mm", 5)), std::vector<MinuteSlip>{});
    EXPECT_EQ(FindMinuteSlips(std::string_view("mm\0ss", 5)), std::vector<MinuteSlip>{});
}

TEST(MinuteSlipTest, TheMinuteTokenKeepsTheLengthAndCaseOfTheRun) {
    const std::vector<MinuteSlip> slips = FindMinuteSlips("h:m H:MMM");
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].Written(), "m");
    EXPECT_EQ(slips[0].Minute(), "n");
    EXPECT_EQ(slips[1].Written(), "MMM");
    EXPECT_EQ(slips[1].Minute(), "NNN");
}

}  // namespace
}  // namespace vesmark
