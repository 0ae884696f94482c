// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"
#include "PaneTestSupport.h"

#include "DesktopServices.h"
#include "Services.h"
#include "Version.h"
#include "ViewController.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>

namespace {

const QString kSubject = QStringLiteral("Lockfern Version 1.0 (1) Support; 'quoted' \"too\"");
const QString kBody = QStringLiteral("Type here");

// The open dialog named `name`; one closed before may not be gone yet.
QDialog* openDialog(const QWidget& window, const char* name)
{
    for (QDialog* dialog : window.findChildren<QDialog*>(QString::fromLatin1(name))) {
        if (dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Presses the button labelled `text` in the open dialog named `name`; false when there is none.
bool press(const QWidget& window, const char* name, const QString& text)
{
    const QDialog* dialog = openDialog(window, name);
    for (QPushButton* button : dialog ? dialog->findChildren<QPushButton*>() : QList<QPushButton*>{}) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

// The log button first shows what will be attached: the log as plain text, read-only; Send sends it.
void sendFromThePreview(const QWidget& view)
{
    QTest::mouseClick(child(&view, "logButton"), Qt::LeftButton);
    const QDialog* dialog = openDialog(view, "sendLog");
    ASSERT_NE(dialog, nullptr);
    auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("logText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), global().activityLog().text());
    EXPECT_TRUE(press(view, "sendLog", QStringLiteral("Send")));
}

// The log button mails the log through the real composer and xdg-email, here a stand-in on PATH that
// records its arguments NUL-separated: one mail per press, and no attachment once the log file is
// gone. The log lies in a folder whose name a shell would run; there is no shell between the two.
TEST(DesktopMailComposer, theLogButtonStartsXdgEmailWithEachValueAsOneArgument)
{
    TestEnvironment env;
    const QString work = QString::fromStdString(env.work());
    const std::string runtime = env.work() + "$(touch pwned) `touch pwned`; touch pwned.txt/";
    ASSERT_EQ(::mkdir(runtime.c_str(), 0700), 0);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string record = env.work() + "arguments";
    const std::string script = env.file("bin/xdg-email", "#!/bin/sh\nprintf '%s\\0' \"$@\" >> '" + record + "'\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    const QString previousDir = QDir::currentPath();
    qputenv("PATH", work.toUtf8() + "bin:" + path);
    QDir::setCurrent(work);
    global().supportMail().setComposer(std::make_shared<DesktopMailComposer>());
    ViewController view(Services{});
    view.show();
    const auto mails = [&] {
        return QString::fromStdString(readFileBytes(record)).split(QChar(0), Qt::SkipEmptyParts);
    };
    global().log(QStringLiteral("presenting hint <b>tulip</b>"));
    sendFromThePreview(view);
    EXPECT_TRUE(waitFor([&] { return mails().count(QStringLiteral("--subject")) == 1; }));
    std::filesystem::remove(runtime + ActivityLog::kFileName);
    sendFromThePreview(view);
    EXPECT_TRUE(waitFor([&] { return mails().count(QStringLiteral("--subject")) == 2; }));
    EXPECT_TRUE(child(&view, "question")->isVisible()) << "the screen stays as it was";
    qputenv("PATH", path);
    QDir::setCurrent(previousDir);

    const QStringList mail = {
        QStringLiteral("--subject"),
        QStringLiteral("Lockfern Version " LOCKFERN_VERSION_SHORT " (" LOCKFERN_BUILD_NUMBER ") Support"),
        QStringLiteral("--body"), kBody};
    const QString address = QStringLiteral(LOCKFERN_SUPPORT_ADDRESS);
    const QString log = QString::fromStdString(runtime + ActivityLog::kFileName);
    EXPECT_EQ(mails(), (mail + QStringList{QStringLiteral("--attach"), log, address} + mail + QStringList{address}));
    EXPECT_EQ(folderEntries(env.work()),
              (std::vector<std::string>{"$(touch pwned) `touch pwned`; touch pwned.txt", "arguments", "bin"}));
    // An address that looks like an option is dropped; addresses come last.
    EXPECT_EQ(DesktopMailComposer::xdgEmailArguments({QStringLiteral("--utf8"), address}, kSubject, kBody, {}),
              (QStringList{QStringLiteral("--subject"), kSubject, QStringLiteral("--body"), kBody, address}));
}

// A mailto link only when xdg-email is not installed or does not start.
TEST(DesktopMailComposer, usesAMailtoLinkOnlyWhenXdgEmailCannotStart)
{
    for (const auto& [xdgEmail, starts, mailto] : {std::tuple(QStringLiteral("/usr/bin/xdg-email"), true, false),
                                                  std::tuple(QStringLiteral("/usr/bin/xdg-email"), false, true),
                                                  std::tuple(QString(), true, true)}) {
        std::vector<QUrl> opened;
        DesktopMailComposer composer(
            xdgEmail, [starts = starts](const QString&, const QStringList&) { return starts; },
            [&opened](const QUrl& url) { return opened.push_back(url), true; });
        composer.compose({QStringLiteral("help@example.org")}, kSubject, kBody, QStringLiteral("/run/user/1/log.txt"));
        ASSERT_EQ(opened.size(), mailto ? 1u : 0u) << xdgEmail.toStdString() << starts;
        if (mailto) {
            const QUrlQuery query(opened.front());
            EXPECT_EQ(opened.front().toString(QUrl::RemoveQuery), QStringLiteral("mailto:help@example.org"));
            EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), kSubject);
            EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), kBody);
        }
    }
}

class ScriptedComposer : public MailComposer
{
public:
    int composed = 0;
    bool compose(const QStringList&, const QString&, const QString&, const QString&) override { return ++composed, false; }
};

// When no mail program starts, the user is told so and may copy the log's text or open its folder
// instead; Cancel in the preview sends nothing.
using NoMailProgram = ::testing::TestWithParam<const char*>;

TEST_P(NoMailProgram, offersToCopyTheLogOrOpenItsFolder)
{
    const QString choice = QString::fromLatin1(GetParam());
    TestEnvironment env;
    auto composer = std::make_shared<ScriptedComposer>();
    auto browser = std::make_shared<RecordingBrowser>();
    global().supportMail().setComposer(composer);
    QApplication::clipboard()->clear();
    Services services;
    services.fileBrowser = browser;
    ViewController view(services);
    view.show();
    QTest::mouseClick(child(&view, "logButton"), Qt::LeftButton);
    if (choice == QStringLiteral("Cancel")) {
        EXPECT_TRUE(press(view, "sendLog", choice));
    } else {
        EXPECT_TRUE(press(view, "sendLog", QStringLiteral("Send")));
        EXPECT_TRUE(press(view, "noMailProgram", choice));
    }
    EXPECT_EQ(composer->composed, choice == QStringLiteral("Cancel") ? 0 : 1);
    EXPECT_EQ(QApplication::clipboard()->text(),
              choice == QStringLiteral("Copy Log Text") ? global().activityLog().text() : QString());
    EXPECT_EQ(browser->revealed, choice == QStringLiteral("Open Log Folder") ? std::vector{env.logPath()}
                                                                           : std::vector<std::string>{});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Choices, NoMailProgram, ::testing::Values("Cancel", "Copy Log Text", "Open Log Folder", "Close"));

// How a user picks an entry of the dialog; "a|b" names two entries, the second picked with Ctrl.
enum class Pick { DoubleClick, SelectAndOpen, ReturnInList, TypeName, TypePath };

// Waits until the entries are listed in the dialog's folder, then picks them the given way.
void pick(QFileDialog& dialog, Pick how, const QString& folder, const QString& names)
{
    dialog.setDirectory(folder);
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    std::vector<QPoint> at;
    for (const QString& name : names.split(QLatin1Char('|'))) {
        QModelIndex entry;
        ASSERT_TRUE(waitFor([&] {
            const QModelIndexList found = view->model()->match(view->model()->index(0, 0, view->rootIndex()),
                                                               Qt::DisplayRole, name, 1, Qt::MatchExactly);
            entry = found.value(0);
            return entry.isValid() && !view->visualRect(entry).isEmpty();
        }));
        at.push_back(view->visualRect(entry).center());
    }
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    switch (how) {
    case Pick::DoubleClick:
        // A double-click arrives as a click followed by the double-click event.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at[0]);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at[0]);
        break;
    case Pick::SelectAndOpen:
        for (std::size_t i = 0; i < at.size(); ++i) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, i ? Qt::ControlModifier : Qt::NoModifier, at[i]);
        }
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open), Qt::LeftButton);
        break;
    case Pick::ReturnInList:
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at[0]);
        QTest::keyClick(view, Qt::Key_Return);
        break;
    case Pick::TypeName:
    case Pick::TypePath:
        QTest::keyClicks(field, how == Pick::TypeName ? names : folder + names);
        QTest::keyClick(field, Qt::Key_Return);
        break;
    }
}

