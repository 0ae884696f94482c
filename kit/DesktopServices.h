// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real platform services behind Services::desktop().

#include "Services.h"
#include "SupportMail.h"

#include <QUrl>

#include <functional>

// QFileDialog. With packagesAsDocuments a *.lockfern folder is taken as one document: the dialog
// accepts it instead of entering it, whether it is opened, typed or double-clicked. With folders, a
// folder selected in the list and opened is taken; a double-click, Return in the list or a typed
// name still enters it.
class DesktopFileChooser : public FileChooser
{
public:
    Result choose(QWidget* parent, const Options& options) override;
};

// org.freedesktop.FileManager1.ShowItems, or the containing folders when no file manager answers.
class DesktopFileBrowser : public FileBrowser
{
public:
    void reveal(const std::vector<Path>& paths) override;
};

// GIO's metadata::custom-icon, which GVfs keeps in its own store, never in the folder; without its
// metadata service GIO refuses it, and nothing happens. Nothing either where the package icon is not
// installed beside the program.
class DesktopPackageMarker : public PackageMarker
{
public:
    DesktopPackageMarker();

    void mark(const Path& packagePath) override;

private:
    Path m_iconPath;
};

// xdg-email when installed, otherwise a mailto: link (which cannot carry the attachment).
class DesktopMailComposer : public MailComposer
{
public:
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;
    using UrlOpener = std::function<bool(const QUrl& url)>;

    DesktopMailComposer(); // the installed xdg-email, QProcess::startDetached, QDesktopServices
    DesktopMailComposer(QString xdgEmail, Starter start, UrlOpener openUrl);

    bool compose(const QStringList& recipients, const QString& subject, const QString& body,
                 const QString& attachmentPath) override;

    static QStringList xdgEmailArguments(const QStringList& recipients, const QString& subject, const QString& body,
                                         const QString& attachmentPath);
    static QUrl mailtoUrl(const QStringList& recipients, const QString& subject, const QString& body);

private:
    QString m_xdgEmail; // empty when not installed
    Starter m_start;
    UrlOpener m_openUrl;
};

// Caps Lock as the keys tell it, where the platform will not (Wayland, offscreen): a letter whose
// case disagrees with Shift says it is on, one that agrees says it is off, and the Caps Lock key
// itself turns it over. Other keys say nothing; before any key it is taken to be off.
class CapsLockGuess
{
public:
    void see(const QKeyEvent& event);
    bool isOn() const { return m_on; }

private:
    bool m_on = false;
};

// The keyboard's own state where the platform gives it (XKB on X11), otherwise the guess.
class DesktopCapsLock : public CapsLock
{
public:
    void keySeen(const QKeyEvent& event) override { m_guess.see(event); }
    bool isOn() const override;

private:
    CapsLockGuess m_guess;
};
