// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a package and restoring its file beside it.
#include "WorkflowSupport.h"

#include "Files.h"
#include "Package.h"
#include "Password.h"
#include "Posix.h"
#include "Staging.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace Workflows {

// ---- open a package -----------------------------------------------------------------------------

QStringList OpenResult::logMessages() const
{
    if (outcome != OpenOutcome::Prepared) {
        return {Messages::logLine(message())};
    }
    const QString& hint = package->hint;
    return {hint.isEmpty() ? QStringLiteral("hint is empty") : QStringLiteral("presenting hint ") + hint,
            Messages::logLine(message())};
}

Messages::Message OpenResult::message() const
{
    switch (outcome) {
    case OpenOutcome::Prepared:
        return Messages::Message::FileAdded;
    case OpenOutcome::NotAPackage:
        return Messages::Message::NotEncrypted;
    case OpenOutcome::Problem:
        break;
    }
    return Messages::Message::Problem;
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

        // A hint file that is there but not a plain file (a link, a folder) is not a package we made.
        const std::string hintPath = packageFolder.path() + Package::kHintFileName;
        // The text decoder takes off one leading byte order mark: an empty file (as packages were
        // once written), the mark alone and any hint all read back as they were written.
        if (Posix::exists(hintPath)) {
            package.hint = File(hintPath).readAsString(Package::kMaxHintFileBytes);
            if (!Package::fitsAsHint(package.hint)) {
                Posix::fail(hintPath + " is longer than a hint", EFBIG);
            }
        }
        // The last file listed is the encrypted file; a hidden one only when it is the only one, as
        // when a dotfile was encrypted. A staging name is never ours to take.
        std::optional<File> visible;
        std::optional<File> hidden;
        for (const File& file : packageFolder.files(Folder::Listing::WithHidden)) {
            const std::string name = file.name();
            if (name == Package::kHintFileName) {
                continue;
            }
            if (name.front() != '.') {
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

// An existing file may stand for the result only if it is ours alone: one that another user owns or
// may write would hand them what the user saves in it later.
bool isOursAlone(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The file at `path`, opened to compare with, when it is ours alone and its size lies in [least, most].
struct Existing
{
    UniqueFd fd;
    std::int64_t size = 0;
};

std::optional<Existing> openComparable(const std::string& path, std::int64_t least, std::int64_t most)
{
    try {
        Existing existing{Posix::openRegularForReading(path, false), 0};
        const struct stat st = Posix::statOf(existing.fd.get());
        existing.size = st.st_size;
        if (isOursAlone(st) && existing.size >= least && existing.size <= most) {
            return existing;
        }
    } catch (const FileSystemError&) {
        // One we cannot read counts as different, so it keeps its name and ours is numbered.
    }
    return std::nullopt;
}

// Reads the file on alongside the bytes it is given; an unreadable file differs.
class Matcher
{
public:
    explicit Matcher(int fd) : m_fd(fd), m_buffer(RNCryptor::kStreamChunkSize) {}

    bool matches(const unsigned char* data, std::size_t length)
    {
        while (length > 0) {
            const std::size_t piece = std::min(length, m_buffer.size());
            std::size_t got = 0;
            try {
                got = Posix::readFully(m_fd, m_buffer.data(), piece);
            } catch (const FileSystemError&) {
            }
            if (got != piece || std::memcmp(m_buffer.data(), data, piece) != 0) {
                return false;
            }
            m_compared += static_cast<std::int64_t>(piece);
            data += piece;
            length -= piece;
        }
        return true;
    }
    std::int64_t compared() const { return m_compared; }

private:
    int m_fd;
    SecureBytes m_buffer;
    std::int64_t m_compared = 0;
};

// Whether the file at `path` holds what the staged file holds.
bool sameContent(const std::string& path, int staged)
{
    try {
        const std::int64_t size = Posix::statOf(staged).st_size;
        const std::optional<Existing> existing = openComparable(path, size, size);
        if (!existing) {
            return false;
        }
        Posix::rewind(staged);
        Matcher matcher(existing->fd.get());
        SecureBytes piece(RNCryptor::kStreamChunkSize);
        while (matcher.compared() < size) {
            const auto length = static_cast<std::size_t>(std::min<std::int64_t>(size - matcher.compared(), piece.size()));
            if (Posix::readFully(staged, piece.data(), length) != length || !matcher.matches(piece.data(), length)) {
                return false;
            }
        }
        return true;
    } catch (const FileSystemError&) {
        return false;
    }
}

// Whether the data is a message for this password, without writing anything: tells a wrong password
// from a folder we cannot write to.
bool isAuthentic(int in, std::int64_t size, const SecureBytes& password, const RunControl& control)
{
    try {
        Posix::rewind(in);
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

std::int64_t shortestPlaintext(std::int64_t messageSize)
{
    return longestPlaintext(messageSize) + 1 - static_cast<std::int64_t>(RNCryptor::kBlockSize);
}

enum class Comparison { Different, Identical, NotAuthentic, Cancelled };

// Decrypts into a comparison with the file already at `path` instead of into a new file, so that an
// identical file is found to be the result without writing anything.
Comparison compareWithExisting(int in, std::int64_t size, const std::string& path, const SecureBytes& password,
                               const RunControl& control)
{
    const std::optional<Existing> existing = openComparable(path, shortestPlaintext(size), longestPlaintext(size));
    if (!existing) {
        return Comparison::Different;
    }
    struct Mismatch
    {
    };
    Matcher matcher(existing->fd.get());
    const RNCryptor::PlaintextSink compare = [&matcher](const unsigned char* data, std::size_t length) {
        if (!matcher.matches(data, length)) {
            throw Mismatch{};
        }
    };
    try {
        Posix::rewind(in);
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
    return matcher.compared() == existing->size ? Comparison::Identical : Comparison::Different;
}

// Publishes the staged plaintext under `name`; an identical file already there is the result, a
// different one (or anything that is not a plain file) keeps its name and ours is numbered.
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
            if (Posix::exists(candidate)) {
                if (sameContent(candidate, staged.fd())) {
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

// A package whose own name is not hidden never restores a hidden file, which could be a shell's
// start-up file planted in the home folder.
std::string restoredName(const OpenedPackage& package)
{
    const std::string& inner = package.encryptedFileName;
    std::string name = Paths::lastComponent(package.packagePath);
    if (inner.front() != '.' || name.front() == '.') {
        return inner;
    }
    // Without the extension, which may be followed by dots: "report.lockfern." is a package too.
    const std::string extension = std::string(".") + Package::kExtension;
    name.erase(name.find_last_not_of('.') + 1);
    if (name.ends_with(extension)) {
        name.erase(name.size() - extension.size());
    }
    return name + inner.substr(Paths::baseNameOf(inner).size());
}

Messages::Message RestoreResult::message() const
{
    switch (outcome) {
    case Outcome::Success:
        return Messages::Message::Succeeded;
    case Outcome::Cancelled:
        return Messages::Message::DecryptCancelled;
    case Outcome::Failed:
        break;
    }
    return Messages::Message::DecryptFailed;
}

namespace {

// One form of the password.
RestoreResult restoreWith(const OpenedPackage& package, const SecureBytes& password, const RunControl& control)
{
    using Messages::Reason;
    RestoreResult result;
    const Messages::Failure wrongPassword{Reason::WrongPassword, {}, {}, 0};
    const Messages::Failure unreadable{Reason::SourceUnreadable, displayPath(Paths::lastComponent(package.packagePath)),
                                       {}, 0};
    std::string createdPath;
    std::int64_t needed = 0;
    try {
        result.failure = unreadable;
        UniqueFd in = Posix::openRegularForReading(package.encryptedFilePath, false);
        const std::int64_t size = Posix::statOf(in.get()).st_size;
        result.failure = {};
        needed = shortestPlaintext(size);
        const std::string name = restoredName(package);

        // An identical file already there is the result. Nothing needs writing, so this works in a
        // folder we cannot write to as well.
        switch (compareWithExisting(in.get(), size, package.containingFolder + name, password, control)) {
        case Comparison::Identical:
            result.reached = DecryptStage::Decrypted;
            result.restoredPath = package.containingFolder + name;
            result.alreadyThere = true;
            result.outcome = Outcome::Success;
            return result;
        case Comparison::NotAuthentic:
            result.reached = DecryptStage::ReadFile;
            result.failure = wrongPassword;
            return result;
        case Comparison::Cancelled:
            result.outcome = Outcome::Cancelled;
            return result;
        case Comparison::Different:
            break;
        }

        // Refuses at once what can't fit, rather than write gigabytes of a hostile package, a few
        // kilobytes of sparse file on its own disk, before its MAC fails.
        requireRoom(needed, package.containingFolder);
        Staging::removeStale(package.containingFolder);
        std::optional<Staging::StagedFile> staged;
        try {
            staged.emplace(package.containingFolder, 0600);
        } catch (const FileSystemError&) {
            const bool authentic = isAuthentic(in.get(), size, password, control);
            result.reached = authentic ? DecryptStage::Decrypted : DecryptStage::ReadFile;
            if (!authentic) {
                result.failure = wrongPassword;
            }
            throw;
        }
        try {
            Posix::rewind(in.get());
            RNCryptor::decryptStream(in.get(), size, staged->fd(), password, streamControl(control));
        } catch (const RNCryptor::Error& error) {
            switch (error.kind()) {
            case RNCryptor::Error::Kind::Cancelled:
                result.outcome = Outcome::Cancelled;
                return result;
            case RNCryptor::Error::Kind::Read:
                result.reached = DecryptStage::None;
                result.failure = unreadable;
                break;
            case RNCryptor::Error::Kind::Authentication:
                result.reached = DecryptStage::ReadFile;
                result.failure = wrongPassword;
                break;
            case RNCryptor::Error::Kind::Crypto:
                result.reached = DecryptStage::ReadFile;
                result.failure.reason = Reason::Unknown;
                break;
            case RNCryptor::Error::Kind::Write:
                result.reached = DecryptStage::Decrypted;
                break;
            }
            throw;
        }
        result.reached = DecryptStage::Decrypted;
        Posix::syncFile(staged->fd());
        const Published published = publishRestored(*staged, package.containingFolder, name);
        if (published.createdByUs) {
            createdPath = published.path;
        }
        Posix::syncFolder(package.containingFolder);
        result.restoredPath = published.path;
        result.alreadyThere = !published.createdByUs;
        result.outcome = Outcome::Success;
        return result;
    } catch (const std::exception& error) {
        if (result.failure.reason == Reason::None) {
            // EEXIST: every numbered name was taken too.
            const int code = errorOf(error);
            result.failure = code == EEXIST ? Messages::Failure{Reason::NameTaken, displayPath(restoredName(package)),
                                                                folderName(package.containingFolder), 0}
                                            : writeFailure(code, package.containingFolder, needed);
        }
        // Only what this run created goes; a file that was already there is never touched.
        if (!createdPath.empty()) {
            removePublished(createdPath);
        }
        result.outcome = Outcome::Failed;
        return result;
    }
}

// Read, but not opened by this password: the one failure another form of it may mend.
bool notAuthentic(const RestoreResult& result)
{
    return result.outcome == Outcome::Failed && result.failure.reason == Messages::Reason::WrongPassword;
}

} // namespace

RestoreResult restoreFile(const OpenedPackage& package, const SecureBytes& password, const RunControl& control)
{
    const ThreadStateRelease release;
    RestoreResult result;
    for (const SecureBytes& form : Password::candidates(password)) {
        result = restoreWith(package, form, control);
        if (!notAuthentic(result)) {
            break;
        }
    }
    return result;
}

} // namespace Workflows
