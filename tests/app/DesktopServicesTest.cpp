// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "DesktopServices.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>

namespace {

const QString kSubject = QStringLiteral("Lockfern Version 1.0 (1) Support; 'quoted' \"too\"");
const QString kBody = QStringLiteral("Type here");

// The real composer against a stand-in xdg-email on PATH that records its arguments NUL-separated.
// A shell between the two would split the attachment path or run the command inside it.
TEST(DesktopMailComposer, startsXdgEmailWithEachValueAsOneArgument)
{
    TestEnvironment env;
    const QString work = QString::fromStdString(env.work());
    const std::string record = env.work() + "arguments";
    const std::string script = env.file("xdg-email", "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + record + ".part' && mv '" +
                                                         record + ".part' '" + record + "'\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    const QString previousDir = QDir::currentPath();
    qputenv("PATH", work.toUtf8() + ':' + path);
    QDir::setCurrent(work);
    const QString attachment = work + QStringLiteral("$(touch pwned) `touch pwned`; touch pwned.txt");
    DesktopMailComposer().compose({QStringLiteral("--utf8"), QStringLiteral("help@example.org")}, kSubject, kBody,
                                  attachment);
    qputenv("PATH", path);
    QDir::setCurrent(previousDir);

    ASSERT_TRUE(waitFor([&] { return QFile::exists(QString::fromStdString(record)); }));
    QStringList arguments = QString::fromStdString(readFileBytes(record)).split(QChar(0));
    arguments.removeLast(); // after the last NUL
    // An address that looks like an option is dropped; addresses come last.
    EXPECT_EQ(arguments, (QStringList{QStringLiteral("--subject"), kSubject, QStringLiteral("--body"), kBody,
                                      QStringLiteral("--attach"), attachment, QStringLiteral("help@example.org")}));
    EXPECT_EQ(QDir(work).entryList(QDir::Files), (QStringList{QStringLiteral("arguments"), QStringLiteral("xdg-email")}));
    // Without a log file there is nothing to attach, not an empty path.
    EXPECT_FALSE(DesktopMailComposer::xdgEmailArguments({}, kSubject, kBody, {}).contains(QStringLiteral("--attach")));
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

// How a user picks an entry of the decrypt dialog.
enum class Pick { DoubleClick, SelectAndOpen, TypeName, TypePath };

// Waits until `name` is listed in the dialog's folder, then picks it the given way.
void pick(QFileDialog& dialog, Pick how, const QString& folder, const QString& name)
{
    dialog.setDirectory(folder);
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    QModelIndex entry;
    ASSERT_TRUE(waitFor([&] {
        const QModelIndexList found = view->model()->match(view->model()->index(0, 0, view->rootIndex()),
                                                           Qt::DisplayRole, name, 1, Qt::MatchExactly);
        entry = found.value(0);
        return entry.isValid() && !view->visualRect(entry).isEmpty();
    }));
    const QPoint at = view->visualRect(entry).center();
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    switch (how) {
    case Pick::DoubleClick:
        // A double-click arrives as a click followed by the double-click event.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        break;
    case Pick::SelectAndOpen:
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open), Qt::LeftButton);
        break;
    case Pick::TypeName:
    case Pick::TypePath:
        QTest::keyClicks(field, how == Pick::TypeName ? name : folder + name);
        QTest::keyClick(field, Qt::Key_Return);
        break;
    }
}

// An entry of the folder, how it is picked, and whether the dialog answers with it (or enters it
// and stays open).
struct DialogCase
{
    Pick how;
    const char* name;
    bool answered;
};

void PrintTo(const DialogCase& c, std::ostream* out)
{
    *out << std::array{"double-click", "select and Open", "type name", "type path"}[static_cast<int>(c.how)] << " " << c.name;
}

using DecryptDialog = ::testing::TestWithParam<DialogCase>;

TEST_P(DecryptDialog, answersAPackageAsOneDocument)
{
    const DialogCase& c = GetParam();
    TestEnvironment env;
    const QString work = QString::fromStdString(env.work());
    makePackage(env, "report.lockfern");
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
        pick(*dialog, c.how, work, QString::fromLatin1(c.name));
        if (dialog->isVisible()) {
            stayedIn = dialog->directory().absolutePath() + QLatin1Char('/');
            dialog->reject();
        }
    });
    const FileChooser::Result result = DesktopFileChooser().choose(pane, {QStringLiteral("Decrypt"), true});

    const std::string entry = env.work() + c.name;
    EXPECT_EQ(result.response, c.answered ? FileChooser::Response::Ok : FileChooser::Response::Cancelled);
    EXPECT_EQ(result.path.value_or(QString()).toStdString(), c.answered ? entry : "");
    EXPECT_EQ(stayedIn.toStdString(), c.answered ? "" : entry + "/");
}

INSTANTIATE_TEST_SUITE_P(
    Picks, DecryptDialog,
    ::testing::Values(DialogCase{Pick::DoubleClick, "report.lockfern", true},
                      DialogCase{Pick::SelectAndOpen, "report.lockfern", true},
                      DialogCase{Pick::TypeName, "report.lockfern", true},
                      DialogCase{Pick::TypePath, "report.lockfern", true},
                      DialogCase{Pick::SelectAndOpen, "notes.txt", true},
                      DialogCase{Pick::TypeName, "plain", false}));

// File managers parse the URI: every space, "#", "%", "?" and non-ASCII byte percent-encoded.
using RevealUri = ::testing::TestWithParam<std::pair<const char*, const char*>>;

TEST_P(RevealUri, isFullyEncoded)
{
    const QString path = QString::fromUtf8(GetParam().first);
    const QString uri = DesktopFileBrowser::fileUri(path);
    EXPECT_EQ(uri, QString::fromLatin1(GetParam().second));
    EXPECT_EQ(QUrl::fromEncoded(uri.toLatin1(), QUrl::StrictMode).toLocalFile(), path);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RevealUri,
    ::testing::Values(
        std::pair("/home/ann/report.lockfern", "file:///home/ann/report.lockfern"),
        std::pair("/home/ann/Tax return \u00e9.lockfern", "file:///home/ann/Tax%20return%20%C3%A9.lockfern"),
        std::pair("/home/ann/#2 100% done?.lockfern", "file:///home/ann/%232%20100%25%20done%3F.lockfern"),
        std::pair("/home/\u00e5sa/\u65e5\u8a18 #1/a%20b", "file:///home/%C3%A5sa/%E6%97%A5%E8%A8%98%20%231/a%2520b")));

} // namespace