// Which dialog (packages as documents, or folders chosen as items), how an entry of the folder is
// picked, its name, and whether the dialog answers with it (or enters it and stays open).
enum class Dialog { Decrypt, Encrypt };
using DialogCase = std::tuple<Dialog, Pick, const char*, bool>;
using ChooserDialog = ::testing::TestWithParam<DialogCase>;

TEST_P(ChooserDialog, answersAPackageOrAChosenFolderAsOneDocument)
{
    const auto& [which, how, name, answered] = GetParam();
    TestEnvironment env;
    const QString work = QString::fromStdString(env.work());
    packageFolder(env, "report.lockfern");
    QDir().mkpath(work + QStringLiteral("plain"));
    QFile(work + QStringLiteral("notes.txt")).open(QIODevice::WriteOnly);

    QWidget window;
    auto* pane = new QWidget(&window);
    window.show();
    QString stayedIn;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no dialog";
            return;
        }
        // The window owns it, not the pane that asked: the pane may be replaced while it runs.
        EXPECT_EQ(dialog->parentWidget(), &window);
        pick(*dialog, how, work, QString::fromLatin1(name));
        if (dialog->isVisible()) {
            stayedIn = dialog->directory().absolutePath() + QLatin1Char('/');
            dialog->reject();
        }
    });
    const bool encrypt = which == Dialog::Encrypt;
    const FileChooser::Result result =
        DesktopFileChooser().choose(pane, {QStringLiteral("Choose"), !encrypt, true, encrypt});

    std::string entries;
    for (const Path& path : result.paths) {
        entries += (entries.empty() ? "" : "|") + path.bytes().substr(env.work().size());
    }
    EXPECT_EQ(result.response, answered ? FileChooser::Response::Ok : FileChooser::Response::Cancelled);
    EXPECT_EQ(entries, answered ? name : "");
    EXPECT_EQ(stayedIn.toStdString(), answered ? "" : env.work() + name + "/");
}

