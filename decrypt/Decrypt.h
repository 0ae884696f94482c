// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"
#include "Workflows.h"

#include <memory>
#include <optional>

namespace Ui {
class Decrypt;
}

// The decrypt pane of the main view: choose a package, show its hint, restore its file beside it.
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
    bool isSelected() const override { return m_package.has_value(); }

private:
    void applyTheme();
    void showChosenPackage();

    std::unique_ptr<Ui::Decrypt> ui;

    std::optional<Workflows::OpenedPackage> m_package; // the package chosen, while one is
    Path m_restored;                                   // the last file restored, which Show reveals
    bool m_takeOpenedFile = true; // a package from the file manager is taken once, when first shown
};
