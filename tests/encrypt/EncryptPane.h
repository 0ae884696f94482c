// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The encrypt pane as its tests drive it: the hint dialog, and what a run logs.

#include "Encrypt.h"
#include "Hint.h"
#include "PaneTestSupport.h"

inline const std::string kContent("binary \x00\x01\xff content\n", 20);

class EncryptPane : public PaneTest<Encrypt, 'E'>
{
public:
    // Opens the dialog from the pane, which shows `shown`, replaces its text and closes it with `key`,
    // or Done.
    void enterHint(const std::string& text, Qt::Key key = Qt::Key_unknown, const char* shown = "")
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the one closed before
        click("hintButton");
        auto* dialog = pane->window()->findChild<Hint*>();
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("hint"));
        EXPECT_EQ(field->text(), QString::fromUtf8(shown));
        field->clear();
        typeInto(field, text);
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        } else {
            QTest::keyClick(field, key);
        }
        EXPECT_FALSE(dialog->isVisible());
    }
    // What the hint button says, and what a screen reader hears it called.
    QString hintButton() const
    {
        const QString text = child<QPushButton>("hintButton")->text();
        EXPECT_EQ(spoken("hintButton"), text);
        return text;
    }
};

inline std::vector<std::string> successLines(const char* hintLine)
{
    return {"read file content", "encrypted file content", "created new package", "save encrypted file in package",
            hintLine, "saved hint to file in package", "success! saved in {P}"};
}

inline const std::vector<std::string> kEncryptedThenFailed{"read file content", "encrypted file content",
                                                           "an error occured while encrypting"};
