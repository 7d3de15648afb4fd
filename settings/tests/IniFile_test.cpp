// IniFile: the reading rules, the writing rules as byte-exact before/after texts, and
// the odd lines a hand-edited or damaged file may hold.
#include "settings/IniFile.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace vesmark::settings {
namespace {

using namespace std::string_literals;

std::string Escaped(std::string_view s) {
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// Reading strings

struct ReadCase {
    const char* what;
    std::string text;
    const char* section;
    const char* key;
    std::string expected;  // "<default>" when the default comes back
};

const ReadCase kReadCases[] = {
    {"plain value",                 "[S]\r\nK=abc\r\n",             "S", "K", "abc"},
    {"names ignore case",           "[sEcT]\r\nkEy=abc\r\n",        "SECT", "KEY", "abc"},
    {"blanks around dropped",       "[S]\r\nK = \t abc \t \r\n",    "S", "K", "abc"},
    {"blanks around key name",      "[S]\r\n  K \t= v\r\n",         "S", "K", "v"},
    {"quotes dropped",              "[S]\r\nK=\"abc\"\r\n",         "S", "K", "abc"},
    {"quoted blanks kept",          "[S]\r\nK= \" a b \" \r\n",     "S", "K", " a b "},
    {"one pair of quotes only",     "[S]\r\nK=\"\"abc\"\"\r\n",     "S", "K", "\"abc\""},
    {"inner quotes kept",           "[S]\r\nK=\"a\"b\"\r\n",        "S", "K", "a\"b"},
    {"opening quote alone",         "[S]\r\nK=\"abc\r\n",           "S", "K", "\"abc"},
    {"closing quote alone",         "[S]\r\nK=abc\"\r\n",           "S", "K", "abc\""},
    {"a single quote",              "[S]\r\nK=\"\r\n",              "S", "K", "\""},
    {"empty quotes",                "[S]\r\nK=\"\"\r\n",            "S", "K", ""},
    {"empty value",                 "[S]\r\nK=\r\n",                "S", "K", ""},
    {"equals sign in value",        "[S]\r\nK=a=b\r\n",             "S", "K", "a=b"},
    {"LF line ends",                "[S]\nK=abc\n",                 "S", "K", "abc"},
    {"no final line break",         "[S]\r\nK=abc",                 "S", "K", "abc"},
    {"CR inside a line",            "[S]\r\nK=a\rb\r\n",            "S", "K", "a\rb"},
    {"absent key",                  "[S]\r\nJ=abc\r\n",             "S", "K", "<default>"},
    {"absent section",              "[T]\r\nK=abc\r\n",             "S", "K", "<default>"},
    {"empty text",                  "",                             "S", "K", "<default>"},
    {"key before any section",      "K=abc\r\n[S]\r\n",             "S", "K", "<default>"},
    {"key of the next section",     "[S]\r\n[T]\r\nK=abc\r\n",      "S", "K", "<default>"},
    {"first duplicate key counts",  "[S]\r\nK=1\r\nK=2\r\n",        "S", "K", "1"},
    {"first duplicate section",     "[S]\r\nK=1\r\n[S]\r\nK=2\r\n", "S", "K", "1"},
    {"later duplicate not read",    "[S]\r\nJ=1\r\n[S]\r\nK=2\r\n", "S", "K", "<default>"},
    {"line without equals sign",    "[S]\r\nK\r\nK=2\r\n",          "S", "K", "2"},
    {"comment line",                "[S]\r\n;K=1\r\n  ;K=3\r\nK=2\r\n", "S", "K", "2"},
    {"blanks around header",        "  [ S ]  \r\nK=1\r\n",         "S", "K", "1"},
    {"text behind header",          "[S] ; note\r\nK=1\r\n",        "S", "K", "1"},
    {"header without ] is no name", "[S\r\nK=1\r\n",                "S", "K", "<default>"},
    {"nor part of section above",   "[S]\r\nJ=0\r\n[T\r\nK=1\r\n",  "S", "K", "<default>"},
    {"UTF-8 byte-order mark",       "\xEF\xBB\xBF[S]\r\nK=1\r\n",   "S", "K", "1"},
    {"NUL ends the value",          "[S]\r\nK=ab\0cd\r\n"s,         "S", "K", "ab"},
    {"NUL before closing quote",    "[S]\r\nK=\"ab\0cd\"\r\n"s,     "S", "K", "\"ab"},
    {"NUL line is skipped",         "[S]\r\n\0\0\0\r\nK=1\r\n"s,    "S", "K", "1"},
    {"] as second byte of a name",  "[\x83\x5D]\r\nK=1\r\n",        "\x83\x5D", "K", "1"},       // ゾ
    {"second bytes never folded",   "[\x83\x61]\r\nK=1\r\n",        "\x83\x41", "K", "<default>"},  // ャ / ア
    {"double-byte value kept",      "[S]\r\nK=\"\x95\x5C\x8E\xA6\"\r\n", "S", "K", "\x95\x5C\x8E\xA6"},  // 表示
    {"lone lead byte before quote", "[S]\r\nK=\"C:\\\x83\"\r\n",    "S", "K", "C:\\\x83"},
};

TEST(IniFileRead, FollowsTheReadingRules) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        const IniFile ini(c.text);
        EXPECT_EQ(Escaped(ini.ReadString(c.section, c.key, "<default>")), Escaped(c.expected));
    }
}

