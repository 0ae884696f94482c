// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decrypt.h"

#include "Global.h"
#include "RNCryptor.h"
#include "TestEnvironment.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Reaches the pane's worker seams.
struct DecryptTestAccess
{
    static void onWorkerStart(Decrypt& pane, std::function<void(const std::atomic<bool>&)> hook)
    {
        pane.m_onWorkerStart = std::move(hook);
    }
    static void onFirstProgress(Decrypt& pane, std::function<void(const std::atomic<bool>&)> hook)
    {
        pane.m_onFirstProgress = std::move(hook);
    }
};

namespace {

namespace fs = std::filesystem;

constexpr int kWaitMs = 20000;
const std::string kPassword = "correct horse";
const std::string kPlain = "Quarterly report, page 1\n";

class ScriptedChooser : public FileChooser
{
public:
    Result choose(QWidget*, const Options& options) override
    {
        seen.push_back(options);
        if (script.empty()) {
            return {};
        }
        Result next = script.front();
        script.pop_front();
        return next;
    }
    void pick(const std::string& path) { script.push_back({Response::Ok, QString::fromStdString(path)}); }
    void cancel() { script.push_back({Response::Cancelled, std::nullopt}); }

    std::deque<Result> script;
    std::vector<Options> seen;
};

class RecordingBrowser : public FileBrowser
{
public:
    void reveal(const QString& path) override { revealed.push_back(path); }
    QStringList revealed;
};

// Holds a worker until the test lets it go.
class Gate
{
public:
    void wait() { m_open.wait(false); }
    void open()
    {
        m_open.store(true);
        m_open.notify_all();
    }

private:
    std::atomic<bool> m_open{false};
};

std::string encrypt(const std::string& plain, const std::string& password)
{
    return RNCryptor::Encryptor(QString::fromStdString(password))
        .encrypt(QByteArray::fromStdString(plain))
        .toStdString();
}

// Every file under root (relative path -> content), hidden ones included; folders end with "/".
std::map<std::string, std::string> snapshot(const std::string& root)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            entries[relative + "/"] = "";
        } else {
            entries[relative] = readFileBytes(entry.path().string());
        }
    }
    return entries;
}

class DecryptPaneTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        Services services;
        services.fileChooser = chooser;
        services.fileBrowser = browser;
        window = std::make_unique<QWidget>();
        window->resize(480, 360);
        auto* layout = new QVBoxLayout(window.get());
        dView = new QWidget(window.get());
        layout->addWidget(dView);
        auto* inner = new QVBoxLayout(dView);
        pane = new Decrypt(services, dView);
        inner->addWidget(pane);
    }

    void TearDown() override
    {
        gate.open();
        window.reset();
    }

    void present()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T> T* find(const char* name) const
    {
        T* widget = pane->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLabel* placeholder() const { return find<QLabel>("placeholderD"); }
    QLabel* hint() const { return find<QLabel>("hintD"); }
    QLabel* checkMark() const { return find<QLabel>("checkMarkD"); }
    QLineEdit* password() const { return find<QLineEdit>("passwordD"); }
    QPushButton* decryptButton() const { return find<QPushButton>("serviceD"); }
    QPushButton* revealButton() const { return find<QPushButton>("sServiceD"); }
    QPushButton* chooseButton() const { return find<QPushButton>("chooseD"); }
    QPushButton* cancelButton() const { return find<QPushButton>("cancelD"); }
    QProgressBar* progress() const { return find<QProgressBar>("progressD"); }

    std::string work() const { return env.work(); }

    // NAME.lockfern beside the file, holding `inner` encrypted and, when given, the hint file.
    std::string makePackage(const std::string& inner = "report.pdf", const std::string& plain = kPlain,
                            std::optional<std::string> hintBytes = std::string(), const std::string& folder = {})
    {
        const std::string base = inner.substr(0, inner.rfind('.'));
        const std::string path = (folder.empty() ? work() : folder) + base + ".lockfern";
        fs::create_directories(path);
        writeFileBytes(path + "/" + inner, encrypt(plain, kPassword));
        if (hintBytes) {
            writeFileBytes(path + "/hint.lockfern", *hintBytes);
        }
        return path;
    }

    void choose(const std::string& path)
    {
        chooser->pick(path);
        QTest::mouseClick(chooseButton(), Qt::LeftButton);
    }

    void typePassword(const std::string& text)
    {
        password()->setFocus();
        QTest::keyClicks(password(), QString::fromStdString(text));
    }

    // Presses decrypt and waits until the run has reported back.
    void pressDecrypt()
    {
        QTest::mouseClick(decryptButton(), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !pane->isBusy(); }, kWaitMs));
    }

    std::size_t mark() const { return env.logMessages().size(); }
    std::vector<std::string> logSince(std::size_t from) const
    {
        const auto all = env.logMessages();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end()};
    }

    TestEnvironment env;
    std::shared_ptr<ScriptedChooser> chooser = std::make_shared<ScriptedChooser>();
    std::shared_ptr<RecordingBrowser> browser = std::make_shared<RecordingBrowser>();
    std::unique_ptr<QWidget> window;
    QWidget* dView = nullptr;
    Decrypt* pane = nullptr;
    Gate gate;
};

