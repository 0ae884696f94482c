// SPDX-License-Identifier: GPL-3.0-or-later
// What both panes are built from, tested once: the background run, the theme's contrast, names that fit.
#include "BackgroundRun.h"
#include "DesktopServices.h"
#include "ItemList.h"
#include "MaskedAccessibility.h"
#include "ResultRows.h"
#include "StatusLine.h"
#include "NameLabel.h"
#include "PasswordField.h"
#include "TestEnvironment.h"
#include "Theme.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// ---- the background run ---------------------------------------------------------------------------

TEST(RateText, saysSpeedAndTimeLeftOnceARunHasLastedASecond)
{
    using Rate = std::tuple<std::int64_t, std::int64_t, std::int64_t, const char*>; // done, total, elapsed ms, text
    for (const auto& [done, total, elapsedMs, text] :
         {Rate{5'000'000, 10'000'000, 999, ""}, Rate{0, 10'000'000, 5000, ""}, Rate{11, 10, 5000, ""},
          Rate{5'000'000, 10'000'000, 1000, "5.0 MB/s · 1 s left"},
          Rate{1'250'000, 100'000'000, 2000, "625.0 kB/s · 2 min 38 s left"},
          Rate{99'000'000, 100'000'000, 1000, "99.0 MB/s · 1 s left"}}) {
        EXPECT_EQ(BackgroundRun::rateText(done, total, elapsedMs).toStdString(), text) << done;
    }
    // Which item runs comes first, and only when there are several.
    using Item = std::tuple<int, int, const char*, const char*>; // item, count, rate, text
    for (const auto& [item, count, rate, text] :
         {Item{3, 12, "", "3 of 12"}, Item{3, 12, "5.0 MB/s · 1 s left", "3 of 12 · 5.0 MB/s · 1 s left"},
          Item{1, 1, "5.0 MB/s · 1 s left", "5.0 MB/s · 1 s left"}, Item{0, 0, "", ""}}) {
        EXPECT_EQ(BackgroundRun::itemText(item, count, QString::fromUtf8(rate)).toStdString(), text) << item;
    }
}

class Run : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        window.show();
    }
    // A job a quarter done that waits there for Cancel and then ends as 2, or throws.
    void start(BackgroundRun& on, bool throws = false)
    {
        on.setFirstProgressHook(waitUntilCancelled);
        on.start<int>(
            [throws](const RunControl& control) {
                throws ? throw std::runtime_error("the job failed") : control.progress(1, 4);
                return control.cancel->load() ? 2 : 1;
            },
            [this](const int& result) { results.push_back(result); });
    }
    bool ended() const { return QTest::qWaitFor([this] { return !run.isRunning(); }, 10000); }

    QWidget window;
    QProgressBar* bar = new QProgressBar(&window);
    QPushButton* cancel = new QPushButton(&window);
    QLabel* rate = new QLabel(&window);
    BackgroundRun run{bar, cancel, rate};
    std::vector<int> results;
};

TEST_F(Run, showsProgressWhileTheWindowStaysResponsiveAndCancelsByTheButton)
{
    QSignalSpy running(&run, &BackgroundRun::runningChanged);
    start(run);
    EXPECT_TRUE(run.isRunning());
    EXPECT_TRUE(bar->isVisible() && cancel->isVisible());
    // Only the event loop's poll turns the busy bar into a share of the job.
    EXPECT_TRUE(QTest::qWaitFor([this] { return bar->maximum() == 1000 && bar->value() == 250; }, 10000));
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(cancel->isEnabled());
    ASSERT_TRUE(ended());
    EXPECT_EQ(results, std::vector<int>{2});
    EXPECT_FALSE(bar->isVisible() || cancel->isVisible() || rate->isVisible());
    EXPECT_EQ(running.count(), 2);
}

TEST_F(Run, aJobThatThrowsEndsAsADefaultResult)
{
    start(run, true);
    ASSERT_TRUE(ended());
    EXPECT_EQ(results, std::vector<int>{0});
}

TEST_F(Run, goingAwayMidRunCancelsAndReportsNothing)
{
    auto early = std::make_unique<BackgroundRun>(bar, cancel, rate);
    start(*early);
    early.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(results.empty());
}

// ---- the list of several items -------------------------------------------------------------------

