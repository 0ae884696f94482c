// SPDX-License-Identifier: GPL-3.0-or-later
// The main view and its about pane: navigation, appearance steps, theme and the support mail.
#include "AppTestSupport.h"

#include "About.h"
#include "Services.h"
#include "Theme.h"
#include "Version.h"
#include "ViewController.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

#include <cstdio>

namespace {

using Op = void (ViewController::*)();
const Op E = &ViewController::encrypt, D = &ViewController::decrypt, A = &ViewController::about,
         B = &ViewController::back;

const char* const kWidgets[] = {"appTitle", "question", "eService", "dService", "background",
                                "bService", "eView",    "dView",    "aView"};
const std::string kLoadRow = "appTitle question eService dService background";
const std::string kDecryptRow = "background bService dView";
const std::vector<std::pair<Op, std::string>> kRows = {
    {E, "background bService eView"}, {D, kDecryptRow}, {A, "background bService aView"}, {B, kLoadRow}};

// The names of the shown widgets, in kWidgets order.
std::string shown(const ViewController& view)
{
    std::string names;
    for (const char* name : kWidgets) {
        if (!child(&view, name)->isHidden()) {
            names += (names.empty() ? "" : " ") + std::string(name);
        }
    }
    return names;
}

struct Screen
{
    const char* background;
    std::vector<const char*> texts;
};
const Screen kMain = {"background", {"appTitle", "question"}};
const Screen kAbout = {"aBackground", {"appName", "developer", "version", "themeLabel"}};

// Material 9 and white text in the dark theme, material 8 and black text in the white one.
void expectTheme(const QWidget& view, const Screen& screen, bool dark)
{
    EXPECT_EQ(child<TranslucentBackground>(&view, screen.background)->material(), dark ? 9 : 8) << screen.background;
    for (const char* name : screen.texts) {
        EXPECT_EQ(child(&view, name)->palette().color(QPalette::WindowText), dark ? QColor(Qt::white) : QColor(Qt::black))
            << name;
    }
}

// Loaded plainly or with a package from the file manager, then driven through `ops`.
struct Start
{
    bool fromFile;
    std::vector<Op> ops;
};

class ViewControllerTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    std::unique_ptr<ViewController> load(bool fromFile = false) const
    {
        global().isOpenedFromFile = fromFile;
        global().openedFile = fromFile ? QString::fromStdString(env.work() + "report.lockfern") : QString();
        return std::make_unique<ViewController>(Services{});
    }

    static void run(ViewController& view, const std::vector<Op>& ops)
    {
        for (Op op : ops) {
            (view.*op)();
        }
    }
};

class VisibilityTable : public ViewControllerTest, public ::testing::WithParamInterface<std::pair<Start, std::string>>
{
};

TEST_P(VisibilityTable, eachOperationGivesItsRowWhateverTheStartingState)
{
    const auto& [start, expected] = GetParam();
    auto view = load(start.fromFile);
    run(*view, start.ops);
    EXPECT_EQ(shown(*view), expected);
}

