// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLine.h"

#include <QAccessibleWidget>

namespace {

// Qt's AT-SPI bridge drops QAccessible::Alert events and the role it maps Qt's alert to is read by
// screen readers only as a window. A notification that comes on show is read whatever has the
// focus: its name, then its description.
class StatusAccessible : public QAccessibleWidget
{
public:
    explicit StatusAccessible(StatusLine* line) : QAccessibleWidget(line, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* line = static_cast<const StatusLine*>(object());
        switch (kind) {
        case QAccessible::Name:
            return line->text();
        case QAccessible::Description:
            return line->detail();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* statusInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("StatusLine") && object && object->isWidgetType()) {
        return new StatusAccessible(static_cast<StatusLine*>(object));
    }
    return nullptr;
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : MarkedLabel(parent)
{
    static const bool installed = (QAccessible::installFactory(statusInterface), true);
    Q_UNUSED(installed);
}

void StatusLine::say(const QString& text, Theme::Mark mark, const QString& detail)
{
    if (detail != m_detail) {
        m_detail = detail;
        // Screen readers keep what they were told last; a new description has to be said to be new.
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    setMark(mark);
    setText(text);
    if (isHidden()) {
        show(); // coming on show is the announcement
        return;
    }
    // Shown already: it comes on show again for whoever listens.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}
