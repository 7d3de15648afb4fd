// The --batch line protocol, driven in-process.
#include "cli/batch.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/filename_helpers.hpp"
#include "cli/tests/test_support.hpp"
#include "platform/clock.hpp"
#include "platform/datetime.hpp"

namespace vesmark::cli {
namespace {

using testing::Hex;

// 2004-01-01 13:05:07.089, a Thursday.
const std::string kSerial = HexFloat(*EncodeDateTime(2004, 1, 1, 13, 5, 7, 89));

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override { testing::UseDefaultLocale(); }
    void TearDown() override { testing::UseDefaultLocale(); }

    static std::string Session(const std::string& input,
                               std::size_t maxRequestLength = kMaxRequestLength) {
        std::istringstream in(input);
        std::ostringstream out;
        EXPECT_EQ(RunBatch(in, out, maxRequestLength), 0);
        return out.str();
    }
};

struct RequestCase {
    std::string request;
    std::string response;
};

const RequestCase kFormatCases[] = {
    {"format\t" + kSerial + "\t" + Hex("yyyy/mm/dd'('aaa') 'hh:nn:ss.zzz"),
     Hex("2004/01/01(木) 13:05:07.089")},
    {"format\t37987.5\t" + Hex("yyyy/mm/dd hh:nn"), Hex("2004/01/01 12:00")},
    {"format\t0x1.28c7p+15\t" + Hex("yyyy/mm/dd hh:nn"), Hex("2004/01/01 12:00")},
    {"format\t-1.25\t" + Hex("yyyy/mm/dd hh:nn"), Hex("1899/12/29 06:00")},
    {"format\t43586\t" + Hex("ggge"), Hex("令和1")},
    {"format\tnan\t" + Hex("yyyy/mm/dd"), Hex("1899/12/30")},
    // Hex digits in either case; the answer always in lower case.
    {"format\t37987\t27E8A1", "e8a1"},
    // An empty format renders "C": the short date, and the long time unless midnight.
    {"format\t37987.5\t", Hex("1/1/04 12:00:00")},
    {"format\t37987\t", Hex("1/1/04")},
    // An empty result is an empty line.
    {"format\t37987\t" + Hex("''"), ""},
    // A zero byte ends the format.
    {"format\t37987\t" + Hex("'a") + "00" + Hex("b'yyyy"), Hex("a")},
    // Bytes that are no valid character travel unchanged.
    {"format\t37987\t" + Hex("'") + "95", "95"},
};

TEST_F(BatchTest, FormatRequestsAnswerTheHexOfTheRenderedText) {
    for (const auto& c : kFormatCases) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(AnswerRequest(c.request), c.response);
    }
}

TEST_F(BatchTest, AResultCutInsideACharacterKeepsItsLeadByte) {
    const std::string format = "'" + std::string(255, 'A') + "表'";
    EXPECT_EQ(AnswerRequest("format\t1\t" + Hex(format)),
              HexEncode(std::string(255, 'A')) + "95");
}

TEST_F(BatchTest, DecodeRenderAndCacheShareOneDateCache) {
    EXPECT_EQ(Session("decode\t" + kSerial + "\n" +
                      "render\t" + Hex("yyyy/mm/dd hh:nn:ss.zzz") + "\n" +
                      "cache\n" +
                      // Same day, later time: only the time part changes.
                      "decode\t37987.75\n"
                      "cache\n"
                      // A format request decodes too, and render follows it.
                      "format\t37988\t\n"
                      "render\t" + Hex("aaa") + "\n"),
              "ok\n" +
              Hex("2004/01/01 13:05:07.089") + "\n" +
              kSerial + " 1 4 2004 1 1 5 13 5 7 89 2453006\n"
              "ok\n"
              "0x1.28c78p+15 1 4 2004 1 1 5 18 0 0 0 2453006\n" +
              Hex("1/2/04") + "\n" +
              Hex("金") + "\n");
}

TEST_F(BatchTest, LocaleRequestsHoldForEveryLaterRequest) {
    EXPECT_EQ(Session("locale\tdate-sep\t2d\n"
                      "locale\tshort-date\t" + Hex("yyyy/m/d") + "\n"
                      "locale\tam\t" + Hex("午前") + "\n"
                      "format\t37987.25\t" + Hex("c AMPM") + "\n"
                      "locale\tdate-sep\t\n"
                      "format\t37987\t" + Hex("yyyy/mm") + "\n"
                      "locale\ttime-sep\t00\n"
                      "format\t37987.5\t" + Hex("hh:nn") + "\n"),
              "ok\nok\nok\n" +
              Hex("2004-1-1 6:00:00 午前") + "\n"
              "ok\n" +
              Hex("200401") + "\n"
              "ok\n" +
              Hex("1200") + "\n");
}

const RequestCase kMalformedRequests[] = {
    {"", "empty request"},
    {"\r", "empty request"},
    {"bogus", "unknown request"},
    {"FORMAT\t1\t79", "unknown request"},
    {"format 1 79", "unknown request"},
    {"format\t1", "format takes SERIAL and HEXFMT"},
    {"format\t1\t79\t", "format takes SERIAL and HEXFMT"},
    {"format\t1\t797", "odd-length hex in HEXFMT"},
    {"format\t1\t7g", "invalid hex digit in HEXFMT"},
    {"format\t1\t 079", "invalid hex digit in HEXFMT"},
    {"format\t\t79", "invalid SERIAL"},
    {"format\t1.5.5\t79", "invalid SERIAL"},
    {"format\t1,5\t79", "invalid SERIAL"},
    {"format\t1e\t79", "invalid SERIAL"},
    {"decode", "decode takes SERIAL"},
    {"decode\tnoon", "invalid SERIAL"},
    {"render", "render takes HEXFMT"},
    {"render\t0", "odd-length hex in HEXFMT"},
    {"cache\t", "cache takes no fields"},
    {"locale\tam", "locale takes NAME and HEXVALUE"},
    {"locale\tcolour\t41", "unknown locale setting"},
    {"locale\tAM\t41", "unknown locale setting"},
    {"locale\tam\t4", "odd-length hex in HEXVALUE"},
    {"locale\tdate-sep\t2d2d", "a separator is one byte or none"},
    {"locale\ttime-sep\t" + Hex("：") , "a separator is one byte or none"},
};

