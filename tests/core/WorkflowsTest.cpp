// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"
#include "Package.h"
#include "Password.h"
#include "RNCryptor.h"
#include "Staging.h"
#include "TestEnvironment.h"
#include "Workflows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Workflows;
using ::testing::ElementsAre;

namespace {

SecureBytes password(const char* text)
{
    return Password::bytes(QString::fromUtf8(text));
}

// As prepared when it was chosen, whatever the path holds now.
EncryptRequest request(const std::string& path, const char* pass = "pw", std::optional<QString> hint = {})
{
    const std::string folder = Paths::parentOf(path);
    const std::string name = Paths::lastComponent(path);
    return {{path, folder, name, Paths::baseNameOf(name), Package::packagePath(folder, name)}, password(pass),
            std::move(hint)};
}

std::string pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) % 251);
    }
    return bytes;
}

class WorkflowsTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    std::string source(const std::string& name, const std::string& bytes)
    {
        writeFileBytes(env.work() + name, bytes);
        return env.work() + name;
    }

    EncryptResult encrypt(const std::string& path, const char* pass = "pw", std::optional<QString> hint = {})
    {
        return writePackage(request(path, pass, std::move(hint)));
    }

    OpenedPackage open(const std::string& path)
    {
        const OpenResult result = openPackage(path);
        EXPECT_EQ(result.outcome, OpenOutcome::Prepared);
        return result.package.value_or(OpenedPackage{});
    }

    void expectNoStaging(const std::string& folder)
    {
        for (const auto& name : folderEntries(folder)) {
            EXPECT_NE(name.rfind(".lockfern-", 0), 0u) << "left behind: " << name;
        }
    }
};

class RoundTripTest : public WorkflowsTest, public ::testing::WithParamInterface<std::size_t>
{
};

TEST_P(RoundTripTest, packageHoldsExactlyTwoFilesAndRestoresByteForByte)
{
    const std::string bytes = pattern(GetParam());
    const std::string path = source("report.pdf", bytes);
    const EncryptResult written = encrypt(path, "pässwörd ☃");
    ASSERT_EQ(written.outcome, Outcome::Success);
    EXPECT_EQ(written.packagePath, env.work() + "report.lockfern");
    EXPECT_THAT(folderEntries(written.packagePath), ElementsAre("hint.lockfern", "report.pdf"));
    EXPECT_EQ(readFileBytes(written.packagePath + "/hint.lockfern"), "");
    EXPECT_EQ(readFileBytes(path), bytes);

    ASSERT_EQ(::unlink(path.c_str()), 0);
    const RestoreResult restored = restoreFile(open(written.packagePath), password("pässwörd ☃"));
    ASSERT_EQ(restored.outcome, Outcome::Success);
    EXPECT_EQ(restored.restoredPath, path);
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_THAT(folderEntries(written.packagePath), ElementsAre("hint.lockfern", "report.pdf"));
    expectNoStaging(env.work());
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTripTest, ::testing::Values(0, 1, 16, 17, (1 << 20) + 1, 5 * (1 << 20) + 3));

// NFS and many FUSE and SMB mounts offer neither RENAME_NOREPLACE nor O_TMPFILE: the same results,
// and still nothing replaced.
class FileSystemKindTest : public WorkflowsTest, public ::testing::WithParamInterface<Staging::Features>
{
protected:
    void SetUp() override { Staging::features() = GetParam(); }
    void TearDown() override { Staging::features() = {}; }
};

