// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ViewController;
}
class About;
class Decrypt;
class Encrypt;

// The main view: title, prompt, the two entry buttons and the three panes. Navigation only shows
// and hides widgets; each pane runs its own appearance step when its container is shown.
class ViewController : public QWidget
{
    Q_OBJECT

public:
    explicit ViewController(const Services& services, QWidget* parent = nullptr);
    ~ViewController() override;

    // Navigation, one row of the visibility table each.
    void encrypt();
    void decrypt();
    void about();
    void back();
    void getLog();
    void changeColors();

    // A run is going on one of the panes, or a pane's dialog is open: navigation takes no input meanwhile.
    bool isBusy() const;
    // A run is going on one of the panes.
    bool isRunning() const;
    // Stops the panes' runs and waits until they have cleaned up; before the window goes away.
    void cancelRuns();

    Encrypt* encryptPane() const { return m_encrypt; }

signals:
    void busyChanged(bool busy);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Row { Load, Encrypt, Decrypt, About, Back };

    void viewDidLoad();
    void setVisibility(Row row);
    // The background and the buttons around the panes, which are on show whatever pane is open.
    void colourSurroundings();
    void paneBusyChanged();
    void focusFirstControlOf(QWidget* pane);

    std::unique_ptr<Ui::ViewController> ui;
    Services m_services;
    Encrypt* m_encrypt = nullptr;
    Decrypt* m_decrypt = nullptr;
    About* m_about = nullptr;
    bool m_encryptBusy = false;
    bool m_decryptBusy = false;
    bool m_busy = false;
};
