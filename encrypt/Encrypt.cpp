// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encrypt.h"

Encrypt::Encrypt(const Services& services, QWidget* parent) : QWidget(parent), m_services(services) {}

Encrypt::~Encrypt() = default;

bool Encrypt::isBusy() const
{
    return false;
}

void Encrypt::cancelAndWait() {}
