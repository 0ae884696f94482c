// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer: folders and files, paths as typed, staging entries.
#include "Files.h"
#include "Package.h"
#include "Staging.h"
#include "TestEnvironment.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Paths as people type them, tab completion's trailing slash included; ".." is left to the links.
class CleanPathTest : public ::testing::TestWithParam<std::pair<const char*, const char*>>
{
};

TEST_P(CleanPathTest, isAbsoluteWithoutDotsOrExtraSlashes)
{
    std::string expected = GetParam().second;
    if (expected.starts_with("CWD")) {
        const std::string cwd = std::filesystem::current_path().string();
        expected = (cwd == "/" ? "" : cwd) + expected.substr(3);
    }
    EXPECT_EQ(Paths::clean(std::string(GetParam().first)), expected.empty() ? "/" : expected);
    EXPECT_EQ(Package::isPackagePath(Paths::clean(std::string(GetParam().first))), expected.ends_with(".lockfern"));
}

INSTANTIATE_TEST_SUITE_P(Typed, CleanPathTest,
                         ::testing::Values(std::pair{"/d/notes.lockfern/", "/d/notes.lockfern"},
                                           std::pair{"/d//notes.lockfern//", "/d/notes.lockfern"},
                                           std::pair{"/d/./notes.lockfern/.", "/d/notes.lockfern"},
                                           std::pair{"/d/../notes.lockfern", "/d/../notes.lockfern"},
                                           std::pair{"//", "/"}, std::pair{"/./", "/"},
                                           std::pair{"notes.lockfern/", "CWD/notes.lockfern"},
                                           std::pair{"./lockfern", "CWD/lockfern"}, std::pair{"lockfern", "CWD/lockfern"},
                                           std::pair{".", "CWD"}));

// What a hostile name or hint shows on a terminal: controls and stray bytes as escapes, text as is.
class VisibleTextTest : public ::testing::TestWithParam<std::pair<std::string, const char*>>
{
};

