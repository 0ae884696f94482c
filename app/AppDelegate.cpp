// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"

#include "CustomWindow.h"
#include "Files.h"
#include "Global.h"
#include "ViewController.h"

#include <QApplication>
#include <QTimer>

AppDelegate::AppDelegate(CustomWindow* window, Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services))
{
    setWindow(window);
}

void AppDelegate::setWindow(CustomWindow* window)
{
    m_window = window;
    if (window) {
        // Requests still waiting for a run to end are dropped when the application goes.
        connect(window, &CustomWindow::closing, this, [this] {
            m_quitting = true;
            m_waitingFiles.clear();
        });
        // Any other modal dialog: once it has closed and its event loop has returned.
        connect(window, &CustomWindow::unblocked, this, &AppDelegate::openWaitingFiles, Qt::QueuedConnection);
    }
}

void AppDelegate::launch(const std::optional<QString>& startFile)
{
    if (m_window) {
        installFreshMainView();
        m_window->show();
    }
    QTimer::singleShot(0, this, [this, startFile] {
        if (startFile) {
            openFile(*startFile);
        }
        applicationDidFinishLaunching();
    });
}

bool AppDelegate::openFile(const QString& requested)
{
    if (m_quitting) {
        return true;
    }
    const QString path = Paths::clean(requested);
    // A run or an open dialog of the main view must not have the view replaced under it.
    const ViewController* view = m_window ? m_window->mainView() : nullptr;
    if ((view && view->isBusy()) || QApplication::activeModalWidget()) {
        m_waitingFiles.append(path);
        return true;
    }
    global().isOpenedFromFile = true;
    global().openedFile = path;
    global().log(QStringLiteral("opened from finder with file ") + path);
    installFreshMainView();
    return true;
}

void AppDelegate::openForwardedFile(const QString& path)
{
    if (!path.isEmpty()) {
        openFile(path);
    }
    raiseWindow();
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_launched) {
        return;
    }
    m_launched = true;
    global().log(global().getVersion());
    global().log(global().getTheme());
    installFreshMainView();
}

void AppDelegate::applicationWillTerminate()
{
    m_quitting = true;
    m_waitingFiles.clear();
    if (m_window) {
        if (ViewController* view = m_window->mainView()) {
            view->cancelRuns();
        }
    }
    try {
        Folder::temporary().file(Global::kLogFileName).remove();
    } catch (const FileSystemError&) {
        // Nothing to clean up, or nothing we could do about it on the way out.
    }
}

void AppDelegate::installFreshMainView()
{
    if (!m_window) {
        return;
    }
    auto* view = new ViewController(m_services);
    connect(view, &ViewController::busyChanged, this, [this](bool busy) {
        if (!busy) {
            openWaitingFiles();
        }
    });
    m_window->setMainView(view);
}

void AppDelegate::openWaitingFiles()
{
    const QStringList files = std::exchange(m_waitingFiles, {});
    for (const QString& file : files) {
        openFile(file); // waits again if something is still busy
    }
}

void AppDelegate::quit()
{
    if (m_window) {
        m_window->close();
    }
    QCoreApplication::quit();
}

void AppDelegate::raiseWindow()
{
    if (!m_window) {
        return;
    }
    m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
