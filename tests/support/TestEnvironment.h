// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every test runs in its own temporary folder, which is also its TMPDIR, XDG_RUNTIME_DIR,
// XDG_CONFIG_HOME and XDG_CACHE_HOME: no test touches the user's log, preferences or files.

#include "Global.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

class TestEnvironment
{
public:
    TestEnvironment()
    {
        EXPECT_TRUE(m_root.isValid());
        for (const auto& [name, folder] : {std::pair{"TMPDIR", ""}, std::pair{"XDG_RUNTIME_DIR", "/runtime"},
                                           std::pair{"XDG_CONFIG_HOME", "/config"},
                                           std::pair{"XDG_CACHE_HOME", "/cache"}}) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::setenv(name, (root().toStdString() + folder).c_str(), 1);
        }
        for (const std::string& folder : {runtime(), work(), root().toStdString() + "/config"}) {
            std::filesystem::create_directory(folder);
        }
        ::chmod(runtime().c_str(), 0700);
        // Only we write in it whatever the umask, so stale staging entries are cleaned up there.
        ::chmod(work().c_str(), 0755);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root() + QStringLiteral("/config"));
        global().reset();
        global().activityLog().setStream(nullptr);
    }
    ~TestEnvironment()
    {
        global().reset();
        // The next test's folder goes where this one's did, not into this one's deleted folder.
        for (const auto& [name, value] : m_saved) {
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
        }
    }

    QString root() const { return m_root.path(); }
    std::string work() const { return root().toStdString() + "/work/"; }
    std::string runtime() const { return root().toStdString() + "/runtime/"; }
    std::string logPath() const { return runtime() + ActivityLog::kFileName; }

    // A file of the work folder, its folders made first; its absolute path.
    std::string file(const std::string& relative, const std::string& bytes) const
    {
        const std::filesystem::path path = work() + relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // The activity-log lines without their time stamps.
    std::vector<std::string> logMessages() const
    {
        std::vector<std::string> messages;
        std::ifstream in(logPath());
        for (std::string line; std::getline(in, line);) {
            messages.push_back(line.substr(line.find(' ') + 1));
        }
        return messages;
    }

private:
    QTemporaryDir m_root;
    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

// Whether other processes of its user may read or trace the process: one that is not dumpable has its
// /proc entries turned root's, which its own user sees. Nothing when it is gone.
inline std::optional<bool> isDumpable(pid_t pid)
{
    struct stat st {};
    if (::stat(("/proc/" + std::to_string(pid) + "/status").c_str(), &st) != 0) {
        return std::nullopt;
    }
    return st.st_uid != 0;
}

// What to start a program with so that isDumpable can tell: root's own processes are root's anyway,
// so under root it runs as another user, in the test's folders opened to that user.
inline std::vector<std::string> asAnotherUser(const TestEnvironment& env)
{
    if (::geteuid() != 0) {
        return {};
    }
    ::chmod(env.work().c_str(), 0777);
    ::chmod(env.root().toLocal8Bit().constData(), 0755);
    return {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A fixture whose cases come from a table of rows.
template <typename Fixture, typename Row> class WithRows : public Fixture, public ::testing::WithParamInterface<Row>
{};

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
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every entry of a folder, hidden ones included, by name; none when there is no such folder.
inline std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(folder, missing)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// How many entries of a folder have a staging entry's hidden name.
inline int stagingEntries(const std::string& folder)
{
    const auto names = folderEntries(folder);
    return static_cast<int>(std::count_if(names.begin(), names.end(),
                                          [](const std::string& n) { return n.rfind(".lockfern-", 0) == 0; }));
}

// Every entry under a folder with its bytes, hidden ones included, folders ending in "/"; a file is
// its one entry "".
inline std::map<std::string, std::string> snapshot(const std::string& root)
{
    if (!std::filesystem::is_directory(root)) {
        return {{"", readFileBytes(root)}};
    }
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string relative = std::filesystem::relative(entry.path(), root).string();
        entries[entry.is_directory() ? relative + "/" : relative] =
            entry.is_directory() ? "" : readFileBytes(entry.path().string());
    }
    return entries;
}

// Which entry a path names, its type and its last change: the same only if it was left alone.
inline std::tuple<ino_t, mode_t, long> identity(const std::string& path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return {st.st_ino, st.st_mode, st.st_mtim.tv_nsec};
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
