#pragma once

#include <QPalette>

class QStyle;

// The forms fix some colours (purple, magenta, dark green, white, navy) and
// leave the rest to the application: face, window text, the base and text
// of boxes, button text. Those come from this light palette, the one the
// fixed colours were chosen for, whatever the desktop's theme says.
QPalette LightPalette();

// A new instance of the program's style (Fusion, message box buttons in
// one order), for a widget that wraps it in a style of its own.
QStyle *NewProgramStyle();

// The program's style, the light palette and the base icon theme for the
// whole program, message boxes included, so a dark desktop theme or another
// widget style cannot put the forms' colours on a background they were not
// made for. Call once, before the first window is made.
void UseLightLook();
