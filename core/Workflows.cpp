// SPDX-License-Identifier: GPL-3.0-or-later
#include "Workflows.h"

#include "Files.h"
#include "Package.h"
#include "Posix.h"
#include "RNCryptor.h"
#include "Staging.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Workflows {

namespace {

bool exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool isFolder(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

struct stat statOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        Posix::fail("stat", errno);
    }
    return st;
}

std::int64_t sizeOf(int fd)
{
    return statOf(fd).st_size;
}

bool changedSince(const struct stat& before, const struct stat& after)
{
    const auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
    return before.st_size != after.st_size || !same(before.st_mtim, after.st_mtim) || !same(before.st_ctim, after.st_ctim);
}

void syncFile(int fd)
{
    if (::fsync(fd) != 0) {
        Posix::fail("fsync", errno);
    }
}

void rewind(int fd)
{
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        Posix::fail("seek", errno);
    }
}

UniqueFd createStagedFile(const std::string& path, mode_t mode)
{
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!fd) {
        Posix::fail("create " + path, errno);
    }
    return fd;
}

RNCryptor::StreamControl streamControl(const RunControl& control)
{
    return {control.progress, control.cancel};
}

// An existing file may stand for the result only if it is ours alone: one that another user owns or
// may write would hand them what the user saves in it later.
bool isOursAlone(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Fills `buffer` from `fd` at `offset` (or the current offset when negative); false if it ends first.
bool readFully(int fd, unsigned char* buffer, std::size_t size, off_t offset = -1)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = offset < 0 ? ::read(fd, buffer + done, size - done)
                                       : ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// Whether the file at `path` holds what the staged file holds. One we cannot read counts as
// different, so it keeps its name and ours is numbered.
bool sameContent(const std::string& path, int staged)
{
    UniqueFd existing;
    try {
        existing = Posix::openRegularForReading(path, false);
    } catch (const FileSystemError&) {
        return false;
    }
    struct stat st {};
    const std::int64_t size = sizeOf(staged);
    if (::fstat(existing.get(), &st) != 0 || !isOursAlone(st) || st.st_size != size) {
        return false;
    }
    SecureBytes left(RNCryptor::kStreamChunkSize);
    SecureBytes right(RNCryptor::kStreamChunkSize);
    for (std::int64_t offset = 0; offset < size;) {
        const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(size - offset, left.size()));
        if (!readFully(existing.get(), left.data(), piece) || !readFully(staged, right.data(), piece, offset) ||
            std::memcmp(left.data(), right.data(), piece) != 0) {
            return false;
        }
        offset += static_cast<std::int64_t>(piece);
    }
    return true;
}

// Removes what this run published and then had to take back.
void removeQuietly(const std::string& path)
{
    try {
        if (isFolder(path)) {
            Folder(path).remove();
        } else {
            File(path).remove();
        }
    } catch (const FileSystemError&) {
        // Nothing more we can do; the run is reported as failed either way.
    }
}

// Runs often happen on pooled threads that outlive them; their per-thread random state goes with the run.
struct ThreadStateRelease
{
    ThreadStateRelease() = default;
    ThreadStateRelease(const ThreadStateRelease&) = delete;
    ThreadStateRelease& operator=(const ThreadStateRelease&) = delete;
    ~ThreadStateRelease() { OPENSSL_thread_stop(); }
};

} // namespace

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

// ---- write a package -----------------------------------------------------------------------------

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

