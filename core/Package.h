// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names of a package: a folder NAME.lockfern beside the source file, holding the encrypted file under
// the source's own name and "hint.lockfern".

#include <QString>

#include <string>

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
bool isPackagePath(const std::string& path);

// The package a chosen path stands for: the path itself, or the package folder when the path is the
// hint file directly inside one, which is what file managers see of a package.
std::string packageOf(const std::string& cleanPath);

std::string packageName(const std::string& sourceName);
// containing folder (ending with "/") + base name + ".lockfern"
std::string packagePath(const std::string& containingFolder, const std::string& sourceName);

} // namespace Package
