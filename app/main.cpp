// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"
#include "CustomWindow.h"
#include "Files.h"
#include "Global.h"
#include "Hardening.h"
#include "QuitSignals.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

// The file named on the command line, as `Exec=lockfern %f` passes it; made absolute because a
// running instance has its own working folder, and clean so that "notes.lockfern/" is the package.
std::optional<QString> fileArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            return i + 1 < arguments.size() ? std::optional(Paths::clean(arguments[i + 1])) : std::nullopt;
        }
        if (!argument.startsWith(QLatin1Char('-'))) {
            return Paths::clean(argument);
        }
    }
    return std::nullopt;
}

std::optional<QString> privateFolder()
{
    try {
        return QString::fromStdString(Folder::temporary().path());
    } catch (const FileSystemError&) {
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    disableCoreDumps();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("app.lockfern.Lockfern"));
    QApplication::setQuitOnLastWindowClosed(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    const std::optional<QString> file = fileArgument(QCoreApplication::arguments());
    if (file && !QFileInfo::exists(*file)) {
        std::fprintf(stderr, "lockfern: %s: no such file or folder\n", qUtf8Printable(*file));
        return 2;
    }

    std::optional<SingleInstance> instance;
    if (const std::optional<QString> folder = privateFolder()) {
        instance.emplace(*folder);
        if (!instance->becomePrimary()) {
            if (instance->forward(file.value_or(QString()))) {
                return 0;
            }
            std::fprintf(stderr, "lockfern: Lockfern is already running but did not answer\n");
            return 1;
        }
    }

    const Services services = Services::desktop();
    global().setMailComposer(services.mailComposer);
    CustomWindow window;
    AppDelegate delegate(&window, services);
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &delegate, &AppDelegate::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    if (instance) {
        QObject::connect(&*instance, &SingleInstance::requestReceived, &delegate, &AppDelegate::openForwardedFile);
    }
    delegate.launch(file);
    return app.exec();
}
