// SPDX-License-Identifier: GPL-3.0-or-later
// The encrypt pane and its hint dialog as a user drives them.
#include "Encrypt.h"
#include "Hint.h"
#include "Package.h"
#include "PaneTestSupport.h"
#include "RNCryptorBuffer.h"

#include <QFileInfo>
#include <QUrl>

#include <gmock/gmock.h>

namespace {

const std::string kContent("binary \x00\x01\xff content\n", 20);
const QString kSuccess = QStringLiteral("Success!");
const QString kError = QStringLiteral("An error occured while encrypting.");

using ::operator<<; // table rows print as their label

class EncryptPane : public PaneTest<Encrypt, 'E'>
{
public:
    // Opens the dialog from the pane, which shows `shown`, replaces its text and closes it with `key`,
    // or Done.
    void enterHint(const std::string& text, Qt::Key key = Qt::Key_unknown, const char* shown = "")
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the one closed before
        click("hintButton");
        auto* dialog = pane->window()->findChild<Hint*>();
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("hint"));
        EXPECT_EQ(field->text(), QString::fromUtf8(shown));
        field->clear();
        typeInto(field, text);
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        } else {
            QTest::keyClick(field, key);
        }
        EXPECT_FALSE(dialog->isVisible());
    }
    // What the hint button says, and what a screen reader hears it called.
    QString hintButton() const
    {
        const QString text = child<QPushButton>("hintButton")->text();
        EXPECT_EQ(spoken("hintButton"), text);
        return text;
    }
};

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

std::vector<std::string> successLines(const char* hintLine)
{
    return {"read file content", "encrypted file content", "created new package", "save encrypted file in package",
            hintLine, "saved hint to file in package", "success! saved in {P}"};
}

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
const std::vector<std::string> kEncryptedThenFailed{"read file content", "encrypted file content",
                                                    "an error occured while encrypting"};

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

// ---- several at once -----------------------------------------------------------------------------

struct SeveralCase
{
    const char* label;
    std::vector<std::string> chosen; // made in the work folder first, then chosen in this order
    bool dropped;                    // rather than chosen in the dialog
    const char* around; // "taken": b.lockfern there first; "gone": b.txt deleted once chosen; nullptr: neither
    std::vector<std::string> before; // the list once chosen
    QString status;
    std::vector<std::string> after;  // the list after the run
    std::vector<std::string> failed; // the log lines of the one that failed, if one did
    std::string out;                 // on stdout
    const char* left;                // what stays chosen
};

using Several = WithRows<EncryptPane, SeveralCase>;

