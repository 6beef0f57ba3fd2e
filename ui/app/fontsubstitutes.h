#pragma once

// Verdana and MS Sans Serif are not on every system: the forms draw a
// family the system lacks in the desktop's sans font, so the sizes still
// hold, asking for it directly rather than through fontconfig's fallback.
// Call once at start-up, before the first window is made.
void InstallFontSubstitutes();
