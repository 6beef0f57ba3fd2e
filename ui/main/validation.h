#pragma once

class frmMain;

// Checks the main window's names and date in a fixed order. On the first
// fault it tells the user in a message box, moves the focus where it helps
// and returns false; true when the input may be used for a reading.
bool ValidateInput(frmMain *main);
