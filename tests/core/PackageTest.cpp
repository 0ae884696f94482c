// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"
#include "Package.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct NamingCase
{
    const char* path;
    bool isPackage;
    const char* baseName;    // of the last component
    const char* packagePath; // of the package it would make
};

class PackageNamingTest : public ::testing::TestWithParam<NamingCase>
{
};

TEST_P(PackageNamingTest, testAndNames)
{
    const NamingCase& c = GetParam();
    EXPECT_EQ(Package::isPackagePath(c.path), c.isPackage);
    const std::string name = Paths::lastComponent(c.path);
    EXPECT_EQ(Paths::baseNameOf(name), c.baseName);
    EXPECT_EQ(Package::packagePath(Paths::parentOf(c.path), name), c.packagePath);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PackageNamingTest,
    ::testing::Values(
        NamingCase{"/data/docs/report.pdf", false, "report", "/data/docs/report.lockfern"},
        NamingCase{"/data/README", false, "README", "/data/README.lockfern"},
        NamingCase{"/data/archive.tar.gz", false, "archive.tar", "/data/archive.tar.lockfern"},
        NamingCase{"/home/u/.profile", false, ".profile", "/home/u/.profile.lockfern"},
        NamingCase{"/data/docs/report.lockfern", true, "report", "/data/docs/report.lockfern"},
        NamingCase{"/data/docs/report.LOCKFERN", false, "report", "/data/docs/report.lockfern"},
        NamingCase{"/data/docs/report.lockfern/report.pdf", false, "report",
                   "/data/docs/report.lockfern/report.lockfern"},
        NamingCase{"/data/docs/report.lockfern/hint.lockfern", true, "hint",
                   "/data/docs/report.lockfern/hint.lockfern"},
        NamingCase{"/data/docs/report.lockfern.", true, "report.lockfern", "/data/docs/report.lockfern.lockfern"},
        NamingCase{"/data/docs/report", false, "report", "/data/docs/report.lockfern"},
        NamingCase{"/data/release.2/readme", false, "readme", "/data/release.2/readme.lockfern"},
        NamingCase{"/data/lockfern", false, "lockfern", "/data/lockfern.lockfern"},
        NamingCase{"/data/a..lockfern", true, "a.", "/data/a..lockfern"},
        NamingCase{"/data/-rf name.txt", false, "-rf name", "/data/-rf name.lockfern"}));

TEST(PackageTest, emptyAndDotsOnlyAreNotPackages)
{
    EXPECT_FALSE(Package::isPackagePath(""));
    EXPECT_FALSE(Package::isPackagePath("..."));
    EXPECT_FALSE(Package::isPackagePath("/"));
}

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
    std::vector<std::string> names;
    for (const File& file : folder.files()) {
        names.push_back(file.name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.txt"}));
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

} // namespace
