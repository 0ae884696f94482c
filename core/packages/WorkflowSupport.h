// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the package workflows share. Internal to the core.

#include "FolderArchive.h"
#include "RNCryptor.h"
#include "Workflows.h"

#include <openssl/crypto.h>

#include <exception>
#include <string>

namespace Workflows {

// Runs often happen on pooled threads that outlive them; their per-thread random state goes with the run.
struct ThreadStateRelease
{
    ThreadStateRelease() = default;
    ThreadStateRelease(const ThreadStateRelease&) = delete;
    ThreadStateRelease& operator=(const ThreadStateRelease&) = delete;
    ~ThreadStateRelease() { OPENSSL_thread_stop(); }
};

// The report's sentences and lines once its outcome is known: the lines of the stages reached, then on
// success "success! saved in " + the result, otherwise the outcome's own line (`failed` or
// `cancelled`); the detail is where the result went (`saved`) or why the run failed.
void conclude(RunReport& report, QStringList stages, Messages::Message failed, Messages::Message cancelled,
              const Messages::Sentence& saved);

// Removes what a run published and then had to take back; quietly, since the run fails either way.
void removePublished(const Path& path);

// Throws ENOSPC when `folder` can't hold `bytes` more, EFBIG when this process may not write a file
// that large; a file system that tells no sizes is taken at its word.
void requireRoom(std::int64_t bytes, const Path& folder);

// The errno behind a failure of the file layer or the engine; 0 for anything else.
int errorOf(const std::exception& error);

// A folder as the sentences name it: its own name.
QString folderName(const Path& folder);
// What stopped a write into `folder`, by its errno; `bytes` is the room the run needed.
Messages::Failure writeFailure(int error, const Path& folder, std::int64_t bytes);

// ---- folders (FolderWorkflow.cpp) ----

// The most a folder's archive of this scan can take: headers, extended headers and padding included.
std::int64_t archiveBound(const FolderArchive::Scan& scan);

// Packs the folder on a thread of its own into a pipe that the engine encrypts from until it ends, so
// no archive is ever on disk and memory stays flat. Progress is over the scan's content bytes, on the
// calling thread. Failures are told as a file's: RNCryptor::Error of kind Read with the errno when the
// folder could not be read, without one when it changed; Cancelled; Write for the output.
FolderArchive::Packed encryptFolder(const Path& folder, const FolderArchive::Scan& scan, int out,
                                    const SecureBytes& password, const RunControl& control);

// Whether the file at `path` is one of our folder archives; false when it can't be read.
bool holdsFolderArchive(const Path& path);

struct RestoredFolder
{
    Path path;
    bool numbered = false;
    std::vector<std::string> skipped;
};
// Extracts the authenticated archive in `archiveFd` into a hidden staging folder in `folder`, syncs it,
// and publishes it as `name`, or "name 2", "name 3"... where the name is taken: never into an existing
// folder. Throws FolderArchive::Error (Damaged, Cancelled) and FileSystemError; leaves nothing then.
RestoredFolder restoreFolder(int archiveFd, const Path& folder, const std::string& name, const RunControl& control);

} // namespace Workflows
