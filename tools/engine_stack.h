#pragma once

// Runs program(argc, argv) on a thread whose stack holds the engine's deepest
// nesting, whatever stack the platform gives the main thread (ulimit -s on
// Linux, 1 MB on Windows), and returns its exit status.
int runOnEngineStack(int (*program)(int, char**), int argc, char** argv);
