// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the user is told and what the activity log says, once each: the screens and lockfern-cli show
// the sentence of an outcome and log its line, both from here. Everything here is English; the window
// looks each sentence and pattern up under kContext to show it in the user's language.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace Messages {

inline constexpr char kContext[] = "Messages";

enum class Message {
    FileAdded,        // a file or package was taken
    AlreadyEncrypted, // a package chosen to encrypt
    NotEncrypted,     // not a package, chosen to decrypt
    Problem,          // cannot be opened, or not a package we could have made
    NoFileSelected,
    PasswordEmpty,
    PasswordsDiffer, // the repeated password is not the same
    Succeeded,
    EncryptCancelled,
    DecryptCancelled,
    EncryptFailed,
    DecryptFailed,
};

// The status line's text, empty when there is none.
QString sentence(Message message);
// The activity log's line, empty when there is none.
QString logLine(Message message);

// A sentence whose names are kept apart from its words, so that a narrow line can shorten the names
// and never the words around them.
struct Sentence
{
    QString pattern;   // "%1", "%2" where the names go
    QStringList names; // as the file manager shows them

    QString text() const;
    bool isEmpty() const { return pattern.isEmpty(); }
};

// Why a run failed: said under the fixed sentence, never logged.
enum class Reason {
    None,
    Unknown,
    WrongPassword,     // or a damaged package: the MAC does not match
    NameTaken,         // `name` already exists in `folder`
    ReadOnlyFolder,    // `folder` is on a read-only file system
    FolderNotWritable, // we may not write into `folder`
    NoSpace,           // `bytes` don't fit
    SourceChanged,     // the file was changed while it was read
    SourceUnreadable,  // `name` can't be read any more
    DamagedArchive,    // the package `name` opened, but the folder archive in it is not one we would write
};

struct Failure
{
    Reason reason = Reason::None;
    QString name;
    QString folder; // the folder's own name
    std::int64_t bytes = 0;
};

// What happened and what to do; empty for Reason::None.
Sentence explain(const Failure& failure);

// The other lines under the status: where a result will go, and where it went.
enum class Destination {
    WillBeSaved,      // package
    WillBeRestored,   // file
    Saved,            // result
    AlreadyThere,     // an identical result that was there before the run, nothing written
    SavedBesideSource // package, source
};
Sentence destination(Destination kind, const QStringList& names);

// An entry of a folder that was left out, by its path inside the folder: a socket, FIFO or device
// when packing; one of those or a link that leads outside the folder when restoring.
Sentence leftOut(const QString& entry);
// Over a run of several items: how many were saved, failed, and were not done because of a cancel.
Sentence tally(int saved, int failed, int notDone);
// Beside an item of several that a cancel stopped before it began.
QString notStarted();

} // namespace Messages
