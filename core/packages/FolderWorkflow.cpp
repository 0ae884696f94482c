// SPDX-License-Identifier: GPL-3.0-or-later
// What a folder adds to the workflows: its archive streamed into the engine, and restored beside the
// package once the whole package is authenticated.
#include "WorkflowSupport.h"

#include "Posix.h"
#include "Staging.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <thread>

namespace Workflows {

namespace {

// One chunk of the engine's: the two threads hand over whole chunks, not a page at a time.
constexpr int kPipeSize = static_cast<int>(RNCryptor::kStreamChunkSize);

// What libarchive's pax writer puts around an entry: its header, an extended header with its data
// (name, link target, time to the nanosecond), and padding of its data to 512 bytes.
constexpr std::int64_t kEntryOverhead = 4 * 512;
constexpr std::int64_t kArchiveEnd = 2 * 512;

} // namespace

std::int64_t archiveBound(const FolderArchive::Scan& scan)
{
    return scan.contentBytes + scan.entries * kEntryOverhead + kArchiveEnd;
}

FolderArchive::Packed encryptFolder(const Path& folder, const FolderArchive::Scan& scan, int out,
                                    const SecureBytes& password, const RunControl& control)
{
    using Kind = RNCryptor::Error::Kind;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        Posix::fail("pipe", errno);
    }
    UniqueFd reading(ends[0]);
    UniqueFd writing(ends[1]);
    ::fcntl(writing.get(), F_SETPIPE_SZ, kPipeSize); // only a wish: a user over the system's limit gets less

    std::atomic<std::int64_t> packedBytes{0};
    RunControl packing;
    packing.cancel = control.cancel;
    packing.progress = [&packedBytes](std::int64_t done, std::int64_t) {
        packedBytes.store(done, std::memory_order_relaxed);
    };
    FolderArchive::Packed packed;
    std::exception_ptr packError;
    std::thread packer([&] {
        try {
            packed = FolderArchive::pack(folder.bytes(), writing.get(), packing, &scan);
        } catch (...) {
            packError = std::current_exception();
        }
        writing.reset(); // the end of the stream, whole or not; whether it was whole is told below
    });

    RunControl encrypting;
    encrypting.cancel = control.cancel;
    if (control.progress) {
        encrypting.progress = [&](std::int64_t, std::int64_t) {
            control.report(std::min(packedBytes.load(std::memory_order_relaxed), scan.contentBytes),
                           scan.contentBytes);
        };
    }
    std::exception_ptr engineError;
    try {
        RNCryptor::encryptStream(reading.get(), RNCryptor::kUntilEnd, out, password, encrypting);
    } catch (...) {
        engineError = std::current_exception();
    }
    reading.reset(); // a packer still writing stops with EPIPE
    packer.join();

    // A cancel on either side is the run's. Otherwise the engine's failure comes first: the packer then
    // only lost its reader. A packer's failure alone ended the stream early, and the message is void.
    const auto isCancel = [](const std::exception_ptr& error) {
        try {
            std::rethrow_exception(error);
        } catch (const FolderArchive::Error& e) {
            return e.kind() == FolderArchive::Error::Kind::Cancelled;
        } catch (const RNCryptor::Error& e) {
            return e.kind() == Kind::Cancelled;
        } catch (...) {
            return false;
        }
    };
    if ((packError && isCancel(packError)) || (engineError && isCancel(engineError))) {
        throw RNCryptor::Error(Kind::Cancelled, "cancelled");
    }
    if (engineError) {
        std::rethrow_exception(engineError);
    }
    if (packError) {
        try {
            std::rethrow_exception(packError);
        } catch (const FolderArchive::Error& error) {
            throw RNCryptor::Error(Kind::Read, error.what()); // changed while it was packed
        } catch (const FileSystemError& error) {
            throw RNCryptor::Error(Kind::Read, error.what(), error.error() ? error.error() : EIO);
        }
    }
    control.report(scan.contentBytes, scan.contentBytes);
    return packed;
}

bool holdsFolderArchive(const Path& path)
{
    try {
        const UniqueFd fd = Posix::openRegularForReading(path.bytes(), false);
        return FolderArchive::isFolderArchive(fd.get());
    } catch (const FileSystemError&) {
        return false;
    }
}

namespace {

// A folder published whose publication could not be made durable: taken back, never through a link.
void takeBack(const Path& published)
{
    const UniqueFd fd(::open(published.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    try {
        if (fd) {
            Posix::removeContents(fd.get());
            ::rmdir(published.c_str());
        }
    } catch (const FileSystemError&) {
        // Nothing more to do; the run is reported as failed either way.
    }
}

} // namespace

RestoredFolder restoreFolder(int archiveFd, const Path& folder, const std::string& name, const RunControl& control)
{
    Staging::StagedFolder staged(folder);
    FolderArchive::Extracted extracted = FolderArchive::extract(archiveFd, staged.fd(), control);
    Posix::syncFileSystem(staged.fd());
    for (int number = 1; number < 10000; ++number) {
        const Path candidate = folder / (number == 1 ? name : name + " " + std::to_string(number));
        try {
            staged.publishAs(candidate);
        } catch (const FileSystemError& error) {
            if (error.error() == EEXIST || error.error() == ENOTEMPTY) {
                continue; // never merged into what holds the name
            }
            throw;
        }
        try {
            Posix::syncFolder(folder.bytes());
        } catch (const FileSystemError&) {
            takeBack(candidate);
            throw;
        }
        return {candidate, number > 1, std::move(extracted.skipped)};
    }
    Posix::fail("no free name for " + name, EEXIST);
}

} // namespace Workflows
