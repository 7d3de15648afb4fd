// The built vesmark-format program: exit statuses, standard streams and UTF-8.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string out;  // standard output and standard error together
};

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the program with the arguments; `input` is fed to its standard input.
Result RunProgram(const std::vector<std::string>& args, const std::string& input = {}) {
    std::string command = "printf '%s' " + ShellQuote(input) + " | " +
                          ShellQuote(VESMARK_FORMAT_EXECUTABLE);
    for (const auto& a : args) command += " " + ShellQuote(a);
    command += " 2>&1";
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(ExecutableTest, PrintsUtf8Lines) {
    const Result r = RunProgram({"--at", "2004-01-01T13:05:07", "--locale", "date-sep=/",
                                 "yyyy/mm/dd'('aaa')'", "aaaa"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2004/01/01(木)\n木曜日\n");
}

TEST(ExecutableTest, HelpExitsWithZero) {
    const Result r = RunProgram({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("usage: vesmark-format", 0), 0u);
}

TEST(ExecutableTest, ACharacterCodePage932CannotHoldExitsWithTwo) {
    const Result r = RunProgram({"yyyy'한'"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("U+D55C"), std::string::npos) << r.out;
}

TEST(ExecutableTest, ABadDateExitsWithTwo) {
    const Result r = RunProgram({"--at", "2023-02-30", "yyyy"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
}

TEST(ExecutableTest, BatchAnswersEachLineOfStandardInput) {
    const Result r = RunProgram({"--batch"}, "decode\t37987.5\r\nrender\t797979\nnope\ncache");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "ok\n"
              "32303034\n"
              "error\tunknown request\n"
              "0x1.28c7p+15 1 4 2004 1 1 5 12 0 0 0 2453006\n");
}

}  // namespace
