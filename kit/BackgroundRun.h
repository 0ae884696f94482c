// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Workflows.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

// One job at a time off the GUI thread: shows its progress, speed and time left, offers Cancel, and
// hands the result back on the GUI thread. A job that throws ends as a default (failed) result.
class BackgroundRun : public QObject
{
    Q_OBJECT

public:
    using Hook = std::function<void(const std::atomic<bool>& cancel)>;

    // The widgets it shows and hides; they belong to the caller.
    BackgroundRun(QProgressBar* bar, QPushButton* cancel, QLabel* rate, QObject* parent = nullptr);
    // Cancels and waits, reporting nothing: whoever would hear of it is going away.
    ~BackgroundRun() override;

    template <typename Result>
    void start(std::function<Result(const RunControl&)> work, std::function<void(const Result&)> done)
    {
        auto result = std::make_shared<Result>();
        begin([work = std::move(work), result](const RunControl& control) { *result = work(control); },
              [done = std::move(done), result] { done(*result); });
    }

    bool isRunning() const { return m_running; }
    void cancel();
    // For closing the window: the job stops, has cleaned up and is reported before this returns.
    void cancelAndWait();

    // "12.5 MB/s · 3 s left" once a run has lasted a second; empty before that or without data.
    static QString rateText(std::int64_t done, std::int64_t total, std::int64_t elapsedMs);

    // For tests: called on the worker at the job's first progress report, with its cancel flag.
    void setFirstProgressHook(Hook hook) { m_hook = std::move(hook); }

signals:
    void runningChanged(bool running);

private:
    // Shared with the worker, so that it outlives whoever started the job if it has to.
    struct Shared
    {
        std::atomic<std::int64_t> done{0};
        std::atomic<std::int64_t> total{0};
        std::atomic<bool> cancel{false};
    };

    void begin(std::function<void(const RunControl&)> work, std::function<void()> done);
    void poll();
    void finish();

    QProgressBar* m_bar;
    QPushButton* m_cancel;
    QLabel* m_rate;
    bool m_running = false;
    std::shared_ptr<Shared> m_shared;
    std::function<void()> m_done;
    Hook m_hook;
    QFutureWatcher<void> m_watcher;
    QTimer m_poll;
    QElapsedTimer m_elapsed;
};
