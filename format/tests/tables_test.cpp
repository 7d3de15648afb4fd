// The name tables hold exactly the CP932 bytes of their texts, entry for entry.
#include <span>
#include <vector>

#include "format/tables.hpp"
#include "test_support.hpp"

namespace vesmark::formatter {
namespace {

using testing_support::Sjis;
using testing_support::Utf8;

struct NameTable {
    const char* name;
    std::span<const std::string_view> entries;
    std::vector<const char*> expected;  // UTF-8
};

const NameTable kNameTables[] = {
    {"EraNames", EraNames, {"", "明治", "大正", "昭和", "平成", "令和"}},
    {"EraNamesKana", EraNamesKana, {"", "めいじ", "たいしょう", "しょうわ", "へいせい", "れいわ"}},
    {"EraLetters", EraLetters, {"", "M", "T", "S", "H", "R"}},
    {"EraLettersWide", EraLettersWide, {"", "Ｍ", "Ｔ", "Ｓ", "Ｈ", "Ｒ"}},
    {"StemNames", StemNames, {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}},
    {"StemElementKana", StemElementKana, {"き", "ひ", "つち", "か", "みず"}},
    {"StemSuffixKana", StemSuffixKana, {"のえ", "のと"}},
    {"BranchNames", BranchNames, {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"}},
    {"BranchAnimalNames", BranchAnimalNames,
     {"鼠", "牛", "虎", "兎", "竜", "蛇", "馬", "羊", "猿", "鳥", "犬", "猪"}},
    {"BranchKana", BranchKana,
     {"ね", "うし", "とら", "う", "たつ", "み", "うま", "ひつじ", "さる", "とり", "いぬ", "ゐ"}},
    {"HourBellNames", HourBellNames, {"九つ", "八つ", "七つ", "六つ", "五つ", "四つ"}},
    {"HourBellKana", HourBellKana, {"ここのつ", "やつ", "ななつ", "むつ", "いつつ", "よつ"}},
    {"MonthNamesEn", MonthNamesEn,
     {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
      "November", "December"}},
    {"MonthNamesEnWide", MonthNamesEnWide,
     {"Ｊａｎｕａｒｙ", "Ｆｅｂｒｕａｒｙ", "Ｍａｒｃｈ", "Ａｐｒｉｌ", "Ｍａｙ", "Ｊｕｎｅ", "Ｊｕｌｙ",
      "Ａｕｇｕｓｔ", "Ｓｅｐｔｅｍｂｅｒ", "Ｏｃｔｏｂｅｒ", "Ｎｏｖｅｍｂｅｒ", "Ｄｅｃｅｍｂｅｒ"}},
    {"MonthNamesKatakana", MonthNamesKatakana,
     {"ジャニュアリー", "フェブラリー", "マーチ", "エイプリル", "メイ", "ジューン", "ジュライ", "オーガスト",
      "セプテンバー", "オクトーバー", "ノヴェンバー", "ディセンバー"}},
    {"MonthNamesHiragana", MonthNamesHiragana,
     {"じゃにゅありー", "ふぇぶらりー", "まーち", "えいぷりる", "めい", "じゅーん", "じゅらい", "おーがすと",
      "せぷてんばー", "おくとーばー", "のう゛ぇんばー", "でぃせんばー"}},
    {"MonthNamesJp", MonthNamesJp,
     {"睦月", "如月", "弥生", "卯月", "皐月", "水無月", "文月", "葉月", "長月", "神無月", "霜月", "師走"}},
    {"MonthNamesJpKana", MonthNamesJpKana,
     {"むつき", "きさらぎ", "やよい", "うづき", "さつき", "みなづき", "ふみつき", "はづき", "ながつき",
      "かんなづき", "しもつき", "しわす"}},
    {"DayNamesEn", DayNamesEn, {"Sun", "Mon", "Tues", "Wednes", "Thurs", "Fri", "Satur"}},
    {"DayNamesEnWide", DayNamesEnWide, {"Ｓｕｎ", "Ｍｏｎ", "Ｔｕｅｓ", "Ｗｅｄｎｅｓ", "Ｔｈｕｒｓ", "Ｆｒｉ", "Ｓａｔｕｒ"}},
    {"DayNamesKatakana", DayNamesKatakana, {"サン", "マン", "チューズ", "ウェンズ", "サーズ", "フライ", "サタ"}},
    {"DayNamesHiragana", DayNamesHiragana, {"さん", "まん", "ちゅーず", "うぇんず", "さーず", "ふらい", "さた"}},
    {"DayNamesKanji", DayNamesKanji, {"日", "月", "火", "水", "木", "金", "土"}},
    {"DayNamesKanjiKana", DayNamesKanjiKana, {"にち", "げつ", "か", "すい", "もく", "きん", "ど"}},
    {"KanjiDigits", KanjiDigits, {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"}},
    {"WideDigits", WideDigits, {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"}},
};

TEST(NameTables, EveryEntryHoldsTheBytesOfItsText) {
    for (const NameTable& table : kNameTables) {
        SCOPED_TRACE(table.name);
        ASSERT_EQ(table.entries.size(), table.expected.size());
        for (std::size_t i = 0; i < table.entries.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(Utf8(table.entries[i]), table.expected[i]);
            EXPECT_EQ(table.entries[i], Sjis(table.expected[i]));
        }
    }
}

struct ConstantWord {
    std::string_view bytes;
    const char* expected;
};

const ConstantWord kConstantWords[] = {
    {SuffixDay, "day"},          {SuffixDayWide, "ｄａｙ"},     {SuffixYoubi, "曜日"},
    {SuffixYoubiKana, "ようび"}, {SuffixDayKatakana, "デー"},    {SuffixDayHiragana, "でー"},
    {LeapMark, "閏"},            {CommonYearMark, "平"},         {WideSpace, "　"},
    {WideDecimalPoint, "・"},    {WideFullStop, "．"},
};

TEST(NameTables, ConstantWordsHoldTheBytesOfTheirTexts) {
    for (const ConstantWord& w : kConstantWords) {
        SCOPED_TRACE(w.expected);
        EXPECT_EQ(w.bytes, Sjis(w.expected));
    }
}

TEST(NameTables, SpecialCharactersAreTheIntendedCodes) {
    EXPECT_EQ(KanjiDigits[0], "\x81\x5a");    // ideographic zero, not a circle
    EXPECT_EQ(WideSpace, "\x81\x40");
    EXPECT_EQ(WideFullStop, "\x81\x44");
    EXPECT_EQ(BranchKana[11], "\x82\xee");    // ゐ, not い
    EXPECT_EQ(MonthNamesHiragana[10].size(), 14u);  // う + ゛ for ヴ
    EXPECT_EQ(MonthNamesKatakana[10].size(), 12u);
}

TEST(NameTables, EraTablesEndWithReiwaFrom2019_05_01) {
    ASSERT_EQ(std::size(EraStartDays), kLastEra + 1);
    ASSERT_EQ(std::size(EraBaseYears), kLastEra + 1);
    const int firstDays[][3] = {{1868, 9, 8}, {1912, 7, 30}, {1926, 12, 25}, {1989, 1, 8}, {2019, 5, 1}};
    const int baseYears[] = {1867, 1911, 1925, 1988, 2018};
    for (unsigned era = 1; era <= kLastEra; ++era) {
        SCOPED_TRACE(era);
        const int* d = firstDays[era - 1];
        EXPECT_EQ(EraStartDays[era], testing_support::At(d[0], d[1], d[2]));
        EXPECT_EQ(EraBaseYears[era], baseYears[era - 1]);
        EXPECT_EQ(EraBaseYears[era] + 1, d[0]);  // the first calendar year is year 1
    }
}

TEST(NameTables, AccessorsGiveEmptyTextOutsideATable) {
    EXPECT_EQ(At(EraNames, 0), "");
    EXPECT_EQ(At(EraNames, 6), "");
    EXPECT_EQ(At(BranchNames, 12), "");
    EXPECT_EQ(AtOneBased(MonthNamesEn, 0), "");
    EXPECT_EQ(AtOneBased(MonthNamesEn, 1), "January");
    EXPECT_EQ(AtOneBased(MonthNamesEn, 12), "December");
    EXPECT_EQ(AtOneBased(MonthNamesEn, 13), "");
    EXPECT_EQ(AtOneBased(DayNamesEn, 0), "");
    EXPECT_EQ(AtOneBased(DayNamesEn, 7), "Satur");
    EXPECT_EQ(AtOneBased(DayNamesEn, 8), "");
}

}  // namespace
}  // namespace vesmark::formatter
