// SPDX-License-Identifier: GPL-3.0-or-later
#include "Package.h"

#include "Files.h"

namespace Package {

bool isPackagePath(const std::string& path)
{
    std::string lastPiece;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto dot = path.find('.', start);
        const auto end = dot == std::string::npos ? path.size() : dot;
        if (end > start) {
            lastPiece = path.substr(start, end - start);
        }
        if (dot == std::string::npos) {
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

std::string packageOf(const std::string& cleanPath)
{
    if (Paths::lastComponent(cleanPath) != kHintFileName) {
        return cleanPath;
    }
    std::string folder = Paths::parentOf(cleanPath);
    folder.pop_back();
    return isPackagePath(folder) ? folder : cleanPath;
}

std::string packageName(const std::string& sourceName)
{
    return Paths::baseNameOf(sourceName) + "." + kExtension;
}

std::string packagePath(const std::string& containingFolder, const std::string& sourceName)
{
    return containingFolder + packageName(sourceName);
}

} // namespace Package
