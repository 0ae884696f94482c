// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decrypt.h"

#include "ui_Decrypt.h"

#include "Batch.h"
#include "Global.h"
#include "NameLabel.h"
#include "Password.h"
#include "Theme.h"

#include <algorithm>
#include <optional>

namespace {

Pane::Texts texts()
{
    //: Title of the file chooser, where the user picks a package (a folder NAME.lockfern).
    return {.chooserTitle = Decrypt::tr("Choose the file you want to decrypt"),
            .packagesAsDocuments = true, // a package is taken whole
            //: Screen-reader name of the progress bar.
            .progressName = Decrypt::tr("Decryption progress"),
            //: Screen-reader name of the Cancel button during a decryption.
            .cancelName = Decrypt::tr("Cancel the decryption"),
            //: Screen-reader description of "Show in File Manager".
            .revealDescription = Decrypt::tr("Shows the decrypted file in the file manager"),
            //: Screen-reader name of the list of several packages chosen to decrypt.
            .itemsName = Decrypt::tr("Chosen packages")};
}

// The hint as the pane shows it, its author's words kept in their own direction.
QString hintLine(const QString& hint, const QWidget* where)
{
    //: %1 is the password hint stored in the package, as its author typed it.
    return hint.isEmpty() ? QString() : Decrypt::tr("Hint: %1").arg(isolated(hint, where));
}

Messages::Sentence restoredAs(const Workflows::OpenedPackage& package)
{
    return Messages::destination(Messages::Destination::WillBeRestored,
                                 {Path::displayName(Workflows::restoredName(package))});
}

} // namespace

Decrypt::Decrypt(const Services& services, QWidget* parent)
    : Pane(services, texts(), parent), ui(std::make_unique<Ui::Decrypt>())
{
    ui->setupUi(this);
    attach({QLatin1Char('D'), ui->paneLayout, ui->paneLayout->indexOf(ui->controlsD) + 1, ui->controlsD,
            ui->passwordD, ui->chooseD, ui->serviceD});
    ui->passwordD->setMaxLength(Password::kMaxCharacters);
    ui->capsLockD->watch({ui->passwordD}, services.capsLock);
    ui->serviceD->setProperty(Theme::kLook, QStringLiteral("primary"));
    keepRoom({ui->checkMarkD, ui->hintD});
    connect(ui->chooseD, &QPushButton::clicked, this, &Decrypt::chooseFile);
    connect(ui->serviceD, &QPushButton::clicked, this, &Decrypt::decrypt);
    connect(revealButton(), &QPushButton::clicked, this, &Decrypt::showFile);
    connect(ui->passwordD, &QLineEdit::returnPressed, this, &Decrypt::decrypt);
    showChosenPackage();
    // viewDidLoad
    Theme::applyTitleFont(ui->titleD);
}

Decrypt::~Decrypt() = default;

void Decrypt::viewDidAppear()
{
    resetVariables();
    global().log(QStringLiteral("decrypt view presented"));
    clearResult();
    applyTheme();
    if (global().isOpenedFromFile && m_takeOpenedFile) {
        global().log(QStringLiteral("file selected from finder"));
        prepareForDecryption(global().openedFile);
        m_takeOpenedFile = false;
    }
}

void Decrypt::applyTheme()
{
    const bool dark = global().theme().isDark();
    for (QWidget* widget : {static_cast<QWidget*>(ui->titleD), static_cast<QWidget*>(ui->passwordLabelD),
                            static_cast<QWidget*>(ui->hintD), static_cast<QWidget*>(ui->fileNameD),
                            static_cast<QWidget*>(ui->capsLockD)}) {
        Theme::setTextColor(widget, dark);
    }
    ui->checkMarkD->setPixmap(Theme::checkMark(dark));
    Pane::applyTheme(dark);
}

void Decrypt::prepareForDecryption(const Path& file)
{
    if (run().isRunning()) {
        return;
    }
    global().log(QStringLiteral("file selected ") + file.display());
    Workflows::OpenResult opened = Workflows::openPackage(file);
    if (!opened.package) {
        refuse(opened.message());
        ui->serviceD->setEnabled(false);
        ui->checkMarkD->setHidden(true);
        // The earlier package's hint stays on show, but with nothing selected no run can reach it.
        m_packages.clear();
        showChosenPackage();
        showDestination({});
        return;
    }
    const QStringList lines = opened.logMessages();
    m_packages = {std::move(*opened.package)};
    showHints();
    ui->serviceD->setEnabled(true);
    ui->checkMarkD->setHidden(false);
    showChosenPackage();
    // A different file of that name is kept, and the run numbers ours then.
    showDestination(restoredAs(m_packages.front()));
    logLines(lines);
}

