// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

namespace FolderArchive::Support {

// Reads the archive from offset 0 with pread, never past the size it had when opened. Fails with
// Error(Damaged) on what libarchive cannot read as tar, with FileSystemError when reading fails.
class Reader
{
public:
    explicit Reader(int fd);
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    std::int64_t size() const { return m_size; }
    std::int64_t position() const { return m_position; }

    // The next entry, or nullptr after the last. Anything libarchive only warns about fails too.
    archive_entry* next();
    // The next block of the entry's data; false after its last.
    bool block(const void*& data, std::size_t& size, std::int64_t& offset);

private:
    [[noreturn]] void failed();
    // Called from inside libarchive: nothing may be thrown through it.
    static la_ssize_t read(archive* unused, void* self, const void** buffer) noexcept;

    int m_fd;
    std::int64_t m_size;
    std::int64_t m_position = 0;
    std::vector<char> m_buffer;
    std::unique_ptr<archive, decltype(&archive_read_free)> m_archive;
    std::exception_ptr m_readError;
};

} // namespace FolderArchive::Support
