// SPDX-License-Identifier: MIT
#pragma once
// A timer paced by a worker thread of its own rather than by the event
// loop's timers: the worker sleeps the interval, hands the tick to the GUI
// thread and waits until it has run there, so ticks never overlap or queue.

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

class TThreadedTimer;

// A handler of a notification; the sender is the object that raised it.
using TNotifyEvent = std::function<void(QObject *sender)>;

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The worker: one operating-system thread, and the GUI-thread object that
// ticks are handed to. A plain std::thread rather than a QThread, so that its
// join is visible to ThreadSanitizer (Qt's own locks are not).
class TTimerThread : public QObject {
    Q_OBJECT
public:
    explicit TTimerThread(TThreadedTimer *owner);
    // Ends the loop, withdraws a tick not yet run and joins the thread.
    ~TTimerThread() override;

    TThreadedTimer *OwnerTimer() const { return m_owner; }
    // Runs on the GUI thread for each tick: raises the owner's OnTimer.
    void DoTimer();

    // GUI thread only. A pause withdraws a tick handed over but not yet run;
    // the worker carries on from where it stood once resumed.
    void pause();
    void resume();
    bool isPaused() const { return m_pausedHere; }
    // Niceness of the thread, applied now or when it starts; refusals ignored.
    void setNiceness(int niceness);

    // What tests and benchmarks watch.
    int pauses() const { return m_pauses; }
    int starts() const { return m_starts.load(); }
    uint64_t handOvers() const { return m_handOvers.load(); }
    int systemId() const { return m_tid.load(); }

private:
    void run(); // the worker's loop
    bool sleepInterval(std::unique_lock<std::mutex> &lock);
    bool handOver(std::unique_lock<std::mutex> &lock);
    void deliver(uint64_t ticket);
    void applyNiceness();

    TThreadedTimer *const m_owner;
    bool m_pausedHere = true; // the GUI thread's own copy, read without the lock
    int m_pauses = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    // Guarded by m_mutex.
    bool m_paused = true;
    bool m_terminated = false;
    uint64_t m_lastTicket = 0;
    uint64_t m_pending = 0; // handed over, not yet picked up by the GUI thread
    uint64_t m_running = 0; // being run on the GUI thread
    uint64_t m_done = 0;    // last one run to its end

    std::atomic<int> m_starts{0};
    std::atomic<uint64_t> m_handOvers{0};
    std::atomic<int> m_niceness{0};
    std::atomic<int> m_tid{0};
    std::thread m_thread; // started on the first resume
};

class TThreadedTimer : public QObject {
    Q_OBJECT
public:
    explicit TThreadedTimer(QObject *owner = nullptr);
    ~TThreadedTimer() override;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    quint16 Interval() const { return m_interval.load(); }
    void setInterval(quint16 interval);
    const TNotifyEvent &OnTimer() const { return m_onTimer; }
    // Always pauses and, if it may run, resumes the worker, even for the same handler.
    void setOnTimer(TNotifyEvent handler);
    TThreadPriority ThreadPriority() const { return m_priority; }
    void setThreadPriority(TThreadPriority priority);

    TTimerThread *worker() const { return m_worker; }

private:
    void UpdateTimer();

    bool m_enabled = true;
    // The worker reads it once per sleep while the GUI thread may write it.
    std::atomic<quint16> m_interval{1000};
    TNotifyEvent m_onTimer;
    TThreadPriority m_priority = TThreadPriority::tpNormal;
    TTimerThread *m_worker = nullptr;
};
