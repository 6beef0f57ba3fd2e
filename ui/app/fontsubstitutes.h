#pragma once

// Verdana and MS Sans Serif are not on every system: map them to the
// system's sans font so the sizes still hold (where the desktop names no
// font, fontconfig's choice for the missing family stands). Call once at
// start-up.
void InstallFontSubstitutes();
