// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultRows.h"

#include "BackgroundRun.h"
#include "ItemList.h"
#include "Pane.h"
#include "StatusLine.h"
#include "Theme.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

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

ResultRows::ResultRows(QChar letter, const Names& names, QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setVerticalSpacing(4);

    //: Screen-reader description of the status line ("Success!", "Password is empty.").
    m_status = line(steady(new StatusLine(this), letter, "placeholder"), tr("Status"));
    m_status->setWordWrap(true);
    m_status->show(); // empty, but it is there: the status keeps its visibility when emptied
    m_grid->addWidget(m_status, 0, 0);

    // Several items: the list takes the detail line's place, and the rate goes up to the status line's.
    // It goes into its cell first: the grid spaces a row by the widget added to it last, which must
    // be one that keeps its room when hidden.
    m_items = new ItemList(this);
    m_items->setObjectName(QStringLiteral("items") + letter);
    m_items->setAccessibleName(names.items);
    m_items->hide();
    m_grid->addWidget(m_items, 1, 0);
    m_detail = steady(new NameLabel(this), letter, "detail");
    //: Screen-reader description of the line under the status: where the result went, or why a run failed.
    line(m_detail, tr("What happened"));
    //: Screen-reader description of the line "12.3 MB/s · 5 s left" during a run.
    m_rate = line(steady(new QLabel(this), letter, "rate"), tr("Speed and time left"));
    QFont small = m_rate->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_rate->setFont(small);
    m_grid->addWidget(m_detail, 1, 0);
    m_grid->addWidget(m_rate, 1, 0);

    // The progress row and the reveal button take turns in one place.
    auto* progress = steady(new QProgressBar(this), letter, "progress");
    progress->setTextVisible(false);
    progress->setMinimumWidth(260);
    progress->setAccessibleName(names.progress);
    //: Stops the encryption or decryption going on.
    auto* cancel = steady(new QPushButton(tr("Cancel"), this), letter, "cancel");
    cancel->setAccessibleName(names.cancel);
    //: After a run: opens the file manager with the results selected. Use the desktop's own wording.
    m_reveal = steady(new QPushButton(tr("Show in File Manager"), this), letter, "sService");
    m_reveal->setAccessibleDescription(names.revealDescription);
    auto* progressRow = new QHBoxLayout;
    progressRow->addStretch();
    progressRow->addWidget(progress);
    progressRow->addWidget(cancel);
    progressRow->addStretch();
    m_grid->addLayout(progressRow, 2, 0);
    m_grid->addWidget(m_reveal, 2, 0, Qt::AlignHCenter);

    m_run = new BackgroundRun(progress, cancel, m_rate, this);
    connect(m_run, &BackgroundRun::itemStarted, m_items, &ItemList::showRunning);
}

bool ResultRows::isSeveral() const
{
    return !m_items->isHidden();
}

void ResultRows::setSeveral(bool several)
{
    if (several == isSeveral()) {
        return;
    }
    m_items->setVisible(several);
    // The rate shares the status line's place while the list has the detail line's; back in its own
    // cell it is again the one added last.
    m_grid->removeWidget(m_rate);
    m_grid->addWidget(m_rate, several ? 0 : 1, 0);
    // The list's room is what the detail line and its spacing had, and a little of the spacing.
    m_grid->setVerticalSpacing(several ? 3 : 4);
    setSizePolicy(QSizePolicy::Preferred, several ? QSizePolicy::Expanding : QSizePolicy::Maximum);
}

QSize ResultRows::sizeHint() const
{
    return isSeveral() ? minimumSizeHint() : QWidget::sizeHint();
}

void ResultRows::setDark(bool dark)
{
    m_status->setDark(dark);
    m_detail->setDark(dark);
    Theme::setTextColor(m_rate, dark);
    m_items->setDark(dark);
}
