// SPDX-License-Identifier: GPL-3.0-or-later
#include "Staging.h"

#include <openssl/rand.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Staging {

namespace {

constexpr char kPrefix[] = ".lockfern-";
constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;
constexpr std::size_t kRandomLength = 10;
constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// A fresh name collides only when another run (or a remover) raced us for it; a few tries are plenty.
constexpr int kAttempts = 16;

// Fixed in length, so a staging name never exceeds the limit that a long final name fits in.
std::string newName()
{
    unsigned char random[kRandomLength];
    if (RAND_bytes(random, sizeof random) != 1) {
        Posix::fail("random name", EIO);
    }
    std::string name = kPrefix;
    for (unsigned char byte : random) {
        name += kAlphabet[byte % (sizeof kAlphabet - 1)];
    }
    return name;
}

bool sameInode(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Our entry is still the one at `path`: a remover may have taken it between creation and locking.
bool stillAt(int fd, const Path& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && sameInode(open, named);
}

// Held shared for the whole run; a remover needs it exclusively. Shared works on read-only
// descriptors of folders, also where flock is emulated with POSIX locks (NFS). Where no lock can be
// taken at all, neither can a remover's, so the entry is never taken for stale. False when a remover
// holds it already, between our creating and locking it: the entry is as good as gone.
bool holdLock(int fd)
{
    while (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return errno != EWOULDBLOCK;
        }
    }
    return true;
}

// The names in an open folder that `keep` takes; none when it can't be listed.
template <typename Keep> std::vector<std::string> namesIn(int folderFd, Keep keep)
{
    std::vector<std::string> names;
    try {
        for (std::string& name : Posix::entryNames(folderFd)) {
            if (keep(name.c_str())) {
                names.push_back(std::move(name));
            }
        }
    } catch (const FileSystemError&) {
    }
    return names;
}

// Empties an open staging folder, a restored folder's tree included; what stays makes its removal fail.
void emptyFolder(int folderFd)
{
    try {
        Posix::removeContents(folderFd);
    } catch (const FileSystemError&) {
    }
}

void removeIfStale(int folderFd, const std::string& name)
{
    struct stat st {};
    if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || st.st_uid != ::geteuid() ||
        !(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))) {
        return;
    }
    const bool isFolder = S_ISDIR(st.st_mode);
    // Files are opened for writing so that the exclusive lock also works where it is a POSIX lock.
    const int flags = (isFolder ? O_RDONLY | O_DIRECTORY : O_RDWR) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    UniqueFd entry(::openat(folderFd, name.c_str(), flags));
    struct stat opened {};
    if (!entry || ::flock(entry.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(entry.get(), &opened) != 0 ||
        !sameInode(st, opened)) {
        return;
    }
    if (isFolder) {
        emptyFolder(entry.get());
    }
    ::unlinkat(folderFd, name.c_str(), isFolder ? AT_REMOVEDIR : 0);
}

// Whether nobody but us (and root) can rename entries in the open folder. Elsewhere another user may
// have renamed an entry of ours, a private folder or a package, to a staging name, and it would look
// stale; there a killed run's entry stays hidden rather than anything of the user's being deleted.
// An ACL that lets others write shows in the group bits, which then hold its mask.
bool onlyOwnerRenames(int folderFd)
{
    struct stat st {};
    if (::fstat(folderFd, &st) != 0 || (st.st_uid != ::geteuid() && st.st_uid != 0)) {
        return false;
    }
    return (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (st.st_mode & S_ISVTX) != 0;
}

bool renameNoReplace(const Path& from, const Path& to)
{
    if (!features().renameNoReplace) {
        errno = EINVAL;
        return false;
    }
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

bool isUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

} // namespace

Features& features()
{
    static Features current;
    return current;
}

bool isStagingName(const std::string& name)
{
    if (name.size() != kPrefixLength + kRandomLength || name.compare(0, kPrefixLength, kPrefix) != 0) {
        return false;
    }
    return name.find_first_not_of(kAlphabet, kPrefixLength) == std::string::npos;
}

void removeStale(const Path& folder)
{
    const UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd || !onlyOwnerRenames(folderFd.get())) {
        return;
    }
    for (const auto& name : namesIn(folderFd.get(), [](const char* name) { return isStagingName(name); })) {
        removeIfStale(folderFd.get(), name);
    }
}

