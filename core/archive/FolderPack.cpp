// SPDX-License-Identifier: GPL-3.0-or-later
// Packing: the folder walked through descriptors, never following a link, into libarchive's pax writer.
#include "ArchiveSupport.h"
#include "FolderArchive.h"
#include "Posix.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace FolderArchive {

namespace {

using Support::checkCancel;

// Output goes out in blocks of a pipe's capacity; the last one is not padded.
constexpr int kBlockSize = 64 * 1024;

[[noreturn]] void changed(const std::string& relative)
{
    throw Error(Error::Kind::Changed, relative + " changed while it was packed");
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool sameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool unchanged(const struct stat& a, const struct stat& b)
{
    return sameFile(a, b) && a.st_size == b.st_size && sameTime(a.st_mtim, b.st_mtim) && sameTime(a.st_ctim, b.st_ctim);
}

// The entry `name` of an open folder, opened without following a link or blocking on a FIFO, when it is
// still the entry `expected` that was listed.
UniqueFd openListed(int folderFd, const std::string& name, const std::string& relative, const struct stat& expected,
                    int flags)
{
    UniqueFd fd(::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags));
    if (!fd) {
        // Gone, or replaced by a link or by something that is not a folder.
        if (errno == ENOENT || errno == ELOOP || errno == ENOTDIR) {
            changed(relative);
        }
        Posix::fail("open " + relative, errno);
    }
    if (!sameFile(Posix::statOf(fd.get()), expected)) {
        changed(relative);
    }
    ::fcntl(fd.get(), F_SETFL, O_RDONLY); // blocking reads again
    return fd;
}

struct Listed
{
    int folderFd;
    const std::string& name;
    const std::string& relative; // inside the packed folder
    const struct stat& st;       // as listed, not following a link
};

// Everything inside an open folder, depth first, names in byte order; a folder before what it holds.
template <typename Visit> void walk(int folderFd, const std::string& prefix, const Visit& visit)
{
    for (const std::string& name : Posix::entryNames(folderFd)) {
        const std::string relative = prefix + name;
        struct stat st
        {
        };
        if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            errno == ENOENT ? changed(relative) : Posix::fail("stat " + relative, errno);
        }
        visit(Listed{folderFd, name, relative, st});
        if (S_ISDIR(st.st_mode)) {
            const UniqueFd inner = openListed(folderFd, name, relative, st, O_DIRECTORY);
            walk(inner.get(), relative + "/", visit);
        }
    }
}

bool isStored(mode_t mode)
{
    return S_ISDIR(mode) || S_ISREG(mode) || S_ISLNK(mode);
}

UniqueFd openFolder(const std::string& folder)
{
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) {
        Posix::fail("open " + folder, errno);
    }
    return fd;
}

Scan scanOpen(int folderFd)
{
    Scan totals{0, 1};
    walk(folderFd, "", [&totals](const Listed& entry) {
        if (isStored(entry.st.st_mode)) {
            ++totals.entries;
        }
        if (S_ISREG(entry.st.st_mode)) {
            totals.contentBytes += entry.st.st_size;
        }
    });
    return totals;
}

// The folder's own name as chosen, or as it resolves when it was chosen as "." or "..".
std::string rootNameOf(const std::string& folder)
{
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    std::string name = path.substr(path.rfind('/') + 1);
    if (name == "." || name == "..") {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
        if (!real) {
            Posix::fail("resolve " + folder, errno);
        }
        name = std::string(real.get()).substr(std::string(real.get()).rfind('/') + 1);
    }
    if (name.empty() || name == "/") {
        Posix::fail(folder + " has no name to pack it under", EINVAL);
    }
    return name;
}

std::string linkTarget(int folderFd, const std::string& name, const std::string& relative, off_t sizeHint)
{
    std::string target(static_cast<std::size_t>(sizeHint > 0 ? sizeHint : PATH_MAX) + 1, '\0');
    for (;;) {
        const ssize_t length = ::readlinkat(folderFd, name.c_str(), target.data(), target.size());
        if (length < 0) {
            errno == ENOENT || errno == EINVAL ? changed(relative) : Posix::fail("read link " + relative, errno);
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2); // grew since it was listed
    }
}

