#pragma once

#include <QtGlobal>

class frmMain;

// Process-wide settings, made once as soon as the QApplication exists: the
// language, the program icon and menu entry, the light look that no desktop theme
// changes, the stand-ins for missing fonts, Enter on a focused button, what
// screen readers find in the forms, fixed sizes natively on Wayland, and
// that closing the last window does not end the program (only
// QuitApplication does, from the exit screen).
void SetUpApplication();

// The first code of a new process: one copy per user, the update reminder,
// the main window, with the navigator that leads from it to the other
// windows. Returns with the main window on screen, or does not return at
// all when another copy already runs.
void StartApplication();

// Draws a number for the main window's two overlapping offers, puts the
// one it picks in front (see ShowCoBrandChoice) and returns it. Called
// once by StartApplication.
qint16 CoBrand_Randomize(frmMain *main);
