// SPDX-License-Identifier: GPL-3.0-or-later
#include "StreamIO.h"

#include "Posix.h"
#include "RNCryptorFormat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RNCryptor::StreamIO {

using Format::fail;
using Format::failWithErrno;

std::size_t readUpTo(int fd, unsigned char* buffer, std::size_t size)
{
    try {
        return Posix::readFully(fd, buffer, size);
    } catch (const FileSystemError& error) {
        failWithErrno(Error::Kind::Read, "cannot read the input", error.error());
    }
}

void readExactly(int fd, unsigned char* buffer, std::size_t size)
{
    if (readUpTo(fd, buffer, size) != size) {
        fail(Error::Kind::Read, "the input is shorter than expected");
    }
}

void expectEnd(int fd)
{
    unsigned char probe = 0;
    std::size_t got = 0;
    try {
        got = Posix::readFully(fd, &probe, 1);
    } catch (const FileSystemError& error) {
        failWithErrno(Error::Kind::Read, "cannot read the input", error.error());
    }
    if (got != 0) {
        fail(Error::Kind::Read, "the input is longer than expected");
    }
}

Output::Output(int fd) : m_fd(fd)
{
    struct stat st {};
    m_regular = fd != -1 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

Output::Output(const PlaintextSink& sink) : m_fd(-1), m_sink(&sink) {}

void Output::write(const unsigned char* data, std::size_t size)
{
    if (m_sink) {
        (*m_sink)(data, size);
    } else if (m_fd != -1) {
        try {
            Posix::writeAll(m_fd, data, size);
        } catch (const FileSystemError& error) {
            failWithErrno(Error::Kind::Write, "cannot write the output", error.error());
        }
    }
}

void Output::startWriteback()
{
    if (!m_regular) {
        return;
    }
    constexpr off_t kPage = 4096;
    const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
    const off_t wholePages = end - end % kPage;
    if (end >= 0 && wholePages > m_writebackFrom) {
        ::sync_file_range(m_fd, m_writebackFrom, wholePages - m_writebackFrom, SYNC_FILE_RANGE_WRITE);
        m_writebackFrom = wholePages;
    }
}

void checkCancel(const RunControl& control)
{
    if (control.cancelled()) {
        fail(Error::Kind::Cancelled, "cancelled");
    }
}

} // namespace RNCryptor::StreamIO
