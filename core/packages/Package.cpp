// SPDX-License-Identifier: GPL-3.0-or-later
#include "Package.h"

namespace Package {

bool isPackagePath(std::string_view path)
{
    std::string_view lastPiece;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto dot = path.find('.', start);
        const auto end = dot == std::string_view::npos ? path.size() : dot;
        if (end > start) {
            lastPiece = path.substr(start, end - start);
        }
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    return lastPiece == kExtension;
}

bool fitsAsHint(const QString& hint)
{
    return hint.toUtf8().size() <= kMaxHintBytes;
}

Path packageOf(const Path& path)
{
    if (path.name() != kHintFileName) {
        return path;
    }
    const Path folder = path.parent();
    return isPackagePath(folder) ? folder : path;
}

std::string packageName(const std::string& sourceName)
{
    return Path::baseNameOf(sourceName) + "." + kExtension;
}

Path packagePath(const Path& source)
{
    return source.parent() / packageName(source.name());
}

Path folderPackagePath(const Path& folder)
{
    return folder.parent() / (folder.name() + "." + kExtension);
}

std::string folderArchiveName(const std::string& folderName)
{
    return folderName + kFolderArchiveExtension;
}

std::string folderNameOf(const std::string& archiveName)
{
    const std::string_view extension = kFolderArchiveExtension;
    if (archiveName.size() > extension.size() && archiveName.ends_with(extension)) {
        return archiveName.substr(0, archiveName.size() - extension.size());
    }
    return archiveName;
}

} // namespace Package
