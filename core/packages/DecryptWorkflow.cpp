// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring the file of a package beside it.
#include "WorkflowSupport.h"

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

std::optional<Existing> openComparable(const Path& path, std::int64_t least, std::int64_t most)
{
    try {
        Existing existing{Posix::openRegularForReading(path.bytes(), false), 0};
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
bool sameContent(const Path& path, int staged)
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

// The keys of one form of the password for the message in `in`: derived, a pair of PBKDF2 runs, when
// the first pass over the message needs them, and kept for the passes after it.
class MessageKeys
{
public:
    MessageKeys(int in, std::int64_t size, const SecureBytes& password) : m_in(in), m_size(size), m_password(password)
    {
    }

    // Throws as a pass over the message would: Authentication for what cannot be a message.
    const RNCryptor::Keys& get()
    {
        if (!m_keys) {
            Posix::rewind(m_in);
            m_keys = RNCryptor::Keys::derive(m_password, RNCryptor::readHeader(m_in, m_size));
        }
        return *m_keys;
    }

    // Decrypts the message from its start into `out`, a descriptor or a sink.
    template <typename Out> void decryptInto(const Out& out, const RunControl& control)
    {
        const RNCryptor::Keys& keys = get();
        Posix::rewind(m_in);
        RNCryptor::decryptStream(m_in, m_size, out, keys, control);
    }

private:
    int m_in;
    std::int64_t m_size;
    const SecureBytes& m_password;
    std::optional<RNCryptor::Keys> m_keys;
};

// Whether the data is a message for this password, without writing anything: tells a wrong password
// from a folder we cannot write to.
bool isAuthentic(MessageKeys& message, const RunControl& control)
{
    try {
        message.decryptInto(-1, control);
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
Comparison compareWithExisting(MessageKeys& message, std::int64_t size, const Path& path, const RunControl& control)
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
        message.decryptInto(compare, control);
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
    Path path;
    bool createdByUs = false;
};

Published publishRestored(Staging::StagedFile& staged, const Path& folder, const std::string& name)
{
    for (int number = 1; number < 10000; ++number) {
        const Path candidate = folder / (number == 1 ? name : numberedName(name, number));
        for (;;) {
            if (Posix::exists(candidate.bytes())) {
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


enum class Stage {
    None,
    ReadFile,  // "read file content"
    Decrypted, // "decrypted file content"
};

// One form of the password.
void restoreWith(const OpenedPackage& package, const SecureBytes& password, const RunControl& control,
                 RunReport& report, Stage& reached)
{
    using Messages::Reason;
    const Messages::Failure wrongPassword{Reason::WrongPassword, {}, {}, 0};
    const Messages::Failure unreadable{Reason::SourceUnreadable, Path::displayName(package.packagePath.name()), {},
                                       0};
    const Path folder = package.packagePath.parent();
    Path createdPath;
    std::int64_t needed = 0;
    try {
        report.failure = unreadable;
        UniqueFd in = Posix::openRegularForReading(package.encryptedFile.bytes(), false);
        const std::int64_t size = Posix::statOf(in.get()).st_size;
        report.failure = {};
        needed = shortestPlaintext(size);
        const std::string name = restoredName(package);
        MessageKeys message(in.get(), size, password);
        // A folder's package takes a second pass, over its archive: its decryption is the first half.
        const bool twoPasses = Package::folderNameOf(name) != name;
        RunControl decrypting = control;
        if (twoPasses && control.progress) {
            decrypting.progress = [&control](std::int64_t done, std::int64_t total) { control.report(done, 2 * total); };
        }

        // An identical file already there is the result, unless it is a folder's archive, which is
        // restored as the folder. Nothing needs writing, so this works in a folder we cannot write to.
        switch (compareWithExisting(message, size, folder / name, decrypting)) {
        case Comparison::Identical:
            if (holdsFolderArchive(folder / name)) {
                break;
            }
            reached = Stage::Decrypted;
            report.path = folder / name;
            report.placed = RunReport::Placed::AlreadyThere;
            report.outcome = Outcome::Success;
            return;
        case Comparison::NotAuthentic:
            reached = Stage::ReadFile;
            report.failure = wrongPassword;
            return;
        case Comparison::Cancelled:
            report.outcome = Outcome::Cancelled;
            return;
        case Comparison::Different:
            break;
        }

        // Refuses at once what can't fit, rather than write gigabytes of a hostile package, a few
        // kilobytes of sparse file on its own disk, before its MAC fails.
        requireRoom(needed, folder);
        Staging::removeStale(folder);
        std::optional<Staging::StagedFile> staged;
        try {
            staged.emplace(folder, 0600);
        } catch (const FileSystemError&) {
            const bool authentic = isAuthentic(message, control);
            reached = authentic ? Stage::Decrypted : Stage::ReadFile;
            if (!authentic) {
                report.failure = wrongPassword;
            }
            throw;
        }
        try {
            if (twoPasses) {
                // A folder's archive lives only until it is extracted: not pushed to the disk as it is
                // written, as a file to keep is. A tar of the user's own is synced whole below.
                const int fd = staged->fd();
                message.decryptInto(RNCryptor::PlaintextSink([fd](const unsigned char* data, std::size_t length) {
                                        try {
                                            Posix::writeAll(fd, data, length);
                                        } catch (const FileSystemError& error) {
                                            throw RNCryptor::Error(RNCryptor::Error::Kind::Write, "write", error.error());
                                        }
                                    }),
                                    decrypting);
            } else {
                message.decryptInto(staged->fd(), decrypting);
            }
        } catch (const RNCryptor::Error& error) {
            switch (error.kind()) {
            case RNCryptor::Error::Kind::Cancelled:
                report.outcome = Outcome::Cancelled;
                return;
            case RNCryptor::Error::Kind::Read:
                reached = Stage::None;
                report.failure = unreadable;
                break;
            case RNCryptor::Error::Kind::Authentication:
                reached = Stage::ReadFile;
                report.failure = wrongPassword;
                break;
            case RNCryptor::Error::Kind::Crypto:
                reached = Stage::ReadFile;
                report.failure.reason = Reason::Unknown;
                break;
            case RNCryptor::Error::Kind::Write:
                reached = Stage::Decrypted;
                break;
            }
            throw;
        }
        reached = Stage::Decrypted;
        if (FolderArchive::isFolderArchive(staged->fd())) {
            // The archive is on disk now; its files need as much again.
            const std::int64_t archiveSize = Posix::statOf(staged->fd()).st_size;
            needed = 2 * archiveSize;
            requireRoom(archiveSize, folder);
            RunControl extracting = control;
            if (control.progress) {
                extracting.progress = [&control, size](std::int64_t done, std::int64_t total) {
                    const double part = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1.0;
                    control.report(size + static_cast<std::int64_t>(part * static_cast<double>(size)), 2 * size);
                };
            }
            try {
                RestoredFolder restored = restoreFolder(staged->fd(), folder, Package::folderNameOf(name), extracting);
                report.path = restored.path;
                report.placed = restored.numbered ? RunReport::Placed::Numbered : RunReport::Placed::Written;
                report.skipped = std::move(restored.skipped);
                report.outcome = Outcome::Success;
                return;
            } catch (const FolderArchive::Error& error) {
                if (error.kind() == FolderArchive::Error::Kind::Cancelled) {
                    report.outcome = Outcome::Cancelled;
                    return;
                }
                report.failure = {Reason::DamagedArchive, Path::displayName(package.packagePath.name()), {}, 0};
                throw;
            }
        }
        if (twoPasses) {
            control.report(2 * size, 2 * size); // a tar of the user's own, restored as the file it is
        }
        Posix::syncFile(staged->fd());
        const Published published = publishRestored(*staged, folder, name);
        if (published.createdByUs) {
            createdPath = published.path;
        }
        Posix::syncFolder(folder.bytes());
        report.path = published.path;
        report.placed = !published.createdByUs       ? RunReport::Placed::AlreadyThere
                        : published.path.name() == name ? RunReport::Placed::Written
                                                        : RunReport::Placed::Numbered;
        report.outcome = Outcome::Success;
    } catch (const std::exception& error) {
        if (report.failure.reason == Reason::None) {
            // EEXIST: every numbered name was taken too.
            const int code = errorOf(error);
            report.failure = code == EEXIST ? Messages::Failure{Reason::NameTaken,
                                                                Path::displayName(restoredName(package)),
                                                                folderName(folder), 0}
                                            : writeFailure(code, folder, needed);
        }
        // Only what this run created goes; a file that was already there is never touched.
        if (!createdPath.isEmpty()) {
            removePublished(createdPath);
        }
        report.outcome = Outcome::Failed;
    }
}

} // namespace

RunReport restoreFile(const OpenedPackage& package, const SecureBytes& password, const RunControl& control)
{
    const ThreadStateRelease release;
    RunReport report;
    Stage reached = Stage::None;
    for (const SecureBytes& form : Password::candidates(password)) {
        report = {};
        reached = Stage::None;
        restoreWith(package, form, control, report, reached);
        // Read, but not opened by this form: the one failure another form may mend.
        if (report.outcome != Outcome::Failed || report.failure.reason != Messages::Reason::WrongPassword) {
            break;
        }
    }
    const QStringList stages{QStringLiteral("read file content"), QStringLiteral("decrypted file content")};
    const auto place = report.placed == RunReport::Placed::AlreadyThere ? Messages::Destination::AlreadyThere
                                                                        : Messages::Destination::Saved;
    conclude(report, stages.mid(0, static_cast<int>(reached)), Messages::Message::DecryptFailed,
             Messages::Message::DecryptCancelled,
             Messages::destination(place, {Path::displayName(report.path.name())}));
    return report;
}

} // namespace Workflows
