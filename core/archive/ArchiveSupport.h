// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What packing and extraction share.

#include "FolderArchive.h"

#include <cstddef>
#include <locale.h>
#include <string>
#include <vector>

namespace FolderArchive::Support {

// The root entry's mark: an extended attribute, which libarchive writes as the pax keyword
// "SCHILY.xattr.user.lockfern.folder". Other tools take it for an attribute (and restore it only when
// asked to); a tar made by anyone else lacks it.
inline constexpr char kMarkerName[] = "user.lockfern.folder";
inline constexpr char kMarkerValue[] = "1";

// File data moves through one buffer of this size, whatever the size of the folder.
inline constexpr std::size_t kBufferSize = std::size_t{1} << 20;

// Names are bytes, as Linux has them. libarchive converts them between the thread's character set and
// the UTF-8 of pax headers, so while it runs the thread's character set is UTF-8 whatever the user's
// locale: names in UTF-8 go out as they are, other names go out as bytes under "hdrcharset=BINARY",
// and both come back as the same bytes.
class Utf8Names
{
public:
    Utf8Names();
    ~Utf8Names();
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    locale_t m_utf8 = nullptr;
    locale_t m_previous = nullptr;
};

// Throws Error(Damaged).
[[noreturn]] void damaged(const std::string& what);

// Throws Error(Cancelled) once a cancel was requested.
void checkCancel(const Control& control);

} // namespace FolderArchive::Support
