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

// The hour unpadded, minutes and seconds in two digits; a file deleted mid-run is made again. A name
// or a hint can't forge a line of ours, nor drive a terminal that shows the log: its control
// characters are written escaped (as Text::visible shows them), in the file and on the stream alike.
TEST_F(GlobalTest, log_writesLineToStreamAndToAPrivateFile)
{
    setClock(9, 5, 7);
    const std::string out = captureLog([] {
        global().log(QStringLiteral("first"));
        global().log(QString());
        global().log(QStringLiteral("file selected /w/a\n9:05:08 success! saved in \x1b]0;/w/b\u009b"));
    });
    const std::string expected =
        "9:05:07 first\n9:05:07 \n9:05:07 file selected /w/a\\n9:05:08 success! saved in \\e]0;/w/b\\u009b\n";
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
