#pragma once

#include <QtGlobal>

class QRandomGenerator;
class frmMain;

// Process-wide settings, made once as soon as the QApplication exists: the
// program icon and menu entry, the light look that no desktop theme
// changes, the stand-ins for missing fonts, Enter on a focused button, link
// labels that screen readers announce as links, and that closing the last
// window does not end the program (only QuitApplication does, from the
// exit screen).
void SetUpApplication();

// The first code of a new process: one copy per user, the update reminder,
// the main window. Returns with the main window on screen, or does not
// return at all when another copy already runs.
void StartApplication();

// The main window while it exists; null before start-up and after the user
// has left it (it is never created a second time).
frmMain *MainWindow();

// Draws a number for the main window's two overlapping offers, puts the
// one it picks in front (see frmMain::showCoBrandChoice) and returns it.
// Called once by StartApplication.
qint16 CoBrand_Randomize(frmMain *main);

// The draw: r in [0, 1) to 1..7, the ends half as likely as the middle.
qint16 CoBrandNumberFor(float r);
// One draw from the generator, through CoBrandNumberFor.
qint16 DrawCoBrandNumber(QRandomGenerator &random);
