// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNBENCH_BENCHMETER_H
#define TARNBENCH_BENCHMETER_H

#include <QElapsedTimer>
#include <QString>

// Measures one loop: callgrind counts only between start() and stop() (the program runs
// with --instr-atstart=no), wall time is taken around the same span, and under massif
// heap snapshots are written on request. Results are printed as key=value lines.
class BenchMeter
{
public:
    explicit BenchMeter(const QString &snapshotDir);

    void start();
    void stop();
    // The heap as massif sees it goes to <snapshotDir>/<tag>.ms; the heap in use as
    // malloc sees it is printed either way.
    void snapshot(const char *tag);
    void report(const char *key, qint64 value);
    qint64 elapsedNs() const { return m_elapsedNs; }

private:
    QString m_snapshotDir;
    QElapsedTimer m_timer;
    qint64 m_elapsedNs = 0;
};

#endif
