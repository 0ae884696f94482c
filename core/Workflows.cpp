// SPDX-License-Identifier: GPL-3.0-or-later
#include "Workflows.h"

#include "Files.h"
#include "Package.h"
#include "Posix.h"
#include "RNCryptor.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <cerrno>
#include <cstring>
#include <vector>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Workflows {

namespace {

// Hidden, short and fixed in length, so a staging name never exceeds the limit a long final name fits in.
std::string stagingName()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[10];
    if (RAND_bytes(random, sizeof random) != 1) {
        Posix::fail("random name", EIO);
    }
    std::string name = ".lockfern-";
    for (unsigned char byte : random) {
        name += alphabet[byte % (sizeof alphabet - 1)];
    }
    return name;
}

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

// Moves `from` to `to` only if nothing holds `to`; throws FileSystemError with EEXIST otherwise.
void publish(const std::string& from, const std::string& to, bool isDirectory)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return;
    }
    const int error = errno;
    if (error != EINVAL && error != ENOSYS) {
        Posix::fail("publish " + to, error);
    }
    // File systems without RENAME_NOREPLACE: a hard link never replaces either.
    if (!isDirectory) {
        if (::link(from.c_str(), to.c_str()) != 0) {
            Posix::fail("publish " + to, errno);
        }
        ::unlink(from.c_str());
        return;
    }
    Posix::fail("publish " + to, error);
}

std::int64_t sizeOf(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        Posix::fail("stat", errno);
    }
    return st.st_size;
}

