// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"
#include "Workflows.h"

#include <memory>
#include <optional>
#include <string>

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

    // Working state.
    bool selectedD() const { return m_selectedD; }
    // The encrypted file of the prepared package, and the folder that holds the package.
    std::optional<std::string> fileD() const;
    std::optional<std::string> folderD() const;
    QString pathD() const { return m_pathD; }
    bool flag() const { return m_flag; }

    void prepareForDecryption(const QString& file);
    void decrypt();
    void resetVariables() override;
    void showFile();

protected:
    void viewDidAppear() override;
    void prepare(const QString& path) override { prepareForDecryption(path); }
    bool isSelected() const override { return m_selectedD; }

private:
    void applyTheme();
    void showChosenPackage();

    std::unique_ptr<Ui::Decrypt> ui;

    bool m_selectedD = false;
    std::optional<Workflows::OpenedPackage> m_package; // fileD and folderD
    QString m_pathD;
    bool m_flag = true;
};
