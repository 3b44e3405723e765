// SPDX-License-Identifier: LGPL-2.1-or-later
#include "benchmeter.h"

#include <malloc.h>
#include <valgrind/callgrind.h>
#include <valgrind/valgrind.h>

#include <cstdio>

BenchMeter::BenchMeter(const QString &snapshotDir)
    : m_snapshotDir(snapshotDir)
{
}

void BenchMeter::start()
{
    m_timer.start();
    CALLGRIND_START_INSTRUMENTATION;
}

void BenchMeter::stop()
{
    CALLGRIND_STOP_INSTRUMENTATION;
    m_elapsedNs = m_timer.nsecsElapsed();
    report("wall_ns", m_elapsedNs);
}

void BenchMeter::snapshot(const char *tag)
{
    report(tag, qint64(mallinfo2().uordblks));
    if (!RUNNING_ON_VALGRIND || m_snapshotDir.isEmpty())
        return;
    const QByteArray command =
        "detailed_snapshot " + m_snapshotDir.toLocal8Bit() + '/' + tag + ".ms";
    VALGRIND_MONITOR_COMMAND(command.constData());
}

void BenchMeter::report(const char *key, qint64 value)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(value));
    std::fflush(stdout);
}
