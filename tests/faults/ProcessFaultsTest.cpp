// SPDX-License-Identifier: GPL-3.0-or-later
// The real lockfern-cli under injected I/O errors and kills (strace), a full disk and a read-only
// folder (private mount namespaces).

#include "FaultSupport.h"
#include "RNCryptorBuffer.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <map>
#include <unistd.h>

namespace {

const std::string kPassword = "pw";

bool haveTool(const char* tool)
{
    return !QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty();
}

// Why the strace sweeps can't run here, or empty when they can. In a sanitizer build the runtime's
// own reads and writes would get the injected errors, and LeakSanitizer stops under ptrace; a
// killed run checks no memory anyway, so the plain build's sweeps are the ones that count.
std::string sweepsCannotRun()
{
#if defined(__SANITIZE_ADDRESS__)
    return "the sanitizer runtime does not run under strace";
#else
    return haveTool("strace") ? std::string() : "strace is not installed";
#endif
}

class ProcessFaultsTest : public ::testing::Test
{
protected:
    using Command = std::vector<std::string>;
    TestEnvironment env;
    const std::string sourceBytes = patternBytes((1 << 20) + 333);
    std::string source = env.file("data.bin", sourceBytes);
    const std::string package = env.work() + "data.lockfern";
    Command encrypting{cliBinary(), "encrypt", "--password-stdin", source};
    const Command decrypting{cliBinary(), "decrypt", "--password-stdin", package};
    std::string inner = "data.bin"; // the package's encrypted file
    std::map<std::string, std::string> folderTree; // the source's, when it is a folder

    // A folder holding the same bytes and a few small files, instead of the file.
    void useFolder()
    {
        ::unlink(source.c_str());
        source = env.work() + "data";
        env.file("data/big.bin", sourceBytes);
        env.file("data/sub/a.txt", "a");
        env.file("data/sub/empty", "");
        folderTree = snapshot(source);
        encrypting.back() = source;
        inner = "data.tar";
    }

    static ProcessRun run(const Command& command, const std::vector<std::string>& tracing = {})
    {
        Command arguments = tracing;
        arguments.insert(arguments.end(), command.begin(), command.end());
        return tracing.empty() ? runCliBinary({command.begin() + 1, command.end()})
                               : runProcess("strace", arguments, kPassword + "\n");
    }
    static ProcessRun underStrace(const std::string& injection, const Command& command)
    {
        const std::string syscall = injection.substr(0, injection.find(':'));
        return run(command, {"-f", "-qq", "-o", "/dev/null", "-e", "trace=" + syscall, "-e", "inject=" + injection});
    }

    // How often each syscall runs in an undisturbed run of `command`.
    std::map<std::string, int> syscallCounts(const Command& command)
    {
        const std::string summary = env.root().toStdString() + "/summary.txt";
        run(command, {"-f", "-c", "-o", summary});
        std::map<std::string, int> counts;
        for (const QString& line : QString::fromStdString(readFileBytes(summary)).split(QLatin1Char('\n'))) {
            const QStringList fields = line.simplified().split(QLatin1Char(' '));
            bool ok = false;
            const int calls = fields.size() >= 5 ? fields.at(3).toInt(&ok) : 0;
            if (ok && !fields.last().startsWith(QLatin1Char('-')) && fields.last() != QStringLiteral("total")) {
                counts[fields.last().toStdString()] = calls;
            }
        }
        return counts;
    }

    // What a run makes, present and whole (the source's bytes restored, or a package that opens to
    // them) or absent.
    void expectOutput(bool restored, bool present, const std::string& label)
    {
        ASSERT_EQ(::access((restored ? source : package).c_str(), F_OK) == 0, present) << label;
        if (present && restored) {
            EXPECT_EQ(folderTree.empty() ? readFileBytes(source) == sourceBytes : snapshot(source) == folderTree, true)
                << label;
        } else if (present) {
            EXPECT_EQ(folderEntries(package), (std::vector<std::string>{inner, "hint.lockfern"})) << label;
            const QByteArray encrypted = QByteArray::fromStdString(readFileBytes(package + "/" + inner));
            QByteArray plain;
            EXPECT_NO_THROW(plain = RNCryptor::Decryptor(QString::fromStdString(kPassword)).decrypt(encrypted))
                << label;
            EXPECT_EQ(folderTree.empty() ? plain.toStdString() == sourceBytes : plain.size() > 1 << 20, true) << label;
        }
    }

    void encryptThenRemoveSource()
    {
        ASSERT_EQ(run(encrypting).exitCode, 0);
        ASSERT_GT(std::filesystem::remove_all(source), 0u);
    }
    void removePackage() const { std::filesystem::remove_all(package); }
    void removeRestored() const { std::filesystem::remove_all(source); }

