// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomWindow.h"

#include "ViewController.h"

#include <QCloseEvent>
#include <QIcon>

CustomWindow::CustomWindow(QWidget* parent) : QMainWindow(parent)
{
    // The name task bars and window switchers show.
    setWindowTitle(QStringLiteral("Lockfern"));
    setWindowIcon(QIcon(QStringLiteral(":/images/lockfern.png")));
    // 560×420 is the least it takes; a wider window shows more of a long name.
    setMinimumSize(560, 420);
    resize(560, 420);
}

ViewController* CustomWindow::mainView() const
{
    return qobject_cast<ViewController*>(centralWidget());
}

void CustomWindow::setMainView(ViewController* view)
{
    // QMainWindow hides the old content and deletes it later, so a caller on its stack is safe.
    setCentralWidget(view);
}

bool CustomWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowUnblocked) {
        emit unblocked();
    }
    return QMainWindow::event(event);
}

void CustomWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    // A run must not be cut off half-way: let it stop and clean up before the window goes.
    if (ViewController* view = mainView()) {
        view->cancelRuns();
    }
    QMainWindow::closeEvent(event);
}
