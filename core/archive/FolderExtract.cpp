// SPDX-License-Identifier: GPL-3.0-or-later
// Extraction: libarchive's tar reader for the format, our own checks for every entry, and every file,
// folder and link made relative to a folder descriptor we created, so no path in the archive can lead
// anywhere else. The archive is trusted only as far as our packer would have written it.
#include "ArchiveReader.h"
#include "ArchiveSupport.h"
#include "FolderArchive.h"
#include "Posix.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace FolderArchive {

namespace {

using Support::checkCancel;
using Support::damaged;
using Support::Reader;

bool isEmpty(const char* text)
{
    return !text || *text == '\0';
}

// The components of an entry's path: relative, and none of them empty, "." or "..". A folder's path
// may end with one "/". Nothing after a NUL is seen: libarchive hands the path over as a C string.
std::vector<std::string> componentsOf(archive_entry* entry)
{
    const char* path = archive_entry_pathname(entry);
    if (isEmpty(path)) {
        damaged("an entry without a name");
    }
    std::string_view rest = path;
    if (rest.front() == '/') {
        damaged("an entry with an absolute path");
    }
    if (archive_entry_filetype(entry) == AE_IFDIR && rest.back() == '/') {
        rest.remove_suffix(1);
    }
    std::vector<std::string> components;
    for (;;) {
        const std::size_t slash = rest.find('/');
        const std::string_view component = rest.substr(0, slash);
        if (component.empty() || component == "." || component == ".." || component.size() > NAME_MAX) {
            damaged("an entry path with an empty, \".\", \"..\" or overlong component");
        }
        components.emplace_back(component);
        if (slash == std::string_view::npos) {
            return components;
        }
        rest.remove_prefix(slash + 1);
    }
}

bool carriesMarker(archive_entry* entry)
{
    const char* name = nullptr;
    const void* value = nullptr;
    std::size_t size = 0;
    archive_entry_xattr_reset(entry);
    while (archive_entry_xattr_next(entry, &name, &value, &size) == ARCHIVE_OK) {
        if (std::strcmp(name, Support::kMarkerName) == 0) {
            return size == sizeof Support::kMarkerValue - 1 && std::memcmp(value, Support::kMarkerValue, size) == 0;
        }
    }
    return false;
}

// Our root entry: a folder with one valid name, our marker and no owner. Another tool that restores
// the marker as an attribute and packs the folder again keeps the marker but stores an owner, unless it
// was told to store numbers only and ran as root.
bool isOurRoot(archive_entry* entry)
{
    if (archive_entry_filetype(entry) != AE_IFDIR || archive_entry_hardlink(entry) || !carriesMarker(entry) ||
        archive_entry_uid(entry) != 0 || archive_entry_gid(entry) != 0 || !isEmpty(archive_entry_uname(entry)) ||
        !isEmpty(archive_entry_gname(entry))) {
        return false;
    }
    try {
        return componentsOf(entry).size() == 1;
    } catch (const Error&) {
        return false;
    }
}

// Whether a link's target, read as written from the link's folder `depth` levels below the root, stays
// inside the root. ".." only leads the target: after a name, which may itself be a link, where ".."
// goes depends on more than the text.
bool staysInside(std::string_view target, std::size_t depth)
{
    if (target.front() == '/') {
        return false;
    }
    std::size_t climbs = 0;
    bool descended = false;
    while (!target.empty()) {
        const std::size_t slash = target.find('/');
        const std::string_view component = target.substr(0, slash);
        target.remove_prefix(slash == std::string_view::npos ? target.size() : slash + 1);
        if (component == "..") {
            if (descended || ++climbs > depth) {
                return false;
            }
        } else if (!component.empty() && component != ".") {
            descended = true;
        }
    }
    return true;
}

timespec mtimeOf(archive_entry* entry)
{
    if (!archive_entry_mtime_is_set(entry)) {
        return {0, UTIME_OMIT};
    }
    return {archive_entry_mtime(entry), archive_entry_mtime_nsec(entry)};
}

// A folder being filled: open while entries go into it, given its mode and time once they are done.
struct OpenFolder
{
    std::string name;
    UniqueFd fd;
    mode_t mode;
    timespec mtime;
};

void finishFolder(int fd, mode_t mode, const timespec& mtime)
{
    const timespec times[2] = {{0, UTIME_OMIT}, mtime};
    if (::fchmod(fd, mode) != 0 || ::futimens(fd, times) != 0) {
        Posix::fail("set folder mode and time", errno);
    }
}

// Creation never replaces: a name taken can only be an entry the archive holds twice.
[[noreturn]] void createFailed(const std::string& what, int error)
{
    if (error == EEXIST) {
        damaged("two entries with one name");
    }
    Posix::fail(what, error);
}

class Extraction
{
public:
    Extraction(Reader& reader, int intoFolderFd, const Control& control)
        : m_reader(reader), m_rootFd(intoFolderFd), m_control(control), m_entriesLeft(reader.size() / 512),
          m_bytesLeft(reader.size())
    {}

