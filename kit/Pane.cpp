// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pane.h"

#include "Global.h"
#include "NameLabel.h"
#include "StatusLine.h"
#include "Theme.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

using Messages::Message;
using Messages::Reason;
using Theme::Mark;

// How a sentence looks: a refusal asks for something, a failure went wrong, a cancel is the user's own.
Mark markOf(Message message)
{
    switch (message) {
    case Message::Succeeded:
        return Mark::Success;
    case Message::EncryptFailed:
    case Message::DecryptFailed:
        return Mark::Failure;
    case Message::EncryptCancelled:
    case Message::DecryptCancelled:
    case Message::FileAdded:
        return Mark::None;
    case Message::AlreadyEncrypted:
    case Message::NotEncrypted:
    case Message::Problem:
    case Message::NoFileSelected:
    case Message::PasswordEmpty:
    case Message::PasswordsDiffer:
        break;
    }
    return Mark::Warning;
}

// The core's sentences are English, as lockfern-cli and the log say them; the window says them in the
// user's language.
QString shown(Message message)
{
    return QCoreApplication::translate(Messages::kContext, Messages::sentence(message).toUtf8().constData());
}

// The path of a drag that carries exactly one local file, as the bytes its URL names.
std::optional<Path> droppedPath(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile()) {
        return std::nullopt;
    }
    return Path::fromUrl(mime->urls().front());
}

template <typename W> W* steady(W* widget, QChar letter, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name) + letter);
    Pane::keepRoom({widget});
    return widget;
}

template <typename L> L* line(L* label, const QString& description)
{
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumHeight(label->fontMetrics().height());
    // A description, not a name: a label without a fixed name is read, and announced, by its text.
    label->setAccessibleDescription(description);
    return label;
}

} // namespace

Pane::Pane(const Services& services, Texts texts, QWidget* parent)
    : QWidget(parent), m_services(services), m_texts(std::move(texts))
{
    setAcceptDrops(true);
}

Pane::~Pane() = default;

void Pane::keepRoom(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widget->hide();
    }
}

void Pane::attach(const Parts& parts)
{
    m_controls = parts.controls;
    m_password = parts.password;
    m_choose = parts.choose;
    m_runButton = parts.run;
    m_controlsLeast = m_controls->minimumWidth();
    const QChar letter = parts.letter;

    m_destination = steady(new NameLabel(m_controls), letter, "destination");
    //: Screen-reader description of the line "Will be saved as …" under the chosen file.
    m_destination->setAccessibleDescription(tr("Where the result will go"));
    static_cast<QBoxLayout*>(m_controls->layout())->insertWidget(1, m_destination);

    auto* rows = new QWidget(this);
    rows->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);

    //: Screen-reader description of the status line ("Success!", "Password is empty.").
    m_status = line(steady(new StatusLine(rows), letter, "placeholder"), tr("Status"));
    m_status->setWordWrap(true);
    m_status->show(); // empty, but it is there: the status keeps its visibility when emptied
    grid->addWidget(m_status, 0, 0);

    m_detail = steady(new NameLabel(rows), letter, "detail");
    //: Screen-reader description of the line under the status: where the result went, or why a run failed.
    line(m_detail, tr("What happened"));
    //: Screen-reader description of the line "12.3 MB/s · 5 s left" during a run.
    m_rate = line(steady(new QLabel(rows), letter, "rate"), tr("Speed and time left"));
    QFont small = m_rate->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_rate->setFont(small);
    grid->addWidget(m_detail, 1, 0);
    grid->addWidget(m_rate, 1, 0);

    // The progress row and the reveal button take turns in one place.
    auto* progress = steady(new QProgressBar(rows), letter, "progress");
    progress->setTextVisible(false);
    progress->setMinimumWidth(260);
    progress->setAccessibleName(m_texts.progressName);
    //: Stops the encryption or decryption going on.
    auto* cancel = steady(new QPushButton(tr("Cancel"), rows), letter, "cancel");
    cancel->setAccessibleName(m_texts.cancelName);
    //: After a run: opens the file manager with the result selected. Use the desktop's own wording.
    m_reveal = steady(new QPushButton(tr("Show in File Manager"), rows), letter, "sService");
    m_reveal->setAccessibleDescription(m_texts.revealDescription);
    auto* progressRow = new QHBoxLayout;
    progressRow->addStretch();
    progressRow->addWidget(progress);
    progressRow->addWidget(cancel);
    progressRow->addStretch();
    grid->addLayout(progressRow, 2, 0);
    grid->addWidget(m_reveal, 2, 0, Qt::AlignHCenter);
    parts.layout->insertWidget(parts.index, rows);

    m_run = new BackgroundRun(progress, cancel, m_rate, this);
    connect(m_run, &BackgroundRun::runningChanged, this, [this](bool running) {
        m_controls->setEnabled(!running);
        m_reveal->setEnabled(!running);
        busyMayHaveChanged();
    });
    // Only the user's edits count: the reset empties the field without reporting it.
    connect(m_password, &QLineEdit::textEdited, this, &Pane::passwordEdited);
}

bool Pane::isBusy() const
{
    return m_run->isRunning() || m_dialogOpen;
}

bool Pane::isRunning() const
{
    return m_run->isRunning();
}

void Pane::busyMayHaveChanged()
{
    if (isBusy() != m_wasBusy) {
        m_wasBusy = isBusy();
        emit busyChanged(m_wasBusy);
    }
}

void Pane::setDialogOpen(bool open)
{
    m_dialogOpen = open;
    busyMayHaveChanged();
}

void Pane::cancelAndWait()
{
    m_run->cancelAndWait();
}

void Pane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar is not the pane being presented; neither is a show mid-run.
    if (!event->spontaneous() && !m_run->isRunning()) {
        viewDidAppear();
    }
}

