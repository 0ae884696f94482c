// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encrypt.h"

#include "ui_Encrypt.h"

#include "Files.h"
#include "Global.h"
#include "Hint.h"
#include "Package.h"
#include "Password.h"
#include "RNCryptor.h"
#include "Theme.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QShowEvent>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>

namespace {

const QString kExtension = QStringLiteral(".lockfern");
constexpr int kProgressSteps = 1000;
constexpr int kProgressPollMs = 100;
// Speed and time left only once a run has lasted long enough for them to mean something.
constexpr qint64 kRateAfterMs = 1000;

std::string toNative(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The path of a drag that carries exactly one local file, otherwise empty.
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls()) {
        return {};
    }
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) {
        return {};
    }
    return urls.first().toLocalFile();
}

// Elided in the middle so that the extension stays readable. Qt's elision measures with rounded
// advances, so its result can be a fraction of a pixel too wide and lose half its last letter.
QString elidedToFit(const QString& text, const QLabel& label)
{
    const QFontMetricsF metrics(label.font());
    const qreal width = std::max(label.contentsRect().width(), 80);
    QString shown = metrics.elidedText(text, Qt::ElideMiddle, width);
    for (qreal narrower = width - 1; narrower > 0 && metrics.horizontalAdvance(shown) > width; narrower -= 1) {
        shown = metrics.elidedText(text, Qt::ElideMiddle, narrower);
    }
    return shown;
}

QString timeLeft(double seconds)
{
    const qint64 whole = std::max<qint64>(1, static_cast<qint64>(seconds + 0.5));
    if (whole < 60) {
        return QString::number(whole) + QStringLiteral(" s left");
    }
    return QString::number(whole / 60) + QStringLiteral(" min ") + QString::number(whole % 60) +
           QStringLiteral(" s left");
}

} // namespace

// Written by the worker, read by the GUI thread's poll; shared so the worker never outlives it.
struct Encrypt::RunProgress
{
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<bool> cancel{false};
};

Encrypt::Encrypt(const Services& services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Encrypt>()), m_services(services)
{
    ui->setupUi(this);
    ui->passwordE->setMaxLength(Password::kMaxCharacters);
    ui->fileNameE->setTextFormat(Qt::PlainText); // a name may start with "<"
    viewDidLoad();
}

Encrypt::~Encrypt()
{
    // The worker holds only its own copies and the shared progress, but must not run on unseen.
    if (m_run) {
        m_run->cancel.store(true);
    }
    m_watcher.waitForFinished();
}

