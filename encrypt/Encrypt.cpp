// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encrypt.h"

#include "ui_Encrypt.h"

#include "Batch.h"
#include "Global.h"
#include "Hint.h"
#include "Package.h"
#include "Password.h"
#include "PasswordStrength.h"
#include "Theme.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

namespace {

// The meter's colour for each level, weakest first; the line beside it says the level in words.
const QColor kLevelColours[] = {QColor(0xd6, 0x45, 0x45), QColor(0xe0, 0x7b, 0x2a), QColor(0xc9, 0xa2, 0x27),
                                QColor(0x5a, 0xa8, 0x5a), QColor(0x2e, 0x8f, 0x63)};

Pane::Texts texts()
{
    //: Title of the file chooser.
    return {.chooserTitle = Encrypt::tr("Choose the file you want to encrypt"),
            .packagesAsDocuments = false, // a package is entered to reach the file in it
            .folders = true,
            //: Screen-reader name of the progress bar.
            .progressName = Encrypt::tr("Encryption progress"),
            //: Screen-reader name of the Cancel button during an encryption.
            .cancelName = Encrypt::tr("Cancel the encryption"),
            //: Screen-reader description of "Show in File Manager". A package is Lockfern's encrypted
            //: result, a folder NAME.lockfern.
            .revealDescription = Encrypt::tr("Shows the encrypted package in the file manager"),
            //: Screen-reader name of the list of several files and folders chosen to encrypt.
            .itemsName = Encrypt::tr("Chosen files and folders")};
}

// The strength in the user's language. Without a translation Qt hands the pattern back as it is, and
// its English plural is spelled by the core.
QString strengthLine(const PasswordStrength::Estimate& estimate)
{
    using namespace PasswordStrength;
    const QString level = QCoreApplication::translate(kContext, levelName(estimate.level));
    const Line line = PasswordStrength::line(estimate.seconds);
    if (QCoreApplication::translate(kContext, line.pattern) == QLatin1String(line.pattern)) {
        return english(line, level);
    }
    return QCoreApplication::translate(kContext, line.pattern, nullptr, line.count).arg(level);
}

// Where the package of `source` will go, or, as a warning, why it can't go there now.
std::pair<Messages::Sentence, bool> packagePlace(const Workflows::PreparedSource& source)
{
    const Messages::Failure failure = Workflows::checkPackagePlace(source);
    if (failure.reason != Messages::Reason::None) {
        return {Messages::explain(failure), true};
    }
    const QString package = Path::displayName(source.packagePath.name());
    return {Messages::destination(Messages::Destination::WillBeSaved, {package}), false};
}

ItemList::Row rowOf(const Workflows::PreparedSource& source)
{
    const auto [place, warning] = packagePlace(source);
    return ItemList::Row::of(source.path, shown(place).text(), warning ? Theme::Mark::Warning : Theme::Mark::None);
}

} // namespace

Encrypt::Encrypt(const Services& services, QWidget* parent)
    : Pane(services, texts(), parent), ui(std::make_unique<Ui::Encrypt>())
{
    ui->setupUi(this);
    attach({QLatin1Char('E'), ui->paneLayout, ui->paneLayout->indexOf(ui->controlsE) + 1, ui->controlsE,
            ui->passwordE, ui->chooseE, ui->serviceE});
    ui->passwordE->setMaxLength(Password::kMaxCharacters);
    ui->repeatPasswordE->setMaxLength(Password::kMaxCharacters);
    ui->repeatPasswordE->removeToggle();
    ui->capsLockE->watch({ui->passwordE, ui->repeatPasswordE}, services.capsLock);
    ui->serviceE->setProperty(Theme::kLook, QStringLiteral("primary"));
    viewDidLoad();
}

Encrypt::~Encrypt() = default;

void Encrypt::viewDidLoad()
{
    Theme::applyTitleFont(ui->titleE);
    keepRoom({ui->checkMarkE, ui->strengthBarE, ui->strengthE, ui->repeatPasswordLabelE, ui->repeatPasswordE});
    showRepeat(false);
    QFont small = ui->strengthE->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    ui->strengthE->setFont(small);

    connect(ui->chooseE, &QPushButton::clicked, this, &Encrypt::chooseFile);
    connect(ui->hintButtonE, &QPushButton::clicked, this, &Encrypt::openHint);
    connect(ui->serviceE, &QPushButton::clicked, this, &Encrypt::encrypt);
    connect(revealButton(), &QPushButton::clicked, this, &Encrypt::showFile);
    connect(ui->passwordE, &QLineEdit::returnPressed, ui->serviceE, &QPushButton::click);
    connect(ui->repeatPasswordE, &QLineEdit::returnPressed, ui->serviceE, &QPushButton::click);
    connect(ui->passwordE, &PasswordField::shownChanged, this, &Encrypt::showRepeat);
    // Every change, the reset's emptying included, which hides the meter.
    connect(ui->passwordE, &QLineEdit::textChanged, this, &Encrypt::showStrength);
    showChosenFile();
}

