// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the user's language: catalogues complete for the sources, every text whole at the
// least size in every language, and the desktop's language taken at start, mirrored where it reads
// right to left.
#include "AppTestSupport.h"
#include "PaneTestSupport.h"

#include "CustomWindow.h"
#include "Decrypt.h"
#include "Encrypt.h"
#include "Hint.h"
#include "NameLabel.h"
#include "Translations.h"
#include "ViewController.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTranslator>

namespace {

const char* const kLanguages[] = {"de", "fr", "es", "pt_BR", "it", "pl", "ru", "zh_CN", "ja", "ar"};

// ---- catalogues -----------------------------------------------------------------------------------

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(?:[1-9]|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

class Catalogue : public ::testing::TestWithParam<const char*>
{};

// lupdate over the sources as they are, on a copy: a text new in the code comes out unfinished, one
// gone from it vanished. Each is built into the program.
TEST_P(Catalogue, translatesEveryTextOfTheSourcesWithItsPlaceholders)
{
    TestEnvironment env;
    const QString language = QString::fromLatin1(GetParam());
    EXPECT_TRUE(Translations::languages().contains(language));
    const QString copy = env.root() + QStringLiteral("/lockfern_%1.ts").arg(language);
    ASSERT_TRUE(QFile::copy(QStringLiteral(LOCKFERN_CATALOGUES "/lockfern_%1.ts").arg(language), copy));
    QFile listed(QStringLiteral(LOCKFERN_TRANSLATED_SOURCES));
    ASSERT_TRUE(listed.open(QIODevice::ReadOnly));
    QStringList arguments = QString::fromUtf8(listed.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    arguments << QStringLiteral("-locations") << QStringLiteral("none") << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(LOCKFERN_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QFile updated(copy);
    ASSERT_TRUE(updated.open(QIODevice::ReadOnly));
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression form(QStringLiteral("<numerusform>(.*?)</numerusform>"));
    int messages = 0;
    for (const QRegularExpressionMatch& match : message.globalMatch(QString::fromUtf8(updated.readAll()))) {
        const std::string source = match.captured(1).toStdString();
        EXPECT_FALSE(match.captured(2).contains(QStringLiteral("type="))) << source << match.captured(2).toStdString();
        QStringList forms;
        for (const QRegularExpressionMatch& numerus : form.globalMatch(match.captured(3))) {
            forms << numerus.captured(1);
        }
        for (const QString& translation : forms.isEmpty() ? QStringList{match.captured(3)} : forms) {
            EXPECT_FALSE(translation.isEmpty()) << source;
            EXPECT_EQ(placeholders(translation), placeholders(match.captured(1))) << source << " -> "
                                                                                  << translation.toStdString();
        }
        ++messages;
    }
    EXPECT_GT(messages, 100);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, Catalogue, ::testing::ValuesIn(kLanguages));

// ---- every text whole -----------------------------------------------------------------------------

// Each text 40% longer than its English, its placeholders kept: room for the languages to come.
class LongerTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "QGuiApplication") == 0 || !source || !*source) {
            return {};
        }
        QStringList words = QString::fromUtf8(source).split(QLatin1Char(' '));
        for (QString& word : words) {
            if (!word.contains(QLatin1Char('%'))) {
                word += word.left((word.size() * 2 + 4) / 5); // its own letters, so its own widths
            }
        }
        return words.join(QLatin1Char(' '));
    }
};