// ---- folders ------------------------------------------------------------------------------------

StagedFolder::StagedFolder(const Path& parentFolder)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const Path path = parentFolder / newName();
        if (::mkdir(path.c_str(), 0777) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            Posix::fail("create " + path.bytes(), errno);
        }
        UniqueFd lock(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!lock && errno == ENOENT) {
            continue; // a remover took it for stale before we could lock it
        }
        if (!lock) {
            const int error = errno;
            ::rmdir(path.c_str()); // still empty: nothing was staged in it yet
            Posix::fail("open " + path.bytes(), error);
        }
        if (holdLock(lock.get()) && stillAt(lock.get(), path)) {
            m_path = path;
            m_lock = std::move(lock);
            return;
        }
    }
    Posix::fail("no staging folder in " + parentFolder.bytes(), EEXIST);
}

StagedFolder::~StagedFolder()
{
    discard();
}

void StagedFolder::publishAs(const Path& target)
{
    if (!renameNoReplace(m_path, target)) {
        const int error = errno;
        if (!isUnsupported(error)) {
            Posix::fail("publish " + target.bytes(), error);
        }
        // Without RENAME_NOREPLACE: claim the name with an empty folder of our own, which a rename
        // may replace; if anything appeared in it meanwhile, the rename fails and nothing is lost.
        if (::mkdir(target.c_str(), 0700) != 0) {
            Posix::fail("publish " + target.bytes(), errno);
        }
        if (::rename(m_path.c_str(), target.c_str()) != 0) {
            const int renameError = errno;
            ::rmdir(target.c_str()); // only while it is still our empty folder
            Posix::fail("publish " + target.bytes(), renameError);
        }
    }
    m_done = true;
}

bool StagedFolder::discard()
{
    if (m_done || m_path.isEmpty()) {
        return true;
    }
    if (m_lock && stillAt(m_lock.get(), m_path)) {
        emptyFolder(m_lock.get());
        if (::rmdir(m_path.c_str()) != 0 && errno != ENOENT) {
            return false;
        }
    }
    m_done = true;
    return true;
}

// ---- files --------------------------------------------------------------------------------------

StagedFile::StagedFile(const Path& folder, mode_t mode)
{
    if (features().anonymousFiles) {
        m_fd.reset(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
        if (m_fd) {
            return;
        }
        // Old kernels answer EISDIR, file systems without it EOPNOTSUPP.
        if (!isUnsupported(errno) && errno != EISDIR) {
            Posix::fail("create a file in " + folder.bytes(), errno);
        }
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const Path path = folder / newName();
        UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!fd) {
            if (errno == EEXIST) {
                continue;
            }
            Posix::fail("create " + path.bytes(), errno);
        }
        if (holdLock(fd.get()) && stillAt(fd.get(), path)) {
            m_fd = std::move(fd);
            m_path = path;
            return;
        }
    }
    Posix::fail("no staging file in " + folder.bytes(), EEXIST);
}

StagedFile::~StagedFile()
{
    if (!m_path.isEmpty() && m_fd && stillAt(m_fd.get(), m_path)) {
        ::unlink(m_path.c_str());
    }
}

bool StagedFile::publishAs(const Path& target)
{
    if (isAnonymous()) {
        // linkat never replaces. AT_EMPTY_PATH needs a capability; the /proc link does not.
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd.get());
        if (::linkat(AT_FDCWD, self, AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno == ENOENT && ::access("/proc/self/fd", F_OK) != 0 &&
            ::linkat(m_fd.get(), "", AT_FDCWD, target.c_str(), AT_EMPTY_PATH) == 0) {
            return true;
        }
    } else if (renameNoReplace(m_path, target)) {
        m_path = {};
        return true;
    } else if (isUnsupported(errno)) {
        // A hard link never replaces either.
        if (::link(m_path.c_str(), target.c_str()) == 0) {
            ::unlink(m_path.c_str());
            m_path = {};
            return true;
        }
    }
    if (errno == EEXIST) {
        return false;
    }
    Posix::fail("publish " + target.bytes(), errno);
}

} // namespace Staging
