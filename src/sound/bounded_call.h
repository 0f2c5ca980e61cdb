#pragma once
// A sound server that accepts a connection and then stops answering keeps the
// client waiting for 30 s. Connecting therefore runs on a thread of its own
// and the caller waits only so long for it. A call that overruns is
// abandoned, not cancelled: its thread finishes by itself and destroys what it
// made, so a frozen server costs a sleeping thread, never a hung window.

#include <chrono>
#include <future>
#include <optional>
#include <thread>
#include <type_traits>

namespace tw {

//! Runs `work` on a new thread; its result, or nothing when it took longer than `limit`.
template <class Work>
std::optional<std::invoke_result_t<Work>> callWithin(std::chrono::milliseconds limit, Work work)
{
    using Result = std::invoke_result_t<Work>;
    std::packaged_task<Result()> task(std::move(work));
    std::future<Result> result = task.get_future();
    std::thread(std::move(task)).detach();
    if (result.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}

} // namespace tw
