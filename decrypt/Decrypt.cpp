// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decrypt.h"

#include "ui_Decrypt.h"

#include "Global.h"
#include "NameLabel.h"
#include "Password.h"
#include "Theme.h"

namespace {

Pane::Texts texts()
{
    //: Title of the file chooser, where the user picks a package (a folder NAME.lockfern).
    return {.chooserTitle = Decrypt::tr("Choose the file you want to decrypt"),
            .packagesAsDocuments = true, // a package is taken whole
            //: Screen-reader name of the progress bar.
            .progressName = Decrypt::tr("Decryption progress"),
            //: Screen-reader name of the Cancel button during a decryption.
            .cancelName = Decrypt::tr("Cancel the decryption"),
            //: Screen-reader description of "Show in File Manager".
            .revealDescription = Decrypt::tr("Shows the decrypted file in the file manager")};
}

} // namespace

Decrypt::Decrypt(const Services& services, QWidget* parent)
    : Pane(services, texts(), parent), ui(std::make_unique<Ui::Decrypt>())
{
    ui->setupUi(this);
    attach({QLatin1Char('D'), ui->paneLayout, ui->paneLayout->indexOf(ui->controlsD) + 1, ui->controlsD,
            ui->passwordD, ui->chooseD, ui->serviceD});
    ui->passwordD->setMaxLength(Password::kMaxCharacters);
    ui->capsLockD->watch({ui->passwordD}, services.capsLock);
    ui->serviceD->setProperty(Theme::kLook, QStringLiteral("primary"));
    keepRoom({ui->checkMarkD, ui->hintD});
    connect(ui->chooseD, &QPushButton::clicked, this, &Decrypt::chooseFile);
    connect(ui->serviceD, &QPushButton::clicked, this, &Decrypt::decrypt);
    connect(revealButton(), &QPushButton::clicked, this, &Decrypt::showFile);
    connect(ui->passwordD, &QLineEdit::returnPressed, this, &Decrypt::decrypt);
    showChosenPackage();
    // viewDidLoad
    Theme::applyTitleFont(ui->titleD);
}

Decrypt::~Decrypt() = default;

void Decrypt::viewDidAppear()
{
    resetVariables();
    global().log(QStringLiteral("decrypt view presented"));
    clearResult();
    applyTheme();
    if (global().isOpenedFromFile && m_takeOpenedFile) {
        global().log(QStringLiteral("file selected from finder"));
        prepareForDecryption(global().openedFile);
        m_takeOpenedFile = false;
    }
}

void Decrypt::applyTheme()
{
    const bool dark = global().theme().isDark();
    for (QWidget* widget : {static_cast<QWidget*>(ui->titleD), static_cast<QWidget*>(ui->passwordLabelD),
                            static_cast<QWidget*>(ui->hintD), static_cast<QWidget*>(ui->fileNameD),
                            static_cast<QWidget*>(ui->capsLockD)}) {
        Theme::setTextColor(widget, dark);
    }
    ui->checkMarkD->setPixmap(Theme::checkMark(dark));
    Pane::applyTheme(dark);
}

void Decrypt::prepareForDecryption(const Path& file)
{
    if (run().isRunning()) {
        return;
    }
    global().log(QStringLiteral("file selected ") + file.display());
    Workflows::OpenResult opened = Workflows::openPackage(file);
    if (!opened.package) {
        refuse(opened.message());
        ui->serviceD->setEnabled(false);
        ui->checkMarkD->setHidden(true);
        // The earlier package's hint stays on show, but with nothing selected no run can reach it.
        m_package.reset();
        showChosenPackage();
        showDestination({});
        return;
    }
    const QStringList lines = opened.logMessages();
    m_package = std::move(opened.package);
    const QString& hint = m_package->hint;
    //: %1 is the password hint stored in the package, as its author typed it.
    ui->hintD->setText(hint.isEmpty() ? QString() : tr("Hint: %1").arg(isolated(hint, this)));
    ui->hintD->setHidden(false);
    ui->serviceD->setEnabled(true);
    ui->checkMarkD->setHidden(false);
    showChosenPackage();
    // A different file of that name is kept, and the run numbers ours then.
    showDestination(Messages::destination(Messages::Destination::WillBeRestored,
                                          {Path::displayName(Workflows::restoredName(*m_package))}));
    logLines(lines);
}

void Decrypt::resetVariables()
{
    ui->passwordD->setText(QString());
    ui->passwordD->setShown(false);
    m_package.reset();
    ui->checkMarkD->setHidden(true);
    ui->hintD->setHidden(true);
    showChosenPackage();
    showDestination({});
}

void Decrypt::showChosenPackage()
{
    if (m_package) {
        ui->fileNameD->setName(Path::displayName(m_package->packagePath.name()), m_package->packagePath.display());
    } else {
        //: Where the chosen package's name goes. A package is Lockfern's encrypted result, a folder NAME.lockfern.
        ui->fileNameD->setName(tr("No package chosen"));
    }
}

void Decrypt::showFile()
{
    reveal(m_restored);
}

void Decrypt::decrypt()
{
    if (!readyToRun()) {
        return;
    }
    startRun<Workflows::RunReport>(
        [package = *m_package, password = Password::bytes(ui->passwordD->text())](const RunControl& control) {
            return Workflows::restoreFile(package, password, control);
        },
        [this](const Workflows::RunReport& report) {
            if (report.succeeded()) {
                m_restored = report.path;
            }
            finishRun(report);
        });
}
