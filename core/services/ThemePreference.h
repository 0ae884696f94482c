// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The preference "dark", kept across runs; absent reads false. Whatever is on show follows a change.
class ThemePreference : public QObject
{
    Q_OBJECT

public:
    bool isDark() const;
    void setDark(bool dark);
    // "dark theme" or "white theme", as the log names it.
    QString name() const;

signals:
    void changed(bool dark);
};
