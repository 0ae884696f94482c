// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Batch.h"
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

// One job at a time off the GUI thread: shows its progress, speed and time left (and which item is
// running, in a run of several), offers Cancel, and hands the result back on the GUI thread. A job
// that throws ends as a default (failed) result.
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
        begin([work = std::move(work), result](const RunControl& control, const Items&) { *result = work(control); },
              [done = std::move(done), result] { done(*result); });
    }
    // A run of several items, one bar over all their bytes.
    template <typename Result>
    void startBatch(std::function<Result(const Workflows::BatchControl&)> work, std::function<void(const Result&)> done)
    {
        auto result = std::make_shared<Result>();
        begin(
            [work = std::move(work), result](const RunControl& control, const Items& items) {
                Workflows::BatchControl batch;
                batch.cancel = control.cancel;
                batch.progress = [&control, &items](const Workflows::BatchProgress& progress) {
                    items(progress.item, progress.count, progress.ended);
                    control.report(progress.done, progress.total);
                };
                *result = work(batch);
            },
            [done = std::move(done), result] { done(*result); });
    }

    bool isRunning() const { return m_running; }
    void cancel();
    // For closing the window: the job stops, has cleaned up and is reported before this returns.
    void cancelAndWait();

    // "12.5 MB/s · 3 s left" once a run has lasted a second; empty before that or without data.
    static QString rateText(std::int64_t done, std::int64_t total, std::int64_t elapsedMs);
    // "3 of 12 · " before the rate in a run of several items.
    static QString itemText(int item, int count, const QString& rate);

    // For tests: called on the worker at the job's first progress report, with its cancel flag; in a
    // run of several items, at the first report once item `fromItem` (from 1) has started and all
    // before it have ended, so that what a cancel then meets does not hang on how many cores run them.
    void setFirstProgressHook(Hook hook, int fromItem = 0)
    {
        m_hook = std::move(hook);
        m_hookFromItem = fromItem;
    }

signals:
    void runningChanged(bool running);
    // In a run of several items, another has started (from 1).
    void itemStarted(int item);

private:
    // Shared with the worker, so that it outlives whoever started the job if it has to.
    struct Shared
    {
        std::atomic<std::int64_t> done{0};
        std::atomic<std::int64_t> total{0};
        std::atomic<int> item{0};
        std::atomic<int> count{0};
        std::atomic<int> ended{0};
        std::atomic<bool> cancel{false};
    };
    // A run of several items says which it started last, how many there are and how many have ended.
    using Items = std::function<void(int item, int count, int ended)>;

    void begin(std::function<void(const RunControl&, const Items&)> work, std::function<void()> done);
    void poll();
    void finish();

    QProgressBar* m_bar;
    QPushButton* m_cancel;
    QLabel* m_rate;
    bool m_running = false;
    std::shared_ptr<Shared> m_shared;
    std::function<void()> m_done;
    Hook m_hook;
    int m_hookFromItem = 0;
    QFutureWatcher<void> m_watcher;
    QTimer m_poll;
    QElapsedTimer m_elapsed;
    int m_item = 0; // the last one told
};
