// SPDX-License-Identifier: GPL-3.0-or-later
// Preparing a file for encryption and writing its package beside it.
#include "WorkflowSupport.h"

#include "Files.h"
#include "Package.h"
#include "Posix.h"
#include "Staging.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace Workflows {

// ---- prepare a file for encryption ------------------------------------------------------------

namespace {

// A folder, or a link to one, which is packed as the folder it leads to into a package beside the
// link, as a link to a file is encrypted as its target. A link that leads to a package is a package;
// "..", which only the file system can resolve, is the folder it resolves to.
PrepareResult prepareFolder(const Path& path)
{
    PrepareResult result;
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (!real) {
        Posix::fail("resolve " + path.bytes(), errno);
    }
    const Path resolved(real.get());
    if (Package::isPackagePath(resolved)) {
        result.outcome = PrepareOutcome::AlreadyEncrypted;
        return result;
    }
    const Path folder = path.name() == ".." ? resolved : path;
    // The root has no name to make a package of; a folder we may not list can't be packed.
    if (folder.name() == "/" || ::access(folder.c_str(), R_OK | X_OK) != 0) {
        Posix::fail("no folder to pack at " + path.bytes(), EACCES);
    }
    result.source = PreparedSource{folder, Package::folderPackagePath(folder), true};
    result.outcome = PrepareOutcome::Prepared;
    return result;
}

} // namespace

PrepareResult prepareSource(const Path& path)
{
    PrepareResult result;
    if (!path.isAbsolute()) {
        return result; // no working folder to make it absolute against
    }
    try {
        if (Package::isPackagePath(path)) {
            result.outcome = PrepareOutcome::AlreadyEncrypted;
            return result;
        }
        if (Posix::isFolder(path.bytes())) {
            return prepareFolder(path);
        }
        const File file(path);
        result.source = PreparedSource{file.path(), Package::packagePath(file.path())};
        result.outcome = PrepareOutcome::Prepared;
    } catch (const FileSystemError&) {
        result.outcome = PrepareOutcome::Problem;
    }
    return result;
}

Messages::Message PrepareResult::message() const
{
    switch (outcome) {
    case PrepareOutcome::Prepared:
        return Messages::Message::FileAdded;
    case PrepareOutcome::AlreadyEncrypted:
        return Messages::Message::AlreadyEncrypted;
    case PrepareOutcome::Problem:
        break;
    }
    return Messages::Message::Problem;
}

// ---- write a package -----------------------------------------------------------------------------

namespace {

bool changedSince(const struct stat& before, const struct stat& after)
{
    const auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
    return before.st_size != after.st_size || !same(before.st_mtim, after.st_mtim) || !same(before.st_ctim, after.st_ctim);
}

} // namespace

// The log tells a run that reads, encrypts, then creates the package and saves its two files.
enum class Stage {
    None,
    ReadFile,           // "read file content"
    Encrypted,          // "encrypted file content"
    CreatedPackage,     // "created new package"
    SavedEncryptedFile, // "save encrypted file in package"
    ChoseHint,          // "added hint " + hint, or "hint is empty"
    SavedHint,          // "saved hint to file in package"
};

namespace {

// The package's two files and what the folder needs for them; the hint's is at most 64 KiB.
std::int64_t packageBytes(std::int64_t sourceSize, const QString& hint)
{
    return RNCryptor::encryptedSize(sourceSize) + hint.toUtf8().size();
}

// The name of the encrypted file inside the package.
std::string encryptedName(const PreparedSource& source)
{
    return source.folder ? Package::folderArchiveName(source.path.name()) : source.path.name();
}

Messages::Failure nameTaken(const PreparedSource& source)
{
    return {Messages::Reason::NameTaken, Path::displayName(source.packagePath.name()), folderName(source.path.parent()),
            0};
}

// The stages reached, as the log tells them.
QStringList stageLines(Stage reached, const std::optional<QString>& hint)
{
    const QStringList all{QStringLiteral("read file content"), QStringLiteral("encrypted file content"),
                          QStringLiteral("created new package"), QStringLiteral("save encrypted file in package"),
                          hint ? QStringLiteral("added hint ") + *hint : QStringLiteral("hint is empty"),
                          QStringLiteral("saved hint to file in package")};
    return all.mid(0, static_cast<int>(reached));
}

} // namespace

Messages::Failure checkPackagePlace(const PreparedSource& source)
{
    using Messages::Reason;
    const Path folder = source.path.parent();
    if (Posix::exists(source.packagePath.bytes())) {
        return nameTaken(source);
    }
    // Asked, not tried: choosing a file writes nothing. Only what can be named is said now.
    Messages::Failure failure;
    struct stat st {};
    std::int64_t needed = 0;
    if (source.folder) {
        try {
            needed = packageBytes(archiveBound(FolderArchive::scan(source.path.bytes())), {});
        } catch (const std::exception&) {
            // The run will say what it meets.
        }
    } else if (::stat(source.path.c_str(), &st) == 0) {
        needed = packageBytes(st.st_size, {});
    }
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        failure = writeFailure(errno, folder, needed);
    } else {
        try {
            requireRoom(needed, folder);
        } catch (const FileSystemError& error) {
            failure = writeFailure(error.error(), folder, needed);
        }
    }
    return failure.reason == Reason::Unknown ? Messages::Failure{} : failure;
}

