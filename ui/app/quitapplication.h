#pragma once

// Closes every window of the program, shown or hidden, running each one's
// own close handling, then ends Qt's event loop, so that main returns and
// no handler of the program runs after this one. Safe to call again from a
// close handler: the inner call closes the windows not yet closed, and the
// outer call closes no window twice.
void QuitApplication();
