#pragma once

class QMainWindow;

// F10 opens the window's first menu, as it does in other programs on Linux
// desktops; the Alt letters stay as they are. Escape from a menu opened
// this way leaves the menu bar as well and gives the focus back to the
// control it came from, so that the user, and a screen reader, are where
// they were. Call once, after the window's menus are made.
void OpenMenusWithF10(QMainWindow *window);
