// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_FUZZ_COMMON_H
#define TARNUILIB_FUZZ_COMMON_H

#include <QApplication>
#include <QString>
#include <QStringList>

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

// A monkey run's command line, "<events> <seed>", with defaults for what is left out. The
// widgets' own warnings are expected noise there, so only critical and fatal messages show.
struct MonkeyRun
{
    int events = 10000;
    unsigned seed = 1;
};

inline MonkeyRun startMonkey(const QStringList &args)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    MonkeyRun run;
    if (args.size() > 1)
        run.events = args.at(1).toInt();
    if (args.size() > 2)
        run.seed = args.at(2).toUInt();
    return run;
}

} // namespace TarnFuzz

#endif
