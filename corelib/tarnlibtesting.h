// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_TARNLIBTESTING_H
#define TARNLIB_TARNLIBTESTING_H

#include "shortcutsmanager.h"
#include "tarnlib_export.h"

#include <QString>
#include <QStringList>

// What the stand-in offers beyond the core library's own face: where it keeps its settings,
// and inspection for tests. Not installed; tests, benchmarks, fuzzers and the gallery reach
// it from the build tree. Everything here is off until a caller turns it on, so nothing in
// a host process grows with it.
class TARNLIB_EXPORT TarnLibTesting
{
public:
    // The INI file that holds the settings. Empty means the default, "tarn.ini" under
    // QStandardPaths::AppConfigLocation.
    static QString configPath();
    static void setConfigPath(const QString &path);

    // Overrides winDpiScale(). A value that is not a number restores the screen-derived one.
    static void setWinDpiScale(double scale);
    static double winDpiScale();

    // The last state any facade's setVmStayOnTop() was given, and how often it was called.
    static bool vmStayOnTop();
    static int vmStayOnTopCalls();
    static void recordVmStayOnTop(bool onTop);

    // While switched on (off by default), each manager logs every call it receives except
    // getShortCutsKey(), in order, as texts such as "updateConfig(7,true,Ctrl+P)".
    static void setCallLogEnabled(bool enabled);
    static QStringList calls(const ShortCutsManager *manager);
    static void clearCalls(const ShortCutsManager *manager);
    static void record(const ShortCutsManager *manager, const QString &call);

    // A seeded entry replaces what loadShortCutsKey() reads for its action until
    // clearSeeds(); it is set at once, and not stored until a save works.
    static void seedEntry(ShortCutsManager *manager, ShortCutsManager::ShortCutIndex index,
                          const ShortCutsKey &entry);
    static void clearSeeds(const ShortCutsManager *manager);
    // The seeded entry of an action, or fallback.
    static ShortCutsKey seeded(const ShortCutsManager *manager, int index,
                               const ShortCutsKey &fallback);

    // The steps of a save at which a test may have the process killed.
    enum SaveStep {
        NoStep,
        HalfWritten, // half of the new contents written, before the rest
        Written, // all written, before the file is put in place
    };
    // Raises SIGKILL when the next save reaches step.
    static void killAtSaveStep(SaveStep step);
    static void reached(SaveStep step);
};

#endif
