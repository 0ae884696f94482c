// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "Hardening.h"
#include "Password.h"
#include "RNCryptorBuffer.h"
#include "Terminal.h"
#include "Text.h"
#include "TestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using ::testing::HasSubstr;

namespace {

class CliTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    CliRun run(std::vector<std::string> args, std::string in = "") { return runCliInProcess(std::move(args), in); }
};

// Taken whole, exactly as typed: a password cut short would open a package that another
// implementation writes with the whole password never. (The other Unicode form: see the workflow tests.)
TEST_F(CliTest, passwordLineIsTakenWholeAndOnlyItsLineFeedRemoved)
{
    const std::string path = env.file("s.txt", "s");
    const std::string package = env.work() + "s.lockfern";
    const std::string longest(Password::kMaxBytes, 'p');
    const std::string longer(5000, 'q');
    // The password encrypted with; each standard input then given to decrypt, and its exit status.
    using Row = std::pair<std::string, std::vector<std::pair<std::string, int>>>;
    for (const auto& [encryptedWith, decrypts] : {Row{" ", {{"\n", 1}, {" ", 0}}},
                                                  Row{longer, {{longer.substr(0, 4096) + "\n", 1}, {longer, 0}}},
                                                  Row{longest, {{longest + "\n", 0}}}}) {
        SCOPED_TRACE(encryptedWith.size());
        ASSERT_EQ(run({"encrypt", "--password-stdin", path}, encryptedWith + "\n").status, 0);
        for (const auto& [input, status] : decrypts) {
            ::unlink(path.c_str());
            EXPECT_EQ(run({"decrypt", "--password-stdin", package}, input).status, status);
        }
        std::filesystem::remove_all(package);
    }
    // As another implementation would write it with the whole password.
    env.file("theirs.lockfern/theirs.txt",
             RNCryptor::Encryptor(QString::fromStdString(longer)).encrypt("theirs").toStdString());
    EXPECT_EQ(run({"decrypt", "--password-stdin", env.work() + "theirs.lockfern"}, longer + "\n").status, 0);
    EXPECT_EQ(readFileBytes(env.work() + "theirs.txt"), "theirs");
}

struct FailureCase
{
    const char* name;
    std::vector<std::string> arguments; // "W/" stands for the work folder, here and in the message
    std::string input;
    int status;
    const char* message; // after "lockfern-cli: "; empty: the usage
};

using CliFailureTest = WithRows<CliTest, FailureCase>;

