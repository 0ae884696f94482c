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
    Workflows::RunControl control;
    control.cancel = &cancel;
    control.progress = [&done, &total](std::int64_t now, std::int64_t all) {
        total.store(all, std::memory_order_relaxed);
        done.store(now, std::memory_order_relaxed);
    };
    const std::string command = argv[1];
    std::string result;
    if (command == "encrypt") {
        const Workflows::PrepareResult prepared = Workflows::prepareSource(path);
        if (prepared.source) {
            const Workflows::EncryptResult run = Workflows::writePackage({*prepared.source, password, {}}, control);
            result = run.outcome == Workflows::Outcome::Success ? run.packagePath : "";
        }
    } else {
        const Workflows::OpenResult opened = Workflows::openPackage(path);
        if (opened.package) {
            const Workflows::RestoreResult run = Workflows::restoreFile(*opened.package, password, control);
            result = run.outcome == Workflows::Outcome::Success ? run.restoredPath : "";
        }
    }
    if (result.empty() || done.load() != total.load()) {
        std::fprintf(stderr, "bench_workflow: the run failed\n");
        return 1;
    }
    std::printf("%s\n", result.c_str());
    return 0;
}
