// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a file, the live password check, showing the pane, theming and dropping a file.
#include "EncryptTestSupport.h"

#include "Global.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

enum class Choice { Taken, AlreadyEncrypted, Problem };

struct ChoiceCase
{
    const char* label;
    std::vector<std::string> existing; // files made in the work folder first
    std::vector<std::string> folders;  // folders made in the work folder first
    std::string chosen;                // relative to the work folder
    Choice expected;
    std::string nameE;
    std::string fullnameE;
    std::string folderE; // relative to the work folder
    std::string pathE;   // relative to the work folder
};

ChoiceCase refused(const char* label, std::vector<std::string> existing, std::vector<std::string> folders,
                   std::string chosen, Choice expected)
{
    return {label, std::move(existing), std::move(folders), std::move(chosen), expected, "", "", "", ""};
}

std::ostream& operator<<(std::ostream& out, const ChoiceCase& c)
{
    return out << c.label;
}

class ChoosingAFile : public EncryptPaneTest, public ::testing::WithParamInterface<ChoiceCase>
{
};

} // namespace

TEST_P(ChoosingAFile, takesOrRefusesWithTheRightStateAndLog)
{
    const ChoiceCase& c = GetParam();
    for (const auto& name : c.existing) {
        file(name);
    }
    for (const auto& name : c.folders) {
        std::filesystem::create_directories(env.work() + name);
    }
    const std::string chosen = env.work() + c.chosen;
    const auto mark = logMark();

    choose(chosen);

    ASSERT_EQ(chooser->seen.size(), 1u);
    EXPECT_EQ(chooser->seen[0].title, QStringLiteral("Choose the file you want to encrypt"));
    EXPECT_FALSE(chooser->seen[0].packagesAsDocuments);

    const char* outcomeLine = c.expected == Choice::Taken            ? "file added succesfully"
                              : c.expected == Choice::AlreadyEncrypted ? "file already encrypted"
                                                                       : "there was a problem while adding file";
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"select file view presented", "file selected " + chosen,
                                                          outcomeLine, "select file view closed"}));
    EXPECT_FALSE(shown("sServiceE"));

    const auto& f = pane->fields();
    if (c.expected == Choice::Taken) {
        EXPECT_TRUE(f.selectedE);
        EXPECT_EQ(f.fileE.toStdString(), chosen);
        EXPECT_EQ(f.nameE.toStdString(), c.nameE);
        EXPECT_EQ(f.fullnameE.toStdString(), c.fullnameE);
        EXPECT_EQ(f.folderE.toStdString(), env.work() + c.folderE);
        EXPECT_EQ(f.pathE.toStdString(), env.work() + c.pathE);
        EXPECT_TRUE(button("serviceE")->isEnabled());
        EXPECT_TRUE(shown("checkMarkE"));
        EXPECT_FALSE(shown("placeholderE"));
    } else {
        EXPECT_FALSE(f.selectedE);
        EXPECT_TRUE(f.fileE.isEmpty());
        EXPECT_TRUE(f.pathE.isEmpty());
        EXPECT_FALSE(button("serviceE")->isEnabled());
        EXPECT_FALSE(shown("checkMarkE"));
        EXPECT_TRUE(shown("placeholderE"));
        EXPECT_EQ(status()->text(), c.expected == Choice::AlreadyEncrypted
                                        ? QStringLiteral("This file is already encrypted.")
                                        : QStringLiteral("There's a problem."));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoosingAFile,
    ::testing::Values(
        ChoiceCase{"plainFile", {"docs/report.pdf"}, {}, "docs/report.pdf", Choice::Taken, "report", "report.pdf",
                   "docs/", "docs/report.lockfern"},
        ChoiceCase{"onlyLastExtensionDropped", {"archive.tar.gz"}, {}, "archive.tar.gz", Choice::Taken,
                   "archive.tar", "archive.tar.gz", "", "archive.tar.lockfern"},
        ChoiceCase{"nameWithoutExtension", {"README"}, {}, "README", Choice::Taken, "README", "README", "",
                   "README.lockfern"},
        ChoiceCase{"encryptedFileInsideAPackage", {"report.lockfern/report.pdf", "report.lockfern/hint.lockfern"}, {},
                   "report.lockfern/report.pdf", Choice::Taken, "report", "report.pdf", "report.lockfern/",
                   "report.lockfern/report.lockfern"},
        refused("packageFolder", {"report.lockfern/report.pdf"}, {}, "report.lockfern", Choice::AlreadyEncrypted),
        refused("hintFileOfAPackage", {"report.lockfern/hint.lockfern"}, {}, "report.lockfern/hint.lockfern",
                   Choice::AlreadyEncrypted),
        refused("plainFileNamedLikeAPackage", {"notes.lockfern"}, {}, "notes.lockfern", Choice::AlreadyEncrypted),
        refused("fileRemovedAfterTheChoice", {}, {}, "gone.txt", Choice::Problem),
        refused("folderIsNoFile", {}, {"photos"}, "photos", Choice::Problem)),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(EncryptPaneTest, cancellingThePanelKeepsAnEarlierChoice)
{
    const std::string report = file("report.pdf");
    choose(report);
    const auto mark = logMark();

    chooser->script.push_back({FileChooser::Response::Cancelled, std::nullopt});
    QTest::mouseClick(button("chooseE"), Qt::LeftButton);

    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"select file view presented", "select file view dismissed"}));
    EXPECT_TRUE(pane->fields().selectedE);
    EXPECT_EQ(pane->fields().fileE.toStdString(), report);
    EXPECT_TRUE(shown("checkMarkE"));
}

