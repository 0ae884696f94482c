// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"
#include "Workflows.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class Encrypt;
}

// The encrypt pane of the main view.
class Encrypt : public QWidget
{
    Q_OBJECT

public:
    // The working state of the pane; paths are as the user sees them.
    struct Fields
    {
        QString hintE;
        QString fileE;
        bool selectedE = false;
        QString nameE;
        QString fullnameE;
        QString folderE;
        QString finishedE;
        QString pathE;
    };

    explicit Encrypt(const Services& services, QWidget* parent = nullptr);
    ~Encrypt() override;

    // A run is going or a dialog is open: the main view takes no navigation input and defers
    // open-file requests.
    bool isBusy() const;
    // Stops a running job and waits for it to have left nothing behind; for closing the window.
    void cancelAndWait();

    const Fields& fields() const { return m_fields; }

    // Actions of the pane's controls.
    void chooseFile();
    void prepareForEncryption(const QString& file);
    void encrypt();
    void resetVariables();
    void showFile();
    void openHint();
    void cancel();

signals:
    void busyChanged(bool busy);

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct RunProgress;

    void viewDidLoad();
    void viewDidAppear();
    void controlTextDidChange(const QString& text);
    void applyTheme();
    void showChosenFile();
    void showHintState();
    void setBusy(bool busy);
    void updateProgress();
    void finishRun(const Workflows::EncryptResult& result);

    std::unique_ptr<Ui::Encrypt> ui;
    Services m_services;
    Fields m_fields;

    // While a dialog of the pane is open, so that nothing replaces the pane under it.
    struct DialogOpen
    {
        explicit DialogOpen(Encrypt& pane) : pane(pane) { pane.setDialogOpen(true); }
        ~DialogOpen() { pane.setDialogOpen(false); }
        Encrypt& pane;
    };
    void setDialogOpen(bool open);

    bool m_busy = false;
    bool m_dialogOpen = false;
    std::shared_ptr<RunProgress> m_run;
    QFutureWatcher<Workflows::EncryptResult> m_watcher;
    QTimer m_progressTimer;
    QElapsedTimer m_elapsed;
    qint64 m_sourceSize = 0;
};
