// The program directory and the directory and file-name parts of a path.
#include <gtest/gtest.h>

#include "filepath/ComFilePathUnit.hpp"
#include "platform/sysfiles.hpp"
#include "test_text.hpp"

namespace vesmark {
namespace {

using test::Sjis;
using test::Utf8;

struct PathCase {
    const char* path;       // UTF-8
    const char* directory;  // UTF-8, with its trailing delimiter
    const char* fileName;   // UTF-8
};

constexpr PathCase kPathCases[] = {
    {"/opt/vesmark/VesmarkOpt",     "/opt/vesmark/",     "VesmarkOpt"},
    {"/VesmarkOpt",                 "/",                 "VesmarkOpt"},
    {"VesmarkOpt",                  "",                  "VesmarkOpt"},
    {"",                            "",                  ""},
    {"/opt/vesmark/",               "/opt/vesmark/",     ""},
    {"/opt//VesmarkOpt.exe",        "/opt//",            "VesmarkOpt.exe"},
    // Here only "/" separates: a colon or a backslash is part of a name.
    {"/home/a:b\\c/VesmarkOpt",     "/home/a:b\\c/",     "VesmarkOpt"},
    // Second bytes 0x5C and 0x7C are parts of their characters.
    {"/ソフト/表示/VesmarkOpt",     "/ソフト/表示/",     "VesmarkOpt"},
    {"/opt/ソ",                     "/opt/",             "ソ"},
    {"/時計/ツール.exe",            "/時計/",            "ツール.exe"},
};

TEST(PathParts, DirectoryEndsAtTheLastDelimiterAndFileNameFollowsIt) {
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.path);
        const std::string path = Sjis(c.path);
        EXPECT_EQ(Utf8(ExtractFilePath(path)), c.directory);
        EXPECT_EQ(Utf8(ExtractFileName(path)), c.fileName);
    }
}

TEST(PathParts, LoneLeadByteAtTheEndIsReadWithoutOverrun) {
    EXPECT_EQ(ExtractFilePath("/opt/\x83"), "/opt/");
    EXPECT_EQ(ExtractFileName("/opt/\x83"), "\x83");
    EXPECT_EQ(ExtractFileName("\x83"), "\x83");
}

TEST(AppPath, IsTheDirectoryOfTheGivenProgramPath) {
    const std::string saved = AppPath;
    InitAppPathFrom(Sjis("/opt/ソフト/VesmarkOpt"));
    EXPECT_EQ(Utf8(AppPath), "/opt/ソフト/");
    AppPath = saved;
}

TEST(AppPath, IsTheDirectoryOfTheRunningProgram) {
    const std::string saved = AppPath;
    const std::optional<std::string> program = platform::ProgramPath();
    ASSERT_TRUE(program.has_value());
    ASSERT_TRUE(InitAppPath());
    ASSERT_FALSE(AppPath.empty());
    EXPECT_EQ(AppPath.back(), '/');
    EXPECT_EQ(AppPath + ExtractFileName(*program), *program);
    EXPECT_TRUE(platform::FileExists(AppPath + "filepath_tests"));
    AppPath = saved;
}

}  // namespace
}  // namespace vesmark
