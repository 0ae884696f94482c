// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end runs of the built lockfern: a running instance, second starts, quitting by signal.
#include "AppTestSupport.h"

#include "AppDelegate.h"
#include "CustomWindow.h"
#include "Decrypt.h"
#include "Hardening.h"
#include "Encrypt.h"
#include "Hint.h"
#include "Posix.h"
#include "RNCryptorBuffer.h"
#include "Services.h"
#include "SingleInstance.h"
#include "ViewController.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QLocalSocket>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <vector>

namespace {

class ProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!std::getenv("LOCKFERN_APP")) {
            GTEST_SKIP() << "LOCKFERN_APP is not set";
        }
        m_app = QString::fromLocal8Bit(std::getenv("LOCKFERN_APP"));
        m_running.setProgram(m_app);
        m_running.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    void TearDown() override
    {
        m_running.kill();
        m_running.waitForFinished();
    }

    // Up and listening once the main view is installed after the theme line.
    bool startRunning()
    {
        m_running.start();
        return m_running.waitForStarted() && waitFor([this] {
                   const auto messages = env.logMessages();
                   const auto theme = std::find(messages.begin(), messages.end(), "white theme");
                   return std::find(theme, messages.end(), "main view presented") != messages.end();
               });
    }

    // A second start, run to its end; its exit code.
    int startSecond(const QStringList& arguments, const QString& workingDirectory = {})
    {
        QProcess second;
        second.setWorkingDirectory(workingDirectory);
        second.start(m_app, arguments);
        EXPECT_TRUE(second.waitForFinished(15000));
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    }

    // Arguments for /bin/sh that start lockfern with `option` and `path`, whose bytes need not be UTF-8:
    // QProcess passes text, and the shell's printf turns octal escapes back into bytes.
    QStringList throughShell(const std::string& path, const QString& option = {}) const
    {
        QString escaped;
        for (const char byte : path) {
            escaped += QString::asprintf("\\%03o", static_cast<unsigned char>(byte));
        }
        return {QStringLiteral("-c"), QStringLiteral("exec \"$0\" %1 \"$(printf \"$1\")\"").arg(option), m_app, escaped};
    }

    bool forwarded(const QString& path) const
    {
        return waitFor([&] { return countOf(env.logMessages(), openedLine(path)) == 1; });
    }

    TestEnvironment env;
    QString m_app;
    QProcess m_running;
};

// A second start hands its request to the running window and ends: a package, relative as tab
// completion leaves it and absolute and clean in the window, and another right after; the hint file,
// which is what file managers see of a package; --encrypt, which is how their actions ask for a
// file. Without a file it only raises the window; a request that can't be made exits 2. A name that
// is not UTF-8 is the command line's bytes, as lockfern-cli takes it, at start and handed over; the
// log shows it as text.
TEST_F(ProcessTest, aSecondStartWithTheHintFileOrToEncryptIsCarriedOutByTheRunningWindow)
{
    const std::string latin1 = env.work() + "caf\xe9.lockfern", latin1Notes = env.file("n\xe9.txt", "notes");
    env.file("caf\xe9.lockfern/caf\xe9.pdf", RNCryptor::Encryptor(QStringLiteral("pw")).encrypt("x").toStdString());
    m_running.setProgram(QStringLiteral("/bin/sh"));
    m_running.setArguments(throughShell(latin1));
    const auto taken = [this](const std::string& file) {
        return waitFor([&] {
            const auto lines = env.logMessages();
            const auto selected =
                std::find(lines.begin(), lines.end(), "file selected " + QString::fromStdString(file).toStdString());
            return selected != lines.end() && std::find(selected, lines.end(), "file added succesfully") != lines.end();
        });
    };
    ASSERT_TRUE(startRunning());
    EXPECT_TRUE(taken(latin1));
    const auto before = env.logMessages();
    const QString work = QString::fromStdString(env.work());
    EXPECT_EQ(startSecond({work + QStringLiteral("gone.lockfern")}), 2);
    EXPECT_EQ(startSecond({QStringLiteral("--encrypt")}), 2);
    EXPECT_EQ(startSecond({}), 0);
    EXPECT_EQ(env.logMessages(), before);

    const QString path = packageFolder(env, "report.lockfern");
    const QString other = packageFolder(env, "other.lockfern");
    EXPECT_EQ(startSecond({QStringLiteral("./report.lockfern/")}, work), 0);
    EXPECT_EQ(startSecond({other}), 0);
    EXPECT_TRUE(forwarded(path));
    EXPECT_TRUE(forwarded(other));
    EXPECT_EQ(m_running.state(), QProcess::Running);

    const std::string hint = env.file("sealed.lockfern/hint.lockfern", "");
    env.file("sealed.lockfern/sealed.pdf", RNCryptor::Encryptor(QStringLiteral("pw")).encrypt("x").toStdString());
    const std::string notes = env.file("notes.txt", "notes");
    EXPECT_EQ(startSecond({QString::fromStdString(hint)}), 0);
    EXPECT_TRUE(taken(hint));
    EXPECT_EQ(startSecond({QStringLiteral("--encrypt"), QStringLiteral("notes.txt")}, work), 0);
    EXPECT_TRUE(taken(notes));
    QProcess second;
    second.start(QStringLiteral("/bin/sh"), throughShell(latin1Notes, QStringLiteral("--encrypt")));
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(taken(latin1Notes));
}

