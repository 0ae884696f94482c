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
    const QString package = makePackage(env, "report.lockfern");
    delegate.handleForwarded({Request::Action::Open, package});
    ASSERT_TRUE(waitFor([&] { return window.mainView()->decryptPane()->isVisible(); }));

    const QString notes = QString::fromStdString(env.file("notes.txt", "notes"));
    const std::size_t mark = env.logMessages().size();
    delegate.handleForwarded({Request::Action::Encrypt, notes});
    const auto messages = env.logMessages();
    EXPECT_EQ(std::vector(messages.begin() + static_cast<std::ptrdiff_t>(mark), messages.end()),
              (std::vector<std::string>{"main view presented", "encrypt view presented",
                                        "file selected " + notes.toStdString(), "file added succesfully"}));
    EXPECT_TRUE(window.mainView()->encryptPane()->isVisible());
    EXPECT_EQ(window.mainView()->encryptPane()->fields().fileE, notes);
}

} // namespace
