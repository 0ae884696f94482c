// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decrypt.h"

#include "ui_Decrypt.h"

#include "Files.h"
#include "Global.h"
#include "Password.h"
#include "Theme.h"

#include <QFile>
#include <QFileInfo>

namespace {

Pane::Texts texts()
{
    return {.chooserTitle = QStringLiteral("Choose the file you want to decrypt"),
            .packagesAsDocuments = true, // a package is taken whole
            .progressName = QObject::tr("Decryption progress"),
            .cancelName = QObject::tr("Cancel the decryption"),
            .revealDescription = QObject::tr("Shows the decrypted file in the file manager")};
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

std::optional<std::string> Decrypt::fileD() const
{
    return m_package ? std::optional(m_package->encryptedFilePath) : std::nullopt;
}

std::optional<std::string> Decrypt::folderD() const
{
    return m_package ? std::optional(m_package->containingFolder) : std::nullopt;
}

void Decrypt::viewDidAppear()
{
    resetVariables();
    global().log(QStringLiteral("decrypt view presented"));
    clearResult();
    applyTheme();
    if (global().isOpenedFromFile && m_flag) {
        global().log(QStringLiteral("file selected from finder"));
        prepareForDecryption(global().openedFile);
        m_flag = false;
    }
}

void Decrypt::applyTheme()
{
    const bool dark = Global::isDark();
    for (QWidget* widget : {static_cast<QWidget*>(ui->titleD), static_cast<QWidget*>(ui->passwordLabelD),
                            static_cast<QWidget*>(ui->hintD), static_cast<QWidget*>(ui->fileNameD),
                            static_cast<QWidget*>(ui->capsLockD)}) {
        Theme::setTextColor(widget, dark);
    }
    ui->checkMarkD->setPixmap(Theme::checkMark(dark));
    Pane::applyTheme(dark);
}

void Decrypt::prepareForDecryption(const QString& chosen)
{
    if (run().isRunning()) {
        return;
    }
    const QString file = Paths::clean(chosen);
    global().log(QStringLiteral("file selected ") + file);
    Workflows::OpenResult opened = Workflows::openPackage(QFile::encodeName(file).toStdString());
    if (!opened.package) {
        refuse(opened.message());
        ui->serviceD->setEnabled(false);
        ui->checkMarkD->setHidden(true);
        // The earlier package and its hint stay, but with nothing selected no run can reach them.
        m_selectedD = false;
        showChosenPackage();
        showDestination({});
        return;
    }
    const QStringList lines = opened.logMessages();
    m_package = std::move(opened.package);
    const QString& hint = m_package->hint;
    ui->hintD->setText(hint.isEmpty() ? QString() : QStringLiteral("Hint: ") + hint);
    ui->hintD->setHidden(false);
    ui->serviceD->setEnabled(true);
    ui->checkMarkD->setHidden(false);
    m_selectedD = true;
    showChosenPackage();
    // A different file of that name is kept, and the run numbers ours then.
    showDestination(Messages::destination(Messages::Destination::WillBeRestored,
                                          {Workflows::displayPath(Workflows::restoredName(*m_package))}));
    logLines(lines);
}

void Decrypt::resetVariables()
{
    ui->passwordD->setText(QString());
    ui->passwordD->setShown(false);
    m_selectedD = false;
    ui->checkMarkD->setHidden(true);
    ui->hintD->setHidden(true);
    showChosenPackage();
    showDestination({});
}

void Decrypt::showChosenPackage()
{
    if (m_selectedD && m_package) {
        const QString path = Workflows::displayPath(m_package->packagePath);
        ui->fileNameD->setName(QFileInfo(path).fileName(), path);
    } else {
        ui->fileNameD->setName(tr("No package chosen"));
    }
}

void Decrypt::showFile()
{
    reveal(m_pathD);
}

void Decrypt::decrypt()
{
    if (!readyToRun()) {
        return;
    }
    startRun<Workflows::RestoreResult>(
        [package = *m_package, password = Password::bytes(ui->passwordD->text())](
            const Workflows::RunControl& control) { return Workflows::restoreFile(package, password, control); },
        [this](const Workflows::RestoreResult& result) {
            const QString restored = QFile::decodeName(QByteArray::fromStdString(result.restoredPath));
            const bool succeeded = result.outcome == Workflows::Outcome::Success;
            if (succeeded) {
                m_pathD = restored;
            }
            const auto place = result.alreadyThere ? Messages::Destination::AlreadyThere : Messages::Destination::Saved;
            finishRun(result.message(), result.logMessages(), restored,
                      succeeded ? Messages::destination(place, {QFileInfo(restored).fileName()})
                                : Messages::explain(result.failure),
                      result.failure.reason);
        });
}