EncryptResult writePackage(const EncryptRequest& request, const RunControl& control)
{
    const ThreadStateRelease release;
    EncryptResult result;
    // Named from the path alone, so that a source that can't be opened still looks at the right name.
    const std::string sourcePath = Paths::clean(request.sourcePath);
    const std::string folderPath = Paths::parentOf(sourcePath);
    const std::string sourceName = Paths::lastComponent(sourcePath);
    result.packagePath = Package::packagePath(folderPath, sourceName);
    std::optional<Staging::StagedFolder> staging;
    bool published = false;
    try {
        if (request.hint && !Package::fitsAsHint(*request.hint)) {
            Posix::fail("hint too long", EFBIG);
        }
        // A link as the source encrypts its target; the package goes beside the link.
        UniqueFd source = Posix::openRegularForReading(sourcePath, true);

        // A taken name fails where the package would be created; no point encrypting first.
        if (exists(result.packagePath)) {
            result.reached = EncryptStage::Encrypted;
            Posix::fail("package name taken", EEXIST);
        }
        Staging::removeStale(folderPath);
        try {
            staging.emplace(folderPath);
        } catch (const FileSystemError&) {
            result.reached = EncryptStage::Encrypted;
            throw;
        }

        const std::string encryptedPath = staging->path() + "/" + sourceName;
        UniqueFd encrypted;
        try {
            encrypted = createStagedFile(encryptedPath, 0666);
        } catch (const FileSystemError&) {
            result.reached = EncryptStage::CreatedPackage;
            throw;
        }
        try {
            const struct stat before = statOf(source.get());
            RNCryptor::encryptStream(source.get(), before.st_size, encrypted.get(), request.password,
                                     streamControl(control));
            // Rewritten in place while it was read: the package would hold neither version.
            if (changedSince(before, statOf(source.get()))) {
                throw RNCryptor::Error(RNCryptor::Error::Kind::Read, "the source changed while it was read");
            }
        } catch (const RNCryptor::Error& error) {
            if (error.kind() == RNCryptor::Error::Kind::Cancelled) {
                result.outcome = Outcome::Cancelled;
                return result;
            }
            result.reached = error.kind() == RNCryptor::Error::Kind::Read ? EncryptStage::None
                                                                           : EncryptStage::CreatedPackage;
            throw;
        }
        result.reached = EncryptStage::CreatedPackage;
        syncFile(encrypted.get());
        if (!encrypted.close()) {
            Posix::fail("close " + encryptedPath, errno);
        }
        result.reached = EncryptStage::SavedEncryptedFile;

        result.hintGiven = request.hint.has_value();
        result.hint = request.hint.value_or(QString());
        result.reached = EncryptStage::ChoseHint;

        const std::string hintPath = staging->path() + "/" + Package::kHintFileName;
        UniqueFd hint = createStagedFile(hintPath, 0666);
        const QByteArray hintBytes = result.hint.toUtf8();
        Posix::writeAll(hint.get(), hintBytes.constData(), static_cast<std::size_t>(hintBytes.size()));
        syncFile(hint.get());
        if (!hint.close()) {
            Posix::fail("close " + hintPath, errno);
        }
        Posix::syncFolder(staging->path());

        try {
            staging->publishAs(result.packagePath);
        } catch (const FileSystemError& error) {
            if (error.error() == EEXIST || error.error() == ENOTEMPTY) {
                result.reached = EncryptStage::Encrypted;
            }
            throw;
        }
        published = true;
        Posix::syncFolder(folderPath);
        result.reached = EncryptStage::SavedHint;
        result.outcome = Outcome::Success;
        return result;
    } catch (const std::exception&) {
        result.outcome = Outcome::Failed;
        if (published) {
            // Published but not durable: take it back rather than report a package that may vanish.
            removeQuietly(result.packagePath);
        }
        const bool removed = !staging || staging->discard();
        if (static_cast<int>(result.reached) >= static_cast<int>(EncryptStage::CreatedPackage)) {
            result.cantDeleteFolder = !removed;
        } else {
            // Nothing of ours to remove; a folder of that name that was already there is left alone.
            result.cantDeleteFolder = !isFolder(result.packagePath);
        }
        return result;
    }
}

// ---- open a package -----------------------------------------------------------------------------

QStringList OpenResult::logMessages() const
{
    switch (outcome) {
    case OpenOutcome::NotAPackage:
        return {QStringLiteral("file is not encrypted")};
    case OpenOutcome::Problem:
        return {QStringLiteral("there was a problem while adding file")};
    case OpenOutcome::Prepared:
        break;
    }
    const QString& hint = package->hint;
    return {hint.isEmpty() ? QStringLiteral("hint is empty") : QStringLiteral("presenting hint ") + hint,
            QStringLiteral("file added succesfully")};
}

