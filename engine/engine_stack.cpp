#include "engine/engine_stack.h"

#include "engine/evaluate.h"

#include <exception>

#include <pthread.h>

namespace vantor {

namespace {

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

void runOnEngineStack(const std::function<void()>& work)
{
    // POSIX threads, as C++ threads cannot be given a stack size; mingw-w64
    // provides them on Windows.
    Run run{work, nullptr};
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        work();
        return;
    }
    pthread_t thread;
    const bool started = pthread_attr_setstacksize(&attributes, cEvaluate::kStackBytes) == 0 &&
                         pthread_create(&thread, &attributes, runWork, &run) == 0;
    pthread_attr_destroy(&attributes);
    if (!started) {
        work();
        return;
    }
    pthread_join(thread, nullptr);
    if (run.thrown)
        std::rethrow_exception(run.thrown);
}

} // namespace vantor
