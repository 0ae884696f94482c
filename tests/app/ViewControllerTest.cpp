// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "About.h"
#include "Decrypt.h"
#include "Encrypt.h"
#include "Theme.h"
#include "Version.h"
#include "ViewController.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>

#include <QApplication>

#include <array>
#include <map>

namespace {

enum class Op { Encrypt, Decrypt, About, Back };

const char* const kWidgets[] = {"appTitle", "question", "eService", "dService", "background",
                                "bService", "eView",    "dView",    "aView"};
using Row = std::array<bool, 9>; // shown, in the order of kWidgets

constexpr bool S = true;  // shown
constexpr bool H = false; // hidden

const Row kLoadRow = {S, S, S, S, S, H, H, H, H};
const Row kEncryptRow = {H, H, H, H, S, S, S, H, H};
const Row kDecryptRow = {H, H, H, H, S, S, H, S, H};
const Row kAboutRow = {H, H, H, H, S, S, H, H, S};
const Row kBackRow = kLoadRow;

void run(ViewController& view, Op op)
{
    switch (op) {
    case Op::Encrypt: view.encrypt(); break;
    case Op::Decrypt: view.decrypt(); break;
    case Op::About: view.about(); break;
    case Op::Back: view.back(); break;
    }
}

Row visibility(const ViewController& view)
{
    Row row{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        row[i] = !child(&view, kWidgets[i])->isHidden();
    }
    return row;
}

std::string describe(const Row& row)
{
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i) {
        text += std::string(kWidgets[i]) + (row[i] ? "=shown " : "=hidden ");
    }
    return text;
}

class ViewControllerTest : public ::testing::Test
{
protected:
    TestEnvironment env;
    Services services = testServices();
};

// --- The visibility table: every operation from every state gives its own row. ---

struct NavigationCase
{
    std::vector<Op> before; // how the state was reached
    Op op;
    Row expected;
};

class VisibilityTable : public ViewControllerTest, public ::testing::WithParamInterface<NavigationCase>
{
};

TEST_P(VisibilityTable, operationSetsItsRowWhateverTheStartingState)
{
    ViewController view(services);
    for (Op op : GetParam().before) {
        run(view, op);
    }
    run(view, GetParam().op);
    EXPECT_EQ(describe(visibility(view)), describe(GetParam().expected));
}

