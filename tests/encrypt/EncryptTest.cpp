// SPDX-License-Identifier: GPL-3.0-or-later
// The encrypt pane and its hint dialog as a user drives them.
#include "EncryptPane.h"
#include "Package.h"
#include "RNCryptorBuffer.h"

#include <QFileInfo>

#include <gmock/gmock.h>

namespace {

using ::operator<<; // table rows print as their label

const QString kSuccess = QStringLiteral("Success!");
const QString kError = QStringLiteral("An error occured while encrypting.");

// ---- choosing ------------------------------------------------------------------------------------

struct ChoiceCase
{
    const char* label;
    std::vector<std::string> files; // made in the work folder first
    const char* chosen;
    const char* status; // empty: taken
    const char* line;
    const char* file;        // the name shown and its tool tip, the path, without the work folder
    const char* destination; // the line under the file, said at once; empty: none
};

using Choosing = WithRows<EncryptPane, ChoiceCase>;

// Cancelling the chooser afterwards changes nothing; showing the pane again starts it afresh, and
// clears the hint shared with the dialog.
TEST_P(Choosing, takesOrRefusesTheFile)
{
    const ChoiceCase& c = GetParam();
    for (const auto& name : c.files) {
        env.file(name, "plain text\n");
    }
    const std::string chosen = env.work() + c.chosen;
    const auto mark = logMark();
    choose(chosen);
    EXPECT_FALSE(chooser->seen.at(0).packagesAsDocuments) << "a package is entered to reach its file";
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"select file view presented", "file selected " + chosen,
                                                          c.line, "select file view closed"}));
    const auto again = logMark();
    const bool taken = *c.status == '\0';
    for (const bool cancelled : {false, true}) {
        SCOPED_TRACE(cancelled ? "cancelled" : "chosen");
        EXPECT_EQ(shown(), taken ? "checkMark" : "placeholder");
        EXPECT_EQ(status(), QString::fromUtf8(c.status));
        EXPECT_EQ(child("service")->isEnabled(), taken);
        const QString file = child<QLabel>("fileName")->text() + '|' + shownToolTip(child("fileName"));
        EXPECT_EQ(QString(file).remove(QString::fromStdString(env.work())).toStdString(), c.file);
        EXPECT_EQ(child("destination")->isHidden() ? "" : spoken("destination").toStdString(), c.destination);
        choose(std::nullopt, FileChooser::Response::Cancelled);
    }
    const std::string presented = "select file view presented", dismissed = "select file view dismissed";
    EXPECT_EQ(logSince(again), (std::vector<std::string>{presented, dismissed, presented, dismissed}));
    type("secret");
    enterHint("my hint");
    ASSERT_EQ(hintButton(), QStringLiteral("Change Hint…"));
    const auto shownAgain = logMark();
    reshow();
    EXPECT_EQ(logSince(shownAgain), std::vector<std::string>{"encrypt view presented"});
    EXPECT_EQ(spoken("fileName"), QStringLiteral("No file chosen"));
    EXPECT_TRUE(typed().isEmpty());
    EXPECT_EQ(hintButton(), QStringLiteral("Add Hint…"));
    enterHint("", Qt::Key_Escape); // and the dialog shows no hint
    EXPECT_EQ(shown(), taken ? "" : "placeholder");
    EXPECT_TRUE(status().isEmpty() && child("destination")->isHidden());
}

