// SPDX-License-Identifier: GPL-3.0-or-later
// The encryption run as the pane drives it: checks, outcomes, state afterwards, and a run that
// keeps the window responsive and can be cancelled.
#include "EncryptTestSupport.h"

#include "Global.h"
#include "Hint.h"
#include "RNCryptor.h"

#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

const std::vector<std::string> kSuccessStages = {"read file content", "encrypted file content", "created new package",
                                                 "save encrypted file in package"};

std::set<std::string> entriesOf(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Large enough that the run takes a good part of a second, well past the progress poll.
std::string largeContent()
{
    return std::string(std::size_t{96} << 20, 'x');
}

// The stage lines of a failed run: the start of a successful run's lines, then the error line.
void expectFailureLog(const std::vector<std::string>& lines)
{
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "an error occured while encrypting");
    const std::vector<std::string> stages(lines.begin(), lines.end() - 1);
    ASSERT_LE(stages.size(), kSuccessStages.size());
    EXPECT_TRUE(std::equal(stages.begin(), stages.end(), kSuccessStages.begin()));
}

} // namespace

// ---- checks before a run ---------------------------------------------------------------------

struct PrecheckCase
{
    const char* label;
    bool fileTaken;
    const char* password;
    const char* status;
    const char* logLine;
};

class StartingARun : public EncryptPaneTest, public ::testing::WithParamInterface<PrecheckCase>
{
};

TEST_P(StartingARun, stopsBeforeAnyWork)
{
    const PrecheckCase& c = GetParam();
    if (c.fileTaken) {
        choose(file("report.pdf"));
    }
    typePassword(QString::fromUtf8(c.password));
    const auto mark = logMark();
    pressEncrypt();

    EXPECT_FALSE(pane->isBusy());
    EXPECT_EQ(status()->text(), QString::fromLatin1(c.status));
    EXPECT_TRUE(shown("placeholderE"));
    EXPECT_FALSE(shown("sServiceE"));
    EXPECT_FALSE(shown("progressE"));
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{c.logLine}));
    EXPECT_EQ(workEntries(), c.fileTaken ? std::set<std::string>{"report.pdf"} : std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartingARun,
    ::testing::Values(PrecheckCase{"noFileNoPassword", false, "", "No file is selected.", "no file selected"},
                      PrecheckCase{"noFileWithPassword", false, "pw", "No file is selected.", "no file selected"},
                      PrecheckCase{"emptyPassword", true, "", "Password is empty.", "password empty"}),
    [](const auto& info) { return std::string(info.param.label); });

// ---- successful runs -------------------------------------------------------------------------

struct SuccessCase
{
    const char* label;
    const char* password; // UTF-8
    std::optional<const char*> hint; // typed into the hint dialog
    bool pressReturn;
    std::string hintBytes;
    std::string hintLine;
};

class EncryptingAFile : public EncryptPaneTest, public ::testing::WithParamInterface<SuccessCase>
{
};

