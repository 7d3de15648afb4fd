// FormatOutput: the 256-byte cut, fitting to widths and the numeral styles.
#include "format/output.hpp"
#include "test_support.hpp"

namespace vesmark::formatter {
namespace {

using testing_support::Sjis;
using testing_support::Utf8;

// An output with `used` bytes already taken.
FormatOutput FilledTo(int used) {
    FormatOutput out;
    out.AppendRepeated('.', static_cast<std::size_t>(used));
    return out;
}

TEST(FormatOutput, TextBeyond256BytesIsCutAndLaterAppendsStoreNothing) {
    FormatOutput out = FilledTo(250);
    out.AppendText("0123456789");
    EXPECT_EQ(out.used(), 256);
    EXPECT_EQ(out.View().substr(250), "012345");
    out.AppendByte('x');
    out.AppendNumber(7, 2, TokenCase::Lower);
    out.AppendFittedWide("", 4);
    EXPECT_EQ(out.used(), 256);
    EXPECT_EQ(out.ToString().size(), 256u);
}

TEST(FormatOutput, CutInsideADoubleByteCharacterKeepsTheLoneLeadByte) {
    FormatOutput out = FilledTo(255);
    out.AppendText(WideSpace);
    const std::string result = out.ToString();
    ASSERT_EQ(result.size(), 256u);
    EXPECT_EQ(result.back(), '\x81');
}

TEST(FormatOutput, NothingAppendedGivesTheEmptyString) {
    FormatOutput out;
    out.AppendText("");
    out.AppendBytes("abc", 0);
    EXPECT_EQ(out.ToString(), "");
}

struct NumberCase {
    std::uint32_t value;
    int minDigits;
    TokenCase tokenCase;
    bool wide;
    bool kanji;
    const char* expected;  // UTF-8
};

constexpr TokenCase L = TokenCase::Lower;
constexpr TokenCase U = TokenCase::Upper;

const NumberCase kNumberCases[] = {
    {7, 2, L, false, false, "07"},
    {7, 2, U, false, false, " 7"},
    {7, 2, U, true, false, "　７"},
    {7, 2, L, true, false, "０７"},
    {7, 2, L, false, true, "〇七"},
    {7, 2, U, false, true, "　七"},
    {7, 2, L, true, true, "０７"},  // full-width wins over kanji
    {123, 2, L, false, false, "123"},  // never cut
    {5, 0, L, false, false, "5"},
    {5, 1, U, false, false, "5"},
    {0, 1, L, false, false, "0"},
    {0, 3, L, false, false, "000"},
    {2004, 4, L, false, true, "二〇〇四"},  // digit by digit, no positional kanji
    {4294967295u, 0, L, false, false, "4294967295"},
    {89, 5, U, false, false, "   89"},
};

TEST(FormatOutput, NumbersAreFilledByCaseAndWrittenInTheCurrentStyle) {
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(::testing::Message() << c.value << " min " << c.minDigits << " wide " << c.wide
                                          << " kanji " << c.kanji);
        FormatOutput out;
        out.WideDigitMode = c.wide;
        out.KanjiDigitMode = c.kanji;
        out.AppendNumber(c.value, c.minDigits, c.tokenCase);
        EXPECT_EQ(Utf8(out.View()), c.expected);
    }
}

TEST(FormatOutput, AHugeMinimumWidthStopsAtTheLimit) {
    FormatOutput out;
    out.WideDigitMode = true;
    out.AppendNumber(1, 2'000'000'000, TokenCase::Upper);
    EXPECT_EQ(out.used(), 256);
    EXPECT_EQ(out.View().substr(0, 2), "\x81\x40");
}

struct FitCase {
    const char* text;  // UTF-8
    int width;
    bool wide;
    const char* expected;  // UTF-8
};

const FitCase kFitCases[] = {
    {"January", 3, false, "Jan"},
    {"May", 9, false, "May      "},
    {"May", 3, false, "May"},
    {"", 2, false, "  "},
    {"睦月", 2, true, "睦"},
    {"九つ", 6, true, "九つ　"},
    {"", 2, true, "　"},
    {"ab", 5, true, "ab　"},  // an odd shortfall stays one byte short
    {"", 1, true, ""},
};

TEST(FormatOutput, FittingCutsOrFillsToTheWidth) {
    for (const FitCase& c : kFitCases) {
        SCOPED_TRACE(::testing::Message() << c.text << " to " << c.width);
        FormatOutput out;
        if (c.wide) {
            out.AppendFittedWide(Sjis(c.text), c.width);
        } else {
            out.AppendFitted(Sjis(c.text), c.width);
        }
        EXPECT_EQ(Utf8(out.View()), c.expected);
    }
}

TEST(SmallText, CapitalsChangeLatinLettersAndNeverATrailByte) {
    EXPECT_EQ(SmallText("Thurs", "day").Capitalize().View(), "THURSDAY");
    EXPECT_EQ(Utf8(SmallText(Sjis("Ｔｈｕｒｓ"), Sjis("ｄａｙ")).Capitalize().View()), "ＴＨＵＲＳＤＡＹ");
    // The trail byte of ヂ (0x83 0x61) is the code of "a" and stays as it is.
    EXPECT_EQ(SmallText("\x83\x61z").Capitalize().View(), "\x83\x61Z");
}

}  // namespace
}  // namespace vesmark::formatter
