// SPDX-License-Identifier: GPL-3.0-or-later
#include "Theme.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace Theme {

namespace {

// The greens are dark enough for white text in the white theme, and light enough to read on the dark one.
// A ring in the button's own green vanishes on a green button: the white theme's ring is black.
const Palette kLight{
    QColor(251, 251, 253), QColor(234, 236, 241), Qt::black,
    QColor(0x23, 0x7a, 0x52), QColor(0x1f, 0x6e, 0x4a), QColor(0x1a, 0x5e, 0x3f), Qt::white,
    QColor(58, 166, 118, 38), QColor(58, 166, 118, 64), QColor(58, 166, 118, 92), QColor(0x19, 0x60, 0x3f),
    Qt::white, Qt::black, QColor(0, 0, 0, 153), QColor(0, 0, 0, 64),
    Qt::black, QColor(128, 128, 128, 64),
    QColor(0xb3, 0x26, 0x1e), QColor(0xa3, 0x52, 0x00), QColor(0x23, 0x7a, 0x52),
    Qt::white,
    Qt::white, Qt::black,
};
const Palette kDark{
    QColor(44, 46, 53), QColor(27, 28, 33), Qt::white,
    QColor(0x23, 0x7a, 0x52), QColor(0x1f, 0x6e, 0x4a), QColor(0x1a, 0x5e, 0x3f), Qt::white,
    QColor(58, 166, 118, 38), QColor(58, 166, 118, 64), QColor(58, 166, 118, 92), QColor(0x7e, 0xe0, 0xb3),
    QColor(255, 255, 255, 20), Qt::white, QColor(255, 255, 255, 166), QColor(255, 255, 255, 72),
    QColor(0x7e, 0xe0, 0xb3), QColor(128, 128, 128, 90),
    QColor(0xff, 0x8a, 0x80), QColor(0xff, 0xb7, 0x4d), QColor(0x7e, 0xe0, 0xb3),
    QColor(27, 28, 33),
    QColor(20, 21, 25), Qt::white,
};

QString css(const QColor& color)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QColor faded(QColor color, qreal opacity)
{
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}

QString primarySheet(const Palette& p)
{
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %4; border: 2px solid %1; border-radius: 10px;"
               " padding: 10px 18px; font-weight: 600; min-width: 150px; min-height: 22px; outline: none; }"
               "QPushButton:hover { background-color: %2; border-color: %2; }"
               "QPushButton:pressed { background-color: %3; border-color: %3; }"
               "QPushButton:focus { border-color: %5; }"
               "QPushButton:disabled { background-color: %6; border-color: transparent;"
               " color: rgba(255, 255, 255, 75%); }")
        .arg(css(p.primaryFill), css(p.primaryHover), css(p.primaryPressed), css(p.primaryText), css(p.focus),
             css(faded(p.primaryFill, 0.45)));
}

QString secondarySheet(const Palette& p, bool pill)
{
    const QString shape = pill ? QStringLiteral("border-radius: 8px; padding: 4px 12px;")
                               : QStringLiteral("border-radius: 10px; padding: 7px 16px; min-height: 20px;");
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %4; border: 2px solid transparent; %6 font-weight: 600;"
               " outline: none; }"
               "QPushButton:hover { background-color: %2; }"
               "QPushButton:pressed { background-color: %3; }"
               "QPushButton:focus { border-color: %5; }"
               "QPushButton:disabled { background-color: rgba(128, 128, 128, 12%); color: rgba(128, 128, 128, 60%); }")
        .arg(css(p.secondaryTint), css(p.secondaryHoverTint), css(p.secondaryPressedTint), css(p.secondaryText),
             css(p.focus), shape);
}

QString fieldSheet(const Palette& p)
{
    return QStringLiteral(
               "QLineEdit { background-color: %1; border: 1px solid %2; border-radius: 8px; padding: 6px 10px;"
               " min-height: 20px; }"
               "QLineEdit:focus { border: 2px solid %3; padding: 5px 9px; }"
               "QLineEdit:disabled { border-color: transparent; }")
        .arg(css(p.fieldFill), css(p.fieldBorder), css(p.focus));
}

QString barSheet(const Palette& p, const QColor& fill)
{
    return QStringLiteral("QProgressBar { background-color: %1; border: none; border-radius: 4px; min-height: 8px;"
                          " max-height: 8px; }"
                          "QProgressBar::chunk { background-color: %2; border-radius: 4px; }")
        .arg(css(p.track), css(fill));
}

} // namespace

