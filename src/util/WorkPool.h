// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The one pool of worker threads all of QAL's long work runs on: the aspect
// calendar's pairs of bodies, the runs of charts of a pattern search, the
// time map, and the window's long computations (started as a Job, which
// reports its progress and can be asked to stop).
//
// The pool is module-wide state with one writer: StartWorkPool, called by
// the core's runtime (chart/CoreStart.h) when a program starts, and
// StopWorkPool when it ends; everything else only uses it. Without a
// started pool every call runs its work on the calling thread.
//
// What crosses to the workers: a ForEach body is called on several threads
// at once and must only touch what each call owns (its index's slot) or
// what is locked; a Job's task owns what it was given (values, not
// references to the window's state) and gives back a value.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>

#include "util/WorkWatch.h"

namespace qal {

// How a long task tells how far it has come (0..1), and learns whether it
// is to stop. Shared by the task (on a worker) and whoever waits for it.
class JobControl {
public:
    void SetProgress(double dblDone) { m_dblProgress.store(dblDone, std::memory_order_relaxed); }
    double Progress() const { return m_dblProgress.load(std::memory_order_relaxed); }
    void RequestStop() { m_stop.request_stop(); }
    bool StopRequested() const { return m_stop.stop_requested(); }
    std::stop_token Token() const { return m_stop.get_token(); }

private:
    std::atomic<double> m_dblProgress { 0 };
    std::stop_source m_stop;
};

// The watch of a job: its control's stop request and progress.
inline WorkWatch WatchOf(JobControl& control)
{
    return { [&control] { return control.StopRequested(); },
        [&control](double dblDone) { control.SetProgress(dblDone); } };
}

// Runs body(i) for every i in [0, intCount) on the pool's workers and the
// calling thread, and returns when every call has ended; each i is called
// once. A body that throws: the first exception is thrown here once all
// calls have ended. The calling thread works too, and only ever waits for
// calls other threads are running, so a body may itself call ForEach.
void ForEach(std::size_t intCount, const std::function<void(std::size_t)>& body);

// A task started on the pool that gives back a T: Ready() tells whether it
// has ended, Take() gives its result (running the task itself when no
// worker has begun it, else waiting for it), or rethrows what it threw. Control() reports its
// progress and takes a request to stop; a task that honours it ends early
// and its result is then not to be used. Destroying an unfinished Job asks
// it to stop and waits for it.
template <typename T> class Job {
public:
    Job() = default;
    Job(Job&&) noexcept = default;
    Job& operator=(Job&& other) noexcept
    {
        Abandon();
        m_state = std::move(other.m_state);
        return *this;
    }
    ~Job() { Abandon(); }

    bool Valid() const { return static_cast<bool>(m_state); }
    bool Ready() const { return m_state && m_state->blnDone.load(); }
    JobControl& Control() { return m_state->control; }
    T Take();

    template <typename U> friend Job<U> StartJob(std::function<U(JobControl&)> task);

private:
    struct State {
        JobControl control;
        std::function<T(JobControl&)> task;
        std::optional<T> result;
        std::exception_ptr error;
        std::atomic<bool> blnStarted { false };
        std::atomic<bool> blnDone { false };
        std::mutex mutex;
        std::condition_variable ended;
        // Runs the task unless another thread has begun it; true when this one ran it.
        bool RunOnce();
    };
    std::shared_ptr<State> m_state;
    void Abandon();
};

// Starts task on the pool (without a started pool: runs it at once).
template <typename T> Job<T> StartJob(std::function<T(JobControl&)> task);

// --- The pool's lifetime (the core's runtime) ---
// Starts intWorkers worker threads (0: one per core); a started pool is
// stopped first.
void StartWorkPool(int intWorkers = 0);
// Lets every worker finish its current item and joins them; queued items
// then run on whoever waits for them.
void StopWorkPool();
// The workers of the started pool (0 without one).
int WorkPoolWorkers();

namespace detail {
// Queues an item for a worker; false without a started pool (the caller then
// runs the work itself).
bool Enqueue(std::function<void()> item);
} // namespace detail

template <typename T> bool Job<T>::State::RunOnce()
{
    if (blnStarted.exchange(true))
        return false;
    try {
        result.emplace(task(control));
    } catch (...) {
        error = std::current_exception();
    }
    {
        const std::lock_guard<std::mutex> lock(mutex);
        blnDone = true;
    }
    ended.notify_all();
    return true;
}

template <typename T> T Job<T>::Take()
{
    State& state = *m_state;
    if (!state.RunOnce()) {
        // Begun by a worker: waited for. Taking other queued work meanwhile
        // would keep this thread busy past the moment its result is ready;
        // and the wait cannot deadlock, as the task is running and whatever
        // it waits for itself is running or run by it.
        std::unique_lock<std::mutex> lock(state.mutex);
        state.ended.wait(lock, [&] { return state.blnDone.load(); });
    }
    const std::shared_ptr<State> taken = std::move(m_state);
    if (taken->error)
        std::rethrow_exception(taken->error);
    return std::move(*taken->result);
}

template <typename T> void Job<T>::Abandon()
{
    if (!m_state)
        return;
    m_state->control.RequestStop();
    // Not begun: marked as taken, the queued item then does nothing. Begun:
    // waited for, as what it was given may end with its owner.
    if (m_state->blnStarted.exchange(true)) {
        std::unique_lock<std::mutex> lock(m_state->mutex);
        m_state->ended.wait(lock, [&] { return m_state->blnDone.load(); });
    }
    m_state.reset();
}

template <typename T> Job<T> StartJob(std::function<T(JobControl&)> task)
{
    Job<T> job;
    job.m_state = std::make_shared<typename Job<T>::State>();
    job.m_state->task = std::move(task);
    std::weak_ptr<typename Job<T>::State> weak = job.m_state;
    const bool blnQueued = detail::Enqueue([weak] {
        if (const auto state = weak.lock())
            state->RunOnce();
    });
    if (!blnQueued)
        job.m_state->RunOnce(); // no pool: the work is done here and now
    return job;
}

} // namespace qal
