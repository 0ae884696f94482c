// SPDX-License-Identifier: GPL-3.0-or-later
// Folders through the workflows, and runs of many items. Hostile archives inside packages and kills
// are in tests/faults.
#include "Batch.h"
#include "FolderTrees.h"
#include "Package.h"
#include "Password.h"
#include "RNCryptorBuffer.h"
#include "Staging.h"
#include "Workflows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

using namespace Workflows;
using ::testing::ElementsAre;

namespace {

constexpr std::size_t kChunk = RNCryptor::kStreamChunkSize;

SecureBytes pw(const char* text = "pw")
{
    return Password::bytes(QString::fromUtf8(text));
}

QStringList encrypted(const std::string& package)
{
    return {"read file content",
            "encrypted file content",
            "created new package",
            "save encrypted file in package",
            "hint is empty",
            "saved hint to file in package",
            QString::fromStdString("success! saved in " + package)};
}

class FolderWorkflowTest : public ::testing::Test
{
protected:
    ~FolderWorkflowTest() override { removeWork(env); }

    TestEnvironment env;
};

std::string nested(int depth)
{
    std::string path = "n";
    for (int i = 1; i < depth; ++i) {
        path += "/n";
    }
    return path;
}

// Each tree under a name, chosen in a way, its package and where it is restored: beside the package,
// and never into a folder already there.
struct FolderCase
{
    const char* label;
    const char* folder;   // made in the work folder
    const char* chosen;   // as chosen, inside the work folder
    const char* package;  // the package made
    const char* restored; // restored as
    std::function<void(Builder&)> build;
    std::vector<std::string> packSkipped = {};
    std::vector<std::string> restoreSkipped = {};
};

void PrintTo(const FolderCase& row, std::ostream* out)
{
    *out << row.label;
}

using FolderRoundTripTest = WithRows<FolderWorkflowTest, FolderCase>;

TEST_P(FolderRoundTripTest, comesBackAsTheFolderAndAsGnuTarReadsIt)
{
    const FolderCase& c = GetParam();
    const std::string w = env.work(), root = env.root().toStdString();
    const std::string name = std::string(c.package).substr(0, std::strlen(c.package) - std::strlen(".lockfern"));
    Builder builder{w + c.folder, {}};
    c.build(builder);
    builder.finish();
    // Permission bits only: set-user and set-group bits are not stored, nor are owners.
    Tree expected = describe(w + c.folder, 0777);
    std::int64_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(w + c.folder)) {
        bytes += entry.is_regular_file() && !entry.is_symlink() ? static_cast<std::int64_t>(entry.file_size()) : 0;
    }
    for (const std::string& skipped : c.packSkipped) {
        expected.erase(skipped);
    }
    if (std::string(c.chosen) == "Link") {
        ASSERT_EQ(::symlink((w + c.folder).c_str(), (w + "Link").c_str()), 0);
    }
    const PrepareResult prepared = prepareSource(Path(w + c.chosen));
    ASSERT_EQ(prepared.outcome, PrepareOutcome::Prepared);
    EXPECT_TRUE(prepared.source->folder);
    EXPECT_EQ(prepared.source->packagePath.bytes(), w + c.package);
    EXPECT_EQ(checkPackagePlace(*prepared.source).reason, Messages::Reason::None);

