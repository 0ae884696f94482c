// SPDX-License-Identifier: GPL-3.0-or-later
// Folders as pax tar streams: round trips (read back by GNU tar too), folders that change while they are
// packed, and hostile archives, which must leave everything outside the folder they go into as it was.
#include "FolderArchive.h"
#include "FolderTrees.h"
#include "Posix.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace {

using FolderArchive::Error;

class FolderArchiveTest : public ::testing::Test
{
protected:
    ~FolderArchiveTest() override { removeWork(env); }

    std::string source() const { return env.work() + "Photos"; }
    std::string archivePath() const { return env.work() + "archive.tar"; }
    std::string into() const { return env.work() + "outer/into"; }

    FolderArchive::Packed pack(const RunControl& control = {})
    {
        const UniqueFd out(::open(archivePath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        return FolderArchive::pack(source(), out.get(), control);
    }
    FolderArchive::Extracted extract(const RunControl& control = {})
    {
        std::filesystem::create_directories(into());
        const UniqueFd in(::open(archivePath().c_str(), O_RDONLY | O_CLOEXEC));
        intoFd = UniqueFd(::open(into().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        return FolderArchive::extract(in.get(), intoFd.get(), control);
    }
    int run(const std::string& command) const { return std::system(("cd '" + env.work() + "' && " + command).c_str()); }

    TestEnvironment env;
    UniqueFd intoFd;
};

template <typename Run> Error::Kind failureOf(const Run& run)
{
    try {
        run();
    } catch (const Error& error) {
        return error.kind();
    }
    ADD_FAILURE() << "it did not fail";
    return Error::Kind::Damaged;
}

struct TreeCase
{
    const char* name;
    std::function<void(Builder&)> build;
    std::vector<std::string> packSkipped;
    std::vector<std::string> extractSkipped;
};

void PrintTo(const TreeCase& row, std::ostream* out)
{
    *out << row.name;
}

using RoundTripTest = WithRows<FolderArchiveTest, TreeCase>;

TEST_P(RoundTripTest, restoresTheFolderAsGnuTarDoesLeavingOutOnlyWhatCannotBeRestored)
{
    Builder builder{source(), {}};
    GetParam().build(builder);
    builder.finish();
    const FolderArchive::Scan scan = FolderArchive::scan(source());
    EXPECT_EQ(pack().skipped, GetParam().packSkipped);
    const FolderArchive::Extracted extracted = extract();
    EXPECT_EQ(extracted.rootName, "Photos");
    EXPECT_EQ(extracted.skipped, GetParam().extractSkipped);

    // Permission bits only; ours leaves out links that lead outside, GNU tar makes them.
    Tree expected = describe(source(), 0777);
    std::int64_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(source())) {
        bytes += entry.is_regular_file() && !entry.is_symlink() ? static_cast<std::int64_t>(entry.file_size()) : 0;
    }
    for (const std::string& skipped : GetParam().packSkipped) {
        expected.erase(skipped);
    }
    EXPECT_EQ(scan.entries, std::ssize(expected));
    EXPECT_EQ(scan.contentBytes, bytes);
    std::filesystem::create_directory(env.work() + "gnu");
    EXPECT_EQ(run("tar -xpf archive.tar -C gnu 2>/dev/null"), 0);
    EXPECT_EQ(describe(env.work() + "gnu/Photos", 07777), expected);
    for (const std::string& skipped : GetParam().extractSkipped) {
        expected.erase(skipped);
    }
    EXPECT_EQ(describe(into(), 07777), expected);
}

std::string nested(int depth)
{
    std::string path = "n";
    for (int i = 1; i < depth; ++i) {
        path += "/n";
    }
    return path;
}

const TreeCase kTrees[] = {
    {"nestedAndEmpty",
     [](Builder& b) {
         b.file("a/b/c/deep.txt", "deep");
         b.file("a/top.txt", "top");
         b.folder("empty");
         b.folder("a/b/emptyToo");
         b.file("zero");
         b.file("a/zero");
     },
     {},
     {}},
    {"largeFile",
     [](Builder& b) {
         b.file("big", patternBytes((3 << 20) + 12345));
         b.file("small", "s");
     },
     {},
     {}},
    {"oddNames",
     [](Builder& b) {
         b.file(" spaced name ", "1");
         b.file("new\nline", "2");
         b.file("-leading", "3");
         b.file("bytes \xff\xfe", "4");
         b.file("caf\xc3\xa9 \xe4\xb8\xad", "5");
         b.file(std::string(255, 'n'), "6");
         b.file(nested(60) + "/leaf", "7");
     },
     {},
     {}},
    {"links",
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
    {"modes",
     [](Builder& b) {
         b.file("private", "p", 0600);
         b.file("tool", "t", 0755);
         b.file("readOnly", "r", 0400);
         b.file("setUser", "s", 04755);
         b.file("locked/inside", "i");
         b.folder("locked", 0555);
         b.folder("shared", 01777);
     },
     {},
     {}},
    {"specialFiles",
     [](Builder& b) {
         b.file("kept", "k");
         ASSERT_EQ(::mkfifo(b.path("fifo").c_str(), 0644), 0);
         b.folder("sub");
         b.socket("sub/socket");
     },
     {"fifo", "sub/socket"},
     {}},
};
INSTANTIATE_TEST_SUITE_P(Trees, RoundTripTest, ::testing::ValuesIn(kTrees),
                         [](const auto& row) { return std::string(row.param.name); });

struct ChangeCase
{
    const char* name;
    std::function<void(const std::string& folder, std::atomic<bool>& cancel)> during;
    Error::Kind kind;
};

void PrintTo(const ChangeCase& row, std::ostream* out)
{
    *out << row.name;
}

using ChangedWhilePackedTest = WithRows<FolderArchiveTest, ChangeCase>;

// After the first block of a file of three.
TEST_P(ChangedWhilePackedTest, failsTheRun)
{
    env.file("Photos/big", patternBytes(3 << 20));
    env.file("Photos/z", "z");
    std::atomic<bool> cancel{false};
    bool changed = false;
    const RunControl control{[&](std::int64_t, std::int64_t) {
                                             if (!std::exchange(changed, true)) {
                                                 GetParam().during(source(), cancel);
                                             }
                                         },
                                         &cancel};
    EXPECT_EQ(failureOf([&] { pack(control); }), GetParam().kind);
}

const ChangeCase kChanges[] = {
    {"grows", [](const std::string& f, auto&) { std::ofstream(f + "/big", std::ios::app) << 'x'; },
     Error::Kind::Changed},
    {"shrinks", [](const std::string& f, auto&) { ::truncate((f + "/big").c_str(), 2 << 20); }, Error::Kind::Changed},
    {"isReplaced",
     [](const std::string& f, auto&) {
         writeFileBytes(f + "/new", patternBytes(3 << 20));
         std::filesystem::rename(f + "/new", f + "/big");
     },
     Error::Kind::Changed},
    {"isTouched",
     [](const std::string& f, auto&) {
         const timespec times[2] = {{0, UTIME_OMIT}, {1, 0}};
         ::utimensat(AT_FDCWD, (f + "/big").c_str(), times, 0);
     },
     Error::Kind::Changed},
    {"nextEntryRemoved", [](const std::string& f, auto&) { std::filesystem::remove(f + "/z"); }, Error::Kind::Changed},
    {"cancelled", [](const std::string&, std::atomic<bool>& cancel) { cancel = true; }, Error::Kind::Cancelled},
};
INSTANTIATE_TEST_SUITE_P(Changes, ChangedWhilePackedTest, ::testing::ValuesIn(kChanges),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(FolderArchiveTest, readerThatGoesAwayIsAnErrorNotASignal)
{
    env.file("Photos/big", patternBytes(1 << 20));
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const UniqueFd writing(ends[1]);
    try {
        FolderArchive::pack(source(), writing.get());
        ADD_FAILURE() << "packed into a closed pipe";
    } catch (const FileSystemError& error) {
        EXPECT_EQ(error.error(), EPIPE);
    }
}

TEST_F(FolderArchiveTest, cancelWhileExtractingStopsAndWhatWasMadeCanBeRemoved)
{
    env.file("Photos/big", patternBytes(3 << 20));
    env.file("Photos/sub/a", "a");
    pack();
    std::atomic<bool> cancel{false};
    EXPECT_EQ(failureOf([&] {
                  extract({[&cancel](std::int64_t, std::int64_t) { cancel = true; }, &cancel});
              }),
              Error::Kind::Cancelled);
    Posix::removeContents(intoFd.get());
    EXPECT_EQ(folderEntries(into()), std::vector<std::string>{});
}

// Ours carries the marker; a tar of the same folder made by GNU tar does not, nor does anything else.
using MarkerTest = WithRows<FolderArchiveTest, std::pair<const char*, bool>>;

TEST_P(MarkerTest, onlyOurArchiveIsOurs)
{
    env.file("Photos/a", "a");
    env.file("Photos/sub/b", "b");
    if (GetParam().first) {
        ASSERT_EQ(run(GetParam().first), 0);
    } else {
        pack();
    }
    const UniqueFd in(::open(archivePath().c_str(), O_RDONLY | O_CLOEXEC));
    EXPECT_EQ(FolderArchive::isFolderArchive(in.get()), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Makers, MarkerTest,
                         ::testing::Values(std::pair<const char*, bool>{nullptr, true},
                                           std::pair{"tar --format=pax -cf archive.tar Photos", false},
                                           std::pair{"tar -cf archive.tar Photos", false},
                                           std::pair{"tar --format=pax --owner=0 --group=0 --numeric-owner "
                                                     "-cf archive.tar Photos",
                                                     false},
                                           std::pair{"cat Photos/a > archive.tar", false},
                                           std::pair{": > archive.tar", false}));

struct HostileCase
{
    const char* name;
    std::vector<Item> items; // the first carries our marker
    bool damaged;
    std::vector<std::string> skipped = {};
    std::vector<std::string> made = {}; // "path mode", checked
    off_t truncateTo = 0;
};

void PrintTo(const HostileCase& row, std::ostream* out)
{
    *out << row.name;
}

using HostileArchiveTest = WithRows<FolderArchiveTest, HostileCase>;

TEST_P(HostileArchiveTest, failsOrSkipsAndMakesNothingOutside)
{
    const HostileCase& c = GetParam();
    craft(archivePath(), c.items, env.work());
    if (c.truncateTo > 0) {
        ASSERT_EQ(::truncate(archivePath().c_str(), c.truncateTo), 0);
    }
    env.file("outer/victim", "victim");
    std::filesystem::create_directories(into());
    const auto before = snapshot(env.work());
    try {
        const FolderArchive::Extracted extracted = extract();
        EXPECT_FALSE(c.damaged);
        EXPECT_EQ(extracted.skipped, c.skipped);
        for (const std::string& made : c.made) {
            struct stat st {};
            EXPECT_EQ(::lstat((into() + "/" + made.substr(0, made.find(' '))).c_str(), &st), 0) << made;
            EXPECT_EQ(made.substr(made.find(' ') + 1),
                      (std::ostringstream() << std::oct << (st.st_mode & 07777)).str());
        }
    } catch (const Error& error) {
        EXPECT_TRUE(c.damaged) << error.what();
        EXPECT_EQ(error.kind(), Error::Kind::Damaged);
    }
    Posix::removeContents(intoFd.get());
    EXPECT_EQ(snapshot(env.work()), before);
}

const Item kRoot{'d', "Photos/"};

std::vector<Item> manyFiles(int count)
{
    std::vector<Item> items{kRoot};
    for (int i = 0; i < count; ++i) {
        items.push_back({'f', "Photos/f" + std::to_string(i), "", 0644});
    }
    return items;
}

const HostileCase kHostile[] = {
    {"absolutePath", {kRoot, {'f', "@outer/escaped", "x"}}, true},
    {"dotDot", {kRoot, {'f', "Photos/../escaped", "x"}}, true},
    {"outsideTheRoot", {kRoot, {'f', "Other/escaped", "x"}}, true},
    {"dotRoot", {{'d', "./"}, {'f', "./escaped", "x"}}, true},
    {"rootNotFirst", {{'f', "Photos/a", "x"}, kRoot}, true},
    {"secondRoot", {kRoot, kRoot}, true},
    {"empty", {}, true},
    {"writeThroughOutwardLink", {kRoot, {'l', "Photos/out", "@outer"}, {'f', "Photos/out/escaped", "x"}}, true},
    {"writeThroughInwardLink", {kRoot, {'d', "Photos/d"}, {'l', "Photos/in", "d"}, {'f', "Photos/in/x", "x"}}, true},
    {"linksLeadingOut",
     {kRoot, {'l', "Photos/abs", "@outer/victim"}, {'l', "Photos/up", "../outer"}},
     false,
     {"abs", "up"}},
    {"linkOutThroughLink",
     {kRoot, {'d', "Photos/d"}, {'l', "Photos/d/up", ".."}, {'l', "Photos/d/out", "up/.."}},
     false,
     {"d/out"},
     {"d/up 777"}},
    {"device", {kRoot, {'c', "Photos/null"}}, false, {"null"}},
    {"fifo", {kRoot, {'p', "Photos/fifo"}}, false, {"fifo"}},
    {"hardLink", {kRoot, {'h', "Photos/passwd", "/etc/passwd"}}, true},
    {"setUserBits",
     {kRoot, {'f', "Photos/tool", "x", 06755}, {'d', "Photos/shared", "", 01777}},
     false,
     {},
     {"tool 755", "shared 777"}},
    {"sparseOversized", {kRoot, {'s', "Photos/huge", "1099511627776"}}, true},
    {"sparse", {kRoot, {'s', "Photos/holes", "4096"}}, true},
    {"largerThanTheArchive", {kRoot, {'f', "Photos/big", std::string(2 << 20, 'b')}}, true, {}, {}, 1 << 20},
    {"duplicateName", {kRoot, {'f', "Photos/a", "1"}, {'f', "Photos/a", "2"}}, true},
    {"outOfOrder", {kRoot, {'d', "Photos/a"}, {'f', "Photos/b", "x"}, {'f', "Photos/a/c", "x"}}, true},
    {"damagedAfterReadOnlyFolder",
     {kRoot, {'d', "Photos/ro", "", 0}, {'f', "Photos/ro/a", "a"}, {'f', "Photos/z", "z"}, {'f', "Photos/z", "z"}},
     true},
    {"manyEntries", manyFiles(5000), false, {}, {"f4999 644"}},
};
INSTANTIATE_TEST_SUITE_P(Archives, HostileArchiveTest, ::testing::ValuesIn(kHostile),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
