// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a package, and the name its file is restored under.
#include "WorkflowSupport.h"

#include "Files.h"
#include "Package.h"
#include "Posix.h"
#include "Staging.h"

#include <cerrno>
#include <optional>

namespace Workflows {

QStringList OpenResult::logMessages() const
{
    if (outcome != OpenOutcome::Prepared) {
        return {Messages::logLine(message())};
    }
    const QString& hint = package->hint;
    return {hint.isEmpty() ? QStringLiteral("hint is empty") : QStringLiteral("presenting hint ") + hint,
            Messages::logLine(message())};
}

Messages::Message OpenResult::message() const
{
    switch (outcome) {
    case OpenOutcome::Prepared:
        return Messages::Message::FileAdded;
    case OpenOutcome::NotAPackage:
        return Messages::Message::NotEncrypted;
    case OpenOutcome::Problem:
        break;
    }
    return Messages::Message::Problem;
}

OpenResult openPackage(const Path& chosen)
{
    OpenResult result;
    if (!chosen.isAbsolute()) {
        return result; // no working folder to make it absolute against
    }
    const Path path = Package::packageOf(chosen);
    if (!Package::isPackagePath(path)) {
        result.outcome = OpenOutcome::NotAPackage;
        return result;
    }
    try {
        const Folder packageFolder(path);
        OpenedPackage package;
        package.packagePath = path;

        // A hint file that is there but not a plain file (a link, a folder) is not a package we made.
        const Path hintPath = path / Package::kHintFileName;
        // The text decoder takes off one leading byte order mark: an empty file (as packages were
        // once written), the mark alone and any hint all read back as they were written.
        if (Posix::exists(hintPath.bytes())) {
            package.hint = File(hintPath).readAsString(Package::kMaxHintFileBytes);
            if (!Package::fitsAsHint(package.hint)) {
                Posix::fail(hintPath.bytes() + " is longer than a hint", EFBIG);
            }
        }
        // The last file listed is the encrypted file; a hidden one only when it is the only one, as
        // when a dotfile was encrypted. A staging name is never ours to take.
        std::optional<File> visible;
        std::optional<File> hidden;
        for (const File& file : packageFolder.files(Folder::Listing::WithHidden)) {
            const std::string name = file.name();
            if (name == Package::kHintFileName) {
                continue;
            }
            if (name.front() != '.') {
                visible = file;
            } else if (!Staging::isStagingName(name)) {
                hidden = file;
            }
        }
        const std::optional<File>& encrypted = visible ? visible : hidden;
        if (!encrypted) {
            Posix::fail("no encrypted file in " + path.bytes(), ENOENT);
        }
        package.encryptedFile = encrypted->path();
        result.package = std::move(package);
        result.outcome = OpenOutcome::Prepared;
    } catch (const FileSystemError&) {
        result.outcome = OpenOutcome::Problem;
    }
    return result;
}

// A package whose own name is not hidden never restores a hidden file, which could be a shell's
// start-up file planted in the home folder.
std::string restoredName(const OpenedPackage& package)
{
    const std::string inner = package.encryptedFile.name();
    std::string name = package.packagePath.name();
    if (inner.front() != '.' || name.front() == '.') {
        return inner;
    }
    // Without the extension, which may be followed by dots: "report.lockfern." is a package too.
    const std::string extension = std::string(".") + Package::kExtension;
    name.erase(name.find_last_not_of('.') + 1);
    if (name.ends_with(extension)) {
        name.erase(name.size() - extension.size());
    }
    return name + inner.substr(Path::baseNameOf(inner).size());
}

} // namespace Workflows
