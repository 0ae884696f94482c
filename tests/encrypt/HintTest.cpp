// SPDX-License-Identifier: GPL-3.0-or-later
// The hint dialog: what each way of closing it stores and logs.
#include "Hint.h"

#include "Global.h"
#include "TestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

enum class CloseBy { DoneButton, ReturnKey, CloseCall, EscapeKey, WindowClose };

struct HintCase
{
    const char* label;
    const char* earlier; // the shared hint when the dialog opens
    bool earlierExist;
    const char* typed; // replaces the field's text
    CloseBy closeBy;
    const char* hint;
    bool hintExist;
    std::vector<std::string> logAfterLoad;
};

class ClosingTheHintDialog : public ::testing::TestWithParam<HintCase>
{
protected:
    TestEnvironment env;
};

} // namespace

TEST_P(ClosingTheHintDialog, storesAndLogsAccordingToHowItCloses)
{
    const HintCase& c = GetParam();
    global().hint = QString::fromUtf8(c.earlier);
    global().hintExist = c.earlierExist;
    Hint dialog;
    dialog.show();
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("hint"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QString::fromUtf8(c.earlier));

    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromUtf8(c.typed));
    switch (c.closeBy) {
    case CloseBy::DoneButton:
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        break;
    case CloseBy::ReturnKey:
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case CloseBy::CloseCall:
        dialog.close();
        break;
    case CloseBy::EscapeKey:
        QTest::keyClick(field, Qt::Key_Escape);
        break;
    case CloseBy::WindowClose:
        static_cast<QWidget&>(dialog).close();
        break;
    }

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(global().hint, QString::fromUtf8(c.hint));
    EXPECT_EQ(global().hintExist, c.hintExist);
    std::vector<std::string> expected{"hint view presented"};
    expected.insert(expected.end(), c.logAfterLoad.begin(), c.logAfterLoad.end());
    EXPECT_EQ(env.logMessages(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosingTheHintDialog,
    ::testing::Values(
        HintCase{"abc", "", false, "abc", CloseBy::DoneButton, "abc", true, {"got hint abc", "hint view closed"}},
        HintCase{"emptyAfterAnEarlierHint", "old", true, "", CloseBy::DoneButton, "old", false,
                 {"hint left empty", "hint view closed"}},
        HintCase{"oneSpace", "", false, " ", CloseBy::ReturnKey, " ", true, {"got hint  ", "hint view closed"}},
        HintCase{"replacedByCloseCall", "old", true, "new", CloseBy::CloseCall, "new", true,
                 {"got hint new", "hint view closed"}},
        HintCase{"escapeStoresNothing", "old", true, "xyz", CloseBy::EscapeKey, "old", true, {}},
        HintCase{"windowCloseStoresNothing", "", false, "xyz", CloseBy::WindowClose, "", false, {}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(HintDialog, anEmptiedHintComesBackAtTheNextOpening)
{
    TestEnvironment env;
    {
        Hint first;
        QTest::keyClicks(first.findChild<QLineEdit*>(QStringLiteral("hint")), QStringLiteral("remember"));
        first.close();
    }
    {
        Hint second;
        auto* field = second.findChild<QLineEdit*>(QStringLiteral("hint"));
        EXPECT_EQ(field->text(), QStringLiteral("remember"));
        field->clear();
        second.close();
    }
    EXPECT_FALSE(global().hintExist);
    Hint third;
    EXPECT_EQ(third.findChild<QLineEdit*>(QStringLiteral("hint"))->text(), QStringLiteral("remember"));
    EXPECT_EQ(env.logMessages(),
              (std::vector<std::string>{"hint view presented", "got hint remember", "hint view closed",
                                        "hint view presented", "hint left empty", "hint view closed",
                                        "hint view presented"}));
}
