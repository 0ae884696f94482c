// SPDX-License-Identifier: GPL-3.0-or-later
// The main view and its about pane: navigation, appearance steps, theme and keys.
#include "AppTestSupport.h"
#include "PaneTestSupport.h"

#include "About.h"
#include "Services.h"
#include "Theme.h"
#include "ViewController.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <map>

namespace {

using Op = void (ViewController::*)();
const Op E = &ViewController::encrypt, D = &ViewController::decrypt, A = &ViewController::about,
         B = &ViewController::back;

const char* const kWidgets[] = {"appTitle", "question", "eService", "dService", "background",
                                "bService", "eView",    "dView",    "aView"};
const std::string kLoadRow = "appTitle question eService dService background";
const std::string kDecryptRow = "background bService dView";

// Each step, the widgets it shows, and the line its pane logs when it comes on show.
struct Step
{
    Op op;
    std::string row;
    std::string presented;
};
const Step kSteps[] = {{E, "background bService eView", "encrypt view presented"},
                       {D, kDecryptRow, "decrypt view presented"},
                       {A, "background bService aView", "about view presented"},
                       {B, kLoadRow, ""}};

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
    const char* background; // nullptr: none of its own
    std::vector<const char*> texts;
    const char* checkMark = nullptr;
};
const Screen kMain = {"background", {"appTitle", "question"}};
const Screen kMainBackground = {"background", {}};
const Screen kMainTexts = {nullptr, {"appTitle", "question"}};
const Screen kAbout = {"aBackground", {"appName", "developer", "version", "themeLabel"}};
const Screen kEncrypt = {nullptr, {"titleE", "placeholderE", "passwordLabelE", "repeatPasswordLabelE", "capsLockE"},
                         "checkMarkE"};
const Screen kDecrypt = {nullptr, {"titleD", "placeholderD", "passwordLabelD", "hintD", "capsLockD"}, "checkMarkD"};

// Material 9 and white text in the dark theme, material 8 and black text in the white one; a check
// mark is drawn in the text's colour, so its most opaque pixel tells which.
void expectTheme(const QWidget& view, const Screen& screen, bool dark)
{
    if (screen.background) {
        EXPECT_EQ(child<TranslucentBackground>(&view, screen.background)->material(), dark ? 9 : 8);
    }
    for (const char* name : screen.texts) {
        EXPECT_EQ(child(&view, name)->palette().color(QPalette::WindowText), dark ? QColor(Qt::white) : QColor(Qt::black))
            << name;
    }
    const QImage mark = screen.checkMark ? child<QLabel>(&view, screen.checkMark)->pixmap().toImage() : QImage();
    QColor ink(0, 0, 0, 0);
    for (int i = 0; i < mark.width() * mark.height(); ++i) {
        const QColor pixel = mark.pixelColor(i % mark.width(), i / mark.width());
        ink = pixel.alpha() > ink.alpha() ? pixel : ink;
    }
    EXPECT_TRUE(!screen.checkMark || (ink.alpha() > 128 && (ink.lightness() > 128) == dark)) << screen.checkMark;
}

class ViewControllerTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    // On show, loaded plainly or with a package from the file manager.
    std::unique_ptr<ViewController> load(bool fromFile = false) const
    {
        global().isOpenedFromFile = fromFile;
        global().openedFile = fromFile ? Path(env.work() + "report.lockfern") : Path();
        auto view = std::make_unique<ViewController>(Services{});
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return view;
    }
};

// Loaded either way, then a few steps (indexes into kSteps).
using Navigation = std::pair<bool, std::vector<int>>;

using Navigating = WithRows<ViewControllerTest, Navigation>;

// Each step gives its row whatever came before; a pane logs its appearance each time it comes on
// show, not again while it stays. Every control on show is named by its words.
TEST_P(Navigating, eachStepGivesItsRowAndEachShowingLogsOnce)
{
    const auto& [fromFile, steps] = GetParam();
    auto view = load(fromFile);
    std::string row = fromFile ? kDecryptRow : kLoadRow;
    std::map<std::string, long> presented{{kSteps[1].presented, fromFile ? 1 : 0}};
    for (const int i : steps) {
        (view.get()->*kSteps[i].op)();
        presented[kSteps[i].presented] += kSteps[i].row != row;
        row = kSteps[i].row;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(*view), row);
    expectNamedAsShown(view.get());
    for (const Step& step : kSteps) {
        EXPECT_EQ(countOf(env.logMessages(), step.presented), step.presented.empty() ? 0 : presented[step.presented])
            << step.presented;
    }
}

