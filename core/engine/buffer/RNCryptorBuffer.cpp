// SPDX-License-Identifier: GPL-3.0-or-later
#include "RNCryptorBuffer.h"

#include "RNCryptorFormat.h"

#include <openssl/crypto.h>

#include <cstring>

namespace RNCryptor {

using namespace Format;

namespace {

// As typed, in UTF-8; the copy Qt made is wiped.
SecureBytes passwordBytes(const QString& password)
{
    QByteArray utf8 = password.toUtf8();
    SecureBytes bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    OPENSSL_cleanse(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return bytes;
}

const unsigned char* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

QByteArray encryptWithKeys(const QByteArray& data, const Keys& keys, const HeaderParameters& header)
{
    const std::size_t plainSize = static_cast<std::size_t>(data.size());
    const std::size_t wholeBlocks = plainSize - plainSize % kBlockSize;
    const std::size_t cipherSize = wholeBlocks + kBlockSize;
    QByteArray message(static_cast<qsizetype>(kHeaderSize + cipherSize + kHmacSize), Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(message.data());

    const auto head = headerBytes(header);
    std::copy(head.begin(), head.end(), out);

    Cipher cipher(keys, header.iv.data(), true);
    cipher.run(out + kHeaderSize, bytesOf(data), wholeBlocks);
    unsigned char last[kBlockSize];
    const std::size_t tail = plainSize - wholeBlocks;
    std::memcpy(last, bytesOf(data) + wholeBlocks, tail);
    addPadding(last + tail, tail);
    cipher.run(out + kHeaderSize + wholeBlocks, last, kBlockSize);
    OPENSSL_cleanse(last, sizeof last);

    Hmac mac(keys.hmac);
    mac.update(out, kHeaderSize + cipherSize);
    const MacTag tag = mac.final();
    std::copy(tag.begin(), tag.end(), out + kHeaderSize + cipherSize);
    return message;
}

} // namespace

Encryptor::Encryptor(const QString& password) : m_password(passwordBytes(password)) {}

Encryptor::Encryptor(const QString& password, const HeaderParameters& header)
    : m_password(passwordBytes(password)), m_header(header)
{
}

QByteArray Encryptor::encrypt(const QByteArray& data) const
{
    const HeaderParameters header = m_header ? *m_header : HeaderParameters::random();
    return encryptWithKeys(data, Keys::derive(m_password, header), header);
}

Decryptor::Decryptor(const QString& password) : m_password(passwordBytes(password)) {}

QByteArray Decryptor::decrypt(const QByteArray& data) const
{
    // Shape first: no PBKDF2 for data that cannot be a message.
    if (!wellFormed(bytesOf(data), static_cast<std::size_t>(data.size()))) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    std::optional<QByteArray> plain = decryptWithKeys(data, Keys::derive(m_password, parseHeader(bytesOf(data))));
    if (!plain) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    return std::move(*plain);
}

std::optional<QByteArray> decryptWithKeys(const QByteArray& data, const Keys& keys)
{
    const unsigned char* in = bytesOf(data);
    const std::size_t size = static_cast<std::size_t>(data.size());
    if (!wellFormed(in, size)) {
        return std::nullopt;
    }
    const std::size_t cipherSize = size - kMinimumSize;

    Hmac mac(keys.hmac);
    mac.update(in, size - kHmacSize);
    if (!macMatches(mac.final().data(), in + size - kHmacSize)) {
        return std::nullopt;
    }

    QByteArray plain(static_cast<qsizetype>(cipherSize), Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(plain.data());
    Cipher(keys, in + kIvOffset, false).run(out, in + kHeaderSize, cipherSize);
    const std::size_t padding = paddingLength(out + cipherSize - kBlockSize);
    if (padding == 0) {
        OPENSSL_cleanse(out, cipherSize);
        return std::nullopt;
    }
    plain.truncate(static_cast<qsizetype>(cipherSize - padding));
    return plain;
}

} // namespace RNCryptor
