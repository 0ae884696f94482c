// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input, resource faults and kills: every failure is reported as one, and nothing
// half-written, no unauthenticated plaintext and no changed source or package is ever left.

#include "CliRunner.h"
#include "FaultSupport.h"
#include "Files.h"
#include "FolderTrees.h"
#include "Password.h"
#include "RNCryptorBuffer.h"
#include "Workflows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Workflows;
using ::testing::ElementsAre;

namespace {

SecureBytes pw(const char* text = "pw")
{
    return Password::bytes(QString::fromUtf8(text));
}

class FaultsTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    // A package whose encrypted file holds `bytes`, as if someone had damaged it.
    OpenedPackage packageHolding(const std::string& bytes)
    {
        env.file("d.lockfern/d.bin", bytes);
        env.file("d.lockfern/hint.lockfern", "");
        const OpenResult opened = openPackage(Path(env.work() + "d.lockfern"));
        EXPECT_EQ(opened.outcome, OpenOutcome::Prepared);
        return opened.package.value_or(OpenedPackage{});
    }

    // Decrypting must fail and write nothing beside the package.
    void expectRefused(const std::string& bytes, const std::string& label)
    {
        const OpenedPackage package = packageHolding(bytes);
        const RunReport result = restoreFile(package, pw());
        EXPECT_EQ(result.outcome, Outcome::Failed) << label;
        EXPECT_THAT(folderEntries(env.work()), ElementsAre("d.lockfern")) << label;
    }

    std::string encryptedBytes(std::size_t plaintextSize)
    {
        return RNCryptor::Encryptor(QStringLiteral("pw"))
            .encrypt(QByteArray::fromStdString(patternBytes(plaintextSize)))
            .toStdString();
    }
};

// ---- damaged ciphertext --------------------------------------------------------------------------

// Every truncation and every single bit flip of a minimal message, every other version and options
// byte, and a real one cut or extended at and around its MAC.
TEST_F(FaultsTest, damaged_everyTruncationBitFlipHeaderByteAndLengthIsRefused)
{
    const std::string minimal = encryptedBytes(1), ten = encryptedBytes(10), real = encryptedBytes(5000);
    ASSERT_EQ(minimal.size(), 82u);
    std::vector<std::pair<std::string, std::string>> damaged; // label, bytes
    for (std::size_t length = 0; length < minimal.size(); ++length) {
        damaged.emplace_back("length " + std::to_string(length), minimal.substr(0, length));
    }
    for (std::size_t bit = 0; bit < minimal.size() * 8; ++bit) {
        damaged.emplace_back("bit " + std::to_string(bit), minimal);
        damaged.back().second[bit / 8] = static_cast<char>(minimal[bit / 8] ^ (1 << (bit % 8)));
    }
    for (int value = 0; value < 256; ++value) {
        for (const auto& [at, valid] : {std::pair{0, 3}, std::pair{1, 1}}) {
            if (value != valid) {
                damaged.emplace_back("byte " + std::to_string(at) + " " + std::to_string(value), ten);
                damaged.back().second[at] = static_cast<char>(value);
            }
        }
    }
    const std::size_t l = real.size();
    for (const std::string& changed : {real.substr(0, l - 1), real.substr(0, l - 16), real.substr(0, l - 32),
                                       real.substr(0, l - 33), real + "x", real + std::string(16, '\0'),
                                       real + std::string(32, '\x10'), real + real}) {
        damaged.emplace_back("real length " + std::to_string(changed.size()), changed);
    }
    for (const auto& [label, bytes] : damaged) {
        expectRefused(bytes, label);
    }
}

// ---- things that are not regular files -------------------------------------------------------------

enum class Special { Fifo, Device, LinkToFile, LinkToZero, Dangling };

void makeSpecial(const std::string& path, Special kind, const std::string& elsewhere)
{
    const char* target = kind == Special::LinkToFile   ? elsewhere.c_str()
                         : kind == Special::LinkToZero ? "/dev/zero"
                                                       : "/nonexistent/target";
    ASSERT_EQ(kind == Special::Fifo     ? ::mkfifo(path.c_str(), 0600)
              : kind == Special::Device ? ::mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 5)) // like /dev/zero
                                        : ::symlink(target, path.c_str()),
              0);
}

using SpecialFileTest = WithRows<FaultsTest, Special>;