TEST_P(FileSystemKindTest, packagesAndRestoredFilesArePublishedWithoutReplacingAnything)
{
    const std::string path = source("notes.txt", pattern(3000));
    const EncryptResult written = encrypt(path);
    ASSERT_EQ(written.outcome, Outcome::Success);
    EXPECT_THAT(folderEntries(written.packagePath), ElementsAre("hint.lockfern", "notes.txt"));
    EXPECT_EQ(encrypt(source("notes.md", "other")).outcome, Outcome::Failed) << "the name is taken";
    EXPECT_THAT(folderEntries(written.packagePath), ElementsAre("hint.lockfern", "notes.txt"));

    writeFileBytes(path, "edited since");
    const RestoreResult restored = restoreFile(open(written.packagePath), password("pw"));
    ASSERT_EQ(restored.outcome, Outcome::Success);
    EXPECT_EQ(restored.restoredPath, env.work() + "notes 2.txt");
    EXPECT_EQ(readFileBytes(restored.restoredPath), pattern(3000));
    EXPECT_EQ(readFileBytes(path), "edited since");
    expectNoStaging(env.work());
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileSystemKindTest,
                         ::testing::Values(Staging::Features{true, true}, Staging::Features{false, true},
                                           Staging::Features{true, false}, Staging::Features{false, false}));

// A run killed half-way leaves no plaintext that was never authenticated, at most a staging entry of
// partial ciphertext, and the next run in the folder removes what is left.
class KilledRunTest : public WorkflowsTest, public ::testing::WithParamInterface<std::tuple<bool, bool>>
{
};

