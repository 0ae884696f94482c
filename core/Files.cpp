// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"

#include "Posix.h"
#include "Text.h"

#include <QDir>
#include <QFile>

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

FileSystemError::FileSystemError(const std::string& what, int error)
    : std::runtime_error(error ? what + ": " + std::strerror(error) : what), m_error(error)
{
}


namespace Paths {

std::string lastComponent(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    const auto slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string parentOf(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    const auto slash = trimmed.rfind('/');
    if (slash == std::string::npos) {
        return "./";
    }
    return trimmed.substr(0, slash + 1);
}

std::string absolute(const std::string& path)
{
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    if (error) {
        Posix::fail("current folder", error.value());
    }
    std::string base = current.string();
    if (base.back() != '/') {
        base += '/';
    }
    return base + path;
}

std::string clean(const std::string& path)
{
    const std::string whole = absolute(path);
    std::string cleaned;
    std::size_t start = 0;
    while (start < whole.size()) {
        std::size_t end = whole.find('/', start);
        if (end == std::string::npos) {
            end = whole.size();
        }
        const std::string component = whole.substr(start, end - start);
        if (!component.empty() && component != ".") {
            cleaned += '/';
            cleaned += component;
        }
        start = end + 1;
    }
    return cleaned.empty() ? "/" : cleaned;
}

std::string cleanOrAsTyped(const std::string& path)
{
    try {
        return clean(path);
    } catch (const FileSystemError&) {
        return path;
    }
}

QString clean(const QString& path)
{
    return QFile::decodeName(QByteArray::fromStdString(cleanOrAsTyped(QFile::encodeName(path).toStdString())));
}

std::string baseNameOf(const std::string& name)
{
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return name;
    }
    return name.substr(0, dot);
}

} // namespace Paths

namespace {

std::string withSlash(std::string path)
{
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

void checkChildName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos) {
        Posix::fail("invalid name", EINVAL);
    }
}

// Creates a new file that did not exist, never through a link, and fills it.
File createNewFile(const std::string& path, const char* data, std::size_t size, mode_t mode)
{
    UniqueFd fd = Posix::createNew(path, mode);
    try {
        Posix::writeAll(fd.get(), data, size);
        if (!fd.close()) {
            Posix::fail("close " + path, errno);
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

Folder::Folder(const std::string& path) : m_path(withSlash(Paths::absolute(path)))
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) {
        Posix::fail("folder " + m_path, errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        Posix::fail("folder " + m_path, ENOTDIR);
    }
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
            return Folder(path);
        }
    }
    // Without one (an ssh session, some minimal desktops): under the user's own cache folder, which
    // other users cannot reach.
    std::string cache;
    if (const char* xdgCache = std::getenv("XDG_CACHE_HOME"); xdgCache && xdgCache[0] == '/') {
        cache = xdgCache;
    } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        cache = withSlash(home) + ".cache";
    } else if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_dir && user->pw_dir[0] == '/') {
        cache = withSlash(user->pw_dir) + ".cache";
    } else {
        Posix::fail("no home folder", ENOENT);
    }
    if (::mkdir(cache.c_str(), 0700) != 0 && errno != EEXIST) {
        Posix::fail("create " + cache, errno);
    }
    const std::string path = withSlash(cache) + "lockfern";
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        Posix::fail("create " + path, errno);
    }
    if (!isPrivateFolder(path)) {
        Posix::fail(path + " is not a private folder", EPERM);
    }
    return Folder(path);
}

std::string Folder::name() const
{
    return Paths::lastComponent(m_path);
}

std::optional<Folder> Folder::containingFolder() const
{
    if (m_path == "/") {
        return std::nullopt;
    }
    return Folder(Paths::parentOf(m_path));
}

File Folder::file(const std::string& name) const
{
    checkChildName(name);
    return File(m_path + name);
}

std::vector<File> Folder::files(Listing listing) const
{
    UniqueFd fd(::open(m_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) {
        Posix::fail("open " + m_path, errno);
    }
    DIR* dir = ::fdopendir(fd.get());
    if (!dir) {
        Posix::fail("list " + m_path, errno);
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
        Posix::fail("list " + m_path, error);
    }
    std::sort(names.begin(), names.end());
    std::vector<File> result;
    result.reserve(names.size());
    for (const auto& name : names) {
        result.emplace_back(m_path + name);
    }
    return result;
}

Folder Folder::subfolder(const std::string& name) const
{
    checkChildName(name);
    return Folder(m_path + name);
}

Folder Folder::createSubfolder(const std::string& name) const
{
    checkChildName(name);
    if (::mkdir((m_path + name).c_str(), 0777) != 0) {
        Posix::fail("create " + m_path + name, errno);
    }
    return Folder(m_path + name);
}

File Folder::createFile(const std::string& name, const QByteArray& contents) const
{
    checkChildName(name);
    return createNewFile(m_path + name, contents.constData(), static_cast<std::size_t>(contents.size()), 0666);
}

File Folder::createFile(const std::string& name, const QString& text) const
{
    return createFile(name, text.toUtf8());
}

File Folder::createFileIfNeeded(const std::string& name, const QByteArray& contents) const
{
    checkChildName(name);
    const std::string path = m_path + name;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            Posix::fail(path + " is not a regular file", EEXIST);
        }
        return File(path);
    }
    return createNewFile(path, contents.constData(), static_cast<std::size_t>(contents.size()), 0600);
}

void Folder::remove() const
{
    std::error_code error;
    std::string target = m_path;
    target.pop_back();
    std::filesystem::remove_all(target, error);
    if (error) {
        Posix::fail("delete " + m_path, error.value());
    }
}

File::File(const std::string& path) : m_path(Paths::absolute(path))
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) {
        Posix::fail("file " + m_path, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        Posix::fail("file " + m_path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
}

std::string File::name() const
{
    return Paths::lastComponent(m_path);
}

std::string File::baseName() const
{
    return Paths::baseNameOf(name());
}

Folder File::containingFolder() const
{
    return Folder(Paths::parentOf(m_path));
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
    UniqueFd fd = Posix::openRegularForReading(m_path, true);
    return readAll(fd.get(), m_path, std::numeric_limits<qsizetype>::max());
}

QString File::readAsString(std::int64_t maxBytes) const
{
    UniqueFd fd = Posix::openRegularForReading(m_path, false);
    std::optional<QString> text = Text::decodeUtf8(readAll(fd.get(), m_path, maxBytes));
    if (!text) {
        Posix::fail(m_path + " is not UTF-8 text", EILSEQ);
    }
    return std::move(*text);
}

void File::append(const QString& text) const
{
    UniqueFd fd(::open(m_path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) {
        Posix::fail("open " + m_path, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        Posix::fail(m_path + " is not our regular file", EPERM);
    }
    const QByteArray bytes = text.toUtf8();
    Posix::writeAll(fd.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void File::remove() const
{
    if (::unlink(m_path.c_str()) != 0) {
        Posix::fail("delete " + m_path, errno);
    }
}
