// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundRun.h"

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

constexpr int kSteps = 1000;
constexpr int kPollMs = 100;
// Speed and time left only once a run has lasted long enough for them to mean something.
constexpr std::int64_t kRateAfterMs = 1000;

} // namespace

BackgroundRun::BackgroundRun(QProgressBar* bar, QPushButton* cancel, QLabel* rate, QObject* parent)
    : QObject(parent), m_bar(bar), m_cancel(cancel), m_rate(rate)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &BackgroundRun::poll);
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &BackgroundRun::finish);
    connect(m_cancel, &QPushButton::clicked, this, &BackgroundRun::cancel);
}

BackgroundRun::~BackgroundRun()
{
    if (m_shared) {
        m_shared->cancel.store(true);
    }
    m_watcher.waitForFinished();
}

void BackgroundRun::begin(std::function<void(const RunControl&, const Items&)> work, std::function<void()> done)
{
    auto shared = std::make_shared<Shared>();
    m_shared = shared;
    m_done = std::move(done);
    m_running = true;
    m_item = 0;
    m_bar->setRange(0, 0); // busy until the job reports how far it is
    m_bar->show();
    m_rate->clear();
    m_rate->show();
    m_cancel->setEnabled(true);
    m_cancel->show();
    m_cancel->setFocus();
    m_elapsed.start();
    m_poll.start();
    emit runningChanged(true);

    m_watcher.setFuture(QtConcurrent::run([shared, work = std::move(work), hook = m_hook, from = m_hookFromItem]() {
        RunControl control;
        control.cancel = &shared->cancel;
        control.progress = [shared, hook, from, first = true](std::int64_t reached, std::int64_t total) mutable {
            shared->total.store(total, std::memory_order_relaxed);
            shared->done.store(reached, std::memory_order_relaxed);
            if (first && shared->item.load(std::memory_order_relaxed) >= from &&
                shared->ended.load(std::memory_order_relaxed) >= from - 1) {
                first = false;
                if (hook) {
                    hook(shared->cancel);
                }
            }
        };
        const Items items = [shared](int item, int count, int ended) {
            shared->item.store(item, std::memory_order_relaxed);
            shared->count.store(count, std::memory_order_relaxed);
            shared->ended.store(ended, std::memory_order_relaxed);
        };
        try {
            work(control, items);
        } catch (...) {
            // The result stays a failed run; nothing escapes the worker.
        }
    }));
}

void BackgroundRun::cancel()
{
    if (m_shared) {
        m_shared->cancel.store(true);
        m_cancel->setEnabled(false);
    }
}

void BackgroundRun::cancelAndWait()
{
    if (!m_running) {
        return;
    }
    cancel();
    m_watcher.waitForFinished();
    finish();
}

void BackgroundRun::poll()
{
    if (!m_shared) {
        return;
    }
    const std::int64_t total = m_shared->total.load(std::memory_order_relaxed);
    const std::int64_t done = std::min(m_shared->done.load(std::memory_order_relaxed), total);
    if (total > 0) {
        m_bar->setRange(0, kSteps);
        m_bar->setValue(static_cast<int>(done * kSteps / total));
    }
    const int item = m_shared->item.load(std::memory_order_relaxed);
    m_rate->setText(itemText(item, m_shared->count.load(std::memory_order_relaxed),
                             rateText(done, total, m_elapsed.elapsed())));
    if (item != std::exchange(m_item, item)) {
        emit itemStarted(item);
    }
}

void BackgroundRun::finish()
{
    if (!m_running) {
        return; // already reported by cancelAndWait()
    }
    m_running = false;
    m_poll.stop();
    m_shared.reset();
    m_bar->hide();
    m_cancel->hide();
    m_rate->hide();
    m_rate->clear();
    emit runningChanged(false);
    std::exchange(m_done, {})();
}

QString BackgroundRun::rateText(std::int64_t done, std::int64_t total, std::int64_t elapsedMs)
{
    if (elapsedMs < kRateAfterMs || done <= 0 || total <= 0 || done > total) {
        return QString();
    }
    const double bytesPerSecond = static_cast<double>(done) * 1000.0 / static_cast<double>(elapsedMs);
    const auto left = static_cast<std::int64_t>(std::ceil(static_cast<double>(total - done) / bytesPerSecond));
    //: Time left of a run, under a minute; %1 is seconds.
    const QString time = left < 60 ? tr("%1 s left").arg(left)
                                   //: Time left of a run; %1 is minutes, %2 seconds.
                                   : tr("%1 min %2 s left").arg(left / 60).arg(left % 60);
    //: Under the progress bar: %1 is a size such as "12.3 MB", so %1/s the speed; %2 the time left.
    return tr("%1/s · %2")
        .arg(QLocale().formattedDataSize(static_cast<qint64>(bytesPerSecond), 1, QLocale::DataSizeSIFormat), time);
}

QString BackgroundRun::itemText(int item, int count, const QString& rate)
{
    if (count < 2 || item < 1) {
        return rate;
    }
    const QString number = QString::number(item), of = QString::number(count);
    //: During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.
    return rate.isEmpty() ? tr("%1 of %2").arg(number, of) : tr("%1 of %2 · %3").arg(number, of, rate);
}
