// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SecureBytes.h"

#include <QString>

#include <cstddef>
#include <vector>

// How long a password may be. Every front end takes at least this much and never cuts what it takes:
// a password cut short would open a package that another RNCryptor implementation writes with the
// whole password never.
namespace Password {

// Characters (UTF-16 units) a password field takes: Qt's own line-edit limit, set explicitly.
inline constexpr int kMaxCharacters = 32767;
// The same in UTF-8 bytes: no UTF-16 unit takes more than three.
inline constexpr std::size_t kMaxBytes = 3 * static_cast<std::size_t>(kMaxCharacters);

// The password as its UTF-8 bytes, exactly as typed, in a buffer that is wiped after use.
SecureBytes bytes(const QString& password);

// The forms a password may have reached a package in: the bytes as typed, then its Unicode NFC and
// NFD forms where they differ from it. A keyboard or another system may compose "é" either way, and
// the key is derived from the bytes. Bytes that are not UTF-8 are only themselves.
std::vector<SecureBytes> candidates(const SecureBytes& typed);

} // namespace Password
