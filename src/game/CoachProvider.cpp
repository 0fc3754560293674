// SPDX-License-Identifier: MIT
#include "game/CoachProvider.h"

#include "game/CoachCache.h"
#include "platform/SettingsLocation.h"
#include "platform/Threads.h"

namespace coach {

namespace {
std::unique_ptr<Table> solveOnEveryCore(const std::atomic<bool> &cancel, std::atomic<int> &percent)
{
    SolveOptions options;
    options.cancel = &cancel;
    options.percent = &percent;
    return solve(options);
}

TableProvider::Compute &defaultCompute()
{
    static TableProvider::Compute compute = solveOnEveryCore;
    return compute;
}
} // namespace

TableProvider::TableProvider(QObject *parent) : TableProvider(Compute(), parent) {}

TableProvider::Compute TableProvider::setDefaultCompute(Compute compute)
{
    Compute before = defaultCompute();
    defaultCompute() = compute ? std::move(compute) : Compute(solveOnEveryCore);
    return before;
}

TableProvider::TableProvider(Compute compute, QObject *parent) : QObject(parent), m_compute(std::move(compute)) {}

TableProvider::~TableProvider()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TableProvider::request()
{
    if (m_worker.joinable() || ready())
        return;
    if (!m_compute)
        m_compute = defaultCompute();
    m_worker = std::thread(&TableProvider::work, this, platform::coachCacheFilePath());
}

NextValue TableProvider::values() const
{
    const Table *t = table();
    return [t](const State &s) { return t ? t->value(s) : 0.0; };
}

// The flags are written before m_ready is set, so a reader that sees it
// ready sees them too. A cache that cannot be written costs the next run
// the computation again, nothing more.
void TableProvider::work(const QString &cachePath)
{
    platform::yieldToTheGame();
    std::unique_ptr<Table> table = readTableCache(cachePath);
    m_fromCache = table != nullptr;
    if (!table) {
        table = m_compute(m_cancel, m_percent);
        if (!table)
            return;
        m_cacheWritten = writeTableCache(cachePath, *table);
    }
    m_table = std::move(table);
    m_percent = 100;
    m_ready.store(true, std::memory_order_release);
    QMetaObject::invokeMethod(this, [this] { emit tableReady(); }, Qt::QueuedConnection);
}

} // namespace coach
