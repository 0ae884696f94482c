// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

#include <QLocale>

namespace Messages {

namespace {

struct Texts
{
    const char* sentence;
    const char* logLine;
};

// Letter for letter as users and their log readers have always seen them, misspellings included.
Texts textsOf(Message message)
{
    switch (message) {
    case Message::FileAdded:
        return {nullptr, "file added succesfully"};
    case Message::AlreadyEncrypted:
        return {"This file is already encrypted.", "file already encrypted"};
    case Message::NotEncrypted:
        return {"This file is not encrypted.", "file is not encrypted"};
    case Message::Problem:
        return {"There's a problem.", "there was a problem while adding file"};
    case Message::NoFileSelected:
        return {"No file is selected.", "no file selected"};
    case Message::PasswordEmpty:
        return {"Password is empty.", "password empty"};
    case Message::PasswordsDiffer:
        return {"The passwords don't match.", "passwords don't match"};
    case Message::Succeeded:
        return {"Success!", nullptr};
    case Message::EncryptCancelled:
        return {"Cancelled.", "encryption cancelled"};
    case Message::DecryptCancelled:
        return {"Cancelled.", "decryption cancelled"};
    case Message::EncryptFailed:
        return {"An error occured while encrypting.", "an error occured while encrypting"};
    case Message::DecryptFailed:
        return {"An error occured while decrypting.", "an error occured while decrypting"};
    }
    return {nullptr, nullptr};
}

Sentence of(const char* pattern, QStringList names = {})
{
    return {QString::fromUtf8(pattern), std::move(names)};
}

} // namespace

QString sentence(Message message)
{
    return QString::fromUtf8(textsOf(message).sentence);
}

QString logLine(Message message)
{
    return QString::fromUtf8(textsOf(message).logLine);
}

// One pass, so that a name holding "%2" stays as it is.
QString Sentence::text() const
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype index = i + 1 < pattern.size() && pattern[i] == QLatin1Char('%') ? pattern[i + 1].digitValue() - 1 : -1;
        if (index >= 0 && index < names.size()) {
            text += names[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

Sentence explain(const Failure& failure)
{
    switch (failure.reason) {
    case Reason::None:
        return {};
    case Reason::Unknown:
        return of("Nothing was saved. Please try again.");
    case Reason::WrongPassword:
        return of("Wrong password, or the package is damaged. Check Caps Lock and the hint.");
    case Reason::NameTaken:
        return of("%1 already exists in %2.", {failure.name, failure.folder});
    case Reason::ReadOnlyFolder:
        return of("%1 is read-only.", {failure.folder});
    case Reason::FolderNotWritable:
        return of("You can't write to %1.", {failure.folder});
    case Reason::NoSpace: {
        // The size is part of the words, not a name: it is never shortened.
        const QString size = QLocale().formattedDataSize(failure.bytes, 1, QLocale::DataSizeSIFormat);
        return {QStringLiteral("Not enough free space: ") + size + QStringLiteral(" needed."), {}};
    }
    case Reason::SourceChanged:
        return of("The file was changed while it was being encrypted.");
    case Reason::SourceUnreadable:
        return of("%1 can't be read any more.", {failure.name});
    case Reason::DamagedArchive:
        return of("The folder in %1 is damaged or unsafe to restore. Nothing was restored.", {failure.name});
    }
    return {};
}

Sentence destination(Destination kind, const QStringList& names)
{
    switch (kind) {
    case Destination::WillBeSaved:
        return of("Will be saved as %1", names);
    case Destination::WillBeRestored:
        return of("Will be restored as %1", names);
    case Destination::Saved:
        return of("Saved as %1", names);
    case Destination::AlreadyThere:
        return of("Already there: %1", names);
    case Destination::SavedBesideSource:
        return of("Saved as %1. %2 is still there, unencrypted.", names);
    }
    return {};
}

Sentence leftOut(const QString& entry)
{
    return of("Left out %1: only files, folders and links inside the folder are kept.", {entry});
}

// Counts are words, not names: they are never shortened.
Sentence tally(int saved, int failed, int notDone)
{
    const int count = saved + failed + notDone;
    QString text;
    if (notDone > 0) {
        text = failed > 0 ? QStringLiteral("Cancelled. %1 of %2 were saved; %3 failed.").arg(saved).arg(count).arg(failed)
                          : QStringLiteral("Cancelled. %1 of %2 were saved.").arg(saved).arg(count);
    } else if (failed > 0) {
        text = QStringLiteral("%1 of %2 were saved; %3 failed.").arg(saved).arg(count).arg(failed);
    } else {
        text = QStringLiteral("All %1 were saved.").arg(count);
    }
    return {text, {}};
}

QString notStarted()
{
    return QStringLiteral("Not started.");
}

} // namespace Messages
