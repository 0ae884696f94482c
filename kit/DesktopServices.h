// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real platform services behind Services::desktop().

#include "Global.h"
#include "Services.h"

#include <QUrl>

#include <functional>

// QFileDialog. With packagesAsDocuments a *.lockfern folder is taken as one document: the dialog
// accepts it instead of entering it, whether it is opened, typed or double-clicked.
class DesktopFileChooser : public FileChooser
{
public:
    Result choose(QWidget* parent, const Options& options) override;
};

// org.freedesktop.FileManager1.ShowItems, or the containing folder when no file manager answers.
class DesktopFileBrowser : public FileBrowser
{
public:
    void reveal(const QString& path) override;

    // The file: URI of a local path, percent-encoded throughout (RFC 3986), as file managers parse it.
    static QString fileUri(const QString& path);
};

// xdg-email when installed, otherwise a mailto: link (which cannot carry the attachment).
class DesktopMailComposer : public MailComposer
{
public:
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;
    using UrlOpener = std::function<bool(const QUrl& url)>;

    DesktopMailComposer(); // the installed xdg-email, QProcess::startDetached, QDesktopServices
    DesktopMailComposer(QString xdgEmail, Starter start, UrlOpener openUrl);

    bool compose(const QStringList& recipients, const QString& subject, const QString& body,
                 const QString& attachmentPath) override;

    static QStringList xdgEmailArguments(const QStringList& recipients, const QString& subject, const QString& body,
                                         const QString& attachmentPath);
    static QUrl mailtoUrl(const QStringList& recipients, const QString& subject, const QString& body);

private:
    QString m_xdgEmail; // empty when not installed
    Starter m_start;
    UrlOpener m_openUrl;
};
