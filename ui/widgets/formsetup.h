#pragma once

#include <Qt>

class QWidget;

// What every form needs once its controls are made: the exact font sizes
// of its controls, the program's caption and icon, the frame given by
// flags, a fixed size and a place in the middle of the screen. The size is
// the form's own; for a main window it is the central area as drawn (its
// width and minimum height) under the menu bar. Call right after setupUi.
void SetUpForm(QWidget *form, Qt::WindowFlags flags);
