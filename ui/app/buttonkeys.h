#pragma once

// Return and keypad Enter press the push button that has the focus, as
// Space does, in every window that is not a dialog. Dialogs (the About
// window, message boxes) keep Qt's own handling: Enter presses the focused
// or default button, Esc cancels. Keys in text boxes and lists are left
// alone. Call once at start-up; later calls do nothing.
void InstallEnterPressesButtons();