TEST_P(SpecialFileTest, encryptedFileIsNeverReadThroughIt)
{
    const std::string elsewhere = env.file("elsewhere.bin", encryptedBytes(10));
    const std::string package = env.work() + "s.lockfern";
    env.file("s.lockfern/hint.lockfern", "");
    makeSpecial(package + "/s.bin", GetParam(), elsewhere);
    EXPECT_EQ(openPackage(Path(package)).outcome, OpenOutcome::Problem);

    // Swapped in after preparation: the run refuses it without hanging.
    ::unlink((package + "/s.bin").c_str());
    writeFileBytes(package + "/s.bin", encryptedBytes(10));
    const OpenResult opened = openPackage(Path(package));
    ASSERT_EQ(opened.outcome, OpenOutcome::Prepared);
    ::unlink((package + "/s.bin").c_str());
    makeSpecial(package + "/s.bin", GetParam(), elsewhere);
    EXPECT_EQ(restoreFile(*opened.package, pw()).outcome, Outcome::Failed);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("elsewhere.bin", "s.lockfern"));
}

TEST_P(SpecialFileTest, hintFileIsNeverReadThroughIt)
{
    const std::string elsewhere = env.file("elsewhere.txt", "not our hint");
    env.file("h.lockfern/h.bin", encryptedBytes(10));
    makeSpecial(env.work() + "h.lockfern/hint.lockfern", GetParam(), elsewhere);
    EXPECT_EQ(openPackage(Path(env.work() + "h.lockfern")).outcome, OpenOutcome::Problem);
}

TEST_P(SpecialFileTest, sourceThatIsNotARegularFileFailsWithoutHanging)
{
    const std::string elsewhere = env.file("elsewhere.txt", "target");
    makeSpecial(env.work() + "src.txt", GetParam(), elsewhere);
    const ProcessRun run = runCliBinary({"encrypt", "--password-stdin", env.work() + "src.txt"});
    if (GetParam() == Special::LinkToFile) {
        // A link is encrypted as its target, into a package beside the link.
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, env.work() + "src.lockfern\n");
        EXPECT_EQ(readFileBytes(elsewhere), "target");
        return;
    }
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "lockfern-cli: " + env.work() + "src.txt: There's a problem.\n");
    EXPECT_EQ(stagingEntries(env.work()), 0);
    EXPECT_FALSE(std::ifstream(env.work() + "src.lockfern").good());
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFileTest,
                         ::testing::Values(Special::Fifo, Special::Device, Special::LinkToFile, Special::LinkToZero,
                                           Special::Dangling));

TEST_F(FaultsTest, hugeSparseHintIsRefusedAfterBoundedReading)
{
    const std::string package = env.work() + "big.lockfern";
    env.file("big.lockfern/big.bin", encryptedBytes(10));
    const int fd = ::open((package + "/hint.lockfern").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 8LL << 30), 0);
    ::close(fd);
    EXPECT_EQ(openPackage(Path(package)).outcome, OpenOutcome::Problem);
    EXPECT_EQ(runCliBinary({"hint", package}, "").exitCode, 1);
}

// ---- hostile archives inside packages --------------------------------------------------------------

// Correctly encrypted packages holding archives our packer would never write. One that is not ours
// (its first entry is not our marked root, a tar of the user's own) comes back as the .tar it is,
// never unpacked. One that is ours but damaged or hostile is refused, and whatever it made is taken
// back, thousands of entries included; otherwise the folder is restored without what would lead
// outside it, and without set-user and set-group bits.
struct HostileCase
{
    const char* name;
    std::vector<Item> items; // the first carries our marker
    const char* restored;    // "Photos", "Photos.tar" (a file), or empty: refused
    std::vector<std::string> skipped = {};
    std::vector<std::string> made = {}; // "path mode", checked
    off_t truncateTo = 0;
    bool theirs = false; // made by GNU tar instead
};

void PrintTo(const HostileCase& row, std::ostream* out)
{
    *out << row.name;
}

using HostilePackageTest = WithRows<FaultsTest, HostileCase>;

