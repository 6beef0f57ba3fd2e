#pragma once

// The first code of a new process: one copy per user, the update reminder,
// the main window. Returns with the main window on screen, or does not
// return at all when another copy already runs.
void StartApplication();
