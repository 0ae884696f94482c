// SPDX-License-Identifier: GPL-3.0-or-later
// Folders as pax tar streams: what ends a run, and which archives are ours. Round trips (read back by GNU
// tar too), folders that change while they are packed and hostile archives go through the workflows, in
// tests/core and tests/faults.
#include "FolderArchive.h"
#include "FolderTrees.h"
#include "Posix.h"

#include <gtest/gtest.h>

#include <fcntl.h>
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

} // namespace