void Pane::chooseFile()
{
    if (isBusy()) {
        return;
    }
    global().log(QStringLiteral("select file view presented"));
    setDialogOpen(true); // until the choice is taken, so that no request replaces the pane meanwhile
    FileChooser::Result result;
    if (m_services.fileChooser) {
        result = m_services.fileChooser->choose(window(), {m_texts.chooserTitle, m_texts.packagesAsDocuments});
    }
    if (result.response != FileChooser::Response::Ok) {
        global().log(QStringLiteral("select file view dismissed"));
    } else if (result.path && !result.path->isEmpty()) {
        takeChosen(*result.path);
        global().log(QStringLiteral("select file view closed"));
    }
    setDialogOpen(false);
}

void Pane::takeChosen(const Path& path)
{
    // As after any new choice: the status and an earlier result go.
    hideStatusAndResult();
    prepare(path);
}

void Pane::openDialog(QDialog* dialog, std::function<void()> closed)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setDialogOpen(true);
    connect(dialog, &QDialog::finished, this, [this, closed = std::move(closed)] {
        closed();
        setDialogOpen(false);
    });
    dialog->open();
}

void Pane::passwordEdited()
{
    if (!isSelected()) {
        return;
    }
    if (m_password->text().isEmpty()) {
        m_status->say(shown(Message::PasswordEmpty), markOf(Message::PasswordEmpty));
    } else {
        m_status->hide(); // its text stays
    }
}

void Pane::say(Message message)
{
    m_detail->hide();
    m_reveal->hide();
    m_status->say(shown(message), markOf(message));
}

void Pane::clearResult()
{
    m_status->setText(QString());
    m_status->setMark(Mark::None);
    m_detail->hide();
    m_reveal->hide();
}

bool Pane::readyToRun()
{
    if (isBusy()) {
        return false;
    }
    if (!isSelected()) {
        refuse(Message::NoFileSelected);
        return false;
    }
    if (m_password->text().isEmpty()) {
        refuse(Message::PasswordEmpty);
        return false;
    }
    return true;
}

void Pane::refuse(Message message)
{
    say(message);
    global().log(Messages::logLine(message));
}

void Pane::hideStatusAndResult()
{
    m_status->hide();
    m_detail->hide();
    m_reveal->hide();
}

void Pane::logLines(const QStringList& lines)
{
    for (const QString& line : lines) {
        global().log(line);
    }
}

void Pane::finishRun(const Workflows::RunReport& report)
{
    const bool succeeded = report.succeeded();
    logLines(report.lines);
    // The focus moves first, so that a screen reader says where it went and then the outcome.
    const Reason why = report.failure.reason;
    m_reveal->setVisible(succeeded);
    if (succeeded) {
        m_reveal->setFocus();
    } else if (why == Reason::SourceChanged) {
        m_runButton->setFocus();
    } else if (why != Reason::WrongPassword && why != Reason::Unknown && why != Reason::None) {
        m_choose->setFocus();
    } else {
        m_password->setFocus();
        m_password->selectAll();
    }
    m_detail->setSentence(report.detail, succeeded ? report.path.display() : QString());
    m_detail->setVisible(!report.detail.isEmpty());
    m_status->say(shown(report.message), markOf(report.message), m_detail->name());
    if (succeeded) {
        resetVariables();
    }
}

void Pane::showDestination(const Messages::Sentence& sentence, bool warning)
{
    m_destination->setMark(warning ? Mark::Warning : Mark::None);
    m_destination->setSentence(sentence);
    m_destination->setHidden(sentence.isEmpty());
}

void Pane::reveal(const Path& path)
{
    global().log(QStringLiteral("show file in finder"));
    if (m_services.fileBrowser) {
        m_services.fileBrowser->reveal(path);
    }
}

void Pane::applyTheme(bool dark)
{
    m_dark = dark;
    for (MarkedLabel* label : {static_cast<MarkedLabel*>(m_status), static_cast<MarkedLabel*>(m_detail),
                               static_cast<MarkedLabel*>(m_destination)}) {
        label->setDark(dark);
    }
    Theme::setTextColor(m_rate, dark);
    Theme::styleControls(this, dark);
}

// The controls keep their width in a window of the least size and grow with a wider one, so that a
// long name gets more room.
void Pane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    constexpr int kSideRoom = 140; // beside the controls in a window of the least width
    constexpr int kWidest = 640;
    m_controls->setFixedWidth(std::clamp(width() - kSideRoom, m_controlsLeast, kWidest));
}

void Pane::setDropping(bool dropping)
{
    m_dropping = dropping;
    update();
}

// While a file that would be taken is dragged over it, the pane says so: tinted, with a ring.
void Pane::paintEvent(QPaintEvent*)
{
    if (!m_dropping) {
        return;
    }
    const QColor ring = Theme::palette(m_dark).success; // the green of "yes, here"
    QColor tint = ring;
    tint.setAlpha(24);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ring, 2, Qt::DashLine));
    painter.setBrush(tint);
    painter.drawRoundedRect(QRectF(rect()).adjusted(6, 2, -6, -6), 14, 14);
}

void Pane::dragEnterEvent(QDragEnterEvent* event)
{
    if (!isBusy() && droppedPath(event->mimeData())) {
        event->acceptProposedAction();
        setDropping(true);
    }
}

void Pane::dragLeaveEvent(QDragLeaveEvent* event)
{
    QWidget::dragLeaveEvent(event);
    setDropping(false);
}

void Pane::dropEvent(QDropEvent* event)
{
    setDropping(false);
    const std::optional<Path> path = droppedPath(event->mimeData());
    if (isBusy() || !path) {
        return;
    }
    event->acceptProposedAction();
    takeChosen(*path);
}