TEST_P(VisibleTextTest, controlsAndStrayBytesAreEscaped)
{
    EXPECT_EQ(Text::visible(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, VisibleTextTest,
    ::testing::Values(std::pair{std::string("caf\xc3\xa9 \xe4\xb8\xad"), "caf\xc3\xa9 \xe4\xb8\xad"},
                      std::pair{std::string("\x1b]0;owned\x07\x1b[2J"), "\\e]0;owned\\a\\e[2J"},
                      std::pair{std::string("a\rb\nc\td\0e", 9), "a\\rb\\nc\\td\\x00e"},
                      std::pair{std::string("\x7f\xc2\x9b\xc2\xa0"), "\\x7f\\u009b\xc2\xa0"},
                      std::pair{std::string("\x9b\xff\xc3"), "\\x9b\\xff\\xc3"}));

class FilesTest : public ::testing::Test
{
protected:
    TestEnvironment env;
};

TEST_F(FilesTest, folderPathAlwaysEndsWithSlash)
{
    const Folder folder(env.work().substr(0, env.work().size() - 1));
    EXPECT_EQ(folder.path(), env.work());
    EXPECT_EQ(folder.createSubfolder("sub").path(), env.work() + "sub/");
}

TEST_F(FilesTest, filesListsRegularFilesByNameWithoutHiddenOrSpecialEntries)
{
    const Folder folder(env.work());
    folder.createFile("b.txt", QByteArrayLiteral("b"));
    folder.createFile("a.txt", QByteArrayLiteral("a"));
    folder.createFile(".hidden", QByteArrayLiteral("h"));
    folder.createSubfolder("c");
    ASSERT_EQ(::mkfifo((env.work() + "fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink((env.work() + "a.txt").c_str(), (env.work() + "link").c_str()), 0);
    const auto names = [&folder](Folder::Listing listing) {
        std::vector<std::string> names;
        for (const File& file : folder.files(listing)) {
            names.push_back(file.name());
        }
        return names;
    };
    EXPECT_EQ(names(Folder::Listing::WithoutHidden), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(names(Folder::Listing::WithHidden), (std::vector<std::string>{".hidden", "a.txt", "b.txt"}));
}

TEST_F(FilesTest, createSubfolderFailsWhenNameTaken)
{
    const Folder folder(env.work());
    folder.createFile("taken", QByteArrayLiteral("x"));
    EXPECT_THROW(folder.createSubfolder("taken"), FileSystemError);
    EXPECT_EQ(readFileBytes(env.work() + "taken"), "x");
}

TEST_F(FilesTest, createFileIfNeededLeavesExistingFileUntouched)
{
    const Folder folder(env.work());
    folder.createFile("f", QByteArrayLiteral("old"));
    folder.createFileIfNeeded("f", QByteArrayLiteral("new"));
    EXPECT_EQ(readFileBytes(env.work() + "f"), "old");
}

TEST_F(FilesTest, textRoundTripsAsUtf8AndInvalidUtf8IsRefused)
{
    const Folder folder(env.work());
    const QString text = QStringLiteral("h\u00e9llo \u2603");
    EXPECT_EQ(folder.createFile("t", text).readAsString(), text);
    writeFileBytes(env.work() + "bad", "\xff\xfe");
    EXPECT_THROW(File(env.work() + "bad").readAsString(), FileSystemError);
}

TEST_F(FilesTest, readAsStringRefusesFilesOverTheCap)
{
    writeFileBytes(env.work() + "big", std::string(2000, 'a'));
    EXPECT_THROW(File(env.work() + "big").readAsString(1000), FileSystemError);
}

TEST_F(FilesTest, fileRequiresARegularFile)
{
    EXPECT_THROW(File(env.work() + "missing"), FileSystemError);
    EXPECT_THROW(File(env.work()), FileSystemError);
    EXPECT_THROW(File("/dev/zero"), FileSystemError);
    EXPECT_THROW(Folder(env.work() + "missing"), FileSystemError);
}

TEST_F(FilesTest, removeDeletesFolderWithContents)
{
    const Folder sub = Folder(env.work()).createSubfolder("sub");
    sub.createFile("x", QByteArrayLiteral("x"));
    sub.remove();
    EXPECT_THROW(Folder(env.work() + "sub"), FileSystemError);
}

// A later run removes what a killed one left, and nothing else: not a live run's entry, not another
// user's, not anything that only looks like ours.
TEST_F(FilesTest, removeStaleTakesOnlyStagingEntriesWhoseRunIsGone)
{
    const std::string w = env.work();
    writeFileBytes(w + ".lockfern-staleFile0", "plaintext");
    ::mkdir((w + ".lockfern-staleFoldr").c_str(), 0700);
    writeFileBytes(w + ".lockfern-staleFoldr/a.txt", "partial");
    ::mkdir((w + ".lockfern-holdsFoldr").c_str(), 0700);
    ::mkdir((w + ".lockfern-holdsFoldr/sub").c_str(), 0700);
    writeFileBytes(w + ".lockfern-short", "x");
    writeFileBytes(w + ".lockfern-notOurs!!!", "x");
    writeFileBytes(w + "kept.txt", "kept");
    ::symlink((w + "kept.txt").c_str(), (w + ".lockfern-aLinkToAFi").c_str());
    std::vector<std::string> kept{".lockfern-aLinkToAFi", ".lockfern-holdsFoldr", ".lockfern-notOurs!!!",
                                  ".lockfern-short", "kept.txt"};
    if (::geteuid() == 0) {
        writeFileBytes(w + ".lockfern-otherUser0", "theirs");
        ASSERT_EQ(::chown((w + ".lockfern-otherUser0").c_str(), 12345, 12345), 0);
        kept.push_back(".lockfern-otherUser0");
    }
    const auto before = folderEntries(w);
    Staging::features().anonymousFiles = false;
    const Staging::StagedFile liveFile(w, 0600);
    const Staging::StagedFolder liveFolder(w);
    Staging::features() = {};
    for (const auto& name : folderEntries(w)) {
        if (std::find(before.begin(), before.end(), name) == before.end()) {
            kept.push_back(name);
        }
    }
    ASSERT_EQ(kept.size(), before.size() - 2 + 2) << "the two live entries, under their own names";
    std::sort(kept.begin(), kept.end());

    Staging::removeStale(w);
    EXPECT_EQ(folderEntries(w), kept);
}

} // namespace
