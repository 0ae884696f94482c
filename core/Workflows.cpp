// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkflowSupport.h"

#include "Files.h"
#include "Posix.h"

#include <cerrno>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Workflows {

QString displayPath(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string numberedName(const std::string& name, int number)
{
    const std::string base = Paths::baseNameOf(name);
    const std::string extension = name.substr(base.size());
    return base + " " + std::to_string(number) + extension;
}

void removePublished(const std::string& path)
{
    try {
        if (Posix::isFolder(path)) {
            Folder(path).remove();
        } else {
            File(path).remove();
        }
    } catch (const FileSystemError&) {
        // Nothing more to do; the run is reported as failed either way.
    }
}

void requireRoom(std::int64_t bytes, const std::string& folder)
{
    struct statvfs disk {};
    if (bytes > 0 && ::statvfs(folder.c_str(), &disk) == 0 && disk.f_blocks > 0) {
        const auto blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
        if (static_cast<unsigned long long>(bytes) > blocks * static_cast<unsigned long long>(disk.f_frsize)) {
            Posix::fail("no room in " + folder, ENOSPC);
        }
    }
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        bytes > static_cast<std::int64_t>(limit.rlim_cur)) {
        Posix::fail("larger than this process may write", EFBIG);
    }
}

int errorOf(const std::exception& error)
{
    if (const auto* io = dynamic_cast<const FileSystemError*>(&error)) {
        return io->error();
    }
    if (const auto* engine = dynamic_cast<const RNCryptor::Error*>(&error)) {
        return engine->error();
    }
    return 0;
}

QString folderName(const std::string& folder)
{
    return displayPath(Paths::lastComponent(folder));
}

Messages::Failure writeFailure(int error, const std::string& folder, std::int64_t bytes)
{
    using Messages::Reason;
    switch (error) {
    case EROFS:
        return {Reason::ReadOnlyFolder, {}, folderName(folder), 0};
    case EACCES:
    case EPERM:
        return {Reason::FolderNotWritable, {}, folderName(folder), 0};
    case ENOSPC:
    case EDQUOT:
        return {Reason::NoSpace, {}, folderName(folder), bytes};
    default:
        return {Reason::Unknown, {}, {}, 0};
    }
}

} // namespace Workflows
