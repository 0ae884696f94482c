// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer: paths as typed and the package they name, text shown on a terminal, staging entries.
#include "Files.h"
#include "Package.h"
#include "Staging.h"
#include "TestEnvironment.h"
#include "Text.h"

#include <QUrl>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct PathCase
{
    const char* typed;
    const char* clean; // nullptr: as typed; "CWD" stands for the working folder
    bool isPackage;
    const char* packagePath; // of the package it would make; nullptr: not asked
};

// Paths as people type them, tab completion's trailing slash included; ".." is left to the links.
// Only the last extension makes way for the package's, compared exactly.
class CleanPathTest : public ::testing::TestWithParam<PathCase>
{};

TEST_P(CleanPathTest, isAbsoluteWithoutDotsOrExtraSlashesAndNamesItsPackage)
{
    const PathCase& c = GetParam();
    const auto resolved = [](std::string path) {
        const std::string cwd = std::filesystem::current_path().string();
        path = path.starts_with("CWD") ? (cwd == "/" ? "" : cwd) + path.substr(3) : path;
        return path.empty() ? "/" : path;
    };
    const Path clean(c.typed);
    EXPECT_EQ(clean.bytes(), resolved(c.clean ? c.clean : c.typed));
    EXPECT_EQ(Package::isPackagePath(clean), c.isPackage);
    if (c.packagePath) {
        EXPECT_EQ(Package::packagePath(clean).bytes(), resolved(c.packagePath));
    }
}

const PathCase kPaths[] = {
    {"/d/notes.lockfern/", "/d/notes.lockfern", true, "/d/notes.lockfern"},
    {"/d//notes.lockfern//", "/d/notes.lockfern", true, nullptr},
    {"/d/./notes.lockfern/.", "/d/notes.lockfern", true, nullptr},
    {"/d/../notes.lockfern", nullptr, true, nullptr}, {"//", "/", false, nullptr}, {"/./", "/", false, nullptr},
    {".", "CWD", false, nullptr}, {"notes.lockfern/", "CWD/notes.lockfern", true, nullptr},
    {"./lockfern", "CWD/lockfern", false, "CWD/lockfern.lockfern"}, {"lockfern", "CWD/lockfern", false, nullptr},
    {"/data/docs/report.pdf", nullptr, false, "/data/docs/report.lockfern"},
    {"/data/README", nullptr, false, "/data/README.lockfern"},
    {"/data/archive.tar.gz", nullptr, false, "/data/archive.tar.lockfern"},
    {"/home/u/.profile", nullptr, false, "/home/u/.profile.lockfern"},
    {"/data/release.2/readme", nullptr, false, "/data/release.2/readme.lockfern"},
    {"/data/report.LOCKFERN", nullptr, false, "/data/report.lockfern"},
    {"/data/r.lockfern/r.pdf", nullptr, false, "/data/r.lockfern/r.lockfern"},
    {"/data/r.lockfern/hint.lockfern", nullptr, true, "/data/r.lockfern/hint.lockfern"},
    {"/data/report.lockfern.", nullptr, true, "/data/report.lockfern.lockfern"},
    {"/data/a..lockfern", nullptr, true, "/data/a..lockfern"}, {"/data/...", nullptr, false, nullptr}};
INSTANTIATE_TEST_SUITE_P(Typed, CleanPathTest, ::testing::ValuesIn(kPaths));

TEST(PackagePath, emptyIsNotAPackage)
{
    EXPECT_FALSE(Package::isPackagePath(""));
}

// File managers parse the URI: every space, "#", "%", "?" and byte outside ASCII percent-encoded. A
// drop or a platform's file dialog hands a URL over, which keeps the bytes of a name that is not UTF-8;
// shown as text, such a name has a replacement character.
TEST(PathBytes, surviveAUrlAndShowAsText)
{
    for (const auto& [path, uri] :
         {std::pair("/home/ann/report.lockfern", "file:///home/ann/report.lockfern"),
          std::pair("/home/ann/Tax return \u00e9.lockfern", "file:///home/ann/Tax%20return%20%C3%A9.lockfern"),
          std::pair("/home/ann/#2 100% done?.lockfern", "file:///home/ann/%232%20100%25%20done%3F.lockfern"),
          std::pair("/home/\u00e5sa/\u65e5\u8a18 #1/a%20b", "file:///home/%C3%A5sa/%E6%97%A5%E8%A8%98%20%231/a%2520b"),
          std::pair("/data/caf\xe9 #1.txt", "file:///data/caf%E9%20%231.txt")}) {
        EXPECT_EQ(Path(path).fileUri().toStdString(), uri);
        EXPECT_EQ(Path::fromUrl(QUrl::fromEncoded(uri, QUrl::StrictMode)).bytes(), path);
    }
    const Path latin1("/data/caf\xe9 #1.txt");
    EXPECT_EQ(latin1.display(), QString::fromUtf8("/data/caf\xef\xbf\xbd #1.txt"));
    EXPECT_EQ(Path::fromText(latin1.display()).bytes(), "/data/caf\xef\xbf\xbd #1.txt") << "text loses the byte";
    EXPECT_TRUE(Path::fromUrl(QUrl(QStringLiteral("https://example.org/a"))).isEmpty());
}

// What a hostile name or hint shows on a terminal: controls and stray bytes as escapes, text as is.
class VisibleTextTest : public ::testing::TestWithParam<std::pair<std::string, const char*>>
{};

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

// A later run removes what a killed one left, and nothing else: not a live run's entry, not another
// user's, not anything that only looks like ours.
TEST(FilesTest, removeStaleTakesOnlyStagingEntriesWhoseRunIsGone)
{
    const TestEnvironment env;
    const std::string w = env.work();
    env.file(".lockfern-staleFile0", "plaintext");
    env.file(".lockfern-staleFoldr/a.txt", "partial");
    env.file(".lockfern-holdsFoldr/sub/deeper/b.txt", "a killed extraction's"); // a folder's tree too
    ::chmod((w + ".lockfern-holdsFoldr/sub").c_str(), 0500);
    env.file(".lockfern-short", "x");
    env.file(".lockfern-notOurs!!!", "x");
    env.file("kept.txt", "kept");
    ASSERT_EQ(::symlink((w + "kept.txt").c_str(), (w + ".lockfern-aLinkToAFi").c_str()), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(env.file(".lockfern-otherUser0", "theirs").c_str(), 12345, 12345), 0);
    }
    const std::size_t before = folderEntries(w).size();
    Staging::features().anonymousFiles = false;
    const Staging::StagedFile liveFile(Path(w), 0600);
    const Staging::StagedFolder liveFolder{Path(w)};
    Staging::features() = {};
    // All but the three stale entries; the two live ones are there under their own names.
    auto kept = folderEntries(w);
    ASSERT_EQ(kept.size(), before + 2);
    for (const char* stale : {".lockfern-staleFile0", ".lockfern-staleFoldr", ".lockfern-holdsFoldr"}) {
        std::erase(kept, stale);
    }

    Staging::removeStale(Path(w));
    EXPECT_EQ(folderEntries(w), kept);
}

} // namespace
