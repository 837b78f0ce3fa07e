#include "tools/platform.h"

// The arguments come as the terminal sends them: UTF-8 on every system this
// program supports.
std::vector<std::string> startUp(int argc, char** argv)
{
    return {argv, argv + argc};
}