TEST_P(HostilePackageTest, isRefusedOrRestoredWithoutWritingOutside)
{
    const HostileCase& c = GetParam();
    const std::string w = env.work(), tar = env.root().toStdString() + "/inner.tar";
    if (c.theirs) {
        env.file("mine/Photos/a.txt", "a");
        ASSERT_EQ(std::system(("tar -cf '" + tar + "' -C '" + w + "mine' Photos").c_str()), 0);
        std::filesystem::remove_all(w + "mine");
    } else {
        craft(tar, c.items, w);
    }
    if (c.truncateTo > 0) {
        ASSERT_EQ(::truncate(tar.c_str(), c.truncateTo), 0);
    }
    env.file("Photos.lockfern/Photos.tar", RNCryptor::Encryptor(QStringLiteral("pw"))
                                                .encrypt(QByteArray::fromStdString(readFileBytes(tar)))
                                                .toStdString());
    env.file("outer/victim", "victim");
    const auto before = snapshot(w);
    const RunReport report = restoreFile(*openPackage(Path(w + "Photos.lockfern")).package, pw());
    auto after = snapshot(w);
    const std::string restored = c.restored;
    if (restored.empty()) {
        EXPECT_EQ(report.outcome, Outcome::Failed);
        EXPECT_EQ(Messages::explain(report.failure).text(),
                  QStringLiteral("The folder in Photos.lockfern is damaged or unsafe to restore. Nothing was restored."));
        EXPECT_EQ(report.lines, (QStringList{"read file content", "decrypted file content",
                                             "an error occured while decrypting"}));
    } else {
        ASSERT_EQ(report.outcome, Outcome::Success);
        EXPECT_EQ(report.path.bytes(), w + restored);
        EXPECT_EQ(report.skipped, c.skipped);
        for (const std::string& made : c.made) {
            struct stat st {};
            EXPECT_EQ(::lstat((w + restored + "/" + made.substr(0, made.find(' '))).c_str(), &st), 0) << made;
            EXPECT_EQ(made.substr(made.find(' ') + 1), (std::ostringstream() << std::oct << (st.st_mode & 07777)).str());
        }
        if (restored.ends_with(".tar")) {
            EXPECT_EQ(readFileBytes(w + restored), readFileBytes(tar));
        }
        std::erase_if(after, [&restored](const auto& entry) {
            return entry.first == restored || entry.first.starts_with(restored + "/");
        });
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(stagingEntries(w), 0);
}

std::vector<Item> thenEscape(std::vector<Item> items)
{
    items.push_back({'f', "Photos/../escaped", "x"});
    return items;
}

const HostileCase kHostile[] = {
    {"absolutePath", {kRoot, {'f', "@outer/escaped", "x"}}, ""},
    {"dotDot", {kRoot, {'f', "Photos/../escaped", "x"}}, ""},
    {"outsideTheRoot", {kRoot, {'f', "Other/escaped", "x"}}, ""},
    {"dotRoot", {{'d', "./"}, {'f', "./escaped", "x"}}, "Photos.tar"},
    {"rootNotFirst", {{'f', "Photos/a", "x"}, kRoot}, "Photos.tar"},
    {"secondRoot", {kRoot, kRoot}, ""},
    {"empty", {}, "Photos.tar"},
    {"writeThroughOutwardLink", {kRoot, {'l', "Photos/out", "@outer"}, {'f', "Photos/out/escaped", "x"}}, ""},
    {"writeThroughInwardLink", {kRoot, {'d', "Photos/d"}, {'l', "Photos/in", "d"}, {'f', "Photos/in/x", "x"}}, ""},
    {"linksLeadingOut", {kRoot, {'l', "Photos/abs", "@outer/victim"}, {'l', "Photos/up", "../outer"}}, "Photos",
     {"abs", "up"}},
    {"linkOutThroughLink", {kRoot, {'d', "Photos/d"}, {'l', "Photos/d/up", ".."}, {'l', "Photos/d/out", "up/.."}},
     "Photos", {"d/out"}, {"d/up 777"}},
    {"device", {kRoot, {'c', "Photos/null"}}, "Photos", {"null"}},
    {"fifo", {kRoot, {'p', "Photos/fifo"}}, "Photos", {"fifo"}},
    {"hardLink", {kRoot, {'h', "Photos/passwd", "/etc/passwd"}}, ""},
    {"setUserBits", {kRoot, {'f', "Photos/tool", "x", 06755}, {'d', "Photos/shared", "", 01777}}, "Photos", {},
     {"tool 755", "shared 777"}},
    {"sparseOversized", {kRoot, {'s', "Photos/huge", "1099511627776"}}, ""},
    {"sparse", {kRoot, {'s', "Photos/holes", "4096"}}, ""},
    {"largerThanTheArchive", {kRoot, {'f', "Photos/big", std::string(2 << 20, 'b')}}, "", {}, {}, 1 << 20},
    {"duplicateName", {kRoot, {'f', "Photos/a", "1"}, {'f', "Photos/a", "2"}}, ""},
    {"outOfOrder", {kRoot, {'d', "Photos/a"}, {'f', "Photos/b", "x"}, {'f', "Photos/a/c", "x"}}, ""},
    {"damagedAfterReadOnlyFolder",
     {kRoot, {'d', "Photos/ro", "", 0}, {'f', "Photos/ro/a", "a"}, {'f', "Photos/z", "z"}, {'f', "Photos/z", "z"}}, ""},
    {"manyEntries", manyFiles(5000), "Photos", {}, {"f4999 644"}},
    {"manyEntriesThenEscape", thenEscape(manyFiles(3000)), ""},
    {"usersOwnTar", {}, "Photos.tar", {}, {}, 0, true},
};
INSTANTIATE_TEST_SUITE_P(Archives, HostilePackageTest, ::testing::ValuesIn(kHostile),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- names ----------------------------------------------------------------------------------------

struct NameCase
{
    const char* label;
    std::string name;
    bool encrypts; // false: the package name would be too long
};

using NameTest = WithRows<FaultsTest, NameCase>;

TEST_P(NameTest, roundTripsOrFailsCleanly)
{
    const NameCase& c = GetParam();
    const std::string path = env.file(c.name, "named " + c.name);
    const int encrypted = runCliInProcess({"encrypt", "--password-stdin", "--", path}, "pw\n").status;
    if (!c.encrypts) {
        EXPECT_EQ(encrypted, 1);
        EXPECT_EQ(folderEntries(env.work()), std::vector<std::string>{c.name});
        return;
    }
    ASSERT_EQ(encrypted, 0);
    const std::string package = env.work() + Path::baseNameOf(c.name) + ".lockfern";
    ASSERT_EQ(::unlink(path.c_str()), 0);
    const CliRun decrypted = runCliInProcess({"decrypt", "--password-stdin", "--", package}, "pw\n");
    ASSERT_EQ(decrypted.status, 0);
    EXPECT_EQ(decrypted.out, path + "\n");
    EXPECT_EQ(readFileBytes(path), "named " + c.name);

    // A different file under the name: ours would need a longer name, which may not fit.
    writeFileBytes(path, "different");
    const CliRun again = runCliInProcess({"decrypt", "--password-stdin", "--", package}, "pw\n");
    EXPECT_EQ(readFileBytes(path), "different");
    EXPECT_EQ(stagingEntries(env.work()), 0);
    if (again.status == 0) {
        EXPECT_EQ(readFileBytes(again.out.substr(0, again.out.size() - 1)), "named " + c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameTest,
    ::testing::Values(NameCase{"spaces", "my tax return 2026.pdf", true}, NameCase{"leadingDash", "-rf.txt", true},
                      NameCase{"lineFeed", "two\nlines.txt", true}, NameCase{"notUtf8", "caf\xe9\xff.txt", true},
                      NameCase{"shellLooking", "$(touch pwned).txt", true}, NameCase{"dotfile", ".profile", true},
                      NameCase{"longestThatFits", std::string(246, 'a'), true},
                      NameCase{"longest255WithExtension", std::string(251, 'b') + ".txt", false},
                      NameCase{"longest255", std::string(255, 'c'), false}),
    [](const auto& row) { return row.param.label; });

// ---- parallel runs --------------------------------------------------------------------------------

TEST_F(FaultsTest, parallelEncryptsGiveOnePackageAndParallelDecryptsOneFile)
{
    const std::string bytes = patternBytes(3 << 20);
    const std::string path = env.file("shared.bin", bytes);
    // Eight runs of one command at once: how many succeeded; each failure says so on standard error.
    const auto eightAtOnce = [](const QStringList& arguments, const std::string& failure) {
        std::vector<std::unique_ptr<QProcess>> processes(8);
        for (auto& process : processes) {
            process = std::make_unique<QProcess>();
            process->start(QString::fromStdString(cliBinary()), arguments);
            process->write("pw\n");
            process->closeWriteChannel();
        }
        int succeeded = 0;
        for (auto& process : processes) {
            EXPECT_TRUE(process->waitForFinished(120000));
            succeeded += process->exitCode() == 0;
            EXPECT_EQ(process->readAllStandardError().toStdString(), process->exitCode() == 0 ? "" : failure);
        }
        return succeeded;
    };
    const QString package = QString::fromStdString(env.work() + "shared.lockfern");
    EXPECT_EQ(eightAtOnce({"encrypt", "--quiet", "--password-stdin", QString::fromStdString(path)},
                          "lockfern-cli: " + path + ": An error occured while encrypting. shared.lockfern already "
                                                    "exists in work.\n"),
              1);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("shared.bin", "shared.lockfern"));

    ::unlink(path.c_str());
    EXPECT_EQ(eightAtOnce({"decrypt", "--password-stdin", package}, ""), 8);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("shared.bin", "shared.lockfern"));
    EXPECT_EQ(readFileBytes(path), bytes);
}

} // namespace
