// The backup file-name template: codes, the "%%" and marker rules stored settings
// files rely on, the counter, and one reading of the clock per expansion.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "filepath/ComFilePathUnit.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/clock.hpp"
#include "platform/cp932.hpp"
#include "test_text.hpp"

namespace vesmark {
namespace {

using test::Sjis;
using test::Utf8;

// Saturday 2003-01-18 19:48:37 (平成15): yy 03, mm 01, dd 18, hh 19, nn 48, ss 37,
// DDD SAT, AM/PM PM, ee 15, rr 16 (moon age 15.6).
TDateTime FixedMoment() { return *EncodeDateTime(2003, 1, 18, 19, 48, 37, 0); }

class BackupName : public testing::Test {
protected:
    void SetUp() override {
        platform::SetClock([this] {
            ++clockReads;
            return FixedMoment();
        });
    }
    void TearDown() override { platform::SetClock({}); }

    int clockReads = 0;
};

struct TemplateCase {
    const char* tmpl;      // UTF-8
    const char* expected;  // UTF-8
    const char* fileName = "(ファイル名)";
    const char* extension = "(拡張子)";
    int counter = 99;
};

constexpr TemplateCase kTemplateCases[] = {
    // The default templates as the backup test joins them.
    {"%F.~%X",                      "(ファイル名).~(拡張子)"},
    {"%A-%C-%D-%E-%F-%H-%M-%N-%R-%S-%W-%X-%Y",
                                    "PM-99-18-15-(ファイル名)-19-01-48-16-37-SAT-(拡張子)-03"},
    {"%Y%M%D_%H%N%S",               "030118_194837"},
    {"bak_%C_%F",                   "bak_99_(ファイル名)"},
    // Without a "%" the template comes back as written, markers and all.
    {"backup",                      "backup"},
    {"a??b<F><X>",                  "a??b<F><X>"},
    {"",                            ""},
    // Doubled percent signs.
    {"a%%b",                        "a%b"},
    {"%%Y",                         "%Y"},
    {"%%%",                         "%%"},
    {"%%%Y",                        "%03"},
    {"%%%%Y",                       "%%Y"},
    // A "%" in the last byte stays, also after codes before it.
    {"%",                           "%"},
    {"abc%",                        "abc%"},
    {"%Y%",                         "03%"},
    {"%q%",                         "q%"},
    // Markers and "??" written in a template that holds a "%".
    {"%Y??",                        "03%"},
    {"%Y???",                       "03%?"},
    {"%Y<F>-<X>",                   "03(ファイル名)-(拡張子)"},
    {"%Y<f><x>",                    "03<f><x>"},
    // Markers and "??" inside the inserted texts take part in the last steps.
    {"%F.%X",                       "n%e.e",              "n?" "?<X>",  "e"},
    {"%F.%X",                       "n.<F>e",             "n",       "<F>e"},
    {"%F.%X",                       "%Y.%",               "%Y",      "%"},
    {"%F%X",                        "",                   "",        ""},
    // Lower-case codes count only behind their upper-case twin.
    {"%d%D",                        "d18"},
    {"%D%d",                        "1818"},
    {"%y%Y%y",                      "y0303"},
    {"%f.%F.%f",                    "f.(ファイル名).(ファイル名)"},
    {"%c%C%c",                      "c9999"},
    // Anything else loses its "%".
    {"%B%G%I%J%K%L%O%P%Q%T%U%V%Z",  "BGIJKLOPQTUVZ"},
    {"%1% %.%~",                    "1 .~"},
    {"%a%e%w",                      "aew"},
    // "%" and a double-byte character: the character stays whole.
    {"%ソ",                         "ソ"},
    {"%表%Y",                       "表03"},
    {"ソ%Y表%M",                    "ソ03表01"},
    {"%ポ%",                        "ポ%"},
    // The counter: at least two digits.
    {"%C",                          "99"},
    {"%C",                          "07",                 "f",       "x",    7},
    {"%C",                          "00",                 "f",       "x",    0},
    {"%C",                          "123",                "f",       "x",    123},
    {"%C",                          "-07",                "f",       "x",    -7},
    {"%C",                          "-123",               "f",       "x",    -123},
    {"%C",                          "2147483647",         "f",       "x",    INT_MAX},
    {"%C",                          "-2147483648",        "f",       "x",    INT_MIN},
};

TEST_F(BackupName, ExpandsTemplatesAsStoredSettingsExpect) {
    for (const TemplateCase& c : kTemplateCases) {
        SCOPED_TRACE(testing::Message() << c.tmpl << " name " << c.fileName << " ext "
                                        << c.extension << " counter " << c.counter);
        EXPECT_EQ(Utf8(ExpandBackupName(Sjis(c.tmpl), Sjis(c.fileName), Sjis(c.extension),
                                        c.counter)),
                  c.expected);
    }
}

struct ByteCase {
    std::string_view tmpl;
    std::string_view expected;
};

// Texts that are not valid CP932: a lead byte takes the next byte whatever it is,
// and a lead byte at the very end stands alone.
constexpr ByteCase kMalformedCases[] = {
    {"\x83",        "\x83"},
    {"%Y\x83",      "03\x83"},
    {"%\x83",       "\x83"},
    {"\x81%Y",      "\x81%Y"},
    {"\x81%%Y",     "\x81%03"},
    {"%Y\x81%",     "03\x81%"},
    {std::string_view("%\0%Y", 4), std::string_view("\0" "03", 3)},
};

TEST_F(BackupName, MalformedTemplatesAreReadByCharacterWithoutOverrun) {
    for (const ByteCase& c : kMalformedCases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.tmpl)));
        EXPECT_EQ(ExpandBackupName(c.tmpl, "f", "x", 99), c.expected);
    }
}

