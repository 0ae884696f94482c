// SPDX-License-Identifier: GPL-3.0-or-later
#include "Theme.h"

#include <QFontDatabase>
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

void TranslucentBackground::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor fill = m_material == Theme::kMaterialDark ? QColor(24, 24, 28, 235) : QColor(246, 246, 248, 235);
    painter.fillRect(rect(), fill);
}