// Both loads, then every step from every state.
std::vector<Navigation> navigations()
{
    std::vector<Navigation> cases;
    for (const Navigation& state : std::vector<Navigation>{{false, {}}, {true, {}}, {false, {0}}, {false, {1}}, {false, {2}},
                                                           {false, {0, 3}}, {false, {1, 2}}, {false, {2, 2, 3}}}) {
        cases.push_back(state);
        for (const int step : {0, 1, 2, 3}) {
            cases.push_back(state);
            cases.back().second.push_back(step);
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllStates, Navigating, ::testing::ValuesIn(navigations()));

enum class Toggle { Click, Caption, ScreenReader };

using ThemeSwitch = WithRows<ViewControllerTest, std::tuple<std::optional<bool>, Toggle>>;

// Each screen loads in the stored theme (never written: white). However the switch is toggled (a
// screen reader's action ticks the box without a click), all that is on show recolours at once: the
// about pane, the window's background and the buttons around it; the title and prompt hidden behind
// the pane on Back, and each pane when it shows. The change is logged, and written to disk for the
// next run.
TEST_P(ThemeSwitch, recoloursAllThatIsOnShowAtOnceAndTheRestWhenItShows)
{
    const auto [stored, toggle] = GetParam();
    if (stored) {
        storeDark(*stored);
    }
    const bool dark = stored.value_or(false);
    auto view = load();
    expectTheme(*view, kAbout, dark);
    EXPECT_EQ(child<QCheckBox>(view.get(), "theme")->isChecked(), dark);
    QTest::mouseClick(child(view.get(), "aboutButton"), Qt::LeftButton);
    const QImage button = child(view.get(), "logButton")->grab().toImage();
    if (toggle == Toggle::ScreenReader) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(child(view.get(), "theme"));
        ASSERT_TRUE(box && box->actionInterface());
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        QTest::mouseClick(child(view.get(), toggle == Toggle::Click ? "theme" : "themeLabel"), Qt::LeftButton);
    }
    expectTheme(*view, kAbout, !dark);
    expectTheme(*view, kMainBackground, !dark);
    EXPECT_NE(child(view.get(), "logButton")->grab().toImage(), button);
    expectTheme(*view, kMainTexts, dark);
    QTest::mouseClick(child(view.get(), "bService"), Qt::LeftButton);
    expectTheme(*view, kMain, !dark);
    view->encrypt();
    expectTheme(*view, kEncrypt, !dark);
    view->decrypt();
    expectTheme(*view, kDecrypt, !dark);
    EXPECT_EQ(countOf(env.logMessages(), dark ? "theme changed to white" : "theme changed to dark"), 1);
    QSettings onDisk(env.root() + QStringLiteral("/config/Lockfern/Lockfern.conf"), QSettings::IniFormat);
    EXPECT_EQ(onDisk.value(QStringLiteral("dark")).toBool(), !dark);
}

INSTANTIATE_TEST_SUITE_P(StoredPreference, ThemeSwitch,
                         ::testing::Combine(::testing::Values(std::nullopt, false, true),
                                            ::testing::Values(Toggle::Click, Toggle::Caption, Toggle::ScreenReader)));

// A row per button that can have the focus, and the step that reaches it (nullptr: the main view).
using Keys = WithRows<ViewControllerTest, std::pair<const char*, Op>>;

TEST_P(Keys, returnAndSpacePressTheFocusedButton)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        auto view = load();
        if (const Op step = GetParam().second) {
            (view.get()->*step)();
        }
        auto* button = child<QPushButton>(view.get(), GetParam().first);
        button->setFocus();
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button, key);
        EXPECT_EQ(clicked.count(), 1) << (key == Qt::Key_Return ? "Return" : "Space");
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            expectNamedAsShown(dialog);
            dialog->close();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, Keys,
                         ::testing::Values(std::pair("eService", Op{}), std::pair("dService", Op{}),
                                           std::pair("aboutButton", Op{}), std::pair("logButton", Op{}),
                                           std::pair("bService", A), std::pair("chooseE", E),
                                           std::pair("hintButtonE", E), std::pair("serviceE", E),
                                           std::pair("chooseD", D), std::pair("serviceD", D)),
                         [](const auto& row) { return std::string(row.param.first); });

} // namespace
