// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "DesktopServices.h"
#include "SingleInstance.h"

#include <QDir>
#include <QUrlQuery>

namespace {

struct MailCase
{
    const char* name;
    QString xdgEmail;      // empty: not installed
    bool starts;           // whether starting xdg-email works
    QString attachment;
    QStringList expectedArguments; // empty: xdg-email not started
    bool expectMailto;
};

class MailComposerCases : public ::testing::TestWithParam<MailCase>
{
};

TEST_P(MailComposerCases, picksXdgEmailOrFallsBackToMailto)
{
    QString startedProgram;
    QStringList startedArguments;
    std::vector<QUrl> opened;
    DesktopMailComposer composer(
        GetParam().xdgEmail,
        [&](const QString& program, const QStringList& arguments) {
            startedProgram = program;
            startedArguments = arguments;
            return GetParam().starts;
        },
        [&](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
    composer.compose({QStringLiteral("help@example.org")}, QStringLiteral("Lockfern Version 1.0 (1) Support"),
                     QStringLiteral("Type here"), GetParam().attachment);

    EXPECT_EQ(startedArguments, GetParam().expectedArguments);
    if (!GetParam().expectedArguments.isEmpty()) {
        EXPECT_EQ(startedProgram, GetParam().xdgEmail);
    }
    ASSERT_EQ(opened.size(), GetParam().expectMailto ? 1u : 0u);
    if (GetParam().expectMailto) {
        const QUrl& url = opened.front();
        EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
        EXPECT_EQ(url.path(), QStringLiteral("help@example.org"));
        const QUrlQuery query(url);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                  QStringLiteral("Lockfern Version 1.0 (1) Support"));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("Type here"));
    }
}

const QStringList kWithAttachment = {QStringLiteral("--subject"), QStringLiteral("Lockfern Version 1.0 (1) Support"),
                                     QStringLiteral("--body"),    QStringLiteral("Type here"),
                                     QStringLiteral("--attach"),  QStringLiteral("/run/user/1/logLockfern.txt"),
                                     QStringLiteral("help@example.org")};
const QStringList kWithoutAttachment = {QStringLiteral("--subject"), QStringLiteral("Lockfern Version 1.0 (1) Support"),
                                        QStringLiteral("--body"), QStringLiteral("Type here"),
                                        QStringLiteral("help@example.org")};

INSTANTIATE_TEST_SUITE_P(
    Desktops, MailComposerCases,
    ::testing::Values(
        MailCase{"xdgEmail", QStringLiteral("/usr/bin/xdg-email"), true,
                 QStringLiteral("/run/user/1/logLockfern.txt"), kWithAttachment, false},
        MailCase{"noAttachment", QStringLiteral("/usr/bin/xdg-email"), true, QString(), kWithoutAttachment, false},
        MailCase{"xdgEmailFails", QStringLiteral("/usr/bin/xdg-email"), false,
                 QStringLiteral("/run/user/1/logLockfern.txt"), kWithAttachment, true},
        MailCase{"noXdgEmail", QString(), true, QStringLiteral("/run/user/1/logLockfern.txt"), QStringList(), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MailComposerArguments, anAddressThatLooksLikeAnOptionIsNeverPassed)
{
    const QStringList arguments = DesktopMailComposer::xdgEmailArguments(
        {QStringLiteral("--utf8"), QStringLiteral("help@example.org")}, QStringLiteral("S"), QStringLiteral("B"), {});
    EXPECT_FALSE(arguments.contains(QStringLiteral("--utf8")));
    EXPECT_EQ(arguments.last(), QStringLiteral("help@example.org"));
}

// --- What a running instance accepts from a second start ---

struct PathCase
{
    const char* name;
    std::function<QString(const QString& work)> path;
    bool accepted;
};

class ForwardedPaths : public ::testing::TestWithParam<PathCase>
{
protected:
    TestEnvironment env;
};

TEST_P(ForwardedPaths, onlyAbsoluteExistingPathsAreTaken)
{
    const QString work = QString::fromStdString(env.work());
    QDir().mkpath(work + QStringLiteral("report.lockfern"));
    EXPECT_EQ(SingleInstance::isAcceptablePath(GetParam().path(work)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ForwardedPaths,
    ::testing::Values(
        PathCase{"existingPackage", [](const QString& w) -> QString { return w + QStringLiteral("report.lockfern"); }, true},
        PathCase{"justRaise", [](const QString&) -> QString { return QString(); }, true},
        PathCase{"missing", [](const QString& w) -> QString { return w + QStringLiteral("gone.lockfern"); }, false},
        PathCase{"relative", [](const QString&) -> QString { return QStringLiteral("report.lockfern"); }, false},
        PathCase{"embeddedNul",
                 [](const QString& w) {
                     QString path = w;
                     path.append(QStringLiteral("report.lockfern")).append(QChar(0)).append(QStringLiteral("x"));
                     return path;
                 },
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SingleInstanceMessage, isALengthPrefixedUtf8Path)
{
    const QByteArray message = SingleInstance::encode(QStringLiteral("/tmp/é"));
    EXPECT_EQ(message, QByteArray("\x00\x00\x00\x07/tmp/\xc3\xa9", 11));
}

} // namespace
