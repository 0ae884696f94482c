// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// RNCryptor data format version 3, password-based, over libcrypto.
//
//   byte 0      version, 3
//   byte 1      options, 1 (password-based)
//   bytes 2-9   encryption salt
//   bytes 10-17 HMAC salt
//   bytes 18-33 IV
//   ...         AES-256-CBC ciphertext, PKCS#7 padding
//   last 32     HMAC-SHA256 over everything before it
//
// Keys: PBKDF2-HMAC-SHA1 over the password's UTF-8 bytes, 10,000 iterations, 32 bytes, one per salt.

#include "RunControl.h"
#include "SecureBytes.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>

namespace RNCryptor {

inline constexpr std::uint8_t kVersion = 3;
inline constexpr std::uint8_t kOptionsPassword = 1;
inline constexpr std::size_t kSaltSize = 8;
inline constexpr std::size_t kIvSize = 16;
inline constexpr std::size_t kHeaderSize = 2 + 2 * kSaltSize + kIvSize; // 34
inline constexpr std::size_t kHmacSize = 32;
inline constexpr std::size_t kMinimumSize = kHeaderSize + kHmacSize;     // 66
inline constexpr std::size_t kBlockSize = 16;
inline constexpr std::size_t kKeySize = 32;
inline constexpr int kIterations = 10000;
// The size of the message for a plaintext of `plaintextSize` bytes: header, padded ciphertext, MAC.
inline constexpr std::int64_t encryptedSize(std::int64_t plaintextSize)
{
    return static_cast<std::int64_t>(kMinimumSize) + (plaintextSize / kBlockSize + 1) * kBlockSize;
}
// An input size: read until the input ends.
inline constexpr std::int64_t kUntilEnd = -1;
// Bytes per read in the streaming entry points; a multiple of kBlockSize.
inline constexpr std::size_t kStreamChunkSize = std::size_t{1} << 20;

// Salts and IV of one message; random unless a test injects them.
struct HeaderParameters
{
    std::array<std::uint8_t, kSaltSize> encryptionSalt{};
    std::array<std::uint8_t, kSaltSize> hmacSalt{};
    std::array<std::uint8_t, kIvSize> iv{};

    static HeaderParameters random(); // RAND_bytes; throws Error when the generator fails
};

// The two derived keys. Derivation of the pair runs the two PBKDF2 calls side by side.
struct Keys
{
    SecureBytes encryption;
    SecureBytes hmac;

    static Keys derive(const SecureBytes& password, const HeaderParameters& header);
};


class Error : public std::runtime_error
{
public:
    enum class Kind {
        Read,           // the input could not be read
        Write,          // the output could not be written
        Authentication, // not version 3 / options 1, too short, bad length, MAC mismatch, bad padding, wrong password
        Cancelled,      // a cancel request was seen
        Crypto,         // libcrypto itself failed (random generator, cipher setup)
    };
    Error(Kind kind, const char* what, int error = 0) : std::runtime_error(what), m_kind(kind), m_error(error) {}
    Kind kind() const { return m_kind; }
    int error() const { return m_error; } // errno of a Read or Write error, or 0

private:
    Kind m_kind;
    int m_error;
};

// The salts and IV of a message of `inputSize` bytes, read from `in` at its current offset: what its
// keys are derived from, once for every pass over it. Throws Error(Authentication) for what cannot be
// a message, and Read when it cannot be read.
HeaderParameters readHeader(int in, std::int64_t inputSize);

// Streams file descriptor to file descriptor in fixed-size chunks through a few reused buffers,
// so memory does not grow with the input. `inputSize` is the number of bytes to read from `in`
// (its current offset on); reading fewer or more than that is a Read error. kUntilEnd reads until
// the input ends, as from a pipe; progress then tells a total of kUntilEnd until the last chunk.
// An output descriptor of -1 discards the output (used to check a message without writing it).
// Throws Error on every failure; on failure the output may hold partial data, which the caller discards.
void encryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const RunControl& control = {},
                   const std::optional<HeaderParameters>& header = std::nullopt);
// Plaintext reaches `out` before the MAC at the end is checked: the caller must keep it unpublished
// until this returns normally. With a password the keys are derived from the message's own salts;
// keys from readHeader's salts spare that for a second pass over the same message.
void decryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password,
                   const RunControl& control = {});
void decryptStream(int in, std::int64_t inputSize, int out, const Keys& keys, const RunControl& control = {});
// The same with the plaintext handed to `out` piece by piece, in order, one call at a time (from
// either of the run's threads); what it throws ends the run and is rethrown here.
using PlaintextSink = std::function<void(const unsigned char* data, std::size_t size)>;
void decryptStream(int in, std::int64_t inputSize, const PlaintextSink& out, const SecureBytes& password,
                   const RunControl& control = {});
void decryptStream(int in, std::int64_t inputSize, const PlaintextSink& out, const Keys& keys,
                   const RunControl& control = {});

} // namespace RNCryptor
