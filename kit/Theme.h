// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two colour themes. Every theming step reads the preference afresh through global().theme().isDark().

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPainter;
class QProgressBar;
class QPushButton;

namespace Theme {

inline constexpr int kMaterialLight = 8;
inline constexpr int kMaterialDark = 9;

// Every colour of one theme. Tints carry alpha and are seen over the background; each text colour
// reads at 4.5:1 or better on what it is drawn over, in every state but disabled.
struct Palette
{
    QColor backgroundTop, backgroundBottom; // the main view's gradient, also the cards and dialogs
    QColor text;                            // black or white: the themed labels
    QColor primaryFill, primaryHover, primaryPressed, primaryText;
    QColor secondaryTint, secondaryHoverTint, secondaryPressedTint, secondaryText; // pill buttons too
    QColor fieldFill, fieldText, fieldPlaceholder, fieldBorder;
    QColor focus; // the ring of a focused control: 3:1 or better on every fill it rings and around it
    QColor track; // progress and strength bars
    QColor failure, warning, success; // a failure's text and mark, a refusal's mark, a success's mark
    QColor markInk;                   // the sign drawn inside a mark
    QColor checkBox, checkTick;       // the theme switch's box and its tick
};
const Palette& palette(bool dark);

// Black text in the white theme, white text in the dark one.
void setTextColor(QWidget* widget, bool dark);
// What a status line shows before its text: how it went, beside the words that say it.
enum class Mark { None, Success, Warning, Failure };
// The mark in a square of `rect`: a disc or triangle in the mark's colour with its sign inside.
void paintMark(QPainter& painter, const QRectF& rect, Mark mark, bool dark);

// "checkMark white.png" on the dark background, "checkMark black.png" on the light one.
QString checkMarkResource(bool dark);
QPixmap checkMark(bool dark);
// The title font when installed, otherwise the widget keeps its font.
void applyTitleFont(QWidget* widget);

// How a button looks: set as the property "look" ("primary", "pill"); any other is secondary.
inline constexpr char kLook[] = "look";
// One button in the theme. Return and Space press it whenever it has the focus.
void styleButton(QPushButton* button, bool dark);
// Every button, text field and progress bar under `root`. Each sheet goes on the control itself: a
// sheet on a parent would also restyle the labels and override the colours their palette gives them.
void styleControls(QWidget* root, bool dark);
// The theme switch: its tick on a box of its own, and a ring around it while it has the focus.
void styleCheckBox(QCheckBox* box, bool dark);
// A slim bar: the theme's track, filled with `fill`.
void styleBar(QProgressBar* bar, const QColor& fill, bool dark);
// A window of its own (a dialog) with the theme's background and text colour.
void styleWindow(QWidget* window, bool dark);

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
