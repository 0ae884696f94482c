// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class About;
}

// The about pane: name, developer, version and the theme switch. It recolours itself and says so;
// the screens hidden behind it pick up a new theme when they next theme themselves.
class About : public QWidget
{
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr);
    ~About() override;

    void themeChanged();
    void changeColors();

signals:
    // The theme was switched: what is on show around the pane follows at once.
    void themeSwitched();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void viewDidLoad();
    void viewDidAppear();

    std::unique_ptr<Ui::About> ui;
};
