// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"
#include "Global.h"
#include "TestEnvironment.h"

#include <QSettings>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using ::testing::ElementsAre;

namespace {

class GlobalTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    void setClock(int h, int m, int s)
    {
        global().setClock([h, m, s] { return QTime(h, m, s); });
    }

    // Everything the log wrote to its stream, through a temporary file.
    std::string captureLog(const std::function<void()>& body)
    {
        std::FILE* stream = std::tmpfile();
        global().setLogStream(stream);
        body();
        global().setLogStream(nullptr);
        return readWhole(stream);
    }
};

struct StampCase
{
    int hour, minute, second;
    const char* stamp;
};

class TimeStampTest : public GlobalTest, public ::testing::WithParamInterface<StampCase>
{
};

TEST_P(TimeStampTest, hourUnpaddedMinutesAndSecondsTwoDigits)
{
    const StampCase& c = GetParam();
    setClock(c.hour, c.minute, c.second);
    EXPECT_EQ(global().getTime().toStdString(), c.stamp);
}

INSTANTIATE_TEST_SUITE_P(Stamps, TimeStampTest,
                         ::testing::Values(StampCase{0, 0, 0, "0:00:00"}, StampCase{9, 5, 7, "9:05:07"},
                                           StampCase{14, 30, 0, "14:30:00"}, StampCase{23, 59, 59, "23:59:59"},
                                           StampCase{10, 10, 10, "10:10:10"}));

TEST_F(GlobalTest, log_writesLineToStreamAndAppendsToFile)
{
    setClock(9, 5, 7);
    const std::string out = captureLog([] {
        global().log(QStringLiteral("first"));
        global().log(QString());
        global().log(QStringLiteral("two\nlines"));
    });
    const std::string expected = "9:05:07 first\n9:05:07 \n9:05:07 two\nlines\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(readFileBytes(env.logPath()), expected);
}

