// SPDX-License-Identifier: MIT
#include "controls/ThdTimer.h"
#include "platform/Errors.h"
#include "platform/Platform.h"

#include <QPointer>

#include <algorithm>
#include <chrono>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The priorities are those of the Windows thread API (-15 idle .. 15 time
// critical). Linux gives each thread a niceness instead, where lower runs
// sooner; two steps of niceness per step of priority keep the order.
int nicenessOf(TThreadPriority priority)
{
    constexpr int windowsPriority[] = {-15, -2, -1, 0, 1, 2, 15};
    return std::clamp(-2 * windowsPriority[int(priority)], -20, 19);
}

void reportFailure(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const QuindleError *>(&error))
        platform::showError(own->message());
    else
        platform::showError(QString::fromLocal8Bit(error.what()));
}

} // namespace

TTimerThread::TTimerThread(TThreadedTimer *owner)
    : m_owner(owner)
{
}

TTimerThread::~TTimerThread()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_terminated = true;
        m_pending = 0;
    }
    m_wake.notify_all();
    // The worker never waits for this thread once terminated is set, so the
    // join cannot deadlock, even when we are inside one of its ticks.
    if (m_thread.joinable())
        m_thread.join();
}

void TTimerThread::DoTimer()
{
    // A copy: the handler may replace itself, or the timer, while it runs.
    const TNotifyEvent handler = m_owner->OnTimer();
    if (handler)
        handler(m_owner);
}

void TTimerThread::pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paused = m_pausedHere = true;
    m_pending = 0; // withdrawn: deliver() will drop it when it arrives
    ++m_pauses;
}

void TTimerThread::resume()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_paused = m_pausedHere = false;
    }
    m_wake.notify_all();
    // The thread is started on the first resume, so that its first sleep
    // begins then, as for a thread created suspended.
    if (!m_thread.joinable()) {
        m_starts.fetch_add(1);
        m_thread = std::thread([this] { run(); });
    }
}

void TTimerThread::setNiceness(int niceness)
{
    m_niceness.store(niceness);
    applyNiceness();
}

void TTimerThread::applyNiceness()
{
    // Either this or the worker's own call at its start sees both values.
    const int tid = m_tid.load();
    if (tid != 0)
        setpriority(PRIO_PROCESS, id_t(tid), m_niceness.load());
}

void TTimerThread::run()
{
    pthread_setname_np(pthread_self(), "TTimerThread");
    m_tid.store(int(syscall(SYS_gettid)));
    if (m_niceness.load() != 0)
        applyNiceness();
    std::unique_lock<std::mutex> lock(m_mutex);
    while (sleepInterval(lock) && handOver(lock)) {
    }
}

// Sleeps to an absolute deadline, so that a pause does not restart the
// interval: after it the tick comes when the sleep would have ended, or at
// once if that has passed. False once terminated.
bool TTimerThread::sleepInterval(std::unique_lock<std::mutex> &lock)
{
    const auto deadline = std::chrono::steady_clock::now()
                          + std::chrono::milliseconds(m_owner->Interval());
    for (;;) {
        if (m_terminated)
            return false;
        if (m_paused)
            m_wake.wait(lock);
        else if (std::chrono::steady_clock::now() >= deadline)
            return true;
        else
            m_wake.wait_until(lock, deadline);
    }
}

// Hands the tick to the GUI thread and waits until it has run there. A tick
// withdrawn by a pause is handed over again once resumed. False once
// terminated.
bool TTimerThread::handOver(std::unique_lock<std::mutex> &lock)
{
    uint64_t ticket = 0;
    for (;;) {
        if (m_terminated)
            return false;
        if (ticket != 0 && m_done == ticket)
            return true;
        const bool inFlight = ticket != 0 && (m_pending == ticket || m_running == ticket);
        if (!m_paused && !inFlight) {
            ticket = ++m_lastTicket;
            m_pending = ticket;
            m_handOvers.fetch_add(1);
            // Posted under the lock: once the destructor has set terminated
            // nothing more is posted, and what was posted dies with us.
            QMetaObject::invokeMethod(
                this, [this, ticket] { deliver(ticket); }, Qt::QueuedConnection);
        }
        m_wake.wait(lock);
    }
}

void TTimerThread::deliver(uint64_t ticket)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (ticket != m_pending || m_paused || m_terminated)
            return;
        m_pending = 0;
        m_running = ticket;
    }
    const QPointer<TTimerThread> alive(this);
    try {
        DoTimer();
    } catch (const std::exception &error) {
        // Reported here rather than by the application, so that the worker
        // learns the tick is over and the timer goes on.
        reportFailure(error);
    }
    if (!alive)
        return; // the handler destroyed the timer
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = 0;
        m_done = ticket;
    }
    m_wake.notify_all();
}

TThreadedTimer::TThreadedTimer(QObject *owner)
    : QObject(owner)
    , m_worker(new TTimerThread(this))
{
}

TThreadedTimer::~TThreadedTimer()
{
    m_enabled = false;
    UpdateTimer();
    delete m_worker;
}

void TThreadedTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateTimer();
}

void TThreadedTimer::setInterval(quint16 interval)
{
    if (interval == m_interval.load())
        return;
    m_interval.store(interval);
    UpdateTimer();
}

void TThreadedTimer::setOnTimer(TNotifyEvent handler)
{
    m_onTimer = std::move(handler);
    UpdateTimer();
}

void TThreadedTimer::setThreadPriority(TThreadPriority priority)
{
    if (priority == m_priority)
        return;
    m_priority = priority;
    m_worker->setNiceness(nicenessOf(priority));
    UpdateTimer();
}

void TThreadedTimer::UpdateTimer()
{
    if (!m_worker->isPaused())
        m_worker->pause();
    if (m_interval.load() != 0 && m_enabled && m_onTimer)
        m_worker->resume();
}
