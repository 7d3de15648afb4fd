// The scanner: literals, double-byte characters, the digit-mode modifiers, the
// separators, the composite tokens and their nesting guard.
#include <string>

#include "format/interpreter.hpp"
#include "test_support.hpp"

namespace vesmark {
namespace {

using testing_support::At;
using testing_support::Reference;
using testing_support::Render;
using testing_support::RenderCase;
using testing_support::Sjis;
using testing_support::Utf8;

class InterpreterTest : public testing_support::FormatTest {};

// At 2004-01-01 13:05:07.089 with "/" and ":".
const RenderCase kScannerCases[] = {
    {"yyyy/mm/dd'('aaa') 'hh:nn:ss", "2004/01/01(木) 13:05:07"},
    {"\"yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss\"", "yyyy/mm/dd(aaa) hh:nn:ss"},
    {"%h'時'n'分's'秒'", "１３時５分７秒"},
    {"\\h'時'n'分's'秒'", "一三時五分七秒"},
    {"%%", "%"},
    {"%%%", "%%"},
    {"%%h", "%13"},  // the run left the mode off
    {"\\\\\\h", "\\\\13"},
    {"%y%y", "４4"},
    {"%\\yy", "０４"},  // full-width wins over kanji
    {"'It''s'", "Its"},
    {"'abc", "abc"},
    {"\"It's\"", "It's"},
    {"'say \"hi\"'", "say \"hi\""},
    {"Dd", "11"},
    {"dD", "11"},
    {"dd", "01"},
    {"b x Q B I O X 0 9 - ,", "b x Q B I O X 0 9 - ,"},
    {"ｙ", "ｙ"},
    {"表h", "表13"},  // the trail byte 0x5C is no backslash
    {"'表'h", "表13"},
    {"ｱh", "ｱ13"},   // half-width kana is a single literal byte
    {"//::", "//::"},
    {"", "2004/01/01 13:05:07"},  // the empty format is "C"
};

TEST_F(InterpreterTest, ScannerCases) {
    for (const RenderCase& c : kScannerCases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Render(c.format, Reference()), c.expected);
    }
}

// Each printable ASCII byte, in runs of 1 to 8, renders the same alone, after
// literal text and before literal text: a scanner that loses its place fails here.
TEST_F(InterpreterTest, EveryTokenRendersTheSameBetweenLiterals) {
    DecodeDateTimeEx(Reference());
    for (int b = 0x20; b < 0x7F; ++b) {
        for (int n = 1; n <= 8; ++n) {
            const std::string run(static_cast<std::size_t>(n), static_cast<char>(b));
            SCOPED_TRACE(run);
            const std::string alone = FormatDecodedDateTime(run);
            EXPECT_EQ(FormatDecodedDateTime("<" + run), "<" + alone);
            EXPECT_EQ(FormatDecodedDateTime(run + ">"), alone + ">");
            EXPECT_EQ(FormatDecodedDateTime("<" + run + ">"), "<" + alone + ">");
        }
    }
}

TEST_F(InterpreterTest, FormatEndsAtItsFirstZeroByte) {
    DecodeDateTimeEx(Reference());
    EXPECT_EQ(FormatDecodedDateTime(std::string("hh\0nn", 5)), "13");
    EXPECT_EQ(FormatDateTimeEx(std::string("\0C", 2), Reference()), "");
    EXPECT_EQ(FormatDecodedDateTime(std::string("'ab\0cd'", 7)), "ab");
    // A lead byte right before the zero byte stands alone.
    EXPECT_EQ(FormatDecodedDateTime(std::string("h\x95\0h", 4)), "13\x95");
    EXPECT_EQ(FormatDecodedDateTime(std::string("'\x95\0x'", 5)), "\x95");
    // A meridiem pattern does not see past the zero byte either.
    EXPECT_EQ(FormatDecodedDateTime(std::string("A/\0P", 4)), "A/");
}

TEST_F(InterpreterTest, LeadByteTakesTheNextByteWhateverItIs) {
    DecodeDateTimeEx(Reference());
    EXPECT_EQ(FormatDecodedDateTime("\x95hh"), "\x95h13");
    EXPECT_EQ(FormatDecodedDateTime("h\x95"), "13\x95");  // at the very end: alone
    // Inside a literal a lead byte also takes the quote after it.
    EXPECT_EQ(FormatDecodedDateTime("'\x95'hh'"), "\x95'hh");
    EXPECT_EQ(FormatDecodedDateTime("'ab\x95"), "ab\x95");
}

TEST_F(InterpreterTest, EmptyFormatRendersNothingFromTheCache) {
    DecodeDateTimeEx(Reference());
    EXPECT_EQ(FormatDecodedDateTime(""), "");
}

TEST_F(InterpreterTest, DigitModeHoldsIntoAndOutOfNestedTexts) {
    EditLocale([](auto& s) { s.ShortTimeFormat = "%h"; });
    EXPECT_EQ(Render("%t h", Reference()), "13 13");  // switched on, then off inside the locale text
    EXPECT_EQ(Render("t h", Reference()), "１３ １３");
}

TEST_F(InterpreterTest, SeparatorsComeFromTheLocaleAndZeroMeansNone) {
    EditLocale([](auto& s) {
        s.DateSeparator = '-';
        s.TimeSeparator = '.';
    });
    EXPECT_EQ(Render("yyyy/mm/dd hh:nn", Reference()), "2004-01-01 13.05");
    EditLocale([](auto& s) {
        s.DateSeparator = '\0';
        s.TimeSeparator = '\0';
    });
    EXPECT_EQ(Render("yyyy/mm/dd hh:nn", Reference()), "20040101 1305");
}

const RenderCase kCompositeCases[] = {
    {"c", "2004/01/01 13:05:07"},
    {"CC", "2004/01/01 13:05:07"},
    {"t", "13:05"},
    {"TT", "13:05:07"},
    {"v", "2004/01/01"},
    {"vvv", "2004年1月1日"},
    {"WW", "もく"},
    {"ww", "木"},
    {"WWWWW", "もくようび"},
    {"wwwwwww", "サーズデー　"},
};

TEST_F(InterpreterTest, CompositeTokensExpandTheLocaleTexts) {
    for (const RenderCase& c : kCompositeCases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Render(c.format, Reference()), c.expected);
    }
}

