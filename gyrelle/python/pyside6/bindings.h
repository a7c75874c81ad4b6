// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// What shiboken6 binds: the widget's public header.
#include <gyrelle/gyrelle.h>
