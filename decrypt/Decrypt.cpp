// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decrypt.h"

#include "ui_Decrypt.h"

#include "Files.h"
#include "Global.h"
#include "Password.h"
#include "RNCryptor.h"
#include "Theme.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QShowEvent>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

const QString kNoFile = QStringLiteral("No file is selected.");
const QString kPasswordEmpty = QStringLiteral("Password is empty.");
const QString kNotEncrypted = QStringLiteral("This file is not encrypted.");
const QString kProblem = QStringLiteral("There's a problem.");
const QString kError = QStringLiteral("An error occured while decrypting.");
const QString kSuccess = QStringLiteral("Success!");
const QString kCancelled = QStringLiteral("Cancelled.");

constexpr int kProgressSteps = 1000;
constexpr int kProgressPollMs = 100;

void logAll(const QStringList& messages)
{
    for (const QString& message : messages) {
        global().log(message);
    }
}

// Hidden widgets keep their place, so the pane does not jump as the user works in it.
void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

Decrypt::Decrypt(const Services& services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Decrypt>()), m_services(services)
{
    ui->setupUi(this);
    ui->passwordD->setMaxLength(Password::kMaxCharacters);
    setAcceptDrops(true);
    Theme::stylePrimaryButton(ui->serviceD);
    for (QPushButton* button : {ui->chooseD, ui->cancelD, ui->sServiceD}) {
        Theme::styleSecondaryButton(button);
    }
    Theme::styleProgressBar(ui->progressD);
    // The progress row and the reveal button take room only when shown: the idle pane sits in the middle
    // and a run still fits the window.
    for (QWidget* widget : {static_cast<QWidget*>(ui->checkMarkD), static_cast<QWidget*>(ui->hintD),
                            static_cast<QWidget*>(ui->placeholderD)}) {
        keepPlaceWhenHidden(widget);
    }
    ui->progressD->setHidden(true);
    ui->cancelD->setHidden(true);
    ui->rateD->setHidden(true);
    ui->sServiceD->setHidden(true);
    ui->checkMarkD->setHidden(true);
    ui->hintD->setHidden(true);

    connect(ui->chooseD, &QPushButton::clicked, this, &Decrypt::chooseFile);
    connect(ui->serviceD, &QPushButton::clicked, this, &Decrypt::decrypt);
    connect(ui->sServiceD, &QPushButton::clicked, this, &Decrypt::showFile);
    connect(ui->cancelD, &QPushButton::clicked, this, &Decrypt::cancelRun);
    connect(ui->passwordD, &QLineEdit::returnPressed, this, &Decrypt::decrypt);
    // Only the user's edits count: the reset empties the field without reporting it.
    connect(ui->passwordD, &QLineEdit::textEdited, this, [this] { controlTextDidChange(ui->passwordD); });
    connect(&m_watcher, &QFutureWatcher<Workflows::RestoreResult>::finished, this, &Decrypt::runFinished);
    m_progressTimer.setInterval(kProgressPollMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &Decrypt::updateProgress);

    viewDidLoad();
}

Decrypt::~Decrypt()
{
    cancelAndWait();
}

bool Decrypt::isBusy() const
{
    return m_busy || m_dialogOpen;
}

void Decrypt::setDialogOpen(bool open)
{
    const bool wasBusy = isBusy();
    m_dialogOpen = open;
    if (isBusy() != wasBusy) {
        emit busyChanged(isBusy());
    }
}

std::optional<std::string> Decrypt::fileD() const
{
    return m_package ? std::optional(m_package->encryptedFilePath) : std::nullopt;
}

std::optional<std::string> Decrypt::folderD() const
{
    return m_package ? std::optional(m_package->containingFolder) : std::nullopt;
}

void Decrypt::viewDidLoad()
{
    Theme::applyTitleFont(ui->titleD);
}

void Decrypt::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar is not the pane being presented; neither is a show in mid-run.
    if (event->spontaneous() || m_busy) {
        return;
    }
    viewDidAppear();
}

void Decrypt::viewDidAppear()
{
    resetVariables();
    global().log(QStringLiteral("decrypt view presented"));
    ui->sServiceD->setHidden(true);
    ui->checkMarkD->setHidden(true);
    ui->placeholderD->setText(QString());
    ui->progressD->setHidden(true);
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
    for (QWidget* widget : {static_cast<QWidget*>(ui->titleD), static_cast<QWidget*>(ui->placeholderD),
                            static_cast<QWidget*>(ui->passwordLabelD), static_cast<QWidget*>(ui->hintD),
                            static_cast<QWidget*>(ui->rateD)}) {
        Theme::setTextColor(widget, dark);
    }
    Theme::styleTextField(ui->passwordD, dark);
    ui->checkMarkD->setPixmap(Theme::checkMark(dark));
}