TEST_F(InterpreterTest, DateAndTimeShowsTheDateAloneAtMidnight) {
    EXPECT_EQ(Render("c", At(2004, 1, 1)), "2004/01/01");
    EXPECT_EQ(Render("c", At(2004, 1, 1, 0, 0, 0, 500)), "2004/01/01");  // milliseconds not looked at
    EXPECT_EQ(Render("c", At(2004, 1, 1, 0, 0, 1)), "2004/01/01 0:00:01");
}

TEST_F(InterpreterTest, DateAndTimeReadsTheTwoLocaleTextsSeparately) {
    EditLocale([](auto& s) { s.ShortDateFormat = Sjis("yyyy'年"); });
    EXPECT_EQ(Render("c", Reference()), "2004年 13:05:07");
}

TEST_F(InterpreterTest, LocaleTextsUseThisLanguage) {
    EditLocale([](auto& s) { s.LongTimeFormat = "h:mm:ss"; });
    EXPECT_EQ(Render("tt", Reference()), "13:01:07");  // "mm" is the month
}

TEST_F(InterpreterTest, CompositesInsideALocaleTextRenderNothing) {
    EditLocale([](auto& s) {
        s.ShortDateFormat = "[c][t][tt][v][vv][ww][WWW]";
        s.ShortTimeFormat = "v";
        s.LongDateFormat = "vv";  // would recurse without end
    });
    EXPECT_EQ(Render("v", Reference()), "[][][][][][][]");
    EXPECT_EQ(Render("C", Reference()), "[][][][][][][] 13:05:07");
    EXPECT_EQ(Render("vv|t", Reference()), "|");
    EXPECT_EQ(Render("w", Reference()), "1");  // a single w is the week of the month
}

TEST_F(InterpreterTest, EmptyLocaleTextRendersNothing) {
    EditLocale([](auto& s) { s.ShortTimeFormat = ""; });
    EXPECT_EQ(Render("<t>", Reference()), "<>");
}

TEST_F(InterpreterTest, EraYearBeforeTheFirstEraReadsAsTheYear) {
    const TDateTime x = At(1850, 6, 15);
    EXPECT_EQ(Render("e|ee|eee|EE", x), "50|50|1850|50");
    EXPECT_EQ(Render("y|yy|yyy|YY", x), "50|50|1850|50");
}

TEST_F(InterpreterTest, OutputIsCutAt256BytesWhileInterpretationGoesOn) {
    const std::string format = std::string(300, 'x') + "%";  // the % still flips nothing visible
    EXPECT_EQ(FormatDateTimeEx(format, Reference()), std::string(256, 'x'));
    const std::string wide = std::string(255, 'x') + "'" + Sjis("表") + "'";
    const std::string cut = FormatDateTimeEx(wide, Reference());
    ASSERT_EQ(cut.size(), 256u);
    EXPECT_EQ(cut.back(), '\x95');
    EXPECT_EQ(FormatDateTimeEx(std::string(400, 'U'), Reference()).size(), 256u);
}

TEST_F(InterpreterTest, CountRunIsCaseSensitive) {
    std::size_t pos = 1;
    EXPECT_EQ(formatter::CountRun("dddD", pos, 'd'), 3);
    EXPECT_EQ(pos, 3u);
    pos = 1;
    EXPECT_EQ(formatter::CountRun("D", pos, 'D'), 1);
    EXPECT_EQ(pos, 1u);
}

}  // namespace
}  // namespace vesmark
