// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the user is told and what the activity log says, once each: the screens and lockfern-cli show
// the sentence of an outcome and log its line, both from here.

#include <QString>

namespace Messages {

enum class Message {
    FileAdded,        // a file or package was taken
    AlreadyEncrypted, // a package chosen to encrypt
    NotEncrypted,     // not a package, chosen to decrypt
    Problem,          // cannot be opened, or not a package we could have made
    NoFileSelected,
    PasswordEmpty,
    PasswordsDiffer, // the repeated password is not the same
    Succeeded,
    EncryptCancelled,
    DecryptCancelled,
    EncryptFailed,
    DecryptFailed,
};

// The status line's text, empty when there is none.
QString sentence(Message message);
// The activity log's line, empty when there is none.
QString logLine(Message message);

} // namespace Messages