TEST_P(KilledRunTest, leavesNothingOnceTheNextRunHasBeen)
{
    const auto [decrypting, anonymousFiles] = GetParam();
    const std::string path = source("big.bin", pattern(3 << 20));
    const EncryptResult written = encrypt(path);
    const OpenedPackage package = open(written.packagePath);
    if (decrypting) {
        ::unlink(path.c_str());
    } else {
        Folder(written.packagePath).remove();
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Staging::features().anonymousFiles = anonymousFiles;
        RunControl control;
        control.progress = [](std::int64_t done, std::int64_t) {
            if (done >= (2 << 20)) {
                ::raise(SIGKILL);
            }
        };
        decrypting ? restoreFile(package, password("pw"), control).outcome
                   : writePackage(request(path), control).outcome;
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const auto entries = folderEntries(env.work());
    const auto staging = std::count_if(entries.begin(), entries.end(), Staging::isStagingName);
    EXPECT_EQ(staging, decrypting && anonymousFiles ? 0 : 1);
    EXPECT_EQ(entries.size(), 1u + staging) << "only the source or the package, and what staging is left";

    const bool next = decrypting ? restoreFile(package, password("pw")).outcome == Outcome::Success
                                 : encrypt(path).outcome == Outcome::Success;
    EXPECT_TRUE(next);
    expectNoStaging(env.work());
}

INSTANTIATE_TEST_SUITE_P(Runs, KilledRunTest, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST_F(WorkflowsTest, encrypt_logLinesWithAndWithoutHint)
{
    const EncryptResult noHint = encrypt(source("a.txt", "a"));
    EXPECT_EQ(noHint.logMessages(),
              (QStringList{"read file content", "encrypted file content", "created new package",
                           "save encrypted file in package", "hint is empty", "saved hint to file in package",
                           QStringLiteral("success! saved in ") + QString::fromStdString(env.work()) + "a.lockfern"}));

    const EncryptResult withHint = encrypt(source("b.txt", "b"), "pw", QStringLiteral("my cat"));
    EXPECT_EQ(withHint.logMessages().at(4), QStringLiteral("added hint my cat"));
    EXPECT_EQ(readFileBytes(withHint.packagePath + "/hint.lockfern"), "my cat");
    EXPECT_EQ(open(withHint.packagePath).hint, QStringLiteral("my cat"));
}

// What is written must open again: the hint file's limit is the reader's, counted in UTF-8 bytes.
TEST_F(WorkflowsTest, encrypt_hintLongerThanTheReaderTakesIsRefusedBeforeWriting)
{
    const std::string path = source("h.txt", "h");
    const QString longest(static_cast<qsizetype>(Package::kMaxHintBytes), QLatin1Char('h'));
    for (const QString& tooLong : {QString(longest + QLatin1Char('h')), QString(21846, QChar(0x4E2D))}) {
        const EncryptResult refused = encrypt(path, "pw", tooLong);
        EXPECT_EQ(refused.outcome, Outcome::Failed);
        EXPECT_TRUE(refused.logMessages().isEmpty());
        EXPECT_THAT(folderEntries(env.work()), ElementsAre("h.txt"));
    }
    ASSERT_EQ(encrypt(path, "pw", longest).outcome, Outcome::Success);
    EXPECT_EQ(open(env.work() + "h.lockfern").hint, longest);
}

TEST_F(WorkflowsTest, encrypt_onlyLastExtensionIsRemoved)
{
    const EncryptResult result = encrypt(source("archive.tar.gz", "x"));
    EXPECT_EQ(result.packagePath, env.work() + "archive.tar.lockfern");
    EXPECT_THAT(folderEntries(result.packagePath), ElementsAre("archive.tar.gz", "hint.lockfern"));
}

// What already holds the package name stays exactly as it was.
class NameTakenTest : public WorkflowsTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(NameTakenTest, encryptFailsAndLeavesItUntouched)
{
    const std::string kind = GetParam();
    const std::string taken = env.work() + "report.lockfern";
    if (kind == "folder") {
        ::mkdir(taken.c_str(), 0755);
        writeFileBytes(taken + "/keep", "keep");
    } else if (kind == "file") {
        writeFileBytes(taken, "keep");
    } else if (kind == "link") {
        ::symlink("/nonexistent", taken.c_str());
    } else if (kind == "fifo") {
        ::mkfifo(taken.c_str(), 0600);
    } else if (kind == "package") {
        ASSERT_EQ(encrypt(source("report.txt", "other")).outcome, Outcome::Success);
    }
    struct stat before {};
    ASSERT_EQ(::lstat(taken.c_str(), &before), 0);

    const EncryptResult result = encrypt(source("report.pdf", "new"));
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(result.reached, EncryptStage::Encrypted);
    EXPECT_EQ(result.logMessages(), (QStringList{"read file content", "encrypted file content"}));
    // The old clean-up looked the name up as a folder: only a non-folder made it complain.
    EXPECT_EQ(result.cantDeleteFolder, kind != "folder" && kind != "package");

    struct stat after {};
    ASSERT_EQ(::lstat(taken.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_mode, after.st_mode);
    if (kind == "folder") {
        EXPECT_THAT(folderEntries(taken), ElementsAre("keep"));
    } else if (kind == "file") {
        EXPECT_EQ(readFileBytes(taken), "keep");
    }
    expectNoStaging(env.work());
}

INSTANTIATE_TEST_SUITE_P(Kinds, NameTakenTest, ::testing::Values("folder", "file", "link", "fifo", "package"));

// Sources that are not a readable regular file: a clear failure, nothing created, never a hang.
class BadSourceTest : public WorkflowsTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(BadSourceTest, encryptFailsCreatingNothing)
{
    const std::string kind = GetParam();
    const std::string path = env.work() + "src.bin";
    if (kind == "fifo") {
        ::mkfifo(path.c_str(), 0600);
    } else if (kind == "device-link") {
        ::symlink("/dev/zero", path.c_str());
    } else if (kind == "dangling-link") {
        ::symlink((env.work() + "nowhere").c_str(), path.c_str());
    } else if (kind == "folder") {
        ::mkdir(path.c_str(), 0755);
    }
    for (const bool packageNameTaken : {false, true}) {
        // The old clean-up found no folder of the package's name to look at, and said so; one that was
        // there was nothing of ours to delete.
        if (packageNameTaken) {
            ::mkdir((env.work() + "src.lockfern").c_str(), 0755);
        }
        const auto before = folderEntries(env.work());
        const EncryptResult result = encrypt(path);
        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_EQ(result.reached, EncryptStage::None);
        EXPECT_TRUE(result.logMessages().isEmpty());
        EXPECT_EQ(result.cantDeleteFolder, !packageNameTaken);
        EXPECT_EQ(folderEntries(env.work()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, BadSourceTest, ::testing::Values("missing", "fifo", "device-link", "dangling-link", "folder"));

TEST_F(WorkflowsTest, encrypt_linkAsSourceEncryptsTargetBesideTheLink)
{
    ::mkdir((env.work() + "elsewhere").c_str(), 0755);
    const std::string target = env.work() + "elsewhere/real.txt";
    writeFileBytes(target, "target bytes");
    ::mkdir((env.work() + "here").c_str(), 0755);
    const std::string link = env.work() + "here/shortcut.txt";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

    const EncryptResult result = encrypt(link);
    ASSERT_EQ(result.outcome, Outcome::Success);
    EXPECT_EQ(result.packagePath, env.work() + "here/shortcut.lockfern");
    EXPECT_THAT(folderEntries(result.packagePath), ElementsAre("hint.lockfern", "shortcut.txt"));
    EXPECT_THAT(folderEntries(env.work() + "elsewhere"), ElementsAre("real.txt"));

    ::unlink(link.c_str());
    ASSERT_EQ(restoreFile(open(result.packagePath), password("pw")).outcome, Outcome::Success);
    EXPECT_EQ(readFileBytes(link), "target bytes");
}

// Rewritten in place while it is read: a package of neither version is never published.
TEST_F(WorkflowsTest, encrypt_sourceChangedDuringTheRunFails)
{
    const std::string path = source("changing.bin", pattern(3 << 20));
    const timespec longAgo[2] = {{946684800, 0}, {946684800, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), longAgo, 0), 0);
    RunControl control;
    control.progress = [&path](std::int64_t, std::int64_t) {
        const int fd = ::open(path.c_str(), O_WRONLY);
        EXPECT_EQ(::pwrite(fd, "new", 3, 2 << 20), 3);
        ::close(fd);
    };
    const EncryptResult result = writePackage(request(path), control);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("changing.bin"));
}

TEST_F(WorkflowsTest, encrypt_cancelLeavesNothing)
{
    const std::string path = source("big.bin", pattern(8 << 20));
    std::atomic<bool> cancel{true};
    const EncryptResult result = writePackage(request(path), {nullptr, &cancel});
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("big.bin"));
}

TEST_F(WorkflowsTest, encrypt_reportsProgressUpToTheWholeSize)
{
    const std::string path = source("big.bin", pattern(3 << 20));
    std::int64_t lastDone = -1;
    std::int64_t lastTotal = 0;
    RunControl control;
    control.progress = [&](std::int64_t done, std::int64_t total) {
        EXPECT_GE(done, lastDone);
        lastDone = done;
        lastTotal = total;
    };
    ASSERT_EQ(writePackage(request(path), control).outcome, Outcome::Success);
    EXPECT_EQ(lastTotal, 3 << 20);
    EXPECT_EQ(lastDone, lastTotal);
}

// A full disk at the first, a middle and the last write, in a child whose file-size limit stops it.
class DiskFullTest : public WorkflowsTest, public ::testing::WithParamInterface<rlim_t>
{
};

TEST_P(DiskFullTest, encryptAndRestoreFailLeavingNothing)
{
    const std::string bytes = pattern((3 << 20) + 5);
    const std::string path = source("data.bin", bytes);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{GetParam(), GetParam()};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const EncryptResult result = writePackage(request(path));
        ::_exit(result.outcome == Outcome::Failed ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("data.bin"));
    EXPECT_EQ(readFileBytes(path), bytes);

    // And the same limit on the way back.
    ASSERT_EQ(encrypt(path).outcome, Outcome::Success);
    ::unlink(path.c_str());
    const OpenedPackage package = open(env.work() + "data.lockfern");
    const pid_t restorer = ::fork();
    ASSERT_GE(restorer, 0);
    if (restorer == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{GetParam(), GetParam()};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(restoreFile(package, password("pw")).outcome == Outcome::Failed ? 0 : 1);
    }
    ::waitpid(restorer, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("data.lockfern"));
}

INSTANTIATE_TEST_SUITE_P(Limits, DiskFullTest, ::testing::Values(1, 1000003, (3 << 20) + 4));

// ---- open ---------------------------------------------------------------------------------------

TEST_F(WorkflowsTest, open_refusesWhatIsNotAPackage)
{
    EXPECT_EQ(openPackage(env.work() + "report.LOCKFERN").outcome, OpenOutcome::NotAPackage);
    EXPECT_EQ(openPackage(env.work() + "report.lockfern/report.pdf").outcome, OpenOutcome::NotAPackage);
    EXPECT_EQ(openPackage(env.work() + "report.lockfern").outcome, OpenOutcome::Problem);
    writeFileBytes(env.work() + "notes.lockfern", "plain");
    EXPECT_EQ(openPackage(env.work() + "notes.lockfern").outcome, OpenOutcome::Problem);
    EXPECT_EQ(openPackage(env.work() + "notes.lockfern").logMessages(),
              QStringList{"there was a problem while adding file"});
    EXPECT_EQ(openPackage(env.work() + "x.pdf").logMessages(), QStringList{"file is not encrypted"});
}

// What file managers can open of a package is its hint file; one outside a package is still refused.
TEST_F(WorkflowsTest, open_hintFileStandsForItsPackage)
{
    const std::string package = encrypt(source("a.txt", "a"), "pw", QStringLiteral("tulip")).packagePath;
    const OpenResult viaHint = openPackage(package + "/hint.lockfern");
    ASSERT_EQ(viaHint.outcome, OpenOutcome::Prepared);
    EXPECT_EQ(viaHint.package->packagePath, package);
    EXPECT_EQ(viaHint.package->hint, QStringLiteral("tulip"));
    writeFileBytes(env.work() + "hint.lockfern", "loose");
    EXPECT_EQ(openPackage(env.work() + "hint.lockfern").outcome, OpenOutcome::Problem);
}

struct HintCase
{
    const char* name;
    std::optional<std::string> hintBytes; // nullopt: no hint file
    std::optional<const char*> shown;     // nullopt: "There's a problem."
};

class OpenHintTest : public WorkflowsTest, public ::testing::WithParamInterface<HintCase>
{
};

TEST_P(OpenHintTest, hintFileDecidesHintOrProblem)
{
    const HintCase& c = GetParam();
    const std::string package = env.work() + "p.lockfern";
    ::mkdir(package.c_str(), 0755);
    writeFileBytes(package + "/p.txt", RNCryptor::Encryptor(QStringLiteral("pw")).encrypt("x").toStdString());
    if (c.hintBytes) {
        writeFileBytes(package + "/hint.lockfern", *c.hintBytes);
    }
    const OpenResult result = openPackage(package);
    if (!c.shown) {
        EXPECT_EQ(result.outcome, OpenOutcome::Problem);
        return;
    }
    ASSERT_EQ(result.outcome, OpenOutcome::Prepared);
    EXPECT_EQ(result.package->hint.toStdString(), *c.shown);
    EXPECT_EQ(result.package->encryptedFileName, "p.txt");
    EXPECT_EQ(result.package->containingFolder, env.work());
    const QString first = std::string(*c.shown).empty() ? QStringLiteral("hint is empty")
                                                        : QStringLiteral("presenting hint ") + QString::fromUtf8(*c.shown);
    EXPECT_EQ(result.logMessages(), (QStringList{first, "file added succesfully"}));
}

INSTANTIATE_TEST_SUITE_P(
    Hints, OpenHintTest,
    ::testing::Values(HintCase{"empty", std::string(), ""}, HintCase{"none", std::nullopt, ""},
                      HintCase{"six", std::string("abcdef"), "abcdef"},
                      HintCase{"utf8", std::string("caf\xc3\xa9"), "caf\xc3\xa9"},
                      HintCase{"notUtf8", std::string("\xff\xfe\x80"), std::nullopt},
                      HintCase{"tooLarge", std::string(64 * 1024 + 1, 'h'), std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST_F(WorkflowsTest, open_hintFileAsLinkOrFifoIsAProblemAndNotRead)
{
    const std::string package = encrypt(source("a.txt", "a")).packagePath;
    ::unlink((package + "/hint.lockfern").c_str());
    ::mkfifo((package + "/hint.lockfern").c_str(), 0600);
    EXPECT_EQ(openPackage(package).outcome, OpenOutcome::Problem);
    ::unlink((package + "/hint.lockfern").c_str());
    ::symlink("/dev/zero", (package + "/hint.lockfern").c_str());
    EXPECT_EQ(openPackage(package).outcome, OpenOutcome::Problem);
}

// The last file listed is the encrypted file; a hidden one only when there is no other, as when a
// dotfile was encrypted; never a staging entry.
class EncryptedFileTest : public WorkflowsTest,
                          public ::testing::WithParamInterface<std::pair<std::vector<const char*>, const char*>>
{
};

TEST_P(EncryptedFileTest, isTheOneAPackageWriterWouldHaveMade)
{
    const std::string package = env.work() + "p.lockfern";
    ::mkdir(package.c_str(), 0755);
    writeFileBytes(package + "/hint.lockfern", "");
    for (const char* name : GetParam().first) {
        writeFileBytes(package + "/" + name, name);
    }
    const OpenResult result = openPackage(package);
    if (!GetParam().second) {
        EXPECT_EQ(result.outcome, OpenOutcome::Problem);
        return;
    }
    ASSERT_EQ(result.outcome, OpenOutcome::Prepared);
    EXPECT_EQ(result.package->encryptedFileName, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, EncryptedFileTest,
    ::testing::Values(std::pair{std::vector{"a.txt", "b.txt"}, "b.txt"}, std::pair{std::vector{".profile"}, ".profile"},
                      std::pair{std::vector{".profile", "notes"}, "notes"},
                      std::pair{std::vector{".lockfern-abcdefghij"}, static_cast<const char*>(nullptr)},
                      std::pair{std::vector<const char*>{}, static_cast<const char*>(nullptr)}));

// ---- restore ------------------------------------------------------------------------------------

TEST_F(WorkflowsTest, restore_wrongPasswordOrDamagedDataWritesNothing)
{
    const std::string path = source("r.txt", pattern(5000));
    const EncryptResult written = encrypt(path, "right");
    ::unlink(path.c_str());
    const OpenedPackage package = open(written.packagePath);

    const RestoreResult wrong = restoreFile(package, password("wrong"));
    EXPECT_EQ(wrong.outcome, Outcome::Failed);
    EXPECT_EQ(wrong.logMessages(), QStringList{"read file content"});
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("r.lockfern"));

    std::string damaged = readFileBytes(package.encryptedFilePath);
    damaged[100] ^= 1;
    writeFileBytes(package.encryptedFilePath, damaged);
    EXPECT_EQ(restoreFile(package, password("right")).outcome, Outcome::Failed);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("r.lockfern"));
}

// An identical file already there is the result only if it is ours alone; one that another user owns
// or may write would hand them what is saved in it later, so ours is numbered beside it.
class IdenticalFileTest : public WorkflowsTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(IdenticalFileTest, isTheResultOnlyWhenItIsOursAlone)
{
    const std::string kind = GetParam();
    const std::string path = source("same.txt", "same bytes");
    const OpenedPackage package = open(encrypt(path).packagePath);
    if (kind == "writableByOthers") {
        ::chmod(path.c_str(), 0666);
    } else if (kind == "someoneElses") {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "giving a file away needs root";
        }
        ASSERT_EQ(::chown(path.c_str(), 12345, 12345), 0);
    }
    struct stat before {};
    ::stat(path.c_str(), &before);
    const RestoreResult result = restoreFile(package, password("pw"));
    ASSERT_EQ(result.outcome, Outcome::Success);
    const std::string expected = kind == "ours" ? path : env.work() + "same 2.txt";
    EXPECT_EQ(result.restoredPath, expected);
    EXPECT_EQ(result.logMessages(), (QStringList{"read file content", "decrypted file content",
                                                 QStringLiteral("success! saved in ") + QString::fromStdString(expected)}));
    struct stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(readFileBytes(expected), "same bytes");
    EXPECT_EQ(folderEntries(env.work()).size(), kind == "ours" ? 2u : 3u);
}

INSTANTIATE_TEST_SUITE_P(Owners, IdenticalFileTest, ::testing::Values("ours", "writableByOthers", "someoneElses"));

// A hostile package of a few kilobytes of sparse file is refused before a byte is decrypted or
// written, where its plaintext can't fit; so is one too large for the process's file-size limit.
TEST_F(WorkflowsTest, restore_plaintextThatCannotFitIsRefusedAtOnce)
{
    const std::string package = env.work() + "sparse.lockfern";
    ::mkdir(package.c_str(), 0755);
    std::string header = RNCryptor::Encryptor(QStringLiteral("pw")).encrypt("x").toStdString().substr(0, 34);
    writeFileBytes(package + "/sparse.bin", header);
    ASSERT_EQ(::truncate((package + "/sparse.bin").c_str(), (3LL << 30) + 34 + 32), 0);
    const OpenedPackage opened = open(package);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{1 << 30, 1 << 30};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int reports = 0;
        RunControl control;
        control.progress = [&reports](std::int64_t, std::int64_t) { ++reports; };
        const RestoreResult result = restoreFile(opened, password("pw"), control);
        ::_exit(result.outcome == Outcome::Failed && result.logMessages().isEmpty() && reports == 0 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("sparse.lockfern"));
}

TEST_F(WorkflowsTest, restore_differentExistingItemsKeepTheirNamesAndOursIsNumbered)
{
    const std::string path = source("archive.tar.gz", "original");
    const OpenedPackage package = open(encrypt(path).packagePath);
    writeFileBytes(path, "edited since");
    ::mkdir((env.work() + "archive.tar 2.gz").c_str(), 0755);

    const RestoreResult result = restoreFile(package, password("pw"));
    ASSERT_EQ(result.outcome, Outcome::Success);
    EXPECT_EQ(result.restoredPath, env.work() + "archive.tar 3.gz");
    EXPECT_EQ(readFileBytes(result.restoredPath), "original");
    EXPECT_EQ(readFileBytes(path), "edited since");
    EXPECT_EQ(result.logMessages().last(),
              QStringLiteral("success! saved in ") + QString::fromStdString(result.restoredPath));
}

struct NumberedCase
{
    const char* name;
    int number;
    const char* expected;
};

class NumberedNameTest : public ::testing::TestWithParam<NumberedCase>
{
};

TEST_P(NumberedNameTest, numberGoesBeforeLastExtension)
{
    EXPECT_EQ(numberedName(GetParam().name, GetParam().number), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, NumberedNameTest,
                         ::testing::Values(NumberedCase{"report.pdf", 2, "report 2.pdf"},
                                           NumberedCase{"archive.tar.gz", 2, "archive.tar 2.gz"},
                                           NumberedCase{"README", 3, "README 3"},
                                           NumberedCase{".profile", 2, ".profile 2"}));

TEST_F(WorkflowsTest, restore_encryptedFileAsLinkIsNotFollowed)
{
    const std::string path = source("l.txt", "l");
    const OpenedPackage package = open(encrypt(path).packagePath);
    ::unlink(path.c_str());
    const std::string real = package.encryptedFilePath + ".real";
    ::rename(package.encryptedFilePath.c_str(), real.c_str());
    ::symlink(real.c_str(), package.encryptedFilePath.c_str());
    EXPECT_EQ(restoreFile(package, password("pw")).outcome, Outcome::Failed);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("l.lockfern"));
}

TEST_F(WorkflowsTest, restore_cancelLeavesNothing)
{
    const std::string path = source("c.bin", pattern(4 << 20));
    const OpenedPackage package = open(encrypt(path).packagePath);
    ::unlink(path.c_str());
    std::atomic<bool> cancel{true};
    EXPECT_EQ(restoreFile(package, password("pw"), {nullptr, &cancel}).outcome, Outcome::Cancelled);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("c.lockfern"));
}

} // namespace