TEST(IniFileRead, GivesAtMost2047BytesOfAValue) {
    const std::string megabyte(1 << 20, 'x');
    const IniFile ini("[S]\r\nLong=" + megabyte + "\r\nQuoted=\"" + std::string(2047, 'q') +
                      "\"\r\nSplit=" + std::string(2046, 'a') + "\x82\xA0" + "\r\nNext=1\r\n");
    EXPECT_EQ(ini.ReadString("S", "Long", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.ReadString("S", "Quoted", ""), std::string(2047, 'q'));
    // The cut never leaves the first byte of a double-byte character behind.
    EXPECT_EQ(ini.ReadString("S", "Split", ""), std::string(2046, 'a'));
    EXPECT_EQ(ini.ReadString("S", "Next", ""), "1");
}

// ---------------------------------------------------------------------------
// Reading whole numbers and flags

struct NumberCase {
    const char* value;  // nullptr: the key is absent
    int expected;       // 7 is the default
};

const NumberCase kNumberCases[] = {
    {"5",            5},
    {"+5",           5},
    {"-1",           -1},
    {"0",            0},
    {"-0",           0},
    {"007",          7},
    {"  12  ",       12},
    {"\"15\"",       15},
    {"2147483647",   INT_MAX},
    {"-2147483648",  INT_MIN},
    {"2147483648",   7},
    {"-2147483649",  7},
    {"99999999999999999999", 7},
    {"",             7},
    {"+",            7},
    {"-",            7},
    {"abc",          7},
    {"5 min",        7},
    {"1 2",          7},
    {"1e3",          7},
    {"0x10",         7},
    {"$10",          7},
    {"1.5",          7},
    {"\x82\x50",     7},  // １ (full-width)
    {nullptr,        7},
};

TEST(IniFileRead, ReadsOnlyPlainDecimalWholeNumbers) {
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(c.value ? c.value : "(absent)");
        const IniFile ini(c.value ? "[S]\r\nN="s + c.value + "\r\n" : "[S]\r\n"s);
        EXPECT_EQ(ini.ReadInteger("S", "N", 7), c.expected);
    }
}

struct FlagCase {
    const char* value;  // nullptr: the key is absent
    bool def;
    bool expected;
};

const FlagCase kFlagCases[] = {
    {"1",     false, true},
    {"0",     true,  false},
    {"2",     false, true},
    {"-1",    false, true},
    {"\"1\"", false, true},
    {"on",    false, false},
    {"on",    true,  true},
    {"",      false, false},
    {nullptr, false, false},
    {nullptr, true,  true},
};

