#pragma once

class QEvent;
class QObject;

// What screen readers find in the forms, beyond what Qt tells them:
// - a form that is a plain widget (the reading window, the exit screen) is
//   a window, announced as one with its title;
// - a frame or group box without a caption, and the pages' stack in a tab
//   control, only lay out the controls in them, so they are layout to
//   screen readers too and are passed over instead of being read out as
//   nameless panels; a frame drawn as a line is a separator. Each is read
//   by what it is when a screen reader asks, so a caption set later counts;
// - a drop-down list with an accessible name of its own is called by it and
//   read with its entry as its value (Qt on Linux names it by the entry it
//   shows), and an entry chosen with the arrow keys while the list is
//   closed is announced, as one chosen by typing its first letters is;
// - a window that becomes active again says where its focus is.
// Call once at start-up, before the first window is made; later calls do
// nothing.
void InstallAccessibility();

// True for the activation of a window itself; Qt sends it to each of the
// window's widgets too, and the focus is told once per activation. Public
// for its test: offscreen, Qt has no screen reader to hear the focus told.
bool IsWindowActivation(const QObject *watched, const QEvent *event);