// A connection to the running window's socket that never sends its request; none when the socket's
// queue is full.
UniqueFd silentConnection(const std::string& socketPath)
{
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return UniqueFd();
    }
    return fd;
}

// Silent connections, more of them than the instance may have descriptors, and then no descriptor to
// spare at all: it holds a few at a time and drops them when they say nothing, keeps listening when
// accept() fails, and takes the next start once descriptors are free again. The socket is served
// without the window here, whose painting starts threads that nothing could start without descriptors.
TEST_F(ProcessTest, silentConnectionsAndNoDescriptorsLeftNeverEndTheServer)
{
    constexpr rlim_t kLimit = 64;
    QProcess server;
    server.setChildProcessModifier([] {
        const rlimit limit{kLimit, kLimit};
        ::setrlimit(RLIMIT_NOFILE, &limit);
    });
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(QString::fromLocal8Bit(std::getenv("LOCKFERN_SINGLE_INSTANCE")),
                 {QString::fromStdString(env.runtime())});
    QByteArray output;
    const auto said = [&](const QByteArray& text) {
        return waitFor([&] {
            output += server.readAll();
            return output.contains(text);
        });
    };
    ASSERT_TRUE(said("listening"));
    const std::string socketPath = env.runtime() + "lockfern.socket";
    std::vector<UniqueFd> silent;
    const auto connectSilently = [&](int count) {
        for (int i = 0; i < count; ++i) {
            silent.push_back(silentConnection(socketPath));
        }
    };
    // Taken once the connections held before it are dropped.
    connectSilently(SingleInstance::kMaxConnections);
    const QString first = packageFolder(env, "first.lockfern");
    EXPECT_EQ(startSecond({first}), 0);
    EXPECT_TRUE(said("received " + first.toUtf8()));

    connectSilently(2 * kLimit);
    const auto pid = static_cast<pid_t>(server.processId());
    const auto setLimit = [pid](rlim_t soft) {
        const rlimit limit{soft, kLimit};
        return ::prlimit(pid, RLIMIT_NOFILE, &limit, nullptr) == 0;
    };
    ASSERT_TRUE(setLimit(3)); // nothing beyond standard input, output and error
    EXPECT_TRUE(said("Lockfern could not take a start for now, and tries again: Too many open files"));
    EXPECT_TRUE(Posix::exists(socketPath));

    ASSERT_TRUE(setLimit(kLimit));
    silent.clear();
    const QString after = packageFolder(env, "after.lockfern");
    EXPECT_EQ(startSecond({after}), 0);
    EXPECT_TRUE(said("received " + after.toUtf8()));
    EXPECT_TRUE(Posix::exists(socketPath));
    server.kill();
    server.waitForFinished();
}

// A name and the bytes sent.
using BadMessage = std::pair<const char*, QByteArray>;

using BadMessages = WithRows<ProcessTest, BadMessage>;

TEST_P(BadMessages, areRefusedAndTheInstanceKeepsServing)
{
    ASSERT_TRUE(startRunning());
    const auto before = env.logMessages();
    {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(env.runtime()) + QStringLiteral("lockfern.socket"));
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(GetParam().second);
        socket.waitForBytesWritten(5000);
        // Refused: an 'n' answer, or the connection is simply dropped.
        if (socket.waitForReadyRead(10000)) {
            EXPECT_EQ(socket.readAll(), QByteArray("n"));
        }
    }
    EXPECT_EQ(env.logMessages(), before);
    const QString path = packageFolder(env, "after.lockfern");
    EXPECT_EQ(startSecond({path}), 0);
    EXPECT_TRUE(forwarded(path));
}

QByteArray header(quint32 length)
{
    return QByteArray::fromHex(QByteArray::number(length, 16).rightJustified(8, '0'));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BadMessages,
    ::testing::Values(
        BadMessage{"tooLong", header(SingleInstance::kMaxMessageBytes + 1) + QByteArray(64, 'a')},
        BadMessage{"relativePath", header(15) + QByteArray("report.lockfern")},
        BadMessage{"missingPath", SingleInstance::encode({Request::Action::Open, Path("/nonexistent/x.lockfern")})},
        BadMessage{"embeddedNul", header(6) + QByteArray("/tmp\0x", 6)},
        BadMessage{"missingNotUtf8", header(3) + QByteArray("/\xff\xfe", 3)}),
    [](const auto& row) { return std::string(row.param.first); });

