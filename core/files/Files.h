// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file-system layer: folders and files by path, every operation throwing FileSystemError on
// failure.

#include "Path.h"
#include "Posix.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class File;

class Folder
{
public:
    // The folder that exists at `path` (a link to a folder counts); throws if there is none.
    explicit Folder(const Path& path);

    // The user's private temporary folder: $XDG_RUNTIME_DIR when usable, otherwise "lockfern" (mode
    // 0700, ours, not a link) in the user's cache folder. Throws when neither is safe.
    static Folder temporary();

    const Path& path() const { return m_path; }
    std::string name() const { return m_path.name(); }
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
    // `name` inside, once it is known to be one component.
    Path child(const std::string& name) const;

    Path m_path;
};

class File
{
public:
    // The regular file at `path`, a link to one included; throws if there is none.
    explicit File(const Path& path);

    const Path& path() const { return m_path; }
    std::string name() const { return m_path.name(); }
    std::string baseName() const { return m_path.baseName(); }
    Folder containingFolder() const { return Folder(m_path.parent()); }

    QByteArray read() const;
    // Strict UTF-8; throws on invalid bytes or when the file is larger than `maxBytes`.
    QString readAsString(std::int64_t maxBytes = INT32_MAX) const;
    void append(const QString& text) const; // UTF-8; never through a link
    void remove() const;

private:
    Path m_path;
};
