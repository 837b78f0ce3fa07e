// Vantor as it starts, for start-up measurements: this file is linked with
// Vantor's own main() (app/main.cpp), so the program builds and shows the very
// same window, and reports its first frame (first_frame.h).

#include "bench/first_frame.h"

namespace vantor::bench {

// Runs as the application object is made, before main() makes the window.
Q_COREAPP_STARTUP_FUNCTION(reportFirstFrame)

} // namespace vantor::bench