// A row an item, in item order, with its mark and what a screen reader reads; an entry a folder's
// packing left out under it. The run is told by its first cancelled item, else its first failed one.
TEST(ItemListResults, listsEachItemAndTellsTheRunByItsFirstCancelThenItsFirstFailure)
{
    using Workflows::Outcome;
    using Messages::Message;
    const auto report = [](Outcome outcome, Message message, const char* detail, QStringList lines = {}) {
        Workflows::RunReport r;
        r.outcome = outcome;
        r.message = message;
        r.detail = {QString::fromUtf8(detail), {}};
        r.lines = std::move(lines);
        return r;
    };
    std::vector<Workflows::RunReport> reports{
        report(Outcome::Success, Message::Succeeded, "Saved as A.lockfern", {QStringLiteral("success!")}),
        report(Outcome::Failed, Message::EncryptFailed, "b.txt can't be read any more."),
        report(Outcome::Cancelled, Message::EncryptCancelled, "", {QStringLiteral("encryption cancelled")}),
        report(Outcome::Cancelled, Message::EncryptCancelled, "")};
    reports[0].skipped = {"in/pipe"};
    std::vector<ItemList::Row> items;
    for (const char* name : {"A", "b.txt", "c.txt", "d.txt"}) {
        items.push_back(ItemList::Row::of(Path(std::string("/w/") + name), QString()));
    }
    ItemList list;
    const ItemList::Tally tally = list.showResults(items, reports);
    EXPECT_EQ(std::tuple(tally.saved, tally.failed, tally.notDone), std::tuple(1, 1, 2));
    EXPECT_EQ(tally.decisive, &reports[2]);
    std::vector<std::string> rows;
    for (QTreeWidgetItemIterator it(&list); *it; ++it) {
        rows.push_back(std::to_string((*it)->data(0, Qt::UserRole).toInt()) + " " + (*it)->text(0).toStdString() + ": " +
                       (*it)->data(1, Qt::AccessibleTextRole).toString().toStdString());
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "1 A: Saved as A.lockfern",
                        "2 in/pipe: Left out in/pipe: only files, folders and links inside the folder are kept.",
                        "3 b.txt: An error occured while encrypting. b.txt can't be read any more.",
                        "0 c.txt: Cancelled.", "0 d.txt: Not started."}));
    reports.resize(2);
    EXPECT_EQ(list.showResults(items, reports).decisive, &reports[1]);
    reports.resize(1);
    EXPECT_EQ(list.showResults(items, reports).decisive, nullptr);
}

// The status line, the line under it and the progress row keep their spacing, with or without the list
// that takes the middle one's place in a run of several, and come back to their height after it.
TEST(ResultRowsLayout, keepTheirSpacingAndComeBackAfterTheList)
{
    ResultRows rows(QLatin1Char('X'), {}, nullptr);
    rows.reveal()->show();
    const int height = rows.minimumSizeHint().height();
    EXPECT_GE(height, rows.status()->minimumHeight() + rows.detail()->minimumHeight() +
                          rows.reveal()->sizeHint().height() + 2 * 4);
    rows.setSeveral(true);
    EXPECT_GE(rows.minimumSizeHint().height(), rows.status()->minimumHeight() + rows.items()->minimumSizeHint().height() +
                                                   rows.reveal()->sizeHint().height() + 2 * 3);
    rows.setSeveral(false);
    EXPECT_EQ(rows.minimumSizeHint().height(), height);
}

// ---- the theme ------------------------------------------------------------------------------------

double luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

QColor over(const QColor& top, const QColor& under)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + under.redF() * (1 - a), top.greenF() * a + under.greenF() * (1 - a),
                            top.blueF() * a + under.blueF() * (1 - a));
}

