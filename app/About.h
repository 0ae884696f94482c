// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class About;
}

// The about pane: name, developer, version and the theme switch. What is on show follows the theme
// preference's change at once; the screens hidden behind it when they next theme themselves.
class About : public QWidget
{
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr);
    ~About() override;

    void themeChanged();
    void changeColors();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void viewDidLoad();
    void viewDidAppear();

    std::unique_ptr<Ui::About> ui;
};
