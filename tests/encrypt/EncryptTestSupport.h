// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A headless encrypt pane inside a stand-in for the main view's container, with a scripted file
// chooser and a recording file browser.

#include "Encrypt.h"
#include "Services.h"
#include "TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <set>
#include <vector>

// Types text key by key as a user would; QTest::keyClicks knows only ASCII.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

class ScriptedChooser : public FileChooser
{
public:
    std::deque<Result> script;
    std::vector<Options> seen;

    void pick(const std::string& path) { script.push_back({Response::Ok, QString::fromStdString(path)}); }
    Result choose(QWidget*, const Options& options) override
    {
        seen.push_back(options);
        if (script.empty()) {
            return {};
        }
        Result next = script.front();
        script.pop_front();
        return next;
    }
};

class RecordingBrowser : public FileBrowser
{
public:
    std::vector<QString> revealed;
    void reveal(const QString& path) override { revealed.push_back(path); }
};

class EncryptPaneTest : public ::testing::Test
{
protected:
    EncryptPaneTest()
    {
        Services services;
        services.fileChooser = chooser;
        services.fileBrowser = browser;
        pane = new Encrypt(services, &container);
        container.resize(440, 380);
    }

    void SetUp() override { container.show(); }

    template <typename W> W* widget(const char* name) const
    {
        W* found = pane->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLabel* status() const { return widget<QLabel>("placeholderE"); }
    QLineEdit* password() const { return widget<QLineEdit>("passwordE"); }
    QPushButton* button(const char* name) const { return widget<QPushButton>(name); }
    bool shown(const char* name) const { return !widget<QWidget>(name)->isHidden(); }

    std::string file(const std::string& relative, const std::string& bytes = "plain text\n") const
    {
        const std::filesystem::path path = env.work() + relative;
        std::filesystem::create_directories(path.parent_path());
        writeFileBytes(path.string(), bytes);
        return path.string();
    }

    void choose(const std::string& path)
    {
        chooser->pick(path);
        QTest::mouseClick(button("chooseE"), Qt::LeftButton);
    }

    void typePassword(const QString& text) { typeText(password(), text); }
    void pressEncrypt() { QTest::mouseClick(button("serviceE"), Qt::LeftButton); }

    bool waitUntilIdle() { return QTest::qWaitFor([this] { return !pane->isBusy(); }, 120000); }

    // Log lines written since `mark` lines were there.
    std::vector<std::string> logSince(std::size_t mark) const
    {
        auto lines = env.logMessages();
        return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(mark, lines.size())), lines.end()};
    }
    std::size_t logMark() const { return env.logMessages().size(); }

    // Names directly inside the work folder, hidden ones included.
    std::set<std::string> workEntries() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(env.work())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    TestEnvironment env;
    std::shared_ptr<ScriptedChooser> chooser = std::make_shared<ScriptedChooser>();
    std::shared_ptr<RecordingBrowser> browser = std::make_shared<RecordingBrowser>();
    QWidget container; // stands in for the main view's eView
    Encrypt* pane = nullptr;
};
