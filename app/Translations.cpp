// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

const QString kFolder = QStringLiteral(":/i18n");

// Qt mirrors the window when the catalogue says so; ours says it, whether or not Qt's is installed.
struct Marked
{
    const char* source;
    const char* comment;
};
[[maybe_unused]] const Marked kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left "
    "languages (such as Hebrew and Arabic) to get proper widget layout.");

QTranslator& own()
{
    static QTranslator translator;
    return translator;
}

QTranslator& qts()
{
    static QTranslator translator;
    return translator;
}

} // namespace

bool install(const QLocale& locale)
{
    QCoreApplication::removeTranslator(&own());
    QCoreApplication::removeTranslator(&qts());
    if (!own().load(locale, QStringLiteral("lockfern"), QStringLiteral("_"), kFolder)) {
        return false;
    }
    // Qt's only beside ours: an English window keeps Qt's dialogs in English, and left to right.
    if (qts().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qts());
    }
    QCoreApplication::installTranslator(&own()); // last installed, first asked
    return true;
}

QStringList languages()
{
    QStringList found;
    for (const QString& file : QDir(kFolder).entryList({QStringLiteral("lockfern_*.qm")}, QDir::Files, QDir::Name)) {
        found << file.mid(9, file.size() - 9 - 3);
    }
    return found;
}

} // namespace Translations