TEST_F(BatchTest, MalformedRequestsGetAnErrorLine) {
    for (const auto& c : kMalformedRequests) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(AnswerRequest(c.request), "error\t" + c.response);
    }
}

TEST_F(BatchTest, ARefusedLocaleRequestChangesNothing) {
    EXPECT_EQ(Session("locale\tdate-sep\t2d2d\nformat\t37987\t" + Hex("yyyy/mm") + "\n"),
              "error\ta separator is one byte or none\n" + Hex("2004/01") + "\n");
}

TEST_F(BatchTest, EveryLineGetsExactlyOneResponse) {
    // CR LF, blank lines, an error in between and a last line without LF.
    EXPECT_EQ(Session("decode\t37987.5\r\n"
                      "\n"
                      "nonsense\n"
                      "render\t" + Hex("hh") + "\r\n"
                      "cache"),
              "ok\n"
              "error\tempty request\n"
              "error\tunknown request\n" +
              Hex("12") + "\n"
              "0x1.28c7p+15 1 4 2004 1 1 5 12 0 0 0 2453006\n");
    EXPECT_EQ(Session(""), "");
}

TEST_F(BatchTest, OverlongLinesAreSkippedWithAnError) {
    const std::string fits = "decode\t123456789";
    ASSERT_EQ(fits.size(), 16u);
    EXPECT_EQ(Session(fits + "0\n" + fits + "\r\n" + fits + "\n" + fits + "00", 16),
              "error\trequest too long\nok\nok\nerror\trequest too long\n");
    EXPECT_EQ(Session(std::string(std::size_t{3} << 20, '7') + "\ndecode\t1\n"),
              "error\trequest too long\nok\n");
}

TEST_F(BatchTest, AFailingOutputEndsTheSession) {
    std::istringstream in("decode\t1\ndecode\t2\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunBatch(in, out), 1);
}

const RequestCase kFileNameRequests[] = {
    {"backup\t" + kSerial + "\t99\t" + Hex("%F.~%X") + "\t" + Hex("(ファイル名)") + "\t" +
         Hex("(拡張子)"),
     Hex("(ファイル名).~(拡張子)")},
    {"backup\t" + kSerial + "\t7\t" + Hex("%F_%C_%Y%M%D%H%N%S.%X") + "\t" + Hex("メモ") + "\t" +
         Hex("txt"),
     Hex("メモ_07_040101130507.txt")},
    {"backup\t" + kSerial + "\t123\t" + Hex("%%%C") + "\t\t", Hex("%123")},
    {"backup\t1\t0\t" + Hex("no codes") + "\t\t", Hex("no codes")},
    {"sanitize\t" + Hex("a:b/c*d?e\"f<g>h|i\\\\j\\k"), Hex("a_b_c_d_e_f_g_h_i__j\\k")},
    {"sanitize\t" + Hex("ソ\\表"), Hex("ソ\\表")},
    {"sanitize\t", ""},
    {"backup\t1\t99\t" + Hex("%F") + "\t\t", ""},
    {"backup\t1\t2147483648\t\t\t", "error\tinvalid COUNT"},
    {"backup\t1\t1.0\t\t\t", "error\tinvalid COUNT"},
    {"backup\t1\t\t\t\t", "error\tinvalid COUNT"},
    {"backup\tx\t1\t\t\t", "error\tinvalid SERIAL"},
    {"backup\t1\t1\t\t\t4", "error\todd-length hex in HEXEXT"},
    {"backup\t1\t1\t\tzz\t", "error\tinvalid hex digit in HEXNAME"},
    {"backup\t1\t1\t\t", "error\tbackup takes SERIAL, COUNT, HEXTEMPLATE, HEXNAME and HEXEXT"},
    {"sanitize", "error\tsanitize takes HEXTEXT"},
    {"sanitize\t5", "error\todd-length hex in HEXTEXT"},
};

TEST_F(BatchTest, BackupAndSanitizeRequestsUseTheFileNameHelpers) {
    for (const auto& c : kFileNameRequests) {
        SCOPED_TRACE(c.request);
        const std::string response = AnswerRequest(c.request);
        if (FileNameHelpersAvailable())
            EXPECT_EQ(response, c.response);
        else
            EXPECT_EQ(response, "error\tnot available");
    }
}

TEST_F(BatchTest, BackupReadsTheClockAtItsSerialForThatRequestOnly) {
    if (!FileNameHelpersAvailable()) GTEST_SKIP() << "no file-name helpers in this build";
    EXPECT_EQ(AnswerRequest("backup\t" + kSerial + "\t1\t" + Hex("%Y%M%D") + "\t\t"),
              Hex("040101"));
    // The system clock again afterwards (within a second).
    EXPECT_NEAR(platform::Now(), platform::SystemNow(), 1.0 / 86400);
}

}  // namespace
}  // namespace vesmark::cli