    std::vector<std::pair<std::int64_t, std::int64_t>> progress;
    const auto caller = std::this_thread::get_id();
    RunControl control;
    control.progress = [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        progress.emplace_back(done, total);
    };
    const RunReport written = writePackage({*prepared.source, pw(), std::nullopt}, control);
    ASSERT_EQ(written.outcome, Outcome::Success) << Messages::explain(written.failure).text().toStdString();
    EXPECT_EQ(written.lines, encrypted(w + c.package));
    EXPECT_EQ(written.skipped, c.packSkipped);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), std::pair(bytes, bytes));
    EXPECT_THAT(folderEntries(w + c.package), ElementsAre(name + ".tar", "hint.lockfern"));

    // Another reader gets a plain tar, which GNU tar extracts as it was, links leading out included.
    const QByteArray tar = RNCryptor::Decryptor(QStringLiteral("pw"))
                               .decrypt(QByteArray::fromStdString(readFileBytes(w + c.package + "/" + name + ".tar")));
    writeFileBytes(root + "/reader.tar", tar.toStdString());
    std::filesystem::create_directory(root + "/gnu");
    EXPECT_EQ(std::system(("tar -xpf '" + root + "/reader.tar' -C '" + root + "/gnu' 2>/dev/null").c_str()), 0);
    EXPECT_EQ(describe(root + "/gnu/" + name, 07777), expected);

    if (std::string(c.chosen) == "Link") {
        std::filesystem::remove(w + "Link");
    } else if (std::string(c.restored) == c.folder) {
        std::filesystem::rename(w + c.folder, w + "original");
    }
    const RunReport restored = restoreFile(*openPackage(Path(w + c.package)).package, pw());
    ASSERT_EQ(restored.outcome, Outcome::Success) << Messages::explain(restored.failure).text().toStdString();
    EXPECT_EQ(restored.path.bytes(), w + c.restored);
    EXPECT_EQ(restored.placed,
              std::string(c.restored) == name ? RunReport::Placed::Written : RunReport::Placed::Numbered);
    EXPECT_EQ(restored.lines, (QStringList{"read file content", "decrypted file content",
                                           QString::fromStdString("success! saved in " + w + c.restored)}));
    // Links that lead outside the folder are left out.
    EXPECT_EQ(restored.skipped, c.restoreSkipped);
    for (const std::string& skipped : c.restoreSkipped) {
        expected.erase(skipped);
    }
    EXPECT_EQ(describe(w + c.restored, 07777), expected);
    EXPECT_EQ(stagingEntries(w), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderRoundTripTest,
    ::testing::Values(
        FolderCase{"nestedAndEmpty", "Photos", "Photos", "Photos.lockfern", "Photos",
                   [](Builder& b) {
                       b.file("a/b/c/deep.txt", "deep");
                       b.file("a/top.txt", "top");
                       b.folder("empty");
                       b.folder("a/b/emptyToo");
                       b.file("zero");
                       b.file("a/zero");
                   }},
        FolderCase{"largeFileThroughALink", "elsewhere", "Link", "Link.lockfern", "Link",
                   [](Builder& b) {
                       b.file("big", patternBytes((3 << 20) + 12345));
                       b.file("small", "s");
                   }},
        FolderCase{"oddNamesInAWholeName", "Photos.v2", "Photos.v2", "Photos.v2.lockfern", "Photos.v2",
                   [](Builder& b) {
                       b.file(" spaced name ", "1");
                       b.file("new\nline", "2");
                       b.file("-leading", "3");
                       b.file("bytes \xff\xfe", "4");
                       b.file("caf\xc3\xa9 \xe4\xb8\xad", "5");
                       b.file(std::string(255, 'n'), "6");
                       b.file(nested(60) + "/leaf", "7");
                   }},
        FolderCase{"linksInAHiddenFolder", ".config", ".config", ".config.lockfern", ".config",
                   [](Builder& b) {
                       b.file("a.txt", "a");
                       b.link("in", "a.txt");
                       b.link("sub/up", "../a.txt");
                       b.link("folderLink", "sub");
                       b.link("dangling", "missing");
                       b.link("out", "/etc/passwd");
                       b.link("sub/climb", "../../x");
                   },
                   {},
                   {"out", "sub/climb"}},
        FolderCase{"modesChosenThroughDotDot", "Photos", "Photos/shared/..", "Photos.lockfern", "Photos",
                   [](Builder& b) {
                       b.file("private", "p", 0600);
                       b.file("tool", "t", 0755);
                       b.file("readOnly", "r", 0400);
                       b.file("setUser", "s", 04755);
                       b.file("locked/inside", "i");
                       b.folder("locked", 0555);
                       b.folder("shared", 01777);
                   }},
        FolderCase{"specialFilesNameTaken", "Photos", "Photos", "Photos.lockfern", "Photos 2",
                   [](Builder& b) {
                       b.file("kept", "k");
                       ASSERT_EQ(::mkfifo(b.path("fifo").c_str(), 0644), 0);
                       b.folder("sub");
                       b.socket("sub/socket");
                   },
                   {"fifo", "sub/socket"}}),
    [](const auto& row) { return std::string(row.param.label); });

