// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemList.h"

#include "NameLabel.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kMarkRole = Qt::UserRole;

// A name keeps its extension and a sentence its start.
class Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = index.column() == 0 ? Qt::ElideMiddle : Qt::ElideRight;
    }
};

QString css(const QColor& color)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(color.red()).arg(color.green()).arg(color.blue()).arg(color.alpha());
}

QIcon markIcon(Theme::Mark mark, int size, qreal ratio, bool dark)
{
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent); // no mark keeps its room, so that the names stay in line
    QPainter painter(&pixmap);
    Theme::paintMark(painter, QRectF(1, 1, size - 2, size - 2), mark, dark);
    return QIcon(pixmap);
}

QTreeWidgetItem* itemOf(const QString& name, const QString& path, const QString& line, const QString& whole,
                        Theme::Mark mark)
{
    auto* item = new QTreeWidgetItem({name, line});
    item->setData(0, Qt::AccessibleTextRole, name);
    item->setData(1, Qt::AccessibleTextRole, whole.isEmpty() ? line : whole);
    item->setToolTip(0, plainToolTip(path.isEmpty() ? name : path));
    item->setToolTip(1, plainToolTip(whole.isEmpty() ? line : whole));
    item->setData(0, kMarkRole, static_cast<int>(mark));
    return item;
}

} // namespace

ItemList::ItemList(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    // Read by screen readers as the columns' names; the list shows none.
    //: Screen-reader names of the list's two columns: an item's name, and what happens or happened to it.
    setHeaderLabels({tr("Name"), tr("What happens")});
    header()->hide();
    header()->setStretchLastSection(true);
    setItemDelegate(new Delegate(this));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(fontMetrics().height(), fontMetrics().height()));
    // Brought into sight, the last row ends at the bottom, not alone at the top.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

ItemList::Row ItemList::Row::of(const Path& item, const QString& line, Theme::Mark mark, const QString& whole)
{
    Row row;
    row.name = Path::displayName(item.name());
    row.path = item.display();
    row.line = line;
    row.whole = whole;
    row.mark = mark;
    return row;
}

void ItemList::setRows(const std::vector<Row>& rows)
{
    clear();
    bool nested = false;
    for (const Row& row : rows) {
        QTreeWidgetItem* item = itemOf(row.name, row.path, row.line, row.whole, row.mark);
        for (const QString& entry : row.leftOut) {
            item->addChild(
                itemOf(entry, QString(), shown(Messages::leftOut(entry)).text(), QString(), Theme::Mark::Warning));
        }
        nested = nested || !row.leftOut.isEmpty();
        addTopLevelItem(item);
    }
    setRootIsDecorated(nested);
    expandAll();
    applyColours();
    // A short list shows few rows: the first that warns or failed is brought into sight.
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const auto mark = static_cast<Theme::Mark>(topLevelItem(i)->data(0, kMarkRole).toInt());
        if (mark == Theme::Mark::Warning || mark == Theme::Mark::Failure) {
            scrollToItem(topLevelItem(i));
            break;
        }
    }
    updateGeometry(); // a row's height is known once there is one
}

namespace {

ItemList::Row resultRow(ItemList::Row item, const Workflows::RunReport& report)
{
    const QString sentence = shown(report.message);
    const QString detail = shown(report.detail).text();
    item.leftOut.clear();
    switch (report.outcome) {
    case Workflows::Outcome::Success:
        item.line = detail.isEmpty() ? sentence : detail;
        item.whole.clear();
        item.mark = Theme::Mark::Success;
        for (const std::string& entry : report.skipped) {
            item.leftOut << Path::displayName(entry);
        }
        break;
    case Workflows::Outcome::Failed:
        // The reason is what tells this item from the others; the sentence goes with it where it fits.
        item.line = detail.isEmpty() ? sentence : detail;
        item.whole = detail.isEmpty() ? sentence : sentence + QLatin1Char(' ') + detail;
        item.mark = Theme::Mark::Failure;
        break;
    case Workflows::Outcome::Cancelled:
        // One that never began has no lines of its own.
        item.line = report.lines.isEmpty() ? shown(Messages::notStarted()) : sentence;
        item.whole.clear();
        item.mark = Theme::Mark::None;
        break;
    }
    return item;
}

} // namespace

ItemList::Tally ItemList::showResults(const std::vector<Row>& items, const std::vector<Workflows::RunReport>& reports)
{
    Tally tally;
    const Workflows::RunReport* firstFailed = nullptr;
    std::vector<Row> rows;
    for (std::size_t i = 0; i < reports.size() && i < items.size(); ++i) {
        const Workflows::RunReport& report = reports[i];
        rows.push_back(resultRow(items[i], report));
        if (report.succeeded()) {
            ++tally.saved;
        } else if (report.outcome == Workflows::Outcome::Failed) {
            ++tally.failed;
            firstFailed = firstFailed ? firstFailed : &report;
        } else {
            ++tally.notDone;
            tally.decisive = tally.decisive ? tally.decisive : &report;
        }
    }
    tally.decisive = tally.decisive ? tally.decisive : firstFailed;
    setRows(rows);
    return tally;
}

void ItemList::setDark(bool dark)
{
    m_dark = dark;
    const Theme::Palette& p = Theme::palette(dark);
    setStyleSheet(QStringLiteral("QTreeWidget { background-color: %1; color: %2; border: 1px solid %3;"
                                 " border-radius: 8px; padding: 2px; outline: none; }"
                                 "QTreeWidget:focus { border: 2px solid %4; padding: 1px; }"
                                 "QTreeWidget::item { padding: 2px 0px; }"
                                 "QTreeWidget::item:selected { background-color: %5; color: %2; }"
                                 "QScrollBar:vertical { background: transparent; width: 10px; margin: 2px; }"
                                 "QScrollBar::handle:vertical { background-color: %6; border-radius: 3px;"
                                 " min-height: 12px; }"
                                 "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
                                 "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
                      .arg(css(p.fieldFill), css(p.text), css(p.fieldBorder), css(p.focus),
                           css(p.secondaryPressedTint), css(p.fieldPlaceholder)));
    applyColours();
}

// Each row's mark and, for a failure, its colour, in the theme.
void ItemList::applyColours()
{
    const Theme::Palette& p = Theme::palette(m_dark);
    const int size = iconSize().height();
    const qreal ratio = devicePixelRatioF();
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const auto mark = static_cast<Theme::Mark>(item->data(0, kMarkRole).toInt());
        item->setIcon(0, markIcon(mark, size, ratio, m_dark));
        item->setForeground(1, mark == Theme::Mark::Failure ? QBrush(p.failure) : QBrush());
    }
}

void ItemList::showRunning(int item)
{
    if (QTreeWidgetItem* row = topLevelItem(item - 1)) {
        setCurrentItem(row);
        scrollToItem(row);
    }
}

QSize ItemList::sizeHint() const
{
    return minimumSizeHint();
}

// Two rows at the least: the window's least size has room for no more, a taller one shows more. The
// scroll bar's own least height would make it three.
QSize ItemList::minimumSizeHint() const
{
    constexpr int kFrame = 2 * (1 + 2); // the sheet's border and padding, above and below
    const int row = std::max(sizeHintForRow(0), fontMetrics().height() + 5);
    return {QTreeWidget::minimumSizeHint().width(), 2 * row + kFrame};
}

// The names take two fifths, the lines the rest.
void ItemList::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    setColumnWidth(0, viewport()->width() * 2 / 5);
}
