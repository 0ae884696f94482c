// SPDX-License-Identifier: GPL-3.0-or-later
#include "Services.h"

#include "DesktopServices.h"

#include "Package.h"
#include "Posix.h"
#include "SupportMail.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

namespace {

bool isPackageFolder(const Path& path)
{
    return Posix::isFolder(path.bytes()) && Package::isPackagePath(path);
}

// With packagesAsDocuments, a *.lockfern folder is the answer however it is chosen: by Open, by a
// typed name or path and Return, or by a double-click. QFileDialog would enter it instead.
class ChooserDialog : public QFileDialog
{
public:
    ChooserDialog(QWidget* parent, const FileChooser::Options& options)
        : QFileDialog(parent, options.title, QDir::homePath()), m_packagesAsDocuments(options.packagesAsDocuments)
    {
        setFileMode(ExistingFile);
        setAcceptMode(AcceptOpen);
        if (m_packagesAsDocuments) {
            // The native dialogs always enter folders; ours can stop at a package.
            setOption(DontUseNativeDialog);
            // A double-click enters the folder first and says so afterwards.
            connect(this, &QFileDialog::directoryEntered, this, &ChooserDialog::takeIfPackage);
        }
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (!m_packagesAsDocuments || files.size() != 1 || !takeIfPackage(files.first())) {
            QFileDialog::accept();
        }
    }

    std::optional<Path> package;

private:
    bool takeIfPackage(const QString& chosen)
    {
        const Path path = Path::fromText(chosen); // a typed "name.lockfern/" too
        if (!isPackageFolder(path)) {
            return false;
        }
        package = path;
        // Not QFileDialog::accept(), which would enter the folder instead of closing.
        done(Accepted);
        return true;
    }

    bool m_packagesAsDocuments;
};

// xdg-open gets the URI exactly as built; QDesktopServices only where xdg-open cannot start.
void openFolder(const Path& folder)
{
    const QString uri = folder.fileUri();
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty() || !QProcess::startDetached(xdgOpen, {uri})) {
        QDesktopServices::openUrl(QUrl::fromEncoded(uri.toLatin1()));
    }
}

} // namespace

Services Services::desktop()
{
    return {std::make_shared<DesktopFileChooser>(), std::make_shared<DesktopFileBrowser>(),
            std::make_shared<DesktopMailComposer>(), std::make_shared<DesktopPackageMarker>(),
            std::make_shared<DesktopCapsLock>()};
}

FileChooser::Result DesktopFileChooser::choose(QWidget* parent, const Options& options)
{
    // Owned by the window, never by a pane: a forwarded request may replace the pane while the
    // dialog runs, and the pane going must not take the dialog with it.
    ChooserDialog dialog(parent ? parent->window() : nullptr, options);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    Result result{Response::Ok, std::nullopt};
    if (dialog.package) {
        result.path = dialog.package;
    } else if (const QList<QUrl> urls = dialog.selectedUrls(); !urls.isEmpty()) {
        // URLs, not file names: a platform's dialog may name a file that is not UTF-8 only this way.
        result.path = Path::fromUrl(urls.first());
    }
    return result;
}

void DesktopFileBrowser::reveal(const Path& path)
{
    const Path folder = path.parent();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{path.fileUri()} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder(folder);
        return;
    }
    // Asynchronous, so a file manager that is slow to start never freezes the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher* done) {
        if (done->isError()) {
            openFolder(folder);
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

bool DesktopMailComposer::compose(const QStringList& recipients, const QString& subject, const QString& body,
                                  const QString& attachmentPath)
{
    if (!m_xdgEmail.isEmpty() && m_start(m_xdgEmail, xdgEmailArguments(recipients, subject, body, attachmentPath))) {
        return true;
    }
    return m_openUrl(mailtoUrl(recipients, subject, body));
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