TEST_P(EncryptingAFile, writesThePackageLogsEachStepAndResetsThePane)
{
    const SuccessCase& c = GetParam();
    const std::string content("binary \x00\x01\xff content\n", 20);
    const std::string source = file("docs/report.pdf", content);
    const std::string package = env.work() + "docs/report.lockfern";
    const QString pw = QString::fromUtf8(c.password);
    choose(source);
    if (c.hint) {
        QTest::mouseClick(button("hintButtonE"), Qt::LeftButton);
        auto* dialog = pane->findChild<Hint*>();
        ASSERT_NE(dialog, nullptr);
        typeText(dialog->findChild<QLineEdit*>(QStringLiteral("hint")), QString::fromUtf8(*c.hint));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        EXPECT_EQ(button("hintButtonE")->text(), QStringLiteral("Change Hint…"));
    }
    typePassword(pw);
    const auto mark = logMark();

    if (c.pressReturn) {
        QTest::keyClick(password(), Qt::Key_Return);
    } else {
        pressEncrypt();
    }
    ASSERT_TRUE(waitUntilIdle());

    std::vector<std::string> expected = kSuccessStages;
    expected.push_back(c.hintLine);
    expected.push_back("saved hint to file in package");
    expected.push_back("success! saved in " + package);
    EXPECT_EQ(logSince(mark), expected);

    EXPECT_EQ(entriesOf(package), (std::set<std::string>{"hint.lockfern", "report.pdf"}));
    EXPECT_EQ(readFileBytes(package + "/hint.lockfern"), c.hintBytes);
    const QByteArray sealed = QByteArray::fromStdString(readFileBytes(package + "/report.pdf"));
    EXPECT_EQ(RNCryptor::Decryptor(pw).decrypt(sealed).toStdString(), content);
    EXPECT_EQ(readFileBytes(source), content);

    EXPECT_EQ(status()->text(), QStringLiteral("Success!"));
    EXPECT_TRUE(shown("placeholderE"));
    EXPECT_TRUE(shown("sServiceE"));
    EXPECT_FALSE(shown("checkMarkE"));
    EXPECT_FALSE(shown("progressE"));
    EXPECT_FALSE(shown("cancelE"));
    EXPECT_TRUE(password()->text().isEmpty());
    EXPECT_FALSE(pane->fields().selectedE);
    EXPECT_TRUE(pane->fields().fileE.isEmpty());
    EXPECT_EQ(pane->fields().pathE.toStdString(), package);
    EXPECT_EQ(pane->fields().finishedE, QStringLiteral("report.lockfern"));
    EXPECT_TRUE(global().hint.isEmpty());
    EXPECT_FALSE(global().hintExist);
    EXPECT_EQ(button("hintButtonE")->text(), QStringLiteral("Add Hint…"));
    if (pw.size() >= 4) {
        for (const auto& line : env.logMessages()) {
            EXPECT_EQ(line.find(c.password), std::string::npos) << line;
        }
    }

    const auto beforeReveal = logMark();
    QTest::mouseClick(button("sServiceE"), Qt::LeftButton);
    EXPECT_EQ(browser->revealed, (std::vector<QString>{QString::fromStdString(package)}));
    EXPECT_EQ(logSince(beforeReveal), (std::vector<std::string>{"show file in finder"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncryptingAFile,
    ::testing::Values(SuccessCase{"noHint", "correct horse", std::nullopt, false, "", "hint is empty"},
                      SuccessCase{"oneSpacePasswordOneLetterHint", " ", "a", false, "a", "added hint a"},
                      SuccessCase{"unicodeByReturn", "p\xc3\xa4sswort", "abc \xc3\xbc", true, "abc \xc3\xbc",
                                  "added hint abc \xc3\xbc"}),
    [](const auto& info) { return std::string(info.param.label); });

// ---- failed runs -----------------------------------------------------------------------------

TEST_F(EncryptPaneTest, secondRunOnTheSameFileFailsAndKeepsTheFirstPackage)
{
    const std::string source = file("report.pdf");
    const std::string package = env.work() + "report.lockfern";
    choose(source);
    typePassword(QStringLiteral("first"));
    pressEncrypt();
    ASSERT_TRUE(waitUntilIdle());
    const std::string firstSealed = readFileBytes(package + "/report.pdf");
    ASSERT_FALSE(firstSealed.empty());

    choose(source);
    typePassword(QStringLiteral("second"));
    const auto mark = logMark();
    testing::internal::CaptureStdout();
    pressEncrypt();
    const bool idle = waitUntilIdle();
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(idle);

    EXPECT_EQ(status()->text(), QStringLiteral("An error occured while encrypting."));
    expectFailureLog(logSince(mark));
    EXPECT_EQ(out.find("Can't delete folder"), std::string::npos); // the folder was there, not ours to delete
    EXPECT_EQ(readFileBytes(package + "/report.pdf"), firstSealed);
    EXPECT_EQ(readFileBytes(package + "/hint.lockfern"), "");
    EXPECT_EQ(entriesOf(package), (std::set<std::string>{"hint.lockfern", "report.pdf"}));
    EXPECT_EQ(workEntries(), (std::set<std::string>{"report.lockfern", "report.pdf"}));
    // Ready to try again at once.
    EXPECT_TRUE(pane->fields().selectedE);
    EXPECT_EQ(password()->text(), QStringLiteral("second"));
    EXPECT_FALSE(shown("sServiceE"));
    EXPECT_FALSE(shown("progressE"));
    EXPECT_TRUE(password()->isEnabled());
}

TEST_F(EncryptPaneTest, sourceDeletedAfterChoosingCreatesNothing)
{
    const std::string source = file("report.pdf");
    choose(source);
    global().hint = QStringLiteral("kept");
    global().hintExist = true;
    std::filesystem::remove(source);
    typePassword(QStringLiteral("pw"));
    const auto mark = logMark();
    testing::internal::CaptureStdout();
    pressEncrypt();
    const bool idle = waitUntilIdle();
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(idle);

    EXPECT_EQ(out, "Can't delete folder\n");
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"an error occured while encrypting"}));
    EXPECT_EQ(status()->text(), QStringLiteral("An error occured while encrypting."));
    EXPECT_TRUE(workEntries().empty());
    EXPECT_TRUE(pane->fields().selectedE);
    EXPECT_EQ(global().hint, QStringLiteral("kept"));
    EXPECT_TRUE(global().hintExist);
}

