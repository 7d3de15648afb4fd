// vesmark-format's options and modes, driven in-process.
#include "cli/command_line.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/filename_helpers.hpp"
#include "cli/tests/test_support.hpp"
#include "platform/clock.hpp"
#include "platform/datetime.hpp"

namespace vesmark::cli {
namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

RunResult RunWith(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    RunResult r;
    r.status = RunCommandLine(args, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override { testing::UseDefaultLocale(); }
    void TearDown() override {
        testing::UseDefaultLocale();
        platform::SetClock({});
    }
};

struct OutputCase {
    std::vector<std::string> args;
    std::string out;  // UTF-8, or hex with --hex
};

const OutputCase kRenderCases[] = {
    {{"--at", "2004-01-01T13:05:07", "yyyy/mm/dd'('aaa') 'hh:nn:ss", "ggge'年'm'月'd'日'"},
     "2004/01/01(木) 13:05:07\n平成16年1月1日\n"},
    {{"--at", "2019-05-01", "ggge", "g", "GGG"}, "令和1\nR\nれいわ\n"},
    {{"--at=2004-01-01", "yyyy/mm/dd hh:nn:ss.zzz"}, "2004/01/01 00:00:00.000\n"},
    {{"--at", "2004-01-01T13:05", "hh:nn:ss.zzz"}, "13:05:00.000\n"},
    {{"--at", "2004-01-01T13:05:07.089", "hh:nn:ss.zzz"}, "13:05:07.089\n"},
    {{"--at", "@37987.5", "yyyy/mm/dd hh:nn"}, "2004/01/01 12:00\n"},
    {{"--at", "@0x1.28c7p+15", "yyyy/mm/dd hh:nn"}, "2004/01/01 12:00\n"},
    {{"--at", "1899-12-29T06:00", "yyyy/mm/dd hh:nn"}, "1899/12/29 06:00\n"},
    // An empty FORMAT renders "C".
    {{"--at", "2004-01-01T12:00", ""}, "1/1/04 12:00:00\n"},
    // A FORMAT that begins with "-" after --; "-" alone is a FORMAT anyway.
    {{"--at", "2004-01-01", "--", "-yyyy-", "--"}, "-2004-\n--\n"},
    {{"--at", "2004-01-01", "-"}, "-\n"},
    {{"--hex", "--at", "2004-01-01", "'表'", "'ｱ'yy", "''"}, "955c\nb13034\n\n"},
    // A lone lead byte at the cut shows as one replacement character.
    {{"--at", "2004-01-01", "'" + std::string(255, 'A') + "表'"}, std::string(255, 'A') + "\xef\xbf\xbd\n"},
    {{"--locale", "date-sep=-", "--locale", "time-sep=", "--at", "2004-01-01T13:05:07",
      "yyyy/mm/dd hh:nn"},
     "2004-01-01 1305\n"},
    {{"--locale=short-date=yyyy'年'm'月'd'日'", "--locale", "long-time=h'時'n'分'", "--locale",
      "pm=午後", "--at", "2004-01-01T13:05:07", "C", "AMPM"},
     "2004年1月1日 13時5分\n午後\n"},
    {{"--locale", "am=x", "--locale", "am=午前", "--at", "2004-01-01T09:00", "AMPM"}, "午前\n"},
};

TEST_F(CommandLineTest, RendersEachFormatOnItsOwnLine) {
    for (const auto& c : kRenderCases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        testing::UseDefaultLocale();
        const RunResult r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CommandLineTest, WithoutAtEveryFormatRendersTheSameReadingOfTheClock) {
    int readings = 0;
    platform::SetClock([&readings] {
        ++readings;
        return *EncodeDateTime(2004, 1, 1, 13, 5, 7, 89);
    });
    const RunResult r = RunWith({"yyyy/mm/dd", "hh:nn:ss.zzz"});
    EXPECT_EQ(r.out, "2004/01/01\n13:05:07.089\n");
    EXPECT_EQ(readings, 1);
}

TEST_F(CommandLineTest, ShowLocalePrintsTheEightSettingsInEffect) {
    const RunResult r = RunWith({"--show-locale", "--locale", "date-sep=", "--locale", "am=午前"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out,
              "date-sep=\n"
              "time-sep=:\n"
              "short-date=m/d/yy\n"
              "long-date=mmmm d, yyyy\n"
              "short-time=h:nn\n"
              "long-time=h:nn:ss\n"
              "am=午前\n"
              "pm=pm\n");
    const RunResult hex = RunWith({"--show-locale", "--hex", "--locale", "am=午前"});
    EXPECT_NE(hex.out.find("\nam=8cdf914f\n"), std::string::npos) << hex.out;
}

TEST_F(CommandLineTest, HelpPrintsTheUsage) {
    for (const auto& args : {std::vector<std::string>{"--help"}, {"yyyy", "-h"}}) {
        const RunResult r = RunWith(args);
        EXPECT_EQ(r.status, kExitOk);
        EXPECT_EQ(r.out.rfind("usage: vesmark-format", 0), 0u);
        EXPECT_NE(r.out.find("--batch"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CommandLineTest, BatchAnswersStandardInput) {
    const RunResult r = RunWith({"--batch", "--locale", "date-sep=."},
                          "format\t37987\t" + testing::Hex("yyyy/mm/dd") + "\nbad\n");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, testing::Hex("2004.01.01") + "\nerror\tunknown request\n");
}

const OutputCase kFileNameCases[] = {
    {{"--backup", "%F.~%X", "--at", "2004-01-01T13:05:07"}, "(ファイル名).~(拡張子)\n"},
    {{"--backup", "%F_%C_%Y%M%D%H%N%S.%X", "--name", "メモ", "--ext", "txt", "--count", "7",
      "--at", "2004-01-01T13:05:07"},
     "メモ_07_040101130507.txt\n"},
    {{"--backup", "%C", "--count", "2147483647"}, "2147483647\n"},
    {{"--backup", "%F", "--name", "", "--hex"}, "\n"},
    {{"--backup", "ソ%F", "--name", "表", "--hex"}, "835c955c\n"},
    {{"--sanitize", "a:b/c|ソ"}, "a_b_c_ソ\n"},
    {{"--sanitize", "表\\\\", "--hex"}, "955c5f5f\n"},
};

TEST_F(CommandLineTest, BackupAndSanitizePrintTheHelpersResults) {
    for (const auto& c : kFileNameCases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const RunResult r = RunWith(c.args);
        if (FileNameHelpersAvailable()) {
            EXPECT_EQ(r.status, kExitOk) << r.err;
            EXPECT_EQ(r.out, c.out);
        } else {
            EXPECT_EQ(r.status, kExitUsage);
            EXPECT_NE(r.err.find("not available"), std::string::npos) << r.err;
        }
    }
}

struct CheckCase {
    std::string format;  // UTF-8
    int status;
    std::string out;
};

const CheckCase kCheckCases[] = {
    {"yyyy/mm/dd hh:nn:ss", kExitOk, ""},
    {"hh:mm", kExitCheckFound, "column 4: mm after the hour is the month; the minute is nn\n"},
    {"MM:SS", kExitCheckFound, "column 1: MM before the second is the month; the minute is NN\n"},
    // Columns count characters, not bytes.
    {"h時m分s秒", kExitCheckFound,
     "column 3: m between the hour and the second is the month; the minute is n\n"},
    {"hh:mm mm:ss", kExitCheckFound,
     "column 4: mm after the hour is the month; the minute is nn\n"
     "column 7: mm before the second is the month; the minute is nn\n"},
};

TEST_F(CommandLineTest, CheckNamesEachMonthWhereAMinuteIsExpected) {
    for (const auto& c : kCheckCases) {
        SCOPED_TRACE(c.format);
        const RunResult r = RunWith({"--check", c.format});
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

struct ErrorCase {
    std::vector<std::string> args;
    std::string mentions;  // part of the message
};

const ErrorCase kErrorCases[] = {
    {{}, "no FORMAT"},
    {{"--hex"}, "no FORMAT"},
    {{"--bogus", "yyyy"}, "--bogus"},
    {{"-yyyy"}, "-yyyy"},
    {{"yyyy", "--at"}, "--at needs a value"},
    {{"--at", "2023-02-30", "yyyy"}, "2023-02-30"},
    {{"--at", "2023-01-01T25:00", "yyyy"}, "2023-01-01T25:00"},
    {{"--at", "2023-01-01 12:00", "yyyy"}, "YYYY-MM-DD"},
    {{"--at", "@x", "yyyy"}, "@x"},
    {{"--at", "2004-01-01", "--at", "2004-01-02", "yyyy"}, "twice"},
    {{"--hex=yes", "yyyy"}, "--hex"},
    {{"yyyy", "가"}, "U+AC00"},
    {{"yyyy", "--locale", "am=😀"}, "U+1F600"},
    {{"yyyy", "--locale", "am"}, "NAME=VALUE"},
    {{"yyyy", "--locale", "colour=red"}, "colour"},
    {{"yyyy", "--locale", "date-sep=--"}, "separator"},
    {{"yyyy", "--locale", "time-sep=："}, "separator"},
    {{"yyyy", "--batch"}, "exclude"},
    {{"--show-locale", "--sanitize", "x"}, "exclude"},
    {{"--batch", "--hex"}, "--hex"},
    {{"--show-locale", "--at", "2004-01-01"}, "--at"},
    {{"yyyy", "--name", "x"}, "--name"},
    {{"yyyy", "--count", "3"}, "--count"},
    {{"--sanitize", "x", "--locale", "am=x"}, "--locale"},
    {{"--backup", "%F", "--count", "2147483648"}, ""},
    {{"--backup", "%F", "--count", "-"}, ""},
    {{"--backup", "%F", "--name", "가"}, ""},
    {{"--backup", "%F", "--at", "2023-02-29"}, ""},
    {{"--sanitize", "가"}, ""},
    {{"--check", "hh:mm", "yyyy"}, "exclude"},
    {{"--check", "hh:mm", "--hex"}, "--hex"},
    {{"--check", "hh:mm", "--locale", "am=x"}, "--locale"},
    {{"--check", "hh:mm", "--at", "2004-01-01"}, "--at"},
    {{"--check", "가"}, "U+AC00"},
};

TEST_F(CommandLineTest, BadArgumentsGiveOneLineAndStatusTwo) {
    for (const auto& c : kErrorCases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const RunResult r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("vesmark-format: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
    }
}

TEST_F(CommandLineTest, AFailingOutputGivesStatusOne) {
    std::istringstream in;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunCommandLine({"yyyy"}, in, out, err), kExitOutputFailed);
    EXPECT_NE(err.str(), "");
}

}  // namespace
}  // namespace vesmark::cli
