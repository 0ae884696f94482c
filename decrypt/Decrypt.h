// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"
#include "Workflows.h"

#include <memory>
#include <vector>

namespace Ui {
class Decrypt;
}

// The decrypt pane of the main view: choose a package, show its hint, restore its file beside it.
// Several packages chosen at once are tried with the same password; those it does not open stay
// chosen for another.
class Decrypt : public Pane
{
    Q_OBJECT

public:
    explicit Decrypt(const Services& services, QWidget* parent = nullptr);
    ~Decrypt() override;

    void prepareForDecryption(const Path& file);
    void decrypt();
    void resetVariables() override;
    void showFile();

protected:
    void viewDidAppear() override;
    void prepare(const Path& path) override { prepareForDecryption(path); }
    void prepareSeveral(const std::vector<Path>& paths) override;
    bool isSelected() const override { return !m_packages.empty(); }

private:
    void applyTheme();
    void showChosenPackage();
    void showHints();
    bool hintsDiffer() const;
    ItemList::Row rowOf(const Workflows::OpenedPackage& package) const;
    void finishSeveral(const std::vector<Workflows::OpenedPackage>& packages, const std::vector<ItemList::Row>& items,
                       const std::vector<Workflows::RunReport>& reports);

    std::unique_ptr<Ui::Decrypt> ui;

    std::vector<Workflows::OpenedPackage> m_packages; // what is chosen, while anything is
    std::vector<Path> m_restored;                     // the last files restored, which Show reveals
    bool m_takeOpenedFile = true; // a package from the file manager is taken once, when first shown
};
