// Prepared formats against the interpreter: over many random format texts, values,
// cache contents and locale settings, a usable plan renders exactly the bytes the
// interpreter renders, and FormatDecodedDateTime, which keeps the last text
// prepared, notices every change of the text and of the separators.
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "format/interpreter.hpp"
#include "format/output.hpp"
#include "format/plan.hpp"
#include "test_support.hpp"

namespace vesmark {
namespace {

using formatter::FormatOutput;
using formatter::FormatPlan;

std::string Interpreted(std::string_view format) {
    FormatOutput out;
    formatter::InterpretFormat(out, format);
    return out.ToString();
}

// Prepared with the separators of the locale in force.
bool Prepare(FormatPlan& plan, std::string_view format) {
    const platform::LocaleSettings& locale = platform::Locale();
    return plan.Prepare(format, locale.DateSeparator, locale.TimeSeparator);
}

std::string Planned(const FormatPlan& plan) {
    char buffer[FormatPlan::kBufferSize];
    return std::string(buffer, plan.Render(buffer));
}

// Pieces the plans accept (runs of every length around the accepted ones), pieces
// they refuse, and bytes that matter to the scanner: quotes, lead bytes, zero.
const char* const kPieces[] = {
    "\"a quoted literal longer than a step\"", "y", "yy", "yyy", "yyyy", "yyyyy", "Y", "YY", "YYY", "YYYY", "m", "mm", "M", "MM", "mmm", "d", "dd",
    "D", "DD", "ddd", "h", "hh", "H", "HH", "hhh", "n", "nn", "nnn", "nnnn", "N", "NN", "NNN", "NNNN",
    "s", "ss", "sss", "ssss", "S", "SS", "SSS", "SSSSS", "z", "zz", "zzz", "Z", "ZZ", "aa", "aaa", "AA",
    "AAA", "aaaa", "a", "A", "/", ":", "\"(\"", "\") \"", "'x'", "\"", "'", "\"\x93\xfa\x96\x7b\"", "\x93\xfa",
    "\x81", "\x81\x5c", "\xe0\x40", "\x82\x60", " ", "-", ".", "xb", "BIOQX", "\xb1\xb2", "0", "12", "e", "g",
    "%", "\\", "c", "t", "T", "v", "V", "w", "ww", "j", "l", "k", "p", "u", "r", "f", "ampm", "AM/PM",
    "",  // stands for the zero byte
};
constexpr std::size_t kPieceCount = std::size(kPieces);

std::string RandomFormat(std::mt19937& rng) {
    std::uniform_int_distribution<int> pieces(0, 14);
    std::uniform_int_distribution<std::size_t> pick(0, kPieceCount - 1);
    // Mostly accepted pieces, so that most texts can be prepared.
    std::uniform_int_distribution<std::size_t> accepted(0, 73);
    std::uniform_int_distribution<int> coin(0, 9);
    std::string s;
    for (int n = pieces(rng); n > 0; --n) {
        const std::size_t i = coin(rng) == 0 ? pick(rng) : accepted(rng);
        if (i == kPieceCount - 1) {
            s.push_back('\0');
        } else {
            s += kPieces[i];
        }
    }
    return s;
}

platform::LocaleSettings RandomLocale(std::mt19937& rng) {
    static const char kSeparators[] = {'/', ':', '-', '.', '\0', 'y', '\x81', ' '};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kSeparators - 1);
    platform::LocaleSettings s = testing_support::TestLocale();
    s.DateSeparator = kSeparators[pick(rng)];
    s.TimeSeparator = kSeparators[pick(rng)];
    s.ShortDateFormat = RandomFormat(rng);
    s.LongTimeFormat = RandomFormat(rng);
    return s;
}

double RandomValue(std::mt19937& rng, int i) {
    static const double kSpecial[] = {0.0, -0.0, 0.5, -1.25, -11435.5, 2958465.999, 2958466.0, -693594.0,
                                      -693593.5, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::infinity(), 37987.5469570602};
    std::uniform_real_distribution<double> anyDay(-700000.0, 3000000.0);
    std::uniform_real_distribution<double> nearNow(30000.0, 50000.0);
    if (i % 5 == 0) return kSpecial[static_cast<std::size_t>(i / 5) % std::size(kSpecial)];
    return i % 2 == 0 ? anyDay(rng) : nearNow(rng);
}

class PlanTest : public testing_support::FormatTest {
protected:
    void SetUp() override {
        FormatTest::SetUp();
        saved_ = DateCache;
        savedDayNumber_ = DayNumber;
    }
    void TearDown() override {
        DateCache = saved_;
        DayNumber = savedDayNumber_;
        FormatTest::TearDown();
    }

private:
    TDateCache saved_{};
    std::int32_t savedDayNumber_ = 0;
};

TEST_F(PlanTest, UsablePlansRenderWhatTheInterpreterRenders) {
    std::mt19937 rng(20040101);
    int usable = 0;
    for (int i = 0; i < 20000; ++i) {
        platform::SetLocale(RandomLocale(rng));
        const std::string format = RandomFormat(rng);
        DecodeDateTimeEx(RandomValue(rng, i));
        SCOPED_TRACE(::testing::Message() << "round " << i << ", format of " << format.size() << " bytes");
        FormatPlan plan;
        if (!Prepare(plan, format)) continue;
        ++usable;
        EXPECT_EQ(Planned(plan), Interpreted(format));
    }
    EXPECT_GT(usable, 5000);
}

TEST_F(PlanTest, ArbitraryCacheContentsRenderAlike) {
    // Fields out of their ranges too (a test or a caller may write the cache).
    std::mt19937 rng(19991231);
    std::uniform_int_distribution<int> field(0, 65535);
    std::uniform_int_distribution<int> small(0, 99);
    int usable = 0;
    for (int i = 0; i < 5000; ++i) {
        const auto value = [&] { return static_cast<std::uint16_t>(i % 2 == 0 ? field(rng) : small(rng)); };
        DateCache.Year = value();
        DateCache.Month = value();
        DateCache.Day = value();
        DateCache.DayOfWeek = static_cast<std::uint16_t>(small(rng) % 9);
        DateCache.Hour = value();
        DateCache.Minute = value();
        DateCache.Second = value();
        DateCache.MilliSecond = value();
        const std::string format = RandomFormat(rng);
        SCOPED_TRACE(::testing::Message() << "round " << i);
        FormatPlan plan;
        if (!Prepare(plan, format)) continue;
        ++usable;
        EXPECT_EQ(Planned(plan), Interpreted(format));
    }
    EXPECT_GT(usable, 1000);
}

TEST_F(PlanTest, TheLastTextKeptNoticesChangesOfTextAndLocale) {
    // Each format is rendered several times in a row, the locale changing between
    // the calls, and sometimes the text changing to one of the same length.
    std::mt19937 rng(20260101);
    std::uniform_int_distribution<int> repeats(1, 4);
    for (int i = 0; i < 5000; ++i) {
        std::string format = RandomFormat(rng);
        const double x = RandomValue(rng, i);
        for (int r = repeats(rng); r > 0; --r) {
            platform::SetLocale(RandomLocale(rng));
            if (r == 2 && !format.empty()) format[format.size() / 2] = format[format.size() / 2] == 'y' ? 'm' : 'y';
            DecodeDateTimeEx(x);
            SCOPED_TRACE(::testing::Message() << "round " << i << ", repeat " << r);
            EXPECT_EQ(FormatDecodedDateTime(format), Interpreted(format));
            EXPECT_EQ(FormatDateTimeEx(format, x), Interpreted(format.empty() ? std::string("C") : format));
        }
    }
}

TEST_F(PlanTest, SeparatorsAreReadAtEachRendering) {
    const std::string format = testing_support::Sjis("yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss");
    const TDateTime x = testing_support::Reference();
    EXPECT_EQ(testing_support::Utf8(FormatDateTimeEx(format, x)), "2004/01/01(木) 13:05:07");
    platform::LocaleSettings s = testing_support::TestLocale();
    s.DateSeparator = '-';
    s.TimeSeparator = '\0';
    platform::SetLocale(s);
    EXPECT_EQ(testing_support::Utf8(FormatDateTimeEx(format, x)), "2004-01-01(木) 130507");
}

TEST(PlanScope, WhatIsPreparedAndWhatIsLeftToTheInterpreter) {
    FormatPlan plan;
    EXPECT_TRUE(plan.Prepare(testing_support::Sjis("yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss"), '/', ':'));
    EXPECT_TRUE(plan.Prepare(testing_support::Sjis("yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\""), '/', ':'));
    EXPECT_TRUE(plan.Matches(testing_support::Sjis("yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\""), '/', ':'));
    EXPECT_FALSE(plan.Matches(testing_support::Sjis("yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\""), '-', ':'));
    EXPECT_FALSE(plan.Matches(testing_support::Sjis("yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\""), '/', '\0'));
    EXPECT_FALSE(plan.Matches("yyyy", '/', ':'));
    EXPECT_FALSE(plan.Prepare("", '/', ':'));                            // "C" for FormatDateTimeEx
    EXPECT_FALSE(plan.Prepare(std::string_view("yy\0mm", 5), '/', ':'));  // the text ends at the zero byte
    EXPECT_FALSE(plan.Prepare("%yyyy", '/', ':'));                       // digit modes
    EXPECT_FALSE(plan.Prepare("hh:nn AMPM", '/', ':'));                  // meridiem
    EXPECT_FALSE(plan.Prepare("mmm", '/', ':'));                         // names
    EXPECT_FALSE(plan.Prepare(std::string(FormatPlan::kMaxText + 1, 'x'), '/', ':'));
    EXPECT_FALSE(plan.Matches(std::string(FormatPlan::kMaxText + 1, 'x'), '/', ':'));
    std::string many;
    for (int i = 0; i < 30; ++i) many += "y/";
    EXPECT_FALSE(plan.Prepare(many, '/', ':'));  // numbers without bound could pass 256 bytes
    plan.Clear();
    EXPECT_FALSE(plan.Matches("", '/', ':'));
}

}  // namespace
}  // namespace vesmark