// Every text on show is whole: a label's within its room, on as many lines as it wraps to; a button's
// within the button; a field's placeholder within the field.
void expectWhole(const QWidget* root, const char* state)
{
    SCOPED_TRACE(state);
    // Laid out as the next paint will be.
    for (int pass = 0; pass < 10; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    int checked = 0;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        const QFontMetricsF metrics(widget->font());
        const std::string name = widget->objectName().toStdString();
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty()) {
            const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRectF room = label->contentsRect();
            const QRectF needed = metrics.boundingRect(room, flags, label->text());
            EXPECT_TRUE(room.adjusted(-1, -1, 1, 1).contains(needed))
                << name << " \"" << label->text().toStdString() << "\" needs " << needed.width() << "×"
                << needed.height() << ", has " << room.width() << "×" << room.height();
            ++checked;
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            EXPECT_GE(room.width() + 1, metrics.horizontalAdvance(button->text()))
                << name << " \"" << button->text().toStdString() << "\"";
            ++checked;
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget);
                   field && field->text().isEmpty() && !field->placeholderText().isEmpty()) {
            // Less its margins, the two pixels Qt keeps each side, and the icons in it.
            int room = field->contentsRect().width() - field->textMargins().left() - field->textMargins().right() - 4;
            for (const QWidget* icon : field->findChildren<QWidget*>()) {
                room -= icon->isVisible() ? icon->width() : 0;
            }
            EXPECT_GE(room + 1, metrics.horizontalAdvance(field->placeholderText()))
                << name << " \"" << field->placeholderText().toStdString() << "\"";
        }
    }
    EXPECT_GT(checked, 2);
}

// A password for each line under the field, from "less than a second" to "more than a million years",
// and each level.
const char* const kPasswords[] = {"a",         "Hj7k",       "kqzpwv",     "Hj7kQ2",         "zxkqwpvb",
                                  "xkqzpwvbt", "qzxkwvpbtm", "Hj7kQ2zxPv", "Hj7kQ2zxPv9wRt4"};
const std::string kLongName = "Quarterly report for the board of directors, final version 3.pdf";
const std::string kHint = "the name of the street we lived on in the year our first child was born";

