// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file-system layer: folders and files by path, every operation throwing FileSystemError on
// failure. Paths are byte strings, as Linux has them, so names that are not UTF-8 survive.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class FileSystemError : public std::runtime_error
{
public:
    FileSystemError(const std::string& what, int error);
    int error() const { return m_error; } // errno, or 0
private:
    int m_error;
};

class File;

class Folder
{
public:
    // The folder that exists at `path` (a link to a folder counts); throws if there is none.
    explicit Folder(const std::string& path);

    // The user's private temporary folder: $XDG_RUNTIME_DIR when usable, otherwise "lockfern" (mode
    // 0700, ours, not a link) in the user's cache folder. Throws when neither is safe.
    static Folder temporary();

    const std::string& path() const { return m_path; } // always ends with "/"
    std::string name() const;
    std::optional<Folder> containingFolder() const;

    File file(const std::string& name) const;
    enum class Listing { WithoutHidden, WithHidden };
    // Regular files directly inside, by name; hidden ones (names starting with ".") only when asked.
    std::vector<File> files(Listing listing = Listing::WithoutHidden) const;
    Folder subfolder(const std::string& name) const;
    Folder createSubfolder(const std::string& name) const;
    File createFile(const std::string& name, const QByteArray& contents) const;
    File createFile(const std::string& name, const QString& text) const; // UTF-8
    File createFileIfNeeded(const std::string& name, const QByteArray& contents = {}) const;
    void remove() const; // the folder with all it holds

private:
    std::string m_path;
};

class File
{
public:
    // The regular file at `path`, a link to one included; throws if there is none.
    explicit File(const std::string& path);

    const std::string& path() const { return m_path; }
    std::string name() const;
    std::string baseName() const;
    Folder containingFolder() const;

    QByteArray read() const;
    // Strict UTF-8; throws on invalid bytes or when the file is larger than `maxBytes`.
    QString readAsString(std::int64_t maxBytes = INT32_MAX) const;
    void append(const QString& text) const; // UTF-8; never through a link
    void remove() const;

private:
    std::string m_path;
};

// Name helpers shared by the layer and the package rules.
namespace Paths {
std::string lastComponent(const std::string& path);
std::string parentOf(const std::string& path); // ends with "/"
std::string absolute(const std::string& path);
// Absolute, without "." components, doubled or trailing slashes: the same path however it was typed.
// ".." stays, since a link in front of it decides where it leads.
std::string clean(const std::string& path);
// The same, or the path as typed when there is no working folder to make it absolute (it will fail as such).
std::string cleanOrAsTyped(const std::string& path);
// cleanOrAsTyped for a path as Qt holds it.
QString clean(const QString& path);
// The name up to its last "."; a name without "." or whose only "." is its first character is its own base name.
std::string baseNameOf(const std::string& name);
} // namespace Paths
