// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <openssl/crypto.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <new>
#include <span>
#include <utility>

// A buffer for keys and password copies: in pages of its own, left out of core dumps, locked in
// memory where the limit allows (so never written to swap), and wiped when it goes away.
class SecureBytes
{
public:
    SecureBytes() = default;
    explicit SecureBytes(std::size_t size) : m_size(size) { allocate(); }
    SecureBytes(const void* bytes, std::size_t size) : SecureBytes(size)
    {
        if (size) {
            std::memcpy(m_data, bytes, size);
        }
    }
    SecureBytes(const SecureBytes& other) : SecureBytes(other.m_data, other.m_size) {}
    SecureBytes(SecureBytes&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
          m_mapped(std::exchange(other.m_mapped, 0))
    {
    }
    SecureBytes& operator=(SecureBytes other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_mapped, other.m_mapped);
        return *this;
    }
    ~SecureBytes() { wipe(); }

    unsigned char* data() { return m_data; }
    const unsigned char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::span<const unsigned char> bytes() const { return {m_data, m_size}; }

private:
    void allocate()
    {
        if (m_size == 0) {
            return;
        }
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        m_mapped = (m_size + page - 1) / page * page;
        void* pages = ::mmap(nullptr, m_mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pages == MAP_FAILED) {
            m_mapped = 0;
            throw std::bad_alloc();
        }
        // Both only hints: a refused lock (RLIMIT_MEMLOCK) is no reason to fail.
        ::madvise(pages, m_mapped, MADV_DONTDUMP);
        ::mlock(pages, m_mapped);
        m_data = static_cast<unsigned char*>(pages);
    }

    void wipe()
    {
        if (m_data) {
            OPENSSL_cleanse(m_data, m_size);
            ::munlock(m_data, m_mapped);
            ::munmap(m_data, m_mapped);
            m_data = nullptr;
            m_size = 0;
            m_mapped = 0;
        }
    }

    unsigned char* m_data = nullptr; // zero-filled when mapped
    std::size_t m_size = 0;
    std::size_t m_mapped = 0;
};
