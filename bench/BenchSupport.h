#pragma once
// Helpers of the benchmark rows kept outside main.cpp: timing by median and
// one printed row per figure (value, baseline, ratio, budget, PASS/FAIL).

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace cw::bench {

inline double MedianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.empty() ? 0.0 : times[times.size() / 2];
}

// `unit` is printed after the value, baseline and budget ("ms", "MB").  A
// negative value means the figure could not be measured (printed as n/a).
inline void PrintRow(const char *name, double value, double baseline, double budget, const char *unit)
{
    if (value < 0) {
        std::printf("%-46s %9s %-2s  baseline %8.3f %-2s  ratio %6s  budget %6.1f %-2s  n/a\n", name, "n/a",
                    unit, baseline, unit, "-", budget, unit);
        return;
    }
    std::printf("%-46s %9.3f %-2s  baseline %8.3f %-2s  ratio %6.2f  budget %6.1f %-2s  %s\n", name, value,
                unit, baseline, unit, baseline > 0 ? value / baseline : 0.0, budget, unit,
                value < budget ? "PASS" : "FAIL");
}

// Resident memory of this process in MB (-1 when it cannot be read).
double ResidentMb();

// Installs an interaction service that answers every message and question
// at once (No, Cancel), so no modal loop stalls a measurement (the main
// window reports a missing printer when it is first activated).
void InstallQuietInteraction();

// The card-file rows: open and save of 500 objects with 5 MB of pictures,
// beside reading and writing the same bytes.
void RunFileRows();
// Start-up to the first painted main window, in this process and, when the
// designer supports quitting after its first paint, as a program of its own.
void RunStartupRows(const char *argv0);
// The special objects: a card of 10 SuperText and 10 SuperShape objects
// repainted at 150 %, and a 10-card sheet of them composed to PDF.
void RunSuperRows();
// 10,000 records merged into a PDF, beside the same sheets without merge,
// with the peak memory and the pictures the PDF stores.
void RunMergeRows();
// Resident memory with a typical card open in the main window.
void RunMemoryRow();
// One undo step (an arrow-key nudge) on a card with 5 MB of pictures, and
// the memory 1,000 steps add.
void RunUndoRows();

} // namespace cw::bench
