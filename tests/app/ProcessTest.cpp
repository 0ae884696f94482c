// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end runs of the built lockfern: a running instance, second starts, quitting by signal.
#include "AppTestSupport.h"

#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QtEndian>

#include <csignal>

namespace {

class ProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* app = std::getenv("LOCKFERN_APP");
        if (!app) {
            GTEST_SKIP() << "LOCKFERN_APP is not set";
        }
        m_app = QString::fromLocal8Bit(app);
    }

    void TearDown() override
    {
        if (m_running.state() != QProcess::NotRunning) {
            m_running.kill();
            m_running.waitForFinished();
        }
    }

    // The first instance, up and listening once its launch lines are in the log.
    bool startRunning(const QStringList& arguments = {})
    {
        m_running.setProgram(m_app);
        m_running.setArguments(arguments);
        m_running.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_running.start();
        return m_running.waitForStarted() && waitFor([this] {
                   // Launched: the theme line, then the main view installed after it.
                   const auto messages = env.logMessages();
                   const auto theme = std::find(messages.begin(), messages.end(), "white theme");
                   return std::find(theme, messages.end(), "main view presented") != messages.end();
               });
    }

    // A second start, run to its end; its exit code.
    int startSecond(const QStringList& arguments, const QString& workingDirectory = {})
    {
        QProcess second;
        second.setProgram(m_app);
        second.setArguments(arguments);
        second.setWorkingDirectory(workingDirectory);
        second.start();
        EXPECT_TRUE(second.waitForFinished(15000));
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    }

    QString socketPath() const { return QString::fromStdString(env.runtime()) + QStringLiteral("lockfern.socket"); }

    TestEnvironment env;
    QString m_app;
    QProcess m_running;
};

TEST_F(ProcessTest, aSecondStartHandsItsPackageToTheRunningInstanceAndEnds)
{
    ASSERT_TRUE(startRunning());
    const QString work = QString::fromStdString(env.work());
    QDir().mkpath(work + QStringLiteral("report.lockfern"));

    // Relative on the second start's command line, absolute in the running instance.
    EXPECT_EQ(startSecond({QStringLiteral("report.lockfern")}, work), 0);
    const std::string expected = "opened from finder with file " + env.work() + "report.lockfern";
    EXPECT_TRUE(waitFor([&] { return countOf(env.logMessages(), expected) == 1; }));
    EXPECT_EQ(m_running.state(), QProcess::Running);
}

TEST_F(ProcessTest, aSecondStartWithAMissingFileFailsAndForwardsNothing)
{
    ASSERT_TRUE(startRunning());
    const auto before = env.logMessages();
    EXPECT_EQ(startSecond({QString::fromStdString(env.work()) + QStringLiteral("gone.lockfern")}), 2);
    EXPECT_EQ(startSecond({}), 0); // a plain second start only raises the window
    EXPECT_EQ(env.logMessages(), before);
}

struct BadMessage
{
    const char* name;
    QByteArray bytes;
};

class BadMessages : public ProcessTest, public ::testing::WithParamInterface<BadMessage>
{
};

TEST_P(BadMessages, areRefusedAndTheInstanceKeepsServing)
{
    ASSERT_TRUE(startRunning());
    const auto before = env.logMessages();
    {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(GetParam().bytes);
        socket.waitForBytesWritten(5000);
        // Refused: a 'n' answer, or the connection is simply dropped.
        if (socket.waitForReadyRead(10000)) {
            EXPECT_EQ(socket.readAll(), QByteArray("n"));
        }
    }
    EXPECT_EQ(env.logMessages(), before);
    const QString work = QString::fromStdString(env.work());
    QDir().mkpath(work + QStringLiteral("after.lockfern"));
    EXPECT_EQ(startSecond({work + QStringLiteral("after.lockfern")}), 0);
    EXPECT_TRUE(waitFor([&] {
        return countOf(env.logMessages(), "opened from finder with file " + env.work() + "after.lockfern") == 1;
    }));
}

QByteArray header(quint32 length)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(length, bytes.data());
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BadMessages,
    ::testing::Values(BadMessage{"tooLong", header(SingleInstance::kMaxMessageBytes + 1) + QByteArray(64, 'a')},
                      BadMessage{"relativePath", SingleInstance::encode(QStringLiteral("report.lockfern"))},
                      BadMessage{"missingPath", SingleInstance::encode(QStringLiteral("/nonexistent/x.lockfern"))},
                      BadMessage{"notUtf8", header(3) + QByteArray("/\xff\xfe", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

class QuitBySignal : public ProcessTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(QuitBySignal, quitsCleanlyAndDeletesTheLogFile)
{
    ASSERT_TRUE(startRunning());
    ASSERT_TRUE(QFile::exists(QString::fromStdString(env.logPath())));
    ::kill(static_cast<pid_t>(m_running.processId()), GetParam());
    ASSERT_TRUE(m_running.waitForFinished(15000));
    EXPECT_EQ(m_running.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_running.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(env.logPath())));
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitBySignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST_F(ProcessTest, aStartAfterACrashTakesOverTheStaleLock)
{
    ASSERT_TRUE(startRunning());
    m_running.kill();
    ASSERT_TRUE(m_running.waitForFinished(15000));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(env.logPath())));

    const QString work = QString::fromStdString(env.work());
    QDir().mkpath(work + QStringLiteral("report.lockfern"));
    ASSERT_TRUE(startRunning({work + QStringLiteral("report.lockfern")}));
    EXPECT_EQ(countOf(env.logMessages(), "opened from finder with file " + env.work() + "report.lockfern"), 1);
}

} // namespace
