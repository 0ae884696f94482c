// SPDX-License-Identifier: GPL-3.0-or-later
#include "Services.h"

#include "DesktopServices.h"

#include "Package.h"
#include "Posix.h"
#include "SupportMail.h"

#include <QAbstractItemView>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

#include <algorithm>
#include <utility>

namespace {

bool isPackageFolder(const Path& path)
{
    return Posix::isFolder(path.bytes()) && Package::isPackagePath(path);
}

// With packagesAsDocuments, a *.lockfern folder is the answer however it is chosen: by Open, by a
// typed name or path and Return, or by a double-click. QFileDialog would enter it instead. With
// folders, so is any folder selected in the list (or named in the name field) when the Open button is
// pressed; a double-click, Return in the list or in the name field, and a typed path ending in "/"
// still enter it as they always did.
class ChooserDialog : public QFileDialog
{
public:
    ChooserDialog(QWidget* parent, const FileChooser::Options& options)
        : QFileDialog(parent, options.title, QDir::homePath()), m_options(options)
    {
        setFileMode(options.several ? ExistingFiles : ExistingFile);
        setAcceptMode(AcceptOpen);
        if (m_options.packagesAsDocuments || m_options.folders) {
            // The native dialogs always enter folders; ours can stop at one.
            setOption(DontUseNativeDialog);
        }
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); name && m_options.folders) {
            name->installEventFilter(this);
        }
        if (m_options.packagesAsDocuments) {
            // A double-click enters the folder first and says so afterwards.
            connect(this, &QFileDialog::directoryEntered, this, [this](const QString& entered) {
                if (isPackageFolder(Path::fromText(entered))) {
                    take({Path::fromText(entered)});
                }
            });
        }
    }

    void accept() override
    {
        const bool returnInName = std::exchange(m_returnInName, false);
        if (!takeDocuments(selectedFiles(), returnInName)) {
            QFileDialog::accept();
        }
    }

    // Return in the name field presses Open while it is down; it enters a folder, as it always did.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            m_returnInName = event->type() == QEvent::KeyPress && (key == Qt::Key_Return || key == Qt::Key_Enter);
        }
        return QFileDialog::eventFilter(watched, event);
    }

    std::vector<Path> documents; // chosen with a folder among them, which QFileDialog would have entered

private:
    // Every entry chosen is a file or a folder taken as a document, and one at least is a folder;
    // otherwise QFileDialog goes on as it would.
    bool takeDocuments(const QStringList& chosen, bool returnInName)
    {
        std::vector<Path> paths;
        bool folder = false;
        for (const QString& text : chosen) {
            const Path path = Path::fromText(text); // a typed "name.lockfern/" too
            if (!Posix::isFolder(path.bytes())) {
                paths.push_back(path);
                continue;
            }
            const bool package = m_options.packagesAsDocuments && Package::isPackagePath(path);
            const bool openedByButton = !returnInName && !typedFolder();
            if (!package && !(m_options.folders && openedByButton && selectedInList(path))) {
                return false;
            }
            paths.push_back(path);
            folder = true;
        }
        if (folder) {
            take(std::move(paths));
        }
        return folder;
    }

    // A path typed with a "/" at its end goes there.
    bool typedFolder() const
    {
        const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        return name && name->text().endsWith(QLatin1Char('/'));
    }

    bool selectedInList(const Path& path) const
    {
        const auto* list = findChild<QAbstractItemView*>(QStringLiteral("listView"));
        if (!list || !list->selectionModel()) {
            return false;
        }
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return std::any_of(rows.begin(), rows.end(), [&path](const QModelIndex& row) {
            return Path::fromText(row.data(QFileSystemModel::FilePathRole).toString()) == path;
        });
    }

    void take(std::vector<Path> paths)
    {
        documents = std::move(paths);
        // Not QFileDialog::accept(), which would enter the folder instead of closing.
        done(Accepted);
    }

    FileChooser::Options m_options;
    bool m_returnInName = false;
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
    Result result{Response::Ok, std::move(dialog.documents)};
    if (result.paths.empty()) {
        // URLs, not file names: a platform's dialog may name a file that is not UTF-8 only this way.
        for (const QUrl& url : dialog.selectedUrls()) {
            result.paths.push_back(Path::fromUrl(url));
        }
    }
    return result;
}

void DesktopFileBrowser::reveal(const std::vector<Path>& paths)
{
    // Each folder once, when no file manager answers.
    std::vector<Path> folders;
    QStringList uris;
    for (const Path& path : paths) {
        uris << path.fileUri();
        if (std::find(folders.begin(), folders.end(), path.parent()) == folders.end()) {
            folders.push_back(path.parent());
        }
    }
    const auto openFolders = [folders] {
        for (const Path& folder : folders) {
            openFolder(folder);
        }
    };
    if (paths.empty()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << uris << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolders();
        return;
    }
    // Asynchronous, so a file manager that is slow to start never freezes the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [openFolders](QDBusPendingCallWatcher* done) {
        if (done->isError()) {
            openFolders();
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
