// Moon age: the examples, the epoch discontinuity and the numeral styles.
#include "format/moon.hpp"
#include "test_support.hpp"

namespace vesmark {
namespace {

using testing_support::At;
using testing_support::Render;

class MoonAgeTest : public testing_support::FormatTest {};

struct MoonCase {
    TDateTime x;
    const char* whole;
    const char* oneDecimal;
    const char* twoDecimals;
};

const MoonCase kMoonCases[] = {
    {At(2003, 1, 3, 5, 23), "0", "0.0", "0.02"},
    {At(2003, 1, 18, 19, 48), "16", "15.6", "15.62"},
    {At(2003, 1, 1), "27", "27.3", "27.33"},
    {At(2024, 1, 11, 20, 57), "30", "29.5", "29.51"},
    {At(2000, 1, 6, 23, 20, 42), "29", "29.4", "29.38"},  // just after the epoch
    {At(2000, 1, 6, 23, 20, 41), "0", "0.1", "0.10"},     // just before it
};

TEST_F(MoonAgeTest, AgeInWholeDaysAndWithOneOrTwoDecimals) {
    for (const MoonCase& c : kMoonCases) {
        SCOPED_TRACE(c.twoDecimals);
        EXPECT_EQ(Render("r", c.x), c.whole);
        EXPECT_EQ(Render("rrr", c.x), c.oneDecimal);
        EXPECT_EQ(Render("rrrrr", c.x), c.twoDecimals);
    }
}

TEST_F(MoonAgeTest, AgeStaysWithinItsRangeAcrossManyLunations) {
    for (int day = -40000; day <= 80000; day += 7) {
        const double age = formatter::MoonAge(day + 0.37, 2415019 + day);
        ASSERT_GE(age, -0.004411) << day;
        ASSERT_LE(age, 29.535) << day;
    }
}

// Before 1899-12-30 the fraction is negative and counts back from the day number:
// -1.25 (1899-12-29 06:00, day number 2415018) is 0.75 days after day 2415017.
TEST_F(MoonAgeTest, NegativeValuesCountTheTimeBackFromTheDayNumber) {
    EXPECT_NEAR(formatter::MoonAge(-1.25, 2415018), formatter::MoonAge(0.75, 2415017), 1e-9);
    EXPECT_NEAR(formatter::MoonAge(-1.25, 2415018), formatter::MoonAge(0.25, 2415018) - 0.5, 1e-9);
}

TEST_F(MoonAgeTest, RenderingTwiceWithoutDecodingGivesTheSameText) {
    DecodeDateTimeEx(At(2003, 1, 18, 19, 48));
    EXPECT_EQ(FormatDecodedDateTime("rrrrr"), FormatDecodedDateTime("rrrrr"));
}

// Age 5.02 (2003-01-08 05:23, five days after the new moon of the examples):
// the fill of the whole part follows the case, the decimals are always zero-filled.
const testing_support::RenderCase kStyleCases[] = {
    {"[r]", "[5]"},
    {"[RR]", "[ 5]"},
    {"[rr]", "[05]"},
    {"[\\RR]", "[　五]"},
    {"[\\rr]", "[〇五]"},
    {"[RRRR]", "[ 5.0]"},
    {"[rrrr]", "[05.0]"},
    {"[RRRRRR]", "[ 5.02]"},
    {"[%RRR]", "[５・０]"},
    {"[\\rrrrrr]", "[〇五・〇二]"},
    {"[\\%RRRRR]", "[５・０２]"},
};

TEST_F(MoonAgeTest, FillAndNumeralStyleFollowCaseAndModes) {
    const TDateTime x = At(2003, 1, 8, 5, 23);
    for (const auto& c : kStyleCases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Render(c.format, x), c.expected);
    }
    EXPECT_EQ(Render("%RRRRR", At(2003, 1, 18, 19, 48)), "１５・６２");
}

}  // namespace
}  // namespace vesmark
