// SPDX-License-Identifier: GPL-3.0-or-later
// The real lockfern-cli under injected I/O errors and kills (strace), a full disk and a read-only
// folder (private mount namespaces).

#include "FaultSupport.h"
#include "RNCryptor.h"

#include <QStandardPaths>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
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
    TestEnvironment env;
    std::string source;
    std::string sourceBytes;
    std::string package;

    void SetUp() override
    {
        sourceBytes = patternBytes((1 << 20) + 333);
        source = env.work() + "data.bin";
        writeFileBytes(source, sourceBytes);
        package = env.work() + "data.lockfern";
    }

    QStringList encryptArguments() const
    {
        return {cliBinary(), QStringLiteral("encrypt"), QStringLiteral("--password-stdin"), QString::fromStdString(source)};
    }
    QStringList decryptArguments() const
    {
        return {cliBinary(), QStringLiteral("decrypt"), QStringLiteral("--password-stdin"), QString::fromStdString(package)};
    }

    ProcessRun underStrace(const QString& injection, const QStringList& command)
    {
        const QString syscall = injection.section(QLatin1Char(':'), 0, 0);
        QStringList arguments{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                              QStringLiteral("-e"), QStringLiteral("trace=") + syscall,
                              QStringLiteral("-e"), QStringLiteral("inject=") + injection};
        arguments += command;
        return runProcess(QStringLiteral("strace"), arguments, kPassword + "\n");
    }

    // How often each syscall runs in an undisturbed run of `command`.
    std::map<std::string, int> syscallCounts(const QStringList& command)
    {
        const std::string summary = env.root().toStdString() + "/summary.txt";
        QStringList arguments{QStringLiteral("-f"), QStringLiteral("-c"), QStringLiteral("-o"), QString::fromStdString(summary)};
        arguments += command;
        runProcess(QStringLiteral("strace"), arguments, kPassword + "\n");
        std::map<std::string, int> counts;
        const QStringList lines = QString::fromStdString(readFileBytes(summary)).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            const QStringList fields = line.simplified().split(QLatin1Char(' '));
            if (fields.size() >= 5 && !fields.last().startsWith(QLatin1Char('-')) && fields.last() != QStringLiteral("total")) {
                bool ok = false;
                const int calls = fields.at(3).toInt(&ok);
                if (ok) {
                    counts[fields.last().toStdString()] = calls;
                }
            }
        }
        return counts;
    }

    // A package, when there is one, is whole and opens to the source's bytes.
    void expectPackageWholeOrAbsent(const std::string& label)
    {
        struct stat st {};
        if (::lstat(package.c_str(), &st) != 0) {
            return;
        }
        ASSERT_TRUE(S_ISDIR(st.st_mode)) << label;
        EXPECT_EQ(folderEntries(package), (std::vector<std::string>{"data.bin", "hint.lockfern"})) << label;
        const QByteArray encrypted = QByteArray::fromStdString(readFileBytes(package + "/data.bin"));
        QByteArray plain;
        EXPECT_NO_THROW(plain = RNCryptor::Decryptor(QString::fromStdString(kPassword)).decrypt(encrypted)) << label;
        EXPECT_EQ(plain.toStdString() == sourceBytes, true) << label;
    }

    void makePackage()
    {
        ASSERT_EQ(runCliBinary(encryptArguments().mid(1)).exitCode, 0);
        ASSERT_EQ(::unlink(source.c_str()), 0);
    }

    // The list of (syscall, N) points a sweep visits: every call of the syscalls that touch files.
    std::vector<QString> sweepPoints(const QStringList& command, const QString& action)
    {
        std::vector<QString> points;
        const auto counts = syscallCounts(command);
        // The counting run itself succeeded: undo what it made.
        if (command.contains(QStringLiteral("decrypt"))) {
            ::unlink(source.c_str());
        } else {
            QDir(QString::fromStdString(package)).removeRecursively();
        }
        for (const char* syscall : {"read", "pread64", "write", "openat", "close", "fsync", "mkdir", "renameat2",
                                    "unlink", "rmdir", "getrandom"}) {
            const auto it = counts.find(syscall);
            const int calls = it == counts.end() ? 0 : it->second;
            for (int n = 1; n <= calls; ++n) {
                points.push_back(QString::fromUtf8(syscall) + QStringLiteral(":") + action + QStringLiteral(":when=") +
                                 QString::number(n));
            }
        }
        return points;
    }
};

