// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

// The encrypt pane of the main view.
class Encrypt : public QWidget
{
    Q_OBJECT

public:
    explicit Encrypt(const Services& services, QWidget* parent = nullptr);
    ~Encrypt() override;

    // A run is going: the main view takes no navigation input and defers open-file requests.
    bool isBusy() const;
    // Stops a running job and waits for it to have left nothing behind; for closing the window.
    void cancelAndWait();

signals:
    void busyChanged(bool busy);

private:
    Services m_services;
};
