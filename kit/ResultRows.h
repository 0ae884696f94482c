// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class BackgroundRun;
class ItemList;
class NameLabel;
class QGridLayout;
class QLabel;
class QPushButton;
class StatusLine;

// The rows under a pane's controls that tell what happened: the status line, the line under it (the
// speed while a run goes), the progress bar with Cancel, and the reveal button, which takes the
// progress row's place. Hidden, they keep their room, so nothing moves. Several items chosen at once
// add a list in the detail line's place, and the speed goes up to the status line's.
class ResultRows : public QWidget
{
    Q_OBJECT

public:
    struct Names
    {
        QString progress; // what a screen reader calls the bar and the Cancel button
        QString cancel;
        QString revealDescription;
        QString items; // and the list
    };

    // Child names end in `letter`: "placeholder" + letter is the status line, and so on.
    ResultRows(QChar letter, const Names& names, QWidget* parent);

    StatusLine* status() const { return m_status; }
    NameLabel* detail() const { return m_detail; }
    QLabel* rate() const { return m_rate; }
    ItemList* items() const { return m_items; }
    QPushButton* reveal() const { return m_reveal; }
    BackgroundRun* run() const { return m_run; }

    // Shows or hides the list; with it the rows take what room the pane has to spare.
    void setSeveral(bool several);
    bool isSeveral() const;
    void setDark(bool dark);

    // With the list, no more than the least: the rows take room to spare, never the controls'.
    QSize sizeHint() const override;

private:
    QGridLayout* m_grid;
    StatusLine* m_status;
    NameLabel* m_detail;
    QLabel* m_rate;
    ItemList* m_items;
    QPushButton* m_reveal;
    BackgroundRun* m_run;
};
