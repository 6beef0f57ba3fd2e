#pragma once

#include <functional>

// Ends the process at once: gives up the one-copy lock and leaves without
// returning to the event loop, so no handler of the program runs after
// it. QuitApplication closes the program's windows before it calls this.
[[noreturn]] void EndProcess();

// Tests replace the final process exit so the test runner survives; the
// replacement must not return normally (throw, or longjmp).
void SetProcessEndForTesting(std::function<void()> end);