// Nothing is written, whatever is refused.
TEST_P(CliFailureTest, printsTheSentenceAndExitCode)
{
    env.file("plain.txt", "plain");
    env.file("long.txt", std::string(65537, 'h'));
    ASSERT_EQ(run({"encrypt", "--password-stdin", env.work() + "plain.txt"}, "right\n").status, 0);
    const auto inWork = [this](std::string text) {
        const auto at = text.find("W/");
        return at == std::string::npos ? text : text.replace(at, 2, env.work());
    };
    std::vector<std::string> arguments;
    std::transform(GetParam().arguments.begin(), GetParam().arguments.end(), std::back_inserter(arguments), inWork);
    const CliRun result = run(arguments, GetParam().input);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.out, "");
    if (*GetParam().message) {
        EXPECT_EQ(result.err, "lockfern-cli: " + inWork(GetParam().message) + "\n");
    } else {
        EXPECT_THAT(result.err, HasSubstr("Usage:"));
    }
    EXPECT_EQ(folderEntries(env.work()), (std::vector<std::string>{"long.txt", "plain.lockfern", "plain.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailureTest,
    ::testing::Values(
        FailureCase{"alreadyEncrypted", {"encrypt", "--password-stdin", "W/plain.lockfern"}, "p\n", 1,
                    "W/plain.lockfern: This file is already encrypted."},
        FailureCase{"emptyPassword", {"encrypt", "--password-stdin", "W/plain.txt"}, "\n", 1,
                    "W/plain.txt: Password is empty."},
        FailureCase{"notEncrypted", {"decrypt", "--password-stdin", "W/plain.txt"}, "p\n", 1,
                    "W/plain.txt: This file is not encrypted."},
        FailureCase{"wrongPassword", {"decrypt", "--password-stdin", "W/plain.lockfern"}, "wrong\n", 1,
                    "W/plain.lockfern: An error occured while decrypting. Wrong password, or the package is damaged. "
                    "Check Caps Lock and the hint."},
        FailureCase{"noSuchPackage", {"decrypt", "--password-stdin", "W/nothing.lockfern"}, "p\n", 1,
                    "W/nothing.lockfern: There's a problem."},
        FailureCase{"noCommand", {}, "", 2, ""}, FailureCase{"unknownCommand", {"shred", "W/x"}, "", 2, ""},
        FailureCase{"unknownOption", {"encrypt", "--password", "W/plain.txt"}, "", 2, ""},
        FailureCase{"noFiles", {"decrypt", "--password-stdin"}, "", 2, ""},
        FailureCase{"hintTwoPackages", {"hint", "W/a.lockfern", "W/b.lockfern"}, "", 2, ""},
        FailureCase{"hintTwice", {"encrypt", "--hint", "a", "--hint-file", "W/long.txt", "W/plain.txt"}, "", 2, ""},
        // Refused where they are given, before anything is written that could not be opened again.
        FailureCase{"hintLongerThanTheReaderTakes",
                    {"encrypt", "--hint", std::string(65537, 'h'), "--password-stdin", "W/plain.txt"}, "p\n", 2,
                    "the hint is longer than 65536 bytes"},
        FailureCase{"hintNotUtf8", {"encrypt", "--hint", "caf\xe9", "--password-stdin", "W/plain.txt"}, "p\n", 2,
                    "the hint is not valid UTF-8 text"},
        FailureCase{"passwordLongerThanAFieldTakes", {"encrypt", "--password-stdin", "W/plain.txt"},
                    std::string(Password::kMaxBytes + 1, 'p') + "\n", 1, "the password is longer than 98301 bytes"},
        FailureCase{"hintFileTooLong", {"encrypt", "--hint-file", "W/long.txt", "--password-stdin", "W/plain.txt"},
                    "p\n", 2, "the hint is longer than 65536 bytes"},
        FailureCase{"hintFileMissing", {"encrypt", "--hint-file", "W/none.txt", "--password-stdin", "W/plain.txt"},
                    "p\n", 2, "can't read the hint from W/none.txt: No such file or directory"},
        FailureCase{"hintAndPasswordBothFromStandardInput",
                    {"encrypt", "--hint-file", "-", "--password-stdin", "W/plain.txt"}, "p\nhint\n", 2,
                    "standard input can't give both the password and the hint"}),
    [](const auto& row) { return row.param.name; });

// Tab completion's trailing slash, doubled slashes and "./": the same package, and printed clean.
TEST_F(CliTest, pathsAsPeopleTypeThem)
{
    const std::string path = env.file("notes.txt", "notes");
    env.file("lockfern", "a file, not a package");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(env.work());
    const CliRun literal = run({"encrypt", "--verbose", "--password-stdin", "lockfern"}, "pw\n");
    EXPECT_EQ(literal.out, env.work() + "lockfern.lockfern\n") << literal.err;
    // Verbose: the log's lines, time-stamped, on standard error and in no log file; never the password.
    EXPECT_THAT(literal.err, ::testing::ContainsRegex("^[0-9]+:[0-9][0-9]:[0-9][0-9] file selected /"));
    for (const std::string line : {" read file content\n", " hint is empty\n", " success! saved in /"}) {
        EXPECT_THAT(literal.err, HasSubstr(line));
    }
    EXPECT_THAT(literal.err, ::testing::Not(HasSubstr("pw\n")));
    EXPECT_FALSE(std::ifstream(env.logPath()).good());
    // No hint, as written now and as packages once were: an empty line.
    EXPECT_EQ(run({"hint", "lockfern.lockfern"}).out, "\n");
    writeFileBytes(env.work() + "lockfern.lockfern/hint.lockfern", "");
    EXPECT_EQ(run({"hint", "lockfern.lockfern"}).out, "\n");
    ASSERT_EQ(run({"encrypt", "--hint", "h", "--password-stdin", "./notes.txt"}, "pw\n").out,
              env.work() + "notes.lockfern\n");
    for (const char* typed :
         {"notes.lockfern/", "notes.lockfern//", "./notes.lockfern/", "./././notes.lockfern", "notes.lockfern/hint.lockfern"}) {
        SCOPED_TRACE(typed);
        ::unlink(path.c_str());
        const CliRun decrypted = run({"decrypt", "--password-stdin", typed}, "pw\n");
        EXPECT_EQ(decrypted.out, path + "\n") << decrypted.err;
        EXPECT_EQ(readFileBytes(path), "notes");
        EXPECT_EQ(run({"hint", typed}).out, "h\n");
    }
    // A folder as tab completion leaves it, and its package through its hint file, beside the folder.
    env.file("Photos/a.txt", "a");
    EXPECT_EQ(run({"encrypt", "--password-stdin", "Photos/"}, "pw\n").out, env.work() + "Photos.lockfern\n");
    EXPECT_EQ(run({"decrypt", "--password-stdin", "Photos.lockfern/hint.lockfern"}, "pw\n").out, env.work() + "Photos 2\n");
    const CliRun refused = run({"hint", "./x/../notes.txt/"});
    std::filesystem::current_path(previous);
    EXPECT_EQ(refused.err, "lockfern-cli: " + env.work() + "x/../notes.txt: This file is not encrypted.\n");
}

// Several paths, files and folders, run together with one password: one warning unless quiet, one line
// each in the order given (what a folder left out told after it), and any failure makes the exit
// status 1. Decrypting several takes one password too; a package made with another fails alone.
TEST_F(CliTest, severalPathsRunTogetherOneLineEachInOrder)
{
    const std::string w = env.work();
    const std::string warning = "lockfern-cli: warning: this password could be guessed in less than a second on one GPU\n";
    env.file("c/sub/x.txt", "x");
    ASSERT_EQ(::mkfifo((w + "c/pipe").c_str(), 0600), 0);
    const std::string strong = "correct horse battery staple tulip";
    for (const auto& [password, quiet, warned] : {std::tuple("password", false, true), std::tuple("password", true, false),
                                                  std::tuple(strong.c_str(), false, false)}) {
        SCOPED_TRACE(password);
        for (const char* package : {"a.lockfern", "b.lockfern", "c.lockfern"}) {
            std::filesystem::remove_all(w + package);
        }
        std::vector<std::string> arguments{"encrypt", "--password-stdin", env.file("a.txt", "a"), w + "missing.txt",
                                           env.file("b.txt", "b"), w + "c"};
        if (quiet) {
            arguments.insert(arguments.begin() + 1, "--quiet");
        }
        const CliRun result = run(arguments, std::string(password) + "\n");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, (warned ? warning : "") + "lockfern-cli: " + w + "missing.txt: There's a problem.\n" +
                                  "lockfern-cli: " + w +
                                  "c: Left out pipe: only files, folders and links inside the folder are kept.\n");
        EXPECT_EQ(result.out, w + "a.lockfern\n" + w + "b.lockfern\n" + w + "c.lockfern\n");
    }
    ASSERT_EQ(run({"encrypt", "--password-stdin", env.file("o.txt", "o")}, "other\n").status, 0);
    std::filesystem::remove_all(w + "c");
    for (const char* file : {"a.txt", "o.txt"}) {
        std::filesystem::remove(w + file);
    }
    const CliRun decrypted =
        run({"decrypt", "--password-stdin", w + "a.lockfern", w + "o.lockfern", w + "c.lockfern"}, strong + "\n");
    EXPECT_EQ(decrypted.status, 1);
    EXPECT_EQ(decrypted.out, w + "a.txt\n" + w + "c\n");
    EXPECT_EQ(decrypted.err, "lockfern-cli: " + w + "o.lockfern: An error occured while decrypting. Wrong password, or "
                                                    "the package is damaged. Check Caps Lock and the hint.\n");
    EXPECT_EQ(readFileBytes(w + "c/sub/x.txt"), "x");
}

// At the prompt: nothing cut (the terminal's own line editing stops at 4095 bytes), line editing
// still works, and Ctrl-C or the end of input part-way through a line cancels.
TEST_F(CliTest, passwordPromptOnATerminal)
{
    const std::string cli = std::getenv("LOCKFERN_CLI");
    const std::string path = env.file("t.txt", "t");
    const std::string longer(5000, 'q');
    for (const auto& [typed, status, said] : {std::tuple{std::string("abc\x03"), 1, "lockfern-cli: Cancelled."},
                                              std::tuple{std::string("abc\x04"), 1, "lockfern-cli: Cancelled."},
                                              std::tuple{std::string("pwx\x7f\r"), 0, "t.lockfern"},
                                              std::tuple{longer + "\r", 0, "t.lockfern"}}) {
        SCOPED_TRACE(Text::visible(typed.substr(0, 5)));
        std::filesystem::remove_all(env.work() + "t.lockfern");
        const std::string again = typed.back() == '\r' ? typed : "";
        const TerminalRun run = runOnTerminal({cli, "encrypt", path}, {{"Password: ", typed}, {"again: ", again}});
        EXPECT_EQ(run.status, status);
        EXPECT_THAT(run.output, HasSubstr(said));
        EXPECT_EQ(std::filesystem::exists(env.work() + "t.lockfern"), status == 0);
    }
    ::unlink(path.c_str());
    EXPECT_EQ(run({"decrypt", "--password-stdin", env.work() + "t.lockfern"}, longer.substr(0, 4095) + "\n").status, 1);
    EXPECT_EQ(run({"decrypt", "--password-stdin", env.work() + "t.lockfern"}, longer + "\n").status, 0);
}

// Through a pipe the bytes stay exact; on a terminal a hostile hint or name can't drive the screen.
TEST_F(CliTest, controlCharactersAreShownVisiblyOnATerminalOnly)
{
    const std::string cli = std::getenv("LOCKFERN_CLI");
    const std::string hostile = "\x1b]0;owned\x07\x1b[2J";
    const std::string path = env.file("a\x1b[2Jb.txt", "x"), hintFile = env.file("hint.txt", hostile + "\n");
    ASSERT_EQ(run({"encrypt", "--hint-file", hintFile, "--password-stdin", path}, "pw\n").status, 0);
    const std::string package = env.work() + "a\x1b[2Jb.lockfern";
    EXPECT_EQ(run({"hint", package}).out, hostile + "\n");
    const TerminalRun hint = runOnTerminal({cli, "hint", package});
    EXPECT_THAT(hint.output, HasSubstr("\\e]0;owned\\a\\e[2J\r\n"));
    ::unlink(path.c_str());
    const TerminalRun decrypted = runOnTerminal({cli, "decrypt", "--verbose", package}, {{"Password: ", "pw\r"}});
    EXPECT_THAT(decrypted.output, HasSubstr("a\\e[2Jb.txt\r\n"));
    EXPECT_THAT(decrypted.output, HasSubstr("presenting hint \\e]0;owned"));
    EXPECT_EQ(std::count(hint.output.begin(), hint.output.end(), '\x1b') +
                  std::count(decrypted.output.begin(), decrypted.output.end(), '\x1b'), 0);

    // The hint from standard input while the password is asked on the terminal.
    const std::string other = env.file("other.txt", "o");
    const TerminalRun piped = runOnTerminal(
        {"/bin/sh", "-c", "printf 'tulip\\n' | \"$0\" encrypt --hint-file - \"$1\"", cli, other},
        {{"Password: ", "pw\r"}, {"again: ", "pw\r"}});
    EXPECT_EQ(piped.status, 0) << piped.output;
    EXPECT_EQ(run({"hint", env.work() + "other.lockfern"}).out, "tulip\n");
}

// The password from standard input: read past stdio, whose buffer would take in more than the line
// (and keep a copy); on a terminal without echo; and nobody else may read it out of the process
// meanwhile, unless a sanitizer needs it.
TEST_F(CliTest, passwordFromStandardInputLeavesNoCopyAndIsNotEchoed)
{
    const std::string path = env.file("p.txt", "p");
    const CliRun piped = runCliInProcess({"encrypt", "--password-stdin", path}, "hunter2\nnext line\n", [](std::FILE* in) {
        EXPECT_EQ(::lseek(::fileno(in), 0, SEEK_CUR), 8) << "standard input was read past the password's line";
    });
    EXPECT_EQ(piped.status, 0);

    std::filesystem::remove_all(env.work() + "p.lockfern");
    std::vector<std::string> command = asAnotherUser(env);
    command.insert(command.end(), {std::getenv("LOCKFERN_CLI"), "encrypt", "--password-stdin", path});
    std::optional<bool> dumpable;
    const TerminalRun typed =
        runOnTerminal(command, {{"Password: ", "hunter2\r"}}, [&dumpable](pid_t pid) { dumpable = isDumpable(pid); });
    EXPECT_EQ(typed.status, 0) << typed.output;
    EXPECT_THAT(typed.output, ::testing::Not(HasSubstr("hunter2")));
    EXPECT_EQ(dumpable, std::optional(!kHiddenFromOtherProcesses));
}

} // namespace
