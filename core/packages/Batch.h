// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Many items in one run: several files and folders to encrypt with one password and hint, or several
// packages to restore with one password. Each item is exactly the run it would be alone (the same
// report, the same log lines, the same naming and no-replace rules), and a failed item never stops
// the others. Reports come back in item order, whatever order the items finished in.

#include "RunReport.h"
#include "SecureBytes.h"
#include "Workflows.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace Workflows {

struct BatchProgress
{
    std::int64_t done = 0;  // bytes over all items
    std::int64_t total = 0; // all items' bytes, as far as known
    int item = 0;           // the number of the item started last, from 1 ("3 of 12")
    int count = 0;
    int ended = 0; // items that have ended, however
};

struct BatchControl
{
    // Never called by two threads at a time; from a worker thread, not the caller's.
    std::function<void(const BatchProgress&)> progress;
    // Stops the running items, which remove what they had begun; the rest are skipped. Items that
    // had finished stay finished.
    const std::atomic<bool>* cancel = nullptr;
};

// An item skipped after a cancel reports Outcome::Cancelled with no lines.
std::vector<RunReport> writePackages(const std::vector<PreparedSource>& sources, const SecureBytes& password,
                                     const std::optional<QString>& hint, const BatchControl& control = {});
std::vector<RunReport> restoreFiles(const std::vector<OpenedPackage>& packages, const SecureBytes& password,
                                    const BatchControl& control = {});

} // namespace Workflows
