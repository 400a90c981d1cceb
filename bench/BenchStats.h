// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

/// Milliseconds the work takes, with the events it posts (the drawing it causes).
inline double TimeMs(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

/// The middle value of timed runs; steadier than the mean on a busy machine.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

/// A figure of /proc/self/status in MiB: "VmRSS" (resident now) or "VmHWM" (its peak).
inline double MemoryMiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

/// Starts the peak ("VmHWM") over from the resident size now.
inline void ResetPeakMemory() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

/// The longest stretch the event loop was kept from a timer ticking every 10 ms: how long the
/// window could not answer the user.
class LoopWatch {
public:
    LoopWatch() {
        m_ticker.setInterval(10);
        m_ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { Tick(); });
        m_ticker.start();
        m_last.start();
    }
    /// Counts the stretch still running too.
    double LongestMs() {
        Tick();
        return m_longest;
    }

private:
    void Tick() {
        m_longest = std::max(m_longest, static_cast<double>(m_last.nsecsElapsed()) / 1e6);
        m_last.restart();
    }
    QTimer m_ticker;
    QElapsedTimer m_last;
    double m_longest = 0;
};

/// Runs the event loop until done() holds or the limit passes; false on the limit.
inline bool RunEventsUntil(const std::function<bool()>& done, int limitMs = 600'000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}
