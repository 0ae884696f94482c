// SPDX-License-Identifier: GPL-3.0-or-later
// Preparing a file for encryption and writing its package beside it.
#include "WorkflowSupport.h"

#include "Files.h"
#include "Package.h"
#include "Posix.h"
#include "Staging.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace Workflows {

// ---- prepare a file for encryption ------------------------------------------------------------

PrepareResult prepareSource(const std::string& chosenPath)
{
    PrepareResult result;
    try {
        const std::string path = Paths::clean(chosenPath);
        if (Package::isPackagePath(path)) {
            result.outcome = PrepareOutcome::AlreadyEncrypted;
            return result;
        }
        const File file(path);
        PreparedSource source;
        source.path = file.path();
        source.containingFolder = Paths::parentOf(source.path);
        source.name = file.name();
        source.baseName = file.baseName();
        source.packagePath = Package::packagePath(source.containingFolder, source.name);
        result.source = std::move(source);
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

QStringList EncryptResult::logMessages() const
{
    QStringList lines;
    const auto reachedAt = [this](EncryptStage stage) { return static_cast<int>(reached) >= static_cast<int>(stage); };
    if (reachedAt(EncryptStage::ReadFile)) {
        lines << QStringLiteral("read file content");
    }
    if (reachedAt(EncryptStage::Encrypted)) {
        lines << QStringLiteral("encrypted file content");
    }
    if (reachedAt(EncryptStage::CreatedPackage)) {
        lines << QStringLiteral("created new package");
    }
    if (reachedAt(EncryptStage::SavedEncryptedFile)) {
        lines << QStringLiteral("save encrypted file in package");
    }
    if (reachedAt(EncryptStage::ChoseHint)) {
        lines << (hintGiven ? QStringLiteral("added hint ") + hint : QStringLiteral("hint is empty"));
    }
    if (reachedAt(EncryptStage::SavedHint)) {
        lines << QStringLiteral("saved hint to file in package");
    }
    if (outcome == Outcome::Success) {
        lines << QStringLiteral("success! saved in ") + displayPath(packagePath);
    }
    return lines;
}

Messages::Message EncryptResult::message() const
{
    switch (outcome) {
    case Outcome::Success:
        return Messages::Message::Succeeded;
    case Outcome::Cancelled:
        return Messages::Message::EncryptCancelled;
    case Outcome::Failed:
        break;
    }
    return Messages::Message::EncryptFailed;
}

namespace {

// The package's two files and what the folder needs for them; the hint's is at most 64 KiB.
std::int64_t packageBytes(std::int64_t sourceSize, const QString& hint)
{
    return RNCryptor::encryptedSize(sourceSize) + hint.toUtf8().size();
}

Messages::Failure nameTaken(const PreparedSource& source)
{
    return {Messages::Reason::NameTaken, displayPath(Package::packageName(source.name)),
            folderName(source.containingFolder), 0};
}

} // namespace

Messages::Failure checkPackagePlace(const PreparedSource& source)
{
    using Messages::Reason;
    if (Posix::exists(source.packagePath)) {
        return nameTaken(source);
    }
    // Asked, not tried: choosing a file writes nothing. Only what can be named is said now.
    Messages::Failure failure;
    struct stat st {};
    const std::int64_t needed = ::stat(source.path.c_str(), &st) == 0 ? packageBytes(st.st_size, {}) : 0;
    if (::faccessat(AT_FDCWD, source.containingFolder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        failure = writeFailure(errno, source.containingFolder, needed);
    } else {
        try {
            requireRoom(needed, source.containingFolder);
        } catch (const FileSystemError& error) {
            failure = writeFailure(error.error(), source.containingFolder, needed);
        }
    }
    return failure.reason == Reason::Unknown ? Messages::Failure{} : failure;
}

// The log tells a run that reads, encrypts, then creates the package and saves its two files. Ours
// streams into a hidden staging folder and publishes it whole, so each step below sets, before it
// runs, the stage that its failure is told as, and where it is known, why it failed.
EncryptResult writePackage(const EncryptRequest& request, const RunControl& control)
{
    using Messages::Reason;
    const ThreadStateRelease release;
    const PreparedSource& source = request.source;
    EncryptResult result;
    result.packagePath = source.packagePath;
    const Messages::Failure unreadable{Reason::SourceUnreadable, displayPath(source.name), {}, 0};
    std::int64_t needed = 0;
    std::optional<Staging::StagedFolder> staging;
    bool published = false;
    try {
        if (request.hint && !Package::fitsAsHint(*request.hint)) {
            result.failure.reason = Reason::Unknown;
            Posix::fail("hint too long", EFBIG);
        }
        // A link as the source encrypts its target; the package goes beside the link.
        result.failure = unreadable;
        const UniqueFd input = Posix::openRegularForReading(source.path, true);
        const struct stat before = Posix::statOf(input.get());
        result.failure = {};
        needed = packageBytes(before.st_size, request.hint.value_or(QString()));
        requireRoom(needed, source.containingFolder);

        result.reached = EncryptStage::Encrypted; // no package can be made here
        Staging::removeStale(source.containingFolder);
        staging.emplace(source.containingFolder);

        result.reached = EncryptStage::CreatedPackage; // the encrypted file can't be saved
        const std::string encryptedPath = staging->path() + "/" + source.name;
        UniqueFd encrypted = Posix::createNew(encryptedPath, 0666);
        try {
            RNCryptor::encryptStream(input.get(), before.st_size, encrypted.get(), request.password,
                                     streamControl(control));
        } catch (const RNCryptor::Error& error) {
            if (error.kind() == RNCryptor::Error::Kind::Cancelled) {
                result.outcome = Outcome::Cancelled;
                result.reached = EncryptStage::None;
                return result;
            }
            if (error.kind() == RNCryptor::Error::Kind::Read) {
                // Without an errno the read ended early or late: the file's size changed under us.
                result.reached = EncryptStage::None;
                result.failure = error.error() ? unreadable : Messages::Failure{Reason::SourceChanged, {}, {}, 0};
            }
            throw;
        }
        // Rewritten in place while it was read: the package would hold neither version.
        if (changedSince(before, Posix::statOf(input.get()))) {
            result.reached = EncryptStage::None;
            result.failure.reason = Reason::SourceChanged;
            Posix::fail("the source changed while it was read", EAGAIN);
        }
        Posix::syncAndClose(encrypted, encryptedPath);

        result.hintGiven = request.hint.has_value();
        result.hint = request.hint.value_or(QString());
        result.reached = EncryptStage::ChoseHint; // the hint file can't be saved
        const std::string hintPath = staging->path() + "/" + Package::kHintFileName;
        UniqueFd hint = Posix::createNew(hintPath, 0666);
        QByteArray hintBytes = result.hint.toUtf8();
        if (hintBytes.isEmpty() || hintBytes.startsWith(Package::kByteOrderMark)) {
            hintBytes.prepend(Package::kByteOrderMark);
        }
        Posix::writeAll(hint.get(), hintBytes.constData(), static_cast<std::size_t>(hintBytes.size()));
        Posix::syncAndClose(hint, hintPath);
        Posix::syncFolder(staging->path());

        try {
            staging->publishAs(result.packagePath);
        } catch (const FileSystemError& error) {
            if (error.error() == EEXIST || error.error() == ENOTEMPTY) {
                result.reached = EncryptStage::Encrypted; // the name is taken: no package is created
                result.failure = nameTaken(source);
            }
            throw;
        }
        published = true;
        Posix::syncFolder(source.containingFolder);
        result.reached = EncryptStage::SavedHint;
        result.outcome = Outcome::Success;
        return result;
    } catch (const std::exception& error) {
        result.outcome = Outcome::Failed;
        if (result.failure.reason == Reason::None) {
            result.failure = writeFailure(errorOf(error), source.containingFolder, needed);
        }
        if (published) {
            // Published but not durable: take it back rather than report a package that may vanish.
            removePublished(result.packagePath);
        }
        const bool removed = !staging || staging->discard();
        // The old clean-up looked up a folder of the package's name: one of ours it removed, and it
        // said "Can't delete folder" when it found none or could not remove it.
        result.cantDeleteFolder = result.reached >= EncryptStage::CreatedPackage ? !removed
                                                                                  : !Posix::isFolder(result.packagePath);
        return result;
    }
}
} // namespace Workflows
