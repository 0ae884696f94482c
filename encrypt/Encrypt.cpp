// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encrypt.h"

#include "ui_Encrypt.h"

#include "Files.h"
#include "Global.h"
#include "Hint.h"
#include "Package.h"
#include "Password.h"
#include "PasswordStrength.h"
#include "Theme.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

std::string toNative(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The meter's colour for each level, weakest first; the line beside it says the level in words.
const QColor kLevelColours[] = {QColor(0xd6, 0x45, 0x45), QColor(0xe0, 0x7b, 0x2a), QColor(0xc9, 0xa2, 0x27),
                                QColor(0x5a, 0xa8, 0x5a), QColor(0x2e, 0x8f, 0x63)};

Pane::Texts texts()
{
    return {.chooserTitle = QStringLiteral("Choose the file you want to encrypt"),
            .packagesAsDocuments = false, // a package is entered to reach the file in it
            .progressName = QObject::tr("Encryption progress"),
            .cancelName = QObject::tr("Cancel the encryption"),
            .revealDescription = QObject::tr("Shows the encrypted package in the file manager")};
}

} // namespace

Encrypt::Encrypt(const Services& services, QWidget* parent)
    : Pane(services, texts(), parent), ui(std::make_unique<Ui::Encrypt>())
{
    ui->setupUi(this);
    attach({QLatin1Char('E'), ui->paneLayout, ui->paneLayout->indexOf(ui->controlsE) + 1, ui->controlsE,
            ui->passwordE, ui->chooseE, ui->serviceE});
    ui->passwordE->setMaxLength(Password::kMaxCharacters);
    ui->repeatPasswordE->setMaxLength(Password::kMaxCharacters);
    ui->repeatPasswordE->removeToggle();
    ui->capsLockE->watch({ui->passwordE, ui->repeatPasswordE}, services.capsLock);
    ui->serviceE->setProperty(Theme::kLook, QStringLiteral("primary"));
    viewDidLoad();
}

Encrypt::~Encrypt() = default;

void Encrypt::viewDidLoad()
{
    Theme::applyTitleFont(ui->titleE);
    keepRoom({ui->checkMarkE, ui->strengthBarE, ui->strengthE, ui->repeatPasswordLabelE, ui->repeatPasswordE});
    showRepeat(false);
    QFont small = ui->strengthE->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    ui->strengthE->setFont(small);

    connect(ui->chooseE, &QPushButton::clicked, this, &Encrypt::chooseFile);
    connect(ui->hintButtonE, &QPushButton::clicked, this, &Encrypt::openHint);
    connect(ui->serviceE, &QPushButton::clicked, this, &Encrypt::encrypt);
    connect(revealButton(), &QPushButton::clicked, this, &Encrypt::showFile);
    connect(ui->passwordE, &QLineEdit::returnPressed, ui->serviceE, &QPushButton::click);
    connect(ui->repeatPasswordE, &QLineEdit::returnPressed, ui->serviceE, &QPushButton::click);
    connect(ui->passwordE, &PasswordField::shownChanged, this, &Encrypt::showRepeat);
    // Every change, the reset's emptying included, which hides the meter.
    connect(ui->passwordE, &QLineEdit::textChanged, this, &Encrypt::showStrength);
    showChosenFile();
}

void Encrypt::viewDidAppear()
{
    resetVariables();
    global().log(QStringLiteral("encrypt view presented"));
    clearResult();
    applyTheme();
}

