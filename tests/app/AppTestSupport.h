// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Recording and scripted services, and small helpers for driving the shell's screens.

#include "Global.h"
#include "Services.h"
#include "TestEnvironment.h"

#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

struct Mail
{
    QStringList recipients;
    QString subject;
    QString body;
    QString attachment;
};

class RecordingMailComposer : public MailComposer
{
public:
    void compose(const QStringList& recipients, const QString& subject, const QString& body,
                 const QString& attachmentPath) override
    {
        mails.push_back({recipients, subject, body, attachmentPath});
    }
    std::vector<Mail> mails;
};

class RecordingFileBrowser : public FileBrowser
{
public:
    void reveal(const QString& path) override { revealed.append(path); }
    QStringList revealed;
};

// Answers every request with Cancelled; nothing here should open a chooser.
class CancellingFileChooser : public FileChooser
{
public:
    Result choose(QWidget*, const Options&) override
    {
        ++calls;
        return {};
    }
    int calls = 0;
};

inline Services testServices()
{
    return {std::make_shared<CancellingFileChooser>(), std::make_shared<RecordingFileBrowser>(),
            std::make_shared<RecordingMailComposer>()};
}

// Writes the preference the way a previous run would have left it.
inline void storeDark(bool dark)
{
    QSettings(QStringLiteral("Lockfern"), QStringLiteral("Lockfern")).setValue(QStringLiteral("dark"), dark);
}

template<typename T = QWidget>
T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no widget named " << name;
    return found;
}

inline QColor textColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

inline long countOf(const std::vector<std::string>& messages, const std::string& message)
{
    return std::count(messages.begin(), messages.end(), message);
}

// Counts the appearance steps a pane gets: non-spontaneous show events.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget* watched) { watched->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            ++shows;
        }
        return QObject::eventFilter(watched, event);
    }
};
