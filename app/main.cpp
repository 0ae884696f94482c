// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"
#include "CustomWindow.h"
#include "Files.h"
#include "Global.h"
#include "Hardening.h"
#include "QuitSignals.h"
#include "SingleInstance.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kUsage =
    "Usage:\n"
    "  lockfern [PATH]\n"
    "  lockfern --encrypt FILE\n"
    "  lockfern --version | --help\n"
    "\n"
    "PATH      a package NAME.lockfern, or the hint.lockfern inside it, to open for decrypting\n"
    "--encrypt opens the encrypt pane with FILE chosen\n"
    "\n"
    "When Lockfern is already running, the request goes to its window and this start ends.\n"
    "Exit status: 0 done, 1 the running Lockfern did not answer, 2 PATH does not exist.\n";

// `lockfern --help` and `--version` answer on the terminal, as lockfern-cli does, with no display needed.
std::optional<int> answerOnTerminal(int argc, char* argv[])
{
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (first == "--version") {
        std::printf("%s\n", qUtf8Printable(global().getVersion()));
        return 0;
    }
    return std::nullopt;
}

// What the command line asks: `lockfern PATH` as `Exec=lockfern %f` passes it, or `lockfern
// --encrypt FILE`. The path is the argument's bytes, whether or not they are UTF-8, made absolute,
// because a running instance has its own working folder, and clean, so that "notes.lockfern/" is the
// package. Nullopt with `usageError` set for a bad line. Qt has taken its own options out by now.
std::optional<Request> startRequest(int argc, char* argv[], bool& usageError)
{
    Request request;
    bool endOfOptions = false;
    bool taken = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!endOfOptions && argument == "--") {
            endOfOptions = true;
        } else if (!endOfOptions && argument == "--encrypt") {
            request.action = Request::Action::Encrypt;
        } else if (!endOfOptions && argument.starts_with('-')) {
            usageError = true;
            return std::nullopt;
        } else if (!std::exchange(taken, true)) {
            request.path = Path(argument);
        }
    }
    if (!taken) {
        usageError = request.action == Request::Action::Encrypt;
        return std::nullopt;
    }
    return request;
}

// systemd connects the standard output of what it starts from the menu or a file manager to the
// journal, and names that connection in JOURNAL_STREAM as device:inode. The journal would keep every
// log line, paths and hints with them, for months, where the log file lives for one run.
bool standardOutputIsTheJournal()
{
    const char* stream = std::getenv("JOURNAL_STREAM");
    unsigned long long device = 0;
    unsigned long long inode = 0;
    char rest = 0;
    struct stat out {};
    return stream && std::sscanf(stream, "%llu:%llu%c", &device, &inode, &rest) == 2 &&
           ::fstat(STDOUT_FILENO, &out) == 0 && out.st_dev == device && out.st_ino == inode;
}

std::optional<QString> privateFolder()
{
    try {
        return Folder::temporary().path().display();
    } catch (const FileSystemError&) {
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = answerOnTerminal(argc, argv)) {
        return *answered;
    }
    hardenProcess();
    if (standardOutputIsTheJournal()) {
        global().activityLog().setStream(nullptr);
    }
    QApplication app(argc, argv);
    // The window follows the desktop's language; the log, the terminal and lockfern-cli stay English.
    Translations::install(QLocale::system());
    QGuiApplication::setDesktopFileName(QStringLiteral("app.lockfern.Lockfern"));
    QApplication::setQuitOnLastWindowClosed(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    bool usageError = false;
    const std::optional<Request> start = startRequest(argc, argv, usageError);
    if (usageError) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    struct stat st {};
    if (start && ::stat(start->path.c_str(), &st) != 0) {
        std::fprintf(stderr, "lockfern: %s: no such file or folder\n", qUtf8Printable(start->path.display()));
        return 2;
    }

    std::optional<SingleInstance> instance;
    if (const std::optional<QString> folder = privateFolder()) {
        instance.emplace(*folder);
        if (!instance->becomePrimary()) {
            if (instance->forward(start.value_or(Request{}))) {
                return 0;
            }
            std::fprintf(stderr, "lockfern: Lockfern is already running but did not answer\n");
            return 1;
        }
    }

    const Services services = Services::desktop();
    global().supportMail().setComposer(services.mailComposer);
    CustomWindow window;
    AppDelegate delegate(&window, services);
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &delegate, &AppDelegate::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    if (instance) {
        QObject::connect(&*instance, &SingleInstance::requestReceived, &delegate, &AppDelegate::handleForwarded);
    }
    delegate.launch(start);
    return app.exec();
}
