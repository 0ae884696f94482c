// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pane.h"

#include "Global.h"
#include "NameLabel.h"
#include "ResultRows.h"
#include "StatusLine.h"
#include "Theme.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

#include <algorithm>

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

// The paths of a drag that carries local files and folders only, as the bytes their URLs name; none
// for any other drag.
std::vector<Path> droppedPaths(const QMimeData* mime)
{
    std::vector<Path> paths;
    for (const QUrl& url : mime && mime->hasUrls() ? mime->urls() : QList<QUrl>()) {
        if (!url.isLocalFile()) {
            return {};
        }
        paths.push_back(Path::fromUrl(url));
    }
    return paths;
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

    m_destination = new NameLabel(m_controls);
    m_destination->setObjectName(QStringLiteral("destination") + letter);
    keepRoom({m_destination});
    //: Screen-reader description of the line "Will be saved as …" under the chosen file.
    m_destination->setAccessibleDescription(tr("Where the result will go"));
    static_cast<QBoxLayout*>(m_controls->layout())->insertWidget(1, m_destination);

    m_rows = new ResultRows(letter, {m_texts.progressName, m_texts.cancelName, m_texts.revealDescription,
                                     m_texts.itemsName}, this);
    m_status = m_rows->status();
    m_detail = m_rows->detail();
    m_items = m_rows->items();
    m_reveal = m_rows->reveal();
    m_run = m_rows->run();
    m_paneLayout = parts.layout;
    parts.layout->insertWidget(parts.index, m_rows);

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
        result = m_services.fileChooser->choose(
            window(), {m_texts.chooserTitle, m_texts.packagesAsDocuments, true, m_texts.folders});
    }
    std::erase_if(result.paths, [](const Path& path) { return path.isEmpty(); });
    if (result.response != FileChooser::Response::Ok) {
        global().log(QStringLiteral("select file view dismissed"));
    } else if (!result.paths.empty()) {
        takeChosen(result.paths);
        global().log(QStringLiteral("select file view closed"));
    }
    setDialogOpen(false);
}

void Pane::takeChosen(const std::vector<Path>& paths)
{
    // As after any new choice: the status and an earlier result go.
    hideStatusAndResult();
    showItems({});
    if (paths.size() == 1) {
        prepare(paths.front());
    } else {
        prepareSeveral(paths);
    }
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
    showItems({});
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
    m_reveal->setVisible(succeeded);
    focusAfter(report);
    m_detail->setSentence(report.detail, succeeded ? report.path.display() : QString());
    m_detail->setVisible(!report.detail.isEmpty());
    m_status->say(shown(report.message), markOf(report.message), m_detail->name());
    if (succeeded) {
        resetVariables();
    }
}

// Where the user continues: to the result, or to the field to fix.
void Pane::focusAfter(const Workflows::RunReport& report)
{
    const Reason why = report.failure.reason;
    if (report.succeeded()) {
        m_reveal->setFocus();
    } else if (why == Reason::SourceChanged) {
        m_runButton->setFocus();
    } else if (why != Reason::WrongPassword && why != Reason::Unknown && why != Reason::None) {
        m_choose->setFocus();
    } else {
        m_password->setFocus();
        m_password->selectAll();
    }
}

void Pane::finishBatch(const std::vector<ItemList::Row>& items, const std::vector<Workflows::RunReport>& reports,
                       const std::function<void(const Workflows::RunReport&)>& each)
{
    for (const Workflows::RunReport& report : reports) {
        if (each) {
            each(report);
        }
        logLines(report.lines);
    }
    const ItemList::Tally tally = m_items->showResults(items, reports);
    //: Screen-reader name of the list of items after a run of several.
    m_items->setAccessibleName(tr("What happened to each"));
    m_detail->hide();
    m_reveal->setVisible(tally.saved > 0);
    if (tally.decisive) {
        focusAfter(*tally.decisive);
    } else {
        m_reveal->setFocus();
    }
    m_status->say(shown(Messages::tally(tally.saved, tally.failed, tally.notDone)).text(),
                  tally.decisive ? markOf(tally.decisive->message) : Mark::Success);
}

void Pane::showItems(const std::vector<ItemList::Row>& rows, const QString& name)
{
    const bool several = !rows.empty();
    m_items->setRows(rows);
    m_items->setAccessibleName(name.isEmpty() ? m_texts.itemsName : name);
    m_rows->setSeveral(several);
    // The line under the chosen file gives its room to the list.
    QSizePolicy policy = m_destination->sizePolicy();
    policy.setRetainSizeWhenHidden(!several);
    m_destination->setSizePolicy(policy);
    m_destination->setHidden(!m_hasDestination || several);
    m_paneLayout->setStretchFactor(m_rows, several ? 1 : 0);
}

void Pane::showDestination(const Messages::Sentence& sentence, bool warning)
{
    m_destination->setMark(warning ? Mark::Warning : Mark::None);
    m_destination->setSentence(sentence);
    m_hasDestination = !sentence.isEmpty();
    m_destination->setHidden(!m_hasDestination || m_rows->isSeveral());
}

void Pane::reveal(const std::vector<Path>& paths)
{
    global().log(QStringLiteral("show file in finder"));
    if (m_services.fileBrowser) {
        m_services.fileBrowser->reveal(paths);
    }
}

void Pane::applyTheme(bool dark)
{
    m_dark = dark;
    m_destination->setDark(dark);
    m_rows->setDark(dark);
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
    if (!isBusy() && !droppedPaths(event->mimeData()).empty()) {
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
    const std::vector<Path> paths = droppedPaths(event->mimeData());
    if (isBusy() || paths.empty()) {
        return;
    }
    event->acceptProposedAction();
    takeChosen(paths);
}