TEST_F(BackupName, TemplateWithoutPercentReadsNoClock) {
    DecodeDateTimeEx(0.5);
    EXPECT_EQ(ExpandBackupName("name?" "?<F>", "f", "x", 1), "name?" "?<F>");
    EXPECT_EQ(clockReads, 0);
    EXPECT_EQ(DateCache.LastDateTime, 0.5);
}

TEST_F(BackupName, DoubledPercentOnlyStillReadsTheClockOnce) {
    DecodeDateTimeEx(0.5);
    EXPECT_EQ(ExpandBackupName("a%%b", "f", "x", 1), "a%b");
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(DateCache.LastDateTime, FixedMoment());
}

TEST_F(BackupName, EveryDateFieldComesFromTheSameInstant) {
    // Each reading moves the clock on by a day, an hour, a minute and a second,
    // so any second reading would show in every field.
    const TDateTime step = 1.0 + (3600.0 + 60.0 + 1.0) / 86400.0;
    platform::SetClock([this, step] { return FixedMoment() + step * clockReads++; });
    const std::string all = "%Y%M%D%H%N%S%W%A%E%R|%y%m%d%h%n%s%w%a%e%r";
    EXPECT_EQ(ExpandBackupName(all, "f", "x", 1), "030118194837SATPM1516|030118194837SATPM1516");
    EXPECT_EQ(ExpandBackupName(all, "f", "x", 1), "030119204938SUNPM1517|030119204938SUNPM1517");
    EXPECT_EQ(clockReads, 2);
}

TEST_F(BackupName, HugeTemplateExpandsEveryCode) {
    std::string tmpl;
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        tmpl += "%Y%q%C%%";
        expected += "03q-2147483648%";
    }
    tmpl += '%';
    expected += '%';
    EXPECT_EQ(ExpandBackupName(tmpl, "f", "x", INT_MIN), expected);
}

// The expansion done literally step by step: find the first "%" of the whole
// working text, replace every occurrence of its code ignoring case, search again
// from the start.
std::string StepByStep(std::string_view tmpl, std::string_view fileName,
                       std::string_view extension, int counter) {
    if (cp932::Find(tmpl, "%") == cp932::npos) return std::string(tmpl);
    std::string w(tmpl);
    cp932::ReplaceAll(w, "%%", "??");
    DecodeDateTimeEx(platform::Now());
    char count[16];
    std::snprintf(count, sizeof count, "%.2d", counter);
    for (std::size_t p = cp932::Find(w, "%"); p != cp932::npos && p + 1 < w.size();
         p = cp932::Find(w, "%")) {
        const std::string code = w.substr(p, 2);
        switch (w[p + 1]) {
            case 'A': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("AM/PM")); break;
            case 'C': cp932::ReplaceAllIgnoreCase(w, code, count); break;
            case 'D': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("dd")); break;
            case 'E': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("ee")); break;
            case 'F': cp932::ReplaceAllIgnoreCase(w, code, "<F>"); break;
            case 'H': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("hh")); break;
            case 'M': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("mm")); break;
            case 'N': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("nn")); break;
            case 'R': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("rr")); break;
            case 'S': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("ss")); break;
            case 'W': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("DDD")); break;
            case 'X': cp932::ReplaceAllIgnoreCase(w, code, "<X>"); break;
            case 'Y': cp932::ReplaceAllIgnoreCase(w, code, FormatDecodedDateTime("yy")); break;
            default: w.erase(p, 1); break;
        }
    }
    cp932::ReplaceAll(w, "<F>", fileName);
    cp932::ReplaceAll(w, "<X>", extension);
    cp932::ReplaceAll(w, "??", "%");
    return w;
}

TEST_F(BackupName, OneWalkGivesTheSameTextAsExpandingStepByStep) {
    // Pieces that meet each rule: codes in both cases, unknown letters, doubled
    // signs, markers, "?" runs, characters with a 0x5C or 0x7C second byte, and a
    // lead byte that swallows the "%" behind it.
    static constexpr std::string_view kPieces[] = {
        "%", "%", "%", "Y", "y", "D", "d", "C", "c", "F", "f", "X", "x", "A", "W", "B", "q",
        "?", "<F>", "<X>", "<", "F>", "\x83\x5c", "\x83\x7c", "\x83", "\x81", "a", "1",
    };
    static constexpr std::string_view kInserted[] = {"", "n", "??", "<X>", "%Y", "\x83\x5c"};
    std::mt19937 random(20031118);
    auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int round = 0; round < 3000; ++round) {
        std::string tmpl;
        const std::size_t length = pick(14);
        for (std::size_t i = 0; i < length; ++i) tmpl += kPieces[pick(std::size(kPieces))];
        const std::string_view name = kInserted[pick(std::size(kInserted))];
        const std::string_view ext = kInserted[pick(std::size(kInserted))];
        const int counter = round % 3 == 0 ? INT_MIN : round % 3 == 1 ? 5 : 1234;
        SCOPED_TRACE(testing::PrintToString(tmpl) + " name " + testing::PrintToString(name) +
                     " ext " + testing::PrintToString(ext));
        ASSERT_EQ(ExpandBackupName(tmpl, name, ext, counter), StepByStep(tmpl, name, ext, counter));
    }
}

}  // namespace
}  // namespace vesmark
