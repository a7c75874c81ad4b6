// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include <universe/icecream.h>

Icecream::Icecream(const std::string &flavor)
    : flavor(flavor)
{
}

Icecream *Icecream::clone()
{
    return new Icecream(*this);
}

Icecream::~Icecream() = default;

std::string Icecream::getFlavor()
{
    return flavor;
}
