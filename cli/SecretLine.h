// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SecureBytes.h"

#include <atomic>

struct SecretLine
{
    enum class Status { Complete, TooLong, Cancelled };
    Status status = Status::Cancelled;
    SecureBytes bytes; // the line without its line feed, when complete
};

// One line of a secret, read with read(2) into a buffer that is wiped after use: stdio's own buffer
// would keep a copy. A terminal is switched to a mode without echo for the read, and its line editing
// (erase, kill, end of input) is done here, because the terminal's own would cut a line at 4095
// bytes. Ctrl-C (`interrupted`) cancels. With a prompt, written once the echo is off, the end of input
// part-way through a line cancels; without one it ends the line, as in `printf pw | lockfern-cli ...`.
SecretLine readSecretLine(int fd, const char* prompt, const std::atomic<bool>& interrupted);
