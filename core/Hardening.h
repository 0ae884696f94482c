// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A crash must not write passwords or keys to disk in a core file.
void disableCoreDumps();
