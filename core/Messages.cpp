// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

namespace Messages {

namespace {

struct Texts
{
    const char* sentence;
    const char* logLine;
};

// Letter for letter as users and their log readers have always seen them, misspellings included.
Texts textsOf(Message message)
{
    switch (message) {
    case Message::FileAdded:
        return {nullptr, "file added succesfully"};
    case Message::AlreadyEncrypted:
        return {"This file is already encrypted.", "file already encrypted"};
    case Message::NotEncrypted:
        return {"This file is not encrypted.", "file is not encrypted"};
    case Message::Problem:
        return {"There's a problem.", "there was a problem while adding file"};
    case Message::NoFileSelected:
        return {"No file is selected.", "no file selected"};
    case Message::PasswordEmpty:
        return {"Password is empty.", "password empty"};
    case Message::PasswordsDiffer:
        return {"The passwords don't match.", "passwords don't match"};
    case Message::Succeeded:
        return {"Success!", nullptr};
    case Message::EncryptCancelled:
        return {"Cancelled.", "encryption cancelled"};
    case Message::DecryptCancelled:
        return {"Cancelled.", "decryption cancelled"};
    case Message::EncryptFailed:
        return {"An error occured while encrypting.", "an error occured while encrypting"};
    case Message::DecryptFailed:
        return {"An error occured while decrypting.", "an error occured while decrypting"};
    }
    return {nullptr, nullptr};
}

} // namespace

QString sentence(Message message)
{
    return QString::fromUtf8(textsOf(message).sentence);
}

QString logLine(Message message)
{
    return QString::fromUtf8(textsOf(message).logLine);
}

} // namespace Messages
