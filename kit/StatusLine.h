// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NameLabel.h"

// A pane's status line. Each sentence it says is announced to screen readers as a notification,
// whatever has the focus, with the line under it (what happened, what to do) as its description.
class StatusLine : public MarkedLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Shows `text` with its mark and announces it.
    void say(const QString& text, Theme::Mark mark, const QString& detail = QString());

private:
    QWidget* m_announcer;
};
