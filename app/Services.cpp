// SPDX-License-Identifier: GPL-3.0-or-later
#include "Services.h"

#include "Global.h"

Services Services::desktop()
{
    return {};
}