// A second start while a dialog of the running window is open, or a run goes on: its request waits
// until the dialog has closed or the run has ended, instead of replacing the main view, and the
// dialog or the run with it, under them.
using RequestDuringDialog = WithRows<ProcessTest, std::string>;

TEST_P(RequestDuringDialog, waitsUntilTheDialogHasClosedOrTheRunHasEnded)
{
    const std::string kind = GetParam();
    SingleInstance instance(QString::fromStdString(env.runtime()));
    ASSERT_TRUE(instance.becomePrimary());
    CustomWindow window;
    AppDelegate delegate(&window, Services::desktop());
    QObject::connect(&instance, &SingleInstance::requestReceived, &delegate, &AppDelegate::handleForwarded);
    delegate.launch(std::nullopt);
    ASSERT_TRUE(waitFor([&] { return countOf(env.logMessages(), "white theme") == 1; }));
    QCoreApplication::processEvents();
    window.mainView()->encrypt();
    const QPointer<ViewController> view = window.mainView();
    const QString package = packageFolder(env, "report.lockfern");

    QProcess second;
    bool untouchedMeanwhile = false;
    const auto forwardThenEnd = [&] {
        second.start(m_app, {package});
        if (!waitFor([&] { return second.state() == QProcess::NotRunning; })) {
            return;
        }
        untouchedMeanwhile = window.mainView() == view && countOf(env.logMessages(), openedLine(package)) == 0 &&
                             !global().isOpenedFromFile;
        if (kind == "fileDialog") {
            QApplication::activeModalWidget()->close();
        } else if (kind == "hintDialog") {
            QTest::mouseClick(window.findChild<Hint*>()->findChild<QPushButton*>(QStringLiteral("closeButton")),
                              Qt::LeftButton);
        } else {
            emit view->encryptPane()->busyChanged(false);
        }
    };
    if (kind == "fileDialog") {
        QTimer::singleShot(0, &window, forwardThenEnd); // runs inside the dialog's own event loop
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("chooseE")), Qt::LeftButton);
    } else {
        if (kind == "hintDialog") {
            QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("hintButtonE")), Qt::LeftButton);
        } else {
            emit view->encryptPane()->busyChanged(true);
        }
        forwardThenEnd();
    }
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(untouchedMeanwhile);
    ASSERT_TRUE(forwarded(package));
    EXPECT_TRUE(waitFor([&] { return view.isNull() && child(window.mainView(), "dView")->isVisible(); }));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, RequestDuringDialog, ::testing::Values("fileDialog", "hintDialog", "run"));

// Nothing else running as the user may read the window's memory (typed passwords) or attach to it,
// unless a sanitizer needs it.
TEST_F(ProcessTest, theWindowsProcessIsNotDumpable)
{
    QStringList command;
    for (const std::string& part : asAnotherUser(env)) {
        command << QString::fromStdString(part);
    }
    command << m_app;
    QProcess window;
    window.start(command.takeFirst(), command);
    ASSERT_TRUE(window.waitForStarted());
    EXPECT_TRUE(waitFor([&] { return window.readAllStandardOutput().contains("main view presented"); }));
    EXPECT_EQ(isDumpable(static_cast<pid_t>(window.processId())), std::optional(!kHiddenFromOtherProcesses));
    window.kill();
    window.waitForFinished();
}

// Standard output that is the systemd journal, as JOURNAL_STREAM names it, gets no log line: the
// journal would keep them long after the log file is gone. The log file has them all the same, and a
// standard output that JOURNAL_STREAM does not name gets every one.
TEST_F(ProcessTest, logLinesStayOutOfTheJournal)
{
    const std::string journal = env.file("journal", ""), other = env.file("other", "");
    struct stat named {};
    ASSERT_EQ(::stat(journal.c_str(), &named), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("JOURNAL_STREAM"),
                       QString::number(named.st_dev) + QLatin1Char(':') + QString::number(named.st_ino));
    m_running.setProcessEnvironment(environment);
    for (const std::string& out : {journal, other}) {
        SCOPED_TRACE(out);
        m_running.setStandardOutputFile(QString::fromStdString(out));
        ASSERT_TRUE(startRunning());
        m_running.terminate();
        ASSERT_TRUE(m_running.waitForFinished(15000));
        EXPECT_EQ(readFileBytes(out).find(" main view presented\n") != std::string::npos, out == other);
    }
}

using QuitBySignal = WithRows<ProcessTest, int>;

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

} // namespace
