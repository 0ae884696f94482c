// SPDX-License-Identifier: GPL-3.0-or-later
#include "Batch.h"

#include "FolderArchive.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace Workflows {

namespace {

std::int64_t sizeOf(const Path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : 0;
}

// How far the whole run is: what the finished items weighed and how far the running ones are, each
// counted against the weight it was given at the start, never going back.
class Tally
{
public:
    Tally(const std::vector<std::int64_t>& sizes, const BatchControl& control) : m_sizes(sizes), m_done(sizes.size())
    {
        m_progress.count = static_cast<int>(sizes.size());
        for (const std::int64_t size : sizes) {
            m_progress.total += size;
        }
        if (control.progress) {
            m_report = &control.progress;
        }
    }

    void started(std::size_t item)
    {
        const std::lock_guard lock(m_mutex);
        m_progress.item = std::max(m_progress.item, static_cast<int>(item) + 1); // two may start at once
        tell();
    }
    // The item's own progress, scaled to its weight.
    void advanced(std::size_t item, std::int64_t done, std::int64_t total)
    {
        const double part = total > 0 ? std::clamp(static_cast<double>(done) / static_cast<double>(total), 0.0, 1.0) : 0.0;
        const std::lock_guard lock(m_mutex);
        move(item, static_cast<std::int64_t>(part * static_cast<double>(m_sizes[item])));
        tell();
    }
    void finished(std::size_t item)
    {
        const std::lock_guard lock(m_mutex);
        move(item, m_sizes[item]);
        ++m_progress.ended;
        tell();
    }
    bool wanted() const { return m_report != nullptr; }

private:
    void move(std::size_t item, std::int64_t done)
    {
        if (done > m_done[item]) {
            m_progress.done += done - m_done[item];
            m_done[item] = done;
        }
    }
    void tell()
    {
        if (m_report) {
            (*m_report)(m_progress);
        }
    }

    const std::vector<std::int64_t>& m_sizes;
    std::vector<std::int64_t> m_done;
    BatchProgress m_progress;
    const std::function<void(const BatchProgress&)>* m_report = nullptr;
    std::mutex m_mutex;
};

// Items on all cores, started in order: a PBKDF2 pair per small file binds a run of many to key
// derivation, which only more cores speed up. Each item's report lands in its own place.
template <typename Item, typename Run>
std::vector<RunReport> runAll(const std::vector<Item>& items, const std::vector<std::int64_t>& sizes,
                              const BatchControl& control, Messages::Message cancelled, const Run& run)
{
    std::vector<RunReport> reports(items.size());
    std::vector<bool> begun(items.size(), false);
    Tally tally(sizes, control);
    std::mutex mutex;
    std::size_t next = 0;
    const auto work = [&] {
        for (;;) {
            std::size_t item = 0;
            {
                const std::lock_guard lock(mutex);
                if (next == items.size() || (control.cancel && control.cancel->load())) {
                    return;
                }
                item = next++;
                begun[item] = true;
            }
            tally.started(item);
            RunControl itemControl;
            itemControl.cancel = control.cancel;
            if (tally.wanted()) {
                itemControl.progress = [&tally, item](std::int64_t done, std::int64_t total) {
                    tally.advanced(item, done, total);
                };
            }
            try {
                reports[item] = run(items[item], itemControl);
            } catch (const std::exception&) {
                // Only running out of memory gets here; the item failed and the others go on.
                reports[item].outcome = Outcome::Failed;
                reports[item].failure.reason = Messages::Reason::Unknown;
            }
            tally.finished(item);
        }
    };
    const std::size_t workers = std::min<std::size_t>(std::max(1U, std::thread::hardware_concurrency()), items.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < workers; ++i) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break; // fewer threads do the same work
        }
    }
    if (threads.empty() && !items.empty()) {
        work();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!begun[i]) {
            reports[i].outcome = Outcome::Cancelled;
            reports[i].message = cancelled;
        }
    }
    return reports;
}

} // namespace

std::vector<RunReport> writePackages(const std::vector<PreparedSource>& sources, const SecureBytes& password,
                                     const std::optional<QString>& hint, const BatchControl& control)
{
    std::vector<std::int64_t> sizes;
    for (const PreparedSource& source : sources) {
        std::int64_t size = 0;
        try {
            size = source.folder ? FolderArchive::scan(source.path.bytes()).contentBytes : sizeOf(source.path);
        } catch (const std::exception&) {
            // Its run will tell what is wrong with it.
        }
        sizes.push_back(size);
    }
    return runAll(sources, sizes, control, Messages::Message::EncryptCancelled,
                  [&](const PreparedSource& source, const RunControl& item) {
                      return writePackage({source, password, hint}, item);
                  });
}

std::vector<RunReport> restoreFiles(const std::vector<OpenedPackage>& packages, const SecureBytes& password,
                                    const BatchControl& control)
{
    std::vector<std::int64_t> sizes;
    for (const OpenedPackage& package : packages) {
        sizes.push_back(sizeOf(package.encryptedFile));
    }
    return runAll(packages, sizes, control, Messages::Message::DecryptCancelled,
                  [&](const OpenedPackage& package, const RunControl& item) {
                      return restoreFile(package, password, item);
                  });
}

} // namespace Workflows
