// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"

#include <memory>
#include <vector>

namespace Ui {
class Encrypt;
}

// The encrypt pane of the main view: choose a file, give a password and maybe a hint, and write its
// package beside it. Several files and folders chosen at once take the same password and hint, and
// each gets its own package beside it.
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
    void prepareSeveral(const std::vector<Path>& paths) override;
    bool isSelected() const override { return !m_sources.empty(); }

private:
    void viewDidLoad();
    void applyTheme();
    void showChosenFile();
    void showPackagePlace();
    void showHintState();
    void showStrength();
    void showRepeat(bool passwordShown);
    void finish(const Workflows::RunReport& report);
    void finishSeveral(const std::vector<Workflows::PreparedSource>& sources, const std::vector<ItemList::Row>& items,
                       const std::vector<Workflows::RunReport>& reports);
    void reportWritten(const Workflows::RunReport& report);

    std::unique_ptr<Ui::Encrypt> ui;
    std::vector<Workflows::PreparedSource> m_sources; // what is chosen, while anything is
    std::vector<Path> m_packages;                     // the last packages written, which Show reveals
};
