// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"

#include "CustomWindow.h"
#include "Files.h"
#include "Global.h"
#include "Encrypt.h"
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
            m_waiting.clear();
        });
        // Any other modal dialog: once it has closed and its event loop has returned.
        connect(window, &CustomWindow::unblocked, this, &AppDelegate::performWaiting, Qt::QueuedConnection);
    }
}

void AppDelegate::launch(const std::optional<Request>& start)
{
    if (m_window) {
        installFreshMainView();
        m_window->show();
    }
    QTimer::singleShot(0, this, [this, start] {
        // An open-file request comes before launch completes, which then shows its package.
        if (start && start->action == Request::Action::Open) {
            openFile(start->path);
        }
        applicationDidFinishLaunching();
        if (start && start->action == Request::Action::Encrypt) {
            encryptFile(start->path);
        }
    });
}

bool AppDelegate::openFile(const Path& path)
{
    perform({Request::Action::Open, path});
    return true;
}

void AppDelegate::encryptFile(const Path& path)
{
    perform({Request::Action::Encrypt, path});
}

void AppDelegate::perform(const Request& request)
{
    if (m_quitting) {
        return;
    }
    // A run or an open dialog of the main view must not have the view replaced under it.
    const ViewController* view = m_window ? m_window->mainView() : nullptr;
    if ((view && view->isBusy()) || QApplication::activeModalWidget()) {
        m_waiting.append(request);
        return;
    }
    if (request.action == Request::Action::Open) {
        global().isOpenedFromFile = true;
        global().openedFile = request.path;
        global().log(QStringLiteral("opened from finder with file ") + request.path.display());
        installFreshMainView();
        return;
    }
    // The package handed over earlier has been taken up; a fresh main view must not take it up again.
    global().isOpenedFromFile = false;
    global().openedFile = {};
    installFreshMainView();
    if (ViewController* fresh = m_window ? m_window->mainView() : nullptr) {
        fresh->show(); // now rather than once the window's layout gets to it, so the pane resets first
        fresh->encrypt();
        fresh->encryptPane()->prepareForEncryption(request.path);
    }
}

void AppDelegate::handleForwarded(const Request& request)
{
    if (!request.path.isEmpty()) {
        perform(request);
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
    m_waiting.clear();
    if (m_window) {
        if (ViewController* view = m_window->mainView()) {
            view->cancelRuns();
        }
    }
    try {
        Folder::temporary().file(ActivityLog::kFileName).remove();
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
            performWaiting();
        }
    });
    m_window->setMainView(view);
}

void AppDelegate::performWaiting()
{
    const QList<Request> waiting = std::exchange(m_waiting, {});
    for (const Request& request : waiting) {
        perform(request); // waits again if something is still busy
    }
}

void AppDelegate::quit()
{
    if (m_window) {
        m_window->closeWithoutAsking();
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