const Palette& palette(bool dark)
{
    return dark ? kDark : kLight;
}

void setTextColor(QWidget* widget, bool dark)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, palette(dark).text);
    colours.setColor(QPalette::Text, palette(dark).text);
    widget->setPalette(colours);
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

void styleButton(QPushButton* button, bool dark)
{
    const QString look = button->property(kLook).toString();
    const Palette& p = palette(dark);
    button->setStyleSheet(look == QLatin1String("primary") ? primarySheet(p)
                                                           : secondarySheet(p, look == QLatin1String("pill")));
    // Outside a dialog a push button takes Return only when it is an auto-default one.
    button->setAutoDefault(true);
}

void styleControls(QWidget* root, bool dark)
{
    const Palette& p = palette(dark);
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        styleButton(button, dark);
    }
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        field->setStyleSheet(fieldSheet(p));
        QPalette colours = field->palette();
        colours.setColor(QPalette::Text, p.fieldText);
        colours.setColor(QPalette::PlaceholderText, p.fieldPlaceholder);
        field->setPalette(colours);
    }
    for (QProgressBar* bar : root->findChildren<QProgressBar*>()) {
        // A bar with a colour of its own keeps it: only the track follows the theme.
        const QVariant own = bar->property("fill");
        styleBar(bar, own.isValid() ? own.value<QColor>() : p.primaryFill, dark);
    }
}

void styleCheckBox(QCheckBox* box, bool dark)
{
    const Palette& p = palette(dark);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, p.checkBox);
    colours.setColor(QPalette::Text, p.checkTick);
    colours.setColor(QPalette::WindowText, p.text);
    box->setPalette(colours);
    // Only the box model: the style still draws the box and tick, in the colours above.
    box->setStyleSheet(QStringLiteral("QCheckBox { border: 2px solid transparent; border-radius: 6px; padding: 3px;"
                                      " outline: none; }"
                                      "QCheckBox:focus { border-color: %1; }")
                           .arg(css(p.focus)));
}

void paintMark(QPainter& painter, const QRectF& rect, Mark mark, bool dark)
{
    if (mark == Mark::None) {
        return;
    }
    const Palette& p = palette(dark);
    const qreal s = std::min(rect.width(), rect.height());
    const QRectF box(rect.center() - QPointF(s / 2, s / 2), QSizeF(s, s));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark == Mark::Failure ? p.failure : mark == Mark::Warning ? p.warning : p.success);
    if (mark == Mark::Warning) {
        // A triangle, so that it differs from a failure by shape as well as by colour.
        painter.drawPolygon(QPolygonF({QPointF(box.center().x(), box.top()), box.bottomRight(), box.bottomLeft()}));
    } else {
        painter.drawEllipse(box);
    }
    QPen ink(p.markInk, std::max(1.5, s / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ink);
    const auto at = [&box](qreal x, qreal y) { return QPointF(box.left() + x * box.width(), box.top() + y * box.height()); };
    if (mark == Mark::Success) {
        painter.drawPolyline(QPolygonF({at(0.28, 0.52), at(0.44, 0.68), at(0.72, 0.36)}));
    } else {
        // "!": a stroke and a dot, lower in the triangle where it is wider.
        const qreal top = mark == Mark::Warning ? 0.38 : 0.25;
        painter.drawLine(at(0.5, top), at(0.5, mark == Mark::Warning ? 0.66 : 0.58));
        painter.drawPoint(at(0.5, mark == Mark::Warning ? 0.80 : 0.75));
    }
    painter.restore();
}

void styleBar(QProgressBar* bar, const QColor& fill, bool dark)
{
    bar->setStyleSheet(barSheet(palette(dark), fill));
}

void styleWindow(QWidget* window, bool dark)
{
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, palette(dark).backgroundTop);
    colours.setColor(QPalette::WindowText, palette(dark).text);
    window->setPalette(colours);
    window->setAutoFillBackground(true);
    styleControls(window, dark);
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
    const Theme::Palette& p = Theme::palette(m_material == Theme::kMaterialDark);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, p.backgroundTop);
    fill.setColorAt(1, p.backgroundBottom);
    QPainter painter(this);
    if (m_cornerRadius <= 0) {
        painter.fillRect(rect(), fill);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(p.fieldBorder);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_cornerRadius, m_cornerRadius);
}
