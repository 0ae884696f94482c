// SPDX-License-Identifier: GPL-3.0-or-later
// The workflow call as the panes make it, progress reported into atomics that a timer would read,
// for bench/run.sh to time beside lockfern-cli: the window's path must cost nothing extra.
#include "Password.h"
#include "Workflows.h"

#include <QString>

#include <atomic>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    // The same command line as lockfern-cli's; its options change nothing here.
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_workflow encrypt FILE | decrypt PACKAGE (password on stdin)\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    std::string line;
    std::getline(std::cin, line);
    const SecureBytes password = Password::bytes(QString::fromStdString(line));
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<bool> cancel{false};
    RunControl control;
    control.cancel = &cancel;
    control.progress = [&done, &total](std::int64_t now, std::int64_t all) {
        total.store(all, std::memory_order_relaxed);
        done.store(now, std::memory_order_relaxed);
    };
    const std::string command = argv[1];
    Workflows::RunReport report;
    if (command == "encrypt") {
        const Workflows::PrepareResult prepared = Workflows::prepareSource(Path(path));
        if (prepared.source) {
            report = Workflows::writePackage({*prepared.source, password, {}}, control);
        }
    } else {
        const Workflows::OpenResult opened = Workflows::openPackage(Path(path));
        if (opened.package) {
            report = Workflows::restoreFile(*opened.package, password, control);
        }
    }
    if (!report.succeeded() || done.load() != total.load()) {
        std::fprintf(stderr, "bench_workflow: the run failed\n");
        return 1;
    }
    std::printf("%s\n", report.path.c_str());
    return 0;
}
