// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "AppDelegate.h"
#include "Services.h"
#include "CustomWindow.h"
#include "Decrypt.h"
#include "Encrypt.h"
#include "Version.h"
#include "ViewController.h"

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
    const QString package = makePackage(env, "report.lockfern");
    const QString notes = QString::fromStdString(env.work()) + QStringLiteral("notes.txt");
    writeFileBytes(notes.toStdString(), "notes");
    std::optional<Request> request;
    if (start == Start::Package) {
        request = Request{Request::Action::Open, package + QStringLiteral("/.//")}; // taken as the clean path
    } else if (start == Start::Encrypt) {
        request = Request{Request::Action::Encrypt, notes};
    }
    delegate.launch(request);
    ASSERT_TRUE(waitFor([this] { return countOf(env.logMessages(), global().getTheme().toStdString()) == 1; }));
    EXPECT_TRUE(waitFor([&] { return window.mainView()->decryptPane()->isVisible() == (start == Start::Package); }));
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
    EXPECT_EQ(window.mainView()->decryptPane()->isVisible(), start == Start::Package);
    EXPECT_EQ(window.mainView()->encryptPane()->fields().fileE, start == Start::Encrypt ? notes : QString());
    // 560×420 is the least it takes; it grows to show more.
    for (const auto& [asked, got] : {std::pair(QSize(300, 200), QSize(560, 420)), std::pair(QSize(900, 600), QSize(900, 600))}) {
        window.resize(asked);
        EXPECT_EQ(window.size(), got);
    }
}

INSTANTIATE_TEST_SUITE_P(ThemesAndRequests, Launch,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(Start::Plain, Start::Package, Start::Encrypt)));

} // namespace
