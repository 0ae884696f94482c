// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"
#include "CliOptions.h"

#include "ActivityLog.h"
#include "Batch.h"
#include "Global.h"
#include "Messages.h"
#include "Package.h"
#include "Password.h"
#include "PasswordStrength.h"
#include "Posix.h"
#include "SecretLine.h"
#include "SupportMail.h"
#include "Text.h"
#include "Workflows.h"

#include <QElapsedTimer>

#include <openssl/crypto.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>
#include <fcntl.h>

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "Usage:\n"
    "  lockfern-cli encrypt [--hint TEXT | --hint-file PATH] [--password-stdin] [--verbose] [--quiet] FILE|FOLDER...\n"
    "  lockfern-cli decrypt [--password-stdin] [--verbose] [--quiet] PACKAGE...\n"
    "  lockfern-cli hint PACKAGE\n"
    "  lockfern-cli --version | --help\n"
    "\n"
    "encrypt  writes NAME.lockfern beside each FILE or FOLDER and prints its path\n"
    "decrypt  restores the file or folder of each PACKAGE beside it and prints its path\n"
    "hint     prints the password hint stored in PACKAGE\n"
    "\n"
    "Several paths run at once, one password for all; each gets one line, in the order given.\n"
    "The password is asked on the terminal, or read as one line from standard input\n"
    "with --password-stdin. The hint is stored unencrypted, for anyone to read. --hint TEXT\n"
    "is visible to other users of this computer (in ps); --hint-file PATH is not, and\n"
    "reads it from standard input when PATH is -. A password one GPU could guess within a day\n"
    "gets a warning on standard error; --quiet leaves warnings out.\n"
    "Exit status: 0 all done, 1 something failed, 2 usage error.\n";

std::atomic<bool> interrupted{false};

void onInterrupt(int)
{
    interrupted.store(true);
}

class Cli
{
public:
    explicit Cli(const CliStreams& streams) : m_streams(streams) {}

    int run(int argc, char* argv[]);

private:
    // One line, shown safely when the stream is a terminal.
    static void say(std::FILE* stream, const std::string& line);
    int usageError(const std::string& message);
    // "lockfern-cli: PATH: " and the sentence, then why, when that is known.
    void fail(const Path& path, Messages::Message message, const Messages::Failure& failure = {});
    std::optional<SecureBytes> readPassword(const Options& options);
    std::optional<SecureBytes> askOnTerminal(const char* prompt);
    // One password line from `fd`, or nullopt after saying why there is none.
    std::optional<SecureBytes> takeLine(int fd, const char* prompt);
    int encrypt(const Options& options);
    int decrypt(const Options& options);
    int hint(const Options& options);
    Workflows::BatchControl batchControl();
    // Asks the password once, takes each path as the window takes a choice (`choose` logs its lines and
    // gives the item, or nullopt with the refusal set), runs the items taken all at once, then says
    // what became of each path in their order; exit status of the whole.
    template <typename Item, typename Choose, typename Run>
    int runPaths(const Options& options, const Choose& choose, const Run& run);
    // Logs a finished run and prints its result; false when it did not succeed.
    bool finishRun(const Path& path, const Workflows::RunReport& report);
    // One line on standard error, never in the log or on standard output.
    void warnIfWeak(const SecureBytes& password);
    void log(const QString& message) { m_log.log(message); }

    CliStreams m_streams;
    ActivityLog& m_log = global().activityLog();
    std::string m_refusal; // why an argument was refused, when it is not a usage slip
    QElapsedTimer m_runClock;
    qint64 m_lastDraw = 0;
    bool m_drewProgress = false;
};

int Cli::usageError(const std::string& message)
{
    say(m_streams.err, "lockfern-cli: " + message);
    std::fputs(kUsage, m_streams.err);
    return kExitUsage;
}

void Cli::fail(const Path& path, Messages::Message message, const Messages::Failure& failure)
{
    const Messages::Sentence why = Messages::explain(failure);
    say(m_streams.err, "lockfern-cli: " + path.bytes() + ": " + Messages::sentence(message).toStdString() +
                           (why.isEmpty() ? "" : " " + why.text().toStdString()));
}

