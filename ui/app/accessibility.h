#pragma once

// What screen readers find in the forms, beyond what Qt tells them:
// - a form that is a plain widget (the reading window, the exit screen) is
//   a window, announced as one with its title; it and the main window are
//   active, with a focused control, only while they have the keys;
// - a frame or group box without a caption, and the pages' stack in a tab
//   control, only lay out the controls in them, so they are layout to
//   screen readers too and are passed over instead of being read out as
//   nameless panels; a frame drawn as a line is a separator. Each is read
//   by what it is when a screen reader asks, so a caption set later counts;
// - a drop-down list with an accessible name of its own is called by it and
//   read with its entry as its value (Qt on Linux names it by the entry it
//   shows), and an entry chosen with the arrow keys while the list is
//   closed is announced, as one chosen by typing its first letters is.
// Call once at start-up, before the first window is made; later calls do
// nothing.
void InstallAccessibility();
