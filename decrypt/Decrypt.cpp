// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decrypt.h"

Decrypt::Decrypt(const Services& services, QWidget* parent) : QWidget(parent), m_services(services) {}

Decrypt::~Decrypt() = default;

bool Decrypt::isBusy() const
{
    return false;
}

void Decrypt::cancelAndWait() {}
