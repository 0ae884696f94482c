// SPDX-License-Identifier: GPL-3.0-or-later
// The activity log: its lines, its private file, and the folders and files it must not write through.
#include "Files.h"
#include "Global.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class GlobalTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    void setClock(int h, int m, int s)
    {
        global().activityLog().setClock([h, m, s] { return QTime(h, m, s); });
    }

    // Everything the log wrote to its stream, through a temporary file.
    std::string captureLog(const std::function<void()>& body)
    {
        std::FILE* stream = std::tmpfile();
        global().activityLog().setStream(stream);
        body();
        global().activityLog().setStream(nullptr);
        return readWhole(stream);
    }
};

// The hour unpadded, minutes and seconds in two digits; a file deleted mid-run is made again.
TEST_F(GlobalTest, log_writesLineToStreamAndToAPrivateFile)
{
    setClock(9, 5, 7);
    const std::string out = captureLog([] {
        global().log(QStringLiteral("first"));
        global().log(QString());
    });
    const std::string expected = "9:05:07 first\n9:05:07 \n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(readFileBytes(env.logPath()), expected);
    struct stat st {};
    ASSERT_EQ(::stat(env.logPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    ASSERT_EQ(::unlink(env.logPath().c_str()), 0);
    setClock(23, 59, 59);
    global().log(QStringLiteral("after"));
    EXPECT_EQ(readFileBytes(env.logPath()), "23:59:59 after\n");
}

// A name or a hint can't forge a line of ours, nor drive a terminal that shows the log: its control
// characters are written escaped, as on the CLI's terminal, and once. Text stays as it is.
using EscapedLineTest = WithRows<GlobalTest, std::pair<QString, const char*>>;

TEST_P(EscapedLineTest, controlCharactersAreEscapedInTheFileAndOnTheStream)
{
    setClock(9, 5, 7);
    const std::string out = captureLog([this] { global().log(GetParam().first); });
    const std::string expected = std::string("9:05:07 ") + GetParam().second + "\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(readFileBytes(env.logPath()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EscapedLineTest,
    ::testing::Values(
        std::pair{QStringLiteral("file selected /w/a\n9:05:08 success! saved in /w/b"),
                  "file selected /w/a\\n9:05:08 success! saved in /w/b"},
        std::pair{QStringLiteral("presenting hint over\rwritten"), "presenting hint over\\rwritten"},
        std::pair{QStringLiteral("file selected /w/\x1b]0;owned\x07\x1b[2J"), "file selected /w/\\e]0;owned\\a\\e[2J"},
        std::pair{QStringLiteral("got hint \u009b2J\u007f\tend"), "got hint \\u009b2J\\x7f\\tend"},
        std::pair{QStringLiteral("added hint caf\u00e9 \\n \u4e2d"), "added hint caf\xc3\xa9 \\n \xe4\xb8\xad"}));

// Where the log must not write: a fallback folder shared with others or not a real folder, a link
// or a FIFO planted at the log's own path.
using UnsafeTemporaryTest = WithRows<GlobalTest, const char*>;

TEST_P(UnsafeTemporaryTest, everyLineStillOnStdoutFollowedBySomethingWentWrong)
{
    const std::string kind = GetParam();
    const std::string fallback = env.root().toStdString() + "/cache/lockfern";
    const char* const folder = fallback.c_str();
    const std::string target = env.file("elsewhere.txt", "untouched");
    if (!kind.starts_with("planted")) {
        ::unsetenv("XDG_RUNTIME_DIR");
        ::mkdir((env.root().toStdString() + "/cache").c_str(), 0700);
    }
    ASSERT_EQ(kind == "plantedLink"   ? ::symlink(target.c_str(), env.logPath().c_str())
              : kind == "plantedFifo" ? ::mkfifo(env.logPath().c_str(), 0600)
              : kind == "link"        ? ::symlink(env.runtime().c_str(), folder)
              : kind == "file"        ? (writeFileBytes(fallback, ""), 0)
              : kind == "shared"      ? ::mkdir(folder, 0700) + ::chmod(folder, 0777)
                                      : ::mkdir(folder, 0700) + ::chown(folder, ::geteuid() + 1, ::getegid()),
              0);
    setClock(8, 0, 0);
    const std::string out = captureLog([] {
        global().log(QStringLiteral("one"));
        global().log(QStringLiteral("two"));
    });
    EXPECT_EQ(out, "8:00:00 one\nSomething went wrong.\n8:00:00 two\nSomething went wrong.\n");
    EXPECT_EQ(readFileBytes(target), "untouched");
    if (!kind.starts_with("planted")) {
        EXPECT_FALSE(std::ifstream(env.logPath()).good());
    }
}

INSTANTIATE_TEST_SUITE_P(Traps, UnsafeTemporaryTest,
                         ::testing::Values("shared", "link", "file", "foreign", "plantedLink", "plantedFifo"));

// Without a runtime folder: a private folder in the user's cache, which another user can't take
// first the way they could take a name in the shared temporary folder.
TEST_F(GlobalTest, temporary_fallsBackToAPrivateFolderInTheUsersCache)
{
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string root = env.root().toStdString();
    ASSERT_EQ(::mkdir((root + "/lockfern-" + std::to_string(::geteuid())).c_str(), 0777), 0); // squatted
    ASSERT_EQ(::mkdir((root + "/home").c_str(), 0700), 0);
    const char* savedHome = std::getenv("HOME");
    const std::optional<std::string> previousHome = savedHome ? std::optional<std::string>(savedHome) : std::nullopt;
    for (const bool xdgCache : {true, false}) {
        if (!xdgCache) {
            ::unsetenv("XDG_CACHE_HOME");
            ::setenv("HOME", (root + "/home").c_str(), 1);
        }
        const std::string expected = root + (xdgCache ? "/cache/lockfern/" : "/home/.cache/lockfern/");
        EXPECT_EQ(Folder::temporary().path().bytes() + "/", expected);
        struct stat st {};
        ASSERT_EQ(::stat(expected.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        global().log(QStringLiteral("logged"));
        EXPECT_NE(readFileBytes(expected + ActivityLog::kFileName).find(" logged\n"), std::string::npos);
    }
    previousHome ? ::setenv("HOME", previousHome->c_str(), 1) : ::unsetenv("HOME");
}

} // namespace