// A kill leaves at most a staging folder of ciphertext, which the next run in the folder removes.
TEST_F(ProcessFaultsTest, killedDuringEncryptLeavesNothingOnceTheNextRunHasBeen)
{
    if (const std::string reason = sweepsCannotRun(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    const auto points = sweepPoints(encryptArguments(), QStringLiteral("signal=SIGKILL"));
    ASSERT_GT(points.size(), 20u);
    for (const QString& point : points) {
        const std::string label = point.toStdString();
        underStrace(point, encryptArguments());
        EXPECT_EQ(readFileBytes(source), sourceBytes) << label;
        EXPECT_LE(stagingEntries(env.work()), 1) << label;
        expectPackageWholeOrAbsent(label);
        QDir(QString::fromStdString(package)).removeRecursively();
        const ProcessRun next = runCliBinary(encryptArguments().mid(1));
        EXPECT_EQ(next.exitCode, 0) << label << next.err;
        expectPackageWholeOrAbsent(label + " next");
        EXPECT_EQ(stagingEntries(env.work()), 0) << label;
        QDir(QString::fromStdString(package)).removeRecursively();
    }
}

TEST_F(ProcessFaultsTest, killedDuringDecryptNeverLeavesAPartialFile)
{
    if (const std::string reason = sweepsCannotRun(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    makePackage();
    const auto points = sweepPoints(decryptArguments(), QStringLiteral("signal=SIGKILL"));
    ::unlink(source.c_str());
    ASSERT_GT(points.size(), 20u);
    for (const QString& point : points) {
        const std::string label = point.toStdString();
        underStrace(point, decryptArguments());
        if (::access(source.c_str(), F_OK) == 0) {
            EXPECT_EQ(readFileBytes(source) == sourceBytes, true) << label;
        }
        // Restored into an unnamed file: a kill leaves no plaintext behind.
        EXPECT_EQ(stagingEntries(env.work()), 0) << label;
        EXPECT_EQ(folderEntries(package), (std::vector<std::string>{"data.bin", "hint.lockfern"})) << label;
        ::unlink(source.c_str());
        const ProcessRun next = runCliBinary(decryptArguments().mid(1));
        EXPECT_EQ(next.exitCode, 0) << label << next.err;
        EXPECT_EQ(readFileBytes(source) == sourceBytes, true) << label;
        ::unlink(source.c_str());
    }
}

// I/O errors anywhere: either a success whose output is whole, or a failure that left nothing.
TEST_F(ProcessFaultsTest, ioErrorsAreReportedAndLeaveNothing)
{
    if (const std::string reason = sweepsCannotRun(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    int failures = 0;
    // EINVAL from renameat2 is what NFS and many FUSE and SMB mounts answer for RENAME_NOREPLACE.
    for (const char* error : {"EIO", "ENOSPC", "EINVAL"}) {
        for (const QString& point : sweepPoints(encryptArguments(), QStringLiteral("error=") + QString::fromUtf8(error))) {
            if (std::string(error) == "EINVAL" && !point.startsWith(QStringLiteral("renameat2"))) {
                continue;
            }
            const std::string label = point.toStdString();
            const ProcessRun run = underStrace(point, encryptArguments());
            EXPECT_FALSE(run.crashed) << label;
            EXPECT_EQ(readFileBytes(source), sourceBytes) << label;
            EXPECT_EQ(stagingEntries(env.work()), 0) << label;
            if (std::string(error) == "EINVAL") {
                EXPECT_EQ(run.exitCode, 0) << label << " published without RENAME_NOREPLACE";
            }
            if (run.exitCode == 0) {
                expectPackageWholeOrAbsent(label);
                EXPECT_EQ(::access(package.c_str(), F_OK), 0) << label << " reported success without a package";
            } else {
                ++failures;
                EXPECT_NE(::access(package.c_str(), F_OK), 0) << label << " failed but left a package";
            }
            QDir(QString::fromStdString(package)).removeRecursively();
        }
    }
    EXPECT_GT(failures, 0);

    makePackage();
    for (const QString& point : sweepPoints(decryptArguments(), QStringLiteral("error=EIO"))) {
        ::unlink(source.c_str());
        const std::string label = point.toStdString();
        const ProcessRun run = underStrace(point, decryptArguments());
        EXPECT_FALSE(run.crashed) << label;
        EXPECT_EQ(stagingEntries(env.work()), 0) << label;
        if (run.exitCode == 0) {
            EXPECT_EQ(readFileBytes(source) == sourceBytes, true) << label;
        } else {
            EXPECT_NE(::access(source.c_str(), F_OK), 0) << label << " failed but left a file";
        }
    }
}

// Runs `script` in a private mount namespace; skips when this machine does not allow one.
ProcessRun inMountNamespace(const std::string& script, const QStringList& arguments)
{
    if (!haveTool("unshare") || runProcess(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")}).exitCode != 0) {
        return {};
    }
    QStringList all{QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), QString::fromStdString(script),
                    QStringLiteral("sh")};
    all += arguments;
    return runProcess(QStringLiteral("unshare"), all);
}

struct DiskCase
{
    const char* label;
    int freePages; // left free for the package, whose encrypted file needs 257 pages
};

class DiskFullProcessTest : public ProcessFaultsTest, public ::testing::WithParamInterface<DiskCase>
{
};

TEST_P(DiskFullProcessTest, encryptOnAFullDiskFailsAndLeavesNothing)
{
    const std::string script =
        "mount -t tmpfs -o size=4m tmpfs \"$1\" || exit 90\n"
        "head -c 1048576 /dev/zero > \"$1/src.bin\"\n"
        "avail=$(stat -f -c %a \"$1\")\n"
        "head -c $(( (avail - " + std::to_string(GetParam().freePages) + ") * 4096 )) /dev/zero > \"$1/filler\"\n"
        "printf 'pw\\n' | \"$2\" encrypt --password-stdin \"$1/src.bin\" >/dev/null 2>&1\n"
        "echo \"rc=$?\"\n"
        "ls -A \"$1\"\n";
    const ProcessRun run = inMountNamespace(script, {QString::fromStdString(env.work()), cliBinary()});
    if (run.exitCode == 90 || run.out.empty()) {
        GTEST_SKIP() << "no private tmpfs here";
    }
    EXPECT_EQ(run.out, "rc=1\nfiller\nsrc.bin\n");
}

INSTANTIATE_TEST_SUITE_P(Points, DiskFullProcessTest,
                         ::testing::Values(DiskCase{"firstWrite", 0}, DiskCase{"middleWrite", 128},
                                           DiskCase{"lastWrite", 256}),
                         [](const auto& info) { return info.param.label; });

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
    const ProcessRun run = inMountNamespace(
        script, {QString::fromStdString(env.work()), cliBinary(), env.root() + QStringLiteral("/writes.txt")});
    if (run.exitCode == 90 || run.out.empty()) {
        GTEST_SKIP() << "no private tmpfs here";
    }
    EXPECT_EQ(run.out, "rc=1 writes=0\nbig.lockfern\n");
}

TEST_F(ProcessFaultsTest, readOnlyFolderFailsBothWaysAndLeavesNothing)
{
    makePackage();
    const std::string script = "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" || exit 90\n"
                               "printf 'pw\\n' | \"$2\" $3 --password-stdin \"$4\"\n";
    writeFileBytes(env.work() + "other.txt", "other");
    const ProcessRun encrypt = inMountNamespace(script, {QString::fromStdString(env.work()), cliBinary(), QStringLiteral("encrypt --quiet"),
                                                         QString::fromStdString(env.work() + "other.txt")});
    if (encrypt.exitCode == 90 || encrypt.exitCode == -1) {
        GTEST_SKIP() << "no read-only bind mount here";
    }
    EXPECT_EQ(encrypt.exitCode, 1);
    EXPECT_EQ(encrypt.err, "lockfern-cli: " + env.work() + "other.txt: An error occured while encrypting.\n");
    const ProcessRun decrypt = inMountNamespace(script, {QString::fromStdString(env.work()), cliBinary(), QStringLiteral("decrypt"),
                                                         QString::fromStdString(package)});
    EXPECT_EQ(decrypt.exitCode, 1);
    EXPECT_EQ(decrypt.err, "lockfern-cli: " + package + ": An error occured while decrypting.\n");
    EXPECT_EQ(folderEntries(env.work()), (std::vector<std::string>{"data.lockfern", "other.txt"}));
}

} // namespace