// Each file is taken, refused and written as if alone, with the same password and hint; one that fails
// stops none of the others and stays chosen, with the password, to be tried again.
TEST_P(Several, takesEachAsAloneAndListsWhatHappened)
{
    const SeveralCase& c = GetParam();
    const std::string around = c.around ? c.around : "";
    std::vector<std::string> paths, expected;
    QByteArray urls;
    int taken = 0;
    for (const std::string& name : c.chosen) {
        const bool package = name.ends_with(".lockfern"), folder = name.ends_with('/');
        package ? env.file(name + "/x.pdf", "sealed") : env.file(folder ? name + "in.txt" : name, kContent);
        if (folder) {
            ASSERT_EQ(::mkfifo((env.work() + name + "pipe").c_str(), 0600), 0); // left out, and said so
        }
        paths.push_back(env.work() + (folder ? name.substr(0, name.size() - 1) : name));
        urls += QUrl::fromLocalFile(QString::fromStdString(paths.back())).toEncoded() + "\r\n";
        expected.insert(expected.end(), {"file selected " + paths.back(),
                                         package ? "file already encrypted" : "file added succesfully"});
        taken += package ? 0 : 1;
    }
    if (around == "taken") {
        env.file("b.lockfern/b.txt", "sealed");
    }
    const auto mark = logMark();
    c.dropped ? drop(urls.chopped(2)) : chooseAll(paths);
    if (!c.dropped) {
        expected.insert(expected.begin(), "select file view presented");
        expected.push_back("select file view closed");
    }
    EXPECT_EQ(logSince(mark), expected);
    EXPECT_EQ(spoken("items"), QStringLiteral("Chosen files and folders"));
    EXPECT_EQ(listed(), c.before);
    EXPECT_EQ(spoken("fileName"), QStringLiteral("%1 items").arg(taken));
    EXPECT_TRUE(child("destination")->isHidden()) << "each says where it goes in the list";
    if (around == "gone") {
        std::filesystem::remove(env.work() + "b.txt");
    }
    enterHint("h");
    type("pw");
    const auto run = logMark();
    testing::internal::CaptureStdout();
    click("service");
    const bool idle = waitIdle();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
    ASSERT_TRUE(idle);

    expected.clear();
    std::vector<std::string> packages;
    for (const std::string& name : c.chosen) {
        const bool folder = name.ends_with('/');
        const std::string package = env.work() + Path::baseNameOf(folder ? name.substr(0, name.size() - 1) : name) + ".lockfern";
        if (name.ends_with(".lockfern")) {
            continue;
        }
        const bool failed = name == "b.txt" && !c.failed.empty();
        const auto lines = failed ? c.failed : withPath(successLines("added hint h"), "{P}", package);
        expected.insert(expected.end(), lines.begin(), lines.end());
        if (!failed) {
            packages.push_back(package);
        }
        if (!failed && !folder) {
            const QByteArray sealed = QByteArray::fromStdString(readFileBytes(package + "/" + name));
            EXPECT_EQ(RNCryptor::Decryptor(QStringLiteral("pw")).decrypt(sealed).toStdString(), kContent);
        }
    }
    EXPECT_EQ(logSince(run), expected) << "each one's lines, in the order chosen";
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(spoken("items"), QStringLiteral("What happened to each"));
    EXPECT_EQ(listed(), c.after);
    EXPECT_EQ(marker->marked, packages);
    EXPECT_EQ(spoken("fileName").toStdString(), c.left);
    EXPECT_EQ(typed().toStdString(), c.failed.empty() ? "" : "pw");
    EXPECT_EQ(hintButton(), c.failed.empty() ? QStringLiteral("Add Hint…") : QStringLiteral("Change Hint…"));
    EXPECT_EQ(pane->focusWidget(), child(c.failed.empty() ? "sService" : "choose"));
    expectNamedAsShown(pane);
    click("sService");
    EXPECT_EQ(browser->revealed, packages);
    EXPECT_EQ(browser->requests, 1) << "all in one request, so that the file manager selects them all";
    reshow();
    EXPECT_TRUE(child("items")->isHidden()) << "a pane shown again starts afresh";
}

const auto saved = [](const char* base, const char* name) {
    return std::string("+ ") + name + ": Saved as " + base + ".lockfern. " + name + " is still there, unencrypted.";
};

INSTANTIATE_TEST_SUITE_P(
    Cases, Several,
    ::testing::Values(
        SeveralCase{"allGood", {"a.txt", "b.txt", "c.md"}, false, nullptr,
                    {"  a.txt: Will be saved as a.lockfern", "  b.txt: Will be saved as b.lockfern",
                     "  c.md: Will be saved as c.lockfern"},
                    QStringLiteral("All 3 were saved."), {saved("a", "a.txt"), saved("b", "b.txt"), saved("c", "c.md")},
                    {}, "", "No file chosen"},
        // A package among them is refused, as alone, and a folder is packed whole.
        SeveralCase{"droppedWithAPackageAndAFolder", {"a.txt", "p.lockfern", "photos/"}, true, nullptr,
                    {"  a.txt: Will be saved as a.lockfern", "! p.lockfern: This file is already encrypted.",
                     "  photos: Will be saved as photos.lockfern"},
                    QStringLiteral("All 2 were saved."),
                    {saved("a", "a.txt"), saved("photos", "photos"),
                     "> ! pipe: Left out pipe: only files, folders and links inside the folder are kept."},
                    {}, "", "No file chosen"},
        SeveralCase{"oneNameTaken", {"a.txt", "b.txt", "c.md"}, false, "taken",
                    {"  a.txt: Will be saved as a.lockfern", "! b.txt: b.lockfern already exists in work.",
                     "  c.md: Will be saved as c.lockfern"},
                    QStringLiteral("2 of 3 were saved; 1 failed."),
                    {saved("a", "a.txt"), "x b.txt: An error occured while encrypting. b.lockfern already exists in work.",
                     saved("c", "c.md")},
                    kEncryptedThenFailed, "", "b.txt"},
        SeveralCase{"oneUnreadable", {"a.txt", "b.txt", "c.md"}, false, "gone",
                    {"  a.txt: Will be saved as a.lockfern", "  b.txt: Will be saved as b.lockfern",
                     "  c.md: Will be saved as c.lockfern"},
                    QStringLiteral("2 of 3 were saved; 1 failed."),
                    {saved("a", "a.txt"), "x b.txt: An error occured while encrypting. b.txt can't be read any more.",
                     saved("c", "c.md")},
                    {"an error occured while encrypting"}, "Can't delete folder\n", "b.txt"}),
    [](const auto& row) { return std::string(row.param.label); });

