// SPDX-License-Identifier: LGPL-2.1-or-later
// What every fuzz target shares: one offscreen application for the whole run (libFuzzer
// ends the process with exit()), whose settings live in a folder of its own, chosen as a
// host's are (XDG_CONFIG_HOME), and a check whose failure aborts, so that libFuzzer keeps
// the input that broke it.
#pragma once

#include <QtWidgets>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QTemporaryDir config;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    new QApplication(*argc, *argv);
    return 0;
}

inline void check(bool holds, const char *what, const QString &detail)
{
    if (!holds)
        qFatal("property broken: %s [%s]", what, qPrintable(detail));
}
