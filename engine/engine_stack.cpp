#include "engine/engine_stack.h"

#include <cstdint>
#include <exception>
#include <utility>

#include <pthread.h>
#ifdef _WIN32
#include <windows.h>
#endif

namespace vantor {

namespace {

// The lowest address of this thread's stack, found on its first evaluation;
// 0 until then. Where it cannot be found, the highest address: no room, and
// the evaluation goes on a thread whose stack can be measured.
thread_local std::uintptr_t thisThreadsStackFloor = 0;

std::uintptr_t findStackFloor() noexcept
{
#ifdef _WIN32
    ULONG_PTR low = 0;
    ULONG_PTR high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    return low;
#else
    // For a main thread, the C library reads the limit that ulimit -s sets.
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return UINTPTR_MAX;
    void* lowest = nullptr;
    std::size_t size = 0;
    const bool found = pthread_attr_getstack(&attributes, &lowest, &size) == 0;
    pthread_attr_destroy(&attributes);
    return found ? reinterpret_cast<std::uintptr_t>(lowest) : UINTPTR_MAX;
#endif
}

struct Run {
    const std::function<void()>& work;
    std::exception_ptr thrown;
};

void* runWork(void* argument)
{
    auto* run = static_cast<Run*>(argument);
    try {
        run->work();
    } catch (...) {
        run->thrown = std::current_exception();
    }
    return nullptr;
}

} // namespace

bool stackHasRoom() noexcept
{
    if (thisThreadsStackFloor == 0)
        thisThreadsStackFloor = findStackFloor();
    // The frame's address, not a local's: under AddressSanitizer locals may
    // live elsewhere.
    const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return here > thisThreadsStackFloor && here - thisThreadsStackFloor >= kStackMargin;
}

void runOnEngineStack(const std::function<void()>& work)
{
    // POSIX threads, as C++ threads cannot be given a stack size; mingw-w64
    // provides them on Windows.
    Run run{work, nullptr};
    pthread_attr_t attributes;
    pthread_t thread;
    bool started = false;
    if (pthread_attr_init(&attributes) == 0) {
        started = pthread_attr_setstacksize(&attributes, kStackBytes) == 0 &&
                  pthread_create(&thread, &attributes, runWork, &run) == 0;
        pthread_attr_destroy(&attributes);
    }
    if (!started) {
        // No such thread to be had: the work goes on here, as far as this
        // stack takes it, without looking for one at every level.
        struct Restore {
            std::uintptr_t floor;
            ~Restore() { thisThreadsStackFloor = floor; }
        } restore{std::exchange(thisThreadsStackFloor, 1)};
        work();
        return;
    }
    pthread_join(thread, nullptr);
    if (run.thrown)
        std::rethrow_exception(run.thrown);
}

} // namespace vantor
