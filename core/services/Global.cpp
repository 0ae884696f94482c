// SPDX-License-Identifier: GPL-3.0-or-later
#include "Global.h"

Global& global()
{
    static Global instance;
    return instance;
}

void Global::reset()
{
    isOpenedFromFile = false;
    openedFile = {};
    hintExist = false;
    hint.clear();
    m_log.reset();
    m_mail.setComposer(nullptr);
}