INSTANTIATE_TEST_SUITE_P(
    Picks, ChooserDialog,
    ::testing::Values(DialogCase{Dialog::Decrypt, Pick::DoubleClick, "report.lockfern", true},
                      DialogCase{Dialog::Decrypt, Pick::SelectAndOpen, "report.lockfern", true},
                      DialogCase{Dialog::Decrypt, Pick::TypeName, "report.lockfern", true},
                      DialogCase{Dialog::Decrypt, Pick::TypePath, "report.lockfern", true},
                      DialogCase{Dialog::Decrypt, Pick::SelectAndOpen, "notes.txt", true},
                      DialogCase{Dialog::Decrypt, Pick::TypeName, "plain", false},
                      DialogCase{Dialog::Decrypt, Pick::SelectAndOpen, "notes.txt|report.lockfern", true},
                      // A folder is taken by Open; a double-click or Return, in the list or the name field,
                      // still enters it.
                      DialogCase{Dialog::Encrypt, Pick::SelectAndOpen, "plain", true},
                      DialogCase{Dialog::Encrypt, Pick::SelectAndOpen, "notes.txt|plain", true},
                      DialogCase{Dialog::Encrypt, Pick::DoubleClick, "plain", false},
                      DialogCase{Dialog::Encrypt, Pick::ReturnInList, "plain", false},
                      DialogCase{Dialog::Encrypt, Pick::TypeName, "plain", false}));

} // namespace
