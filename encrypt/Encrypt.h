// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"

#include <memory>
#include <optional>

namespace Ui {
class Encrypt;
}

// The encrypt pane of the main view: choose a file, give a password and maybe a hint, and write its
// package beside it.
class Encrypt : public Pane
{
    Q_OBJECT

public:
    explicit Encrypt(const Services& services, QWidget* parent = nullptr);
    ~Encrypt() override;

    void prepareForEncryption(const Path& file);
    void encrypt();
    void resetVariables() override;
    void showFile();
    void openHint();

protected:
    void viewDidAppear() override;
    void prepare(const Path& path) override { prepareForEncryption(path); }
    bool isSelected() const override { return m_source.has_value(); }

private:
    void viewDidLoad();
    void applyTheme();
    void showChosenFile();
    void showPackagePlace();
    void showHintState();
    void showStrength();
    void showRepeat(bool passwordShown);
    void finish(const Workflows::RunReport& report);

    std::unique_ptr<Ui::Encrypt> ui;
    std::optional<Workflows::PreparedSource> m_source; // the file chosen, while one is
    Path m_package;                                    // the last package written, which Show reveals
};
