// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A headless pane of the main view in a stand-in container, with a scripted file chooser and a
// recording file browser. Child names are given without the pane's letter: "choose" is chooseE.

#include "BackgroundRun.h"
#include "Services.h"
#include "TestEnvironment.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

class ScriptedChooser : public FileChooser
{
public:
    Result next; // the answer to the next question only
    std::vector<Options> seen;

    Result choose(QWidget*, const Options& options) override
    {
        seen.push_back(options);
        return std::exchange(next, Result{});
    }
};

class RecordingBrowser : public FileBrowser
{
public:
    std::vector<QString> revealed;
    void reveal(const QString& path) override { revealed.push_back(path); }
};

// Table rows print as their label in failure messages; a test file's own namespace takes it in
// with `using ::operator<<`.
template <typename Row>
    requires requires(const Row& row) { row.label; }
std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << row.label;
}

// Names that read as markup, and one with a line break; a "/" makes folders, as an unpacked archive
// can. Wherever a name or a path is shown, it must read exactly as it is.
inline const char* const kHostileNames[] = {"<font size=7>x", "<img src=\"/dev/zero\">.txt", "<b>bold</b>.md",
                                            "a&amp;b &lt;i&gt;", "two\nlines<br>.txt"};

// The label shows `text` and its tool tip `toolTip` as the characters they are: the label as plain
// text, the tool tip as Qt renders it, which is as rich text whenever it looks like markup.
inline void expectShownAsIs(const QLabel* label, const QString& text, const QString& toolTip = {})
{
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), text);
    QString tip = label->toolTip();
    if (Qt::mightBeRichText(tip)) {
        QTextDocument document;
        document.setHtml(tip);
        tip = document.toPlainText();
    }
    EXPECT_EQ(tip, toolTip);
}

// Expected log lines with a placeholder such as "{P}" replaced by a path known only at run time.
inline std::vector<std::string> withPath(std::vector<std::string> lines, const std::string& placeholder,
                                         const std::string& path)
{
    for (auto& line : lines) {
        if (const auto at = line.find(placeholder); at != std::string::npos) {
            line.replace(at, placeholder.size(), path);
        }
    }
    return lines;
}

