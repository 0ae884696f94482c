// SPDX-License-Identifier: GPL-3.0-or-later
// The decrypt pane as a user drives it: preparing a package, the run and its outcomes.
#include "Decrypt.h"
#include "Files.h"
#include "PaneTestSupport.h"
#include "Password.h"
#include "RNCryptorBuffer.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>


namespace {

namespace fs = std::filesystem;

const std::string kPassword = "correct horse";
const std::string kPlain = "Quarterly report, page 1\n";
const QString kSuccess = QStringLiteral("Success!");
const QString kNoFile = QStringLiteral("No file is selected.");
const QString kProblem = QStringLiteral("There's a problem.");

using ::operator<<; // table rows print as their label

// NAME in folder, holding INNER sealed with the password and, when given, a hint file.
std::string sealedPackage(const std::string& folder, const std::optional<std::string>& hint = "",
                        const std::string& plain = kPlain, const std::string& name = "report.lockfern",
                        const std::string& inner = "report.pdf", const std::string& password = kPassword)
{
    const std::string path = folder + name;
    fs::create_directories(path);
    const QByteArray sealed =
        RNCryptor::Encryptor(QString::fromStdString(password)).encrypt(QByteArray::fromStdString(plain));
    writeFileBytes(path + "/" + inner, sealed.toStdString());
    if (hint) {
        writeFileBytes(path + "/hint.lockfern", *hint);
    }
    return path;
}

class DecryptPane : public PaneTest<Decrypt, 'D'>
{
public:
    QString hint() const { return child<QLabel>("hint")->text(); }
};

// ---- preparing ------------------------------------------------------------------------------------

enum class Way { Chooser, Drop, FileBrowser };

struct PrepareCase
{
    const char* label;
    void (*make)(const std::string& work);
    const char* chosen; // in the work folder
    QString status;     // empty: prepared
    std::vector<std::string> lines;
    QString hint;
    Way way = Way::Chooser;
    const char* shown = "checkMark hint"; // when prepared
};

using Preparing = WithRows<DecryptPane, PrepareCase>;

// However it comes, a package is prepared or refused without a change on disk; showing the pane
// again starts it afresh, so a package from the file browser is taken once.
TEST_P(Preparing, showsTheOutcomeAndChangesNothingOnDisk)
{
    const PrepareCase& c = GetParam();
    c.make(env.work());
    const std::string path = env.work() + c.chosen;
    const std::string selected = path.ends_with('/') ? path.substr(0, path.size() - 1) : path;
    const auto before = snapshot(env.work());
    const auto mark = logMark();
    std::vector<std::string> expected{"file selected " + selected};
    if (c.way == Way::Chooser) {
        choose(path);
        EXPECT_TRUE(chooser->seen.at(0).packagesAsDocuments);
        expected.insert(expected.begin(), "select file view presented");
    } else if (c.way == Way::Drop) {
        drop(QUrl::fromLocalFile(QString::fromStdString(path)).toEncoded());
    } else {
        global().isOpenedFromFile = true;
        global().openedFile = Path(path);
        reshow();
        expected.insert(expected.begin(), {"decrypt view presented", "file selected from finder"});
    }
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    if (c.way == Way::Chooser) {
        expected.push_back("select file view closed");
    }
    EXPECT_EQ(logSince(mark), expected);
    EXPECT_EQ(snapshot(env.work()), before);

    const bool prepared = c.status.isEmpty();
    EXPECT_EQ(child("service")->isEnabled(), prepared);
    EXPECT_EQ(shown(), prepared ? c.shown : "placeholder");
    EXPECT_EQ(prepared ? hint() : status(), prepared ? c.hint : c.status);
    EXPECT_EQ(spoken(prepared ? "hint" : "placeholder"), prepared ? c.hint : c.status);
    const std::string package = selected.substr(0, selected.size() - (selected.ends_with("/hint.lockfern") ? 14 : 0));
    EXPECT_EQ(shownToolTip(child("fileName")).toStdString(), prepared ? package : "");
    EXPECT_EQ(spoken("fileName").toStdString(), prepared ? "report.lockfern" : "No package chosen");
    EXPECT_EQ(child("destination")->isHidden() ? "" : spoken("destination").toStdString(),
              prepared ? "Will be restored as report.pdf" : "");

    const auto again = logMark();
    const bool placeholder = child("placeholder")->isVisible();
    reshow();
    EXPECT_EQ(logSince(again), std::vector<std::string>{"decrypt view presented"});
    EXPECT_EQ(spoken("fileName").toStdString(), "No package chosen");
    EXPECT_EQ(shown(), placeholder ? "placeholder" : "");
    EXPECT_TRUE(status().isEmpty());
}

const std::vector<std::string> kProblemLine{"there was a problem while adding file"};
const std::vector<std::string> kAdded{"hint is empty", "file added succesfully"};
const auto withHint = [](const std::string& w) { sealedPackage(w, "tulip7"); };
const PrepareCase kPrepareCases[] = {
    {"emptyHintFile", [](const std::string& w) { sealedPackage(w, ""); }, "report.lockfern", {}, kAdded, {}},
    {"noHintFile", [](const std::string& w) { sealedPackage(w, std::nullopt); }, "report.lockfern", {}, kAdded, {}},
    // What file managers can open of a package; the hint as the UTF-8 text it is.
    {"itsHintFile", [](const std::string& w) { sealedPackage(w, "caf\xc3\xa9"); }, "report.lockfern/hint.lockfern", {},
     {"presenting hint caf\xc3\xa9", "file added succesfully"}, QString::fromUtf8("Hint: caf\xc3\xa9")},
    {"droppedAsAFolderUrl", withHint, "report.lockfern/", {}, {"presenting hint tulip7", "file added succesfully"},
     QStringLiteral("Hint: tulip7"), Way::Drop},
    {"fromTheFileBrowser", withHint, "report.lockfern", {}, {"presenting hint tulip7", "file added succesfully"},
     QStringLiteral("Hint: tulip7"), Way::FileBrowser, "checkMark hint placeholder"},
    {"nonUtf8Hint", [](const std::string& w) { sealedPackage(w, "\xff\xfe\x80hint"); }, "report.lockfern", kProblem,
     kProblemLine, {}},
    {"upperCaseExtension", [](const std::string& w) { sealedPackage(w, "", kPlain, "report.LOCKFERN"); },
     "report.LOCKFERN", QStringLiteral("This file is not encrypted."), {"file is not encrypted"}, {}},
    {"plainFileNamedLikeAPackage", [](const std::string& w) { writeFileBytes(w + "notes.lockfern", "text"); },
     "notes.lockfern", kProblem, kProblemLine, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Preparing, ::testing::ValuesIn(kPrepareCases),
                         [](const auto& row) { return std::string(row.param.label); });

// Files that would be taken show the pane as a place to drop them while they are over it, one or
// several; with one that is not a local file, none would be taken and nothing changes.
TEST_F(DecryptPane, dropAreaShowsThatItTakesTheDraggedFilesWhileTheyAreOver)
{
    const QImage before = pane->grab().toImage();
    const QUrl local = QUrl::fromLocalFile(QString::fromStdString(sealedPackage(env.work())));
    for (const qsizetype files : {1, 2, 0}) {
        QMimeData mime;
        mime.setUrls(files ? QList<QUrl>(files, local) : QList<QUrl>{local, QUrl(QStringLiteral("https://example.org/a"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &enter);
        EXPECT_EQ(pane->grab().toImage() != before, files > 0) << files;
        QDragLeaveEvent leave;
        QApplication::sendEvent(pane, &leave);
        EXPECT_EQ(pane->grab().toImage(), before) << files;
    }
}

// ---- runs -----------------------------------------------------------------------------------------

struct RunCase
{
    const char* label;
    bool chosen;        // the package, then, when refusedAfter, a plain file that disarms the pane
    bool refusedAfter;
    const char* beside; // report.pdf's bytes in the work folder first; nullptr: none
    bool locked;        // the work folder takes no new entries
    std::vector<std::string> presses; // the password typed before each press of Decrypt
    QString status;
    std::vector<std::string> lines;           // of the last press; "{OUT}" stands for the restored file
    std::map<std::string, std::string> files; // everything beside the package afterwards
    const char* restored;                     // pathD in the work folder; empty: none
    const char* shown;
    const char* detail = ""; // the line under the status
    const char* focus = "";  // where the focus went; empty: not looked at
};

using Running = WithRows<DecryptPane, RunCase>;

TEST_P(Running, reportsTheOutcome)
{
    const RunCase& c = GetParam();
    const std::string package = sealedPackage(env.work());
    if (c.beside) {
        writeFileBytes(env.work() + "report.pdf", c.beside);
    }
    if (c.locked && !lockWork()) {
        GTEST_SKIP() << "no way to make a folder unwritable here";
    }
    if (c.chosen) {
        choose(package);
    }
    if (c.refusedAfter) {
        choose(env.file("notes.txt", "notes"));
    }
    const auto sealed = snapshot(package);
    std::size_t mark = 0;
    for (const auto& password : c.presses) {
        retype(password);
        mark = logMark();
        c.refusedAfter ? QTest::keyClick(child("password"), Qt::Key_Return) : click("service");
        ASSERT_TRUE(waitIdle());
    }

    const std::string out = *c.restored ? env.work() + c.restored : "";
    EXPECT_EQ(status(), c.status);
    expectOutcome(c.status, c.detail, c.focus);
    EXPECT_EQ(logSince(mark), withPath(c.lines, "{OUT}", out));
    EXPECT_EQ(shown(), c.shown);
    EXPECT_EQ(spoken("fileName") == QStringLiteral("report.lockfern"), std::string(c.shown).starts_with("checkMark"))
        << "the mark shows a prepared package";
    EXPECT_EQ(snapshot(package), sealed) << "the package stays whole";
    auto beside = snapshot(env.work());
    std::erase_if(beside, [](const auto& entry) { return entry.first.starts_with("report.lockfern"); });
    EXPECT_EQ(beside, c.files);
    EXPECT_EQ(typed().toStdString(), c.status == kSuccess ? "" : c.presses.back()) << "kept to be corrected";
    if (c.status == kSuccess) {
        expectNamedAsShown(pane);
        click("sService");
        EXPECT_EQ(browser->revealed, std::vector{out});
    }
}

const std::vector<std::string> kDecrypted{"read file content", "decrypted file content", "success! saved in {OUT}"};
const char* const kRestored = "placeholder detail sService";
const char* const kPrepared = "checkMark hint placeholder";
const char* const kPreparedFailed = "checkMark hint placeholder detail";
const QString kFailed = QStringLiteral("An error occured while decrypting.");

const RunCase kRunCases[] = {
    {"nothingPrepared", false, false, nullptr, false, {kPassword}, kNoFile, {"no file selected"}, {}, "", "placeholder"},
    {"emptyPassword", true, false, nullptr, false, {""}, QStringLiteral("Password is empty."), {"password empty"}, {}, "",
     kPrepared},
    {"wrongPassword", true, false, nullptr, false, {"wrong horse"}, kFailed,
     {"read file content", "an error occured while decrypting"}, {}, "", kPreparedFailed,
     "Wrong password, or the package is damaged. Check Caps Lock and the hint.", "password"},
    {"wrongThenRightPassword", true, false, nullptr, false, {"wrong horse", kPassword}, kSuccess, kDecrypted,
     {{"report.pdf", kPlain}}, "report.pdf", kRestored, "Saved as report.pdf", "sService"},
    // Nothing needs writing, so an unwritable folder is no obstacle; the user is told nothing was.
    {"unwritableFolderWithTheIdenticalFileThere", true, false, kPlain.c_str(), true, {kPassword}, kSuccess, kDecrypted,
     {{"report.pdf", kPlain}}, "report.pdf", kRestored, "Already there: report.pdf"},
    // Otherwise it is, once the password has proved right.
    {"unwritableFolder", true, false, nullptr, true, {kPassword}, kFailed,
     {"read file content", "decrypted file content", "an error occured while decrypting"}, {}, "", kPreparedFailed,
     "You can't write to work.", "choose"},
    {"differentFileThere", true, false, "my draft", false, {kPassword}, kSuccess, kDecrypted,
     {{"report.pdf", "my draft"}, {"report 2.pdf", kPlain}}, "report 2.pdf", kRestored, "Saved as report 2.pdf"},
    // A refusal disarms the pane: the earlier package can no longer be decrypted, not even by Return in
    // the password field while the button is off.
    {"refusedFileAfterThePackage", true, true, nullptr, false, {kPassword}, kNoFile, {"no file selected"},
     {{"notes.txt", "notes"}}, "", "hint placeholder"},
    {"secondPressAfterSuccess", true, false, nullptr, false, {kPassword, kPassword}, kNoFile, {"no file selected"},
     {{"report.pdf", kPlain}}, "report.pdf", "placeholder"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Running, ::testing::ValuesIn(kRunCases),
                         [](const auto& row) { return std::string(row.param.label); });

// ---- several packages -----------------------------------------------------------------------------

struct SeveralCase
{
    const char* label;
    const char* secondHint;   // one.lockfern's is "h1"
    bool secondOwnPassword;   // two.lockfern takes "other horse", not kPassword
    const char* hint;         // what the hint line says
    std::vector<std::string> before;
    QString status;
    std::vector<std::string> after;
    const char* left; // what stays chosen
};

using Several = WithRows<DecryptPane, SeveralCase>;

// One password is tried on each package; those it does not open stay chosen, to be tried with another.
TEST_P(Several, triesOnePasswordOnEachAndKeepsWhatItDidNotOpen)
{
    const SeveralCase& c = GetParam();
    const std::string one = sealedPackage(env.work(), "h1", "first\n", "one.lockfern", "one.pdf");
    const std::string two = sealedPackage(env.work(), c.secondHint, "second\n", "two.lockfern", "two.pdf",
                                          c.secondOwnPassword ? "other horse" : kPassword);
    const std::string notes = env.file("notes.txt", "notes");
    // A folder's package comes back as the folder; before it is opened, only the name inside is known.
    env.file("album/in.txt", "third\n");
    const auto source = Workflows::prepareSource(Path(env.work() + "album")).source;
    ASSERT_TRUE(source && source->folder);
    const std::string album = Workflows::writePackage({*source, Password::bytes(QString::fromStdString(kPassword)), QStringLiteral("h1")}).path.bytes();
    fs::remove_all(env.work() + "album");
    const auto mark = logMark();
    chooseAll({one, notes, two, album});
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{
                                  "select file view presented", "file selected " + one, "presenting hint h1",
                                  "file added succesfully", "file selected " + notes, "file is not encrypted",
                                  "file selected " + two, std::string("presenting hint ") + c.secondHint,
                                  "file added succesfully", "file selected " + album, "presenting hint h1",
                                  "file added succesfully", "select file view closed"}));
    EXPECT_EQ(spoken("fileName"), QStringLiteral("3 packages"));
    EXPECT_EQ(spoken("hint").toStdString(), c.hint);
    EXPECT_EQ(listed(), c.before);
    type(kPassword);
    const auto run = logMark();
    click("service");
    ASSERT_TRUE(waitIdle());
    std::vector<std::string> lines{"read file content", "decrypted file content", "success! saved in " + env.work() + "one.pdf"};
    const std::vector<std::string> second = c.secondOwnPassword
        ? std::vector<std::string>{"read file content", "an error occured while decrypting"}
        : std::vector<std::string>{"read file content", "decrypted file content", "success! saved in " + env.work() + "two.pdf"};
    lines.insert(lines.end(), second.begin(), second.end());
    lines.insert(lines.end(), {"read file content", "decrypted file content", "success! saved in " + env.work() + "album"});
    EXPECT_EQ(logSince(run), lines);
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(spoken("items"), QStringLiteral("What happened to each"));
    EXPECT_EQ(listed(), c.after);
    EXPECT_EQ(spoken("fileName").toStdString(), c.left);
    EXPECT_EQ(pane->focusWidget(), child(c.secondOwnPassword ? "password" : "sService"));
    // By keys: from Decrypt to the list, and on to Show in File Manager.
    child("service")->setFocus();
    for (const char* next : {"items", "sService"}) {
        QTest::keyClick(pane->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(pane->focusWidget(), child(next)) << next;
    }
    EXPECT_EQ(readFileBytes(env.work() + "one.pdf"), "first\n");
    EXPECT_EQ(fs::exists(env.work() + "two.pdf"), !c.secondOwnPassword);
    EXPECT_EQ(readFileBytes(env.work() + "album/in.txt"), "third\n");
    click("sService");
    std::vector<std::string> restored{env.work() + "one.pdf", env.work() + "two.pdf", env.work() + "album"};
    if (c.secondOwnPassword) {
        restored.erase(restored.begin() + 1);
    }
    EXPECT_EQ(browser->revealed, restored);
    if (!c.secondOwnPassword) {
        EXPECT_TRUE(typed().isEmpty());
        return;
    }
    EXPECT_EQ(typed().toStdString(), kPassword) << "kept, to be corrected";
    EXPECT_EQ(spoken("hint"), QStringLiteral("Hint: h2"));
    // The one left is one package: its run is the run of one.
    retype("other horse");
    click("service");
    ASSERT_TRUE(waitIdle());
    expectOutcome(kSuccess, "Saved as two.pdf", "sService");
    EXPECT_TRUE(child("items")->isHidden());
    EXPECT_EQ(readFileBytes(env.work() + "two.pdf"), "second\n");
}

const char* const kNotEncrypted = "! notes.txt: This file is not encrypted.";

INSTANTIATE_TEST_SUITE_P(
    Cases, Several,
    ::testing::Values(
        SeveralCase{"sameHintOnePassword", "h1", false, "Hint: h1",
                    {"  one.lockfern: Will be restored as one.pdf", kNotEncrypted,
                     "  two.lockfern: Will be restored as two.pdf", "  album.lockfern: Will be restored as album.tar"},
                    QStringLiteral("All 3 were saved."),
                    {"+ one.lockfern: Saved as one.pdf", "+ two.lockfern: Saved as two.pdf",
                     "+ album.lockfern: Saved as album"},
                    "No package chosen"},
        SeveralCase{"hintsAndPasswordsDiffer", "h2", true, "The packages have different hints; each is in the list below.",
                    {"  one.lockfern: Hint: h1\nWill be restored as one.pdf", kNotEncrypted,
                     "  two.lockfern: Hint: h2\nWill be restored as two.pdf",
                     "  album.lockfern: Hint: h1\nWill be restored as album.tar"},
                    QStringLiteral("2 of 3 were saved; 1 failed."),
                    {"+ one.lockfern: Saved as one.pdf",
                     "x two.lockfern: An error occured while decrypting. Wrong password, or the package is damaged. "
                     "Check Caps Lock and the hint.",
                     "+ album.lockfern: Saved as album"},
                    "two.lockfern"}),
    [](const auto& row) { return std::string(row.param.label); });

// A name or a hint is shown as it is, never as markup: the package, its path, its hint, the file it
// restored. The package is dropped as a file manager drops it, by its URL, which keeps the bytes of a
// name that is not UTF-8.
using HostileName = WithRows<DecryptPane, const char*>;

TEST_P(HostileName, isShownAsItIsWhereverItAppears)
{
    const std::string name = GetParam(), inner = name.substr(name.rfind('/') + 1);
    const QString shownName = QString::fromStdString(name), shownInner = QString::fromStdString(inner);
    const std::string package = sealedPackage(env.work(), shownName.toStdString(), kPlain, name + ".lockfern", inner);
    drop(Path(package).fileUri().toLatin1());
    const QString shownPackage = QString::fromStdString(package);
    expectShownAsIs(child<QLabel>("fileName"), QFileInfo(shownPackage).fileName(), shownPackage);
    expectShownAsIs(child<QLabel>("hint"), QStringLiteral("Hint: ") + shownName);
    expectShownAsIs(child<QLabel>("destination"), QStringLiteral("Will be restored as ") + shownInner);
    type(kPassword);
    click("service");
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(status(), kSuccess);
    const std::string restored = package.substr(0, package.rfind('/') + 1) + inner;
    EXPECT_EQ(readFileBytes(restored), kPlain);
    expectShownAsIs(child<QLabel>("detail"), QStringLiteral("Saved as ") + shownInner, QString::fromStdString(restored));
    click("sService");
    EXPECT_EQ(browser->revealed, std::vector{restored});
}

INSTANTIATE_TEST_SUITE_P(Names, HostileName, ::testing::ValuesIn(kHostileNames));

TEST_F(DecryptPane, capsLockWarningBesideTheField)
{
    expectCapsLockWarning({"password"});
}

// ---- cancelling -----------------------------------------------------------------------------------

TEST_F(DecryptPane, cancellingARunLeavesNothingAndKeepsThePackagePrepared)
{
    choose(sealedPackage(env.work(), "", std::string(3 * 1024 * 1024 + 17, 'b'))); // several chunks
    type(kPassword);
    expectCancelledBothWays("decryption cancelled", "checkMark hint progress cancel", kPrepared);
}

} // namespace
