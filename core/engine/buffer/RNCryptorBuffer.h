// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whole-buffer entry points over the engine, for tests, the fuzzer and the benchmark; the product
// streams.

#include "RNCryptor.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace RNCryptor {

class Encryptor
{
public:
    explicit Encryptor(const QString& password);
    Encryptor(const QString& password, const HeaderParameters& header); // for known-answer tests
    QByteArray encrypt(const QByteArray& data) const;

private:
    SecureBytes m_password;
    std::optional<HeaderParameters> m_header;
};

class Decryptor
{
public:
    explicit Decryptor(const QString& password);
    QByteArray decrypt(const QByteArray& data) const; // throws Error(Authentication) on anything but a valid message

private:
    SecureBytes m_password;
};

// Decryption with keys given, skipping PBKDF2; nullopt on any invalid message.
std::optional<QByteArray> decryptWithKeys(const QByteArray& data, const Keys& keys);

} // namespace RNCryptor
