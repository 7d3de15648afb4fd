// The seven settings: defaults, interval tables, the file a save writes, and the round
// trip of awkward texts through a save and a load.
#include "settings/OptionSettings.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/textconv.hpp"
#include "settings/tests/TestFiles.hpp"

namespace vesmark::settings {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

std::string Utf8(std::string_view cp932) { return cp932::Cp932ToUtf8(cp932); }

std::string Cp932(std::string_view utf8) {
    auto r = cp932::Utf8ToCp932(utf8);
    EXPECT_TRUE(r.ok) << r.message;
    return r.text;
}

TEST(Defaults, AreTheClockProgramsDefaults) {
    const OptionSettings d = DefaultSettings();
    EXPECT_EQ(d.ButtonFormat, "yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss");
    EXPECT_EQ(d.ButtonFormat.size(), 28u);
    EXPECT_EQ(Utf8(d.BackNextFormat), "yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\"");
    EXPECT_EQ(d.BackNextFormat.size(), 29u);
    EXPECT_EQ(d.SaveInterval, 0);
    EXPECT_FALSE(d.BackupSave);
    EXPECT_EQ(d.BackupFileNm, "%F");
    EXPECT_EQ(d.BackupChgExt, "~%X");
    EXPECT_EQ(d.BackupFolder, "");
}

// ---------------------------------------------------------------------------
// Interval tables

struct IntervalCase {
    int minutes;
    int item;
};

const IntervalCase kIntervalToItem[] = {
    {INT_MIN, 5}, {-1, 5},
    {0, 0},
    {1, 1},  {4, 1},
    {5, 2},  {14, 2},
    {15, 3}, {29, 3},
    {30, 4}, {59, 4},
    {60, 5}, {1000, 5}, {INT_MAX, 5},
};

TEST(Interval, StoredMinutesSelectTheirItem) {
    for (const IntervalCase& c : kIntervalToItem) {
        SCOPED_TRACE(c.minutes);
        EXPECT_EQ(IntervalToItem(c.minutes), c.item);
    }
}

const IntervalCase kItemToInterval[] = {
    {0, 0}, {1, 1}, {5, 2}, {15, 3}, {30, 4}, {60, 5},
    {60, -1},  // no item selected
    {60, 6}, {60, INT_MIN}, {60, INT_MAX},
};

TEST(Interval, ItemsStoreTheirMinutes) {
    for (const IntervalCase& c : kItemToInterval) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(ItemToInterval(c.item), c.minutes);
    }
}

// ---------------------------------------------------------------------------
// Load

struct LoadCase {
    const char* what;
    std::string file;
    int saveInterval;
    bool backupSave;
};

const LoadCase kLoadCases[] = {
    {"stored values",            "[Backup]\r\nSaveInterval=15\r\nBackupSave=1\r\n",    15, true},
    {"flag of 2 is on",          "[Backup]\r\nBackupSave=2\r\n",                      0,  true},
    {"negative interval kept",   "[Backup]\r\nSaveInterval=-1\r\n",                   -1, false},
    {"non-numeric values are 0", "[Backup]\r\nSaveInterval=ten\r\nBackupSave=yes\r\n", 0,  false},
};

TEST(Load, ReadsNumbersAndFlags) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(c.what);
        WriteBytes(path, c.file);
        const OptionSettings s = Load(path);
        EXPECT_EQ(s.SaveInterval, c.saveInterval);
        EXPECT_EQ(s.BackupSave, c.backupSave);
    }
}

TEST(Load, MissingOrUnreadableFileGivesDefaults) {
    ScratchDir dir;
    EXPECT_TRUE(Load(dir.File("absent.ini")) == DefaultSettings());
    EXPECT_TRUE(Load(dir.File("absent/Vesmark.ini")) == DefaultSettings());
    EXPECT_TRUE(Load(dir.path()) == DefaultSettings());  // a folder
    // A FIFO without a writer must not make the load wait.
    const std::string fifo = dir.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_TRUE(Load(fifo) == DefaultSettings());
}

TEST(Load, EmptyValuesAreNotDefaults) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, "[Format]\r\nButtonFormat=\r\n[Backup]\r\nBackupFileNm=\"\"\r\n");
    const OptionSettings s = Load(path);
    EXPECT_EQ(s.ButtonFormat, "");
    EXPECT_EQ(s.BackupFileNm, "");
    EXPECT_EQ(s.BackNextFormat, DefaultSettings().BackNextFormat);
}

// ---------------------------------------------------------------------------
// Save: the bytes written

const char kCreatedFile[] =
    "[Format]\r\n"
    "ButtonFormat=\"yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss\"\r\n"
    "BackNextFormat=\"yyyy\"\x94\x4e\"mm\"\x8c\x8e\"dd\"\x93\xfa\x81\x69\"aaa\"\x81\x6a\"\"\r\n"
    "[Backup]\r\n"
    "SaveInterval=0\r\n"
    "BackupSave=0\r\n"
    "BackupFileNm=\"%F\"\r\n"
    "BackupChgExt=\"~%X\"\r\n"
    "BackupFolder=\"\"\r\n";

TEST(Save, CreatesAMissingFileWithBothSectionsInOrder) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    const SaveResult r = Save(path, DefaultSettings());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(ReadBytes(path), kCreatedFile);
    EXPECT_TRUE(Load(path) == DefaultSettings());
}

