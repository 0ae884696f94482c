// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

class ActivityLog;

// Opens a new, unsent e-mail in the user's mail program. The desktop implementation lives with the
// GUI; tests inject a recorder. An empty attachment path means no attachment.
class MailComposer
{
public:
    virtual ~MailComposer() = default;
    // False when no mail program could be started.
    virtual bool compose(const QStringList& recipients, const QString& subject, const QString& body,
                         const QString& attachmentPath) = 0;
};

// The mail to support, with the activity log attached.
class SupportMail
{
public:
    explicit SupportMail(const ActivityLog& log) : m_log(log) {}

    static QString address();
    // What goes with the mail.
    const ActivityLog& log() const { return m_log; }
    void setComposer(std::shared_ptr<MailComposer> composer);
    // What the mail starts with, where the user types: English, marked for the window to translate.
    static const char* body();
    // False when no mail program could be started.
    bool send(const QString& body) const;

private:
    const ActivityLog& m_log;
    mutable std::mutex m_mutex;
    std::shared_ptr<MailComposer> m_composer;
};

// "Version 1.0 (1)".
QString versionText();