TEST_F(EncryptPaneTest, confirmedPanelWithoutAPathChangesNothing)
{
    const auto mark = logMark();
    chooser->script.push_back({FileChooser::Response::Ok, std::nullopt});
    QTest::mouseClick(button("chooseE"), Qt::LeftButton);

    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"select file view presented"}));
    EXPECT_FALSE(pane->fields().selectedE);
    EXPECT_TRUE(button("serviceE")->isEnabled());
}

TEST_F(EncryptPaneTest, refusalAfterAGoodChoiceLeavesNothingSelected)
{
    const std::string report = file("report.pdf");
    choose(report);
    std::filesystem::create_directories(env.work() + "old.lockfern");
    choose(env.work() + "old.lockfern");

    EXPECT_FALSE(pane->fields().selectedE);
    EXPECT_EQ(pane->fields().fileE.toStdString(), report); // names stay, but unusable
    typePassword(QStringLiteral("pw"));
    EXPECT_FALSE(button("serviceE")->isEnabled());
    pane->encrypt();
    EXPECT_EQ(status()->text(), QStringLiteral("No file is selected."));
    EXPECT_FALSE(std::filesystem::exists(env.work() + "report.lockfern"));
}

// ---- the live password check -----------------------------------------------------------------

struct TypingCase
{
    const char* label;
    bool fileTaken;
    int backspaces; // after typing "ab"
    bool statusShown;
    const char* statusText;
};

class TypingAPassword : public EncryptPaneTest, public ::testing::WithParamInterface<TypingCase>
{
};

TEST_P(TypingAPassword, showsOrHidesTheEmptyPasswordNotice)
{
    const TypingCase& c = GetParam();
    if (c.fileTaken) {
        choose(file("report.pdf"));
    }
    const auto mark = logMark();
    typePassword(QStringLiteral("ab"));
    for (int i = 0; i < c.backspaces; ++i) {
        QTest::keyClick(password(), Qt::Key_Backspace);
    }
    EXPECT_EQ(shown("placeholderE"), c.statusShown);
    EXPECT_EQ(status()->text(), QString::fromLatin1(c.statusText));
    EXPECT_TRUE(logSince(mark).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, TypingAPassword,
                         ::testing::Values(TypingCase{"noFileTyping", false, 0, true, ""},
                                           TypingCase{"noFileEmptied", false, 2, true, ""},
                                           TypingCase{"fileTyping", true, 0, false, ""},
                                           TypingCase{"fileOneLeft", true, 1, false, ""},
                                           TypingCase{"fileEmptied", true, 2, true, "Password is empty."}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- showing the pane ------------------------------------------------------------------------

TEST_F(EncryptPaneTest, showingThePaneAgainResetsItAndClearsTheSharedHint)
{
    choose(file("report.pdf"));
    typePassword(QStringLiteral("secret"));
    global().hint = QStringLiteral("my hint");
    global().hintExist = true;
    std::filesystem::create_directories(env.work() + "report.lockfern"); // the run fails on it
    pane->encrypt();
    ASSERT_TRUE(waitUntilIdle());
    container.hide();
    const auto mark = logMark();
    container.show();

    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"encrypt view presented"}));
    const auto& f = pane->fields();
    EXPECT_FALSE(f.selectedE);
    for (const QString* field : {&f.fileE, &f.nameE, &f.fullnameE, &f.folderE, &f.hintE}) {
        EXPECT_TRUE(field->isEmpty());
    }
    EXPECT_EQ(f.pathE.toStdString(), env.work() + "report.lockfern"); // kept for the reveal button
    EXPECT_EQ(f.finishedE, QStringLiteral("report.lockfern"));
    EXPECT_TRUE(password()->text().isEmpty());
    EXPECT_TRUE(global().hint.isEmpty());
    EXPECT_FALSE(global().hintExist);
    EXPECT_FALSE(shown("checkMarkE"));
    EXPECT_FALSE(shown("sServiceE"));
    EXPECT_FALSE(shown("progressE"));
    EXPECT_TRUE(status()->text().isEmpty());
}

