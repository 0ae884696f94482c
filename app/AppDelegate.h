// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

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

    // Shows the window with a first main view and, once the event loop runs, delivers the start-up
    // open-file request (if any) and then completes the launch.
    void launch(const std::optional<QString>& startFile);

    // A package to open. While a run is going or a dialog is open the request waits for its end, so
    // it never replaces a pane that is working or a dialog's owner.
    bool openFile(const QString& path);
    // As openFile, and brings the window to the front: a request forwarded from a second start.
    void openForwardedFile(const QString& path);
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }

    // A fresh main view as the window's content.
    void installFreshMainView();
    // Closes the window the way the user would, which ends the application.
    void quit();
    void raiseWindow();

private:
    void openWaitingFiles();

    QPointer<CustomWindow> m_window;
    Services m_services;
    QStringList m_waitingFiles;
    bool m_launched = false;
    bool m_quitting = false;
};