// A reader that went away would raise SIGPIPE, which ends the whole process; blocked for this thread while
// it packs, the write fails with EPIPE instead, and the signal it raised is taken back.
class PipeSignalBlock
{
public:
    PipeSignalBlock()
    {
        ::sigemptyset(&m_pipe);
        ::sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        ::sigpending(&pending);
        m_wasPending = ::sigismember(&pending, SIGPIPE) == 1;
        ::pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~PipeSignalBlock()
    {
        sigset_t pending;
        if (!m_wasPending && ::sigpending(&pending) == 0 && ::sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            ::sigtimedwait(&m_pipe, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    PipeSignalBlock(const PipeSignalBlock&) = delete;
    PipeSignalBlock& operator=(const PipeSignalBlock&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_previous;
    bool m_wasPending = false;
};

class Packer
{
public:
    Packer(int out, const Control& control, std::int64_t total)
        : m_out(out), m_control(control), m_total(total), m_archive(archive_write_new(), &archive_write_free),
          m_entry(archive_entry_new(), &archive_entry_free), m_buffer(Support::kBufferSize)
    {
        if (!m_archive || !m_entry) {
            Posix::fail("archive", ENOMEM);
        }
        if (archive_write_set_format_pax(m_archive.get()) != ARCHIVE_OK ||
            archive_write_set_format_option(m_archive.get(), "pax", "xattrheader", "SCHILY") != ARCHIVE_OK ||
            archive_write_set_bytes_per_block(m_archive.get(), kBlockSize) != ARCHIVE_OK ||
            archive_write_set_bytes_in_last_block(m_archive.get(), 1) != ARCHIVE_OK ||
            archive_write_open2(m_archive.get(), this, nullptr, &Packer::write, nullptr, nullptr) != ARCHIVE_OK) {
            failed("start the archive");
        }
    }
    // After a failure nothing more reaches the output, yet the writer is closed all the same, which free
    // alone skips after an error: libarchive 3.6 frees its block buffer on close only. A file left half
    // written is first filled with zeros here, a buffer at a time, rather than by close a kilobyte at a time.
    ~Packer()
    {
        m_discard = true;
        std::fill(m_buffer.begin(), m_buffer.end(), '\0');
        while (m_entryLeft > 0) {
            const auto size = static_cast<std::size_t>(std::min<std::int64_t>(m_entryLeft, std::ssize(m_buffer)));
            if (archive_write_data(m_archive.get(), m_buffer.data(), size) <= 0) {
                break;
            }
            m_entryLeft -= static_cast<std::int64_t>(size);
        }
        archive_write_close(m_archive.get());
    }
    Packer(const Packer&) = delete;
    Packer& operator=(const Packer&) = delete;

    void addRoot(const std::string& name, const struct stat& st)
    {
        m_rootName = name;
        start(m_rootName, AE_IFDIR, st);
        archive_entry_xattr_add_entry(m_entry.get(), Support::kMarkerName, Support::kMarkerValue,
                                      sizeof Support::kMarkerValue - 1);
        writeHeader();
    }

    void add(const Listed& entry)
    {
        checkCancel(m_control);
        const std::string path = m_rootName + '/' + entry.relative;
        switch (entry.st.st_mode & S_IFMT) {
        case S_IFDIR:
            start(path, AE_IFDIR, entry.st);
            writeHeader();
            break;
        case S_IFLNK:
            start(path, AE_IFLNK, entry.st);
            archive_entry_copy_symlink(
                m_entry.get(), linkTarget(entry.folderFd, entry.name, entry.relative, entry.st.st_size).c_str());
            writeHeader();
            break;
        case S_IFREG:
            addFile(entry, path);
            break;
        default:
            m_packed.skipped.push_back(entry.relative);
        }
    }

    Packed finish()
    {
        if (archive_write_close(m_archive.get()) != ARCHIVE_OK) {
            failed("finish the archive");
        }
        return m_packed;
    }

private:
    void start(const std::string& path, unsigned int type, const struct stat& st)
    {
        // Owners stay out: a cleared entry has uid and gid 0 and no names.
        archive_entry_clear(m_entry.get());
        archive_entry_copy_pathname(m_entry.get(), path.c_str());
        archive_entry_set_filetype(m_entry.get(), type);
        archive_entry_set_perm(m_entry.get(), st.st_mode & 0777);
        archive_entry_set_mtime(m_entry.get(), st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    }

    // Exactly the size it had when opened; fewer bytes, another size or time by the end, or another file
    // under its name is a change.
    void addFile(const Listed& entry, const std::string& path)
    {
        const UniqueFd fd = openListed(entry.folderFd, entry.name, entry.relative, entry.st, 0);
        const struct stat opened = Posix::statOf(fd.get());
        start(path, AE_IFREG, opened);
        archive_entry_set_size(m_entry.get(), opened.st_size);
        writeHeader();
        for (m_entryLeft = opened.st_size; m_entryLeft > 0;) {
            checkCancel(m_control);
            const auto want = static_cast<std::size_t>(std::min<std::int64_t>(m_entryLeft, std::ssize(m_buffer)));
            if (Posix::readFully(fd.get(), m_buffer.data(), want) != want) {
                changed(entry.relative);
            }
            if (archive_write_data(m_archive.get(), m_buffer.data(), want) != static_cast<la_ssize_t>(want)) {
                failed("write " + entry.relative);
            }
            m_entryLeft -= static_cast<std::int64_t>(want);
            m_done += static_cast<std::int64_t>(want);
            m_control.report(m_done, m_total);
        }
        // The name is checked too: a file replaced while open need not show it in its own times.
        struct stat named {};
        if (!unchanged(Posix::statOf(fd.get()), opened) ||
            ::fstatat(entry.folderFd, entry.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            !sameFile(named, opened)) {
            changed(entry.relative);
        }
    }

    // A warning is a name that is not UTF-8, written as bytes.
    void writeHeader()
    {
        if (archive_write_header(m_archive.get(), m_entry.get()) < ARCHIVE_WARN) {
            failed("write " + std::string(archive_entry_pathname(m_entry.get())));
        }
    }

    // What our output callback caught, or else what libarchive reports.
    [[noreturn]] void failed(const std::string& what)
    {
        if (m_writeError) {
            std::rethrow_exception(m_writeError);
        }
        const char* reason = archive_error_string(m_archive.get());
        const int error = archive_errno(m_archive.get());
        Posix::fail(what + ": " + (reason ? reason : "archive error"), error > 0 ? error : EIO);
    }

    // Called from inside libarchive: nothing may be thrown through it.
    static la_ssize_t write(archive* /*unused*/, void* self, const void* data, size_t size) noexcept
    {
        auto* packer = static_cast<Packer*>(self);
        if (packer->m_discard) {
            return static_cast<la_ssize_t>(size);
        }
        try {
            Posix::writeAll(packer->m_out, data, size);
            return static_cast<la_ssize_t>(size);
        } catch (...) {
            packer->m_writeError = std::current_exception();
            return -1;
        }
    }

    int m_out;
    const Control& m_control;
    std::int64_t m_total;
    std::int64_t m_done = 0;
    std::int64_t m_entryLeft = 0; // bytes of the file being written
    std::unique_ptr<archive, decltype(&archive_write_free)> m_archive;
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> m_entry;
    std::vector<char> m_buffer;
    std::string m_rootName;
    Packed m_packed;
    std::exception_ptr m_writeError;
    bool m_discard = false;
};

} // namespace

Scan scan(const std::string& folder)
{
    return scanOpen(openFolder(folder).get());
}

Packed pack(const std::string& folder, int out, const Control& control, const Scan* scanned)
{
    const UniqueFd root = openFolder(folder);
    const std::string rootName = rootNameOf(folder);
    // The total for progress takes a walk of its own, made only for someone who asks.
    const Scan totals = scanned ? *scanned : control.progress ? scanOpen(root.get()) : Scan{};
    const PipeSignalBlock pipeSignal;
    const Support::Utf8Names utf8Names;
    Packer packer(out, control, totals.contentBytes);
    packer.addRoot(rootName, Posix::statOf(root.get()));
    walk(root.get(), "", [&packer](const Listed& entry) { packer.add(entry); });
    return packer.finish();
}

} // namespace FolderArchive
