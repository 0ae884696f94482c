// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

class QWidget;

// Sending the activity log to support. It names the files chosen and holds the hints typed, so the
// user reads it first and sends it or not; when no mail program starts, the text can be copied or
// its folder opened instead.
namespace SendLog {

// The first dialog, modal to `window`, which owns it.
void open(QWidget* window, const Services& services);

} // namespace SendLog
