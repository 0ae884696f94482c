// SPDX-License-Identifier: GPL-3.0-or-later
// GLib's headers first: they name struct members "signals", which Qt's headers define away.
#include <gio/gio.h>

#include "DesktopServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Where the package icon is installed, found from the running program's folder, so that /usr,
// /usr/local and ~/.local installs alike find theirs; a build that is not installed has none.
QString installedIcon()
{
    const QString icon = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                         QStringLiteral(LOCKFERN_PACKAGE_ICON));
    return QFileInfo(icon).isFile() ? icon : QString();
}

} // namespace

DesktopPackageMarker::DesktopPackageMarker() : m_iconPath(installedIcon()) {}

void DesktopPackageMarker::mark(const QString& packagePath)
{
    if (m_iconPath.isEmpty()) {
        return;
    }
    GFile* folder = g_file_new_for_path(QFile::encodeName(packagePath).constData());
    const QByteArray uri = DesktopFileBrowser::fileUri(m_iconPath).toUtf8();
    g_file_set_attribute_string(folder, "metadata::custom-icon", uri.constData(), G_FILE_QUERY_INFO_NONE, nullptr,
                                nullptr);
    g_object_unref(folder);
}
