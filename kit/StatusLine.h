// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NameLabel.h"

// A pane's status line. A screen reader hears each new sentence as a notification, whatever has the
// focus, with the line under it (what happened, what to do) as its description.
class StatusLine : public MarkedLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Shows `text` with its mark and announces it.
    void say(const QString& text, Theme::Mark mark, const QString& detail = QString());
    QString detail() const { return m_detail; }

private:
    QString m_detail;
};
