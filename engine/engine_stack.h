#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>

namespace vantor {

// The engine's deep stack. The deepest nesting needs a few MB of stack (about
// 3 in an optimised build, 8 under the sanitizers), and a thread may have
// less: a main thread has what ulimit -s says on Linux (8 MB by default) and
// 1 MB on Windows. Where an evaluation begins, and at each nested one, the
// engine looks at the stack left below it: while there is room, it goes on
// where it is; otherwise on a thread of its own with kStackBytes, and comes
// back when that has ended. Most evaluations never leave the caller's thread.
inline constexpr std::size_t kStackBytes = std::size_t{16} << 20;
// What must be left below an evaluation that goes on where it is: many
// nesting levels' worth, and the deepest the formatting and the mathematics
// at a leaf may go.
inline constexpr std::size_t kStackMargin = std::size_t{256} << 10;

// True when this thread's stack has kStackMargin left below the caller.
bool stackHasRoom() noexcept;

// Runs work on a thread with kStackBytes of stack and returns when it has
// ended; what it throws is thrown again here. Where no such thread can be
// had, the work runs on the calling thread.
void runOnEngineStack(const std::function<void()>& work);

// What work returns, computed on a thread with kStackBytes of stack.
template <class Work> std::invoke_result_t<Work&> onEngineStack(Work&& work)
{
    std::optional<std::invoke_result_t<Work&>> result;
    runOnEngineStack([&] { result.emplace(work()); });
    return std::move(*result);
}

} // namespace vantor