TEST(IniFileRead, ReadsAnyNonZeroNumberAsOn) {
    for (const FlagCase& c : kFlagCases) {
        SCOPED_TRACE(std::string(c.value ? c.value : "(absent)") + (c.def ? " default on" : " default off"));
        const IniFile ini(c.value ? "[S]\r\nF="s + c.value + "\r\n" : "[S]\r\n"s);
        EXPECT_EQ(ini.ReadBool("S", "F", c.def), c.expected);
    }
}

// ---------------------------------------------------------------------------
// Writing

struct Write {
    const char* section;
    const char* key;
    std::string value;
};

struct WriteCase {
    const char* what;
    std::string before;
    std::vector<Write> writes;
    std::string after;
};

const WriteCase kWriteCases[] = {
    {"replaces the value where it stands, all else kept",
     "; comment\r\n[Format]\r\nButtonFormat=old\r\nOther=1\r\n\r\n[Unknown]\r\nX=y\r\n",
     {{"Format", "ButtonFormat", "new"}},
     "; comment\r\n[Format]\r\nButtonFormat=new\r\nOther=1\r\n\r\n[Unknown]\r\nX=y\r\n"},
    {"keeps the key's spelling and the blanks before the value",
     "[format]\r\n  buttonFormat =  old value  \r\n",
     {{"Format", "ButtonFormat", "\"new\""}},
     "[format]\r\n  buttonFormat =  \"new\"\r\n"},
    {"adds an absent key behind the last key of its section",
     "[A]\r\nK1=1\r\n\r\n; about B\r\n[B]\r\nX=1\r\n",
     {{"A", "K2", "2"}},
     "[A]\r\nK1=1\r\nK2=2\r\n\r\n; about B\r\n[B]\r\nX=1\r\n"},
    {"adds keys in the order written",
     "[A]\r\nK1=1\r\n[B]\r\n",
     {{"A", "K2", "2"}, {"A", "K3", "3"}, {"B", "X", "x"}},
     "[A]\r\nK1=1\r\nK2=2\r\nK3=3\r\n[B]\r\nX=x\r\n"},
    {"adds a key to an empty section behind its header",
     "[A]\r\n\r\n[B]\r\n",
     {{"A", "K", "v"}},
     "[A]\r\nK=v\r\n\r\n[B]\r\n"},
    {"adds an absent section at the end",
     "[A]\r\nK=1\r\n",
     {{"B", "K", "2"}, {"B", "J", "3"}},
     "[A]\r\nK=1\r\n[B]\r\nK=2\r\nJ=3\r\n"},
    {"creates an empty text with CR LF",
     "",
     {{"A", "K", "1"}},
     "[A]\r\nK=1\r\n"},
    {"a text with LF alone keeps LF",
     "[A]\nK=1\n",
     {{"A", "J", "2"}, {"B", "K", "3"}, {"A", "K", "9"}},
     "[A]\nK=9\nJ=2\n[B]\nK=3\n"},
    {"the first line break sets the style of new lines",
     "[A]\nK=1\r\n",
     {{"A", "J", "2"}},
     "[A]\nK=1\r\nJ=2\n"},
    {"no final line break: replaced in place",
     "[A]\r\nK=1",
     {{"A", "K", "22"}},
     "[A]\r\nK=22"},
    {"no final line break: a new key becomes the unterminated last line",
     "[A]\r\nK=1",
     {{"A", "J", "2"}},
     "[A]\r\nK=1\r\nJ=2"},
    {"no final line break: a new section too",
     "[A]\nK=1",
     {{"B", "K", "2"}},
     "[A]\nK=1\n[B]\nK=2"},
    {"a duplicate section: the first is written",
     "[A]\r\nK=1\r\n[a]\r\nK=2\r\nJ=3\r\n",
     {{"A", "K", "9"}, {"A", "J", "8"}},
     "[A]\r\nK=9\r\nJ=8\r\n[a]\r\nK=2\r\nJ=3\r\n"},
    {"a duplicate key: the first is written",
     "[A]\r\nK=1\r\nk=2\r\n",
     {{"A", "K", "9"}},
     "[A]\r\nK=9\r\nk=2\r\n"},
    {"a header without ] is left alone",
     "[A\r\nK=1\r\n",
     {{"A", "K", "2"}},
     "[A\r\nK=1\r\n[A]\r\nK=2\r\n"},
    {"keys before any section are left alone",
     "K=1\r\n[A]\r\n",
     {{"A", "K", "2"}},
     "K=1\r\n[A]\r\nK=2\r\n"},
    {"a UTF-8 byte-order mark is kept",
     "\xEF\xBB\xBF[A]\r\nK=1\r\n",
     {{"A", "K", "2"}},
     "\xEF\xBB\xBF[A]\r\nK=2\r\n"},
    {"lines with NUL and binary bytes are kept",
     "[A]\r\n\0\xFF\xFE=\x81\r\nK=1\r\n[Z\0]\r\n\x82"s,
     {{"A", "K", "2"}, {"A", "J", "3"}},
     "[A]\r\n\0\xFF\xFE=\x81\r\nK=2\r\nJ=3\r\n[Z\0]\r\n\x82"s},
    {"a value ends before a line break or NUL",
     "[A]\r\n",
     {{"A", "K", "a\r\n[B]\r\nX=1"}, {"A", "J", "b\nc"}, {"A", "N", "x\0y"s}},
     "[A]\r\nK=a\r\nJ=b\r\nN=x\r\n"},
    {"texts are written as given",
     "[A]\r\n",
     {{"A", "K", " \" = [x] ; \" "}},
     "[A]\r\nK= \" = [x] ; \" \r\n"},
};

