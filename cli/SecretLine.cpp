// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecretLine.h"

#include "Password.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <pthread.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal as it was, put back on every way out.
class QuietTerminal
{
public:
    explicit QuietTerminal(int fd) : m_fd(fd), m_terminal(::tcgetattr(fd, &m_saved) == 0)
    {
        if (m_terminal) {
            termios quiet = m_saved;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON); // ISIG stays: Ctrl-C still interrupts
            quiet.c_cc[VMIN] = 1;
            quiet.c_cc[VTIME] = 0;
            ::tcsetattr(m_fd, TCSAFLUSH, &quiet);
        }
    }
    ~QuietTerminal()
    {
        if (m_terminal) {
            ::tcsetattr(m_fd, TCSAFLUSH, &m_saved); // also drops what was typed past a refused line
            (void)!::write(m_fd, "\n", 1);          // Return was not echoed
        }
    }
    QuietTerminal(const QuietTerminal&) = delete;
    QuietTerminal& operator=(const QuietTerminal&) = delete;

    bool isTerminal() const { return m_terminal; }
    bool is(unsigned char c, int key) const { return m_saved.c_cc[key] != _POSIX_VDISABLE && c == m_saved.c_cc[key]; }

private:
    int m_fd;
    termios m_saved{};
    bool m_terminal;
};

// The signals that cancel are held back except while waiting for input, so that one arriving just
// before the wait is not lost in it.
class HeldSignals
{
public:
    HeldSignals()
    {
        sigset_t held;
        ::sigemptyset(&held);
        for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
            ::sigaddset(&held, signal);
        }
        ::pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~HeldSignals() { ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

    // Waits until `fd` has input; false when a signal came first.
    bool waitForInput(int fd) const
    {
        pollfd ready{fd, POLLIN, 0};
        return ::ppoll(&ready, 1, nullptr, &m_previous) > 0;
    }

private:
    sigset_t m_previous{};
};

// Drops the last character, all of its UTF-8 bytes.
std::size_t eraseLastCharacter(const unsigned char* bytes, std::size_t length)
{
    while (length > 0 && (bytes[length - 1] & 0xC0) == 0x80) {
        --length;
    }
    return length > 0 ? length - 1 : 0;
}

} // namespace

SecretLine readSecretLine(int fd, const char* prompt, const std::atomic<bool>& interrupted)
{
    const QuietTerminal terminal(fd);
    const bool atPrompt = prompt != nullptr;
    if (atPrompt) {
        (void)!::write(fd, prompt, std::strlen(prompt));
    }
    SecureBytes buffer(Password::kMaxBytes);
    std::size_t length = 0;
    SecretLine line;
    const HeldSignals held;
    for (;;) {
        if (interrupted.load()) {
            return line; // cancelled
        }
        if (!held.waitForInput(fd)) {
            if (errno == EINTR) {
                continue;
            }
            return line;
        }
        unsigned char c = 0;
        const ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 || (got == 0 && atPrompt)) {
            return line; // cancelled
        }
        if (got == 0 || c == '\n' || (terminal.isTerminal() && c == '\r')) {
            break;
        }
        if (terminal.isTerminal()) {
            if (terminal.is(c, VEOF)) {
                return line;
            }
            if (terminal.is(c, VERASE) || c == 0x7f || c == '\b') {
                length = eraseLastCharacter(buffer.data(), length);
                continue;
            }
            if (terminal.is(c, VKILL)) {
                length = 0;
                continue;
            }
        }
        if (length == buffer.size()) {
            line.status = SecretLine::Status::TooLong;
            return line;
        }
        buffer.data()[length++] = c;
    }
    line.status = SecretLine::Status::Complete;
    line.bytes = SecureBytes(buffer.data(), length);
    return line;
}
