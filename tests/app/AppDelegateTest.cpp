// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "AppDelegate.h"
#include "CustomWindow.h"
#include "Decrypt.h"
#include "Encrypt.h"
#include "ViewController.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <regex>

namespace {

class AppDelegateTest : public ::testing::Test
{
protected:
    TestEnvironment env;
    CustomWindow window;
    AppDelegate delegate{&window, testServices()};

    QString package(const char* name) const
    {
        const QString path = QString::fromStdString(env.work()) + QString::fromLatin1(name);
        QDir().mkpath(path);
        return path;
    }

    bool launched() const
    {
        return waitFor([this] { return countOf(env.logMessages(), global().getTheme().toStdString()) == 1; });
    }
};

struct LaunchCase
{
    bool dark;
    bool withFile;
    std::vector<std::string> expected; // "<version>" and "<file>" stand for the run's values
};

class Launch : public AppDelegateTest, public ::testing::WithParamInterface<LaunchCase>
{
};

TEST_P(Launch, logsVersionThenThemeOnceAfterAnyStartUpRequest)
{
    storeDark(GetParam().dark);
    const QString file = package("report.lockfern");
    delegate.launch(GetParam().withFile ? std::optional(file) : std::nullopt);
    ASSERT_TRUE(launched());
    QCoreApplication::processEvents();

    const auto messages = env.logMessages();
    ASSERT_GE(messages.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < GetParam().expected.size(); ++i) {
        const std::string& expected = GetParam().expected[i];
        if (expected == "<version>") {
            EXPECT_TRUE(std::regex_match(messages[i], std::regex(R"(Version \d+(\.\d+)* \(\d+\))"))) << messages[i];
        } else if (expected == "<file>") {
            EXPECT_EQ(messages[i], "opened from finder with file " + file.toStdString());
        } else {
            EXPECT_EQ(messages[i], expected) << "line " << i;
        }
    }
    EXPECT_EQ(countOf(messages, "white theme") + countOf(messages, "dark theme"), 1);
    ASSERT_NE(window.mainView(), nullptr);
    EXPECT_EQ(window.mainView()->decryptPane()->isVisibleTo(window.mainView()), GetParam().withFile);
    EXPECT_TRUE(window.windowTitle().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Starts, Launch,
    ::testing::Values(
        LaunchCase{false, false, {"main view presented", "<version>", "white theme", "main view presented"}},
        LaunchCase{true, false, {"main view presented", "<version>", "dark theme", "main view presented"}},
        LaunchCase{false,
                   true,
                   {"main view presented", "<file>", "main view presented", "<version>", "white theme",
                    "main view presented"}}));

TEST_F(AppDelegateTest, startWithAPackageShowsTheDecryptPaneOfOneMainViewOnly)
{
    const QString file = package("report.lockfern");
    delegate.launch(file);
    ASSERT_TRUE(launched());
    ASSERT_TRUE(waitFor([this] { return window.mainView() && window.mainView()->decryptPane()->isVisible(); }));
    QCoreApplication::processEvents();
    // Only the main view that stays gets to show its decrypt pane, so the package is taken up once.
    EXPECT_LE(countOf(env.logMessages(), "decrypt view presented"), 1);
    EXPECT_EQ(window.findChildren<ViewController*>().size(), 1);
    EXPECT_TRUE(global().isOpenedFromFile);
    EXPECT_EQ(global().openedFile, file);
}

TEST_F(AppDelegateTest, twoRequestsInARowEachReplaceTheMainView)
{
    delegate.launch(std::nullopt);
    ASSERT_TRUE(launched());
    const QString first = package("first.lockfern");
    const QString second = package("second.lockfern");

    EXPECT_TRUE(delegate.openFile(first));
    QPointer<ViewController> afterFirst = window.mainView();
    EXPECT_TRUE(delegate.openFile(second));
    ASSERT_TRUE(waitFor([&] { return afterFirst.isNull(); }));

    EXPECT_EQ(global().openedFile, second);
    // The decrypt panes add their own lines; these are the delegate's and the main views'.
    std::vector<std::string> tail;
    for (const std::string& message : env.logMessages()) {
        if (message.starts_with("opened from finder") || message == "main view presented") {
            tail.push_back(message);
        }
    }
    ASSERT_GE(tail.size(), 4u);
    tail.erase(tail.begin(), tail.end() - 4);
    EXPECT_EQ(tail, (std::vector<std::string>{"opened from finder with file " + first.toStdString(),
                                              "main view presented",
                                              "opened from finder with file " + second.toStdString(),
                                              "main view presented"}));
    ASSERT_TRUE(waitFor([this] { return window.mainView()->decryptPane()->isVisible(); }));
}

TEST_F(AppDelegateTest, aRequestDuringARunWaitsUntilTheRunHasEnded)
{
    delegate.launch(std::nullopt);
    ASSERT_TRUE(launched());
    QPointer<ViewController> working = window.mainView();
    working->encrypt();
    emit working->encryptPane()->busyChanged(true);

    const QString file = package("later.lockfern");
    EXPECT_TRUE(delegate.openFile(file));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.mainView(), working.data());
    EXPECT_EQ(countOf(env.logMessages(), "opened from finder with file " + file.toStdString()), 0);
    EXPECT_FALSE(global().isOpenedFromFile);

    emit working->encryptPane()->busyChanged(false);
    EXPECT_EQ(countOf(env.logMessages(), "opened from finder with file " + file.toStdString()), 1);
    ASSERT_TRUE(waitFor([&] { return working.isNull(); }));
    EXPECT_TRUE(waitFor([this] { return window.mainView()->decryptPane()->isVisible(); }));
}

TEST_F(AppDelegateTest, closingTheWindowEndsTheApplication)
{
    delegate.launch(std::nullopt);
    ASSERT_TRUE(launched());
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(lastClosed.count(), 1);
    EXPECT_TRUE(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());
}

struct TerminateCase
{
    bool logPresent;
};

class Terminate : public AppDelegateTest, public ::testing::WithParamInterface<TerminateCase>
{
};

TEST_P(Terminate, removesTheLogFileAndIgnoresAMissingOne)
{
    global().log(QStringLiteral("something"));
    if (!GetParam().logPresent) {
        ASSERT_TRUE(QFile::remove(QString::fromStdString(env.logPath())));
    }
    delegate.applicationWillTerminate();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(env.logPath())));
}

INSTANTIATE_TEST_SUITE_P(LogFile, Terminate, ::testing::Values(TerminateCase{true}, TerminateCase{false}));

TEST_F(AppDelegateTest, withoutAWindowARequestOnlyRecordsTheFile)
{
    AppDelegate windowless(nullptr, testServices());
    const QString file = package("report.lockfern");
    EXPECT_TRUE(windowless.openFile(file));
    EXPECT_TRUE(global().isOpenedFromFile);
    EXPECT_EQ(global().openedFile, file);
    EXPECT_EQ(env.logMessages(), std::vector<std::string>{"opened from finder with file " + file.toStdString()});
}

} // namespace
