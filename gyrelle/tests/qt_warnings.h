#ifndef GYRELLE_TESTS_QT_WARNINGS_H
#define GYRELLE_TESTS_QT_WARNINGS_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Qt Test only prints Qt's warnings; these tests fail on any they did not expect.
// Call install() in initTestCase() and takeProblems() in cleanup().
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

inline void install()
{
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

#endif
