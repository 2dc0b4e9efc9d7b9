#pragma once

#include <QApplication>
#include <QElapsedTimer>

#include <malloc.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <limits>

// Timing and memory helpers shared by the benchmark programs.

// Lets show events, layouts, paints and deferred deletions run.
inline void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

inline double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The least time that work took over the runs measured so far.
struct Best
{
    double ms = std::numeric_limits<double>::max();
    void measure(const std::function<void()> &work) { ms = std::min(ms, elapsedMs(work)); }
};

inline std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}
