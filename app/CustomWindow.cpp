// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomWindow.h"

#include "ViewController.h"

#include "Global.h"
#include "Theme.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

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

void CustomWindow::closeWithoutAsking()
{
    m_asked = true;
    close();
}

void CustomWindow::closeEvent(QCloseEvent* event)
{
    ViewController* view = mainView();
    if (!m_asked && view && view->isRunning()) {
        event->ignore();
        askBeforeClosing();
        return;
    }
    emit closing();
    // A run must not be cut off half-way: let it stop and clean up before the window goes.
    if (view) {
        view->cancelRuns();
    }
    QMainWindow::closeEvent(event);
}

void CustomWindow::askBeforeClosing()
{
    if (m_asking) {
        return;
    }
    m_asking = true;
    // Owned by the window, which no request replaces; not exec(), so nothing waits inside it.
    //: Asked when the window is closed while a run goes on. A run is an encryption or decryption.
    auto* question = new QMessageBox(QMessageBox::NoIcon, tr("Quit Lockfern?"), tr("Quit and cancel the run?"),
                                     QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("quitQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setInformativeText(tr("The run going on now stops, and what it has written so far is removed. "
                                    "Your files stay as they were."));
    QPushButton* quit = question->addButton(tr("Quit"), QMessageBox::DestructiveRole);
    //: The default: the window stays and the run goes on.
    QPushButton* keep = question->addButton(tr("Keep Running"), QMessageBox::RejectRole);
    question->setDefaultButton(keep);
    question->setEscapeButton(keep);
    connect(question, &QMessageBox::finished, this, [this, question, quit] {
        m_asking = false;
        if (question->clickedButton() == quit) {
            closeWithoutAsking();
        }
    });
    Theme::styleWindow(question, global().theme().isDark());
    question->open();
}
