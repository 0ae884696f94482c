// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliOptions.h"

#include "Package.h"
#include "Posix.h"
#include "Text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The hint from --hint or --hint-file, checked as the package's reader will take it; nullopt with
// `refusal` set otherwise.
std::optional<QString> takeHint(const Options& options, std::FILE* in, std::string& refusal)
{
    QByteArray bytes;
    if (options.hintFile) {
        const bool fromStdin = *options.hintFile == "-";
        try {
            UniqueFd file(fromStdin ? -1 : ::open(options.hintFile->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
            if (!fromStdin && !file) {
                Posix::fail(*options.hintFile, errno);
            }
            // One byte over the limit and a line feed: enough to tell a hint that is too long.
            bytes.resize(static_cast<qsizetype>(Package::kMaxHintBytes) + 2);
            bytes.resize(static_cast<qsizetype>(Posix::readFully(fromStdin ? ::fileno(in) : file.get(),
                                                                 bytes.data(), static_cast<std::size_t>(bytes.size()))));
        } catch (const FileSystemError& error) {
            refusal = "can't read the hint from " + *options.hintFile + ": " + std::strerror(error.error());
            return std::nullopt;
        }
        if (bytes.endsWith('\n')) {
            bytes.chop(1); // as echo and editors leave it
        }
    } else if (options.hintText) {
        bytes = QByteArray::fromStdString(*options.hintText);
    }
    // The reader takes no more than its limit, and the hint file is UTF-8 by definition. The length
    // comes first: a read stopped at the limit may end inside a character.
    if (bytes.size() > static_cast<qsizetype>(Package::kMaxHintBytes)) {
        refusal = "the hint is longer than " + std::to_string(Package::kMaxHintBytes) + " bytes";
        return std::nullopt;
    }
    std::optional<QString> hint = Text::decodeUtf8(bytes);
    if (!hint) {
        refusal = "the hint is not valid UTF-8 text";
    }
    return hint;
}

} // namespace

std::optional<Options> parseOptions(int argc, char* argv[], std::FILE* in, std::string& refusal)
{
    Options options;
    options.command = argv[1];
    bool endOfOptions = false;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!endOfOptions && argument == "--") {
            endOfOptions = true;
        } else if (!endOfOptions && (argument == "--hint" || argument == "--hint-file") && options.command == "encrypt") {
            if (++i == argc || options.hintText || options.hintFile) {
                return std::nullopt;
            }
            (argument == "--hint" ? options.hintText : options.hintFile) = argv[i];
        } else if (!endOfOptions && argument == "--password-stdin" && options.command != "hint") {
            options.passwordFromStdin = true;
        } else if (!endOfOptions && argument == "--verbose" && options.command != "hint") {
            options.verbose = true;
        } else if (!endOfOptions && argument == "--quiet" && options.command != "hint") {
            options.quiet = true;
        } else if (!endOfOptions && argument.size() > 1 && argument.front() == '-') {
            return std::nullopt;
        } else {
            options.paths.push_back(argument);
        }
    }
    if (options.paths.empty() || (options.command == "hint" && options.paths.size() != 1)) {
        return std::nullopt;
    }
    if (options.hintFile == "-" && options.passwordFromStdin) {
        refusal = "standard input can't give both the password and the hint";
        return std::nullopt;
    }
    if (options.hintText || options.hintFile) {
        std::optional<QString> hint = takeHint(options, in, refusal);
        if (!hint) {
            return std::nullopt;
        }
        if (!hint->isEmpty()) {
            options.hint = std::move(hint);
        }
    }
    return options;
}
