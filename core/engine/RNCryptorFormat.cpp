// SPDX-License-Identifier: GPL-3.0-or-later
#include "RNCryptorFormat.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/params.h>
#include <openssl/rand.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>

namespace RNCryptor {
namespace Format {

[[noreturn]] void fail(Error::Kind kind, const char* what)
{
    throw Error(kind, what);
}

[[noreturn]] void failWithErrno(Error::Kind kind, const char* what, int error)
{
    const std::string message = std::string(what) + ": " + std::strerror(error);
    throw Error(kind, message.c_str(), error);
}

bool macMatches(const unsigned char* expected, const unsigned char* received)
{
    return CRYPTO_memcmp(expected, received, kHmacSize) == 0;
}

std::size_t paddingLength(const unsigned char* lastBlock)
{
    const unsigned char padding = lastBlock[kBlockSize - 1];
    if (padding == 0 || padding > kBlockSize) {
        return 0;
    }
    for (std::size_t i = kBlockSize - padding; i < kBlockSize; ++i) {
        if (lastBlock[i] != padding) {
            return 0;
        }
    }
    return padding;
}

bool headerAccepted(const unsigned char* header)
{
    return header[kVersionOffset] == kVersion && header[kOptionsOffset] == kOptionsPassword;
}

std::size_t addPadding(unsigned char* end, std::size_t used)
{
    const std::size_t padding = kBlockSize - used % kBlockSize;
    std::memset(end, static_cast<int>(padding), padding);
    return padding;
}

bool wellFormedSize(std::uint64_t size)
{
    return size >= kMinimumSize + kBlockSize && (size - kMinimumSize) % kBlockSize == 0;
}

bool wellFormed(const unsigned char* data, std::size_t size)
{
    return wellFormedSize(size) && headerAccepted(data);
}

std::array<unsigned char, kHeaderSize> headerBytes(const HeaderParameters& header)
{
    std::array<unsigned char, kHeaderSize> bytes{};
    bytes[kVersionOffset] = kVersion;
    bytes[kOptionsOffset] = kOptionsPassword;
    std::copy(header.encryptionSalt.begin(), header.encryptionSalt.end(), bytes.begin() + kEncryptionSaltOffset);
    std::copy(header.hmacSalt.begin(), header.hmacSalt.end(), bytes.begin() + kHmacSaltOffset);
    std::copy(header.iv.begin(), header.iv.end(), bytes.begin() + kIvOffset);
    return bytes;
}

HeaderParameters parseHeader(const unsigned char* bytes)
{
    HeaderParameters header;
    std::copy_n(bytes + kEncryptionSaltOffset, kSaltSize, header.encryptionSalt.begin());
    std::copy_n(bytes + kHmacSaltOffset, kSaltSize, header.hmacSalt.begin());
    std::copy_n(bytes + kIvOffset, kIvSize, header.iv.begin());
    return header;
}

namespace {

void checkKeys(const Keys& keys)
{
    if (keys.encryption.size() != kKeySize || keys.hmac.size() != kKeySize) {
        fail(Error::Kind::Crypto, "keys of the wrong size");
    }
}

} // namespace

Cipher::Cipher(const Keys& keys, const unsigned char* iv, bool encrypt) : m_ctx(EVP_CIPHER_CTX_new())
{
    checkKeys(keys);
    if (!m_ctx ||
        EVP_CipherInit_ex(m_ctx.get(), EVP_aes_256_cbc(), nullptr, keys.encryption.data(), iv, encrypt ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(m_ctx.get(), 0) != 1) {
        fail(Error::Kind::Crypto, "cannot set up AES-256-CBC");
    }
}

void Cipher::run(unsigned char* out, const unsigned char* in, std::size_t size)
{
    while (size > 0) {
        const std::size_t piece = std::min(size, kMaxPiece);
        int written = 0;
        if (EVP_CipherUpdate(m_ctx.get(), out, &written, in, static_cast<int>(piece)) != 1 ||
            static_cast<std::size_t>(written) != piece) {
            fail(Error::Kind::Crypto, "AES-256-CBC failed");
        }
        out += piece;
        in += piece;
        size -= piece;
    }
}

Hmac::Hmac(const SecureBytes& key)
{
    EVP_MAC* mac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
    m_ctx.reset(mac ? EVP_MAC_CTX_new(mac) : nullptr);
    EVP_MAC_free(mac); // the context keeps its own reference
    char digest[] = "SHA256";
    const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
                                 OSSL_PARAM_construct_end()};
    if (!m_ctx || key.size() != kKeySize || EVP_MAC_init(m_ctx.get(), key.data(), key.size(), params) != 1) {
        fail(Error::Kind::Crypto, "cannot set up HMAC-SHA256");
    }
}

void Hmac::update(const unsigned char* data, std::size_t size)
{
    if (size > 0 && EVP_MAC_update(m_ctx.get(), data, size) != 1) {
        fail(Error::Kind::Crypto, "HMAC-SHA256 failed");
    }
}

MacTag Hmac::final()
{
    MacTag tag{};
    std::size_t length = 0;
    if (EVP_MAC_final(m_ctx.get(), tag.data(), &length, tag.size()) != 1 || length != kHmacSize) {
        fail(Error::Kind::Crypto, "HMAC-SHA256 failed");
    }
    return tag;
}

} // namespace Format

using namespace Format;

HeaderParameters HeaderParameters::random()
{
    HeaderParameters header;
    if (RAND_bytes(header.encryptionSalt.data(), static_cast<int>(header.encryptionSalt.size())) != 1 ||
        RAND_bytes(header.hmacSalt.data(), static_cast<int>(header.hmacSalt.size())) != 1 ||
        RAND_bytes(header.iv.data(), static_cast<int>(header.iv.size())) != 1) {
        fail(Error::Kind::Crypto, "the random generator failed");
    }
    return header;
}

Keys Keys::derive(const SecureBytes& password, const HeaderParameters& header)
{
    if (password.size() > INT_MAX) {
        fail(Error::Kind::Crypto, "password too long");
    }
    Keys keys{SecureBytes(kKeySize), SecureBytes(kKeySize)};
    const auto pbkdf2 = [&password](const std::array<std::uint8_t, kSaltSize>& salt, SecureBytes& key) {
        return PKCS5_PBKDF2_HMAC(reinterpret_cast<const char*>(password.data()), static_cast<int>(password.size()),
                                 salt.data(), static_cast<int>(salt.size()), kIterations, EVP_sha1(),
                                 static_cast<int>(key.size()), key.data()) == 1;
    };

    // Two independent derivations: on two cores a message costs one PBKDF2 time instead of two.
    bool hmacDerived = false;
    std::thread second;
    try {
        second = std::thread([&] { hmacDerived = pbkdf2(header.hmacSalt, keys.hmac); });
    } catch (const std::system_error&) {
        hmacDerived = pbkdf2(header.hmacSalt, keys.hmac);
    }
    const bool encryptionDerived = pbkdf2(header.encryptionSalt, keys.encryption);
    if (second.joinable()) {
        second.join();
    }
    if (!encryptionDerived || !hmacDerived) {
        fail(Error::Kind::Crypto, "key derivation failed");
    }
    return keys;
}


} // namespace RNCryptor