void Encrypt::viewDidLoad()
{
    Theme::applyTitleFont(ui->titleE);

    Theme::stylePrimaryButton(ui->serviceE);
    for (QPushButton* button : {ui->chooseE, ui->hintButtonE, ui->cancelE, ui->sServiceE}) {
        Theme::styleSecondaryButton(button);
    }
    Theme::styleProgressBar(ui->progressE);

    // Hidden widgets keep their room so the pane does not jump while the user works. The progress row
    // and the reveal button take room only when shown, so the idle pane sits in the middle.
    for (QWidget* widget : {static_cast<QWidget*>(ui->checkMarkE), static_cast<QWidget*>(ui->placeholderE)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    QFont small = ui->rateE->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    ui->rateE->setFont(small);

    ui->checkMarkE->hide();
    ui->sServiceE->hide();
    ui->progressE->hide();
    ui->cancelE->hide();
    ui->rateE->hide();
    setAcceptDrops(true);

    connect(ui->chooseE, &QPushButton::clicked, this, &Encrypt::chooseFile);
    connect(ui->hintButtonE, &QPushButton::clicked, this, &Encrypt::openHint);
    connect(ui->serviceE, &QPushButton::clicked, this, &Encrypt::encrypt);
    connect(ui->sServiceE, &QPushButton::clicked, this, &Encrypt::showFile);
    connect(ui->cancelE, &QPushButton::clicked, this, &Encrypt::cancel);
    // Only the user's typing: the reset's clearing of the field must not bring the status back.
    connect(ui->passwordE, &QLineEdit::textEdited, this, &Encrypt::controlTextDidChange);
    connect(ui->passwordE, &QLineEdit::returnPressed, ui->serviceE, &QPushButton::click);

    m_progressTimer.setInterval(kProgressPollMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &Encrypt::updateProgress);
    connect(&m_watcher, &QFutureWatcher<Workflows::EncryptResult>::finished, this,
            [this] { finishRun(m_watcher.result()); });
}

void Encrypt::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not a new showing of the pane.
    if (!event->spontaneous()) {
        viewDidAppear();
    }
}

void Encrypt::viewDidAppear()
{
    if (m_busy) {
        return; // never reset the fields of a run that is still going
    }
    resetVariables();
    global().log(QStringLiteral("encrypt view presented"));
    ui->sServiceE->setHidden(true);
    ui->checkMarkE->setHidden(true);
    ui->placeholderE->setText(QString());
    ui->progressE->setHidden(true);
    applyTheme();
}

void Encrypt::applyTheme()
{
    const bool dark = Global::isDark();
    Theme::setTextColor(ui->titleE, dark);
    Theme::setTextColor(ui->placeholderE, dark);
    Theme::setTextColor(ui->passwordLabelE, dark);
    Theme::styleTextField(ui->passwordE, dark);
    QPixmap mark = Theme::checkMark(dark);
    const qreal ratio = devicePixelRatioF();
    const QSize size = ui->checkMarkE->maximumSize() * ratio;
    mark = mark.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    mark.setDevicePixelRatio(ratio);
    ui->checkMarkE->setPixmap(mark);
    // The pane's own additions follow the same palette.
    Theme::setTextColor(ui->fileNameE, dark);
    Theme::setTextColor(ui->rateE, dark);
}

void Encrypt::controlTextDidChange(const QString&)
{
    if (!m_fields.selectedE) {
        return;
    }
    if (ui->passwordE->text().isEmpty()) {
        ui->placeholderE->setText(QStringLiteral("Password is empty."));
        ui->placeholderE->setHidden(false);
    } else {
        ui->placeholderE->setHidden(true);
    }
}

void Encrypt::chooseFile()
{
    if (m_busy) {
        return;
    }
    global().log(QStringLiteral("select file view presented"));
    const DialogOpen open(*this);
    FileChooser::Result result;
    if (m_services.fileChooser) {
        FileChooser::Options options;
        options.title = QStringLiteral("Choose the file you want to encrypt");
        options.packagesAsDocuments = false;
        result = m_services.fileChooser->choose(window(), options);
    }
    if (result.response != FileChooser::Response::Ok) {
        global().log(QStringLiteral("select file view dismissed"));
        return;
    }
    if (!result.path || result.path->isEmpty()) {
        return;
    }
    ui->placeholderE->setHidden(true);
    ui->sServiceE->setHidden(true);
    prepareForEncryption(*result.path);
    global().log(QStringLiteral("select file view closed"));
}

void Encrypt::prepareForEncryption(const QString& chosen)
{
    const QString file = Paths::clean(chosen);
    global().log(QStringLiteral("file selected ") + file);
    ui->serviceE->setEnabled(true);
    ui->checkMarkE->setHidden(false);

    const std::string path = toNative(file);
    if (Package::isPackagePath(path)) {
        ui->placeholderE->setText(QStringLiteral("This file is already encrypted."));
        global().log(QStringLiteral("file already encrypted"));
        ui->placeholderE->setHidden(false);
        ui->serviceE->setEnabled(false);
        ui->checkMarkE->setHidden(true);
        m_fields.selectedE = false;
        showChosenFile();
        return;
    }
    try {
        const File source(path);
        const std::string folder = source.containingFolder().path();
        m_fields.fileE = fromNative(source.path());
        m_fields.nameE = fromNative(source.baseName());
        m_fields.fullnameE = fromNative(source.name());
        m_fields.folderE = fromNative(folder);
        m_fields.selectedE = true;
        m_fields.pathE = fromNative(Package::packagePath(folder, source.name()));
        global().log(QStringLiteral("file added succesfully"));
    } catch (const std::exception&) {
        ui->placeholderE->setHidden(false);
        ui->checkMarkE->setHidden(true);
        ui->serviceE->setEnabled(false);
        m_fields.selectedE = false;
        ui->placeholderE->setText(QStringLiteral("There's a problem."));
        global().log(QStringLiteral("there was a problem while adding file"));
    }
    showChosenFile();
}

void Encrypt::encrypt()
{
    if (m_busy) {
        return;
    }
    if (!m_fields.selectedE) {
        ui->placeholderE->setText(QStringLiteral("No file is selected."));
        global().log(QStringLiteral("no file selected"));
        ui->placeholderE->setHidden(false);
        ui->sServiceE->setHidden(true);
        return;
    }
    if (ui->passwordE->text().isEmpty()) {
        ui->placeholderE->setText(QStringLiteral("Password is empty."));
        global().log(QStringLiteral("password empty"));
        ui->placeholderE->setHidden(false);
        ui->sServiceE->setHidden(true);
        return;
    }
    ui->progressE->setRange(0, 0); // busy until the worker reports how far it is
    ui->progressE->setHidden(false);
    m_fields.finishedE = m_fields.nameE + kExtension;

    Workflows::EncryptRequest request;
    request.sourcePath = toNative(m_fields.fileE);
    request.password = RNCryptor::passwordBytes(ui->passwordE->text());
    if (global().hintExist) {
        request.hint = global().hint;
    }

    auto run = std::make_shared<RunProgress>();
    m_run = run;
    m_sourceSize = QFileInfo(m_fields.fileE).size();
    setBusy(true);
    m_elapsed.start();
    m_progressTimer.start();
    m_watcher.setFuture(QtConcurrent::run([run, request = std::move(request)]() {
        Workflows::RunControl control;
        control.progress = [run](std::int64_t done, std::int64_t total) {
            run->done.store(done);
            run->total.store(total);
        };
        control.cancel = &run->cancel;
        try {
            return Workflows::writePackage(request, control);
        } catch (...) {
            return Workflows::EncryptResult{}; // a failed run, never an escaped exception
        }
    }));
}

void Encrypt::updateProgress()
{
    if (!m_run) {
        return;
    }
    const std::int64_t total = m_run->total.load();
    if (total <= 0) {
        return;
    }
    const double fraction = std::clamp(static_cast<double>(m_run->done.load()) / static_cast<double>(total), 0.0, 1.0);
    if (ui->progressE->maximum() == 0) {
        ui->progressE->setRange(0, kProgressSteps);
    }
    ui->progressE->setValue(static_cast<int>(fraction * kProgressSteps));

    const qint64 elapsed = m_elapsed.elapsed();
    if (elapsed < kRateAfterMs || fraction <= 0.0 || fraction >= 1.0) {
        return;
    }
    const double seconds = static_cast<double>(elapsed) / 1000.0;
    const auto rate = static_cast<qint64>(static_cast<double>(m_sourceSize) * fraction / seconds);
    ui->rateE->setText(locale().formattedDataSize(rate, 0, QLocale::DataSizeSIFormat) + QStringLiteral("/s ") +
                       QChar(0x00B7) + QLatin1Char(' ') + timeLeft(seconds * (1.0 - fraction) / fraction));
    ui->rateE->setHidden(false);
}

void Encrypt::finishRun(const Workflows::EncryptResult& result)
{
    if (!m_busy) {
        return; // already handled by cancelAndWait()
    }
    m_progressTimer.stop();
    m_run.reset();
    ui->rateE->clear();
    ui->rateE->hide();
    setBusy(false);

    for (const QString& line : result.logMessages()) {
        global().log(line);
    }
    if (result.reached >= Workflows::EncryptStage::ChoseHint) {
        m_fields.hintE = result.hint;
    }

    switch (result.outcome) {
    case Workflows::Outcome::Success:
        ui->placeholderE->setHidden(false);
        ui->placeholderE->setText(QStringLiteral("Success!"));
        ui->sServiceE->setHidden(false);
        ui->progressE->setValue(kProgressSteps);
        resetVariables();
        ui->chooseE->setFocus();
        return;
    case Workflows::Outcome::Cancelled:
        ui->progressE->setHidden(true);
        ui->placeholderE->setHidden(false);
        ui->sServiceE->setHidden(true);
        ui->placeholderE->setText(QStringLiteral("Cancelled."));
        global().log(QStringLiteral("encryption cancelled"));
        ui->passwordE->setFocus();
        return;
    case Workflows::Outcome::Failed:
        if (result.cantDeleteFolder) {
            std::fputs("Can't delete folder\n", stdout);
            std::fflush(stdout);
        }
        ui->progressE->setHidden(true);
        ui->placeholderE->setHidden(false);
        ui->sServiceE->setHidden(true);
        ui->placeholderE->setText(QStringLiteral("An error occured while encrypting."));
        global().log(QStringLiteral("an error occured while encrypting"));
        ui->passwordE->setFocus();
        return;
    }
}

void Encrypt::resetVariables()
{
    ui->passwordE->setText(QString()); // clear() would keep the password in the field's undo history
    m_fields.fileE.clear();
    ui->checkMarkE->setHidden(true);
    m_fields.selectedE = false;
    // Keeps the last package's name; a second reset must not turn it into a bare extension.
    if (!m_fields.nameE.isEmpty()) {
        m_fields.finishedE = m_fields.nameE + kExtension;
    }
    m_fields.fullnameE.clear();
    m_fields.hintE.clear();
    m_fields.nameE.clear();
    m_fields.folderE.clear();
    global().hint.clear();
    global().hintExist = false;
    ui->progressE->setHidden(true);
    showChosenFile();
    showHintState();
}

void Encrypt::showHintState()
{
    ui->hintButtonE->setText(global().hintExist ? tr("Change Hint…") : tr("Add Hint…"));
}

void Encrypt::showFile()
{
    global().log(QStringLiteral("show file in finder"));
    if (m_services.fileBrowser) {
        m_services.fileBrowser->reveal(m_fields.pathE);
    }
}

void Encrypt::openHint()
{
    if (m_busy) {
        return;
    }
    // Owned by the window, which outlives any main view; until it closes the pane counts as busy.
    auto* dialog = new Hint(window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setDialogOpen(true);
    connect(dialog, &QDialog::finished, this, [this] {
        showHintState();
        setDialogOpen(false);
    });
    dialog->open();
}

void Encrypt::cancel()
{
    if (m_run) {
        m_run->cancel.store(true);
        ui->cancelE->setEnabled(false);
    }
}

bool Encrypt::isBusy() const
{
    return m_busy || m_dialogOpen;
}

void Encrypt::setDialogOpen(bool open)
{
    const bool wasBusy = isBusy();
    m_dialogOpen = open;
    if (isBusy() != wasBusy) {
        emit busyChanged(isBusy());
    }
}

void Encrypt::cancelAndWait()
{
    if (!m_busy) {
        return;
    }
    m_run->cancel.store(true);
    m_watcher.waitForFinished();
    finishRun(m_watcher.result());
}

void Encrypt::setBusy(bool busy)
{
    if (m_busy == busy) {
        return;
    }
    m_busy = busy;
    ui->controlsE->setEnabled(!busy);
    ui->cancelE->setEnabled(busy);
    ui->cancelE->setVisible(busy);
    if (busy) {
        ui->cancelE->setFocus();
    }
    emit busyChanged(busy);
}

void Encrypt::showChosenFile()
{
    if (!m_fields.selectedE) {
        ui->fileNameE->setText(tr("No file chosen"));
        ui->fileNameE->setToolTip(QString());
        return;
    }
    ui->fileNameE->setText(elidedToFit(m_fields.fullnameE, *ui->fileNameE));
    ui->fileNameE->setToolTip(m_fields.fileE);
}

void Encrypt::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_busy && !droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Encrypt::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (m_busy || path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // As after a choice in the panel: the status and a previous package's reveal button go away.
    ui->placeholderE->setHidden(true);
    ui->sServiceE->setHidden(true);
    prepareForEncryption(path);
}

void Encrypt::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showChosenFile(); // the elided name follows the label's width
}
