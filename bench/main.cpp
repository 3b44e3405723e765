// SPDX-License-Identifier: LGPL-2.1-or-later
// tarn-bench <case> <ours|peer> [n] [warmup] [snapshot folder]
// Runs one benchmark once; under callgrind (--instr-atstart=no) only the measured loop
// is counted.
#include "benchcases.h"
#include "benchmeter.h"

#include "shortcutsmanager.h"
#include "tarninterface.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {
const struct
{
    const char *name;
    BenchCase run;
} cases[] = {
    { "drag", benchDrag },
    { "hover", benchHover },
    { "keys", benchKeys },
    { "page", benchPage },
    { "page-save", benchPageSave }, // loaded, then saved
    { "msgbox", benchMessageBox },
    { "ipedit", benchIpEdit },
    { "heap-dialog", benchDialogHeap },
    { "heap-page", benchPageHeap },
};

int usage()
{
    std::fprintf(stderr,
                 "usage: tarn-bench <case> <ours|peer> [n] [warmup] [snapshot folder]\n"
                 "cases:");
    for (const auto &c : cases)
        std::fprintf(stderr, " %s", c.name);
    std::fprintf(stderr, "\n");
    return 2;
}
} // namespace

int main(int argc, char **argv)
{
    // The shortcut settings live in a folder of their own, so no run sees another's.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[2] != QLatin1String("ours") && args[2] != QLatin1String("peer")))
        return usage();
    BenchOptions options;
    options.ours = args[2] == QLatin1String("ours");
    options.n = args.value(3, QStringLiteral("1")).toInt();
    options.warmup = args.value(4, QStringLiteral("0")).toInt();
    BenchMeter meter(args.value(5));

    TarnInterface host;
    TarnInterface::mInstance = &host;
    ShortCutsManager::_instance = new ShortCutsManager;

    for (const auto &c : cases) {
        if (args[1] == QLatin1String(c.name)) {
            c.run(meter, options);
            return 0;
        }
    }
    return usage();
}