TEST_F(GlobalTest, log_fileIsPrivate)
{
    global().log(QStringLiteral("x"));
    struct stat st {};
    ASSERT_EQ(::stat(env.logPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(GlobalTest, log_recreatesFileDeletedMidRun)
{
    setClock(1, 2, 3);
    global().log(QStringLiteral("before"));
    ASSERT_EQ(::unlink(env.logPath().c_str()), 0);
    global().log(QStringLiteral("after"));
    EXPECT_EQ(readFileBytes(env.logPath()), "1:02:03 after\n");
}

TEST_F(GlobalTest, log_doesNotFollowPlantedLink)
{
    const std::string target = env.work() + "elsewhere.txt";
    writeFileBytes(target, "untouched");
    ASSERT_EQ(::symlink(target.c_str(), env.logPath().c_str()), 0);
    setClock(1, 2, 3);
    const std::string out = captureLog([] { global().log(QStringLiteral("secret")); });
    EXPECT_EQ(out, "1:02:03 secret\nSomething went wrong.\n");
    EXPECT_EQ(readFileBytes(target), "untouched");
}

TEST_F(GlobalTest, log_fifoAtLogPathNeitherBlocksNorIsWritten)
{
    ASSERT_EQ(::mkfifo(env.logPath().c_str(), 0600), 0);
    const std::string out = captureLog([] { global().log(QStringLiteral("x")); });
    EXPECT_NE(out.find("Something went wrong."), std::string::npos);
}

// Folders the log must not use: shared with others, or not a real folder.
class UnsafeTemporaryTest : public GlobalTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(UnsafeTemporaryTest, everyLineStillOnStdoutFollowedBySomethingWentWrong)
{
    const std::string kind = GetParam();
    const std::string fallback = env.root().toStdString() + "/cache/lockfern";
    ::unsetenv("XDG_RUNTIME_DIR");
    ::mkdir((env.root().toStdString() + "/cache").c_str(), 0700);
    if (kind == "shared") {
        ASSERT_EQ(::mkdir(fallback.c_str(), 0700), 0);
        ASSERT_EQ(::chmod(fallback.c_str(), 0777), 0);
    } else if (kind == "link") {
        ASSERT_EQ(::symlink(env.runtime().c_str(), fallback.c_str()), 0);
    } else if (kind == "file") {
        writeFileBytes(fallback, "");
    } else if (kind == "foreign") {
        ASSERT_EQ(::mkdir(fallback.c_str(), 0700), 0);
        ASSERT_EQ(::chown(fallback.c_str(), ::geteuid() + 1, ::getegid()), 0);
    }
    setClock(8, 0, 0);
    const std::string out = captureLog([] {
        global().log(QStringLiteral("one"));
        global().log(QStringLiteral("two"));
    });
    EXPECT_EQ(out, "8:00:00 one\nSomething went wrong.\n8:00:00 two\nSomething went wrong.\n");
    EXPECT_FALSE(std::ifstream(env.logPath()).good());
}

INSTANTIATE_TEST_SUITE_P(Traps, UnsafeTemporaryTest, ::testing::Values("shared", "link", "file", "foreign"));

// Without a runtime folder: a private folder in the user's cache, which another user can't take
// first the way they could take a name in the shared temporary folder.
TEST_F(GlobalTest, temporary_fallsBackToAPrivateFolderInTheUsersCache)
{
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string squatted = env.root().toStdString() + "/lockfern-" + std::to_string(::geteuid());
    ASSERT_EQ(::mkdir(squatted.c_str(), 0777), 0);
    const std::string home = env.root().toStdString() + "/home";
    ASSERT_EQ(::mkdir(home.c_str(), 0700), 0);
    const char* savedHome = std::getenv("HOME");
    const std::optional<std::string> previousHome = savedHome ? std::optional<std::string>(savedHome) : std::nullopt;
    for (const bool xdgCache : {true, false}) {
        if (!xdgCache) {
            ::unsetenv("XDG_CACHE_HOME");
            ::setenv("HOME", home.c_str(), 1);
        }
        const std::string expected = xdgCache ? env.root().toStdString() + "/cache/lockfern/" : home + "/.cache/lockfern/";
        EXPECT_EQ(Folder::temporary().path(), expected);
        struct stat st {};
        ASSERT_EQ(::stat(expected.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        global().log(QStringLiteral("logged"));
        EXPECT_EQ(readFileBytes(expected + Global::kLogFileName).find(" logged\n") != std::string::npos, true);
    }
    previousHome ? ::setenv("HOME", previousHome->c_str(), 1) : ::unsetenv("HOME");
}

TEST_F(GlobalTest, sharedStateStartsEmpty)
{
    EXPECT_FALSE(global().isOpenedFromFile);
    EXPECT_EQ(global().openedFile, QString());
    EXPECT_FALSE(global().hintExist);
    EXPECT_EQ(global().hint, QString());
}

TEST_F(GlobalTest, theme_readAfreshEachTime)
{
    EXPECT_EQ(global().getTheme(), QStringLiteral("white theme"));
    {
        QSettings other(QStringLiteral("Lockfern"), QStringLiteral("Lockfern"));
        other.setValue(QStringLiteral("dark"), true);
    }
    EXPECT_EQ(global().getTheme(), QStringLiteral("dark theme"));
    Global::setDark(false);
    EXPECT_EQ(global().getTheme(), QStringLiteral("white theme"));
}

TEST_F(GlobalTest, theme_preferenceIsStoredOnDisk)
{
    Global::setDark(true);
    const std::string conf = readFileBytes(env.root().toStdString() + "/config/Lockfern/Lockfern.conf");
    EXPECT_NE(conf.find("dark=true"), std::string::npos);
}

TEST_F(GlobalTest, theme_brokenPreferenceFileReadsWhite)
{
    ::mkdir((env.root().toStdString() + "/config/Lockfern").c_str(), 0700);
    writeFileBytes(env.root().toStdString() + "/config/Lockfern/Lockfern.conf", "\x01\xff[[[dark=maybe\n");
    EXPECT_EQ(global().getTheme(), QStringLiteral("white theme"));
}

TEST_F(GlobalTest, version_isVersionShortThenBuildInParentheses)
{
    EXPECT_EQ(global().getVersion(), QStringLiteral("Version 1.0 (1)"));
}

class RecordingComposer : public MailComposer
{
public:
    struct Mail
    {
        QStringList recipients;
        QString subject, body, attachment;
    };
    std::vector<Mail> mails;
    void compose(const QStringList& r, const QString& s, const QString& b, const QString& a) override
    {
        mails.push_back({r, s, b, a});
    }
};

TEST_F(GlobalTest, getLog_composesSupportMailWithLogAttached)
{
    auto composer = std::make_shared<RecordingComposer>();
    global().setMailComposer(composer);
    global().log(QStringLiteral("something"));
    global().getLog();
    global().getLog();
    ASSERT_EQ(composer->mails.size(), 2u);
    for (const auto& mail : composer->mails) {
        EXPECT_EQ(mail.recipients, QStringList{global().supportAddress()});
        EXPECT_EQ(mail.subject, QStringLiteral("Lockfern Version 1.0 (1) Support"));
        EXPECT_EQ(mail.body, QStringLiteral("Type here"));
        EXPECT_EQ(mail.attachment.toStdString(), env.logPath());
    }
}

TEST_F(GlobalTest, getLog_withoutLogFileOpensMailWithoutAttachment)
{
    auto composer = std::make_shared<RecordingComposer>();
    global().setMailComposer(composer);
    global().getLog();
    ASSERT_EQ(composer->mails.size(), 1u);
    EXPECT_TRUE(composer->mails[0].attachment.isEmpty());
}

} // namespace
