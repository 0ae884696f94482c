// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameLabel.h"

#include <QFontMetricsF>

#include <algorithm>

QString plainToolTip(const QString& text)
{
    if (text.isEmpty()) {
        return text;
    }
    // Always rich text, with the markup of the text escaped and its spaces and line breaks kept.
    return QStringLiteral("<qt><p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p></qt>");
}

NameLabel::NameLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHorizontalStretch(1);
    setSizePolicy(policy);
}

void NameLabel::setName(const QString& name, const QString& toolTip)
{
    m_name = name;
    setToolTip(plainToolTip(toolTip));
    setAccessibleName(name); // the whole name, however little of it fits
    fit();
}

void NameLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

// Qt's elision measures with rounded advances, so its result can be a fraction of a pixel too wide
// and lose half its last letter.
void NameLabel::fit()
{
    const QFontMetricsF metrics(font());
    const qreal width = std::max(contentsRect().width(), 80);
    QString shown = metrics.elidedText(m_name, Qt::ElideMiddle, width);
    for (qreal narrower = width - 1; narrower > 0 && metrics.horizontalAdvance(shown) > width; narrower -= 1) {
        shown = metrics.elidedText(m_name, Qt::ElideMiddle, narrower);
    }
    setText(shown);
}
