// SPDX-License-Identifier: GPL-3.0-or-later
// GLib's headers first: they name struct members "signals", which Qt's headers define away.
#include <gio/gio.h>

#include "DesktopServices.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Where the package icon is installed, found from the running program's folder, so that /usr,
// /usr/local and ~/.local installs alike find theirs; a build that is not installed has none.
Path installedIcon()
{
    const QString icon = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QStringLiteral(LOCKFERN_PACKAGE_ICON);
    return QFileInfo(icon).isFile() ? Path::fromText(icon) : Path();
}

} // namespace

DesktopPackageMarker::DesktopPackageMarker() : m_iconPath(installedIcon()) {}

void DesktopPackageMarker::mark(const Path& packagePath)
{
    if (m_iconPath.isEmpty()) {
        return;
    }
    GFile* folder = g_file_new_for_path(packagePath.c_str());
    const QByteArray uri = m_iconPath.fileUri().toUtf8();
    g_file_set_attribute_string(folder, "metadata::custom-icon", uri.constData(), G_FILE_QUERY_INFO_NONE, nullptr,
                                nullptr);
    g_object_unref(folder);
}