// ---- preparation --------------------------------------------------------------------------------

struct PrepareCase
{
    const char* name;
    // Builds what is chosen; returns the chosen path and the encrypted file expected inside.
    std::function<std::pair<std::string, std::string>(DecryptPaneTest&)> arrange;
    QString status; // empty: prepared
    std::vector<std::string> lines;
    QString hintText;
};

const PrepareCase kPrepareCases[] = {
    {"emptyHintFile",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage("report.pdf", kPlain, std::string());
         return std::pair{p, p + "/report.pdf"};
     },
     {}, {"hint is empty", "file added succesfully"}, QString()},
    {"noHintFile",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage("report.pdf", kPlain, std::nullopt);
         return std::pair{p, p + "/report.pdf"};
     },
     {}, {"hint is empty", "file added succesfully"}, QString()},
    {"sixCharacterHint",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage("report.pdf", kPlain, std::string("tulip7"));
         return std::pair{p, p + "/report.pdf"};
     },
     {}, {"presenting hint tulip7", "file added succesfully"}, QStringLiteral("Hint: tulip7")},
    {"nonAsciiHint",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage("notes.txt", kPlain, std::string("Grüße ✓"));
         return std::pair{p, p + "/notes.txt"};
     },
     {}, {"presenting hint Grüße ✓", "file added succesfully"}, QStringLiteral("Hint: Grüße ✓")},
    {"nonUtf8HintFile",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage("report.pdf", kPlain, std::string("\xff\xfe\x80hint"));
         return std::pair{p, std::string()};
     },
     QStringLiteral("There's a problem."), {"there was a problem while adding file"}, QString()},
    {"upperCaseExtension",
     [](DecryptPaneTest& t) {
         const std::string p = t.work() + "report.LOCKFERN";
         fs::create_directories(p);
         writeFileBytes(p + "/report.pdf", encrypt(kPlain, kPassword));
         return std::pair{p, std::string()};
     },
     QStringLiteral("This file is not encrypted."), {"file is not encrypted"}, QString()},
    {"ordinaryFile",
     [](DecryptPaneTest& t) {
         const std::string p = t.work() + "report.pdf";
         writeFileBytes(p, kPlain);
         return std::pair{p, std::string()};
     },
     QStringLiteral("This file is not encrypted."), {"file is not encrypted"}, QString()},
    {"trailingDotNamesNoFolder",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage();
         return std::pair{p + ".", std::string()};
     },
     QStringLiteral("There's a problem."), {"there was a problem while adding file"}, QString()},
    {"plainFileNamedLikePackage",
     [](DecryptPaneTest& t) {
         const std::string p = t.work() + "notes.lockfern";
         writeFileBytes(p, "just text");
         return std::pair{p, std::string()};
     },
     QStringLiteral("There's a problem."), {"there was a problem while adding file"}, QString()},
    {"packageWithoutEncryptedFile",
     [](DecryptPaneTest& t) {
         const std::string p = t.work() + "empty.lockfern";
         fs::create_directories(p);
         writeFileBytes(p + "/hint.lockfern", "lonely");
         return std::pair{p, std::string()};
     },
     QStringLiteral("There's a problem."), {"there was a problem while adding file"}, QString()},
    {"hintFileAlone",
     [](DecryptPaneTest& t) {
         const auto p = t.makePackage("report.pdf", kPlain, std::string("x"));
         return std::pair{p + "/hint.lockfern", std::string()};
     },
     QStringLiteral("There's a problem."), {"there was a problem while adding file"}, QString()},
};

class PrepareCaseTest : public DecryptPaneTest, public ::testing::WithParamInterface<PrepareCase>
{};