    // The list of (syscall, N) points a sweep visits: every call of the syscalls that touch files.
    std::vector<std::string> sweepPoints(const Command& command, const std::string& action)
    {
        std::vector<std::string> points;
        const auto counts = syscallCounts(command);
        // The counting run itself succeeded: undo what it made.
        command == decrypting ? removeRestored() : removePackage();
        for (const char* syscall : {"read", "pread64", "write", "openat", "close", "fsync", "mkdir", "renameat2",
                                    "unlink", "rmdir", "getrandom", "mkdirat", "syncfs"}) {
            const auto it = counts.find(syscall);
            for (int n = 1; n <= (it == counts.end() ? 0 : it->second); ++n) {
                points.push_back(std::string(syscall) + ":" + action + ":when=" + std::to_string(n));
            }
        }
        return points;
    }
};

struct SweepCase
{
    const char* label;
    bool decrypting;
    const char* action; // what strace injects at each point
    bool folder = false;
};

using Sweep = WithRows<ProcessFaultsTest, SweepCase>;

// A kill leaves no plaintext, at most a staging entry of ciphertext, which the next run in the folder
// removes. An I/O error is either a success whose output is whole, or a failure that left nothing.
TEST_P(Sweep, leavesTheInputAndAWholeOutputOrNone)
{
    if (const std::string reason = sweepsCannotRun(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    const SweepCase& c = GetParam();
    if (c.folder) {
        useFolder();
    }
    const bool killed = std::string(c.action) == "signal=SIGKILL";
    // EINVAL from renameat2 is what NFS and many FUSE and SMB mounts answer for RENAME_NOREPLACE.
    const bool noReplaceUnsupported = std::string(c.action) == "error=EINVAL";
    if (c.decrypting) {
        encryptThenRemoveSource();
    }
    const Command& command = c.decrypting ? decrypting : encrypting;
    const std::string& input = c.decrypting ? package : source;
    const auto inputBefore = snapshot(input);
    const auto removeOutput = [&] { c.decrypting ? removeRestored() : removePackage(); };
    const auto points = sweepPoints(command, c.action);
    ASSERT_GT(points.size(), 20u);
    int failures = 0;
    for (const std::string& point : points) {
        if (noReplaceUnsupported && !point.starts_with("renameat2")) {
            continue;
        }
        const ProcessRun faulted = underStrace(point, command);
        EXPECT_TRUE(killed || !faulted.crashed) << point;
        EXPECT_EQ(snapshot(input), inputBefore) << point;
        // Restoring a file goes into an unnamed file: a kill leaves nothing there either. A folder is
        // extracted into a hidden staging folder.
        EXPECT_LE(stagingEntries(env.work()), killed && (!c.decrypting || c.folder) ? 1 : 0) << point;
        EXPECT_TRUE(faulted.exitCode == 0 || !noReplaceUnsupported) << point << " not published without it";
        failures += !killed && faulted.exitCode != 0;
        const std::string output = c.decrypting ? source : package;
        expectOutput(c.decrypting, killed ? ::access(output.c_str(), F_OK) == 0 : faulted.exitCode == 0, point);
        removeOutput();
        if (killed) {
            const ProcessRun next = run(command);
            EXPECT_EQ(next.exitCode, 0) << point << next.err;
            expectOutput(c.decrypting, true, point + " next");
            EXPECT_EQ(stagingEntries(env.work()), 0) << point;
            removeOutput();
        }
    }
    EXPECT_EQ(failures > 0, !killed && !noReplaceUnsupported);
}

INSTANTIATE_TEST_SUITE_P(Faults, Sweep,
                         ::testing::Values(SweepCase{"killedEncrypting", false, "signal=SIGKILL"},
                                           SweepCase{"killedDecrypting", true, "signal=SIGKILL"},
                                           SweepCase{"ioErrorEncrypting", false, "error=EIO"},
                                           SweepCase{"diskFullEncrypting", false, "error=ENOSPC"},
                                           SweepCase{"noReplaceUnsupportedEncrypting", false, "error=EINVAL"},
                                           SweepCase{"ioErrorDecrypting", true, "error=EIO"},
                                           SweepCase{"killedDecryptingFolder", true, "signal=SIGKILL", true},
                                           SweepCase{"ioErrorEncryptingFolder", false, "error=EIO", true}),
                         [](const auto& row) { return row.param.label; });

// Runs `script` in a private mount namespace; skips when this machine does not allow one.
ProcessRun inMountNamespace(const std::string& script, const std::vector<std::string>& arguments)
{
    if (!haveTool("unshare") || runProcess("unshare", {"-m", "true"}).exitCode != 0) {
        return {};
    }
    std::vector<std::string> all{"-m", "sh", "-c", script, "sh"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runProcess("unshare", all);
}

struct DiskCase
{
    const char* label;
    int freePages; // left free for the package, whose encrypted file needs 257 pages
    bool fits;
};

using DiskFullProcessTest = WithRows<ProcessFaultsTest, DiskCase>;

// Refused at once, before a byte is written, when the folder can't hold the package; the sweeps above
// fill the disk in the middle of a run.
TEST_P(DiskFullProcessTest, encryptIsRefusedAtOnceWhereThePackageCantFit)
{
    const std::string script =
        "mount -t tmpfs -o size=4m tmpfs \"$1\" || exit 90\n"
        "head -c 1048576 /dev/zero > \"$1/src.bin\"\n"
        "avail=$(stat -f -c %a \"$1\")\n"
        "head -c $(( (avail - " + std::to_string(GetParam().freePages) + ") * 4096 )) /dev/zero > \"$1/filler\"\n"
        "printf 'pw\\n' | \"$2\" encrypt --quiet --password-stdin \"$1/src.bin\" 2>&1 >/dev/null\n"
        "echo \"rc=$?\"\n"
        "ls -A \"$1\"\n";
    const ProcessRun run = inMountNamespace(script, {env.work(), cliBinary()});
    if (run.exitCode == 90 || run.out.empty()) {
        GTEST_SKIP() << "no private tmpfs here";
    }
    EXPECT_EQ(run.out, GetParam().fits ? "rc=0\nfiller\nsrc.bin\nsrc.lockfern\n"
                                       : "lockfern-cli: " + env.work() + "src.bin: An error occured while encrypting. "
                                         "Not enough free space: 1.0 MB needed.\nrc=1\nfiller\nsrc.bin\n");
}

INSTANTIATE_TEST_SUITE_P(Points, DiskFullProcessTest,
                         ::testing::Values(DiskCase{"nothingFree", 0, false}, DiskCase{"onePageShort", 256, false},
                                           DiskCase{"roomEnough", 300, true}),
                         [](const auto& row) { return row.param.label; });

// A package of a few kilobytes on disk that claims gigabytes: refused before anything is written.
TEST_F(ProcessFaultsTest, sparseHostilePackageOnASmallDiskIsRefusedWithoutWriting)
{
    if (!haveTool("strace")) {
        GTEST_SKIP() << "strace is not installed";
    }
    const std::string script =
        "mount -t tmpfs -o size=4m tmpfs \"$1\" && dir=$(cd \"$1\" && pwd -P) || exit 90\n"
        "mkdir \"$1/big.lockfern\" && : > \"$1/big.lockfern/hint.lockfern\"\n"
        "printf '\\003\\001' > \"$1/big.lockfern/big.bin\" && truncate -s 3221225538 \"$1/big.lockfern/big.bin\"\n"
        "printf 'pw\\n' | strace -f -qq -y -e trace=write,pwrite64 -o \"$3\" \"$2\" decrypt --password-stdin \\\n"
        "    \"$1/big.lockfern\" >/dev/null 2>&1\n"
        "echo \"rc=$? writes=$(grep -c \"write[^(]*([0-9]*<$dir/\" \"$3\")\"\n"
        "ls -A \"$1\"\n";
    const std::string writes = env.root().toStdString() + "/writes.txt";
    const ProcessRun run = inMountNamespace(script, {env.work(), cliBinary(), writes});
    if (run.exitCode == 90 || run.out.empty()) {
        GTEST_SKIP() << "no private tmpfs here";
    }
    EXPECT_EQ(run.out, "rc=1 writes=0\nbig.lockfern\n");
}

TEST_F(ProcessFaultsTest, readOnlyFolderFailsBothWaysAndLeavesNothing)
{
    encryptThenRemoveSource();
    const std::string script = "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" || exit 90\n"
                               "printf 'pw\\n' | \"$2\" $3 --password-stdin \"$4\"\n";
    const ProcessRun encrypt =
        inMountNamespace(script, {env.work(), cliBinary(), "encrypt --quiet", env.file("other.txt", "other")});
    if (encrypt.exitCode == 90 || encrypt.exitCode == -1) {
        GTEST_SKIP() << "no read-only bind mount here";
    }
    EXPECT_EQ(encrypt.exitCode, 1);
    EXPECT_EQ(encrypt.err, "lockfern-cli: " + env.work() + "other.txt: An error occured while encrypting. work is read-only.\n");
    const ProcessRun decrypt = inMountNamespace(script, {env.work(), cliBinary(), "decrypt", package});
    EXPECT_EQ(decrypt.exitCode, 1);
    EXPECT_EQ(decrypt.err, "lockfern-cli: " + package + ": An error occured while decrypting. work is read-only.\n");
    EXPECT_EQ(folderEntries(env.work()), (std::vector<std::string>{"data.lockfern", "other.txt"}));
}

} // namespace