    void addRoot(archive_entry* entry)
    {
        if (!isOurRoot(entry)) {
            damaged("not a folder archive of ours");
        }
        m_extracted.rootName = componentsOf(entry).front();
        m_rootMode = archive_entry_perm(entry) & 0777;
        m_rootMtime = mtimeOf(entry);
        --m_entriesLeft;
    }

    void add(archive_entry* entry)
    {
        checkCancel(m_control);
        // Each entry takes a header of 512 bytes at least, each byte of a file one byte of the archive.
        if (--m_entriesLeft < 0) {
            damaged("more entries than the archive can hold");
        }
        if (archive_entry_hardlink(entry)) {
            damaged("a hard link");
        }
        const std::vector<std::string> components = componentsOf(entry);
        if (components.size() < 2 || components.front() != m_extracted.rootName) {
            damaged("an entry outside the folder");
        }
        const int folderFd = enter(components);
        const std::string& name = components.back();
        switch (archive_entry_filetype(entry)) {
        case AE_IFDIR:
            addFolder(entry, folderFd, name);
            break;
        case AE_IFREG:
            addFile(entry, folderFd, name);
            break;
        case AE_IFLNK:
            addLink(entry, folderFd, name, components);
            break;
        case AE_IFCHR:
        case AE_IFBLK:
        case AE_IFIFO:
        case AE_IFSOCK:
            m_extracted.skipped.push_back(relative(components));
            break;
        default:
            damaged("an entry of unknown type");
        }
        report();
    }

    Extracted finish()
    {
        leaveTo(0);
        finishFolder(m_rootFd, m_rootMode, m_rootMtime);
        return m_extracted;
    }

private:
    void report() const
    {
        m_control.report(m_reader.position(), m_reader.size());
    }

    static std::string relative(const std::vector<std::string>& components)
    {
        std::string path;
        for (std::size_t i = 1; i < components.size(); ++i) {
            path += (i > 1 ? "/" : "") + components[i];
        }
        return path;
    }

    void leaveTo(std::size_t depth)
    {
        while (m_open.size() > depth) {
            finishFolder(m_open.back().fd.get(), m_open.back().mode, m_open.back().mtime);
            m_open.pop_back();
        }
    }

    // The folder an entry goes into. Entries come depth first, as we pack them: its folder is the one
    // made last or one that holds it, and the folders left behind are finished. Nothing is ever opened
    // by name but a folder just made, so no link is passed through.
    int enter(const std::vector<std::string>& components)
    {
        const std::size_t depth = components.size() - 2; // below the root
        std::size_t common = 0;
        while (common < m_open.size() && common < depth && m_open[common].name == components[common + 1]) {
            ++common;
        }
        leaveTo(common);
        if (depth > common) {
            damaged("an entry out of order, or in a folder the archive does not hold");
        }
        return m_open.empty() ? m_rootFd : m_open.back().fd.get();
    }

