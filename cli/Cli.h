// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

// lockfern-cli's whole behaviour, callable in-process for tests.
struct CliStreams
{
    std::FILE* in = stdin;
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

int runCli(int argc, char* argv[], const CliStreams& streams = {});
