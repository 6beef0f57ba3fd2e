#pragma once

// How the forms' windows and frames appear to screen readers. A form that
// is a plain widget (the reading window, the exit screen) is a window to
// them, so it is announced as one with its title; a frame or group box
// without a caption, and the pages' stack in a tab control, only lay out
// the controls in them, so they are layout to them too and are passed over
// instead of being read out as nameless panels; a frame drawn as a line
// is a separator. A window that becomes
// active again says where its focus is. Call once at start-up,
// before the first window is made; later calls do nothing.
void InstallAccessibleForms();

class QEvent;
class QObject;

// True for the activation of a window itself; Qt sends it to each of the
// window's widgets too, and the focus is told once per activation.
bool IsWindowActivation(const QObject *watched, const QEvent *event);
