// Meridiem tokens: the patterns, their separators and what does not match.
#include "test_support.hpp"

namespace vesmark {
namespace {

using testing_support::At;
using testing_support::Reference;
using testing_support::Render;

class MeridiemTest : public testing_support::FormatTest {};

struct MeridiemCase {
    const char* pattern;
    const char* morning;
    const char* afternoon;
};

// Designators 午前 and 午後; bracketed so that blanks show.
const MeridiemCase kPatterns[] = {
    {"[AMPM]", "[午前]", "[午後]"},
    {"[aMpM]", "[午前]", "[午後]"},
    {"[AM/PM]", "[AM]", "[PM]"},
    {"[am/pm]", "[am]", "[pm]"},
    {"[a.m./p.m.]", "[a.m.]", "[p.m.]"},
    {"[A/P]", "[A]", "[P]"},
    {"[A/p]", "[A]", "[p]"},
    {"[AM%PM]", "[ＡＭ]", "[ＰＭ]"},
    {"[am%pm]", "[ａｍ]", "[ｐｍ]"},
    {"[A.M.%P.M.]", "[Ａ．Ｍ．]", "[Ｐ．Ｍ．]"},
    {"[A%P]", "[Ａ]", "[Ｐ]"},
    {"[AM\\PM]", "[ごぜん]", "[ごご]"},
    {"[am\\pm]", "[午前]", "[午後]"},
    {"[A.M.\\P.M.]", "[ごぜん]", "[ごご　]"},
    {"[a.m.\\p.m.]", "[午前]", "[午後]"},
    {"[A\\P]", "[ぜん]", "[ご]"},
    {"[a\\p]", "[前]", "[後]"},
    {"[Am\\pM]", "[午ぜん]", "[ご後]"},
};

TEST_F(MeridiemTest, PatternsRenderTheHalfInForce) {
    for (const MeridiemCase& c : kPatterns) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(Render(c.pattern, At(2004, 1, 1, 9)), c.morning);
        EXPECT_EQ(Render(c.pattern, Reference()), c.afternoon);
    }
}

TEST_F(MeridiemTest, NoonBelongsToTheAfternoon) {
    EXPECT_EQ(Render("am/pm", At(2004, 1, 1, 11, 59, 59, 999)), "am");
    EXPECT_EQ(Render("am/pm", At(2004, 1, 1, 12)), "pm");
}

// At 13:05, 2004-01-01: M is the month (1), P the days left (30).
const testing_support::RenderCase kUnmatched[] = {
    {"AM-PM", "A1-301"},    // "-" is none of the three separators
    {"AM/P", "A1/30"},      // "PM" does not follow: nothing shorter is tried
    {"A.M.", "A.1."},
    {"A.M./PM", "A.1./301"},
    {"A", "A"},
    {"a", "a"},
    {"A P", "A 30"},        // matches with " ", which renders nothing special
    {"AAMPM", "もく1301"},  // AA is the weekday
    {"AM%PMh", "ＰＭ13"},   // the % of the pattern flips no digit mode
    {"AM\\PMh", "ごご13"},
};

TEST_F(MeridiemTest, UnmatchedPatternsCopyTheLetter) {
    for (const auto& c : kUnmatched) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Render(c.format, Reference()), c.expected);
    }
}

TEST_F(MeridiemTest, DesignatorFormInALocaleTimeText) {
    EditLocale([](auto& s) { s.LongTimeFormat = "h:nn:ss AMPM"; });
    EXPECT_EQ(Render("TT", Reference()), "13:05:07 午後");
    EXPECT_EQ(Render("TT", At(2004, 1, 1, 9)), "9:00:00 午前");
}

TEST_F(MeridiemTest, MatchingNeverReachesBeyondALocaleText) {
    EditLocale([](auto& s) { s.ShortTimeFormat = "h A"; });
    EXPECT_EQ(Render("t/P", Reference()), "13 A/30");
}

}  // namespace
}  // namespace vesmark
