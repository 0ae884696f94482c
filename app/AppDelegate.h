// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"
#include "SingleInstance.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

class CustomWindow;

// Start-up, open-file requests and shut-down of the application.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    // `window` may be null: installations then make no main view until a window is given.
    AppDelegate(CustomWindow* window, Services services, QObject* parent = nullptr);

    void setWindow(CustomWindow* window);

    // Shows the window with a first main view and, once the event loop runs, carries out the start-up
    // request (if any) around completing the launch.
    void launch(const std::optional<Request>& start);

    // A package to open. While a run is going or a dialog is open the request waits for its end, so
    // it never replaces a pane that is working or a dialog's owner.
    bool openFile(const Path& path);
    // The encrypt pane with `path` chosen, in a fresh main view; waits as openFile does.
    void encryptFile(const Path& path);
    // A request forwarded from a second start: carried out, and the window brought to the front.
    void handleForwarded(const Request& request);
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }

    // A fresh main view as the window's content.
    void installFreshMainView();
    // Closes the window without asking, which ends the application; a run going on is cancelled.
    void quit();
    void raiseWindow();

private:
    void perform(const Request& request);
    void performWaiting();

    QPointer<CustomWindow> m_window;
    Services m_services;
    QList<Request> m_waiting;
    bool m_launched = false;
    bool m_quitting = false;
};
