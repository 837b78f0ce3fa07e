#include "tools/engine_stack.h"

#include "engine/evaluate.h"

#include <pthread.h>

namespace {

struct Run {
    int (*program)(int, char**);
    int argc;
    char** argv;
    int status = 0;
};

void* runProgram(void* argument)
{
    auto* run = static_cast<Run*>(argument);
    run->status = run->program(run->argc, run->argv);
    return nullptr;
}

} // namespace

int runOnEngineStack(int (*program)(int, char**), int argc, char** argv)
{
    Run run{program, argc, argv};
    pthread_attr_t attributes;
    pthread_t thread;
    // Where no such thread can be had, the main thread does the work: a
    // deep nest may then find less stack than it needs.
    if (pthread_attr_init(&attributes) != 0)
        return program(argc, argv);
    const bool started = pthread_attr_setstacksize(&attributes, vantor::cEvaluate::kStackBytes) == 0 &&
                         pthread_create(&thread, &attributes, runProgram, &run) == 0;
    pthread_attr_destroy(&attributes);
    if (!started)
        return program(argc, argv);
    pthread_join(thread, nullptr);
    return run.status;
}
