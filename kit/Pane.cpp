// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pane.h"

#include "Global.h"
#include "NameLabel.h"
#include "Theme.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

#include <optional>

namespace {

using Messages::Message;

// The path of a drag that carries exactly one local file.
std::optional<QString> droppedPath(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile()) {
        return std::nullopt;
    }
    return mime->urls().front().toLocalFile(); // cleaned where it is prepared
}

template <typename W> W* steady(W* widget, QChar letter, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name) + letter);
    Pane::keepRoom({widget});
    return widget;
}

QLabel* line(QLabel* label, const QString& description)
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
    const QChar letter = parts.letter;

    auto* rows = new QWidget(this);
    rows->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(8);

    m_status = line(steady(new QLabel(rows), letter, "placeholder"), tr("Status"));
    m_status->setWordWrap(true);
    m_status->show(); // empty, but it is there: the status keeps its visibility when emptied
    grid->addWidget(m_status, 0, 0);

    m_detail = steady(new NameLabel(rows), letter, "detail");
    line(m_detail, tr("Where the result went"));
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
    auto* cancel = steady(new QPushButton(tr("Cancel"), rows), letter, "cancel");
    cancel->setAccessibleName(m_texts.cancelName);
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

void Pane::takeChosen(const QString& path)
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
        m_status->setText(Messages::sentence(Message::PasswordEmpty));
        m_status->show();
    } else {
        m_status->hide(); // its text stays
    }
}

void Pane::say(const QString& text)
{
    m_status->setText(text);
    m_status->show();
    m_detail->hide();
    m_reveal->hide();
}

void Pane::clearResult()
{
    m_status->setText(QString());
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
    say(Messages::sentence(message));
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

void Pane::finishRun(Message outcome, const QStringList& lines, const QString& resultPath, bool alreadyThere)
{
    logLines(lines);
    if (outcome == Message::Succeeded) {
        say(Messages::sentence(outcome));
        const QString name = QFileInfo(resultPath).fileName();
        m_detail->setName(alreadyThere ? tr("Already there: %1").arg(name) : tr("Saved as %1").arg(name), resultPath);
        m_detail->show();
        m_reveal->show();
        resetVariables();
        m_reveal->setFocus();
        return;
    }
    refuse(outcome);
    m_password->setFocus();
    m_password->selectAll();
}

void Pane::reveal(const QString& path)
{
    global().log(QStringLiteral("show file in finder"));
    if (m_services.fileBrowser) {
        m_services.fileBrowser->reveal(path);
    }
}

void Pane::applyTheme(bool dark)
{
    for (QLabel* label : {m_status, static_cast<QLabel*>(m_detail), m_rate}) {
        Theme::setTextColor(label, dark);
    }
    Theme::styleControls(this, dark);
}

void Pane::dragEnterEvent(QDragEnterEvent* event)
{
    if (!isBusy() && droppedPath(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void Pane::dropEvent(QDropEvent* event)
{
    const std::optional<QString> path = droppedPath(event->mimeData());
    if (isBusy() || !path) {
        return;
    }
    event->acceptProposedAction();
    takeChosen(*path);
}
