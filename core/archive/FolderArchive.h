// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder as a POSIX pax tar stream (written and read by libarchive) and back. Packing never follows
// a link inside the folder; extraction writes only beneath the folder it is given, whatever the
// archive holds. Reading the folder or writing the output fails with FileSystemError (errno kept);
// what is particular to archives fails with FolderArchive::Error.

#include "RunControl.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace FolderArchive {

class Error : public std::runtime_error
{
public:
    enum class Kind {
        Changed,   // a file or folder changed while it was packed
        Damaged,   // not a folder archive of ours, or one that is damaged or hostile
        Cancelled, // a cancel request was seen
    };
    Error(Kind kind, const std::string& what) : std::runtime_error(what), m_kind(kind) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// A run's control is looked at between blocks of file data. Progress is called from the calling
// thread: when packing, after each block, with the bytes of file content so far against the folder's
// scan (made only when progress is asked for); when extracting, after each block and each entry, with
// the bytes of the archive read against its size.
using Control = ::RunControl;

// What packing the folder would store: the folder itself, folders, files and links (not the special
// files it leaves out), and the bytes of its files. Never follows a link inside the folder.
struct Scan
{
    std::int64_t contentBytes = 0;
    std::int64_t entries = 0;
};
Scan scan(const std::string& folder);

struct Packed
{
    std::vector<std::string> skipped; // sockets, FIFOs and devices, by path inside the folder
};
// Writes `folder` (itself possibly a link to a folder) to `out`, a pipe or a file, as a pax tar stream:
// "NAME/" first, marked as ours, then everything inside under "NAME/...", depth first in byte order
// of names. Links are stored as links, modes as permission bits, times as modification times;
// owners are not stored. Throws Error(Changed) when a file grows, shrinks, is touched or replaced
// while it is packed, or an entry disappears. A reader that closes a pipe early gives EPIPE, not SIGPIPE.
// Progress is told against `scanned` when the caller has scanned the folder already.
Packed pack(const std::string& folder, int out, const Control& control = {}, const Scan* scanned = nullptr);

// Whether the file `fd` holds one of our folder archives, from its first header (read from offset 0).
// Throws FileSystemError only when the file cannot be read.
bool isFolderArchive(int fd);

struct Extracted
{
    std::string rootName;             // the packed folder's name, one valid component
    std::vector<std::string> skipped; // entries not made: special files, links that lead outside
};
// Extracts the archive in `fd` (authenticated by the caller; read from offset 0) into the empty folder
// open as `intoFolderFd`, which becomes the restored folder: it takes the root entry's mode and time
// at the end. Nothing is written outside it, no link is followed, nothing is replaced. Throws
// Error(Damaged) on anything our packer would not write; what was made by then is left for
// Posix::removeContents. Files are not synced: sync the file system once before publishing.
Extracted extract(int fd, int intoFolderFd, const Control& control = {});

} // namespace FolderArchive
