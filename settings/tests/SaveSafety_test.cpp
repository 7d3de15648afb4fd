// A save is all or nothing: a failed write reports the path and leaves the file as it
// was, a killed save leaves the old or the new file, and damaged or huge files are
// kept byte for byte around the keys a save writes.
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "platform/textconv.hpp"
#include "settings/OptionSettings.hpp"
#include "settings/tests/TestFiles.hpp"

namespace vesmark::settings {
namespace {

using testing::ModeBits;
using testing::ReadBytes;
using testing::RunInChild;
using testing::ScratchDir;
using testing::WriteBytes;

const std::string kOldFile = "; keep\r\n[Format]\r\nButtonFormat=\"old\"\r\n[Other]\r\nA=1\r\n";

// Larger than the old file by some kilobytes.
OptionSettings Changed() {
    OptionSettings s = DefaultSettings();
    s.ButtonFormat = "new";
    s.BackNextFormat = std::string(2000, 'b');
    s.BackupFileNm = std::string(2000, 'f');
    s.BackupFolder = std::string(2000, 'd');
    s.SaveInterval = 60;
    s.BackupSave = true;
    return s;
}

void ExpectCannotWrite(const SaveResult& r, const std::string& path) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(cp932::Cp932ToUtf8(r.message), path + " に書き込めません");
}

// Files in the folder other than the settings file: leftovers of a save.
int OtherFiles(const std::string& folder, const std::string& keep) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        if (e.path().filename() != keep) ++n;
    }
    return n;
}

// ---------------------------------------------------------------------------
// Failed writes

TEST(SaveFailure, ReadOnlyFileIsProtectedEvenForRoot) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, kOldFile);
    for (unsigned mode : {0444u, 0400u, 0000u}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ExpectCannotWrite(Save(path, Changed()), path);
        EXPECT_EQ(ReadBytes(path), kOldFile);
        EXPECT_EQ(ModeBits(path), mode);
        EXPECT_EQ(OtherFiles(dir.path(), "Vesmark.ini"), 0);
    }
}

TEST(SaveFailure, WhatIsNoRegularFileIsNotReplaced) {
    ScratchDir dir;
    const std::string folder = dir.File("Vesmark.ini");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ExpectCannotWrite(Save(folder, Changed()), folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    const std::string fifo = dir.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    ExpectCannotWrite(Save(fifo, Changed()), fifo);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string inMissingFolder = dir.File("absent/Vesmark.ini");
    ExpectCannotWrite(Save(inMissingFolder, Changed()), inMissingFolder);
}

// For an ordinary user the kernel's checks apply: a writable file in a folder the
// user may not write cannot be replaced, and is left alone; so is a file the user
// may not write in a folder the user may write.
TEST(SaveFailure, OrdinaryUserWithoutWritePermission) {
    ScratchDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const std::string lockedFolder = dir.File("locked");
    const std::string openFolder = dir.File("open");
    ASSERT_EQ(::mkdir(lockedFolder.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(openFolder.c_str(), 0777), 0);
    const std::string inLocked = lockedFolder + "/Vesmark.ini";
    const std::string inOpen = openFolder + "/Vesmark.ini";
    WriteBytes(inLocked, kOldFile);
    WriteBytes(inOpen, kOldFile);
    ASSERT_EQ(::chmod(inLocked.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(inOpen.c_str(), 0644), 0);  // owned by root: not writable for others

    const int code = RunInChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 77;
        if (Save(inLocked, Changed()).ok) return 11;
        if (Save(inOpen, Changed()).ok) return 12;
        return 0;
    });
    if (code == 77) GTEST_SKIP() << "cannot switch to an ordinary user";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(inLocked), kOldFile);
    EXPECT_EQ(ReadBytes(inOpen), kOldFile);
    EXPECT_EQ(OtherFiles(lockedFolder, "Vesmark.ini") + OtherFiles(openFolder, "Vesmark.ini"), 0);
}

// A file too large to hold in memory is refused rather than cut short.
TEST(SaveFailure, HugeFileIsLeftAlone) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, kOldFile);
    ASSERT_EQ(::truncate(path.c_str(), 200 << 20), 0);  // sparse: costs no disk
    EXPECT_TRUE(Load(path) == DefaultSettings());
    ExpectCannotWrite(Save(path, Changed()), path);
    EXPECT_EQ(std::filesystem::file_size(path), 200u << 20);
    std::ifstream in(path, std::ios::binary);
    std::string head(kOldFile.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(head, kOldFile);
}

// The file-size limit makes the write fail partway, as a full disk does; the child
// reports through its exit code.
TEST(SaveFailure, WriteFailingPartwayLeavesTheFile) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, kOldFile);
    const int code = RunInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
        const SaveResult r = Save(path, Changed());
        if (r.ok) return 11;
        if (cp932::Cp932ToUtf8(r.message) != path + " に書き込めません") return 12;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(path), kOldFile);
    EXPECT_EQ(OtherFiles(dir.path(), "Vesmark.ini"), 0);
}