OpenResult openPackage(const std::string& chosenPath)
{
    OpenResult result;
    std::string path;
    try {
        path = Package::packageOf(Paths::clean(chosenPath));
    } catch (const FileSystemError&) {
        return result; // no working folder to make it absolute against
    }
    if (!Package::isPackagePath(path)) {
        result.outcome = OpenOutcome::NotAPackage;
        return result;
    }
    try {
        const Folder packageFolder(path);
        OpenedPackage package;
        package.packagePath = packageFolder.path().substr(0, packageFolder.path().size() - 1);
        package.containingFolder = packageFolder.containingFolder()->path();

        // A hint file that is there but not a plain file of ours is not a package we made.
        const std::string hintPath = packageFolder.path() + Package::kHintFileName;
        struct stat st {};
        if (::lstat(hintPath.c_str(), &st) == 0) {
            if (!S_ISREG(st.st_mode)) {
                Posix::fail(hintPath + " is not a regular file", EINVAL);
            }
        }
        // The last file listed is the encrypted file; a hidden one only when it is the only one, as
        // when a dotfile was encrypted. A staging name is never ours to take.
        std::optional<File> visible;
        std::optional<File> hidden;
        for (const File& file : packageFolder.files(Folder::Listing::WithHidden)) {
            const std::string name = file.name();
            if (name == Package::kHintFileName) {
                package.hint = file.readAsString(Package::kMaxHintBytes);
            } else if (name.front() != '.') {
                visible = file;
            } else if (!Staging::isStagingName(name)) {
                hidden = file;
            }
        }
        const std::optional<File>& encrypted = visible ? visible : hidden;
        if (!encrypted) {
            Posix::fail("no encrypted file in " + path, ENOENT);
        }
        package.encryptedFilePath = encrypted->path();
        package.encryptedFileName = encrypted->name();
        result.package = std::move(package);
        result.outcome = OpenOutcome::Prepared;
    } catch (const FileSystemError&) {
        result.outcome = OpenOutcome::Problem;
    }
    return result;
}

// ---- restore a file -----------------------------------------------------------------------------

QStringList RestoreResult::logMessages() const
{
    QStringList lines;
    if (reached == DecryptStage::ReadFile || reached == DecryptStage::Decrypted) {
        lines << QStringLiteral("read file content");
    }
    if (reached == DecryptStage::Decrypted) {
        lines << QStringLiteral("decrypted file content");
    }
    if (outcome == Outcome::Success) {
        lines << QStringLiteral("success! saved in ") + displayPath(restoredPath);
    }
    return lines;
}

