// SPDX-License-Identifier: GPL-3.0-or-later
#include "SendLog.h"

#include "Global.h"
#include "NameLabel.h"
#include "Theme.h"

#include <QClipboard>
#include <QCoreApplication>
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

// A context of their own for texts of dialogs that are no class's.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SendLog)
};

void offerOtherWays(QWidget* window, const Services& services)
{
    const SupportMail& mail = global().supportMail();
    //: Title of the message when Send Log found no mail program.
    auto* box = new QMessageBox(QMessageBox::Warning, Texts::tr("No Mail Program"),
                                Texts::tr("No mail program could be started."), QMessageBox::NoButton, window);
    box->setObjectName(QStringLiteral("noMailProgram"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    //: %1 is support's e-mail address.
    box->setInformativeText(Texts::tr("Copy the log text into a mail to %1, or open the folder that holds the log "
                                      "file and attach it.")
                                .arg(isolated(SupportMail::address(), box)));
    //: Copies the activity log to the clipboard.
    QPushButton* copy = box->addButton(Texts::tr("Copy Log Text"), QMessageBox::ActionRole);
    //: Opens the folder that holds the log file.
    QPushButton* folder = box->addButton(Texts::tr("Open Log Folder"), QMessageBox::ActionRole);
    box->setDefaultButton(box->addButton(Texts::tr("Close"), QMessageBox::RejectRole));
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
    //: Title of the dialog that shows the activity log before it is mailed to support.
    dialog->setWindowTitle(Texts::tr("Send Log"));
    auto* layout = new QVBoxLayout(dialog);
    //: Above the log, whose lines stay English.
    auto* intro = new QLabel(Texts::tr("This is the log that goes to support with your mail. It names the files "
                                       "you chose and holds the hints you typed; passwords are never in it."),
                             dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // Plain text, read-only: a hint or a name is shown as written, never as markup.
    auto* text = new QPlainTextEdit(dialog);
    text->setObjectName(QStringLiteral("logText"));
    text->setReadOnly(true);
    text->setPlainText(global().supportMail().log().text());
    text->setAccessibleName(Texts::tr("Activity log"));
    // Its lines are English and full of paths: they read left to right in any language.
    text->setLayoutDirection(Qt::LeftToRight);
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, Theme::palette(dark).backgroundBottom);
    colours.setColor(QPalette::Text, Theme::palette(dark).text);
    text->setPalette(colours);
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox(dialog);
    //: Opens the mail program with the log attached.
    QPushButton* send = buttons->addButton(Texts::tr("Send"), QDialogButtonBox::AcceptRole);
    send->setProperty(Theme::kLook, QStringLiteral("primary"));
    buttons->addButton(Texts::tr("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(dialog, &QDialog::accepted, window, [window, services] {
        if (!global().supportMail().send(QCoreApplication::translate("SupportMail", SupportMail::body()))) {
            offerOtherWays(window, services);
        }
    });
    Theme::styleWindow(dialog, dark);
    dialog->resize(520, 380);
    send->setFocus();
    dialog->open();
}

} // namespace SendLog
