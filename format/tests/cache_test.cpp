// The date cache: its two short cuts, the era search with Reiwa, the day number,
// and values outside the calendar.
#include <cmath>
#include <limits>

#include "format/cache.hpp"
#include "test_support.hpp"

namespace vesmark {
namespace {

using testing_support::At;
using testing_support::Render;

// Decodes a value far from every case first, so that the next decoding sees a new day.
void DecodeFresh(TDateTime x) {
    DecodeDateTimeEx(100000.25);
    DecodeDateTimeEx(x);
}

class DateCacheTest : public testing_support::FormatTest {};

TEST_F(DateCacheTest, SameDayRedecodesOnlyTheTime) {
    DecodeFresh(At(2004, 1, 1, 13, 5, 7));
    DateCache.Year = 1;  // marks the date part; a date decoding would overwrite it
    DayNumber = 7;
    DecodeDateTimeEx(At(2004, 1, 1, 20, 30, 0));
    EXPECT_EQ(DateCache.Year, 1);
    EXPECT_EQ(DayNumber, 7);
    EXPECT_EQ(DateCache.Hour, 20);
    EXPECT_EQ(DateCache.Minute, 30);
}

TEST_F(DateCacheTest, OtherDaySameTimeRedecodesOnlyTheDate) {
    DecodeFresh(At(2004, 1, 1, 13, 5, 7));
    DateCache.Hour = 99;  // marks the time part
    DecodeDateTimeEx(At(2004, 1, 2, 13, 5, 7));
    EXPECT_EQ(DateCache.Day, 2);
    EXPECT_EQ(DateCache.DayOfWeek, 6);
    EXPECT_EQ(DayNumber, 2453007);
    EXPECT_EQ(DateCache.Hour, 99);
}

TEST_F(DateCacheTest, StepsBelowAMillisecondKeepTheTimeButFollowTheValue) {
    const TDateTime start = At(2004, 1, 1, 13, 5, 7, 89);
    DecodeFresh(start);
    const double step = 0.6 / 86'400'000.0;  // 0.6 ms
    TDateTime x = start;
    for (int i = 0; i < 5; ++i) {
        x += step;
        DecodeDateTimeEx(x);
        EXPECT_EQ(DateCache.LastDateTime, x);
        EXPECT_EQ(DateCache.MilliSecond, 89);
    }
    DecodeDateTimeEx(start + 5 * formatter::kOneMillisecond);  // 2 ms after the last step
    EXPECT_EQ(DateCache.MilliSecond, 94);
}

struct EraCase {
    TDateTime x;
    int era;
    const char* ggge;  // UTF-8
};

const EraCase kEraCases[] = {
    {At(1868, 9, 7, 12), 0, ""},
    {At(1868, 9, 8), 1, "明治1"},
    {At(1868, 9, 9, 12), 1, "明治1"},
    {At(1912, 7, 29, 23, 59), 1, "明治45"},
    {At(1912, 7, 30), 2, "大正1"},
    {At(1926, 12, 24), 2, "大正15"},
    {At(1926, 12, 25), 3, "昭和1"},
    {At(1989, 1, 7, 23, 59, 59, 999), 3, "昭和64"},
    {At(1989, 1, 8), 4, "平成1"},
    {At(2019, 4, 30, 23, 59, 59, 999), 4, "平成31"},
    {At(2019, 5, 1), 5, "令和1"},
    {At(2026, 12, 11, 9), 5, "令和8"},
};

TEST_F(DateCacheTest, EraSearchFindsTheEraOfEachBoundaryIncludingReiwa) {
    for (const EraCase& c : kEraCases) {
        SCOPED_TRACE(c.ggge);
        DecodeFresh(c.x);
        EXPECT_EQ(DateCache.Era, c.era);
        if (c.era != 0) {
            EXPECT_EQ(Render("ggge", c.x), c.ggge);
        }
    }
}

TEST_F(DateCacheTest, ReiwaHasItsLetterAndKanaReading) {
    const TDateTime x = At(2019, 5, 1, 10);
    EXPECT_EQ(Render("g", x), "R");
    EXPECT_EQ(Render("%g", x), "Ｒ");
    EXPECT_EQ(Render("GGG", x), "れいわ");
    EXPECT_EQ(Render("GGGG", x), "れいわ　　");
}

TEST_F(DateCacheTest, EraSearchUsesTheValueWithItsTime) {
    // 1868-09-08 is the negative whole day -11435: a time of day makes the value smaller.
    DecodeFresh(-11435.0);
    EXPECT_EQ(DateCache.Era, 1);
    DecodeFresh(-11435.5);
    EXPECT_EQ(DateCache.Era, 0);
    EXPECT_EQ(DateCache.Day, 8);
}

TEST_F(DateCacheTest, LaterCallsOnTheSameDayKeepTheEraFoundFirst) {
    DecodeFresh(-11435.0);
    DecodeDateTimeEx(-11435.5);
    EXPECT_EQ(DateCache.Era, 1);
    DecodeFresh(-11435.5);
    DecodeDateTimeEx(-11435.0);
    EXPECT_EQ(DateCache.Era, 0);
}

TEST_F(DateCacheTest, DayNumberIsTheJulianDayOfTheDate) {
    EXPECT_EQ(formatter::JulianDayNumber(1899, 12, 30), 2415019);
    EXPECT_EQ(formatter::JulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(formatter::JulianDayNumber(1989, 1, 8), 2447535);
    EXPECT_EQ(formatter::JulianDayNumber(2004, 1, 1), 2453006);
    EXPECT_EQ(formatter::JulianDayNumber(2004, 3, 1), 2453066);
    EXPECT_EQ(formatter::JulianDayNumber(1, 1, 1), 1721426);
    EXPECT_EQ(formatter::JulianDayNumber(9999, 12, 31), 5373484);
    DecodeFresh(At(2000, 1, 1, 6));
    EXPECT_EQ(DayNumber, 2451545);
}

TEST_F(DateCacheTest, NegativeValuesCountTheTimeOfDayFromTheTruncatedDay) {
    DecodeFresh(-1.25);
    EXPECT_EQ(Render("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
}

TEST_F(DateCacheTest, NotANumberAndInfinitiesAreTakenAsZero) {
    for (const double x : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(x);
        DecodeFresh(x);
        EXPECT_EQ(DateCache.LastDateTime, 0.0);
        EXPECT_EQ(Render("yyyy-mm-dd hh:nn:ss ggge u rrrrr", x), "1899-12-30 00:00:00 明治32 2415019 26.59");
    }
}

TEST_F(DateCacheTest, TimeThatRoundsToAWholeDayStaysOnItsDay) {
    const TDateTime x = At(2004, 1, 1) + (1.0 - 1e-10);
    EXPECT_EQ(Render("yyyy-mm-dd hh:nn:ss.zzz", x), "2004-01-01 23:59:59.999");
}

// Outside 0001-01-01..9999-12-31 every date field is zero, there is no era (so
// "e" is the year), names are empty and nothing reads outside a table.
const testing_support::RenderCase kOutOfRangeCases[] = {
    {"yyyy-mm-dd e ee", "0000-00-00 0 00"},
    {"[mmmm][mmm][dddd][aa][kkkk][MMMMMM]", "[][   ][day][][][　　　]"},
    {"p w l ll g G", "0 1  平   "},
    {"u", "1721028"},
};

TEST_F(DateCacheTest, ValuesOutsideTheCalendarRenderZeroFieldsAndEmptyNames) {
    for (const double x : {-700000.0, 2958466.0, 1e300, -1e300, std::numeric_limits<double>::max()}) {
        SCOPED_TRACE(x);
        DecodeFresh(x);
        EXPECT_EQ(DateCache.Era, 0);
        for (const auto& c : kOutOfRangeCases) {
            SCOPED_TRACE(c.format);
            EXPECT_EQ(Render(c.format, x), c.expected);
        }
    }
}

TEST_F(DateCacheTest, LastCalendarDayStillDecodes) {
    EXPECT_EQ(Render("yyyy-mm-dd aa ggge", At(9999, 12, 31, 23, 59, 59, 999)), "9999-12-31 金 令和7981");
}

}  // namespace
}  // namespace vesmark
