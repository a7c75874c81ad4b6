// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef GYRELLE_TESTS_QT_WARNINGS_H
#define GYRELLE_TESTS_QT_WARNINGS_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Qt Test only prints Qt's warnings; these tests fail on any they did not expect.
// Put QTWARNINGS_FAIL_TESTS in the test class's private slots.
namespace QtWarnings {

inline QStringList expected;
inline QStringList unexpected;
inline QtMessageHandler forward = nullptr;

inline void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !expected.removeOne(message))
        unexpected.append(message);
    forward(type, context, message);
}

// Starts collecting warnings (once; later calls do nothing).
inline void install()
{
    if (!forward)
        forward = qInstallMessageHandler(record);
}

// The next warning with exactly this text is part of the test.
inline void expect(const QString &message)
{
    expected.append(message);
}

// Describes unexpected and missing warnings since the last call; empty when none.
inline QString takeProblems()
{
    QString problems;
    if (!unexpected.isEmpty())
        problems += QStringLiteral("unexpected Qt warnings: ") + unexpected.join(QStringLiteral("; "));
    if (!expected.isEmpty())
        problems += QStringLiteral("expected Qt warnings missing: ") + expected.join(QStringLiteral("; "));
    expected.clear();
    unexpected.clear();
    return problems;
}

} // namespace QtWarnings

// The init() and cleanup() slots that fail each test function on a Qt warning
// it did not announce with QtWarnings::expect().
#define QTWARNINGS_FAIL_TESTS                                                                                          \
    void init()                                                                                                        \
    {                                                                                                                  \
        QtWarnings::install();                                                                                         \
    }                                                                                                                  \
    void cleanup()                                                                                                     \
    {                                                                                                                  \
        const QString problems = QtWarnings::takeProblems();                                                           \
        QVERIFY2(problems.isEmpty(), qPrintable(problems));                                                            \
    }

#endif