// A real full disk: a small tmpfs, mounted in a mount namespace of a child process.
TEST(SaveFailure, FullDiskLeavesTheFile) {
    ScratchDir dir;
    const std::string mountPoint = dir.File("disk");
    ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
    const std::string path = mountPoint + "/Vesmark.ini";
    const int code = RunInChild([&] {
        if (::unshare(CLONE_NEWNS) != 0) return 77;
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return 77;
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) return 77;
        WriteBytes(path, kOldFile);
        // Fill the rest of the disk.
        const int fd = ::open((mountPoint + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
        const SaveResult r = Save(path, Changed());
        if (r.ok) return 11;
        if (cp932::Cp932ToUtf8(r.message) != path + " に書き込めません") return 12;
        if (ReadBytes(path) != kOldFile) return 13;
        int entries = 0;
        for (const auto& e : std::filesystem::directory_iterator(mountPoint)) {
            (void)e;
            ++entries;
        }
        if (entries != 2) return 14;
        // With room again, the same save succeeds.
        ::unlink((mountPoint + "/filler").c_str());
        if (!Save(path, Changed()).ok) return 15;
        if (!(Load(path).ButtonFormat == Changed().ButtonFormat)) return 16;
        return 0;
    });
    if (code == 77) GTEST_SKIP() << "cannot mount a tmpfs here";
    EXPECT_EQ(code, 0);
}

// ---------------------------------------------------------------------------
// What a save keeps

TEST(SaveKeeps, PermissionBits) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    for (unsigned mode : {0600u, 0640u, 0664u, 0200u}) {
        SCOPED_TRACE(mode);
        WriteBytes(path, kOldFile);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(Save(path, Changed()).ok);
        EXPECT_EQ(ModeBits(path), mode);
    }
}

TEST(SaveKeeps, SymbolicLinkAndWritesItsTarget) {
    ScratchDir dir;
    const std::string target = dir.File("real.ini");
    const std::string link = dir.File("Vesmark.ini");
    WriteBytes(target, kOldFile);
    ASSERT_EQ(::symlink("real.ini", link.c_str()), 0);
    ASSERT_TRUE(Save(link, Changed()).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Load(target).ButtonFormat, Changed().ButtonFormat);
    EXPECT_EQ(ReadBytes(target).substr(0, 8), "; keep\r\n");

    const std::string dangling = dir.File("dangling.ini");
    ASSERT_EQ(::symlink("nowhere/x.ini", dangling.c_str()), 0);
    ExpectCannotWrite(Save(dangling, Changed()), dangling);
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
}

// Bad input: a save keeps every line it does not own; the load gives what it can.
TEST(SaveKeeps, BinaryFileByteForByte) {
    std::mt19937 rng(7);
    std::string blob(256 * 1024, '\0');
    for (char& c : blob) c = static_cast<char>(rng());
    // The first line sets CR LF as the file's line break.
    blob = "; binary follows\r\n" + blob + "\r\n";
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, blob);
    EXPECT_TRUE(Load(path) == DefaultSettings());
    ASSERT_TRUE(Save(path, DefaultSettings()).ok);
    // The blob holds neither section: both are added behind it.
    ASSERT_TRUE(Save(dir.File("fresh.ini"), DefaultSettings()).ok);
    EXPECT_TRUE(ReadBytes(path) == blob + ReadBytes(dir.File("fresh.ini")));
    EXPECT_TRUE(Load(path) == DefaultSettings());
}

TEST(SaveKeeps, MegabyteLinesAndInvalidShiftJis) {
    const std::string megabyte(1 << 20, 'x');
    const std::string before =
        "[Format]\r\n"
        "ButtonFormat=\"" + megabyte + "\"\r\n"
        "Junk=\x81\x81\x81\xff\x80\xfd\x82\r\n"
        "[Other]\r\n"
        "Long=" + megabyte + "\r\n"
        "[Backup]\r\n"
        "BackupFolder=\"C:\\\x83\"\r\n";
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, before);
    const OptionSettings loaded = Load(path);
    EXPECT_EQ(loaded.ButtonFormat, std::string(2047, 'x'));
    EXPECT_EQ(loaded.BackupFolder, "C:\\\x83");

    OptionSettings s = DefaultSettings();
    s.ButtonFormat = "b";
    s.BackupFolder = loaded.BackupFolder;
    ASSERT_TRUE(Save(path, s).ok);
    const std::string after = ReadBytes(path);
    const std::string expectedStart =
        "[Format]\r\n"
        "ButtonFormat=\"b\"\r\n"
        "Junk=\x81\x81\x81\xff\x80\xfd\x82\r\n"
        "BackNextFormat=\"" + DefaultSettings().BackNextFormat + "\"\r\n"
        "[Other]\r\n"
        "Long=" + megabyte + "\r\n"
        "[Backup]\r\n"
        "BackupFolder=\"C:\\\x83\"\r\n";
    EXPECT_TRUE(after.starts_with(expectedStart));
    EXPECT_TRUE(Load(path) == s);
}

