#pragma once

#include <functional>

// Closes every window of the program, shown or hidden, running each one's
// own close handling, then ends the process. Safe to call again from a
// close handler: the inner call closes the windows not yet closed and ends
// the process, so the outer call never resumes.
[[noreturn]] void QuitApplication();

// Tests replace the final process exit so the test runner survives; the
// replacement must not return normally (throw, or longjmp).
void SetProcessEndForTesting(std::function<void()> end);