// Both loads, then every operation from every state.
std::vector<std::pair<Start, std::string>> navigations()
{
    std::vector<std::pair<Start, std::string>> cases = {{{false, {}}, kLoadRow}, {{true, {}}, kDecryptRow}};
    for (const Start& state : {Start{false, {}}, Start{true, {}}, Start{false, {E}}, Start{false, {D}},
                               Start{false, {A}}, Start{false, {E, B}}}) {
        for (const auto& [op, row] : kRows) {
            Start next = state;
            next.ops.push_back(op);
            cases.push_back({next, row});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllStates, VisibilityTable, ::testing::ValuesIn(navigations()));

struct Appearances
{
    Start start;
    long encrypt, decrypt, about;
};

class PaneAppearances : public ViewControllerTest, public ::testing::WithParamInterface<Appearances>
{
};

// Each pane's appearance step logs its line once.
TEST_P(PaneAppearances, eachShowingRunsTheAppearanceStepOnce)
{
    auto view = load(GetParam().start.fromFile);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    run(*view, GetParam().start.ops);
    QCoreApplication::processEvents();
    const auto messages = env.logMessages();
    EXPECT_EQ(countOf(messages, "encrypt view presented"), GetParam().encrypt);
    EXPECT_EQ(countOf(messages, "decrypt view presented"), GetParam().decrypt);
    EXPECT_EQ(countOf(messages, "about view presented"), GetParam().about);
}

INSTANTIATE_TEST_SUITE_P(Sequences, PaneAppearances,
                         ::testing::Values(Appearances{{false, {}}, 0, 0, 0}, Appearances{{true, {}}, 0, 1, 0},
                                           Appearances{{false, {E, E}}, 1, 0, 0}, Appearances{{false, {E, B, E}}, 2, 0, 0},
                                           Appearances{{false, {D, A, D}}, 0, 2, 1},
                                           Appearances{{false, {A, A, B, A}}, 0, 0, 2},
                                           Appearances{{false, {E, D, A, B}}, 1, 1, 1}));

class ThemeSwitch : public ViewControllerTest, public ::testing::WithParamInterface<std::optional<bool>>
{
};

// Each screen loads in the stored theme (never written: white); a switch on the about pane
// recolours that pane at once and the main view only on Back.
TEST_P(ThemeSwitch, recoloursOnlyTheAboutPaneUntilBack)
{
    if (GetParam()) {
        storeDark(*GetParam());
    }
    const bool dark = GetParam().value_or(false);
    auto view = load();
    expectTheme(*view, kAbout, dark);
    EXPECT_EQ(child<QCheckBox>(view.get(), "theme")->isChecked(), dark);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QTest::mouseClick(child(view.get(), "aboutButton"), Qt::LeftButton);
    QTest::mouseClick(child(view.get(), "theme"), Qt::LeftButton);
    expectTheme(*view, kAbout, !dark);
    expectTheme(*view, kMain, dark);
    QTest::mouseClick(child(view.get(), "bService"), Qt::LeftButton);
    expectTheme(*view, kMain, !dark);
    EXPECT_EQ(countOf(env.logMessages(), dark ? "theme changed to white" : "theme changed to dark"), 1);
}

INSTANTIATE_TEST_SUITE_P(StoredPreference, ThemeSwitch, ::testing::Values(std::nullopt, false, true));

// However the switch is toggled, the theme changes, is stored and logged: a screen reader's action
// ticks the box without a click.
TEST_F(ViewControllerTest, theThemeSwitchWorksThroughItsAccessibilityAction)
{
    auto view = load();
    view->show();
    view->about();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(child(view.get(), "theme"));
    ASSERT_TRUE(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Global::isDark());
    expectTheme(*view, kAbout, true);
    EXPECT_EQ(countOf(env.logMessages(), "theme changed to dark"), 1);
}

// A row per button that can have the focus: where it is reached and what its press does.
struct Press
{
    const char* button;
    Op pane; // nullptr: the main view
};

class Keys : public ViewControllerTest, public ::testing::WithParamInterface<Press>
{
};

TEST_P(Keys, returnAndSpacePressTheFocusedButton)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        auto view = load();
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        if (GetParam().pane) {
            (view.get()->*GetParam().pane)();
        }
        auto* button = child<QPushButton>(view.get(), GetParam().button);
        button->setFocus();
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button, key);
        EXPECT_EQ(clicked.count(), 1) << (key == Qt::Key_Return ? "Return" : "Space");
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, Keys,
                         ::testing::Values(Press{"eService", nullptr}, Press{"dService", nullptr},
                                           Press{"aboutButton", nullptr}, Press{"logButton", nullptr},
                                           Press{"bService", A}, Press{"chooseE", E}, Press{"hintButtonE", E},
                                           Press{"serviceE", E}, Press{"chooseD", D}, Press{"serviceD", D}),
                         [](const auto& info) { return std::string(info.param.button); });

// Switched through its caption; the next run reads what this one wrote to disk.
TEST_F(ViewControllerTest, theChosenThemeSurvivesARestart)
{
    {
        About about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(child(&about, "themeLabel"), Qt::LeftButton);
    }
    QSettings onDisk(env.root() + QStringLiteral("/config/Lockfern/Lockfern.conf"), QSettings::IniFormat);
    EXPECT_TRUE(onDisk.value(QStringLiteral("dark")).toBool());
    About nextRun;
    EXPECT_TRUE(child<QCheckBox>(&nextRun, "theme")->isChecked());
}

// One mail per press, and no attachment once the log file is gone; the screen stays as it was.
TEST_F(ViewControllerTest, sendLogComposesTheSupportMail)
{
    auto composer = std::make_shared<RecordingMailComposer>();
    global().setMailComposer(composer);
    auto view = load();
    view->show();
    QTest::mouseClick(child(view.get(), "logButton"), Qt::LeftButton);
    std::remove(env.logPath().c_str());
    QTest::mouseClick(child(view.get(), "logButton"), Qt::LeftButton);

    const QStringList mail = {QStringLiteral(LOCKFERN_SUPPORT_ADDRESS),
                              QStringLiteral("Lockfern Version " LOCKFERN_VERSION_SHORT " (" LOCKFERN_BUILD_NUMBER
                                             ") Support"),
                              QStringLiteral("Type here")};
    EXPECT_EQ(composer->mails, (std::vector<QStringList>{mail + QStringList{QString::fromStdString(env.logPath())},
                                                         mail + QStringList{QString()}}));
    EXPECT_EQ(shown(*view), kLoadRow);
}

} // namespace
