// The cache before and at its first decoding. A program of its own, because the
// cache lives once per process and these tests need it untouched.
#include "test_support.hpp"

namespace vesmark {
namespace {

using testing_support::Sjis;
using testing_support::Utf8;

class InitialCache : public testing_support::FormatTest {};

TEST_F(InitialCache, RenderingBeforeAnyDecodingShowsTheInitialValues) {
    EXPECT_EQ(Utf8(FormatDecodedDateTime(Sjis("yyyy-mm-dd hh:nn:ss.zzz aa g u l"))),
              "1899-12-30 00:00:00.000 土 M 2415019 ");
}

TEST_F(InitialCache, AFirstValueOn1899_12_30DecodesOnlyTheTime) {
    DateCache.Era = 3;  // a date decoding would set era 1 again
    DecodeDateTimeEx(0.75);
    EXPECT_EQ(DateCache.Era, 3);
    EXPECT_EQ(DateCache.Year, 1899);
    EXPECT_EQ(DateCache.Month, 12);
    EXPECT_EQ(DateCache.Day, 30);
    EXPECT_EQ(DateCache.DayOfWeek, 7);
    EXPECT_EQ(DayNumber, 2415019);
    EXPECT_EQ(DateCache.Hour, 18);
    EXPECT_EQ(DateCache.LastDateTime, 0.75);
}

}  // namespace
}  // namespace vesmark
