// SPDX-License-Identifier: GPL-3.0-or-later
#include "Password.h"

#include <openssl/crypto.h>

namespace Password {

SecureBytes bytes(const QString& password)
{
    QByteArray utf8 = password.toUtf8();
    SecureBytes result(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    OPENSSL_cleanse(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return result;
}

} // namespace Password
