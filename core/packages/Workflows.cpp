// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkflowSupport.h"

#include "Files.h"
#include "Posix.h"

#include <cerrno>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Workflows {

std::string numberedName(const std::string& name, int number)
{
    const std::string base = Path::baseNameOf(name);
    const std::string extension = name.substr(base.size());
    return base + " " + std::to_string(number) + extension;
}

void conclude(RunReport& report, QStringList stages, Messages::Message failed, Messages::Message cancelled,
              const Messages::Sentence& saved)
{
    report.lines = std::move(stages);
    switch (report.outcome) {
    case Outcome::Success:
        report.message = Messages::Message::Succeeded;
        report.lines << QStringLiteral("success! saved in ") + report.path.display();
        report.detail = saved;
        return;
    case Outcome::Cancelled:
        report.message = cancelled;
        break;
    case Outcome::Failed:
        report.message = failed;
        break;
    }
    report.lines << Messages::logLine(report.message);
    report.detail = Messages::explain(report.failure);
}

void removePublished(const Path& path)
{
    try {
        if (Posix::isFolder(path.bytes())) {
            Folder(path).remove();
        } else {
            File(path).remove();
        }
    } catch (const FileSystemError&) {
        // Nothing more to do; the run is reported as failed either way.
    }
}

void requireRoom(std::int64_t bytes, const Path& folder)
{
    struct statvfs disk {};
    if (bytes > 0 && ::statvfs(folder.c_str(), &disk) == 0 && disk.f_blocks > 0) {
        const auto blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
        if (static_cast<unsigned long long>(bytes) > blocks * static_cast<unsigned long long>(disk.f_frsize)) {
            Posix::fail("no room in " + folder.bytes(), ENOSPC);
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

QString folderName(const Path& folder)
{
    return Path::displayName(folder.name());
}

Messages::Failure writeFailure(int error, const Path& folder, std::int64_t bytes)
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
