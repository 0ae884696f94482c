// SPDX-License-Identifier: GPL-3.0-or-later
#include "SupportMail.h"

#include "ActivityLog.h"
#include "Version.h"

QString SupportMail::address()
{
    return QStringLiteral(LOCKFERN_SUPPORT_ADDRESS);
}

void SupportMail::setComposer(std::shared_ptr<MailComposer> composer)
{
    std::lock_guard lock(m_mutex);
    m_composer = std::move(composer);
}

const char* SupportMail::body()
{
    //: The body a new support mail starts with in the user's mail program.
    return QT_TRANSLATE_NOOP("SupportMail", "Type here");
}

// The subject stays English: support sorts mail by it.
bool SupportMail::send(const QString& body) const
{
    // Without a log file the mail still opens, only without its attachment.
    const QString attachment = m_log.path().display();
    std::shared_ptr<MailComposer> composer;
    {
        std::lock_guard lock(m_mutex);
        composer = m_composer;
    }
    return composer &&
           composer->compose({address()}, QStringLiteral("Lockfern ") + versionText() + QStringLiteral(" Support"),
                             body, attachment);
}

QString versionText()
{
    return QStringLiteral("Version ") + QStringLiteral(LOCKFERN_VERSION_SHORT) + QStringLiteral(" (") +
           QStringLiteral(LOCKFERN_BUILD_NUMBER) + QStringLiteral(")");
}