TEST(Save, ChangesOnlyItsSevenKeys) {
    const std::string before =
        "; Vesmark settings\r\n"
        "[Window]\r\n"
        "Left=10\r\n"
        "\r\n"
        "[format]\r\n"
        "buttonformat = \"hh:nn\"  \r\n"
        "Extra=\"keep me\"\r\n"
        "\r\n"
        "; backup settings follow\r\n"
        "[Backup]\r\n"
        "SaveInterval=10\r\n"
        "BackupSave=2\r\n"
        "BackupFolder=C:\\old\r\n"
        "Unknown=1\r\n"
        "[Tail]\r\n"
        "Z=\xff\xfe";
    const std::string after =
        "; Vesmark settings\r\n"
        "[Window]\r\n"
        "Left=10\r\n"
        "\r\n"
        "[format]\r\n"
        "buttonformat = \"yyyy\"\r\n"
        "Extra=\"keep me\"\r\n"
        "BackNextFormat=\"mm/dd\"\r\n"
        "\r\n"
        "; backup settings follow\r\n"
        "[Backup]\r\n"
        "SaveInterval=5\r\n"
        "BackupSave=1\r\n"
        "BackupFolder=\"D:\\\x95\x5c\"\r\n"  // D:\表
        "Unknown=1\r\n"
        "BackupFileNm=\"%F\"\r\n"
        "BackupChgExt=\"~%X\"\r\n"
        "[Tail]\r\n"
        "Z=\xff\xfe";
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, before);

    OptionSettings s = Load(path);
    EXPECT_EQ(s.ButtonFormat, "hh:nn");
    EXPECT_EQ(s.BackupFolder, "C:\\old");
    s.ButtonFormat = "yyyy";
    s.BackNextFormat = "mm/dd";
    s.SaveInterval = ItemToInterval(IntervalToItem(s.SaveInterval));
    s.BackupFolder = "D:\\\x95\x5c";
    ASSERT_TRUE(Save(path, s).ok);
    EXPECT_EQ(ReadBytes(path), after);
}

TEST(Save, KeepsLfLineEnds) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, "[Backup]\nSaveInterval=30\n");
    ASSERT_TRUE(Save(path, DefaultSettings()).ok);
    EXPECT_EQ(ReadBytes(path),
              "[Backup]\nSaveInterval=0\nBackupSave=0\nBackupFileNm=\"%F\"\nBackupChgExt=\"~%X\"\n"
              "BackupFolder=\"\"\n[Format]\nButtonFormat=\"yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss\"\n"
              "BackNextFormat=\"yyyy\"\x94\x4e\"mm\"\x8c\x8e\"dd\"\x93\xfa\x81\x69\"aaa\"\x81\x6a\"\"\n");
}

TEST(Save, WorksUnderAJapaneseFolderName) {
    ScratchDir dir;
    const std::string cp932Folder = dir.path() + "/" + Cp932("設定フォルダ");
    ASSERT_EQ(::mkdir(Utf8(cp932Folder).c_str(), 0755), 0);
    const std::string cp932Path = cp932Folder + "/Vesmark.ini";
    OptionSettings s = DefaultSettings();
    s.BackupFolder = cp932Folder;
    ASSERT_TRUE(Save(cp932Path, s).ok);
    EXPECT_FALSE(ReadBytes(Utf8(cp932Path)).empty());
    EXPECT_EQ(Load(cp932Path).BackupFolder, cp932Folder);
}

// ---------------------------------------------------------------------------
// Round trip

// Texts a user may type: blanks and quotes at either end, INI syntax, double-byte
// characters whose second byte is "\" or "|", and bytes that are no valid Shift_JIS.
const char* const kAwkwardTexts[] = {
    "",
    " ",
    "  leading",
    "trailing  ",
    "\t tabs \t",
    "\"",
    "\"\"",
    "\"quoted\"",
    " \"blank and quote\" ",
    "a\"b\"c",
    "=",
    "Key=Value",
    "[Format]",
    "; not a comment",
    "C:\\\x83\x5c\\\x95\x5c\\",  // C:\ソ\表\ (second bytes 0x5C)
    "\x83\x7c|",                 // ポ|
    "%F_%Y%m%d~%X",
    "\xff\xfe\x80\xa0\xfd",      // no valid Shift_JIS
    "ends in a lead byte \x82",
    "\x82\"",                    // a lead byte before a quote
};

TEST(RoundTrip, TextsComeBackUnchanged) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    for (const char* text : kAwkwardTexts) {
        SCOPED_TRACE(text);
        OptionSettings s;
        s.ButtonFormat = text;
        s.BackNextFormat = std::string(text) + "x";
        s.SaveInterval = 30;
        s.BackupSave = true;
        s.BackupFileNm = text;
        s.BackupChgExt = "x" + std::string(text);
        s.BackupFolder = text;
        ASSERT_TRUE(Save(path, s).ok);
        EXPECT_TRUE(Load(path) == s);
    }
}

TEST(RoundTrip, LongestTextComesBack) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    OptionSettings s = DefaultSettings();
    s.ButtonFormat = " " + std::string(2045, 'y') + "\"";
    ASSERT_TRUE(Save(path, s).ok);
    EXPECT_TRUE(Load(path) == s);
}

}  // namespace
}  // namespace vesmark::settings
