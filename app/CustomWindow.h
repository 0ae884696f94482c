// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class ViewController;

// The application's one window. Its content is the current main view.
class CustomWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CustomWindow(QWidget* parent = nullptr);

    ViewController* mainView() const;
    // Makes `view` the content and deletes the one shown until now.
    void setMainView(ViewController* view);

signals:
    // The window is about to close; the runs are stopped right after this.
    void closing();
    // A modal dialog that blocked the window has closed.
    void unblocked();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
