// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunReport.h"
#include "Theme.h"

#include <QTreeWidget>

#include <vector>

// The list of several items: what was chosen and where each will go, then what happened to each. A
// row an item: its name, and a line about it with a mark of how it went; a failure's line takes the
// failure colour too, so the mark is never the colour alone. Both are plain text, shortened to fit
// where they are shown; the whole of each is its tool tip and what a screen reader reads.
class ItemList : public QTreeWidget
{
    Q_OBJECT

public:
    struct Row
    {
        QString name;  // as the file manager shows it
        QString path;  // the name's tool tip
        QString line;  // beside the name
        QString whole; // what the line stands for when it shows only part of it; empty: the line
        Theme::Mark mark = Theme::Mark::None;
        QStringList leftOut; // entries that packing a folder left out, a row each under the folder

        // The row of the item at `item`, named as the file manager names it.
        static Row of(const Path& item, const QString& line, Theme::Mark mark = Theme::Mark::None,
                      const QString& whole = QString());
    };

    explicit ItemList(QWidget* parent = nullptr);

    void setRows(const std::vector<Row>& rows);

    struct Tally
    {
        int saved = 0;
        int failed = 0;
        int notDone = 0; // cancelled, or skipped after a cancel
        // Whose outcome the run as a whole is told by: the first cancelled item, as a cancel is the
        // user's own; otherwise the first that failed; none when all were saved.
        const Workflows::RunReport* decisive = nullptr;
    };
    // What a run did to each of `items` (the rows of the items run, in the same order): where the
    // result went, or why it failed.
    Tally showResults(const std::vector<Row>& items, const std::vector<Workflows::RunReport>& reports);
    // The row of the item that started last (from 1) is the current one, and in sight.
    void showRunning(int item);
    void setDark(bool dark);

    // No more than its least, two rows: it grows into room the pane has to spare, and never takes it
    // from the controls above.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColours();

    bool m_dark = false;
};
