#pragma once

#include <string>
#include <vector>

// Readies the standard streams for UTF-8 text and returns the program's
// arguments as UTF-8, argv[0] first, whatever the platform passes.
std::vector<std::string> startUp(int argc, char** argv);
