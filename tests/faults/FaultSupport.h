// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running the real lockfern-cli, under strace or in a private mount namespace, and checking what a
// run left on disk.

#include "TestEnvironment.h"

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

struct ProcessRun
{
    int exitCode = -1;
    bool crashed = false; // killed by a signal
    std::string out;
    std::string err;
};

inline QString cliBinary()
{
    const char* path = std::getenv("LOCKFERN_CLI");
    return path ? QString::fromUtf8(path) : QString();
}

inline ProcessRun runProcess(const QString& program, const QStringList& arguments, const std::string& input = {},
                             int timeoutMs = 120000)
{
    QProcess process;
    process.start(program, arguments);
    ProcessRun run;
    if (!process.waitForStarted(timeoutMs)) {
        return run;
    }
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.crashed = true;
        return run;
    }
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline ProcessRun runCliBinary(const QStringList& arguments, const std::string& input = "pw\n")
{
    return runProcess(cliBinary(), arguments, input);
}
