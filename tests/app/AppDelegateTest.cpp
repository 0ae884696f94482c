// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"
#include "PaneTestSupport.h"

#include "AppDelegate.h"
#include "BackgroundRun.h"
#include "Services.h"
#include "CustomWindow.h"
#include "Decrypt.h"
#include "Encrypt.h"
#include "Version.h"
#include "ViewController.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

enum class Start { Plain, Package, Encrypt };

class Launch : public ::testing::TestWithParam<std::tuple<bool, Start>>
{
protected:
    TestEnvironment env;
    CustomWindow window;
    AppDelegate delegate{&window, Services{}};
};

TEST_P(Launch, logsVersionThenThemeOnceAroundAnyStartUpRequest)
{
    const auto [dark, start] = GetParam();
    storeDark(dark);
    const QString package = packageFolder(env, "report.lockfern");
    const QString notes = QString::fromStdString(env.work()) + QStringLiteral("notes.txt");
    writeFileBytes(notes.toStdString(), "notes");
    std::optional<Request> request;
    if (start == Start::Package) {
        request = Request{Request::Action::Open, Path::fromText(package + QStringLiteral("/.//"))}; // made clean
    } else if (start == Start::Encrypt) {
        request = Request{Request::Action::Encrypt, Path::fromText(notes)};
    }
    delegate.launch(request);
    ASSERT_TRUE(waitFor([this] { return countOf(env.logMessages(), global().getTheme().toStdString()) == 1; }));
    EXPECT_TRUE(waitFor([&] { return child(window.mainView(), "dView")->isVisible() == (start == Start::Package); }));
    QCoreApplication::processEvents();

    std::vector<std::string> expected = {"main view presented"};
    if (start == Start::Package) {
        expected.insert(expected.end(), {openedLine(package), "main view presented"});
    }
    expected.insert(expected.end(), {"Version " LOCKFERN_VERSION_SHORT " (" LOCKFERN_BUILD_NUMBER ")",
                                     dark ? "dark theme" : "white theme", "main view presented"});
    if (start == Start::Encrypt) {
        expected.insert(expected.end(), {"main view presented", "encrypt view presented",
                                         "file selected " + notes.toStdString(), "file added succesfully"});
    }
    const auto messages = env.logMessages();
    ASSERT_GE(messages.size(), expected.size());
    EXPECT_EQ(std::vector(messages.begin(), messages.begin() + expected.size()), expected);
    EXPECT_EQ(countOf(messages, "white theme") + countOf(messages, "dark theme"), 1);
    // The main views replaced on the way are gone, so only one takes the package up.
    EXPECT_EQ(window.findChildren<ViewController*>().size(), 1);
    EXPECT_EQ(child(window.mainView(), "dView")->isVisible(), start == Start::Package);
    EXPECT_EQ(shownToolTip(child(window.mainView(), "fileNameE")), start == Start::Encrypt ? notes : QString());
    // 560×420 is the least it takes; it grows to show more.
    for (const auto& [asked, got] : {std::pair(QSize(300, 200), QSize(560, 420)), std::pair(QSize(900, 600), QSize(900, 600))}) {
        window.resize(asked);
        EXPECT_EQ(window.size(), got);
    }
}

INSTANTIATE_TEST_SUITE_P(ThemesAndRequests, Launch,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(Start::Plain, Start::Package, Start::Encrypt)));

// A package handed over is taken up once: a request to encrypt that comes after it opens the encrypt
// pane with its file, without the decrypt pane taking the old package up again on the way.
TEST(Requests, encryptAfterAPackageOpensOnlyTheEncryptPane)
{
    TestEnvironment env;
    CustomWindow window;
    AppDelegate delegate{&window, Services{}};
    delegate.launch(std::nullopt);
    ASSERT_TRUE(waitFor([&] { return countOf(env.logMessages(), "white theme") == 1; }));
    const QString package = packageFolder(env, "report.lockfern");
    delegate.handleForwarded({Request::Action::Open, Path::fromText(package)});
    ASSERT_TRUE(waitFor([&] { return child(window.mainView(), "dView")->isVisible(); }));

    const QString notes = QString::fromStdString(env.file("notes.txt", "notes"));
    const std::size_t mark = env.logMessages().size();
    delegate.handleForwarded({Request::Action::Encrypt, Path::fromText(notes)});
    const auto messages = env.logMessages();
    EXPECT_EQ(std::vector(messages.begin() + static_cast<std::ptrdiff_t>(mark), messages.end()),
              (std::vector<std::string>{"main view presented", "encrypt view presented",
                                        "file selected " + notes.toStdString(), "file added succesfully"}));
    EXPECT_TRUE(window.mainView()->encryptPane()->isVisible());
    EXPECT_EQ(shownToolTip(child(window.mainView(), "fileNameE")), notes);
}

// Closing while a run is going asks first, Keep Running the default: only Quit ends it, and the run
// then stops and leaves nothing. A quit signal ends it without asking; with no run it closes at once.
enum class Close { NoRun, KeepRunning, Quit, Signal };

class Closing : public ::testing::TestWithParam<Close>
{
protected:
    TestEnvironment env;
    CustomWindow window;
    AppDelegate delegate{&window, Services{}};
};

TEST_P(Closing, asksFirstOnlyWhileARunIsGoing)
{
    const Close how = GetParam();
    delegate.launch(std::nullopt);
    ASSERT_TRUE(waitFor([this] { return countOf(env.logMessages(), "white theme") == 1; }));
    QCoreApplication::processEvents();
    window.mainView()->encrypt();
    Encrypt* pane = window.mainView()->encryptPane();
    pane->prepareForEncryption(Path(env.file("big.bin", std::string(std::size_t{3} << 20, 'b'))));
    if (how != Close::NoRun) {
        pane->findChild<BackgroundRun*>()->setFirstProgressHook(waitUntilCancelled);
        QTest::keyClicks(child(pane, "passwordE"), QStringLiteral("pw"));
        QTest::keyClicks(child(pane, "repeatPasswordE"), QStringLiteral("pw"));
        QTest::mouseClick(child(pane, "serviceE"), Qt::LeftButton);
        ASSERT_TRUE(pane->isBusy());
    }
    how == Close::Signal ? delegate.quit() : static_cast<void>(window.close());
    auto* question = window.findChild<QMessageBox*>(QStringLiteral("quitQuestion"));
    ASSERT_EQ(question != nullptr, how == Close::KeepRunning || how == Close::Quit);
    if (question) {
        EXPECT_EQ(QApplication::activeModalWidget(), question);
        EXPECT_EQ(question->defaultButton()->text(), QStringLiteral("Keep Running"));
        for (QPushButton* button : question->findChildren<QPushButton*>()) {
            if (button->text() == (how == Close::Quit ? QStringLiteral("Quit") : QStringLiteral("Keep Running"))) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }
    EXPECT_TRUE(waitFor([&] { return window.isVisible() == (how == Close::KeepRunning); }));
    EXPECT_EQ(pane->isBusy(), how == Close::KeepRunning);
    pane->cancelAndWait();
    EXPECT_EQ(folderEntries(env.work()), std::vector<std::string>{"big.bin"});
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing, ::testing::Values(Close::NoRun, Close::KeepRunning, Close::Quit, Close::Signal));

} // namespace