namespace {

// Ours streams into a hidden staging folder and publishes it whole, so each step below sets, before
// it runs, the stage that its failure is told as, and where it is known, why it failed.
void write(const EncryptRequest& request, const RunControl& control, RunReport& report, Stage& reached)
{
    using Messages::Reason;
    const PreparedSource& source = request.source;
    const Path folder = source.path.parent();
    const Messages::Failure unreadable{Reason::SourceUnreadable, Path::displayName(source.path.name()), {}, 0};
    std::int64_t needed = 0;
    std::optional<Staging::StagedFolder> staging;
    bool published = false;
    try {
        if (request.hint && !Package::fitsAsHint(*request.hint)) {
            report.failure.reason = Reason::Unknown;
            Posix::fail("hint too long", EFBIG);
        }
        // A link as the source encrypts its target; the package goes beside the link. A folder's size is
        // that of its archive, as far as its scan tells.
        report.failure = unreadable;
        UniqueFd input;
        struct stat before {};
        std::optional<FolderArchive::Scan> scan;
        if (source.folder) {
            scan = FolderArchive::scan(source.path.bytes());
        } else {
            input = Posix::openRegularForReading(source.path.bytes(), true);
            before = Posix::statOf(input.get());
        }
        report.failure = {};
        needed = packageBytes(scan ? archiveBound(*scan) : before.st_size, request.hint.value_or(QString()));
        requireRoom(needed, folder);

        reached = Stage::Encrypted; // no package can be made here
        Staging::removeStale(folder);
        staging.emplace(folder);

        reached = Stage::CreatedPackage; // the encrypted file can't be saved
        const Path encryptedPath = staging->path() / encryptedName(source);
        UniqueFd encrypted = Posix::createNew(encryptedPath.bytes(), 0666);
        try {
            if (scan) {
                report.skipped = encryptFolder(source.path, *scan, encrypted.get(), request.password, control).skipped;
            } else {
                RNCryptor::encryptStream(input.get(), before.st_size, encrypted.get(), request.password, control);
            }
        } catch (const RNCryptor::Error& error) {
            if (error.kind() == RNCryptor::Error::Kind::Cancelled) {
                report.outcome = Outcome::Cancelled;
                reached = Stage::None;
                return;
            }
            if (error.kind() == RNCryptor::Error::Kind::Read) {
                // Without an errno the read ended early or late: the file's size changed under us.
                reached = Stage::None;
                report.failure = error.error() ? unreadable : Messages::Failure{Reason::SourceChanged, {}, {}, 0};
            }
            throw;
        }
        // Rewritten in place while it was read: the package would hold neither version. A folder's
        // packer checks each of its files the same way.
        if (!scan && changedSince(before, Posix::statOf(input.get()))) {
            reached = Stage::None;
            report.failure.reason = Reason::SourceChanged;
            Posix::fail("the source changed while it was read", EAGAIN);
        }
        Posix::syncAndClose(encrypted, encryptedPath.bytes());

        reached = Stage::ChoseHint; // the hint file can't be saved
        const Path hintPath = staging->path() / Package::kHintFileName;
        UniqueFd hint = Posix::createNew(hintPath.bytes(), 0666);
        QByteArray hintBytes = request.hint.value_or(QString()).toUtf8();
        if (hintBytes.isEmpty() || hintBytes.startsWith(Package::kByteOrderMark)) {
            hintBytes.prepend(Package::kByteOrderMark);
        }
        Posix::writeAll(hint.get(), hintBytes.constData(), static_cast<std::size_t>(hintBytes.size()));
        Posix::syncAndClose(hint, hintPath.bytes());
        Posix::syncFolder(staging->path().bytes());

        try {
            staging->publishAs(source.packagePath);
        } catch (const FileSystemError& error) {
            if (error.error() == EEXIST || error.error() == ENOTEMPTY) {
                reached = Stage::Encrypted; // the name is taken: no package is created
                report.failure = nameTaken(source);
            }
            throw;
        }
        published = true;
        Posix::syncFolder(folder.bytes());
        reached = Stage::SavedHint;
        report.outcome = Outcome::Success;
        report.path = source.packagePath;
        report.placed = RunReport::Placed::Written;
    } catch (const std::exception& error) {
        report.outcome = Outcome::Failed;
        report.skipped.clear(); // nothing was made that left them out
        if (report.failure.reason == Reason::None) {
            report.failure = writeFailure(errorOf(error), folder, needed);
        }
        if (published) {
            // Published but not durable: take it back rather than report a package that may vanish.
            removePublished(source.packagePath);
        }
        const bool removed = !staging || staging->discard();
        // The old clean-up looked up a folder of the package's name: one of ours it removed, and it
        // said "Can't delete folder" when it found none or could not remove it.
        report.cantDeleteFolder =
            reached >= Stage::CreatedPackage ? !removed : !Posix::isFolder(source.packagePath.bytes());
    }
}

} // namespace

RunReport writePackage(const EncryptRequest& request, const RunControl& control)
{
    const ThreadStateRelease release;
    RunReport report;
    Stage reached = Stage::None;
    write(request, control, report, reached);
    const QString package = Path::displayName(request.source.packagePath.name());
    conclude(report, stageLines(reached, request.hint), Messages::Message::EncryptFailed,
             Messages::Message::EncryptCancelled,
             Messages::destination(Messages::Destination::SavedBesideSource,
                                   {package, Path::displayName(request.source.path.name())}));
    return report;
}

} // namespace Workflows
