// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLine.h"

#include <QAccessibleWidget>

namespace {

// What screen readers are told. Qt's AT-SPI bridge drops QAccessible::Alert events, and the role it
// gives Qt's alert is read only as a window; a notification that comes on show is read whatever has
// the focus, its name and then its description. It never shows itself: the status line does, and
// comes on show with the pane too, which must not say an old sentence again.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("announcer"));
        hide();
    }

    void announce(const QString& text, const QString& detail)
    {
        m_text = text;
        m_detail = detail;
        // Screen readers keep what they were told last: what changed is said to have changed.
        for (const QAccessible::Event change : {QAccessible::NameChanged, QAccessible::DescriptionChanged,
                                                QAccessible::ObjectShow}) {
            QAccessibleEvent event(this, change);
            QAccessible::updateAccessibility(&event);
        }
    }

    QString text() const { return m_text; }
    QString detail() const { return m_detail; }

private:
    QString m_text;
    QString m_detail;
};

class AnnouncerInterface : public QAccessibleWidget
{
public:
    explicit AnnouncerInterface(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* announcer = static_cast<const Announcer*>(object());
        switch (kind) {
        case QAccessible::Name:
            return announcer->text();
        case QAccessible::Description:
            return announcer->detail();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* announcerInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType()) {
        return new AnnouncerInterface(static_cast<Announcer*>(object));
    }
    return nullptr;
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : MarkedLabel(parent)
{
    static const bool installed = (QAccessible::installFactory(announcerInterface), true);
    Q_UNUSED(installed);
    m_announcer = new Announcer(this);
}

void StatusLine::say(const QString& text, Theme::Mark mark, const QString& detail)
{
    setMark(mark);
    setText(text);
    show();
    static_cast<Announcer*>(m_announcer)->announce(text, detail);
}

#include "StatusLine.moc"
