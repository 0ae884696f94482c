// SPDX-License-Identifier: GPL-3.0-or-later
// Several files and folders encrypted at once, as a user chooses or drops them.
#include "EncryptPane.h"
#include "RNCryptorBuffer.h"

#include <QTreeWidget>
#include <QUrl>

namespace {

using ::operator<<; // table rows print as their label

// ---- several at once -----------------------------------------------------------------------------

struct SeveralCase
{
    const char* label;
    std::vector<std::string> chosen; // made in the work folder first, then chosen in this order
    bool dropped;                    // rather than chosen in the dialog
    const char* around; // "taken": b.lockfern there first; "gone": b.txt deleted once chosen; nullptr: neither
    std::vector<std::string> before; // the list once chosen
    QString status;
    std::vector<std::string> after;  // the list after the run
    std::vector<std::string> failed; // the log lines of the one that failed, if one did
    std::string out;                 // on stdout
    const char* left;                // what stays chosen
};

using Several = WithRows<EncryptPane, SeveralCase>;

// Each file is taken, refused and written as if alone, with the same password and hint; one that fails
// stops none of the others and stays chosen, with the password, to be tried again.
TEST_P(Several, takesEachAsAloneAndListsWhatHappened)
{
    const SeveralCase& c = GetParam();
    const std::string around = c.around ? c.around : "";
    std::vector<std::string> paths, expected;
    QByteArray urls;
    int taken = 0;
    for (const std::string& name : c.chosen) {
        const bool package = name.ends_with(".lockfern"), folder = name.ends_with('/');
        package ? env.file(name + "/x.pdf", "sealed") : env.file(folder ? name + "in.txt" : name, kContent);
        if (folder) {
            ASSERT_EQ(::mkfifo((env.work() + name + "pipe").c_str(), 0600), 0); // left out, and said so
        }
        paths.push_back(env.work() + (folder ? name.substr(0, name.size() - 1) : name));
        urls += QUrl::fromLocalFile(QString::fromStdString(paths.back())).toEncoded() + "\r\n";
        expected.insert(expected.end(), {"file selected " + paths.back(),
                                         package ? "file already encrypted" : "file added succesfully"});
        taken += package ? 0 : 1;
    }
    if (around == "taken") {
        env.file("b.lockfern/b.txt", "sealed");
    }
    const auto mark = logMark();
    c.dropped ? drop(urls.chopped(2)) : chooseAll(paths);
    if (!c.dropped) {
        expected.insert(expected.begin(), "select file view presented");
        expected.push_back("select file view closed");
    }
    EXPECT_EQ(logSince(mark), expected);
    EXPECT_EQ(spoken("items"), QStringLiteral("Chosen files and folders"));
    EXPECT_EQ(listed(), c.before);
    EXPECT_EQ(spoken("fileName"), QStringLiteral("%1 items").arg(taken));
    EXPECT_TRUE(child("destination")->isHidden()) << "each says where it goes in the list";
    if (around == "gone") {
        std::filesystem::remove(env.work() + "b.txt");
    }
    enterHint("h");
    type("pw");
    const auto run = logMark();
    testing::internal::CaptureStdout();
    click("service");
    const bool idle = waitIdle();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
    ASSERT_TRUE(idle);

    expected.clear();
    std::vector<std::string> packages;
    for (const std::string& name : c.chosen) {
        const bool folder = name.ends_with('/');
        const std::string package = env.work() + Path::baseNameOf(folder ? name.substr(0, name.size() - 1) : name) + ".lockfern";
        if (name.ends_with(".lockfern")) {
            continue;
        }
        const bool failed = name == "b.txt" && !c.failed.empty();
        const auto lines = failed ? c.failed : withPath(successLines("added hint h"), "{P}", package);
        expected.insert(expected.end(), lines.begin(), lines.end());
        if (!failed) {
            packages.push_back(package);
        }
        if (!failed && !folder) {
            const QByteArray sealed = QByteArray::fromStdString(readFileBytes(package + "/" + name));
            EXPECT_EQ(RNCryptor::Decryptor(QStringLiteral("pw")).decrypt(sealed).toStdString(), kContent);
        }
    }
    EXPECT_EQ(logSince(run), expected) << "each one's lines, in the order chosen";
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(spoken("items"), QStringLiteral("What happened to each"));
    EXPECT_EQ(listed(), c.after);
    EXPECT_EQ(marker->marked, packages);
    EXPECT_EQ(spoken("fileName").toStdString(), c.left);
    EXPECT_EQ(typed().toStdString(), c.failed.empty() ? "" : "pw");
    EXPECT_EQ(hintButton(), c.failed.empty() ? QStringLiteral("Add Hint…") : QStringLiteral("Change Hint…"));
    EXPECT_EQ(pane->focusWidget(), child(c.failed.empty() ? "sService" : "choose"));
    expectNamedAsShown(pane);
    click("sService");
    EXPECT_EQ(browser->revealed, packages);
    EXPECT_EQ(browser->requests, 1) << "all in one request, so that the file manager selects them all";
    reshow();
    EXPECT_TRUE(child("items")->isHidden()) << "a pane shown again starts afresh";
}

const auto saved = [](const char* base, const char* name) {
    return std::string("+ ") + name + ": Saved as " + base + ".lockfern. " + name + " is still there, unencrypted.";
};

INSTANTIATE_TEST_SUITE_P(
    Cases, Several,
    ::testing::Values(
        SeveralCase{"allGood", {"a.txt", "b.txt", "c.md"}, false, nullptr,
                    {"  a.txt: Will be saved as a.lockfern", "  b.txt: Will be saved as b.lockfern",
                     "  c.md: Will be saved as c.lockfern"},
                    QStringLiteral("All 3 were saved."), {saved("a", "a.txt"), saved("b", "b.txt"), saved("c", "c.md")},
                    {}, "", "No file chosen"},
        // A package among them is refused, as alone, and a folder is packed whole.
        SeveralCase{"droppedWithAPackageAndAFolder", {"a.txt", "p.lockfern", "photos/"}, true, nullptr,
                    {"  a.txt: Will be saved as a.lockfern", "! p.lockfern: This file is already encrypted.",
                     "  photos: Will be saved as photos.lockfern"},
                    QStringLiteral("All 2 were saved."),
                    {saved("a", "a.txt"), saved("photos", "photos"),
                     "> ! pipe: Left out pipe: only files, folders and links inside the folder are kept."},
                    {}, "", "No file chosen"},
        SeveralCase{"oneNameTaken", {"a.txt", "b.txt", "c.md"}, false, "taken",
                    {"  a.txt: Will be saved as a.lockfern", "! b.txt: b.lockfern already exists in work.",
                     "  c.md: Will be saved as c.lockfern"},
                    QStringLiteral("2 of 3 were saved; 1 failed."),
                    {saved("a", "a.txt"), "x b.txt: An error occured while encrypting. b.lockfern already exists in work.",
                     saved("c", "c.md")},
                    kEncryptedThenFailed, "", "b.txt"},
        SeveralCase{"oneUnreadable", {"a.txt", "b.txt", "c.md"}, false, "gone",
                    {"  a.txt: Will be saved as a.lockfern", "  b.txt: Will be saved as b.lockfern",
                     "  c.md: Will be saved as c.lockfern"},
                    QStringLiteral("2 of 3 were saved; 1 failed."),
                    {saved("a", "a.txt"), "x b.txt: An error occured while encrypting. b.txt can't be read any more.",
                     saved("c", "c.md")},
                    {"an error occured while encrypting"}, "Can't delete folder\n", "b.txt"}),
    [](const auto& row) { return std::string(row.param.label); });

// Held once the third of four has started and two have ended, which the bar over all says, then
// cancelled. Which of the others had ended by then hangs on the cores and the load, as in the core's
// own runs: each is whole or absent, and says which in its row and its log lines; what was not saved
// stays chosen, the one that failed before included.
TEST_F(EncryptPane, cancellingSeveralInTheMiddleKeepsWhatFinished)
{
    const std::vector<std::string> names{"gone.txt", "a.txt", "big.bin", "d.txt"};
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        paths.push_back(env.file(name, name == "big.bin" ? std::string(std::size_t{32} << 20, 'x') : kContent));
    }
    chooseAll(paths);
    std::filesystem::remove(paths[0]);
    type("pw");
    std::atomic<bool> held = false;
    pane->findChild<BackgroundRun*>()->setFirstProgressHook(
        [&held](const std::atomic<bool>& cancel) {
            held = true;
            waitUntilCancelled(cancel);
        },
        3);
    const auto mark = logMark();
    testing::internal::CaptureStdout();
    click("service");
    QString running;
    const bool reached = QTest::qWaitFor([&] {
        running = child<QLabel>("rate")->text();
        return held && (running.startsWith(QStringLiteral("3 of 4")) || running.startsWith(QStringLiteral("4 of 4")));
    });
    EXPECT_EQ(shown(), "checkMark progress cancel");
    auto* list = child<QTreeWidget>("items");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(running.front().digitValue() - 1)) << "the row of the one running";
    click("cancel");
    const bool idle = waitIdle();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Can't delete folder\n");
    ASSERT_TRUE(reached && idle);

    const std::vector<std::string> shownRows = listed();
    ASSERT_EQ(shownRows.size(), names.size());
    std::vector<std::string> rows{"x gone.txt: An error occured while encrypting. gone.txt can't be read any more."};
    std::vector<std::string> lines{"an error occured while encrypting"};
    int kept = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
        const std::string package = env.work() + Path::baseNameOf(names[i]) + ".lockfern";
        if (std::filesystem::exists(package)) {
            ++kept;
            rows.push_back(std::string("+ ") + names[i] + ": Saved as " + Path::baseNameOf(names[i]) + ".lockfern. " +
                           names[i] + " is still there, unencrypted.");
            const auto done = withPath(successLines("hint is empty"), "{P}", package);
            lines.insert(lines.end(), done.begin(), done.end());
            EXPECT_EQ(RNCryptor::Decryptor(QStringLiteral("pw"))
                          .decrypt(QByteArray::fromStdString(readFileBytes(package + "/" + names[i])))
                          .toStdString(),
                      readFileBytes(paths[i]));
        } else if (shownRows[i].ends_with(": Not started.")) {
            rows.push_back("  " + names[i] + ": Not started.");
        } else {
            rows.push_back("  " + names[i] + ": Cancelled.");
            lines.push_back("encryption cancelled");
        }
    }
    EXPECT_LT(kept, 3) << "the cancel came in the middle";
    EXPECT_EQ(shownRows, rows);
    EXPECT_EQ(logSince(mark), lines) << "each one's lines in the order chosen";
    EXPECT_EQ(status(), QStringLiteral("Cancelled. %1 of 4 were saved; 1 failed.").arg(kept));
    EXPECT_EQ(spoken("fileName"), QStringLiteral("%1 items").arg(4 - kept));
    EXPECT_EQ(stagingEntries(env.work()), 0);
    EXPECT_EQ(typed(), QStringLiteral("pw"));
    EXPECT_EQ(pane->focusWidget(), child("password")) << "as after a cancel of one";
}

} // namespace
