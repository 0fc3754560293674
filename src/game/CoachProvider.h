// SPDX-License-Identifier: MIT
#pragma once
// Hands the coach's table to the game without ever making it wait: the
// first request starts a worker thread that reads the table from the
// user's cache folder or, when the cache is missing or not to be trusted,
// works it out on every core and writes the cache for the next run. The
// game asks ready() or waits for tableReady(), which arrives on the thread
// that owns the provider; progress() can be read from any thread.

#include "game/CoachTable.h"
#include "game/CoachTurn.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

namespace coach {

class TableProvider : public QObject {
    Q_OBJECT
public:
    // How the table is worked out when the cache cannot give it; tests put
    // something quicker here. It returns nothing when cancelled.
    using Compute = std::function<std::unique_ptr<Table>(const std::atomic<bool> &cancel, std::atomic<int> &percent)>;

    // Works the table out as setDefaultCompute says when first asked, on
    // every core unless told otherwise.
    explicit TableProvider(QObject *parent = nullptr);
    explicit TableProvider(Compute compute, QObject *parent = nullptr);
    // Stops a computation under way and waits for its thread.
    ~TableProvider() override;

    // What a provider made without a computation of its own uses from now on;
    // tests that start games put something cheap here. Nothing brings back
    // the solve on every core. Returns the one before.
    static Compute setDefaultCompute(Compute compute);

    // The first call starts the work; later calls do nothing.
    void request();
    bool ready() const { return m_ready.load(std::memory_order_acquire); }
    int progress() const { return m_percent.load(std::memory_order_relaxed); }
    // Nothing until ready.
    const Table *table() const { return ready() ? m_table.get() : nullptr; }
    // The table as the advice functions look it up; only once ready.
    NextValue values() const;
    // Whether the table came from the cache, and whether it could be kept there.
    bool fromCache() const { return m_fromCache; }
    bool cacheWritten() const { return m_cacheWritten; }

signals:
    void tableReady();

private:
    void work(const QString &cachePath);

    Compute m_compute;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_ready{false};
    std::atomic<int> m_percent{0};
    std::unique_ptr<Table> m_table;
    bool m_fromCache = false;
    bool m_cacheWritten = false;
};

} // namespace coach
