// SPDX-License-Identifier: GPL-3.0-or-later
#include "Global.h"

#include "Files.h"
#include "Text.h"
#include "Version.h"

#include <QSettings>

namespace {

QSettings preferences()
{
    return QSettings(QStringLiteral("Lockfern"), QStringLiteral("Lockfern"));
}

QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

} // namespace

Global& global()
{
    static Global instance;
    return instance;
}

void Global::log(const QString& message)
{
    // Names and hints come from others: their control characters are written escaped, so that a line
    // feed in a name can't start a line of its own that reads like ours, nor anything drive a terminal.
    const QByteArray bytes = (getTime() + QStringLiteral(" ") + message).toUtf8();
    const std::string line = Text::visible(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    std::lock_guard lock(m_mutex);
    writeToStream(line);
    if (!m_logFileEnabled) {
        return;
    }
    try {
        const File logFile = Folder::temporary().createFileIfNeeded(kLogFileName);
        logFile.append(QString::fromStdString(line + "\n"));
    } catch (const FileSystemError&) {
        writeToStream("Something went wrong.");
    }
}

void Global::writeToStream(const std::string& line)
{
    if (!m_stream) {
        return;
    }
    std::fwrite(line.data(), 1, line.size(), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
}

QString Global::getTime() const
{
    const QTime now = m_clock ? m_clock() : QTime::currentTime();
    return QString::number(now.hour()) + QStringLiteral(":") + twoDigits(now.minute()) + QStringLiteral(":") +
           twoDigits(now.second());
}

bool Global::getLog()
{
    // Without a log file the mail still opens, only without its attachment.
    const QString attachment = logPath();
    std::shared_ptr<MailComposer> composer;
    {
        std::lock_guard lock(m_mutex);
        composer = m_mailComposer;
    }
    return composer && composer->compose({supportAddress()},
                                         QStringLiteral("Lockfern ") + getVersion() + QStringLiteral(" Support"),
                                         QStringLiteral("Type here"), attachment);
}

QString Global::logPath() const
{
    try {
        return QString::fromStdString(Folder::temporary().file(kLogFileName).path());
    } catch (const FileSystemError&) {
        return {};
    }
}

QString Global::logText() const
{
    try {
        // Whatever it holds is shown; a name that is not UTF-8 gets replacement characters.
        return QString::fromUtf8(Folder::temporary().file(kLogFileName).read());
    } catch (const FileSystemError&) {
        return {};
    }
}

QString Global::getTheme() const
{
    return isDark() ? QStringLiteral("dark theme") : QStringLiteral("white theme");
}

QString Global::getVersion() const
{
    return QStringLiteral("Version ") + QStringLiteral(LOCKFERN_VERSION_SHORT) + QStringLiteral(" (") +
           QStringLiteral(LOCKFERN_BUILD_NUMBER) + QStringLiteral(")");
}

bool Global::isDark()
{
    return preferences().value(QStringLiteral("dark"), false).toBool();
}

void Global::setDark(bool dark)
{
    QSettings settings = preferences();
    settings.setValue(QStringLiteral("dark"), dark);
    settings.sync();
}

QString Global::supportAddress() const
{
    return QStringLiteral(LOCKFERN_SUPPORT_ADDRESS);
}

void Global::setLogStream(std::FILE* stream)
{
    std::lock_guard lock(m_mutex);
    m_stream = stream;
}

void Global::setLogFileEnabled(bool enabled)
{
    std::lock_guard lock(m_mutex);
    m_logFileEnabled = enabled;
}

void Global::setClock(std::function<QTime()> clock)
{
    std::lock_guard lock(m_mutex);
    m_clock = std::move(clock);
}

void Global::setMailComposer(std::shared_ptr<MailComposer> composer)
{
    std::lock_guard lock(m_mutex);
    m_mailComposer = std::move(composer);
}

void Global::reset()
{
    std::lock_guard lock(m_mutex);
    isOpenedFromFile = false;
    openedFile.clear();
    hintExist = false;
    hint.clear();
    m_stream = stdout;
    m_logFileEnabled = true;
    m_clock = nullptr;
    m_mailComposer.reset();
}
