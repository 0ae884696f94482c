// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small POSIX helpers under the file-system layer and the package workflows.

#include <cstddef>
#include <string>
#include <utility>

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
// Writes everything, retrying short writes and EINTR; throws FileSystemError.
void writeAll(int fd, const void* data, std::size_t size);
// Opens for reading a regular file, never blocking on a FIFO or device; throws otherwise.
UniqueFd openRegularForReading(const std::string& path, bool followLinks);
// fsync of a folder, so a rename or creation inside it is on disk.
void syncFolder(const std::string& folderPath);
} // namespace Posix
