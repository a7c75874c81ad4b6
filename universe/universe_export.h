// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef UNIVERSE_UNIVERSE_EXPORT_H
#define UNIVERSE_UNIVERSE_EXPORT_H

// The library is built with hidden visibility; only classes marked with this
// macro are part of libuniverse.so.1's interface.
#define UNIVERSE_EXPORT __attribute__((visibility("default")))

#endif
