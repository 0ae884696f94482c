// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every test runs in its own temporary folder, which is also its TMPDIR, XDG_RUNTIME_DIR,
// XDG_CONFIG_HOME and XDG_CACHE_HOME: no test touches the user's log, preferences or files.

#include "Global.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

class TestEnvironment
{
public:
    TestEnvironment() : m_saved(savedVariables())
    {
        EXPECT_TRUE(m_root.isValid());
        m_runtime = m_root.path() + QStringLiteral("/runtime");
        m_config = m_root.path() + QStringLiteral("/config");
        m_work = m_root.path() + QStringLiteral("/work");
        QDir().mkpath(m_runtime);
        QDir().mkpath(m_config);
        QDir().mkpath(m_work);
        ::chmod(m_runtime.toLocal8Bit().constData(), 0700);
        ::setenv("TMPDIR", m_root.path().toLocal8Bit().constData(), 1);
        ::setenv("XDG_RUNTIME_DIR", m_runtime.toLocal8Bit().constData(), 1);
        ::setenv("XDG_CONFIG_HOME", m_config.toLocal8Bit().constData(), 1);
        ::setenv("XDG_CACHE_HOME", (m_root.path() + QStringLiteral("/cache")).toLocal8Bit().constData(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config);
        global().reset();
        global().setLogStream(nullptr);
    }
    ~TestEnvironment()
    {
        global().reset();
        // The next test's folder goes where this one's did, not into this one's deleted folder.
        for (const auto& [name, value] : m_saved) {
            if (value) {
                ::setenv(name, value->c_str(), 1);
            } else {
                ::unsetenv(name);
            }
        }
    }

    std::string work() const { return m_work.toStdString() + "/"; }
    std::string runtime() const { return m_runtime.toStdString() + "/"; }
    std::string logPath() const { return runtime() + Global::kLogFileName; }
    QString root() const { return m_root.path(); }

    // A file of the work folder, its folders made first; its absolute path.
    std::string file(const std::string& relative, const std::string& bytes) const
    {
        const std::filesystem::path path = work() + relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path.string();
    }

    // The activity-log lines without their time stamps.
    std::vector<std::string> logMessages() const
    {
        std::vector<std::string> messages;
        std::ifstream in(logPath());
        for (std::string line; std::getline(in, line);) {
            const auto blank = line.find(' ');
            messages.push_back(blank == std::string::npos ? line : line.substr(blank + 1));
        }
        return messages;
    }

private:
    using Saved = std::vector<std::pair<const char*, std::optional<std::string>>>;
    static Saved savedVariables()
    {
        Saved saved;
        for (const char* name : {"TMPDIR", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        return saved;
    }

    Saved m_saved;
    QTemporaryDir m_root;
    QString m_runtime;
    QString m_config;
    QString m_work;
};

// Holds a worker until its run is cancelled; the product wakes nobody, so this looks.
inline void waitUntilCancelled(const std::atomic<bool>& cancel)
{
    while (!cancel.load()) {
        std::this_thread::yield();
    }
}

inline std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every entry of a folder, hidden ones included, by name.
inline std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Bytes that differ from one offset to the next, so that a misplaced block shows.
inline std::string patternBytes(std::size_t size, unsigned seed = 7)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + seed) % 251);
    }
    return bytes;
}

// All a temporary stream holds; closes it.
inline std::string readWhole(std::FILE* stream)
{
    std::rewind(stream);
    std::string text;
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, stream)) {
        text.append(buffer, got);
    }
    std::fclose(stream);
    return text;
}