std::vector<NavigationCase> navigationCases()
{
    const std::vector<std::vector<Op>> states = {{}, {Op::Encrypt}, {Op::Decrypt}, {Op::About}, {Op::Encrypt, Op::Back}};
    const std::map<Op, Row> rows = {
        {Op::Encrypt, kEncryptRow}, {Op::Decrypt, kDecryptRow}, {Op::About, kAboutRow}, {Op::Back, kBackRow}};
    std::vector<NavigationCase> cases;
    for (const auto& state : states) {
        for (const auto& [op, row] : rows) {
            cases.push_back({state, op, row});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllStates, VisibilityTable, ::testing::ValuesIn(navigationCases()));

TEST_F(ViewControllerTest, plainLoadShowsTheStartScreenAndLogsOnce)
{
    ViewController view(services);
    EXPECT_EQ(describe(visibility(view)), describe(kLoadRow));
    EXPECT_EQ(env.logMessages(), std::vector<std::string>{"main view presented"});
}

TEST_F(ViewControllerTest, loadWithAFileFromTheFileBrowserOpensTheDecryptPane)
{
    global().isOpenedFromFile = true;
    global().openedFile = QString::fromStdString(env.work() + "report.lockfern");
    ViewController view(services);
    EXPECT_EQ(describe(visibility(view)), describe(kDecryptRow));
    EXPECT_TRUE(global().isOpenedFromFile); // only read, never cleared here
    EXPECT_EQ(env.logMessages().front(), "main view presented");
}

TEST_F(ViewControllerTest, backLogsAndEntryActionsLogNothingOfTheirOwn)
{
    ViewController view(services);
    view.about();
    view.back();
    const auto messages = env.logMessages();
    EXPECT_EQ(countOf(messages, "back to main view"), 1);
    EXPECT_EQ(messages.back(), "back to main view");
}

// --- Appearance steps: exactly one per hidden-to-shown transition of a pane's container. ---

struct AppearanceCase
{
    std::vector<Op> ops;
    int encryptShows;
    int decryptShows;
    int aboutShows;
};

class PaneAppearances : public ViewControllerTest, public ::testing::WithParamInterface<AppearanceCase>
{
};

TEST_P(PaneAppearances, eachShowingRunsTheAppearanceStepOnce)
{
    ViewController view(services);
    ShowCounter encrypt(view.encryptPane());
    ShowCounter decrypt(view.decryptPane());
    ShowCounter about(view.aboutPane());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (Op op : GetParam().ops) {
        run(view, op);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(encrypt.shows, GetParam().encryptShows);
    EXPECT_EQ(decrypt.shows, GetParam().decryptShows);
    EXPECT_EQ(about.shows, GetParam().aboutShows);
    EXPECT_EQ(countOf(env.logMessages(), "about view presented"), GetParam().aboutShows);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PaneAppearances,
    ::testing::Values(AppearanceCase{{}, 0, 0, 0}, AppearanceCase{{Op::Encrypt}, 1, 0, 0},
                      AppearanceCase{{Op::Encrypt, Op::Encrypt}, 1, 0, 0},
                      AppearanceCase{{Op::Encrypt, Op::Back, Op::Encrypt}, 2, 0, 0},
                      AppearanceCase{{Op::Decrypt, Op::About, Op::Decrypt}, 0, 2, 1},
                      AppearanceCase{{Op::About, Op::About, Op::Back, Op::About}, 0, 0, 2},
                      AppearanceCase{{Op::Back, Op::Back}, 0, 0, 0},
                      AppearanceCase{{Op::Encrypt, Op::Decrypt, Op::About, Op::Back}, 1, 1, 1}));

TEST_F(ViewControllerTest, aFileFromTheFileBrowserShowsTheDecryptPaneOnceWhenTheViewAppears)
{
    global().isOpenedFromFile = true;
    global().openedFile = QString::fromStdString(env.work() + "report.lockfern");
    ViewController view(services);
    ShowCounter decrypt(view.decryptPane());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(decrypt.shows, 1);
    EXPECT_TRUE(view.decryptPane()->isVisible());
}

// --- Theme of the main view ---

class MainViewTheme : public ViewControllerTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(MainViewTheme, loadAppliesTheStoredTheme)
{
    const bool dark = GetParam();
    storeDark(dark);
    ViewController view(services);
    EXPECT_EQ(child<TranslucentBackground>(&view, "background")->material(), dark ? 9 : 8);
    const QColor expected = dark ? QColor(255, 255, 255) : QColor(0, 0, 0);
    EXPECT_EQ(textColor(child(&view, "appTitle")), expected);
    EXPECT_EQ(textColor(child(&view, "question")), expected);
}

// A theme switched on the about pane recolours that pane at once and the main view only on Back.
TEST_P(MainViewTheme, switchOnAboutRecoloursOnlyTheAboutPaneUntilBack)
{
    const bool startDark = GetParam();
    storeDark(startDark);
    ViewController view(services);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTest::mouseClick(child(&view, "aboutButton"), Qt::LeftButton);
    QTest::mouseClick(child(&view, "theme"), Qt::LeftButton);

    const int oldMaterial = startDark ? 9 : 8;
    const int newMaterial = startDark ? 8 : 9;
    const QColor oldText = startDark ? QColor(Qt::white) : QColor(Qt::black);
    const QColor newText = startDark ? QColor(Qt::black) : QColor(Qt::white);
    EXPECT_EQ(child<TranslucentBackground>(&view, "aBackground")->material(), newMaterial);
    for (const char* name : {"appName", "developer", "version", "themeLabel"}) {
        EXPECT_EQ(textColor(child(&view, name)), newText) << name;
    }
    EXPECT_EQ(child<TranslucentBackground>(&view, "background")->material(), oldMaterial);
    EXPECT_EQ(textColor(child(&view, "appTitle")), oldText);
    EXPECT_EQ(textColor(child(&view, "question")), oldText);

    QTest::mouseClick(child(&view, "bService"), Qt::LeftButton);
    EXPECT_EQ(child<TranslucentBackground>(&view, "background")->material(), newMaterial);
    EXPECT_EQ(textColor(child(&view, "appTitle")), newText);
    EXPECT_EQ(textColor(child(&view, "question")), newText);
    const auto messages = env.logMessages();
    EXPECT_EQ(messages.back(), "back to main view");
    EXPECT_EQ(countOf(messages, startDark ? "theme changed to white" : "theme changed to dark"), 1);
}

INSTANTIATE_TEST_SUITE_P(WhiteAndDark, MainViewTheme, ::testing::Bool());

// --- Support mail ---

TEST_F(ViewControllerTest, sendLogOpensOneMailPerPressWithRecipientSubjectBodyAndLog)
{
    auto composer = std::make_shared<RecordingMailComposer>();
    global().setMailComposer(composer);
    ViewController view(services);
    view.show();
    const Row before = visibility(view);
    QTest::mouseClick(child(&view, "logButton"), Qt::LeftButton);
    QTest::mouseClick(child(&view, "logButton"), Qt::LeftButton);

    ASSERT_EQ(composer->mails.size(), 2u);
    for (const Mail& mail : composer->mails) {
        EXPECT_EQ(mail.recipients, QStringList{QStringLiteral(LOCKFERN_SUPPORT_ADDRESS)});
        EXPECT_EQ(mail.subject, QStringLiteral("Lockfern Version " LOCKFERN_VERSION_SHORT " (" LOCKFERN_BUILD_NUMBER
                                               ") Support"));
        EXPECT_EQ(mail.body, QStringLiteral("Type here"));
        EXPECT_EQ(mail.attachment, QString::fromStdString(env.logPath()));
    }
    EXPECT_EQ(describe(visibility(view)), describe(before));
}

TEST_F(ViewControllerTest, sendLogWithoutALogFileStillOpensTheMailWithoutAttachment)
{
    auto composer = std::make_shared<RecordingMailComposer>();
    global().setMailComposer(composer);
    ViewController view(services);
    std::remove(env.logPath().c_str());
    view.getLog();
    ASSERT_EQ(composer->mails.size(), 1u);
    EXPECT_TRUE(composer->mails[0].attachment.isEmpty());
}

// --- Busy panes and the keyboard ---

TEST_F(ViewControllerTest, navigationTakesNoInputWhileAPaneIsBusy)
{
    ViewController view(services);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.encrypt();
    emit view.encryptPane()->busyChanged(true);
    ASSERT_TRUE(view.isBusy());
    for (const char* name : {"eService", "dService", "bService", "aboutButton", "logButton"}) {
        EXPECT_FALSE(child(&view, name)->isEnabled()) << name;
    }
    QTest::mouseClick(child(&view, "bService"), Qt::LeftButton);
    QTest::mouseClick(child(&view, "aboutButton"), Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(describe(visibility(view)), describe(kEncryptRow));

    emit view.encryptPane()->busyChanged(false);
    EXPECT_FALSE(view.isBusy());
    QTest::mouseClick(child(&view, "bService"), Qt::LeftButton);
    EXPECT_EQ(describe(visibility(view)), describe(kBackRow));
}

TEST_F(ViewControllerTest, escapeGoesBackFromAPaneAndReturnPressesTheFocusedEntryButton)
{
    ViewController view(services);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    child(&view, "dService")->setFocus();
    QTest::keyClick(child(&view, "dService"), Qt::Key_Return);
    EXPECT_EQ(describe(visibility(view)), describe(kDecryptRow));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(describe(visibility(view)), describe(kBackRow));
    EXPECT_EQ(env.logMessages().back(), "back to main view");
    EXPECT_TRUE(child(&view, "eService")->hasFocus());
}

TEST_F(ViewControllerTest, everyControlOfTheMainViewHasAnAccessibleName)
{
    ViewController view(services);
    for (const char* name : {"appTitle", "question", "eService", "dService", "bService", "aboutButton", "logButton",
                             "appName", "developer", "version", "theme", "themeLabel"}) {
        EXPECT_FALSE(child(&view, name)->accessibleName().isEmpty()) << name;
    }
}

} // namespace
