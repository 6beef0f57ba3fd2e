#pragma once

#include "platform/singleinstance.h"
#include "ui/app/navigator.h"

class frmMain;

// Process-wide settings, made once as soon as the QApplication exists: the
// program's name, whatever its file is called, the language, the program
// icon and menu entry, the light look that no desktop theme changes, the
// stand-ins for missing fonts, Enter on a focused button, what screen
// readers find in the forms, fixed sizes natively on Wayland, and that
// closing the last window does not end the program (only QuitApplication
// does, from the exit screen).
void SetUpApplication();

// What start-up makes for the life of the program. main keeps it on its
// stack, so that once the event loop has ended the windows go first, with
// the navigator, and the one-copy lock last.
struct Program
{
    InstanceLock lock;
    Navigator navigator;
};

// The first code of a new process: one copy per user, the update reminder,
// the main window, with the navigator that leads from it to the other
// windows. True with the main window on screen; false when another copy
// already runs, which the user has been told: main then returns at once.
bool StartApplication(Program &program);

// Puts in front one of the main window's two overlapping offers, drawn at
// random (see DrawCoBrandNumber and ShowCoBrandChoice). Called once by
// StartApplication.
void CoBrand_Randomize(frmMain *main);