void Decrypt::controlTextDidChange(QObject* object)
{
    const auto* field = qobject_cast<QLineEdit*>(object);
    if (!field || !m_selectedD || field->property("tag").toInt() != 1) {
        return;
    }
    if (ui->passwordD->text().isEmpty()) {
        ui->placeholderD->setText(kPasswordEmpty);
        ui->placeholderD->setHidden(false);
    } else {
        ui->placeholderD->setHidden(true);
    }
}

void Decrypt::chooseFile()
{
    if (m_busy || !m_services.fileChooser) {
        return;
    }
    global().log(QStringLiteral("select file view presented"));
    const DialogOpen open(*this);
    FileChooser::Options options;
    options.title = QStringLiteral("Choose the file you want to decrypt");
    options.packagesAsDocuments = true;
    const FileChooser::Result result = m_services.fileChooser->choose(window(), options);
    if (result.response != FileChooser::Response::Ok) {
        global().log(QStringLiteral("select file view dismissed"));
        return;
    }
    if (!result.path) {
        return;
    }
    ui->placeholderD->setHidden(true);
    ui->sServiceD->setHidden(true);
    prepareForDecryption(*result.path);
    global().log(QStringLiteral("select file view closed"));
}

void Decrypt::prepareForDecryption(const QString& chosen)
{
    if (m_busy) {
        return;
    }
    const QString file = Paths::clean(chosen);
    global().log(QStringLiteral("file selected ") + file);
    Workflows::OpenResult opened = Workflows::openPackage(QFile::encodeName(file).toStdString());
    if (opened.outcome != Workflows::OpenOutcome::Prepared || !opened.package) {
        const bool notAPackage = opened.outcome == Workflows::OpenOutcome::NotAPackage;
        ui->placeholderD->setText(notAPackage ? kNotEncrypted : kProblem);
        logAll(opened.logMessages());
        ui->placeholderD->setHidden(false);
        ui->serviceD->setEnabled(false);
        ui->checkMarkD->setHidden(true);
        // The earlier package and its hint stay, but with nothing selected no run can reach them.
        m_selectedD = false;
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
    logAll(lines);
}

void Decrypt::resetVariables()
{
    ui->passwordD->setText(QString());
    m_selectedD = false;
    ui->checkMarkD->setHidden(true);
    ui->hintD->setHidden(true);
    ui->progressD->setHidden(true);
}

void Decrypt::showFile()
{
    global().log(QStringLiteral("show file in finder"));
    if (m_services.fileBrowser) {
        m_services.fileBrowser->reveal(m_pathD);
    }
}

void Decrypt::decrypt()
{
    if (m_busy) {
        return;
    }
    if (!m_selectedD || !m_package) {
        ui->placeholderD->setText(kNoFile);
        global().log(QStringLiteral("no file selected"));
        ui->placeholderD->setHidden(false);
        ui->sServiceD->setHidden(true);
        return;
    }
    if (ui->passwordD->text().isEmpty()) {
        ui->placeholderD->setText(kPasswordEmpty);
        global().log(QStringLiteral("password empty"));
        ui->placeholderD->setHidden(false);
        ui->sServiceD->setHidden(true);
        return;
    }

    m_run = std::make_shared<RunState>();
    ui->progressD->setRange(0, 0);
    ui->progressD->setHidden(false);
    ui->placeholderD->setHidden(true);
    ui->rateD->clear();
    setBusy(true);
    m_elapsed.start();
    m_progressTimer.start();

    m_watcher.setFuture(QtConcurrent::run(
        [run = m_run, package = *m_package, password = RNCryptor::passwordBytes(ui->passwordD->text()),
         onStart = m_onWorkerStart, onFirstProgress = m_onFirstProgress]() mutable {
            if (onStart) {
                onStart(run->cancel);
            }
            Workflows::RunControl control;
            control.cancel = &run->cancel;
            control.progress = [run, onFirstProgress, first = true](std::int64_t done, std::int64_t total) mutable {
                run->total.store(total, std::memory_order_relaxed);
                run->done.store(done, std::memory_order_relaxed);
                if (first && onFirstProgress) {
                    first = false;
                    onFirstProgress(run->cancel);
                }
            };
            return Workflows::restoreFile(package, password, control);
        }));
}

void Decrypt::cancelRun()
{
    if (m_run) {
        m_run->cancel.store(true);
        m_run->cancel.notify_all();
    }
}

void Decrypt::cancelAndWait()
{
    if (!m_busy) {
        return;
    }
    cancelRun();
    m_watcher.waitForFinished();
    runFinished();
}

void Decrypt::setBusy(bool busy)
{
    if (m_busy == busy) {
        return;
    }
    m_busy = busy;
    if (busy) {
        m_decryptWasEnabled = ui->serviceD->isEnabled();
    }
    ui->chooseD->setEnabled(!busy);
    ui->passwordD->setEnabled(!busy);
    ui->serviceD->setEnabled(busy ? false : m_decryptWasEnabled);
    ui->sServiceD->setEnabled(!busy);
    ui->cancelD->setEnabled(busy);
    ui->cancelD->setHidden(!busy);
    ui->rateD->setHidden(!busy);
    emit busyChanged(busy);
}

void Decrypt::updateProgress()
{
    if (!m_run) {
        return;
    }
    const std::int64_t total = m_run->total.load(std::memory_order_relaxed);
    const std::int64_t done = std::min(m_run->done.load(std::memory_order_relaxed), total);
    if (total > 0) {
        if (ui->progressD->maximum() != kProgressSteps) {
            ui->progressD->setRange(0, kProgressSteps);
        }
        ui->progressD->setValue(static_cast<int>(done * kProgressSteps / total));
    }
    ui->rateD->setText(rateText(done, total, m_elapsed.elapsed()));
}

QString Decrypt::rateText(std::int64_t done, std::int64_t total, std::int64_t elapsedMs)
{
    if (elapsedMs < 1000 || done <= 0 || total <= 0 || done > total) {
        return QString();
    }
    const double bytesPerSecond = static_cast<double>(done) * 1000.0 / static_cast<double>(elapsedMs);
    const double megabytes = bytesPerSecond / 1e6;
    const QString speed = megabytes < 10 ? QString::number(megabytes, 'f', 1) : QString::number(std::llround(megabytes));
    const auto secondsLeft =
        static_cast<std::int64_t>(std::ceil(static_cast<double>(total - done) / bytesPerSecond));
    const QString left = secondsLeft < 60
        ? QStringLiteral("%1 s left").arg(secondsLeft)
        : QStringLiteral("%1 min %2 s left").arg(secondsLeft / 60).arg(secondsLeft % 60);
    return speed + QStringLiteral(" MB/s · ") + left;
}

void Decrypt::runFinished()
{
    if (!m_busy) {
        return; // already handled by cancelAndWait()
    }
    m_progressTimer.stop();
    const Workflows::RestoreResult result = m_watcher.result();
    m_run.reset();
    setBusy(false);

    switch (result.outcome) {
    case Workflows::Outcome::Success: {
        // The success line of the log comes after "Success!" is shown.
        ui->placeholderD->setText(kSuccess);
        logAll(result.logMessages());
        m_pathD = QFile::decodeName(QByteArray::fromStdString(result.restoredPath));
        ui->placeholderD->setHidden(false);
        ui->hintD->setHidden(true);
        ui->sServiceD->setHidden(false);
        resetVariables();
        ui->sServiceD->setFocus();
        break;
    }
    case Workflows::Outcome::Failed:
        logAll(result.logMessages());
        ui->progressD->setHidden(true);
        ui->placeholderD->setHidden(false);
        ui->sServiceD->setHidden(true);
        ui->placeholderD->setText(kError);
        global().log(QStringLiteral("an error occured while decrypting"));
        ui->passwordD->setFocus();
        ui->passwordD->selectAll();
        break;
    case Workflows::Outcome::Cancelled:
        logAll(result.logMessages());
        ui->progressD->setHidden(true);
        ui->placeholderD->setText(kCancelled);
        ui->placeholderD->setHidden(false);
        ui->sServiceD->setHidden(true);
        global().log(QStringLiteral("decryption cancelled"));
        ui->passwordD->setFocus();
        break;
    }
}

std::optional<QString> Decrypt::droppedPath(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile()) {
        return std::nullopt;
    }
    return mime->urls().front().toLocalFile(); // cleaned where it is prepared
}

void Decrypt::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_busy && droppedPath(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void Decrypt::dropEvent(QDropEvent* event)
{
    const std::optional<QString> path = droppedPath(event->mimeData());
    if (m_busy || !path) {
        return;
    }
    event->acceptProposedAction();
    ui->placeholderD->setHidden(true);
    ui->sServiceD->setHidden(true);
    prepareForDecryption(*path);
}