// WCAG 2.1 contrast of a text colour over a fill, both seen over the background.
double contrast(const QColor& text, const QColor& fill, const QColor& background)
{
    const QColor under = over(fill, background);
    const double a = luminance(over(text, under)), b = luminance(under);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

struct Pair
{
    const char* label;
    QColor Theme::Palette::*text;
    QColor Theme::Palette::*fill; // nullptr: straight on the background
    double least = 4.5;           // text; 3 for a ring, a mark or a tick (WCAG 2.1 non-text contrast)
};

const Pair kPairs[] = {
    {"labels", &Theme::Palette::text, nullptr},
    {"primary button", &Theme::Palette::primaryText, &Theme::Palette::primaryFill},
    {"primary button, hovered", &Theme::Palette::primaryText, &Theme::Palette::primaryHover},
    {"primary button, pressed", &Theme::Palette::primaryText, &Theme::Palette::primaryPressed},
    {"secondary and pill buttons", &Theme::Palette::secondaryText, &Theme::Palette::secondaryTint},
    {"secondary, hovered", &Theme::Palette::secondaryText, &Theme::Palette::secondaryHoverTint},
    {"secondary, pressed", &Theme::Palette::secondaryText, &Theme::Palette::secondaryPressedTint},
    {"field text", &Theme::Palette::fieldText, &Theme::Palette::fieldFill},
    {"field placeholder", &Theme::Palette::fieldPlaceholder, &Theme::Palette::fieldFill},
    {"a failure's text", &Theme::Palette::failure, nullptr},
    {"the list of several items", &Theme::Palette::text, &Theme::Palette::fieldFill},
    {"a failure's line in that list", &Theme::Palette::failure, &Theme::Palette::fieldFill},
    {"its current row", &Theme::Palette::text, &Theme::Palette::secondaryPressedTint},
    // The focus ring against the fill it rings and against what is around it.
    {"focus ring around", &Theme::Palette::focus, nullptr, 3},
    {"focus ring on a primary button", &Theme::Palette::focus, &Theme::Palette::primaryFill, 3},
    {"focus ring on a hovered primary button", &Theme::Palette::focus, &Theme::Palette::primaryHover, 3},
    {"focus ring on a secondary button", &Theme::Palette::focus, &Theme::Palette::secondaryTint, 3},
    {"focus ring on a field", &Theme::Palette::focus, &Theme::Palette::fieldFill, 3},
    {"theme switch's tick", &Theme::Palette::checkTick, &Theme::Palette::checkBox, 3},
    {"failure mark", &Theme::Palette::failure, nullptr, 3},
    {"warning mark", &Theme::Palette::warning, nullptr, 3},
    {"success mark", &Theme::Palette::success, nullptr, 3},
    {"sign in a failure mark", &Theme::Palette::markInk, &Theme::Palette::failure, 3},
    {"sign in a warning mark", &Theme::Palette::markInk, &Theme::Palette::warning, 3},
    {"sign in a success mark", &Theme::Palette::markInk, &Theme::Palette::success, 3},
};

TEST(Contrast, everyTextReadsAtFourAndAHalfToOneAndEveryRingMarkAndTickStandsOutAtThreeInBothThemes)
{
    for (const bool dark : {false, true}) {
        const Theme::Palette& p = Theme::palette(dark);
        for (const Pair& pair : kPairs) {
            for (const QColor& background : {p.backgroundTop, p.backgroundBottom}) {
                const QColor fill = pair.fill ? p.*pair.fill : QColor(Qt::transparent);
                EXPECT_GE(contrast(p.*pair.text, fill, background), pair.least)
                    << pair.label << (dark ? ", dark" : ", white");
            }
        }
    }
}

// ---- names --------------------------------------------------------------------------------------

// Shown as typed, never as markup, and shortened in the middle so that its end stays whole in
// whatever font the desktop gives; a screen reader gets all of it. In a sentence only the names are
// shortened: its words stay whole, on two lines when one can't hold them.
TEST(NameLabelFit, keepsBothEndsAndFitsItsWidthInEveryFontSize)
{
    NameLabel label, sentence;
    label.resize(220, 30);
    sentence.resize(360, 60);
    label.show();
    sentence.show();
    for (qreal points = 7; points <= 14; points += 0.5) {
        QFont font = label.font();
        font.setPointSizeF(points);
        label.setFont(font);
        sentence.setFont(font);
        for (const QString& name : {QStringLiteral("<h1>mmmmmmmmmmmmmmmmmmmmmmmmmmmmmm final.pdf"),
                                    QStringLiteral("<h1>quarterly report of the garden and greenhouse final.pdf")}) {
            label.setName(name);
            const QString shown = label.text();
            SCOPED_TRACE(std::to_string(points) + " pt: " + shown.toStdString());
            EXPECT_EQ(label.textFormat(), Qt::PlainText);
            EXPECT_TRUE(shown.startsWith(QStringLiteral("<h1>")));
            EXPECT_TRUE(shown.endsWith(QStringLiteral(".pdf")));
            EXPECT_LE(QFontMetricsF(label.font()).horizontalAdvance(shown), label.contentsRect().width());
            EXPECT_EQ(label.accessibleName(), name);

            const Messages::Sentence saved =
                Messages::destination(Messages::Destination::SavedBesideSource, {name, name});
            sentence.setSentence(saved);
            const QString said = sentence.text();
            EXPECT_TRUE(said.startsWith(QStringLiteral("Saved as <h1>"))) << said.toStdString();
            EXPECT_TRUE(said.contains(QStringLiteral(".pdf. <h1>"))) << said.toStdString();
            EXPECT_TRUE(said.endsWith(QStringLiteral(".pdf is still there, unencrypted."))) << said.toStdString();
            EXPECT_TRUE(sentence.wordWrap() ||
                        QFontMetricsF(font).horizontalAdvance(said) <= sentence.contentsRect().width());
            EXPECT_EQ(sentence.accessibleName(), saved.text());
        }
    }
}

// ---- password fields -------------------------------------------------------------------------------

// Where the platform keeps Caps Lock to itself, the keys tell it: the keys pressed in each row, and
// what Caps Lock is then taken to be.
TEST(CapsLockGuessing, readsTheLettersCaseAgainstShiftAndTheKeyItself)
{
    struct Key
    {
        Qt::Key key;
        const char* text;
        bool shift = false;
        bool repeated = false;
    };
    const Key a{Qt::Key_A, "a"}, A{Qt::Key_A, "A"}, shiftA{Qt::Key_A, "A", true}, shiftLowA{Qt::Key_A, "a", true},
        eAcute{Qt::Key_Eacute, "\u00c9"}, digit{Qt::Key_1, "1"}, han{Qt::Key_unknown, "\u4e2d"},
        caps{Qt::Key_CapsLock, ""}, capsHeld{Qt::Key_CapsLock, "", false, true};
    using Row = std::pair<std::vector<Key>, bool>;
    for (const auto& [keys, on] :
         {Row{{}, false}, Row{{A}, true}, Row{{a}, false}, Row{{shiftA}, false}, Row{{shiftLowA}, true},
          Row{{eAcute}, true}, Row{{A, digit, han}, true}, Row{{caps}, true}, Row{{caps, capsHeld}, true},
          Row{{caps, caps}, false}, Row{{A, caps}, false}, Row{{caps, a}, false}}) {
        CapsLockGuess guess;
        std::string seen;
        for (const Key& key : keys) {
            const Qt::KeyboardModifiers modifiers = key.shift ? Qt::ShiftModifier : Qt::NoModifier;
            const QString text = QString::fromUtf8(key.text);
            guess.see(QKeyEvent(QEvent::KeyPress, key.key, modifiers, text, key.repeated));
            guess.see(QKeyEvent(QEvent::KeyRelease, key.key, modifiers, text, key.repeated));
            seen += (key.shift ? "shift+" : "") + (*key.text ? std::string(key.text) : "caps") + " ";
        }
        EXPECT_EQ(guess.isOn(), on) << seen;
    }
}

// The toggle inside the field shows and hides the text, by Alt+S from the field or by a screen
// reader's press, and is named for what a press does; a field that repeats another has none.
TEST(PasswordFieldToggle, showsAndHidesByKeyOrPressAndIsNamedForWhatItDoes)
{
    QWidget window;
    auto* field = new PasswordField(&window);
    auto* repeat = new PasswordField(&window);
    repeat->move(0, 40);
    repeat->removeToggle();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto toggles = [](const QWidget* of) {
        std::vector<QAbstractButton*> shown;
        for (QAbstractButton* button : of->findChildren<QAbstractButton*>()) {
            if (button->isVisible()) {
                shown.push_back(button);
            }
        }
        return shown;
    };
    ASSERT_EQ(toggles(field).size(), 1u);
    QAccessibleInterface* toggle = QAccessible::queryAccessibleInterface(toggles(field).front());
    EXPECT_EQ(toggle->text(QAccessible::Description), QStringLiteral("Show password (Alt+S)"));
    field->setFocus();
    for (const bool byKey : {true, false, false, true}) {
        const bool wasShown = field->isShown();
        byKey ? QTest::keyClick(field, Qt::Key_S, Qt::AltModifier)
              : toggle->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_NE(field->isShown(), wasShown) << (byKey ? "Alt+S" : "press");
        EXPECT_EQ(field->echoMode(), field->isShown() ? QLineEdit::Normal : QLineEdit::Password);
        EXPECT_EQ(toggle->text(QAccessible::Name), field->isShown() ? "Hide password" : "Show password");
    }
    EXPECT_TRUE(toggles(repeat).empty());
    repeat->setFocus();
    QTest::keyClick(repeat, Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(repeat->isShown());
}

// What a screen reader reads by word in a line edit: the words of a shown text, the whole of a masked
// one, and at the end of the text the last of them, where Qt's own answer never comes.
struct WordCase
{
    const char* text;
    bool masked;
    int offset;
    const char* word;
    int start, end;
};

TEST(LineEditWords, areReadByWordUpToTheEndAndAMaskedTextAsOne)
{
    MaskedAccessibility::install();
    const WordCase cases[] = {{"my hint", false, 7, "hint", 3, 7},   {"my hint", false, 1, "my", 0, 2},
                              {"my hint", false, 2, " ", 2, 3},      {"!!!", false, 3, "!", 2, 3},
                              {"", false, 0, "", -1, -1},            {"my hint", true, 7, "\u25cf", 0, 7}};
    for (const WordCase& c : cases) {
        QLineEdit field(QString::fromUtf8(c.text));
        field.setEchoMode(c.masked ? QLineEdit::Password : QLineEdit::Normal);
        int start = 0, end = 0;
        const QString word = QAccessible::queryAccessibleInterface(&field)->textInterface()->textAtOffset(
            c.offset, QAccessible::WordBoundary, &start, &end);
        const QChar mask = static_cast<QChar>(field.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter));
        EXPECT_EQ(word, c.masked ? QString(7, mask) : QString::fromUtf8(c.word)) << c.text << " at " << c.offset;
        EXPECT_EQ(std::pair(start, end), std::pair(c.start, c.end)) << c.text << " at " << c.offset;
    }
}

} // namespace