void Encrypt::applyTheme()
{
    const bool dark = Global::isDark();
    Theme::setTextColor(ui->titleE, dark);
    Theme::setTextColor(ui->passwordLabelE, dark);
    Theme::setTextColor(ui->repeatPasswordLabelE, dark);
    Theme::setTextColor(ui->capsLockE, dark);
    QPixmap mark = Theme::checkMark(dark);
    const qreal ratio = devicePixelRatioF();
    mark = mark.scaled(ui->checkMarkE->maximumSize() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    mark.setDevicePixelRatio(ratio);
    ui->checkMarkE->setPixmap(mark);
    // The pane's own additions follow the same palette.
    Theme::setTextColor(ui->fileNameE, dark);
    Theme::setTextColor(ui->strengthE, dark);
    Pane::applyTheme(dark);
}

// Beside the live check, never instead of it: the status line is not touched, and neither the
// password nor its estimate is logged.
void Encrypt::showStrength()
{
    const QString password = ui->passwordE->text();
    ui->strengthBarE->setHidden(password.isEmpty());
    ui->strengthE->setHidden(password.isEmpty());
    if (password.isEmpty()) {
        ui->strengthE->clear();
        return;
    }
    const PasswordStrength::Estimate estimate = PasswordStrength::estimate(password);
    const auto level = static_cast<int>(estimate.level);
    ui->strengthBarE->setValue(level + 1);
    ui->strengthBarE->setProperty("fill", kLevelColours[level]);
    Theme::styleBar(ui->strengthBarE, kLevelColours[level], Global::isDark());
    ui->strengthE->setText(PasswordStrength::levelName(estimate.level) + QStringLiteral(": ") +
                           PasswordStrength::timeToGuess(estimate.seconds) + QStringLiteral(" to guess on one GPU"));
}

// While the password is on show it needs no repeating, and what was seen counts as repeated when it
// is hidden again. The repeat keeps its room, so nothing moves.
void Encrypt::showRepeat(bool passwordShown)
{
    ui->repeatPasswordLabelE->setHidden(passwordShown);
    ui->repeatPasswordE->setHidden(passwordShown);
    if (!passwordShown) {
        ui->repeatPasswordE->setText(ui->passwordE->text());
    }
}

void Encrypt::prepareForEncryption(const QString& chosen)
{
    const QString file = Paths::clean(chosen);
    global().log(QStringLiteral("file selected ") + file);
    const Workflows::PrepareResult prepared = Workflows::prepareSource(toNative(file));
    if (!prepared.source) {
        refuse(prepared.message());
        ui->serviceE->setEnabled(false);
        ui->checkMarkE->setHidden(true);
        m_fields.selectedE = false;
        showChosenFile();
        showPackagePlace();
        return;
    }
    m_source = prepared.source;
    m_fields.fileE = fromNative(m_source->path);
    m_fields.nameE = fromNative(m_source->baseName);
    m_fields.fullnameE = fromNative(m_source->name);
    m_fields.folderE = fromNative(m_source->containingFolder);
    m_fields.selectedE = true;
    m_fields.pathE = fromNative(m_source->packagePath);
    global().log(Messages::logLine(prepared.message()));
    ui->serviceE->setEnabled(true);
    ui->checkMarkE->setHidden(false);
    showChosenFile();
    showPackagePlace();
}

// Said at once, so that nobody waits for a whole run to learn that the name is taken.
void Encrypt::showPackagePlace()
{
    if (!m_fields.selectedE) {
        showDestination({});
        return;
    }
    const Messages::Failure failure = Workflows::checkPackagePlace(*m_source);
    if (failure.reason != Messages::Reason::None) {
        showDestination(Messages::explain(failure), true);
        return;
    }
    const QString package = fromNative(Package::packageName(m_source->name));
    showDestination(Messages::destination(Messages::Destination::WillBeSaved, {package}));
}

void Encrypt::encrypt()
{
    if (!readyToRun()) {
        return;
    }
    if (!ui->passwordE->isShown() && ui->repeatPasswordE->text() != ui->passwordE->text()) {
        refuse(Messages::Message::PasswordsDiffer);
        ui->repeatPasswordE->setFocus();
        ui->repeatPasswordE->selectAll();
        return;
    }
    m_fields.finishedE = fromNative(Package::packageName(m_source->name));
    Workflows::EncryptRequest request{*m_source, Password::bytes(ui->passwordE->text()), std::nullopt};
    if (global().hintExist) {
        request.hint = global().hint;
    }
    startRun<Workflows::EncryptResult>(
        [request = std::move(request)](const Workflows::RunControl& control) {
            return Workflows::writePackage(request, control);
        },
        [this](const Workflows::EncryptResult& result) { finish(result); });
}

void Encrypt::finish(const Workflows::EncryptResult& result)
{
    if (result.reached >= Workflows::EncryptStage::ChoseHint) {
        m_fields.hintE = result.hint;
    }
    if (result.outcome == Workflows::Outcome::Failed && result.cantDeleteFolder) {
        std::fputs("Can't delete folder\n", stdout);
        std::fflush(stdout);
    }
    const QString package = QFileInfo(fromNative(result.packagePath)).fileName();
    const bool succeeded = result.outcome == Workflows::Outcome::Success;
    if (succeeded && services().packageMarker) {
        services().packageMarker->mark(fromNative(result.packagePath));
    }
    if (!succeeded) {
        showPackagePlace(); // it may have changed during the run
    }
    const Messages::Sentence detail =
        succeeded ? Messages::destination(Messages::Destination::SavedBesideSource, {package, m_fields.fullnameE})
                  : Messages::explain(result.failure);
    finishRun(result.message(), result.logMessages(), fromNative(result.packagePath), detail, result.failure.reason);
}

void Encrypt::resetVariables()
{
    ui->passwordE->setText(QString()); // clear() would keep the password in the field's undo history
    ui->repeatPasswordE->setText(QString());
    ui->passwordE->setShown(false);
    m_fields.fileE.clear();
    ui->checkMarkE->setHidden(true);
    m_fields.selectedE = false;
    // Keeps the last package's name; a second reset must not turn it into a bare extension.
    if (!m_fields.nameE.isEmpty()) {
        m_fields.finishedE = fromNative(Package::packageName(toNative(m_fields.fullnameE)));
    }
    m_fields.fullnameE.clear();
    m_fields.hintE.clear();
    m_fields.nameE.clear();
    m_fields.folderE.clear();
    global().hint.clear();
    global().hintExist = false;
    showChosenFile();
    showPackagePlace();
    showHintState();
}

void Encrypt::showHintState()
{
    ui->hintButtonE->setText(global().hintExist ? tr("Change Hint…") : tr("Add Hint…"));
}

void Encrypt::showFile()
{
    reveal(m_fields.pathE);
}

void Encrypt::openHint()
{
    if (!isBusy()) {
        openDialog(new Hint(window()), [this] { showHintState(); });
    }
}

void Encrypt::showChosenFile()
{
    if (m_fields.selectedE) {
        ui->fileNameE->setName(m_fields.fullnameE, m_fields.fileE);
    } else {
        ui->fileNameE->setName(tr("No file chosen"));
    }
}