// A package, a link to one and the root are never packed; a folder that can't be listed is a problem.
TEST_F(FolderWorkflowTest, packagesAndFoldersWithoutANameAreNotPrepared)
{
    const std::string w = env.work();
    std::filesystem::create_directories(w + "old.lockfern");
    ASSERT_EQ(::symlink((w + "old.lockfern").c_str(), (w + "innocent").c_str()), 0);
    for (const auto& [path, outcome] : {std::pair{w + "old.lockfern", PrepareOutcome::AlreadyEncrypted},
                                        std::pair{w + "innocent", PrepareOutcome::AlreadyEncrypted},
                                        std::pair{std::string("/"), PrepareOutcome::Problem}}) {
        EXPECT_EQ(prepareSource(Path(path)).outcome, outcome) << path;
    }
}

// After the first chunk is encrypted, while the packer is still on the 16 MiB file: a file that grows,
// shrinks, is touched or replaced, or an entry that disappears fails the run as a changed file does.
using Interference = std::pair<const char*, std::function<void(const std::string& folder, std::atomic<bool>&)>>;
using FolderStopTest = WithRows<FolderWorkflowTest, Interference>;

TEST_P(FolderStopTest, stopsTheRunAndLeavesNothing)
{
    const std::string folder = env.work() + "Photos";
    env.file("Photos/big", patternBytes(16 * kChunk));
    env.file("Photos/z", "z");
    std::atomic<bool> cancel{false};
    bool done = false;
    const RunControl control{[&](std::int64_t, std::int64_t) {
                                 if (!std::exchange(done, true)) {
                                     GetParam().second(folder, cancel);
                                 }
                             },
                             &cancel};
    const RunReport report = writePackage({*prepareSource(Path(folder)).source, pw(), std::nullopt}, control);
    const bool cancelled = cancel.load();
    EXPECT_EQ(report.outcome, cancelled ? Outcome::Cancelled : Outcome::Failed);
    EXPECT_EQ(report.lines, QStringList{cancelled ? "encryption cancelled" : "an error occured while encrypting"});
    EXPECT_EQ(Messages::explain(report.failure).text(),
              cancelled ? QString() : QStringLiteral("The file was changed while it was being encrypted."));
    EXPECT_THAT(folderEntries(env.work()), ElementsAre("Photos"));
}

INSTANTIATE_TEST_SUITE_P(
    Interferences, FolderStopTest,
    ::testing::Values(
        Interference{"grows", [](const std::string& f, auto&) { std::ofstream(f + "/big", std::ios::app) << 'x'; }},
        Interference{"shrinks", [](const std::string& f, auto&) { ::truncate((f + "/big").c_str(), kChunk); }},
        Interference{"isReplaced",
                     [](const std::string& f, auto&) {
                         writeFileBytes(f + "/new", patternBytes(16 * kChunk));
                         std::filesystem::rename(f + "/new", f + "/big");
                     }},
        Interference{"isTouched",
                     [](const std::string& f, auto&) {
                         const timespec times[2] = {{0, UTIME_OMIT}, {1, 0}};
                         ::utimensat(AT_FDCWD, (f + "/big").c_str(), times, 0);
                     }},
        Interference{"nextEntryRemoved", [](const std::string& f, auto&) { std::filesystem::remove(f + "/z"); }},
        Interference{"cancelled", [](const std::string&, std::atomic<bool>& cancel) { cancel = true; }}),
    [](const auto& row) { return std::string(row.param.first); });

// ---- many items ------------------------------------------------------------------------------------

// What became of each item: "ok", "unreadable", "taken", "wrong" (password), "stopped" (cancelled while it
// ran), "skipped" (never started); "many" stands for one item more than the cores have, and the
// first of them cancels the run once it tells progress.
struct ManyCase
{
    const char* label;
    bool restoring;
    std::function<void(const std::string& work)> afterChoosing;
    std::vector<std::string> expected;
};

using ManyItemsTest = WithRows<FolderWorkflowTest, ManyCase>;

std::vector<std::string> outcomes(const std::vector<RunReport>& reports, bool restoring)
{
    using Messages::Message;
    using Messages::Reason;
    std::vector<std::string> said;
    for (const RunReport& r : reports) {
        const Reason why = r.failure.reason;
        const bool cancelled = r.outcome == Outcome::Cancelled;
        said.push_back(r.succeeded()                     ? "ok"
                       : cancelled                       ? (r.lines.isEmpty() ? "skipped" : "stopped")
                       : why == Reason::NameTaken        ? "taken"
                       : why == Reason::WrongPassword    ? "wrong"
                       : why == Reason::SourceUnreadable ? "unreadable"
                                                         : "other");
        EXPECT_EQ(r.message, r.succeeded() ? Message::Succeeded
                             : cancelled   ? (restoring ? Message::DecryptCancelled : Message::EncryptCancelled)
                                           : (restoring ? Message::DecryptFailed : Message::EncryptFailed));
    }
    return said;
}