// Each package is taken or refused as it would be alone, and logged so; the list shows them all.
void Decrypt::prepareSeveral(const std::vector<Path>& paths)
{
    if (run().isRunning()) {
        return;
    }
    m_packages.clear();
    std::vector<std::optional<Messages::Message>> refusals; // a path each
    for (const Path& path : paths) {
        global().log(QStringLiteral("file selected ") + path.display());
        Workflows::OpenResult opened = Workflows::openPackage(path);
        if (opened.package) {
            logLines(opened.logMessages());
            m_packages.push_back(std::move(*opened.package));
            refusals.emplace_back();
        } else {
            global().log(Messages::logLine(opened.message()));
            refusals.emplace_back(opened.message());
        }
    }
    // Only now is it known whether the hints differ.
    std::vector<ItemList::Row> rows;
    std::optional<Messages::Message> refusal;
    auto taken = m_packages.begin();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (refusals[i]) {
            rows.push_back(ItemList::Row::of(paths[i], shown(*refusals[i]), Theme::Mark::Warning));
            refusal = refusal.value_or(*refusals[i]);
        } else {
            rows.push_back(rowOf(*taken++));
        }
    }
    ui->serviceD->setEnabled(!m_packages.empty());
    ui->checkMarkD->setHidden(m_packages.empty());
    showChosenPackage();
    showHints();
    showItems(rows);
    showDestination(m_packages.size() == 1 ? restoredAs(m_packages.front()) : Messages::Sentence{});
    if (refusal && m_packages.empty()) {
        say(*refusal); // logged above, with its package
    }
}

bool Decrypt::hintsDiffer() const
{
    return std::any_of(m_packages.begin(), m_packages.end(),
                       [this](const Workflows::OpenedPackage& package) { return package.hint != m_packages.front().hint; });
}

// Once when the packages share it, otherwise in the list, a line each.
void Decrypt::showHints()
{
    if (m_packages.empty()) {
        return; // an earlier hint stays, as after a refusal
    }
    //: Where the hint goes, when several packages with different hints were chosen.
    ui->hintD->setText(hintsDiffer() ? tr("The packages have different hints; each is in the list below.")
                                     : hintLine(m_packages.front().hint, this));
    ui->hintD->setHidden(false);
}

ItemList::Row Decrypt::rowOf(const Workflows::OpenedPackage& package) const
{
    const QString destination = shown(restoredAs(package)).text();
    const bool ownHint = hintsDiffer() && !package.hint.isEmpty();
    return ItemList::Row::of(package.packagePath, ownHint ? hintLine(package.hint, this) : destination,
                             Theme::Mark::None,
                             ownHint ? hintLine(package.hint, this) + QLatin1Char('\n') + destination : QString());
}

void Decrypt::resetVariables()
{
    ui->passwordD->setText(QString());
    ui->passwordD->setShown(false);
    m_packages.clear();
    ui->checkMarkD->setHidden(true);
    ui->hintD->setHidden(true);
    showChosenPackage();
    showDestination({});
}

void Decrypt::showChosenPackage()
{
    if (m_packages.size() > 1) {
        QStringList paths;
        for (const Workflows::OpenedPackage& package : m_packages) {
            paths << package.packagePath.display();
        }
        //: Where the chosen package's name goes, when several packages were chosen.
        ui->fileNameD->setName(tr("%n packages", nullptr, static_cast<int>(m_packages.size())),
                               paths.join(QLatin1Char('\n')));
    } else if (!m_packages.empty()) {
        const Path& package = m_packages.front().packagePath;
        ui->fileNameD->setName(Path::displayName(package.name()), package.display());
    } else {
        //: Where the chosen package's name goes. A package is Lockfern's encrypted result, a folder NAME.lockfern.
        ui->fileNameD->setName(tr("No package chosen"));
    }
}

void Decrypt::showFile()
{
    reveal(m_restored);
}

void Decrypt::decrypt()
{
    if (!readyToRun()) {
        return;
    }
    if (m_packages.size() == 1) {
        startRun<Workflows::RunReport>(
            [package = m_packages.front(), password = Password::bytes(ui->passwordD->text())](const RunControl& control) {
                return Workflows::restoreFile(package, password, control);
            },
            [this](const Workflows::RunReport& report) {
                if (report.succeeded()) {
                    m_restored = {report.path};
                }
                finishRun(report);
            });
        return;
    }
    std::vector<ItemList::Row> items;
    for (const Workflows::OpenedPackage& package : m_packages) {
        items.push_back(rowOf(package));
    }
    startBatch<std::vector<Workflows::RunReport>>(
        items,
        [packages = m_packages, password = Password::bytes(ui->passwordD->text())](const Workflows::BatchControl& control) {
            return Workflows::restoreFiles(packages, password, control);
        },
        [this, packages = m_packages, items](const std::vector<Workflows::RunReport>& reports) {
            finishSeveral(packages, items, reports);
        });
}

// The packages the password did not open, and any not done, stay chosen for another try.
void Decrypt::finishSeveral(const std::vector<Workflows::OpenedPackage>& packages,
                            const std::vector<ItemList::Row>& items, const std::vector<Workflows::RunReport>& reports)
{
    m_restored.clear();
    std::vector<Workflows::OpenedPackage> left;
    for (std::size_t i = 0; i < reports.size() && i < packages.size(); ++i) {
        if (reports[i].succeeded()) {
            m_restored.push_back(reports[i].path);
        } else {
            left.push_back(packages[i]);
        }
    }
    finishBatch(items, reports);
    if (left.empty()) {
        resetVariables();
        return;
    }
    m_packages = std::move(left);
    showChosenPackage();
    showHints();
    showDestination(m_packages.size() == 1 ? restoredAs(m_packages.front()) : Messages::Sentence{});
}