// Makes a folder refuse new entries: permissions for ordinary users, the immutable flag for root
// (which permissions do not stop). False when neither is possible here.
inline bool lockFolder(const std::string& path, bool locked)
{
    namespace fs = std::filesystem;
    if (::geteuid() != 0) {
        fs::permissions(path, locked ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
        return true;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = locked ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

template <typename Pane, char Letter> class PaneTest : public ::testing::Test
{
public:
    PaneTest()
    {

        Services services;
        services.fileChooser = chooser;
        services.fileBrowser = browser;
        pane = new Pane(services, &container);
        container.resize(480, 380);
    }
    void SetUp() override { container.show(); }
    void TearDown() override
    {
        if (m_locked) {
            lockFolder(env.work(), false);
        }
    }
    // The work folder takes no new entries until the test ends.
    bool lockWork() { return m_locked = lockFolder(env.work(), true); }

    template <typename W = QWidget> W* child(const char* name) const
    {
        W* found = pane->template findChild<W*>(QString::fromLatin1(name) + QLatin1Char(Letter));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString status() const { return child<QLabel>("placeholder")->text(); }
    // What a screen reader reads for the widget. Qt announces a label's new text only when its name
    // is not fixed, so this is also what it hears when the text changes.
    QString spoken(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(child(name))->text(QAccessible::Name);
    }
    // The status line and the line under it as they are shown, and as they are announced: a
    // notification, whatever has the focus, with the line under it as its description. Where the
    // focus went.
    void expectOutcome(const QString& status, const char* detail, const char* focus) const
    {
        EXPECT_EQ(spoken("placeholder"), status);
        EXPECT_EQ(child("detail")->isHidden() ? "" : spoken("detail").toStdString(), detail);
        const QWidget* line = child("placeholder");
        QAccessibleInterface* announced =
            QAccessible::queryAccessibleInterface(line->findChild<QWidget*>(QStringLiteral("announcer")));
        ASSERT_NE(announced, nullptr);
        EXPECT_EQ(announced->role(), QAccessible::Notification);
        EXPECT_EQ(announced->text(QAccessible::Name), status);
        EXPECT_EQ(announced->text(QAccessible::Description).toStdString(), detail);
        if (*focus) {
            EXPECT_EQ(pane->focusWidget(), child(focus)) << "the focus is on " << focus;
        }
    }

    QString typed() const { return child<QLineEdit>("password")->text(); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void reshow()
    {
        container.hide();
        container.show();
    }

    // Key by key as a user would; QTest::keyClicks knows only ASCII.
    static void typeInto(QWidget* field, const std::string& text)
    {
        for (const QChar ch : QString::fromStdString(text)) {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
    void type(const std::string& text) { typeInto(child("password"), text); }
    void retype(const std::string& text)
    {
        child<QLineEdit>("password")->clear();
        type(text);
    }

    void choose(const std::optional<std::string>& path, FileChooser::Response response = FileChooser::Response::Ok)
    {
        chooser->next = {response, path ? std::optional(QString::fromStdString(*path)) : std::nullopt};
        click("choose");
    }

    bool waitIdle() { return QTest::qWaitFor([this] { return !pane->isBusy(); }, 120000); }
    // Runs from what is chosen and typed, held at the first progress report, and cancels by the Cancel
    // button, then as closing the window does, without the event loop: nothing is left, it is said
    // once (the worker's own late report must not count again), and the pane is as it was.
    void expectCancelledBothWays(const std::string& line, const char* busy, const char* after)
    {
        const auto before = snapshot(env.work());
        const QString password = typed();
        pane->template findChild<BackgroundRun*>()->setFirstProgressHook(
            [](const std::atomic<bool>& cancel) { waitUntilCancelled(cancel); });
        for (const bool byButton : {true, false}) {
            SCOPED_TRACE(byButton ? "button" : "cancelAndWait");
            const auto mark = logMark();
            click("service");
            ASSERT_TRUE(pane->isBusy());
            EXPECT_FALSE(child("password")->isEnabled());
            EXPECT_FALSE(child("service")->isEnabled());
            EXPECT_EQ(shown(), busy);
            if (byButton) {
                click("cancel");
                ASSERT_TRUE(waitIdle());
            } else {
                pane->cancelAndWait();
                QCoreApplication::sendPostedEvents();
            }
            EXPECT_FALSE(pane->isBusy());
            EXPECT_EQ(snapshot(env.work()), before);
            EXPECT_EQ(status(), QStringLiteral("Cancelled."));
            EXPECT_EQ(logSince(mark), std::vector<std::string>{line});
            EXPECT_EQ(typed(), password);
            EXPECT_TRUE(child("password")->isEnabled());
            EXPECT_TRUE(child("service")->isEnabled());
            EXPECT_EQ(shown(), after);
        }
    }

    // Which of the pane's state widgets are on show, as one comparable line.
    std::string shown() const
    {
        std::string names;
        for (const char* name : {"checkMark", "hint", "placeholder", "detail", "progress", "cancel", "sService"}) {
            const auto* widget = pane->template findChild<QWidget*>(QString::fromLatin1(name) + QLatin1Char(Letter));
            if (widget && !widget->isHidden()) {
                names += names.empty() ? name : std::string(" ") + name;
            }
        }
        return names;
    }

    std::size_t logMark() const { return env.logMessages().size(); }
    std::vector<std::string> logSince(std::size_t mark) const
    {
        const auto lines = env.logMessages();
        return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(mark, lines.size())), lines.end()};
    }

    TestEnvironment env;
    std::shared_ptr<ScriptedChooser> chooser = std::make_shared<ScriptedChooser>();
    std::shared_ptr<RecordingBrowser> browser = std::make_shared<RecordingBrowser>();
    QWidget container; // stands in for the main view's pane holder
    Pane* pane = nullptr;

private:
    bool m_locked = false;
};
