#pragma once

class frmExitScreen;

// The exit screen is loaded on first use and then only shown or hidden;
// leaving it ends the program.
frmExitScreen *ExitScreen();
bool IsExitScreenLoaded();
void ShowExitScreen();
void HideExitScreen();
