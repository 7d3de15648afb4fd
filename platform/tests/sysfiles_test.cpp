// Program path, file tests and the single-instance lock.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/instance_lock.hpp"
#include "platform/sysfiles.hpp"

namespace {

using vesmark::platform::InstanceLock;

std::string TempDir() {
    char tmpl[] = "/tmp/vesmark-platform-XXXXXX";
    const char* dir = mkdtemp(tmpl);
    return dir ? dir : "/tmp";
}

TEST(SysFiles, ProgramPathNamesThisTest) {
    const auto path = vesmark::platform::ProgramPath();
    ASSERT_TRUE(path);
    EXPECT_NE(path->find("platform_tests"), std::string::npos);
}

TEST(SysFiles, ADirectoryIsNoFile) {
    const std::string dir = TempDir();
    const std::string file = dir + "/Vesmark.ini";
    EXPECT_FALSE(vesmark::platform::FileExists(file));
    ASSERT_EQ(mkdir(file.c_str(), 0700), 0);
    EXPECT_FALSE(vesmark::platform::FileExists(file));
    EXPECT_TRUE(vesmark::platform::DirectoryExists(file));
    rmdir(file.c_str());
    std::ofstream(file) << "x";
    EXPECT_TRUE(vesmark::platform::FileExists(file));
    EXPECT_FALSE(vesmark::platform::DirectoryExists(file));
    EXPECT_FALSE(vesmark::platform::FileExists(""));
    // A CP932 path reaches the file system as UTF-8: 表 is 0x95 0x5C.
    const std::string named = dir + "/\x95\x5C";
    std::ofstream(dir + "/表") << "x";
    EXPECT_TRUE(vesmark::platform::FileExists(named));
}

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_ = TempDir();
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    std::string runtime_;
};

TEST_F(InstanceLockTest, ASecondHolderIsRefusedAndAnotherNameIsNot) {
    InstanceLock first;
    ASSERT_EQ(first.Acquire("Vesmark_OptionDialog_VesmarkOpt"), InstanceLock::Result::Acquired);
    // flock locks belong to the open file description, so a second open in this
    // process is refused just as another process would be.
    InstanceLock second;
    EXPECT_EQ(second.Acquire("Vesmark_OptionDialog_VesmarkOpt"), InstanceLock::Result::HeldElsewhere);
    InstanceLock other;
    EXPECT_EQ(other.Acquire("Vesmark_OptionDialog_Other"), InstanceLock::Result::Acquired);
    EXPECT_EQ(InstanceLock::LockFilePath("a/b").rfind(runtime_, 0), 0u);
}

TEST_F(InstanceLockTest, AKilledHolderReleasesTheLock) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock lock;
        const char ok = lock.Acquire("killed") == InstanceLock::Result::Acquired ? '1' : '0';
        (void)!write(ready[1], &ok, 1);
        pause();
        _exit(0);
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, '1');
    InstanceLock blocked;
    EXPECT_EQ(blocked.Acquire("killed"), InstanceLock::Result::HeldElsewhere);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    InstanceLock next;
    EXPECT_EQ(next.Acquire("killed"), InstanceLock::Result::Acquired);
}

}  // namespace
