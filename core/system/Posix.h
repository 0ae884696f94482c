// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small POSIX helpers under the file-system layer and the package workflows.

#include <cstddef>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/types.h>
#include <string>
#include <utility>
#include <vector>

// What the file layer and these helpers throw: a description and the errno behind it.
class FileSystemError : public std::runtime_error
{
public:
    FileSystemError(const std::string& what, int error);
    int error() const { return m_error; } // errno, or 0
private:
    int m_error;
};

class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            reset(std::exchange(other.m_fd, -1));
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    void reset(int fd = -1);
    int release() { return std::exchange(m_fd, -1); }
    // close() with its result, for descriptors whose close may report a late write error.
    bool close();

private:
    int m_fd = -1;
};

namespace Posix {
[[noreturn]] void fail(const std::string& what, int error);
// The one write loop: everything, retrying short writes and EINTR; throws FileSystemError.
void writeAll(int fd, const void* data, std::size_t size);
// The one read loop: fills `buffer` unless the input ends first, retrying EINTR; the bytes read.
// Throws FileSystemError.
std::size_t readFully(int fd, void* buffer, std::size_t size);
// A file that did not exist, open for reading and writing, never through a link.
UniqueFd createNew(const std::string& path, mode_t mode);
// Opens for reading a regular file, never blocking on a FIFO or device; throws otherwise.
UniqueFd openRegularForReading(const std::string& path, bool followLinks);
// fsync of a folder, so a rename or creation inside it is on disk.
void syncFolder(const std::string& folderPath);
void syncFile(int fd);
// A file we wrote, on disk and closed; a late write error that close reports is an error too.
void syncAndClose(UniqueFd& fd, const std::string& path);
struct ::stat statOf(int fd);
void rewind(int fd);
// Whether anything, a dangling link included, holds the path.
bool exists(const std::string& path);
// A folder, or a link to one.
bool isFolder(const std::string& path);
// The names in an open folder but "." and "..", in byte order; the descriptor is left as it was.
std::vector<std::string> entryNames(int folderFd);
// Removes everything inside the folder open as `folderFd`, folders without write or search permission
// included, never following a link.
void removeContents(int folderFd);
// syncfs of the file system that holds `fd`: many files written at once, on disk with one call.
void syncFileSystem(int fd);
} // namespace Posix
