#pragma once

#include "framework/GuardedCallback.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace orvane::game {

// Work that may take long (a grader run) on a thread of its own, its result
// handed to the user-interface thread. When the work is done, the thread
// posts `message` to the window named at Start, with the run's number in
// WPARAM; that window's handler calls Deliver with it, which runs the
// completion on the user-interface thread.
//
// One result is awaited at a time: Start while a run is under way, and
// Cancel, ask that run to stop and drop its result, so that a stale result
// never reaches the game. Every thread is joined: a finished one when its
// message arrives, the rest (asked to stop) when the job goes, which waits
// at most for the step each is in.
template <class Result>
class TBackgroundJob {
public:
    using TWork = std::function<std::optional<Result>(const std::atomic<bool>& stop)>;
    using TDone = std::function<void(Result& result)>;

    explicit TBackgroundJob(UINT doneMessage) : message(doneMessage) {}
    ~TBackgroundJob()
    {
        for (const auto& run : runs)
            run->stop = true;
        for (const auto& run : runs)
            if (run->thread.joinable())
                run->thread.join();
    }
    TBackgroundJob(const TBackgroundJob&) = delete;
    TBackgroundJob& operator=(const TBackgroundJob&) = delete;

    UINT Message() const { return message; }

    void Start(HWND window, TWork work, TDone done)
    {
        Cancel();
        auto run = std::make_unique<TRun>();
        run->number = ++lastNumber;
        awaited = run->number;
        completion = std::move(done);
        TRun* running = run.get();
        const UINT posted = message;
        running->thread = std::thread([running, window, posted, work = std::move(work)] {
            try {
                running->result = work(running->stop);
            } catch (...) {
                // No result: the completion does not run (out of memory, say).
                // A worker thread has no box to show it in: it is logged.
                framework::ReportCaughtException(framework::TCallbackFailure::Log);
            }
            running->finished.store(true, std::memory_order_release);
            PostMessageW(window, posted, WPARAM(running->number), 0);
        });
        runs.push_back(std::move(run));
    }

    // The awaited run, if any, is asked to stop and its result dropped.
    void Cancel()
    {
        for (const auto& run : runs)
            if (run->number == awaited)
                run->stop = true;
        awaited = 0;
    }

    // A result is awaited.
    bool Running() const { return awaited != 0; }

    // The window's handler of the message: joins the run's thread and, when
    // its result is the awaited one, runs the completion with it.
    void Deliver(WPARAM number)
    {
        for (auto it = runs.begin(); it != runs.end(); ++it) {
            TRun& run = **it;
            if (run.number != unsigned(number) || !run.finished.load(std::memory_order_acquire))
                continue;
            run.thread.join();
            std::unique_ptr<TRun> done = std::move(*it);
            runs.erase(it);
            if (done->number != awaited)
                return;
            awaited = 0;
            if (done->result && completion)
                completion(*done->result);
            return;
        }
    }

private:
    struct TRun {
        unsigned number = 0;
        std::atomic<bool> stop{false};
        std::atomic<bool> finished{false};
        std::optional<Result> result;
        std::thread thread;
    };

    UINT message;
    unsigned lastNumber = 0;
    unsigned awaited = 0;
    TDone completion;
    std::vector<std::unique_ptr<TRun>> runs;
};

} // namespace orvane::game
