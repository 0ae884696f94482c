// SPDX-License-Identifier: GPL-3.0-or-later
// Folders as pax tar streams: round trips (read back by GNU tar too), folders that change while they are
// packed, and hostile archives, which must leave everything outside the folder they go into as it was.
#include "FolderArchive.h"
#include "Files.h"
#include "Posix.h"
#include "TestEnvironment.h"

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sstream>
#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using FolderArchive::Error;
using Tree = std::map<std::string, std::string>;

// Every entry of a folder, itself as ".", not following links: mode (under `mask`), time, bytes or target.
Tree describe(const std::string& root, mode_t mask)
{
    Tree tree;
    const auto add = [&tree, &root, mask](const std::filesystem::path& path) {
        struct stat st {};
        ::lstat(path.c_str(), &st);
        char mode[16];
        std::snprintf(mode, sizeof mode, "%o", static_cast<unsigned>(st.st_mode & (S_IFMT | mask)));
        std::string what =
            std::string(mode) + " " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
        if (S_ISREG(st.st_mode)) {
            what += " " + std::to_string(std::hash<std::string>{}(readFileBytes(path)));
        } else if (S_ISLNK(st.st_mode)) {
            what += " -> " + std::filesystem::read_symlink(path).string();
        }
        tree[path.lexically_relative(root).string()] = what;
    };
    add(root);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        add(entry.path());
    }
    return tree;
}

// A folder made for a case; folder modes are given last, so read-only ones can be filled first.
struct Builder
{
    std::string root;
    std::vector<std::pair<std::string, mode_t>> folderModes;

    std::string path(const std::string& relative) const { return root + "/" + relative; }
    void file(const std::string& relative, const std::string& bytes = {}, mode_t mode = 0644)
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        writeFileBytes(path(relative), bytes);
        ::chmod(path(relative).c_str(), mode);
    }
    void folder(const std::string& relative, mode_t mode = 0755)
    {
        std::filesystem::create_directories(path(relative));
        folderModes.emplace_back(relative, mode);
    }
    void link(const std::string& relative, const std::string& target)
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        std::filesystem::create_symlink(target, path(relative));
    }
    void socket(const std::string& relative)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path(relative).copy(address.sun_path, sizeof address.sun_path - 1);
        const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM, 0));
        ASSERT_EQ(::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
    // Distinct times, nanoseconds included, on everything.
    void finish()
    {
        for (const auto& [relative, mode] : folderModes) {
            ::chmod(path(relative).c_str(), mode);
        }
        long i = 0;
        for (const auto& [relative, what] : describe(root, 0)) {
            const timespec times[2] = {{0, UTIME_OMIT}, {1'000'000'000 + 7 * i, 1000 * i + 1}};
            ::utimensat(AT_FDCWD, path(relative).c_str(), times, AT_SYMLINK_NOFOLLOW);
            ++i;
        }
    }
};

class FolderArchiveTest : public ::testing::Test
{
protected:
    // Read-only folders and names that are not UTF-8 would outlive the test's temporary folder.
    ~FolderArchiveTest() override
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(
                 env.work(), std::filesystem::directory_options::skip_permission_denied, ignored)) {
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(env.work(), ignored);
    }

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
    FolderArchive::removeContents(intoFd.get());
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

// An entry of a crafted archive. Types: 'd' folder, 'f' file of `text`, 'l' link to `text`, 'h' hard link to
// `text`, 'c' device, 'p' FIFO, 's' sparse file claiming `text` bytes. "@" stands for the work folder.
struct Item
{
    char type;
    std::string path;
    std::string text = {};
    mode_t mode = 0755;
};

struct HostileCase
{
    const char* name;
    std::vector<Item> items; // the first carries our marker
    bool damaged;
    std::vector<std::string> skipped = {};
    std::vector<std::string> made = {}; // "path mode", checked
    off_t truncateTo = 0;
};

void craft(const std::string& path, const std::vector<Item>& items, const std::string& work)
{
    const auto at = [&work](std::string text) { return text.starts_with('@') ? work + text.substr(1) : text; };
    archive* writer = archive_write_new();
    archive_write_set_format_pax(writer);
    ASSERT_EQ(archive_write_open_filename(writer, path.c_str()), ARCHIVE_OK);
    for (const Item& item : items) {
        archive_entry* entry = archive_entry_new();
        archive_entry_copy_pathname(entry, at(item.path).c_str());
        archive_entry_set_perm(entry, item.mode);
        archive_entry_set_filetype(entry, AE_IFREG);
        switch (item.type) {
        case 'd':
            archive_entry_set_filetype(entry, AE_IFDIR);
            break;
        case 'f':
            archive_entry_set_size(entry, std::ssize(item.text));
            break;
        case 'l':
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_copy_symlink(entry, at(item.text).c_str());
            break;
        case 'h':
            archive_entry_copy_hardlink(entry, item.text.c_str());
            break;
        case 'c':
            archive_entry_set_filetype(entry, AE_IFCHR);
            archive_entry_set_rdev(entry, makedev(1, 3));
            break;
        case 'p':
            archive_entry_set_filetype(entry, AE_IFIFO);
            break;
        case 's':
            archive_entry_set_size(entry, std::stoll(item.text));
            archive_entry_sparse_add_entry(entry, 0, 512);
            break;
        }
        if (&item == &items.front()) {
            archive_entry_xattr_add_entry(entry, "user.lockfern.folder", "1", 1);
        }
        ASSERT_EQ(archive_write_header(writer, entry), ARCHIVE_OK) << item.path;
        const std::string data = item.type == 'f' ? item.text : item.type == 's' ? std::string(512, 's') : "";
        archive_write_data(writer, data.data(), data.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
}

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
    FolderArchive::removeContents(intoFd.get());
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
