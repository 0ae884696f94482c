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
// The sentences are marked for the window, which shows them translated; lockfern-cli and the log
// stay English.
Texts textsOf(Message message)
{
    switch (message) {
    case Message::FileAdded:
        return {nullptr, "file added succesfully"};
    case Message::AlreadyEncrypted:
        //: A package was chosen to encrypt.
        return {QT_TRANSLATE_NOOP("Messages", "This file is already encrypted."), "file already encrypted"};
    case Message::NotEncrypted:
        //: Something that is not a package was chosen to decrypt.
        return {QT_TRANSLATE_NOOP("Messages", "This file is not encrypted."), "file is not encrypted"};
    case Message::Problem:
        //: The chosen item can't be opened, or is not a package Lockfern could have made.
        return {QT_TRANSLATE_NOOP("Messages", "There's a problem."), "there was a problem while adding file"};
    case Message::NoFileSelected:
        return {QT_TRANSLATE_NOOP("Messages", "No file is selected."), "no file selected"};
    case Message::PasswordEmpty:
        return {QT_TRANSLATE_NOOP("Messages", "Password is empty."), "password empty"};
    case Message::PasswordsDiffer:
        //: The repeated password differs from the first.
        return {QT_TRANSLATE_NOOP("Messages", "The passwords don't match."), "passwords don't match"};
    case Message::Succeeded:
        //: An encryption or decryption finished.
        return {QT_TRANSLATE_NOOP("Messages", "Success!"), nullptr};
    case Message::EncryptCancelled:
        //: The user cancelled a run.
        return {QT_TRANSLATE_NOOP("Messages", "Cancelled."), "encryption cancelled"};
    case Message::DecryptCancelled:
        return {QT_TRANSLATE_NOOP("Messages", "Cancelled."), "decryption cancelled"};
    case Message::EncryptFailed:
        //: The English misspelling stays in English only; write it correctly.
        return {QT_TRANSLATE_NOOP("Messages", "An error occured while encrypting."),
                "an error occured while encrypting"};
    case Message::DecryptFailed:
        //: The English misspelling stays in English only; write it correctly.
        return {QT_TRANSLATE_NOOP("Messages", "An error occured while decrypting."),
                "an error occured while decrypting"};
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
        //: Under a failed run.
        return of(QT_TRANSLATE_NOOP("Messages", "Nothing was saved. Please try again."));
    case Reason::WrongPassword:
        //: Under a failed decryption. A package is Lockfern's encrypted result, a folder NAME.lockfern.
        return of(
            QT_TRANSLATE_NOOP("Messages", "Wrong password, or the package is damaged. Check Caps Lock and the hint."));
    case Reason::NameTaken:
        //: %1 is a file or package name, %2 the name of the folder it is in (not a path).
        return of(QT_TRANSLATE_NOOP("Messages", "%1 already exists in %2."), {failure.name, failure.folder});
    case Reason::ReadOnlyFolder:
        //: %1 is a folder's name; the folder is on a read-only disk.
        return of(QT_TRANSLATE_NOOP("Messages", "%1 is read-only."), {failure.folder});
    case Reason::FolderNotWritable:
        //: %1 is a folder's name; the user may not write there.
        return of(QT_TRANSLATE_NOOP("Messages", "You can't write to %1."), {failure.folder});
    case Reason::NoSpace: {
        // The size goes in where a name would; it is shorter than a name is ever cut to, so it stays whole.
        const QString size = QLocale().formattedDataSize(failure.bytes, 1, QLocale::DataSizeSIFormat);
        //: %1 is the space needed, a size such as "1.2 GB".
        return of(QT_TRANSLATE_NOOP("Messages", "Not enough free space: %1 needed."), {size});
    }
    case Reason::SourceChanged:
        return of(QT_TRANSLATE_NOOP("Messages", "The file was changed while it was being encrypted."));
    case Reason::SourceUnreadable:
        //: %1 is the file's name.
        return of(QT_TRANSLATE_NOOP("Messages", "%1 can't be read any more."), {failure.name});
    case Reason::DamagedArchive:
        //: %1 is a package's name; the folder encrypted in it can't be restored safely.
        return of(
            QT_TRANSLATE_NOOP("Messages", "The folder in %1 is damaged or unsafe to restore. Nothing was restored."),
            {failure.name});
    }
    return {};
}

Sentence destination(Destination kind, const QStringList& names)
{
    switch (kind) {
    case Destination::WillBeSaved:
        //: Under the chosen file. %1 is the package's name, NAME.lockfern.
        return of(QT_TRANSLATE_NOOP("Messages", "Will be saved as %1"), names);
    case Destination::WillBeRestored:
        //: Under the chosen package. %1 is the file's name once decrypted.
        return of(QT_TRANSLATE_NOOP("Messages", "Will be restored as %1"), names);
    case Destination::Saved:
        //: After a decryption. %1 is the restored file's name.
        return of(QT_TRANSLATE_NOOP("Messages", "Saved as %1"), names);
    case Destination::AlreadyThere:
        //: After a decryption that found the same file already there and wrote nothing. %1 is its name.
        return of(QT_TRANSLATE_NOOP("Messages", "Already there: %1"), names);
    case Destination::SavedBesideSource:
        //: After an encryption. %1 is the new package's name, %2 the original file's name.
        return of(QT_TRANSLATE_NOOP("Messages", "Saved as %1. %2 is still there, unencrypted."), names);
    }
    return {};
}

Sentence leftOut(const QString& entry)
{
    //: %1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a
    //: device file, which a package does not keep.
    return of(QT_TRANSLATE_NOOP("Messages", "Left out %1: only files, folders and links inside the folder are kept."),
              {entry});
}

// Counts go in where names would; they are shorter than a name is ever cut to, so they stay whole.
Sentence tally(int saved, int failed, int notDone)
{
    const QStringList counts{QString::number(saved), QString::number(saved + failed + notDone),
                             QString::number(failed)};
    if (notDone > 0 && failed > 0) {
        //: After a cancelled run of several items: %1 of %2 items were saved, %3 failed.
        return of(QT_TRANSLATE_NOOP("Messages", "Cancelled. %1 of %2 were saved; %3 failed."), counts);
    }
    if (notDone > 0) {
        //: After a cancelled run of several items: %1 of %2 items were saved.
        return of(QT_TRANSLATE_NOOP("Messages", "Cancelled. %1 of %2 were saved."), counts);
    }
    if (failed > 0) {
        //: After a run of several items: %1 of %2 items were saved, %3 failed.
        return of(QT_TRANSLATE_NOOP("Messages", "%1 of %2 were saved; %3 failed."), counts);
    }
    //: After a run of several items (two or more), all %2 of them saved.
    return of(QT_TRANSLATE_NOOP("Messages", "All %2 were saved."), counts);
}

QString notStarted()
{
    //: Beside an item of several that a cancel stopped before it began.
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "Not started."));
}

} // namespace Messages
