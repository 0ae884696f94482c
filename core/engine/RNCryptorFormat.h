// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The format's building blocks, shared by the whole-buffer and the streaming code: layout, MAC,
// padding and the two primitives over libcrypto. Internal to the engine.

#include "RNCryptor.h"

#include <openssl/evp.h>

#include <array>
#include <memory>

namespace RNCryptor::Format {

using MacTag = std::array<unsigned char, kHmacSize>;

inline constexpr std::size_t kVersionOffset = 0;
inline constexpr std::size_t kOptionsOffset = 1;
inline constexpr std::size_t kEncryptionSaltOffset = 2;
inline constexpr std::size_t kHmacSaltOffset = kEncryptionSaltOffset + kSaltSize;
inline constexpr std::size_t kIvOffset = kHmacSaltOffset + kSaltSize;
// Largest piece handed to libcrypto at once: its lengths are ints.
inline constexpr std::size_t kMaxPiece = std::size_t{1} << 30;

static_assert(kStreamChunkSize % kBlockSize == 0 && kStreamChunkSize <= kMaxPiece);

inline const char* const kNotAuthentic = "wrong password or damaged data";

[[noreturn]] void fail(Error::Kind kind, const char* what);
[[noreturn]] void failWithErrno(Error::Kind kind, const char* what, int error);

// The one place MACs are compared: constant time, so a forger learns nothing from timing.
bool macMatches(const unsigned char* expected, const unsigned char* received);
// PKCS#7 padding of the last plaintext block: its length, or 0 when it is not valid padding.
std::size_t paddingLength(const unsigned char* lastBlock);
bool headerAccepted(const unsigned char* header);
// PKCS#7 padding after the last `used` bytes of plaintext, which end at `end`: 1 to 16 bytes, always
// at least one so that the reader can tell it from data. Returns how many it wrote.
std::size_t addPadding(unsigned char* end, std::size_t used);
// A ciphertext of whole blocks, at least one, between header and MAC.
bool wellFormedSize(std::uint64_t size);
// Version, options and a size that is well formed.
bool wellFormed(const unsigned char* data, std::size_t size);
std::array<unsigned char, kHeaderSize> headerBytes(const HeaderParameters& header);
HeaderParameters parseHeader(const unsigned char* bytes);

// AES-256-CBC without padding; callers pad and unpad themselves so both directions share one rule.
class Cipher
{
public:
    Cipher(const Keys& keys, const unsigned char* iv, bool encrypt);
    // Whole blocks only; `in` and `out` may be the same buffer.
    void run(unsigned char* out, const unsigned char* in, std::size_t size);

private:
    struct Free
    {
        void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
    };
    std::unique_ptr<EVP_CIPHER_CTX, Free> m_ctx;
};

class Hmac
{
public:
    explicit Hmac(const SecureBytes& key);
    void update(const unsigned char* data, std::size_t size);
    MacTag final();

private:
    struct Free
    {
        void operator()(EVP_MAC_CTX* ctx) const { EVP_MAC_CTX_free(ctx); }
    };
    std::unique_ptr<EVP_MAC_CTX, Free> m_ctx;
};

} // namespace RNCryptor::Format
