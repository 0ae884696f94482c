// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pipeline over a few chunk buffers, allocated once and reused, which keeps the data in cache and
// the memory flat.

#include <openssl/crypto.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace Pipeline {


// Chunks pass three steps in order: fill and drain on a worker, the middle step on the calling
// thread. The worker fills first whenever the calling thread has nothing left to work on.
class Relay
{
public:
    struct Slot
    {
        std::unique_ptr<unsigned char[]> data;
        std::size_t size = 0;
        std::size_t touched = 0; // how much of `data` has ever held anything, to wipe
        bool last = false;
    };

    // `fill(slot)` sets the slot's data, size and `last`; `drain(slot)` takes it after the middle step.
    template <typename Fill, typename Drain> Relay(std::size_t capacity, Fill fill, Drain drain)
    {
        for (Slot& slot : m_slots) {
            slot.data.reset(new unsigned char[capacity]); // left untouched: first touch is slow
        }
        m_thread = std::thread([this, fill, drain]() mutable { run(fill, drain); });
    }
    ~Relay()
    {
        if (m_thread.joinable()) {
            abort();
            m_thread.join();
        }
        for (Slot& slot : m_slots) {
            OPENSSL_cleanse(slot.data.get(), slot.touched);
        }
    }
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    // The next filled slot for the middle step; the worker's failure is thrown here.
    Slot& nextFilled()
    {
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_aborted || m_worked < m_filled; });
            if (!m_aborted) {
                return m_slots[m_worked % kSlots];
            }
        }
        finish();
        throw std::runtime_error("the pipeline stopped");
    }
    // The middle step is done with the slot handed out last.
    void passOn()
    {
        {
            std::lock_guard lock(m_mutex);
            Slot& slot = m_slots[m_worked % kSlots];
            slot.touched = std::max(slot.touched, slot.size);
            ++m_worked;
        }
        m_changed.notify_all();
    }
    // Waits until the last slot is drained; rethrows the worker's failure.
    void finish()
    {
        m_thread.join();
        if (m_error) {
            std::rethrow_exception(m_error);
        }
    }
    void abort()
    {
        {
            std::lock_guard lock(m_mutex);
            m_aborted = true;
        }
        m_changed.notify_all();
    }

private:
    static constexpr std::uint64_t kSlots = 4;

    template <typename Fill, typename Drain> void run(Fill& fill, Drain& drain)
    {
        try {
            bool filledLast = false;
            for (;;) {
                std::unique_lock lock(m_mutex);
                const auto canFill = [&] { return !filledLast && m_filled - m_drained < kSlots; };
                const auto canDrain = [&] { return m_drained < m_worked; };
                m_changed.wait(lock, [&] { return m_aborted || canFill() || canDrain(); });
                if (m_aborted) {
                    return;
                }
                const bool filling = canFill() && (m_filled == m_worked || !canDrain());
                Slot& slot = m_slots[(filling ? m_filled : m_drained) % kSlots];
                lock.unlock();
                filling ? fill(slot) : drain(slot);
                lock.lock();
                if (filling) {
                    filledLast = slot.last;
                    slot.touched = std::max(slot.touched, slot.size);
                    ++m_filled;
                } else {
                    ++m_drained;
                }
                const bool done = !filling && slot.last;
                lock.unlock();
                m_changed.notify_all();
                if (done) {
                    return;
                }
            }
        } catch (...) {
            m_error = std::current_exception();
            abort();
        }
    }

    std::array<Slot, kSlots> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_filled = 0;
    std::uint64_t m_worked = 0;
    std::uint64_t m_drained = 0;
    bool m_aborted = false;
    std::exception_ptr m_error;
    std::thread m_thread;
};

} // namespace Pipeline
