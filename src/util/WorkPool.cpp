// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "util/WorkPool.h"

#include "util/SearchThreads.h"

#include <algorithm>
#include <deque>
#include <thread>
#include <vector>

namespace qal {
namespace {

// The workers and their queue of items.
class Pool {
public:
    explicit Pool(int intWorkers)
    {
        for (int i = 0; i < intWorkers; ++i)
            m_workers.emplace_back([this](std::stop_token stop) { Work(stop); });
    }
    ~Pool()
    {
        for (std::jthread& worker : m_workers)
            worker.request_stop();
        m_wake.notify_all();
        m_workers.clear(); // joins each after its current item
    }
    int Workers() const { return static_cast<int>(m_workers.size()); }
    void Push(std::function<void()> item)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_items.push_back(std::move(item));
        }
        m_wake.notify_one();
    }
    std::function<void()> Pop()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_items.empty())
            return {};
        std::function<void()> item = std::move(m_items.front());
        m_items.pop_front();
        return item;
    }

private:
    void Work(const std::stop_token& stop)
    {
        for (;;) {
            std::function<void()> item;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, stop, [this] { return !m_items.empty(); });
                if (stop.stop_requested())
                    return;
                item = std::move(m_items.front());
                m_items.pop_front();
            }
            item();
        }
    }

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<std::function<void()>> m_items;
    std::vector<std::jthread> m_workers; // last: started once the rest is made
};

// The started pool; its one writer is StartWorkPool/StopWorkPool. Held
// through a shared pointer, so that a thread that reaches for it while the
// program stops keeps the one it found.
std::mutex g_poolMutex;
std::shared_ptr<Pool> g_pool;

std::shared_ptr<Pool> CurrentPool()
{
    const std::lock_guard<std::mutex> lock(g_poolMutex);
    return g_pool;
}

// What the calls of one ForEach share.
struct ForEachState {
    std::size_t intCount = 0;
    const std::function<void(std::size_t)>* body = nullptr;
    std::atomic<std::size_t> intNext { 0 };
    std::size_t intEnded = 0; // under mutex
    std::exception_ptr error; // the first, under mutex
    std::mutex mutex;
    std::condition_variable ended;

    // Claims and runs indices until none is left.
    void Help()
    {
        for (std::size_t i = intNext++; i < intCount; i = intNext++) {
            std::exception_ptr thrown;
            try {
                (*body)(i);
            } catch (...) {
                thrown = std::current_exception();
            }
            const std::lock_guard<std::mutex> lock(mutex);
            if (thrown && !error)
                error = thrown;
            if (++intEnded == intCount)
                ended.notify_all();
        }
    }
};

} // namespace

void ForEach(std::size_t intCount, const std::function<void(std::size_t)>& body)
{
    if (intCount == 0)
        return;
    const auto state = std::make_shared<ForEachState>();
    state->intCount = intCount;
    state->body = &body;
    // Helpers for the workers: one fewer than the calls, as this thread works too.
    if (const std::shared_ptr<Pool> pool = CurrentPool()) {
        const std::size_t intHelpers = std::min({ intCount - 1, static_cast<std::size_t>(pool->Workers()),
            static_cast<std::size_t>(SearchThreads() - 1) });
        for (std::size_t h = 0; h < intHelpers; ++h)
            pool->Push([state] { state->Help(); });
    }
    state->Help();
    std::unique_lock<std::mutex> lock(state->mutex);
    state->ended.wait(lock, [&] { return state->intEnded == state->intCount; });
    if (state->error)
        std::rethrow_exception(state->error);
    // A helper that starts only now finds no index left: body is not touched
    // after this function returns.
}

void StartWorkPool(int intWorkers)
{
    StopWorkPool();
    // As many workers as cores: a job started from the window holds one
    // while the window's thread only watches it, and the job's ForEach then
    // finds the others free.
    const int intCount = intWorkers > 0 ? intWorkers : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    auto pool = std::make_shared<Pool>(intCount);
    const std::lock_guard<std::mutex> lock(g_poolMutex);
    g_pool = std::move(pool);
}

void StopWorkPool()
{
    std::shared_ptr<Pool> pool;
    {
        const std::lock_guard<std::mutex> lock(g_poolMutex);
        pool = std::move(g_pool);
    }
    if (!pool)
        return;
    // Queued items still run: here, before the workers go.
    while (std::function<void()> item = pool->Pop())
        item();
    // A thread that found the pool a moment ago lets go of it soon; the last
    // hold must be this one, as the workers are joined by it.
    while (pool.use_count() > 1)
        std::this_thread::yield();
    pool.reset();
}

int WorkPoolWorkers()
{
    const std::shared_ptr<Pool> pool = CurrentPool();
    return pool ? pool->Workers() : 0;
}

namespace detail {

bool Enqueue(std::function<void()> item)
{
    const std::shared_ptr<Pool> pool = CurrentPool();
    if (!pool)
        return false;
    pool->Push(std::move(item));
    return true;
}

} // namespace detail
} // namespace qal