TEST_F(EncryptPaneTest, theFirstShowingLogsOnce)
{
    EXPECT_EQ(env.logMessages(), (std::vector<std::string>{"encrypt view presented"}));
}

struct ThemeCase
{
    const char* label;
    bool dark;
    QColor text;
};

class ThemingThePane : public EncryptPaneTest, public ::testing::WithParamInterface<ThemeCase>
{
};

TEST_P(ThemingThePane, colorsTheTextsAndPicksTheCheckMark)
{
    const ThemeCase& c = GetParam();
    Global::setDark(c.dark);
    container.hide();
    container.show();
    for (const char* name : {"titleE", "placeholderE", "passwordLabelE"}) {
        EXPECT_EQ(widget<QWidget>(name)->palette().color(QPalette::WindowText), c.text) << name;
    }
    // The mark itself is drawn in the text colour: its most opaque pixel tells which image it is.
    const QImage mark = widget<QLabel>("checkMarkE")->pixmap().toImage();
    ASSERT_FALSE(mark.isNull());
    QColor strongest(0, 0, 0, 0);
    for (int y = 0; y < mark.height(); ++y) {
        for (int x = 0; x < mark.width(); ++x) {
            const QColor pixel = mark.pixelColor(x, y);
            if (pixel.alpha() > strongest.alpha()) {
                strongest = pixel;
            }
        }
    }
    EXPECT_GT(strongest.alpha(), 128);
    EXPECT_EQ(strongest.lightness() > 128, c.dark);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThemingThePane,
                         ::testing::Values(ThemeCase{"white", false, Qt::black}, ThemeCase{"dark", true, Qt::white}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- dropping a file onto the pane -----------------------------------------------------------

struct DropCase
{
    const char* label;
    std::vector<std::string> dropped; // relative to the work folder; the first is made as a file
    bool accepted;
    bool taken;
};

class DroppingAFile : public EncryptPaneTest, public ::testing::WithParamInterface<DropCase>
{
};

TEST_P(DroppingAFile, isTakenLikeAChoiceWithoutThePanel)
{
    const DropCase& c = GetParam();
    std::filesystem::create_directories(env.work() + "x.lockfern");
    QList<QUrl> urls;
    for (const auto& name : c.dropped) {
        const std::string path = name.ends_with(".lockfern") ? env.work() + name : file(name);
        urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    QMimeData mime;
    mime.setUrls(urls);
    const auto mark = logMark();
    const QPoint at = pane->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &enter);
    EXPECT_EQ(enter.isAccepted(), c.accepted);
    if (c.accepted) {
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &drop);
    }

    const auto lines = logSince(mark);
    if (!c.accepted) {
        EXPECT_TRUE(lines.empty());
        return;
    }
    const std::string path = env.work() + c.dropped.front();
    EXPECT_EQ(lines, (std::vector<std::string>{"file selected " + path,
                                              c.taken ? "file added succesfully" : "file already encrypted"}));
    EXPECT_EQ(pane->fields().selectedE, c.taken);
    EXPECT_TRUE(chooser->seen.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DroppingAFile,
                         ::testing::Values(DropCase{"oneFile", {"report.pdf"}, true, true},
                                           DropCase{"aPackage", {"x.lockfern"}, true, false},
                                           DropCase{"twoFiles", {"a.txt", "b.txt"}, false, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(EncryptPaneTest, everyControlHasAnAccessibleName)
{
    for (const char* name : {"chooseE", "passwordE", "hintButtonE", "serviceE", "sServiceE", "cancelE", "progressE",
                             "placeholderE", "checkMarkE"}) {
        EXPECT_FALSE(widget<QWidget>(name)->accessibleName().isEmpty()) << name;
    }
}
