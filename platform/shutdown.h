#pragma once

#include <functional>

// Closes every window still open, running each one's own close handling,
// then ends the process. Safe to call again from a close handler: the
// inner call skips the closing loop and ends the process straight away.
[[noreturn]] void QuitApplication();

// Tests replace the final process exit so the test runner survives; the
// replacement must not return normally (throw, or longjmp).
void SetProcessEndForTesting(std::function<void()> end);
