// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Staging and publishing: what a run writes stays out of sight until it is whole, then takes its
// final name with a step that never replaces anything. A staging entry is hidden, named
// ".lockfern-" plus ten letters or digits, and locked for as long as its run lives, so a later run
// can tell a stale entry (its run was killed) from a live one and remove only the stale ones.

#include "Path.h"
#include "Posix.h"

#include <sys/types.h>

#include <string>

namespace Staging {

// What the file system offers. Tests turn features off to take the paths that NFS, many FUSE and
// SMB mounts take, where the kernel answers EINVAL (or EOPNOTSUPP) instead.
struct Features
{
    bool renameNoReplace = true; // renameat2(RENAME_NOREPLACE)
    bool anonymousFiles = true;  // open(O_TMPFILE)
};
Features& features();

bool isStagingName(const std::string& name);

// Removes the staging entries of ours in `folder` whose run is gone (those whose lock can be taken),
// with whatever they hold.
// Only in a folder where nobody else can rename entries: ours or root's, and not writable by others
// unless sticky. Best effort; a folder that can't be read or written is left as it is.
void removeStale(const Path& folder);

// A hidden folder beside the package or restored folder it becomes.
class StagedFolder
{
public:
    explicit StagedFolder(const Path& parentFolder);
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;
    ~StagedFolder(); // removes what was staged, unless it was published

    const Path& path() const { return m_path; }
    int fd() const { return m_lock.get(); } // open for reading, to make entries in it
    // Renames the folder to `target` if nothing holds that name; throws FileSystemError (EEXIST or
    // ENOTEMPTY when the name is taken).
    void publishAs(const Path& target);
    // Removes the folder with everything in it; true when it is gone.
    bool discard();

private:
    Path m_path;
    UniqueFd m_lock;
    bool m_done = false;
};

// A file to be published in `folder`: unnamed (O_TMPFILE) where the file system allows, so a kill
// leaves nothing, and a locked hidden name elsewhere.
class StagedFile
{
public:
    StagedFile(const Path& folder, mode_t mode);
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile(); // removes a named staging file that was not published

    int fd() const { return m_fd.get(); } // open for reading and writing
    bool isAnonymous() const { return m_path.isEmpty(); }
    // Gives the file the name `target` if nothing holds it: false when something does.
    bool publishAs(const Path& target);

private:
    UniqueFd m_fd;
    Path m_path; // none while unnamed
};

} // namespace Staging
