// SPDX-License-Identifier: GPL-3.0-or-later
#include "Services.h"

#include "DesktopServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

namespace {

bool isPackageFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.fileName().endsWith(QStringLiteral(".lockfern"));
}

} // namespace

Services Services::desktop()
{
    return {std::make_shared<DesktopFileChooser>(), std::make_shared<DesktopFileBrowser>(),
            std::make_shared<DesktopMailComposer>()};
}

FileChooser::Result DesktopFileChooser::choose(QWidget* parent, const Options& options)
{
    QFileDialog dialog(parent, options.title, QDir::homePath());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    std::optional<QString> package;
    if (options.packagesAsDocuments) {
        // The native dialogs always enter folders; ours stops at a package and hands it back.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&dialog, &package](const QString& dir) {
            if (isPackageFolder(dir)) {
                package = QDir::cleanPath(dir);
                // QFileDialog's own accept() would enter the folder again instead of closing.
                static_cast<QDialog&>(dialog).done(QDialog::Accepted);
            }
        });
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    Result result{Response::Ok, std::nullopt};
    if (package) {
        result.path = package;
    } else if (const QStringList files = dialog.selectedFiles(); !files.isEmpty()) {
        result.path = files.first();
    }
    return result;
}

void DesktopFileBrowser::reveal(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        return;
    }
    // Asynchronous, so a file manager that is slow to start never freezes the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher* done) {
        if (done->isError()) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        }
        done->deleteLater();
    });
}

DesktopMailComposer::DesktopMailComposer()
    : DesktopMailComposer(
          QStandardPaths::findExecutable(QStringLiteral("xdg-email")),
          [](const QString& program, const QStringList& arguments) {
              return QProcess::startDetached(program, arguments);
          },
          [](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
}

DesktopMailComposer::DesktopMailComposer(QString xdgEmail, Starter start, UrlOpener openUrl)
    : m_xdgEmail(std::move(xdgEmail)), m_start(std::move(start)), m_openUrl(std::move(openUrl))
{
}

void DesktopMailComposer::compose(const QStringList& recipients, const QString& subject, const QString& body,
                                  const QString& attachmentPath)
{
    if (!m_xdgEmail.isEmpty() && m_start(m_xdgEmail, xdgEmailArguments(recipients, subject, body, attachmentPath))) {
        return;
    }
    m_openUrl(mailtoUrl(recipients, subject, body));
}

QStringList DesktopMailComposer::xdgEmailArguments(const QStringList& recipients, const QString& subject,
                                                   const QString& body, const QString& attachmentPath)
{
    QStringList arguments{QStringLiteral("--subject"), subject, QStringLiteral("--body"), body};
    if (!attachmentPath.isEmpty()) {
        arguments << QStringLiteral("--attach") << attachmentPath;
    }
    // Addresses go last, as xdg-email expects; one that looks like an option would be taken for one.
    for (const QString& recipient : recipients) {
        if (!recipient.isEmpty() && !recipient.startsWith(QLatin1Char('-'))) {
            arguments << recipient;
        }
    }
    return arguments;
}

QUrl DesktopMailComposer::mailtoUrl(const QStringList& recipients, const QString& subject, const QString& body)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(recipients.join(QLatin1Char(',')));
    QUrlQuery query;
    const auto encoded = [](const QString& text) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text));
    };
    query.addQueryItem(QStringLiteral("subject"), encoded(subject));
    query.addQueryItem(QStringLiteral("body"), encoded(body));
    url.setQuery(query);
    return url;
}
