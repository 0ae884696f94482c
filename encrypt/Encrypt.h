// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"

#include <QString>

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
    // The working state of the pane; paths are as the user sees them.
    struct Fields
    {
        QString hintE;
        QString fileE;
        bool selectedE = false;
        QString nameE;
        QString fullnameE;
        QString folderE;
        QString finishedE;
        QString pathE;
    };

    explicit Encrypt(const Services& services, QWidget* parent = nullptr);
    ~Encrypt() override;

    const Fields& fields() const { return m_fields; }

    void prepareForEncryption(const QString& file);
    void encrypt();
    void resetVariables() override;
    void showFile();
    void openHint();

protected:
    void viewDidAppear() override;
    void prepare(const QString& path) override { prepareForEncryption(path); }
    bool isSelected() const override { return m_fields.selectedE; }

private:
    void viewDidLoad();
    void applyTheme();
    void showChosenFile();
    void showPackagePlace();
    void showHintState();
    void showStrength();
    void showRepeat(bool passwordShown);
    void finish(const Workflows::EncryptResult& result);

    std::unique_ptr<Ui::Encrypt> ui;
    Fields m_fields;
    std::optional<Workflows::PreparedSource> m_source; // while selectedE
};
