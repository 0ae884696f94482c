// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemePreference.h"

#include <QSettings>

namespace {

QSettings preferences()
{
    return QSettings(QStringLiteral("Lockfern"), QStringLiteral("Lockfern"));
}

} // namespace

bool ThemePreference::isDark() const
{
    // Read afresh each time: another run may have changed it.
    return preferences().value(QStringLiteral("dark"), false).toBool();
}

void ThemePreference::setDark(bool dark)
{
    QSettings settings = preferences();
    settings.setValue(QStringLiteral("dark"), dark);
    settings.sync();
    emit changed(dark);
}

QString ThemePreference::name() const
{
    return isDark() ? QStringLiteral("dark theme") : QStringLiteral("white theme");
}
