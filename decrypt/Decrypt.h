// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"
#include "Workflows.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMimeData;

namespace Ui {
class Decrypt;
}

// The decrypt pane of the main view: choose a package, show its hint, restore its file beside it.
class Decrypt : public QWidget
{
    Q_OBJECT

public:
    explicit Decrypt(const Services& services, QWidget* parent = nullptr);
    ~Decrypt() override;

    // A run is going or a dialog is open: the main view takes no navigation input and defers
    // open-file requests.
    bool isBusy() const;
    // Stops a running job and waits for it to have left nothing behind; for closing the window.
    void cancelAndWait();

    // Working state.
    bool selectedD() const { return m_selectedD; }
    // The encrypted file of the prepared package, and the folder that holds the package.
    std::optional<std::string> fileD() const;
    std::optional<std::string> folderD() const;
    QString pathD() const { return m_pathD; }
    bool flag() const { return m_flag; }

    // "12 MB/s · 3 s left" once a run has gone on for a second; empty before that or without data.
    static QString rateText(std::int64_t done, std::int64_t total, std::int64_t elapsedMs);

public slots:
    void chooseFile();
    void prepareForDecryption(const QString& file);
    void decrypt();
    void resetVariables();
    void showFile();
    void controlTextDidChange(QObject* object);
    void cancelRun();

signals:
    void busyChanged(bool busy);

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend struct DecryptTestAccess;

    // Shared with the worker, so it outlives the pane if it has to.
    struct RunState
    {
        std::atomic<std::int64_t> done{0};
        std::atomic<std::int64_t> total{0};
        std::atomic<bool> cancel{false};
    };

    void viewDidLoad();
    void viewDidAppear();
    void applyTheme();
    void setBusy(bool busy);
    void updateProgress();
    void runFinished();
    static std::optional<QString> droppedPath(const QMimeData* mime);

    std::unique_ptr<Ui::Decrypt> ui;
    Services m_services;

    bool m_selectedD = false;
    std::optional<Workflows::OpenedPackage> m_package; // fileD and folderD
    QString m_pathD;
    bool m_flag = true;

    // While a dialog of the pane is open, so that nothing replaces the pane under it.
    struct DialogOpen
    {
        explicit DialogOpen(Decrypt& pane) : pane(pane) { pane.setDialogOpen(true); }
        ~DialogOpen() { pane.setDialogOpen(false); }
        Decrypt& pane;
    };
    void setDialogOpen(bool open);

    bool m_busy = false;
    bool m_dialogOpen = false;
    bool m_decryptWasEnabled = false;
    std::shared_ptr<RunState> m_run;
    QFutureWatcher<Workflows::RestoreResult> m_watcher;
    QTimer m_progressTimer;
    QElapsedTimer m_elapsed;

    // Test seams, called on the worker thread: before the restore starts, and at its first progress
    // report. Both get the run's cancel flag so a test can hold the worker until it is cancelled.
    std::function<void(const std::atomic<bool>& cancel)> m_onWorkerStart;
    std::function<void(const std::atomic<bool>& cancel)> m_onFirstProgress;
};
