// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hardening.h"

#include <sys/prctl.h>
#include <sys/resource.h>

void hardenProcess()
{
    const rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
    if (kHiddenFromOtherProcesses) {
        // Also keeps other processes of the user from ptrace and /proc/PID/mem.
        ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    }
}