void syncFile(int fd)
{
    if (::fsync(fd) != 0) {
        Posix::fail("fsync", errno);
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

bool sameContent(const std::string& a, const std::string& b)
{
    UniqueFd first = Posix::openRegularForReading(a, false);
    UniqueFd second = Posix::openRegularForReading(b, false);
    if (sizeOf(first.get()) != sizeOf(second.get())) {
        return false;
    }
    std::vector<char> left(1 << 20);
    std::vector<char> right(1 << 20);
    for (;;) {
        const ssize_t got = ::read(first.get(), left.data(), left.size());
        if (got < 0) {
            Posix::fail("read " + a, errno);
        }
        if (got == 0) {
            return true;
        }
        ssize_t filled = 0;
        while (filled < got) {
            const ssize_t more = ::read(second.get(), right.data() + filled, static_cast<std::size_t>(got - filled));
            if (more <= 0) {
                return false;
            }
            filled += more;
        }
        if (std::memcmp(left.data(), right.data(), static_cast<std::size_t>(got)) != 0) {
            return false;
        }
    }
}

// An existing file we cannot read counts as different, so it keeps its name and ours is numbered.
bool sameContentOrUnreadable(const std::string& existing, const std::string& staged)
{
    try {
        return sameContent(existing, staged);
    } catch (const FileSystemError&) {
        return false;
    }
}

// Removes a staging entry; true when it is gone.
bool discard(const std::string& path)
{
    if (path.empty() || !exists(path)) {
        return true;
    }
    try {
        if (isFolder(path)) {
            Folder(path).remove();
        } else {
            File(path).remove();
        }
        return true;
    } catch (const FileSystemError&) {
        return false;
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
    std::string staging;
    std::string folderPath;
    std::string packageName;
    bool published = false;
    try {
        // A link as the source encrypts its target; the package goes beside the link.
        UniqueFd source = Posix::openRegularForReading(request.sourcePath, true);
        const File sourceFile(request.sourcePath);
        folderPath = sourceFile.containingFolder().path();
        packageName = Package::packageName(sourceFile.name());
        result.packagePath = folderPath + packageName;

        // A taken name fails where the package would be created; no point encrypting first.
        if (exists(result.packagePath)) {
            result.reached = EncryptStage::Encrypted;
            Posix::fail("package name taken", EEXIST);
        }
        try {
            staging = folderPath + stagingName();
            if (::mkdir(staging.c_str(), 0777) != 0) {
                Posix::fail("create " + staging, errno);
            }
        } catch (const FileSystemError&) {
            staging.clear();
            result.reached = EncryptStage::Encrypted;
            throw;
        }

        const std::string encryptedPath = staging + "/" + sourceFile.name();
        UniqueFd encrypted;
        try {
            encrypted = createStagedFile(encryptedPath, 0666);
        } catch (const FileSystemError&) {
            result.reached = EncryptStage::CreatedPackage;
            throw;
        }
        try {
            RNCryptor::encryptStream(source.get(), sizeOf(source.get()), encrypted.get(), request.password,
                                     streamControl(control));
        } catch (const RNCryptor::Error& error) {
            if (error.kind() == RNCryptor::Error::Kind::Cancelled) {
                result.outcome = Outcome::Cancelled;
                discard(staging);
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

        const std::string hintPath = staging + "/" + Package::kHintFileName;
        UniqueFd hint = createStagedFile(hintPath, 0666);
        const QByteArray hintBytes = result.hint.toUtf8();
        Posix::writeAll(hint.get(), hintBytes.constData(), static_cast<std::size_t>(hintBytes.size()));
        syncFile(hint.get());
        if (!hint.close()) {
            Posix::fail("close " + hintPath, errno);
        }
        Posix::syncFolder(staging);

        try {
            publish(staging, result.packagePath, true);
        } catch (const FileSystemError& error) {
            if (error.error() == EEXIST || error.error() == ENOTEMPTY) {
                result.reached = EncryptStage::Encrypted;
            }
            throw;
        }
        published = true;
        staging.clear();
        Posix::syncFolder(folderPath);
        result.reached = EncryptStage::SavedHint;
        result.outcome = Outcome::Success;
        return result;
    } catch (const std::exception&) {
        result.outcome = Outcome::Failed;
        if (published) {
            // Published but not durable: take it back rather than report a package that may vanish.
            discard(result.packagePath);
        }
        const bool removed = discard(staging);
        if (static_cast<int>(result.reached) >= static_cast<int>(EncryptStage::CreatedPackage)) {
            result.cantDeleteFolder = !removed;
        } else {
            // Nothing of ours to remove; a folder of that name that was already there is left alone.
            result.cantDeleteFolder = result.packagePath.empty() || !isFolder(result.packagePath);
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

OpenResult openPackage(const std::string& path)
{
    OpenResult result;
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
        for (const File& file : packageFolder.files()) {
            if (file.name() == Package::kHintFileName) {
                package.hint = file.readAsString(Package::kMaxHintBytes);
            } else {
                package.encryptedFilePath = file.path();
                package.encryptedFileName = file.name();
            }
        }
        if (package.encryptedFilePath.empty()) {
            Posix::fail("no encrypted file in " + path, ENOENT);
        }
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
    if (::lseek(in, 0, SEEK_SET) != 0) {
        return false;
    }
    try {
        RNCryptor::decryptStream(in, size, -1, password, streamControl(control));
        return true;
    } catch (const RNCryptor::Error&) {
        return false;
    }
}

// Publishes the staged plaintext under the package's file name; an identical file already there is
// the result, a different one (or anything that is not a plain file) keeps its name and ours is numbered.
struct Published
{
    std::string path;
    bool createdByUs = false;
};

Published publishRestored(const std::string& staged, const std::string& folder, const std::string& name)
{
    for (int number = 1; number < 10000; ++number) {
        const std::string candidate = folder + (number == 1 ? name : numberedName(name, number));
        for (;;) {
            struct stat st {};
            if (::lstat(candidate.c_str(), &st) == 0) {
                if (S_ISREG(st.st_mode) && sameContentOrUnreadable(candidate, staged)) {
                    discard(staged);
                    return {candidate, false};
                }
                break;
            }
            try {
                publish(staged, candidate, false);
                return {candidate, true};
            } catch (const FileSystemError& error) {
                // Someone else just published under this name: look at what they wrote.
                if (error.error() != EEXIST) {
                    throw;
                }
            }
        }
    }
    Posix::fail("no free name for " + name, EEXIST);
}

} // namespace

RestoreResult restoreFile(const OpenedPackage& package, const SecureBytes& password, const RunControl& control)
{
    const ThreadStateRelease release;
    RestoreResult result;
    std::string staged;
    std::string createdPath;
    try {
        UniqueFd in = Posix::openRegularForReading(package.encryptedFilePath, false);
        const std::int64_t size = sizeOf(in.get());

        UniqueFd out;
        try {
            staged = package.containingFolder + stagingName();
            out = createStagedFile(staged, 0600);
        } catch (const FileSystemError&) {
            staged.clear();
            result.reached = isAuthentic(in.get(), size, password, control) ? DecryptStage::Decrypted
                                                                            : DecryptStage::ReadFile;
            throw;
        }
        try {
            RNCryptor::decryptStream(in.get(), size, out.get(), password, streamControl(control));
        } catch (const RNCryptor::Error& error) {
            switch (error.kind()) {
            case RNCryptor::Error::Kind::Cancelled:
                result.outcome = Outcome::Cancelled;
                discard(staged);
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
        syncFile(out.get());
        if (!out.close()) {
            Posix::fail("close " + staged, errno);
        }
        const Published published = publishRestored(staged, package.containingFolder, package.encryptedFileName);
        staged.clear();
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
            discard(createdPath);
        }
        discard(staged);
        result.outcome = Outcome::Failed;
        return result;
    }
}

} // namespace Workflows
