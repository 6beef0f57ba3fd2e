#pragma once

// Drop-down lists for screen readers. On Linux Qt names a list by the entry
// it shows, so that a listener hears "January combo box" and nothing says
// what is asked for. With this, a list that has an accessible name of its
// own is called by it and read with its entry as its value, and an entry
// chosen with the arrow keys while the list is closed is announced, as one
// chosen by typing its first letters already is. Call once at start-up,
// before the first window is made; later calls do nothing.
void InstallAccessibleLists();
