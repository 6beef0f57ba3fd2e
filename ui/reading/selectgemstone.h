#pragma once

#include "numerology.h"

class frmDisplay;

// The reading being put on screen. The reading request fills the numbers
// and roots; SelectGemstone adds the gemstone.
Reading &CurrentReading();

// Looks up the gemstone for the current reading's two roots and writes its
// name, description and picture into the window, in that order. Roots
// outside 1 to 9 write nothing; a picture that cannot be had stops the
// writing there, leaving what was already written.
void SelectGemstone(frmDisplay *window);
