#pragma once

#include <QtGlobal>

class frmMain;

// Process-wide settings, made once as soon as the QApplication exists: the
// program icon, the light look that no desktop theme changes, the stand-ins
// for missing fonts, Enter on a focused button, link labels that screen
// readers announce as links, and that closing the last window does not end
// the program (only QuitApplication does, from the exit screen).
void SetUpApplication();

// The first code of a new process: one copy per user, the update reminder,
// the main window. Returns with the main window on screen, or does not
// return at all when another copy already runs.
void StartApplication();

// The main window while it exists; null before start-up and after the user
// has left it (it is never created a second time).
frmMain *MainWindow();

// Puts one of the main window's two overlapping offers in front, by a
// random draw. Called once by StartApplication.
void CoBrand_Randomize();

// The draw: r in [0, 1) to 1..7, the ends half as likely as the middle.
qint16 CoBrandNumberFor(float r);
// Shows the offer that number n picks on the given window: 1, 3, 5 the
// co-branding one, 2, 4, 6 the full-branding one, anything else leaves
// the stacking as it is.
void ShowCoBrandChoice(frmMain *main, qint16 n);
// What the last draw gave; 0 before CoBrand_Randomize ran.
qint16 CoBrandRandomNumber();
