// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "DesktopServices.h"

#include <QDir>
#include <QFile>
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
    const QString record = work + QStringLiteral("arguments");
    QFile script(work + QStringLiteral("xdg-email"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + record.toUtf8() + ".part' && mv '" + record.toUtf8() +
                 ".part' '" + record.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    const QString previousDir = QDir::currentPath();
    qputenv("PATH", work.toUtf8() + ':' + path);
    QDir::setCurrent(work);
    const QString attachment = work + QStringLiteral("$(touch pwned) `touch pwned`; touch pwned.txt");
    DesktopMailComposer().compose({QStringLiteral("--utf8"), QStringLiteral("help@example.org")}, kSubject, kBody,
                                  attachment);
    qputenv("PATH", path);
    QDir::setCurrent(previousDir);

    ASSERT_TRUE(waitFor([&] { return QFile::exists(record); }));
    QFile recorded(record);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    QStringList arguments = QString::fromUtf8(recorded.readAll()).split(QChar(0));
    arguments.removeLast(); // after the last NUL
    // An address that looks like an option is dropped; addresses come last.
    EXPECT_EQ(arguments, (QStringList{QStringLiteral("--subject"), kSubject, QStringLiteral("--body"), kBody,
                                      QStringLiteral("--attach"), attachment, QStringLiteral("help@example.org")}));
    EXPECT_EQ(QDir(work).entryList(QDir::Files), (QStringList{QStringLiteral("arguments"), QStringLiteral("xdg-email")}));
    // Without a log file there is nothing to attach, not an empty path.
    EXPECT_FALSE(DesktopMailComposer::xdgEmailArguments({}, kSubject, kBody, {}).contains(QStringLiteral("--attach")));
}

// xdg-email's path (empty: not installed), whether starting it works, whether a mailto link opens.
class MailFallback : public ::testing::TestWithParam<std::tuple<QString, bool, bool>>
{
};

TEST_P(MailFallback, usesAMailtoLinkOnlyWhenXdgEmailCannotStart)
{
    const auto [xdgEmail, starts, mailto] = GetParam();
    std::vector<QUrl> opened;
    DesktopMailComposer composer(
        xdgEmail, [&, starts = starts](const QString&, const QStringList&) { return starts; },
        [&](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
    composer.compose({QStringLiteral("help@example.org")}, kSubject, kBody, QStringLiteral("/run/user/1/log.txt"));
    ASSERT_EQ(opened.size(), mailto ? 1u : 0u);
    if (mailto) {
        const QUrlQuery query(opened.front());
        EXPECT_EQ(opened.front().scheme(), QStringLiteral("mailto"));
        EXPECT_EQ(opened.front().path(), QStringLiteral("help@example.org"));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), kSubject);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), kBody);
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, MailFallback,
                         ::testing::Values(std::tuple(QStringLiteral("/usr/bin/xdg-email"), true, false),
                                           std::tuple(QStringLiteral("/usr/bin/xdg-email"), false, true),
                                           std::tuple(QString(), true, true)));

} // namespace
