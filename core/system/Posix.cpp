// SPDX-License-Identifier: GPL-3.0-or-later
#include "Posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

FileSystemError::FileSystemError(const std::string& what, int error)
    : std::runtime_error(error ? what + ": " + std::strerror(error) : what), m_error(error)
{
}

void UniqueFd::reset(int fd)
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = fd;
}

bool UniqueFd::close()
{
    const int fd = std::exchange(m_fd, -1);
    return fd < 0 || ::close(fd) == 0;
}

namespace Posix {

void fail(const std::string& what, int error)
{
    throw FileSystemError(what, error);
}

void writeAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("write", errno);
        }
        if (written == 0) {
            fail("write", ENOSPC);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

std::size_t readFully(int fd, void* buffer, std::size_t size)
{
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, bytes + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            fail("read", errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

UniqueFd createNew(const std::string& path, mode_t mode)
{
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!fd) {
        fail("create " + path, errno);
    }
    return fd;
}

UniqueFd openRegularForReading(const std::string& path, bool followLinks)
{
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (followLinks ? 0 : O_NOFOLLOW);
    UniqueFd fd(::open(path.c_str(), flags));
    if (!fd) {
        fail("open " + path, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        fail("stat " + path, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        fail(path + " is not a regular file", EINVAL);
    }
    // Back to blocking reads now that it is known to be a regular file.
    ::fcntl(fd.get(), F_SETFL, O_RDONLY);
    return fd;
}

void syncFolder(const std::string& folderPath)
{
    UniqueFd fd(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) {
        fail("open " + folderPath, errno);
    }
    if (::fsync(fd.get()) != 0) {
        fail("fsync " + folderPath, errno);
    }
}

void syncFile(int fd)
{
    if (::fsync(fd) != 0) {
        fail("fsync", errno);
    }
}

void syncAndClose(UniqueFd& fd, const std::string& path)
{
    syncFile(fd.get());
    if (!fd.close()) {
        fail("close " + path, errno);
    }
}

struct stat statOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fail("stat", errno);
    }
    return st;
}

void rewind(int fd)
{
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        fail("seek", errno);
    }
}

bool exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool isFolder(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> entryNames(int folderFd)
{
    // A description of its own, so listing leaves the caller's descriptor as it was.
    UniqueFd listFd(::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* dir = listFd ? ::fdopendir(listFd.get()) : nullptr;
    if (!dir) {
        fail("list folder", errno);
    }
    listFd.release(); // owned by dir from here on
    std::vector<std::string> names;
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            error = errno;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(dir);
    if (error != 0) {
        fail("list folder", error);
    }
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

// Opens an entry of a folder for emptying it, giving it write and search permission first where needed.
UniqueFd openToEmpty(int folderFd, const std::string& name)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    UniqueFd fd(::openat(folderFd, name.c_str(), flags));
    if (!fd && errno == EACCES && ::fchmodat(folderFd, name.c_str(), 0700, AT_SYMLINK_NOFOLLOW) == 0) {
        fd.reset(::openat(folderFd, name.c_str(), flags));
    }
    if (!fd) {
        fail("open folder " + name, errno);
    }
    return fd;
}

} // namespace

void removeContents(int folderFd)
{
    if (::fchmod(folderFd, 0700) != 0) {
        fail("make folder writable", errno);
    }
    for (const std::string& name : entryNames(folderFd)) {
        struct stat st {};
        if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            fail("stat " + name, errno);
        }
        if (S_ISDIR(st.st_mode)) {
            removeContents(openToEmpty(folderFd, name).get());
        }
        if (::unlinkat(folderFd, name.c_str(), S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0) != 0) {
            fail("remove " + name, errno);
        }
    }
}

void syncFileSystem(int fd)
{
    if (::syncfs(fd) != 0) {
        fail("syncfs", errno);
    }
}

} // namespace Posix
