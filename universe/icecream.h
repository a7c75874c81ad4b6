// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef UNIVERSE_ICECREAM_H
#define UNIVERSE_ICECREAM_H

#include <universe/universe_export.h>

#include <string>

/// One flavor of ice cream, sold by a Truck.
///
/// Derive from it to make flavors of your own: a truck only copies, names and
/// destroys flavors through the three virtual functions, whose order is part of
/// the binary interface.
class UNIVERSE_EXPORT Icecream
{
public:
    /// Stores a copy of @p flavor, any bytes of any length (empty too).
    explicit Icecream(const std::string &flavor);

    /// Returns a heap copy of this flavor, allocated with new; the caller owns it.
    /// Derived flavors override it to keep their own type when a truck is copied.
    virtual Icecream *clone();

    virtual ~Icecream();

    /// Returns a copy of the flavor's name.
    virtual std::string getFlavor();

private:
    std::string flavor;
};

#endif