TEST(SaveKeeps, FiftyMegabyteFile) {
    std::string unknown;
    unknown.reserve(52u << 20);
    for (int i = 0; unknown.size() < (50u << 20); ++i) {
        unknown += "[Unknown" + std::to_string(i) + "]\r\nKey=" + std::string(100, 'v') + "\r\n";
    }
    const std::string head = "[Format]\r\nButtonFormat=\"old\"\r\n";
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    WriteBytes(path, head + unknown);
    EXPECT_EQ(Load(path).ButtonFormat, "old");

    OptionSettings s = DefaultSettings();
    s.ButtonFormat = "new";
    ASSERT_TRUE(Save(path, s).ok);
    const std::string after = ReadBytes(path);
    const std::string newHead = "[Format]\r\nButtonFormat=\"new\"\r\nBackNextFormat=\"" +
                                s.BackNextFormat + "\"\r\n";
    ASSERT_TRUE(after.starts_with(newHead));
    EXPECT_TRUE(after.compare(newHead.size(), unknown.size(), unknown) == 0);
    EXPECT_TRUE(after.substr(newHead.size() + unknown.size()).starts_with("[Backup]\r\n"));
    EXPECT_TRUE(Load(path) == s);
}

TEST(SaveKeeps, OnlyTheUnfinishedFilesOfEndedSaves) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    // A process id that is certainly free: a child that has ended and been reaped.
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string ended = "Vesmark.ini." + std::to_string(gone) + "-3-1f.tmp";
    const std::string kept[] = {
        "Vesmark.ini.1-0-0.tmp",                                // a running process
        "Vesmark.ini." + std::to_string(gone) + "-3-1f.tmp.x",  // not such a file
        "Vesmark.ini." + std::to_string(gone) + ".tmp",
        "Other.ini." + std::to_string(gone) + "-3-1f.tmp",
        "Vesmark.ini.bak",
    };
    WriteBytes(dir.File(ended), "half");
    for (const auto& name : kept) WriteBytes(dir.File(name), "x");

    ASSERT_TRUE(Save(path, DefaultSettings()).ok);
    EXPECT_FALSE(std::filesystem::exists(dir.File(ended)));
    for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(dir.File(name))) << name;
}

// ---------------------------------------------------------------------------
// Killed saves

// A child saves two settings by turns as fast as it can and is killed at a random
// moment; the file must then be exactly the old or the new one.
TEST(SaveKill, FileIsAlwaysCompleteOldOrNew) {
    ScratchDir dir;
    const std::string path = dir.File("Vesmark.ini");
    // Unknown lines make each save write some 64 KB, so kills land inside writes.
    std::string unknown = "[Unknown]\r\n";
    for (int i = 0; unknown.size() < 64 * 1024; ++i) unknown += "K" + std::to_string(i) + "=v\r\n";
    OptionSettings a = DefaultSettings();
    OptionSettings b = DefaultSettings();
    b.ButtonFormat = "hh:nn";
    b.BackupFolder = "/backup";
    b.SaveInterval = 15;

    WriteBytes(path, unknown);
    ASSERT_TRUE(Save(path, b).ok);
    const std::string fileB = ReadBytes(path);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(Save(path, a).ok);
    const auto oneSave = std::chrono::steady_clock::now() - started;
    const std::string fileA = ReadBytes(path);
    ASSERT_NE(fileA, fileB);

    // Delays up to a few saves long, so that some kills come before the first
    // rename and most come in the middle of later saves.
    const auto maxDelay = std::chrono::duration_cast<std::chrono::microseconds>(oneSave * 4).count() + 200;
    std::mt19937 rng(2024);
    int sawA = 0;
    int sawB = 0;
    int leftovers = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (;;) {
                (void)Save(path, b);
                (void)Save(path, a);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % maxDelay));
        ASSERT_EQ(::kill(pid, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);

        const std::string now = ReadBytes(path);
        if (now == fileA) {
            ++sawA;
        } else if (now == fileB) {
            ++sawB;
        } else {
            FAIL() << "kill " << kill << ": the file is neither complete version (" << now.size()
                   << " bytes)";
        }
        // A killed save may leave its unfinished new file behind (the next save
        // removes it), never in place of the settings file.
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            if (e.path().filename() == "Vesmark.ini") continue;
            EXPECT_TRUE(e.path().filename().string().starts_with("Vesmark.ini.")) << e.path();
            std::filesystem::remove(e.path());
            ++leftovers;
        }
        // Start each round from the old version.
        if (now != fileA) {
            ASSERT_TRUE(Save(path, a).ok);
        }
    }
    std::printf("[          ] 200 kills: %d old, %d new, %d unfinished new files left\n", sawA, sawB,
                leftovers);
    EXPECT_GT(sawB, 0) << "no kill came after a completed save";
}

}  // namespace
}  // namespace vesmark::settings
