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

bool SupportMail::send() const
{
    // Without a log file the mail still opens, only without its attachment.
    const QString attachment = m_log.path().display();
    std::shared_ptr<MailComposer> composer;
    {
        std::lock_guard lock(m_mutex);
        composer = m_composer;
    }
    return composer && composer->compose({address()}, QStringLiteral("Lockfern ") + versionText() +
                                                          QStringLiteral(" Support"),
                                         QStringLiteral("Type here"), attachment);
}

QString versionText()
{
    return QStringLiteral("Version ") + QStringLiteral(LOCKFERN_VERSION_SHORT) + QStringLiteral(" (") +
           QStringLiteral(LOCKFERN_BUILD_NUMBER) + QStringLiteral(")");
}
