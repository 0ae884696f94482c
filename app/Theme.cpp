// SPDX-License-Identifier: GPL-3.0-or-later
#include "Theme.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>

namespace Theme {

void setTextColor(QWidget* widget, bool dark)
{
    QPalette palette = widget->palette();
    const QColor color = dark ? Qt::white : Qt::black;
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QString checkMarkResource(bool dark)
{
    return dark ? QStringLiteral(":/images/checkMark white.png") : QStringLiteral(":/images/checkMark black.png");
}

QPixmap checkMark(bool dark)
{
    return QPixmap(checkMarkResource(dark));
}

void applyTitleFont(QWidget* widget)
{
    const QString family = QStringLiteral("BankGothic Md BT");
    if (QFontDatabase::families().contains(family)) {
        widget->setFont(QFont(family, 15));
    }
}

} // namespace Theme

TranslucentBackground::TranslucentBackground(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TranslucentBackground::setMaterial(int material)
{
    m_material = material;
    update();
}

void TranslucentBackground::setCornerRadius(int radius)
{
    m_cornerRadius = radius;
    update();
}

void TranslucentBackground::paintEvent(QPaintEvent*)
{
    const bool dark = m_material == Theme::kMaterialDark;
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, dark ? QColor(44, 46, 53, 240) : QColor(251, 251, 253, 240));
    fill.setColorAt(1, dark ? QColor(27, 28, 33, 240) : QColor(234, 236, 241, 240));
    QPainter painter(this);
    if (m_cornerRadius <= 0) {
        painter.fillRect(rect(), fill);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(dark ? QColor(255, 255, 255, 28) : QColor(0, 0, 0, 22));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_cornerRadius, m_cornerRadius);
}
