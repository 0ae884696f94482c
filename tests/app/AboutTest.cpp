// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "About.h"
#include "Theme.h"
#include "Version.h"

#include <QCheckBox>
#include <QFile>

namespace {

class AboutTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    QString preferencesFile() const { return env.root() + QStringLiteral("/config/Lockfern/Lockfern.conf"); }
};

struct LoadCase
{
    std::optional<bool> stored; // nullopt: never written
    bool checked;
    int material;
    QColor text;
};

class AboutLoad : public AboutTest, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(AboutLoad, loadFollowsTheStoredPreferenceAndLogsNothing)
{
    if (GetParam().stored) {
        storeDark(*GetParam().stored);
    }
    About about;
    EXPECT_EQ(child<QCheckBox>(&about, "theme")->isChecked(), GetParam().checked);
    EXPECT_EQ(child<TranslucentBackground>(&about, "aBackground")->material(), GetParam().material);
    for (const char* name : {"appName", "developer", "version", "themeLabel"}) {
        EXPECT_EQ(textColor(child(&about, name)), GetParam().text) << name;
    }
    EXPECT_TRUE(env.logMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Preferences, AboutLoad,
                         ::testing::Values(LoadCase{std::nullopt, false, 8, QColor(0, 0, 0)},
                                           LoadCase{false, false, 8, QColor(0, 0, 0)},
                                           LoadCase{true, true, 9, QColor(255, 255, 255)}));

TEST_F(AboutTest, versionFieldShowsTheVersionString)
{
    About about;
    EXPECT_EQ(child<QLabel>(&about, "version")->text(),
              QStringLiteral("Version " LOCKFERN_VERSION_SHORT " (" LOCKFERN_BUILD_NUMBER ")"));
}

struct SwitchCase
{
    bool startDark;
    int clicks;
    bool endDark;
    std::vector<std::string> log;
};

class ThemeSwitch : public AboutTest, public ::testing::WithParamInterface<SwitchCase>
{
};

TEST_P(ThemeSwitch, clickingStoresLogsAndRecolours)
{
    storeDark(GetParam().startDark);
    About about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    for (int i = 0; i < GetParam().clicks; ++i) {
        QTest::mouseClick(child(&about, "theme"), Qt::LeftButton);
    }
    EXPECT_EQ(Global::isDark(), GetParam().endDark);
    EXPECT_EQ(child<TranslucentBackground>(&about, "aBackground")->material(), GetParam().endDark ? 9 : 8);
    EXPECT_EQ(textColor(child(&about, "version")), GetParam().endDark ? QColor(Qt::white) : QColor(Qt::black));
    std::vector<std::string> expected = {"about view presented"};
    expected.insert(expected.end(), GetParam().log.begin(), GetParam().log.end());
    EXPECT_EQ(env.logMessages(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, ThemeSwitch,
    ::testing::Values(SwitchCase{false, 1, true, {"theme changed to dark"}},
                      SwitchCase{true, 1, false, {"theme changed to white"}},
                      SwitchCase{false, 2, false, {"theme changed to dark", "theme changed to white"}}));

TEST_F(AboutTest, clickingTheCaptionFlipsTheSwitchToo)
{
    About about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(child(&about, "themeLabel"), Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>(&about, "theme")->isChecked());
    EXPECT_EQ(env.logMessages(), (std::vector<std::string>{"about view presented", "theme changed to dark"}));
}

// The next run reads what this one wrote: a second settings object reads the file from disk.
TEST_F(AboutTest, theChosenThemeSurvivesARestart)
{
    {
        About about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(child(&about, "theme"), Qt::LeftButton);
    }
    ASSERT_TRUE(QFile::exists(preferencesFile()));
    QSettings onDisk(preferencesFile(), QSettings::IniFormat);
    EXPECT_TRUE(onDisk.value(QStringLiteral("dark")).toBool());
    About nextRun;
    EXPECT_TRUE(child<QCheckBox>(&nextRun, "theme")->isChecked());
}

TEST_F(AboutTest, everyShowingLogsItsLine)
{
    QWidget window;
    auto* about = new About(&window);
    about->hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(env.logMessages().empty());
    for (int i = 1; i <= 3; ++i) {
        about->show();
        about->hide();
        EXPECT_EQ(countOf(env.logMessages(), "about view presented"), i);
    }
}

} // namespace
