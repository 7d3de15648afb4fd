// Stems and branches of the year, and the meridiem word pieces.
#include "format/cycle.hpp"
#include "test_support.hpp"

namespace vesmark::formatter {
namespace {

using testing_support::Utf8;

std::string Joined(const CycleText& t) { return Utf8(std::string(t.first) + std::string(t.second)); }

struct CycleCase {
    std::uint16_t year;
    const char* stemKanji;
    const char* stemKana;
    const char* branchKanji;
    const char* branchKana;
    const char* animal;
};

const CycleCase kCycleCases[] = {
    {1984, "甲", "きのえ", "子", "ね", "鼠"},
    {1989, "己", "つちのと", "巳", "み", "蛇"},
    {2000, "庚", "かのえ", "辰", "たつ", "竜"},
    {2003, "癸", "みずのと", "未", "ひつじ", "羊"},
    {2004, "甲", "きのえ", "申", "さる", "猿"},
    {2007, "丁", "ひのと", "亥", "ゐ", "猪"},
};

TEST(Cycle, StemsAndBranchesOfYears) {
    constexpr auto L = TokenCase::Lower;
    constexpr auto U = TokenCase::Upper;
    for (const CycleCase& c : kCycleCases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(Joined(StemText(c.year, L, false)), c.stemKanji);
        EXPECT_EQ(Joined(StemText(c.year, U, false)), c.stemKana);
        EXPECT_EQ(Joined(BranchText(c.year, L, false)), c.branchKanji);
        EXPECT_EQ(Joined(BranchText(c.year, U, false)), c.branchKana);
        EXPECT_EQ(Joined(BranchText(c.year, L, true)), c.animal);
    }
}

TEST(Cycle, ExtendedKanaAsksForTheLongestWidthsOnly) {
    constexpr auto L = TokenCase::Lower;
    constexpr auto U = TokenCase::Upper;
    EXPECT_EQ(StemText(2000, U, true).width, 8);
    EXPECT_EQ(BranchText(2000, U, true).width, 6);
    EXPECT_EQ(StemText(2000, U, false).width, 0);
    EXPECT_EQ(BranchText(2000, U, false).width, 0);
    EXPECT_EQ(StemText(2000, L, true).width, 0);
    EXPECT_EQ(BranchText(2000, L, true).width, 0);
    EXPECT_EQ(Joined(StemText(2000, L, true)), "庚");  // the flag changes no stem kanji
}

TEST(Cycle, KanaStemsAreTheTenReadings) {
    const char* const readings[] = {"きのえ", "きのと", "ひのえ", "ひのと", "つちのえ",
                                    "つちのと", "かのえ", "かのと", "みずのえ", "みずのと"};
    for (int s = 0; s < 10; ++s) {
        // (year + 6) % 10 == s for year 1984 + s
        EXPECT_EQ(Joined(StemText(static_cast<std::uint16_t>(1984 + s), TokenCase::Upper, false)), readings[s]);
    }
}

TEST(MeridiemWords, SixLettersHaveWordsAndWideForms) {
    const char letters[] = {'A', 'M', 'P', 'a', 'm', 'p'};
    const char* const words[] = {"ぜん", "ご", "ご", "前", "午", "後"};
    const char* const wide[] = {"Ａ", "Ｍ", "Ｐ", "ａ", "ｍ", "ｐ"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(letters[i]);
        EXPECT_EQ(Utf8(MeridiemWord(letters[i])), words[i]);
        EXPECT_EQ(Utf8(MeridiemWideLetter(letters[i])), wide[i]);
    }
    for (const char other : {'/', '0', 'B', 'x', '.', '\0', '\x82'}) {
        EXPECT_EQ(MeridiemWord(other), "");
        EXPECT_EQ(MeridiemWideLetter(other), "");
    }
}

}  // namespace
}  // namespace vesmark::formatter
