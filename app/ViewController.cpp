// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewController.h"

#include "About.h"
#include "Decrypt.h"
#include "Encrypt.h"
#include "Global.h"
#include "SendLog.h"
#include "Theme.h"
#include "ui_ViewController.h"

#include <QKeyEvent>

ViewController::ViewController(const Services& services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ViewController>()), m_services(services)
{
    ui->setupUi(this);
    // Hidden before the panes exist, so building them shows nothing and runs no appearance step.
    ui->eView->hide();
    ui->dView->hide();
    ui->aView->hide();
    m_encrypt = new Encrypt(services, ui->eView);
    ui->eView->layout()->addWidget(m_encrypt);
    m_decrypt = new Decrypt(services, ui->dView);
    ui->dView->layout()->addWidget(m_decrypt);
    m_about = new About(ui->aView);
    ui->aView->layout()->addWidget(m_about);

    for (QPushButton* button : {ui->eService, ui->dService}) {
        button->setProperty(Theme::kLook, QStringLiteral("primary"));
    }
    for (QPushButton* button : {ui->bService, ui->aboutButton, ui->logButton}) {
        button->setProperty(Theme::kLook, QStringLiteral("pill"));
    }
    ui->eService->setDefault(true);

    connect(ui->eService, &QPushButton::clicked, this, &ViewController::encrypt);
    connect(ui->dService, &QPushButton::clicked, this, &ViewController::decrypt);
    connect(ui->bService, &QPushButton::clicked, this, &ViewController::back);
    connect(ui->aboutButton, &QPushButton::clicked, this, &ViewController::about);
    connect(ui->logButton, &QPushButton::clicked, this, &ViewController::getLog);
    // Nothing on show keeps the old theme; the title and prompt, hidden behind the pane, follow on Back.
    connect(&global().theme(), &ThemePreference::changed, this, &ViewController::colourSurroundings);
    connect(m_encrypt, &Encrypt::busyChanged, this, [this](bool busy) {
        m_encryptBusy = busy;
        paneBusyChanged();
    });
    connect(m_decrypt, &Decrypt::busyChanged, this, [this](bool busy) {
        m_decryptBusy = busy;
        paneBusyChanged();
    });

    viewDidLoad();
}

ViewController::~ViewController() = default;

void ViewController::viewDidLoad()
{
    global().log(QStringLiteral("main view presented"));
    Theme::applyTitleFont(ui->appTitle);
    setVisibility(Row::Load);
    changeColors();
    ui->eService->setFocus();
    if (global().isOpenedFromFile) {
        decrypt();
    }
}

void ViewController::setVisibility(Row row)
{
    const bool home = row == Row::Load || row == Row::Back;
    // The same order as the table: texts and entry buttons, background, back, then the three panes.
    ui->appTitle->setHidden(!home);
    ui->question->setHidden(!home);
    ui->eService->setHidden(!home);
    ui->dService->setHidden(!home);
    if (row == Row::Load) {
        ui->background->setHidden(false);
    }
    ui->bService->setHidden(home);
    ui->eView->setHidden(row != Row::Encrypt);
    ui->dView->setHidden(row != Row::Decrypt);
    ui->aView->setHidden(row != Row::About);
}

void ViewController::encrypt()
{
    setVisibility(Row::Encrypt);
    focusFirstControlOf(m_encrypt);
}

void ViewController::decrypt()
{
    setVisibility(Row::Decrypt);
    focusFirstControlOf(m_decrypt);
}

void ViewController::about()
{
    setVisibility(Row::About);
    focusFirstControlOf(m_about);
}

void ViewController::back()
{
    global().log(QStringLiteral("back to main view"));
    setVisibility(Row::Back);
    changeColors();
    ui->eService->setFocus();
}

void ViewController::getLog()
{
    // The window owns it: a forwarded request may replace this view while it is open.
    SendLog::open(window(), m_services);
}

void ViewController::changeColors()
{
    const bool dark = global().theme().isDark();
    colourSurroundings();
    Theme::setTextColor(ui->appTitle, dark);
    Theme::setTextColor(ui->question, dark);
}

void ViewController::colourSurroundings()
{
    const bool dark = global().theme().isDark();
    ui->background->setMaterial(dark ? Theme::kMaterialDark : Theme::kMaterialLight);
    for (QPushButton* button : {ui->eService, ui->dService, ui->bService, ui->aboutButton, ui->logButton}) {
        Theme::styleButton(button, dark);
    }
}

void ViewController::keyPressEvent(QKeyEvent* event)
{
    // Escape is Back while a pane is open, unless the pane used the key itself.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && ui->bService->isVisible() &&
        ui->bService->isEnabled()) {
        ui->bService->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ViewController::isBusy() const
{
    return m_encryptBusy || m_decryptBusy || m_encrypt->isBusy() || m_decrypt->isBusy();
}

bool ViewController::isRunning() const
{
    return m_encrypt->isRunning() || m_decrypt->isRunning();
}

void ViewController::cancelRuns()
{
    m_encrypt->cancelAndWait();
    m_decrypt->cancelAndWait();
}

void ViewController::paneBusyChanged()
{
    const bool busy = isBusy();
    for (QPushButton* button : {ui->eService, ui->dService, ui->bService, ui->aboutButton, ui->logButton}) {
        button->setEnabled(!busy);
    }
    if (busy != m_busy) {
        m_busy = busy;
        emit busyChanged(busy);
    }
}

void ViewController::focusFirstControlOf(QWidget* pane)
{
    // The button that opened the pane is hidden now; keyboard users continue inside the pane.
    for (QWidget* next = pane->nextInFocusChain(); next && next != pane; next = next->nextInFocusChain()) {
        if (pane->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(pane)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    ui->bService->setFocus();
}
