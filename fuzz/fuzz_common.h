// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_FUZZ_COMMON_H
#define TARNUILIB_FUZZ_COMMON_H

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: one offscreen application for the whole run (never
// destroyed: libFuzzer ends the process with exit()), and a check that aborts with a
// message, so that libFuzzer keeps the input that broke it.
namespace TarnFuzz {

inline void startApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    static const QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
}

inline void check(bool holds, const char *what, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s [%s]\n", what, qPrintable(detail));
    std::abort();
}

} // namespace TarnFuzz

#endif
