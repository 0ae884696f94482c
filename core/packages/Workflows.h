// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The package workflows shared by the screens and lockfern-cli: prepare a file, write a package, open
// a package, restore a file. They touch no widget and write no log line; each returns what it
// reached so that the caller reports it. Everything is staged out of sight and published with a step
// that never replaces, so a failure, a cancel or a kill never leaves a half-written package or file.

#include "Messages.h"
#include "Path.h"
#include "RunControl.h"
#include "RunReport.h"
#include "SecureBytes.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace Workflows {

// ---- prepare a file for encryption ------------------------------------------------------------

// What a package is made from, for the chosen file /data/docs/report.pdf:
struct PreparedSource
{
    Path path;        // /data/docs/report.pdf (absolute and clean; a link stays a link)
    Path packagePath; // /data/docs/report.lockfern
    bool folder = false; // a folder, packed whole into one package
};

enum class PrepareOutcome { Prepared, AlreadyEncrypted, Problem };

struct PrepareResult
{
    PrepareOutcome outcome = PrepareOutcome::Problem;
    std::optional<PreparedSource> source;

    Messages::Message message() const; // FileAdded when prepared; its log line follows "file selected "
};

// Refuses a package, and what is not a readable regular file (a link to one is one).
PrepareResult prepareSource(const Path& chosen);

// ---- write a package -----------------------------------------------------------------------------

struct EncryptRequest
{
    PreparedSource source;
    SecureBytes password;        // UTF-8 bytes, exactly as typed
    std::optional<QString> hint; // nullopt: no hint, an empty hint file
};

// Its lines are the stages reached: "read file content", "encrypted file content", "created new
// package", "save encrypted file in package", "added hint " + hint or "hint is empty", "saved hint to
// file in package", then "success! saved in " + the package. The path is the package written.
RunReport writePackage(const EncryptRequest& request, const RunControl& control = {});

// Said as soon as a file is chosen: the failure a run would meet at the package's place now (its name
// taken, a folder we can't write to, no room for it), or none. The run still tries: it may be mended.
Messages::Failure checkPackagePlace(const PreparedSource& source);

// ---- open a package -----------------------------------------------------------------------------

struct OpenedPackage
{
    Path packagePath; // the file is restored beside it
    Path encryptedFile;
    QString hint; // empty: no hint
};

enum class OpenOutcome {
    Prepared,
    NotAPackage, // "This file is not encrypted."
    Problem,     // "There's a problem." (no folder, unreadable or non-UTF-8 hint, no encrypted file)
};

struct OpenResult
{
    OpenOutcome outcome = OpenOutcome::Problem;
    std::optional<OpenedPackage> package;

    // After "file selected " + path, which the caller logs first.
    QStringList logMessages() const;
    Messages::Message message() const;
};

// The path may also be the hint file directly inside a package, which stands for the package.
OpenResult openPackage(const Path& path);

// ---- restore a file -----------------------------------------------------------------------------

// Its lines are "read file content", "decrypted file content", then "success! saved in " + the file.
// The path is the file that now holds the plaintext: the name inside the package (a hidden one only
// from a hidden package, otherwise the package's base name and its extension), an identical file
// already there, or "NAME 2.EXT" (3, ...) when a different file holds the name.
// `password` as typed; when it does not open the package, its other Unicode forms are tried too
// (Password::candidates), each only after the one before failed to authenticate.
RunReport restoreFile(const OpenedPackage& package, const SecureBytes& password, const RunControl& control = {});

// The name the file of `package` is restored under, before any number: the name inside it, or, for a
// hidden file in a package whose name is not hidden, the package's base name and the file's extension
// ("invoice.lockfern" holding ".config.tar" gives "invoice.tar").
std::string restoredName(const OpenedPackage& package);

// "NAME n.EXT": the number goes before the last extension, after the whole name when there is none.
std::string numberedName(const std::string& name, int number);

} // namespace Workflows
