// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps passwords and keys in this process: no core file written on a crash, and no other process
// of the same user that may read its memory or attach to it.
void hardenProcess();

// LeakSanitizer needs to trace its own process, so sanitizer builds (tests only) stay traceable.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kHiddenFromOtherProcesses = false;
#else
inline constexpr bool kHiddenFromOtherProcesses = true;
#endif