// Items of a chunk and a byte are still running when they first tell progress: once one has, no more
// than one item per core has started, and the last of the run never does.
TEST_P(ManyItemsTest, eachItemIsItsOwnRunReportedInItemOrder)
{
    const ManyCase& c = GetParam();
    const std::string w = env.work();
    const bool many = c.expected.front() == "many";
    const std::size_t count = many ? std::max(1U, std::thread::hardware_concurrency()) + 1 : c.expected.size();
    std::vector<PreparedSource> sources;
    std::vector<OpenedPackage> packages;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string bytes = patternBytes(many || i == 1 ? kChunk + 1 : 100 + i, static_cast<unsigned>(i));
        sources.push_back(*prepareSource(Path(env.file("f" + std::to_string(i) + ".bin", bytes))).source);
        if (c.restoring) {
            const char* password = !many && c.expected[i] == "wrong" ? "other" : "pw";
            packages.push_back(*openPackage(writePackage({sources.back(), pw(password), std::nullopt}).path).package);
            std::filesystem::remove(sources.back().path.bytes());
        }
    }
    c.afterChoosing(w);
    std::atomic<bool> cancel{false};
    std::atomic<int> inside{0};
    BatchProgress last;
    const BatchControl control{[&](const BatchProgress& progress) {
                                   EXPECT_EQ(++inside, 1) << "called by two threads at a time";
                                   EXPECT_GE(progress.done, last.done);
                                   EXPECT_GE(progress.item, last.item);
                                   EXPECT_EQ(progress.count, std::ssize(sources));
                                   EXPECT_TRUE(last.total == 0 || progress.total == last.total);
                                   last = progress;
                                   cancel = cancel || (many && progress.done > 0);
                                   --inside;
                               },
                               &cancel};
    const std::vector<RunReport> reports =
        c.restoring ? restoreFiles(packages, pw(), control) : writePackages(sources, pw(), std::nullopt, control);
    ASSERT_EQ(reports.size(), count);
    std::vector<std::string> expected = c.expected;
    if (many) {
        expected.assign(count - 1, "stopped|ok|skipped");
        expected.push_back("skipped");
    }
    const std::vector<std::string> said = outcomes(reports, c.restoring);
    for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(expected[i].find(said[i]), std::string::npos) << said[i];
        // Every item's result is whole or absent, never half there.
        const std::string result = c.restoring ? sources[i].path.bytes() : sources[i].packagePath.bytes();
        EXPECT_EQ(said[i] == "ok" || said[i] == "taken", Posix::exists(result));
        if (said[i] == "ok") {
            EXPECT_EQ(reports[i].path.bytes(), result);
        }
    }
    EXPECT_EQ(last.done == last.total, !many);
    EXPECT_EQ(last.item == static_cast<int>(count), !many);
    EXPECT_EQ(stagingEntries(w), 0);
}

const auto nothing = [](const std::string&) {};

INSTANTIATE_TEST_SUITE_P(
    Runs, ManyItemsTest,
    ::testing::Values(
        ManyCase{"allGood", false, nothing, {"ok", "ok", "ok", "ok", "ok"}},
        ManyCase{"oneUnreadable", false, [](const std::string& w) { std::filesystem::remove(w + "f3.bin"); },
                 {"ok", "ok", "ok", "unreadable", "ok"}},
        ManyCase{"oneNameTaken", false, [](const std::string& w) { std::filesystem::create_directory(w + "f2.lockfern"); },
                 {"ok", "ok", "taken", "ok"}},
        ManyCase{"cancelInTheMiddle", false, nothing, {"many"}},
        ManyCase{"onePasswordSomeWrong", true, nothing, {"ok", "wrong", "ok", "wrong", "ok"}},
        ManyCase{"cancelRestoring", true, nothing, {"many"}}),
    [](const auto& row) { return std::string(row.param.label); });

} // namespace