TEST_P(PrepareCaseTest, choosingShowsTheOutcome)
{
    const PrepareCase& c = GetParam();
    present();
    const auto [path, expectedFile] = c.arrange(*this);
    const auto before = snapshot(work());
    const auto from = mark();

    choose(path);

    std::vector<std::string> expected{"select file view presented", "file selected " + path};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.push_back("select file view closed");
    EXPECT_EQ(logSince(from), expected);
    EXPECT_EQ(snapshot(work()), before) << "preparation changes nothing on disk";

    const bool prepared = c.status.isEmpty();
    EXPECT_EQ(pane->selectedD(), prepared);
    EXPECT_EQ(decryptButton()->isEnabled(), prepared);
    EXPECT_EQ(checkMark()->isHidden(), !prepared);
    EXPECT_EQ(hint()->isHidden(), !prepared);
    if (prepared) {
        EXPECT_TRUE(placeholder()->isHidden());
        EXPECT_EQ(hint()->text(), c.hintText);
        EXPECT_EQ(pane->fileD(), expectedFile);
        EXPECT_EQ(pane->folderD(), work());
    } else {
        EXPECT_FALSE(placeholder()->isHidden());
        EXPECT_EQ(placeholder()->text(), c.status);
        EXPECT_EQ(pane->fileD(), std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(Packages, PrepareCaseTest, ::testing::ValuesIn(kPrepareCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecryptPaneTest, chooserIsAskedForOnePackageAsADocument)
{
    present();
    chooser->cancel();
    QTest::mouseClick(chooseButton(), Qt::LeftButton);
    ASSERT_EQ(chooser->seen.size(), 1u);
    EXPECT_EQ(chooser->seen[0].title, QStringLiteral("Choose the file you want to decrypt"));
    EXPECT_TRUE(chooser->seen[0].packagesAsDocuments);
}

TEST_F(DecryptPaneTest, secondPackageReplacesTheFirst)
{
    present();
    const std::string other = work() + "other/";
    fs::create_directories(other);
    const auto first = makePackage("report.pdf", kPlain, std::string("first"));
    const auto second = makePackage("photo.jpg", "jpeg bytes", std::string("second"), other);
    choose(first);
    choose(second);
    EXPECT_TRUE(pane->selectedD());
    EXPECT_EQ(pane->fileD(), second + "/photo.jpg");
    EXPECT_EQ(pane->folderD(), other);
    EXPECT_EQ(hint()->text(), QStringLiteral("Hint: second"));
}

TEST_F(DecryptPaneTest, cancelledChooserKeepsThePreparedPackage)
{
    present();
    const auto first = makePackage("report.pdf", kPlain, std::string("first"));
    choose(first);
    const auto from = mark();
    chooser->cancel();
    QTest::mouseClick(chooseButton(), Qt::LeftButton);

    EXPECT_EQ(logSince(from), (std::vector<std::string>{"select file view presented", "select file view dismissed"}));
    EXPECT_TRUE(pane->selectedD());
    EXPECT_EQ(pane->fileD(), first + "/report.pdf");
    EXPECT_EQ(hint()->text(), QStringLiteral("Hint: first"));
    EXPECT_TRUE(decryptButton()->isEnabled());
}

TEST_F(DecryptPaneTest, chooserOkWithoutPathChangesNothing)
{
    present();
    const auto first = makePackage();
    choose(first);
    const auto from = mark();
    chooser->script.push_back({FileChooser::Response::Ok, std::nullopt});
    QTest::mouseClick(chooseButton(), Qt::LeftButton);
    EXPECT_EQ(logSince(from), (std::vector<std::string>{"select file view presented"}));
    EXPECT_TRUE(pane->selectedD());
}

TEST_F(DecryptPaneTest, refusalAfterAPreparedPackageDisarmsThePane)
{
    present();
    choose(makePackage("report.pdf", kPlain, std::string("old hint")));
    writeFileBytes(work() + "notes.txt", "x");
    choose(work() + "notes.txt");

    EXPECT_FALSE(pane->selectedD());
    EXPECT_FALSE(decryptButton()->isEnabled());
    EXPECT_TRUE(checkMark()->isHidden());
    EXPECT_TRUE(hint()->isHidden()) << "the earlier package's hint is not left on show";
    EXPECT_EQ(pane->fileD(), std::nullopt);
    typePassword(kPassword);
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_FALSE(pane->isBusy());
    EXPECT_EQ(placeholder()->text(), QStringLiteral("No file is selected."));
}

// ---- the run ------------------------------------------------------------------------------------

struct RunCase
{
    const char* name;
    // Sets the pane up (prepared or not, password typed) and the disk around it.
    std::function<void(DecryptPaneTest&, const std::string& package)> arrange;
    QString status;
    std::vector<std::string> lines; // "{OUT}" stands for the restored file's path
    bool preparedAfter;
    // Files beside the package afterwards, with their content; nullopt: the disk is as before.
    std::optional<std::map<std::string, std::string>> besideAfter;
};

void prepareAndType(DecryptPaneTest& t, const std::string& package, const std::string& typed)
{
    t.choose(package);
    if (!typed.empty()) {
        t.typePassword(typed);
    }
}

const RunCase kRunCases[] = {
    {"nothingPrepared_passwordNotLookedAt",
     [](DecryptPaneTest& t, const std::string&) { t.typePassword(kPassword); },
     QStringLiteral("No file is selected."), {"no file selected"}, false, std::nullopt},
    {"emptyPassword_diskUntouched", [](DecryptPaneTest& t, const std::string& p) { prepareAndType(t, p, ""); },
     QStringLiteral("Password is empty."), {"password empty"}, true, std::nullopt},
    {"wrongPassword", [](DecryptPaneTest& t, const std::string& p) { prepareAndType(t, p, "wrong horse"); },
     QStringLiteral("An error occured while decrypting."), {"read file content", "an error occured while decrypting"},
     true, std::nullopt},
    {"damagedData",
     [](DecryptPaneTest& t, const std::string& p) {
         std::string bytes = readFileBytes(p + "/report.pdf");
         bytes[40] = static_cast<char>(bytes[40] ^ 0x01);
         writeFileBytes(p + "/report.pdf", bytes);
         prepareAndType(t, p, kPassword);
     },
     QStringLiteral("An error occured while decrypting."), {"read file content", "an error occured while decrypting"},
     true, std::nullopt},
    {"foreignData",
     [](DecryptPaneTest& t, const std::string& p) {
         writeFileBytes(p + "/report.pdf", std::string(200, 'z'));
         prepareAndType(t, p, kPassword);
     },
     QStringLiteral("An error occured while decrypting."), {"read file content", "an error occured while decrypting"},
     true, std::nullopt},
    {"encryptedFileGoneAfterPreparation",
     [](DecryptPaneTest& t, const std::string& p) {
         prepareAndType(t, p, kPassword);
         fs::remove(p + "/report.pdf");
     },
     QStringLiteral("An error occured while decrypting."), {"an error occured while decrypting"}, true, std::nullopt},
    {"success", [](DecryptPaneTest& t, const std::string& p) { prepareAndType(t, p, kPassword); },
     QStringLiteral("Success!"), {"read file content", "decrypted file content", "success! saved in {OUT}"}, false,
     std::map<std::string, std::string>{{"report.pdf", kPlain}}},
    {"identicalFileAlreadyThere",
     [](DecryptPaneTest& t, const std::string& p) {
         writeFileBytes(t.work() + "report.pdf", kPlain);
         prepareAndType(t, p, kPassword);
     },
     QStringLiteral("Success!"), {"read file content", "decrypted file content", "success! saved in {OUT}"}, false,
     std::map<std::string, std::string>{{"report.pdf", kPlain}}},
    {"differentFileAlreadyThere",
     [](DecryptPaneTest& t, const std::string& p) {
         writeFileBytes(t.work() + "report.pdf", "my newer draft");
         prepareAndType(t, p, kPassword);
     },
     QStringLiteral("Success!"), {"read file content", "decrypted file content", "success! saved in {OUT}"}, false,
     std::map<std::string, std::string>{{"report.pdf", "my newer draft"}, {"report 2.pdf", kPlain}}},
};

class RunCaseTest : public DecryptPaneTest, public ::testing::WithParamInterface<RunCase>
{};

std::map<std::string, std::string> beside(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_directory()) {
            files[entry.path().filename().string()] = readFileBytes(entry.path().string());
        }
    }
    return files;
}

TEST_P(RunCaseTest, pressingDecryptReportsTheOutcome)
{
    const RunCase& c = GetParam();
    present();
    const std::string package = makePackage();
    c.arrange(*this, package);
    const QString typed = password()->text();
    const auto before = snapshot(work());
    const auto from = mark();

    pressDecrypt();

    EXPECT_EQ(placeholder()->text(), c.status);
    EXPECT_FALSE(placeholder()->isHidden());
    EXPECT_TRUE(progress()->isHidden());
    EXPECT_EQ(pane->selectedD(), c.preparedAfter);
    const bool success = c.status == QStringLiteral("Success!");
    EXPECT_EQ(revealButton()->isHidden(), !success);

    std::string out;
    if (c.besideAfter) {
        EXPECT_EQ(beside(work()), *c.besideAfter);
        out = c.besideAfter->count("report 2.pdf") ? work() + "report 2.pdf" : work() + "report.pdf";
        EXPECT_EQ(pane->pathD(), QString::fromStdString(out));
        // The package stays whole.
        EXPECT_TRUE(fs::exists(package + "/report.pdf"));
        EXPECT_TRUE(fs::exists(package + "/hint.lockfern"));
    } else {
        EXPECT_EQ(snapshot(work()), before) << "nothing written, nothing removed";
        EXPECT_EQ(pane->pathD(), QString());
    }
    std::vector<std::string> expected;
    for (std::string line : c.lines) {
        if (const auto at = line.find("{OUT}"); at != std::string::npos) {
            line.replace(at, 5, out);
        }
        expected.push_back(line);
    }
    EXPECT_EQ(logSince(from), expected);

    if (success) {
        EXPECT_EQ(password()->text(), QString()) << "the reset empties the password";
        EXPECT_TRUE(hint()->isHidden());
        EXPECT_TRUE(checkMark()->isHidden());
        EXPECT_TRUE(decryptButton()->isEnabled());
    } else {
        EXPECT_EQ(password()->text(), typed) << "what was typed stays to be corrected";
        EXPECT_EQ(checkMark()->isHidden(), !c.preparedAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, RunCaseTest, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecryptPaneTest, differentFileAlreadyThere_newFileIsRevealed)
{
    present();
    writeFileBytes(work() + "report.pdf", "my newer draft");
    choose(makePackage());
    typePassword(kPassword);
    pressDecrypt();
    const auto from = mark();
    QTest::mouseClick(revealButton(), Qt::LeftButton);
    EXPECT_EQ(logSince(from), (std::vector<std::string>{"show file in finder"}));
    EXPECT_EQ(browser->revealed, QStringList{QString::fromStdString(work() + "report 2.pdf")});
}

// Makes a folder refuse new entries: permissions for ordinary users, the immutable flag for root
// (which permissions do not stop). Returns false when neither is possible here.
bool lockFolder(const std::string& path, bool locked)
{
    if (::geteuid() != 0) {
        fs::permissions(path, locked ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
        return true;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = locked ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

TEST_F(DecryptPaneTest, unwritableFolder_reportsErrorAfterDecrypting)
{
    present();
    const std::string sub = work() + "locked/";
    fs::create_directories(sub);
    choose(makePackage("report.pdf", kPlain, std::string(), sub));
    typePassword(kPassword);
    if (!lockFolder(sub, true)) {
        GTEST_SKIP() << "no way to make a folder unwritable here";
    }
    const auto from = mark();
    pressDecrypt();
    lockFolder(sub, false);
    EXPECT_EQ(placeholder()->text(), QStringLiteral("An error occured while decrypting."));
    EXPECT_EQ(logSince(from), (std::vector<std::string>{"read file content", "decrypted file content",
                                                         "an error occured while decrypting"}));
    EXPECT_TRUE(pane->selectedD());
    EXPECT_EQ(beside(sub), (std::map<std::string, std::string>{})) << "nothing but the package";
}

TEST_F(DecryptPaneTest, wrongPasswordThenRightOneSucceeds)
{
    present();
    choose(makePackage());
    typePassword("wrong horse");
    pressDecrypt();
    ASSERT_EQ(placeholder()->text(), QStringLiteral("An error occured while decrypting."));
    EXPECT_TRUE(decryptButton()->isEnabled());
    EXPECT_FALSE(checkMark()->isHidden());

    password()->selectAll();
    typePassword(kPassword);
    pressDecrypt();
    EXPECT_EQ(placeholder()->text(), QStringLiteral("Success!"));
    EXPECT_EQ(readFileBytes(work() + "report.pdf"), kPlain);
}

TEST_F(DecryptPaneTest, secondPressAfterSuccessFindsNoFile)
{
    present();
    const std::string package = makePackage();
    choose(package);
    typePassword(kPassword);
    pressDecrypt();
    ASSERT_EQ(placeholder()->text(), QStringLiteral("Success!"));
    const QString restored = pane->pathD();

    typePassword(kPassword);
    const auto from = mark();
    pressDecrypt();
    EXPECT_EQ(placeholder()->text(), QStringLiteral("No file is selected."));
    EXPECT_TRUE(revealButton()->isHidden());
    EXPECT_EQ(logSince(from), (std::vector<std::string>{"no file selected"}));
    EXPECT_EQ(pane->pathD(), restored) << "pathD outlives the reset";
}

TEST_F(DecryptPaneTest, successLeavesPathAndRevealButtonPointingAtTheFile)
{
    present();
    choose(makePackage());
    typePassword(kPassword);
    pressDecrypt();
    EXPECT_EQ(pane->pathD(), QString::fromStdString(work() + "report.pdf"));
    EXPECT_FALSE(revealButton()->isHidden());
    QTest::mouseClick(revealButton(), Qt::LeftButton);
    EXPECT_EQ(browser->revealed, QStringList{QString::fromStdString(work() + "report.pdf")});
}

TEST_F(DecryptPaneTest, returnInPasswordFieldDecrypts)
{
    present();
    choose(makePackage());
    typePassword(kPassword);
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !pane->isBusy(); }, kWaitMs));
    EXPECT_EQ(placeholder()->text(), QStringLiteral("Success!"));
    EXPECT_EQ(readFileBytes(work() + "report.pdf"), kPlain);
}

// ---- typing --------------------------------------------------------------------------------------

struct TypingCase
{
    const char* name;
    bool prepared;
    bool emptyAtEnd; // type one character, then erase it or not
    bool statusHidden;
    QString statusText;
};

const TypingCase kTypingCases[] = {
    {"notPrepared_erased", false, true, false, QString()},
    {"notPrepared_typed", false, false, false, QString()},
    {"prepared_erased", true, true, false, QStringLiteral("Password is empty.")},
    {"prepared_typed", true, false, true, QString()},
};

class TypingTest : public DecryptPaneTest, public ::testing::WithParamInterface<TypingCase>
{};

TEST_P(TypingTest, passwordEditsUpdateTheStatusLine)
{
    const TypingCase& c = GetParam();
    present();
    if (c.prepared) {
        choose(makePackage());
    }
    typePassword("a");
    if (c.emptyAtEnd) {
        QTest::keyClick(password(), Qt::Key_Backspace);
    }
    const auto from = mark();
    EXPECT_EQ(placeholder()->isHidden(), c.statusHidden);
    if (!c.statusHidden) {
        EXPECT_EQ(placeholder()->text(), c.statusText);
    }
    EXPECT_EQ(logSince(from), std::vector<std::string>{}) << "typing logs nothing";
}

INSTANTIATE_TEST_SUITE_P(Edits, TypingTest, ::testing::ValuesIn(kTypingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- appearance --------------------------------------------------------------------------------

TEST_F(DecryptPaneTest, freshPaneIsEmptyAndSaysNoFileWhenPressed)
{
    EXPECT_FALSE(pane->selectedD());
    EXPECT_EQ(pane->pathD(), QString());
    EXPECT_TRUE(pane->flag());
    present();
    EXPECT_EQ(env.logMessages(), (std::vector<std::string>{"decrypt view presented"}));
    EXPECT_TRUE(placeholder()->text().isEmpty());
    EXPECT_TRUE(checkMark()->isHidden());
    EXPECT_TRUE(hint()->isHidden());
    EXPECT_TRUE(progress()->isHidden());
    EXPECT_TRUE(revealButton()->isHidden());
    QTest::mouseClick(decryptButton(), Qt::LeftButton);
    EXPECT_EQ(placeholder()->text(), QStringLiteral("No file is selected."));
}

TEST_F(DecryptPaneTest, packageFromFileBrowserIsPreparedOncePerController)
{
    const std::string package = makePackage("report.pdf", kPlain, std::string("tulip7"));
    global().isOpenedFromFile = true;
    global().openedFile = QString::fromStdString(package);
    present();
    EXPECT_EQ(env.logMessages(),
              (std::vector<std::string>{"decrypt view presented", "file selected from finder", "file selected " + package,
                                        "presenting hint tulip7", "file added succesfully"}));
    EXPECT_TRUE(pane->selectedD());
    EXPECT_FALSE(pane->flag());
    EXPECT_TRUE(decryptButton()->isEnabled());
    EXPECT_EQ(hint()->text(), QStringLiteral("Hint: tulip7"));

    // Navigating away and back presents the pane again, without taking the package again.
    dView->hide();
    const auto from = mark();
    dView->show();
    EXPECT_EQ(logSince(from), (std::vector<std::string>{"decrypt view presented"}));
    EXPECT_FALSE(pane->selectedD());
    EXPECT_TRUE(hint()->isHidden());
    EXPECT_TRUE(global().isOpenedFromFile) << "the shared state is left alone";
}

TEST_F(DecryptPaneTest, spontaneousShowDoesNotResetThePane)
{
    present();
    choose(makePackage());
    typePassword(kPassword);
    const auto from = mark();
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    // notify() keeps the flag that sendEvent() would clear.
    QApplication::instance()->notify(pane, &restored);
    EXPECT_EQ(logSince(from), std::vector<std::string>{});
    EXPECT_TRUE(pane->selectedD());
    EXPECT_EQ(password()->text(), QString::fromStdString(kPassword));
}

TEST_F(DecryptPaneTest, eachShowingResetsTheWorkingState)
{
    present();
    choose(makePackage("report.pdf", kPlain, std::string("tulip7")));
    typePassword(kPassword);
    dView->hide();
    dView->show();
    EXPECT_FALSE(pane->selectedD());
    EXPECT_EQ(password()->text(), QString());
    EXPECT_TRUE(checkMark()->isHidden());
    EXPECT_TRUE(hint()->isHidden());
    EXPECT_TRUE(placeholder()->text().isEmpty());
}

struct ThemeCase
{
    const char* name;
    bool dark;
    QColor text;
    const char* checkMark;
};

const ThemeCase kThemeCases[] = {
    {"white", false, QColor(Qt::black), ":/images/checkMark black.png"},
    {"dark", true, QColor(Qt::white), ":/images/checkMark white.png"},
};

class ThemeTest : public DecryptPaneTest, public ::testing::WithParamInterface<ThemeCase>
{};

TEST_P(ThemeTest, showingAppliesThePalette)
{
    const ThemeCase& c = GetParam();
    Global::setDark(c.dark);
    present();
    for (const char* name : {"titleD", "placeholderD", "passwordLabelD", "hintD"}) {
        EXPECT_EQ(find<QLabel>(name)->palette().color(QPalette::WindowText), c.text) << name;
    }
    const QImage expected = QImage(QString::fromLatin1(c.checkMark)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(checkMark()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
}

INSTANTIATE_TEST_SUITE_P(Themes, ThemeTest, ::testing::ValuesIn(kThemeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecryptPaneTest, themeIsReadAgainAtTheNextShowing)
{
    present();
    Global::setDark(true);
    EXPECT_EQ(find<QLabel>("titleD")->palette().color(QPalette::WindowText), QColor(Qt::black));
    dView->hide();
    dView->show();
    EXPECT_EQ(find<QLabel>("titleD")->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(DecryptPaneTest, everyControlHasAnAccessibleNameAndTabOrderFollowsTheForm)
{
    for (const char* name : {"chooseD", "passwordD", "serviceD", "cancelD", "sServiceD", "progressD", "checkMarkD",
                             "hintD", "placeholderD", "titleD"}) {
        auto* widget = find<QWidget>(name);
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(find<QLabel>("passwordLabelD")->buddy(), password());

    QStringList order;
    QWidget* at = chooseButton();
    for (int i = 0; i < 40 && order.size() < 5; ++i, at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus) {
            order << at->objectName();
        }
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("chooseD"), QStringLiteral("passwordD"), QStringLiteral("serviceD"),
                                  QStringLiteral("cancelD"), QStringLiteral("sServiceD")}));
}

// ---- drops -------------------------------------------------------------------------------------

struct DropCase
{
    const char* name;
    bool trailingSlash;
    bool package;
};

const DropCase kDropCases[] = {
    {"package", false, true},
    {"packageUrlEndingInSlash", true, true},
    {"ordinaryFile", false, false},
};

class DropTest : public DecryptPaneTest, public ::testing::WithParamInterface<DropCase>
{};

TEST_P(DropTest, droppedItemIsPreparedWithoutPanelLines)
{
    const DropCase& c = GetParam();
    present();
    std::string path = work() + "notes.txt";
    if (c.package) {
        path = makePackage("report.pdf", kPlain, std::string("tulip7"));
    } else {
        writeFileBytes(path, "x");
    }
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path + (c.trailingSlash ? "/" : "")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    const auto from = mark();
    QApplication::sendEvent(pane, &drop);

    const std::vector<std::string> expected =
        c.package ? std::vector<std::string>{"file selected " + path, "presenting hint tulip7", "file added succesfully"}
                  : std::vector<std::string>{"file selected " + path, "file is not encrypted"};
    EXPECT_EQ(logSince(from), expected);
    EXPECT_EQ(pane->selectedD(), c.package);
    if (!c.package) {
        EXPECT_EQ(placeholder()->text(), QStringLiteral("This file is not encrypted."));
    }
}

INSTANTIATE_TEST_SUITE_P(Drops, DropTest, ::testing::ValuesIn(kDropCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- runs off the GUI thread -------------------------------------------------------------------

// Several chunks of the stream, so progress and a cancel have somewhere to happen.
const std::string kBig(3 * 1024 * 1024 + 17, 'b');

TEST_F(DecryptPaneTest, windowStaysResponsiveAndControlsAreLockedDuringARun)
{
    present();
    choose(makePackage("big.bin", kBig));
    typePassword(kPassword);
    DecryptTestAccess::onWorkerStart(*pane, [this](const std::atomic<bool>&) { gate.wait(); });
    QSignalSpy busy(pane, &Decrypt::busyChanged);

    QTest::mouseClick(decryptButton(), Qt::LeftButton);
    ASSERT_TRUE(pane->isBusy());
    bool timerRan = false;
    QTimer::singleShot(0, pane, [&timerRan] { timerRan = true; });
    EXPECT_TRUE(QTest::qWaitFor([&timerRan] { return timerRan; }, kWaitMs));
    EXPECT_TRUE(pane->isBusy()) << "the event loop ran while the worker was still held";
    EXPECT_FALSE(progress()->isHidden());
    EXPECT_FALSE(cancelButton()->isHidden());
    EXPECT_TRUE(cancelButton()->isEnabled());
    for (QWidget* control : {static_cast<QWidget*>(chooseButton()), static_cast<QWidget*>(password()),
                             static_cast<QWidget*>(decryptButton())}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    const auto asked = chooser->seen.size();
    QTest::mouseClick(chooseButton(), Qt::LeftButton);
    EXPECT_EQ(chooser->seen.size(), asked);

    gate.open();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !pane->isBusy(); }, kWaitMs));
    EXPECT_EQ(placeholder()->text(), QStringLiteral("Success!"));
    EXPECT_EQ(readFileBytes(work() + "big.bin"), kBig);
    ASSERT_EQ(busy.size(), 2);
    EXPECT_TRUE(busy.at(0).at(0).toBool());
    EXPECT_FALSE(busy.at(1).at(0).toBool());
    EXPECT_TRUE(chooseButton()->isEnabled());
    EXPECT_TRUE(password()->isEnabled());
    EXPECT_TRUE(cancelButton()->isHidden());
}

TEST_F(DecryptPaneTest, progressBarShowsTheWorkersReports)
{
    present();
    choose(makePackage("big.bin", kBig));
    typePassword(kPassword);
    DecryptTestAccess::onFirstProgress(*pane, [this](const std::atomic<bool>&) { gate.wait(); });
    QTest::mouseClick(decryptButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return progress()->maximum() > 0; }, kWaitMs))
        << "a reported total turns the busy indicator into a percentage";
    EXPECT_LT(progress()->value(), progress()->maximum());
    gate.open();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !pane->isBusy(); }, kWaitMs));
    EXPECT_EQ(placeholder()->text(), QStringLiteral("Success!"));
}

enum class CancelBy { Button, CancelAndWait };

class CancelTest : public DecryptPaneTest, public ::testing::WithParamInterface<CancelBy>
{};

TEST_P(CancelTest, cancelLeavesNothingAndKeepsThePackagePrepared)
{
    present();
    const std::string package = makePackage("big.bin", kBig);
    choose(package);
    typePassword(kPassword);
    const auto before = snapshot(work());
    DecryptTestAccess::onFirstProgress(*pane, [](const std::atomic<bool>& cancel) { cancel.wait(false); });
    QTest::mouseClick(decryptButton(), Qt::LeftButton);
    ASSERT_TRUE(pane->isBusy());
    const auto from = mark();

    if (GetParam() == CancelBy::Button) {
        QTest::mouseClick(cancelButton(), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !pane->isBusy(); }, kWaitMs));
    } else {
        pane->cancelAndWait();
        EXPECT_FALSE(pane->isBusy());
    }

    EXPECT_EQ(snapshot(work()), before);
    EXPECT_EQ(placeholder()->text(), QStringLiteral("Cancelled."));
    EXPECT_FALSE(placeholder()->isHidden());
    EXPECT_TRUE(progress()->isHidden());
    EXPECT_EQ(logSince(from), (std::vector<std::string>{"decryption cancelled"}));
    EXPECT_TRUE(pane->selectedD());
    EXPECT_TRUE(decryptButton()->isEnabled());
    EXPECT_EQ(password()->text(), QString::fromStdString(kPassword));

    // The same package decrypts when asked again.
    DecryptTestAccess::onFirstProgress(*pane, nullptr);
    pressDecrypt();
    EXPECT_EQ(readFileBytes(work() + "big.bin"), kBig);
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelTest, ::testing::Values(CancelBy::Button, CancelBy::CancelAndWait),
                         [](const auto& info) {
                             return std::string(info.param == CancelBy::Button ? "button" : "cancelAndWait");
                         });

TEST_F(DecryptPaneTest, closingDuringARunLeavesNothingBehind)
{
    present();
    choose(makePackage("big.bin", kBig));
    typePassword(kPassword);
    const auto before = snapshot(work());
    DecryptTestAccess::onFirstProgress(*pane, [](const std::atomic<bool>& cancel) { cancel.wait(false); });
    QTest::mouseClick(decryptButton(), Qt::LeftButton);
    ASSERT_TRUE(pane->isBusy());
    window.reset();
    EXPECT_EQ(snapshot(work()), before);
}

// ---- speed and time left -------------------------------------------------------------------------

struct RateCase
{
    const char* name;
    std::int64_t done;
    std::int64_t total;
    std::int64_t elapsedMs;
    const char* text;
};

const RateCase kRateCases[] = {
    {"underASecond", 50'000'000, 100'000'000, 999, ""},
    {"nothingDoneYet", 0, 100'000'000, 2000, ""},
    {"noTotal", 10, 0, 2000, ""},
    {"wholeMegabytes", 42'000'000, 168'000'000, 1000, "42 MB/s · 3 s left"},
    {"slowWithOneDecimal", 5'000'000, 20'000'000, 2000, "2.5 MB/s · 6 s left"},
    {"partSecondRoundsUp", 10'000'000, 25'000'000, 1000, "10 MB/s · 2 s left"},
    {"overAMinute", 10'000'000, 1'000'000'000, 1000, "10 MB/s · 1 min 39 s left"},
};

class RateTest : public ::testing::TestWithParam<RateCase>
{};

TEST_P(RateTest, rateTextReadsAsSpeedAndTimeLeft)
{
    const RateCase& c = GetParam();
    EXPECT_EQ(Decrypt::rateText(c.done, c.total, c.elapsedMs), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Rates, RateTest, ::testing::ValuesIn(kRateCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
