// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaskedAccessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>

#include <utility>

namespace {

bool isMasked(const QLineEdit* field)
{
    return field->echoMode() != QLineEdit::Normal;
}

// What the screen shows for `length` characters of a masked field: nothing at all with NoEcho.
QString mask(const QLineEdit* field, qsizetype length)
{
    if (field->echoMode() == QLineEdit::NoEcho) {
        return {};
    }
    return QString(length, QChar(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field)));
}

// The unit of text at `offset`: a masked field moves over its password as over one word, so it reads
// as one word, line and sentence; a shown one by its words; both by graphemes. At the end of the text
// it is the last unit, where Qt's own stepping through words never ends.
std::pair<int, int> unitAt(const QString& text, int offset, QAccessible::TextBoundaryType type, bool masked)
{
    const auto size = static_cast<int>(text.size());
    const bool words = type == QAccessible::WordBoundary && !masked;
    if (type != QAccessible::CharBoundary && !words) {
        return {0, size};
    }
    if (offset >= size && (!words || size == 0)) {
        return {size, size};
    }
    offset = std::min(offset, size - 1);
    QTextBoundaryFinder units(words ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Grapheme, text);
    units.setPosition(offset);
    const int start = units.isAtBoundary() ? offset : static_cast<int>(units.toPreviousBoundary());
    units.setPosition(start);
    const auto end = static_cast<int>(units.toNextBoundary());
    return {start, end < 0 ? size : end};
}

// A line edit that tells its text only while it is shown, and otherwise its mask. Every line edit
// takes it: Qt 6.4's own hangs when asked for the word at the end of a field's text.
class MaskedLineEdit : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface
{
public:
    explicit MaskedLineEdit(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        QString checked = text;
        int position = 0;
        if (!field()->validator() || field()->validator()->validate(checked, position) == QValidator::Acceptable) {
            field()->setText(checked);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !field()->isReadOnly();
        state.passwordEdit = isMasked(field());
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (t == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface, over what is shown.
    QString text(int start, int end) const override
    {
        return start > end ? QString() : shown().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = field()->selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0) {
            field()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0) {
            field()->setSelection(start, end - start);
        }
    }
    // Measured from the cursor, which the field places wherever it has scrolled to.
    QRect characterRect(int offset) const override
    {
        const QString text = shown();
        if (offset < 0 || offset >= text.size()) {
            return {};
        }
        const QFontMetrics metrics(field()->font());
        const QRect cursor = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(field()->cursorPosition()));
        return {field()->mapToGlobal(QPoint(x, cursor.top())),
                QSize(metrics.horizontalAdvance(text.at(offset)), cursor.height())};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return piece(offset, type, 0, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return piece(offset, type, -1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return piece(offset, type, 1, start, end);
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    // Editing goes through the field, whose events are masked like any other change.
    void deleteText(int start, int end) override { field()->setText(field()->text().remove(start, end - start)); }
    void insertText(int offset, const QString& text) override
    {
        field()->setText(field()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override
    {
        field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    // The unit at `offset`, or the one before (-1) or after (1) it; offset -1 is the end, -2 the cursor.
    QString piece(int offset, QAccessible::TextBoundaryType type, int step, int* start, int* end) const
    {
        const QString text = shown();
        offset = offset == -2 ? cursorPosition() : offset == -1 ? static_cast<int>(text.size()) : offset;
        *start = *end = -1;
        if (type == QAccessible::NoBoundary || offset < 0 || offset > text.size()) {
            return {};
        }
        std::pair<int, int> unit = unitAt(text, offset, type, isMasked(field()));
        if (step < 0) {
            if (unit.first == 0) {
                return {};
            }
            unit = unitAt(text, unit.first - 1, type, isMasked(field()));
        } else if (step > 0) {
            if (unit.second >= text.size()) {
                return {};
            }
            unit = unitAt(text, unit.second, type, isMasked(field()));
        }
        if (unit.first == unit.second) {
            return {};
        }
        *start = unit.first;
        *end = unit.second;
        return text.mid(unit.first, unit.second - unit.first);
    }

    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
    QString shown() const { return isMasked(field()) ? mask(field(), field()->text().size()) : field()->text(); }
};

QAccessibleInterface* maskedFactory(const QString&, QObject* object)
{
    if (auto* field = qobject_cast<QLineEdit*>(object)) {
        return new MaskedLineEdit(field);
    }
    return nullptr;
}

QAccessible::UpdateHandler previousHandler = nullptr;

void maskEvents(QAccessibleEvent* event);

void forward(QAccessibleEvent* event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Qt hands an event to the platform only while no handler is installed: stand aside for it.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&maskEvents);
}

// Text events of a masked field go on with mask characters in place of the text, or not at all
// with NoEcho; every other event as it came.
void maskEvents(QAccessibleEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(event->object());
    if (!field || !isMasked(field)) {
        forward(event);
        return;
    }
    const bool silent = field->echoMode() == QLineEdit::NoEcho;
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInsertEvent masked(field, inserted->changePosition(),
                                          mask(field, inserted->textInserted().size()));
        if (!silent) {
            forward(&masked);
        }
        return;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        QAccessibleTextRemoveEvent masked(field, removed->changePosition(), mask(field, removed->textRemoved().size()));
        if (!silent) {
            forward(&masked);
        }
        return;
    }
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
        QAccessibleTextUpdateEvent masked(field, updated->changePosition(), mask(field, updated->textRemoved().size()),
                                          mask(field, updated->textInserted().size()));
        if (!silent) {
            forward(&masked);
        }
        return;
    }
    default:
        forward(event);
        return;
    }
}

} // namespace

namespace MaskedAccessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&maskedFactory);
        previousHandler = QAccessible::installUpdateHandler(&maskEvents);
        return true;
    }();
    (void)installed;
}

} // namespace MaskedAccessibility
