// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef GYRELLE_ACCESSIBLE_CHANGE_P_H
#define GYRELLE_ACCESSIBLE_CHANGE_P_H

#include <QAccessible>

// Not installed: how the widget tells its accessibility plugin that it started
// or stopped turning or drawing. The widget sets this text on its accessible
// interface: a direct call, which no event filter of the application sees or
// can swallow. Qt's own bridges and interfaces use no user-defined texts; the
// offset keeps clear of the first ones an application may define for itself.
constexpr QAccessible::Text gyrelleStateChangeText = QAccessible::Text(QAccessible::UserText + 0x4779);

#endif
