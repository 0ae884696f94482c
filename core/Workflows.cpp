// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkflowSupport.h"

#include "Files.h"
#include "Posix.h"

namespace Workflows {

QString displayPath(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string numberedName(const std::string& name, int number)
{
    const std::string base = Paths::baseNameOf(name);
    const std::string extension = name.substr(base.size());
    return base + " " + std::to_string(number) + extension;
}

void removePublished(const std::string& path)
{
    try {
        if (Posix::isFolder(path)) {
            Folder(path).remove();
        } else {
            File(path).remove();
        }
    } catch (const FileSystemError&) {
        // Nothing more to do; the run is reported as failed either way.
    }
}

} // namespace Workflows