// ---- cancelling ----------------------------------------------------------------------------------

TEST_F(EncryptPane, cancellingARunLeavesNothingBehindAndKeepsTheChoice)
{
    choose(env.file("big.bin", std::string(std::size_t{3} << 20, 'x'))); // several chunks
    type("pw");
    expectCancelledBothWays("encryption cancelled", "checkMark progress cancel", "checkMark placeholder");
}

// Held once the third of four has started and two have ended, which the bar over all says, then
// cancelled. Which of the others had ended by then hangs on the cores and the load, as in the core's
// own runs: each is whole or absent, and says which in its row and its log lines; what was not saved
// stays chosen, the one that failed before included.
TEST_F(EncryptPane, cancellingSeveralInTheMiddleKeepsWhatFinished)
{
    const std::vector<std::string> names{"gone.txt", "a.txt", "big.bin", "d.txt"};
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        paths.push_back(env.file(name, name == "big.bin" ? std::string(std::size_t{32} << 20, 'x') : kContent));
    }
    chooseAll(paths);
    std::filesystem::remove(paths[0]);
    type("pw");
    std::atomic<bool> held = false;
    pane->findChild<BackgroundRun*>()->setFirstProgressHook(
        [&held](const std::atomic<bool>& cancel) {
            held = true;
            waitUntilCancelled(cancel);
        },
        3);
    const auto mark = logMark();
    testing::internal::CaptureStdout();
    click("service");
    QString running;
    const bool reached = QTest::qWaitFor([&] {
        running = child<QLabel>("rate")->text();
        return held && (running.startsWith(QStringLiteral("3 of 4")) || running.startsWith(QStringLiteral("4 of 4")));
    });
    EXPECT_EQ(shown(), "checkMark progress cancel");
    auto* list = child<QTreeWidget>("items");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(running.front().digitValue() - 1)) << "the row of the one running";
    click("cancel");
    const bool idle = waitIdle();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Can't delete folder\n");
    ASSERT_TRUE(reached && idle);

    const std::vector<std::string> shownRows = listed();
    ASSERT_EQ(shownRows.size(), names.size());
    std::vector<std::string> rows{"x gone.txt: An error occured while encrypting. gone.txt can't be read any more."};
    std::vector<std::string> lines{"an error occured while encrypting"};
    int kept = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
        const std::string package = env.work() + Path::baseNameOf(names[i]) + ".lockfern";
        if (std::filesystem::exists(package)) {
            ++kept;
            rows.push_back(std::string("+ ") + names[i] + ": Saved as " + Path::baseNameOf(names[i]) + ".lockfern. " +
                           names[i] + " is still there, unencrypted.");
            const auto done = withPath(successLines("hint is empty"), "{P}", package);
            lines.insert(lines.end(), done.begin(), done.end());
            EXPECT_EQ(RNCryptor::Decryptor(QStringLiteral("pw"))
                          .decrypt(QByteArray::fromStdString(readFileBytes(package + "/" + names[i])))
                          .toStdString(),
                      readFileBytes(paths[i]));
        } else if (shownRows[i].ends_with(": Not started.")) {
            rows.push_back("  " + names[i] + ": Not started.");
        } else {
            rows.push_back("  " + names[i] + ": Cancelled.");
            lines.push_back("encryption cancelled");
        }
    }
    EXPECT_LT(kept, 3) << "the cancel came in the middle";
    EXPECT_EQ(shownRows, rows);
    EXPECT_EQ(logSince(mark), lines) << "each one's lines in the order chosen";
    EXPECT_EQ(status(), QStringLiteral("Cancelled. %1 of 4 were saved; 1 failed.").arg(kept));
    EXPECT_EQ(spoken("fileName"), QStringLiteral("%1 items").arg(4 - kept));
    EXPECT_EQ(stagingEntries(env.work()), 0);
    EXPECT_EQ(typed(), QStringLiteral("pw"));
    EXPECT_EQ(pane->focusWidget(), child("password")) << "as after a cancel of one";
}

} // namespace