void Cli::say(std::FILE* stream, const std::string& line)
{
    Text::write(stream, line);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int Cli::run(int argc, char* argv[])
{
    if (argc < 2) {
        return usageError("no command given");
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, m_streams.out);
        return kExitSuccess;
    }
    if (first == "--version") {
        std::fprintf(m_streams.out, "%s\n", versionText().toUtf8().constData());
        return kExitSuccess;
    }
    if (first != "encrypt" && first != "decrypt" && first != "hint") {
        return usageError("unknown command '" + first + "'");
    }
    const std::optional<Options> options = parseOptions(argc, argv, m_streams.in, m_refusal);
    if (!options && !m_refusal.empty()) {
        say(m_streams.err, "lockfern-cli: " + m_refusal);
        return kExitUsage;
    }
    if (!options) {
        return usageError("bad arguments for " + first);
    }

    // No activity-log file: the lines go to standard error with --verbose, otherwise nowhere.
    m_log.setFileEnabled(false);
    m_log.setStream(options->verbose ? m_streams.err : nullptr);

    if (options->command == "hint") {
        return hint(*options);
    }
    return options->command == "encrypt" ? encrypt(*options) : decrypt(*options);
}

std::optional<SecureBytes> Cli::askOnTerminal(const char* prompt)
{
    const UniqueFd tty(::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (!tty) {
        std::fprintf(m_streams.err, "lockfern-cli: no terminal to ask the password on; use --password-stdin\n");
        return std::nullopt;
    }
    return takeLine(tty.get(), prompt);
}

std::optional<SecureBytes> Cli::takeLine(int fd, const char* prompt)
{
    SecretLine line = readSecretLine(fd, prompt, interrupted);
    switch (line.status) {
    case SecretLine::Status::Complete:
        return std::move(line.bytes);
    case SecretLine::Status::TooLong:
        std::fprintf(m_streams.err, "lockfern-cli: the password is longer than %zu bytes\n", Password::kMaxBytes);
        return std::nullopt;
    case SecretLine::Status::Cancelled:
        break;
    }
    say(m_streams.err, "lockfern-cli: " + Messages::sentence(Messages::Message::EncryptCancelled).toStdString());
    return std::nullopt;
}

std::optional<SecureBytes> Cli::readPassword(const Options& options)
{
    if (options.passwordFromStdin) {
        // Standard input can be a terminal too: then it is asked like at the prompt, without echo.
        const int in = ::fileno(m_streams.in);
        return takeLine(in, ::isatty(in) ? "Password: " : nullptr);
    }
    std::optional<SecureBytes> password = askOnTerminal("Password: ");
    if (!password) {
        return std::nullopt;
    }
    if (options.command == "encrypt" && !password->empty()) {
        const std::optional<SecureBytes> again = askOnTerminal("Password again: ");
        if (!again) {
            return std::nullopt;
        }
        if (again->size() != password->size() || CRYPTO_memcmp(again->data(), password->data(), password->size()) != 0) {
            std::fprintf(m_streams.err, "lockfern-cli: the two passwords differ\n");
            return std::nullopt;
        }
    }
    return password;
}

Workflows::BatchControl Cli::batchControl()
{
    m_runClock.start();
    m_lastDraw = 0;
    m_drewProgress = false;
    Workflows::BatchControl control;
    control.cancel = &interrupted;
    if (::isatty(::fileno(m_streams.err))) {
        // From the run's threads, one call at a time.
        control.progress = [this](const Workflows::BatchProgress& progress) {
            const qint64 elapsed = m_runClock.elapsed();
            if (elapsed < 1000 || elapsed - m_lastDraw < 100) {
                return;
            }
            m_lastDraw = elapsed;
            m_drewProgress = true;
            const double done = static_cast<double>(progress.done);
            const double percent = progress.total > 0 ? 100.0 * done / static_cast<double>(progress.total) : 100.0;
            const double megabytesPerSecond = done / 1e6 / (static_cast<double>(elapsed) / 1000.0);
            const int filled = static_cast<int>(percent / 5);
            std::fprintf(m_streams.err, "\r[%-20.*s] %3.0f%%  %.1f MB/s ", filled, "####################", percent,
                         megabytesPerSecond);
            if (progress.count > 1) {
                std::fprintf(m_streams.err, " %d of %d ", progress.item, progress.count);
            }
            std::fflush(m_streams.err);
        };
    }
    return control;
}

bool Cli::finishRun(const Path& path, const Workflows::RunReport& report)
{
    for (const QString& line : report.lines) {
        log(line);
    }
    if (report.succeeded()) {
        say(m_streams.out, report.path.bytes());
    } else {
        fail(path, report.message, report.failure);
    }
    // What a folder's packing or restoring left out is told, never silently lost, as a path inside the
    // folder it was in: the one chosen to encrypt, or the one restored.
    const Path& folder = Package::isPackagePath(report.path) ? path : report.path;
    for (const std::string& entry : report.skipped) {
        say(m_streams.err, "lockfern-cli: " + folder.bytes() + ": " +
                               Messages::leftOut(Path::displayName(entry)).text().toStdString());
    }
    return report.succeeded();
}

template <typename Item, typename Choose, typename Run>
int Cli::runPaths(const Options& options, const Choose& choose, const Run& run)
{
    const std::optional<SecureBytes> password = readPassword(options);
    if (!password) {
        return kExitFailure;
    }
    struct Chosen
    {
        Path path;
        Messages::Message refusal = Messages::Message::Problem;
        std::optional<std::size_t> item; // its place in the batch, when it was taken
    };
    std::vector<Chosen> chosen;
    std::vector<Item> items;
    for (const std::string& typed : options.paths) {
        // Absolute and clean is how a path is tested, logged and printed, however it was typed.
        Chosen path{Path(typed), Messages::Message::Problem, std::nullopt};
        if (interrupted.load()) {
            path.refusal = Messages::Message::EncryptCancelled;
        } else {
            log(QStringLiteral("file selected ") + path.path.display());
            std::optional<Item> item = choose(path.path, path.refusal);
            if (item && password->empty()) {
                path.refusal = Messages::Message::PasswordEmpty;
                log(Messages::logLine(path.refusal));
            } else if (item) {
                path.item = items.size();
                items.push_back(std::move(*item));
            }
        }
        chosen.push_back(std::move(path));
    }
    if (!items.empty() && options.command == "encrypt" && !options.quiet) {
        warnIfWeak(*password);
    }
    const std::vector<Workflows::RunReport> reports =
        items.empty() ? std::vector<Workflows::RunReport>{} : run(items, *password, batchControl());
    if (m_drewProgress) {
        std::fputs("\n", m_streams.err);
    }
    int status = kExitSuccess;
    for (const Chosen& path : chosen) {
        if (!path.item) {
            fail(path.path, path.refusal);
            status = kExitFailure;
        } else if (!finishRun(path.path, reports[*path.item])) {
            status = kExitFailure;
        }
    }
    return status;
}

void Cli::warnIfWeak(const SecureBytes& password)
{
    if (password.empty()) {
        return;
    }
    const PasswordStrength::Estimate estimate = PasswordStrength::estimate(password);
    if (estimate.level < PasswordStrength::Level::Fair) {
        say(m_streams.err, "lockfern-cli: warning: this password could be guessed in " +
                               PasswordStrength::timeToGuess(estimate.seconds).toStdString() + " on one GPU");
    }
}

int Cli::encrypt(const Options& options)
{
    using Workflows::PreparedSource;
    return runPaths<PreparedSource>(
        options,
        [this](const Path& path, Messages::Message& refusal) -> std::optional<PreparedSource> {
            const Workflows::PrepareResult prepared = Workflows::prepareSource(path);
            log(Messages::logLine(prepared.message()));
            refusal = prepared.message();
            return prepared.source;
        },
        [&options](const std::vector<PreparedSource>& sources, const SecureBytes& password,
                   const Workflows::BatchControl& control) {
            return Workflows::writePackages(sources, password, options.hint, control);
        });
}

int Cli::decrypt(const Options& options)
{
    using Workflows::OpenedPackage;
    return runPaths<OpenedPackage>(
        options,
        [this](const Path& path, Messages::Message& refusal) -> std::optional<OpenedPackage> {
            const Workflows::OpenResult opened = Workflows::openPackage(path);
            for (const QString& line : opened.logMessages()) {
                log(line);
            }
            refusal = opened.message();
            return opened.package;
        },
        [](const std::vector<OpenedPackage>& packages, const SecureBytes& password,
           const Workflows::BatchControl& control) { return Workflows::restoreFiles(packages, password, control); });
}

int Cli::hint(const Options& options)
{
    const Path path(options.paths.front());
    const Workflows::OpenResult opened = Workflows::openPackage(path);
    if (!opened.package) {
        fail(path, opened.message());
        return kExitFailure;
    }
    say(m_streams.out, opened.package->hint.toStdString());
    return kExitSuccess;
}

} // namespace

int runCli(int argc, char* argv[], const CliStreams& streams)
{
    interrupted.store(false);
    // Ctrl-C and friends cancel the run in progress, which then removes what it staged.
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    ::sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
    Cli cli(streams);
    return cli.run(argc, argv);
}
