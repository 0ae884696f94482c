// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running the real lockfern-cli, under strace or in a private mount namespace, and checking what a
// run left on disk.

#include "TestEnvironment.h"

#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

struct ProcessRun
{
    int exitCode = -1;
    bool crashed = false; // killed by a signal
    std::string out;
    std::string err;
};

inline std::string cliBinary()
{
    const char* path = std::getenv("LOCKFERN_CLI");
    return path ? path : "";
}

inline ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& input = {}, int timeoutMs = 120000)
{
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    QProcess process;
    process.start(QString::fromStdString(program), list);
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

inline ProcessRun runCliBinary(const std::vector<std::string>& arguments, const std::string& input = "pw\n")
{
    return runProcess(cliBinary(), arguments, input);
}
