// SPDX-License-Identifier: GPL-3.0-or-later
#include "Theme.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace Theme {

namespace {

// The button colours read well on both backgrounds, so the sheets do not depend on the theme.
const char* const kPrimaryButton =
    "QPushButton {\n"
    "    background-color: #2e8f63; color: white; border: 2px solid #2e8f63; border-radius: 10px;\n"
    "    padding: 10px 18px; font-weight: 600; min-width: 150px; min-height: 22px;\n"
    "}\n"
    "QPushButton:hover { background-color: #36a071; border-color: #36a071; }\n"
    "QPushButton:pressed { background-color: #267a54; border-color: #267a54; }\n"
    "QPushButton:focus { border-color: #a8dcc3; }\n"
    "QPushButton:disabled {\n"
    "    background-color: rgba(46, 143, 99, 45%); border-color: transparent; color: rgba(255, 255, 255, 75%);\n"
    "}\n";

const char* const kSecondaryButton =
    "QPushButton {\n"
    "    background-color: rgba(58, 166, 118, 15%); color: #3aa676; border: 1px solid rgba(58, 166, 118, 40%);\n"
    "    border-radius: 10px; padding: 7px 16px; font-weight: 600; min-height: 20px;\n"
    "}\n"
    "QPushButton:hover { background-color: rgba(58, 166, 118, 25%); }\n"
    "QPushButton:pressed { background-color: rgba(58, 166, 118, 36%); }\n"
    "QPushButton:focus { border-color: #3aa676; }\n"
    "QPushButton:disabled {\n"
    "    background-color: rgba(128, 128, 128, 12%); color: rgba(128, 128, 128, 60%); border-color: transparent;\n"
    "}\n";

const char* const kPillButton =
    "QPushButton {\n"
    "    background-color: rgba(128, 128, 128, 18%); color: #3aa676; border: 1px solid transparent;\n"
    "    border-radius: 8px; padding: 4px 12px; font-weight: 600;\n"
    "}\n"
    "QPushButton:hover { background-color: rgba(128, 128, 128, 30%); }\n"
    "QPushButton:pressed { background-color: rgba(128, 128, 128, 42%); }\n"
    "QPushButton:focus { border-color: #3aa676; }\n"
    "QPushButton:disabled { color: rgba(128, 128, 128, 60%); }\n";

const char* const kTextFieldLight =
    "QLineEdit {\n"
    "    background-color: white; border: 1px solid rgba(0, 0, 0, 20%); border-radius: 8px;\n"
    "    padding: 6px 10px; min-height: 20px;\n"
    "}\n"
    "QLineEdit:focus { border: 2px solid #3aa676; padding: 5px 9px; }\n"
    "QLineEdit:disabled { background-color: rgba(255, 255, 255, 55%); }\n";

const char* const kTextFieldDark =
    "QLineEdit {\n"
    "    background-color: rgba(255, 255, 255, 8%); border: 1px solid rgba(255, 255, 255, 22%); border-radius: 8px;\n"
    "    padding: 6px 10px; min-height: 20px;\n"
    "}\n"
    "QLineEdit:focus { border: 2px solid #3aa676; padding: 5px 9px; }\n"
    "QLineEdit:disabled { background-color: rgba(255, 255, 255, 4%); }\n";

const char* const kProgressBar =
    "QProgressBar {\n"
    "    background-color: rgba(128, 128, 128, 25%); border: none; border-radius: 4px;\n"
    "    min-height: 8px; max-height: 8px;\n"
    "}\n"
    "QProgressBar::chunk { background-color: #2e8f63; border-radius: 4px; }\n";

} // namespace

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

void stylePrimaryButton(QPushButton* button)
{
    button->setStyleSheet(QString::fromLatin1(kPrimaryButton));
}

void styleSecondaryButton(QPushButton* button)
{
    button->setStyleSheet(QString::fromLatin1(kSecondaryButton));
}

void stylePillButton(QPushButton* button)
{
    button->setStyleSheet(QString::fromLatin1(kPillButton));
}

void styleTextField(QLineEdit* field, bool dark)
{
    field->setStyleSheet(QString::fromLatin1(dark ? kTextFieldDark : kTextFieldLight));
    // Text colours through the palette, as for the labels.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, dark ? Qt::white : Qt::black);
    palette.setColor(QPalette::PlaceholderText, dark ? QColor(255, 255, 255, 110) : QColor(0, 0, 0, 110));
    field->setPalette(palette);
}

void styleProgressBar(QProgressBar* bar)
{
    bar->setStyleSheet(QString::fromLatin1(kProgressBar));
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
