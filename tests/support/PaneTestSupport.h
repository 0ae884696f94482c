// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A headless pane of the main view in a stand-in container, with a scripted file chooser and a
// recording file browser. Child names are given without the pane's letter: "choose" is chooseE.

#include "BackgroundRun.h"
#include "Services.h"
#include "TestEnvironment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

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
    std::vector<std::string> revealed; // of every request
    int requests = 0;
    void reveal(const std::vector<Path>& paths) override
    {
        ++requests;
        for (const Path& path : paths) {
            revealed.push_back(path.bytes());
        }
    }
};

class RecordingMarker : public PackageMarker
{
public:
    std::vector<std::string> marked;
    void mark(const Path& packagePath) override { marked.push_back(packagePath.bytes()); }
};

// Caps Lock as a test sets it; the keys the fields hand over are counted.
class ScriptedCapsLock : public CapsLock
{
public:
    bool on = false;
    int keys = 0;
    void keySeen(const QKeyEvent&) override { ++keys; }
    bool isOn() const override { return on; }
};

// A screen reader names a control by the words on show, its longer explanation going to the
// description: each visible button's and field's name starts with its text or its label's, without
// the signs around them ("‹ Back", "Choose File…", "Password:").
inline void expectNamedAsShown(const QWidget* root)
{
    const auto words = [](QString text) {
        text.remove(QLatin1Char('&'));
        while (!text.isEmpty() && !text.front().isLetterOrNumber()) {
            text.remove(0, 1);
        }
        while (!text.isEmpty() && !text.back().isLetterOrNumber()) {
            text.chop(1);
        }
        return text;
    };
    QHash<const QWidget*, QString> labels;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        labels.insert(label->buddy(), label->text());
    }
    int checked = 0;
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (!control->isVisible() || (!button && !qobject_cast<QLineEdit*>(control))) {
            continue;
        }
        const QString shown = words(button && !button->text().isEmpty() ? button->text() : labels.value(control));
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << control->metaObject()->className() << " " << control->objectName().toStdString();
        EXPECT_TRUE(name.startsWith(shown)) << name.toStdString() << " for " << shown.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

// Table rows print as their label in failure messages; a test file's own namespace takes it in
// with `using ::operator<<`.
template <typename Row>
    requires requires(const Row& row) { row.label; }
std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << row.label;
}

// Names that read as markup, one with a line break and one that is not UTF-8; a "/" makes folders, as
// an unpacked archive can. Wherever a name or a path is shown, it must read exactly as it is.
inline const char* const kHostileNames[] = {"<font size=7>x", "<img src=\"/dev/zero\">.txt", "<b>bold</b>.md",
                                            "a&amp;b &lt;i&gt;", "two\nlines<br>.txt", "caf\xe9.txt"};

// A tool tip as Qt renders it, which is as rich text whenever it looks like markup.
inline QString shownToolTip(const QWidget* widget)
{
    QString tip = widget->toolTip();
    if (Qt::mightBeRichText(tip)) {
        QTextDocument document;
        document.setHtml(tip);
        tip = document.toPlainText();
    }
    return tip;
}

