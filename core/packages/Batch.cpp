// SPDX-License-Identifier: GPL-3.0-or-later
#include "Batch.h"

#include <sys/stat.h>

namespace Workflows {

namespace {

std::int64_t sizeOf(const Path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : 0;
}

// One item after another. Each item's own progress is added to what the items before it did.
template <typename Item>
std::vector<RunReport> runAll(const std::vector<Item>& items, const std::vector<std::int64_t>& sizes,
                              const BatchControl& control, const std::function<RunReport(const Item&, const RunControl&)>& run)
{
    std::vector<RunReport> reports(items.size());
    BatchProgress progress;
    progress.count = static_cast<int>(items.size());
    for (const std::int64_t size : sizes) {
        progress.total += size;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (control.cancel && control.cancel->load()) {
            reports[i].outcome = Outcome::Cancelled;
            continue;
        }
        progress.item = static_cast<int>(i) + 1;
        const std::int64_t before = progress.done;
        RunControl itemControl;
        itemControl.cancel = control.cancel;
        if (control.progress) {
            control.progress(progress);
            itemControl.progress = [&](std::int64_t done, std::int64_t) {
                progress.done = before + done;
                control.progress(progress);
            };
        }
        reports[i] = run(items[i], itemControl);
        progress.done = before + sizes[i];
    }
    return reports;
}

} // namespace

std::vector<RunReport> writePackages(const std::vector<PreparedSource>& sources, const SecureBytes& password,
                                     const std::optional<QString>& hint, const BatchControl& control)
{
    std::vector<std::int64_t> sizes;
    for (const PreparedSource& source : sources) {
        sizes.push_back(sizeOf(source.path));
    }
    return runAll<PreparedSource>(sources, sizes, control, [&](const PreparedSource& source, const RunControl& item) {
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
    return runAll<OpenedPackage>(packages, sizes, control, [&](const OpenedPackage& package, const RunControl& item) {
        return restoreFile(package, password, item);
    });
}

} // namespace Workflows
