// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

// How a long run reports how far it is and is stopped: the engine, the folder archive and the package
// workflows take the same one. Both members may be empty; progress is called on the running thread.
struct RunControl
{
    std::function<void(std::int64_t done, std::int64_t total)> progress;
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void report(std::int64_t done, std::int64_t total) const
    {
        if (progress) {
            progress(done, total);
        }
    }
};
