// SPDX-License-Identifier: GPL-3.0-or-later
#include "Path.h"

#include <QUrl>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

// The working folder, or nothing when it is gone or unreachable.
std::string workingFolder()
{
    std::unique_ptr<char, decltype(&std::free)> current(::getcwd(nullptr, 0), &std::free);
    return current ? std::string(current.get()) : std::string();
}

} // namespace

Path::Path(std::string_view typed)
{
    std::string whole;
    if (!typed.empty() && typed.front() == '/') {
        whole = typed;
    } else if (const std::string base = workingFolder(); !base.empty()) {
        whole = base + "/" + std::string(typed);
    } else {
        m_bytes = typed;
        return;
    }
    std::size_t start = 0;
    while (start < whole.size()) {
        std::size_t end = whole.find('/', start);
        if (end == std::string::npos) {
            end = whole.size();
        }
        const std::string_view component = std::string_view(whole).substr(start, end - start);
        if (!component.empty() && component != ".") {
            m_bytes += '/';
            m_bytes += component;
        }
        start = end + 1;
    }
    if (m_bytes.empty()) {
        m_bytes = "/";
    }
}

Path Path::fromText(const QString& text)
{
    return text.isEmpty() ? Path() : Path(text.toUtf8().toStdString());
}

Path Path::fromUrl(const QUrl& url)
{
    if (!url.isLocalFile()) {
        return {};
    }
    // Not toLocalFile(), which decodes the name as UTF-8 and puts a replacement character where it is not.
    return Path(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
}

QString Path::displayName(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Path::fileUri() const
{
    // As QUrl::fromLocalFile encodes it, but byte by byte: letters, digits, "-._~", "/" and the
    // delimiters a path may hold stay as they are.
    const QByteArray encoded =
        QByteArray::fromStdString(m_bytes).toPercentEncoding(QByteArrayLiteral("/!$&'()*+,;=:@[]"));
    return QStringLiteral("file://") + QString::fromLatin1(encoded);
}

std::string Path::name() const
{
    const auto slash = m_bytes.rfind('/');
    return slash == std::string::npos || m_bytes == "/" ? m_bytes : m_bytes.substr(slash + 1);
}

std::string Path::baseNameOf(std::string_view name)
{
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

Path Path::parent() const
{
    const auto slash = m_bytes.rfind('/');
    if (slash == std::string::npos) {
        return Path(".");
    }
    return Path(slash == 0 ? std::string("/") : m_bytes.substr(0, slash), Clean{});
}

Path Path::operator/(std::string_view name) const
{
    return Path((m_bytes == "/" ? m_bytes : m_bytes + "/") + std::string(name), Clean{});
}
