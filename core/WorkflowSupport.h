// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the package workflows share. Internal to the core.

#include "RNCryptor.h"
#include "Workflows.h"

#include <openssl/crypto.h>

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

} // namespace Workflows
