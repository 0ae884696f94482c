// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "TestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using ::testing::HasSubstr;

namespace {

class CliTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    CliRun run(std::vector<std::string> arguments, const std::string& input = "")
    {
        return runCliInProcess(std::move(arguments), input);
    }

    std::string file(const std::string& name, const std::string& bytes)
    {
        writeFileBytes(env.work() + name, bytes);
        return env.work() + name;
    }
};

TEST_F(CliTest, encryptThenDecryptPrintsPathsAndRestoresBytes)
{
    const std::string path = file("notes.txt", "secret notes");
    const CliRun encrypted = run({"encrypt", "--hint", "the usual", "--password-stdin", path}, "pass word\n");
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    EXPECT_EQ(encrypted.out, env.work() + "notes.lockfern\n");
    EXPECT_EQ(encrypted.err, "");

    EXPECT_EQ(run({"hint", env.work() + "notes.lockfern"}).out, "the usual\n");

    ::unlink(path.c_str());
    const CliRun decrypted = run({"decrypt", "--password-stdin", env.work() + "notes.lockfern"}, "pass word\n");
    ASSERT_EQ(decrypted.status, 0) << decrypted.err;
    EXPECT_EQ(decrypted.out, path + "\n");
    EXPECT_EQ(readFileBytes(path), "secret notes");
}

TEST_F(CliTest, passwordLineKeepsSpacesAndOnlyFinalLineFeedIsRemoved)
{
    const std::string path = file("s.txt", "s");
    ASSERT_EQ(run({"encrypt", "--password-stdin", path}, " \n").status, 0);
    ::unlink(path.c_str());
    EXPECT_EQ(run({"decrypt", "--password-stdin", env.work() + "s.lockfern"}, "\n").status, 1);
    EXPECT_EQ(run({"decrypt", "--password-stdin", env.work() + "s.lockfern"}, " ").status, 0);
}

struct FailureCase
{
    const char* name;
    std::vector<std::string> arguments; // "W/" is replaced by the work folder
    const char* input;
    int status;
    const char* message; // after "lockfern-cli: PATH: "
};

class CliFailureTest : public CliTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(CliFailureTest, printsTheSentenceAndExitCode)
{
    file("plain.txt", "plain");
    ::mkdir((env.work() + "taken.lockfern").c_str(), 0755);
    file("taken.txt", "t");
    ASSERT_EQ(run({"encrypt", "--password-stdin", env.work() + "plain.txt"}, "right\n").status, 0);

    std::vector<std::string> arguments;
    std::string path;
    for (const std::string& argument : GetParam().arguments) {
        arguments.push_back(argument.rfind("W/", 0) == 0 ? env.work() + argument.substr(2) : argument);
        if (argument.rfind("W/", 0) == 0) {
            path = arguments.back();
        }
    }
    const CliRun result = run(arguments, GetParam().input);
    EXPECT_EQ(result.status, GetParam().status);
    if (GetParam().status == 1) {
        EXPECT_EQ(result.err, "lockfern-cli: " + path + ": " + GetParam().message + "\n");
        EXPECT_EQ(result.out, "");
    } else {
        EXPECT_THAT(result.err, HasSubstr("Usage:"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailureTest,
    ::testing::Values(
        FailureCase{"alreadyEncrypted", {"encrypt", "--password-stdin", "W/plain.lockfern"}, "p\n", 1,
                    "This file is already encrypted."},
        FailureCase{"missingSource", {"encrypt", "--password-stdin", "W/missing.txt"}, "p\n", 1, "There's a problem."},
        FailureCase{"emptyPassword", {"encrypt", "--password-stdin", "W/plain.txt"}, "\n", 1, "Password is empty."},
        FailureCase{"nameTaken", {"encrypt", "--password-stdin", "W/taken.txt"}, "p\n", 1,
                    "An error occured while encrypting."},
        FailureCase{"notEncrypted", {"decrypt", "--password-stdin", "W/plain.txt"}, "p\n", 1,
                    "This file is not encrypted."},
        FailureCase{"noSuchPackage", {"decrypt", "--password-stdin", "W/nothing.lockfern"}, "p\n", 1,
                    "There's a problem."},
        FailureCase{"wrongPassword", {"decrypt", "--password-stdin", "W/plain.lockfern"}, "wrong\n", 1,
                    "An error occured while decrypting."},
        FailureCase{"hintOfNonPackage", {"hint", "W/plain.txt"}, "", 1, "This file is not encrypted."},
        FailureCase{"noCommand", {}, "", 2, ""}, FailureCase{"unknownCommand", {"shred", "W/x"}, "", 2, ""},
        FailureCase{"unknownOption", {"encrypt", "--password", "W/plain.txt"}, "", 2, ""},
        FailureCase{"noFiles", {"decrypt", "--password-stdin"}, "", 2, ""},
        FailureCase{"hintTwoPackages", {"hint", "W/a.lockfern", "W/b.lockfern"}, "", 2, ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliTest, eachFileOnItsOwnAndAnyFailureExitsOne)
{
    const std::string good = file("good.txt", "g");
    const CliRun result = run({"encrypt", "--password-stdin", good, env.work() + "missing.txt"}, "p\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, env.work() + "good.lockfern\n");
    EXPECT_EQ(result.err, "lockfern-cli: " + env.work() + "missing.txt: There's a problem.\n");
}

TEST_F(CliTest, verbosePrintsTimeStampedLogLinesAndWritesNoLogFile)
{
    const std::string path = file("v.txt", "v");
    const CliRun result = run({"encrypt", "--verbose", "--password-stdin", path}, "p\n");
    ASSERT_EQ(result.status, 0);
    EXPECT_THAT(result.err, ::testing::ContainsRegex("^[0-9]+:[0-9][0-9]:[0-9][0-9] file selected "));
    EXPECT_THAT(result.err, HasSubstr(" read file content\n"));
    EXPECT_THAT(result.err, HasSubstr(" hint is empty\n"));
    EXPECT_THAT(result.err, HasSubstr(" success! saved in " + env.work() + "v.lockfern\n"));
    EXPECT_THAT(result.err, ::testing::Not(HasSubstr("p\n")));
    EXPECT_FALSE(std::ifstream(env.logPath()).good());
}

TEST_F(CliTest, versionAndHelp)
{
    EXPECT_EQ(run({"--version"}).out, "Version 1.0 (1)\n");
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("lockfern-cli encrypt"));
}

TEST_F(CliTest, realBinaryRoundTripWithNamesThatLookLikeOptions)
{
    const char* binary = std::getenv("LOCKFERN_CLI");
    ASSERT_NE(binary, nullptr);
    const std::string path = file("-rf $(touch pwned)\nx.txt", "odd name");
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(env.work()));
    process.start(QString::fromUtf8(binary),
                  {QStringLiteral("encrypt"), QStringLiteral("--password-stdin"), QStringLiteral("--"),
                   QString::fromStdString(path)});
    process.write("pw\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), env.work() + "-rf $(touch pwned)\nx.lockfern\n");
    EXPECT_FALSE(std::ifstream(env.work() + "pwned").good());

    process.start(QString::fromUtf8(binary), {QStringLiteral("decrypt"), QStringLiteral("--password-stdin"),
                                              QString::fromStdString(env.work() + "-rf $(touch pwned)\nx.lockfern")});
    process.write("pw\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(readFileBytes(path), "odd name");
}

} // namespace
