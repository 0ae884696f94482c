// SPDX-License-Identifier: GPL-3.0-or-later
#include "SendLog.h"

#include "Global.h"
#include "Theme.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace SendLog {

namespace {

void offerOtherWays(QWidget* window, const Services& services)
{
    const SupportMail& mail = global().supportMail();
    auto* box = new QMessageBox(QMessageBox::Warning, QObject::tr("No Mail Program"),
                                QObject::tr("No mail program could be started."), QMessageBox::NoButton, window);
    box->setObjectName(QStringLiteral("noMailProgram"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(QObject::tr("Copy the log text into a mail to %1, or open the folder that holds the log "
                                        "file and attach it.")
                                .arg(SupportMail::address()));
    QPushButton* copy = box->addButton(QObject::tr("Copy Log Text"), QMessageBox::ActionRole);
    QPushButton* folder = box->addButton(QObject::tr("Open Log Folder"), QMessageBox::ActionRole);
    box->setDefaultButton(box->addButton(QObject::tr("Close"), QMessageBox::RejectRole));
    QObject::connect(box, &QMessageBox::buttonClicked, box, [copy, folder, services, &mail](QAbstractButton* clicked) {
        if (clicked == copy) {
            QGuiApplication::clipboard()->setText(mail.log().text());
        } else if (const Path log = mail.log().path(); clicked == folder && services.fileBrowser && !log.isEmpty()) {
            services.fileBrowser->reveal({log});
        }
    });
    Theme::styleWindow(box, global().theme().isDark());
    box->open();
}

} // namespace

void open(QWidget* window, const Services& services)
{
    const bool dark = global().theme().isDark();
    auto* dialog = new QDialog(window);
    dialog->setObjectName(QStringLiteral("sendLog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QObject::tr("Send Log"));
    auto* layout = new QVBoxLayout(dialog);
    auto* intro = new QLabel(QObject::tr("This is the log that goes to support with your mail. It names the files "
                                         "you chose and holds the hints you typed; passwords are never in it."),
                             dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // Plain text, read-only: a hint or a name is shown as written, never as markup.
    auto* text = new QPlainTextEdit(dialog);
    text->setObjectName(QStringLiteral("logText"));
    text->setReadOnly(true);
    text->setPlainText(global().supportMail().log().text());
    text->setAccessibleName(QObject::tr("Activity log"));
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, Theme::palette(dark).backgroundBottom);
    colours.setColor(QPalette::Text, Theme::palette(dark).text);
    text->setPalette(colours);
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* send = buttons->addButton(QObject::tr("Send"), QDialogButtonBox::AcceptRole);
    send->setProperty(Theme::kLook, QStringLiteral("primary"));
    buttons->addButton(QObject::tr("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(dialog, &QDialog::accepted, window, [window, services] {
        if (!global().supportMail().send()) {
            offerOtherWays(window, services);
        }
    });
    Theme::styleWindow(dialog, dark);
    dialog->resize(520, 380);
    send->setFocus();
    dialog->open();
}

} // namespace SendLog
