#pragma once

// The program's style (Fusion, with the buttons of a message box in one
// order, Yes before No) and a light palette for the whole program, message
// boxes included, and the base icon theme. The forms fix some colours
// (purple, magenta, dark green, white, navy) and leave the rest to the
// application: face, window text, the base and text of boxes, button text.
// Those come from the light palette the fixed colours were chosen for, so
// that a dark desktop theme or another widget style cannot put them on a
// background they were not made for. Call once, before the first window is
// made.
void UseLightLook();
