// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names of a package: a folder NAME.lockfern beside the source file, holding the encrypted file under
// the source's own name and "hint.lockfern"; a folder's package holds its archive instead.

#include "Path.h"

#include <QString>

#include <string>
#include <string_view>

namespace Package {

inline constexpr const char* kExtension = "lockfern";
inline constexpr const char* kHintFileName = "hint.lockfern";
// The longest hint, in UTF-8 bytes, that we write and read back; a hint file larger than this is
// not one of ours.
inline constexpr long long kMaxHintBytes = 64 * 1024;
// Goes before a hint that is empty or itself begins with one: an empty file is typed text/plain
// before its name is looked at, and a text editor, not Lockfern, would open it. Reading takes one off.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
inline constexpr long long kMaxHintFileBytes = kMaxHintBytes + sizeof kByteOrderMark - 1;

bool fitsAsHint(const QString& hint);

// Split at every ".", drop empty pieces: a package when the last piece is exactly "lockfern".
bool isPackagePath(std::string_view path);
inline bool isPackagePath(const Path& path)
{
    return isPackagePath(path.bytes());
}

// The package a chosen path stands for: the path itself, or the package folder when the path is the
// hint file directly inside one, which is what file managers see of a package.
Path packageOf(const Path& path);

std::string packageName(const std::string& sourceName);
// Beside the source: its folder, its base name and ".lockfern".
Path packagePath(const Path& source);

// A folder's package holds its archive: the folder's whole name and ".tar", as any tar tool names it.
// A folder has no extension to drop: "Photos.v2" gives "Photos.v2.lockfern" holding "Photos.v2.tar".
inline constexpr const char* kFolderArchiveExtension = ".tar";
Path folderPackagePath(const Path& folder);
std::string folderArchiveName(const std::string& folderName);
// The folder an archive of that name restores as: the name without ".tar", when something is left.
std::string folderNameOf(const std::string& archiveName);

} // namespace Package
