// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two colour themes. Every theming step reads the preference afresh through Global::isDark().

#include <QPixmap>
#include <QWidget>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace Theme {

inline constexpr int kMaterialLight = 8;
inline constexpr int kMaterialDark = 9;

// Black text in the white theme, white text in the dark one.
void setTextColor(QWidget* widget, bool dark);
// "checkMark white.png" on the dark background, "checkMark black.png" on the light one.
QString checkMarkResource(bool dark);
QPixmap checkMark(bool dark);
// The title font when installed, otherwise the widget keeps its font.
void applyTitleFont(QWidget* widget);

// Button and field looks. Each sheet goes on the control itself: a sheet on a parent would also
// restyle the themed texts and override the colours the palette gives them.
// The main action: a solid green rounded button.
void stylePrimaryButton(QPushButton* button);
// Actions next to the main one: the same shape in a light green tint.
void styleSecondaryButton(QPushButton* button);
// The small pill buttons of the top bar.
void stylePillButton(QPushButton* button);
// A rounded field; unlike the buttons its fill and text follow the theme, so call it on each theme change.
void styleTextField(QLineEdit* field, bool dark);
// A thin green bar on a soft track.
void styleProgressBar(QProgressBar* bar);

} // namespace Theme

// A translucent background whose `material` picks the fill: 8 light, 9 very dark. With a corner
// radius it draws a card instead of filling its whole area.
class TranslucentBackground : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int material READ material WRITE setMaterial)
    Q_PROPERTY(int cornerRadius READ cornerRadius WRITE setCornerRadius)

public:
    explicit TranslucentBackground(QWidget* parent = nullptr);
    int material() const { return m_material; }
    void setMaterial(int material);
    int cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(int radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_material = Theme::kMaterialLight;
    int m_cornerRadius = 0;
};
