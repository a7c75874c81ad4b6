// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// Benchmarks of both libraries, and of the busy indicators a Qt developer would
// otherwise use. Run offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Standard output fully buffered whatever it is connected to, as it is for a
    // pipe or a file: the listing benchmark counts the writes the library causes,
    // not those of a terminal's line buffering.
    std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