class EveryLanguage : public ::testing::TestWithParam<std::string>
{
public:
    void SetUp() override
    {
        if (GetParam() == "pseudo") {
            QCoreApplication::installTranslator(&m_longer);
        } else if (GetParam() != "en") {
            ASSERT_TRUE(Translations::install(QLocale(QString::fromStdString(GetParam()))));
        }
        m_services.fileChooser = m_chooser;
        m_services.fileBrowser = std::make_shared<RecordingBrowser>();
        m_services.packageMarker = std::make_shared<RecordingMarker>();
        m_services.capsLock = m_capsLock;
        m_view = new ViewController(m_services);
        m_window.setMainView(m_view);
        m_window.resize(m_window.minimumSize());
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
    void TearDown() override
    {
        m_window.closeWithoutAsking();
        QCoreApplication::removeTranslator(&m_longer);
        Translations::install(QLocale::c());
    }

    template <typename W = QWidget> W* find(const char* name) const { return child<W>(&m_window, name); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void choose(const std::vector<std::string>& paths, char pane)
    {
        m_chooser->next = {FileChooser::Response::Ok, {}};
        for (const std::string& path : paths) {
            m_chooser->next.paths.emplace_back(path);
        }
        click(pane == 'E' ? "chooseE" : "chooseD");
    }
    void type(const char* field, const std::string& text)
    {
        find<QLineEdit>(field)->setText(QString());
        QTest::keyClicks(find(field), QString::fromStdString(text));
    }
    bool waitIdle() { return QTest::qWaitFor([this] { return !m_view->isBusy(); }, 60000); }
    BackgroundRun* runOf(char pane) const
    {
        const QObject* owner = pane == 'E' ? static_cast<QObject*>(m_window.findChild<Encrypt*>())
                                           : static_cast<QObject*>(m_window.findChild<Decrypt*>());
        return owner->findChild<BackgroundRun*>();
    }
    // A run held at its first report, with the longest line of which item runs, speed and time left.
    void holdRun(char pane)
    {
        runOf(pane)->setFirstProgressHook([](const std::atomic<bool>& cancel) { waitUntilCancelled(cancel); });
        click(pane == 'E' ? "serviceE" : "serviceD");
        find<QLabel>(pane == 'E' ? "rateE" : "rateD")
            ->setText(BackgroundRun::itemText(12, 34, BackgroundRun::rateText(250'000'000, 1'000'000'000'000, 4000)));
    }
    void cancelRun(char pane)
    {
        click(pane == 'E' ? "cancelE" : "cancelD");
        ASSERT_TRUE(waitIdle());
        runOf(pane)->setFirstProgressHook({});
    }

    TestEnvironment env;
    std::shared_ptr<ScriptedChooser> m_chooser = std::make_shared<ScriptedChooser>();
    std::shared_ptr<ScriptedCapsLock> m_capsLock = std::make_shared<ScriptedCapsLock>();
    Services m_services;
    LongerTranslator m_longer;
    CustomWindow m_window;
    ViewController* m_view = nullptr;
};

TEST_P(EveryLanguage, showsEveryTextWholeAtTheLeastSize)
{
    EXPECT_EQ(m_window.size(), QSize(560, 420)) << "the least size holds every text";
    EXPECT_EQ(m_window.layoutDirection(), GetParam() == "ar" ? Qt::RightToLeft : Qt::LeftToRight);
    expectWhole(&m_window, "main view");
    const std::string file = env.file(kLongName, std::string(4096, 'x'));

    m_view->encrypt();
    expectWhole(&m_window, "encrypt pane");
    click("serviceE");
    expectWhole(&m_window, "no file");
    choose({env.work() + "missing.txt"}, 'E');
    expectWhole(&m_window, "a problem");
    env.file("taken.txt", "t");
    std::filesystem::create_directory(env.work() + "taken.txt.lockfern");
    choose({env.work() + "taken.txt"}, 'E');
    expectWhole(&m_window, "a package of its name is there");
    choose({env.work() + "taken.txt.lockfern"}, 'E');
    expectWhole(&m_window, "already encrypted");
    choose({file}, 'E');
    for (const char* password : kPasswords) {
        type("passwordE", password);
        type("repeatPasswordE", password);
        expectWhole(&m_window, password);
    }
    m_capsLock->on = true;
    QTest::keyClick(find("passwordE"), Qt::Key_Shift);
    expectWhole(&m_window, "Caps Lock");
    m_capsLock->on = false;
    type("repeatPasswordE", "other");
    click("serviceE");
    expectWhole(&m_window, "passwords differ");
    type("repeatPasswordE", kPasswords[0]);

    click("hintButtonE");
    auto* hint = m_window.findChild<Hint*>();
    ASSERT_NE(hint, nullptr);
    expectWhole(hint, "hint dialog");
    QTest::keyClicks(hint->findChild<QLineEdit*>(QStringLiteral("hint")), QString::fromStdString(kHint));
    QTest::mouseClick(hint->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
    expectWhole(&m_window, "hint given");

    holdRun('E');
    expectWhole(&m_window, "encrypting");
    cancelRun('E');
    expectWhole(&m_window, "encryption cancelled");
    click("serviceE");
    ASSERT_TRUE(waitIdle());
    expectWhole(&m_window, "encrypted");
    const std::string package = file + ".lockfern";

    auto* detail = find<NameLabel>("detailE");
    for (const Messages::Reason reason :
         {Messages::Reason::Unknown, Messages::Reason::NameTaken, Messages::Reason::ReadOnlyFolder,
          Messages::Reason::FolderNotWritable, Messages::Reason::NoSpace, Messages::Reason::SourceChanged,
          Messages::Reason::SourceUnreadable, Messages::Reason::DamagedArchive}) {
        detail->setSentence(Messages::explain({reason, QString::fromStdString(kLongName), QStringLiteral("Documents"),
                                               4'400'000'000'000}));
        expectWhole(&m_window, "why a run failed");
    }

    // Several at once: what was chosen, and after the run what happened to each and how many.
    choose({file, env.work() + "taken.txt.lockfern", env.file(kLongName + ".txt", "n")}, 'E');
    expectWhole(&m_window, "several chosen");
    type("passwordE", kPasswords[0]);
    type("repeatPasswordE", kPasswords[0]);
    click("serviceE");
    ASSERT_TRUE(waitIdle());
    expectWhole(&m_window, "several done");

    m_view->back();
    m_view->decrypt();
    expectWhole(&m_window, "decrypt pane");
    click("serviceD");
    expectWhole(&m_window, "no package");
    choose({env.work() + "taken.txt"}, 'D');
    expectWhole(&m_window, "not encrypted");
    writeFileBytes(package + "/hint.lockfern", kHint);
    choose({package}, 'D');
    expectWhole(&m_window, "package with a hint");
    type("passwordD", "wrong");
    click("serviceD");
    ASSERT_TRUE(waitIdle());
    expectWhole(&m_window, "wrong password");
    type("passwordD", kPasswords[0]);
    holdRun('D');
    expectWhole(&m_window, "decrypting");
    cancelRun('D');
    std::filesystem::remove(file);
    for (const char* state : {"decrypted", "already there"}) {
        choose({package}, 'D');
        type("passwordD", kPasswords[0]);
        click("serviceD");
        ASSERT_TRUE(waitIdle());
        expectWhole(&m_window, state);
    }
    const std::string other = env.work() + "Other.lockfern";
    std::filesystem::copy(package, other, std::filesystem::copy_options::recursive);
    writeFileBytes(other + "/hint.lockfern", "another hint");
    choose({package, other}, 'D');
    expectWhole(&m_window, "several packages, their own hints");

    m_view->back();
    m_view->about();
    expectWhole(&m_window, "about pane");
    m_view->getLog();
    auto* sendLog = m_window.findChild<QDialog*>(QStringLiteral("sendLog"));
    ASSERT_NE(sendLog, nullptr);
    expectWhole(sendLog, "send log");
    sendLog->reject();
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, EveryLanguage,
                         ::testing::Values("en", "pseudo", "de", "fr", "es", "pt_BR", "it", "pl", "ru", "zh_CN",
                                           "ja", "ar"));

// ---- the desktop's language -----------------------------------------------------------------------

struct Expected
{
    const char* language;
    const char* encrypt;
    const char* decrypt;
    bool mirrored;
};
const Expected kStarts[] = {{"de", "Datei verschlüsseln…", "Paket entschlüsseln…", false},
                            {"ar", "تشفير ملف…", "فك تشفير حزمة…", true}};

// Started as main() starts, in the language of LANG, which ctest sets for this test alone.
TEST(StartsInTheDesktopsLanguage, withItsEntryButtonsAndItsDirection)
{
    const QString language = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    const auto expected = std::find_if(std::begin(kStarts), std::end(kStarts),
                                       [&](const Expected& e) { return language == QLatin1String(e.language); });
    ASSERT_NE(expected, std::end(kStarts)) << "LANG is " << qgetenv("LANG").toStdString();
    TestEnvironment env;
    ASSERT_TRUE(Translations::install(QLocale::system()));
    CustomWindow window;
    auto* view = new ViewController(Services{});
    window.setMainView(view);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const auto* encrypt = child<QPushButton>(&window, "eService");
    const auto* decrypt = child<QPushButton>(&window, "dService");
    EXPECT_EQ(encrypt->text(), QString::fromUtf8(expected->encrypt));
    EXPECT_EQ(decrypt->text(), QString::fromUtf8(expected->decrypt));
    // Read in the language's direction: the first entry, Encrypt, and Back at its start.
    const auto x = [&window](const char* name) { return child(&window, name)->mapTo(&window, QPoint()).x(); };
    EXPECT_EQ(x("eService") > x("dService"), expected->mirrored);
    EXPECT_EQ(x("aboutButton") > x("logButton"), expected->mirrored);
    view->encrypt();
    EXPECT_EQ(x("chooseE") > x("fileNameE"), expected->mirrored);
    EXPECT_EQ(x("passwordLabelE") > x("passwordE"), expected->mirrored);
    EXPECT_EQ(x("bService") > x("titleE"), expected->mirrored);
    window.closeWithoutAsking();
}

} // namespace
