// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveReader.h"

#include "ArchiveSupport.h"
#include "Posix.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <unistd.h>

namespace FolderArchive::Support {

Reader::Reader(int fd)
    : m_fd(fd), m_size(Posix::statOf(fd).st_size), m_buffer(kBufferSize), m_archive(archive_read_new(), &archive_read_free)
{
    if (!m_archive) {
        Posix::fail("archive", ENOMEM);
    }
    // Tar in its variants only: no compression filters, no other formats.
    if (archive_read_support_format_tar(m_archive.get()) != ARCHIVE_OK ||
        archive_read_open2(m_archive.get(), this, nullptr, &Reader::read, nullptr, nullptr) != ARCHIVE_OK) {
        failed();
    }
}

archive_entry* Reader::next()
{
    archive_entry* entry = nullptr;
    const int result = archive_read_next_header(m_archive.get(), &entry);
    if (result == ARCHIVE_EOF) {
        return nullptr;
    }
    if (result != ARCHIVE_OK) {
        failed();
    }
    return entry;
}

bool Reader::block(const void*& data, std::size_t& size, std::int64_t& offset)
{
    la_int64_t at = 0;
    const int result = archive_read_data_block(m_archive.get(), &data, &size, &at);
    if (result == ARCHIVE_EOF) {
        return false;
    }
    if (result != ARCHIVE_OK) {
        failed();
    }
    offset = at;
    return true;
}

void Reader::failed()
{
    if (m_readError) {
        std::rethrow_exception(m_readError);
    }
    const char* reason = archive_error_string(m_archive.get());
    damaged(reason ? reason : "unreadable archive");
}

la_ssize_t Reader::read(archive* /*unused*/, void* self, const void** buffer) noexcept
{
    auto* reader = static_cast<Reader*>(self);
    const auto want = static_cast<std::size_t>(
        std::min<std::int64_t>(reader->m_size - reader->m_position, std::ssize(reader->m_buffer)));
    ssize_t got = 0;
    do {
        got = ::pread(reader->m_fd, reader->m_buffer.data(), want, reader->m_position);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        try {
            Posix::fail("read archive", errno);
        } catch (...) {
            reader->m_readError = std::current_exception();
        }
        return -1;
    }
    reader->m_position += got;
    *buffer = reader->m_buffer.data();
    return got;
}

} // namespace FolderArchive::Support
