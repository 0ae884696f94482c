// SPDX-License-Identifier: GPL-3.0-or-later
// The decrypt pane as a user drives it: preparing a package, the run and its outcomes.
#include "Decrypt.h"
#include "PaneTestSupport.h"
#include "RNCryptor.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string kPassword = "correct horse";
const std::string kPlain = "Quarterly report, page 1\n";
const QString kSuccess = QStringLiteral("Success!");
const QString kError = QStringLiteral("An error occured while decrypting.");
const QString kProblem = QStringLiteral("There's a problem.");

using ::operator<<; // table rows print as their label

// NAME in folder, holding report.pdf sealed with kPassword and, when given, a hint file.
std::string makePackage(const std::string& folder, const std::optional<std::string>& hint = "",
                        const std::string& plain = kPlain, const std::string& name = "report.lockfern")
{
    const std::string path = folder + name;
    fs::create_directories(path);
    const QByteArray sealed =
        RNCryptor::Encryptor(QString::fromStdString(kPassword)).encrypt(QByteArray::fromStdString(plain));
    writeFileBytes(path + "/report.pdf", sealed.toStdString());
    if (hint) {
        writeFileBytes(path + "/hint.lockfern", *hint);
    }
    return path;
}

// Makes a folder refuse new entries: permissions for ordinary users, the immutable flag for root
// (which permissions do not stop). False when neither is possible here.
bool lockFolder(const std::string& path, bool locked)
{
    if (::geteuid() != 0) {
        fs::permissions(path, locked ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
        return true;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = locked ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

class DecryptPane : public PaneTest<Decrypt, 'D'>
{
public:
    void TearDown() override
    {
        if (!locked.empty()) {
            lockFolder(locked, false);
        }
    }
    QString hint() const { return child<QLabel>("hint")->text(); }

    std::string locked;
};

// ---- preparing ------------------------------------------------------------------------------------

struct PrepareCase
{
    const char* label;
    void (*make)(const std::string& work);
    const char* chosen; // in the work folder
    QString status;     // empty: prepared
    std::vector<std::string> lines;
    QString hint;
};

class Preparing : public DecryptPane, public ::testing::WithParamInterface<PrepareCase>
{};

TEST_P(Preparing, showsTheOutcomeAndChangesNothingOnDisk)
{
    const PrepareCase& c = GetParam();
    c.make(env.work());
    const std::string path = env.work() + c.chosen;
    const auto before = snapshot(env.work());
    const auto mark = logMark();
    choose(path);

    EXPECT_TRUE(chooser->seen.at(0).packagesAsDocuments);
    std::vector<std::string> expected{"select file view presented", "file selected " + path};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.push_back("select file view closed");
    EXPECT_EQ(logSince(mark), expected);
    EXPECT_EQ(snapshot(env.work()), before);

    const bool prepared = c.status.isEmpty();
    EXPECT_EQ(pane->selectedD(), prepared);
    EXPECT_EQ(child("service")->isEnabled(), prepared);
    EXPECT_EQ(shown(), prepared ? "checkMark hint" : "placeholder");
    EXPECT_EQ(prepared ? hint() : status(), prepared ? c.hint : c.status);
    EXPECT_EQ(spoken(prepared ? "hint" : "placeholder"), prepared ? c.hint : c.status);
    const std::string package = path.ends_with("/hint.lockfern") ? path.substr(0, path.size() - 14) : path;
    EXPECT_EQ(pane->fileD(), prepared ? std::optional(package + "/report.pdf") : std::nullopt);
    EXPECT_EQ(pane->folderD(), prepared ? std::optional(env.work()) : std::nullopt);
    EXPECT_EQ(spoken("fileName").toStdString(), prepared ? fs::path(package).filename().string() : "No package chosen");
}

const std::vector<std::string> kProblemLine{"there was a problem while adding file"};
const PrepareCase kPrepareCases[] = {
    {"emptyHintFile", [](const std::string& w) { makePackage(w, ""); }, "report.lockfern", {},
     {"hint is empty", "file added succesfully"}, {}},
    {"noHintFile", [](const std::string& w) { makePackage(w, std::nullopt); }, "report.lockfern", {},
     {"hint is empty", "file added succesfully"}, {}},
    // What file managers can open of a package; the hint as the UTF-8 text it is.
    {"itsHintFile", [](const std::string& w) { makePackage(w, "caf\xc3\xa9"); }, "report.lockfern/hint.lockfern", {},
     {"presenting hint caf\xc3\xa9", "file added succesfully"}, QString::fromUtf8("Hint: caf\xc3\xa9")},
    {"nonUtf8Hint", [](const std::string& w) { makePackage(w, "\xff\xfe\x80hint"); }, "report.lockfern", kProblem,
     kProblemLine, {}},
    {"upperCaseExtension", [](const std::string& w) { makePackage(w, "", kPlain, "report.LOCKFERN"); },
     "report.LOCKFERN", QStringLiteral("This file is not encrypted."), {"file is not encrypted"}, {}},
    {"trailingDot", [](const std::string& w) { makePackage(w); }, "report.lockfern.", kProblem, kProblemLine, {}},
    {"plainFileNamedLikeAPackage", [](const std::string& w) { writeFileBytes(w + "notes.lockfern", "text"); },
     "notes.lockfern", kProblem, kProblemLine, {}},
    {"noEncryptedFile",
     [](const std::string& w) {
         fs::create_directories(w + "empty.lockfern");
         writeFileBytes(w + "empty.lockfern/hint.lockfern", "lonely");
     },
     "empty.lockfern", kProblem, kProblemLine, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Preparing, ::testing::ValuesIn(kPrepareCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(DecryptPane, onlyAChosenPackageReplacesThePreparedOne)
{
    const std::string first = makePackage(env.work(), "first");
    const std::string second = makePackage(env.work() + "other/", "second");
    choose(first);
    const auto mark = logMark();
    choose(std::nullopt, FileChooser::Response::Cancelled);
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"select file view presented", "select file view dismissed"}));
    EXPECT_EQ(pane->fileD(), first + "/report.pdf");
    EXPECT_EQ(hint(), QStringLiteral("Hint: first"));

    choose(second);
    EXPECT_EQ(pane->fileD(), second + "/report.pdf");
    EXPECT_EQ(pane->folderD(), env.work() + "other/");
    EXPECT_EQ(hint(), QStringLiteral("Hint: second"));

    // A refusal disarms the pane; the earlier package can no longer be decrypted.
    choose(write("notes.txt"));
    EXPECT_FALSE(pane->selectedD());
    EXPECT_FALSE(child("service")->isEnabled());
    EXPECT_EQ(shown(), "hint placeholder");
    QTest::keyClicks(child("password"), QStringLiteral("pw"));
    pane->decrypt();
    EXPECT_EQ(status(), QStringLiteral("No file is selected."));
    EXPECT_EQ(folderEntries(env.work() + "other/"), std::vector<std::string>{"report.lockfern"});
}

TEST_F(DecryptPane, aPackageDroppedAsAFolderUrlIsPrepared)
{
    const std::string package = makePackage(env.work());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(package + "/"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    const auto mark = logMark();
    QApplication::sendEvent(pane, &drop);
    EXPECT_EQ(logSince(mark),
              (std::vector<std::string>{"file selected " + package, "hint is empty", "file added succesfully"}));
    EXPECT_TRUE(pane->selectedD());
}

TEST_F(DecryptPane, aPackageFromTheFileBrowserIsTakenOnce)
{
    const std::string package = makePackage(env.work(), "tulip7");
    global().isOpenedFromFile = true;
    global().openedFile = QString::fromStdString(package);
    const auto mark = logMark();
    reshow();
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"decrypt view presented", "file selected from finder",
                                                         "file selected " + package, "presenting hint tulip7",
                                                         "file added succesfully"}));
    EXPECT_TRUE(pane->selectedD());
    EXPECT_EQ(hint(), QStringLiteral("Hint: tulip7"));

    const auto again = logMark();
    reshow();
    EXPECT_EQ(logSince(again), (std::vector<std::string>{"decrypt view presented"}));
    EXPECT_FALSE(pane->selectedD());
    EXPECT_EQ(shown(), "placeholder");
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(DecryptPane, textsAndCheckMarkFollowTheTheme)
{
    expectThemed({"title", "placeholder", "passwordLabel", "hint"});
}

// ---- runs -----------------------------------------------------------------------------------------

struct RunCase
{
    const char* label;
    void (*arrange)(DecryptPane&); // after the package is made, before it is chosen
    bool chosen;
    std::vector<std::string> presses; // the password typed before each press of Decrypt
    QString status;
    std::vector<std::string> lines; // of the last press; "{OUT}" stands for the restored file
    std::map<std::string, std::string> files; // everything beside the package afterwards
    const char* restored;                       // pathD in the work folder; empty: none
    const char* shown;
};

class Running : public DecryptPane, public ::testing::WithParamInterface<RunCase>
{};

TEST_P(Running, reportsTheOutcome)
{
    const RunCase& c = GetParam();
    const std::string package = makePackage(env.work());
    c.arrange(*this);
    if (::testing::Test::IsSkipped()) {
        return;
    }
    if (c.chosen) {
        choose(package);
    }
    const auto sealed = snapshot(package);
    std::size_t mark = 0;
    for (const auto& password : c.presses) {
        retype(password);
        mark = logMark();
        click("service");
        ASSERT_TRUE(waitIdle());
    }

    const std::string out = *c.restored ? env.work() + c.restored : "";
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(spoken("placeholder"), c.status);
    EXPECT_EQ(logSince(mark), withPath(c.lines, "{OUT}", out));
    EXPECT_EQ(shown(), c.shown);
    EXPECT_EQ(pane->selectedD(), std::string(c.shown).starts_with("checkMark")) << "the mark shows a prepared package";
    EXPECT_EQ(snapshot(package), sealed) << "the package stays whole";
    auto beside = snapshot(env.work());
    std::erase_if(beside, [](const auto& entry) { return entry.first.starts_with("report.lockfern"); });
    EXPECT_EQ(beside, c.files);
    EXPECT_EQ(pane->pathD().toStdString(), out);
    EXPECT_EQ(typed().toStdString(), c.status == kSuccess ? "" : c.presses.back()) << "kept to be corrected";
    if (c.status == kSuccess) {
        EXPECT_EQ(spoken("detail").toStdString(), "Saved as " + std::string(c.restored));
        click("sService");
        EXPECT_EQ(browser->revealed, (std::vector<QString>{QString::fromStdString(out)}));
    }
}

void nothing(DecryptPane&) {}
const std::vector<std::string> kDecrypted{"read file content", "decrypted file content", "success! saved in {OUT}"};
const std::vector<std::string> kUndecryptable{"read file content", "an error occured while decrypting"};

const RunCase kRunCases[] = {
    {"nothingPrepared", nothing, false, {kPassword}, QStringLiteral("No file is selected."), {"no file selected"}, {},
     "", "placeholder"},
    {"emptyPassword", nothing, true, {""}, QStringLiteral("Password is empty."), {"password empty"}, {}, "",
     "checkMark hint placeholder"},
    {"wrongThenRightPassword", nothing, true, {"wrong horse", kPassword}, kSuccess, kDecrypted,
     {{"report.pdf", kPlain}}, "report.pdf", "placeholder detail sService"},
    {"wrongPassword", nothing, true, {"wrong horse"}, kError, kUndecryptable, {}, "", "checkMark hint placeholder"},
    // Nothing needs writing, so an unwritable folder is no obstacle.
    {"unwritableFolderWithTheIdenticalFileThere",
     [](DecryptPane& t) {
         writeFileBytes(t.env.work() + "report.pdf", kPlain);
         if (!lockFolder(t.env.work(), true)) {
             GTEST_SKIP() << "no way to make a folder unwritable here";
         }
         t.locked = t.env.work();
     },
     true, {kPassword}, kSuccess, kDecrypted, {{"report.pdf", kPlain}}, "report.pdf", "placeholder detail sService"},
    {"differentFileThere", [](DecryptPane& t) { writeFileBytes(t.env.work() + "report.pdf", "my draft"); }, true,
     {kPassword}, kSuccess, kDecrypted, {{"report.pdf", "my draft"}, {"report 2.pdf", kPlain}}, "report 2.pdf",
     "placeholder detail sService"},
    {"secondPressAfterSuccess", nothing, true, {kPassword, kPassword}, QStringLiteral("No file is selected."),
     {"no file selected"}, {{"report.pdf", kPlain}}, "report.pdf", "placeholder"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Running, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- cancelling -----------------------------------------------------------------------------------

TEST_F(DecryptPane, cancellingARunLeavesNothingAndKeepsThePackagePrepared)
{
    choose(makePackage(env.work(), "", std::string(3 * 1024 * 1024 + 17, 'b'))); // several chunks
    type(kPassword);
    expectCancelledBothWays("decryption cancelled", "checkMark hint progress cancel", "checkMark hint placeholder");
}

} // namespace