namespace {

// Whether the data is a message for this password, without writing anything: tells a wrong password
// from a folder we cannot write to.
bool isAuthentic(int in, std::int64_t size, const SecureBytes& password, const RunControl& control)
{
    try {
        rewind(in);
        RNCryptor::decryptStream(in, size, -1, password, streamControl(control));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The plaintext of a message is its ciphertext less header and MAC, and 1 to 16 bytes of padding.
std::int64_t longestPlaintext(std::int64_t messageSize)
{
    return messageSize - static_cast<std::int64_t>(RNCryptor::kMinimumSize) - 1;
}

// Refuses at once what can't fit, rather than write gigabytes of a hostile package, a few kilobytes
// of sparse file on its own disk, before its MAC fails.
void checkRoomFor(std::int64_t messageSize, const std::string& folder)
{
    const std::int64_t atLeast = longestPlaintext(messageSize) + 1 - static_cast<std::int64_t>(RNCryptor::kBlockSize);
    struct statvfs disk {};
    if (::statvfs(folder.c_str(), &disk) == 0) {
        const auto blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
        if (atLeast > 0 && static_cast<unsigned long long>(atLeast) > blocks * static_cast<unsigned long long>(disk.f_frsize)) {
            Posix::fail("no room for the plaintext in " + folder, ENOSPC);
        }
    }
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        atLeast > static_cast<std::int64_t>(limit.rlim_cur)) {
        Posix::fail("the plaintext is larger than this process may write", EFBIG);
    }
}

enum class Comparison { Different, Identical, NotAuthentic, Cancelled };

// Decrypts into a comparison with the file already at `path` instead of into a new file, so that an
// identical file is found to be the result without writing anything.
Comparison compareWithExisting(int in, std::int64_t size, const std::string& path, const SecureBytes& password,
                               const RunControl& control)
{
    UniqueFd existing;
    try {
        existing = Posix::openRegularForReading(path, false);
    } catch (const FileSystemError&) {
        return Comparison::Different;
    }
    struct stat st {};
    const std::int64_t existingSize = ::fstat(existing.get(), &st) == 0 ? st.st_size : -1;
    if (!isOursAlone(st) || existingSize > longestPlaintext(size) ||
        existingSize < longestPlaintext(size) + 1 - static_cast<std::int64_t>(RNCryptor::kBlockSize)) {
        return Comparison::Different;
    }
    struct Mismatch
    {
    };
    SecureBytes buffer(RNCryptor::kStreamChunkSize);
    std::int64_t compared = 0;
    const RNCryptor::PlaintextSink compare = [&](const unsigned char* data, std::size_t length) {
        while (length > 0) {
            const std::size_t piece = std::min(length, buffer.size());
            if (!readFully(existing.get(), buffer.data(), piece) || std::memcmp(buffer.data(), data, piece) != 0) {
                throw Mismatch{};
            }
            compared += static_cast<std::int64_t>(piece);
            data += piece;
            length -= piece;
        }
    };
    try {
        rewind(in);
        RNCryptor::decryptStream(in, size, compare, password, streamControl(control));
    } catch (const Mismatch&) {
        return Comparison::Different;
    } catch (const RNCryptor::Error& error) {
        switch (error.kind()) {
        case RNCryptor::Error::Kind::Cancelled:
            return Comparison::Cancelled;
        case RNCryptor::Error::Kind::Authentication:
        case RNCryptor::Error::Kind::Crypto:
            return Comparison::NotAuthentic;
        case RNCryptor::Error::Kind::Read:
        case RNCryptor::Error::Kind::Write:
            throw;
        }
    }
    return compared == existingSize ? Comparison::Identical : Comparison::Different;
}

// Publishes the staged plaintext under the package's file name; an identical file already there is
// the result, a different one (or anything that is not a plain file) keeps its name and ours is numbered.
struct Published
{
    std::string path;
    bool createdByUs = false;
};

Published publishRestored(Staging::StagedFile& staged, const std::string& folder, const std::string& name)
{
    for (int number = 1; number < 10000; ++number) {
        const std::string candidate = folder + (number == 1 ? name : numberedName(name, number));
        for (;;) {
            struct stat st {};
            if (::lstat(candidate.c_str(), &st) == 0) {
                if (isOursAlone(st) && sameContent(candidate, staged.fd())) {
                    return {candidate, false};
                }
                break;
            }
            if (staged.publishAs(candidate)) {
                return {candidate, true};
            }
            // Someone else just published under this name: look at what they wrote.
        }
    }
    Posix::fail("no free name for " + name, EEXIST);
}

} // namespace

RestoreResult restoreFile(const OpenedPackage& package, const SecureBytes& password, const RunControl& control)
{
    const ThreadStateRelease release;
    RestoreResult result;
    std::string createdPath;
    try {
        UniqueFd in = Posix::openRegularForReading(package.encryptedFilePath, false);
        const std::int64_t size = sizeOf(in.get());

        // An identical file already there is the result. Nothing needs writing, so this works in a
        // folder we cannot write to as well.
        switch (compareWithExisting(in.get(), size, package.containingFolder + package.encryptedFileName, password,
                                    control)) {
        case Comparison::Identical:
            result.reached = DecryptStage::Decrypted;
            result.restoredPath = package.containingFolder + package.encryptedFileName;
            result.outcome = Outcome::Success;
            return result;
        case Comparison::NotAuthentic:
            result.reached = DecryptStage::ReadFile;
            return result;
        case Comparison::Cancelled:
            result.outcome = Outcome::Cancelled;
            return result;
        case Comparison::Different:
            break;
        }

        checkRoomFor(size, package.containingFolder);
        Staging::removeStale(package.containingFolder);
        std::optional<Staging::StagedFile> staged;
        try {
            staged.emplace(package.containingFolder, 0600);
        } catch (const FileSystemError&) {
            result.reached = isAuthentic(in.get(), size, password, control) ? DecryptStage::Decrypted
                                                                            : DecryptStage::ReadFile;
            throw;
        }
        try {
            rewind(in.get());
            RNCryptor::decryptStream(in.get(), size, staged->fd(), password, streamControl(control));
        } catch (const RNCryptor::Error& error) {
            switch (error.kind()) {
            case RNCryptor::Error::Kind::Cancelled:
                result.outcome = Outcome::Cancelled;
                return result;
            case RNCryptor::Error::Kind::Read:
                result.reached = DecryptStage::None;
                break;
            case RNCryptor::Error::Kind::Authentication:
            case RNCryptor::Error::Kind::Crypto:
                result.reached = DecryptStage::ReadFile;
                break;
            case RNCryptor::Error::Kind::Write:
                result.reached = DecryptStage::Decrypted;
                break;
            }
            throw;
        }
        result.reached = DecryptStage::Decrypted;
        syncFile(staged->fd());
        const Published published = publishRestored(*staged, package.containingFolder, package.encryptedFileName);
        if (published.createdByUs) {
            createdPath = published.path;
        }
        Posix::syncFolder(package.containingFolder);
        result.restoredPath = published.path;
        result.outcome = Outcome::Success;
        return result;
    } catch (const std::exception&) {
        // Only what this run created goes; a file that was already there is never touched.
        if (!createdPath.empty()) {
            removeQuietly(createdPath);
        }
        result.outcome = Outcome::Failed;
        return result;
    }
}

} // namespace Workflows