const char* const kAlready = "This file is already encrypted.";
INSTANTIATE_TEST_SUITE_P(
    Cases, Choosing,
    ::testing::Values(
        ChoiceCase{"plainFile", {"docs/report.pdf"}, "docs/report.pdf", "", "file added succesfully",
                   "report.pdf|docs/report.pdf", "Will be saved as report.lockfern"},
        // Contract.pdf's package already there when Contract.docx is chosen: said now, not after a run.
        ChoiceCase{"packageNameTaken", {"docs/Contract.pdf", "docs/Contract.lockfern/Contract.pdf", "docs/Contract.docx"},
                   "docs/Contract.docx", "", "file added succesfully",
                   "Contract.docx|docs/Contract.docx",
                   "Contract.lockfern already exists in docs."},
        ChoiceCase{"encryptedFileInPackage", {"report.lockfern/report.pdf", "report.lockfern/hint.lockfern"},
                   "report.lockfern/report.pdf", "", "file added succesfully",
                   "report.pdf|report.lockfern/report.pdf",
                   "Will be saved as report.lockfern"},
        ChoiceCase{"package", {"report.lockfern/report.pdf"}, "report.lockfern", kAlready, "file already encrypted",
                   "No file chosen|", ""},
        ChoiceCase{"hintFile", {"report.lockfern/hint.lockfern"}, "report.lockfern/hint.lockfern", kAlready,
                   "file already encrypted", "No file chosen|", ""},
        ChoiceCase{"removedBeforeOpening", {}, "gone.txt", "There's a problem.",
                   "there was a problem while adding file", "No file chosen|", ""}),
    [](const auto& row) { return std::string(row.param.label); });

// ---- typing, showing, theme ----------------------------------------------------------------------

