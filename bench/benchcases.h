// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNBENCH_BENCHCASES_H
#define TARNBENCH_BENCHCASES_H

#include "benchmeter.h"

#include <vector>

class QWidget;

// One run of a benchmark: ours or the plain-Qt peer, n measured iterations after
// warmup unmeasured ones.
struct BenchOptions
{
    bool ours = true;
    int n = 1;
    int warmup = 0;
};

using BenchCase = void (*)(BenchMeter &, const BenchOptions &);

void benchDrag(BenchMeter &meter, const BenchOptions &options);
void benchHover(BenchMeter &meter, const BenchOptions &options);
void benchDialogHeap(BenchMeter &meter, const BenchOptions &options);
void benchKeys(BenchMeter &meter, const BenchOptions &options);
void benchPage(BenchMeter &meter, const BenchOptions &options);
void benchPageSave(BenchMeter &meter, const BenchOptions &options);
void benchPageHeap(BenchMeter &meter, const BenchOptions &options);
void benchMessageBox(BenchMeter &meter, const BenchOptions &options);
void benchIpEdit(BenchMeter &meter, const BenchOptions &options);

// Runs the event loop until nothing is left to do, paints included.
void settle();
// The same children in both dialogs' content areas.
void fillContent(QWidget *content);

// Runs cycle warmup times unmeasured, then n times measured, settling after each.
template<typename Cycle>
void measure(BenchMeter &meter, const BenchOptions &options, Cycle cycle)
{
    for (int i = 0; i < options.warmup; ++i)
        cycle();
    settle();
    meter.start();
    for (int i = 0; i < options.n; ++i) {
        cycle();
        settle();
    }
    meter.stop();
}

// Heap snapshots before n objects from make() are built, with them alive, and after they
// are destroyed; warmup ones are built and destroyed first.
template<typename Make>
void measureHeap(BenchMeter &meter, const BenchOptions &options, Make make)
{
    for (int i = 0; i < options.warmup; ++i)
        make();
    settle();
    meter.snapshot("heap_before");
    std::vector<decltype(make())> built;
    for (int i = 0; i < options.n; ++i)
        built.push_back(make());
    settle();
    meter.snapshot("heap_built");
    built.clear();
    settle();
    meter.snapshot("heap_after");
}

#endif
