// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A two-stage pipeline: the calling thread produces chunks into a few reused buffers, one worker
// consumes them in order. Reusing the buffers keeps the data in cache and the memory flat.

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


// A few chunk buffers, allocated once and passed round between the producer and the consumer.
class Ring
{
public:
    struct Slot
    {
        std::unique_ptr<unsigned char[]> data;
        std::size_t size = 0;
        std::size_t touched = 0;
        bool last = false;
    };

    explicit Ring(std::size_t capacity)
    {
        for (Slot& slot : m_slots) {
            slot.data.reset(new unsigned char[capacity]); // left untouched: first touch is slow
        }
    }
    ~Ring()
    {
        for (Slot& slot : m_slots) {
            OPENSSL_cleanse(slot.data.get(), slot.touched);
        }
    }
    Ring(const Ring&) = delete;
    Ring& operator=(const Ring&) = delete;

    // nullptr once aborted.
    Slot* waitFree()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_aborted || m_produced - m_consumed < kSlots; });
        return m_aborted ? nullptr : &m_slots[m_produced % kSlots];
    }
    void publish()
    {
        {
            std::lock_guard lock(m_mutex);
            Slot& slot = m_slots[m_produced % kSlots];
            slot.touched = std::max(slot.touched, slot.size);
            ++m_produced;
        }
        m_changed.notify_all();
    }
    Slot* waitFilled()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_aborted || m_consumed < m_produced; });
        return m_aborted ? nullptr : &m_slots[m_consumed % kSlots];
    }
    void release()
    {
        {
            std::lock_guard lock(m_mutex);
            ++m_consumed;
        }
        m_changed.notify_all();
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
    static constexpr std::size_t kSlots = 4; // slack for a stage that misses a time slice
    std::array<Slot, kSlots> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_produced = 0;
    std::uint64_t m_consumed = 0;
    bool m_aborted = false;
};

// The second half of a pipeline: a worker that runs `consume` on each published slot up to the last.
// Its failure aborts the ring and is rethrown on the calling thread; it is joined on every path.
class Worker
{
public:
    template <typename Consume>
    Worker(Ring& ring, Consume consume) : m_ring(ring)
    {
        m_thread = std::thread([this, consume]() mutable { run(consume); });
    }
    ~Worker()
    {
        if (m_thread.joinable()) {
            m_ring.abort();
            m_thread.join();
        }
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Waits until every published slot is consumed; rethrows the worker's failure.
    void finish()
    {
        m_thread.join();
        if (m_error) {
            std::rethrow_exception(m_error);
        }
    }

    // The next slot to fill; when the worker has failed meanwhile, its reason is thrown here.
    Ring::Slot& nextFree()
    {
        if (Ring::Slot* slot = m_ring.waitFree()) {
            return *slot;
        }
        finish();
        throw std::runtime_error("the pipeline stopped");
    }

private:
    template <typename Consume>
    void run(Consume& consume)
    {
        try {
            for (;;) {
                Ring::Slot* slot = m_ring.waitFilled();
                if (!slot) {
                    return;
                }
                const bool last = slot->last;
                consume(*slot);
                m_ring.release();
                if (last) {
                    return;
                }
            }
        } catch (...) {
            m_error = std::current_exception();
            m_ring.abort();
        }
    }

    Ring& m_ring;
    std::exception_ptr m_error;
    std::thread m_thread;
};


} // namespace Pipeline
