// SPDX-License-Identifier: GPL-3.0-or-later
#include "StreamIO.h"

#include "Files.h"
#include "Posix.h"
#include "RNCryptorFormat.h"

#include <algorithm>
#include <csetjmp>
#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RNCryptor::StreamIO {

using Format::fail;
using Format::failWithErrno;

void readExactly(int fd, unsigned char* buffer, std::size_t size)
{
    std::size_t got = 0;
    try {
        got = Posix::readFully(fd, buffer, size);
    } catch (const FileSystemError& error) {
        failWithErrno(Error::Kind::Read, "cannot read the input", error.error());
    }
    if (got != size) {
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

namespace {

// A window holds whole chunks, at least as many as a second thread can lag behind (the ring's
// slots), so that the window before the current one is all it may still be reading.
constexpr std::size_t kWindowSize = Input::kMappedChunks * kStreamChunkSize;

thread_local sigjmp_buf* t_recovery = nullptr;

void onBusError(int signal, siginfo_t*, void*)
{
    if (sigjmp_buf* recovery = t_recovery) {
        t_recovery = nullptr;
        siglongjmp(*recovery, 1);
    }
    // Not a read of ours: what the signal would have done without us.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

bool readingMapped(void (*work)(void*), void* context)
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        ::sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, &action, nullptr) == 0;
    }();
    (void)installed;
    sigjmp_buf recovery;
    if (sigsetjmp(recovery, 1) != 0) {
        return false;
    }
    t_recovery = &recovery;
    try {
        work(context);
    } catch (...) {
        t_recovery = nullptr;
        throw;
    }
    t_recovery = nullptr;
    return true;
}

Input::Input(int fd, std::int64_t size) : m_fd(fd), m_start(::lseek(fd, 0, SEEK_CUR)), m_size(size)
{
    struct stat st {};
    m_mapped = m_start >= 0 && size > 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= m_start + size;
    if (m_mapped) {
        mapWindowAt(m_start);
        m_mapped = m_current.base != nullptr;
    }
}

Input::~Input()
{
    for (const Window* window : {&m_current, &m_previous}) {
        if (window->base) {
            ::munmap(window->base, window->length);
        }
    }
}

void Input::mapWindowAt(std::int64_t position)
{
    const auto page = static_cast<std::int64_t>(::sysconf(_SC_PAGESIZE));
    const std::int64_t from = position - position % page;
    const auto length = static_cast<std::size_t>(std::min<std::int64_t>(
        static_cast<std::int64_t>(kWindowSize) + (position - from), m_start + m_size - from));
    void* base = ::mmap(nullptr, length, PROT_READ, MAP_SHARED | MAP_NORESERVE, m_fd, from);
    if (base == MAP_FAILED) {
        if (m_taken == 0) {
            return; // not mappable after all: read instead
        }
        failWithErrno(Error::Kind::Read, "cannot map the input", errno);
    }
    ::madvise(base, length, MADV_SEQUENTIAL);
    if (m_previous.base) {
        ::munmap(m_previous.base, m_previous.length);
    }
    m_previous = m_current;
    m_current = {static_cast<unsigned char*>(base), length, from};
}

const unsigned char* Input::next(unsigned char* buffer, std::size_t size)
{
    if (size > static_cast<std::size_t>(m_size - m_taken)) {
        fail(Error::Kind::Read, "the input is shorter than expected");
    }
    if (!m_mapped) {
        readExactly(m_fd, buffer, size);
        m_taken += static_cast<std::int64_t>(size);
        return buffer;
    }
    const std::int64_t position = m_start + m_taken;
    if (position + static_cast<std::int64_t>(size) > m_current.from + static_cast<std::int64_t>(m_current.length)) {
        mapWindowAt(position);
    }
    m_taken += static_cast<std::int64_t>(size);
    return m_current.base + (position - m_current.from);
}

void Input::expectEnd()
{
    if (!m_mapped) {
        StreamIO::expectEnd(m_fd);
        return;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || st.st_size != m_start + m_size) {
        fail(Error::Kind::Read, "the input changed size while it was read");
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

void checkCancel(const StreamControl& control)
{
    if (control.cancel && control.cancel->load(std::memory_order_relaxed)) {
        fail(Error::Kind::Cancelled, "cancelled");
    }
}

void report(const StreamControl& control, std::int64_t done, std::int64_t total)
{
    if (control.progress) {
        control.progress(done, total);
    }
}

} // namespace RNCryptor::StreamIO
