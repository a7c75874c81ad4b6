// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// For the accessibility tests: records every event the program hands to Qt's
// QAccessible::updateAccessibility, then passes it on to Qt.
#ifndef GYRELLE_ACCESSIBLE_TESTS_ACCESSIBILITY_UPDATE_RECORDER_H
#define GYRELLE_ACCESSIBLE_TESTS_ACCESSIBILITY_UPDATE_RECORDER_H

#include <QAccessible>
#include <QVector>

#include <dlfcn.h>

// The type of every event handed to QAccessible::updateAccessibility, in order.
// Include this in one source file of a test program.
inline QVector<QAccessible::Event> passedToQt;

// Calls from the libraries (the widget, its plugin, Qt Widgets) bind to this
// definition in the program, which records the event and then lets Qt have it.
void QAccessible::updateAccessibility(QAccessibleEvent *event)
{
    using Update = void (*)(QAccessibleEvent *);
    static const auto qtUpdate =
        reinterpret_cast<Update>(dlsym(RTLD_NEXT, "_ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent"));
    if (!qtUpdate)
        qFatal("QAccessible::updateAccessibility not found in Qt: %s", dlerror());
    passedToQt.append(event->type());
    qtUpdate(event);
}

#endif
