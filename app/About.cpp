// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

#include "Global.h"
#include "Theme.h"
#include "Version.h"
#include "ui_About.h"

#include <QMouseEvent>
#include <QShowEvent>

About::About(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::About>())
{
    ui->setupUi(this);
    viewDidLoad();
}

About::~About() = default;

void About::viewDidLoad()
{
    Theme::applyTitleFont(ui->appName);
    // The log, lockfern-cli and the support mail say the version in English; here it is the user's language.
    //: %1 is the version number (1.0), %2 the build number.
    ui->version->setText(
        tr("Version %1 (%2)").arg(QStringLiteral(LOCKFERN_VERSION_SHORT), QStringLiteral(LOCKFERN_BUILD_NUMBER)));
    ui->theme->setChecked(global().theme().isDark());
    // Drawn at twice the size so it stays crisp on high-density screens.
    QPixmap icon = QPixmap(QStringLiteral(":/images/lockfern.png"))
                       .scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    icon.setDevicePixelRatio(2.0);
    ui->icon->setPixmap(icon);
    // Toggled, not clicked: Space and a screen reader's toggle action change the theme as a click does.
    connect(ui->theme, &QCheckBox::toggled, this, &About::themeChanged);
    connect(&global().theme(), &ThemePreference::changed, this, &About::changeColors);
    // The caption is a separate label; a click on it should still flip the switch.
    ui->themeLabel->installEventFilter(this);
    changeColors();
}

void About::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        viewDidAppear();
    }
}

void About::viewDidAppear()
{
    global().log(QStringLiteral("about view presented"));
}

bool About::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->themeLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && ui->theme->isEnabled()) {
        ui->theme->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void About::themeChanged()
{
    if (ui->theme->checkState() == Qt::Checked) {
        global().theme().setDark(true);
        global().log(QStringLiteral("theme changed to dark"));
    } else if (ui->theme->checkState() == Qt::Unchecked) {
        global().theme().setDark(false);
        global().log(QStringLiteral("theme changed to white"));
    }
}

void About::changeColors()
{
    const bool dark = global().theme().isDark();
    ui->aBackground->setMaterial(dark ? Theme::kMaterialDark : Theme::kMaterialLight);
    for (QWidget* text : std::initializer_list<QWidget*>{ui->appName, ui->developer, ui->version, ui->themeLabel}) {
        Theme::setTextColor(text, dark);
    }
    Theme::styleCheckBox(ui->theme, dark);
}
