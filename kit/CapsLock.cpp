// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopServices.h"

#include <QKeyEvent>

#include <optional>

// In a file of its own: X11's headers define names (KeyPress, None, Bool) that clash with Qt's.
std::optional<bool> capsLockOnX11();

void CapsLockGuess::see(const QKeyEvent& event)
{
    if (event.type() != QEvent::KeyPress) {
        return;
    }
    if (event.key() == Qt::Key_CapsLock) {
        if (!event.isAutoRepeat()) {
            m_on = !m_on;
        }
        return;
    }
    const QString text = event.text();
    if (text.size() != 1 || !text.front().isLetter() || text.front().toUpper() == text.front().toLower()) {
        return; // digits, signs and letters without case say nothing
    }
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    m_on = text.front().isUpper() != shift;
}

bool DesktopCapsLock::isOn() const
{
    return capsLockOnX11().value_or(m_guess.isOn());
}
