// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hardening.h"

#include <sys/resource.h>

void disableCoreDumps()
{
#ifdef NDEBUG
    const rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
#endif
}
