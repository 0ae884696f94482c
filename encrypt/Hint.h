// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Hint;
}

// The password-hint dialog: hands the hint to the shared state, where the next encryption run
// picks it up.
class Hint : public QDialog
{
    Q_OBJECT

public:
    explicit Hint(QWidget* parent = nullptr);
    ~Hint() override;

    // The dialog's own closing control: stores or drops the hint, logs, closes. Hides
    // QWidget::close on purpose; Escape and the window's close button go through reject() and
    // store nothing.
    void close();

private:
    void viewDidLoad();

    std::unique_ptr<Ui::Hint> ui;
};
