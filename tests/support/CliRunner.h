// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs lockfern-cli's code in-process with the given arguments (raw bytes, as argv has them) and
// standard input, capturing what it prints; `afterwards` sees the input stream before it is closed.

#include "Cli.h"
#include "TestEnvironment.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun runCliInProcess(std::vector<std::string> arguments, const std::string& input = "",
                              const std::function<void(std::FILE*)>& afterwards = {})
{
    arguments.insert(arguments.begin(), "lockfern-cli");
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::FILE* in = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    CliStreams streams{in, std::tmpfile(), std::tmpfile()};
    CliRun result;
    result.status = runCli(static_cast<int>(arguments.size()), argv.data(), streams);
    if (afterwards) {
        afterwards(in);
    }
    std::fclose(in);
    result.out = readWhole(streams.out);
    result.err = readWhole(streams.err);
    return result;
}
