// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the package workflows share. Internal to the core.

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

inline RNCryptor::StreamControl streamControl(const RunControl& control)
{
    return {control.progress, control.cancel};
}

// Removes what a run published and then had to take back; quietly, since the run fails either way.
void removePublished(const std::string& path);

// Throws ENOSPC when `folder` can't hold `bytes` more, EFBIG when this process may not write a file
// that large; a file system that tells no sizes is taken at its word.
void requireRoom(std::int64_t bytes, const std::string& folder);

// The errno behind a failure of the file layer or the engine; 0 for anything else.
int errorOf(const std::exception& error);

// A folder as the sentences name it: its own name.
QString folderName(const std::string& folder);
// What stopped a write into `folder`, by its errno; `bytes` is the room the run needed.
Messages::Failure writeFailure(int error, const std::string& folder, std::int64_t bytes);

} // namespace Workflows
