// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for driving the screens. The tests pass empty Services: the screens then open no
// chooser, file manager or mail program.

#include "Global.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// Writes the preference the way a previous run would have left it.
inline void storeDark(bool dark)
{
    QSettings(QStringLiteral("Lockfern"), QStringLiteral("Lockfern")).setValue(QStringLiteral("dark"), dark);
}

template <typename T = QWidget>
T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no widget named " << name;
    return found;
}

inline bool waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 10000);
}

inline long countOf(const std::vector<std::string>& messages, const std::string& message)
{
    return std::count(messages.begin(), messages.end(), message);
}

inline std::string openedLine(const QString& file)
{
    return "opened from finder with file " + file.toStdString();
}

// An empty package folder in the test's work folder; its absolute path.
inline QString packageFolder(const TestEnvironment& env, const char* name)
{
    const QString path = QString::fromStdString(env.work()) + QString::fromLatin1(name);
    QDir().mkpath(path);
    return path;
}
