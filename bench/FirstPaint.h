#pragma once

// Ends a start-up probe at the first paint of its window: once that paint
// has finished, prints when it happened and how much memory the process
// needed by then, and ends the process.
//
// Output, one line on standard output:
//   first_paint_ns=<CLOCK_REALTIME at the end of the paint> main_ms=<from
//   main() to then> vmhwm_kb=<peak resident memory so far>
// The realtime stamp lets a wrapper that noted the time before starting the
// process compute the whole start-up, loading and linking included.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {

inline long long realtimeNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// VmHWM from /proc/self/status: the peak resident set size in kB.
inline long vmHwmKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::chrono::steady_clock::time_point mainStart)
        : m_window(window), m_mainStart(mainStart) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window's children paint in the same pass; a queued call runs
            // only after the whole pass has reached the backing store.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report() {
        const long long now = realtimeNs();
        const double mainMs = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - m_mainStart)
                                  .count();
        std::printf("first_paint_ns=%lld main_ms=%.3f vmhwm_kb=%ld\n", now, mainMs, vmHwmKb());
        std::fflush(stdout);
        // The process ends right here, so that nothing a program does after
        // its first paint (such as building what is not yet on screen) counts.
        std::_Exit(0);
    }

    QWidget* m_window;
    std::chrono::steady_clock::time_point m_mainStart;
    bool m_seen = false;
};

} // namespace bench
