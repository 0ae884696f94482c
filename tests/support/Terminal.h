// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a program on a pseudo-terminal of its own, as a user at a terminal would, answering each
// expected text with what the user types.

#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct TerminalRun
{
    int status = -1; // exit status, or -1 when it did not exit normally
    std::string output;
};

// `whileWaiting` is called with the program's process id once it has shown the first expected text.
inline TerminalRun runOnTerminal(const std::vector<std::string>& command,
                                 const std::vector<std::pair<std::string, std::string>>& script = {},
                                 const std::function<void(pid_t)>& whileWaiting = {})
{
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        std::vector<char*> argv;
        for (const auto& argument : command) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    TerminalRun run;
    if (child < 0) {
        return run;
    }
    bool stuck = false;
    const auto readSome = [&] {
        pollfd ready{terminal, POLLIN, 0};
        char buffer[4096];
        stuck = ::poll(&ready, 1, 20000) == 0;
        const ssize_t got = stuck ? -1 : ::read(terminal, buffer, sizeof buffer);
        if (got > 0) {
            run.output.append(buffer, static_cast<std::size_t>(got));
        }
        return got > 0;
    };
    std::size_t seen = 0;
    for (const auto& [expected, typed] : script) {
        while (run.output.find(expected, seen) == std::string::npos && readSome()) {
        }
        if (seen == 0 && whileWaiting) {
            whileWaiting(child);
        }
        seen = run.output.size();
        (void)!::write(terminal, typed.data(), typed.size());
    }
    while (readSome()) {
    }
    int status = 0;
    if (stuck) {
        ::kill(child, SIGKILL); // waiting for input it will never get
    }
    ::waitpid(child, &status, 0);
    ::close(terminal);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
