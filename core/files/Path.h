// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <compare>
#include <string>
#include <string_view>

class QUrl;

// A path as the exact bytes the file system takes, so that names that are not UTF-8 survive. It is
// made absolute and clean once, when it is made, and becomes text only where it is shown.
class Path
{
public:
    Path() = default; // no path
    // Absolute against the working folder, without "." components, doubled or trailing slashes: the
    // same path however it was typed. ".." stays, since a link in front of it decides where it leads.
    // Kept as typed when there is no working folder to make it absolute against; it fails as such.
    explicit Path(std::string_view bytes);
    // Text that holds a path, as Qt gives it: its UTF-8 bytes.
    static Path fromText(const QString& text);
    // The bytes a local file: URL names, percent-decoded, whether or not they are UTF-8; no path for
    // any other URL.
    static Path fromUrl(const QUrl& url);

    bool isEmpty() const { return m_bytes.empty(); }
    // False only for one kept as typed, without a working folder.
    bool isAbsolute() const { return !m_bytes.empty() && m_bytes.front() == '/'; }
    const std::string& bytes() const { return m_bytes; }
    const char* c_str() const { return m_bytes.c_str(); }
    // For the screens and the log: UTF-8 where it is, a replacement character where not.
    QString display() const { return displayName(m_bytes); }
    // A name or any other part of a path, the same way.
    static QString displayName(std::string_view bytes);
    // The file: URI, percent-encoded as file managers parse it.
    QString fileUri() const;

    // The last component; "/" for the root.
    std::string name() const;
    // The name up to its last "."; see baseNameOf.
    std::string baseName() const { return baseNameOf(name()); }
    // A name without "." or whose only "." is its first character is its own base name.
    static std::string baseNameOf(std::string_view name);
    // The folder that holds it; the root is its own.
    Path parent() const;
    // The entry `name` inside this folder; a name is one component, which the caller has checked.
    Path operator/(std::string_view name) const;

    auto operator<=>(const Path&) const = default;

private:
    struct Clean
    {
    };
    Path(std::string bytes, Clean) : m_bytes(std::move(bytes)) {}

    std::string m_bytes;
};
