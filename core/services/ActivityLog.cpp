// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivityLog.h"

#include "Files.h"
#include "Text.h"

namespace {

QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

} // namespace

void ActivityLog::log(const QString& message)
{
    // Names and hints come from others: their control characters are written escaped, so that a line
    // feed in a name can't start a line of its own that reads like ours, nor anything drive a terminal.
    const QByteArray bytes = (getTime() + QStringLiteral(" ") + message).toUtf8();
    const std::string line = Text::visible(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    std::lock_guard lock(m_mutex);
    writeToStream(line);
    if (!m_fileEnabled) {
        return;
    }
    try {
        const File logFile = Folder::temporary().createFileIfNeeded(kFileName);
        logFile.append(QString::fromStdString(line + "\n"));
    } catch (const FileSystemError&) {
        writeToStream("Something went wrong.");
    }
}

void ActivityLog::writeToStream(const std::string& line)
{
    if (!m_stream) {
        return;
    }
    std::fwrite(line.data(), 1, line.size(), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
}

QString ActivityLog::getTime() const
{
    const QTime now = m_clock ? m_clock() : QTime::currentTime();
    return QString::number(now.hour()) + QStringLiteral(":") + twoDigits(now.minute()) + QStringLiteral(":") +
           twoDigits(now.second());
}

Path ActivityLog::path() const
{
    try {
        return Folder::temporary().file(kFileName).path();
    } catch (const FileSystemError&) {
        return {};
    }
}

QString ActivityLog::text() const
{
    try {
        // Whatever it holds is shown; a name that is not UTF-8 gets replacement characters.
        return QString::fromUtf8(Folder::temporary().file(kFileName).read());
    } catch (const FileSystemError&) {
        return {};
    }
}

void ActivityLog::setStream(std::FILE* stream)
{
    std::lock_guard lock(m_mutex);
    m_stream = stream;
}

void ActivityLog::setFileEnabled(bool enabled)
{
    std::lock_guard lock(m_mutex);
    m_fileEnabled = enabled;
}

void ActivityLog::setClock(std::function<QTime()> clock)
{
    std::lock_guard lock(m_mutex);
    m_clock = std::move(clock);
}

void ActivityLog::reset()
{
    std::lock_guard lock(m_mutex);
    m_stream = stdout;
    m_fileEnabled = true;
    m_clock = nullptr;
}
