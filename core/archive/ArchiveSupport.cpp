// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveSupport.h"

#include "Posix.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>

namespace FolderArchive::Support {

Utf8Names::Utf8Names()
{
    const locale_t base = ::duplocale(::uselocale(nullptr));
    m_utf8 = base ? ::newlocale(LC_CTYPE_MASK, "C.UTF-8", base) : nullptr;
    if (!m_utf8) {
        const int error = errno;
        if (base) {
            ::freelocale(base);
        }
        Posix::fail("the C.UTF-8 locale", error);
    }
    m_previous = ::uselocale(m_utf8);
}

Utf8Names::~Utf8Names()
{
    ::uselocale(m_previous);
    ::freelocale(m_utf8);
}

void damaged(const std::string& what)
{
    throw Error(Error::Kind::Damaged, what);
}

void checkCancel(const Control& control)
{
    if (control.cancelled()) {
        throw Error(Error::Kind::Cancelled, "cancelled");
    }
}

std::vector<std::string> sortedNames(int folderFd)
{
    // A description of its own, so listing leaves the caller's descriptor as it was.
    UniqueFd listFd(::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* dir = listFd ? ::fdopendir(listFd.get()) : nullptr;
    if (!dir) {
        Posix::fail("list folder", errno);
    }
    listFd.release(); // owned by dir from here on
    std::vector<std::string> names;
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            error = errno;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(dir);
    if (error != 0) {
        Posix::fail("list folder", error);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace FolderArchive::Support