TEST(IniFileWrite, ChangesOnlyTheLinesItWrites) {
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.what);
        IniFile ini(c.before);
        for (const Write& w : c.writes) ini.WriteString(w.section, w.key, w.value);
        EXPECT_EQ(Escaped(ini.Text()), Escaped(c.after));
    }
}

TEST(IniFileWrite, WritesNumbersAndFlagsPlain) {
    IniFile ini;
    ini.WriteInteger("A", "N", -15);
    ini.WriteInteger("A", "M", INT_MIN);
    ini.WriteBool("A", "On", true);
    ini.WriteBool("A", "Off", false);
    EXPECT_EQ(ini.Text(), "[A]\r\nN=-15\r\nM=-2147483648\r\nOn=1\r\nOff=0\r\n");
}

TEST(IniFileWrite, ReadsBackWhatItWrote) {
    IniFile ini("[A]\r\nK=\"old\"\r\n");
    ini.WriteString("A", "K", "\"\"new\" \"");
    ini.WriteString("B", "New", "v");
    EXPECT_EQ(ini.ReadString("A", "K", ""), "\"new\" ");
    EXPECT_EQ(ini.ReadString("B", "New", ""), "v");
    const IniFile reread(ini.Text());
    EXPECT_EQ(reread.ReadString("A", "K", ""), "\"new\" ");
    EXPECT_EQ(reread.ReadString("B", "New", ""), "v");
}

// Random bytes, full of lead bytes, brackets, equals signs and line breaks, that hold
// neither section: the sections are added behind them and every byte stays.
TEST(IniFileWrite, KeepsArbitraryBytes) {
    std::mt19937 rng(12345);
    const char alphabet[] = "[]=;\r\n\0\"\x81\x83\x5D\xEF\xBB\xBF aZ";
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::string text(rng() % 400, '\0');
        for (char& c : text) {
            c = (rng() % 3 == 0) ? static_cast<char>(rng()) : alphabet[rng() % (sizeof alphabet - 1)];
        }
        IniFile ini(text);
        ini.WriteString("Format", "ButtonFormat", "\"value\"");
        ini.WriteInteger("Backup", "SaveInterval", 15);
        const std::string out = ini.Text();
        EXPECT_EQ(Escaped(out.substr(0, text.size())), Escaped(text));
        const IniFile reread(out);
        EXPECT_EQ(reread.ReadString("Format", "ButtonFormat", ""), "value");
        EXPECT_EQ(reread.ReadInteger("Backup", "SaveInterval", 0), 15);
    }
}

}  // namespace
}  // namespace vesmark::settings
