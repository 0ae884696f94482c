// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the password fields of both panes share: a toggle inside the field that shows and hides the
// text, and a warning beside the fields while Caps Lock is on.

#include <QLineEdit>
#include <QWidget>

#include <initializer_list>
#include <memory>
#include <vector>

class CapsLock;
class QLabel;

// A masked line edit with a show/hide toggle at its end. The toggle is not in the tab chain, so Alt+S
// works it from the field, as its tooltip and the field's description say.
class PasswordField : public QLineEdit
{
    Q_OBJECT

public:
    explicit PasswordField(QWidget* parent = nullptr);

    bool isShown() const { return echoMode() == Normal; }
    void setShown(bool shown);
    // A field that repeats another has no toggle of its own.
    void removeToggle();

signals:
    void shownChanged(bool shown);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showToggleState();

    QAction* m_toggle;
};

// "Caps Lock is on", with a warning sign, while Caps Lock is on and one of the fields it watches has
// the focus; asked afresh when a field gains the focus and at every key. Hidden, it keeps its room,
// so nothing moves while the user types.
class CapsLockWarning : public QWidget
{
    Q_OBJECT

public:
    explicit CapsLockWarning(QWidget* parent = nullptr);

    void watch(std::initializer_list<QLineEdit*> fields, std::shared_ptr<CapsLock> capsLock);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showState();

    QLabel* m_sign;
    std::vector<QLineEdit*> m_fields;
    std::shared_ptr<CapsLock> m_capsLock;
};
