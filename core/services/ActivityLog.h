// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Path.h"

#include <QString>
#include <QTime>

#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

// The activity log: each line with its time on a stream and in a private file of this run, which the
// user may read and send to support. Lines may come from any thread.
class ActivityLog
{
public:
    static inline const char* const kFileName = "logLockfern.txt";

    // The time and the message as one line, its control characters escaped as Text::visible shows them.
    void log(const QString& message);
    QString getTime() const;
    // The log file of this run and what it holds so far; empty when there is none.
    Path path() const;
    QString text() const;

    // Where lines go. The window keeps the defaults, standard output and the file; lockfern-cli
    // prints to standard error (or nowhere) and writes no file.
    void setStream(std::FILE* stream);
    void setFileEnabled(bool enabled);
    void setClock(std::function<QTime()> clock);
    // Back to the defaults of a fresh process; for tests.
    void reset();

private:
    void writeToStream(const std::string& line);

    mutable std::mutex m_mutex;
    std::FILE* m_stream = stdout;
    bool m_fileEnabled = true;
    std::function<QTime()> m_clock;
};
