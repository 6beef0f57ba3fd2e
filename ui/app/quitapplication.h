#pragma once

// Closes every window of the program, shown or hidden, running each one's
// own close handling, then ends the process (EndProcess). Safe to call
// again from a close handler: the inner call closes the windows not yet
// closed and ends the process, so the outer call never resumes.
[[noreturn]] void QuitApplication();