void Encrypt::viewDidAppear()
{
    resetVariables();
    global().log(QStringLiteral("encrypt view presented"));
    clearResult();
    applyTheme();
}

void Encrypt::applyTheme()
{
    const bool dark = global().theme().isDark();
    Theme::setTextColor(ui->titleE, dark);
    Theme::setTextColor(ui->passwordLabelE, dark);
    Theme::setTextColor(ui->repeatPasswordLabelE, dark);
    Theme::setTextColor(ui->capsLockE, dark);
    QPixmap mark = Theme::checkMark(dark);
    const qreal ratio = devicePixelRatioF();
    mark = mark.scaled(ui->checkMarkE->maximumSize() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    mark.setDevicePixelRatio(ratio);
    ui->checkMarkE->setPixmap(mark);
    // The pane's own additions follow the same palette.
    Theme::setTextColor(ui->fileNameE, dark);
    Theme::setTextColor(ui->strengthE, dark);
    Pane::applyTheme(dark);
}

// Beside the live check, never instead of it: the status line is not touched, and neither the
// password nor its estimate is logged.
void Encrypt::showStrength()
{
    const QString password = ui->passwordE->text();
    ui->strengthBarE->setHidden(password.isEmpty());
    ui->strengthE->setHidden(password.isEmpty());
    if (password.isEmpty()) {
        ui->strengthE->clear();
        return;
    }
    const PasswordStrength::Estimate estimate = PasswordStrength::estimate(password);
    const auto level = static_cast<int>(estimate.level);
    ui->strengthBarE->setValue(level + 1);
    ui->strengthBarE->setProperty("fill", kLevelColours[level]);
    Theme::styleBar(ui->strengthBarE, kLevelColours[level], global().theme().isDark());
    ui->strengthE->setText(strengthLine(estimate));
}

// While the password is on show it needs no repeating, and what was seen counts as repeated when it
// is hidden again. The repeat keeps its room, so nothing moves.
void Encrypt::showRepeat(bool passwordShown)
{
    ui->repeatPasswordLabelE->setHidden(passwordShown);
    ui->repeatPasswordE->setHidden(passwordShown);
    if (!passwordShown) {
        ui->repeatPasswordE->setText(ui->passwordE->text());
    }
}

void Encrypt::prepareForEncryption(const Path& file)
{
    global().log(QStringLiteral("file selected ") + file.display());
    const Workflows::PrepareResult prepared = Workflows::prepareSource(file);
    m_sources.clear();
    if (prepared.source) {
        m_sources.push_back(*prepared.source);
    }
    if (!prepared.source) {
        refuse(prepared.message());
        ui->serviceE->setEnabled(false);
        ui->checkMarkE->setHidden(true);
        showChosenFile();
        showPackagePlace();
        return;
    }
    global().log(Messages::logLine(prepared.message()));
    ui->serviceE->setEnabled(true);
    ui->checkMarkE->setHidden(false);
    showChosenFile();
    showPackagePlace();
}

// Each chosen item is taken or refused as it would be alone, and logged so; the list shows them all,
// each with where its package will go or why it can't.
void Encrypt::prepareSeveral(const std::vector<Path>& paths)
{
    m_sources.clear();
    std::vector<ItemList::Row> rows;
    std::optional<Messages::Message> refusal;
    for (const Path& path : paths) {
        global().log(QStringLiteral("file selected ") + path.display());
        const Workflows::PrepareResult prepared = Workflows::prepareSource(path);
        global().log(Messages::logLine(prepared.message()));
        if (prepared.source) {
            m_sources.push_back(*prepared.source);
            rows.push_back(rowOf(*prepared.source));
        } else {
            refusal = refusal.value_or(prepared.message());
            rows.push_back(ItemList::Row::of(path, shown(prepared.message()), Theme::Mark::Warning));
        }
    }
    ui->serviceE->setEnabled(!m_sources.empty());
    ui->checkMarkE->setHidden(m_sources.empty());
    showChosenFile();
    showItems(rows);
    showPackagePlace();
    if (refusal && m_sources.empty()) {
        say(*refusal); // logged above, with its file
    }
}

// Said at once, so that nobody waits for a whole run to learn that the name is taken.
void Encrypt::showPackagePlace()
{
    if (m_sources.size() != 1) {
        showDestination({});
        return;
    }
    const auto [place, warning] = packagePlace(m_sources.front());
    showDestination(place, warning);
}

void Encrypt::encrypt()
{
    if (!readyToRun()) {
        return;
    }
    if (!ui->passwordE->isShown() && ui->repeatPasswordE->text() != ui->passwordE->text()) {
        refuse(Messages::Message::PasswordsDiffer);
        ui->repeatPasswordE->setFocus();
        ui->repeatPasswordE->selectAll();
        return;
    }
    Workflows::EncryptRequest request{m_sources.front(), Password::bytes(ui->passwordE->text()), std::nullopt};
    if (global().hintExist) {
        request.hint = global().hint;
    }
    if (m_sources.size() == 1) {
        startRun<Workflows::RunReport>(
            [request = std::move(request)](const RunControl& control) {
                return Workflows::writePackage(request, control);
            },
            [this](const Workflows::RunReport& report) { finish(report); });
        return;
    }
    std::vector<ItemList::Row> items;
    std::transform(m_sources.begin(), m_sources.end(), std::back_inserter(items), rowOf);
    startBatch<std::vector<Workflows::RunReport>>(
        items,
        [sources = m_sources, request = std::move(request)](const Workflows::BatchControl& control) {
            return Workflows::writePackages(sources, request.password, request.hint, control);
        },
        [this, sources = m_sources, items](const std::vector<Workflows::RunReport>& reports) {
            finishSeveral(sources, items, reports);
        });
}

// What a run of one item says outside the pane: on stdout, and to the file manager.
void Encrypt::reportWritten(const Workflows::RunReport& report)
{
    if (report.outcome == Workflows::Outcome::Failed && report.cantDeleteFolder) {
        std::fputs("Can't delete folder\n", stdout);
        std::fflush(stdout);
    }
    if (report.succeeded()) {
        m_packages.push_back(report.path);
        if (services().packageMarker) {
            services().packageMarker->mark(report.path);
        }
    }
}

void Encrypt::finish(const Workflows::RunReport& report)
{
    if (report.succeeded()) {
        m_packages.clear();
    }
    reportWritten(report);
    if (!report.succeeded()) {
        showPackagePlace(); // it may have changed during the run
    }
    finishRun(report);
}

// What failed or was not done stays chosen, with the password and hint, to be tried again.
void Encrypt::finishSeveral(const std::vector<Workflows::PreparedSource>& sources,
                            const std::vector<ItemList::Row>& items, const std::vector<Workflows::RunReport>& reports)
{
    m_packages.clear();
    std::vector<Workflows::PreparedSource> left;
    for (std::size_t i = 0; i < reports.size() && i < sources.size(); ++i) {
        if (!reports[i].succeeded()) {
            left.push_back(sources[i]);
        }
    }
    finishBatch(items, reports, [this](const Workflows::RunReport& report) { reportWritten(report); });
    if (left.empty()) {
        resetVariables();
        return;
    }
    m_sources = std::move(left);
    showChosenFile();
    showPackagePlace();
}

void Encrypt::resetVariables()
{
    ui->passwordE->setText(QString()); // clear() would keep the password in the field's undo history
    ui->repeatPasswordE->setText(QString());
    ui->passwordE->setShown(false);
    ui->checkMarkE->setHidden(true);
    m_sources.clear();
    global().hint.clear();
    global().hintExist = false;
    showChosenFile();
    showPackagePlace();
    showHintState();
}

void Encrypt::showHintState()
{
    //: The button that opens the hint dialog, once a hint was typed and before.
    ui->hintButtonE->setText(global().hintExist ? tr("Change Hint…") : tr("Add Hint…"));
}

void Encrypt::showFile()
{
    reveal(m_packages);
}

void Encrypt::openHint()
{
    if (!isBusy()) {
        openDialog(new Hint(window()), [this] { showHintState(); });
    }
}

// Several chosen are counted here and named in the list.
void Encrypt::showChosenFile()
{
    if (m_sources.size() > 1) {
        QStringList paths;
        for (const Workflows::PreparedSource& source : m_sources) {
            paths << source.path.display();
        }
        //: Where the chosen file's name goes, when several files and folders were chosen.
        ui->fileNameE->setName(tr("%n items", nullptr, static_cast<int>(m_sources.size())),
                               paths.join(QLatin1Char('\n')));
    } else if (!m_sources.empty()) {
        ui->fileNameE->setName(Path::displayName(m_sources.front().path.name()), m_sources.front().path.display());
    } else {
        //: Where the chosen file's name goes.
        ui->fileNameE->setName(tr("No file chosen"));
    }
}
