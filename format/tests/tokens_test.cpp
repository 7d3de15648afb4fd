// The field tokens: every letter in its run lengths and cases.
#include "test_support.hpp"

namespace vesmark {
namespace {

using testing_support::At;
using testing_support::Reference;
using testing_support::Render;
using testing_support::RenderCase;

class FieldTokenTest : public testing_support::FormatTest {
protected:
    void ExpectAll(const RenderCase* first, const RenderCase* last, TDateTime x) {
        for (const RenderCase* c = first; c != last; ++c) {
            SCOPED_TRACE(c->format);
            EXPECT_EQ(Render(c->format, x), c->expected);
        }
    }
    template <std::size_t N>
    void ExpectAll(const RenderCase (&cases)[N], TDateTime x) {
        ExpectAll(cases, cases + N, x);
    }
};

// At 2004-01-01 13:05:07.089, a Thursday; 平成16, a leap year, day number 2453006.
// Results are bracketed so that leading and trailing blanks show.
const RenderCase kReferenceCases[] = {
    // D: day of the month, weekday in English
    {"[d]", "[1]"},
    {"[DD]", "[ 1]"},
    {"[dd]", "[01]"},
    {"[ddd]", "[Thu]"},
    {"[DDD]", "[THU]"},
    {"[dddd]", "[Thursday]"},
    {"[DDDD]", "[THURSDAY]"},
    {"[ddddd]", "[Thursday ]"},
    {"[dddddd]", "[Ｔｈｕ]"},
    {"[DDDDDD]", "[ＴＨＵ]"},
    {"[ddddddd]", "[Ｔｈｕｒｓｄａｙ]"},
    {"[DDDDDDD]", "[ＴＨＵＲＳＤＡＹ]"},
    {"[dddddddd]", "[Ｔｈｕｒｓｄａｙ　]"},
    {"[DDDDDDDDD]", "[ＴＨＵＲＳＤＡＹ　]"},
    // M: month, English names
    {"[m]", "[1]"},
    {"[MM]", "[ 1]"},
    {"[mmm]", "[Jan]"},
    {"[MMMM]", "[JANUARY]"},
    {"[mmmmm]", "[January  ]"},
    {"[MMMMMM]", "[ＪＡＮ]"},
    {"[mmmmmmm]", "[Ｊａｎｕａｒｙ]"},
    {"[mmmmmmmm]", "[Ｊａｎｕａｒｙ　　]"},
    // K: traditional month names, English names in kana
    {"[k]", "[k]"},
    {"[K]", "[K]"},
    {"[kk]", "[睦]"},
    {"[KK]", "[むつ]"},
    {"[kkk]", "[睦月]"},
    {"[KKK]", "[むつき]"},
    {"[kkkk]", "[睦月]"},
    {"[kkkkk]", "[睦月　]"},
    {"[KKKKK]", "[むつき　　]"},
    {"[kkkkkk]", "[ジャニュアリー]"},
    {"[KKKKKK]", "[じゃにゅありー]"},
    {"[kkkkkkk]", "[ジャニュアリー]"},
    // A: weekday in Japanese
    {"[aa]", "[木]"},
    {"[AA]", "[もく]"},
    {"[aaa]", "[木]"},
    {"[AAA]", "[もく]"},
    {"[aaaa]", "[木曜日]"},
    {"[AAAA]", "[もくようび]"},
    {"[aaaaa]", "[木曜日]"},
    {"[AAAAA]", "[もくようび]"},
    {"[aaaaaa]", "[サーズデー]"},
    {"[AAAAAA]", "[さーずでー]"},
    {"[aaaaaaa]", "[サーズデー　]"},
    {"[AAAAAAA]", "[さーずでー　]"},
    // G, E: era and era year
    {"[g]", "[H]"},
    {"[G]", "[H]"},
    {"[%g]", "[Ｈ]"},
    {"[\\G]", "[Ｈ]"},
    {"[gg]", "[平]"},
    {"[GG]", "[へ]"},
    {"[ggg]", "[平成]"},
    {"[GGG]", "[へいせい]"},
    {"[gggg]", "[平成]"},
    {"[GGGG]", "[へいせい　]"},
    {"[e]", "[16]"},
    {"[ee]", "[16]"},
    {"[eee]", "[16]"},
    {"[EEE]", "[16]"},
    // Y, L, J: year, leap marker, cycle
    {"[y]", "[4]"},
    {"[YY]", "[ 4]"},
    {"[yy]", "[04]"},
    {"[yyy]", "[2004]"},
    {"[yyyyy]", "[2004]"},
    {"[l]", "[閏]"},
    {"[LL]", "[閏]"},
    {"[j]", "[j]"},
    {"[J]", "[J]"},
    {"[jj]", "[甲]"},
    {"[JJ]", "[きのえ]"},
    {"[JJJ]", "[きのえ　]"},
    {"[jjjj]", "[申]"},
    {"[jjjjj]", "[猿]"},
    {"[JJJJ]", "[さる]"},
    {"[JJJJJ]", "[さる　]"},
    {"[jjjjjj]", "[甲申]"},
    {"[jjjjjjj]", "[甲猿]"},
    {"[JJJJJJ]", "[きのえさる]"},
    {"[JJJJJJJ]", "[きのえさる　　]"},
    // H, F: hour, double-hour signs, 12-hour clock, hour bells
    {"[h]", "[13]"},
    {"[hh]", "[13]"},
    {"[hhh]", "[未]"},
    {"[HHH]", "[ひつじ]"},
    {"[hhhh]", "[羊]"},
    {"[HHHH]", "[ひつじ]"},
    {"[f]", "[1]"},
    {"[FF]", "[ 1]"},
    {"[ff]", "[01]"},
    {"[fff]", "[九つ]"},
    {"[FFF]", "[ここのつ]"},
    {"[ffff]", "[九つ　]"},
    {"[FFFF]", "[ここのつ]"},
    // N, S, Z: minute, second, millisecond
    {"[n]", "[5]"},
    {"[NN]", "[ 5]"},
    {"[nnn]", "[785]"},
    {"[NNNN]", "[ 785]"},
    {"[s]", "[7]"},
    {"[ss]", "[07]"},
    {"[sss]", "[47107]"},
    {"[ssss]", "[47107]"},
    {"[z]", "[89]"},
    {"[zz]", "[089]"},
    {"[zzz]", "[089]"},
    {"[\\ZZ]", "[　八九]"},
    // P, U, W: days left, day number, week of the month
    {"[p]", "[30]"},
    {"[u]", "[2453007]"},
    {"[UUUUUUUUU]", "[  2453007]"},
    {"[w]", "[1]"},
};

TEST_F(FieldTokenTest, ReferenceDateTime) { ExpectAll(kReferenceCases, Reference()); }

const RenderCase kWholeFormats[] = {
    {"\\ggge'('jjjj')年' kkkk d'日('aaaa') 'am\\pmf'時'", "平成一六(申)年 睦月 一日(木曜日) 午後一時"},
    {"%gee'／'mm'／'dd'（'aaa'） 'hh'：'nn'：'ss AM%PM", "Ｈ１６／０１／０１（木） １３：０５：０７ ＰＭ"},
    {"YYY'年'MM'月'DD'日' am\\pmFF'時'", "2004年 1月 1日 午後 1時"},
};

TEST_F(FieldTokenTest, WholeFormats) { ExpectAll(kWholeFormats, Reference()); }

// The longest names fill their widths exactly: Wednesday, September, November.
const RenderCase kWednesdaySeptemberCases[] = {
    {"[ddddd]", "[Wednesday]"},
    {"[DDDDDDDD]", "[ＷＥＤＮＥＳＤＡＹ]"},
    {"[aaaaaaa]", "[ウェンズデー]"},
    {"[mmmmm]", "[September]"},
    {"[MMMMMMMM]", "[ＳＥＰＴＥＭＢＥＲ]"},
    {"[ddd]", "[Wed]"},
};

TEST_F(FieldTokenTest, LongestNamesFillTheirWidths) {
    ExpectAll(kWednesdaySeptemberCases, At(2003, 9, 3));
    EXPECT_EQ(Render("[KKKKKKK][kkkkkkk][kkk][KKK][KKKKK]", At(2003, 11, 5)),
              "[のう゛ぇんばー][ノヴェンバー　][霜月][しもつ][しもつき　]");
    EXPECT_EQ(Render("[kk][kkk][kkkkk][KK][KKK][KKKKK]", At(2003, 10, 5)),
              "[神][神無][神無月][かん][かんな][かんなづき]");
}

TEST_F(FieldTokenTest, LeapMarkerInACommonYear) {
    EXPECT_EQ(Render("[l][ll][LL][LLL]", At(2003, 5, 5)), "[][平][　][　]");
}

const RenderCase kHourCases[] = {
    {"[fff][hhh][h]", "[五つ][巳][9]"},  // 09:00
};

TEST_F(FieldTokenTest, HourSignsAndBells) {
    ExpectAll(kHourCases, At(2004, 1, 1, 9));
    EXPECT_EQ(Render("[hhh][FFFF][f]", At(2004, 1, 1, 23, 30)), "[子][よつ　　][11]");
    EXPECT_EQ(Render("[hhh][HHHH]", At(2004, 1, 1, 0, 59)), "[子][ね　　]");
    EXPECT_EQ(Render("[hhh]", At(2004, 1, 1, 1)), "[丑]");
    EXPECT_EQ(Render("[hhh][fff]", At(2004, 1, 1, 12)), "[午][九つ]");
    EXPECT_EQ(Render("[sss][ssss][nnn][NNNN]", At(2004, 1, 1, 0, 0, 7)), "[7][00007][0][   0]");
}

TEST_F(FieldTokenTest, DaysLeftInTheMonth) {
    EXPECT_EQ(Render("p", At(2004, 1, 31)), "0");
    EXPECT_EQ(Render("p", At(2004, 2, 29)), "0");
    EXPECT_EQ(Render("p", At(2004, 2, 28)), "1");
    EXPECT_EQ(Render("p", At(2003, 2, 28)), "0");
    EXPECT_EQ(Render("[PP][pp][pppp]", At(2004, 4, 25)), "[ 5][05][05]");
}

TEST_F(FieldTokenTest, WeekOfTheMonth) {
    EXPECT_EQ(Render("w", At(2004, 1, 7)), "1");
    EXPECT_EQ(Render("w", At(2004, 1, 8)), "2");
    EXPECT_EQ(Render("w", At(2004, 1, 29)), "5");
}

TEST_F(FieldTokenTest, DayNumberCountsFromNoon) {
    EXPECT_EQ(Render("u", At(2004, 1, 1, 11, 59, 59, 999)), "2453006");
    EXPECT_EQ(Render("u", At(2004, 1, 1, 12)), "2453007");
}

const RenderCase kBeforeTheFirstEraCases[] = {
    {"[ee]", "[50]"},
    {"[eee]", "[1850]"},
    {"[g]", "[]"},
    {"[G]", "[ ]"},
    {"[gg]", "[　]"},
    {"[GG]", "[　]"},
    {"[%G]", "[　]"},
    {"[%g]", "[]"},
    {"[ggg]", "[]"},
    {"[gggg]", "[　　]"},
    {"[GGGG]", "[　　　　　]"},
};

TEST_F(FieldTokenTest, EraBeforeTheFirstEraIsEmptyButFilled) {
    ExpectAll(kBeforeTheFirstEraCases, At(1850, 6, 15));
}

TEST_F(FieldTokenTest, CycleFollowsTheGregorianYear) {
    EXPECT_EQ(Render("jjjjjj", At(2003, 12, 31)), "癸未");
    EXPECT_EQ(Render("jjjjjj", At(2004, 1, 1)), "甲申");
    EXPECT_EQ(Render("JJJJJJJ", At(2000, 6, 1)), "かのえたつ　　");
    EXPECT_EQ(Render("JJJ", At(1989, 6, 1)), "つちのと");
}

TEST_F(FieldTokenTest, WeekdayNamesOfEveryDay) {
    // 2004-01-04 is a Sunday.
    const char* const expected[] = {
        "Sunday 日 にち サンデー",  "Monday 月 げつ マンデー",    "Tuesday 火 か　 チューズデー",
        "Wednesday 水 すい ウェンズデー", "Thursday 木 もく サーズデー", "Friday 金 きん フライデー",
        "Saturday 土 ど　 サタデー",
    };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Render("dddd aa AAA aaaaaa", At(2004, 1, 4 + i)), expected[i]);
    }
}

}  // namespace
}  // namespace vesmark
