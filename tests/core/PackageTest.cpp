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

} // namespace
