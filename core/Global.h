// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

// Opens a new, unsent e-mail in the user's mail program. The desktop implementation lives with the
// GUI; tests inject a recorder. An empty attachment path means no attachment.
class MailComposer
{
public:
    virtual ~MailComposer() = default;
    // False when no mail program could be started.
    virtual bool compose(const QStringList& recipients, const QString& subject, const QString& body,
                         const QString& attachmentPath) = 0;
};

// What the screens share during one run, and the shared services: activity log, theme, version,
// support mail. There is one instance, reached through global().
class Global
{
public:
    static inline const char* const kLogFileName = "logLockfern.txt";

    bool isOpenedFromFile = false;
    QString openedFile;
    bool hintExist = false;
    QString hint;

    // The time and the message as one line, its control characters escaped as Text::visible shows them.
    void log(const QString& message);
    QString getTime() const;
    // False when no mail program could be started.
    bool getLog();
    // The log file of this run and what it holds so far; empty when there is none.
    QString logPath() const;
    QString logText() const;
    QString getTheme() const;
    QString getVersion() const;

    // The preference "dark"; absent reads false.
    static bool isDark();
    static void setDark(bool dark);

    QString supportAddress() const;

    // Where log lines go. The GUI keeps the defaults; lockfern-cli prints to standard error (or
    // nowhere) and writes no log file.
    void setLogStream(std::FILE* stream);
    void setLogFileEnabled(bool enabled);
    void setClock(std::function<QTime()> clock);
    void setMailComposer(std::shared_ptr<MailComposer> composer);

    // Back to the state of a fresh process; for tests.
    void reset();

private:
    friend Global& global();
    Global() = default;

    void writeToStream(const std::string& line);

    mutable std::mutex m_mutex;
    std::FILE* m_stream = stdout;
    bool m_logFileEnabled = true;
    std::function<QTime()> m_clock;
    std::shared_ptr<MailComposer> m_mailComposer;
};

Global& global();