    void addFolder(archive_entry* entry, int folderFd, const std::string& name)
    {
        // Filled while it is ours alone to write; its mode comes when it is done.
        if (::mkdirat(folderFd, name.c_str(), 0700) != 0) {
            createFailed("create folder", errno);
        }
        UniqueFd fd(::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!fd) {
            Posix::fail("open folder", errno);
        }
        m_open.push_back({name, std::move(fd), archive_entry_perm(entry) & 0777, mtimeOf(entry)});
    }

    void addFile(archive_entry* entry, int folderFd, const std::string& name)
    {
        const std::int64_t size = archive_entry_size(entry);
        if (size < 0 || size > m_bytesLeft) {
            damaged("an entry larger than the archive");
        }
        if (archive_entry_sparse_count(entry) > 0) {
            damaged("a sparse entry");
        }
        m_bytesLeft -= size;
        UniqueFd fd(
            ::openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600));
        if (!fd) {
            createFailed("create file", errno);
        }
        std::int64_t written = 0;
        const void* data = nullptr;
        std::size_t length = 0;
        std::int64_t offset = 0;
        while (m_reader.block(data, length, offset)) {
            if (offset != written || static_cast<std::int64_t>(length) > size - written) {
                damaged("entry data that does not match its size");
            }
            Posix::writeAll(fd.get(), data, length);
            written += static_cast<std::int64_t>(length);
            checkCancel(m_control);
            report();
        }
        if (written != size) {
            damaged("entry data that does not match its size");
        }
        const timespec times[2] = {{0, UTIME_OMIT}, mtimeOf(entry)};
        if (::fchmod(fd.get(), archive_entry_perm(entry) & 0777) != 0 || ::futimens(fd.get(), times) != 0) {
            Posix::fail("set file mode and time", errno);
        }
        if (!fd.close()) {
            Posix::fail("close file", errno);
        }
    }

    void addLink(archive_entry* entry, int folderFd, const std::string& name,
                 const std::vector<std::string>& components)
    {
        const char* target = archive_entry_symlink(entry);
        if (isEmpty(target)) {
            damaged("a link without a target");
        }
        if (!staysInside(target, components.size() - 2)) {
            m_extracted.skipped.push_back(relative(components));
            return;
        }
        if (::symlinkat(target, folderFd, name.c_str()) != 0) {
            createFailed("create link", errno);
        }
        const timespec times[2] = {{0, UTIME_OMIT}, mtimeOf(entry)};
        if (::utimensat(folderFd, name.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
            Posix::fail("set link time", errno);
        }
    }

    Reader& m_reader;
    int m_rootFd;
    const Control& m_control;
    std::int64_t m_entriesLeft;
    std::int64_t m_bytesLeft;
    mode_t m_rootMode = 0700;
    timespec m_rootMtime{0, UTIME_OMIT};
    std::vector<OpenFolder> m_open; // the folders below the root the next entry may go into
    Extracted m_extracted;
};

} // namespace

bool isFolderArchive(int fd)
{
    const Support::Utf8Names utf8Names;
    try {
        Reader reader(fd);
        archive_entry* first = reader.next();
        return first && isOurRoot(first);
    } catch (const Error&) {
        return false;
    }
}

Extracted extract(int fd, int intoFolderFd, const Control& control)
{
    const Support::Utf8Names utf8Names;
    Reader reader(fd);
    Extraction extraction(reader, intoFolderFd, control);
    archive_entry* entry = reader.next();
    if (!entry) {
        damaged("an empty archive");
    }
    extraction.addRoot(entry);
    while ((entry = reader.next())) {
        extraction.add(entry);
    }
    return extraction.finish();
}

} // namespace FolderArchive
