#pragma once

// Natively on Wayland, Qt draws the title bar itself, with a maximise button
// even on windows of a fixed size, and a compositor such as weston ends the
// program when a window acknowledges the maximised state but keeps its own
// size. On a request to maximise a fixed-size window this lets the window
// take the compositor's size for that state, asks at once to return to the
// normal state, and then puts the fixed size back. Elsewhere (X11,
// XWayland) it does nothing. Call once at start-up, before any window is
// created; later calls do nothing.
void InstallFixedSizeOnWayland();
