// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlibtesting.h"

#include <QHash>
#include <QStandardPaths>

#include <cmath>
#include <csignal>
#include <cstdlib>

namespace {
struct ManagerState
{
    QStringList calls;
    QHash<int, ShortCutsKey> seeds;
};

struct State
{
    QString configPath;
    double dpiScale = std::nan("");
    bool vmStayOnTop = false;
    int vmStayOnTopCalls = 0;
    bool callLog = false;
    TarnLibTesting::SaveStep killStep = TarnLibTesting::NoStep;
    // Only for managers a test logged or seeded; an entry goes with its manager.
    QHash<const ShortCutsManager *, ManagerState> managers;
};

State &state()
{
    static State s;
    return s;
}

ManagerState &stateOf(const ShortCutsManager *manager)
{
    auto found = state().managers.find(manager);
    if (found == state().managers.end()) {
        found = state().managers.insert(manager, {});
        QObject::connect(manager, &QObject::destroyed,
                         [manager] { state().managers.remove(manager); });
    }
    return *found;
}
} // namespace

QString TarnLibTesting::configPath()
{
    if (!state().configPath.isEmpty())
        return state().configPath;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        + QLatin1String("/tarn.ini");
}

void TarnLibTesting::setConfigPath(const QString &path)
{
    state().configPath = path;
}

void TarnLibTesting::setWinDpiScale(double scale)
{
    state().dpiScale = scale;
}

double TarnLibTesting::winDpiScale()
{
    return state().dpiScale;
}

bool TarnLibTesting::vmStayOnTop()
{
    return state().vmStayOnTop;
}

int TarnLibTesting::vmStayOnTopCalls()
{
    return state().vmStayOnTopCalls;
}

void TarnLibTesting::recordVmStayOnTop(bool onTop)
{
    state().vmStayOnTop = onTop;
    ++state().vmStayOnTopCalls;
}

void TarnLibTesting::setCallLogEnabled(bool enabled)
{
    state().callLog = enabled;
}

QStringList TarnLibTesting::calls(const ShortCutsManager *manager)
{
    return state().managers.value(manager).calls;
}

void TarnLibTesting::clearCalls(const ShortCutsManager *manager)
{
    if (state().managers.contains(manager))
        state().managers[manager].calls.clear();
}

void TarnLibTesting::record(const ShortCutsManager *manager, const QString &call)
{
    if (state().callLog)
        stateOf(manager).calls.append(call);
}

void TarnLibTesting::seedEntry(ShortCutsManager *manager, ShortCutsManager::ShortCutIndex index,
                               const ShortCutsKey &entry)
{
    if (index < 0 || index >= ShortCutsManager::ActionCount)
        return;
    stateOf(manager).seeds.insert(index, entry);
    manager->m_entries[index] = entry;
}

void TarnLibTesting::clearSeeds(const ShortCutsManager *manager)
{
    if (state().managers.contains(manager))
        state().managers[manager].seeds.clear();
}

ShortCutsKey TarnLibTesting::seeded(const ShortCutsManager *manager, int index,
                                    const ShortCutsKey &fallback)
{
    const auto found = state().managers.constFind(manager);
    return found == state().managers.constEnd() ? fallback : found->seeds.value(index, fallback);
}

void TarnLibTesting::killAtSaveStep(SaveStep step)
{
    state().killStep = step;
}

void TarnLibTesting::reached(SaveStep step)
{
    if (step != state().killStep)
        return;
#ifdef SIGKILL
    std::raise(SIGKILL);
#endif
    std::_Exit(137);
}