// ---- long runs -------------------------------------------------------------------------------

TEST_F(EncryptPaneTest, windowStaysResponsiveAndShowsProgressDuringALongRun)
{
    choose(file("big.bin", largeContent()));
    typePassword(QStringLiteral("pw"));
    QSignalSpy busy(pane, &Encrypt::busyChanged);
    int ticksWhileBusy = 0;
    int furthest = -1;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, pane, [&] {
        if (pane->isBusy()) {
            ++ticksWhileBusy;
            furthest = std::max(furthest, widget<QProgressBar>("progressE")->value());
        }
    });
    ticker.start();

    pressEncrypt();
    // The click returned with the run still going, and the pane takes no input meanwhile.
    EXPECT_TRUE(pane->isBusy());
    EXPECT_FALSE(password()->isEnabled());
    EXPECT_FALSE(button("chooseE")->isEnabled());
    EXPECT_FALSE(button("hintButtonE")->isEnabled());
    EXPECT_FALSE(button("serviceE")->isEnabled());
    EXPECT_TRUE(shown("cancelE"));
    EXPECT_TRUE(shown("progressE"));
    ASSERT_EQ(busy.count(), 1);
    EXPECT_TRUE(busy.at(0).at(0).toBool());

    EXPECT_TRUE(QTest::qWaitFor([&] { return ticksWhileBusy >= 5; }, 20000));
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(status()->text(), QStringLiteral("Success!"));
    EXPECT_GT(furthest, 0); // a real percentage, not only the busy indicator
    ASSERT_EQ(busy.count(), 2);
    EXPECT_FALSE(busy.at(1).at(0).toBool());
    EXPECT_TRUE(button("chooseE")->isEnabled());
    EXPECT_TRUE(password()->isEnabled());
}

enum class CancelBy { Button, CancelAndWait };

class CancellingARun : public EncryptPaneTest, public ::testing::WithParamInterface<CancelBy>
{
};

TEST_P(CancellingARun, leavesNothingBehindAndKeepsTheSelection)
{
    choose(file("big.bin", largeContent()));
    global().hint = QStringLiteral("kept");
    global().hintExist = true;
    typePassword(QStringLiteral("pw"));
    const auto mark = logMark();
    pressEncrypt();
    ASSERT_TRUE(pane->isBusy());

    if (GetParam() == CancelBy::Button) {
        QTest::mouseClick(button("cancelE"), Qt::LeftButton);
        ASSERT_TRUE(waitUntilIdle());
    } else {
        pane->cancelAndWait();
        EXPECT_FALSE(pane->isBusy()); // done before returning, without the event loop
        QCoreApplication::sendPostedEvents(); // the watcher's own report must not count twice
    }

    EXPECT_EQ(workEntries(), (std::set<std::string>{"big.bin"}));
    EXPECT_EQ(status()->text(), QStringLiteral("Cancelled."));
    const auto lines = logSince(mark);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "encryption cancelled");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "encryption cancelled"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "an error occured while encrypting"), 0);
    EXPECT_TRUE(pane->fields().selectedE);
    EXPECT_EQ(password()->text(), QStringLiteral("pw"));
    EXPECT_EQ(global().hint, QStringLiteral("kept"));
    EXPECT_TRUE(global().hintExist);
    EXPECT_FALSE(shown("progressE"));
    EXPECT_FALSE(shown("cancelE"));
    EXPECT_FALSE(shown("sServiceE"));
}

INSTANTIATE_TEST_SUITE_P(Cases, CancellingARun, ::testing::Values(CancelBy::Button, CancelBy::CancelAndWait),
                         [](const auto& info) {
                             return std::string(info.param == CancelBy::Button ? "button" : "cancelAndWait");
                         });
