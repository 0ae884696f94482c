// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

// The window in the user's language: Lockfern's own catalogue, built into the program, and Qt's for
// the standard dialogs. A language Lockfern has no catalogue for gets the texts as written, in English,
// with Qt's dialogs in English too.
namespace Translations {

// Installs both catalogues for `locale` in place of any installed before; false, with none installed,
// when Lockfern has no catalogue for it.
bool install(const QLocale& locale);
// The languages Lockfern has a catalogue for, as their catalogues name them ("de", "pt_BR").
QStringList languages();

} // namespace Translations
