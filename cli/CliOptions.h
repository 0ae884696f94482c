// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// What a lockfern-cli command line asks.
struct Options
{
    std::string command;
    std::optional<std::string> hintText; // --hint
    std::optional<std::string> hintFile; // --hint-file
    std::optional<QString> hint;
    bool passwordFromStdin = false;
    bool verbose = false;
    bool quiet = false;
    std::vector<std::string> paths;
};

// The options after the command in argv[1], the hint read (from `in` for "--hint-file -"); nullopt for
// a usage slip, or with `refusal` set when an argument was refused for a reason of its own.
std::optional<Options> parseOptions(int argc, char* argv[], std::FILE* in, std::string& refusal);
