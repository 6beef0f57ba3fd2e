#include "exitscreen.h"

// Placeholder until the exit screen exists.
frmExitScreen *ExitScreen() { return nullptr; }
bool IsExitScreenLoaded() { return false; }
void ShowExitScreen() {}
void HideExitScreen() {}
