// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <openssl/crypto.h>

#include <cstddef>
#include <cstring>
#include <span>
#include <utility>

// A heap buffer for keys and password copies that is wiped when it goes away.
class SecureBytes
{
public:
    SecureBytes() = default;
    explicit SecureBytes(std::size_t size) : m_data(size ? new unsigned char[size]() : nullptr), m_size(size) {}
    SecureBytes(const void* bytes, std::size_t size) : SecureBytes(size)
    {
        if (size) {
            std::memcpy(m_data, bytes, size);
        }
    }
    SecureBytes(const SecureBytes& other) : SecureBytes(other.m_data, other.m_size) {}
    SecureBytes(SecureBytes&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0))
    {
    }
    SecureBytes& operator=(SecureBytes other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        return *this;
    }
    ~SecureBytes() { wipe(); }

    unsigned char* data() { return m_data; }
    const unsigned char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::span<const unsigned char> bytes() const { return {m_data, m_size}; }

private:
    void wipe()
    {
        if (m_data) {
            OPENSSL_cleanse(m_data, m_size);
            delete[] m_data;
            m_data = nullptr;
            m_size = 0;
        }
    }

    unsigned char* m_data = nullptr;
    std::size_t m_size = 0;
};
