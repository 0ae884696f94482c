// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ActivityLog.h"
#include "Path.h"
#include "SupportMail.h"
#include "ThemePreference.h"

#include <QString>

// What the screens hand over to one another during one run, and the front of the shared services:
// the activity log, the theme preference and the support mail. There is one, reached through global();
// code that needs only one service takes only that one.
class Global
{
public:
    bool isOpenedFromFile = false;
    Path openedFile;
    bool hintExist = false;
    QString hint;

    ActivityLog& activityLog() { return m_log; }
    ThemePreference& theme() { return m_theme; }
    SupportMail& supportMail() { return m_mail; }

    void log(const QString& message) { m_log.log(message); }
    QString getTime() const { return m_log.getTime(); }
    // False when no mail program could be started.
    bool getLog() const { return m_mail.send(QString::fromUtf8(SupportMail::body())); }
    QString getTheme() const { return m_theme.name(); }
    QString getVersion() const { return versionText(); }

    // Back to the state of a fresh process; for tests.
    void reset();

private:
    friend Global& global();
    Global() = default;

    ActivityLog m_log;
    ThemePreference m_theme;
    SupportMail m_mail{m_log};
};

Global& global();