// The live check speaks only once a file is taken, and writes no log line. The strength meter sits
// beside it and never replaces it; what the meter says stays on the screen.
TEST_F(EncryptPane, strengthMeterFollowsTheTypingAndKeepsItToTheScreen)
{
    const auto mark = logMark();
    testing::internal::CaptureStdout();
    // What is typed, what the meter says (empty: it is hidden), what shows and the status line says.
    for (const auto& [typed, said, shownNow, line] :
         {std::tuple{"", "", "placeholder", ""}, std::tuple{"password", "Weak: ", "checkMark", ""},
          std::tuple{"orbit lantern cactus velvet harbor", "Very strong: ", "checkMark", ""},
          std::tuple{"", "", "checkMark placeholder", "Password is empty."}}) {
        SCOPED_TRACE(typed);
        retype(*typed ? typed : "x");
        if (!*typed) {
            QTest::keyClick(child("password"), Qt::Key_Backspace);
        }
        EXPECT_EQ(shown(), shownNow);
        EXPECT_EQ(status(), QString::fromLatin1(line));
        EXPECT_EQ(child("strengthBar")->isVisible(), *said != '\0');
        EXPECT_EQ(child("strength")->isVisible(), *said != '\0');
        if (*said) {
            EXPECT_TRUE(spoken("strength").startsWith(QString::fromLatin1(said))) << spoken("strength").toStdString();
            EXPECT_TRUE(spoken("strength").endsWith(QStringLiteral(" to guess on one GPU")));
        } else if (child("checkMark")->isHidden()) {
            choose(env.file("report.pdf", "plain text\n"));
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(logSince(mark).size(), 4u) << "only choosing the file logs";
    // The repeat is no password of its own: typing in it neither checks it nor measures it.
    reshow();
    choose(env.file("report.pdf", "plain text\n"));
    typeInto(child("repeatPassword"), "x");
    QTest::keyClick(child("repeatPassword"), Qt::Key_Backspace);
    EXPECT_EQ(shown(), "checkMark");
    EXPECT_FALSE(child("strength")->isVisible());
}

TEST_F(EncryptPane, capsLockWarningBesideBothFields)
{
    expectCapsLockWarning({"password", "repeatPassword"});
}

// ---- the hint dialog -----------------------------------------------------------------------------

struct HintCase
{
    const char* label;
    const char* earlier; // entered before; empty: none
    const char* typed;
    Qt::Key key; // Key_unknown: the Done button
    bool given;  // a hint goes with the next run
    const char* written; // what the package's hint file then holds, as its reader takes it
    std::vector<std::string> lines;
};

using HintDialog = WithRows<EncryptPane, HintCase>;

TEST_P(HintDialog, storesAndLogsAccordingToHowItCloses)
{
    const HintCase& c = GetParam();
    if (*c.earlier) {
        enterHint(c.earlier);
    }
    const auto mark = logMark();
    enterHint(c.typed, c.key, c.earlier);
    EXPECT_EQ(logSince(mark), c.lines);
    EXPECT_EQ(hintButton(), c.given ? QStringLiteral("Change Hint…") : QStringLiteral("Add Hint…"));

    choose(env.file("report.pdf", kContent));
    type("pw");
    click("service");
    ASSERT_TRUE(waitIdle());
    const Workflows::OpenResult opened = Workflows::openPackage(Path(env.work() + "report.lockfern"));
    ASSERT_TRUE(opened.package);
    EXPECT_EQ(opened.package->hint, QString::fromUtf8(c.written));
}

// The hint file holds at most what the reader takes back, in UTF-8 bytes, not characters.
TEST_F(EncryptPane, hintDialogTakesNoMoreThanAHintFileHolds)
{
    click("hintButton");
    auto* field = pane->window()->findChild<Hint*>()->findChild<QLineEdit*>(QStringLiteral("hint"));
    const QString longestAscii(static_cast<qsizetype>(Package::kMaxHintBytes), QLatin1Char('a'));
    const QString almostFullCjk(static_cast<qsizetype>(Package::kMaxHintBytes / 3), QChar(0x4E2D)); // one byte left
    // The text there first, what is typed, and what the field then holds.
    for (const auto& [text, typed, after] :
         {std::tuple{longestAscii.chopped(1), "ab", longestAscii},
          std::tuple{almostFullCjk, "\u00e9a", QString(almostFullCjk + QLatin1Char('a'))}}) {
        field->setText(text);
        field->end(false);
        typeInto(field, typed);
        EXPECT_EQ(field->text(), after);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HintDialog,
    ::testing::Values(
        HintCase{"emptyAfterAnEarlierHint", "old", "", Qt::Key_unknown, false, "",
                 {"hint view presented", "hint left empty", "hint view closed"}},
        HintCase{"oneSpaceByReturn", "", " ", Qt::Key_Return, true, " ",
                 {"hint view presented", "got hint  ", "hint view closed"}},
        HintCase{"escapeStoresNothing", "old", "xyz", Qt::Key_Escape, true, "old", {"hint view presented"}}),
    [](const auto& row) { return std::string(row.param.label); });

// ---- runs ----------------------------------------------------------------------------------------

// Encrypt by its button, by Return in the repeat field, or by its button with the password on show,
// typed after Alt+S showed it (and the repeat went).
enum class Press { Button, ReturnInRepeat, ShownThenButton };

struct RunCase
{
    const char* label;
    bool chosen;        // report.pdf, in the work folder
    bool sourceGone;    // deleted once chosen
    const char* around; // "package" or "folder" holds the package's name first, the folder is "locked", or
                        // the source is rewritten as it is read ("changing"); nullptr: none of these
    std::string password;
    std::optional<std::string> repeated; // typed into the repeat field; nullopt: the password again
    Press press;
    std::optional<std::string> hint; // entered through the dialog
    QString status;
    std::vector<std::string> lines; // "{P}" stands for the package's path
    std::string out;                // on stdout
    const char* shown;
    const char* detail;      // the line under the status
    const char* focus;       // where the focus went; empty: not looked at
    const char* destination; // what the line under the file then says
};

using Running = WithRows<EncryptPane, RunCase>;

TEST_P(Running, reportsTheOutcome)
{
    const RunCase& c = GetParam();
    const std::string around = c.around ? c.around : "";
    const std::string source = env.file("report.pdf", kContent);
    const std::string package = env.work() + "report.lockfern";
    if (c.chosen) {
        choose(source);
    }
    if (c.sourceGone) {
        std::filesystem::remove(source);
    }
    if (around == "package" || around == "folder") {
        std::filesystem::create_directory(package);
    }
    if (around == "package") {
        env.file("report.lockfern/report.pdf", "sealed");
        env.file("report.lockfern/hint.lockfern", "");
    }
    if (around == "changing") {
        pane->findChild<BackgroundRun*>()->setFirstProgressHook(
            [&source](const std::atomic<bool>&) { writeFileBytes(source, kContent); });
    }
    if (c.hint) {
        enterHint(*c.hint);
    }
    if (c.press == Press::ShownThenButton) {
        child("password")->setFocus();
        QTest::keyClick(child("password"), Qt::Key_S, Qt::AltModifier);
        EXPECT_FALSE(child("repeatPassword")->isVisible());
    }
    type(c.password, c.repeated);
    if (around == "locked" && !lockWork()) {
        GTEST_SKIP() << "no way to make a folder unwritable here";
    }
    const auto before = snapshot(env.work());
    const auto mark = logMark();
    testing::internal::CaptureStdout();
    c.press == Press::ReturnInRepeat ? QTest::keyClick(child("repeatPassword"), Qt::Key_Return) : click("service");
    const bool idle = waitIdle();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
    ASSERT_TRUE(idle);

    EXPECT_EQ(status(), c.status);
    expectOutcome(c.status, c.detail, c.focus);
    EXPECT_EQ(child("destination")->isHidden() ? "" : spoken("destination").toStdString(), c.destination);
    EXPECT_EQ(logSince(mark), withPath(c.lines, "{P}", package));
    EXPECT_EQ(shown(), c.shown);
    // The new package is marked as Lockfern's for the file manager, and nothing else ever is.
    EXPECT_EQ(marker->marked, c.status == kSuccess ? std::vector{package} : std::vector<std::string>{});
    if (c.status != kSuccess) {
        EXPECT_EQ(snapshot(env.work()), before) << "nothing made, nothing lost";
        EXPECT_EQ(typed().toStdString(), c.password) << "kept to try again";
        return;
    }
    const Workflows::OpenResult opened = Workflows::openPackage(Path(package));
    ASSERT_TRUE(opened.package);
    EXPECT_EQ(opened.package->hint.toStdString(), c.hint.value_or(""));
    const QByteArray sealed = QByteArray::fromStdString(readFileBytes(package + "/report.pdf"));
    EXPECT_EQ(RNCryptor::Decryptor(QString::fromStdString(c.password)).decrypt(sealed).toStdString(), kContent);
    EXPECT_EQ(snapshot(env.work()).size(), 4u) << "the source, the package and its two files";
    for (const auto& line : c.password.size() > 3 ? env.logMessages() : std::vector<std::string>{}) {
        EXPECT_EQ(line.find(c.password), std::string::npos) << "the password is never logged";
    }
    // Ready for the next file, with the way to the package kept, and the password gone for good.
    EXPECT_EQ(spoken("fileName"), QStringLiteral("No file chosen"));
    EXPECT_TRUE(typed().isEmpty() && child<QLineEdit>("repeatPassword")->text().isEmpty());
    EXPECT_EQ(child<QLineEdit>("password")->echoMode(), QLineEdit::Password) << "hidden again";
    EXPECT_TRUE(child("repeatPassword")->isVisible());
    expectNamedAsShown(pane);
    child<QLineEdit>("password")->setEchoMode(QLineEdit::Normal); // undo of a password field only clears it
    child<QLineEdit>("password")->undo();
    EXPECT_TRUE(typed().isEmpty()) << "the password is still in the field's undo history";
    EXPECT_EQ(hintButton(), QStringLiteral("Add Hint…"));
    click("sService");
    EXPECT_EQ(browser->revealed, std::vector{package});
}

const char* const kSaved = "Saved as report.lockfern. report.pdf is still there, unencrypted.";
const char* const kWillBeSaved = "Will be saved as report.lockfern";
const char* const kTaken = "report.lockfern already exists in work.";
const char* const kGone = "report.pdf can't be read any more.";
const char* const kFailed = "checkMark placeholder detail";

INSTANTIATE_TEST_SUITE_P(
    Cases, Running,
    ::testing::Values(
        // The file, then the password, then its repeat.
        RunCase{"noFile", false, false, nullptr, "pw", "other", Press::Button, std::nullopt,
                QStringLiteral("No file is selected."), {"no file selected"}, "", "placeholder", "", "", ""},
        // The password is checked before the missing source is noticed.
        RunCase{"emptyPassword", true, true, nullptr, "", "x", Press::Button, std::nullopt,
                QStringLiteral("Password is empty."), {"password empty"}, "", "checkMark placeholder", "", "",
                kWillBeSaved},
        RunCase{"passwordsDiffer", true, false, nullptr, "correct horse", "correct hose", Press::ReturnInRepeat,
                std::nullopt, QStringLiteral("The passwords don't match."), {"passwords don't match"}, "",
                "checkMark placeholder", "", "repeatPassword", kWillBeSaved},
        RunCase{"oneSpacePasswordNoHint", true, false, nullptr, " ", std::nullopt, Press::ReturnInRepeat, std::nullopt,
                kSuccess, successLines("hint is empty"), "", "placeholder detail sService", kSaved, "sService", ""},
        RunCase{"withHintAndThePasswordShown", true, false, nullptr, "correct horse", std::nullopt,
                Press::ShownThenButton, "caf\xc3\xa9", kSuccess, successLines("added hint caf\xc3\xa9"), "",
                "placeholder detail sService", kSaved, "sService", ""},
        // The package already there is not the run's to delete.
        RunCase{"packageAlreadyThere", true, false, "package", "second", std::nullopt, Press::Button, std::nullopt,
                kError, kEncryptedThenFailed, "", kFailed, kTaken, "choose", kTaken},
        RunCase{"sourceDeletedAfterChoosing", true, true, nullptr, "pw", std::nullopt, Press::Button, std::nullopt,
                kError, {"an error occured while encrypting"}, "Can't delete folder\n", kFailed, kGone, "choose",
                kWillBeSaved},
        // Nothing was ours to delete, and the folder of that name was there to be found.
        RunCase{"sourceDeletedBesideAFolderOfThePackagesName", true, true, "folder", "pw", std::nullopt, Press::Button,
                std::nullopt, kError, {"an error occured while encrypting"}, "", kFailed, kGone, "choose", kTaken},
        RunCase{"unwritableFolder", true, false, "locked", "pw", std::nullopt, Press::Button, std::nullopt, kError,
                kEncryptedThenFailed, "Can't delete folder\n", kFailed, "You can't write to work.", "choose",
                "You can't write to work."},
        RunCase{"sourceRewrittenWhileRead", true, false, "changing", "pw", std::nullopt, Press::Button, std::nullopt,
                kError, {"an error occured while encrypting"}, "Can't delete folder\n", kFailed,
                "The file was changed while it was being encrypted.", "service", kWillBeSaved}),
    [](const auto& row) { return std::string(row.param.label); });

// A name is shown as it is, never as markup: the chosen file, its path, the package it became.
using HostileName = WithRows<EncryptPane, const char*>;

TEST_P(HostileName, isShownAsItIsWhereverItAppears)
{
    const std::string file = env.file(GetParam(), kContent);
    const QString path = QString::fromStdString(file);
    choose(file);
    expectShownAsIs(child<QLabel>("fileName"), QFileInfo(path).fileName(), path);
    const Path packagePath = Package::packagePath(Path(file));
    const QString package = packagePath.display();
    expectShownAsIs(child<QLabel>("destination"), QStringLiteral("Will be saved as ") + QFileInfo(package).fileName());
    type("pw");
    click("service");
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), kSuccess);
    expectShownAsIs(child<QLabel>("detail"),
                    QStringLiteral("Saved as %1. %2 is still there, unencrypted.")
                        .arg(QFileInfo(package).fileName(), QFileInfo(path).fileName()),
                    package);
    EXPECT_THAT(folderEntries(packagePath.bytes()), ::testing::UnorderedElementsAre(Path(file).name(), "hint.lockfern"));
}

INSTANTIATE_TEST_SUITE_P(Names, HostileName, ::testing::ValuesIn(kHostileNames));

// ---- cancelling ----------------------------------------------------------------------------------

TEST_F(EncryptPane, cancellingARunLeavesNothingBehindAndKeepsTheChoice)
{
    choose(env.file("big.bin", std::string(std::size_t{3} << 20, 'x'))); // several chunks
    type("pw");
    expectCancelledBothWays("encryption cancelled", "checkMark progress cancel", "checkMark placeholder");
}

} // namespace
