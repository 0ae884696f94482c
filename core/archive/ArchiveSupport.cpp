// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveSupport.h"

#include "Posix.h"

#include <cerrno>
#include <fcntl.h>

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

} // namespace FolderArchive::Support