// The label shows `text` and its tool tip `toolTip` as the characters they are.
inline void expectShownAsIs(const QLabel* label, const QString& text, const QString& toolTip = {})
{
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), text);
    EXPECT_EQ(shownToolTip(label), toolTip);
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
        services.packageMarker = marker;
        services.capsLock = capsLock;
        pane = new Pane(services, &container);
        container.resize(480, 380);
    }
    // Active, as a window with the user's focus, keys and shortcuts.
    void SetUp() override
    {
        container.show();
        container.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&container));
    }
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

    // The list of several items as a screen reader reads it, a row each: the row's mark ("+" success,
    // "!" warning, "x" failure, " " none), its name and the whole of its line; a row under another
    // (an entry a folder's packing left out) starts with "> ".
    std::vector<std::string> listed() const
    {
        auto* list = child<QTreeWidget>("items");
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
        std::vector<std::string> cells;
        for (int i = 0; i < table->childCount(); ++i) {
            if (QAccessibleInterface* cell = table->child(i); cell && cell->role() != QAccessible::ColumnHeader) {
                cells.push_back(cell->text(QAccessible::Name).toStdString());
            }
        }
        std::vector<std::string> rows;
        for (QTreeWidgetItemIterator it(list); *it && cells.size() >= 2 * (rows.size() + 1); ++it) {
            const int mark = (*it)->data(0, Qt::UserRole).toInt();
            rows.push_back(std::string((*it)->parent() ? "> " : "") + " +!x"[mark] + " " + cells[2 * rows.size()] +
                           ": " + cells[2 * rows.size() + 1]);
        }
        EXPECT_EQ(cells.size(), 2 * rows.size()) << "a name and a line a row";
        return rows;
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
    // Into the password field, and again into its repeat where the pane asks for one.
    void type(const std::string& text, std::optional<std::string> repeated = std::nullopt)
    {
        typeInto(child("password"), text);
        if (QLineEdit* repeat = repeatField(); repeat && repeat->isVisible()) {
            typeInto(repeat, repeated.value_or(text));
        }
    }
    void retype(const std::string& text)
    {
        child<QLineEdit>("password")->clear();
        if (QLineEdit* repeat = repeatField()) {
            repeat->clear();
        }
        type(text);
    }
    QLineEdit* repeatField() const
    {
        return pane->template findChild<QLineEdit*>(QStringLiteral("repeatPassword") + QLatin1Char(Letter));
    }

    // The warning shows while Caps Lock is on and one of `fields` has the focus, asked afresh at
    // every key and focus change, and says so in words, not by a colour alone.
    void expectCapsLockWarning(std::initializer_list<const char*> fields)
    {
        QWidget* warning = child("capsLock");
        EXPECT_EQ(warning->findChild<QLabel*>(QStringLiteral("capsLockText"))->text(),
                  QStringLiteral("Caps Lock is on"));
        for (const char* name : fields) {
            SCOPED_TRACE(name);
            QWidget* field = child(name);
            field->setFocus();
            capsLock->on = true;
            EXPECT_FALSE(warning->isVisible()) << "asked only at a key or a change of focus";
            QTest::keyClick(field, Qt::Key_A, Qt::ShiftModifier);
            EXPECT_TRUE(warning->isVisible());
            child("choose")->setFocus();
            EXPECT_FALSE(warning->isVisible()) << "with the focus elsewhere";
            field->setFocus();
            EXPECT_TRUE(warning->isVisible()) << "asked again on gaining the focus";
            capsLock->on = false;
            QTest::keyClick(field, Qt::Key_A);
            EXPECT_FALSE(warning->isVisible());
        }
        // Shift, then A, each down and up, then A again.
        EXPECT_EQ(capsLock->keys, static_cast<int>(6 * fields.size())) << "each press and release handed over";
    }

    void choose(const std::optional<std::string>& path, FileChooser::Response response = FileChooser::Response::Ok)
    {
        chooseAll(path ? std::vector{*path} : std::vector<std::string>{}, response);
    }
    void chooseAll(const std::vector<std::string>& paths, FileChooser::Response response = FileChooser::Response::Ok)
    {
        chooser->next = {response, {}};
        for (const std::string& path : paths) {
            chooser->next.paths.emplace_back(path);
        }
        click("choose");
    }

    // As a file manager drops files: their URLs in text/uri-list, a line each.
    void drop(const QByteArray& urls)
    {
        QMimeData mime;
        mime.setData(QStringLiteral("text/uri-list"), urls + "\r\n");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &dropped);
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
            expectNamedAsShown(pane);
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
    std::shared_ptr<RecordingMarker> marker = std::make_shared<RecordingMarker>();
    std::shared_ptr<ScriptedCapsLock> capsLock = std::make_shared<ScriptedCapsLock>();
    QWidget container; // stands in for the main view's pane holder
    Pane* pane = nullptr;

private:
    bool m_locked = false;
};
