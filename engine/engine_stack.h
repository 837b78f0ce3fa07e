#pragma once

#include <functional>

namespace vantor {

// Runs work on a thread whose stack holds the engine's deepest nesting
// (cEvaluate::kStackBytes), whatever stack the calling thread has: a main
// thread may have less (ulimit -s on Linux, 1 MB on Windows). Returns when
// the work has ended; what it throws is thrown again here. Where no such
// thread can be had, the work runs on the calling thread.
void runOnEngineStack(const std::function<void()>& work);

} // namespace vantor
