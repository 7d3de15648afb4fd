// Decoding of the date-time type into calendar and clock fields.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/datetime.hpp"

namespace {

using vesmark::DecodeDateFully;
using vesmark::DecodeTime;

struct DateCase {
    double value;
    int year, month, day, dayOfWeek;
    bool leap;
};

const DateCase kDates[] = {
    {0.0, 1899, 12, 30, 7, false},
    {0.99, 1899, 12, 30, 7, false},
    {-0.99, 1899, 12, 30, 7, false},       // the whole day is truncated toward zero
    {-1.25, 1899, 12, 29, 6, false},
    {1.0, 1899, 12, 31, 1, false},
    {-693593.0, 1, 1, 1, 2, false},          // 0001-01-01, a Monday
    {-693593.9, 1, 1, 1, 2, false},
    {-693594.0, 0, 0, 0, 0, false},          // before year 1
    {2958465.5, 9999, 12, 31, 6, false},
    {2958466.0, 0, 0, 0, 0, false},          // after 9999-12-31
    {1e300, 0, 0, 0, 0, false},
    {-1e300, 0, 0, 0, 0, false},
    {std::numeric_limits<double>::quiet_NaN(), 1899, 12, 30, 7, false},
    {std::numeric_limits<double>::infinity(), 1899, 12, 30, 7, false},
    {60.0, 1900, 2, 28, 4, false},           // 1900 is no leap year
    {61.0, 1900, 3, 1, 5, false},
    {36585.0, 2000, 2, 29, 3, true},
    {37987.0, 2004, 1, 1, 5, true},
    {43586.0, 2019, 5, 1, 4, false},
    {46367.0, 2026, 12, 11, 6, false},
};

TEST(DateTime, DateDecodingCoversYearOneToNineThousandNineHundredNinetyNine) {
    for (const auto& c : kDates) {
        SCOPED_TRACE(c.value);
        const auto d = DecodeDateFully(c.value);
        EXPECT_EQ(d.Year, c.year);
        EXPECT_EQ(d.Month, c.month);
        EXPECT_EQ(d.Day, c.day);
        EXPECT_EQ(d.DayOfWeek, c.dayOfWeek);
        EXPECT_EQ(d.IsLeapYear, c.leap);
    }
}

struct TimeCase {
    double value;
    int hour, minute, second, ms;
};

const TimeCase kTimes[] = {
    {0.0, 0, 0, 0, 0},
    {-1.25, 6, 0, 0, 0},
    {0.5, 12, 0, 0, 0},
    {37987.0 + (13 * 3600 + 5 * 60 + 7) / 86400.0 + 89 / 86400000.0, 13, 5, 7, 89},
    {0.999999 / 86400.0 + 1 / 86400.0, 0, 0, 2, 0},   // 1.999999 s rounds up to the next second
    {1.0 - 1e-12, 23, 59, 59, 999},                     // rounds to a whole day: never hour 24
    {-1.0 + 1e-12, 23, 59, 59, 999},
    {std::numeric_limits<double>::quiet_NaN(), 0, 0, 0, 0},
    {1e300, 0, 0, 0, 0},
};

TEST(DateTime, TimeDecodingRoundsToTheNearestMillisecond) {
    for (const auto& c : kTimes) {
        SCOPED_TRACE(c.value);
        const auto t = DecodeTime(c.value);
        EXPECT_EQ(t.Hour, c.hour);
        EXPECT_EQ(t.Minute, c.minute);
        EXPECT_EQ(t.Second, c.second);
        EXPECT_EQ(t.MilliSecond, c.ms);
    }
}

TEST(DateTime, EncodingIsTheInverseOfDecoding) {
    EXPECT_EQ(vesmark::EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(vesmark::EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(vesmark::EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    EXPECT_FALSE(vesmark::EncodeDate(1900, 2, 29));
    EXPECT_FALSE(vesmark::EncodeDate(0, 1, 1));
    EXPECT_FALSE(vesmark::EncodeDateTime(2000, 1, 1, 24, 0, 0, 0));
    for (double v = -693593; v <= 2958465; v += 997) {
        const auto d = DecodeDateFully(v);
        EXPECT_EQ(vesmark::EncodeDate(d.Year, d.Month, d.Day), v);
    }
}

}  // namespace
