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
    // Closes as close() does, without asking first: a run going on is cancelled and cleaned up.
    void closeWithoutAsking();

signals:
    // The window is about to close; the runs are stopped right after this.
    void closing();
    // A modal dialog that blocked the window has closed.
    void unblocked();

protected:
    bool event(QEvent* event) override;
    // While a run is going, asks first; the run is cancelled only on the user's word.
    void closeEvent(QCloseEvent* event) override;

private:
    void askBeforeClosing();

    bool m_asked = false;  // the user said to quit, or a quit signal did
    bool m_asking = false; // the question is open
};
