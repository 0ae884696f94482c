// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Platform services the screens use, injectable so screens can be driven headless in tests.

#include "Path.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;
class MailComposer;

// The modal open-file panel.
class FileChooser
{
public:
    struct Options
    {
        QString title;
        bool packagesAsDocuments = false; // a *.lockfern folder is picked as one document
        bool several = false;             // more than one entry may be picked at once
        bool folders = false; // a folder selected and opened is picked; a double-click still enters it
    };
    enum class Response { Ok, Cancelled };
    struct Result
    {
        Response response = Response::Cancelled;
        std::vector<Path> paths; // Ok without a path is possible
    };

    virtual ~FileChooser() = default;
    virtual Result choose(QWidget* parent, const Options& options) = 0;
};

// Shows files and folders selected in the desktop's file manager, all of them in one request.
class FileBrowser
{
public:
    virtual ~FileBrowser() = default;
    virtual void reveal(const std::vector<Path>& paths) = 0;
};

// Marks a new package folder with Lockfern's package icon where the desktop keeps such marks outside
// the folder; best effort, silently nothing where it keeps none.
class PackageMarker
{
public:
    virtual ~PackageMarker() = default;
    virtual void mark(const Path& packagePath) = 0;
};

// Whether Caps Lock is on. Some platforms tell it only through the keys they deliver, so a password
// field hands over each key it receives before it asks.
class CapsLock
{
public:
    virtual ~CapsLock() = default;
    virtual void keySeen(const QKeyEvent& event) = 0;
    virtual bool isOn() const = 0;
};

struct Services
{
    std::shared_ptr<FileChooser> fileChooser;
    std::shared_ptr<FileBrowser> fileBrowser;
    std::shared_ptr<MailComposer> mailComposer;
    std::shared_ptr<PackageMarker> packageMarker;
    std::shared_ptr<CapsLock> capsLock;

    // QFileDialog, D-Bus FileManager1, xdg-email, GIO's metadata and the keyboard's own Caps Lock state.
    static Services desktop();
};
