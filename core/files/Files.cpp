// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"

#include "Posix.h"
#include "Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>


namespace {

void checkChildName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos) {
        Posix::fail("invalid name", EINVAL);
    }
}

// Creates a new file that did not exist, never through a link, and fills it.
File createNewFile(const Path& path, const char* data, std::size_t size, mode_t mode)
{
    UniqueFd fd = Posix::createNew(path.bytes(), mode);
    try {
        Posix::writeAll(fd.get(), data, size);
        if (!fd.close()) {
            Posix::fail("close " + path.bytes(), errno);
        }
    } catch (...) {
        ::unlink(path.c_str());
        throw;
    }
    return File(path);
}

bool isPrivateFolder(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

} // namespace

Folder::Folder(const Path& path) : m_path(path)
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) {
        Posix::fail("folder " + m_path.bytes(), errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        Posix::fail("folder " + m_path.bytes(), ENOTDIR);
    }
}

Path Folder::child(const std::string& name) const
{
    checkChildName(name);
    return m_path / name;
}

Folder Folder::temporary()
{
    // A private runtime folder is the natural home; a shared /tmp is not, because others could
    // plant a file or link under our fixed log name, or take a folder name of ours first.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
        std::string path(runtime);
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        if (isPrivateFolder(path) && ::access(path.c_str(), W_OK | X_OK) == 0) {
            return Folder(Path(path));
        }
    }
    // Without one (an ssh session, some minimal desktops): under the user's own cache folder, which
    // other users cannot reach.
    std::string cache;
    if (const char* xdgCache = std::getenv("XDG_CACHE_HOME"); xdgCache && xdgCache[0] == '/') {
        cache = xdgCache;
    } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        cache = std::string(home) + "/.cache";
    } else if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_dir && user->pw_dir[0] == '/') {
        cache = std::string(user->pw_dir) + "/.cache";
    } else {
        Posix::fail("no home folder", ENOENT);
    }
    if (::mkdir(cache.c_str(), 0700) != 0 && errno != EEXIST) {
        Posix::fail("create " + cache, errno);
    }
    const std::string path = cache + "/lockfern";
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        Posix::fail("create " + path, errno);
    }
    if (!isPrivateFolder(path)) {
        Posix::fail(path + " is not a private folder", EPERM);
    }
    return Folder(Path(path));
}

std::optional<Folder> Folder::containingFolder() const
{
    if (m_path.bytes() == "/") {
        return std::nullopt;
    }
    return Folder(m_path.parent());
}

File Folder::file(const std::string& name) const
{
    return File(child(name));
}

std::vector<File> Folder::files(Listing listing) const
{
    UniqueFd fd(::open(m_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) {
        Posix::fail("open " + m_path.bytes(), errno);
    }
    DIR* dir = ::fdopendir(fd.get());
    if (!dir) {
        Posix::fail("list " + m_path.bytes(), errno);
    }
    const int dirFd = fd.release(); // owned by dir from here on
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name(entry->d_name);
        struct stat st {};
        const bool wanted = name != "." && name != ".." && (name.front() != '.' || listing == Listing::WithHidden);
        if (wanted && ::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode)) {
            names.push_back(name);
        }
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    if (error) {
        Posix::fail("list " + m_path.bytes(), error);
    }
    std::sort(names.begin(), names.end());
    std::vector<File> result;
    result.reserve(names.size());
    for (const auto& name : names) {
        result.emplace_back(m_path / name);
    }
    return result;
}

Folder Folder::subfolder(const std::string& name) const
{
    return Folder(child(name));
}

Folder Folder::createSubfolder(const std::string& name) const
{
    const Path path = child(name);
    if (::mkdir(path.c_str(), 0777) != 0) {
        Posix::fail("create " + path.bytes(), errno);
    }
    return Folder(path);
}

File Folder::createFile(const std::string& name, const QByteArray& contents) const
{
    return createNewFile(child(name), contents.constData(), static_cast<std::size_t>(contents.size()), 0666);
}

File Folder::createFile(const std::string& name, const QString& text) const
{
    return createFile(name, text.toUtf8());
}

File Folder::createFileIfNeeded(const std::string& name, const QByteArray& contents) const
{
    const Path path = child(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            Posix::fail(path.bytes() + " is not a regular file", EEXIST);
        }
        return File(path);
    }
    return createNewFile(path, contents.constData(), static_cast<std::size_t>(contents.size()), 0600);
}

void Folder::remove() const
{
    std::error_code error;
    std::filesystem::remove_all(m_path.bytes(), error);
    if (error) {
        Posix::fail("delete " + m_path.bytes(), error.value());
    }
}

File::File(const Path& path) : m_path(path)
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) {
        Posix::fail("file " + m_path.bytes(), errno);
    }
    if (!S_ISREG(st.st_mode)) {
        Posix::fail("file " + m_path.bytes(), S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
}

namespace {

// The whole of an open file, refusing more than `maxBytes`.
QByteArray readAll(int fd, const std::string& path, std::int64_t maxBytes)
{
    QByteArray contents;
    char buffer[65536];
    while (const std::size_t got = Posix::readFully(fd, buffer, sizeof buffer)) {
        if (contents.size() + static_cast<std::int64_t>(got) > maxBytes) {
            Posix::fail(path + " is too large", EFBIG);
        }
        contents.append(buffer, static_cast<qsizetype>(got));
    }
    return contents;
}

} // namespace

QByteArray File::read() const
{
    UniqueFd fd = Posix::openRegularForReading(m_path.bytes(), true);
    return readAll(fd.get(), m_path.bytes(), std::numeric_limits<qsizetype>::max());
}

QString File::readAsString(std::int64_t maxBytes) const
{
    UniqueFd fd = Posix::openRegularForReading(m_path.bytes(), false);
    std::optional<QString> text = Text::decodeUtf8(readAll(fd.get(), m_path.bytes(), maxBytes));
    if (!text) {
        Posix::fail(m_path.bytes() + " is not UTF-8 text", EILSEQ);
    }
    return std::move(*text);
}

void File::append(const QString& text) const
{
    UniqueFd fd(::open(m_path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) {
        Posix::fail("open " + m_path.bytes(), errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        Posix::fail(m_path.bytes() + " is not our regular file", EPERM);
    }
    const QByteArray bytes = text.toUtf8();
    Posix::writeAll(fd.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void File::remove() const
{
    if (::unlink(m_path.c_str()) != 0) {
        Posix::fail("delete " + m_path.bytes(), errno);
    }
}
